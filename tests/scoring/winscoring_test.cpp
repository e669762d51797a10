// The scoring window built headless and pressed like a person would.
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <memory>

#include "engine/globali.h"
#include "framework/values.h"
#include "engine/pile.h"
#include "scoring/winscoring.h"
#include "shell/resources.h"
#include "table/window1.h"
#include "tests/scoring/hands.h"
#include "tests/support/gui.h"

namespace {

// Each test face a plain colour of its own, so a row's pixels tell which card lies where.
QColor faceColor(int card) { return QColor(6 * card, 255 - 6 * card, (37 * card) % 256); }

void useTestFaces(int width) {
  for (int card = 1; card <= 40; ++card) {
    QImage image(width, 165, QImage::Format_ARGB32_Premultiplied);
    image.fill(faceColor(card));
    Globali::immagine(card) = std::make_shared<fw::Picture>(image);
  }
}

const fw::Color pale{255, 251, 217}, red{255, 0, 0}, grey{130, 153, 153};  // HSV (.15,.15,1) (0,1,1) (.5,.15,.6)

bool near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) <= 1 && std::abs(a.green() - b.green()) <= 1 &&
         std::abs(a.blue() - b.blue()) <= 1 && a.alpha() == 255;
}

bool blank(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).alpha() != 0) return false;
  return true;
}

std::string status(int calcola, int lingua) {
  const char* texts[3][2] = {
      {"Click on traffic lights for showing scores", "Clicca sul semaforo per calcolare il punteggio"},
      {"Click on traffic lights for playing next match", "Clicca sul semaforo per giocare la prossima partita"},
      {"Click on traffic lights for starting over", "Clicca sul semaforo per ricominciare da capo"}};
  return texts[calcola][lingua - 1];
}

// The pile's back and its deepest top edge start at x = 40 - depth.
int pileDepth(const QImage& image) {
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (image.pixelColor(x, y).alpha() != 0) return 40 - x;
  return 0;
}

// Each card's right edge at x + width - 1, the last one whole and nothing left of it.
void expectRow(const fw::Control& canvas, const hands::Row& row, int cardWidth) {
  const QImage& image = canvas.canvasImage();
  SCOPED_TRACE("canvscope(" + std::to_string(canvas.index()) + ")");
  if (row.empty()) {
    EXPECT_TRUE(blank(image));
    return;
  }
  for (auto [card, x] : row) {
    EXPECT_EQ(image.pixelColor(x + cardWidth - 1, 80), faceColor(card)) << card << " at " << x;
    if (x + cardWidth < image.width()) {
      EXPECT_NE(image.pixelColor(x + cardWidth, 80), faceColor(card)) << card;
    }
  }
  auto [last, lastX] = row.back();
  EXPECT_EQ(image.pixelColor(lastX, 80), faceColor(last));
  for (int x = 0; x < lastX; ++x) EXPECT_EQ(image.pixelColor(x, 80).alpha(), 0) << x;
}

class ScoringWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    Globali::resetState();
    Globali::lingua = 1;
    Globali::pref_pu = 21;
    Globali::pref_apt = 60;
    Globali::pref_tc = 1;
    Globali::nomepla = "Anna";
    Globali::nomemac = "Brivano";
    useTestFaces(100);
  }
  void TearDown() override {
    if (auto* w = winscoring::live()) w->Close();
    if (auto* w = window1::live()) w->Close();
    gui::settle();
  }
  static winscoring& open() {
    winscoring& w = winscoring::instance();
    gui::settle();
    return w;
  }
  static void press(winscoring& w) {
    gui::click(w.control("prendibott"));
    gui::settle();
  }
};

// ---- Layout.

