// The fast capture search against the long way round, on seeded tables.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "tests/capture/reference_search.h"

namespace {

using namespace Globali;

// The verdict in one row: kind, worth, then the marks of positions 0..40, over leftovers of an
// earlier search that every search must overwrite.
std::vector<int> verdict(void (*search)(int), int value) {
  puoscegliere = 9, sceltavale = 777;
  puoscelta.fill(7);
  search(value);
  std::vector<int> row{puoscegliere, sceltavale};
  for (int i = 0; i <= 40; ++i) row.push_back(puoscelta(i));
  return row;
}

// Every played value on both sides, the ace also taking all, on seeded tables of 0 to 8 cards,
// every other one of low cards only: they make long combinations sharing positions.
TEST(CaptureSearchEquivalence, SameVerdictAsTheFullEnumeration) {
  resetState();
  std::mt19937 rng(20240605);
  int failures = 0;
  std::set<int> kinds, marks;
  for (int t = 0; t < 400 && failures < 5; ++t) {
    std::vector<int> deck;
    for (int card = 1; card <= 40; ++card)
      if (t % 2 == 0 || valorecarta(card) <= 5) deck.push_back(card);
    std::shuffle(deck.begin(), deck.end(), rng);
    for (int i = 1; i <= 40; ++i) tavcarta(i) = static_cast<int>(rng() % 40) + 1;  // never read past n
    tavacartequante = static_cast<int>(rng() % 9);
    for (int i = 1; i <= tavacartequante; ++i) tavcarta(i) = deck[static_cast<std::size_t>(i - 1)];
    for (int side : {lato::latopla, lato::latomac}) {
      for (int value = 0; value <= 10; ++value) {  // 0: an ace that takes all
        toccaa = side;
        pref_apt = value == 0 ? 1 : 60;
        const std::vector<int> expected = verdict(reference::cercapresapre, std::max(value, 1));
        const std::vector<int> actual = verdict(cercapresapre, std::max(value, 1));
        kinds.insert(expected[0]);
        marks.insert(expected.begin() + 3, expected.begin() + 3 + tavacartequante);
        failures += actual != expected;
        EXPECT_EQ(actual, expected) << "table " << ::testing::PrintToString(std::vector(deck.begin(), deck.begin() + 8))
                                    << " cut at " << tavacartequante << ", side " << side << ", played " << value;
      }
    }
  }
  EXPECT_EQ(failures, 0);
  // Every kind is met, and marks of equal cards (1) and of combinations of each size.
  EXPECT_EQ(kinds, (std::set{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(marks, (std::set{0, 1, 2, 3, 4, 5}));
}

}  // namespace
