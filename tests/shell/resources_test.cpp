#include <QTemporaryFile>
#include <gtest/gtest.h>

#include "framework/picture.h"
#include "shell/resources.h"

namespace {

TEST(Resources, EachAccessorKeepsOnePictureReadOnceWhenFirstDrawn) {
  int before = fw::resourceLoadCount();
  fw::PicturePtr first = legno();
  ASSERT_NE(first, nullptr) << "the artwork is beside the tests";
  EXPECT_EQ(legno(), first) << "one shared object";
  EXPECT_EQ(fw::resourceLoadCount(), before) << "nothing is read before it is needed";
  fw::NewPicture(8, 8)->graphics().DrawPicture(legno(), 0, 0);
  EXPECT_EQ(legno()->Width(), 780);
  EXPECT_EQ(fw::resourceLoadCount(), before + 1);
}

TEST(Resources, AMissingNumberIsNilAtEveryCallAndAnUnreadableFileDrawsNothing) {
  int before = fw::resourceLoadCount();
  EXPECT_EQ(fw::GetPicture(218), nullptr);
  EXPECT_EQ(fw::GetPicture(218), nullptr);
  EXPECT_EQ(fw::resourceLoadCount(), before + 2);
  QTemporaryFile junk;
  ASSERT_TRUE(junk.open() && junk.write("not a picture") > 0 && junk.flush());
  fw::PicturePtr unreadable = fw::Picture::fromFile(junk.fileName()), target = fw::NewPicture(8, 8);
  for (int i = 0; i < 2; ++i) target->graphics().DrawPicture(unreadable, 0, 0);
  EXPECT_EQ(target->image(), fw::NewPicture(8, 8)->image());
  EXPECT_EQ(fw::resourceLoadCount(), before + 3) << "tried once";
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
