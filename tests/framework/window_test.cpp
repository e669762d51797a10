#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/menu.h"
#include "framework/window.h"
#include "tests/support/gui.h"

namespace {

fw::PicturePtr redSquare() {
  static fw::PicturePtr picture = [] {
    auto p = fw::NewPicture(10, 10);
    QImage& image = const_cast<QImage&>(p->image());
    image.fill(QColor(255, 0, 0));
    return p;
  }();
  return picture;
}

// A small window with a control array of overlapping canvases, as the table has.
class testwin : public fw::WindowOf<testwin> {
 public:
  std::vector<std::string> heard;
  int opened = 0, closedEvents = 0;
  inline static int built = 0;

  testwin() {
    ++built;
    handle("cards_MouseDown", &testwin::cards_MouseDown);
    handle("cards_MouseEnter", [this](fw::Control& c) { heard.push_back("enter " + std::to_string(c.index())); });
    handle("cards_MouseExit", [this](fw::Control& c) { heard.push_back("exit " + std::to_string(c.index())); });
    handle("ok_Action", &testwin::ok_Action);
    handle("name_Open", [this](fw::Control& c) {
      heard.push_back("name open");
      c.setText("opened");
    });
    handle("name_LostFocus", [this](fw::Control& c) { heard.push_back("lost " + c.text()); });
  }

  void cards_MouseDown(int index) { heard.push_back("down " + std::to_string(index)); }
  void ok_Action() {
    heard.push_back("ok");
    Close();
    heard.push_back("after close");  // the window must still be usable here
  }

 protected:
  fw::WindowProperties properties() const override { return {.title = "Test", .width = 300, .height = 200}; }
  std::vector<fw::ControlRow> layout() const override {
    std::vector<fw::ControlRow> rows;
    rows.push_back({.name = "label", .kind = fw::Kind::StaticText, .left = 5, .top = 5, .width = 100,
                    .height = 20, .text = "hello"});
    fw::addMembers(rows, 1, 3, [](int i) {
      return fw::ControlRow{.name = "cards", .index = i, .kind = fw::Kind::Canvas, .left = 10 + 20 * (i - 1),
                            .top = 40, .width = 50, .height = 50,
                            .events = {"MouseDown", "MouseEnter", "MouseExit"}};
    });
    rows.push_back({.name = "ok", .kind = fw::Kind::PushButton, .left = 200, .top = 150, .width = 80,
                    .height = 20, .text = "OK", .events = {"Action"}});
    rows.push_back({.name = "name", .kind = fw::Kind::EditField, .left = 5, .top = 120, .width = 90,
                    .height = 20, .hasBorder = true, .text = "Player", .events = {"Open", "LostFocus"}});
    rows.push_back({.name = "bar", .kind = fw::Kind::ProgressBar, .left = 5, .top = 150, .width = 100,
                    .height = 12, .maximum = 21});
    rows.push_back({.name = "rect", .kind = fw::Kind::Rectangle, .left = 150, .top = 5, .width = 20,
                    .height = 8, .fill = fw::hex(0x00ffff), .visible = false});
    return rows;
  }
  void Event_Open() override { ++opened; }
  void Event_Close() override { ++closedEvents; }
};

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (auto* w = testwin::live()) w->Close();
    gui::settle();
  }
};

TEST_F(WindowTest, BuiltFromItsLayoutInOrder) {
  testwin& w = testwin::instance();
  ASSERT_EQ(w.controls().size(), 8u);
  EXPECT_EQ(w.controls()[1]->name(), "cards");
  EXPECT_EQ(w.controls()[1]->index(), 1);
  EXPECT_EQ(w.control("cards", 3).left(), 50);
  EXPECT_EQ(w.control("label").text(), "hello");
  EXPECT_FALSE(w.control("rect").visible());
  EXPECT_EQ(w.findControl("cards", 4), nullptr);
  EXPECT_EQ(w.findControl("cards"), nullptr) << "a member is found only with its index";
  EXPECT_EQ(w.opened, 1);
  EXPECT_EQ(w.heard.front(), "name open") << "control Open events come before the window's";
  EXPECT_EQ(w.control("name").text(), "opened");
  EXPECT_TRUE(w.frame()->isVisible());
  EXPECT_EQ(w.content()->size(), QSize(300, 200));
}

TEST_F(WindowTest, OneLiveInstanceBuiltOnFirstReference) {
  int before = testwin::built;
  EXPECT_EQ(testwin::live(), nullptr);
  testwin& a = testwin::instance();
  testwin& b = testwin::instance();
  EXPECT_EQ(&a, &b);
  EXPECT_EQ(testwin::built, before + 1);
  a.Close();
  EXPECT_EQ(testwin::live(), nullptr);
  gui::settle();
  testwin& c = testwin::instance();
  EXPECT_EQ(testwin::built, before + 2);
  EXPECT_EQ(c.control("name").text(), "opened") << "a new instance starts from its layout";
}

