// The computer's choice of card: its rules in order, its memory, its remarks, and the random mode.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/globali.h"
#include "framework/media.h"
#include "table/window1.h"
#include "tests/capture/fixture.h"

namespace {

using namespace capturetest;

const Texts sweep{"Well! I got Scopa!", "Bene! Ho fatto Scopa!", "Banae! Oh fatto skopa!"};
const Texts allCards{"Well! I got all cards!", "Bene! Prendo tutto!", "Banae! Prando tootto!"};
const Texts noRisk{"I get with no risk", "Prendo senza rischiare", "Prando santza reeskearrae"};
const Texts risk{"I get a risk", "Prendo un rischio", "Prando oon reeskeo"};
const Texts nothing{"I get nothing", "Non prendo niente", "Non prando neantae"};
const Texts forced{"I am forced to this!", "Sono costretto...", "Sono kostraetto"};

struct Case {
  std::string name;
  std::vector<int> table;
  std::array<int, 3> hand;
  // The choice.
  int slot;
  const Texts* remark;
  int aceValue = aceOff;
  std::vector<int> remembered = {};  // cards the computer knows are out of the player's reach
};

void setUpChoice(const Case& c, int language) {
  reset();
  layTable(c.table);
  for (int k = 1; k <= 3; ++k) Globali::maccarta(k) = c.hand[static_cast<std::size_t>(k - 1)];
  for (int card : c.remembered) Globali::memomac(card) = 1;
  Globali::pref_apt = c.aceValue;
  Globali::pref_ms = true;
  Globali::toccaa = computer;
  Globali::lingua = language;
  Globali::parlato = true;
  Globali::suono = std::make_shared<fw::Sound>("");
}

// Both languages, and English for any other, there muted and with no card sound loaded:
// the slot, the remark shown and spoken, the card sound.
void expectChoices(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    for (int language : {1, 2, 3}) {
      SCOPED_TRACE(c.name + ", language " + std::to_string(language));
      setUpChoice(c, language);
      const bool muted = language == 3;
      if (muted) {
        Globali::parlato = false;
        Globali::suono = nullptr;
      }
      EXPECT_EQ(Globali::macsceglicarta(), c.slot);
      const std::string shown = language == 2 ? c.remark->italian : c.remark->english;
      EXPECT_EQ(window1::instance().control("Pensotesto").text(), shown);
      std::vector<std::string> spoken;
      if (!muted) spoken.push_back(language == 2 ? c.remark->italianSpoken : shown);
      EXPECT_EQ(fw::mediaLog().spoken, spoken);
      EXPECT_EQ(fw::mediaLog().plays, muted ? 0 : 1);
    }
  }
}

class ComputerChoice : public CaptureTest {};

TEST_F(ComputerChoice, Rule1Sweep) {
  expectChoices({
      {"3 + 4: the seven of gold before the seven of cups", {13, 14}, {37, 7, 22}, 2, &sweep},
      {"two sweeping sevens of equal weight: the lowest slot", {13, 14}, {22, 27, 37}, 2, &sweep},
      {"six cards adding up to 9: the nine, though nothing is found", {11, 21, 31, 1, 12, 13}, {19, 25, 38}, 1,
       &sweep},
      {"a single ace on the table, ace takes all", {31}, {15, 21, 12}, 2, &sweep, aceTakesAll},
  });
}

TEST_F(ComputerChoice, Rule2AceTakesAll) {
  // 37, 36 and 12 weigh 248 + 98 + 48 = 394: the ace of gold makes 609, the ace of cups 442.
  expectChoices({
      {"the ace of gold qualifies", {37, 36, 12}, {31, 1, 14}, 2, &allCards, aceTakesAll},
      {"the ace of cups does not", {37, 36, 12}, {31, 25, 14}, 2, &nothing, aceTakesAll},
      {"two qualifying aces: the last", {7, 18}, {1, 14, 31}, 3, &allCards, aceTakesAll},
      {"the option off: an ace is a plain card", {7, 18}, {1, 14, 31}, 2, &nothing},
  });
}

