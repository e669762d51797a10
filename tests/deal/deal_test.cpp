// Drawing from the deck, and choosing the table cards of a capture with their hover bars.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/deal/table_setup.h"

namespace {

using namespace table;

class Deck : public TableTest {};

TEST_F(Deck, FortyDrawsGiveEveryCardOnceAndTheFortyFirstCountsButGivesNothing) {
  fw::Control& deck = window1::instance().control("canvmazzo", indicemucchio::mazzo);
  std::set<int> seen, all;
  for (int card = 1; card <= 40; ++card) {
    seen.insert(prendicarta());
    all.insert(card);
    EXPECT_TRUE(card > 1 || !shows(deck, nullptr)) << "a draw redraws the deck";
  }
  EXPECT_EQ(seen, all);
  EXPECT_TRUE(shows(deck, nullptr)) << "an empty deck shows nothing";
  EXPECT_EQ(prendicarta(), 0);
  EXPECT_EQ(contatore(indicemucchio::mazzo), 41);
  for (int card = 1; card <= 40; ++card) EXPECT_EQ(uscita(card), statocarta::ingioco);
}

fw::Control& bar(int i) { return tableWindow().control("seleztav", i); }

class Choose : public TableTest {};

TEST_F(Choose, AmongEqualCardsAClickMovesTheSingleChoice) {
  // Threes at positions 2 and 4; the search proposes the gold one at 4.
  arrange({.player = {club(3), club(8), club(9)}, .table = {spade(1), spade(3), cup(9), gold(3)}});
  gui::click(hand(1));
  gui::enter(place(2));  // the pointer shows the bar of another equal card, in its colour
  EXPECT_TRUE(bar(2).visible() && bar(2).fillColor() == cyan);
  gui::leave(place(4));  // and never hides the chosen one
  EXPECT_TRUE(bar(4).visible());
  for (int position : {2, 2, 1, 4}) {  // a card of another value is no choice
    gui::click(place(position));
    const int chosen = position == 1 ? 2 : position, other = 6 - chosen;
    EXPECT_EQ(chosenPositions(), std::vector<int>{chosen}) << "click on " << position;
    EXPECT_TRUE(bar(chosen).fillColor() == red && !bar(other).visible() && bar(other).fillColor() == cyan);
  }
}

TEST_F(Choose, MembersOfTheSumsToggleInAnyOrderAndTheirHoverBarsKeepTheirColour) {
  // 1, 4, 2, 3 and a 9 on the table, a 5 played: 1+4 or 2+3; the 9 belongs to no sum.
  arrange({.player = {club(5), club(8), cup(8)}, .table = {spade(1), spade(4), spade(2), spade(3), spade(9)}});
  gui::enter(hand(1));
  gui::leave(hand(1));
  EXPECT_FALSE(tableWindow().control("selezrect", 1).visible());
  bar(2).setFillColor(red);  // as left by an earlier play of the hand
  gui::click(hand(1));
  ASSERT_TRUE(chosenPositions().empty()) << "nothing is chosen for the player";
  gui::enter(place(2));
  EXPECT_TRUE(bar(2).visible() && bar(2).fillColor() == red) << "showing a bar keeps its colour";
  gui::leave(place(2));
  EXPECT_FALSE(bar(2).visible());

  struct Step {
    int position;
    std::vector<int> chosen;
    bool twice = false;  // a quick double click is two clicks
  };
  const Step steps[] = {{2, {2}},       {3, {2, 3}}, {1, {1, 2, 3}},    {2, {1, 3}}, {5, {1, 3}},
                        {4, {1, 3, 4}}, {3, {1, 4}}, {4, {1, 4}, true}, {1, {4}},    {4, {}}};
  for (const Step& s : steps) {
    s.twice ? gui::doubleClick(place(s.position)) : gui::click(place(s.position));
    EXPECT_EQ(chosenPositions(), s.chosen) << "after a click on " << s.position;
    for (int i = 1; i <= 5; ++i) {
      const bool chosen = std::count(s.chosen.begin(), s.chosen.end(), i) > 0;
      EXPECT_TRUE(bar(i).visible() == chosen && bar(i).fillColor() == (chosen ? red : cyan)) << i;
    }
  }
  gui::enter(place(2));
  EXPECT_EQ(bar(2).fillColor(), cyan) << "dropped by a click";
}

}  // namespace
