// The capture search by rule: the silent verdict, then the same play shown: the cards marked to be
// taken, the hint line and the remarks on the player's sweep and ace.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/globali.h"
#include "framework/color.h"
#include "framework/media.h"
#include "table/window1.h"
#include "tests/capture/fixture.h"

namespace {

using namespace capturetest;
using namespace Globali::tipopresa;

// The hint line by kind, plus 7 on the computer's turn, where equal cards have become one and
// kinds 3 and 4 do not arise. Row 8 has two blanks after the comma.
const Texts hints[14] = {
    {"You get nothing, click on traffic lights to go on", "Non prendi niente, clicca sul semaforo per continuare"},
    {"Click on traffic lights for getting this card", "Clicca sul semaforo per prendere la carta evidenziata"},
    {"Choose card and click on traffic lights to go on", "Scegli la carta e clicca sul semaforo per continuare"},
    {"Click on traffic lights for getting these cards", "Scegli le carte e clicca sul semaforo per continuare"},
    {"You got scopa! Click on traffic lights to go on", "Hai fatto scopa! Clicca sul semaforo per continuare"},
    {"Click on traffic lights for getting these cards", "Clicca sul semaforo per prendere le carte evidenziate"},
    {"Click on traffic lights for getting these cards", "Clicca sul semaforo per prendere le carte evidenziate"},
    {"Click on traffic lights to go on", "Clicca sul semaforo per continuare"},
    {"Click on traffic lights,  i get this card", "Clicca sul semaforo, prendo la carta evidenziata"},
    {"", ""}, {"", ""}, {"", ""},  // never shown
    {"Click on traffic lights, i get these cards", "Clicca sul semaforo, prendo le carte evidenziate"},
    {"Click on traffic lights, i get all cards", "Clicca sul semaforo, prendo tutto"},
};
// The computer's bubble on the player's sweep and ace-takes-all.
const Texts sweepRemark{"Damn, You got SCOPA!", "Oh no, hai fatto SCOPA!", "Oh no, i fatto skopa!"};
const Texts aceRemark{"Damn, You got all cards!", "Oh no, prendi tutto!", "Oh no, prandee tootto!"};

struct Case {
  std::string name;
  std::vector<int> table;  // card numbers by position
  int side, played;
  // The silent verdict.
  int kind;
  std::vector<int> marks;  // puoscelta by position
  int worth;               // sceltavale
  // Shown: the positions with a red bar and the card chosen, the remark.
  std::vector<int> marked;
  int aceValue = aceOff;
  const Texts* remark = nullptr;
};

void layPlay(const Case& c) {
  layTable(c.table);
  Globali::toccaa = c.side;
  Globali::pref_apt = c.aceValue;
}

void expectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Globali::resetState();
    layPlay(c);
    soilVerdict();
    Globali::cercapresapre(c.played);
    std::vector<int> marks, expected = c.marks;
    expected.resize(40);  // positions past the table stay 0
    for (int i = 1; i <= 40; ++i) marks.push_back(Globali::puoscelta(i));
    EXPECT_EQ(Globali::puoscegliere, c.kind);
    EXPECT_EQ(marks, expected);
    EXPECT_EQ(Globali::sceltavale, c.worth);

    // The computer takes the most important of its equal cards.
    const int shownKind = c.side == computer && c.kind == presauguali ? presauguale : c.kind;
    const Texts& hint = hints[shownKind + (c.side == computer ? 7 : 0)];
    // Both languages, English for any other, with speech on and off.
    for (int language : {1, 2, 0, 3}) {
      for (bool speech : {true, false}) {
        SCOPED_TRACE("language " + std::to_string(language) + (speech ? ", spoken" : ", muted"));
        reset();
        Globali::lingua = language;
        Globali::parlato = speech;
        layPlay(c);
        window1& w = window1::instance();
        for (int i = 1; i <= 40; ++i) {
          w.control("seleztav", i).setFillColor(fw::Color{0, 255, 255});
          w.control("seleztav", i).setVisible(false);
        }
        w.control("Pensotesto").setText("before");
        Globali::cercapresa(c.played);
        std::vector<int> marked;  // a red bar shown and the card chosen, nothing else touched
        for (int i = 1; i <= Globali::tavacartequante; ++i) {
          const fw::Control& bar = w.control("seleztav", i);
          const bool red = bar.visible() && bar.fillColor() == fw::Color{255, 0, 0};
          EXPECT_EQ(red, Globali::uscita(Globali::tavcarta(i)) == Globali::statocarta::selezionata) << i;
          EXPECT_TRUE(red || !bar.visible()) << i;
          if (red) marked.push_back(i);
        }
        EXPECT_EQ(marked, c.marked);
        EXPECT_EQ(Globali::puoscegliere, shownKind);
        EXPECT_EQ(w.control("helptesto").text(), language == 2 ? hint.italian : hint.english);
        const std::string shown = !c.remark ? "before" : language == 2 ? c.remark->italian : c.remark->english;
        std::vector<std::string> spoken;
        if (speech && c.remark) spoken.push_back(language == 2 ? c.remark->italianSpoken : shown);
        EXPECT_EQ(w.control("Pensotesto").text(), shown);
        EXPECT_EQ(fw::mediaLog().spoken, spoken);
      }
    }
  }
}

