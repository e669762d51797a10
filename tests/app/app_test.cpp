// The whole program run in the test process: given the files it finds, what it shows and writes at quit,
// and every File-menu command chosen from every window, by the menu and by its shortcut.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>

#include "engine/globali.h"
#include "framework/fatal.h"
#include "framework/files.h"
#include "scoring/winscoring.h"
#include "shell/app.h"
#include "shell/filetypes.h"
#include "shell/playerpicture.h"
#include "shell/resources.h"
#include "start/finstart.h"
#include "start/infowin.h"
#include "start/regolewin.h"
#include "start/ruleswin.h"
#include "table/window1.h"
#include "tests/support/gui.h"

namespace {

// Each run starts from empty globals, as a new process does, and ends with Quit unless the steps quit.
int run(const std::function<void(App&)>& steps) {
  Globali::resetState();
  // Queued twice so that the steps come after the application's Open event.
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(0, [&] {
      App& app = App::instance();
      steps(app);
      if (!app.quitting()) fw::Quit(0);
    });
  });
  int code = _Main();
  gui::settle();
  return code;
}

// Makes the window the active one: shortcuts reach only that one.
void activate(fw::Window& window) {
  window.frame()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.frame())) << window.title();
}

// Chooses the item from the File menu of this window's own menu bar, as it drops down.
void chooseFromMenu(fw::Window& window, const std::string& itemName) {
  QAction* wanted = App::instance().menu().item(itemName).action();
  QMenu* menu = window.frame()->findChild<QMenuBar*>()->actions().at(0)->menu();
  ASSERT_TRUE(menu->actions().contains(wanted)) << itemName;
  emit menu->aboutToShow();
  ASSERT_TRUE(wanted->isEnabled()) << itemName;
  wanted->trigger();
}

// Clicks Play in the start window and gives the table window with the first hand dealt.
window1& play() {
  gui::click(finstart::instance().control("pushbstart", 0));
  gui::settle();
  if (!window1::live()) fw::fatal("Play opened no table window");
  return *window1::live();
}

// A preferences file as the program writes it: the defaults with these changes by line number (from 1).
using Changes = std::vector<std::pair<int, std::string>>;
std::string preferences(const Changes& changes = {}) {
  std::vector<std::string> lines = {"1", "", "", "Player", "Computer", "60", "1", "1", "0", "21", "1", "0", "100", "0"};
  for (const auto& [line, text] : changes) lines.at(static_cast<std::size_t>(line - 1)) = text;
  std::string file;
  for (const auto& line : lines) file += line + "\n";
  return file;
}

std::string readBytes(const std::string& name) {
  QFile file(QString::fromStdString(fw::bareFilePath(name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void writeBytes(const std::string& name, const std::string& bytes) {
  QFile file(QString::fromStdString(fw::bareFilePath(name)));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), std::ssize(bytes)) == std::ssize(bytes));
}

// The player's picture as saved (null when absent).
QImage savedPicture() {
  fw::PicturePtr picture = fw::OpenAsPicture(PlayerPicture::fileName);
  return picture ? picture->image() : QImage();
}

// A picture file of w by h, red on the left half and blue on the right; gives its path.
std::string writePicture(const std::string& name, int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::blue);
  QPainter(&image).fillRect(0, 0, w / 2, h, Qt::red);
  EXPECT_TRUE(image.save(QString::fromStdString(fw::bareFilePath(name)), "PNG"));
  return fw::bareFilePath(name);
}

// Names longer than the 32,767 characters a Qt line edit takes unless told otherwise.
const std::string longA = std::string(40000, 'a') + "z", longB = "y" + std::string(40000, 'b');

void quitFromMenu(App& app) { app.menu().item("FileQuit").action()->trigger(); }

// The texts of the real open dialog that the picture command shows, which is then cancelled.
std::string openDialogTexts(App& app) {
  std::string texts;
  QTimer::singleShot(0, [&texts] {
    auto* open = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!open) return;
    QString cancel = open->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
    texts = (open->windowTitle() + "|" + cancel + "|" + open->nameFilters().join("")).toStdString();
    open->reject();
  });
  app.menu().item("FileCustompicture").action()->trigger();
  return texts;
}

