// The program as a whole: what it shows at start, what it writes at quit, the mute switches.
#include <QFile>
#include <gtest/gtest.h>

#include "engine/globali.h"
#include "framework/files.h"
#include "framework/media.h"
#include "shell/app.h"
#include "shell/resources.h"
#include "start/finstart.h"
#include "start/regolewin.h"
#include "start/ruleswin.h"
#include "table/window1.h"
#include "tests/app/apprun.h"
#include "tests/support/gui.h"

namespace {

std::string menuText(App& app, const std::string& item) { return app.menu().item(item).text(); }

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = gui::useTemporaryFileFolder();
    fw::mediaLog().clear();
  }
  void TearDown() override { apprun::closeAllWindows(); }
  std::string file(const std::string& name) const { return folder + "/" + name; }
  std::string folder;
};

TEST_F(Startup, AFirstRunSpeaksEnglishTakesTheDefaultsAndWritesBothFilesAtQuit) {
  int code = apprun::run([](App& app) {
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"FileMenu", "File"},           {"FileNewgame", "New game"},       {"FileCustompicture", "Player picture.."},
        {"FileRules", "How to play.."}, {"FileForceredraw", "Redraw cards"}, {"FileMuteSound", "Mute Sound"},
        {"FileMuteSpeech", "Mute Speech"}, {"FileQuit", "Quit"},          {"AppleInfo", "Brivano Info"}};
    for (const auto& [item, text] : texts) EXPECT_EQ(menuText(app, item), text) << item;
    EXPECT_FALSE(app.menu().item("FileMuteSound").checked());
    EXPECT_FALSE(app.menu().item("FileMuteSpeech").checked());

    EXPECT_EQ(Globali::lingua, 1);
    EXPECT_EQ(Globali::nomepla, "Player");
    EXPECT_EQ(Globali::nomemac, "Computer");
    EXPECT_EQ(Globali::pref_pu, 21);
    EXPECT_TRUE(Globali::parlato);
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
  EXPECT_EQ(finstart::live(), nullptr);

  auto prefs = apprun::readLines(file("brivanoprfs.txt"));
  EXPECT_EQ(prefs, (std::vector<std::string>{"1", "", "", "Player", "Computer", "60", "1", "1", "0", "21", "1", "0",
                                             "100", "0"}));
  QFile picture(QString::fromStdString(file("qvdimage.pct")));
  ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
  EXPECT_TRUE(picture.read(8).startsWith("\x89PNG")) << "saved as PNG whatever the name";
  auto saved = fw::OpenAsPicture("qvdimage.pct");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->image(), pla()->image());
}

TEST_F(Startup, AStoredItalianLanguageGivesTheItalianMenuBeforeAnythingIsTouched) {
  apprun::writePreferences(folder, {{1, "2"}, {4, "Anna"}});
  apprun::run([](App& app) {
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"FileMenu", "Archivio"},         {"FileNewgame", "Nuova partita"}, {"FileCustompicture", "Foto giocatore.."},
        {"FileRules", "Come si gioca.."}, {"FileForceredraw", "Ridisegna carte"}, {"FileQuit", "Esci"},
        {"FileMuteSound", "Mute Sound"},  {"FileMuteSpeech", "Mute Speech"},  {"AppleInfo", "Brivano Info"}};
    for (const auto& [item, text] : texts) EXPECT_EQ(menuText(app, item), text) << item;
    EXPECT_EQ(Globali::nomepla, "Anna");
    // The rules command follows the language in force.
    app.menu().item("FileRules").action()->trigger();
    EXPECT_NE(regolewin::live(), nullptr);
    EXPECT_EQ(ruleswin::live(), nullptr);
  });
  auto prefs = apprun::readLines(file("brivanoprfs.txt"));
  ASSERT_EQ(prefs.size(), 14u);
  EXPECT_EQ(prefs[0], "2");
  EXPECT_EQ(prefs[3], "Anna");
}

TEST_F(Startup, MuteMarksAndSpeechAreBackOnAtTheNextStart) {
  apprun::run([](App& app) {
    auto& sound = app.menu().item("FileMuteSound");
    auto& speech = app.menu().item("FileMuteSpeech");
    // Each choice flips its own switch only; twice leaves it as it was.
    struct Step {
      fw::MenuItem* item;
      bool soundMark, speechMark;
      int volume;
      bool parlato;
    };
    const Step steps[] = {{&sound, true, false, 0, true},    {&speech, true, true, 0, false},
                          {&sound, false, true, 100, false}, {&speech, false, false, 100, true},
                          {&sound, true, false, 0, true},    {&speech, true, true, 0, false}};
    for (const Step& step : steps) {
      step.item->action()->trigger();
      EXPECT_EQ(sound.checked(), step.soundMark);
      EXPECT_EQ(speech.checked(), step.speechMark);
      EXPECT_EQ(Globali::suono->Volume(), step.volume);
      EXPECT_EQ(Globali::parlato, step.parlato);
    }
    // Muted, the card sound still plays through the one sound object, silently; the beep is not muted.
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

TEST_F(Startup, ClosingTheLastWindowQuitsWithTheStartWindowsOptionsStored) {
  int code = apprun::run([](App&) {
    finstart::instance().control("CheckBox6").setValue(1);  // "Last Scopa doesn't score"
    finstart::instance().frame()->close();                  // the close box
  });
  EXPECT_EQ(code, 0);
  auto prefs = apprun::readLines(file("brivanoprfs.txt"));
  ASSERT_EQ(prefs.size(), 14u);
  EXPECT_EQ(prefs[8], "1");
  EXPECT_TRUE(QFile::exists(QString::fromStdString(file("qvdimage.pct"))));
}

TEST_F(Startup, QuittingFromTheStartWindowStoresItsOptionsFirst) {
  apprun::run([](App&) {
    finstart& start = finstart::instance();
    start.control("CheckBox5").setValue(1);  // "Ace gets all cards"
    start.control("Slider2").setValue(40);   // points to win
    gui::click(start.control("pushbstart", 2));
  });
  auto prefs = apprun::readLines(file("brivanoprfs.txt"));
  ASSERT_EQ(prefs.size(), 14u);
  EXPECT_EQ(prefs[5], "1");
  EXPECT_EQ(prefs[9], "40");
  EXPECT_TRUE(QFile::exists(QString::fromStdString(file("qvdimage.pct"))));
}

TEST_F(Startup, QuittingMidHandWritesTheOptionsNotTheHand) {
  apprun::run([](App& app) {
    finstart& start = finstart::instance();
    start.control("CheckBox7").setValue(1);  // "Trevisan cards"
    gui::click(start.control("pushbstart", 0));
    gui::settle();
    ASSERT_NE(window1::live(), nullptr);
    gui::click(window1::live()->control("canvgio", 1));
    app.menu().item("FileQuit").action()->trigger();
    EXPECT_EQ(window1::live(), nullptr);
  });
  auto prefs = apprun::readLines(file("brivanoprfs.txt"));
  ASSERT_EQ(prefs.size(), 14u);
  EXPECT_EQ(prefs[13], "1");
  // The Trevisan deck dealt into the picture table is not what is kept: only the player's picture is.
  EXPECT_EQ(fw::OpenAsPicture("qvdimage.pct")->image(), pla()->image());
}

}  // namespace
