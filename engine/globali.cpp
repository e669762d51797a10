#include "engine/globali.h"

namespace Globali {

Array<int, 0, 4> placarta;
Array<int, 0, 4> maccarta;
Array<int, 0, 40> tavcarta;
Array<int, 0, 40> puoscelta;
Array<int, 0, 40> uscita;
Array<int, 0, 40> memomac;
Array<int, 0, 2> contatore;
Array<int, 0, 1> punti;
Array<fw::PicturePtr, 0, 42> immagine;

int tavacartequante = 0;
int puoscegliere = 0;
int sceltavale = 0;
int toccaa = 0;
int mano = 0;
int ultimoaprendere = 0;
int tc_pla = 0;
int tc_mac = 0;
int controllafine = 0;
int lingua = 0;
bool parlato = false;
fw::SoundPtr suono;
std::string nomepla;
std::string nomemac;

int pref_apt = 0;
int pref_tc = 0;
bool pref_fc = false;
bool pref_us = false;
int pref_pu = 0;
bool pref_ms = false;
bool pref_cs = false;
int pref_me = 0;
bool pref_trevi = false;

void resetState() {
  placarta.fill(0);
  maccarta.fill(0);
  tavcarta.fill(0);
  puoscelta.fill(0);
  uscita.fill(0);
  memomac.fill(0);
  contatore.fill(0);
  punti.fill(0);
  immagine.fill(nullptr);
  tavacartequante = puoscegliere = sceltavale = toccaa = mano = ultimoaprendere = 0;
  tc_pla = tc_mac = controllafine = lingua = 0;
  parlato = false;
  suono = nullptr;
  nomepla.clear();
  nomemac.clear();
  pref_apt = pref_tc = pref_pu = pref_me = 0;
  pref_fc = pref_us = pref_ms = pref_cs = pref_trevi = false;
}

fasemano fase() {
  if (toccaa == lato::latopla && placarta(4) > 0) return fasemano::giocatapla;
  if (toccaa == lato::latomac && maccarta(4) > 0) return fasemano::giocatamac;
  if (controllafine >= 40) return fasemano::finemano;
  return fasemano::attesapla;
}

void playCardSound() {
  if (suono) suono->Play();
}

int valorecarta(int card) {
  int q = static_cast<int>(static_cast<double>(card) / 10.0);
  int r = card - 10 * q;
  return r == 0 ? 10 : r;
}

int impo(int card) {
  int weight = 48;
  if (card == 7) {
    weight += 1200;
  } else if (card == 17 || card == 27 || card == 37) {
    weight += 200;
  } else if (card == 6 || card == 16 || card == 26 || card == 36) {
    weight += 50;
  }
  if (card < 11) weight += 167;
  return weight;
}

}  // namespace Globali
