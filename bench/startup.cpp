// Start-up of the whole program against the floor of any Qt program: a bare main window with a menu and
// a label. For each: the time from the process start to its first window painted, and the resident
// memory one second after the process start.
//
//   bench_startup [runs]        (default 20 of each; QT_QPA_PLATFORM as set, offscreen when unset)
//
// Each run is a fresh process: this program again with --once for the game, and for the bare window the
// same source built without the game (bench_startup_bare), so that it maps only what a bare Qt program
// maps. The two alternate so that a drifting machine weighs on both alike.
// Goal: the game within 1.25 times the bare window on both figures.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#ifndef BRIVANO_BARE_WINDOW
#include "engine/globali.h"
#include "framework/application.h"
#include "framework/media.h"
#include "shell/app.h"
#include "shell/filetypes.h"
#include "start/finstart.h"

extern char** environ;
#endif

namespace {

using Clock = std::chrono::steady_clock;

long long nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// A field of /proc/self/status in kB (VmRSS, RssAnon).
long statusKb(const char* field) {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return 0;
  const QByteArray key = QByteArray(field) + ':';
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(key)) return line.mid(key.size()).trimmed().split(' ').first().toLong();
  }
  return 0;
}

// Notes the first paint of the window that `window` gives (none yet: nullptr).
class ShownWatch : public QObject {
 public:
  explicit ShownWatch(std::function<QWidget*()> window) : window_(std::move(window)) {}
  long long shownNs = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (shownNs == 0 && event->type() == QEvent::Paint) {
      auto* widget = qobject_cast<QWidget*>(watched);
      QWidget* window = window_();
      if (widget && window && widget->window() == window) shownNs = nowNs();
    }
    return false;
  }

 private:
  std::function<QWidget*()> window_;
};

// What the parent reads: the first paint, the resident memory one second after the start and, for the
// game, how long its first card sound and its first remark keep the player waiting.
struct Figures {
  long long shownNs = 0;
  long rssKb = 0, anonKb = 0, peakKb = 0;
  double firstSoundMs = 0, firstRemarkMs = 0;
  long soundRssKb = 0;  // resident memory once the first sound and remark play
};

