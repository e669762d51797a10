// The sound and speech back end, built as a module of its own that the framework loads at the first sound
// or remark: linked into the program, the audio and speech libraries would be loaded and relocated at
// every start, for a window that makes no sound.
#pragma once

#include <memory>
#include <string>

namespace fw {

class SoundEffect {
 public:
  virtual ~SoundEffect() = default;
  virtual void play() = 0;
  virtual void setVolume(int volume) = 0;  // 0..100
};

// No call waits for a sound; without an audio device, or once its server is gone, nothing is heard.
class MediaBackend {
 public:
  virtual ~MediaBackend() = default;
  virtual std::unique_ptr<SoundEffect> newSound(const std::string& path) = 0;
  // Synthesises the text and starts saying it; `interrupt` first cuts off what is being said.
  virtual void speak(const std::string& text, bool interrupt) = 0;
};

}  // namespace fw

// The module's entry point, looked up by this name.
extern "C" fw::MediaBackend* brivanoMediaBackend();
