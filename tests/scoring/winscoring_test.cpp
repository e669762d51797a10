// The scoring window built headless and pressed like a person would.
#include <QLineEdit>
#include <gtest/gtest.h>
#include <tuple>

#include "framework/values.h"
#include "scoring/winscoring.h"
#include "shell/resources.h"
#include "tests/scoring/hands.h"
#include "tests/table/table_support.h"  // cards told apart by colour, blank canvases

namespace {

using tabletest::blank;
using tabletest::cardColor;

const fw::Color pale{255, 251, 217}, red{255, 0, 0}, grey{130, 153, 153};  // HSV (.15,.15,1) (0,1,1) (.5,.15,.6)

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
    EXPECT_EQ(image.pixelColor(x + cardWidth - 1, 80), cardColor(card)) << card << " at " << x;
    if (x + cardWidth < image.width()) {
      EXPECT_NE(image.pixelColor(x + cardWidth, 80), cardColor(card)) << card;
    }
  }
  auto [last, lastX] = row.back();
  EXPECT_EQ(image.pixelColor(lastX, 80), cardColor(last));
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
    tabletest::useTestDeck();
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
  static void expectTotals(int player, int computer) {
    EXPECT_EQ(std::pair(Globali::punti(0), Globali::punti(1)), std::pair(player, computer));
  }
};

TEST_F(ScoringWindow, HasItsSixtyEightControlsFixedInPlace) {
  winscoring& w = open();
  ASSERT_EQ(w.controls().size(), 68u);
  const struct { const char* name; int index, left, top, width, height; } sample[] = {
      {"prendibott", -1, 124, 14, 82, 58}, {"EditField2", -1, 681, 57, 90, 20}, {"ProgressB", 1, 570, 172, 200, 12},
      {"cartetext", 13, 398, 168, 20, 20}, {"StaticTx", 4, 254, 58, 100, 20},   {"Rectrosso", 9, 539, 108, 16, 16},
      {"canvscope", 3, 542, 371, 228, 165}, {"canvmazzo", 0, 246, 371, 139, 185}};
  for (const auto& p : sample) {
    const fw::Control& c = w.control(p.name, p.index);
    EXPECT_EQ(std::tuple(c.left(), c.top(), c.width(), c.height()), std::tuple(p.left, p.top, p.width, p.height))
        << p.name << p.index;
  }
  // The names are only shown here, and the window holds the game until it is done.
  for (const char* name : {"EditField1", "EditField2"}) {
    auto* field = qobject_cast<QLineEdit*>(w.control(name).widget());
    EXPECT_TRUE(field && field->isReadOnly()) << name;
  }
  EXPECT_EQ(w.frame()->windowModality(), Qt::ApplicationModal);
  // Resizing moves nothing.
  std::vector<QRect> before;
  for (const auto& c : w.controls()) before.push_back(c->widget()->geometry());
  w.frame()->resize(1100, 800);
  gui::settle();
  EXPECT_GT(w.content()->width(), 780);
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(w.controls()[i]->widget()->geometry(), before[i]) << i;
}

// A fresh window for every hand, whatever the one before showed.
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
    const fw::Control& bar = w.control("ProgressB", side);
    EXPECT_EQ(std::pair(bar.maximum(), bar.value()), std::pair(15, 0));
    EXPECT_TRUE(blank(w.control("canvmazzo", side).canvasImage()));
  }
  for (int row = 0; row < 6; ++row) EXPECT_TRUE(blank(w.control("canvscope", row).canvasImage()));
  EXPECT_EQ(w.control("EditField1").text() + "/" + w.control("EditField2").text(), "Anna/Brivano");
  EXPECT_EQ(w.control("ImageWell1").image(), Globali::immagine(41));
}

INSTANTIATE_TEST_SUITE_P(Languages, ScoringWindowOpening, ::testing::Values(1, 2));

class ScoringWindowHands : public ScoringWindow, public ::testing::WithParamInterface<hands::HandCase> {};

TEST_P(ScoringWindowHands, FirstPressShowsTheWholeCount) {
  const auto& hand = GetParam();
  hands::lay(hand);
  const int cw = hand.trevisan ? 82 : 100;
  tabletest::useTestDeck(cw);
  winscoring& w = open();
  press(w);
  EXPECT_EQ(w.calcola, hand.calcola);
  for (int k = 0; k < 7; ++k) {
    SCOPED_TRACE("line " + std::to_string(k));
    auto [p, c] = hand.lines[k];
    EXPECT_EQ(w.control("cartetext", 2 * k).text() + "/" + w.control("cartetext", 2 * k + 1).text(),
              fw::Str(p) + "/" + fw::Str(c));
    EXPECT_EQ(w.control("Rectrosso", 2 * k).fillColor(), p > c ? red : p < c ? grey : pale);
    EXPECT_EQ(w.control("Rectrosso", 2 * k + 1).fillColor(), c > p ? red : c < p ? grey : pale);
    EXPECT_EQ(w.control("StaticTx", 2 * k).underline(), p > c);
    EXPECT_EQ(w.control("StaticTx", 2 * k + 1).underline(), c > p);
  }
  expectTotals(hand.lines[6][0], hand.lines[6][1]);
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
  expectTotals(0, 0);
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
  expectTotals(0, 0);
}

TEST_F(ScoringWindow, SecondPressDealsTheNextHandInAFreshTable) {
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
  expectTotals(2, 3);
}

TEST_F(ScoringWindow, SecondPressAfterTheLastHandStartsANewGame) {
  hands::lay(hands::computerWinsHand());
  Globali::punti(1) = 18;  // the computer reaches the points to win
  Globali::mano = 1;
  Globali::pref_fc = true;
  winscoring& w = open();
  press(w);
  ASSERT_EQ(w.calcola, 2);
  press(w);
  EXPECT_EQ(winscoring::live(), nullptr);
  ASSERT_NE(window1::live(), nullptr);
  expectTotals(0, 0);
  EXPECT_EQ(std::pair(Globali::mano, Globali::toccaa), std::pair(0, 0)) << "the player leads";
}

TEST_F(ScoringWindow, NewGameClosesAScoringWindowLeftOpen) {
  hands::lay(hands::computerWinsHand());
  open();
  Globali::newgame();
  gui::settle();
  EXPECT_EQ(winscoring::live(), nullptr);
}

// A scored hand with the real artwork, to look at: scoring.png in the working folder.
TEST_F(ScoringWindow, ScreenshotOfAScoredHand) {
  hands::lay(hands::threeSevens());
  for (int card = 1; card <= 40; ++card) Globali::immagine(card) = standardFace(card);
  Globali::immagine(41) = pla();
  winscoring& w = open();
  press(w);
  EXPECT_TRUE(w.frame()->grab().save("scoring.png"));
}

}  // namespace
