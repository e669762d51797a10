// The module behind framework/mediabackend.h: Qt Multimedia plays the sound, Qt TextToSpeech speaks.
#include <QCoreApplication>
#include <QSoundEffect>
#include <QTextToSpeech>
#include <QUrl>

#include "framework/mediabackend.h"

namespace {

class Effect : public fw::SoundEffect {
 public:
  explicit Effect(const QString& path) { effect_.setSource(QUrl::fromLocalFile(path)); }
  // With no audio device the effect never reports its end; restarting it is still safe.
  void play() override { effect_.play(); }
  void setVolume(float volume) override { effect_.setVolume(volume); }

 private:
  QSoundEffect effect_;
};

class Backend : public fw::MediaBackend {
 public:
  std::unique_ptr<fw::SoundEffect> newSound(const QString& path) override { return std::make_unique<Effect>(path); }

  void speak(const QString& text, bool interrupt) override {
    // flite answers at once, also without an audio device; the default engine can block.
    if (!engine_) engine_ = new QTextToSpeech(QStringLiteral("flite"), qApp);
    if (engine_->state() == QTextToSpeech::Error) return;
    if (interrupt) engine_->stop();
    engine_->say(text);
  }

 private:
  QTextToSpeech* engine_ = nullptr;  // the application owns it
};

}  // namespace

extern "C" Q_DECL_EXPORT fw::MediaBackend* brivanoMediaBackend() {
  static Backend backend;
  return &backend;
}
