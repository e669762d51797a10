// The engine's drawing into the table window, read back from the canvases' pixels.
#include <QImage>
#include <ostream>
#include <string>
#include <vector>

#include "shell/resources.h"
#include "tests/table/table_support.h"

namespace {

using tabletest::blank;
using tabletest::cardColor;
using tabletest::near;
using tabletest::TableTest;
using tabletest::transparent;

// The four pen colours of a pile, as the standard HSV conversion gives them.
const QColor edgeOdd(130, 140, 119);   // right-hand edge of the 1st, 3rd ... card
const QColor edgeEven(83, 89, 76);     // right-hand edge of the 2nd, 4th ... card
const QColor topLight(189, 204, 173);  // top edge, cards 1-2 of every four
const QColor topDark(118, 128, 108);   // top edge, cards 3-4 of every four

class Drawing : public TableTest {
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

// ---------------------------------------------------------------- table layout

TEST_F(Drawing, TableCardsSpreadFromTheLeftAndTheRestAreParked) {
  const struct {
    int n;
    std::vector<int> lefts;
  } cases[] = {
      {0, {}},
      {1, {146}},
      {2, {146, 256}},
      {4, {146, 256, 366, 476}},
      {5, {146, 240, 334, 428, 522}},
      {6, {146, 221, 296, 371, 446, 521}},
      {10, {146, 187, 228, 269, 310, 351, 392, 433, 474, 515}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("cards " + std::to_string(c.n));
    layOut(c.n);
    for (int i = 1; i <= 40; ++i) {
      int left = i <= c.n ? c.lefts[static_cast<std::size_t>(i - 1)] : -200;
      EXPECT_EQ(w().control("canvtav", i).left(), left) << "place " << i;
      EXPECT_EQ(w().control("seleztav", i).left(), left) << "bar " << i;
      EXPECT_EQ(w().control("canvtav", i).top(), 195);
      EXPECT_EQ(w().control("seleztav", i).top(), 361);
    }
  }
}

TEST_F(Drawing, EachPlaceShowsItsCardAndTheLeftCardLiesOnTop) {
  layOut(6);  // step 75: neighbours overlap by 25 pixels
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(pixels("canvtav", i).pixelColor(50, 80), cardColor(40 - i)) << i;
  }
  QImage shot = w().content()->grab().toImage();
  for (int i = 1; i < 6; ++i) {
    int overlap = w().control("canvtav", i + 1).left() + 10;  // inside cards i and i + 1
    EXPECT_EQ(shot.pixelColor(overlap, 270), cardColor(40 - i)) << "card " << i << " over " << i + 1;
  }
  EXPECT_EQ(shot.pixelColor(146 + 5 * 75 + 99, 270), cardColor(34)) << "the last card shows its right edge";
}

TEST_F(Drawing, APlaceThatTakesAnotherCardShowsOnlyTheNewOne) {
  layOut(3);
  auto small = tabletest::solid(Qt::blue, 50, 50);
  Globali::immagine(38) = small;  // a smaller picture: what lay there before must be gone
  Globali::spalmacarte();
  const QImage& place = pixels("canvtav", 2);
  EXPECT_EQ(place.pixelColor(10, 10), QColor(Qt::blue));
  EXPECT_TRUE(transparent(place, 80, 120));
}

TEST_F(Drawing, LayingOutEndsThePlay) {
  const struct {
    int n;
  } cases[] = {{0}, {3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    window1& win = w();
    win.control("helptesto").setText("Choose the cards to take");
    for (const char* arrow : {"Canvas1", "Canvas2", "Canvas3"}) win.control(arrow).setVisible(true);
    scribble("canvgiomactir");
    Globali::placarta(4) = 7;
    Globali::maccarta(4) = 17;
    Globali::placarta(1) = -3;
    fw::mediaLog().clear();
    layOut(c.n);
    EXPECT_EQ(Globali::placarta(4), 0);
    EXPECT_EQ(Globali::maccarta(4), 0);
    EXPECT_EQ(Globali::placarta(1), -3) << "the other slots are not the layout's business";
    EXPECT_EQ(win.control("helptesto").text(), "");
    for (const char* arrow : {"Canvas1", "Canvas2", "Canvas3"}) EXPECT_FALSE(win.control(arrow).visible()) << arrow;
    EXPECT_TRUE(blank(pixels("canvgiomactir")));
    EXPECT_EQ(fw::mediaLog().plays, 1) << "one card sound";
  }
}

TEST_F(Drawing, LayingOutWithoutASoundStillWorks) {
  Globali::suono = nullptr;
  layOut(2);
  EXPECT_EQ(fw::mediaLog().plays, 0);
  EXPECT_EQ(w().control("canvtav", 2).left(), 256);
}

// ---------------------------------------------------------------- piles

struct PileCase {
  int depth;
  bool trevisan;
  int stack;
};
void PrintTo(const PileCase& p, std::ostream* out) {
  *out << "depth " << p.depth << (p.trevisan ? " Trevisan" : " standard") << " stack " << p.stack;
}

class Pile : public Drawing, public ::testing::WithParamInterface<PileCase> {};

TEST_P(Pile, EdgesAndBackFollowTheDepth) {
  const PileCase p = GetParam();
  Globali::pref_trevi = p.trevisan;
  Globali::contatore(p.stack) = 40 - p.depth;
  Globali::mazzodisegna(p.stack);
  const QImage& pile = pixels("canvmazzo", p.stack);
  int shift = p.trevisan ? 18 : 0;
  int deepestEdge = 138 - shift;

  // The deepest card's top edge runs along row 0 from x 39 to its right-hand edge.
  EXPECT_TRUE(near(pile.pixelColor(39, 0), topLight));
  EXPECT_TRUE(near(pile.pixelColor(deepestEdge, 0), topLight));
  EXPECT_TRUE(transparent(pile, 38, 0));
  if (p.trevisan) {
    EXPECT_TRUE(transparent(pile, deepestEdge + 1, 0));
    EXPECT_TRUE(transparent(pile, deepestEdge + 1, 100)) << "nothing right of the deepest edge";
  }
  // The top edges of the odd cards show whole: light, light, dark, dark ...
  for (int i = 1; i < p.depth; i += 2) {
    EXPECT_TRUE(near(pile.pixelColor(40 - i, (i - 1) / 2), i % 4 == 1 ? topLight : topDark)) << "top " << i;
  }
  // The right-hand edges beside the top card alternate, one pixel further left for each card.
  for (int i = 1; i < p.depth; ++i) {
    EXPECT_TRUE(near(pile.pixelColor(139 - i - shift, i / 2 + 100), i % 2 == 1 ? edgeOdd : edgeEven))
        << "edge " << i;
  }
  if (p.depth == 40) {
    EXPECT_TRUE(near(pile.pixelColor(deepestEdge - 38, 19 + 165), edgeOdd)) << "the 39th edge ends at 184";
  }

  fw::PicturePtr back = p.trevisan ? aaat() : aaa();
  if (!back) GTEST_SKIP() << "the card back is not in the artwork yet";
  int bx = 40 - p.depth, by = (p.depth + 1) / 2;
  ASSERT_EQ(back->Width(), 100 - shift);
  // Wherever the back is opaque it is what the pile shows, from (bx, by) on.
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
  // The back starts there and not before: left of it and above it lie no back pixels.
  EXPECT_TRUE(bx == 0 || transparent(pile, bx - 1, by + 80));
  // Just above it runs the top edge of the highest odd card (the top card itself when the depth is odd).
  int above = p.depth % 2 == 1 ? p.depth : p.depth - 1;
  EXPECT_TRUE(near(pile.pixelColor(bx + 10, by - 1), (above - 1) % 4 < 2 ? topLight : topDark))
      << "a top edge, not the back, lies just above the back";
}

INSTANTIATE_TEST_SUITE_P(DeckAndPiles, Pile,
                         ::testing::Values(PileCase{1, false, 1}, PileCase{40, false, 1}, PileCase{1, true, 1},
                                           PileCase{40, true, 1}, PileCase{1, false, 0}, PileCase{40, true, 2},
                                           PileCase{7, false, 2}),
                         [](const auto& info) {
                           return std::string(info.param.trevisan ? "Trevisan" : "Standard") + "Depth" +
                                  std::to_string(info.param.depth) + "Stack" + std::to_string(info.param.stack);
                         });

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

TEST_F(Drawing, ADeeperPileRedrawsFromScratch) {
  Globali::contatore(1) = 0;
  Globali::mazzodisegna(1);
  Globali::contatore(1) = 39;
  Globali::mazzodisegna(1);
  EXPECT_TRUE(transparent(pixels("canvmazzo", 1), 10, 15)) << "no edge of the full deck is left";
}

// ---------------------------------------------------------------- scopa rows

TEST_F(Drawing, ScopaCardsFanFromRightToLeft) {
  const struct {
    std::vector<int> cards;
    std::vector<int> xs;
  } cases[] = {
      {{9}, {0}},
      {{3, 30}, {100, 0}},
      {{5, 12, 33}, {100, 50, 0}},
      {{1, 2, 8, 14, 22, 27, 40}, {100, 84, 68, 52, 36, 20, 4}},
  };
  for (int p : {0, 2}) {
    int mine = 6 - p, theirs = 4 + p;  // each side's scopa state, and the other side's
    for (const auto& c : cases) {
      SCOPED_TRACE("side " + std::to_string(p) + ", cards " + std::to_string(c.cards.size()));
      Globali::uscita.fill(0);
      for (int card : c.cards) Globali::uscita(card) = mine;
      Globali::uscita(39) = theirs;  // the other side's scopa is not in this row
      Globali::uscita(38) = 5 - p;   // nor a plain taken card
      Globali::scopedisegna(p);
      const QImage& row = pixels("canvscope", p);
      for (std::size_t k = 0; k < c.cards.size(); ++k) {
        int x = c.xs[k];
        // Each card lies over the one before, so its right-hand column shows.
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
      EXPECT_TRUE(transparent(row, 200, 80)) << "the row is cleared before the fan is drawn";
    }
  }
}

TEST_F(Drawing, NoScopaLeavesTheRowAsItWas) {
  scribble("canvscope", 2);
  Globali::uscita(5) = 6;  // the computer's
  Globali::scopedisegna(2);
  EXPECT_EQ(pixels("canvscope", 2).pixelColor(5, 5), QColor(Qt::black));
}

// ---------------------------------------------------------------- after a capture

TEST_F(Drawing, ASideShowsItsPlainTakenCardsAsAPileAndItsScopasAsARow) {
  const struct {
    int p, taken, scopa, othersTaken;
  } sides[] = {{2, 3, 4, 5}, {0, 5, 6, 3}};
  for (const auto& s : sides) {
    SCOPED_TRACE(s.p);
    Globali::uscita.fill(0);
    for (int card : {1, 2, 3, 4, 5}) Globali::uscita(card) = s.taken;
    for (int card : {6, 7}) Globali::uscita(card) = s.scopa;
    for (int card : {8, 9, 10}) Globali::uscita(card) = s.othersTaken;
    Globali::uscita(11) = 2;  // chosen, not yet taken
    Globali::contatore(1) = 17;
    Globali::aggiornagiocatori(s.p);
    EXPECT_EQ(Globali::contatore(s.p), 35);
    EXPECT_EQ(Globali::contatore(1), 17);
    const QImage& pile = pixels("canvmazzo", s.p);
    // Five cards deep: the fifth top edge on row 2 from x 35, nothing of a sixth on row 3.
    EXPECT_TRUE(near(pile.pixelColor(138, 50), edgeOdd));
    EXPECT_TRUE(near(pile.pixelColor(135, 50), edgeEven));
    EXPECT_TRUE(near(pile.pixelColor(35, 2), topLight));
    EXPECT_TRUE(transparent(pile, 34, 2));
    EXPECT_TRUE(transparent(pile, 34, 3));
    const QImage& row = pixels("canvscope", s.p);
    EXPECT_EQ(row.pixelColor(199, 80), cardColor(6));
    EXPECT_EQ(row.pixelColor(0, 80), cardColor(7));
  }
}

TEST_F(Drawing, ScopasAloneMakeNoPile) {
  scribble("canvmazzo", 2);
  Globali::uscita(7) = 4;
  Globali::aggiornagiocatori(2);
  EXPECT_EQ(Globali::contatore(2), 40);
  EXPECT_TRUE(blank(pixels("canvmazzo", 2)));
  EXPECT_EQ(pixels("canvscope", 2).pixelColor(50, 80), cardColor(7));
}

// ---------------------------------------------------------------- redraw

TEST_F(Drawing, RedrawShowsTableAndHandsButNotTheNegatedSlots) {
  const struct {
    bool uncovered;
    int computerPicture;  // what the computer's first card shows
  } cases[] = {{false, 0}, {true, 21}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.uncovered);
    window1& win = w();
    Globali::pref_cs = c.uncovered;
    Globali::tavacartequante = 2;
    Globali::tavcarta(1) = 30;
    Globali::tavcarta(2) = 31;
    Globali::tavcarta(3) = 32;  // past the count: not drawn
    win.control("canvtav", 1).setLeft(146);
    win.control("canvtav", 2).setLeft(256);
    win.control("canvtav", 3).setLeft(366);
    // The player's card is in play: the other slots are held negated.
    Globali::placarta(1) = -4;
    Globali::placarta(2) = 0;
    Globali::placarta(3) = -9;
    Globali::placarta(4) = 12;
    Globali::maccarta(1) = 21;
    Globali::maccarta(2) = 0;
    Globali::maccarta(3) = 22;
    Globali::ridisegna();
    EXPECT_EQ(pixels("canvtav", 1).pixelColor(50, 80), cardColor(30));
    EXPECT_EQ(pixels("canvtav", 2).pixelColor(50, 80), cardColor(31));
    EXPECT_TRUE(blank(pixels("canvtav", 3)));
    EXPECT_EQ(win.control("canvtav", 2).left(), 256) << "a redraw moves nothing";
    for (int slot = 1; slot <= 3; ++slot) EXPECT_TRUE(blank(pixels("canvgio", slot))) << slot;
    EXPECT_EQ(pixels("canvmac", 1).pixelColor(50, 80), cardColor(c.computerPicture));
    EXPECT_TRUE(blank(pixels("canvmac", 2)));
    EXPECT_EQ(pixels("canvmac", 3).pixelColor(50, 80), cardColor(c.uncovered ? 22 : 0));
    EXPECT_TRUE(blank(pixels("canvgiomactir")));
    EXPECT_EQ(fw::mediaLog().plays, 0) << "a redraw makes no sound";
    EXPECT_EQ(Globali::placarta(4), 12) << "nor ends the play";
    win.Close();
    gui::settle();
  }
}

TEST_F(Drawing, RedrawShowsThePlayersHandWhenNoCardIsInPlay) {
  Globali::placarta(1) = 4;
  Globali::placarta(3) = 9;
  Globali::ridisegna();
  EXPECT_EQ(pixels("canvgio", 1).pixelColor(50, 80), cardColor(4));
  EXPECT_TRUE(blank(pixels("canvgio", 2)));
  EXPECT_EQ(pixels("canvgio", 3).pixelColor(50, 80), cardColor(9));
  scribble("canvmazzo", 1);
  Globali::ridisegna();
  EXPECT_EQ(pixels("canvmazzo", 1).pixelColor(5, 5), QColor(Qt::black)) << "the deck is left as it was";
}

}  // namespace
