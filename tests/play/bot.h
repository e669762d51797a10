// A player that uses the table window as a person would: a hand card, the table cards a
// capture needs, then the traffic light. Header-only so that the benchmark can use it too;
// the caller says how a control is clicked.
#pragma once

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/globali.h"
#include "framework/window.h"
#include "table/window1.h"

namespace bot {

using Click = std::function<void(fw::Control&)>;

// Table positions of the capture kind's candidates whose card values add up to value, or none.
inline std::vector<int> subsetSummingTo(const std::vector<int>& positions, int value) {
  std::vector<int> chosen;
  std::function<bool(std::size_t, int)> search = [&](std::size_t from, int left) {
    if (left == 0) return !chosen.empty();
    for (std::size_t i = from; i < positions.size(); ++i) {
      int v = Globali::valorecarta(Globali::tavcarta(positions[i]));
      if (v > left) continue;
      chosen.push_back(positions[i]);
      if (search(i + 1, left - v)) return true;
      chosen.pop_back();
    }
    return false;
  };
  return search(0, value) ? chosen : std::vector<int>{};
}

// The table positions a capture should take once the player has chosen: for several equal
// cards one of them at random, for several sums one subset adding up to the played value.
// Empty when the capture needs no choice.
inline std::vector<int> planCapture(std::mt19937& rng) {
  using namespace Globali;
  const int n = tavacartequante;
  if (puoscegliere == tipopresa::presauguali) {
    std::vector<int> equal;
    for (int j = 1; j <= n; ++j)
      if (puoscelta(j) == 1) equal.push_back(j);
    if (!equal.empty()) return {equal[rng() % equal.size()]};
  } else if (puoscegliere == tipopresa::presadascegliere) {
    std::vector<int> members;
    for (int j = 1; j <= n; ++j)
      if (puoscelta(j) > 1) members.push_back(j);
    std::shuffle(members.begin(), members.end(), rng);
    return subsetSummingTo(members, valorecarta(placarta(4)));
  }
  return {};
}

// The next table position to click so that the chosen cards become the planned ones, or 0.
inline int nextChoiceClick(const std::vector<int>& wanted) {
  using namespace Globali;
  auto chosen = [](int j) { return uscita(tavcarta(j)) == statocarta::selezionata; };
  if (puoscegliere == tipopresa::presauguali) {
    // A click moves the single choice, so only the wanted card is ever clicked.
    return !wanted.empty() && !chosen(wanted[0]) ? wanted[0] : 0;
  }
  if (puoscegliere == tipopresa::presadascegliere) {
    for (int j = 1; j <= tavacartequante; ++j) {
      bool want = std::find(wanted.begin(), wanted.end(), j) != wanted.end();
      if (want != chosen(j)) return j;
    }
  }
  return 0;
}

// Plays one click at a time, so that the caller can look at the game after each.
class Bot {
 public:
  explicit Bot(Click click, unsigned seed = 1) : click_(std::move(click)), rng_(seed) {}

  int handClicks = 0;
  int tableClicks = 0;
  int presses = 0;

  // One click of a person at the table: a random card of the hand, a table card that the
  // capture needs, or the traffic light. False when there is no table window to play on.
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
      ++handClicks;
      return true;
    }
    if (placarta(4) > 0) {
      // A fresh plan for each card in play; a refused press keeps it (the count stays).
      if (placarta(4) != plannedCard_ || controllafine != plannedCount_) {
        wanted_ = planCapture(rng_);
        plannedCard_ = placarta(4);
        plannedCount_ = controllafine;
      }
      if (int position = nextChoiceClick(wanted_)) {
        click_(w->control("canvtav", position));
        ++tableClicks;
        return true;
      }
    }
    click_(w->control("prendibott"));
    ++presses;
    // Refused after all (the plan was stale): plan afresh.
    if (placarta(4) > 0 && placarta(4) == plannedCard_ && controllafine == plannedCount_) plannedCard_ = 0;
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

  std::mt19937& rng() { return rng_; }

 private:
  Click click_;
  std::mt19937 rng_;
  int plannedCard_ = 0;
  int plannedCount_ = -1;
  std::vector<int> wanted_;
};

}  // namespace bot
