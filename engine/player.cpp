// The computer player: which hand card to play, and what it says about it.
#include "engine/globali.h"
#include "framework/values.h"
#include "table/window1.h"

namespace Globali {

namespace {

// Shown and spoken texts, English and Italian. English is spoken as shown except the random "mmm".
struct Remark {
  const char* shown[2];
  const char* spoken[2];
};
constexpr Remark randomRemark{{"...mmm...", "...mmm..."}, {"mmm", "mmm"}};
constexpr Remark sweepRemark{{"Well! I got Scopa!", "Bene! Ho fatto Scopa!"},
                             {"Well! I got Scopa!", "Banae! Oh fatto skopa!"}};
constexpr Remark aceRemark{{"Well! I got all cards!", "Bene! Prendo tutto!"},
                           {"Well! I got all cards!", "Banae! Prando tootto!"}};
constexpr Remark noRiskRemark{{"I get with no risk", "Prendo senza rischiare"},
                              {"I get with no risk", "Prando santza reeskearrae"}};
constexpr Remark riskRemark{{"I get a risk", "Prendo un rischio"}, {"I get a risk", "Prando oon reeskeo"}};
constexpr Remark nothingRemark{{"I get nothing", "Non prendo niente"}, {"I get nothing", "Non prando neantae"}};
constexpr Remark forcedRemark{{"I am forced to this!", "Sono costretto..."},
                              {"I am forced to this!", "Sono kostraetto"}};

bool isCapture(int kind) { return kind >= tipopresa::presauguale && kind <= tipopresa::presacombinazione; }

// True when all four cards of this value are out of the player's reach, by the computer's memory.
bool allRemembered(int value) {
  if (value < 1 || value > 10) return false;
  int sum = 0;
  for (int suit = 0; suit < 4; ++suit) sum += memomac(value + 10 * suit);
  return sum == 4;
}

class Choice {
 public:
  int slot = 0;
  const Remark* remark = nullptr;
  void choose(int k, const Remark& r) {
    slot = k;
    remark = &r;
  }
};

Choice randomChoice() {
  if (maccarta(1) == 0 && maccarta(2) == 0 && maccarta(3) == 0) fw::fatal("the computer has no card to play");
  Choice choice;
  int slot = 0;
  do {
    slot = fw::toInt(fw::Rnd() * 3 + 1);
    if (slot > 3) slot = 3;
  } while (maccarta(slot) == 0);
  choice.choose(slot, randomRemark);
  return choice;
}

Choice strategyChoice() {
  Choice choice;
  const int n = tavacartequante;
  int tableSum = 0;
  for (int i = 1; i <= n; ++i) tableSum += valorecarta(tavcarta(i));

  // 1. Sweep: a card worth the whole table, the most important one.
  int best = 0;
  for (int k = 1; k <= 3; ++k) {
    const int card = maccarta(k);
    if (card > 0 && valorecarta(card) == tableSum && best < impo(card)) {
      choice.choose(k, sweepRemark);
      best = impo(card);
    }
  }

  // 2. An ace that takes a table worth having; the last one that qualifies.
  if (choice.slot == 0 && pref_apt == 1) {
    int tableWeight = 0;
    for (int i = 1; i <= n; ++i) tableWeight += impo(tavcarta(i));
    for (int k = 1; k <= 3; ++k) {
      const int card = maccarta(k);
      if (card > 0 && valorecarta(card) == 1 && impo(card) + tableWeight > 600) choice.choose(k, aceRemark);
    }
  }

  // 3. A capture that leaves the player no sweep: what is left is beyond any card,
  // or every card that could sweep it is known to be out of the player's hand.
  if (choice.slot == 0) {
    best = 0;
    for (int k = 1; k <= 3; ++k) {
      const int card = maccarta(k);
      if (card <= 0) continue;
      const int v = valorecarta(card);
      cercapresapre(v);
      if (!isCapture(puoscegliere)) continue;
      const int score = sceltavale + impo(card);
      const int left = tableSum - v;
      if (left >= 11) {
        if (best < score) {
          choice.choose(k, noRiskRemark);
          best = score;
        }
      } else if (allRemembered(left) && best < score) {
        choice.choose(k, riskRemark);
        best = score;
      }
    }
  }

  // 4. A card laid without leaving the player a sweep: the least important one.
  if (choice.slot == 0) {
    best = 10000;
    for (int k = 1; k <= 3; ++k) {
      const int card = maccarta(k);
      if (card <= 0) continue;
      const int v = valorecarta(card);
      cercapresapre(v);
      if (puoscegliere != tipopresa::presanulla) continue;
      const int total = tableSum + v;
      if ((total >= 11 || allRemembered(total)) && impo(card) < best) {
        choice.choose(k, nothingRemark);
        best = impo(card);
      }
    }
  }

  // 5. An ace that takes all, even a poor table; the one in the highest slot.
  if (choice.slot == 0 && pref_apt == 1) {
    for (int k = 1; k <= 3; ++k) {
      const int card = maccarta(k);
      if (card > 0 && valorecarta(card) == 1) choice.choose(k, forcedRemark);
    }
  }

  // 6. Any capture, the richest.
  if (choice.slot == 0) {
    best = 0;
    for (int k = 1; k <= 3; ++k) {
      const int card = maccarta(k);
      if (card <= 0) continue;
      cercapresapre(valorecarta(card));
      if (isCapture(puoscegliere) && best < sceltavale + impo(card)) {
        choice.choose(k, riskRemark);
        best = sceltavale + impo(card);
      }
    }
  }

  // 7. Any card laid, the least important.
  if (choice.slot == 0) {
    best = 10000;
    for (int k = 1; k <= 3; ++k) {
      const int card = maccarta(k);
      if (card <= 0) continue;
      cercapresapre(valorecarta(card));
      if (puoscegliere == tipopresa::presanulla && impo(card) < best) {
        choice.choose(k, nothingRemark);
        best = impo(card);
      }
    }
  }

  // Every card is a capture, a discard or an ace that takes all, so only an empty hand gets here.
  if (choice.slot == 0) fw::fatal("the computer has no card to play");
  return choice;
}

}  // namespace

int macsceglicarta() {
  const Choice choice = pref_ms ? strategyChoice() : randomChoice();
  playCardSound();
  const int language = lingua == 2 ? 1 : 0;
  window1::instance().control("Pensotesto").setText(choice.remark->shown[language]);
  if (parlato) fw::Speak(choice.remark->spoken[language], true);
  return choice.slot;
}

}  // namespace Globali
