// Sound, beep and speech, plus the log that tests read.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace fw {

class Sound {
 public:
  explicit Sound(std::string path);
  ~Sound();
  void Play();
  int Volume() const { return volume_; }
  void setVolume(int volume);  // 0..100

 private:
  struct Impl;
  std::string path_;
  int volume_ = 100;
  std::unique_ptr<Impl> impl_;
};
using SoundPtr = std::shared_ptr<Sound>;

// Sound resource number n (a WAV in the artwork folder), or nil.
SoundPtr GetSound(int n);

void Beep();
// Hands the text to the speech engine and returns at once; interrupts what is being said.
void Speak(const std::string& text, bool interrupt = true);
// Hands a web or mail-to address to the system.
void ShowURL(const std::string& address);

// What the program asked of the speakers, the beeper and the desktop, in order.
struct MediaLog {
  std::vector<std::string> spoken;
  std::vector<std::string> urls;
  int beeps = 0;
  int plays = 0;        // Sound::Play calls
  int audiblePlays = 0; // the ones made at a volume above 0
  void clear() { *this = MediaLog{}; }
};
MediaLog& mediaLog();

}  // namespace fw
