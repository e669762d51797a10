#include <QFile>
#include <gtest/gtest.h>

#include "framework/media.h"
#include "tests/support/gui.h"

namespace {

// Without an audio device or a speech engine nothing may fail or wait: every call returns at once.
TEST(Media, SpeechSoundAndBeepNeverWaitAndAreLogged) {
  fw::mediaLog().clear();
  for (int i = 0; i < 50; ++i) fw::Speak("Come on, It's your turn!", true);
  fw::Beep();
  EXPECT_EQ(fw::mediaLog().spoken.size(), 50u);
  EXPECT_EQ(fw::mediaLog().beeps, 1);
  gui::settle();
}

TEST(Media, SoundPlaysAtItsVolumeAndMutedPlaysAreCounted) {
  fw::mediaLog().clear();
  fw::Sound sound("no-such-file.wav");  // a missing file plays nothing and does not fail
  sound.Play();
  sound.setVolume(0);
  sound.Play();
  sound.setVolume(150);
  EXPECT_EQ(sound.Volume(), 100);
  sound.Play();
  EXPECT_EQ(fw::mediaLog().plays, 3);
  EXPECT_EQ(fw::mediaLog().audiblePlays, 2);
  QFile maps("/proc/self/maps");
  ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
  EXPECT_TRUE(maps.readAll().contains("libQt6Multimedia")) << "the first sound loads the audio back end";
  gui::settle();
}

TEST(Media, AddressesAreHandedToTheSystem) {
  fw::mediaLog().clear();
  fw::ShowURL("https://www.example.org/brivano/");
  EXPECT_EQ(fw::mediaLog().urls, (std::vector<std::string>{"https://www.example.org/brivano/"}));
}

}  // namespace
