// A player that uses the table window as a person would: a hand card, the table cards a capture
// needs, then the traffic light. Header-only so that the benchmark can use it too; the caller
// says how a control is clicked.
#pragma once

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

#include "engine/globali.h"
#include "table/window1.h"

namespace bot {

using Click = std::function<void(fw::Control&)>;

class Bot {
 public:
  explicit Bot(Click click, unsigned seed = 1) : click_(std::move(click)), rng_(seed) {}

  int presses = 0;

  // One click: a random card of the hand, a table card the capture needs, or the traffic light.
  // False when there is no table window or nothing to play.
  bool move() {
    using namespace Globali;
    window1* w = window1::live();
    if (!w) return false;
    if (placarta(4) + maccarta(4) == 0 && controllafine < 40) {
      std::vector<int> playable;
      for (int k = 1; k <= 3; ++k)
        if (placarta(k) > 0) playable.push_back(k);
      if (playable.empty()) return false;
      return click_(w->control("canvgio", playable[rng_() % playable.size()])), true;
    }
    if (placarta(4) > 0 && placarta(4) != plannedCard_) wanted_ = plan(), plannedCard_ = placarta(4);
    // Among equal cards a click moves the single choice, so only a wanted card is clicked there.
    for (int j = 1; placarta(4) > 0 && j <= tavacartequante; ++j) {
      const bool want = std::find(wanted_.begin(), wanted_.end(), j) != wanted_.end();
      const bool chosen = uscita(tavcarta(j)) == statocarta::selezionata;
      if (want ? chosen : !chosen || puoscegliere != tipopresa::presadascegliere) continue;
      return click_(w->control("canvtav", j)), true;
    }
    click_(w->control("prendibott"));
    ++presses;
    plannedCard_ = 0;  // plan afresh for the next card, or after a refusal
    return true;
  }

 private:
  // The positions to take when the capture leaves a choice: one of the equal cards at random, or
  // members of the sums adding up to the card played, the first such set from a random start.
  std::vector<int> plan() {
    using namespace Globali;
    const bool equal = puoscegliere == tipopresa::presauguali;
    if (!equal && puoscegliere != tipopresa::presadascegliere) return {};
    std::vector<int> candidates;
    for (int j = 1; j <= tavacartequante; ++j)
      if (equal ? puoscelta(j) == 1 : puoscelta(j) > 1) candidates.push_back(j);
    if (equal) return {candidates[rng_() % candidates.size()]};
    const unsigned sets = 1u << candidates.size(), start = static_cast<unsigned>(rng_() % sets);
    for (unsigned s = 1; s < sets; ++s) {
      std::vector<int> chosen;
      int sum = 0;
      for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (((s + start) % sets >> i & 1) == 0) continue;
        chosen.push_back(candidates[i]);
        sum += valorecarta(tavcarta(candidates[i]));
      }
      if (sum == valorecarta(placarta(4)) && !chosen.empty()) return chosen;
    }
    return {};
  }

  Click click_;
  std::mt19937 rng_;
  int plannedCard_ = 0;
  std::vector<int> wanted_;
};

}  // namespace bot
