#include <gtest/gtest.h>

#include "engine/globali.h"

namespace {

TEST(Globali, CardValuesRunOneToTenInEverySuit) {
  for (int card = 1; card <= 40; ++card) EXPECT_EQ(Globali::valorecarta(card), (card - 1) % 10 + 1) << card;
  EXPECT_EQ(Globali::valorecarta(0), 10) << "no card reads as 10";
  EXPECT_EQ(Globali::valorecarta(37), 7);
}

TEST(Globali, ImportanceOfEveryCard) {
  for (int card = 0; card <= 40; ++card) {
    int expected = card == 7                                   ? 1415
                   : card == 6                                 ? 265
                   : card < 11                                 ? 215
                   : (card == 17 || card == 27 || card == 37)  ? 248
                   : (card == 16 || card == 26 || card == 36)  ? 98
                                                               : 48;
    EXPECT_EQ(Globali::impo(card), expected) << card;
  }
}

TEST(Globali, ArraysHaveInclusiveBoundsWithElementZero) {
  Globali::resetState();
  Globali::placarta(0) = 5;
  Globali::placarta(4) = 9;
  Globali::tavcarta(40) = 40;
  Globali::punti(1) = 3;
  EXPECT_EQ(Globali::placarta(0) + Globali::placarta(4), 14);
  Globali::resetState();
  EXPECT_EQ(Globali::placarta(4), 0);
  EXPECT_EQ(Globali::immagine(42), nullptr);
}

TEST(GlobaliDeathTest, AnIndexOutsideTheBoundsStopsLoudly) {
  volatile int slot = 5, card = -1, side = 2;  // unknown to the compiler, as at run time
  EXPECT_DEATH(Globali::placarta(slot) = 1, "index 5 outside 0..4");
  EXPECT_DEATH(Globali::uscita(card) = 1, "index -1 outside 0..40");
  EXPECT_DEATH((void)Globali::punti(side), "outside 0..1");
}

TEST(Globali, PhaseIsReadFromTheGlobals) {
  using Globali::fasemano;
  Globali::resetState();
  EXPECT_EQ(Globali::fase(), fasemano::attesapla);
  Globali::placarta(4) = 12;
  EXPECT_EQ(Globali::fase(), fasemano::giocatapla);
  Globali::placarta(4) = 0;
  Globali::toccaa = 1;
  Globali::maccarta(4) = 3;
  EXPECT_EQ(Globali::fase(), fasemano::giocatamac);
  Globali::maccarta(4) = 0;
  Globali::controllafine = 40;
  EXPECT_EQ(Globali::fase(), fasemano::finemano);
}

}  // namespace
