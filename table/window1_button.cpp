// The traffic light: each press carries the hand one step forward.
#include "engine/globali.h"
#include "framework/values.h"
#include "scoring/winscoring.h"
#include "table/window1.h"

namespace {

// Each card of a capture is remembered by chance, after "A.I. memory".
void memoryRoll(int card) {
  const int roll = fw::toInt(fw::Rnd() * 100.0);
  Globali::memomac(card) = roll < Globali::pref_me ? 1 : 0;
}

// Empty slots take a card each while the deck lasts. The computer remembers its own cards and
// shows them covered unless "Uncovered"; the player's are always face up.
void refillHand(window1& w, int side) {
  using namespace Globali;
  const bool computer = side == lato::latomac;
  auto& hand = computer ? maccarta : placarta;
  const int shown = computer && !pref_cs ? 0 : 1;  // picture 0 is the back
  for (int j = 1; j <= 3; ++j) {
    if (hand(j) == 0 && contatore(indicemucchio::mazzo) < 40) {
      const int card = prendicarta();
      hand(j) = card;
      if (computer) memomac(card) = 1;
      w.control(computer ? "canvmac" : "canvgio", j).graphics().DrawPicture(immagine(card * shown), 0, 0);
      playCardSound();
    }
  }
}

const char* byLanguage(const char* english, const char* italian) { return Globali::lingua == 2 ? italian : english; }

}  // namespace

void window1::prendibott_Action() {
  using namespace Globali;

  // Only a stray event can press with nothing to resolve before the last card: ignore it.
  const int inPlay = toccaa == lato::latopla ? placarta(4) : maccarta(4);
  if (controllafine < 40 && inPlay <= 0) return;

  controllafine = controllafine + 1;
  bool resolved = false;

  if (controllafine < 41) {
    resolved = true;
    const int t = toccaa;
    const int x = inPlay;
    uscita(x) = statocarta::selezionata;
    const int v = valorecarta(x);
    const int n = tavacartequante;

    if (puoscegliere > tipopresa::presanulla) {
      ultimoaprendere = t;
      uscita(x) = 2 * t + 3;
      memoryRoll(x);
      int sum = 0;
      for (int j = 1; j <= n; ++j) {
        if (uscita(tavcarta(j)) == statocarta::selezionata) sum += valorecarta(tavcarta(j));
      }
      if (sum != v && puoscegliere != tipopresa::presaasso) {
        // Refused: the card stays in play and the choice stays as it is, to be mended.
        fw::Beep();
        resolved = false;
        control("helptesto").setText(byLanguage("You can't get these cards!", "Non puoi prendere queste carte!"));
        controllafine = controllafine - 1;
      } else {
        for (int j = 1; j <= n; ++j) control("seleztav", j).setVisible(false);
        int taken = 0;
        for (int j = 1; j <= n; ++j) {
          const int card = tavcarta(j);
          if (uscita(card) == statocarta::selezionata) {
            uscita(card) = 2 * t + 3;
            ++taken;
            memoryRoll(card);
          }
        }
        // A sweep is a scopa, but never by the ace taking all, nor with the last card when that is off.
        if (taken == n && puoscegliere != tipopresa::presaasso) {
          if (!(controllafine >= 40 && pref_us)) uscita(x) = 2 * t + 4;
          memomac(x) = 1;
        }
        aggiornagiocatori(2 - 2 * t);
        int removed = 0;
        for (int j = 1; j <= n; ++j) {
          if (uscita(tavcarta(j)) > statocarta::ingioco) {
            ++removed;
          } else {
            tavcarta(j - removed) = tavcarta(j);
          }
        }
        tavacartequante = n - taken;
        spalmacarte();
      }
    } else {
      // Nothing to take: the card goes to the right end of the table.
      uscita(x) = statocarta::ingioco;
      tavacartequante = n + 1;
      tavcarta(n + 1) = x;
      spalmacarte();
    }
  }

  // The computer's card was resolved: refill its hand when due and give the turn back.
  if (resolved && toccaa == lato::latomac && controllafine < 41) {
    toccaa = lato::latopla;
    resolved = false;
    control("rectobutt").setVisible(false);
    control("prendibott").setEnabled(false);
    for (int j = 1; j <= 3; ++j) maccarta(j) = -maccarta(j);
    if (tc_mac == pref_tc) {
      refillHand(*this, lato::latomac);
      tc_mac = 0;
    }
    maccarta(4) = 0;
    control("Rectangle1").setTop(380);
    promptPlayerTurn();
  }

  // The player's card was resolved: refill the player's hand when due, then the computer plays.
  if (resolved && toccaa == lato::latopla && controllafine < 41) {
    for (int j = 1; j <= 3; ++j) placarta(j) = -placarta(j);
    if (tc_pla == pref_tc) {
      refillHand(*this, lato::latopla);
      tc_pla = 0;
    }
    placarta(4) = 0;
    toccaa = lato::latomac;
    // The button stays offered: the next press resolves the computer's card.
    if (maccarta(1) + maccarta(2) + maccarta(3) > 0) computerPlaysCard();
  }

  // The side that did not lead plays the last card, so the turn equals the lead once every card is out.
  if (controllafine == 41 && mano == toccaa) {
    for (int j = 1; j <= tavacartequante; ++j) uscita(tavcarta(j)) = 2 * ultimoaprendere + 3;
    control("rectobutt").setVisible(false);
    control("prendibott").setEnabled(false);
    tavacartequante = 0;
    spalmacarte();
    // Closing is safe here: the window is deleted after this handler returns, and the scoring
    // window shown before then keeps the application from quitting for want of a window.
    Close();
    winscoring::instance().Show();
    return;
  }
  if (controllafine == 40 && mano == toccaa) {
    if (tavacartequante > 0) {
      control("Rectangle1").setTop(380 - 370 * ultimoaprendere);
      control("helptesto").setText(
          byLanguage("Click on traffic lights for getting cards", "Premi il semaforo per prendere tutto"));
    } else {
      control("helptesto").setText(
          byLanguage("Click on traffic lights for ending game", "Premi il semaforo per terminare"));
    }
    control("rectobutt").setVisible(true);
    control("prendibott").setEnabled(true);
  }
}
