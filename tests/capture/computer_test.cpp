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

constexpr int aceTakesAll = 1, aceOff = 60;

struct Remark {
  std::string english;  // shown and spoken
  std::string italian;
  std::string italianSpoken;
};
const Remark sweep{"Well! I got Scopa!", "Bene! Ho fatto Scopa!", "Banae! Oh fatto skopa!"};
const Remark allCards{"Well! I got all cards!", "Bene! Prendo tutto!", "Banae! Prando tootto!"};
const Remark noRisk{"I get with no risk", "Prendo senza rischiare", "Prando santza reeskearrae"};
const Remark risk{"I get a risk", "Prendo un rischio", "Prando oon reeskeo"};
const Remark nothing{"I get nothing", "Non prendo niente", "Non prando neantae"};
const Remark forced{"I am forced to this!", "Sono costretto...", "Sono kostraetto"};

struct Case {
  std::string name;
  std::vector<int> table;
  std::array<int, 3> hand;
  int aceValue;
  std::vector<int> remembered;  // cards the computer knows are out of the player's reach
  // The choice.
  int slot;
  const Remark* remark;
};

class ComputerChoice : public capturetest::CaptureTest {
 protected:
  static void setUpChoice(const Case& c, int language) {
    reset();
    capturetest::layTable(c.table);
    for (int k = 1; k <= 3; ++k) Globali::maccarta(k) = c.hand[static_cast<std::size_t>(k - 1)];
    for (int card : c.remembered) Globali::memomac(card) = 1;
    Globali::pref_apt = c.aceValue;
    Globali::pref_ms = true;
    Globali::toccaa = Globali::lato::latomac;
    Globali::lingua = language;
    Globali::parlato = true;
  }

  // Both languages, and English for a language that is neither: the slot, the remark shown and spoken.
  static void expectChoices(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      for (int language : {1, 2, 0}) {
        setUpChoice(c, language);
        const int slot = Globali::macsceglicarta();
        const std::string shown = language == 2 ? c.remark->italian : c.remark->english;
        const std::string spoken = language == 2 ? c.remark->italianSpoken : c.remark->english;
        EXPECT_EQ(slot, c.slot) << c.name << ", language " << language;
        EXPECT_EQ(window1::instance().control("Pensotesto").text(), shown) << c.name << ", language " << language;
        EXPECT_EQ(fw::mediaLog().spoken, std::vector<std::string>{spoken}) << c.name << ", language " << language;
      }
    }
  }
};

// Card numbers: 1..10 gold (importance 215, the six 265, the seven 1415), 11..20 spades,
// 21..30 clubs, 31..40 cups (48, sixes 98, sevens 248).

TEST_F(ComputerChoice, Rule1Sweep) {
  expectChoices({
      {"3 + 4: the seven of gold before the seven of cups", {13, 14}, {37, 7, 22}, aceOff, {}, 2, &sweep},
      {"two sweeping sevens of equal weight: the lowest slot", {13, 14}, {22, 27, 37}, aceOff, {}, 2, &sweep},
      {"six cards adding up to 9: the nine, though nothing is found", {11, 21, 31, 1, 12, 13}, {19, 25, 38},
       aceOff, {}, 1, &sweep},
      {"a single ace on the table, ace takes all", {31}, {15, 21, 12}, aceTakesAll, {}, 2, &sweep},
      {"a table above 10 is never swept", {18, 19}, {27, 25, 36}, aceOff, {}, 2, &nothing},
  });
}

TEST_F(ComputerChoice, Rule2AceTakesAll) {
  // 37, 36 and 12 weigh 248 + 98 + 48 = 394: the ace of gold makes 609, the ace of cups 442.
  expectChoices({
      {"the ace of gold qualifies, the ace of cups does not", {37, 36, 12}, {31, 1, 14}, aceTakesAll, {}, 2,
       &allCards},
      {"the ace of cups alone does not", {37, 36, 12}, {31, 25, 14}, aceTakesAll, {}, 2, &nothing},
      {"two qualifying aces: the last", {7, 18}, {1, 14, 31}, aceTakesAll, {}, 3, &allCards},
      {"the option off: an ace is a plain card", {7, 18}, {1, 14, 31}, aceOff, {}, 2, &nothing},
  });
}

TEST_F(ComputerChoice, Rule3SafeCapture) {
  // Table 5, 6, 4 adds up to 15.
  const std::vector<int> tens{10, 20, 30, 40};
  expectChoices({
      {"the 5 leaves 10: taken when all four tens are remembered", {15, 16, 14}, {25, 38, 32}, aceOff, tens, 1,
       &risk},
      {"three tens remembered are not enough", {15, 16, 14}, {25, 38, 32}, aceOff, {10, 20, 30}, 2, &nothing},
      {"the 4 leaves 11: no risk without memory", {15, 16, 14}, {24, 38, 25}, aceOff, {}, 1, &noRisk},
      {"the gold 5 outscores the safe 4 when the tens are known", {15, 16, 14}, {24, 5, 38}, aceOff, tens, 2,
       &risk},
      {"the safe 4 when they are not", {15, 16, 14}, {24, 5, 38}, aceOff, {}, 1, &noRisk},
      {"equal scores: the lowest slot", {15, 16, 14}, {24, 34, 38}, aceOff, {}, 1, &noRisk},
      {"the importance of what is taken counts: the gold 5", {5, 16, 14, 18}, {24, 25, 38}, aceOff, {}, 2,
       &noRisk},
  });
}

