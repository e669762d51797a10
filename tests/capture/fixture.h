// Shared set-up of the capture tests: a clean game state and a table laid from card numbers.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "engine/globali.h"
#include "framework/media.h"
#include "table/window1.h"
#include "tests/support/gui.h"

namespace capturetest {

// Cards at table positions 1..n, each drawn and lying in play.
inline void layTable(const std::vector<int>& cards) {
  Globali::tavacartequante = static_cast<int>(cards.size());
  for (int i = 1; i <= Globali::tavacartequante; ++i) {
    Globali::tavcarta(i) = cards[static_cast<std::size_t>(i - 1)];
    Globali::uscita(Globali::tavcarta(i)) = Globali::statocarta::ingioco;
  }
}

inline std::vector<int> marks() {
  std::vector<int> m;
  for (int i = 1; i <= Globali::tavacartequante; ++i) m.push_back(Globali::puoscelta(i));
  return m;
}

class CaptureTest : public ::testing::Test {
 protected:
  void SetUp() override { reset(); }
  void TearDown() override { reset(); }
  static void reset() {
    if (window1* w = window1::live()) w->Close();
    gui::settle();
    Globali::resetState();
    Globali::lingua = 1;
    Globali::pref_apt = 60;
    fw::mediaLog().clear();
  }
};

}  // namespace capturetest
