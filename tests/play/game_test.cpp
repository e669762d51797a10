// Whole hands for every option set, played calmly and in storms of careless clicks, and whole
// games through the table and scoring windows.
#include <gtest/gtest.h>

#include <random>

#include "framework/files.h"
#include "tests/deal/table_setup.h"
#include "tests/play/bot.h"

namespace {

using namespace Globali;
using table::everyCardOnce;

void click(fw::Control& control) { gui::click(control); }

class Play : public table::TableTest {};

TEST_F(Play, GamesArePlayedHandByHandToThePointsToWinAndStartOver) {
  pref_pu = 11;
  bot::Bot player(click, 7);
  newgame();
  for (int games = 0, hands = 0; games < 2; ++hands) {
    ASSERT_LT(hands, 60) << "a game to 11 takes a handful of hands";
    const int lead = mano;
    ASSERT_TRUE(player.finishHand([] { ASSERT_TRUE(everyCardOnce()); }));
    gui::settle();
    winscoring* scoring = winscoring::live();
    ASSERT_NE(scoring, nullptr);
    gui::click(scoring->control("prendibott"));
    const bool over = punti(0) >= pref_pu || punti(1) >= pref_pu;
    ASSERT_EQ(scoring->calcola, over ? 2 : 1);
    if (over) {
      const char* tie = punti(0) == punti(1) ? "NO FINAL WINNER" : "";
      EXPECT_EQ(scoring->control("StaticText15").text(), punti(0) > punti(1) ? "FINAL WINNER" : tie);
      EXPECT_EQ(scoring->control("StaticText16").text(), punti(1) > punti(0) ? "FINAL WINNER" : tie);
    }
    gui::click(scoring->control("prendibott"));
    gui::settle();
    EXPECT_EQ(winscoring::live(), nullptr);
    window1* table = window1::live();
    ASSERT_NE(table, nullptr) << "the next hand or game is dealt at once";
    if (over) {
      ++games;
      EXPECT_EQ(punti(0) + punti(1), 0);
    }
    EXPECT_EQ(table->control("puntiplatext").text(), std::to_string(punti(0)));
    EXPECT_EQ(mano, over ? lato::latopla : 1 - lead) << "the lead alternates; the player leads every new game";
    EXPECT_TRUE(everyCardOnce());
  }
}

// Clicks anything a careless person could reach, once or twice, and now and then a sensible
// move so that the hand goes on. False when the hand is over.
bool stormAction(std::mt19937& rng, bot::Bot& player) {
  window1* w = window1::live();
  if (!w) return false;
  if (rng() % 3 == 0) return player.move();
  // Half the time anything at all, else what a hasty player aims at: cards and the light.
  fw::Control* target = w->controls()[rng() % w->controls().size()].get();
  if (rng() % 2 == 0) {
    const auto n = static_cast<unsigned>(tavacartequante);
    switch (rng() % 3) {
      case 0: target = &w->control("prendibott"); break;
      case 1: target = &w->control("canvgio", static_cast<int>(rng() % 3) + 1); break;
      default: if (n > 0) target = &w->control("canvtav", static_cast<int>(rng() % n) + 1);
    }
  }
  auto point = gui::visiblePoint(*target);
  if (!point) return true;
  const bool twice = rng() % 4 == 0;
  if (target->name() == "ImageWell1")  // the picture dialog opens at every click; the player cancels it
    for (int i = 0; i < (twice ? 2 : 1); ++i) fw::queueOpenDialogAnswer(std::nullopt);
  if (twice) {
    gui::doubleClick(*target);
  } else {
    gui::clickAt(*w, *point);
  }
  return true;
}

// Each option set is played calmly by the bot, then in storms of careless clicks: the books hold
// after every click, beeps come only from refused captures, and every hand ends.
TEST_F(Play, EveryOptionSetPlaysToTheEndCalmlyAndInAClickStorm) {
  struct Options {
    int refill;
    bool fourCards, aceTakesAll;
    int lead;
    bool uncovered;
  };
  const Options sets[] = {
      {1, true, false, 0, false}, {1, true, false, 1, true},  {1, false, false, 0, false},
      {1, false, false, 1, false}, {3, true, false, 0, false}, {3, true, false, 1, false},
      {1, true, true, 0, false},  {3, true, true, 1, true},   {1, false, true, 1, false},
  };
  int stormActions = 0;
  for (const Options& o : sets) {
    for (unsigned seed = 1; seed <= 7; ++seed) {
      const bool storm = seed > 3;
      SCOPED_TRACE(testing::Message() << "refill " << o.refill << " four " << o.fourCards << " ace " << o.aceTakesAll
                                      << " lead " << o.lead << " uncovered " << o.uncovered << " seed " << seed);
      table::closeEveryWindow();
      pref_tc = o.refill;
      pref_fc = o.fourCards;
      pref_apt = o.aceTakesAll ? 1 : 60;
      pref_cs = o.uncovered;
      fw::seedRnd(1000 + seed);
      table::dealHand(o.lead);
      std::mt19937 rng(seed);
      bot::Bot player(click, seed);
      for (int actions = 1;; ++actions) {
        const int beeps = fw::mediaLog().beeps, count = controllafine;
        ASSERT_TRUE(everyCardOnce()) << "after action " << actions - 1;
        table::checkBetweenPlays();
        if (!(storm ? stormAction(rng, player) : player.move())) break;
        ASSERT_LT(actions, 5000) << "the hand never ended";
        stormActions += storm;
        if (fw::mediaLog().beeps != beeps) {
          // Only a refused capture beeps (twice for a double click): the card stays in play, the count too.
          ASSERT_TRUE(storm) << "the bot never asks for a wrong capture";
          ASSERT_LE(fw::mediaLog().beeps, beeps + 2);
          ASSERT_NE(window1::live(), nullptr);
          EXPECT_GT(placarta(4), 0);
          EXPECT_EQ(controllafine, count);
          EXPECT_EQ(window1::live()->control("helptesto").text(), "You can't get these cards!");
        }
      }
      gui::settle();
      EXPECT_EQ(controllafine, 41);
      if (!storm) {
        EXPECT_EQ(player.presses, o.fourCards ? 37 : 41);
      }
      ASSERT_NE(winscoring::live(), nullptr);
      EXPECT_TRUE(winscoring::live()->frame()->isVisible());
    }
  }
  // The storms must have reached the refusals, not only the easy clicks.
  EXPECT_GT(fw::mediaLog().beeps, 0);
  EXPECT_GT(stormActions, 36 * 60);
}

}  // namespace
