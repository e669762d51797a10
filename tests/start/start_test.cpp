// The start window driven as a player would (options, languages, buttons), the rules windows and the about box.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <tuple>

#include "shell/app.h"
#include "shell/resources.h"
#include "start/finstart.h"
#include "start/infowin.h"
#include "start/regolewin.h"
#include "start/ruleswin.h"
#include "tests/table/table_support.h"

namespace {

// The nine options in one line, as "apt60 tc1 fc1 us0 pu21 ms1 cs0 me100 trevi0".
constexpr char optionFormat[] = "apt%d tc%d fc%d us%d pu%d ms%d cs%d me%d trevi%d";
void setOptions(const std::string& line) {
  using namespace Globali;
  int fc, us, ms, cs, trevi;
  ASSERT_EQ(std::sscanf(line.c_str(), optionFormat, &pref_apt, &pref_tc, &fc, &us, &pref_pu, &ms, &cs, &pref_me,
                        &trevi), 9);
  std::tie(pref_fc, pref_us, pref_ms, pref_cs, pref_trevi) = std::tuple(fc, us, ms, cs, trevi);
}
std::string stored() {
  using namespace Globali;
  char line[100];
  std::snprintf(line, sizeof line, optionFormat, pref_apt, pref_tc, pref_fc, pref_us, pref_pu, pref_ms, pref_cs,
                pref_me, pref_trevi);
  return line;
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

// A click on a check box's square, where a player clicks it.
void tick(finstart& w, const char* name) {
  QWidget* box = w.control(name).widget();
  ASSERT_TRUE(gui::clickAt(w, box->mapTo(w.content(), QPoint(7, box->height() / 2))));
}

// The darkest grey a control shows: its text's colour wherever a stroke covers a whole pixel.
int darkest(fw::Control& c) {
  QImage shot = c.widget()->grab().toImage();
  int least = 255;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) least = std::min(least, qGray(shot.pixel(x, y)));
  return least;
}

class StartWindow : public tabletest::TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    setOptions(defaultsStored);  // as with no preferences file
  }
};

TEST_F(StartWindow, OpensWithoutFlashingATableAndClosesAHandInProgress) {
  struct : QObject {
    int windows = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
      windows += e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow();
      return false;
    }
  } shows;
  qApp->installEventFilter(&shows);
  finstart* w = &finstart::instance();
  qApp->removeEventFilter(&shows);
  EXPECT_EQ(shows.windows, 1) << "no empty table window flashes up behind it";
  w->Close();
  window1::instance();  // a hand in progress
  ruleswin::instance().Show();
  finstart::instance();
  EXPECT_TRUE(window1::live() == nullptr && ruleswin::live()) << "the table window is closed, the others stay";
}

TEST_F(StartWindow, EveryOptionGoesFromTheGlobalsToTheControlsAndBack) {
  const struct { std::string in, shown, stored{}; } trips[] = {  // stored as it came unless the third says otherwise
      {defaultsStored, "ace0 three0 four1 last0 pu21/21 ai1 cs0 trevi0 me100/100%"},
      {"apt1 tc3 fc1 us1 pu51 ms0 cs1 me0 trevi1", "ace1 three1 four1- last1 pu51/51 ai0 cs1 trevi1 me0-/0%--"},
      {"apt60 tc1 fc0 us0 pu11 ms0 cs0 me37 trevi0", "ace0 three0 four0 last0 pu11/11 ai0 cs0 trevi0 me37-/37%--"},
      // Three at a time never goes with an empty starting table.
      {"apt60 tc3 fc0 us0 pu21 ms1 cs0 me100 trevi0", "ace0 three1 four1- last0 pu21/21 ai1 cs0 trevi0 me100/100%",
       "apt60 tc3 fc1 us0 pu21 ms1 cs0 me100 trevi0"},
      // Codes the window never writes come back valid; past a slider's end its label shows the value as it came.
      {"apt5 tc2 fc1 us0 pu60 ms1 cs0 me150 trevi0", "ace0 three0 four1 last0 pu51/60 ai1 cs0 trevi0 me100/150%",
       "apt60 tc1 fc1 us0 pu51 ms1 cs0 me100 trevi0"},
  };
  for (const auto& trip : trips) {
    setOptions(trip.in);
    finstart& w = finstart::instance();
    EXPECT_EQ(shown(w), trip.shown);
    EXPECT_EQ(stored(), trip.in) << "nothing is stored while the window is open";
    w.frame()->close();  // the close box
    gui::settle();
    EXPECT_EQ(stored(), trip.stored.empty() ? trip.in : trip.stored) << trip.shown;
  }
  EXPECT_TRUE(fw::Window::liveWindows().empty()) << "the close box starts no game";
}

TEST_F(StartWindow, CoupledControlsSlidersAndTheirLabels) {
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
  for (auto [name, key, shows] : {std::tuple{"Slider2", Qt::Key_End, "pu51/51"}, {"Slider1", Qt::Key_Home, "me0/0%"}}) {
    w.control(name).widget()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.control(name).widget(), key);
    EXPECT_NE(shown(w).find(shows), std::string::npos) << shows;
  }
  tick(w, "CheckBox2");  // a disabled memory slider still stores its value
  w.frame()->close();
  gui::settle();
  EXPECT_EQ(stored(), "apt60 tc1 fc0 us0 pu51 ms0 cs0 me0 trevi0");
}

