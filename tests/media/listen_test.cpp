// The card sound and the remarks as a player hears them: the real sound and speech module plays into a
// private sound server with a silent sink, whose monitor is recorded and read back.
#include <signal.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#include "framework/media.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 22050;  // the recording: mono, 16 bits

// A sound server of the test's own: its own runtime folder, a null sink "rec", no D-Bus.
struct SoundServer {
  QTemporaryDir dir;
  QProcess daemon;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

  SoundServer() {
    for (const char* name : {"XDG_RUNTIME_DIR", "HOME", "XDG_CONFIG_HOME"}) env.insert(name, dir.path());
    env.insert("PULSE_SERVER", "unix:" + dir.path() + "/pulse/native");
    daemon.setProcessEnvironment(env);
    daemon.setStandardOutputFile(dir.filePath("daemon.log"));
    daemon.setStandardErrorFile(dir.filePath("daemon.log"), QIODevice::Append);
    daemon.start("pulseaudio", {"--daemonize=no", "-n", "--exit-idle-time=-1", "--disable-shm",
                                "--load=module-null-sink sink_name=rec", "--load=module-native-protocol-unix"});
    for (int i = 0; i < 100 && !QFileInfo::exists(dir.filePath("pulse/native")); ++i) {
      if (daemon.waitForFinished(50)) break;
    }
  }
  ~SoundServer() {
    daemon.terminate();
    if (!daemon.waitForFinished(3000)) daemon.kill();
  }
  std::string failure() const {
    if (QFileInfo::exists(dir.filePath("pulse/native"))) return "";
    QFile log(dir.filePath("daemon.log"));
    log.open(QIODevice::ReadOnly);
    return "the sound server for this test did not start (package pulseaudio): " + log.readAll().toStdString();
  }
};

enum class Do { Card, Volume, Say, StopServer, ContinueServer, KillServer };
struct Step {
  int atMs;
  Do what;
  int volume = 0;
  const char* text = "";
};
struct Listening {
  const char* name;
  std::vector<Step> steps;
  std::vector<int> heard;  // the steps whose sounds start each sound heard, in order
  int cutBy = -1;          // the step whose remark must cut off the one being said
};

// ctest runs each row in a process of its own. Run in one process, the rows share one server and one
// device: the first row needs the device still unopened, and the last one leaves no server.
const Listening kListenings[] = {
    {"AServerNotAnsweringLeavesTheGameSilentNotWaiting",
     {{0, Do::StopServer}, {100, Do::Card}, {200, Do::Say, 0, "Scopa!"}, {600, Do::Card}, {900, Do::ContinueServer}},
     {}},
    {"CardsAtACalmPaceAreAllHeardAsPlayed",
     {{0, Do::Card}, {500, Do::Card}, {1000, Do::Card}, {1500, Do::Card}, {2000, Do::Card}, {2500, Do::Card}},
     {0, 1, 2, 3, 4, 5}},
    {"VolumeZeroIsSilentAndBackTo100IsHeardAtTheNextCard",
     {{0, Do::Card}, {400, Do::Card}, {650, Do::Volume, 0}, {900, Do::Card}, {1400, Do::Card},
      {1650, Do::Volume, 100}, {1900, Do::Card}},
     {0, 1, 6}},
    {"ARemarkCutsOffTheOneBeingSaid",
     {{0, Do::Card},
      {300, Do::Card},
      {600, Do::Say, 0, "Non prendi niente, clicca sul semaforo per continuare"},
      {3100, Do::Say, 0, "Scopa!"}},
     {0, 1},
     3},
    {"TheServerGoneMidGameLeavesEveryCallQuick",
     {{0, Do::Card}, {400, Do::KillServer}, {800, Do::Card}, {900, Do::Say, 0, "Scopa!"}, {1000, Do::Card}},
     {0}},
};

void PrintTo(const Listening& row, std::ostream* out) { *out << row.name; }

// Sounds in a recording, as [start, end) in ms: 10 ms windows above 1% of full scale, with quiet spells
// under 50 ms (between words) counted in.
std::vector<std::pair<int, int>> soundsIn(const QByteArray& pcm) {
  const auto* samples = reinterpret_cast<const int16_t*>(pcm.constData());
  const int count = static_cast<int>(pcm.size() / 2), window = kRate / 100;
  std::vector<std::pair<int, int>> sounds;
  for (int w = 0; w * window < count; ++w) {
    int peak = 0;
    for (int i = w * window; i < std::min(count, (w + 1) * window); ++i) {
      peak = std::max(peak, std::abs(samples[i] + 0));
    }
    if (peak < 328) continue;
    if (!sounds.empty() && w * 10 - sounds.back().second < 50) sounds.back().second = w * 10 + 10;
    else sounds.push_back({w * 10, w * 10 + 10});
  }
  return sounds;
}

