// The traffic light on arranged tables: refused captures, scopas, memory, the end of a hand.
#include <QTimer>
#include <gtest/gtest.h>

#include "framework/application.h"
#include "tests/deal/table_setup.h"
#include "tests/play/ledger.h"

namespace {

using namespace Globali;
using namespace table;

std::vector<int> tableCards() {
  std::vector<int> cards;
  for (int j = 1; j <= tavacartequante; ++j) cards.push_back(tavcarta(j));
  return cards;
}

// Clicks table cards until exactly these positions are chosen.
void choose(const std::vector<int>& positions) {
  for (int j = 1; j <= tavacartequante; ++j) {
    bool wanted = std::find(positions.begin(), positions.end(), j) != positions.end();
    if (wanted != (uscita(tavcarta(j)) == statocarta::selezionata)) gui::click(place(j));
  }
}

class Press : public table::TableTest {};

TEST_F(Press, AWrongSumIsRefusedUntilTheChoiceIsMended) {
  struct Attempt {
    std::vector<int> positions;
    bool accepted;
  };
  struct Case {
    int played;
    std::vector<Attempt> attempts;
    int language = 1;
  };
  // Table values 1, 4, 2, 3.
  const Case cases[] = {
      {club(5), {{{}, false}, {{1, 3}, false}, {{3, 4}, true}}},
      {club(5), {{{1, 2}, true}}},
      {club(7), {{{1, 2, 3, 4}, false}, {{2, 4}, true}}, 2},
      {club(7), {{{1, 2, 3}, true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("a " + std::to_string(valorecarta(c.played)) + " played");
    lingua = c.language;
    const std::vector<int> start{spade(1), spade(4), spade(2), spade(3)};
    table::arrange({.player = {c.played, cup(8), cup(9)}, .computer = {gold(10), cup(10), spade(10)},
                    .table = start});
    ultimoaprendere = lato::latomac;
    gui::click(hand(1));
    ASSERT_EQ(puoscegliere, tipopresa::presadascegliere);
    window1& w = tableWindow();
    for (const Attempt& a : c.attempts) {
      choose(a.positions);
      const int count = controllafine;
      const int beeps = fw::mediaLog().beeps;
      const auto spoken = fw::mediaLog().spoken;
      press();
      EXPECT_TRUE(ledger::everyCardOnce());
      EXPECT_EQ(ultimoaprendere, lato::latopla) << "an attempt counts as a capture";
      if (!a.accepted) {
        EXPECT_EQ(fw::mediaLog().beeps, beeps + 1);
        EXPECT_EQ(w.control("helptesto").text(),
                  c.language == 2 ? "Non puoi prendere queste carte!" : "You can't get these cards!");
        EXPECT_EQ(fw::mediaLog().spoken, spoken);
        EXPECT_EQ(controllafine, count);
        EXPECT_EQ(placarta(4), c.played) << "the card stays in play";
        EXPECT_EQ(toccaa, lato::latopla);
        EXPECT_TRUE(w.control("prendibott").enabled());
        EXPECT_TRUE(w.control("rectobutt").visible());
        EXPECT_EQ(tableCards(), start);
        for (int j = 1; j <= 4; ++j) {
          bool chosen = std::find(a.positions.begin(), a.positions.end(), j) != a.positions.end();
          EXPECT_EQ(uscita(tavcarta(j)) == statocarta::selezionata, chosen) << "the choice stays, " << j;
          EXPECT_EQ(w.control("seleztav", j).visible(), chosen) << j;
        }
      } else {
        EXPECT_EQ(fw::mediaLog().beeps, beeps);
        EXPECT_EQ(controllafine, count + 1);
        EXPECT_EQ(uscita(c.played), statocarta::presapla);
        std::vector<int> left;
        for (int j = 1; j <= 4; ++j) {
          bool chosen = std::find(a.positions.begin(), a.positions.end(), j) != a.positions.end();
          EXPECT_EQ(uscita(start[static_cast<std::size_t>(j - 1)]),
                    chosen ? statocarta::presapla : statocarta::ingioco);
          if (!chosen) left.push_back(start[static_cast<std::size_t>(j - 1)]);
        }
        EXPECT_EQ(tableCards(), left) << "closed up in order";
        EXPECT_EQ(toccaa, lato::latomac) << "the computer has played";
        EXPECT_GT(maccarta(4), 0);
      }
    }
  }
}

TEST_F(Press, SweepsAreScopasExceptByTheAceOrWithTheLastCardWhenThatIsOff) {
  struct Case {
    const char* what;
    Arrangement arrangement;
    int presses;      // 1: the player's card is resolved; 2: then the computer's too
    int card;         // whose state is checked
    bool lastScopaOff;
    int expected;
    bool aceTakesAll = false;
    int memory = 100;
  };
  const std::vector<int> computer{cup(9), cup(10), spade(10)};
  auto lastCard = [](std::vector<int> table) {
    return Arrangement{.player = {club(5)}, .table = std::move(table), .inDeck = 0, .lead = lato::latomac};
  };
  const Case cases[] = {
      {"one equal card", {.player = {club(5), club(1), club(2)}, .computer = computer, .table = {spade(5)}}, 1,
       club(5), false, statocarta::scopapla},
      {"one equal card, last scopa off but not the last card",
       {.player = {club(5), club(1), club(2)}, .computer = computer, .table = {spade(5)}}, 1, club(5), true,
       statocarta::scopapla},
      {"a sum of the whole table", {.player = {club(5), club(1), club(2)}, .computer = computer,
                                    .table = {spade(2), spade(3)}}, 1, club(5), false, statocarta::scopapla},
      {"the last card", lastCard({spade(5)}), 1, club(5), false, statocarta::scopapla},
      {"the last card, last scopa off", lastCard({spade(5)}), 1, club(5), true, statocarta::presapla},
      {"a capture that leaves a card", {.player = {club(5), club(1), club(2)}, .computer = computer,
                                        .table = {spade(5), spade(9)}}, 1, club(5), false, statocarta::presapla},
      {"the ace takes all", {.player = {club(1), club(2), club(3)}, .computer = computer,
                             .table = {spade(4), spade(6)}}, 1, club(1), false, statocarta::presapla, true},
      {"the ace on an empty table", {.player = {club(1), club(2), club(3)}, .computer = computer}, 1, club(1),
       false, statocarta::presapla, true},
      {"memory 0, a sweep", {.player = {club(5), club(1), club(2)}, .computer = computer, .table = {spade(5)}}, 1,
       club(5), false, statocarta::scopapla, false, 0},
      {"memory 0, a plain capture", {.player = {club(5), club(1), club(2)}, .computer = computer,
                                     .table = {spade(5), spade(9)}}, 1, club(5), false, statocarta::presapla,
       false, 0},
      {"the computer's sweep", {.player = {club(3), club(8), club(9)}, .computer = {spade(3), cup(9), cup(10)}}, 2,
       spade(3), false, statocarta::scopamac},
      {"the computer's sweep with the last card", {.player = {club(3)}, .computer = {spade(3)}, .inDeck = 0}, 2,
       spade(3), false, statocarta::scopamac},
      {"the computer's sweep with the last card, last scopa off",
       {.player = {club(3)}, .computer = {spade(3)}, .inDeck = 0}, 2, spade(3), true, statocarta::presamac},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    pref_us = c.lastScopaOff;
    pref_apt = c.aceTakesAll ? 1 : 60;
    pref_me = c.memory;
    table::arrange(c.arrangement);
    ultimoaprendere = c.presses == 2 ? lato::latopla : lato::latomac;
    const std::vector<int> before = tableCards();
    gui::click(hand(1));
    for (int p = 0; p < c.presses; ++p) press();
    EXPECT_TRUE(ledger::everyCardOnce());
    EXPECT_EQ(uscita(c.card), c.expected);
    const int side = c.presses == 2 ? lato::latomac : lato::latopla;
    EXPECT_EQ(ultimoaprendere, side);
    const bool scopa = c.expected == 2 * side + 4;
    // The sweeping card is always remembered; the other cards of a capture after "A.I. memory".
    const int remembered = c.memory == 100 ? 1 : 0;
    EXPECT_EQ(memomac(c.card), scopa ? 1 : remembered);
    if (c.presses == 1) {
      for (int card : before) {
        if (uscita(card) == statocarta::presapla) {
          EXPECT_EQ(memomac(card), remembered) << card;
        }
      }
    }
    if (c.aceTakesAll) {
      for (int card : before) EXPECT_EQ(uscita(card), statocarta::presapla) << "the ace took " << card;
    }
    table::closeEveryWindow();
  }
}

TEST_F(Press, ACardThatTakesNothingGoesToTheRightEndAndStaysRemembered) {
  pref_me = 0;
  table::arrange({.player = {club(6), club(8), club(9)}, .computer = {cup(9), cup(10), spade(10)},
                  .table = {spade(2), spade(3)}});
  ultimoaprendere = lato::latomac;
  gui::click(hand(1));
  ASSERT_EQ(puoscegliere, tipopresa::presanulla);
  press();
  EXPECT_EQ(tavcarta(3), club(6));
  EXPECT_EQ(uscita(club(6)), statocarta::ingioco);
  EXPECT_EQ(memomac(club(6)), 1);
  EXPECT_EQ(ultimoaprendere, lato::latomac) << "unchanged by a card laid down";
  EXPECT_TRUE(ledger::everyCardOnce());
}

TEST_F(Press, AStrayPressWithNoCardInPlayDoesNothing) {
  table::arrange({.player = {club(6), club(8), club(9)}, .computer = {cup(9), cup(10), spade(10)},
                  .table = {spade(2), spade(3)}});
  auto before = table::snapshot();
  tableWindow().prendibott_Action();  // the button is disabled: only a stray event could get here
  EXPECT_EQ(table::differences(before, table::snapshot()), "");
  EXPECT_EQ(fw::mediaLog().plays + fw::mediaLog().beeps, 0);
}

TEST_F(Press, TheLastPressGivesTheLeftoversToTheLastCapturer) {
  struct Case {
    const char* what;
    Arrangement arrangement;
    int lastCapturer;
    int language = 1;
  };
  const Case cases[] = {
      {"the computer led, the player captured last",
       {.player = {club(5)}, .table = {spade(2), spade(9)}, .inDeck = 0, .lead = lato::latomac}, lato::latopla},
      {"the computer led, the computer captured last",
       {.player = {club(5)}, .table = {spade(2), spade(9)}, .inDeck = 0, .lead = lato::latomac}, lato::latomac},
      {"the player led, the computer captured last",
       {.player = {club(5)}, .computer = {cup(9)}, .table = {spade(2)}, .inDeck = 0}, lato::latomac},
      {"the player led, in Italian",
       {.player = {club(5)}, .computer = {cup(9)}, .table = {spade(2)}, .inDeck = 0}, lato::latopla, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    lingua = c.language;
    table::arrange(c.arrangement);
    ultimoaprendere = c.lastCapturer;  // carried over: nobody captures in what is left
    gui::click(hand(1));
    press();
    if (mano == lato::latopla) press();  // the computer's last card
    window1& w = tableWindow();
    ASSERT_EQ(controllafine, 40);
    EXPECT_TRUE(ledger::everyCardOnce());
    EXPECT_EQ(w.control("helptesto").text(), c.language == 2 ? "Premi il semaforo per prendere tutto"
                                                              : "Click on traffic lights for getting cards");
    EXPECT_EQ(w.control("Rectangle1").top(), c.lastCapturer == lato::latomac ? 10 : 380);
    EXPECT_TRUE(w.control("prendibott").enabled());
    EXPECT_TRUE(w.control("rectobutt").visible());
    if (mano == lato::latopla) {
      EXPECT_EQ(w.control("Pensotesto").text(), c.language == 2 ? "Dai, tocca a te!" : "Come on, It's your turn!");
      ASSERT_FALSE(fw::mediaLog().spoken.empty());
      EXPECT_EQ(fw::mediaLog().spoken.back(), c.language == 2 ? "Die, tokka a tae!" : "Come on, It's your turn!");
    }
    const std::vector<int> leftovers = tableCards();
    ASSERT_FALSE(leftovers.empty());

    press();

    for (int card : leftovers) EXPECT_EQ(uscita(card), 2 * c.lastCapturer + 3) << card;
    EXPECT_EQ(controllafine, 41);
    EXPECT_TRUE(ledger::everyCardOnce());
    EXPECT_EQ(window1::live(), nullptr);
    ASSERT_NE(winscoring::live(), nullptr);
    EXPECT_TRUE(winscoring::live()->frame()->isVisible());
    table::closeEveryWindow();
  }
}

TEST_F(Press, WithAnEmptyTableTheLastPressOnlyEndsTheHand) {
  table::arrange({.player = {club(5)}, .table = {spade(5)}, .inDeck = 0, .lead = lato::latomac});
  gui::click(hand(1));
  press();
  window1& w = tableWindow();
  ASSERT_EQ(tavacartequante, 0);
  EXPECT_EQ(w.control("helptesto").text(), "Click on traffic lights for ending game");
  EXPECT_EQ(w.control("Rectangle1").top(), 380);
  EXPECT_TRUE(w.control("prendibott").enabled());
  std::vector<int> states;
  for (int card = 1; card <= 40; ++card) states.push_back(uscita(card));

  press();

  for (int card = 1; card <= 40; ++card) EXPECT_EQ(uscita(card), states[static_cast<std::size_t>(card - 1)]);
  EXPECT_EQ(window1::live(), nullptr);
  EXPECT_NE(winscoring::live(), nullptr);
}

// The table window closes itself in the press that opens the scoring window: with the event
// loop running, the program must not take that moment for "no window left" and quit.
class EndOfHandApp : public fw::Application {
 public:
  bool quitSeen = true;
  bool scoringShown = false;

  void Event_Open() override {
    table::arrange({.player = {club(5)}, .table = {spade(2), spade(9)}, .inDeck = 0, .lead = lato::latomac});
    gui::click(hand(1));
    press();
    press();
    QTimer::singleShot(0, [this] {
      quitSeen = quitting();
      scoringShown = winscoring::live() && winscoring::live()->frame()->isVisible();
      fw::Quit(0);
    });
  }
};

TEST_F(Press, ClosingTheTableForTheScoringWindowKeepsTheProgramRunning) {
  EndOfHandApp app;
  app.run();
  EXPECT_FALSE(app.quitSeen);
  EXPECT_TRUE(app.scoringShown);
  EXPECT_EQ(window1::live(), nullptr);
}

}  // namespace
