// The engine's drawing into the table window, read back from the canvases' pixels.
#include <QImage>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "shell/resources.h"
#include "tests/table/table_support.h"

namespace {

using tabletest::blank;
using tabletest::cardColor;
using tabletest::near;
using tabletest::transparent;

// The pile's pen colours, as the standard HSV conversion gives them.
const QColor edgeOdd(130, 140, 119), edgeEven(83, 89, 76);     // right-hand edges of the odd and even cards
const QColor topLight(189, 204, 173), topDark(118, 128, 108);  // top edges: two light, two dark, ...

class Drawing : public tabletest::TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    tabletest::useTestDeck();
    Globali::suono = sndcarta();
    if (!Globali::suono) Globali::suono = std::make_shared<fw::Sound>("card.wav");  // counts plays all the same
  }
  window1& w() { return window1::instance(); }
  const QImage& pixels(const char* name, int index = -1) { return w().control(name, index).canvasImage(); }
  void scribble(const char* name, int index = -1) {
    w().control(name, index).graphics().DrawPicture(tabletest::solid(Qt::black, 10, 10), 0, 0);
  }
  void layOut(int n) {
    Globali::tavacartequante = n;
    for (int i = 1; i <= n; ++i) Globali::tavcarta(i) = 40 - i;
    Globali::spalmacarte();
  }
};

// Laying out also closes the play just resolved: slot 4 of both hands, hint, arrows and played card cleared.
TEST_F(Drawing, LayingOutSpreadsTheTableCardsAndEndsThePlay) {
  const auto sound = Globali::suono;
  const struct { int n; std::vector<int> lefts; } cases[] = {
      {0, {}}, {1, {146}}, {2, {146, 256}}, {4, {146, 256, 366, 476}}, {5, {146, 240, 334, 428, 522}},
      {6, {146, 221, 296, 371, 446, 521}}, {10, {146, 187, 228, 269, 310, 351, 392, 433, 474, 515}}};
  for (const auto& c : cases) {
    SCOPED_TRACE("cards " + std::to_string(c.n));
    window1& win = w();
    win.control("helptesto").setText("Choose the cards to take");
    for (const char* arrow : {"Canvas1", "Canvas2", "Canvas3"}) win.control(arrow).setVisible(true);
    scribble("canvgiomactir");
    Globali::placarta(4) = 7;
    Globali::maccarta(4) = 17;
    Globali::placarta(1) = -3;
    Globali::suono = c.n == 2 ? nullptr : sound;  // a missing sound must not stop the layout
    fw::mediaLog().clear();
    layOut(c.n);
    for (int i = 1; i <= 40; ++i) {
      int left = i <= c.n ? c.lefts[static_cast<std::size_t>(i - 1)] : -200;
      EXPECT_EQ(win.control("canvtav", i).left(), left) << "place " << i;
      EXPECT_EQ(win.control("seleztav", i).left(), left) << "bar " << i;
    }
    EXPECT_EQ(std::pair(Globali::placarta(4), Globali::maccarta(4)), std::pair(0, 0));
    EXPECT_EQ(Globali::placarta(1), -3) << "the other slots are not the layout's business";
    EXPECT_EQ(win.control("helptesto").text(), "");
    for (const char* arrow : {"Canvas1", "Canvas2", "Canvas3"}) EXPECT_FALSE(win.control(arrow).visible()) << arrow;
    EXPECT_TRUE(blank(pixels("canvgiomactir")));
    EXPECT_EQ(fw::mediaLog().plays, c.n == 2 ? 0 : 1) << "one card sound";
  }
}

TEST_F(Drawing, APlaceThatTakesAnotherCardShowsOnlyTheNewOne) {
  layOut(3);
  Globali::immagine(38) = tabletest::solid(Qt::blue, 50, 50);  // smaller: what lay there before must be gone
  Globali::spalmacarte();
  EXPECT_EQ(pixels("canvtav", 2).pixelColor(10, 10), QColor(Qt::blue));
  EXPECT_TRUE(transparent(pixels("canvtav", 2), 80, 120));
}

