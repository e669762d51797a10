// Plays whole games headless through the real windows, a simple player against the computer,
// and reports how fast: games per second, and the time of one press of the traffic light
// (the handler with all its drawing, then with the repaint of the window), of a click that speaks a
// remark (run it with a sound server for the real cost of speech) and of one hand.
//
//   bench_play [games] [--silent]   (default 20 games to 21 points; --silent: no speech, no card sound,
//                                    to tell the game's own cost from the media services)
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/globali.h"
#include "framework/media.h"
#include "framework/values.h"
#include "scoring/winscoring.h"
#include "table/window1.h"
#include "tests/deal/table_setup.h"
#include "tests/play/bot.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A left click in the middle of the control's widget, as the window system would deliver it.
void click(fw::Control& control) {
  QWidget* w = control.widget();
  QPointF local(w->width() / 2.0, w->height() / 2.0);
  QPointF global = w->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &release);
}

struct Stats {
  std::vector<double> values;
  void add(double v) { values.push_back(v); }
  double median() {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
  }
  double worst() const { return values.empty() ? 0 : *std::max_element(values.begin(), values.end()); }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir runtime;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  QApplication app(argc, argv);
  const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const bool silent = argc > 2 && std::string(argv[2]) == "--silent";

  table::usualOptions();
  if (silent) {
    Globali::parlato = false;
    Globali::suono = nullptr;
  }
  fw::seedRnd(1);
  bot::Bot player(click, 1);
  Stats press, pressRepaint, lastPress, hand, remarkPress;
  int hands = 0;

  Globali::newgame();
  QCoreApplication::processEvents();

  const auto start = Clock::now();
  for (int game = 0; game < games;) {
    const auto handStart = Clock::now();
    while (window1::live()) {
      const int presses = player.presses;
      const size_t remarks = fw::mediaLog().spoken.size();
      const auto t = Clock::now();
      if (!player.move()) break;
      const double handler = msSince(t);
      QCoreApplication::processEvents();
      if (player.presses != presses && !window1::live()) {
        lastPress.add(handler);  // it builds and shows the scoring window
      } else if (player.presses != presses) {
        press.add(handler);
        pressRepaint.add(msSince(t));
      }
      if (fw::mediaLog().spoken.size() != remarks) remarkPress.add(msSince(t));
    }
    hand.add(msSince(handStart));
    ++hands;
    winscoring* scoring = winscoring::live();
    if (!scoring) {
      std::fprintf(stderr, "the hand ended without a scoring window\n");
      return 1;
    }
    // The first press scores the hand; the second deals the next one or starts a new game.
    click(scoring->control("prendibott"));
    if (scoring->calcola == 2) ++game;
    click(scoring->control("prendibott"));
    QCoreApplication::processEvents();
    fw::discardClosedWindows();
  }
  const double seconds = msSince(start) / 1000.0;

  std::printf("%d games, %d hands, %zu presses in %.2f s\n", games, hands,
              press.values.size() + lastPress.values.size(), seconds);
  std::printf("games per second:        %.2f\n", games / seconds);
  std::printf("press (handler):         median %.3f ms, worst %.3f ms\n", press.median(), press.worst());
  std::printf("press (with repaint):    median %.3f ms, worst %.3f ms\n", pressRepaint.median(), pressRepaint.worst());
  std::printf("click that speaks:       median %.3f ms, worst %.3f ms (%zu, with repaint)\n", remarkPress.median(),
              remarkPress.worst(), remarkPress.values.size());
  std::printf("last press of a hand:    median %.3f ms, worst %.3f ms (opens the scoring window)\n",
              lastPress.median(), lastPress.worst());
  std::printf("hand (bot and computer): median %.1f ms, worst %.1f ms\n", hand.median(), hand.worst());
  return 0;
}
