// The program as a whole: what it shows at start, what it writes at quit, the mute switches, the names.
#include <QFile>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

#include "engine/globali.h"
#include "framework/media.h"
#include "shell/playerpicture.h"
#include "shell/resources.h"
#include "start/finstart.h"
#include "start/regolewin.h"
#include "start/ruleswin.h"
#include "tests/app/apprun.h"

namespace {

using Startup = apprun::Fixture<>;

// While it lives, a file cannot grow past this many bytes, as on a full disk: writes fail instead of killing us.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    const rlimit lowered = {bytes, saved_.rlim_max};
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &lowered), 0);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  void (*oldHandler_)(int);
  rlimit saved_{};
};

TEST_F(Startup, AFirstRunSpeaksEnglishTakesTheDefaultsAndWritesBothFilesAtQuit) {
  int code = apprun::run([](App& app) {
    EXPECT_EQ(app.menu().item("FileMenu").text(), "File");  // not the initial "&File"
    EXPECT_EQ(std::tuple(Globali::lingua, Globali::nomepla, Globali::nomemac, Globali::pref_pu, Globali::parlato),
              std::tuple(1, "Player", "Computer", 21, true));
    ASSERT_NE(Globali::suono, nullptr);
    EXPECT_EQ(Globali::suono, sndcarta());
    EXPECT_EQ(Globali::suono->Volume(), 100);
    // The picture table of the standard deck, the player's default picture and the computer's.
    EXPECT_EQ(Globali::immagine(0), aaa());
    for (int card = 1; card <= 40; ++card) EXPECT_EQ(Globali::immagine(card), standardFace(card)) << card;
    EXPECT_EQ(Globali::immagine(41), pla());
    EXPECT_EQ(Globali::immagine(42), mac());
    EXPECT_NE(Globali::immagine(41), nullptr) << "the artwork is beside the tests";
    // Only the start window is open: the table window its opening closes is gone.
    ASSERT_NE(finstart::live(), nullptr);
    EXPECT_TRUE(finstart::live()->frame()->isVisible());
    EXPECT_EQ(window1::live(), nullptr);
  });
  EXPECT_EQ(code, 0);
  const std::vector<std::string> written = {"1", "", "", "Player", "Computer", "60", "1", "1", "0", "21", "1", "0",
                                            "100", "0"};
  EXPECT_EQ(apprun::savedPreferences(), written);
  QFile picture(QString::fromStdString(folder + "/qvdimage.pct"));
  ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
  EXPECT_TRUE(picture.read(8).startsWith("\x89PNG")) << "saved as PNG whatever the name";
  EXPECT_EQ(apprun::savedPicture(), pla()->image());
}

TEST_F(Startup, AStoredItalianLanguageAndNamesShowBeforeAnythingIsTouched) {
  const apprun::Changes italianAnna = {{1, "2"}, {4, "Anna"}, {5, ""}};
  apprun::writePreferences(italianAnna);
  apprun::run([](App& app) {
    EXPECT_EQ(app.menu().item("FileMenu").text(), "Archivio");
    window1& table = window1::instance();
    EXPECT_EQ(table.control("EditField1").text(), "Anna");
    EXPECT_EQ(table.control("EditField2").text(), "");
    // The rules command follows the language in force.
    app.menu().item("FileRules").action()->trigger();
    EXPECT_NE(regolewin::live(), nullptr);
    EXPECT_EQ(ruleswin::live(), nullptr);
  });
  EXPECT_EQ(apprun::savedPreferences(), apprun::preferences(italianAnna));
}

TEST_F(Startup, MuteMarksAndSpeechAreBackOnAtTheNextStart) {
  apprun::run([](App& app) {
    auto& sound = app.menu().item("FileMuteSound");
    auto& speech = app.menu().item("FileMuteSpeech");
    // Each choice flips its own switch only, and once.
    const struct {
      fw::MenuItem* item;
      bool soundMark, speechMark;
    } steps[] = {{&sound, true, false}, {&speech, true, true}, {&sound, false, true}, {&speech, false, false}};
    for (const auto& step : steps) {
      step.item->action()->trigger();
      EXPECT_EQ(sound.checked(), step.soundMark);
      EXPECT_EQ(speech.checked(), step.speechMark);
      EXPECT_EQ(Globali::suono->Volume(), step.soundMark ? 0 : 100);
      EXPECT_EQ(Globali::parlato, !step.speechMark);
    }
    // Muted, the card sound still plays through the one sound object, silently; the beep is not muted.
    sound.action()->trigger();
    fw::mediaLog().clear();
    Globali::suono->Play();
    fw::Beep();
    EXPECT_EQ(fw::mediaLog().plays, 1);
    EXPECT_EQ(fw::mediaLog().audiblePlays, 0);
    EXPECT_EQ(fw::mediaLog().beeps, 1);
  });
  apprun::run([](App& app) {
    EXPECT_FALSE(app.menu().item("FileMuteSound").checked());
    EXPECT_FALSE(app.menu().item("FileMuteSpeech").checked());
    EXPECT_TRUE(Globali::parlato);
    EXPECT_EQ(Globali::suono->Volume(), 100);
  });
}