// Choices that change nothing, one from the menu, then one by a click on the table's picture well.
void choosePictures(App& app) {
  const fw::PicturePtr before = Globali::immagine(41);
  writeBytes("notes.txt", "not a picture\n");
  for (const auto& answer : {std::optional<std::string>(), std::optional(fw::bareFilePath("notes.txt"))}) {
    fw::queueOpenDialogAnswer(answer);
    app.menu().item("FileCustompicture").action()->trigger();
    EXPECT_EQ(Globali::immagine(41), before);
    EXPECT_EQ(fw::lastOpenDialogFileType(), "special/any") << "any file may be chosen";
  }
  fw::queueOpenDialogAnswer(writePicture("wide.jpg", 64, 48));  // PNG inside
  app.menu().item("FileCustompicture").action()->trigger();
  // The whole file drawn over the whole 32 x 24 picture: red from the left edge, blue to the right one.
  const QImage& chosen = Globali::immagine(41)->image();
  EXPECT_TRUE(chosen.pixelColor(0, 0).red() > 200 && chosen.pixelColor(31, 23).blue() > 200);
  window1& table = play();
  fw::queueOpenDialogAnswer(writePicture("tall.png", 80, 320));
  gui::click(table.control("ImageWell1"));
  EXPECT_EQ(Globali::immagine(41)->image().size(), QSize(8, 32));
  EXPECT_EQ(table.control("ImageWell1").image(), Globali::immagine(41));
  EXPECT_EQ(winscoring::instance().control("ImageWell1").image(), Globali::immagine(41));
}

// The start window's "Trevisan cards" and points to win changed, then the program left this way.
std::function<void(App&)> leaveWithOptions(const std::string& how) {
  return [how](App& app) {
    finstart& start = finstart::instance();
    start.control("CheckBox7").setValue(1);
    start.control("Slider2").setValue(40);
    if (how == "close box") start.frame()->close();  // the last window closed ends the program
    if (how == "Quit button") gui::click(start.control("pushbstart", 2));
    if (how == "menu") gui::click(play().control("canvgio", 1));  // a card in play
    if (how == "menu") quitFromMenu(app);
    gui::settle();
    EXPECT_TRUE(app.quitting() && fw::Window::liveWindows().empty());
  };
}

// A name typed into its field reaches the engine however the field is left, also with the focus still in it.
std::function<void(App&)> typeName(const std::string& field, const std::string& how, const std::string& name) {
  return [=](App& app) {
    const std::string& global = field == "EditField1" ? Globali::nomepla : Globali::nomemac;
    window1& table = play();
    activate(table);
    fw::Control& edit = table.control(field);
    edit.setText("");
    gui::type(edit, name);
    EXPECT_NE(global, name) << "not yet: the field still has the focus";
    if (how == "tab") QTest::keyClick(edit.widget(), Qt::Key_Tab);
    if (how == "close") table.Close();  // as the last press of a hand does
    if (how == "quit") quitFromMenu(app);
    EXPECT_TRUE(how == "quit" || global == name);
  };
}

struct Scenario {
  std::string name;
  std::optional<Changes> stored;  // the preferences file found at start; none: no file
  std::string picture;            // the picture file found: none, "png" (100 x 80), or these bytes
  std::function<void(App&)> steps;
  Changes changed;  // what the preferences written at quit change in the ones found
};

