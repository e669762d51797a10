#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/menu.h"
#include "framework/window.h"
#include "tests/support/gui.h"

namespace {

std::vector<std::string> journal;

template <int N>
class plainwin : public fw::WindowOf<plainwin<N>> {
 public:
 protected:
  fw::WindowProperties properties() const override { return {.title = "W" + std::to_string(N), .width = 100, .height = 80}; }
  std::vector<fw::ControlRow> layout() const override { return {}; }
  void Event_Close() override { journal.push_back("close W" + std::to_string(N)); }
};
using first = plainwin<1>;
using second = plainwin<2>;

class TestApp : public fw::Application {
 public:
  fw::MenuBar bar;
  TestApp() {
    bar.append("", "FileMenu", "&File");
    bar.append("FileMenu", "FileNewgame", "New game", "Cmd+N");
    bar.append("FileMenu", "UntitledMenu1", "-");
    bar.append("FileMenu", "FileMuteSound", "Mute Sound", "Cmd+M", true);
    bar.append("FileMenu", "FileQuit", "Quit", "Cmd+Q");
    setMenuBar(&bar);
    addMenuHandler("FileNewgame", [] {
      journal.push_back("new game");
      return false;
    });
    addMenuHandler("FileMuteSound", [this] {
      // The handler sees the mark as it was before the choice and sets it itself.
      auto& item = bar.item("FileMuteSound");
      journal.push_back(item.checked() ? "was checked" : "was clear");
      item.setChecked(!item.checked());
      return false;
    });
    addMenuHandler("FileQuit", [] {
      fw::Quit(0);
      return false;
    });
  }
  void Event_Open() override { journal.push_back("open"); }
  void Event_EnableMenuItems() override { journal.push_back("enable"); }
  void Event_Close() override { journal.push_back("app close"); }
};

class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override { journal.clear(); }
};

TEST_F(ApplicationTest, MenuItemsAreFoundByNameWithTheirShortcuts) {
  TestApp app;
  EXPECT_EQ(app.bar.item("FileNewgame").shortcut(), "Ctrl+N");
  EXPECT_EQ(app.bar.item("FileNewgame").text(), "New game");
  EXPECT_EQ(app.bar.item("FileMenu").text(), "&File");
  EXPECT_TRUE(app.bar.item("UntitledMenu1").separator());
  EXPECT_EQ(app.bar.find("Nothing"), nullptr);
  app.bar.item("FileMenu").setText("Archivio");
  EXPECT_EQ(app.bar.item("FileMenu").text(), "Archivio");
  std::vector<std::string> names;
  for (auto* item : app.bar.items()) names.push_back(item->name());
  EXPECT_EQ(names, (std::vector<std::string>{"FileMenu", "FileNewgame", "UntitledMenu1", "FileMuteSound", "FileQuit"}));
}

TEST_F(ApplicationTest, ACheckMarkTogglesOncePerChoice) {
  TestApp app;
  auto& item = app.bar.item("FileMuteSound");
  item.action()->trigger();
  EXPECT_TRUE(item.checked());
  item.action()->trigger();
  EXPECT_FALSE(item.checked());
  item.action()->trigger();
  EXPECT_TRUE(item.checked());
  EXPECT_EQ(journal, (std::vector<std::string>{"was clear", "was checked", "was clear"}));
}

TEST_F(ApplicationTest, ShortcutsReachTheHandlerFromAnyWindow) {
  TestApp app;
  first& w = first::instance();
  w.frame()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.frame()));
  QTest::keyClick(w.frame(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(journal, (std::vector<std::string>{"new game"}));
  w.Close();
  gui::settle();
}

TEST_F(ApplicationTest, QuitClosesEveryWindowThenTheApplication) {
  TestApp app;
  QTimer::singleShot(0, [] {
    first::instance();
    second::instance();
    QTimer::singleShot(0, [] { fw::Quit(0); });
  });
  EXPECT_EQ(app.run(), 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"open", "close W2", "close W1", "app close"}));
  EXPECT_EQ(first::live(), nullptr);
  EXPECT_EQ(second::live(), nullptr);
}

TEST_F(ApplicationTest, ClosingTheLastWindowQuitsOnceTheHandlerIsDone) {
  TestApp app;
  QTimer::singleShot(0, [] {
    first::instance();
    // Closing one window and opening the next in one handler is not "the last window closed".
    QTimer::singleShot(0, [] {
      first::instance().Close();
      second::instance();
      journal.push_back("swapped");
      QTimer::singleShot(20, [] {
        journal.push_back("still running");
        second::instance().frame()->close();  // the close box
      });
    });
  });
  QTimer::singleShot(5000, [] { QApplication::exit(99); });  // a safety net, never reached
  EXPECT_EQ(app.run(), 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"open", "close W1", "swapped", "still running", "close W2", "app close"}));
}

TEST_F(ApplicationTest, WindowsWithoutARunningLoopNeverQuit) {
  TestApp app;
  first::instance().Close();
  gui::settle();
  EXPECT_FALSE(app.quitting());
}

}  // namespace
