// The books of a hand: every one of the 40 cards is in exactly one place, and the counters
// agree with where the cards are.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/globali.h"

namespace ledger {

inline ::testing::AssertionResult everyCardOnce() {
  using namespace Globali;
  int places[41] = {};
  std::string faults;
  auto place = [&](int card, const std::string& where) {
    if (card < 1 || card > 40) {
      faults += where + " holds " + std::to_string(card) + "; ";
      return;
    }
    ++places[card];
  };
  for (int k = 1; k <= 3; ++k) {
    if (placarta(k) != 0) place(std::abs(placarta(k)), "player's slot " + std::to_string(k));
    if (maccarta(k) != 0) place(std::abs(maccarta(k)), "computer's slot " + std::to_string(k));
    if (placarta(k) != 0 && uscita(std::abs(placarta(k))) != statocarta::ingioco)
      faults += "player's hand card " + std::to_string(std::abs(placarta(k))) + " not in play state; ";
    if (maccarta(k) != 0 && uscita(std::abs(maccarta(k))) != statocarta::ingioco)
      faults += "computer's hand card " + std::to_string(std::abs(maccarta(k))) + " not in play state; ";
    // A side's hand is locked (negated) exactly while its card is in play.
    if (placarta(4) > 0 ? placarta(k) > 0 : placarta(k) < 0) faults += "player's hand signs wrong; ";
    if (maccarta(4) > 0 ? maccarta(k) > 0 : maccarta(k) < 0) faults += "computer's hand signs wrong; ";
  }
  if (placarta(4) != 0) place(placarta(4), "player's card in play");
  if (maccarta(4) != 0) place(maccarta(4), "computer's card in play");
  if (placarta(4) > 0 && maccarta(4) > 0) faults += "two cards in play; ";
  for (int j = 1; j <= tavacartequante; ++j) {
    place(tavcarta(j), "table position " + std::to_string(j));
    int state = uscita(tavcarta(j));
    if (state != statocarta::ingioco && state != statocarta::selezionata)
      faults += "table card " + std::to_string(tavcarta(j)) + " in state " + std::to_string(state) + "; ";
  }
  int deck = 0, taken = 0;
  for (int card = 1; card <= 40; ++card) {
    if (places[card] > 1) faults += "card " + std::to_string(card) + " in " + std::to_string(places[card]) + " places; ";
    if (places[card] >= 1) {
      if (uscita(card) == statocarta::inmazzo) faults += "card " + std::to_string(card) + " placed but in the deck; ";
      continue;
    }
    int state = uscita(card);
    if (state == statocarta::inmazzo) {
      ++deck;
    } else if (state >= statocarta::presapla && state <= statocarta::scopamac) {
      ++taken;
    } else {
      faults += "card " + std::to_string(card) + " lost in state " + std::to_string(state) + "; ";
    }
  }
  const int drawn = contatore(indicemucchio::mazzo);
  if (drawn <= 40 && deck != 40 - drawn)
    faults += "deck holds " + std::to_string(deck) + " but " + std::to_string(drawn) + " were drawn; ";
  if (controllafine <= 40 && controllafine != tavacartequante + taken)
    faults += "controllafine " + std::to_string(controllafine) + " but " + std::to_string(tavacartequante) +
              " on the table and " + std::to_string(taken) + " taken; ";
  if (controllafine == 41 && taken != 40) faults += "hand over with " + std::to_string(taken) + " taken; ";
  if (!faults.empty()) return ::testing::AssertionFailure() << faults;
  return ::testing::AssertionSuccess();
}

// Cards held in slots 1..3 of a hand.
inline int held(const Globali::Array<int, 0, 4>& hand) {
  int n = 0;
  for (int k = 1; k <= 3; ++k) n += hand(k) != 0;
  return n;
}

}  // namespace ledger