TEST_F(ScoringWindow, CreatesItsSixtyEightControlsInOrderAtTheirPlaces) {
  struct Place {
    const char* name;
    int index, left, top, width, height;  // lines: start point only
  };
  std::vector<Place> expected = {
      {"ImageWell1", -1, 34, 10, 42, 42},     {"ImageWell2", -1, 705, 10, 42, 42},   {"EditField1", -1, 10, 57, 90, 20},
      {"EditField2", -1, 681, 57, 90, 20},    {"rectobutt", -1, 120, 10, 90, 66},    {"prendibott", -1, 124, 14, 82, 58},
      {"StaticText1", -1, 10, 85, 200, 32},   {"StaticText15", -1, 10, 137, 200, 20}, {"StaticText16", -1, 570, 137, 200, 20},
      {"ProgressB", 0, 10, 172, 200, 12},     {"ProgressB", 1, 570, 172, 200, 12},   {"Line1", -1, 390, 10, 0, 0},
      {"Line2", -1, 10, 131, 0, 0},           {"Line6", -1, 10, 162, 0, 0},          {"Line7", -1, 224, 10, 0, 0},
      {"Line4", -1, 250, 10, 0, 0},           {"Line5", -1, 534, 10, 0, 0},          {"Line3", -1, 560, 10, 0, 0}};
  const int tops[] = {10, 34, 58, 82, 106, 137, 168};
  for (int i = 0; i < 14; ++i) expected.push_back({"cartetext", i, i % 2 ? 398 : 362, tops[i / 2], 20, 20});
  for (int i = 0; i < 14; ++i) expected.push_back({"StaticTx", i, i % 2 ? 426 : 254, tops[i / 2], 100, 20});
  for (int i = 0; i < 14; ++i) expected.push_back({"Rectrosso", i, i % 2 ? 539 : 229, tops[i / 2] + 2, 16, 16});
  expected.insert(expected.end(), {{"canvscope", 0, 10, 195, 184, 165}, {"canvscope", 4, 201, 195, 184, 165},
                                   {"canvscope", 5, 396, 195, 184, 165}, {"canvscope", 1, 586, 195, 184, 165},
                                   {"canvscope", 2, 10, 371, 228, 165}, {"canvmazzo", 0, 246, 371, 139, 185},
                                   {"canvmazzo", 1, 396, 371, 139, 185}, {"canvscope", 3, 542, 371, 228, 165}});
  winscoring& w = open();
  ASSERT_EQ(w.controls().size(), 68u);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const fw::Control& c = *w.controls()[i];
    const Place& p = expected[i];
    EXPECT_EQ(std::tuple(c.name(), c.index(), c.left(), c.top()), std::tuple(p.name, p.index, p.left, p.top)) << i;
    if (c.kind() != fw::Kind::Line) {
      EXPECT_EQ(std::pair(c.width(), c.height()), std::pair(p.width, p.height)) << i;
    }
  }
  // Resizing moves nothing.
  std::vector<QRect> before;
  for (const auto& c : w.controls()) before.push_back(c->widget()->geometry());
  w.frame()->resize(1100, 800);
  gui::settle();
  EXPECT_GT(w.content()->width(), 780);
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(w.controls()[i]->widget()->geometry(), before[i]) << i;
}

TEST_F(ScoringWindow, ControlsLookAsDesigned) {
  winscoring& w = open();
  struct Look {
    const char* name;
    int index, pixels;
    bool bold;
    QColor text;
    Qt::Alignment align;
  };
  const QColor blue(0, 0, 0x80), purple(0x4F, 0, 0x4F), maroon(0x80, 0, 0), yellow(255, 255, 0);
  for (const Look& l : std::vector<Look>{{"StaticText1", -1, 12, true, yellow, Qt::AlignHCenter},
                                         {"StaticText16", -1, 18, true, yellow, Qt::AlignHCenter},
                                         {"cartetext", 0, 18, true, blue, Qt::AlignRight},
                                         {"cartetext", 8, 18, true, purple, Qt::AlignRight},
                                         {"cartetext", 13, 18, true, maroon, Qt::AlignLeft},
                                         {"StaticTx", 7, 12, false, blue, Qt::AlignLeft},
                                         {"StaticTx", 9, 12, true, purple, Qt::AlignLeft},
                                         {"StaticTx", 10, 12, true, maroon, Qt::AlignRight}}) {
    auto* label = qobject_cast<QLabel*>(w.control(l.name, l.index).widget());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font().family().toLower(), "arial") << l.name;
    EXPECT_EQ(std::tuple(label->font().pixelSize(), label->font().bold(), label->palette().color(QPalette::WindowText)),
              std::tuple(l.pixels, l.bold, l.text)) << l.name << l.index;
    EXPECT_TRUE(label->alignment() & l.align) << l.name << l.index;
  }
  for (const char* name : {"EditField1", "EditField2"}) {
    auto* field = qobject_cast<QLineEdit*>(w.control(name).widget());
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->isReadOnly() && field->hasFrame() && (field->alignment() & Qt::AlignHCenter));
    EXPECT_EQ(std::tuple(field->font().pixelSize(), field->font().bold(), field->palette().color(QPalette::Text),
                         field->palette().color(QPalette::Base)),
              std::tuple(12, true, QColor(0x80, 0, 0), QColor(0xE5, 0xE5, 0xB7)));
  }
  EXPECT_EQ(w.control("prendibott").widget()->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(w.control("prendibott").image(), manona());
  EXPECT_EQ(w.control("ImageWell2").image(), mac());
  EXPECT_EQ(w.control("rectobutt").fillColor(), (fw::Color{0, 255, 255}));
  EXPECT_EQ(w.frame()->windowModality(), Qt::ApplicationModal);
  EXPECT_TRUE(w.frame()->windowFlags() & Qt::WindowMaximizeButtonHint);
  // The dividing lines, at both ends and a quarter of the way, and not past their end.
  QImage shot = w.content()->grab().toImage();
  const QColor dark(0x5B, 0x7E, 0x4B), light(0x81, 0xB2, 0x6A);
  for (auto [a, b, color] : std::vector<std::tuple<QPoint, QPoint, QColor>>{
           {{390, 10}, {390, 545}, dark}, {{10, 131}, {770, 131}, dark}, {{10, 162}, {770, 162}, dark},
           {{224, 10}, {224, 186}, light}, {{250, 10}, {250, 186}, light}, {{534, 10}, {534, 186}, light},
           {{560, 10}, {560, 186}, light}}) {
    for (QPoint p : {a, b, a + (b - a) / 4}) EXPECT_EQ(shot.pixelColor(p), color) << p.x() << "," << p.y();
    EXPECT_NE(shot.pixelColor(b + (a.x() == b.x() ? QPoint(0, 1) : QPoint(1, 0))), color);
  }
}

