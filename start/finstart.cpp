#include "start/finstart.h"

#include "engine/globali.h"
#include "shell/resources.h"

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

fw::WindowSpec finstart::spec() const {
  return {.title = "Brivano", .width = 400, .height = 420, .modal = true, .backColor = fw::hex(0xE6E6E6)};
}

std::vector<fw::ControlRow> finstart::layout() const { return {}; }

void finstart::Event_Open() {}
void finstart::Event_Close() {}
void finstart::Canvasl_MouseDown(int) {}
void finstart::Canvasl_MouseEnter(int) {}
void finstart::Canvasl_MouseExit(int) {}
void finstart::pushbstart_Action(int) {}
void finstart::Slider1_ValueChanged() {}
void finstart::CheckBox2_Action() {}
void finstart::Slider2_ValueChanged() {}
void finstart::CheckBox4_Action() {}
void finstart::camlin() {}
void finstart::aggiornabottonistart() {}
