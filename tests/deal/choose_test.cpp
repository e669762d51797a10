// Choosing cards: playing a hand card, choosing the table cards of a capture, the hover bars.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/deal/table_setup.h"

namespace {

using namespace Globali;
using namespace table;

constexpr fw::Color red{255, 0, 0};
constexpr fw::Color cyan{0, 255, 255};

fw::Control& bar(int i) { return tableWindow().control("seleztav", i); }

std::vector<int> chosenPositions() {
  std::vector<int> chosen;
  for (int i = 1; i <= tavacartequante; ++i)
    if (uscita(tavcarta(i)) == statocarta::selezionata) chosen.push_back(i);
  return chosen;
}

class Choose : public table::TableTest {};

TEST_F(Choose, PlayingAHandCardPutsItInPlayAndLocksTheRest) {
  table::arrange({.player = {club(5), club(6), club(7)}, .computer = {cup(1), cup(2), cup(3)},
                  .table = {spade(2), spade(3)}});
  window1& w = tableWindow();
  gui::enter(hand(2));
  ASSERT_TRUE(w.control("selezrect", 2).visible());
  const std::string pensiero = w.control("Pensotesto").text();

  gui::click(hand(2));

  EXPECT_EQ(placarta(4), club(6));
  EXPECT_EQ(placarta(1), -club(5));
  EXPECT_EQ(placarta(2), 0);
  EXPECT_EQ(placarta(3), -club(7));
  EXPECT_EQ(tc_pla, 1);
  EXPECT_EQ(memomac(club(6)), 1);
  EXPECT_TRUE(table::blank(hand(2)));
  EXPECT_TRUE(table::shows(w.control("canvgiomactir"), immagine(club(6))));
  EXPECT_TRUE(w.control("Canvas2").visible());
  EXPECT_TRUE(w.control("Canvas3").visible());
  EXPECT_FALSE(w.control("Canvas1").visible());
  for (int k = 1; k <= 3; ++k) EXPECT_FALSE(w.control("selezrect", k).visible()) << k;
  EXPECT_TRUE(w.control("rectobutt").visible());
  EXPECT_TRUE(w.control("prendibott").enabled());
  EXPECT_EQ(puoscegliere, tipopresa::presanulla) << "the search ran for a 6 on 2 and 3";
  EXPECT_EQ(w.control("Rectangle1").top(), 380);
  EXPECT_EQ(w.control("Pensotesto").text(), pensiero);
  EXPECT_EQ(fw::mediaLog().plays, 1);
}

TEST_F(Choose, ClicksThatMustDoNothing) {
  enum Target { Hand, Table };
  struct Case {
    const char* what;
    Arrangement arrangement;
    int play;    // hand slot played first, 0 for none
    int kind;    // the capture kind the case is about, -1 when the player has no card in play
    Target on;
    int target;  // hand slot or table position clicked
    Qt::MouseButton button = Qt::LeftButton;
    bool aceTakesAll = false;
    bool computerInPlay = false;
  };
  const std::vector<int> fullHand{club(5), club(6), club(7)};
  const Case cases[] = {
      {"a hand card while the player's card is in play", {.player = fullHand, .table = {spade(2)}}, 1,
       tipopresa::presanulla, Hand, 2},
      {"a hand card while the computer's card is in play",
       {.player = fullHand, .computer = {cup(9), cup(8), cup(7)}, .table = {spade(2)}}, 0, -1, Hand, 1,
       Qt::LeftButton, false, true},
      {"an empty slot", {.player = {club(5), 0, club(7)}, .table = {spade(2)}}, 0, -1, Hand, 2},
      {"a right click on a playable card", {.player = fullHand, .table = {spade(2)}}, 0, -1, Hand, 1,
       Qt::RightButton},
      {"a table card with no card in play", {.player = fullHand, .table = {spade(2), spade(3)}}, 0, -1, Table, 1},
      {"kind 0: a table card", {.player = fullHand, .table = {spade(2)}}, 1, tipopresa::presanulla, Table, 1},
      {"kind 1: the taken card", {.player = {club(3)}, .table = {spade(3), cup(4)}}, 1, tipopresa::presauguale,
       Table, 1},
      {"kind 1: another card", {.player = {club(3)}, .table = {spade(3), cup(4)}}, 1, tipopresa::presauguale,
       Table, 2},
      {"kind 2: a card of another value", {.player = {club(3)}, .table = {spade(1), spade(3), cup(9), gold(3)}},
       1, tipopresa::presauguali, Table, 1},
      {"kind 3: a card in no combination",
       {.player = fullHand, .table = {spade(1), spade(4), spade(2), spade(3), spade(9)}}, 1,
       tipopresa::presadascegliere, Table, 5},
      {"kind 4: a swept card", {.player = fullHand, .table = {spade(2), spade(3)}}, 1, tipopresa::presatutto,
       Table, 2},
      {"kind 5: a member", {.player = fullHand, .table = {spade(2), spade(3), spade(6)}}, 1,
       tipopresa::presacombinazione, Table, 1},
      {"kind 5: a card left", {.player = fullHand, .table = {spade(2), spade(3), spade(6)}}, 1,
       tipopresa::presacombinazione, Table, 3},
      {"kind 6: a table card", {.player = {club(1)}, .table = {spade(1), spade(4)}}, 1, tipopresa::presaasso,
       Table, 2, Qt::LeftButton, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    pref_apt = c.aceTakesAll ? 1 : 60;
    table::arrange(c.arrangement);
    if (c.computerInPlay) {
      maccarta(4) = maccarta(1);
      maccarta(1) = 0;
      for (int k = 1; k <= 3; ++k) maccarta(k) = -maccarta(k);
      toccaa = lato::latomac;
    }
    if (c.play) gui::click(hand(c.play));
    if (c.kind >= 0) {
      ASSERT_EQ(puoscegliere, c.kind);
    }
    auto before = table::snapshot();
    fw::mediaLog().clear();

    gui::click(c.on == Hand ? hand(c.target) : place(c.target), c.button);

    EXPECT_EQ(table::differences(before, table::snapshot()), "");
    EXPECT_EQ(fw::mediaLog().plays, 0);
    EXPECT_EQ(fw::mediaLog().beeps, 0);
    EXPECT_TRUE(fw::mediaLog().spoken.empty());
  }
}

TEST_F(Choose, AmongEqualCardsAClickMovesTheSingleChoice) {
  // Threes at positions 2 and 4; the search proposes the gold one at 4.
  table::arrange({.player = {club(3), club(8), club(9)}, .table = {spade(1), spade(3), cup(9), gold(3)}});
  gui::click(hand(1));
  ASSERT_EQ(puoscegliere, tipopresa::presauguali);
  ASSERT_EQ(chosenPositions(), std::vector<int>{4});

  // Hovering shows the bar of an equal card not chosen, in the colour it has; the chosen bar stays.
  gui::enter(place(2));
  EXPECT_TRUE(bar(2).visible());
  EXPECT_EQ(bar(2).fillColor(), cyan);
  gui::leave(place(2));
  EXPECT_FALSE(bar(2).visible());
  gui::enter(place(4));
  gui::leave(place(4));
  EXPECT_TRUE(bar(4).visible());
  gui::enter(place(1));
  EXPECT_FALSE(bar(1).visible()) << "a card of another value is not offered";

  for (int click = 0; click < 2; ++click) {
    gui::click(place(2));
    EXPECT_EQ(chosenPositions(), std::vector<int>{2}) << "click " << click;
    EXPECT_TRUE(bar(2).visible());
    EXPECT_EQ(bar(2).fillColor(), red);
    EXPECT_FALSE(bar(4).visible());
    EXPECT_EQ(bar(4).fillColor(), cyan);
    EXPECT_EQ(uscita(gold(3)), statocarta::ingioco);
  }
  gui::click(place(4));
  EXPECT_EQ(chosenPositions(), std::vector<int>{4});
  EXPECT_EQ(fw::mediaLog().plays, 1) << "only the played card sounded";
}

TEST_F(Choose, MembersOfTheSumsToggleInAnyOrder) {
  // 1, 4, 2, 3 and a 9 on the table, a 5 played: 1+4 or 2+3; the 9 belongs to no sum.
  table::arrange({.player = {club(5), club(8), cup(8)}, .table = {spade(1), spade(4), spade(2), spade(3), spade(9)}});
  gui::click(hand(1));
  ASSERT_EQ(puoscegliere, tipopresa::presadascegliere);
  EXPECT_TRUE(chosenPositions().empty()) << "nothing is chosen for the player";

  struct Step {
    int position;
    std::vector<int> chosen;
  };
  const Step steps[] = {{3, {3}}, {1, {1, 3}}, {3, {1}}, {4, {1, 4}}, {2, {1, 2, 4}},
                        {1, {2, 4}}, {2, {4}}, {4, {}}, {5, {}}};
  for (const Step& s : steps) {
    gui::click(place(s.position));
    EXPECT_EQ(chosenPositions(), s.chosen) << "after a click on " << s.position;
    for (int i = 1; i <= 4; ++i) {
      bool chosen = std::find(s.chosen.begin(), s.chosen.end(), i) != s.chosen.end();
      EXPECT_EQ(bar(i).visible(), chosen) << i;
      EXPECT_EQ(bar(i).fillColor(), chosen ? red : cyan) << i;
    }
  }
}

TEST_F(Choose, HoverBarsShowOnlyWhereAClickWouldActAndKeepTheirColour) {
  table::arrange({.player = {club(5), 0, cup(8)}, .table = {spade(1), spade(4), spade(2), spade(3), spade(9)}});
  window1& w = tableWindow();

  // The hand: a playable card shows its bar, an empty slot does not.
  gui::enter(hand(1));
  EXPECT_TRUE(w.control("selezrect", 1).visible());
  gui::leave(hand(1));
  EXPECT_FALSE(w.control("selezrect", 1).visible());
  gui::enter(hand(2));
  EXPECT_FALSE(w.control("selezrect", 2).visible());
  // No card in play: the table offers nothing.
  gui::enter(place(1));
  EXPECT_FALSE(bar(1).visible());

  // A bar left red and hidden by an earlier play of the hand shows red on hover.
  bar(2).setFillColor(red);
  gui::click(hand(1));
  ASSERT_EQ(puoscegliere, tipopresa::presadascegliere);
  gui::enter(hand(3));
  EXPECT_FALSE(w.control("selezrect", 3).visible()) << "the hand is locked while a card is in play";
  gui::enter(place(2));
  EXPECT_TRUE(bar(2).visible());
  EXPECT_EQ(bar(2).fillColor(), red);
  gui::leave(place(2));
  EXPECT_FALSE(bar(2).visible());
  gui::enter(place(5));
  EXPECT_FALSE(bar(5).visible()) << "the 9 is in no sum";

  // Once dropped by a click, its hover bar is cyan.
  gui::click(place(2));
  gui::click(place(2));
  gui::enter(place(2));
  EXPECT_TRUE(bar(2).visible());
  EXPECT_EQ(bar(2).fillColor(), cyan);
}

}  // namespace
