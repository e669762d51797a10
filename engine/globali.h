// The game state: every global of the game, and the engine's routines.
// One copy of each for the life of the process; every window reads and writes them directly.
#pragma once

#include <array>
#include <string>

#include "framework/fatal.h"
#include "framework/media.h"
#include "framework/picture.h"

namespace Globali {

// A fixed-bound array, bounds inclusive, element Lo included. An index outside
// the bounds stops the program with a message instead of corrupting memory.
template <class T, int Lo, int Hi>
class Array {
 public:
  static constexpr int lower = Lo;
  static constexpr int upper = Hi;
  T& operator()(int i) {
    check(i);
    return items_[static_cast<std::size_t>(i - Lo)];
  }
  const T& operator()(int i) const {
    check(i);
    return items_[static_cast<std::size_t>(i - Lo)];
  }
  void fill(const T& value) { items_.fill(value); }

 private:
  static void check(int i) {
    if (i < Lo || i > Hi) {
      fw::fatal("index " + std::to_string(i) + " outside " + std::to_string(Lo) + ".." + std::to_string(Hi));
    }
  }
  std::array<T, Hi - Lo + 1> items_{};
};

// Card state (`statocarta`), kept per card number in `uscita`.
namespace statocarta {
constexpr int inmazzo = 0;      // still in the deck
constexpr int ingioco = 1;      // drawn: in a hand, on the table or being played
constexpr int selezionata = 2;  // chosen for the capture in progress, or the card being resolved
constexpr int presapla = 3;     // taken by the player
constexpr int scopapla = 4;     // the player's sweeping card
constexpr int presamac = 5;     // taken by the computer
constexpr int scopamac = 6;     // the computer's sweeping card
}  // namespace statocarta

// Capture kind (`tipopresa`), the verdict of the capture search in `puoscegliere`.
namespace tipopresa {
constexpr int presanulla = 0;         // nothing to take
constexpr int presauguale = 1;        // one equal card
constexpr int presauguali = 2;        // several equal cards, one proposed (player only)
constexpr int presadascegliere = 3;   // several sums, the player chooses
constexpr int presatutto = 4;         // the whole table adds up (player only)
constexpr int presacombinazione = 5;  // one combination
constexpr int presaasso = 6;          // the ace takes all
}  // namespace tipopresa

// Side (`lato`).
namespace lato {
constexpr int latopla = 0;
constexpr int latomac = 1;
}  // namespace lato

// Stack number (`indicemucchio`): piles and deck of the table window. For side s it is 2 - 2s.
namespace indicemucchio {
constexpr int mucchiomac = 0;  // the computer's pile (top)
constexpr int mazzo = 1;       // the deck
constexpr int mucchiopla = 2;  // the player's pile (bottom)
}  // namespace indicemucchio

// Phase of a hand (`fasemano`), read from the globals, never stored.
enum class fasemano { attesapla, giocatapla, giocatamac, finemano };
fasemano fase();

// ---- The arrays (bounds inclusive).
extern Array<int, 0, 4> placarta;   // player's hand: slots 1..3, slot 4 the card in play
extern Array<int, 0, 4> maccarta;   // computer's hand, same layout
extern Array<int, 0, 40> tavcarta;  // table cards by position 1..tavacartequante
extern Array<int, 0, 40> puoscelta; // search marks by table position
extern Array<int, 0, 40> uscita;    // statocarta (or scoring display code) by card number
extern Array<int, 0, 40> memomac;   // the computer's memory by card number
extern Array<int, 0, 2> contatore;  // by indicemucchio: (1) cards drawn; (0), (2) pile counters
extern Array<int, 0, 1> punti;      // game score by side
extern Array<fw::PicturePtr, 0, 42> immagine;  // 0 back, 1..40 faces, 41 player, 42 computer

// ---- Scalars.
extern int tavacartequante;
extern int puoscegliere;
extern int sceltavale;
extern int toccaa;
extern int mano;
extern int ultimoaprendere;
extern int tc_pla;
extern int tc_mac;
extern int controllafine;
extern int lingua;  // 1 English, 2 Italian
extern bool parlato;
extern fw::SoundPtr suono;
extern std::string nomepla;
extern std::string nomemac;

// ---- Options.
extern int pref_apt;     // "Ace gets all cards": 1 on, 60 off
extern int pref_tc;      // "Three cards at a time": 3 on, 1 off
extern bool pref_fc;     // "Four cards on table at start"
extern bool pref_us;     // "Last Scopa doesn't score"
extern int pref_pu;      // points to win
extern bool pref_ms;     // "Computer A.I."
extern bool pref_cs;     // "Uncovered"
extern int pref_me;      // "A.I. memory", per cent
extern bool pref_trevi;  // "Trevisan cards"

// Puts every global back to its value at process start (0, false, empty, nil).
void resetState();

// ---- Card model.
int valorecarta(int card);  // 1..10; 0 (no card) gives 10
int impo(int card);         // the computer's weight of a card

// ---- Deck, new game and deal.
int prendicarta();
void newgame();
void daicarteinizio();

// ---- Capture search.
void cercapresapre(int value);
void cercapresa(int value);

// ---- Computer player.
int macsceglicarta();

// ---- Drawing into the table window.
void mazzodisegna(int k);
void spalmacarte();
void ridisegna();
void scopedisegna(int p);
void aggiornagiocatori(int p);

// ---- Steps shared by the deal, the traffic light and the scoring window.
void playCardSound();     // the card sound, when there is one
void promptPlayerTurn();  // "Come on, It's your turn!" shown, and spoken when speech is on
void computerPlaysCard(); // the computer chooses, puts its card in play and marks its capture
void parkTablePlaces();   // every table place and its bar outside the window, the bars hidden

// ---- Shell routines kept in the module.
void custompicture();
void local_ita();
void local_usa();

}  // namespace Globali
