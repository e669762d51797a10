#include "framework/media.h"

#include <dlfcn.h>

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <cstdio>

#include "framework/mediabackend.h"
#include "framework/picture.h"

#ifndef BRIVANO_LIBDIR
#define BRIVANO_LIBDIR ""
#endif
#ifndef BRIVANO_LIBDIR_FROM_PROGRAM
#define BRIVANO_LIBDIR_FROM_PROGRAM "../lib/brivano"
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

// Loaded at the first sound or remark from the first install folder that has it. Without it the game is
// silent, as without an audio device, and says why once.
MediaBackend* backend() {
  static MediaBackend* const loaded = []() -> MediaBackend* {
    std::string reason;
    bool present = false;  // the reason worth reading is that of a module that is there but fails
    for (const std::string& folder : installFolders(BRIVANO_LIBDIR_FROM_PROGRAM, BRIVANO_LIBDIR)) {
      const std::string path = folder + "/" BRIVANO_MEDIA_MODULE;
      void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
      const char* error = module ? nullptr : dlerror();
      if (module) {
        if (auto entry = reinterpret_cast<MediaBackend* (*)()>(dlsym(module, "brivanoMediaBackend"))) return entry();
        error = dlerror();
      }
      if (!present) {
        present = QFileInfo::exists(QString::fromStdString(path));
        reason = error ? error : "";
      }
    }
    std::fprintf(stderr, "brivano: no sound or speech: %s\n", reason.c_str());
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
    if (MediaBackend* media = backend()) impl_->effect = media->newSound(path_);
    setVolume(volume_);
  }
  if (impl_->effect) impl_->effect->play();
}

void Sound::setVolume(int volume) {
  volume_ = std::clamp(volume, 0, 100);
  if (impl_ && impl_->effect) impl_->effect->setVolume(volume_);
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
  if (MediaBackend* media = backend()) media->speak(text, interrupt);
}

void ShowURL(const std::string& address) {
  mediaLog().urls.push_back(address);
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace fw
