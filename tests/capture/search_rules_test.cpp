// The silent capture search: the verdict for each kind of table, on both sides.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/globali.h"
#include "tests/capture/fixture.h"

namespace {

using namespace Globali::tipopresa;
constexpr int player = Globali::lato::latopla;
constexpr int computer = Globali::lato::latomac;
constexpr int aceTakesAll = 1, aceOff = 60;

struct Case {
  std::string name;
  std::vector<int> table;  // card numbers by position
  int side;
  int aceValue;
  int played;
  // The verdict.
  int kind;
  std::vector<int> marks;  // puoscelta by position
  int worth;               // sceltavale
};

void expectVerdict(const Case& c) {
  Globali::resetState();
  capturetest::layTable(c.table);
  Globali::toccaa = c.side;
  Globali::pref_apt = c.aceValue;
  // Leftovers of an earlier search must not survive.
  Globali::puoscegliere = 9;
  Globali::sceltavale = 777;
  for (int i = 1; i <= 40; ++i) Globali::puoscelta(i) = 7;
  Globali::cercapresapre(c.played);
  EXPECT_EQ(Globali::puoscegliere, c.kind) << c.name;
  EXPECT_EQ(capturetest::marks(), c.marks) << c.name;
  EXPECT_EQ(Globali::sceltavale, c.worth) << c.name;
  for (int i = Globali::tavacartequante + 1; i <= 40; ++i) ASSERT_EQ(Globali::puoscelta(i), 0) << c.name << " at " << i;
}

// Card numbers: 1..10 gold (importance 215, the six 265, the seven 1415), 11..20 spades,
// 21..30 clubs, 31..40 cups (48, sixes 98, sevens 248).

TEST(CaptureSearch, NothingToTake) {
  const std::vector<Case> cases = {
      {"empty table, player", {}, player, aceOff, 5, presanulla, {}, 0},
      {"empty table, computer", {}, computer, aceOff, 5, presanulla, {}, 0},
      {"a value above every pair", {11, 12}, player, aceOff, 10, presanulla, {0, 0}, 0},
      {"a lone card is no combination", {13}, player, aceOff, 5, presanulla, {0}, 0},
      {"six small cards adding up are not searched, player", {11, 21, 31, 1, 12, 13}, player, aceOff, 9,
       presanulla, {0, 0, 0, 0, 0, 0}, 0},
      {"six small cards adding up are not searched, computer", {11, 21, 31, 1, 12, 13}, computer, aceOff, 9,
       presanulla, {0, 0, 0, 0, 0, 0}, 0},
  };
  for (const Case& c : cases) expectVerdict(c);
}

TEST(CaptureSearch, EqualCards) {
  const std::vector<Case> cases = {
      {"an equal card beats the sum 3 + 4", {13, 14, 17}, player, aceOff, 7, presauguale, {0, 0, 1}, 248},
      {"an equal card beats the sum, computer", {13, 14, 17}, computer, aceOff, 7, presauguale, {0, 0, 1}, 248},
      {"an ace with the option off is an equal card", {21, 5, 12}, player, aceOff, 1, presauguale, {1, 0, 0}, 48},
      {"two sevens: the worth is the rightmost, gold", {37, 7}, player, aceOff, 7, presauguali, {1, 1}, 1415},
      {"two sevens: the worth is the rightmost, cups", {7, 37}, computer, aceOff, 7, presauguali, {1, 1}, 248},
      {"equal cards beside a sum", {25, 12, 15, 13}, player, aceOff, 5, presauguali, {1, 0, 1, 0}, 48},
  };
  for (const Case& c : cases) expectVerdict(c);
}

TEST(CaptureSearch, AceTakesAll) {
  const std::vector<Case> cases = {
      {"empty table", {}, player, aceTakesAll, 1, presaasso, {}, -1000},
      {"empty table, computer", {}, computer, aceTakesAll, 1, presaasso, {}, -1000},
      {"over another ace and other cards: nothing marked", {21, 5, 12}, player, aceTakesAll, 1, presaasso,
       {0, 0, 0}, -1000 + 48 + 215 + 48},
      {"a lone ace on the table is no sweep", {31}, player, aceTakesAll, 1, presaasso, {0}, -1000 + 48},
      {"other values still search", {21, 14}, computer, aceTakesAll, 4, presauguale, {0, 1}, 48},
  };
  for (const Case& c : cases) expectVerdict(c);
}

TEST(CaptureSearch, PlayerSums) {
  const std::vector<Case> cases = {
      {"2 + 3 is the whole table: a sweep", {12, 23}, player, aceOff, 5, presatutto, {2, 2}, 0},
      {"five cards are the whole table: a sweep", {1, 11, 21, 31, 2}, player, aceOff, 6, presatutto,
       {5, 5, 5, 5, 5}, 0},
      {"2 + 3 beside a 6: one combination", {12, 23, 36}, player, aceOff, 5, presacombinazione, {2, 2, 0}, 0},
      {"1, 4, 2, 3: a choice, every card marked", {11, 14, 12, 13}, player, aceOff, 5, presadascegliere,
       {2, 2, 2, 2}, 0},
      // 6 = 1+2+3 = 2+4: position 2 is in both; (4, 2) is met after (3, 2, 1).
      {"a shared card keeps the pair met last", {11, 12, 13, 14}, player, aceOff, 6, presadascegliere,
       {3, 2, 3, 2}, 0},
      // 6 = 2+4 = 2+1+3: position 1 is in both; (4, 3, 1) is met after (2, 1).
      {"a shared card keeps the triple met last", {12, 14, 11, 13}, player, aceOff, 6, presadascegliere,
       {3, 2, 3, 3}, 0},
      // 6 = 2+1+1+1+1 at positions 2..6 is met last; position 1 is only in sets like (6, 5, 4, 1).
      {"sets of four and five cards", {2, 1, 11, 21, 31, 12}, player, aceOff, 6, presadascegliere,
       {4, 5, 5, 5, 5, 5}, 0},
  };
  for (const Case& c : cases) expectVerdict(c);
}

TEST(CaptureSearch, ComputerKeepsTheMostImportantCombination) {
  const std::vector<Case> cases = {
      {"1, 4, 2, 3 of equal weight: the pair met first", {11, 14, 12, 13}, computer, aceOff, 5, presacombinazione,
       {2, 2, 0, 0}, 96},
      {"the two of gold draws the choice to 2 + 3", {11, 14, 2, 13}, computer, aceOff, 5, presacombinazione,
       {0, 0, 2, 2}, 263},
      {"three plain cards outweigh two", {11, 14, 12, 22}, computer, aceOff, 5, presacombinazione, {3, 0, 3, 3},
       144},
      {"the whole table is no sweep for the computer", {12, 23}, computer, aceOff, 5, presacombinazione, {2, 2},
       96},
      {"five cards", {1, 11, 21, 31, 2}, computer, aceOff, 6, presacombinazione, {5, 5, 5, 5, 5},
       215 + 48 + 48 + 48 + 215},
      // 6 = 1+5 (gold ace, plain five: 263) = 2+4 (gold two, gold four: 430); ties go to the lower positions.
      {"gold outweighs the pair met first", {1, 15, 2, 4}, computer, aceOff, 6, presacombinazione, {0, 0, 2, 2},
       430},
      // 5 = 3+1+1 = 1+2+2 = 2+2+1 at 144: (1, 2, 5) comes first in ascending positions.
      {"equal weights: the first set in ascending positions", {13, 11, 12, 22, 21}, computer, aceOff, 5,
       presacombinazione, {3, 3, 0, 0, 3}, 144},
  };
  for (const Case& c : cases) expectVerdict(c);
}

}  // namespace
