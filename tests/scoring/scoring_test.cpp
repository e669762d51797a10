// The primiera search without any window (whole hands go through the window's tests).
#include <gtest/gtest.h>

#include "engine/globali.h"
#include "scoring/scoring.h"

namespace {

using namespace Globali::statocarta;

struct SuitCase {
  std::string name;
  std::vector<std::pair<int, int>> states;  // card, state; every other card stays in the deck
  int start, lato, value, card;
};

class Primiera : public ::testing::TestWithParam<SuitCase> {};

TEST_P(Primiera, FindsTheBestValueAndTheCardToShow) {
  const auto& c = GetParam();
  Globali::resetState();
  for (auto [card, state] : c.states) Globali::uscita(card) = state;
  EXPECT_EQ(scoring::primpunti(c.start, c.lato, 0), c.value);
  EXPECT_EQ(scoring::primpunti(c.start, c.lato, 1), c.card);
}

// 10 and 22 are the scopa rows' codes, 30 and 50 those of other rows.
INSTANTIATE_TEST_SUITE_P(
    Suits, Primiera,
    ::testing::ValuesIn(std::vector<SuitCase>{
        {"FaceCardsOnlyTheEightWins", {{18, presapla}, {19, presapla}, {20, scopapla}}, 11, 0, 10, 18},
        {"NoCardOfTheSuit", {{31, presamac}, {37, scopamac}}, 31, 0, 0, 0},
        {"SixBeatsAceAndFive", {{21, presamac}, {25, presamac}, {26, presamac}}, 21, 1, 18, 26},
        {"ScopaStateCountsBeforeSorting", {{7, scopapla}, {1, presapla}}, 1, 0, 21, 7},
        {"PlayerBestIsInTheScopaRow", {{37, 10}, {36, presapla}, {32, presapla}}, 31, 0, 21, 0},
        {"ComputerBestIsInTheScopaRow", {{17, 22}, {11, presamac}}, 11, 1, 21, 0},
        {"LesserScopaRowCardLeavesTheBest", {{13, 10}, {11, presapla}}, 11, 0, 16, 11},
        {"OtherSidesCardsIgnored", {{27, presamac}, {26, 22}, {24, presapla}}, 21, 0, 14, 24},
        {"OtherRowCodesIgnored", {{7, 30}, {6, 50}, {2, presapla}}, 1, 0, 12, 2},
    }),
    [](const auto& info) { return info.param.name; });

}  // namespace
