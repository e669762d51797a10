// The player's picture: its size, the choice, the file kept between runs, and where it shows.
#include <gtest/gtest.h>

#include "engine/globali.h"
#include "framework/files.h"
#include "scoring/winscoring.h"
#include "shell/app.h"
#include "shell/playerpicture.h"
#include "shell/resources.h"
#include "start/finstart.h"
#include "table/window1.h"
#include "tests/app/apprun.h"
#include "tests/support/gui.h"

namespace {

using Size = PlayerPicture::Size;

TEST(PlayerPictureSize, ShrinksToThe32Box) {
  struct Case {
    int w, h;
    Size expected;
  };
  const Case cases[] = {
      {64, 48, {32, 24}},  {640, 480, {32, 24}}, {20, 10, {20, 10}}, {32, 32, {32, 32}},
      {100, 30, {32, 9}},  // 30 x 0.32 = 9.6, truncated
      {49, 49, {31, 31}},  // 49 x (32 / 49) falls just below 32 in doubles
      {33, 33, {32, 32}},  {10, 1000, {1, 32}},
      {1000, 10, {32, 1}},  // 0.32 would lose the whole side
      {1, 1, {1, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlayerPicture::fittedSize(c.w, c.h), c.expected) << c.w << " x " << c.h;
  }
}

TEST(PlayerPictureSize, TheWholePictureIsDrawnIntoTheSmallOne) {
  auto big = fw::NewPicture(64, 48);
  const_cast<QImage&>(big->image()).fill(Qt::green);
  auto small = PlayerPicture::fitted(big);
  ASSERT_EQ(small->Width(), 32);
  ASSERT_EQ(small->Height(), 24);
  EXPECT_EQ(small->image().pixelColor(0, 0), QColor(Qt::green));
  EXPECT_EQ(small->image().pixelColor(31, 23), QColor(Qt::green));
}

class PlayerPictureRun : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = gui::useTemporaryFileFolder();
    pictures = gui::useTemporaryFileFolder();
    fw::setBareFileFolder(folder);
  }
  void TearDown() override { apprun::closeAllWindows(); }
  std::string folder, pictures;
};

TEST_F(PlayerPictureRun, EachChoiceIsShrunkKeptAndShownAgainAfterARestart) {
  std::string text = pictures + "/notes.txt";
  apprun::writeBytes(text, "not a picture\n");
  struct Choice {
    std::optional<std::string> answer;
    Size expected;  // {0, 0}: unchanged
  };
  const std::vector<Choice> choices = {
      {std::nullopt, {0, 0}},
      {text, {0, 0}},
      {pictures + "/missing.png", {0, 0}},
      {apprun::writePicture(pictures, "a.png", 64, 48), {32, 24}},
      {apprun::writePicture(pictures, "b.png", 49, 49), {31, 31}},
      {apprun::writePicture(pictures, "c.png", 20, 10), {20, 10}},
      {apprun::writePicture(pictures, "d.png", 1000, 10), {32, 1}},
      {apprun::writePicture(pictures, "e.jpg", 100, 30), {32, 9}},
  };
  QImage last;
  apprun::run([&](App& app) {
    fw::PicturePtr before = Globali::immagine(41);
    for (const Choice& choice : choices) {
      fw::queueOpenDialogAnswer(choice.answer);
      app.menu().item("FileCustompicture").action()->trigger();
      if (choice.expected == Size{0, 0}) {
        EXPECT_EQ(Globali::immagine(41), before) << choice.answer.value_or("cancel");
      } else {
        ASSERT_NE(Globali::immagine(41), before);
        EXPECT_EQ(Globali::immagine(41)->Width(), choice.expected.width);
        EXPECT_EQ(Globali::immagine(41)->Height(), choice.expected.height);
      }
      before = Globali::immagine(41);
    }
    // The command does not build a table window that is not open.
    EXPECT_EQ(window1::live(), nullptr);
    last = Globali::immagine(41)->image();
    // Red on the left, blue on the right, as the chosen file.
    EXPECT_GT(last.pixelColor(2, 4).red(), 200);
    EXPECT_GT(last.pixelColor(29, 4).blue(), 200);
  });
  apprun::run([&](App&) {
    ASSERT_NE(Globali::immagine(41), nullptr);
    EXPECT_EQ(Globali::immagine(41)->image(), last);
    window1& table = window1::instance();
    EXPECT_EQ(table.control("ImageWell1").image(), Globali::immagine(41));
  });
}

TEST_F(PlayerPictureRun, AChoiceShowsAtOnceInTheOpenTableAndLaterInTheScoringWindow) {
  std::string path = apprun::writePicture(pictures, "me.png", 64, 64);
  apprun::run([&](App& app) {
    gui::click(finstart::instance().control("pushbstart", 0));  // Play
    gui::settle();
    ASSERT_NE(window1::live(), nullptr);
    window1& table = *window1::live();
    // By the menu, and by a click on the picture itself.
    fw::queueOpenDialogAnswer(path);
    app.menu().item("FileCustompicture").action()->trigger();
    EXPECT_EQ(Globali::immagine(41)->Width(), 32);
    EXPECT_EQ(table.control("ImageWell1").image(), Globali::immagine(41));

    fw::PicturePtr chosen = Globali::immagine(41);
    fw::queueOpenDialogAnswer(std::nullopt);
    gui::click(table.control("ImageWell1"));
    EXPECT_EQ(Globali::immagine(41), chosen) << "cancelled";
    fw::queueOpenDialogAnswer(apprun::writePicture(pictures, "wide.png", 320, 80));
    gui::click(table.control("ImageWell1"));
    EXPECT_EQ(Globali::immagine(41)->Height(), 8);
    EXPECT_EQ(table.control("ImageWell1").image(), Globali::immagine(41));

    EXPECT_EQ(winscoring::instance().control("ImageWell1").image(), Globali::immagine(41));
  });
}

TEST_F(PlayerPictureRun, AFilePlacedByHandIsShownAtItsOwnSize) {
  apprun::writePicture(folder, PlayerPicture::fileName, 100, 80);
  apprun::run([](App&) {
    ASSERT_NE(Globali::immagine(41), nullptr);
    EXPECT_EQ(Globali::immagine(41)->Width(), 100);
    EXPECT_EQ(Globali::immagine(41)->Height(), 80);
    EXPECT_EQ(window1::instance().control("ImageWell1").image(), Globali::immagine(41));
  });
  auto saved = fw::OpenAsPicture(PlayerPicture::fileName);
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->Width(), 100);
}

TEST_F(PlayerPictureRun, AnUnreadableFileGivesTheDefaultPictureAndIsReplacedAtQuit) {
  for (const std::string& bytes : {std::string("GIF89a broken"), std::string("\x89PNG\r\n\x1a\n truncated"),
                                  std::string()}) {
    apprun::writeBytes(folder + "/" + PlayerPicture::fileName, bytes);
    apprun::run([](App&) {
      EXPECT_EQ(Globali::immagine(41), pla());
      EXPECT_NE(window1::instance().control("ImageWell1").image(), nullptr);
    });
    auto saved = fw::OpenAsPicture(PlayerPicture::fileName);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->image(), pla()->image());
  }
}

TEST_F(PlayerPictureRun, WithoutAPictureTheDefaultOneIsSaved) {
  // Picture 41 can be empty only if something cleared it; quitting must not fail for that.
  apprun::run([](App&) { Globali::immagine(41) = nullptr; });
  auto saved = fw::OpenAsPicture(PlayerPicture::fileName);
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->image(), pla()->image());
}

}  // namespace
