#include "scoring/winscoring.h"

#include "engine/globali.h"
#include "framework/color.h"
#include "framework/values.h"
#include "engine/pile.h"
#include "scoring/scoring.h"
#include "shell/resources.h"
#include "table/window1.h"

namespace {

// The score table's tops, one per line.
constexpr int lineTops[scoring::lineCount] = {10, 34, 58, 82, 106, 137, 168};

fw::Color lineColor(int line) {
  if (line <= scoring::primieraLine) return fw::hex(0x000080);
  if (line == scoring::scopaLine) return fw::hex(0x4F004F);
  return fw::hex(0x800000);
}

const fw::Color yellow = fw::hex(0xFFFF00);

fw::ControlRow nameField(const std::string& name, int left, const std::string& text) {
  return {.name = name, .kind = fw::Kind::EditField, .left = left, .top = 57, .width = 90, .height = 20,
          .font = "Arial", .fontSize = 12, .bold = true, .textColor = fw::hex(0x800000),
          .backColor = fw::hex(0xE5E5B7), .align = fw::Align::Center, .readOnly = true, .hasBorder = true,
          .text = text, .events = {"Open"}};
}

fw::ControlRow resultLine(const std::string& name, int left) {
  return {.name = name, .kind = fw::Kind::StaticText, .left = left, .top = 137, .width = 200, .height = 20,
          .font = "arial", .fontSize = 18, .bold = true, .textColor = yellow, .align = fw::Align::Center,
          .multiline = true};
}

fw::ControlRow line(const std::string& name, int x1, int y1, int x2, int y2, unsigned rgb) {
  return {.name = name, .kind = fw::Kind::Line, .left = x1, .top = y1, .width = x2 - x1, .height = y2 - y1,
          .textColor = fw::hex(rgb), .x2 = x2, .y2 = y2};
}

fw::ControlRow cardRow(const std::string& name, int index, int left, int top, int width, int height) {
  return {.name = name, .index = index, .kind = fw::Kind::Canvas, .left = left, .top = top, .width = width,
          .height = height, .focus = false};
}

}  // namespace

winscoring::winscoring() {
  handle("prendibott_Action", &winscoring::prendibott_Action);
  handle("ImageWell1_Open", &winscoring::ImageWell1_Open);
  handle("EditField1_Open", &winscoring::EditField1_Open);
  handle("EditField2_Open", &winscoring::EditField2_Open);
}

fw::WindowProperties winscoring::properties() const {
  return {.title = "Scoring", .width = 780, .height = 555, .modal = true, .resizable = true,
          .maximizeBox = true, .placement = fw::Placement::MainScreen, .backColor = fw::hex(0xA3CC8E),
          .backdrop = fondoscor};
}

std::vector<fw::ControlRow> winscoring::layout() const {
  std::vector<fw::ControlRow> rows;
  rows.push_back({.name = "ImageWell1", .kind = fw::Kind::ImageWell, .left = 34, .top = 10, .width = 42,
                  .height = 42, .picture = pla, .events = {"Open"}});
  rows.push_back({.name = "ImageWell2", .kind = fw::Kind::ImageWell, .left = 705, .top = 10, .width = 42,
                  .height = 42, .picture = mac});
  rows.push_back(nameField("EditField1", 10, "Player"));
  rows.push_back(nameField("EditField2", 681, "Computer"));
  rows.push_back({.name = "rectobutt", .kind = fw::Kind::Rectangle, .left = 120, .top = 10, .width = 90,
                  .height = 66, .fill = fw::hex(0x00FFFF), .border = fw::hex(0x00FFFF), .borderWidth = 0});
  rows.push_back({.name = "prendibott", .kind = fw::Kind::BevelButton, .left = 124, .top = 14, .width = 82,
                  .height = 58, .font = "Arial", .fontSize = 12, .bold = true, .picture = manona, .focus = false,
                  .events = {"Action"}});
  rows.push_back({.name = "StaticText1", .kind = fw::Kind::StaticText, .left = 10, .top = 85, .width = 200,
                  .height = 32, .font = "arial", .fontSize = 12, .bold = true, .textColor = yellow,
                  .align = fw::Align::Center, .multiline = true, .text = "P"});
  rows.push_back(resultLine("StaticText15", 10));
  rows.push_back(resultLine("StaticText16", 570));
  for (int side = 0; side <= 1; ++side) {
    rows.push_back({.name = "ProgressB", .index = side, .kind = fw::Kind::ProgressBar, .left = side ? 570 : 10,
                    .top = 172, .width = 200, .height = 12, .value = 0, .maximum = 100});
  }

  rows.push_back(line("Line1", 390, 10, 390, 545, 0x5B7E4B));
  rows.push_back(line("Line2", 10, 131, 770, 131, 0x5B7E4B));
  rows.push_back(line("Line6", 10, 162, 770, 162, 0x5B7E4B));
  rows.push_back(line("Line7", 224, 10, 224, 186, 0x81B26A));
  rows.push_back(line("Line4", 250, 10, 250, 186, 0x81B26A));
  rows.push_back(line("Line5", 534, 10, 534, 186, 0x81B26A));
  rows.push_back(line("Line3", 560, 10, 560, 186, 0x81B26A));

  // Score table: the player's member of line k at index 2k (left half), the computer's at 2k + 1.
  constexpr int last = 2 * scoring::lineCount - 1;
  fw::addMembers(rows, 0, last, [](int i) {
    int k = i / 2;
    bool player = i % 2 == 0;
    return fw::ControlRow{.name = "cartetext", .index = i, .kind = fw::Kind::StaticText,
                          .left = player ? 362 : 398, .top = lineTops[k], .width = 20, .height = 20,
                          .font = "arial", .fontSize = 18, .bold = true, .textColor = lineColor(k),
                          .align = player ? fw::Align::Right : fw::Align::Left, .text = "0"};
  });
  fw::addMembers(rows, 0, last, [](int i) {
    int k = i / 2;
    bool player = i % 2 == 0;
    return fw::ControlRow{.name = "StaticTx", .index = i, .kind = fw::Kind::StaticText,
                          .left = player ? 254 : 426, .top = lineTops[k], .width = 100, .height = 20,
                          .font = "arial", .fontSize = 12, .bold = k >= scoring::scopaLine,
                          .textColor = lineColor(k), .align = player ? fw::Align::Right : fw::Align::Left,
                          .text = scoring::lineLabel(k, 1)};
  });
  fw::addMembers(rows, 0, last, [](int i) {
    int k = i / 2;
    return fw::ControlRow{.name = "Rectrosso", .index = i, .kind = fw::Kind::Rectangle,
                          .left = i % 2 == 0 ? 229 : 539, .top = lineTops[k] + 2, .width = 16, .height = 16,
                          .fill = fw::hex(0xFF0000), .border = fw::hex(0x000000), .borderWidth = 0};
  });

  rows.push_back(cardRow("canvscope", 0, 10, 195, 184, 165));
  rows.push_back(cardRow("canvscope", 4, 201, 195, 184, 165));
  rows.push_back(cardRow("canvscope", 5, 396, 195, 184, 165));
  rows.push_back(cardRow("canvscope", 1, 586, 195, 184, 165));
  rows.push_back(cardRow("canvscope", 2, 10, 371, 228, 165));
  rows.push_back(cardRow("canvmazzo", 0, 246, 371, 139, 185));
  rows.push_back(cardRow("canvmazzo", 1, 396, 371, 139, 185));
  rows.push_back(cardRow("canvscope", 3, 542, 371, 228, 165));
  return rows;
}

