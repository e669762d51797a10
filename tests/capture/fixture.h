// Shared set-up of the capture tests: a clean game state and a table laid from card numbers.
// Card numbers: 1..10 gold (importance 215, the six 265, the seven 1415), 11..20 spades,
// 21..30 clubs, 31..40 cups (48, sixes 98, sevens 248).
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "engine/globali.h"
#include "framework/media.h"
#include "table/window1.h"
#include "tests/support/gui.h"

namespace capturetest {

constexpr int player = Globali::lato::latopla;
constexpr int computer = Globali::lato::latomac;
constexpr int aceTakesAll = 1, aceOff = 60;  // Globali::pref_apt

// A text in both languages; English is spoken as shown, Italian respelt for an English voice.
struct Texts {
  const char* english;
  const char* italian;
  const char* italianSpoken = nullptr;
};

// Cards at table positions 1..n, each drawn and lying in play.
inline void layTable(const std::vector<int>& cards) {
  Globali::tavacartequante = static_cast<int>(cards.size());
  for (int i = 1; i <= Globali::tavacartequante; ++i) {
    Globali::tavcarta(i) = cards[static_cast<std::size_t>(i - 1)];
    Globali::uscita(Globali::tavcarta(i)) = Globali::statocarta::ingioco;
  }
}

// Leftovers of an earlier search: every search must write its three results afresh.
inline void soilVerdict() {
  Globali::puoscegliere = 9;
  Globali::sceltavale = 777;
  for (int i = 0; i <= 40; ++i) Globali::puoscelta(i) = 7;
}

// A fresh game in English with the table window closed.
inline void reset() {
  if (window1* w = window1::live()) w->Close();
  gui::settle();
  Globali::resetState();
  Globali::lingua = 1;
  Globali::pref_apt = aceOff;
  fw::mediaLog().clear();
}

class CaptureTest : public ::testing::Test {
 protected:
  void SetUp() override { reset(); }
  void TearDown() override { reset(); }
};

}  // namespace capturetest