// Reads the memory one second after the process started (and its peak until then), then asks `quit` to
// end the program.
void measureAfterOneSecond(long long startNs, Figures& figures, std::function<void()> quit) {
  long long waitMs = std::max(0LL, (startNs + 1'000'000'000LL - nowNs()) / 1'000'000);
  QTimer::singleShot(static_cast<int>(waitMs), [&figures, quit = std::move(quit)] {
    figures.rssKb = statusKb("VmRSS");
    figures.anonKb = statusKb("RssAnon");
    figures.peakKb = statusKb("VmHWM");
    quit();
  });
}

int print(const Figures& f, const ShownWatch& watch) {
  std::printf("%lld %ld %ld %ld %f %f %ld\n", watch.shownNs, f.rssKb, f.anonKb, f.peakKb, f.firstSoundMs,
              f.firstRemarkMs, f.soundRssKb);
  return watch.shownNs && f.rssKb ? 0 : 1;
}

#ifdef BRIVANO_BARE_WINDOW
// The floor: a bare main window with a menu and a label.
int bare(int argc, char** argv, long long startNs) {
  QApplication qt(argc, argv);
  QMainWindow window;
  ShownWatch watch([&window] { return &window; });
  qt.installEventFilter(&watch);
  window.menuBar()->addMenu("&File")->addAction("Quit", &qt, &QApplication::quit);
  window.setCentralWidget(new QLabel("Brivano"));
  window.show();
  Figures figures;
  measureAfterOneSecond(startNs, figures, [] { QApplication::quit(); });
  QApplication::exec();
  return print(figures, watch);
}

#else
// One start of the program in this process, as main() does it.
int game(int argc, char** argv, long long startNs) {
  fw::Runtime runtime(argc, argv, "brivano");
  ShownWatch watch([] { return finstart::live() ? finstart::live()->frame() : nullptr; });
  qApp->installEventFilter(&watch);
  Figures figures;
  {
    Globali::resetState();
    measureAfterOneSecond(startNs, figures, [&figures] {
      // The sound and speech back ends are made on first use: that first use must still be quick.
      long long t = nowNs();
      if (Globali::suono) Globali::suono->Play();
      figures.firstSoundMs = (nowNs() - t) / 1e6;
      t = nowNs();
      fw::Speak("Come on, It's your turn!", true);
      figures.firstRemarkMs = (nowNs() - t) / 1e6;
      QTimer::singleShot(300, [&figures] {
        figures.soundRssKb = statusKb("VmRSS");
        fw::Quit(0);
      });
    });
    _Main();
  }
  Globali::resetState();
  FileTypes::release();
  return print(figures, watch);
}

struct Run {
  double toShownMs = 0, rssMb = 0, anonMb = 0, peakMb = 0, firstSoundMs = 0, firstRemarkMs = 0, soundRssMb = 0;
};

bool spawnOnce(const std::string& program, const char* mode, Run& run) {
  int out[2];
  if (pipe(out) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  // Qt's notes about a missing audio device and the like would drown the figures.
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  long long startNs = nowNs();
  std::string flag = mode, start = std::to_string(startNs);
  char* args[] = {const_cast<char*>(program.c_str()), flag.data(), start.data(), nullptr};
  pid_t pid = 0;
  int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, args, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (failed) {
    close(out[0]);
    return false;
  }
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  long long shownNs = 0;
  long rss = 0, anon = 0, peak = 0, soundRss = 0;
  double sound = 0, remark = 0;
  if (std::sscanf(text.c_str(), "%lld %ld %ld %ld %lf %lf %ld", &shownNs, &rss, &anon, &peak, &sound, &remark,
                  &soundRss) != 7 ||
      !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return false;
  }
  run = {(shownNs - startNs) / 1e6, rss / 1024.0, anon / 1024.0, peak / 1024.0, sound, remark, soundRss / 1024.0};
  return true;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void report(const char* what, const std::vector<Run>& game, const std::vector<Run>& bare, double Run::*field,
            const char* unit) {
  auto column = [field](const std::vector<Run>& runs) {
    std::vector<double> values;
    for (const Run& run : runs) values.push_back(run.*field);
    return values;
  };
  const double g = median(column(game)), b = median(column(bare));
  std::printf("%-36s game %7.1f  bare window %7.1f %s   ratio %.2f\n", what, g, b, unit, g / b);
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef BRIVANO_BARE_WINDOW
  return argc > 2 ? bare(argc, argv, std::atoll(argv[2])) : 2;
#else
  if (argc > 2 && std::strcmp(argv[1], "--once") == 0) return game(argc, argv, std::atoll(argv[2]));
  char self[4096] = {};
  if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
  const std::string gameProgram = self, bareProgram = gameProgram + "_bare";

  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::vector<Run> games, bares;
  for (int i = 0; i < runs; ++i) {
    for (const char* mode : {"--once", "--bare"}) {
      // Every run starts as a first run: no preferences, no picture, and nothing of the user's touched.
      QTemporaryDir config, runtime;
      setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
      setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
      Run run;
      if (!spawnOnce(std::strcmp(mode, "--once") == 0 ? gameProgram : bareProgram, mode, run)) {
        std::fprintf(stderr, "run %d %s failed\n", i + 1, mode);
        return 1;
      }
      (std::strcmp(mode, "--once") == 0 ? games : bares).push_back(run);
    }
  }
  std::printf("%d runs of each, platform %s, medians\n", runs, std::getenv("QT_QPA_PLATFORM"));
  report("process start to first window shown", games, bares, &Run::toShownMs, "ms");
  report("resident memory 1 s after start", games, bares, &Run::rssMb, "MB");
  report("  of which anonymous", games, bares, &Run::anonMb, "MB");
  report("peak resident memory until then", games, bares, &Run::peakMb, "MB");
  std::vector<double> sounds, remarks, soundRss;
  for (const Run& run : games) {
    sounds.push_back(run.firstSoundMs);
    remarks.push_back(run.firstRemarkMs);
    soundRss.push_back(run.soundRssMb);
  }
  std::printf("the game's first card sound takes %.2f ms, its first remark %.2f ms (the calls, back ends made)\n",
              median(sounds), median(remarks));
  std::printf("resident memory once both play: %.1f MB\n", median(soundRss));
  return 0;
#endif
}
