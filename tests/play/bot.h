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

// Plays one click at a time, so that the caller can look at the game after each.
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
      click_(w->control("canvgio", playable[rng_() % playable.size()]));
      return true;
    }
    if (placarta(4) > 0) {
      if (placarta(4) != plannedCard_) {
        wanted_ = plan();
        plannedCard_ = placarta(4);
      }
      if (int position = nextChoice()) {
        click_(w->control("canvtav", position));
        return true;
      }
    }
    click_(w->control("prendibott"));
    ++presses;
    plannedCard_ = 0;  // plan afresh for the next card, or after a refusal
    return true;
  }

  // Plays until the table window has gone; false when that takes implausibly long.
  bool finishHand(const std::function<void()>& afterEach = {}) {
    for (int i = 0; i < 1000; ++i) {
      if (!move()) return window1::live() == nullptr;
      if (afterEach) afterEach();
    }
    return false;
  }

 private:
  // The positions to take when the capture leaves a choice: one of the equal cards at random,
  // or members of the sums, shuffled, adding up to the card played. Empty otherwise.
  std::vector<int> plan() {
    using namespace Globali;
    const bool equal = puoscegliere == tipopresa::presauguali;
    if (!equal && puoscegliere != tipopresa::presadascegliere) return {};
    std::vector<int> candidates, chosen;
    for (int j = 1; j <= tavacartequante; ++j)
      if (equal ? puoscelta(j) == 1 : puoscelta(j) > 1) candidates.push_back(j);
    if (equal) return candidates.empty() ? candidates : std::vector{candidates[rng_() % candidates.size()]};
    std::shuffle(candidates.begin(), candidates.end(), rng_);
    std::function<bool(std::size_t, int)> pick = [&](std::size_t from, int left) {
      if (left == 0) return !chosen.empty();
      for (std::size_t i = from; i < candidates.size(); ++i) {
        const int v = valorecarta(tavcarta(candidates[i]));
        if (v > left) continue;
        chosen.push_back(candidates[i]);
        if (pick(i + 1, left - v)) return true;
        chosen.pop_back();
      }
      return false;
    };
    return pick(0, valorecarta(placarta(4))) ? chosen : std::vector<int>{};
  }

  // The next table position to click so that the chosen cards become the planned ones, or 0.
  // Among equal cards a click moves the single choice, so only a wanted card is clicked.
  int nextChoice() const {
    using namespace Globali;
    for (int j = 1; j <= tavacartequante; ++j) {
      const bool want = std::find(wanted_.begin(), wanted_.end(), j) != wanted_.end();
      const bool chosen = uscita(tavcarta(j)) == statocarta::selezionata;
      if (want ? !chosen : chosen && puoscegliere == tipopresa::presadascegliere) return j;
    }
    return 0;
  }

  Click click_;
  std::mt19937 rng_;
  int plannedCard_ = 0;
  std::vector<int> wanted_;
};

}  // namespace bot