struct PileCase { int depth; bool trevisan; int stack; };
void PrintTo(const PileCase& p, std::ostream* out) {
  *out << "depth " << p.depth << (p.trevisan ? " Trevisan" : " standard") << " stack " << p.stack;
}

class Pile : public Drawing, public ::testing::WithParamInterface<PileCase> {};

TEST_P(Pile, EdgesAndBackFollowTheDepth) {
  const PileCase p = GetParam();
  Globali::pref_trevi = p.trevisan;
  scribble("canvmazzo", p.stack);
  Globali::contatore(p.stack) = 40 - p.depth;
  Globali::mazzodisegna(p.stack);
  const QImage& pile = pixels("canvmazzo", p.stack);
  const int shift = p.trevisan ? 18 : 0, deepestEdge = 138 - shift;
  EXPECT_TRUE(transparent(pile, 5, 5)) << "drawn from scratch: no pile draws there";

  // The deepest card's top edge runs along row 0 from x 39 to its right-hand edge, and no further.
  EXPECT_TRUE(near(pile.pixelColor(39, 0), topLight));
  EXPECT_TRUE(near(pile.pixelColor(deepestEdge, 0), topLight));
  EXPECT_TRUE(transparent(pile, 38, 0));
  EXPECT_TRUE(!p.trevisan || (transparent(pile, deepestEdge + 1, 0) && transparent(pile, deepestEdge + 1, 100)));
  // The odd cards' top edges show whole: light, light, dark, dark ...
  for (int i = 1; i < p.depth; i += 2) {
    EXPECT_TRUE(near(pile.pixelColor(40 - i, (i - 1) / 2), i % 4 == 1 ? topLight : topDark)) << "top " << i;
  }
  // The right-hand edges beside the back alternate, one pixel further left for each card.
  for (int i = 1; i < p.depth; ++i) {
    EXPECT_TRUE(near(pile.pixelColor(139 - i - shift, i / 2 + 100), i % 2 == 1 ? edgeOdd : edgeEven)) << "edge " << i;
  }
  EXPECT_TRUE(p.depth < 40 || near(pile.pixelColor(deepestEdge - 38, 184), edgeOdd)) << "the 39th edge ends at 184";

  fw::PicturePtr back = p.trevisan ? aaat() : aaa();
  ASSERT_NE(back, nullptr);
  ASSERT_EQ(back->Width(), 100 - shift);
  // Wherever the back is opaque it is what the pile shows, from (bx, by) on.
  const int bx = 40 - p.depth, by = (p.depth + 1) / 2;
  const QImage& face = back->image();
  int checked = 0;
  for (int y = 0; y < face.height(); y += 3) {
    for (int x = 0; x < face.width(); x += 3) {
      if (face.pixelColor(x, y).alpha() != 255) continue;
      ASSERT_EQ(pile.pixelColor(bx + x, by + y), face.pixelColor(x, y)) << "at " << x << ", " << y;
      ++checked;
    }
  }
  EXPECT_GT(checked, 1000);
  EXPECT_TRUE(bx == 0 || transparent(pile, bx - 1, by + 80)) << "nothing of the back left of its place";
  // Just above the back runs the top edge of the highest odd card, not the back.
  int above = p.depth % 2 == 1 ? p.depth : p.depth - 1;
  EXPECT_TRUE(near(pile.pixelColor(bx + 10, by - 1), (above - 1) % 4 < 2 ? topLight : topDark));
}

INSTANTIATE_TEST_SUITE_P(DeckAndPiles, Pile,
                         ::testing::Values(PileCase{1, false, 1}, PileCase{40, false, 1}, PileCase{1, true, 1},
                                           PileCase{40, true, 2}, PileCase{7, false, 0}));

