#include "table/window1.h"

#include "engine/globali.h"
#include "shell/resources.h"

window1::window1() {
  handle("canvgio_MouseDown", &window1::canvgio_MouseDown);
  handle("canvgio_MouseEnter", &window1::canvgio_MouseEnter);
  handle("canvgio_MouseExit", &window1::canvgio_MouseExit);
  handle("canvtav_MouseDown", &window1::canvtav_MouseDown);
  handle("canvtav_MouseEnter", &window1::canvtav_MouseEnter);
  handle("canvtav_MouseExit", &window1::canvtav_MouseExit);
  handle("prendibott_Action", &window1::prendibott_Action);
  handle("ImageWell1_Open", &window1::ImageWell1_Open);
  handle("ImageWell1_MouseDown", &window1::ImageWell1_MouseDown);
  handle("EditField1_Open", &window1::EditField1_Open);
  handle("EditField1_LostFocus", &window1::EditField1_LostFocus);
  handle("EditField2_Open", &window1::EditField2_Open);
  handle("EditField2_LostFocus", &window1::EditField2_LostFocus);
}

fw::WindowSpec window1::spec() const {
  return {.title = "Brivano", .width = 780, .height = 555, .backdrop = legno};
}

std::vector<fw::ControlRow> window1::layout() const { return {}; }

void window1::Event_Open() {}