TEST_F(WindowTest, ArrayMembersShareOneHandlerThatKnowsTheIndex) {
  testwin& w = testwin::instance();
  w.heard.clear();
  gui::click(w.control("cards", 2));
  gui::click(w.control("cards", 2), Qt::RightButton);
  gui::enter(w.control("cards", 3));
  gui::leave(w.control("cards", 3));
  EXPECT_EQ(w.heard, (std::vector<std::string>{"down 2", "enter 3", "exit 3"}))
      << "only the left button clicks";
}

TEST_F(WindowTest, OverlappingCanvasesTakeClicksAsTheyAreDrawn) {
  testwin& w = testwin::instance();
  // Drawn right to left, as the table is: the left card lies on top.
  for (int i = 3; i >= 1; --i) w.control("cards", i).graphics().DrawPicture(redSquare(), 0, 0);
  w.heard.clear();
  // x 35 lies in cards 1 (10..59) and 2 (30..79): card 1 was drawn last.
  ASSERT_TRUE(gui::clickAt(w, QPoint(35, 60)));
  ASSERT_TRUE(gui::clickAt(w, QPoint(65, 60)));  // 2 and 3 overlap: card 2 on top
  ASSERT_TRUE(gui::clickAt(w, QPoint(85, 60)));  // only 3
  EXPECT_EQ(w.heard, (std::vector<std::string>{"down 1", "down 2", "down 3"}));
  gui::click(w.control("cards", 2));  // a click on its visible strip reaches it
  EXPECT_EQ(w.heard.back(), "down 2");
}

TEST_F(WindowTest, CanvasKeepsItsDrawingUntilErased) {
  testwin& w = testwin::instance();
  fw::Control& canvas = w.control("cards", 1);
  canvas.graphics().DrawPicture(redSquare(), 5, 5);
  canvas.graphics().ForeColor = fw::RGB(0, 0, 255);
  canvas.graphics().DrawLine(0, 30, 49, 30);
  w.frame()->hide();
  w.frame()->show();
  QCoreApplication::processEvents();
  EXPECT_EQ(canvas.canvasImage().pixelColor(7, 7), QColor(255, 0, 0));
  EXPECT_EQ(canvas.canvasImage().pixelColor(25, 30), QColor(0, 0, 255));
  EXPECT_EQ(canvas.canvasImage().pixelColor(25, 31).alpha(), 0) << "lines are one pixel wide";
  canvas.refresh(true);
  EXPECT_EQ(canvas.canvasImage().pixelColor(7, 7).alpha(), 0);
  // What shows through an erased canvas is the window's backdrop.
  QImage shot = w.content()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(17, 47), w.content()->palette().window().color());
}

TEST_F(WindowTest, CloseFromItsOwnHandlerRunsCloseOnceAndLeavesTheWindowUsable) {
  testwin& w = testwin::instance();
  w.heard.clear();
  gui::click(w.control("ok"));
  EXPECT_EQ(w.heard, (std::vector<std::string>{"ok", "after close"}));
  EXPECT_EQ(w.closedEvents, 1);
  EXPECT_EQ(testwin::live(), nullptr);
  w.Close();  // a second close does nothing
  EXPECT_EQ(w.closedEvents, 1);
  gui::settle();
}

TEST_F(WindowTest, ClosingTellsAFocusedFieldItLostTheFocus) {
  testwin& w = testwin::instance();
  w.frame()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.frame()));
  gui::type(w.control("name"), "X");
  w.heard.clear();
  w.Close();
  ASSERT_FALSE(w.heard.empty());
  EXPECT_EQ(w.heard.front(), "lost openedX");
}

TEST_F(WindowTest, ProgressBarShowsATotalPastItsMaximumAsFull) {
  testwin& w = testwin::instance();
  fw::Control& bar = w.control("bar");
  bar.setValue(30);
  EXPECT_EQ(bar.value(), 21);
  bar.setMaximum(40);
  bar.setValue(30);
  EXPECT_EQ(bar.value(), 30);
}

TEST_F(WindowTest, ControlsKeepTheirPlacesBelowAMenuBar) {
  fw::Application app;
  fw::MenuBar bar;
  bar.append("", "FileMenu", "&File");
  bar.append("FileMenu", "FileQuit", "Quit", "Cmd+Q");
  app.setMenuBar(&bar);
  testwin& w = testwin::instance();
  auto* menu = w.frame()->findChild<QMenuBar*>();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(w.control("cards", 1).widget()->mapTo(w.frame(), QPoint(0, 0)).y(),
            40 + menu->sizeHint().height());
  EXPECT_EQ(w.control("cards", 1).top(), 40);
  w.Close();
  gui::settle();
}

}  // namespace
