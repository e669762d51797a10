// The scoring window pressed like a person would: whole hands against what it shows before and after the count.
#include <array>
#include <tuple>

#include "framework/values.h"
#include "scoring/scoring.h"
#include "scoring/winscoring.h"
#include "tests/table/table_support.h"  // cards told apart by colour, blank canvases

namespace {

using namespace tabletest;
using Row = std::vector<scoring::CardPlace>;  // drawing order, each card with its x

const fw::Color pale{255, 251, 217}, red{255, 0, 0}, grey{130, 153, 153};  // HSV (.15,.15,1) (0,1,1) (.5,.15,.6)

struct Hand {
  std::string name;
  std::vector<std::pair<int, int>> player;  // ranges of the player's cards; every other card is the computer's
  std::vector<int> playerScopas, computerScopas;
  int lingua, pointsToWin;
  std::array<int, 2> before;  // totals before the hand
  bool trevisan;
  std::array<std::array<int, 2>, scoring::lineCount> lines;  // [line][player, computer]
  int calcola;
  std::array<std::string, 2> result;
  std::array<Row, 6> rows;   // card rows 0..5
  std::array<int, 2> piles;  // face-down pile depths
};

// Player: aces to fives, sweeps with the three of spades and four of clubs; computer: the rest, one sweep.
const Hand computerWinsHand{
    "ComputerWinsHand", {{1, 5}, {11, 15}, {21, 25}, {31, 35}}, {13, 24}, {38}, 1, 21, {0, 0}, false,
    {{{20, 20}, {5, 5}, {0, 1}, {64, 84}, {2, 1}, {2, 3}, {2, 3}}}, 1, {"", "WINS THIS MATCH"},
    {Row{{13, 84}, {24, 0}}, Row{{38, 0}}, Row{{1, 128}, {11, 86}, {21, 44}, {31, 2}},
     Row{{17, 128}, {27, 86}, {37, 44}, {7, 2}}, Row{{2, 84}, {3, 56}, {4, 28}, {5, 0}},
     Row{{6, 84}, {8, 56}, {9, 28}, {10, 0}}},
    {10, 11}};
// Player: three sevens (63) and no cup; computer: one seven and three face cards (51), three sweeps.
const Hand threeSevens{
    "ThreeSevensBeatFourSuits", {{1, 7}, {11, 17}, {21, 27}}, {17}, {18, 36, 40}, 1, 21, {14, 10}, false,
    {{{21, 19}, {7, 3}, {1, 0}, {63, 51}, {1, 3}, {5, 3}, {19, 13}}}, 1, {"WINS THIS MATCH", ""},
    {Row{{17, 0}}, Row{{18, 84}, {36, 42}, {40, 0}}, Row{{27, 128}, {7, 0}}, Row{{8, 128}, {28, 64}, {37, 0}},
     Row{{1, 84}, {2, 68}, {3, 52}, {4, 36}, {5, 20}, {6, 4}}, Row{{9, 84}, {10, 0}}},
    {12, 11}};
// Trevisan cards, 82 wide: rows start at 102 and 146; the seven of coins is a sweep, drawn last.
const Hand trevisanSettebelloSweep{
    "TrevisanSettebelloSweep", {{1, 20}}, {7, 12}, {33}, 2, 11, {0, 0}, true,
    {{{20, 20}, {10, 0}, {1, 0}, {42, 42}, {2, 1}, {4, 1}, {4, 1}}}, 1, {"VINCE LA PARTITA", ""},
    {Row{{12, 102}, {7, 0}}, Row{{33, 0}}, Row{{17, 0}}, Row{{27, 146}, {37, 0}},
     Row{{1, 102}, {2, 90}, {3, 78}, {4, 66}, {5, 54}, {6, 42}, {8, 30}, {9, 18}, {10, 6}}, Row{}},
    {8, 17}};

// The same hand with other totals before it or in another language: the game may end with it.
Hand variant(Hand hand, std::string name, std::array<int, 2> before, int lingua, std::array<int, 2> totals,
             int calcola, std::array<std::string, 2> result) {
  std::tie(hand.name, hand.before, hand.lingua, hand.lines[scoring::totalLine], hand.calcola, hand.result) =
      std::tuple(name, before, lingua, totals, calcola, result);
  return hand;
}

std::vector<Hand> hands() {
  const Hand& a = computerWinsHand;
  return {a,
          variant(a, "BothOverEqual", {20, 19}, 1, {22, 22}, 2, {"NO FINAL WINNER", "NO FINAL WINNER"}),
          variant(a, "GameWinnerLostTheHand", {20, 10}, 1, {22, 13}, 2, {"FINAL WINNER", ""}),
          threeSevens,
          variant(threeSevens, "PlayerReachesExactlyItalian", {16, 16}, 2, {21, 19}, 2, {"VINCITORE FINALE", ""}),
          trevisanSettebelloSweep};
}

// The game state as the table leaves it at the end of the hand.
void lay(const Hand& hand) {
  using namespace Globali::statocarta;
  for (int c = 1; c <= 40; ++c) Globali::uscita(c) = presamac;
  for (auto [first, last] : hand.player)
    for (int c = first; c <= last; ++c) Globali::uscita(c) = presapla;
  for (int c : hand.playerScopas) Globali::uscita(c) = scopapla;
  for (int c : hand.computerScopas) Globali::uscita(c) = scopamac;
  std::tie(Globali::lingua, Globali::pref_pu, Globali::punti(0), Globali::punti(1), Globali::pref_trevi) =
      std::tuple(hand.lingua, hand.pointsToWin, hand.before[0], hand.before[1], hand.trevisan);
}

// Each card's right edge at x + width - 1, the last one whole and nothing left of it.
void expectRow(const fw::Control& canvas, const Row& row, int cardWidth) {
  const QImage& image = canvas.canvasImage();
  SCOPED_TRACE("canvscope(" + std::to_string(canvas.index()) + ")");
  EXPECT_EQ(blank(image), row.empty());
  for (auto [card, x] : row) {
    EXPECT_EQ(image.pixelColor(x + cardWidth - 1, 80), cardColor(card)) << card << " at " << x;
    EXPECT_TRUE(x + cardWidth == image.width() || image.pixelColor(x + cardWidth, 80) != cardColor(card)) << card;
  }
  EXPECT_TRUE(row.empty() || (image.pixelColor(row.back().x, 80) == cardColor(row.back().card) &&
                               (row.back().x == 0 || transparent(image, row.back().x - 1, 80))));
}

class ScoringWindow : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    std::tie(Globali::nomepla, Globali::nomemac) = std::pair("Anna", "Brivano");
    useTestDeck();
  }
  static void press(winscoring& w) {
    gui::click(w.control("prendibott"));
    gui::settle();
  }
};