// ---- Opening: a fresh window for every hand, whatever the one before showed.

class ScoringWindowOpening : public ScoringWindow, public ::testing::WithParamInterface<int> {};

TEST_P(ScoringWindowOpening, ShowsAnUnscoredHandInTheLanguage) {
  const int lingua = GetParam();
  hands::lay(hands::threeSevens());
  winscoring& before = open();
  press(before);
  before.Close();
  gui::settle();
  Globali::lingua = lingua;
  Globali::pref_pu = 15;
  Globali::immagine(41) = fw::NewPicture(42, 42);
  winscoring& w = open();
  EXPECT_EQ(w.calcola, 0);
  EXPECT_EQ(w.title(), lingua == 2 ? "Riepilogo partita e punteggio complessivo" : "Match scoring and total scoring");
  const char* labels[2][7] = {
      {"Total cards", "Gold cards", "Seven of golds", "Primiera", "Scopas", "Game points", "Total points"},
      {"Carte", "Oro", "Settebello", "Primiera", "Scope", "Punti", "Punti totali"}};
  for (int i = 0; i < 14; ++i) {
    EXPECT_EQ(w.control("StaticTx", i).text(), labels[lingua - 1][i / 2]);
    EXPECT_EQ(w.control("cartetext", i).text(), "0");
    EXPECT_EQ(w.control("Rectrosso", i).fillColor(), pale) << i;
    EXPECT_FALSE(w.control("StaticTx", i).underline());
  }
  EXPECT_EQ(w.control("StaticText1").text(), status(0, lingua));
  EXPECT_EQ(w.control("StaticText15").text() + w.control("StaticText16").text(), "");
  for (int side = 0; side <= 1; ++side) {
    EXPECT_EQ(std::pair(w.control("ProgressB", side).maximum(), w.control("ProgressB", side).value()), std::pair(15, 0));
    EXPECT_TRUE(blank(w.control("canvmazzo", side).canvasImage()));
  }
  for (int row = 0; row < 6; ++row) EXPECT_TRUE(blank(w.control("canvscope", row).canvasImage()));
  EXPECT_EQ(w.control("EditField1").text() + "/" + w.control("EditField2").text(), "Anna/Brivano");
  EXPECT_EQ(w.control("ImageWell1").image(), Globali::immagine(41));
}

INSTANTIATE_TEST_SUITE_P(Languages, ScoringWindowOpening, ::testing::Values(1, 2));

// ---- The first press over whole hands.

class ScoringWindowHands : public ScoringWindow, public ::testing::WithParamInterface<hands::HandCase> {};

