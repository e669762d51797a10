#include "start/finstart.h"

#include "engine/globali.h"
#include "framework/application.h"
#include "framework/values.h"
#include "shell/resources.h"
#include "start/regolewin.h"
#include "start/ruleswin.h"
#include "table/window1.h"

namespace {

struct Caption {
  const char* name;
  int index;
  const char* english;
  const char* italian;
};

// In the order they are set.
constexpr Caption captions[] = {
    {"pushbstart", 0, "Play a New Game", "Gioca una nuova partita"},
    {"pushbstart", 1, "How to play and scopa rules", "Istruzioni di gioco e regole"},
    {"pushbstart", 2, "QUIT Brivano", "ESCI da Brivano"},
    {"CheckBox7", -1, "Trevisan cards", "Carte trevisane"},
    {"CheckBox5", -1, "Ace gets all cards", "Asso pigliatutto"},
    {"CheckBox4", -1, "Three cards at a time", "Tre carte alla volta"},
    {"CheckBox1", -1, "Four cards on table at start", "Quattro carte sul tavolo in avvio"},
    {"CheckBox6", -1, "Last Scopa doesn't score", "L'ultima scopa non fa punto"},
    {"CheckBox3", -1, "Uncovered", "Scoperto"},
    {"StaticText2", -1, "A.I. memory", "Memoria A.I."},
    {"StaticText4", -1, "Points to win", "Punti per vincere"},
};

fw::ControlRow checkBox(const char* name, int left, int top, int width, int value, const char* text = "",
                        std::vector<std::string> events = {}) {
  return {.name = name, .kind = fw::Kind::CheckBox, .left = left, .top = top, .width = width, .height = 16,
          .font = "Arial", .fontSize = 12, .text = text, .value = value, .events = std::move(events)};
}

fw::ControlRow label(const char* name, int left, int top, int width, bool bold, fw::Align align,
                     const char* text = "") {
  return {.name = name, .kind = fw::Kind::StaticText, .left = left, .top = top, .width = width, .height = 20,
          .font = "Arial", .fontSize = 12, .bold = bold, .textColor = fw::hex(0x000000), .align = align,
          .text = text};
}

fw::ControlRow slider(const char* name, int top, int minimum, int maximum, int value) {
  return {.name = name, .kind = fw::Kind::Slider, .left = 279, .top = top, .width = 101, .height = 16,
          .value = value, .minimum = minimum, .maximum = maximum, .lineStep = 1, .pageStep = 20,
          .liveScroll = false, .events = {"ValueChanged"}};
}

fw::ControlRow flag(int index, int left, fw::PictureSource picture, const char* tooltip) {
  return {.name = "Canvasl", .index = index, .kind = fw::Kind::Canvas, .left = left, .top = 9, .width = 28,
          .height = 26, .picture = picture, .tooltip = tooltip, .focus = false,
          .events = {"MouseDown", "MouseEnter", "MouseExit"}};
}

// The hover bar: 4 pixels wider than its flag on each side, 4 pixels below it.
fw::ControlRow hoverBar(int index, int left) {
  return {.name = "Rectsel", .index = index, .kind = fw::Kind::Rectangle, .left = left, .top = 39, .width = 36,
          .height = 10, .fill = fw::hex(0x00FFFE), .border = fw::hex(0x00FFFE), .borderWidth = 1,
          .visible = false};
}

fw::ControlRow button(int index, int left, int top, int width) {
  return {.name = "pushbstart", .index = index, .kind = fw::Kind::PushButton, .left = left, .top = top,
          .width = width, .height = 20, .font = "Arial", .fontSize = 12, .bold = true, .isDefault = index == 0,
          .events = {"Action"}};
}

}  // namespace

finstart::finstart() {
  handle("Canvasl_MouseDown", &finstart::Canvasl_MouseDown);
  handle("Canvasl_MouseEnter", &finstart::Canvasl_MouseEnter);
  handle("Canvasl_MouseExit", &finstart::Canvasl_MouseExit);
  handle("pushbstart_Action", &finstart::pushbstart_Action);
  handle("Slider1_ValueChanged", &finstart::Slider1_ValueChanged);
  handle("CheckBox2_Action", &finstart::CheckBox2_Action);
  handle("Slider2_ValueChanged", &finstart::Slider2_ValueChanged);
  handle("CheckBox4_Action", &finstart::CheckBox4_Action);
}

fw::WindowProperties finstart::properties() const {
  return {.title = "Brivano", .width = 400, .height = 420, .modal = true, .maximizeBox = false,
          .placement = fw::Placement::Default, .backColor = fw::hex(0xE6E6E6)};
}