TEST_F(Drawing, AnEmptyPileIsCleared) {
  for (int counter : {40, 41}) {
    for (int k = 0; k <= 2; ++k) {
      scribble("canvmazzo", k);
      Globali::contatore(k) = counter;
      Globali::mazzodisegna(k);
      EXPECT_TRUE(blank(pixels("canvmazzo", k))) << "stack " << k << ", counter " << counter;
    }
  }
}

TEST_F(Drawing, ScopaCardsFanFromRightToLeft) {
  // In this order, so that each fan must clear what the one before left.
  const struct { std::vector<int> cards, xs; } cases[] = {
      {{9}, {0}}, {{3, 30}, {100, 0}}, {{5, 12, 33}, {100, 50, 0}},
      {{1, 2, 8, 14, 22, 27, 40}, {100, 84, 68, 52, 36, 20, 4}}};
  for (int p : {0, 2}) {
    for (const auto& c : cases) {
      SCOPED_TRACE("side " + std::to_string(p) + ", cards " + std::to_string(c.cards.size()));
      Globali::uscita.fill(0);
      for (int card : c.cards) Globali::uscita(card) = 6 - p;
      Globali::uscita(39) = 4 + p;  // the other side's scopa is not in this row
      Globali::uscita(38) = 5 - p;  // nor a plain taken card
      Globali::scopedisegna(p);
      const QImage& row = pixels("canvscope", p);
      for (std::size_t k = 0; k < c.cards.size(); ++k) {
        // Each card lies over the one before, so its right-hand column shows.
        int x = c.xs[k];
        EXPECT_EQ(row.pixelColor(x + 99, 80), cardColor(c.cards[k])) << "card " << c.cards[k];
        if (x + 100 < row.width()) {
          EXPECT_NE(row.pixelColor(x + 100, 80), cardColor(c.cards[k])) << "card " << c.cards[k] << " ends at x + 99";
        }
      }
      int last = c.xs.back();
      EXPECT_EQ(row.pixelColor(last, 80), cardColor(c.cards.back())) << "the last card shows whole";
      if (last > 0) {
        EXPECT_TRUE(transparent(row, last - 1, 80));
      }
    }
  }
  // No scopa leaves the row as it was.
  scribble("canvscope", 2);
  Globali::uscita.fill(0);
  Globali::uscita(5) = 6;  // the computer's
  Globali::scopedisegna(2);
  EXPECT_EQ(pixels("canvscope", 2).pixelColor(5, 5), QColor(Qt::black));
}

TEST_F(Drawing, ASideShowsItsPlainTakenCardsAsAPileAndItsScopasAsARow) {
  for (int p : {2, 0}) {
    SCOPED_TRACE(p);
    Globali::uscita.fill(0);
    for (int card : {1, 2, 3, 4, 5}) Globali::uscita(card) = 5 - p;
    for (int card : {6, 7}) Globali::uscita(card) = 6 - p;
    for (int card : {8, 9, 10}) Globali::uscita(card) = 3 + p;  // the other side's
    Globali::uscita(11) = 2;                                       // chosen, not yet taken
    Globali::contatore(1) = 17;
    Globali::aggiornagiocatori(p);
    EXPECT_EQ(Globali::contatore(p), 35);
    EXPECT_EQ(Globali::contatore(1), 17);
    const QImage& pile = pixels("canvmazzo", p);
    // Five cards deep: the fifth top edge on row 2 from x 35, nothing of a sixth on row 3.
    EXPECT_TRUE(near(pile.pixelColor(138, 50), edgeOdd));
    EXPECT_TRUE(near(pile.pixelColor(135, 50), edgeEven));
    EXPECT_TRUE(near(pile.pixelColor(35, 2), topLight));
    EXPECT_TRUE(transparent(pile, 34, 2));
    EXPECT_TRUE(transparent(pile, 34, 3));
    EXPECT_EQ(pixels("canvscope", p).pixelColor(199, 80), cardColor(6));
    EXPECT_EQ(pixels("canvscope", p).pixelColor(0, 80), cardColor(7));
  }
  // Scopas alone make no pile.
  Globali::uscita.fill(0);
  Globali::uscita(9) = 4;
  Globali::aggiornagiocatori(2);
  EXPECT_EQ(Globali::contatore(2), 40);
  EXPECT_TRUE(blank(pixels("canvmazzo", 2)));
  EXPECT_EQ(pixels("canvscope", 2).pixelColor(50, 80), cardColor(9));
}

