// The table window on a real X server, at every phase of a hand: unmapped and mapped again by another X
// client, then covered by the rules and uncovered, it gets one Paint each time, which mends the cards spoilt
// as it comes, and shows the very pixels it showed before. Run by tests/support/under_xvfb.sh.
#include <QApplication>
#include <QCursor>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <functional>
#include <map>

#include "start/ruleswin.h"
#include "tests/deal/table_setup.h"
#include "tests/play/bot.h"
#include "tests/table/paint_watch.h"

namespace {

using namespace table;

// What the X server holds of the window, read back from it.
QImage onScreen(window1& w) {
  QApplication::sync();
  return w.frame()->screen()->grabWindow(w.frame()->winId()).toImage();
}

void xdotool(const QStringList& arguments) {
  ASSERT_EQ(QProcess::execute("xdotool", arguments), 0) << arguments.join(' ').toStdString();
}

TEST_F(TableTest, OnAnXServerTheTableWindowShownAgainKeepsEveryPixelAtEveryPhase) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "on an X server: run it by under_xvfb.sh";
  QApplication::setCursorFlashTime(0);  // a steady text cursor: a blink is no change of the table's
  QCursor::setPos(0, 0);                // away from the window: no card shows the bar of a card pointed at
  newgame();
  window1& w = tableWindow();
  tabletest::PaintWatch watch;
  w.installEventFilter(&watch);
  ASSERT_TRUE(QTest::qWaitFor([&] { return watch.paints == 1; }, 5000)) << "a Paint when first shown";
  const QString id = QString::number(w.frame()->winId());
  const std::pair<std::function<void()>, std::function<void()>> ways[] = {
      {[&] { xdotool({"windowunmap", "--sync", id}); }, [&] { xdotool({"windowmap", "--sync", id}); }},
      {[] {
         ruleswin::instance().Show();
         EXPECT_TRUE(QTest::qWaitForWindowExposed(ruleswin::instance().frame()));
       },
       [] { ruleswin::instance().Close(), gui::settle(); }},
  };
  bot::Bot player([](fw::Control& c) { gui::click(c); }, 3);
  std::map<fasemano, int> checked;
  for (int clicks = 0; window1::live() && clicks < 400; ++clicks) {
    for (int way = 0; way < 2 && checked[fase()] < 2; ++way) {
      SCOPED_TRACE("phase " + std::to_string(static_cast<int>(fase())) + (way ? ", covered" : ", mapped"));
      ++checked[fase()];
      w.frame()->activateWindow();  // no window manager here to give the focus back
      ASSERT_TRUE(QTest::qWaitForWindowActive(w.frame()));
      const QImage before = onScreen(w);
      const int paints = watch.paints;
      watch.arriving = [&w] { tabletest::spoilRedrawnCards(w); };
      ways[way].first();
      ways[way].second();
      ASSERT_TRUE(QTest::qWaitFor([&] { return watch.paints > paints; }, 5000)) << "no Paint";
      watch.arriving = nullptr;
      w.frame()->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(w.frame()));
      QTest::qWait(100);  // for any further Paint
      EXPECT_EQ(watch.paints, paints + 1) << "one Paint for one showing";
      EXPECT_TRUE(onScreen(w) == before) << "pixels changed";
    }
    ASSERT_TRUE(player.move());
    gui::settle();
  }
  EXPECT_EQ(checked.size(), 4u) << "to play, the player's card, the computer's card, the end of the hand";
}

}  // namespace
