// The capture search over plain arrays: what a played value takes from a table.
// Free of globals and of windows so that it can be checked and timed on its own.
#pragma once

#include <array>

namespace capturesearch {

constexpr int maxPositions = 40;

// The table by position 1..n; element 0 is unused, as in the game's arrays.
struct Table {
  int n = 0;
  std::array<int, maxPositions + 1> value{};   // card value, 1..10
  std::array<int, maxPositions + 1> weight{};  // the computer's importance of the card
};

struct Verdict {
  int kind = 0;                          // tipopresa
  int worth = 0;                         // sceltavale
  std::array<int, maxPositions + 1> mark{};  // puoscelta by position
};

// side: 0 the player, 1 the computer. aceValue: the played value that takes the whole table.
// Combinations have two to five cards. For the player each position in a combination holds
// the size of the combination whose positions, read from the highest down, come last in
// lexicographic order; the computer keeps the combination of greatest summed weight, the one
// whose positions read from the lowest up come first on a tie.
Verdict search(const Table& table, int played, int side, int aceValue);

}  // namespace capturesearch
