// Start-up of the whole program: from the process start to the start window on screen, and peak memory.
// Run by hand:  bench_startup [runs]        (default 20; QT_QPA_PLATFORM as set, offscreen when unset)
// Each run is a fresh process (this program again, with --once), so nothing is cached between runs.
// Goal on a desktop machine: under 300 ms to the start window and under 80 MB.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/globali.h"
#include "framework/application.h"
#include "shell/app.h"
#include "start/finstart.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

long long nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

long peakKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Notes the first paint of the start window, then quits as the player would.
class ShownWatch : public QObject {
 public:
  long long shownNs = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (shownNs == 0 && event->type() == QEvent::Paint) {
      auto* widget = qobject_cast<QWidget*>(watched);
      finstart* start = finstart::live();
      if (widget && start && widget->window() == start->frame()) {
        shownNs = nowNs();
        QTimer::singleShot(0, [] { fw::Quit(0); });
      }
    }
    return false;
  }
};

// One start of the program in this process, as main() does it; prints what the parent reads.
int once(int argc, char** argv, long long mainNs) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName("brivano");
  ShownWatch watch;
  qt.installEventFilter(&watch);
  long long shownKb = 0;
  {
    Globali::resetState();
    App app;
    app.addMenuHandlers();
    QTimer::singleShot(0, [&] {
      QTimer::singleShot(0, [&] { shownKb = peakKb(); });
    });
    app.run();
  }
  Globali::resetState();
  std::printf("%lld %lld %lld %ld\n", watch.shownNs, watch.shownNs - mainNs, shownKb, peakKb());
  return watch.shownNs ? 0 : 1;
}

struct Run {
  double toShownMs, inMainMs, wholeMs;
  long shownKb, peakKb;
};

bool spawnOnce(const char* self, Run& run) {
  int out[2];
  if (pipe(out) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  // Qt's notes about a missing audio device and the like would drown the figures.
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::string flag = "--once";
  char* args[] = {const_cast<char*>(self), flag.data(), nullptr};
  pid_t pid = 0;
  long long startNs = nowNs();
  int failed = posix_spawn(&pid, self, &actions, nullptr, args, environ);
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
  long long endNs = nowNs();
  long long shownNs = 0, inMainNs = 0, shownKb = 0, peak = 0;
  if (std::sscanf(text.c_str(), "%lld %lld %lld %lld", &shownNs, &inMainNs, &shownKb, &peak) != 4 ||
      !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return false;
  }
  run = {(shownNs - startNs) / 1e6, inMainNs / 1e6, (endNs - startNs) / 1e6, static_cast<long>(shownKb),
         static_cast<long>(peak)};
  return true;
}

void report(const char* what, std::vector<double> values, const char* unit) {
  std::sort(values.begin(), values.end());
  double median = values[values.size() / 2];
  std::printf("%-38s min %7.1f  median %7.1f  max %7.1f %s\n", what, values.front(), median, values.back(), unit);
}

}  // namespace

int main(int argc, char** argv) {
  long long mainNs = nowNs();
  if (argc > 1 && std::strcmp(argv[1], "--once") == 0) return once(argc, argv, mainNs);

  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Every run starts as a first run: no preferences, no picture, and nothing of the user's touched.
  std::vector<Run> all;
  for (int i = 0; i < runs; ++i) {
    QTemporaryDir config, runtime;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    Run run{};
    if (!spawnOnce("/proc/self/exe", run)) {
      std::fprintf(stderr, "run %d failed\n", i + 1);
      return 1;
    }
    all.push_back(run);
  }
  auto column = [&](auto field) {
    std::vector<double> values;
    for (const Run& run : all) values.push_back(static_cast<double>(run.*field));
    return values;
  };
  std::printf("%d runs, platform %s\n", runs, std::getenv("QT_QPA_PLATFORM"));
  report("process start to start window painted", column(&Run::toShownMs), "ms");
  report("  of which after main() began", column(&Run::inMainMs), "ms");
  report("whole run (start, show, quit, save)", column(&Run::wholeMs), "ms");
  std::vector<double> shown, peak;
  for (const Run& run : all) {
    shown.push_back(run.shownKb / 1024.0);
    peak.push_back(run.peakKb / 1024.0);
  }
  report("peak memory when shown", shown, "MB");
  report("peak memory over the run", peak, "MB");
  return 0;
}
