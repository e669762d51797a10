// The platform layer as the game relies on it: random numbers, colours, sound and speech, control events
// and canvases (numbers in texts are tested through the preferences file).
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

#include "framework/color.h"
#include "framework/media.h"
#include "framework/values.h"
#include "framework/window.h"
#include "tests/support/gui.h"

namespace {

TEST(Values, RndStaysBelowOneCoversTheRangeAndRepeatsWithItsSeed) {
  fw::seedRnd(7);
  std::vector<double> draws(200000);
  for (double& r : draws) r = fw::Rnd();
  fw::seedRnd(7);
  EXPECT_EQ(fw::Rnd(), draws[0]);
  const auto [lowest, highest] = std::minmax_element(draws.begin(), draws.end());
  EXPECT_TRUE(*lowest >= 0 && *lowest < 0.001 && *highest > 0.999 && *highest < 1) << *lowest << " " << *highest;
}

TEST(Values, HsvFollowsTheStandardConversion) {
  const struct {
    double h, s, v;
    fw::Color rgb;
  } cases[] = {{0.25, 0.15, 0.55, {130, 140, 119}}, {0.5, 0.15, 0.6, {130, 153, 153}},
               {0.15, 0.15, 1.0, {255, 250, 217}},  {1.0, 1.0, 1.0, {255, 0, 0}}};
  for (const auto& c : cases) {
    const fw::Color got = fw::HSV(c.h, c.s, c.v);
    EXPECT_TRUE(std::abs(got.r - c.rgb.r) <= 1 && std::abs(got.g - c.rgb.g) <= 1 && std::abs(got.b - c.rgb.b) <= 1)
        << c.h << "," << c.s << "," << c.v << " gave " << got.r << "," << got.g << "," << got.b;
  }
}

bool mediaLibraryMapped() {
  QFile maps("/proc/self/maps");
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libbrivano_media");
}

// Without an audio device or a speech engine nothing may fail or wait: every call returns at once.
TEST(Media, SpeechSoundAndBeepNeverWaitAndMutedPlaysAreCounted) {
  EXPECT_FALSE(mediaLibraryMapped()) << "the audio back end waits for the first sound or remark";
  fw::mediaLog().clear();
  for (int i = 0; i < 50; ++i) fw::Speak("Come on, It's your turn!", true);
  fw::Beep();
  fw::Sound sound("no-such-file.wav");  // a missing file plays nothing and does not fail
  for (int volume : {100, 0, 150}) {
    sound.setVolume(volume);
    sound.Play();
  }
  EXPECT_EQ(sound.Volume(), 100);
  const fw::MediaLog& log = fw::mediaLog();
  EXPECT_EQ(std::tuple(log.spoken.size(), log.beeps, log.plays, log.audiblePlays), std::tuple(50u, 1, 3, 2));
  EXPECT_TRUE(mediaLibraryMapped());
  gui::settle();
}

class testwin : public fw::WindowOf<testwin> {
 public:
  std::vector<std::string> heard;

  testwin() {
    for (std::string event : {"MouseDown", "MouseEnter", "MouseExit"}) {
      handle("cards_" + event, [this, event](fw::Control& c) { heard.push_back(event + std::to_string(c.index())); });
    }
  }

 protected:
  fw::WindowProperties properties() const override { return {.title = "Test", .width = 300, .height = 200}; }
  std::vector<fw::ControlRow> layout() const override {
    std::vector<fw::ControlRow> rows;
    fw::addMembers(rows, 1, 3, [](int i) {
      return fw::ControlRow{.name = "cards", .index = i, .left = 10 + 20 * (i - 1), .top = 40, .width = 50,
                            .height = 50, .events = {"MouseDown", "MouseEnter", "MouseExit"}};
    });
    rows.push_back({.name = "bar", .kind = fw::Kind::ProgressBar, .width = 100, .height = 12, .maximum = 21});
    return rows;
  }
};

TEST(Window, ArrayMembersShareOneHandlerAndTakeClicksAsTheyAreDrawn) {
  testwin& w = testwin::instance();
  gui::click(w.control("cards", 2));
  gui::click(w.control("cards", 2), Qt::RightButton);  // only the left button clicks
  gui::enter(w.control("cards", 3));
  gui::leave(w.control("cards", 3));
  // Drawn right to left, as the table is: where two overlap, the one drawn last takes the click.
  for (int i = 3; i >= 1; --i) w.control("cards", i).graphics().DrawLine(0, 0, 9, 9);
  for (int x : {35, 65, 85}) ASSERT_TRUE(gui::clickAt(w, QPoint(x, 60)));  // cards 1+2, 2+3, 3 alone
  EXPECT_EQ(w.heard, (std::vector<std::string>{"MouseDown2", "MouseEnter3", "MouseExit3", "MouseDown1",
                                               "MouseDown2", "MouseDown3"}));
  w.Close();
  gui::settle();
}

TEST(Window, ACanvasKeepsItsDrawingUntilErasedAndABarPastItsMaximumShowsFull) {
  testwin& w = testwin::instance();
  fw::Control& canvas = w.control("cards", 1);
  canvas.graphics().ForeColor = fw::RGB(0, 0, 255);
  canvas.graphics().DrawLine(0, 30, 49, 30);
  w.frame()->hide();
  w.frame()->show();
  EXPECT_EQ(canvas.canvasImage().pixelColor(25, 30), QColor(0, 0, 255));
  EXPECT_EQ(canvas.canvasImage().pixelColor(25, 31).alpha(), 0) << "lines are one pixel wide";
  canvas.refresh(true);
  EXPECT_EQ(canvas.canvasImage().pixelColor(25, 30).alpha(), 0);
  EXPECT_EQ(w.content()->grab().toImage().pixelColor(17, 70), w.content()->palette().window().color())
      << "the window's backdrop shows through an erased canvas";
  fw::Control& bar = w.control("bar");
  bar.setValue(30);
  EXPECT_EQ(bar.value(), 21);
  bar.setMaximum(40);
  bar.setValue(30);
  EXPECT_EQ(bar.value(), 30);
  w.Close();
  gui::settle();
}

}  // namespace