class ScoringWindowHands : public ScoringWindow, public ::testing::WithParamInterface<Hand> {};

TEST_P(ScoringWindowHands, OpensUnscoredAndTheFirstPressShowsTheWholeCount) {
  const Hand& hand = GetParam();
  lay(hand);
  const int cw = hand.trevisan ? 82 : 100;
  useTestDeck(cw);
  winscoring& w = winscoring::instance();
  const bool italian = hand.lingua == 2;
  EXPECT_EQ(w.title(), italian ? "Riepilogo partita e punteggio complessivo" : "Match scoring and total scoring");
  EXPECT_EQ(w.control("StaticTx", 13).text(), italian ? "Punti totali" : "Total points");
  // Values and labels, window active or not: blue on the counted lines, purple on the scopas, brown on the points.
  for (auto [i, rgb] : {std::pair{7, 0x000080}, {8, 0x4F004F}, {9, 0x4F004F}, {10, 0x800000}})
    for (auto group : {QPalette::Active, QPalette::Inactive})
      for (const char* name : {"cartetext", "StaticTx"})
        EXPECT_EQ(w.control(name, i).widget()->palette().color(group, QPalette::WindowText), QColor(rgb)) << name << i;
  EXPECT_EQ(std::pair(w.control("ProgressB", 1).maximum(), w.control("ProgressB", 1).value()),
            std::pair(hand.pointsToWin, 0));
  EXPECT_EQ(w.control("EditField1").text() + "/" + w.control("EditField2").text(), "Anna/Brivano");

  press(w);
  EXPECT_EQ(w.calcola, hand.calcola);
  for (int k = 0; k < 7; ++k) {  // the side with the greater value of a line gets the red marker and the underline
    auto [p, c] = hand.lines[k];
    EXPECT_EQ(w.control("cartetext", 2 * k).text() + "/" + w.control("cartetext", 2 * k + 1).text(),
              fw::Str(p) + "/" + fw::Str(c)) << "line " << k;
    EXPECT_EQ(std::pair(w.control("Rectrosso", 2 * k).fillColor(), w.control("Rectrosso", 2 * k + 1).fillColor()),
              std::pair(p > c ? red : p < c ? grey : pale, c > p ? red : c < p ? grey : pale)) << "line " << k;
    EXPECT_EQ(std::pair(w.control("StaticTx", 2 * k).underline(), w.control("StaticTx", 2 * k + 1).underline()),
              std::pair(p > c, c > p)) << "line " << k;
  }
  EXPECT_EQ(w.control("StaticText15").text() + "|" + w.control("StaticText16").text(),
            hand.result[0] + "|" + hand.result[1]);
  EXPECT_EQ(w.control("StaticText1").text(), scoring::statusText(hand.calcola, hand.lingua));
  for (int side = 0; side <= 1; ++side) {  // a total past the points to win fills its bar
    EXPECT_EQ(w.control("ProgressB", side).value(), std::min(hand.lines[6][side], hand.pointsToWin));
    // A pile of D cards has its back at x = 40 - D and nothing left of it.
    const QImage& pile = w.control("canvmazzo", side).canvasImage();
    const int x = 40 - hand.piles[side];
    EXPECT_TRUE(x < 40 ? !transparent(pile, x, 100) && transparent(pile, x - 1, 100) : blank(pile)) << "pile " << side;
  }
  for (int row = 0; row < 6; ++row) expectRow(w.control("canvscope", row), hand.rows[row], cw);
}

