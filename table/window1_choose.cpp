// Choosing cards: playing a hand card, choosing table cards, the hover bars.
#include "engine/globali.h"
#include "table/window1.h"

namespace {

constexpr fw::Color cyan{0, 255, 255};
constexpr fw::Color red{255, 0, 0};

bool noCardInPlay() { return Globali::placarta(4) + Globali::maccarta(4) == 0; }
bool cardInPlay() { return Globali::placarta(4) > 0 || Globali::maccarta(4) > 0; }

// Only kinds 2 and 3 leave the player a choice: one of the equal cards, or members of the sums.
bool choosable(int position) {
  return (Globali::puoscegliere == Globali::tipopresa::presauguali && Globali::puoscelta(position) == 1) ||
         (Globali::puoscegliere == Globali::tipopresa::presadascegliere && Globali::puoscelta(position) > 1);
}

// A chosen card's bar stays up whatever the pointer does; the hover never changes a bar's colour.
bool hoverable(int position) {
  using namespace Globali;
  return cardInPlay() && tavcarta(position) > 0 && uscita(tavcarta(position)) == statocarta::ingioco &&
         choosable(position);
}

}  // namespace

void window1::canvgio_MouseDown(int index) {
  using namespace Globali;
  if (!noCardInPlay() || placarta(index) <= 0) return;
  const int card = placarta(index);
  placarta(4) = card;
  tc_pla = tc_pla + 1;
  placarta(index) = 0;
  memomac(card) = 1;
  control("canvgio", index).refresh(true);
  control("Canvas2").setVisible(true);
  control("canvgiomactir").graphics().DrawPicture(immagine(card), 0, 0);
  playCardSound();
  control("Canvas3").setVisible(true);
  // The rest of the hand is locked until the play is resolved.
  for (int j = 1; j <= 3; ++j) {
    placarta(j) = -placarta(j);
    control("selezrect", j).setVisible(false);
  }
  control("rectobutt").setVisible(true);
  control("prendibott").setEnabled(true);
  cercapresa(valorecarta(card));
}

void window1::canvgio_MouseEnter(int index) {
  if (noCardInPlay() && Globali::placarta(index) > 0) control("selezrect", index).setVisible(true);
}

void window1::canvgio_MouseExit(int index) {
  if (noCardInPlay() && Globali::placarta(index) > 0) control("selezrect", index).setVisible(false);
}

void window1::canvtav_MouseDown(int index) {
  using namespace Globali;
  if (!cardInPlay()) return;
  if (puoscegliere == tipopresa::presauguali && puoscelta(index) == 1) {
    // The single choice moves to this card.
    for (int j = 1; j <= tavacartequante; ++j) {
      uscita(tavcarta(j)) = statocarta::ingioco;
      fw::Control& bar = control("seleztav", j);
      bar.setFillColor(cyan);
      bar.setVisible(false);
    }
    uscita(tavcarta(index)) = statocarta::selezionata;
    fw::Control& bar = control("seleztav", index);
    bar.setFillColor(red);
    bar.setVisible(true);
  } else if (puoscegliere == tipopresa::presadascegliere && puoscelta(index) > 1) {
    // Members of the sums toggle in and out; the button checks the total.
    int& state = uscita(tavcarta(index));
    state = 3 - state;
    fw::Control& bar = control("seleztav", index);
    if (state == statocarta::ingioco) {
      bar.setFillColor(cyan);
      bar.setVisible(false);
    } else if (state == statocarta::selezionata) {
      bar.setFillColor(red);
      bar.setVisible(true);
    }
  }
}

void window1::canvtav_MouseEnter(int index) {
  if (hoverable(index)) control("seleztav", index).setVisible(true);
}

void window1::canvtav_MouseExit(int index) {
  if (hoverable(index)) control("seleztav", index).setVisible(false);
}