class CaptureSearch : public CaptureTest {};

TEST_F(CaptureSearch, NothingToTake) {
  expectCases({
      {"empty table", {}, player, 5, presanulla, {}, 0, {}},
      {"empty table, computer", {}, computer, 5, presanulla, {}, 0, {}},
      {"six small cards adding up are not searched", {11, 21, 31, 1, 12, 13}, player, 9, presanulla,
       {0, 0, 0, 0, 0, 0}, 0, {}},
  });
}

TEST_F(CaptureSearch, AnEqualCardBeatsASum) {
  expectCases({
      {"a 7 over 3 and 4", {13, 14, 17}, player, 7, presauguale, {0, 0, 1}, 248, {3}},
      {"an ace with the option off", {21, 5, 12}, player, 1, presauguale, {1, 0, 0}, 48, {1}},
      // The worth is the rightmost equal card's; the most important one is marked.
      {"two sevens: the gold one proposed", {37, 7}, player, 7, presauguali, {1, 1}, 1415, {2}},
      {"two sevens: the gold one taken", {37, 7}, computer, 7, presauguali, {1, 1}, 1415, {2}},
      {"the gold seven first", {7, 37}, computer, 7, presauguali, {1, 1}, 248, {1}},
      {"fives of equal weight beside 2 + 3: the leftmost", {15, 12, 25, 13}, player, 5, presauguali, {1, 0, 1, 0},
       48, {1}},
  });
}

TEST_F(CaptureSearch, AceTakesAll) {
  constexpr int worth = -1000 + 48 + 215 + 48;
  expectCases({
      {"empty table", {}, player, 1, presaasso, {}, -1000, {}, aceTakesAll},
      {"every card, the other ace too", {21, 5, 12}, player, 1, presaasso, {0, 0, 0}, worth, {1, 2, 3}, aceTakesAll,
       &aceRemark},
      {"the computer's ace", {21, 5, 12}, computer, 1, presaasso, {0, 0, 0}, worth, {1, 2, 3}, aceTakesAll},
  });
}

TEST_F(CaptureSearch, PlayerSums) {
  expectCases({
      {"2 + 3, the whole table: a sweep", {12, 23}, player, 5, presatutto, {2, 2}, 0, {1, 2}, aceOff, &sweepRemark},
      {"2 + 3 beside a 6: one combination", {12, 23, 36}, player, 5, presacombinazione, {2, 2, 0}, 0, {1, 2}},
      {"1, 4, 2, 3: a choice, nothing marked", {11, 14, 12, 13}, player, 5, presadascegliere, {2, 2, 2, 2}, 0, {}},
      // 6 = 1+2+3 = 2+4: position 2 is in both and keeps the size of (4, 2), met after (3, 2, 1).
      {"a shared card keeps the size met last", {11, 12, 13, 14}, player, 6, presadascegliere, {3, 2, 3, 2}, 0, {}},
      // 6 = 2+1+1+1+1 at positions 2..6 is met last; position 1 is only in sets like (6, 5, 4, 1).
      {"sets of four and five cards", {2, 1, 11, 21, 31, 12}, player, 6, presadascegliere, {4, 5, 5, 5, 5, 5}, 0,
       {}},
  });
}

TEST_F(CaptureSearch, ComputerKeepsTheMostImportantCombination) {
  expectCases({
      {"1, 4, 2, 3 of equal weight: the pair met first", {11, 14, 12, 13}, computer, 5, presacombinazione,
       {2, 2, 0, 0}, 96, {1, 2}},
      {"the two of gold draws it to 2 + 3", {11, 14, 2, 13}, computer, 5, presacombinazione, {0, 0, 2, 2}, 263,
       {3, 4}},
      {"three plain cards outweigh two", {11, 14, 12, 22}, computer, 5, presacombinazione, {3, 0, 3, 3}, 144,
       {1, 3, 4}},
      {"the whole table is no sweep", {12, 23}, computer, 5, presacombinazione, {2, 2}, 96, {1, 2}},
  });
}

}  // namespace
