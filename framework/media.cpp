#include "framework/media.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLibrary>
#include <QUrl>
#include <algorithm>

#include "framework/mediabackend.h"
#include "framework/picture.h"

#ifndef BRIVANO_LIBDIR
#define BRIVANO_LIBDIR ""
#endif
#ifndef BRIVANO_MEDIA_MODULE
#define BRIVANO_MEDIA_MODULE "libbrivano_media.so"
#endif

namespace fw {

void countResourceLoad();

MediaLog& mediaLog() {
  static MediaLog log;
  return log;
}

namespace {

// Loaded at the first sound or remark, from beside the program or the installed library folder; without
// it the game is silent, as without an audio device.
MediaBackend* backend() {
  static MediaBackend* const loaded = []() -> MediaBackend* {
    for (const QString& folder : {QCoreApplication::applicationDirPath(), QStringLiteral(BRIVANO_LIBDIR)}) {
      QLibrary module(folder + "/" BRIVANO_MEDIA_MODULE);
      if (auto entry = reinterpret_cast<MediaBackend* (*)()>(module.resolve("brivanoMediaBackend"))) return entry();
    }
    return nullptr;
  }();
  return loaded;
}

}  // namespace

struct Sound::Impl {
  std::unique_ptr<SoundEffect> effect;
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
    if (MediaBackend* media = backend()) impl_->effect = media->newSound(QString::fromStdString(path_));
    setVolume(volume_);
  }
  if (impl_->effect) impl_->effect->play();
}

void Sound::setVolume(int volume) {
  volume_ = std::clamp(volume, 0, 100);
  if (impl_ && impl_->effect) impl_->effect->setVolume(static_cast<float>(volume_) / 100.0f);
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

void Speak(const std::string& text, bool interrupt) {
  mediaLog().spoken.push_back(text);
  if (MediaBackend* media = backend()) media->speak(QString::fromStdString(text), interrupt);
}

void ShowURL(const std::string& address) {
  mediaLog().urls.push_back(address);
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace fw