TEST_F(ComputerChoice, Rule3SafeCapture) {
  // Table 5, 6, 4 adds up to 15.
  const std::vector<int> tens{10, 20, 30, 40};
  expectChoices({
      {"the 5 leaves 10: taken when all four tens are remembered", {15, 16, 14}, {25, 38, 32}, 1, &risk, aceOff, tens},
      {"three tens are not enough", {15, 16, 14}, {25, 38, 32}, 2, &nothing, aceOff, {10, 20, 30}},
      {"the 4 leaves 11: no risk without memory", {15, 16, 14}, {24, 38, 25}, 1, &noRisk},
      {"the gold 5 outscores the safe 4 when the tens are known", {15, 16, 14}, {24, 5, 38}, 2, &risk, aceOff, tens},
      {"equal scores: the lowest slot", {15, 16, 14}, {24, 34, 38}, 1, &noRisk},
      {"what is taken counts: the gold 5", {5, 16, 14, 18}, {24, 25, 38}, 2, &noRisk},
  });
}

TEST_F(ComputerChoice, Rule4SafeDiscard) {
  expectChoices({
      {"3 + 8 makes 11, past any card: the least important", {13}, {8, 18, 29}, 2, &nothing},
      {"3 + 4 makes 7: safe when all four sevens are remembered", {13}, {22, 24, 26}, 2, &nothing, aceOff,
       {7, 17, 27, 37}},
      {"empty table: the 5 is safe when all four fives are remembered", {}, {12, 5, 29}, 2, &nothing, aceOff,
       {5, 15, 25, 35}},
  });
}

TEST_F(ComputerChoice, Rule5ForcedAce) {
  expectChoices({
      {"a hand of aces and a poor table: the highest slot", {14, 15}, {1, 21, 31}, 3, &forced, aceTakesAll},
      {"an ace before a risky capture", {13, 14}, {21, 23, 1}, 3, &forced, aceTakesAll},
      {"the option off: the ace is a plain risky capture", {13, 31}, {23, 21, 12}, 1, &risk},
  });
}

TEST_F(ComputerChoice, Rule6AnyCapture) {
  expectChoices({
      {"every card takes and leaves a risk: the richest", {13, 14}, {23, 4, 33}, 2, &risk},
      {"equal scores: the lowest slot", {13, 14}, {23, 24, 33}, 1, &risk},
      {"what is taken counts: the gold 4", {13, 4}, {23, 24, 33}, 2, &risk},
  });
}

TEST_F(ComputerChoice, Rule7AnyDiscard) {
  expectChoices({
      {"3 + 2 and 3 + 4 unknown: the least important", {13}, {22, 24, 26}, 1, &nothing},
      {"empty table: the lowest slot of least weight", {}, {5, 12, 29}, 2, &nothing},
      {"empty slots are passed over", {}, {0, 5, 0}, 2, &nothing},
  });
}

TEST_F(ComputerChoice, RandomModeChoosesOnlySlotsHoldingACard) {
  for (const std::set<int>& held : std::vector<std::set<int>>{{1, 3}, {2}, {1, 2, 3}}) {
    for (int language : {1, 2}) {
      std::array<int, 3> hand{};
      for (int k : held) hand[static_cast<std::size_t>(k - 1)] = 10 + k;
      setUpChoice({"random", {13, 14}, hand, 0, nullptr}, language);
      Globali::pref_ms = false;
      Globali::puoscegliere = 9;  // no search is run
      std::set<int> seen;
      for (int draw = 0; draw < 200; ++draw) {
        fw::mediaLog().clear();
        const int slot = Globali::macsceglicarta();
        ASSERT_TRUE(held.count(slot)) << "slot " << slot;
        seen.insert(slot);
        EXPECT_EQ(window1::instance().control("Pensotesto").text(), "...mmm...");
        EXPECT_EQ(fw::mediaLog().spoken, std::vector<std::string>{"mmm"});
      }
      EXPECT_EQ(seen, held);  // every slot holding a card comes up
      EXPECT_EQ(Globali::puoscegliere, 9);
    }
  }
}

TEST(ComputerChoiceDeathTest, AnEmptyHandStopsLoudly) {
  Globali::resetState();
  for (bool strategy : {true, false}) {
    Globali::pref_ms = strategy;
    EXPECT_DEATH(Globali::macsceglicarta(), "no card to play");
  }
}

}  // namespace
