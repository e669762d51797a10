// The capture search done the long way, as the game's rules state it: every ordered arrangement
// of two to five distinct table positions, each prefix tested as soon as it is formed, nothing
// pruned. Slow, but plainly right: the fast search must give the same verdict in every case.
#pragma once

#include <algorithm>

#include "engine/globali.h"

namespace reference {

inline void cercapresapre(int value) {
  using namespace Globali;
  const int n = tavacartequante;
  for (int i = 1; i <= 40; ++i) puoscelta(i) = 0;

  if (value == pref_apt) {
    int weight = 0;
    for (int i = 1; i <= n; ++i) weight += impo(tavcarta(i));
    puoscegliere = tipopresa::presaasso;
    sceltavale = -1000 + weight;
    return;
  }

  int equal = 0;
  for (int i = 1; i <= n; ++i) {
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
  int p[6] = {};  // p[depth]: the position chosen at that depth
  auto test = [&](int k) {
    int sum = 0, weight = 0;
    for (int j = 1; j <= k; ++j) {
      sum += valorecarta(tavcarta(p[j]));
      weight += impo(tavcarta(p[j]));
    }
    if (sum != value) return;
    if (toccaa == lato::latopla) {
      for (int j = 1; j <= k; ++j) puoscelta(p[j]) = k;
      puoscegliere = tipopresa::presadascegliere;
    } else if (sceltavale < weight) {
      for (int i = 1; i <= 40; ++i) puoscelta(i) = 0;
      for (int j = 1; j <= k; ++j) puoscelta(p[j]) = k;
      sceltavale = weight;
      puoscegliere = tipopresa::presacombinazione;
    }
  };
  // Depth first: at each depth every position not already taken, tested before going deeper.
  auto walk = [&](auto& self, int depth) -> void {
    for (p[depth] = 1; p[depth] <= n; ++p[depth]) {
      if (std::find(p + 1, p + depth, p[depth]) != p + depth) continue;
      if (depth >= 2) test(depth);
      if (depth < 5) self(self, depth + 1);
    }
  };
  walk(walk, 1);

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

}  // namespace reference
