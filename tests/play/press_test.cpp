// The traffic light on arranged tables: refused captures, scopas, memory, the end of a hand.
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/application.h"
#include "tests/deal/table_setup.h"

namespace {

using namespace Globali;
using namespace table;

std::vector<int> tableCards() {
  std::vector<int> cards;
  for (int j = 1; j <= tavacartequante; ++j) cards.push_back(tavcarta(j));
  return cards;
}

bool among(const std::vector<int>& items, int item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

class Press : public TableTest {};

TEST_F(Press, AWrongSumIsRefusedUntilTheChoiceIsMended) {
  struct Case {
    int played;
    std::vector<std::vector<int>> attempts;  // positions chosen; all but the last are refused
    int language = 1;
  };
  const std::vector<int> start{spade(1), spade(4), spade(2), spade(3)};
  const Case cases[] = {
      {club(5), {{}, {1, 3}, {3, 4}}},
      {club(5), {{1, 2}}},
      {club(7), {{1, 2, 3, 4}, {2, 4}}, 2},
      {club(7), {{1, 2, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("a " + std::to_string(valorecarta(c.played)) + " played");
    lingua = c.language;
    arrange({.player = {c.played, cup(8), cup(9)}, .computer = {gold(10), cup(10), spade(10)}, .table = start});
    ultimoaprendere = lato::latomac;
    gui::click(hand(1));
    ASSERT_EQ(puoscegliere, tipopresa::presadascegliere);
    for (std::size_t a = 0; a < c.attempts.size(); ++a) {
      const std::vector<int>& chosen = c.attempts[a];
      for (int j = 1; j <= 4; ++j)
        if (among(chosen, j) != (uscita(tavcarta(j)) == statocarta::selezionata)) gui::click(place(j));
      auto before = snapshot();
      const auto spoken = fw::mediaLog().spoken;
      press();
      EXPECT_TRUE(everyCardOnce());
      EXPECT_EQ(ultimoaprendere, lato::latopla) << "an attempt counts as a capture";
      EXPECT_EQ(fw::mediaLog().beeps, static_cast<int>(std::min(a + 1, c.attempts.size() - 1))) << "one per refusal";
      if (a + 1 < c.attempts.size()) {
        // Refused: the card stays in play, the count and the choice stay, only the message is new.
        before["helptesto.text"] = c.language == 2 ? "Non puoi prendere queste carte!" : "You can't get these cards!";
        before["uscita(" + std::to_string(c.played) + ")"] = std::to_string(statocarta::presapla);
        before["ultimoaprendere"] = std::to_string(lato::latopla);
        EXPECT_EQ(differences(before, snapshot()), "");
        EXPECT_EQ(fw::mediaLog().spoken, spoken);
        continue;
      }
      EXPECT_EQ(controllafine, 5) << "four dealt to the table, one resolved";
      EXPECT_EQ(uscita(c.played), statocarta::presapla);
      std::vector<int> left;
      for (int j = 1; j <= 4; ++j) {
        const int card = start[static_cast<std::size_t>(j - 1)];
        EXPECT_EQ(uscita(card), among(chosen, j) ? statocarta::presapla : statocarta::ingioco) << card;
        if (!among(chosen, j)) left.push_back(card);
      }
      EXPECT_EQ(tableCards(), left) << "closed up in order";
      EXPECT_GT(maccarta(4), 0) << "the computer has played";
    }
  }
}

TEST_F(Press, SweepsAreScopasExceptByTheAceOrWithTheLastCardWhenThatIsOff) {
  struct Case {
    const char* what;
    Arrangement arrangement;
    bool computers;  // the computer's first card is checked (a second press resolves it), else the player's
    bool lastScopaOff;
    int expected;    // its state; in play when it took nothing
    bool aceTakesAll = false;
    int memory = 100;
  };
  auto early = [](std::vector<int> table, int first = club(5)) {
    return Arrangement{.player = {first, club(8), club(9)}, .computer = {cup(9), cup(10), spade(10)}, .table = table};
  };
  const Arrangement last{.player = {club(5)}, .table = {spade(5)}, .inDeck = 0, .lead = lato::latomac};
  const Arrangement computerLast{.player = {club(3)}, .computer = {spade(3)}, .inDeck = 0};
  const Case cases[] = {
      {"one equal card", early({spade(5)}), false, false, statocarta::scopapla},
      {"one equal card, last scopa off but not the last card", early({spade(5)}), false, true, statocarta::scopapla},
      {"a sum of the whole table", early({spade(2), spade(3)}), false, false, statocarta::scopapla},
      {"the last card", last, false, false, statocarta::scopapla},
      {"the last card, last scopa off", last, false, true, statocarta::presapla},
      {"a capture that leaves a card", early({spade(5), spade(9)}), false, false, statocarta::presapla},
      {"the ace takes all", early({spade(4), spade(6)}, club(1)), false, false, statocarta::presapla, true},
      {"the ace on an empty table", early({}, club(1)), false, false, statocarta::presapla, true},
      {"memory 0, a sweep", early({spade(5)}), false, false, statocarta::scopapla, false, 0},
      {"memory 0, a plain capture", early({spade(5), spade(9)}), false, false, statocarta::presapla, false, 0},
      {"memory 0, nothing taken", early({spade(2), spade(3)}, club(6)), false, false, statocarta::ingioco, false, 0},
      {"the computer's sweep", {.player = {club(3), club(8), club(9)}, .computer = {spade(3), cup(9), cup(10)}}, true,
       false, statocarta::scopamac},
      {"the computer's sweep with the last card", computerLast, true, false, statocarta::scopamac},
      {"the computer's sweep with the last card, last scopa off", computerLast, true, true, statocarta::presamac},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    pref_us = c.lastScopaOff;
    pref_apt = c.aceTakesAll ? 1 : 60;
    pref_me = c.memory;
    arrange(c.arrangement);
    const int side = c.computers ? lato::latomac : lato::latopla;
    const int card = c.computers ? c.arrangement.computer[0] : c.arrangement.player[0];
    ultimoaprendere = 1 - side;
    const std::vector<int> before = tableCards();
    gui::click(hand(1));
    press();
    if (c.computers) press();
    EXPECT_TRUE(everyCardOnce());
    EXPECT_EQ(uscita(card), c.expected);
    const bool laid = c.expected == statocarta::ingioco;
    EXPECT_EQ(ultimoaprendere, laid ? 1 - side : side) << "changed by a capture only";
    const std::vector<int> now = tableCards();
    EXPECT_EQ(!now.empty() && now.back() == card, laid) << "a card that takes nothing goes to the right end";
    // A sweeping card or one laid down stays remembered; the cards of a capture after "A.I. memory".
    const int remembered = c.memory == 100 ? 1 : 0;
    EXPECT_EQ(memomac(card), laid || c.expected == 2 * side + 4 ? 1 : remembered);
    for (int taken : before) {
      if (!c.computers && uscita(taken) == statocarta::presapla) {
        EXPECT_EQ(memomac(taken), remembered) << taken;
      }
      if (c.aceTakesAll) {
        EXPECT_EQ(uscita(taken), statocarta::presapla) << "the ace took " << taken;
      }
    }
    closeEveryWindow();
  }
}

TEST_F(Press, AStrayPressWithNoCardInPlayDoesNothing) {
  arrange({.player = {club(6), club(8), club(9)}, .computer = {cup(9), cup(10), spade(10)}, .table = {spade(2)}});
  auto before = snapshot();
  tableWindow().prendibott_Action();  // the button is disabled: only a stray event could get here
  EXPECT_EQ(differences(before, snapshot()), "");
  EXPECT_EQ(fw::mediaLog().plays + fw::mediaLog().beeps, 0);
}

TEST_F(Press, TheLastPressGivesTheLeftoversToTheLastCapturer) {
  struct Case {
    const char* what;
    Arrangement arrangement;
    int lastCapturer;
    int language = 1;
  };
  const Arrangement computerLed{.player = {club(5)}, .table = {spade(2), spade(9)}, .inDeck = 0, .lead = lato::latomac};
  const Arrangement playerLed{.player = {club(5)}, .computer = {cup(9)}, .table = {spade(2)}, .inDeck = 0};
  const Case cases[] = {
      {"the computer led, the player captured last", computerLed, lato::latopla},
      {"the computer led, the computer captured last", computerLed, lato::latomac},
      {"the player led, the computer captured last", playerLed, lato::latomac},
      {"the player led, in Italian", playerLed, lato::latopla, 2},
      {"the last card swept the table", {.player = {club(5)}, .table = {spade(5)}, .inDeck = 0, .lead = lato::latomac},
       lato::latopla},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    lingua = c.language;
    arrange(c.arrangement);
    ultimoaprendere = c.lastCapturer;  // carried over: nobody captures in what is left, but for the sweep
    gui::click(hand(1));
    press();
    if (mano == lato::latopla) press();  // the computer's last card
    window1& w = tableWindow();
    ASSERT_EQ(controllafine, 40);
    EXPECT_TRUE(everyCardOnce());
    const bool italian = c.language == 2, empty = tavacartequante == 0;
    EXPECT_EQ(w.control("helptesto").text(), empty     ? "Click on traffic lights for ending game"
                                              : italian ? "Premi il semaforo per prendere tutto"
                                                        : "Click on traffic lights for getting cards");
    EXPECT_EQ(w.control("Rectangle1").top(), c.lastCapturer == lato::latomac ? 10 : 380);
    EXPECT_TRUE(w.control("prendibott").enabled());
    EXPECT_TRUE(w.control("rectobutt").visible());
    if (mano == lato::latopla) {
      EXPECT_EQ(w.control("Pensotesto").text(), italian ? "Dai, tocca a te!" : "Come on, It's your turn!");
      ASSERT_FALSE(fw::mediaLog().spoken.empty());
      EXPECT_EQ(fw::mediaLog().spoken.back(), italian ? "Die, tokka a tae!" : "Come on, It's your turn!");
    }
    // The last press changes only the leftovers, which become the last capturer's.
    std::vector<int> states{0};
    for (int card = 1; card <= 40; ++card) states.push_back(uscita(card));
    for (int card : tableCards()) states[static_cast<std::size_t>(card)] = 2 * c.lastCapturer + 3;

    press();

    for (int card = 1; card <= 40; ++card) EXPECT_EQ(uscita(card), states[static_cast<std::size_t>(card)]) << card;
    EXPECT_EQ(controllafine, 41);
    EXPECT_TRUE(everyCardOnce());
    EXPECT_EQ(window1::live(), nullptr);
    ASSERT_NE(winscoring::live(), nullptr);
    EXPECT_TRUE(winscoring::live()->frame()->isVisible());
    closeEveryWindow();
  }
}

// The table window closes itself in the press that opens the scoring window: with the event
// loop running, the program must not take that moment for "no window left" and quit.
class EndOfHandApp : public fw::Application {
 public:
  bool quitSeen = true;
  bool scoringShown = false;

  void Event_Open() override {
    arrange({.player = {club(5)}, .table = {spade(2), spade(9)}, .inDeck = 0, .lead = lato::latomac});
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