TEST_F(ComputerChoice, Rule4SafeDiscard) {
  const std::vector<int> sevens{7, 17, 27, 37};
  const std::vector<int> fives{5, 15, 25, 35};
  expectChoices({
      {"3 + 8 passes 10: the least important card", {13}, {8, 29, 18}, aceOff, {}, 2, &nothing},
      {"3 + 4 makes 7: safe when all four sevens are remembered", {13}, {22, 24, 26}, aceOff, sevens, 2, &nothing},
      {"empty table: the 5 is safe when all four fives are remembered", {}, {12, 5, 29}, aceOff, fives, 2,
       &nothing},
  });
}

TEST_F(ComputerChoice, Rule5ForcedAce) {
  expectChoices({
      {"a hand of aces and a poor table: the highest slot", {14, 15}, {1, 21, 31}, aceTakesAll, {}, 3, &forced},
      {"aces beside a risky capture", {13, 14}, {21, 23, 1}, aceTakesAll, {}, 3, &forced},
  });
}

TEST_F(ComputerChoice, Rule6AnyCapture) {
  expectChoices({
      {"every card takes and leaves a risk: the richest", {13, 14}, {23, 4, 33}, aceOff, {}, 2, &risk},
      {"equal scores: the lowest slot", {13, 14}, {23, 24, 33}, aceOff, {}, 1, &risk},
      {"what is taken counts: the gold 4", {13, 4}, {23, 24, 33}, aceOff, {}, 2, &risk},
  });
}

TEST_F(ComputerChoice, Rule7AnyDiscard) {
  expectChoices({
      {"3 + 2 and 3 + 4 unknown: the least important", {13}, {22, 24, 26}, aceOff, {}, 1, &nothing},
      {"empty table, nothing remembered: the lowest slot of least weight", {}, {5, 12, 29}, aceOff, {}, 2,
       &nothing},
      {"empty slots are passed over", {}, {0, 5, 0}, aceOff, {}, 2, &nothing},
  });
}

TEST_F(ComputerChoice, SoundPlaysAndSpeechFollowsTheSwitch) {
  const Case c{"3 + 4 swept", {13, 14}, {37, 7, 22}, aceOff, {}, 2, &sweep};
  setUpChoice(c, 1);
  Globali::parlato = false;
  Globali::suono = std::make_shared<fw::Sound>("");
  EXPECT_EQ(Globali::macsceglicarta(), 2);
  EXPECT_EQ(window1::instance().control("Pensotesto").text(), "Well! I got Scopa!");
  EXPECT_TRUE(fw::mediaLog().spoken.empty());
  EXPECT_EQ(fw::mediaLog().plays, 1);

  setUpChoice(c, 1);
  Globali::suono = nullptr;  // no card sound loaded: the choice goes on without it
  EXPECT_EQ(Globali::macsceglicarta(), 2);
  EXPECT_EQ(fw::mediaLog().plays, 0);
}

TEST_F(ComputerChoice, RandomModeChoosesOnlySlotsHoldingACard) {
  struct RandomCase {
    std::array<int, 3> hand;
    std::set<int> possible;  // every one of them comes up, no other
  };
  const std::vector<RandomCase> cases = {
      {{14, 0, 33}, {1, 3}},
      {{0, 25, 0}, {2}},
      {{0, 0, 7}, {3}},
      {{11, 22, 33}, {1, 2, 3}},
  };
  for (const RandomCase& rc : cases) {
    for (int language : {1, 2}) {
      const Case c{"random", {13, 14}, rc.hand, aceOff, {}, 0, nullptr};
      setUpChoice(c, language);
      Globali::pref_ms = false;
      Globali::puoscegliere = 9;  // no search is run
      std::set<int> seen;
      for (int draw = 0; draw < 200; ++draw) {
        fw::mediaLog().clear();
        const int slot = Globali::macsceglicarta();
        ASSERT_GE(slot, 1);
        ASSERT_LE(slot, 3);
        ASSERT_NE(Globali::maccarta(slot), 0) << "slot " << slot;
        seen.insert(slot);
        EXPECT_EQ(window1::instance().control("Pensotesto").text(), "...mmm...");
        EXPECT_EQ(fw::mediaLog().spoken, std::vector<std::string>{"mmm"});
      }
      EXPECT_EQ(seen, rc.possible);
      EXPECT_EQ(Globali::puoscegliere, 9);
    }
  }
}

TEST(ComputerChoiceDeathTest, AnEmptyHandStopsLoudly) {
  Globali::resetState();
  Globali::pref_ms = true;
  EXPECT_DEATH(Globali::macsceglicarta(), "no card to play");
  Globali::pref_ms = false;
  EXPECT_DEATH(Globali::macsceglicarta(), "no card to play");
}

}  // namespace
