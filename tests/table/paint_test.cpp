// The table window's Paint: whenever the window system shows it again, the table and hand cards are drawn
// again and nothing on screen changes; a hand of clicks never asks for it.
#include <QCoreApplication>
#include <map>

#include "tests/deal/table_setup.h"
#include "tests/play/bot.h"
#include "tests/table/paint_watch.h"

namespace {

using namespace table;

// The window system's request, then the Paint it posts: a turn each, and a spare one.
void turns() {
  for (int turn = 0; turn < 3; ++turn) gui::settle();
}

class TablePaint : public TableTest, public ::testing::WithParamInterface<bool> {};

// A whole hand by a player's clicks, the window hidden and shown again before every click, by turns twice
// in one turn of the event loop or hidden for a turn: each time one Paint, which redraws the cards (spoilt as
// it arrives), and the same pixels as before. No click raises a Paint, and one still on its way when the
// last press closes the window finds it gone.
TEST_P(TablePaint, ShowingTheWindowAgainRedrawsItsCardsOnceAtEveryPhaseAndChangesNoPixel) {
  if (GetParam()) pref_trevi = pref_cs = true, pref_tc = 3;  // other card pictures, the computer's face up
  newgame();
  window1& w = tableWindow();
  tabletest::PaintWatch watch;
  w.installEventFilter(&watch);
  turns();
  EXPECT_EQ(watch.paints, 1) << "the table window shown for the first hand";
  // Shown again, this platform leaves the window inactive, without the name field's text cursor: so it is
  // from the start.
  w.frame()->hide();
  w.frame()->show();
  turns();
  bot::Bot player([](fw::Control& c) { gui::click(c); }, 7);
  std::map<fasemano, int> seen;
  for (int clicks = 0; window1::live() && clicks < 400; ++clicks) {
    const fasemano phase = fase();
    ++seen[phase];
    SCOPED_TRACE("click " + std::to_string(clicks) + " in phase " + std::to_string(static_cast<int>(phase)));
    const QImage before = w.frame()->grab().toImage();
    watch.paints = 0;
    watch.arriving = [&w] { tabletest::spoilRedrawnCards(w); };
    if (clicks % 2) {
      w.frame()->hide(), w.frame()->show();
      w.frame()->hide(), w.frame()->show();
    } else {
      w.frame()->hide();
      turns();
      w.frame()->show();
    }
    turns();
    watch.arriving = nullptr;
    EXPECT_EQ(watch.paints, 1);
    EXPECT_TRUE(w.frame()->grab().toImage() == before) << "the spoilt cards were drawn again, and only as they were";
    if (phase == fasemano::finemano) QCoreApplication::postEvent(&w, new QEvent(fw::Window::paintEventType()));
    ASSERT_TRUE(player.move());
    turns();
    EXPECT_TRUE(!window1::live() || watch.paints == 1) << "a click raises no Paint";
  }
  EXPECT_EQ(window1::live(), nullptr) << "the hand is over, and no Paint built a new table window";
  for (fasemano phase : {fasemano::attesapla, fasemano::giocatapla, fasemano::giocatamac, fasemano::finemano})
    EXPECT_GT(seen[phase], 0) << "phase " << static_cast<int>(phase);
}

INSTANTIATE_TEST_SUITE_P(Options, TablePaint, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Trevisan_uncovered_three_at_a_time" : "usual"; });

}  // namespace