class Listen : public ::testing::TestWithParam<Listening> {
 protected:
  static void SetUpTestSuite() {
    server = new SoundServer;
    qputenv("PULSE_SERVER", server->env.value("PULSE_SERVER").toUtf8());
    qputenv("SDL_AUDIODRIVER", "pulseaudio");  // not a desktop's own server
  }
  static void TearDownTestSuite() { delete server; }
  static inline SoundServer* server = nullptr;
};

TEST_P(Listen, ToTheRecording) {
  const Listening& row = GetParam();
  ASSERT_EQ(server->failure(), "");
  QProcess recorder;
  recorder.setProcessEnvironment(server->env);
  recorder.setStandardOutputFile(server->dir.filePath("recording.raw"));
  recorder.start("parec", {"--latency-msec=20", "-d", "rec.monitor", "--raw", "--format=s16le",
                           "--rate=" + QString::number(kRate), "--channels=1"});
  const QString recorded = server->dir.filePath("recording.raw");
  // The monitor of an idle sink can take two seconds to deliver its first bytes: wait until half a
  // second has come, so that the first card is not played before the recording runs.
  for (int i = 0; i < 500 && QFileInfo(recorded).size() < kRate; ++i) QThread::msleep(10);
  ASSERT_GE(QFileInfo(recorded).size(), kRate) << "parec (package pulseaudio-utils) records nothing";

  const fw::SoundPtr card = fw::GetSound(168);
  ASSERT_TRUE(card);
  std::vector<double> calledMs;
  bool opened = false;  // the first sound or remark loads the module and opens the device
  const auto start = Clock::now();
  for (const Step& step : row.steps) {
    std::this_thread::sleep_until(start + std::chrono::milliseconds(step.atMs));
    const auto called = Clock::now();
    switch (step.what) {
      case Do::Card: card->Play(); break;
      case Do::Volume: card->setVolume(step.volume); break;
      case Do::Say: fw::Speak(step.text, true); break;
      case Do::StopServer: ::kill(static_cast<pid_t>(server->daemon.processId()), SIGSTOP); break;
      case Do::ContinueServer: ::kill(static_cast<pid_t>(server->daemon.processId()), SIGCONT); break;
      case Do::KillServer: server->daemon.kill(); break;
    }
    calledMs.push_back(std::chrono::duration<double, std::milli>(called - start).count());
    const double tookMs = std::chrono::duration<double, std::milli>(Clock::now() - called).count();
    EXPECT_LT(tookMs, opened ? 100 : 1000) << "step " << calledMs.size() - 1 << " waited";
    opened = opened || step.what == Do::Card || step.what == Do::Say;
  }
  QThread::msleep(1000);  // every sound ends
  recorder.terminate();
  recorder.waitForFinished();
  QFile recording(recorded);
  ASSERT_TRUE(recording.open(QIODevice::ReadOnly));
  const auto sounds = soundsIn(recording.readAll());

  std::string heard;
  for (auto [from, to] : sounds) heard += " " + std::to_string(from) + "-" + std::to_string(to);
  if (row.cutBy < 0) {
    ASSERT_EQ(sounds.size(), row.heard.size()) << heard;
  } else {
    ASSERT_GT(sounds.size(), row.heard.size()) << heard;
  }
  // Spaced as played: every sound as long after its call as the others, within 50 ms (the first sound,
  // which starts the stream, may come a little later).
  std::vector<double> delays;
  for (size_t i = 0; i < row.heard.size(); ++i) delays.push_back(sounds[i].first - calledMs[row.heard[i]]);
  std::vector<double> sorted = delays;
  std::sort(sorted.begin(), sorted.end());
  const double delay = sorted.empty() ? 0 : sorted[(sorted.size() - 1) / 2];
  for (double d : delays) EXPECT_NEAR(d, delay, 50) << heard;
  if (row.cutBy >= 0) {
    // The call's moment in the recording; the remark said then must end within 100 ms, and the new one
    // be heard after it.
    const double cut = calledMs[row.cutBy] + delay;
    const auto said = std::find_if(sounds.begin(), sounds.end(), [&](auto s) { return s.second >= cut - 50; });
    ASSERT_TRUE(said != sounds.end() && said->first < cut) << "nothing said at " << cut << " ms:" << heard;
    EXPECT_LE(said->second, cut + 100) << heard;
    EXPECT_TRUE(said + 1 != sounds.end()) << "the second remark is not heard:" << heard;
  }
}

INSTANTIATE_TEST_SUITE_P(Media, Listen, ::testing::ValuesIn(kListenings),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
