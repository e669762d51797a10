// The fast capture search against the long way round, on many seeded tables.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "engine/globali.h"
#include "tests/capture/fixture.h"
#include "tests/capture/reference_search.h"

namespace {

// The verdict in one row: kind, worth, then the marks of positions 0..40.
std::vector<int> verdict(void (*search)(int), int value) {
  capturetest::soilVerdict();
  search(value);
  std::vector<int> row{Globali::puoscegliere, Globali::sceltavale};
  for (int i = 0; i <= 40; ++i) row.push_back(Globali::puoscelta(i));
  return row;
}

// Every played value on both sides, ace-takes-all on and off, on seeded tables of 0 to 8 distinct cards.
TEST(CaptureSearchEquivalence, SameVerdictAsTheFullEnumeration) {
  constexpr int tables = 3000;
  Globali::resetState();
  std::mt19937 rng(20240605);
  int failures = 0, sums = 0, mixedSizes = 0;
  for (int t = 0; t < tables && failures < 5; ++t) {
    // Every other table of low cards only: they make long combinations sharing positions.
    std::vector<int> deck, table;
    for (int card = 1; card <= 40; ++card) {
      if (t % 2 == 0 || Globali::valorecarta(card) <= 5) deck.push_back(card);
    }
    for (int i = static_cast<int>(rng() % 9); i > 0; --i) {
      const auto pick = static_cast<std::ptrdiff_t>(rng() % deck.size());
      table.push_back(deck[static_cast<std::size_t>(pick)]);
      deck.erase(deck.begin() + pick);
    }
    const int n = static_cast<int>(table.size());
    for (int i = 1; i <= 40; ++i) Globali::tavcarta(i) = static_cast<int>(rng() % 40) + 1;  // never read past n
    for (int i = 1; i <= n; ++i) Globali::tavcarta(i) = table[static_cast<std::size_t>(i - 1)];
    Globali::tavacartequante = n;
    for (int side : {capturetest::player, capturetest::computer}) {
      for (int apt : {capturetest::aceTakesAll, capturetest::aceOff}) {
        for (int value = 1; value <= 10; ++value) {
          Globali::toccaa = side;
          Globali::pref_apt = apt;
          const std::vector<int> expected = verdict(reference::cercapresapre, value);
          const std::vector<int> actual = verdict(Globali::cercapresapre, value);
          if (actual != expected) {
            ++failures;
            EXPECT_EQ(actual, expected) << "table " << ::testing::PrintToString(table) << ", side " << side
                                        << ", ace value " << apt << ", played " << value;
          }
          if (expected[0] >= Globali::tipopresa::presadascegliere &&
              expected[0] <= Globali::tipopresa::presacombinazione) {
            ++sums;
            std::set<int> sizes(expected.begin() + 3, expected.begin() + 3 + n);  // positions 1..n
            sizes.erase(0);
            if (sizes.size() > 1) ++mixedSizes;
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
  // The seeded tables reach the sums and their overlaps, not only equal cards and empty tables.
  EXPECT_GT(sums, tables * 9);
  EXPECT_GT(mixedSizes, tables * 2);
}

}  // namespace
