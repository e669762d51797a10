#include <gtest/gtest.h>

#include "framework/picture.h"
#include "shell/resources.h"

namespace {

TEST(Resources, EachAccessorLoadsOnceAndKeepsItsPicture) {
  int before = fw::resourceLoadCount();
  fw::PicturePtr first = legno();
  ASSERT_NE(first, nullptr) << "the artwork is beside the tests";
  EXPECT_EQ(legno(), first) << "one shared object";
  EXPECT_EQ(fw::resourceLoadCount(), before + 1);
}

TEST(Resources, AMissingNumberIsNilAtEveryCallAndAskedAgain) {
  int before = fw::resourceLoadCount();
  EXPECT_EQ(fw::GetPicture(218), nullptr);
  EXPECT_EQ(fw::GetPicture(218), nullptr);
  EXPECT_EQ(fw::resourceLoadCount(), before + 2);
}

TEST(Resources, FacesFollowTheCardNumbering) {
  // Both decks serve the same card numbers though their pictures are filed differently.
  EXPECT_EQ(standardFace(7), d07());
  EXPECT_EQ(standardFace(11), s01());
  EXPECT_EQ(standardFace(21), b01());
  EXPECT_EQ(standardFace(40), c10());
  EXPECT_EQ(trevisanFace(1), cartatrevi11());
  EXPECT_EQ(trevisanFace(20), cartatrevi30());
  EXPECT_EQ(trevisanFace(21), cartatrevi1());
  EXPECT_EQ(trevisanFace(31), cartatrevi31());
}

}  // namespace