INSTANTIATE_TEST_SUITE_P(WholeHands, ScoringWindowHands, ::testing::ValuesIn(hands()),
                         [](const auto& info) { return info.param.name; });

// The second press deals the next hand in a fresh table window, or starts a new game once a side has won.
TEST_F(ScoringWindow, SecondPressDealsTheNextHandOrStartsANewGame) {
  lay(computerWinsHand);     // totals 2 and 3 after it
  Globali::pref_fc = false;  // no table cards: every place stays parked
  winscoring* w = &winscoring::instance();
  press(*w);
  press(*w);
  window1* table = window1::live();
  ASSERT_TRUE(winscoring::live() == nullptr && table && table->frame()->isVisible());
  EXPECT_FALSE(table->control("seleztav", 40).visible() || table->control("canvtav", 40).left() > 0) << "parked";
  EXPECT_EQ(std::tuple(Globali::mano, Globali::punti(0), Globali::punti(1)), std::tuple(1, 2, 3)) << "the lead passes";
  table->Close();
  lay(computerWinsHand);
  Globali::punti(1) = 18;  // the computer reaches the points to win
  w = &winscoring::instance();
  press(*w);
  press(*w);
  ASSERT_TRUE(winscoring::live() == nullptr && window1::live());
  EXPECT_EQ(std::tuple(Globali::mano, Globali::toccaa, Globali::punti(0), Globali::punti(1)), std::tuple(0, 0, 0, 0))
      << "the player leads a new game";
  // A window opened on a hand still in play scores nothing; a new game from the menu closes it.
  w = &winscoring::instance();
  press(*w);
  EXPECT_EQ(std::pair(w->calcola, w->control("cartetext", 0).text()), std::pair(0, std::string("0")));
  Globali::newgame();
  gui::settle();
  EXPECT_EQ(winscoring::live(), nullptr);
}

}  // namespace