std::vector<fw::ControlRow> finstart::layout() const {
  using fw::Align;
  std::vector<fw::ControlRow> rows;
  rows.push_back({.name = "StaticText6", .kind = fw::Kind::StaticText, .left = 60, .top = 9, .width = 140,
                  .height = 30, .font = "Arial", .fontSize = 12, .textColor = fw::hex(0x800000),
                  .align = Align::Left, .multiline = true,
                  .text = "Choose english language clicking on US flag"});
  rows.push_back(flag(0, 20, busa, "click here for english language"));
  rows.push_back(hoverBar(0, 16));
  rows.push_back(flag(1, 352, bita, "clicca qui per l'italiano"));
  rows.push_back(hoverBar(1, 348));
  rows.push_back(button(0, 20, 56, 360));
  rows.push_back(button(1, 148, 110, 232));
  rows.push_back(button(2, 20, 390, 358));
  rows.push_back({.name = "ImageWell1", .kind = fw::Kind::ImageWell, .left = 16, .top = 87, .width = 120,
                  .height = 205, .picture = d07});
  rows.push_back(slider("Slider1", 274, 0, 100, 100));
  rows.push_back(checkBox("CheckBox1", 147, 178, 232, 1));
  rows.push_back(checkBox("CheckBox2", 147, 247, 110, 1, "Computer A.I.", {"Action"}));
  rows.push_back(label("StaticText2", 149, 270, 75, false, Align::Left));
  rows.push_back(label("StaticText3", 236, 270, 32, true, Align::Right, "100%"));
  rows.push_back(slider("Slider2", 225, 11, 51, 21));
  rows.push_back(label("StaticText4", 149, 221, 90, false, Align::Left));
  rows.push_back(label("StaticText5", 236, 221, 32, true, Align::Right, "21"));
  rows.push_back(checkBox("CheckBox3", 270, 247, 110, 0));
  rows.push_back({.name = "StaticText7", .kind = fw::Kind::StaticText, .left = 200, .top = 9, .width = 140,
                  .height = 30, .font = "Arial", .fontSize = 12, .textColor = fw::hex(0x800000),
                  .align = Align::Right, .multiline = true,
                  .text = "Scegli la lingua italiana con un click sul tricolore"});
  rows.push_back(checkBox("CheckBox4", 147, 158, 232, 0, "", {"Action"}));
  rows.push_back(checkBox("CheckBox5", 147, 138, 232, 0));
  rows.push_back(checkBox("CheckBox6", 147, 198, 232, 0));
  rows.push_back(checkBox("CheckBox7", 147, 87, 232, 0));
  return rows;
}

void finstart::Event_Open() {
  camlin();
  // No hand in progress stays behind the start window. With none open there is nothing to close:
  // building one only to close it would flash an empty table on the screen.
  if (window1* table = window1::live()) table->Close();
  aggiornabottonistart();
}

void finstart::Event_Close() {
  // The only place where the options reach the engine.
  Globali::pref_apt = 60;
  if (control("CheckBox5").value() == 1) Globali::pref_apt = 1;
  Globali::pref_tc = 1;
  if (control("CheckBox4").value() == 1) Globali::pref_tc = 3;
  Globali::pref_fc = control("CheckBox1").value() == 1;
  Globali::pref_us = control("CheckBox6").value() == 1;
  Globali::pref_pu = control("Slider2").value();
  Globali::pref_ms = control("CheckBox2").value() == 1;
  Globali::pref_cs = control("CheckBox3").value() == 1;
  Globali::pref_me = control("Slider1").value();  // also while the slider is disabled
  Globali::pref_trevi = control("CheckBox7").value() == 1;
}

void finstart::Canvasl_MouseDown(int index) {
  Globali::lingua = index + 1;
  if (Globali::lingua == 1) {
    Globali::local_usa();
  } else {
    Globali::local_ita();
  }
  camlin();
}

void finstart::Canvasl_MouseEnter(int index) { control("Rectsel", index).setVisible(true); }

void finstart::Canvasl_MouseExit(int index) { control("Rectsel", index).setVisible(false); }

void finstart::pushbstart_Action(int index) {
  switch (index) {
    case 0:
      // Closing stores the options, so the deal reads the ones just chosen.
      Close();
      Globali::newgame();
      break;
    case 1:
      if (Globali::lingua == 1) {
        ruleswin::instance().Show();
      } else {
        regolewin::instance().Show();
      }
      break;
    case 2:
      fw::Quit(0);
      break;
    default:
      break;
  }
}

void finstart::Slider1_ValueChanged() {
  control("StaticText3").setText(fw::Str(control("Slider1").value()) + "%");
}

void finstart::CheckBox2_Action() {
  bool on = control("CheckBox2").value() == 1;
  control("Slider1").setEnabled(on);
  control("StaticText2").setEnabled(on);
  control("StaticText3").setEnabled(on);
}

void finstart::Slider2_ValueChanged() { control("StaticText5").setText(fw::Str(control("Slider2").value())); }

void finstart::CheckBox4_Action() {
  // Three cards at a time needs four on the table, or the two hands run out of step.
  fw::Control& four = control("CheckBox1");
  if (control("CheckBox4").value() == 1) {
    four.setValue(1);
    four.setEnabled(false);
  } else {
    four.setEnabled(true);
  }
}

void finstart::camlin() {
  bool english = Globali::lingua == 1;
  for (const Caption& c : captions) control(c.name, c.index).setText(english ? c.english : c.italian);
}

void finstart::aggiornabottonistart() {
  control("CheckBox5").setValue(Globali::pref_apt == 1 ? 1 : 0);
  if (Globali::pref_tc == 3) {
    control("CheckBox4").setValue(1);
    control("CheckBox1").setValue(1);
    control("CheckBox1").setEnabled(false);
  } else {
    control("CheckBox4").setValue(0);
    control("CheckBox1").setEnabled(true);
    control("CheckBox1").setValue(Globali::pref_fc ? 1 : 0);
  }
  control("CheckBox6").setValue(Globali::pref_us ? 1 : 0);
  control("Slider2").setValue(Globali::pref_pu);
  control("StaticText5").setText(fw::Str(Globali::pref_pu));
  control("CheckBox2").setValue(Globali::pref_ms ? 1 : 0);
  control("Slider1").setEnabled(Globali::pref_ms);
  control("StaticText2").setEnabled(Globali::pref_ms);
  control("StaticText3").setEnabled(Globali::pref_ms);
  control("CheckBox3").setValue(Globali::pref_cs ? 1 : 0);
  control("CheckBox7").setValue(Globali::pref_trevi ? 1 : 0);
  control("Slider1").setValue(Globali::pref_me);
  control("StaticText3").setText(fw::Str(Globali::pref_me) + "%");
}
