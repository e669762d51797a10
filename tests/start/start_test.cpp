// The start window driven as a player would: options in and out of the engine, languages, buttons.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include "engine/globali.h"
#include "shell/app.h"
#include "shell/resources.h"
#include "start/finstart.h"
#include "start/regolewin.h"
#include "start/ruleswin.h"
#include "table/window1.h"
#include "tests/support/gui.h"

namespace {

// The nine options in one line, as "apt60 tc1 fc1 us0 pu21 ms1 cs0 me100 trevi0".
void setOptions(const std::string& line) {
  using namespace Globali;
  int fc, us, ms, cs, trevi;
  ASSERT_EQ(std::sscanf(line.c_str(), "apt%d tc%d fc%d us%d pu%d ms%d cs%d me%d trevi%d", &pref_apt, &pref_tc, &fc,
                        &us, &pref_pu, &ms, &cs, &pref_me, &trevi), 9);
  std::tie(pref_fc, pref_us, pref_ms, pref_cs, pref_trevi) = std::tuple(fc, us, ms, cs, trevi);
}

std::string stored() {
  using namespace Globali;
  auto n = [](int v) { return std::to_string(v); };
  return "apt" + n(pref_apt) + " tc" + n(pref_tc) + " fc" + n(pref_fc) + " us" + n(pref_us) + " pu" + n(pref_pu) +
         " ms" + n(pref_ms) + " cs" + n(pref_cs) + " me" + n(pref_me) + " trevi" + n(pref_trevi);
}
const std::string defaultsStored = "apt60 tc1 fc1 us0 pu21 ms1 cs0 me100 trevi0";

// What the window shows of the options; "-" marks a disabled control.
std::string shown(finstart& w) {
  auto off = [&](const char* name) { return w.control(name).enabled() ? "" : "-"; };
  auto c = [&](const char* name) { return std::to_string(w.control(name).value()) + off(name); };
  auto text = [&](const char* name) { return w.control(name).text(); };
  return "ace" + c("CheckBox5") + " three" + c("CheckBox4") + " four" + c("CheckBox1") + " last" + c("CheckBox6") +
         " pu" + c("Slider2") + "/" + text("StaticText5") + " ai" + c("CheckBox2") + " cs" + c("CheckBox3") +
         " trevi" + c("CheckBox7") + " me" + c("Slider1") + "/" + text("StaticText3") + off("StaticText2") +
         off("StaticText3");
}
const std::string defaultsShown = "ace0 three0 four1 last0 pu21/21 ai1 cs0 trevi0 me100/100%";

// Every caption in creation order; the hints beside the flags and "Computer A.I." are the same in both languages.
std::string captions(finstart& w) {
  std::string all;
  for (const char* name : {"StaticText6", "CheckBox1", "CheckBox2", "StaticText2", "StaticText4", "CheckBox3",
                           "StaticText7", "CheckBox4", "CheckBox5", "CheckBox6", "CheckBox7"}) {
    all += w.control(name).text() + "|";
  }
  for (int i : {0, 1, 2}) all += w.control("pushbstart", i).text() + "|";
  return all;
}
const std::string english =
    "Choose english language clicking on US flag|Four cards on table at start|Computer A.I.|A.I. memory|"
    "Points to win|Uncovered|Scegli la lingua italiana con un click sul tricolore|Three cards at a time|"
    "Ace gets all cards|Last Scopa doesn't score|Trevisan cards|Play a New Game|How to play and scopa rules|"
    "QUIT Brivano|";
const std::string italian =
    "Choose english language clicking on US flag|Quattro carte sul tavolo in avvio|Computer A.I.|Memoria A.I.|"
    "Punti per vincere|Scoperto|Scegli la lingua italiana con un click sul tricolore|Tre carte alla volta|"
    "Asso pigliatutto|L'ultima scopa non fa punto|Carte trevisane|Gioca una nuova partita|"
    "Istruzioni di gioco e regole|ESCI da Brivano|";

// A click on a check box's square, where a player clicks it.
void tick(finstart& w, const char* name) {
  QWidget* box = w.control(name).widget();
  ASSERT_TRUE(gui::clickAt(w, box->mapTo(w.content(), QPoint(7, box->height() / 2))));
}

void press(finstart& w, const char* slider, Qt::Key key) {
  w.control(slider).widget()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(w.control(slider).widget(), key);
}

// The darkest grey a control shows: its text's colour wherever a stroke covers a whole pixel.
int darkest(fw::Control& c) {
  QImage shot = c.widget()->grab().toImage();
  int least = 255;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) least = std::min(least, qGray(shot.pixel(x, y)));
  return least;
}

class StartWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Globali::resetState();
    Globali::lingua = 1;  // as with no preferences file; the names are not the window's
    setOptions(defaultsStored);
  }
  void TearDown() override {
    for (fw::Window* w : fw::Window::liveWindows()) w->Close();
    gui::settle();
  }
};

TEST_F(StartWindowTest, WithNoPreferencesFileShowsTheDefaultsInEnglish) {
  window1::instance();  // a hand in progress
  ruleswin::instance().Show();
  finstart& w = finstart::instance();
  EXPECT_EQ(window1::live(), nullptr) << "the table window is closed, the others stay";
  EXPECT_NE(ruleswin::live(), nullptr);
  EXPECT_EQ(w.content()->size(), QSize(400, 420));
  EXPECT_EQ(w.controls().size(), 23u);
  EXPECT_TRUE(static_cast<QPushButton*>(w.control("pushbstart", 0).widget())->isDefault()) << "Play";
  EXPECT_EQ(w.control("Canvasl", 0).widget()->toolTip(), "click here for english language");
  EXPECT_EQ(w.control("Canvasl", 1).widget()->toolTip(), "clicca qui per l'italiano");
  EXPECT_EQ(captions(w), english);
}

TEST_F(StartWindowTest, NoEmptyTableWindowFlashesUpBehindIt) {
  struct : QObject {
    int windows = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
      windows += e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow();
      return false;
    }
  } shows;
  qApp->installEventFilter(&shows);
  finstart::instance();
  qApp->removeEventFilter(&shows);
  EXPECT_EQ(shows.windows, 1) << "only the start window reaches the screen";
}

TEST_F(StartWindowTest, EveryOptionGoesFromTheGlobalsToTheControlsAndBack) {
  const struct {
    std::string in, shown, stored;
  } trips[] = {
      {defaultsStored, defaultsShown, defaultsStored},
      {"apt1 tc3 fc1 us1 pu51 ms0 cs1 me0 trevi1", "ace1 three1 four1- last1 pu51/51 ai0 cs1 trevi1 me0-/0%--",
       "apt1 tc3 fc1 us1 pu51 ms0 cs1 me0 trevi1"},
      // Three at a time never goes with an empty starting table.
      {"apt60 tc3 fc0 us0 pu21 ms1 cs0 me100 trevi0", "ace0 three1 four1- last0 pu21/21 ai1 cs0 trevi0 me100/100%",
       "apt60 tc3 fc1 us0 pu21 ms1 cs0 me100 trevi0"},
      {"apt60 tc1 fc0 us0 pu11 ms0 cs0 me37 trevi0", "ace0 three0 four0 last0 pu11/11 ai0 cs0 trevi0 me37-/37%--",
       "apt60 tc1 fc0 us0 pu11 ms0 cs0 me37 trevi0"},
      // Codes the window never writes show as off and come back valid.
      {"apt5 tc2 fc1 us0 pu21 ms1 cs0 me100 trevi0", defaultsShown, defaultsStored},
      {"apt0 tc0 fc1 us0 pu21 ms1 cs0 me100 trevi0", defaultsShown, defaultsStored},
      // Beyond the sliders' ends the labels show the values as they came.
      {"apt60 tc1 fc1 us0 pu60 ms1 cs0 me150 trevi0", "ace0 three0 four1 last0 pu51/60 ai1 cs0 trevi0 me100/150%",
       "apt60 tc1 fc1 us0 pu51 ms1 cs0 me100 trevi0"},
  };
  for (const auto& trip : trips) {
    setOptions(trip.in);
    finstart& w = finstart::instance();
    EXPECT_EQ(shown(w), trip.shown);
    EXPECT_EQ(stored(), trip.in) << "nothing is stored while the window is open";
    w.frame()->close();  // the close box
    gui::settle();
    EXPECT_EQ(stored(), trip.stored) << trip.shown;
  }
  EXPECT_EQ(window1::live(), nullptr) << "the close box starts no game";
  EXPECT_EQ(Globali::contatore(1), 0);
}

