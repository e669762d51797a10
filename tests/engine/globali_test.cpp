// What must never happen stops the program loudly instead of corrupting the game: an index outside
// the bounds of the game's arrays, and the computer asked to play from an empty hand.
#include <gtest/gtest.h>

#include "engine/globali.h"

namespace {

using namespace Globali;

TEST(GlobaliDeathTest, AnIndexOutsideTheBoundsOrAnEmptyHandStopsLoudly) {
  volatile int slot = 5, card = -1;  // unknown to the compiler, as at run time
  EXPECT_DEATH(placarta(slot) = 1, "index 5 outside 0..4");
  EXPECT_DEATH(uscita(card) = 1, "index -1 outside 0..40");
  resetState();
  EXPECT_DEATH(macsceglicarta(), "no card to play");
}

}  // namespace
