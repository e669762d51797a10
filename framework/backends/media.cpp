// The module behind framework/mediabackend.h: SDL2_mixer plays the card sounds and the remarks, which
// flite synthesises with its US English voice. SDL mixes on a thread of its own: nothing here waits for a
// sound to end, nor longer than a quarter of a second for the device to open.
#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <future>
#include <thread>
#include <vector>

#include "framework/mediabackend.h"

extern "C" {
#include <flite/flite.h>
cst_voice* register_cmu_us_kal(const char* voxdir);  // the voice's package has no header
}

namespace {

// Remarks have a channel of their own: a card sound never cuts one off, and a new remark started there
// cuts off just the one being said.
constexpr int kSpeechChannel = 0;

// ALSA, SDL's last resort when no sound server answers, writes its own failures on standard error, a
// handful of lines at every start on a machine without sound; the line printed below says it all.
void silentAlsa(const char*, int, const char*, int, const char*, ...) {}

void quietAlsa() {
  using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
  if (void* alsa = dlopen("libasound.so.2", RTLD_LAZY)) {  // kept loaded, so that the handler stays
    if (auto set = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"))) set(silentAlsa);
  }
}

// Opens the audio device, on a thread of its own; false, once said on standard error, when there is none.
bool openMixer() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // Ctrl+C and the like stay the program's
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Brivano");
  quietAlsa();
  // The card sound is 22,050 Hz mono and the voice has less: a richer device would only mix more zeros.
  // 512 frames are 23 ms, quick enough for a card put down.
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudioDevice(22050, AUDIO_S16SYS, 1, 512, nullptr, 0) == 0) {
    Mix_ReserveChannels(kSpeechChannel + 1);
    return true;
  }
  std::fprintf(stderr, "brivano: no sound: %s\n", SDL_GetError());
  SDL_QuitSubSystem(SDL_INIT_AUDIO);  // SDL's ALSA driver joins a thread that looks for devices every 100 ms
  return false;
}

class Backend final : public fw::MediaBackend {
 public:
  std::unique_ptr<fw::SoundEffect> newSound(const std::string& path) override;

  // Whether the device is open; the first call opens it. A sound server that does not answer would keep
  // the opening waiting for half a minute: the first call waits a quarter of a second at most, and the
  // game is silent until the server answers.
  bool ready() {
    using namespace std::chrono_literals;
    if (device_ == Device::Unopened) {
      std::promise<bool> opened;
      opening_ = opened.get_future();
      std::thread([opened = std::move(opened)]() mutable {
        opened.set_value(openMixer());
        SDL_TLSCleanup();  // SDL keeps its error text per thread
      }).detach();
      device_ = Device::Opening;
      if (opening_.wait_for(250ms) == std::future_status::timeout) {
        std::fprintf(stderr, "brivano: no sound while the sound server does not answer\n");
      }
    }
    if (device_ == Device::Opening && opening_.wait_for(0s) == std::future_status::ready) {
      device_ = opening_.get() && Mix_QuerySpec(&rate_, &format_, &channels_) ? Device::Open : Device::None;
    }
    return device_ == Device::Open;
  }

  void speak(const std::string& text, bool interrupt) override {
    if (!ready()) return;
    forgetFinishedRemarks();
    auto remark = std::make_unique<Remark>();
    remark->samples = synthesise(text);
    if (remark->samples.empty()) return;
    remark->chunk = Mix_QuickLoad_RAW(remark->samples.data(), static_cast<Uint32>(remark->samples.size()));
    if (!remark->chunk) return;
    // On the speech channel it replaces the remark being said; without interrupting, it is said over it.
    remark->channel = Mix_PlayChannel(interrupt ? kSpeechChannel : -1, remark->chunk, 0);
    remarks_.push_back(std::move(remark));
  }

 private:
  struct Remark {
    std::vector<Uint8> samples;  // the chunk plays straight from here
    Mix_Chunk* chunk = nullptr;
    int channel = -1;
  };

  // The text said by the voice, in the device's format; empty when either fails.
  std::vector<Uint8> synthesise(const std::string& text) {
    if (!voice_) {
      flite_init();
      voice_ = register_cmu_us_kal(nullptr);
    }
    cst_wave* wave = voice_ ? flite_text_to_wave(text.c_str(), voice_) : nullptr;
    if (!wave) return {};
    std::vector<Uint8> samples;
    SDL_AudioCVT convert;
    if (SDL_BuildAudioCVT(&convert, AUDIO_S16SYS, 1, wave->sample_rate, format_, channels_, rate_) >= 0) {
      const size_t bytes = static_cast<size_t>(wave->num_samples) * sizeof(short);
      samples.resize(bytes * static_cast<size_t>(convert.len_mult));
      std::memcpy(samples.data(), wave->samples, bytes);
      convert.buf = samples.data();
      convert.len = static_cast<int>(bytes);
      samples.resize(SDL_ConvertAudio(&convert) == 0 ? static_cast<size_t>(convert.len_cvt) : 0);
    }
    delete_wave(wave);
    return samples;
  }

  void forgetFinishedRemarks() {
    std::erase_if(remarks_, [](const std::unique_ptr<Remark>& r) {
      const bool finished = r->channel < 0 || !Mix_Playing(r->channel) || Mix_GetChunk(r->channel) != r->chunk;
      if (finished) Mix_FreeChunk(r->chunk);
      return finished;
    });
  }

  enum class Device { Unopened, Opening, Open, None } device_ = Device::Unopened;
  std::future<bool> opening_;
  int rate_ = 0, channels_ = 0;
  Uint16 format_ = 0;
  cst_voice* voice_ = nullptr;
  std::vector<std::unique_ptr<Remark>> remarks_;
};

class Effect final : public fw::SoundEffect {
 public:
  Effect(Backend& backend, std::string path) : backend_(backend), path_(std::move(path)) {}
  ~Effect() override { Mix_FreeChunk(chunk_); }  // stops it first where it still plays

  // Any free channel: cards put down in quick succession are all heard.
  void play() override {
    if (loaded()) Mix_PlayChannel(-1, chunk_, 0);
  }
  void setVolume(int volume) override {  // the framework keeps it within 0..100
    volume_ = volume;
    if (chunk_) Mix_VolumeChunk(chunk_, volume_ * MIX_MAX_VOLUME / 100);
  }

 private:
  // Read once the device is open, in its format.
  bool loaded() {
    if (!chunk_ && !unreadable_ && backend_.ready()) {
      chunk_ = Mix_LoadWAV(path_.c_str());
      unreadable_ = !chunk_;
      setVolume(volume_);
    }
    return chunk_ != nullptr;
  }

  Backend& backend_;
  std::string path_;
  Mix_Chunk* chunk_ = nullptr;
  bool unreadable_ = false;
  int volume_ = 100;
};

std::unique_ptr<fw::SoundEffect> Backend::newSound(const std::string& path) {
  return std::make_unique<Effect>(*this, path);
}

}  // namespace

// Never destroyed: SDL's mixing thread may still be reading a remark while the program exits.
extern "C" __attribute__((visibility("default"))) fw::MediaBackend* brivanoMediaBackend() {
  static Backend* const backend = new Backend;
  return backend;
}
