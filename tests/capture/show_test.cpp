// Showing a capture: the marked table cards, the player's remarks and the hint line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/globali.h"
#include "framework/color.h"
#include "framework/media.h"
#include "table/window1.h"
#include "tests/capture/fixture.h"

namespace {

using namespace Globali::tipopresa;
constexpr int player = Globali::lato::latopla;
constexpr int computer = Globali::lato::latomac;
constexpr int aceTakesAll = 1, aceOff = 60;
constexpr fw::Color red{255, 0, 0};
constexpr fw::Color cyan{0, 255, 255};

struct Play {
  std::vector<int> table;
  int side;
  int aceValue;
  int played;
};

// Lays the table with every bar hidden and cyan, and plays the value.
void show(const Play& p) {
  capturetest::layTable(p.table);
  Globali::toccaa = p.side;
  Globali::pref_apt = p.aceValue;
  window1& w = window1::instance();
  for (int i = 1; i <= 40; ++i) {
    w.control("seleztav", i).setFillColor(cyan);
    w.control("seleztav", i).setVisible(false);
  }
  w.control("Pensotesto").setText("before");
  Globali::cercapresa(p.played);
}

std::vector<int> markedPositions() {
  window1& w = window1::instance();
  std::vector<int> marked;
  for (int i = 1; i <= Globali::tavacartequante; ++i) {
    const fw::Control& bar = w.control("seleztav", i);
    const bool isRed = bar.fillColor() == red && bar.visible();
    const bool chosen = Globali::uscita(Globali::tavcarta(i)) == Globali::statocarta::selezionata;
    EXPECT_EQ(isRed, chosen) << "bar and card state of position " << i << " disagree";
    if (isRed) {
      marked.push_back(i);
    } else {
      EXPECT_FALSE(bar.visible()) << "position " << i << " was touched";
    }
  }
  return marked;
}

class ShowCapture : public capturetest::CaptureTest {};

struct MarkCase {
  std::string name;
  Play play;
  int kind;                  // after the marking
  std::vector<int> marked;   // positions with a red bar and the card chosen
  int worth;
};

TEST_F(ShowCapture, MarksTheCardsToTake) {
  const std::vector<MarkCase> cases = {
      {"empty table", {{}, player, aceOff, 5}, presanulla, {}, 0},
      {"an equal card, not the sum 3 + 4", {{13, 14, 17}, player, aceOff, 7}, presauguale, {3}, 248},
      {"ace takes all: every card, the other ace too", {{21, 5, 12}, player, aceTakesAll, 1}, presaasso,
       {1, 2, 3}, -689},
      {"the same ace with the option off", {{21, 5, 12}, player, aceOff, 1}, presauguale, {1}, 48},
      {"the player's 2 + 3 sweep", {{12, 23}, player, aceOff, 5}, presatutto, {1, 2}, 0},
      {"the player's single combination", {{12, 23, 36}, player, aceOff, 5}, presacombinazione, {1, 2}, 0},
      {"the player's choice: nothing marked", {{11, 14, 12, 13}, player, aceOff, 5}, presadascegliere, {}, 0},
      {"the computer's pair met first", {{11, 14, 12, 13}, computer, aceOff, 5}, presacombinazione, {1, 2}, 96},
      {"the computer's heavier triple", {{11, 14, 12, 22}, computer, aceOff, 5}, presacombinazione, {1, 3, 4},
       144},
      {"two sevens, player: the gold one proposed", {{37, 7}, player, aceOff, 7}, presauguali, {2}, 1415},
      {"two sevens, computer: the gold one taken", {{37, 7}, computer, aceOff, 7}, presauguale, {2}, 1415},
      {"gold seven first, computer", {{7, 37}, computer, aceOff, 7}, presauguale, {1}, 248},
      {"equal cards of equal weight: the leftmost", {{15, 12, 25}, player, aceOff, 5}, presauguali, {1}, 48},
      {"equal cards of equal weight, computer", {{15, 12, 25}, computer, aceOff, 5}, presauguale, {1}, 48},
  };
  for (const MarkCase& c : cases) {
    reset();
    show(c.play);
    EXPECT_EQ(Globali::puoscegliere, c.kind) << c.name;
    EXPECT_EQ(markedPositions(), c.marked) << c.name;
    EXPECT_EQ(Globali::sceltavale, c.worth) << c.name;
  }
}

struct HintCase {
  std::string name;
  Play play;
  std::string english;
  std::string italian;
};

TEST_F(ShowCapture, HintLineByKindAndSide) {
  const std::vector<HintCase> cases = {
      {"player, nothing", {{}, player, aceOff, 5}, "You get nothing, click on traffic lights to go on",
       "Non prendi niente, clicca sul semaforo per continuare"},
      {"player, one equal card", {{13, 14, 17}, player, aceOff, 7}, "Click on traffic lights for getting this card",
       "Clicca sul semaforo per prendere la carta evidenziata"},
      {"player, equal cards", {{37, 7}, player, aceOff, 7}, "Choose card and click on traffic lights to go on",
       "Scegli la carta e clicca sul semaforo per continuare"},
      {"player, choice", {{11, 14, 12, 13}, player, aceOff, 5}, "Click on traffic lights for getting these cards",
       "Scegli le carte e clicca sul semaforo per continuare"},
      {"player, sweep", {{12, 23}, player, aceOff, 5}, "You got scopa! Click on traffic lights to go on",
       "Hai fatto scopa! Clicca sul semaforo per continuare"},
      {"player, one combination", {{12, 23, 36}, player, aceOff, 5},
       "Click on traffic lights for getting these cards", "Clicca sul semaforo per prendere le carte evidenziate"},
      {"player, ace takes all", {{}, player, aceTakesAll, 1}, "Click on traffic lights for getting these cards",
       "Clicca sul semaforo per prendere le carte evidenziate"},
      {"computer, nothing", {{}, computer, aceOff, 5}, "Click on traffic lights to go on",
       "Clicca sul semaforo per continuare"},
      {"computer, one equal card", {{13, 14, 17}, computer, aceOff, 7}, "Click on traffic lights,  i get this card",
       "Clicca sul semaforo, prendo la carta evidenziata"},
      {"computer, equal cards become one", {{37, 7}, computer, aceOff, 7},
       "Click on traffic lights,  i get this card", "Clicca sul semaforo, prendo la carta evidenziata"},
      {"computer, combination", {{11, 14, 12, 13}, computer, aceOff, 5},
       "Click on traffic lights, i get these cards", "Clicca sul semaforo, prendo le carte evidenziate"},
      {"computer, ace takes all", {{}, computer, aceTakesAll, 1}, "Click on traffic lights, i get all cards",
       "Clicca sul semaforo, prendo tutto"},
  };
  for (const HintCase& c : cases) {
    for (int language : {1, 2, 0, 3}) {
      reset();
      Globali::lingua = language;
      show(c.play);
      const std::string& expected = language == 2 ? c.italian : c.english;
      EXPECT_EQ(window1::instance().control("helptesto").text(), expected) << c.name << ", language " << language;
    }
  }
}

struct RemarkCase {
  std::string name;
  Play play;
  int language;
  bool speech;
  std::string shown;                // "before" when there is no remark
  std::vector<std::string> spoken;
};

TEST_F(ShowCapture, RemarksOnThePlayersSweepAndAce) {
  const std::vector<RemarkCase> cases = {
      {"sweep, English", {{12, 23}, player, aceOff, 5}, 1, true, "Damn, You got SCOPA!", {"Damn, You got SCOPA!"}},
      {"sweep, Italian", {{12, 23}, player, aceOff, 5}, 2, true, "Oh no, hai fatto SCOPA!", {"Oh no, i fatto skopa!"}},
      {"sweep, muted", {{12, 23}, player, aceOff, 5}, 1, false, "Damn, You got SCOPA!", {}},
      {"ace, English", {{21, 5}, player, aceTakesAll, 1}, 1, true, "Damn, You got all cards!",
       {"Damn, You got all cards!"}},
      {"ace, Italian", {{21, 5}, player, aceTakesAll, 1}, 2, true, "Oh no, prendi tutto!", {"Oh no, prandee tootto!"}},
      {"ace, unknown language reads English", {{21, 5}, player, aceTakesAll, 1}, 0, true,
       "Damn, You got all cards!", {"Damn, You got all cards!"}},
      {"ace on an empty table: no remark", {{}, player, aceTakesAll, 1}, 1, true, "before", {}},
      {"the computer's ace: no remark", {{21, 5}, computer, aceTakesAll, 1}, 1, true, "before", {}},
      {"the computer's whole table: no remark", {{12, 23}, computer, aceOff, 5}, 1, true, "before", {}},
      {"a plain combination: no remark", {{12, 23, 36}, player, aceOff, 5}, 1, true, "before", {}},
  };
  for (const RemarkCase& c : cases) {
    reset();
    Globali::lingua = c.language;
    Globali::parlato = c.speech;
    show(c.play);
    EXPECT_EQ(window1::instance().control("Pensotesto").text(), c.shown) << c.name;
    EXPECT_EQ(fw::mediaLog().spoken, c.spoken) << c.name;
  }
}

}  // namespace
