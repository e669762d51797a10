#include "framework/media.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTextToSpeech>
#include <QUrl>
#include <algorithm>

#include "framework/picture.h"

namespace fw {

void countResourceLoad();

MediaLog& mediaLog() {
  static MediaLog log;
  return log;
}

struct Sound::Impl {
  QSoundEffect effect;
};

Sound::Sound(std::string path) : path_(std::move(path)) {}

Sound::~Sound() = default;

void Sound::Play() {
  auto& log = mediaLog();
  ++log.plays;
  if (volume_ > 0) ++log.audiblePlays;
  if (!impl_) {
    // The audio back end is made for the first sound, not at start: it costs memory and threads.
    impl_ = std::make_unique<Impl>();
    impl_->effect.setSource(QUrl::fromLocalFile(QString::fromStdString(path_)));
    setVolume(volume_);
  }
  // With no audio device the effect never reports its end; restarting it is still safe.
  impl_->effect.play();
}

void Sound::setVolume(int volume) {
  volume_ = std::clamp(volume, 0, 100);
  if (impl_) impl_->effect.setVolume(static_cast<float>(volume_) / 100.0f);
}

SoundPtr GetSound(int n) {
  QString path = QString::fromStdString(resourceFolder()) + QString("/sounds/%1.wav").arg(n);
  countResourceLoad();
  if (!QFileInfo(path).isFile()) return nullptr;
  return std::make_shared<Sound>(path.toStdString());
}

void Beep() {
  ++mediaLog().beeps;
  QApplication::beep();
}

namespace {
QTextToSpeech* speechEngine() {
  // flite answers at once, also without an audio device; the default engine can block.
  static QTextToSpeech* engine = new QTextToSpeech(QStringLiteral("flite"), qApp);
  return engine;
}
}  // namespace

void Speak(const std::string& text, bool interrupt) {
  mediaLog().spoken.push_back(text);
  QTextToSpeech* engine = speechEngine();
  if (engine->state() == QTextToSpeech::Error) return;
  if (interrupt) engine->stop();
  engine->say(QString::fromStdString(text));
}

void ShowURL(const std::string& address) {
  mediaLog().urls.push_back(address);
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace fw
