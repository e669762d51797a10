// The table window as it is built, and the engine's drawing into it, read back from the canvases' pixels.
#include <QEvent>
#include <array>

#include "shell/resources.h"
#include "tests/table/table_support.h"

namespace {

using namespace tabletest;

// The pile's pen colours, as the standard HSV conversion gives them.
const QColor edgeOdd(130, 140, 119), edgeEven(83, 89, 76);     // right-hand edges of the odd and even cards
const QColor topLight(189, 204, 173), topDark(118, 128, 108);  // top edges: two light, two dark, ...

class TableWindow : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    useTestDeck();
    Globali::suono = sndcarta();
  }
  window1& w() { return window1::instance(); }
  const QImage& pixels(const char* name, int index = -1) { return w().control(name, index).canvasImage(); }
  void scribble(const char* name, int index = -1) {
    w().control(name, index).graphics().DrawPicture(solid(Qt::black, 10, 10), 0, 0);
  }
};

// Until the deal the button is off and its frame, the arrows and the hand bars are hidden.
TEST_F(TableWindow, AFreshWindowWaitsForTheDealWithItsLabelsInTheLanguage) {
  for (int lingua : {0, 2}) {  // 0 as from an empty preferences line
    Globali::lingua = lingua;
    EXPECT_EQ(w().control("StaticText1").text() + w().control("StaticText2").text(),
              lingua == 2 ? "PuntiPunti" : "PointsPoints");
    EXPECT_FALSE(w().control("prendibott").enabled());
    for (const char* mark : {"rectobutt", "Canvas1", "Canvas2", "Canvas3"}) EXPECT_FALSE(w().control(mark).visible());
    for (int k = 1; k <= 3; ++k) EXPECT_FALSE(w().control("selezrect", k).visible()) << k;
    w().Close();
  }
}

// Laying out also closes the play just resolved: slot 4 of both hands, hint, arrows and played card cleared.
TEST_F(TableWindow, LayingOutSpreadsTheTableCardsAndEndsThePlay) {
  const std::vector<int> cases[] = {{}, {146}, {146, 256, 366, 476}, {146, 240, 334, 428, 522},
                                    {146, 187, 228, 269, 310, 351, 392, 433, 474, 515}};
  for (const auto& lefts : cases) {
    const int n = static_cast<int>(lefts.size());
    w().control("helptesto").setText("Choose the cards to take");
    for (const char* arrow : {"Canvas1", "Canvas2", "Canvas3"}) w().control(arrow).setVisible(true);
    scribble("canvgiomactir");
    std::tie(Globali::placarta(4), Globali::maccarta(4), fw::mediaLog().plays) = std::tuple(7, 17, 0);
    Globali::tavacartequante = n;
    for (int i = 1; i <= n; ++i) Globali::tavcarta(i) = 20 + i;
    Globali::spalmacarte();
    for (int i = 1; i <= 40; ++i) {
      int left = i <= n ? lefts[static_cast<std::size_t>(i - 1)] : -200;
      EXPECT_EQ(std::pair(w().control("canvtav", i).left(), w().control("seleztav", i).left()), std::pair(left, left))
          << n << " cards, place " << i;
    }
    EXPECT_EQ(std::tuple(Globali::placarta(4), Globali::maccarta(4), fw::mediaLog().plays), std::tuple(0, 0, 1));
    EXPECT_EQ(w().control("helptesto").text(), "");
    for (const char* arrow : {"Canvas1", "Canvas2", "Canvas3"}) EXPECT_FALSE(w().control(arrow).visible()) << arrow;
    EXPECT_TRUE(blank(pixels("canvgiomactir")));
  }
  // The ten cards overlap: the left card lies on top, and each card shows and takes clicks on its visible strip.
  struct : QObject {
    QObject* pressed = nullptr;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::MouseButtonPress) pressed = watched;
      return false;
    }
  } probe;
  const QImage shot = w().content()->grab().toImage();
  for (int i = 1; i <= 10; ++i) {
    fw::Control& card = w().control("canvtav", i);
    card.widget()->installEventFilter(&probe);
    int shownFrom = i == 1 ? card.left() : w().control("canvtav", i - 1).left() + 100;
    QPoint middle((shownFrom + card.left() + 100) / 2, 270);
    EXPECT_EQ(shot.pixelColor(middle), cardColor(20 + i)) << "card " << i << " is seen there";
    ASSERT_TRUE(gui::clickAt(w(), middle));
    EXPECT_EQ(probe.pressed, card.widget()) << "card " << i << " takes the click";
  }
}

