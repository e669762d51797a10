#include "engine/capturesearch.h"

#include <algorithm>
#include <cstdint>

namespace capturesearch {

namespace {

constexpr int kindNothing = 0, kindEqual = 1, kindEquals = 2, kindChoice = 3, kindSweep = 4, kindCombination = 5,
              kindAce = 6;
constexpr int computerSide = 1;
constexpr int largestCombination = 5;

// Walks the sets of positions in ascending order, depth first, each set tested as soon as it is
// formed. Card values are at least 1, so a set whose sum reaches the played value is never extended,
// and one that passes it is dropped with everything that would extend it.
class SumWalk {
 public:
  SumWalk(const Table& table, int n, int played, bool computer, Verdict& verdict)
      : table_(table), n_(n), played_(played), computer_(computer), verdict_(verdict) {}

  void run() { extend(1, 1, 0, 0); }

  bool found() const { return found_; }
  int bestWorth() const { return bestWorth_; }
  int bestSize() const { return bestSize_; }
  int bestPosition(int j) const { return best_[static_cast<std::size_t>(j)]; }

 private:
  void extend(int depth, int from, int sum, int weight) {
    for (int i = from; i <= n_; ++i) {
      const int s = sum + table_.value[static_cast<std::size_t>(i)];
      if (s > played_) continue;
      chosen_[static_cast<std::size_t>(depth)] = i;
      const int w = weight + table_.weight[static_cast<std::size_t>(i)];
      if (s == played_) {
        if (depth >= 2) combination(depth, w);
      } else if (depth < largestCombination) {
        extend(depth + 1, i + 1, s, w);
      }
    }
  }

  void combination(int size, int weight) {
    found_ = true;
    if (computer_) {
      // Sets come in ascending order of their ascending positions: keeping only a strictly
      // heavier one leaves the first of the heaviest.
      if (bestWorth_ < weight) {
        bestWorth_ = weight;
        bestSize_ = size;
        best_ = chosen_;
      }
      return;
    }
    // A position keeps the size of the set whose positions, highest first, read greatest;
    // base 64 digits padded with zeros compare as those sequences do.
    std::uint32_t key = 0;
    for (int j = size; j >= 1; --j) key = key * 64u + static_cast<std::uint32_t>(chosen_[static_cast<std::size_t>(j)]);
    for (int j = size; j < largestCombination; ++j) key *= 64u;
    for (int j = 1; j <= size; ++j) {
      const auto p = static_cast<std::size_t>(chosen_[static_cast<std::size_t>(j)]);
      if (key > key_[p]) {
        key_[p] = key;
        verdict_.mark[p] = size;
      }
    }
  }

  const Table& table_;
  const int n_;
  const int played_;
  const bool computer_;
  Verdict& verdict_;
  std::array<int, largestCombination + 1> chosen_{};
  std::array<int, largestCombination + 1> best_{};
  std::array<std::uint32_t, maxPositions + 1> key_{};
  bool found_ = false;
  int bestWorth_ = 0;
  int bestSize_ = 0;
};

}  // namespace

Verdict search(const Table& table, int played, int side, int aceValue) {
  Verdict verdict;
  const int n = std::clamp(table.n, 0, maxPositions);
  auto at = [](int i) { return static_cast<std::size_t>(i); };

  if (played == aceValue) {
    int total = 0;
    for (int i = 1; i <= n; ++i) total += table.weight[at(i)];
    verdict.kind = kindAce;
    verdict.worth = -1000 + total;
    return verdict;
  }

  // An equal card beats any sum; the rightmost one gives the worth.
  int equal = 0;
  for (int i = 1; i <= n; ++i) {
    if (table.value[at(i)] == played) {
      verdict.mark[at(i)] = 1;
      verdict.worth = table.weight[at(i)];
      ++equal;
    }
  }
  if (equal > 0) {
    verdict.kind = equal == 1 ? kindEqual : kindEquals;
    return verdict;
  }

  const bool computer = side == computerSide;
  SumWalk walk(table, n, played, computer, verdict);
  walk.run();
  if (!walk.found()) {
    verdict.kind = kindNothing;
    return verdict;
  }
  if (computer) {
    for (int j = 1; j <= walk.bestSize(); ++j) verdict.mark[at(walk.bestPosition(j))] = walk.bestSize();
    verdict.kind = kindCombination;
    verdict.worth = walk.bestWorth();
    return verdict;
  }

  // The player: a sweep when the whole table adds up, a single combination when the union of all
  // of them does (two different sets of positive values cannot share a sum with their union).
  int whole = 0, marked = 0;
  for (int i = 1; i <= n; ++i) {
    whole += table.value[at(i)];
    if (verdict.mark[at(i)] > 1) marked += table.value[at(i)];
  }
  verdict.kind = whole == played ? kindSweep : marked == played ? kindCombination : kindChoice;
  return verdict;
}

}  // namespace capturesearch
