// Whole hands against the computer, clicked as a person would, for every set of options the
// start window allows.
#include <gtest/gtest.h>

#include "tests/deal/table_setup.h"
#include "tests/play/bot.h"
#include "tests/play/ledger.h"

namespace {

using namespace Globali;
using table::shows;

void click(fw::Control& control) { gui::click(control); }

struct HandOptions {
  int refill;       // pref_tc
  bool fourCards;   // pref_fc
  bool aceTakesAll;
  int lead;
  bool uncovered;
};

std::string describe(const HandOptions& o) {
  return "refill " + std::to_string(o.refill) + (o.fourCards ? ", four on the table" : ", empty table") +
         (o.aceTakesAll ? ", ace takes all" : "") + (o.lead ? ", computer leads" : ", player leads") +
         (o.uncovered ? ", uncovered" : "");
}

// What must hold between any two clicks of a hand, besides the books.
void checkHands() {
  window1* w = window1::live();
  if (!w) return;
  const int uncovered = pref_cs ? 1 : 0;
  if (fase() == fasemano::attesapla) {
    // Every held card is drawn, the computer's covered unless "Uncovered"; played slots are empty.
    for (int k = 1; k <= 3; ++k) {
      EXPECT_TRUE(shows(w->control("canvgio", k), placarta(k) > 0 ? immagine(placarta(k)) : nullptr)) << k;
      EXPECT_TRUE(shows(w->control("canvmac", k), maccarta(k) > 0 ? immagine(maccarta(k) * uncovered) : nullptr))
          << k;
    }
  }
  // While the deck lasts each hand is refilled after its refill period, and only then.
  if (contatore(indicemucchio::mazzo) < 40) {
    if (fase() == fasemano::attesapla) {
      EXPECT_EQ(ledger::held(placarta), 3 - tc_pla);
    }
    if (fase() == fasemano::giocatamac) {
      EXPECT_EQ(ledger::held(maccarta), 3 - tc_mac);
    }
  }
}

class Hands : public table::TableTest {};

TEST_F(Hands, EveryOptionSetPlaysToTheEndWithEveryCardAccountedFor) {
  const HandOptions sets[] = {
      {1, true, false, 0, false}, {1, true, false, 1, true},  {1, false, false, 0, false},
      {1, false, false, 1, false}, {3, true, false, 0, false}, {3, true, false, 1, false},
      {1, true, true, 0, false},  {3, true, true, 1, true},   {1, false, true, 1, false},
  };
  for (const HandOptions& o : sets) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
      SCOPED_TRACE(describe(o) + ", seed " + std::to_string(seed));
      table::closeEveryWindow();
      pref_tc = o.refill;
      pref_fc = o.fourCards;
      pref_apt = o.aceTakesAll ? 1 : 60;
      pref_cs = o.uncovered;
      fw::seedRnd(1000 + seed);
      fw::mediaLog().clear();
      table::dealHand(o.lead);
      ASSERT_TRUE(ledger::everyCardOnce());

      std::vector<int> leftovers;
      int lastTaker = -1;
      bot::Bot player(click, seed);
      bool ended = player.finishHand([&] {
        ASSERT_TRUE(ledger::everyCardOnce()) << "after click " << player.handClicks + player.tableClicks +
                                                                        player.presses;
        checkHands();
        if (window1::live() && controllafine == 40) {
          // The last card is out: it was the side's that did not lead, and one more press ends the hand.
          EXPECT_EQ(toccaa, mano);
          leftovers.clear();
          for (int j = 1; j <= tavacartequante; ++j) leftovers.push_back(tavcarta(j));
          lastTaker = ultimoaprendere;
        }
      });
      ASSERT_TRUE(ended);
      EXPECT_EQ(player.presses, o.fourCards ? 37 : 41);
      EXPECT_EQ(fw::mediaLog().beeps, 0) << "the bot never asks for a wrong capture";
      EXPECT_EQ(controllafine, 41);
      EXPECT_TRUE(ledger::everyCardOnce());
      for (int card : leftovers) EXPECT_EQ(uscita(card), 2 * lastTaker + 3) << "leftover " << card;
      EXPECT_EQ(window1::live(), nullptr);
      ASSERT_NE(winscoring::live(), nullptr);
      EXPECT_TRUE(winscoring::live()->frame()->isVisible());
      gui::settle();
      EXPECT_EQ(winscoring::live()->calcola, 0) << "the hand is not scored before its press";
    }
  }
}

}  // namespace