TEST_F(Drawing, RedrawShowsTableAndHandsButNotTheNegatedSlots) {
  // The player's slots 1..4: while a card is in play the others are held negated.
  const struct { bool uncovered; std::array<int, 4> player; } cases[] = {{false, {-4, 0, -9, 12}},
                                                                         {true, {4, 0, 9, 0}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.uncovered);
    window1& win = w();
    Globali::pref_cs = c.uncovered;
    Globali::tavacartequante = 2;
    for (int i = 1; i <= 3; ++i) {
      Globali::tavcarta(i) = 29 + i;  // the third is past the count: not drawn
      win.control("canvtav", i).setLeft(36 + 110 * i);
    }
    for (int slot = 1; slot <= 4; ++slot) Globali::placarta(slot) = c.player[static_cast<std::size_t>(slot - 1)];
    Globali::maccarta(1) = 21;
    Globali::maccarta(2) = 0;
    Globali::maccarta(3) = 22;
    scribble("canvmazzo", 1);
    Globali::ridisegna();
    EXPECT_EQ(pixels("canvtav", 1).pixelColor(50, 80), cardColor(30));
    EXPECT_EQ(pixels("canvtav", 2).pixelColor(50, 80), cardColor(31));
    EXPECT_TRUE(blank(pixels("canvtav", 3)));
    EXPECT_EQ(win.control("canvtav", 2).left(), 256) << "a redraw moves nothing";
    for (int slot = 1; slot <= 3; ++slot) {
      int card = c.player[static_cast<std::size_t>(slot - 1)];
      const QImage& hand = pixels("canvgio", slot);
      EXPECT_TRUE(card > 0 ? hand.pixelColor(50, 80) == cardColor(card) : blank(hand)) << slot;
    }
    // A covered computer card shows picture 0, the back.
    EXPECT_EQ(pixels("canvmac", 1).pixelColor(50, 80), cardColor(c.uncovered ? 21 : 0));
    EXPECT_TRUE(blank(pixels("canvmac", 2)));
    EXPECT_EQ(pixels("canvmac", 3).pixelColor(50, 80), cardColor(c.uncovered ? 22 : 0));
    EXPECT_TRUE(blank(pixels("canvgiomactir")));
    EXPECT_EQ(pixels("canvmazzo", 1).pixelColor(5, 5), QColor(Qt::black)) << "the deck is left as it was";
    EXPECT_EQ(fw::mediaLog().plays, 0) << "a redraw makes no sound";
    EXPECT_EQ(Globali::placarta(4), c.player[3]) << "nor ends the play";
    win.Close();
    gui::settle();
  }
}

// Soft, partly transparent card edges, as the real cards have, must not darken however often they are redrawn.
TEST_F(Drawing, RedrawingAgainLeavesEveryPixelAsItWas) {
  for (int card = 0; card <= 40; ++card) Globali::immagine(card) = tabletest::solid(QColor(120, 0, 0, 128));
  layOut(5);
  for (int slot = 1; slot <= 3; ++slot) {
    Globali::placarta(slot) = slot;
    Globali::maccarta(slot) = 10 + slot;
  }
  Globali::ridisegna();
  const QImage shown = w().content()->grab().toImage();
  Globali::ridisegna();
  Globali::ridisegna();
  EXPECT_EQ(w().content()->grab().toImage(), shown);
}

}  // namespace