void winscoring::ImageWell1_Open() { control("ImageWell1").setImage(Globali::immagine(41)); }
void winscoring::EditField1_Open() { control("EditField1").setText(Globali::nomepla); }
void winscoring::EditField2_Open() { control("EditField2").setText(Globali::nomemac); }

void winscoring::Event_Open() {
  calcola = 0;
  for (int i = 0; i < 2 * scoring::lineCount; ++i) control("Rectrosso", i).setFillColor(fw::HSV(0.15, 0.15, 1.0));
  for (int side = 0; side <= 1; ++side) control("ProgressB", side).setMaximum(Globali::pref_pu);
  setTitle(scoring::windowTitle(Globali::lingua));
  for (int k = 0; k < scoring::lineCount; ++k) control("StaticTx", 2 * k).setText(scoring::lineLabel(k, Globali::lingua));
  control("StaticText1").setText(scoring::statusText(0, Globali::lingua));
  for (int k = 0; k < scoring::lineCount; ++k) {
    control("StaticTx", 2 * k + 1).setText(control("StaticTx", 2 * k).text());
  }
}

int winscoring::primpunti(int start, int lato, int mode) const { return scoring::primpunti(start, lato, mode); }

void winscoring::discarte(int row, int lato) {
  fw::Control& canvas = control("canvscope", row);
  auto places = scoring::fanLayout(scoring::rowCode(row, lato), canvas.width(), scoring::cardWidth());
  if (places.empty()) return;  // an empty row is left untouched
  canvas.refresh(true);
  for (const auto& place : places) canvas.graphics().DrawPicture(Globali::immagine(place.card), place.x, 0);
}

void winscoring::dismazzo(int count, int lato) { Globali::drawPile(control("canvmazzo", lato), count); }

void winscoring::prendibott_Action() {
  if (calcola == 0) {
    scoreFirstPress();
  } else {
    leaveForNextStep(calcola);
  }
}

void winscoring::scoreFirstPress() {
  // A window left open from an earlier hand must not score a hand in progress.
  if (!scoring::everyCardTaken()) return;
  scoring::HandScore score = scoring::scoreHand();
  for (int k = 0; k < scoring::lineCount; ++k) {
    for (int side = 0; side <= 1; ++side) control("cartetext", 2 * k + side).setText(fw::Str(score.value[k][side]));
  }
  // A total past the points to win shows as a full bar.
  for (int side = 0; side <= 1; ++side) control("ProgressB", side).setValue(Globali::punti(side));
  calcola = score.calcola;
  control("StaticText15").setText(score.result[0]);
  control("StaticText16").setText(score.result[1]);

  for (int k = 0; k < scoring::lineCount; ++k) {
    int side = scoring::leader(score.value[k][0], score.value[k][1]);
    if (side < 0) continue;  // equal values keep the pale markers
    control("Rectrosso", 2 * k + side).setFillColor(fw::HSV(0, 1, 1));
    control("Rectrosso", 2 * k + 1 - side).setFillColor(fw::HSV(0.5, 0.15, 0.6));
    control("StaticTx", 2 * k + side).setUnderline(true);
  }

  scoring::sortIntoRows();
  for (int row = 0; row < 6; ++row) discarte(row, row % 2);
  int playerPile = scoring::pileCount(Globali::lato::latopla);
  int computerPile = scoring::pileCount(Globali::lato::latomac);
  dismazzo(playerPile, Globali::lato::latopla);
  dismazzo(computerPile, Globali::lato::latomac);

  control("StaticText1").setText(scoring::statusText(calcola, Globali::lingua));
}

void winscoring::leaveForNextStep(int step) {
  Close();  // still usable until this handler returns
  if (step == scoring::nextHand) {
    Globali::parkTablePlaces();
    window1::instance().Show();
    Globali::daicarteinizio();
  } else {
    Globali::newgame();
  }
}
