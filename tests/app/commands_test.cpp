// Every File-menu command, chosen from the menu bar of every window and by its shortcut.
#include <QGuiApplication>
#include <QScreen>

#include "engine/globali.h"
#include "scoring/winscoring.h"
#include "start/finstart.h"
#include "start/infowin.h"
#include "start/regolewin.h"
#include "start/ruleswin.h"
#include "tests/app/apprun.h"

namespace {

template <class W> fw::Window* liveOf() { return W::live(); }
template <class W> void show() { W::instance().Show(); }

// Each window as a player reaches it.
const struct Place {
  const char* name;
  fw::Window* (*live)();
  void (*open)();
} places[] = {
    {"start_window", liveOf<finstart>, show<finstart>},  {"table_window", liveOf<window1>, [] { apprun::play(); }},
    {"scoring_window", liveOf<winscoring>, show<winscoring>}, {"English_rules", liveOf<ruleswin>, show<ruleswin>},
    {"Italian_rules", liveOf<regolewin>, show<regolewin>},   {"about_box", liveOf<infowin>, show<infowin>},
};

// Leaves this window the only one open; it is reached first so that some window stays.
fw::Window& tidy(const Place& place) {
  if (!place.live()) place.open();
  fw::Window* keep = place.live();
  if (!keep) fw::fatal(std::string(place.name) + " cannot be reached");
  for (fw::Window* window : fw::Window::liveWindows()) {
    if (window != keep) window->Close();
  }
  gui::settle();
  return *keep;
}

const struct Command {
  const char* item;
  Qt::Key key;  // Qt::Key_unknown: no shortcut
} commands[] = {
    {"FileNewgame", Qt::Key_N},     {"FileCustompicture", Qt::Key_T}, {"FileRules", Qt::Key_R},
    {"FileForceredraw", Qt::Key_B}, {"FileMuteSound", Qt::Key_M},     {"FileMuteSpeech", Qt::Key_I},
    {"AppleInfo", Qt::Key_unknown}, {"FileQuit", Qt::Key_Q},
};

class Commands : public apprun::Fixture<::testing::TestWithParam<std::tuple<int, bool>>> {};

TEST_P(Commands, EachCommandDoesItsWorkAndQuitSaves) {
  const auto [where, byShortcut] = GetParam();
  const Place& place = places[where];
  std::string picture = apprun::writePicture(pictures, "me.png", 64, 48);
  int code = apprun::run([&](App& app) {
    for (const Command& command : commands) {
      if (byShortcut && command.key == Qt::Key_unknown) continue;
      SCOPED_TRACE(std::string(command.item) + " from the " + place.name);
      fw::Window& window = tidy(place);
      const std::string item = command.item;
      window1* table = window1::live();
      if (item == "FileCustompicture") fw::queueOpenDialogAnswer(picture);
      if (item == "FileForceredraw" && table) table->control("canvgio", 1).refresh(true);
      bool soundMark = app.menu().item("FileMuteSound").checked();
      bool speechMark = app.menu().item("FileMuteSpeech").checked();
      fw::PicturePtr before = Globali::immagine(41);

      byShortcut ? apprun::pressShortcut(window, command.key) : apprun::chooseFromMenu(window, command.item);
      gui::settle();

      EXPECT_EQ(window1::live() != nullptr, table && item != "FileNewgame" && item != "FileQuit")
          << "only the start window closes the table; no command builds one";
      fw::Window* shown = item == "FileNewgame" ? liveOf<finstart>()
                          : item == "FileRules" ? liveOf<ruleswin>()
                          : item == "AppleInfo" ? liveOf<infowin>()
                                                : &window;
      if (item != "FileQuit") {
        EXPECT_TRUE(shown && shown->frame()->isVisible());
      }
      if (item == "FileCustompicture") {
        EXPECT_NE(Globali::immagine(41), before);
        EXPECT_EQ(Globali::immagine(41)->Width(), 32);
        if (table) {
          EXPECT_EQ(table->control("ImageWell1").image(), Globali::immagine(41));
        }
      } else if (item == "FileForceredraw" && table) {
        const QImage& card = table->control("canvgio", 1).canvasImage();
        EXPECT_NE(card.pixelColor(50, 80).alpha(), 0) << "the hand card is drawn again";
      } else if (item == "FileMuteSound") {
        EXPECT_NE(app.menu().item(item).checked(), soundMark);
        EXPECT_EQ(Globali::suono->Volume(), soundMark ? 100 : 0);
      } else if (item == "FileMuteSpeech") {
        EXPECT_NE(app.menu().item(item).checked(), speechMark);
        EXPECT_EQ(Globali::parlato, speechMark);
      } else if (item == "FileQuit") {
        EXPECT_TRUE(app.quitting());
      }
    }
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(fw::Window::liveWindows().empty()) << "every window closed at quit";
  EXPECT_EQ(apprun::savedPreferences(), apprun::preferences());
  EXPECT_EQ(apprun::savedPicture().size(), QSize(32, 24));
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, Commands, ::testing::Combine(::testing::Range(0, 6), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(places[std::get<0>(info.param)].name) +
                                  (std::get<1>(info.param) ? "_by_shortcut" : "_by_menu");
                         });

class Placement : public apprun::Fixture<> {};

// The start window goes where the desktop puts it; every other window opens in the middle of the main screen.
TEST_F(Placement, WindowsOpenCentredOnTheMainScreen) {
  apprun::run([](App&) {
    const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
    for (const Place& place : places) {
      const QRect frame = tidy(place).frame()->frameGeometry();
      if (place.live != liveOf<finstart>) {
        EXPECT_LE((frame.center() - middle).manhattanLength(), 4) << place.name << ", give or take its border";
      }
    }
  });
}

}  // namespace