const Scenario scenarios[] = {
    {"FirstRunSpeaksEnglishWithTheDefaults", std::nullopt, "",
     [](App& app) {
       EXPECT_EQ(app.menu().item("FileMenu").text(), "File");  // not the initial "&File"
       EXPECT_EQ(std::tuple(Globali::lingua, Globali::nomepla, Globali::nomemac, Globali::pref_pu),
                 std::tuple(1, "Player", "Computer", 21));
       EXPECT_EQ(std::vector({Globali::immagine(0), Globali::immagine(40), Globali::immagine(41), Globali::immagine(42)}),
                 std::vector({aaa(), c10(), pla(), mac()}));
       EXPECT_EQ(Globali::suono, sndcarta());
       // Only the start window is open: the table window its opening closes is gone.
       EXPECT_TRUE(finstart::live() && finstart::live()->frame()->isVisible());
       EXPECT_EQ(window1::live(), nullptr);
       EXPECT_EQ(openDialogTexts(app), "Open|Cancel|All Files (*)");
       EXPECT_TRUE(FileTypes::pText && FileTypes::pSpecialAny) << "declared at start-up";
     },
     {}},
    {"StoredItalianAndNamesShowAtOnce", Changes{{1, "2"}, {4, "Anna"}, {5, ""}}, "",
     [](App& app) {
       EXPECT_EQ(app.menu().item("FileMenu").text(), "Archivio");
       EXPECT_EQ(window1::instance().control("EditField1").text(), "Anna");
       EXPECT_EQ(window1::instance().control("EditField2").text(), "");
       app.menu().item("FileRules").action()->trigger();  // the rules of the language in force
       EXPECT_TRUE(regolewin::live() && !ruleswin::live());
       EXPECT_EQ(openDialogTexts(app), "Apri|Annulla|Tutti i file (*)");
     },
     {}},
    {"MutedSoundAndSpeechAreOnAgainAtTheNextStart", std::nullopt, "",
     [](App& app) { for (auto item : {"FileMuteSound", "FileMuteSpeech"}) app.menu().item(item).action()->trigger(); },
     {}},
    {"QuitByTheCloseBoxStoresTheOptions", std::nullopt, "", leaveWithOptions("close box"), {{10, "40"}, {14, "1"}}},
    {"QuitByTheQuitButtonStoresTheOptions", std::nullopt, "", leaveWithOptions("Quit button"), {{10, "40"}, {14, "1"}}},
    {"QuitMidHandStoresTheOptionsAndThePicture", std::nullopt, "", leaveWithOptions("menu"), {{10, "40"}, {14, "1"}}},
    {"NamesOfAnyLengthComeBackWhole", Changes{{4, longA}, {5, longB}}, "",
     [](App&) {
       window1& table = play();
       activate(table);
       gui::click(table.control("EditField1"));
       QTest::keyClick(table.control("EditField1").widget(), Qt::Key_Tab);  // on to the computer's name
     },
     {}},
    {"PlayersNameLeftByTab", std::nullopt, "", typeName("EditField1", "tab", "Zoe Rossi"), {{4, "Zoe Rossi"}}},
    {"ComputersNameLeftByClosing", std::nullopt, "", typeName("EditField2", "close", "Zoe Rossi"), {{5, "Zoe Rossi"}}},
    {"ComputersNameLeftByQuitting", std::nullopt, "", typeName("EditField2", "quit", "Zoe"), {{5, "Zoe"}}},
    {"AChosenPictureIsShrunkShownAtOnceAndKept", std::nullopt, "", choosePictures, {}},
    {"ABrokenPictureFileOrNoPictureGivesTheDefault", std::nullopt, "\x89PNG\r\n\x1a\n truncated",
     [](App&) {
       EXPECT_EQ(Globali::immagine(41)->image(), pla()->image());
       Globali::immagine(41) = nullptr;
     },
     {}},
    // A full disk at quit leaves both files as they were, and the program still ends.
    {"APictureFileIsShownUnscaledAndAFullDiskAtQuitCutsNeitherFile", Changes{{4, "Anna"}}, "png",
     [](App& app) {
       EXPECT_EQ(Globali::immagine(41)->image().size(), QSize(100, 80));
       EXPECT_EQ(window1::instance().control("ImageWell1").image(), Globali::immagine(41));
       Globali::nomepla = "Zoe";  // not written: the files stay as they were
       rlimit saved{};
       getrlimit(RLIMIT_FSIZE, &saved);
       const rlimit full = {10, saved.rlim_max};  // no file may grow past 10 bytes
       std::signal(SIGXFSZ, SIG_IGN);              // so writes past it fail instead of ending the test
       setrlimit(RLIMIT_FSIZE, &full);
       quitFromMenu(app);
       setrlimit(RLIMIT_FSIZE, &saved);
     },
     {}},
};

class Startup : public ::testing::TestWithParam<Scenario> {};

TEST_P(Startup, WritesAtQuitWhatTheNextStartReadsBack) {
  const Scenario& s = GetParam();
  gui::useTemporaryFileFolder();  // for the program's files and the ones a player picks
  if (s.stored) writeBytes("brivanoprfs.txt", preferences(*s.stored));
  if (s.picture == "png") writePicture(PlayerPicture::fileName, 100, 80);
  if (!s.picture.empty() && s.picture != "png") writeBytes(PlayerPicture::fileName, s.picture);
  Changes written = s.stored.value_or(Changes());
  written.insert(written.end(), s.changed.begin(), s.changed.end());
  EXPECT_EQ(run(s.steps), 0);
  // The player's picture at quit, or the default one when there is none.
  const QImage picture = (Globali::immagine(41) ? Globali::immagine(41) : pla())->image();
  EXPECT_EQ(readBytes("brivanoprfs.txt"), preferences(written));
  EXPECT_EQ(savedPicture(), picture);
  // The next start takes up what was written, with sound and speech on again.
  EXPECT_EQ(run([&](App& app) {
              EXPECT_FALSE(app.menu().item("FileMuteSound").checked() || app.menu().item("FileMuteSpeech").checked());
              EXPECT_EQ(std::pair(Globali::parlato, Globali::suono->Volume()), std::pair(true, 100));
              EXPECT_EQ(Globali::immagine(41)->image(), picture);
            }),
            0);
}