// A flag changes the captions, the menu and the rules shown, but no option. The memory labels grey out
// with their slider in either language. The rules take clicks while the start window is open.
TEST_F(StartWindow, FlagsChangeTheWindowTheMenuAndTheRulesButNoOption) {
  App app;
  finstart& w = finstart::instance();
  tick(w, "CheckBox7");
  const int grey = qGray(QApplication::palette().color(QPalette::Disabled, QPalette::WindowText).rgb());
  // The title, the primiera's scale and the three presses that end a hand (table, scores, next hand).
  const char* rules[2][3] = {{"How to play", "7 = 21, 6 = 18, ace = 16, 5 = 15, 4 = 14, 3 = 13, 2 = 12",
                              "click the traffic-light button three times: on the table, to open the scoring "
                              "window; there, to show the scores; and once more, to play the next hand"},
                             {"Come si gioca", "7 = 21, 6 = 18, asso = 16, 5 = 15, 4 = 14, 3 = 13, 2 = 12",
                              "clicca tre volte sul semaforo: sul tavolo, per aprire la finestra del punteggio; "
                              "lì, per calcolare il punteggio; e ancora una volta, per giocare la mano successiva"}};
  for (int flag : {1, 1, 0, 0}) {
    tick(w, "CheckBox2");  // the memory row off, then on again, in each language
    const std::string options = shown(w);
    gui::enter(w.control("Canvasl", flag));
    EXPECT_TRUE(w.control("Rectsel", flag).visible() && !w.control("Rectsel", 1 - flag).visible());
    gui::click(w.control("Canvasl", flag));
    gui::leave(w.control("Canvasl", flag));
    EXPECT_FALSE(w.control("Rectsel", flag).visible());
    EXPECT_EQ(w.control("CheckBox6").text() + "|" + w.control("CheckBox2").text(),
              flag ? "L'ultima scopa non fa punto|Computer A.I." : "Last Scopa doesn't score|Computer A.I.");
    EXPECT_EQ(app.menu().item("FileMenu").text(), flag == 0 ? "File" : "Archivio");
    EXPECT_EQ(shown(w), options);
    for (const char* label : {"StaticText2", "StaticText3"})
      EXPECT_EQ(darkest(w.control(label)), w.control(label).enabled() ? 0 : grey) << label;
    gui::click(w.control("pushbstart", 1));
    fw::Window* help = flag == 0 ? static_cast<fw::Window*>(ruleswin::live()) : regolewin::live();
    ASSERT_TRUE(help && help->frame()->isVisible());
    EXPECT_EQ(help->title(), rules[flag][0]);
    const std::string text = help->control("efregole").text();
    EXPECT_NE(text.find(rules[flag][1]), std::string::npos) << "the primiera's scale";
    EXPECT_NE(text.find(rules[flag][2]), std::string::npos) << "the end of a hand";
    EXPECT_TRUE(flag || std::all_of(text.begin(), text.end(), [](char c) { return c > 0; })) << "plain ASCII";
    QWidget* ok = help->control("PushButton1").widget();  // clicked through the window system
    QTest::mouseClick(help->frame()->windowHandle(), Qt::LeftButton, {}, ok->mapTo(help->frame(), QPoint(5, 5)));
    gui::settle();
    EXPECT_EQ(fw::Window::liveWindows(), std::vector<fw::Window*>{&w}) << "OK closes the rules";
  }
}

TEST_F(StartWindow, PlayStoresTheOptionsBeforeTheDeal) {
  finstart& w = finstart::instance();
  tick(w, "CheckBox1");  // four cards on the table off
  tick(w, "CheckBox7");  // Trevisan cards on
  gui::click(w.control("pushbstart", 0));
  ASSERT_TRUE(finstart::live() == nullptr && window1::live());
  EXPECT_EQ(stored(), "apt60 tc1 fc0 us0 pu21 ms1 cs0 me100 trevi1");
  EXPECT_EQ(Globali::contatore(1), 6) << "the first hand has an empty table";
  EXPECT_EQ(Globali::immagine(0), aaat()) << "and the Trevisan deck";
}

TEST_F(StartWindow, AboutBoxLinksAndOk) {
  infowin& w = infowin::instance();
  EXPECT_EQ(w.control("StaticText1").text() + "|" + w.control("StaticText2").text(),
            "Brivano\n(v. 1.60)\nby|Corvalesto\nSoftware\nHouse");
  for (const char* link : {"StaticText2", "StaticText3"}) {
    gui::enter(w.control(link));
    EXPECT_TRUE(w.control(link).underline()) << link;
    gui::leave(w.control(link));
    EXPECT_FALSE(w.control(link).underline()) << link;
    gui::click(w.control(link));
  }
  EXPECT_EQ(fw::mediaLog().urls,
            (std::vector<std::string>{"https://www.example.org/brivano/", "mailto:brivano@example.org"}));
  gui::click(w.control("PushButton1"));
  gui::settle();
  EXPECT_EQ(infowin::live(), nullptr);
}

}  // namespace