TEST_F(StartWindowTest, CoupledControlsSlidersAndTheirLabels) {
  finstart& w = finstart::instance();
  // Three at a time forces four on the table; the memory row follows "Computer A.I.".
  const std::pair<const char*, const char*> ticks[] = {
      {"CheckBox1", "ace0 three0 four0 last0 pu21/21 ai1 cs0 trevi0 me100/100%"},
      {"CheckBox4", "ace0 three1 four1- last0 pu21/21 ai1 cs0 trevi0 me100/100%"},
      {"CheckBox4", "ace0 three0 four1 last0 pu21/21 ai1 cs0 trevi0 me100/100%"},  // four keeps its mark
      {"CheckBox1", "ace0 three0 four0 last0 pu21/21 ai1 cs0 trevi0 me100/100%"},
      {"CheckBox2", "ace0 three0 four0 last0 pu21/21 ai0 cs0 trevi0 me100-/100%--"},
      {"CheckBox2", "ace0 three0 four0 last0 pu21/21 ai1 cs0 trevi0 me100/100%"},
  };
  for (auto [box, after] : ticks) {
    tick(w, box);
    EXPECT_EQ(shown(w), after) << box;
  }
  const std::tuple<const char*, Qt::Key, const char*> keys[] = {
      {"Slider2", Qt::Key_Home, "pu11/11"}, {"Slider2", Qt::Key_End, "pu51/51"}, {"Slider2", Qt::Key_Left, "pu50/50"},
      {"Slider1", Qt::Key_End, "me100/100%"}, {"Slider1", Qt::Key_Home, "me0/0%"}};
  for (auto [slider, key, label] : keys) {
    press(w, slider, key);
    EXPECT_NE(shown(w).find(label), std::string::npos) << label;
  }
  tick(w, "CheckBox2");  // a disabled memory slider still stores its value
  w.frame()->close();
  gui::settle();
  EXPECT_EQ(stored(), "apt60 tc1 fc0 us0 pu50 ms0 cs0 me0 trevi0");
}

TEST_F(StartWindowTest, TheMemoryLabelsLookDisabledWithTheirSlider) {
  const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
  for (int lingua : {1, 2}) {
    Globali::lingua = lingua;
    finstart& w = finstart::instance();
    for (int on : {0, 1}) {
      tick(w, "CheckBox2");
      for (const char* name : {"StaticText2", "StaticText3"})
        EXPECT_EQ(darkest(w.control(name)), on ? 0 : qGray(grey.rgb())) << name << " in language " << lingua;
    }
    w.Close();
    gui::settle();
  }
}

TEST_F(StartWindowTest, FlagsChangeTheWindowTheMenuAndTheRulesButNoOption) {
  App app;
  finstart& w = finstart::instance();
  tick(w, "CheckBox7");
  tick(w, "CheckBox4");
  press(w, "Slider2", Qt::Key_End);
  const std::string options = shown(w);
  for (int flag : {1, 1, 0}) {
    gui::enter(w.control("Canvasl", flag));
    EXPECT_TRUE(w.control("Rectsel", flag).visible() && !w.control("Rectsel", 1 - flag).visible());
    gui::click(w.control("Canvasl", flag));
    gui::leave(w.control("Canvasl", flag));
    EXPECT_FALSE(w.control("Rectsel", flag).visible());
    EXPECT_EQ(Globali::lingua, flag + 1);
    EXPECT_EQ(captions(w), flag == 0 ? english : italian);
    EXPECT_EQ(app.menu().item("FileMenu").text(), flag == 0 ? "File" : "Archivio");
    EXPECT_EQ(shown(w), options);
    // The rules of the language just chosen; the start window stays open.
    gui::click(w.control("pushbstart", 1));
    fw::Window* rules = flag == 0 ? static_cast<fw::Window*>(ruleswin::live()) : regolewin::live();
    ASSERT_TRUE(rules && rules->frame()->isVisible());
    EXPECT_EQ(fw::Window::liveWindows().size(), 2u);
    rules->Close();
    gui::settle();
  }
  EXPECT_EQ(stored(), defaultsStored);
  Globali::lingua = 3;  // anything but 1 reads Italian
  gui::click(w.control("pushbstart", 1));
  EXPECT_NE(regolewin::live(), nullptr);
}

TEST_F(StartWindowTest, PlayStoresTheOptionsBeforeTheDeal) {
  finstart& w = finstart::instance();
  tick(w, "CheckBox1");  // four cards on the table off
  tick(w, "CheckBox7");  // Trevisan cards on
  gui::click(w.control("pushbstart", 0));
  EXPECT_EQ(finstart::live(), nullptr);
  EXPECT_EQ(stored(), "apt60 tc1 fc0 us0 pu21 ms1 cs0 me100 trevi1");
  ASSERT_NE(window1::live(), nullptr);
  EXPECT_EQ(Globali::contatore(1), 6) << "the first hand has an empty table";
  EXPECT_EQ(Globali::immagine(0), aaat()) << "and the Trevisan deck";
}

}  // namespace