TEST_P(ScoringWindowHands, FirstPressShowsTheWholeCount) {
  const auto& hand = GetParam();
  hands::lay(hand);
  const int cw = hand.trevisan ? 82 : 100;
  useTestFaces(cw);
  winscoring& w = open();
  press(w);
  EXPECT_EQ(w.calcola, hand.calcola);
  for (int k = 0; k < 7; ++k) {
    auto [p, c] = hand.lines[k];
    EXPECT_EQ(w.control("cartetext", 2 * k).text() + "/" + w.control("cartetext", 2 * k + 1).text(),
              fw::Str(p) + "/" + fw::Str(c)) << "line " << k;
    EXPECT_EQ(w.control("Rectrosso", 2 * k).fillColor(), p > c ? red : p < c ? grey : pale) << "line " << k;
    EXPECT_EQ(w.control("Rectrosso", 2 * k + 1).fillColor(), c > p ? red : c < p ? grey : pale) << "line " << k;
    EXPECT_EQ(w.control("StaticTx", 2 * k).underline(), p > c) << "line " << k;
    EXPECT_EQ(w.control("StaticTx", 2 * k + 1).underline(), c > p) << "line " << k;
  }
  EXPECT_EQ(std::pair(Globali::punti(0), Globali::punti(1)), std::pair(hand.lines[6][0], hand.lines[6][1]));
  EXPECT_EQ(w.control("StaticText15").text(), hand.result[0]);
  EXPECT_EQ(w.control("StaticText16").text(), hand.result[1]);
  EXPECT_EQ(w.control("StaticText1").text(), status(hand.calcola, hand.lingua));
  for (int side = 0; side <= 1; ++side) {  // a total past the points to win fills its bar
    EXPECT_EQ(w.control("ProgressB", side).value(), std::min(hand.lines[6][side], hand.pointsToWin));
    EXPECT_EQ(pileDepth(w.control("canvmazzo", side).canvasImage()), hand.piles[side]) << "pile " << side;
  }
  for (int row = 0; row < 6; ++row) expectRow(w.control("canvscope", row), hand.rows[row], cw);
  EXPECT_EQ(winscoring::live(), &w);
}

INSTANTIATE_TEST_SUITE_P(WholeHands, ScoringWindowHands, ::testing::ValuesIn(hands::all()),
                         [](const auto& info) { return info.param.name; });

TEST_F(ScoringWindow, UnfinishedHandIsNeitherScoredNorDealt) {
  hands::lay(hands::computerWinsHand());
  Globali::uscita(12) = Globali::statocarta::ingioco;
  winscoring& w = open();
  press(w);
  press(w);
  EXPECT_EQ(w.calcola, 0);
  EXPECT_EQ(winscoring::live(), &w);
  EXPECT_EQ(std::pair(Globali::punti(0), Globali::punti(1)), std::pair(0, 0));
  EXPECT_EQ(w.control("cartetext", 0).text(), "0");
  EXPECT_EQ(Globali::uscita(13), Globali::statocarta::scopapla) << "no card re-coded";
  EXPECT_EQ(window1::live(), nullptr);
}

TEST_F(ScoringWindow, CloseBoxBeforeThePressScoresAndDealsNothing) {
  hands::lay(hands::computerWinsHand());
  open().frame()->close();
  gui::settle();
  EXPECT_EQ(winscoring::live(), nullptr);
  EXPECT_EQ(window1::live(), nullptr);
  EXPECT_EQ(std::pair(Globali::punti(0), Globali::punti(1)), std::pair(0, 0));
}

// ---- The pile drawing, shared with the table's deck and piles.

