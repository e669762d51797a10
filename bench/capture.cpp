// Times the capture searches of one computer choice: rules 3, 4, 6 and 7 each search every card of
// a three-card hand, twelve searches on the computer's side. The game's search against the same
// search done the long way (every ordered arrangement of two to five positions, nothing pruned).
//
// Two kinds of table: "deal", distinct cards drawn at random (most played values find an equal card
// and never reach the sums), and "low", cards of values 1 to 5 against a hand of 8, 9 and 10, where
// every search walks the sums: the worst case for both.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <random>
#include <vector>

#include "engine/globali.h"
#include "tests/capture/reference_search.h"

namespace {

struct Deal {
  std::vector<int> table;
  std::array<int, 3> hand;
};

constexpr int dealsPerSize = 8;

// Seeded deals of n table cards and a hand of three from the rest of the deck.
std::vector<Deal> deals(int n, bool low) {
  std::mt19937 rng(static_cast<unsigned>(1000 + n * 2 + (low ? 1 : 0)));
  std::vector<Deal> result;
  for (int d = 0; d < dealsPerSize; ++d) {
    std::vector<int> deck;
    for (int card = 1; card <= 40; ++card) {
      if (!low || Globali::valorecarta(card) <= 5) deck.push_back(card);
    }
    Deal deal;
    for (int i = 0; i < n && !deck.empty(); ++i) {
      const auto pick = rng() % deck.size();
      deal.table.push_back(deck[pick]);
      deck.erase(deck.begin() + static_cast<std::ptrdiff_t>(pick));
    }
    if (low) {
      deal.hand = {18 + 10 * (d % 3), 29, 40};  // an 8, a 9 and a 10: no equal card, sums to search
    } else {
      std::vector<int> rest;
      for (int card = 1; card <= 40; ++card) {
        bool onTable = false;
        for (int t : deal.table) onTable = onTable || t == card;
        if (!onTable) rest.push_back(card);
      }
      for (int k = 0; k < 3; ++k) {
        const auto pick = rng() % rest.size();
        deal.hand[static_cast<std::size_t>(k)] = rest[pick];
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(pick));
      }
    }
    result.push_back(deal);
  }
  return result;
}

// Laying the table is part of each timed choice: a few stores, the same for both searches.
void lay(const Deal& deal) {
  Globali::tavacartequante = static_cast<int>(deal.table.size());
  for (int i = 1; i <= Globali::tavacartequante; ++i) {
    Globali::tavcarta(i) = deal.table[static_cast<std::size_t>(i - 1)];
  }
}

// One choice's searches: four rules, each over the three hand cards.
template <void (*Search)(int)>
void choiceSearches(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const bool low = state.range(1) != 0;
  const std::vector<Deal> all = deals(n, low);
  Globali::resetState();
  Globali::toccaa = Globali::lato::latomac;
  Globali::pref_apt = 60;
  std::size_t next = 0;
  for (auto _ : state) {
    const Deal& deal = all[next];
    next = (next + 1) % all.size();
    lay(deal);
    for (int rule = 0; rule < 4; ++rule) {
      for (int card : deal.hand) {
        Search(Globali::valorecarta(card));
        benchmark::DoNotOptimize(Globali::sceltavale);
      }
    }
  }
  state.SetLabel(low ? "low" : "deal");
}

void fastSearch(int value) { Globali::cercapresapre(value); }

void sizes(benchmark::internal::Benchmark* b) {
  for (int low : {0, 1}) {
    for (int n : {4, 8, 12, 20}) b->Args({n, low});
  }
  b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(choiceSearches<fastSearch>)->Name("choice/game")->Apply(sizes);
BENCHMARK(choiceSearches<reference::cercapresapre>)->Name("choice/reference")->Apply(sizes);

// Both searches must give the same verdict on every deal timed, on both sides.
bool searchesAgree() {
  for (int low : {0, 1}) {
    for (int n : {4, 8, 12, 20}) {
      for (const Deal& deal : deals(n, low != 0)) {
        for (int side : {Globali::lato::latopla, Globali::lato::latomac}) {
          for (int card : deal.hand) {
            Globali::resetState();
            Globali::pref_apt = 60;
            Globali::toccaa = side;
            lay(deal);
            const int value = Globali::valorecarta(card);
            reference::cercapresapre(value);
            std::array<int, 42> expected{};
            for (int i = 0; i <= 40; ++i) expected[static_cast<std::size_t>(i)] = Globali::puoscelta(i);
            expected[41] = Globali::puoscegliere * 100000 + Globali::sceltavale;
            fastSearch(value);
            std::array<int, 42> actual{};
            for (int i = 0; i <= 40; ++i) actual[static_cast<std::size_t>(i)] = Globali::puoscelta(i);
            actual[41] = Globali::puoscegliere * 100000 + Globali::sceltavale;
            if (actual != expected) {
              std::fprintf(stderr, "the searches disagree: %d table cards, side %d, value %d\n", n, side, value);
              return false;
            }
          }
        }
      }
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!searchesAgree()) return 1;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
