#include <gtest/gtest.h>

#include "framework/picture.h"
#include "shell/resources.h"

namespace {

struct Expected {
  const char* name;
  fw::PicturePtr (*accessor)();
  int width, height;
};

TEST(Artwork, EveryNamedPictureExistsAtItsSize) {
  const Expected pictures[] = {
      {"aaa", aaa, 100, 165},      {"aaat", aaat, 82, 165},    {"pla", pla, 42, 42},
      {"mac", mac, 42, 42},        {"bita", bita, 28, 26},     {"busa", busa, 28, 26},
      {"frgiu", frgiu, 16, 8},     {"frsu", frsu, 16, 8},      {"frdes", frdes, 16, 16},
      {"legno", legno, 780, 555},  {"fondoscor", fondoscor, 780, 555},
  };
  for (const auto& p : pictures) {
    fw::PicturePtr picture = p.accessor();
    ASSERT_NE(picture, nullptr) << p.name;
    EXPECT_EQ(picture->Width(), p.width) << p.name;
    EXPECT_EQ(picture->Height(), p.height) << p.name;
  }
  // The traffic light must fit its 82 x 58 button.
  ASSERT_NE(manona(), nullptr);
  EXPECT_LE(manona()->Width(), 78);
  EXPECT_LE(manona()->Height(), 54);
}

TEST(Artwork, BothDecksHaveEveryCardAtItsSize) {
  for (int card = 1; card <= 40; ++card) {
    fw::PicturePtr standard = standardFace(card), trevisan = trevisanFace(card);
    ASSERT_NE(standard, nullptr) << card;
    ASSERT_NE(trevisan, nullptr) << card;
    EXPECT_EQ(standard->Width(), 100) << card;
    EXPECT_EQ(standard->Height(), 165) << card;
    EXPECT_EQ(trevisan->Width(), 82) << card;
    EXPECT_EQ(trevisan->Height(), 165) << card;
    // A face is opaque in its middle: nothing behind it shows through.
    EXPECT_EQ(standard->image().pixelColor(50, 82).alpha(), 255) << card;
    EXPECT_EQ(trevisan->image().pixelColor(41, 82).alpha(), 255) << card;
  }
}

TEST(Artwork, NumbersOutsideTheSetAreAbsentAndTheSoundIsItsOwn) {
  EXPECT_EQ(fw::GetPicture(218), nullptr);
  EXPECT_EQ(fw::GetPicture(167), nullptr);
  EXPECT_EQ(fw::GetPicture(261), nullptr);
  for (int n = 168; n <= 260; ++n) {
    if (n != 218) {
      EXPECT_NE(fw::GetPicture(n), nullptr) << n;
    }
  }
  EXPECT_NE(sndcarta(), nullptr);
  EXPECT_EQ(sndcarta(), sndcarta());
}

}  // namespace