class PileDrawing : public ScoringWindow, public ::testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(PileDrawing, DrawsEdgesAndBackAtTheDepth) {
  auto [depth, trevisan] = GetParam();
  Globali::pref_trevi = trevisan;
  fw::Control& canvas = open().control("canvmazzo", 1);
  Globali::drawPile(canvas, 40);  // something to erase first
  Globali::drawPile(canvas, depth);
  const QImage& image = canvas.canvasImage();
  if (depth == 0) {
    EXPECT_TRUE(blank(image));
    return;
  }
  const int shift = trevisan ? 18 : 0;
  EXPECT_EQ(pileDepth(image), depth);
  // The deepest card's top edge is light, from x 39 to its right-hand edge.
  EXPECT_TRUE(near(image.pixelColor(39, 0), QColor(189, 204, 173)) && near(image.pixelColor(138 - shift, 0), QColor(189, 204, 173)));
  if (depth >= 3) {  // top edges two light, two dark: the second light, the third dark
    EXPECT_TRUE(near(image.pixelColor(137 - shift, 1), QColor(189, 204, 173)));
    EXPECT_TRUE(near(image.pixelColor(37, 1), QColor(118, 128, 108)));
  }
  // The back at (40 - depth, (depth + 1) / 2), over every right-hand edge but the ones beneath it.
  fw::PicturePtr back = trevisan ? aaat() : aaa();
  ASSERT_NE(back, nullptr);
  const int bx = 40 - depth, by = (depth + 1) / 2, mid = back->Width() / 2;
  for (int row : {0, 80, 164}) EXPECT_EQ(image.pixelColor(bx + mid, by + row), back->image().pixelColor(mid, row)) << row;
  if (by + 165 < image.height()) {
    EXPECT_EQ(image.pixelColor(bx + mid, by + 165).alpha(), 0);
  }
  for (int i = 1; i < depth; ++i) {
    QColor edge = i % 2 ? QColor(130, 140, 119) : QColor(83, 89, 76);
    EXPECT_TRUE(near(image.pixelColor(139 - i - shift, by + 100), edge)) << "edge " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, PileDrawing,
                         ::testing::Values(std::pair(0, false), std::pair(1, false), std::pair(2, false),
                                           std::pair(27, false), std::pair(40, false), std::pair(1, true),
                                           std::pair(11, true), std::pair(40, true)));

// ---- The second press, and a new game closing a window left open.

bool tableHasPlaces() {  // the table window's card places exist once its layout is written
  window1& table = window1::instance();
  bool ok = table.findControl("seleztav", 40) && table.findControl("canvtav", 40);
  table.Close();
  gui::settle();
  return ok;
}

TEST_F(ScoringWindow, SecondPressDealsTheNextHandInAFreshTable) {
  if (!tableHasPlaces()) GTEST_SKIP() << "the table window has no card places yet";
  hands::lay(hands::computerWinsHand());  // totals 2 and 3 after it
  Globali::mano = 0;
  Globali::pref_fc = false;  // no table cards: every place stays parked
  winscoring& w = open();
  press(w);
  ASSERT_EQ(w.calcola, 1);
  press(w);
  EXPECT_EQ(winscoring::live(), nullptr);
  window1* table = window1::live();
  ASSERT_NE(table, nullptr);
  EXPECT_TRUE(table->frame()->isVisible());
  for (int i = 1; i <= 40; ++i) {
    EXPECT_EQ(std::tuple(table->control("seleztav", i).left(), table->control("seleztav", i).visible(),
                         table->control("canvtav", i).left()),
              std::tuple(-200, false, -200)) << i;
  }
  EXPECT_EQ(Globali::mano, 1) << "the lead passes";
  EXPECT_EQ(std::pair(Globali::punti(0), Globali::punti(1)), std::pair(2, 3)) << "totals are kept";
}

TEST_F(ScoringWindow, SecondPressAfterTheLastHandStartsANewGame) {
  if (!tableHasPlaces()) GTEST_SKIP() << "the table window has no card places yet";
  hands::lay(hands::all()[2]);  // the computer reaches the points to win
  Globali::mano = 1;
  Globali::pref_fc = true;
  winscoring& w = open();
  press(w);
  ASSERT_EQ(w.calcola, 2);
  press(w);
  EXPECT_EQ(winscoring::live(), nullptr);
  ASSERT_NE(window1::live(), nullptr);
  EXPECT_EQ(std::pair(Globali::punti(0), Globali::punti(1)), std::pair(0, 0));
  EXPECT_EQ(std::pair(Globali::mano, Globali::toccaa), std::pair(0, 0)) << "the player leads";
}

TEST_F(ScoringWindow, NewGameClosesAScoringWindowLeftOpen) {
  if (!tableHasPlaces()) GTEST_SKIP() << "the table window has no card places yet";
  hands::lay(hands::computerWinsHand());
  open();
  Globali::newgame();
  gui::settle();
  EXPECT_EQ(winscoring::live(), nullptr);
}

// A picture of a scored hand with the real artwork, to look at: scoring.png in the working folder.
TEST_F(ScoringWindow, ScreenshotOfAScoredHand) {
  hands::lay(hands::threeSevens());
  for (int card = 1; card <= 40; ++card) Globali::immagine(card) = standardFace(card);
  Globali::immagine(41) = pla();
  winscoring& w = open();
  press(w);
  EXPECT_TRUE(w.frame()->grab().save("scoring.png"));
}

}  // namespace
