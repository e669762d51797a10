// The capture search done the long way, as the game's rules state it: every ordered arrangement
// of two to five distinct table positions, each prefix tested as soon as it is formed, nothing
// pruned. Slow, but plainly right: the fast search must give the same verdict in every case.
#pragma once

#include <array>

#include "engine/globali.h"

namespace reference {

inline void cercapresapre(int value) {
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
  auto taken = [&](int depth, int q) {
    for (int j = 1; j < depth; ++j) {
      if (p[static_cast<std::size_t>(j)] == q) return true;
    }
    return false;
  };
  auto test = [&](int k) {
    int sum = 0, weight = 0;
    for (int j = 1; j <= k; ++j) {
      sum += valorecarta(tavcarta(p[static_cast<std::size_t>(j)]));
      weight += impo(tavcarta(p[static_cast<std::size_t>(j)]));
    }
    if (sum != value) return;
    if (toccaa == lato::latopla) {
      for (int j = 1; j <= k; ++j) puoscelta(p[static_cast<std::size_t>(j)]) = k;
      puoscegliere = tipopresa::presadascegliere;
    } else if (sceltavale < weight) {
      for (int i = 1; i <= 40; ++i) puoscelta(i) = 0;
      for (int j = 1; j <= k; ++j) puoscelta(p[static_cast<std::size_t>(j)]) = k;
      sceltavale = weight;
      puoscegliere = tipopresa::presacombinazione;
    }
  };
  // Five nested loops, one per depth.
  for (p[1] = 1; p[1] <= tavacartequante; ++p[1]) {
    for (p[2] = 1; p[2] <= tavacartequante; ++p[2]) {
      if (taken(2, p[2])) continue;
      test(2);
      for (p[3] = 1; p[3] <= tavacartequante; ++p[3]) {
        if (taken(3, p[3])) continue;
        test(3);
        for (p[4] = 1; p[4] <= tavacartequante; ++p[4]) {
          if (taken(4, p[4])) continue;
          test(4);
          for (p[5] = 1; p[5] <= tavacartequante; ++p[5]) {
            if (taken(5, p[5])) continue;
            test(5);
          }
        }
      }
    }
  }

  if (puoscegliere == tipopresa::presadascegliere) {
    int whole = 0, marked = 0;
    for (int i = 1; i <= tavacartequante; ++i) whole += valorecarta(tavcarta(i));
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

}  // namespace reference
