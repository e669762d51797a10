#include "scoring/winscoring.h"

#include "engine/globali.h"
#include "shell/resources.h"

winscoring::winscoring() {
  handle("prendibott_Action", &winscoring::prendibott_Action);
  handle("ImageWell1_Open", &winscoring::ImageWell1_Open);
  handle("EditField1_Open", &winscoring::EditField1_Open);
  handle("EditField2_Open", &winscoring::EditField2_Open);
}

fw::WindowSpec winscoring::spec() const {
  return {.title = "Scoring", .width = 780, .height = 555, .modal = true, .resizable = true,
          .maximizeBox = true, .backColor = fw::hex(0xA3CC8E), .backdrop = fondoscor};
}

std::vector<fw::ControlRow> winscoring::layout() const { return {}; }

void winscoring::Event_Open() { calcola = 0; }
void winscoring::prendibott_Action() {}
void winscoring::ImageWell1_Open() {}
void winscoring::EditField1_Open() {}
void winscoring::EditField2_Open() {}