TEST_F(Startup, QuittingStoresTheStartWindowsOptionsAndThePlayersPictureOnly) {
  for (const std::string how : {"close box", "Quit button", "menu mid-hand"}) {
    SCOPED_TRACE(how);
    gui::useTemporaryFileFolder();
    int code = apprun::run([&](App& app) {
      finstart& start = finstart::instance();
      start.control("CheckBox7").setValue(1);  // "Trevisan cards"
      start.control("Slider2").setValue(40);   // points to win
      if (how == "close box") {
        start.frame()->close();
        gui::settle();
        EXPECT_TRUE(app.quitting()) << "closing the last window ends the program";
      } else if (how == "Quit button") {
        gui::click(start.control("pushbstart", 2));
      } else {
        gui::click(apprun::play().control("canvgio", 1));
        app.menu().item("FileQuit").action()->trigger();
        EXPECT_EQ(window1::live(), nullptr);
      }
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(apprun::savedPreferences(), apprun::preferences({{10, "40"}, {14, "1"}}));
    // The Trevisan deck dealt into the picture table is not what is kept: only the player's picture is.
    EXPECT_EQ(apprun::savedPicture(), pla()->image());
  }
}

// A full disk at quit leaves both files byte for byte as they were, and the program still ends;
// with room again the same quit replaces them.
TEST_F(Startup, AFullDiskAtQuitCutsNeitherFile) {
  apprun::writePreferences({{4, "Anna"}});
  apprun::writePicture(folder, PlayerPicture::fileName, 100, 80);
  auto bytes = [](const std::string& name) {
    QFile file(QString::fromStdString(fw::bareFilePath(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
  };
  const std::string preferences = bytes("brivanoprfs.txt"), picture = bytes(PlayerPicture::fileName);
  for (const bool full : {true, false}) {
    SCOPED_TRACE(full ? "full disk" : "room enough");
    int code = apprun::run([&](App& app) {
      Globali::nomepla = "Zoe";
      Globali::immagine(41) = pla();
      std::optional<FileSizeLimit> limit;
      if (full) limit.emplace(10);
      app.menu().item("FileQuit").action()->trigger();
    });
    EXPECT_EQ(code, 0);
    if (full) {
      EXPECT_EQ(bytes("brivanoprfs.txt"), preferences);
      EXPECT_EQ(bytes(PlayerPicture::fileName), picture);
    } else {
      EXPECT_EQ(apprun::savedPreferences(), apprun::preferences({{4, "Zoe"}}));
      EXPECT_EQ(apprun::savedPicture(), pla()->image());
    }
  }
}

// A name is a text of any length, also when it passes through its field.
TEST_F(Startup, NamesOfAnyLengthComeBackWhole) {
  const apprun::Changes longNames = {{4, std::string(40000, 'a') + "z"}, {5, "y" + std::string(40000, 'b')}};
  apprun::writePreferences(longNames);
  apprun::run([](App&) {
    window1& table = apprun::play();
    apprun::activate(table);
    gui::click(table.control("EditField1"));
    QTest::keyClick(table.control("EditField1").widget(), Qt::Key_Tab);  // on to the computer's name
    EXPECT_TRUE(table.control("EditField2").widget()->hasFocus());
  });
  const std::vector<std::string> saved = apprun::savedPreferences();
  ASSERT_EQ(saved.size(), 14u);
  EXPECT_TRUE(saved == apprun::preferences(longNames)) << "names of " << saved[3].size() << " and " << saved[4].size();
}

// A typed name reaches the engine however the field is left, also with the focus still in it.
TEST_F(Startup, ANameReachesTheEngineHoweverTheFieldIsLeft) {
  struct Case {
    std::string field, how, name;
  };
  std::vector<Case> cases = {{"EditField1", "close", ""}};  // an emptied name stays empty
  for (const char* how : {"tab", "close", "quit"}) {
    for (const char* field : {"EditField1", "EditField2"}) cases.push_back({field, how, "Zoe Rossi"});
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field + " left by " + c.how + " holding \"" + c.name + "\"");
    const bool player = c.field == "EditField1";
    const std::string& global = player ? Globali::nomepla : Globali::nomemac;
    gui::useTemporaryFileFolder();
    apprun::run([&](App& app) {
      window1& table = apprun::play();
      apprun::activate(table);
      fw::Control& edit = table.control(c.field);
      edit.setText("");
      gui::type(edit, c.name);
      EXPECT_NE(global, c.name) << "not yet: the field still has the focus";
      if (c.how == "tab") {
        QTest::keyClick(edit.widget(), Qt::Key_Tab);
        EXPECT_EQ(global, c.name);
      } else if (c.how == "close") {
        table.Close();  // as the last press of a hand does
        EXPECT_EQ(global, c.name);
      } else {
        app.menu().item("FileQuit").action()->trigger();
      }
    });
    EXPECT_EQ(apprun::savedPreferences(), apprun::preferences({{player ? 4 : 5, c.name}}));
  }
}

}  // namespace
