// Whole hands for the scoring tests: every card given to a side, and what the first press must show.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/globali.h"
#include "scoring/scoring.h"

namespace hands {

using Row = std::vector<scoring::CardPlace>;  // drawing order

struct HandCase {
  std::string name{};
  std::vector<int> player{}, playerScopas{}, computerScopas{};  // every other card is the computer's
  int lingua = 1, pointsToWin = 21;
  std::array<int, 2> before{};  // totals before the hand
  bool trevisan = false;
  std::array<std::array<int, 2>, scoring::lineCount> lines{};  // [line][player, computer]
  int calcola = 0;
  std::array<std::string, 2> result{};
  std::array<Row, 6> rows{};   // card rows 0..5 with each card's x
  std::array<int, 2> piles{};  // face-down pile depths
};

inline std::vector<int> cards(std::initializer_list<std::pair<int, int>> ranges) {
  std::vector<int> list;
  for (auto [first, last] : ranges)
    for (int c = first; c <= last; ++c) list.push_back(c);
  return list;
}

// The game state as the table leaves it at the end of the hand.
inline void lay(const HandCase& hand) {
  for (int c = 1; c <= 40; ++c) Globali::uscita(c) = Globali::statocarta::presamac;
  for (int c : hand.player) Globali::uscita(c) = Globali::statocarta::presapla;
  for (int c : hand.playerScopas) Globali::uscita(c) = Globali::statocarta::scopapla;
  for (int c : hand.computerScopas) Globali::uscita(c) = Globali::statocarta::scopamac;
  Globali::lingua = hand.lingua;
  Globali::pref_pu = hand.pointsToWin;
  Globali::punti(0) = hand.before[0];
  Globali::punti(1) = hand.before[1];
  Globali::pref_trevi = hand.trevisan;
}

// Player: aces to fives, sweeps with the three of spades and four of clubs; computer: the rest, one sweep.
inline HandCase computerWinsHand() {
  return {"ComputerWinsHand", cards({{1, 5}, {11, 15}, {21, 25}, {31, 35}}), {13, 24}, {38}, 1, 21, {0, 0}, false,
          {{{20, 20}, {5, 5}, {0, 1}, {64, 84}, {2, 1}, {2, 3}, {2, 3}}}, 1, {"", "WINS THIS MATCH"},
          {Row{{13, 84}, {24, 0}}, Row{{38, 0}}, Row{{1, 128}, {11, 86}, {21, 44}, {31, 2}},
           Row{{17, 128}, {27, 86}, {37, 44}, {7, 2}}, Row{{2, 84}, {3, 56}, {4, 28}, {5, 0}},
           Row{{6, 84}, {8, 56}, {9, 28}, {10, 0}}},
          {10, 11}};
}

// Player: three sevens (63) and no cup; computer: one seven and three face cards (51), three sweeps.
inline HandCase threeSevens() {
  return {"ThreeSevensBeatFourSuits", cards({{1, 7}, {11, 17}, {21, 27}}), {17}, {18, 36, 40}, 1, 21, {14, 10}, false,
          {{{21, 19}, {7, 3}, {1, 0}, {63, 51}, {1, 3}, {5, 3}, {19, 13}}}, 1, {"WINS THIS MATCH", ""},
          {Row{{17, 0}}, Row{{18, 84}, {36, 42}, {40, 0}}, Row{{27, 128}, {7, 0}}, Row{{8, 128}, {28, 64}, {37, 0}},
           Row{{1, 84}, {2, 68}, {3, 52}, {4, 36}, {5, 20}, {6, 4}}, Row{{9, 84}, {10, 0}}},
          {12, 11}};
}

// Equal hand points; the player sweeps with the seven of cups and keeps the six and two of cups.
inline HandCase sevenOfCupsSweep() {
  return {"DrawnHandSevenOfCupsSweep", cards({{1, 5}, {11, 16}, {21, 26}, {32, 32}, {36, 37}}), {14, 25, 37}, {40},
          1, 21, {5, 5}, false, {{{20, 20}, {5, 5}, {0, 1}, {73, 79}, {3, 1}, {3, 3}, {8, 8}}}, 1,
          {"NO WINNER", "NO WINNER"},
          {Row{{14, 84}, {25, 42}, {37, 0}}, Row{{40, 0}}, Row{{1, 128}, {16, 64}, {26, 0}},
           Row{{17, 128}, {27, 86}, {31, 44}, {7, 2}}, Row{{2, 84}, {3, 56}, {4, 28}, {5, 0}},
           Row{{6, 84}, {8, 56}, {9, 28}, {10, 0}}},
          {10, 11}};
}

inline HandCase computerTakesAll() {
  return {"ComputerTakesEveryCard", {}, {}, {}, 1, 21, {0, 0}, false,
          {{{0, 40}, {0, 10}, {0, 1}, {0, 84}, {0, 0}, {0, 4}, {0, 4}}}, 1, {"", "WINS THIS MATCH"},
          {Row{}, Row{}, Row{}, Row{{17, 128}, {27, 86}, {37, 44}, {7, 2}}, Row{},
           Row{{1, 84}, {2, 74}, {3, 64}, {4, 54}, {5, 44}, {6, 34}, {8, 24}, {9, 14}, {10, 4}}},
          {0, 27}};
}

// Every cup is one of the computer's ten sweeps: a row of ten steps 9 pixels.
inline HandCase tenSweeps() {
  Row tenCups, nineCoins;
  for (int i = 0; i < 10; ++i) tenCups.push_back({31 + i, 84 - 9 * i});
  for (int c : {1, 2, 3, 4, 5, 6, 8, 9, 10}) nineCoins.push_back({c, 84 - 10 * static_cast<int>(nineCoins.size())});
  return {"TenSweepsForTheComputer", cards({{1, 30}}), {}, cards({{31, 40}}), 1, 21, {10, 7}, false,
          {{{30, 10}, {10, 0}, {1, 0}, {63, 21}, {0, 10}, {4, 10}, {14, 17}}}, 1, {"", "WINS THIS MATCH"},
          {Row{}, tenCups, Row{{17, 128}, {27, 64}, {7, 0}}, Row{}, nineCoins, Row{}}, {18, 0}};
}

// Trevisan cards, 82 wide: rows start at 102 and 146; the seven of coins is a sweep, drawn last.
inline HandCase trevisanSettebelloSweep() {
  return {"TrevisanSettebelloSweep", cards({{1, 20}}), {7, 12}, {33}, 2, 11, {0, 0}, true,
          {{{20, 20}, {10, 0}, {1, 0}, {42, 42}, {2, 1}, {4, 1}, {4, 1}}}, 1, {"VINCE LA PARTITA", ""},
          {Row{{12, 102}, {7, 0}}, Row{{33, 0}}, Row{{17, 0}}, Row{{27, 146}, {37, 0}},
           Row{{1, 102}, {2, 90}, {3, 78}, {4, 66}, {5, 54}, {6, 42}, {8, 30}, {9, 18}, {10, 6}}, Row{}},
          {8, 17}};
}

// The same hand with other totals before it, points to win or language.
inline HandCase variant(HandCase hand, std::string name, std::array<int, 2> before, int pointsToWin, int lingua,
                        std::array<int, 2> totals, int calcola, std::array<std::string, 2> result) {
  hand.name = std::move(name);
  hand.before = before;
  hand.pointsToWin = pointsToWin;
  hand.lingua = lingua;
  hand.lines[scoring::totalLine] = totals;
  hand.calcola = calcola;
  hand.result = std::move(result);
  return hand;
}

inline std::vector<HandCase> all() {
  const std::string won = "FINAL WINNER";
  const auto a = computerWinsHand(), b = threeSevens(), c = sevenOfCupsSweep();
  return {a,
          variant(a, "ComputerReachesExactly", {0, 18}, 21, 1, {2, 21}, 2, {"", won}),
          variant(a, "BothOverGreaterWins", {19, 19}, 21, 1, {21, 22}, 2, {"", won}),
          variant(a, "BothOverEqual", {20, 19}, 21, 1, {22, 22}, 2, {"NO FINAL WINNER", "NO FINAL WINNER"}),
          variant(a, "BothOverEqualItalian", {20, 19}, 21, 2, {22, 22}, 2, {"PAREGGIO FINALE", "PAREGGIO FINALE"}),
          variant(a, "GameWinnerLostTheHand", {20, 10}, 21, 1, {22, 13}, 2, {won, ""}),
          b,
          variant(b, "PlayerReachesExactlyItalian", {16, 16}, 21, 2, {21, 19}, 2, {"VINCITORE FINALE", ""}),
          variant(b, "BarFullPastTheEnd", {20, 0}, 21, 1, {25, 3}, 2, {won, ""}),
          c,
          variant(c, "DrawnHandItalian", {5, 5}, 21, 2, {8, 8}, 1, {"PAREGGIO", "PAREGGIO"}),
          computerTakesAll(),
          tenSweeps(),
          trevisanSettebelloSweep()};
}

}  // namespace hands
