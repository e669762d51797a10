// Every File-menu command, chosen from the menu bar of every window and by its shortcut.
#include <gtest/gtest.h>

#include "engine/globali.h"
#include "framework/files.h"
#include "scoring/winscoring.h"
#include "shell/app.h"
#include "start/finstart.h"
#include "start/infowin.h"
#include "start/regolewin.h"
#include "start/ruleswin.h"
#include "table/window1.h"
#include "tests/app/apprun.h"
#include "tests/support/gui.h"

namespace {

enum class Where { start, table, scoring, rules, regole, about };

const char* nameOf(Where where) {
  switch (where) {
    case Where::start: return "start window";
    case Where::table: return "table window";
    case Where::scoring: return "scoring window";
    case Where::rules: return "English rules";
    case Where::regole: return "Italian rules";
    case Where::about: return "about box";
  }
  return "";
}

fw::Window* liveWindow(Where where) {
  switch (where) {
    case Where::start: return finstart::live();
    case Where::table: return window1::live();
    case Where::scoring: return winscoring::live();
    case Where::rules: return ruleswin::live();
    case Where::regole: return regolewin::live();
    case Where::about: return infowin::live();
  }
  return nullptr;
}

// Brings the window up as a player would reach it, unless it is open already.
fw::Window& reach(Where where) {
  if (fw::Window* open = liveWindow(where)) return *open;
  switch (where) {
    case Where::start: finstart::instance().Show(); break;
    case Where::table:
      gui::click(finstart::instance().control("pushbstart", 0));  // Play
      gui::settle();
      break;
    case Where::scoring: winscoring::instance(); break;
    case Where::rules: ruleswin::instance().Show(); break;
    case Where::regole: regolewin::instance().Show(); break;
    case Where::about: infowin::instance().Show(); break;
  }
  fw::Window* window = liveWindow(where);
  if (!window) fw::fatal(std::string(nameOf(where)) + " cannot be reached");
  return *window;
}

// Leaves the window under test the only one open; it is reached first so that some window stays.
void tidy(Where where) {
  fw::Window& keep = reach(where);
  for (fw::Window* window : fw::Window::liveWindows()) {
    if (window != &keep) window->Close();
  }
  gui::settle();
}

struct Command {
  const char* item;
  Qt::Key key;  // Qt::Key_unknown: no shortcut
};
const Command commands[] = {
    {"FileNewgame", Qt::Key_N},       {"FileCustompicture", Qt::Key_T}, {"FileRules", Qt::Key_R},
    {"FileForceredraw", Qt::Key_B},   {"FileMuteSound", Qt::Key_M},     {"FileMuteSpeech", Qt::Key_I},
    {"AppleInfo", Qt::Key_unknown},
};

class Commands : public ::testing::TestWithParam<std::tuple<Where, bool>> {
 protected:
  void SetUp() override {
    folder = gui::useTemporaryFileFolder();
    pictures = gui::useTemporaryFileFolder();
    fw::setBareFileFolder(folder);
  }
  void TearDown() override { apprun::closeAllWindows(); }
  std::string folder, pictures;
};

TEST_P(Commands, EachCommandDoesItsWorkAndQuitSaves) {
  const auto [where, byShortcut] = GetParam();
  std::string picture = apprun::writePicture(pictures, "me.png", 64, 48);
  int code = apprun::run([&](App& app) {
    auto choose = [&](const Command& command) {
      fw::Window& window = reach(where);
      if (byShortcut) {
        apprun::pressShortcut(window, command.key);
      } else {
        apprun::chooseFromMenu(window, command.item);
      }
    };
    for (const Command& command : commands) {
      if (byShortcut && command.key == Qt::Key_unknown) continue;
      SCOPED_TRACE(std::string(command.item) + " from the " + nameOf(where));
      tidy(where);
      bool tableOpen = window1::live() != nullptr;
      std::string item = command.item;
      if (item == "FileCustompicture") fw::queueOpenDialogAnswer(picture);
      bool soundMark = app.menu().item("FileMuteSound").checked();
      bool speechMark = app.menu().item("FileMuteSpeech").checked();
      fw::PicturePtr before = Globali::immagine(41);
      if (item == "FileForceredraw" && tableOpen) window1::live()->control("canvgio", 1).refresh(true);

      choose(command);
      gui::settle();

      if (item == "FileNewgame") {
        ASSERT_NE(finstart::live(), nullptr);
        EXPECT_TRUE(finstart::live()->frame()->isVisible());
        EXPECT_EQ(window1::live(), nullptr) << "the start window closes the table";
      } else if (item == "FileCustompicture") {
        ASSERT_NE(Globali::immagine(41), before);
        EXPECT_EQ(Globali::immagine(41)->Width(), 32);
        EXPECT_EQ(window1::live() != nullptr, tableOpen) << "no table window is built";
        if (tableOpen) {
          EXPECT_EQ(window1::live()->control("ImageWell1").image(), Globali::immagine(41));
        }
      } else if (item == "FileRules") {
        ASSERT_NE(ruleswin::live(), nullptr);
        EXPECT_TRUE(ruleswin::live()->frame()->isVisible());
      } else if (item == "FileForceredraw") {
        EXPECT_EQ(window1::live() != nullptr, tableOpen) << "no table window is built";
        if (tableOpen) {
          const QImage& card = window1::live()->control("canvgio", 1).canvasImage();
          EXPECT_NE(card.pixelColor(50, 80).alpha(), 0) << "the hand card is drawn again";
        }
      } else if (item == "FileMuteSound") {
        EXPECT_NE(app.menu().item("FileMuteSound").checked(), soundMark);
        EXPECT_EQ(Globali::suono->Volume(), soundMark ? 100 : 0);
      } else if (item == "FileMuteSpeech") {
        EXPECT_NE(app.menu().item("FileMuteSpeech").checked(), speechMark);
        EXPECT_EQ(Globali::parlato, speechMark);
      } else if (item == "AppleInfo") {
        ASSERT_NE(infowin::live(), nullptr);
        EXPECT_TRUE(infowin::live()->frame()->isVisible());
      }
    }
    tidy(where);
    choose({"FileQuit", Qt::Key_Q});
    EXPECT_TRUE(app.quitting());
  });
  EXPECT_EQ(code, 0);
  for (Where w : {Where::start, Where::table, Where::scoring, Where::rules, Where::regole, Where::about}) {
    EXPECT_EQ(liveWindow(w), nullptr) << nameOf(w) << " closed at quit";
  }
  EXPECT_EQ(apprun::readLines(folder + "/brivanoprfs.txt").size(), 14u);
  auto saved = fw::OpenAsPicture("qvdimage.pct");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->Width(), 32);
  EXPECT_EQ(saved->Height(), 24);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, Commands,
                         ::testing::Combine(::testing::Values(Where::start, Where::table, Where::scoring, Where::rules,
                                                              Where::regole, Where::about),
                                            ::testing::Bool()),
                         [](const auto& info) {
                           std::string name = nameOf(std::get<0>(info.param));
                           for (char& c : name) c = c == ' ' ? '_' : c;
                           return name + (std::get<1>(info.param) ? "_by_shortcut" : "_by_menu");
                         });

}  // namespace