// A side's plain taken cards make its pile, drawn as deep as their count; its scopa cards fan from the right,
// the lowest card number first. The computer's side is drawn with the narrower Trevisan cards.
TEST_F(TableWindow, ASideShowsItsTakenCardsAsAPileAndItsScopasAsARow) {
  const struct { std::vector<int> cards, xs; } fans[] = {  // in this order, so that each must clear the one before
      {{9}, {0}}, {{3, 30}, {100, 0}}, {{1, 2, 8, 14, 22, 27, 40}, {100, 84, 68, 52, 36, 20, 4}}};
  for (int p : {0, 2}) {
    const int shift = p == 0 ? 18 : 0;
    Globali::pref_trevi = p == 0;
    for (const auto& f : fans) {
      SCOPED_TRACE("side " + std::to_string(p) + ", scopas " + std::to_string(f.cards.size()));
      Globali::uscita.fill(0);
      for (int card : f.cards) Globali::uscita(card) = 6 - p;
      for (int card : {15, 16, 17, 18, 19}) Globali::uscita(card) = 5 - p;
      std::tie(Globali::uscita(39), Globali::uscita(38), Globali::uscita(11)) = std::tuple(4 + p, 3 + p, 2);
      Globali::contatore(1) = 17;
      Globali::aggiornagiocatori(p);
      EXPECT_EQ(std::pair(Globali::contatore(p), Globali::contatore(1)), std::pair(35, 17));
      const QImage& pile = pixels("canvmazzo", p);
      for (int i = 1; i < 5; ++i)  // right-hand edges beside the back, one pixel further left each
        EXPECT_TRUE(near(pile.pixelColor(139 - i - shift, 100), i % 2 ? edgeOdd : edgeEven)) << "edge " << i;
      // Top edges: two light, two dark, light again for the fifth on row 2 from x 35, nothing of a sixth.
      EXPECT_TRUE(near(pile.pixelColor(39, 0), topLight) && near(pile.pixelColor(138 - shift, 0), topLight));
      EXPECT_TRUE(near(pile.pixelColor(37, 1), topDark) && near(pile.pixelColor(35, 2), topLight));
      EXPECT_TRUE(transparent(pile, 38, 0) && transparent(pile, 34, 2) && (!shift || transparent(pile, 121, 0)));
      const QImage& back = (shift ? aaat() : aaa())->image();  // on top at (35, 3)
      EXPECT_TRUE(pile.pixelColor(75, 83) == back.pixelColor(40, 80) && transparent(pile, 34, 83));
      const QImage& row = pixels("canvscope", p);
      for (std::size_t k = 0; k < f.cards.size(); ++k) {  // each over the one before: its right-hand column shows
        EXPECT_EQ(row.pixelColor(f.xs[k] + 99, 80), cardColor(f.cards[k])) << f.cards[k];
        EXPECT_NE(row.pixelColor(f.xs[k] + 100, 80), cardColor(f.cards[k])) << f.cards[k];
      }
      EXPECT_EQ(row.pixelColor(f.xs.back(), 80), cardColor(f.cards.back())) << "the last card shows whole";
      EXPECT_TRUE(f.xs.back() == 0 || transparent(row, f.xs.back() - 1, 80));
    }
  }
  scribble("canvscope", 2);
  Globali::uscita.fill(0);
  Globali::aggiornagiocatori(2);
  EXPECT_TRUE(blank(pixels("canvmazzo", 2))) << "no card, no pile";
  EXPECT_EQ(pixels("canvscope", 2).pixelColor(5, 5), QColor(Qt::black)) << "without a scopa the row is left as it was";
}

// While the player's card is in play the other slots are held negated and not drawn; nor are the deck,
// the played card or the places past the table's count. A covered computer card shows picture 0, the back.
TEST_F(TableWindow, RedrawShowsTableAndHandsButNotTheNegatedSlots) {
  std::tie(Globali::tavacartequante, Globali::tavcarta(1), Globali::tavcarta(2), Globali::tavcarta(3)) =
      std::tuple(2, 30, 31, 32);
  for (int slot = 1; slot <= 4; ++slot) Globali::placarta(slot) = std::array{-4, 0, 9, 12}[slot - 1];
  std::tie(Globali::maccarta(1), Globali::maccarta(3)) = std::pair(21, 22);
  scribble("canvmazzo", 1);
  for (bool uncovered : {false, true}) {
    Globali::pref_cs = uncovered;
    Globali::ridisegna();
    EXPECT_EQ(pixels("canvtav", 1).pixelColor(50, 80), cardColor(30));
    EXPECT_EQ(pixels("canvtav", 2).pixelColor(50, 80), cardColor(31));
    EXPECT_TRUE(blank(pixels("canvtav", 3)) && blank(pixels("canvgio", 1)) && blank(pixels("canvgio", 2)));
    EXPECT_EQ(pixels("canvgio", 3).pixelColor(50, 80), cardColor(9));
    EXPECT_EQ(pixels("canvmac", 1).pixelColor(50, 80), cardColor(uncovered ? 21 : 0));
    EXPECT_EQ(pixels("canvmac", 3).pixelColor(50, 80), cardColor(uncovered ? 22 : 0));
    EXPECT_TRUE(blank(pixels("canvmac", 2)) && blank(pixels("canvgiomactir")));
    EXPECT_EQ(pixels("canvmazzo", 1).pixelColor(5, 5), QColor(Qt::black)) << "the deck is left as it was";
  }
  // Soft, partly transparent card edges, as the real cards have, must not darken however often they are redrawn.
  for (int card = 0; card <= 40; ++card) Globali::immagine(card) = solid(QColor(120, 0, 0, 128));
  Globali::ridisegna();
  const QImage shown = w().content()->grab().toImage();
  Globali::ridisegna();
  EXPECT_EQ(w().content()->grab().toImage(), shown) << "a second redraw leaves every pixel as it was";
}

}  // namespace
