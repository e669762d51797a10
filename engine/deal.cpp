// Drawing from the deck, a new game and the deal.
#include "engine/globali.h"
#include "framework/values.h"
#include "scoring/winscoring.h"
#include "shell/resources.h"
#include "table/window1.h"

namespace Globali {

namespace {

void drawCard(fw::Control& canvas, int picture) { canvas.graphics().DrawPicture(immagine(picture), 0, 0); }

}  // namespace

// The prompt that hands the turn to the player; Italian is spoken from a respelling for an English voice.
void promptPlayerTurn() {
  fw::Control& bubble = window1::instance().control("Pensotesto");
  if (lingua == 2) {
    bubble.setText("Dai, tocca a te!");
    if (parlato) fw::Speak("Die, tokka a tae!", true);
  } else {
    bubble.setText("Come on, It's your turn!");
    if (parlato) fw::Speak(bubble.text(), true);
  }
}

// The computer's card goes into play face up and its capture is marked, for the next press.
void computerPlaysCard() {
  window1& w = window1::instance();
  int k = macsceglicarta();
  tc_mac = tc_mac + 1;
  maccarta(4) = maccarta(k);
  maccarta(k) = 0;
  w.control("canvmac", k).refresh(true);
  for (int i = 1; i <= 3; ++i) maccarta(i) = -maccarta(i);
  w.control("Canvas1").setVisible(true);
  drawCard(w.control("canvgiomactir"), maccarta(4));
  playCardSound();
  w.control("Canvas3").setVisible(true);
  cercapresa(valorecarta(maccarta(4)));
  w.control("Rectangle1").setTop(10);
}

// A random start, then forward to the next card still in the deck, wrapping from 40 to 1.
// The walk favours cards that follow drawn ones; that is how the game deals.
int prendicarta() {
  contatore(indicemucchio::mazzo) = contatore(indicemucchio::mazzo) + 1;
  int card = 0;
  if (contatore(indicemucchio::mazzo) <= 40) {
    int r = fw::toInt(fw::Rnd() * 40 + 1);
    if (r > 40) r = 40;
    // While the count is at most 40 a free card exists; the bound only guards a corrupted state.
    for (int steps = 0; steps < 40 && uscita(r) != statocarta::inmazzo; ++steps) r = r % 40 + 1;
    if (uscita(r) == statocarta::inmazzo) {
      uscita(r) = statocarta::ingioco;
      card = r;
    }
  }
  mazzodisegna(indicemucchio::mazzo);
  return card;
}

void newgame() {
  // A scoring window left open must never score or deal over the new game.
  if (auto* scoring = winscoring::live()) scoring->Close();
  mano = lato::latomac;  // the deal turns it, so the player leads the first hand
  punti(lato::latopla) = 0;
  punti(lato::latomac) = 0;
  window1& w = window1::instance();
  w.control("Pensotesto").setVisible(true);
  parkTablePlaces();
  w.control("puntimactext").setText("0");
  w.control("puntiplatext").setText("0");
  w.Show();
  daicarteinizio();
}

void daicarteinizio() {
  window1& w = window1::instance();

  const int barWidth = pref_trevi ? 80 : 98;
  for (int k = 1; k <= 3; ++k) w.control("selezrect", k).setWidth(barWidth);
  for (int i = 1; i <= 40; ++i) w.control("seleztav", i).setWidth(barWidth);
  immagine(0) = pref_trevi ? aaat() : aaa();
  for (int card = 1; card <= 40; ++card) immagine(card) = pref_trevi ? trevisanFace(card) : standardFace(card);

  w.control("rectobutt").setVisible(false);

  mano = 1 - mano;
  toccaa = mano;

  w.control("puntiplatext").setText(fw::Str(punti(lato::latopla)));
  w.control("puntimactext").setText(fw::Str(punti(lato::latomac)));

  contatore.fill(0);
  for (int i = 0; i <= 40; ++i) {
    uscita(i) = statocarta::inmazzo;
    memomac(i) = 0;
    tavcarta(i) = 0;
  }
  for (int i = 1; i <= 4; ++i) {
    maccarta(i) = 0;
    placarta(i) = 0;
  }
  tc_mac = 0;
  tc_pla = 0;

  for (int i = 1; i <= 3; ++i) {
    placarta(i) = prendicarta();
    drawCard(w.control("canvgio", i), placarta(i));
  }

  const int uncovered = pref_cs ? 1 : 0;  // picture 0 is the back
  for (int i = 1; i <= 3; ++i) {
    maccarta(i) = prendicarta();
    memomac(maccarta(i)) = 1;
    drawCard(w.control("canvmac", i), maccarta(i) * uncovered);
  }

  if (pref_fc) {
    tavacartequante = 4;
    controllafine = 4;
    for (int i = 1; i <= tavacartequante; ++i) {
      int card = prendicarta();
      tavcarta(i) = card;
      memomac(card) = 1;
    }
    spalmacarte();
  } else {
    tavacartequante = 0;
    controllafine = 0;
  }

  mazzodisegna(indicemucchio::mazzo);

  if (toccaa == lato::latomac) {
    // The computer leads: its first card goes into play at once, waiting for the next press.
    computerPlaysCard();
    w.control("rectobutt").setVisible(true);
    w.control("prendibott").setEnabled(true);
  } else {
    w.control("Rectangle1").setTop(380);
    promptPlayerTurn();
  }
}

}  // namespace Globali
