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

namespace {

// The long way, as the game's rules state the search.
void referenceSearch(int value) {
  using namespace Globali;
  for (int i = 1; i <= 40; ++i) puoscelta(i) = 0;
  if (value == pref_apt) {
    int weight = 0;
    for (int i = 1; i <= tavacartequante; ++i) weight += impo(tavcarta(i));
    puoscegliere = tipopresa::presaasso;
    sceltavale = -1000 + weight;
    return;
  }
  int equal = 0;
  for (int i = 1; i <= tavacartequante; ++i) {
    if (valorecarta(tavcarta(i)) == value) {
      puoscelta(i) = 1;
      sceltavale = impo(tavcarta(i));
      ++equal;
    }
  }
  if (equal > 0) {
    puoscegliere = equal == 1 ? tipopresa::presauguale : tipopresa::presauguali;
    return;
  }
  puoscegliere = tipopresa::presanulla;
  sceltavale = 0;
  std::array<int, 6> p{};
  auto at = [&](int j) { return p[static_cast<std::size_t>(j)]; };
  auto taken = [&](int depth, int q) {
    for (int j = 1; j < depth; ++j) {
      if (at(j) == q) return true;
    }
    return false;
  };
  auto test = [&](int k) {
    int sum = 0, weight = 0;
    for (int j = 1; j <= k; ++j) {
      sum += valorecarta(tavcarta(at(j)));
      weight += impo(tavcarta(at(j)));
    }
    if (sum != value) return;
    if (toccaa == lato::latopla) {
      for (int j = 1; j <= k; ++j) puoscelta(at(j)) = k;
      puoscegliere = tipopresa::presadascegliere;
    } else if (sceltavale < weight) {
      for (int i = 1; i <= 40; ++i) puoscelta(i) = 0;
      for (int j = 1; j <= k; ++j) puoscelta(at(j)) = k;
      sceltavale = weight;
      puoscegliere = tipopresa::presacombinazione;
    }
  };
  const int n = tavacartequante;
  for (p[1] = 1; p[1] <= n; ++p[1]) {
    for (p[2] = 1; p[2] <= n; ++p[2]) {
      if (taken(2, p[2])) continue;
      test(2);
      for (p[3] = 1; p[3] <= n; ++p[3]) {
        if (taken(3, p[3])) continue;
        test(3);
        for (p[4] = 1; p[4] <= n; ++p[4]) {
          if (taken(4, p[4])) continue;
          test(4);
          for (p[5] = 1; p[5] <= n; ++p[5]) {
            if (taken(5, p[5])) continue;
            test(5);
          }
        }
      }
    }
  }
  if (puoscegliere == tipopresa::presadascegliere) {
    int whole = 0, marked = 0;
    for (int i = 1; i <= n; ++i) whole += valorecarta(tavcarta(i));
    for (int i = 1; i <= 40; ++i) {
      if (puoscelta(i) > 1) marked += valorecarta(tavcarta(i));
    }
    if (whole == value) {
      puoscegliere = tipopresa::presatutto;
    } else if (marked == value) {
      puoscegliere = tipopresa::presacombinazione;
    }
  }
}

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
BENCHMARK(choiceSearches<referenceSearch>)->Name("choice/reference")->Apply(sizes);

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
            referenceSearch(value);
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
