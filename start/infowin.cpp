#include "start/infowin.h"

#include "framework/media.h"
#include "shell/resources.h"

infowin::infowin() {
  handle("StaticText2_MouseEnter", &infowin::StaticText2_MouseEnter);
  handle("StaticText2_MouseExit", &infowin::StaticText2_MouseExit);
  handle("StaticText2_MouseDown", &infowin::StaticText2_MouseDown);
  handle("StaticText3_MouseEnter", &infowin::StaticText3_MouseEnter);
  handle("StaticText3_MouseExit", &infowin::StaticText3_MouseExit);
  handle("StaticText3_MouseDown", &infowin::StaticText3_MouseDown);
  handle("PushButton1_Action", &infowin::PushButton1_Action);
}

fw::WindowProperties infowin::properties() const {
  // No close box: only OK (or Return) closes it.
  return {.title = "Brivano Info", .width = 250, .height = 210, .modal = true, .closeBox = false,
          .placement = fw::Placement::MainScreen};
}

std::vector<fw::ControlRow> infowin::layout() const {
  const std::vector<std::string> link = {"MouseDown", "MouseEnter", "MouseExit"};
  return {
      {.name = "StaticText1", .kind = fw::Kind::StaticText, .left = 148, .top = 10, .width = 80, .height = 46,
       .font = "arial", .fontSize = 12, .bold = true, .textColor = fw::hex(0x007f00), .align = fw::Align::Center,
       .multiline = true, .text = "Brivano\r(v. 1.60)\rby"},
      {.name = "StaticText2", .kind = fw::Kind::StaticText, .left = 148, .top = 101, .width = 80, .height = 60,
       .font = "arial", .fontSize = 12, .bold = true, .textColor = fw::hex(0x00007f), .align = fw::Align::Center,
       .multiline = true, .text = "Corvalesto\rSoftware\rHouse", .events = link},
      {.name = "StaticText3", .kind = fw::Kind::StaticText, .left = 148, .top = 61, .width = 80, .height = 30,
       .font = "arial", .fontSize = 12, .bold = true, .textColor = fw::hex(0x7f007f), .align = fw::Align::Center,
       .multiline = true, .text = "The Brivano\rteam", .events = link},
      {.name = "PushButton1", .kind = fw::Kind::PushButton, .left = 148, .top = 173, .width = 80, .height = 20,
       .font = "System", .fontSize = 12, .text = "OK", .isDefault = true, .events = {"Action"}},
      {.name = "ImageWell1", .kind = fw::Kind::ImageWell, .left = 10, .top = 10, .width = 120, .height = 185,
       .picture = d07},
  };
}

void infowin::StaticText2_MouseEnter() { control("StaticText2").setUnderline(true); }
void infowin::StaticText2_MouseExit() { control("StaticText2").setUnderline(false); }
void infowin::StaticText2_MouseDown() { fw::ShowURL(webAddress); }
void infowin::StaticText3_MouseEnter() { control("StaticText3").setUnderline(true); }
void infowin::StaticText3_MouseExit() { control("StaticText3").setUnderline(false); }
void infowin::StaticText3_MouseDown() { fw::ShowURL(mailAddress); }
void infowin::PushButton1_Action() { Close(); }
