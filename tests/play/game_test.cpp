// Whole games through the table and the scoring windows, and a storm of careless clicks.
#include <gtest/gtest.h>

#include <random>

#include "framework/files.h"
#include "tests/deal/table_setup.h"
#include "tests/play/bot.h"
#include "tests/play/ledger.h"

namespace {

using namespace Globali;

void click(fw::Control& control) { gui::click(control); }

class Games : public table::TableTest {};

TEST_F(Games, GamesArePlayedHandByHandToThePointsToWinAndStartOver) {
  pref_pu = 11;
  bot::Bot player(click, 7);
  newgame();
  int games = 0, hands = 0;
  std::vector<int> leads;
  while (games < 2) {
    ASSERT_LT(hands, 60) << "a game to 11 takes a handful of hands";
    leads.push_back(mano);
    ASSERT_TRUE(player.finishHand([] { ASSERT_TRUE(ledger::everyCardOnce()); }));
    ++hands;
    gui::settle();
    winscoring* scoring = winscoring::live();
    ASSERT_NE(scoring, nullptr);
    const int before[2] = {punti(0), punti(1)};
    gui::click(scoring->control("prendibott"));
    ASSERT_GE(punti(0), before[0]);
    ASSERT_GE(punti(1), before[1]);
    const bool over = punti(0) >= pref_pu || punti(1) >= pref_pu;
    ASSERT_EQ(scoring->calcola, over ? 2 : 1);
    if (over) {
      const std::string winner = "FINAL WINNER", none = "NO FINAL WINNER";
      const std::string left = scoring->control("StaticText15").text(), right = scoring->control("StaticText16").text();
      const std::string expectedLeft = punti(0) > punti(1) ? winner : punti(0) == punti(1) ? none : "";
      const std::string expectedRight = punti(1) > punti(0) ? winner : punti(0) == punti(1) ? none : "";
      EXPECT_EQ(left, expectedLeft);
      EXPECT_EQ(right, expectedRight);
    }
    gui::click(scoring->control("prendibott"));
    gui::settle();
    EXPECT_EQ(winscoring::live(), nullptr);
    window1* table = window1::live();
    ASSERT_NE(table, nullptr) << "the next hand or game is dealt at once";
    if (over) {
      ++games;
      EXPECT_EQ(punti(0) + punti(1), 0);
      EXPECT_EQ(table->control("puntiplatext").text(), "0");
      EXPECT_EQ(table->control("puntimactext").text(), "0");
      EXPECT_EQ(mano, lato::latopla) << "the player leads every new game";
    } else {
      EXPECT_EQ(table->control("puntiplatext").text(), std::to_string(punti(0)));
      EXPECT_EQ(mano, 1 - leads.back()) << "the lead alternates";
    }
    EXPECT_TRUE(ledger::everyCardOnce());
  }
}

// Clicks anything a careless person could reach: any control that can be seen, once or twice,
// and now and then a sensible move, so that the hand goes on.
class Storm {
 public:
  explicit Storm(unsigned seed) : rng_(seed), player_(click, seed) {}

  // One action; false when the hand is over.
  bool act() {
    window1* w = window1::live();
    if (!w) return false;
    if (rng_() % 3 == 0) return player_.move();
    // Half the time anything at all, else what a hasty player aims at: cards and the light.
    const auto& controls = w->controls();
    fw::Control* aimed = controls[rng_() % controls.size()].get();
    if (rng_() % 2 == 0) {
      const int n = Globali::tavacartequante;
      switch (rng_() % 3) {
        case 0: aimed = &w->control("prendibott"); break;
        case 1: aimed = &w->control("canvgio", static_cast<int>(rng_() % 3) + 1); break;
        default:
          if (n > 0) aimed = &w->control("canvtav", static_cast<int>(rng_() % static_cast<unsigned>(n)) + 1);
      }
    }
    fw::Control& target = *aimed;
    auto point = gui::visiblePoint(target);
    if (!point) return true;
    const bool twice = rng_() % 4 == 0;
    if (target.name() == "ImageWell1") {
      // The picture dialog opens at every click; the player cancels it.
      for (int i = 0; i < (twice ? 2 : 1); ++i) fw::queueOpenDialogAnswer(std::nullopt);
    }
    if (twice) {
      gui::doubleClick(target);
    } else {
      gui::clickAt(*w, *point);
    }
    return true;
  }

 private:
  std::mt19937 rng_;
  bot::Bot player_;
};

TEST_F(Games, AClickStormNeverLosesACardAndEveryHandStillEnds) {
  int totalActions = 0;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    table::closeEveryWindow();
    pref_tc = seed % 3 == 0 ? 3 : 1;
    pref_fc = seed % 3 != 1;
    pref_apt = seed % 2 ? 60 : 1;
    fw::seedRnd(seed);
    table::dealHand(static_cast<int>(seed % 2));
    Storm storm(seed);
    int actions = 0;
    while (true) {
      const int beeps = fw::mediaLog().beeps;
      const int pressedBefore = controllafine;
      if (!storm.act()) break;
      ASSERT_LT(++actions, 5000) << "the hand never ended";
      ASSERT_TRUE(ledger::everyCardOnce()) << "after action " << actions;
      if (fw::mediaLog().beeps != beeps) {
        // Only a refused capture beeps (twice for a double click): the player's card still in
        // play, the count unchanged.
        ASSERT_LE(fw::mediaLog().beeps, beeps + 2);
        ASSERT_NE(window1::live(), nullptr);
        EXPECT_GT(placarta(4), 0);
        EXPECT_EQ(controllafine, pressedBefore);
        EXPECT_EQ(window1::live()->control("helptesto").text(), "You can't get these cards!");
      }
    }
    gui::settle();
    EXPECT_EQ(controllafine, 41);
    EXPECT_NE(winscoring::live(), nullptr);
    totalActions += actions;
  }
  // The storm must have reached the refusals, not only the easy clicks.
  EXPECT_GT(fw::mediaLog().beeps, 0);
  EXPECT_GT(totalActions, 40 * 60);
}

}  // namespace
