// Choosing cards: playing a hand card, choosing the table cards of a capture, the hover bars.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/deal/table_setup.h"

namespace {

using namespace Globali;
using namespace table;

fw::Control& bar(int i) { return tableWindow().control("seleztav", i); }

std::vector<int> chosenPositions() {
  std::vector<int> chosen;
  for (int i = 1; i <= tavacartequante; ++i)
    if (uscita(tavcarta(i)) == statocarta::selezionata) chosen.push_back(i);
  return chosen;
}

class Choose : public TableTest {};

TEST_F(Choose, PlayingAHandCardPutsItInPlayAndLocksTheRest) {
  arrange({.player = {club(5), club(6), club(7)}, .computer = {cup(1), cup(2), cup(3)}, .table = {spade(2), spade(3)}});
  window1& w = tableWindow();
  gui::enter(hand(2));
  ASSERT_TRUE(w.control("selezrect", 2).visible());
  const std::string pensiero = w.control("Pensotesto").text();

  gui::click(hand(2));

  EXPECT_EQ(placarta(4), club(6));
  EXPECT_EQ(placarta(2), 0);
  EXPECT_TRUE(everyCardOnce()) << "the rest of the hand is negated";
  EXPECT_EQ(tc_pla, 1);
  EXPECT_EQ(memomac(club(6)), 1);
  EXPECT_TRUE(blank(hand(2)));
  EXPECT_TRUE(shows(w.control("canvgiomactir"), immagine(club(6))));
  for (const char* name : {"Canvas2", "Canvas3", "rectobutt"}) EXPECT_TRUE(w.control(name).visible()) << name;
  EXPECT_FALSE(w.control("Canvas1").visible());
  EXPECT_FALSE(w.control("selezrect", 2).visible());
  EXPECT_TRUE(w.control("prendibott").enabled());
  EXPECT_EQ(puoscegliere, tipopresa::presanulla) << "the search ran for a 6 on 2 and 3";
  EXPECT_EQ(w.control("Rectangle1").top(), 380);
  EXPECT_EQ(w.control("Pensotesto").text(), pensiero);
  EXPECT_EQ(fw::mediaLog().plays, 1);
}

// Pointing at the card and clicking it: neither may change anything, nor make a sound.
TEST_F(Choose, ClicksAndHoversThatMustDoNothing) {
  struct Case {
    const char* what;
    Arrangement arrangement;
    int play;     // hand slot played first, 0 for none, -1 for a hand led by the computer instead
    int kind;     // the capture kind the case is about, -1 when the player has no card in play
    bool onHand;  // else on the table
    int target;   // hand slot or table position
    Qt::MouseButton button = Qt::LeftButton;
  };
  const std::vector<int> fullHand{club(5), club(6), club(7)};
  const Case cases[] = {
      {"a hand card while the player's card is in play", {.player = fullHand, .table = {spade(2)}}, 1, 0, true, 2},
      {"a hand card while the computer's card is in play", {}, -1, -1, true, 1},
      {"an empty slot", {.player = {club(5), 0, club(7)}, .table = {spade(2)}}, 0, -1, true, 2},
      {"a right click on a playable card", {.player = fullHand}, 0, -1, true, 1, Qt::RightButton},
      {"a table card with no card in play", {.player = fullHand, .table = {spade(2), spade(3)}}, 0, -1, false, 1},
      {"kind 0: a table card", {.player = fullHand, .table = {spade(2)}}, 1, 0, false, 1},
      {"kind 1: the taken card", {.player = {club(3)}, .table = {spade(3), cup(4)}}, 1, 1, false, 1},
      {"kind 2: a card of another value", {.player = {club(3)}, .table = {spade(1), spade(3), cup(9), gold(3)}}, 1, 2,
       false, 1},
      {"kind 3: a card in no sum", {.player = fullHand, .table = {spade(1), spade(4), spade(2), spade(3), spade(9)}},
       1, 3, false, 5},
      {"kind 4: a swept card", {.player = fullHand, .table = {spade(2), spade(3)}}, 1, 4, false, 2},
      {"kind 5: a member", {.player = fullHand, .table = {spade(2), spade(3), spade(6)}}, 1, 5, false, 1},
      {"kind 6: a table card", {.player = {club(1)}, .table = {spade(1), spade(4)}}, 1, 6, false, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    pref_apt = 1;  // the ace takes all
    if (c.play < 0) {
      dealHand(lato::latomac);
    } else {
      arrange(c.arrangement);
    }
    if (c.play > 0) gui::click(hand(c.play));
    if (c.play == 0) {  // choices left behind by the last search of an earlier hand
      puoscegliere = tipopresa::presadascegliere;
      puoscelta.fill(2);
    }
    if (c.kind >= 0) {
      ASSERT_EQ(puoscegliere, c.kind);
    }
    fw::Control& target = c.onHand ? hand(c.target) : place(c.target);
    auto before = snapshot();
    fw::mediaLog().clear();

    if (c.button == Qt::LeftButton) gui::enter(target);
    gui::click(target, c.button);

    EXPECT_EQ(differences(before, snapshot()), "");
    EXPECT_EQ(fw::mediaLog().plays + fw::mediaLog().beeps, 0);
    EXPECT_TRUE(fw::mediaLog().spoken.empty());
  }
}

TEST_F(Choose, AmongEqualCardsAClickMovesTheSingleChoice) {
  // Threes at positions 2 and 4; the search proposes the gold one at 4.
  arrange({.player = {club(3), club(8), club(9)}, .table = {spade(1), spade(3), cup(9), gold(3)}});
  gui::click(hand(1));
  ASSERT_EQ(puoscegliere, tipopresa::presauguali);
  ASSERT_EQ(chosenPositions(), std::vector<int>{4});

  // The pointer shows the bar of the other three, in its colour, and never hides the chosen one.
  gui::enter(place(2));
  EXPECT_TRUE(bar(2).visible());
  EXPECT_EQ(bar(2).fillColor(), cyan);
  gui::leave(place(2));
  EXPECT_FALSE(bar(2).visible());
  gui::enter(place(4));
  gui::leave(place(4));
  EXPECT_TRUE(bar(4).visible());

  for (int click = 0; click < 2; ++click) {
    gui::click(place(2));
    EXPECT_EQ(chosenPositions(), std::vector<int>{2}) << "click " << click;
    EXPECT_TRUE(bar(2).visible());
    EXPECT_EQ(bar(2).fillColor(), red);
    EXPECT_FALSE(bar(4).visible());
    EXPECT_EQ(bar(4).fillColor(), cyan);
  }
  gui::click(place(4));
  EXPECT_EQ(chosenPositions(), std::vector<int>{4});
  EXPECT_EQ(fw::mediaLog().plays, 1) << "only the played card sounded";
}

TEST_F(Choose, MembersOfTheSumsToggleInAnyOrderAndTheirHoverBarsKeepTheirColour) {
  // 1, 4, 2, 3 and a 9 on the table, a 5 played: 1+4 or 2+3; the 9 belongs to no sum.
  arrange({.player = {club(5), club(8), cup(8)}, .table = {spade(1), spade(4), spade(2), spade(3), spade(9)}});
  gui::enter(hand(1));
  EXPECT_TRUE(tableWindow().control("selezrect", 1).visible());
  gui::leave(hand(1));
  EXPECT_FALSE(tableWindow().control("selezrect", 1).visible());
  bar(2).setFillColor(red);  // as left by an earlier play of the hand
  gui::click(hand(1));
  ASSERT_EQ(puoscegliere, tipopresa::presadascegliere);
  EXPECT_TRUE(chosenPositions().empty()) << "nothing is chosen for the player";
  gui::enter(place(2));
  EXPECT_TRUE(bar(2).visible());
  EXPECT_EQ(bar(2).fillColor(), red) << "showing a bar keeps its colour";
  gui::leave(place(2));
  EXPECT_FALSE(bar(2).visible());

  struct Step {
    int position;
    std::vector<int> chosen;
  };
  const Step steps[] = {{2, {2}},       {3, {2, 3}}, {1, {1, 2, 3}}, {2, {1, 3}},
                        {4, {1, 3, 4}}, {3, {1, 4}}, {1, {4}},       {4, {}}};
  for (const Step& s : steps) {
    gui::click(place(s.position));
    EXPECT_EQ(chosenPositions(), s.chosen) << "after a click on " << s.position;
    for (int i = 1; i <= 4; ++i) {
      const bool chosen = std::find(s.chosen.begin(), s.chosen.end(), i) != s.chosen.end();
      EXPECT_EQ(bar(i).visible(), chosen) << i;
      EXPECT_EQ(bar(i).fillColor(), chosen ? red : cyan) << i;
    }
  }
  gui::enter(place(2));
  EXPECT_TRUE(bar(2).visible());
  EXPECT_EQ(bar(2).fillColor(), cyan) << "dropped by a click";
}

}  // namespace
