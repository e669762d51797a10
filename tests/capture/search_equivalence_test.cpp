// The fast capture search against the long way round, on many seeded tables.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/globali.h"
#include "tests/capture/reference_search.h"

namespace {

struct Outcome {
  int kind = 0;
  int worth = 0;
  std::array<int, 41> marks{};
  bool operator==(const Outcome&) const = default;
};

Outcome read() {
  Outcome o;
  o.kind = Globali::puoscegliere;
  o.worth = Globali::sceltavale;
  for (int i = 0; i <= 40; ++i) o.marks[static_cast<std::size_t>(i)] = Globali::puoscelta(i);
  return o;
}

// Leftovers of an earlier search: each search must write all three results afresh.
void soil() {
  Globali::puoscegliere = 9;
  Globali::sceltavale = 777;
  for (int i = 0; i <= 40; ++i) Globali::puoscelta(i) = 7;
}

std::string describe(const Outcome& o, int n) {
  std::ostringstream s;
  s << "kind " << o.kind << ", worth " << o.worth << ", marks";
  for (int i = 1; i <= n; ++i) s << ' ' << o.marks[static_cast<std::size_t>(i)];
  return s.str();
}

// Distinct cards, as on a real table; low cards make the long combinations that matter.
std::vector<int> drawTable(std::mt19937& rng, bool lowCardsOnly) {
  std::vector<int> deck;
  for (int card = 1; card <= 40; ++card) {
    if (!lowCardsOnly || Globali::valorecarta(card) <= 5) deck.push_back(card);
  }
  const int n = static_cast<int>(rng() % 9);  // 0..8 cards
  std::vector<int> table;
  for (int i = 0; i < n; ++i) {
    const auto pick = rng() % deck.size();
    table.push_back(deck[pick]);
    deck.erase(deck.begin() + static_cast<std::ptrdiff_t>(pick));
  }
  return table;
}

struct Tally {
  int compared = 0;
  int failures = 0;
  int sums = 0;        // verdicts of kinds 3 to 5
  int mixedSizes = 0;  // the player's marks holding combinations of different sizes
};

// Every played value on both sides, ace-takes-all on and off, on seeded tables of 0 to 8 cards.
Tally compareOnSeededTables(unsigned seed, int tables, bool lowCardsOnly) {
  Globali::resetState();
  std::mt19937 rng(seed);
  Tally tally;
  for (int t = 0; t < tables && tally.failures < 5; ++t) {
    const std::vector<int> table = drawTable(rng, lowCardsOnly);
    const int n = static_cast<int>(table.size());
    for (int i = 1; i <= 40; ++i) Globali::tavcarta(i) = static_cast<int>(rng() % 40) + 1;  // never read past n
    for (int i = 1; i <= n; ++i) Globali::tavcarta(i) = table[static_cast<std::size_t>(i - 1)];
    Globali::tavacartequante = n;
    for (int side : {Globali::lato::latopla, Globali::lato::latomac}) {
      for (int apt : {1, 60}) {
        for (int value = 1; value <= 10; ++value) {
          Globali::toccaa = side;
          Globali::pref_apt = apt;
          soil();
          reference::cercapresapre(value);
          const Outcome expected = read();
          soil();
          Globali::cercapresapre(value);
          const Outcome actual = read();
          ++tally.compared;
          if (expected.kind >= Globali::tipopresa::presadascegliere &&
              expected.kind <= Globali::tipopresa::presacombinazione) {
            ++tally.sums;
            int first = 0;
            bool mixed = false;
            for (int i = 1; i <= n; ++i) {
              const int m = expected.marks[static_cast<std::size_t>(i)];
              if (m > 1 && first == 0) first = m;
              if (m > 1 && m != first) mixed = true;
            }
            if (mixed) ++tally.mixedSizes;
          }
          if (!(actual == expected)) {
            ++tally.failures;
            std::ostringstream cards;
            for (int card : table) cards << card << ' ';
            ADD_FAILURE() << "table " << cards.str() << "side " << side << " ace value " << apt << " played "
                          << value << "\n  expected " << describe(expected, n) << "\n  actual   "
                          << describe(actual, n);
          }
        }
      }
    }
  }
  return tally;
}

TEST(CaptureSearchEquivalence, SameVerdictOnTablesFromTheWholeDeck) {
  constexpr int tables = 1500;
  const Tally tally = compareOnSeededTables(20240605, tables, false);
  EXPECT_EQ(tally.failures, 0);
  EXPECT_EQ(tally.compared, tables * 40);
  // The seeded tables reach the sums, not only equal cards and empty tables.
  EXPECT_GT(tally.sums, tables * 5);
  EXPECT_GT(tally.mixedSizes, tables / 2);
}

// Low cards make the long combinations and the positions shared between them.
TEST(CaptureSearchEquivalence, SameVerdictOnTablesOfLowCards) {
  constexpr int tables = 1500;
  const Tally tally = compareOnSeededTables(7771, tables, true);
  EXPECT_EQ(tally.failures, 0);
  EXPECT_EQ(tally.compared, tables * 40);
  EXPECT_GT(tally.sums, tables * 12);
  EXPECT_GT(tally.mixedSizes, tables * 3);
}

}  // namespace
