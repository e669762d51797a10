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
  int whole = 0, weight = 0, equal = 0;
  for (int i = 1; i <= 40; ++i) puoscelta(i) = 0;
  for (int i = 1; i <= n; ++i) whole += valorecarta(tavcarta(i)), weight += impo(tavcarta(i));

  if (value == pref_apt) {
    puoscegliere = tipopresa::presaasso;
    sceltavale = -1000 + weight;
    return;
  }
  for (int i = 1; i <= n; ++i) {
    if (valorecarta(tavcarta(i)) == value) puoscelta(i) = 1, sceltavale = impo(tavcarta(i)), ++equal;
  }
  if (equal > 0) {
    puoscegliere = equal == 1 ? tipopresa::presauguale : tipopresa::presauguali;
    return;
  }

  puoscegliere = tipopresa::presanulla;
  sceltavale = 0;
  int p[6] = {};  // p[depth]: the position chosen at that depth
  // A combination: the player's marks build up; the computer keeps the one of greatest importance.
  auto test = [&](int k) {
    int sum = 0, importance = 0;
    for (int j = 1; j <= k; ++j) sum += valorecarta(tavcarta(p[j])), importance += impo(tavcarta(p[j]));
    if (sum != value) return;
    if (toccaa == lato::latopla) {
      puoscegliere = tipopresa::presadascegliere;
    } else if (sceltavale < importance) {
      for (int i = 1; i <= 40; ++i) puoscelta(i) = 0;
      sceltavale = importance;
      puoscegliere = tipopresa::presacombinazione;
    } else {
      return;
    }
    for (int j = 1; j <= k; ++j) puoscelta(p[j]) = k;
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

  if (puoscegliere != tipopresa::presadascegliere) return;
  int marked = 0;
  for (int i = 1; i <= n; ++i) marked += puoscelta(i) > 1 ? valorecarta(tavcarta(i)) : 0;
  if (whole == value) {
    puoscegliere = tipopresa::presatutto;
  } else if (marked == value) {
    puoscegliere = tipopresa::presacombinazione;
  }
}

}  // namespace reference
