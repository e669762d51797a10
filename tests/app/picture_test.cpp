// The player's picture: its size, the choice, the file kept between runs, and where it shows.
#include "engine/globali.h"
#include "scoring/winscoring.h"
#include "shell/playerpicture.h"
#include "shell/resources.h"
#include "tests/app/apprun.h"

namespace {

using PictureRun = apprun::Fixture<>;

TEST_F(PictureRun, EachChoiceIsShrunkKeptAndShownAgainAfterARestart) {
  std::string text = pictures + "/notes.txt";
  apprun::writeBytes(text, "not a picture\n");
  auto file = [&](const char* name, int w, int h) { return apprun::writePicture(pictures, name, w, h); };
  const struct {
    std::optional<std::string> answer;
    int w, h;  // 0, 0: nothing changes
  } choices[] = {
      {std::nullopt, 0, 0},            {text, 0, 0},                      {pictures + "/missing.png", 0, 0},
      {file("a.png", 64, 48), 32, 24}, {file("b.png", 640, 480), 32, 24}, {file("c.png", 20, 10), 20, 10},
      {file("d.png", 32, 32), 32, 32}, {file("e.png", 33, 33), 32, 32},   {file("f.png", 10, 1000), 1, 32},
      {file("g.png", 1, 1), 1, 1},
      {file("h.png", 49, 49), 31, 31},   // 49 x (32 / 49) falls just below 32 in doubles
      {file("i.png", 1000, 10), 32, 1},  // 0.32 would lose the whole side
      {file("j.jpg", 100, 30), 32, 9},   // 30 x 0.32 = 9.6, truncated; PNG inside whatever the name
  };
  QImage last;
  apprun::run([&](App& app) {
    fw::PicturePtr before = Globali::immagine(41);
    for (const auto& choice : choices) {
      SCOPED_TRACE(choice.answer.value_or("cancel"));
      fw::queueOpenDialogAnswer(choice.answer);
      app.menu().item("FileCustompicture").action()->trigger();
      if (choice.w == 0) {
        EXPECT_EQ(Globali::immagine(41), before);
      } else {
        ASSERT_NE(Globali::immagine(41), before);
        EXPECT_EQ(Globali::immagine(41)->Width(), choice.w);
        EXPECT_EQ(Globali::immagine(41)->Height(), choice.h);
      }
      before = Globali::immagine(41);
    }
    EXPECT_EQ(window1::live(), nullptr) << "the command builds no table window";
    // The whole file drawn over the whole picture: red from the left edge, blue to the right one.
    last = Globali::immagine(41)->image();
    EXPECT_GT(last.pixelColor(0, 0).red(), 200);
    EXPECT_GT(last.pixelColor(31, 8).blue(), 200);
  });
  apprun::run([&](App&) {
    ASSERT_NE(Globali::immagine(41), nullptr);
    EXPECT_EQ(Globali::immagine(41)->image(), last);
    EXPECT_EQ(window1::instance().control("ImageWell1").image(), Globali::immagine(41));
  });
}

TEST_F(PictureRun, AClickOnTheWellChangesItAtOnceAndTheScoringWindowShowsIt) {
  apprun::run([&](App&) {
    window1& table = apprun::play();
    fw::PicturePtr before = Globali::immagine(41);
    fw::queueOpenDialogAnswer(std::nullopt);
    gui::click(table.control("ImageWell1"));
    EXPECT_EQ(Globali::immagine(41), before) << "cancelled";
    fw::queueOpenDialogAnswer(apprun::writePicture(pictures, "wide.png", 320, 80));
    gui::click(table.control("ImageWell1"));
    EXPECT_EQ(Globali::immagine(41)->Height(), 8);
    EXPECT_EQ(table.control("ImageWell1").image(), Globali::immagine(41));
    EXPECT_EQ(winscoring::instance().control("ImageWell1").image(), Globali::immagine(41));
  });
}

// A file placed by hand is shown at its own size; one that cannot be read, or a picture emptied during the run,
// gives the default picture, which replaces it at quit.
TEST_F(PictureRun, TheFileReadAtStartIsShownUnscaledOrGivesTheDefaultPicture) {
  for (const std::string bytes : {"by hand", "GIF89a broken", "\x89PNG\r\n\x1a\n truncated", "", "cleared"}) {
    SCOPED_TRACE(bytes);
    const std::string path = folder + "/" + PlayerPicture::fileName;
    apprun::writePicture(folder, PlayerPicture::fileName, 100, 80);
    if (bytes != "by hand") apprun::writeBytes(path, bytes);
    const QImage kept = bytes == "by hand" ? apprun::savedPicture() : pla()->image();
    ASSERT_FALSE(kept.isNull());
    apprun::run([&](App&) {
      ASSERT_NE(Globali::immagine(41), nullptr);
      EXPECT_EQ(Globali::immagine(41)->image(), kept);
      EXPECT_EQ(window1::instance().control("ImageWell1").image(), Globali::immagine(41));
      if (bytes == "cleared") Globali::immagine(41) = nullptr;
    });
    EXPECT_EQ(apprun::savedPicture(), kept);
  }
}

}  // namespace
