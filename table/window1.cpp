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

fw::WindowProperties window1::properties() const {
  return {.title = "Brivano",
          .width = 780,
          .height = 555,
          .modal = false,
          .resizable = false,
          .closeBox = true,
          .minimizeBox = true,
          .maximizeBox = false,
          .menuBar = true,
          .visible = true,
          .placement = fw::Placement::MainScreen,
          .backdrop = legno};
}

namespace {

using fw::Align;
using fw::ControlRow;
using fw::Kind;

constexpr fw::Color cyan = fw::hex(0x00ffff);
constexpr fw::Color white = fw::hex(0xffffff);

ControlRow canvas(const char* name, int index, int left, int top, int width, int height) {
  return {.name = name, .index = index, .kind = Kind::Canvas, .left = left, .top = top, .width = width,
          .height = height, .focus = false};
}

ControlRow bar(const char* name, int index, int left, int top, bool visible) {
  return {.name = name, .index = index, .kind = Kind::Rectangle, .left = left, .top = top, .width = 98,
          .height = 8, .fill = cyan, .border = cyan, .visible = visible, .focus = false};
}

ControlRow score(const char* name, int top) {
  return {.name = name, .kind = Kind::StaticText, .left = 385, .top = top, .width = 40, .height = 20,
          .font = "arial", .fontSize = 18, .bold = true, .textColor = white, .align = Align::Left,
          .text = "0", .focus = false};
}

ControlRow scoreLabel(const char* name, int top) {
  return {.name = name, .kind = Kind::StaticText, .left = 335, .top = top, .width = 40, .height = 20,
          .font = "arial", .fontSize = 12, .bold = false, .textColor = white, .align = Align::Right,
          .text = "Points", .focus = false};
}

ControlRow nameField(const char* name, int top, const char* text) {
  return {.name = name, .kind = Kind::EditField, .left = 335, .top = top, .width = 90, .height = 20,
          .font = "Arial", .fontSize = 12, .bold = true, .textColor = fw::hex(0x800000),
          .backColor = fw::hex(0xe5e5b7), .align = Align::Center, .multiline = false, .readOnly = false,
          .hasBorder = true, .text = text, .focus = true, .events = {"LostFocus", "Open"}};
}

ControlRow arrow(const char* name, int left, int top, int width, int height, fw::PictureSource picture) {
  ControlRow row = canvas(name, -1, left, top, width, height);
  row.picture = picture;
  row.visible = false;
  return row;
}

}  // namespace

// Creation order matters: later controls lie over earlier ones (the speech text over its bubble,
// the button over its frame).
std::vector<fw::ControlRow> window1::layout() const {
  std::vector<ControlRow> rows;
  rows.push_back({.name = "Rectangle1", .kind = Kind::Rectangle, .left = 337, .top = 10, .width = 16,
                  .height = 40, .fill = fw::hex(0x66ff66), .border = fw::hex(0x000000), .borderWidth = 0,
                  .focus = false});
  rows.push_back({.name = "helptesto", .kind = Kind::StaticText, .left = 110, .top = 177, .width = 310,
                  .height = 16, .font = "arial", .fontSize = 12, .bold = true, .textColor = white,
                  .align = Align::Left, .multiline = false, .text = "", .focus = false});
  fw::addMembers(rows, 1, 40, [](int i) {
    ControlRow row = canvas("canvtav", i, 230 + 5 * (i - 1), 195, 100, 165);
    row.events = {"MouseDown", "MouseExit", "MouseEnter"};
    return row;
  });
  rows.push_back({.name = "RoundRectangle1", .kind = Kind::RoundRectangle, .left = 335, .top = 108,
                  .width = 90, .height = 66, .fill = fw::hex(0xf1f1d9), .border = fw::hex(0x800000),
                  .corner = 16, .focus = false});
  rows.push_back({.name = "Pensotesto", .kind = Kind::StaticText, .left = 337, .top = 110, .width = 86,
                  .height = 62, .font = "arial", .fontSize = 18, .bold = true, .textColor = fw::hex(0xff0000),
                  .align = Align::Center, .multiline = true, .text = "", .focus = false});
  rows.push_back(canvas("canvscope", 0, 574, 10, 201, 165));
  rows.push_back(canvas("canvscope", 2, 574, 380, 201, 165));
  fw::addMembers(rows, 1, 3, [](int i) {
    ControlRow row = canvas("canvgio", i, 10 + 110 * (i - 1), 380, 100, 165);
    row.events = {"MouseExit", "MouseEnter", "MouseDown"};
    return row;
  });
  rows.push_back(canvas("canvmac", 1, 10, 10, 100, 165));
  rows.push_back(canvas("canvmazzo", 2, 430, 375, 139, 185));
  rows.push_back(canvas("canvmac", 2, 120, 10, 100, 165));
  rows.push_back(canvas("canvmac", 3, 230, 10, 100, 165));
  rows.push_back(canvas("canvmazzo", 1, 631, 190, 139, 185));
  rows.push_back(canvas("canvmazzo", 0, 430, 5, 139, 185));
  rows.push_back({.name = "ImageWell1", .kind = Kind::ImageWell, .left = 359, .top = 380, .width = 42,
                  .height = 42, .picture = pla, .focus = false, .events = {"MouseDown", "Open"}});
  rows.push_back({.name = "ImageWell2", .kind = Kind::ImageWell, .left = 359, .top = 10, .width = 42,
                  .height = 42, .picture = mac, .focus = false});
  rows.push_back(nameField("EditField1", 427, "Player"));
  rows.push_back(nameField("EditField2", 57, "Computer"));
  rows.push_back(canvas("canvgiomactir", -1, 10, 195, 100, 165));
  rows.push_back(arrow("Canvas1", 52, 180, 16, 8, frgiu));
  rows.push_back(arrow("Canvas2", 52, 368, 16, 8, frsu));
  rows.push_back({.name = "rectobutt", .kind = Kind::Rectangle, .left = 300, .top = 478, .width = 90,
                  .height = 66, .fill = cyan, .border = cyan, .visible = false, .focus = false});
  fw::addMembers(rows, 1, 3, [](int i) { return bar("selezrect", i, 11 + 110 * (i - 1), 546, false); });
  // The last bar stops at 422 so that it ends inside the table row.
  fw::addMembers(rows, 1, 40,
                 [](int i) { return bar("seleztav", i, i == 40 ? 422 : 231 + 5 * (i - 1), 361, true); });
  rows.push_back(arrow("Canvas3", 120, 269, 16, 16, frdes));
  rows.push_back(score("puntimactext", 82));
  rows.push_back(score("puntiplatext", 452));
  rows.push_back(scoreLabel("StaticText1", 82));
  rows.push_back(scoreLabel("StaticText2", 452));
  rows.push_back({.name = "prendibott", .kind = Kind::BevelButton, .left = 339, .top = 482, .width = 82,
                  .height = 58, .font = "Arial", .fontSize = 12, .bold = true, .picture = manona,
                  .text = "", .enabled = false, .focus = false, .events = {"Action"}});
  return rows;
}

void window1::Event_Open() {
  const char* label = Globali::lingua == 2 ? "Punti" : "Points";
  control("StaticText1").setText(label);
  control("StaticText2").setText(label);
  // Frames the traffic-light button, 4 pixels round it.
  control("rectobutt").setLeft(335);
}

// The table and hand cards again; the deck, piles, scopa rows and played card keep their own drawing.
void window1::Event_Paint() { Globali::ridisegna(); }