INSTANTIATE_TEST_SUITE_P(Runs, Startup, ::testing::ValuesIn(scenarios),
                         [](const auto& info) { return info.param.name; });

template <class W> fw::Window& show() {
  W::instance().Show();
  return W::instance();
}

// Each window as a player reaches it; the table window by Play.
const std::pair<const char*, fw::Window& (*)()> places[] = {
    {"start_window", show<finstart>},
    {"table_window", []() -> fw::Window& { return window1::live() ? show<window1>() : play(); }},
    {"scoring_window", show<winscoring>}, {"English_rules", show<ruleswin>},
    {"Italian_rules", show<regolewin>},   {"about_box", show<infowin>},
};

const std::pair<std::string, Qt::Key> commands[] = {  // Qt::Key_unknown: no shortcut
    {"FileNewgame", Qt::Key_N},     {"FileCustompicture", Qt::Key_T}, {"FileRules", Qt::Key_R},
    {"FileForceredraw", Qt::Key_B}, {"FileMuteSound", Qt::Key_M},     {"FileMuteSpeech", Qt::Key_I},
    {"AppleInfo", Qt::Key_unknown}, {"FileQuit", Qt::Key_Q},
};

class Commands : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(Commands, EachCommandDoesItsWorkAndQuitSaves) {
  const auto [where, byShortcut] = GetParam();
  const auto [place, open] = places[where];
  gui::useTemporaryFileFolder();
  const std::string picture = writePicture("me.png", 64, 48);
  const QPoint screenMiddle = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_EQ(run([&](App& app) {
    fw::MenuItem &sound = app.menu().item("FileMuteSound"), &speech = app.menu().item("FileMuteSpeech");
    for (int round = 1; round <= 2; ++round) {  // twice, so that the mute switches go on and off again
      for (const auto& [item, key] : commands) {
        if ((byShortcut && key == Qt::Key_unknown) || (round == 1 && item == "FileQuit")) continue;
        SCOPED_TRACE(item + " from the " + place);
        fw::Window& window = open();  // left the only window open
        for (fw::Window* other : fw::Window::liveWindows()) if (other != &window) other->Close();
        gui::settle();
        // The start window goes where the desktop puts it; every other one opens in the middle of the main screen.
        const QPoint offCentre = window.frame()->frameGeometry().center() - screenMiddle;
        EXPECT_TRUE(where == 0 || offCentre.manhattanLength() <= 4) << "give or take its border";
        window1* table = window1::live();
        if (item == "FileCustompicture") fw::queueOpenDialogAnswer(picture);
        if (table) table->control("canvgio", 1).refresh(true);
        const bool soundMark = sound.checked(), speechMark = speech.checked();

        if (byShortcut) activate(window);
        byShortcut ? QTest::keyClick(window.frame(), key, Qt::ControlModifier) : chooseFromMenu(window, item);
        gui::settle();

        EXPECT_EQ(window1::live() != nullptr, table && item != "FileNewgame" && item != "FileQuit")
            << "only the start window closes the table; no command builds one";
        fw::Window* shown = item == "FileNewgame" ? finstart::live()
                            : item == "FileRules" ? ruleswin::live()
                            : item == "AppleInfo" ? infowin::live()
                                                  : &window;
        EXPECT_TRUE(item == "FileQuit" || (shown && shown->frame()->isVisible()));
        if (table && window1::live()) {
          EXPECT_EQ(table->control("canvgio", 1).canvasImage().pixelColor(50, 80).alpha() != 0,
                    item == "FileForceredraw") << "only the redraw draws the hand again";
        }
        // Each mute command flips its own mark only, and the mark says what is muted.
        EXPECT_EQ(std::pair(sound.checked(), speech.checked()),
                  std::pair(soundMark != (item == "FileMuteSound"), speechMark != (item == "FileMuteSpeech")));
        EXPECT_EQ(std::pair(Globali::suono->Volume(), Globali::parlato),
                  std::pair(sound.checked() ? 0 : 100, !speech.checked()));
      }
    }
  }), 0);
  EXPECT_EQ(readBytes("brivanoprfs.txt"), preferences());
  EXPECT_EQ(savedPicture().size(), QSize(32, 24));
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, Commands, ::testing::Combine(::testing::Range(0, 6), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(places[std::get<0>(info.param)].first) +
                                  (std::get<1>(info.param) ? "_by_shortcut" : "_by_menu");
                         });

}  // namespace
