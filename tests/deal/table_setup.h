// What the game tests share: a clean game with the usual options, a table laid or a hand arranged
// card by card, and the books of the 40 cards.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/globali.h"
#include "framework/values.h"
#include "shell/resources.h"
#include "table/window1.h"
#include "tests/support/gui.h"

namespace table {

using namespace Globali;

// The options a fresh install starts with, English, speech on, the card sound loaded.
inline void usualOptions() {
  lingua = 1, parlato = true, suono = sndcarta(), nomepla = "Player", nomemac = "Computer";
  pref_apt = 60, pref_tc = 1, pref_fc = true, pref_us = false, pref_pu = 21;
  pref_ms = true, pref_cs = false, pref_me = 100, pref_trevi = false;
  immagine(41) = pla(), immagine(42) = mac();
}

inline void closeEveryWindow() {
  for (fw::Window* w : fw::Window::liveWindows()) w->Close();
  gui::settle();
}

// A fresh game, no window open, the usual options, a seeded random source and an empty media log.
inline void freshGame() {
  closeEveryWindow(), resetState(), usualOptions();
  fw::seedRnd(20240611), fw::mediaLog().clear();
}

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override { freshGame(); }
  void TearDown() override { closeEveryWindow(); }
};

inline window1& tableWindow() {
  EXPECT_NE(window1::live(), nullptr) << "no table window";
  return window1::instance();
}

constexpr fw::Color red{255, 0, 0};
constexpr fw::Color cyan{0, 255, 255};
constexpr int aceTakesAll = 1, aceOff = 60;  // pref_apt

// Cards by suit and value.
inline int gold(int v) { return v; }
inline int spade(int v) { return 10 + v; }
inline int club(int v) { return 20 + v; }
inline int cup(int v) { return 30 + v; }

inline fw::Control& hand(int slot) { return tableWindow().control("canvgio", slot); }
inline fw::Control& place(int position) { return tableWindow().control("canvtav", position); }
inline void press() { gui::click(tableWindow().control("prendibott")); }

// A text in both languages; English is spoken as shown, Italian respelt for an English voice.
struct Texts {
  const char* english;
  const char* italian = nullptr;
  const char* italianSpoken = nullptr;
};

// Cards at table positions 1..n, each drawn and lying in play.
inline void layTable(const std::vector<int>& cards) {
  tavacartequante = static_cast<int>(cards.size());
  for (int i = 1; i <= tavacartequante; ++i) uscita(tavcarta(i) = cards[static_cast<std::size_t>(i - 1)]) = 1;
}

inline std::vector<int> tableCards() {
  std::vector<int> cards;
  for (int j = 1; j <= tavacartequante; ++j) cards.push_back(tavcarta(j));
  return cards;
}

inline std::vector<int> chosenPositions() {
  std::vector<int> chosen;
  for (int i = 1; i <= tavacartequante; ++i)
    if (uscita(tavcarta(i)) == statocarta::selezionata) chosen.push_back(i);
  return chosen;
}

// True when the canvas shows exactly this picture drawn at (0, 0) on a clear canvas.
inline bool shows(const fw::Control& canvas, const fw::PicturePtr& picture) {
  const QImage& drawn = canvas.canvasImage();
  auto reference = fw::NewPicture(drawn.width(), drawn.height());
  reference->graphics().DrawPicture(picture, 0, 0);
  return reference->image().convertToFormat(drawn.format()) == drawn;
}

// A hand arranged card by card: slots (0 for empty), table positions, and of the other cards the
// first `inDeck` stay in the deck while the player has taken the rest. The player is to play.
struct Arrangement {
  std::vector<int> player{}, computer{}, table{};
  int inDeck = 40;
  int lead = lato::latopla;
};

// Deals a new game, then replaces the hand by the arrangement and draws it.
inline void arrange(const Arrangement& a) {
  newgame();
  uscita.fill(0), tavcarta.fill(0), memomac.fill(0), placarta.fill(0), maccarta.fill(0);
  for (std::size_t k = 0; k < a.player.size(); ++k) uscita(placarta(static_cast<int>(k) + 1) = a.player[k]) = 1;
  for (std::size_t k = 0; k < a.computer.size(); ++k) uscita(maccarta(static_cast<int>(k) + 1) = a.computer[k]) = 1;
  layTable(a.table);
  for (const auto* known : {&a.computer, &a.table})  // as dealt: the computer knows its own cards and the table's
    for (int card : *known) memomac(card) = 1;
  uscita(0) = memomac(0) = 0;  // written for empty slots
  int deck = 0, taken = 0;
  for (int card = 1; card <= 40; ++card) {
    if (uscita(card) != statocarta::inmazzo) continue;
    if (deck < a.inDeck) ++deck; else uscita(card) = statocarta::presapla, ++taken;
  }
  contatore(indicemucchio::mazzo) = 40 - deck;
  controllafine = tavacartequante + taken;
  mano = a.lead;
  spalmacarte();
  ridisegna();
}

// The books of a hand: each of the 40 cards in exactly one place, the counters agreeing with them.
inline ::testing::AssertionResult everyCardOnce() {
  auto fault = [](const std::string& what) { return ::testing::AssertionFailure() << what; };
  std::vector<std::pair<int, int>> held;  // the cards held somewhere, each with the highest state it may have there
  for (auto* h : {&placarta, &maccarta}) {
    for (int k = 1; k <= 3; ++k) {
      if ((*h)(k) != 0) held.emplace_back(std::abs((*h)(k)), statocarta::ingioco);
      // A side's hand is locked (negated) exactly while its card is in play.
      if ((*h)(k) != 0 && ((*h)(4) > 0) != ((*h)(k) < 0)) return fault("a hand's signs are wrong");
    }
    if ((*h)(4) != 0) held.emplace_back((*h)(4), statocarta::scopamac);
  }
  if (placarta(4) > 0 && maccarta(4) > 0) return fault("two cards in play");
  for (int j = 1; j <= tavacartequante; ++j) held.emplace_back(tavcarta(j), statocarta::selezionata);
  int places[41] = {}, deck = 0, taken = 0;
  for (const auto& [card, highest] : held) {
    if (card < 1 || card > 40 || ++places[card] > 1 || uscita(card) == statocarta::inmazzo || uscita(card) > highest)
      return fault("card " + std::to_string(card) + " held twice or in the wrong state");
  }
  for (int card = 1; card <= 40; ++card) {
    const int s = places[card] ? -1 : uscita(card);
    deck += s == statocarta::inmazzo;
    taken += s >= statocarta::presapla && s <= statocarta::scopamac;
    if (s == statocarta::ingioco || s == statocarta::selezionata || s > statocarta::scopamac)
      return fault("card " + std::to_string(card) + " is nowhere");
  }
  const int drawn = contatore(indicemucchio::mazzo);
  if (drawn <= 40 && deck != 40 - drawn)
    return fault(std::to_string(drawn) + " drawn, " + std::to_string(deck) + " left in the deck");
  if (controllafine <= 40 ? controllafine != tavacartequante + taken : taken != 40)
    return fault("controllafine " + std::to_string(controllafine) + " with " + std::to_string(taken) + " taken");
  return ::testing::AssertionSuccess();
}

}  // namespace table
