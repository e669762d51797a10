// The sound and speech back ends, built as a module of their own that the framework loads at the first
// sound or remark: linked into the program, the multimedia and speech libraries (and the audio libraries
// under them) would be loaded and relocated at every start, for a window that makes no sound.
#pragma once

#include <QString>
#include <memory>

namespace fw {

class SoundEffect {
 public:
  virtual ~SoundEffect() = default;
  virtual void play() = 0;
  virtual void setVolume(float volume) = 0;  // 0..1
};

class MediaBackend {
 public:
  virtual ~MediaBackend() = default;
  virtual std::unique_ptr<SoundEffect> newSound(const QString& path) = 0;
  // Hands the text to speech synthesis and returns at once; says nothing when no speech engine works.
  virtual void speak(const QString& text, bool interrupt) = 0;
};

}  // namespace fw

// The module's entry point, looked up by this name.
extern "C" fw::MediaBackend* brivanoMediaBackend();
