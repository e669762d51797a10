// Drawing the game state into the table window.
#include <algorithm>

#include "engine/globali.h"
#include "engine/pile.h"
#include "table/window1.h"

namespace Globali {

namespace {

// A card place shows its card alone: a place that held another card loses it, and a card drawn
// again over itself would darken its soft corners.
void drawAlone(fw::Control& place, int picture) {
  place.refresh(true);
  place.graphics().DrawPicture(immagine(picture), 0, 0);
}

}  // namespace

void mazzodisegna(int k) { drawPile(window1::instance().control("canvmazzo", k), 40 - contatore(k)); }

void spalmacarte() {
  window1& w = window1::instance();
  int n = tavacartequante;
  // Up to four cards lie apart; more overlap so that the row ends before the deck.
  int step = n >= 2 ? std::min(110, 376 / (n - 1)) : 0;
  for (int i = 1; i <= 40; ++i) {
    w.control("canvtav", i).setLeft(-200);
    w.control("seleztav", i).setLeft(-200);
  }
  for (int i = 1; i <= n; ++i) {
    int left = 146 + (i - 1) * step;
    w.control("canvtav", i).setLeft(left);
    w.control("seleztav", i).setLeft(left);
  }
  // Right to left: each card is drawn over its right neighbour, and the drawn canvas comes to the
  // front, so the first card shows whole and every card takes the clicks where it is seen.
  for (int i = n; i >= 1; --i) drawAlone(w.control("canvtav", i), tavcarta(i));
  w.control("helptesto").setText("");
  w.control("Canvas1").setVisible(false);
  w.control("Canvas2").setVisible(false);
  w.control("Canvas3").setVisible(false);
  maccarta(4) = 0;
  placarta(4) = 0;
  w.control("canvgiomactir").refresh(true);
  playCardSound();
}

void parkTablePlaces() {
  window1& w = window1::instance();
  for (int i = 1; i <= 40; ++i) {
    fw::Control& bar = w.control("seleztav", i);
    bar.setLeft(-200);
    bar.setVisible(false);
    w.control("canvtav", i).setLeft(-200);
  }
}

void ridisegna() {
  // A redraw that causes another redraw would never end.
  static bool drawing = false;
  if (drawing) return;
  drawing = true;
  window1& w = window1::instance();
  for (int i = tavacartequante; i >= 1; --i) drawAlone(w.control("canvtav", i), tavcarta(i));
  int shown = pref_cs ? 1 : 0;  // a covered computer card is drawn as picture 0, the back
  for (int slot = 1; slot <= 3; ++slot) {
    // Negated slots belong to a hand whose card is in play: they are not drawn.
    if (placarta(slot) > 0) drawAlone(w.control("canvgio", slot), placarta(slot));
    if (maccarta(slot) > 0) drawAlone(w.control("canvmac", slot), maccarta(slot) * shown);
  }
  drawing = false;
}

void scopedisegna(int p) {
  int sweep = 6 - p;  // statocarta of this side's scopa cards
  int count = 0;
  for (int card = 1; card <= 40; ++card) {
    if (uscita(card) == sweep) ++count;
  }
  if (count == 0) return;
  fw::Control& canvas = window1::instance().control("canvscope", p);
  canvas.refresh(true);
  // The lowest card lies on the right; each next one further left, over the one before.
  int step = count > 1 ? 100 / (count - 1) : 0;
  int x = count > 1 ? 100 + step : 0;
  for (int card = 1; card <= 40; ++card) {
    if (uscita(card) != sweep) continue;
    x -= step;
    canvas.graphics().DrawPicture(immagine(card), x, 0);
  }
}

void aggiornagiocatori(int p) {
  int taken = 5 - p;  // plain taken cards only: the scopa cards have their own row
  int count = 0;
  for (int card = 1; card <= 40; ++card) {
    if (uscita(card) == taken) ++count;
  }
  contatore(p) = 40 - count;
  mazzodisegna(p);
  scopedisegna(p);
}

}  // namespace Globali
