// What the table tests share: a clean game with the usual options, a hand arranged card by card,
// the books of the 40 cards, a snapshot for "nothing changed" checks, and what a canvas shows.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "engine/globali.h"
#include "framework/values.h"
#include "scoring/winscoring.h"
#include "shell/resources.h"
#include "table/window1.h"
#include "tests/support/gui.h"

namespace table {

// The options a fresh install starts with, English, speech on, the card sound loaded.
inline void usualOptions() {
  using namespace Globali;
  lingua = 1;
  parlato = true;
  suono = sndcarta();
  nomepla = "Player";
  nomemac = "Computer";
  pref_apt = 60;
  pref_tc = 1;
  pref_fc = true;
  pref_us = false;
  pref_pu = 21;
  pref_ms = true;
  pref_cs = false;
  pref_me = 100;
  pref_trevi = false;
  immagine(41) = pla();
  immagine(42) = mac();
}

inline void closeEveryWindow() {
  for (fw::Window* w : fw::Window::liveWindows()) w->Close();
  gui::settle();
}

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    closeEveryWindow();
    Globali::resetState();
    usualOptions();
    fw::seedRnd(20240611);
    fw::mediaLog().clear();
  }
  void TearDown() override { closeEveryWindow(); }
};

inline window1& tableWindow() {
  window1* w = window1::live();
  if (!w) ADD_FAILURE() << "no table window";
  return w ? *w : window1::instance();
}

// Deals a hand led by `lead` as the scoring window does: a fresh table window, its places parked.
inline void dealHand(int lead) {
  if (window1* w = window1::live()) w->Close();
  gui::settle();
  window1& w = window1::instance();
  for (int i = 1; i <= 40; ++i) {
    w.control("seleztav", i).setLeft(-200);
    w.control("seleztav", i).setVisible(false);
    w.control("canvtav", i).setLeft(-200);
  }
  w.Show();
  Globali::mano = 1 - lead;
  Globali::daicarteinizio();
}

constexpr fw::Color red{255, 0, 0};
constexpr fw::Color cyan{0, 255, 255};

// Cards by suit and value.
inline int gold(int v) { return v; }
inline int spade(int v) { return 10 + v; }
inline int club(int v) { return 20 + v; }
inline int cup(int v) { return 30 + v; }

inline fw::Control& hand(int slot) { return tableWindow().control("canvgio", slot); }
inline fw::Control& place(int position) { return tableWindow().control("canvtav", position); }
inline void press() { gui::click(tableWindow().control("prendibott")); }

// True when the canvas shows exactly this picture drawn at (0, 0) on a clear canvas.
inline bool shows(const fw::Control& canvas, const fw::PicturePtr& picture) {
  const QImage& drawn = canvas.canvasImage();
  auto reference = fw::NewPicture(drawn.width(), drawn.height());
  reference->graphics().DrawPicture(picture, 0, 0);
  return reference->image().convertToFormat(drawn.format()) == drawn;
}
inline bool blank(const fw::Control& canvas) { return shows(canvas, nullptr); }

// A hand arranged card by card: slots (0 for empty), table positions, and of the other cards the
// first `inDeck` stay in the deck while the player has taken the rest. The player is to play.
struct Arrangement {
  std::vector<int> player{};
  std::vector<int> computer{};
  std::vector<int> table{};
  int inDeck = 40;
  int lead = Globali::lato::latopla;
};

// Deals a new game, then replaces the hand by the arrangement and draws it.
inline void arrange(const Arrangement& a) {
  using namespace Globali;
  newgame();
  uscita.fill(statocarta::inmazzo);
  placarta.fill(0);
  maccarta.fill(0);
  tavcarta.fill(0);
  for (std::size_t k = 0; k < a.player.size(); ++k) placarta(static_cast<int>(k) + 1) = a.player[k];
  for (std::size_t k = 0; k < a.computer.size(); ++k) maccarta(static_cast<int>(k) + 1) = a.computer[k];
  for (std::size_t k = 0; k < a.table.size(); ++k) tavcarta(static_cast<int>(k) + 1) = a.table[k];
  memomac.fill(0);  // as dealt: the computer knows its own cards and the table's
  for (const auto* cards : {&a.player, &a.computer, &a.table}) {
    for (int card : *cards) {
      if (card > 0) uscita(card) = statocarta::ingioco;
      if (card > 0 && cards != &a.player) memomac(card) = 1;
    }
  }
  int deck = 0, taken = 0;
  for (int card = 1; card <= 40; ++card) {
    if (uscita(card) != statocarta::inmazzo) continue;
    if (deck < a.inDeck) {
      ++deck;
    } else {
      uscita(card) = statocarta::presapla;
      ++taken;
    }
  }
  tavacartequante = static_cast<int>(a.table.size());
  contatore(indicemucchio::mazzo) = 40 - deck;
  controllafine = tavacartequante + taken;
  mano = a.lead;
  toccaa = lato::latopla;
  tc_pla = tc_mac = 0;
  for (int k = 1; k <= 3; ++k) {
    hand(k).refresh(true);
    tableWindow().control("canvmac", k).refresh(true);
  }
  spalmacarte();
  ridisegna();
  mazzodisegna(indicemucchio::mazzo);
  fw::mediaLog().clear();
}

// The books of a hand: each of the 40 cards in exactly one place, the counters agreeing with them.
inline ::testing::AssertionResult everyCardOnce() {
  using namespace Globali;
  int places[41] = {}, placed = 0, deck = 0, taken = 0;
  std::string faults;
  // A card held somewhere: drawn, held nowhere else, and in a state up to `highest`.
  auto hold = [&](int card, int highest, const std::string& where) {
    if (card < 1 || card > 40 || ++places[card] > 1 || uscita(card) == statocarta::inmazzo || uscita(card) > highest)
      faults += where + " holds card " + std::to_string(card) + "; ";
    ++placed;
  };
  for (const auto& [h, who] : {std::pair{&placarta, "player"}, {&maccarta, "computer"}}) {
    for (int k = 1; k <= 3; ++k) {
      if ((*h)(k) == 0) continue;
      hold(std::abs((*h)(k)), statocarta::ingioco, std::string(who) + " slot " + std::to_string(k));
      // A side's hand is locked (negated) exactly while its card is in play.
      if (((*h)(4) > 0) != ((*h)(k) < 0)) faults += std::string(who) + "'s hand signs wrong; ";
    }
    if ((*h)(4) != 0) hold((*h)(4), statocarta::scopamac, std::string(who) + "'s card in play");
  }
  if (placarta(4) > 0 && maccarta(4) > 0) faults += "two cards in play; ";
  for (int j = 1; j <= tavacartequante; ++j) hold(tavcarta(j), statocarta::selezionata, "table " + std::to_string(j));
  for (int card = 1; card <= 40; ++card) {
    deck += !places[card] && uscita(card) == statocarta::inmazzo;
    taken += !places[card] && uscita(card) >= statocarta::presapla && uscita(card) <= statocarta::scopamac;
  }
  if (placed + deck + taken != 40) faults += "a card is nowhere; ";
  const int drawn = contatore(indicemucchio::mazzo);
  if (drawn <= 40 && deck != 40 - drawn)
    faults += std::to_string(drawn) + " drawn, " + std::to_string(deck) + " left in the deck; ";
  if (controllafine <= 40 ? controllafine != tavacartequante + taken : taken != 40)
    faults += "controllafine " + std::to_string(controllafine) + " with " + std::to_string(taken) + " taken; ";
  if (!faults.empty()) return ::testing::AssertionFailure() << faults;
  return ::testing::AssertionSuccess();
}

// What must hold whenever a side is to press or play, besides the books: the turn marker, the light
// and the bars say whose turn it is, the hands are drawn (the computer's covered unless "Uncovered"),
// the computer knows its own cards and none of the player's, and while the deck lasts the hands are
// refilled after their period only.
inline void checkBetweenPlays() {
  using namespace Globali;
  window1* w = window1::live();
  if (!w || (fase() != fasemano::attesapla && fase() != fasemano::giocatamac)) return;
  const bool computers = fase() == fasemano::giocatamac;
  EXPECT_EQ(w->control("Rectangle1").top(), computers ? 10 : 380);
  EXPECT_EQ(w->control("prendibott").enabled(), computers);
  EXPECT_EQ(w->control("rectobutt").visible(), computers);
  for (int i = 1; i <= 40; ++i) {
    const bool chosen = i <= tavacartequante && uscita(tavcarta(i)) == statocarta::selezionata;
    EXPECT_EQ(w->control("seleztav", i).visible(), chosen) << i;
  }
  for (int k = 1; k <= 3; ++k) {
    const int mine = std::abs(placarta(k)), its = std::abs(maccarta(k));
    EXPECT_TRUE(shows(w->control("canvgio", k), mine ? immagine(mine) : nullptr)) << k;
    EXPECT_TRUE(shows(w->control("canvmac", k), its ? immagine(pref_cs ? its : 0) : nullptr)) << k;
    EXPECT_TRUE(!mine || memomac(mine) == 0) << mine;
    EXPECT_TRUE(!its || memomac(its) == 1) << its;
  }
  auto held = [](const Array<int, 0, 4>& hand) { return (hand(1) != 0) + (hand(2) != 0) + (hand(3) != 0); };
  if (contatore(indicemucchio::mazzo) < 40) {
    EXPECT_EQ(held(placarta), 3 - tc_pla);
    EXPECT_EQ(held(maccarta), 3 - tc_mac);
  }
}

// Everything a click could change, by name, so that a difference reads plainly.
using Snapshot = std::map<std::string, std::string>;

inline std::string imageKey(const fw::Control& canvas) {
  const QImage& image = canvas.canvasImage();
  return std::to_string(qHash(QByteArray::fromRawData(reinterpret_cast<const char*>(image.constBits()),
                                                      image.sizeInBytes())));
}

inline Snapshot snapshot() {
  using namespace Globali;
  Snapshot s;
  auto at = [](const std::string& name, int i) { return i < 0 ? name : name + "(" + std::to_string(i) + ")"; };
  auto all = [&](const char* name, const auto& array) {
    for (int i = array.lower; i <= array.upper; ++i) s[at(name, i)] = std::to_string(array(i));
  };
  all("placarta", placarta); all("maccarta", maccarta); all("tavcarta", tavcarta); all("puoscelta", puoscelta);
  all("uscita", uscita); all("memomac", memomac); all("contatore", contatore); all("punti", punti);
  const std::pair<const char*, int> scalars[] = {
      {"tavacartequante", tavacartequante}, {"puoscegliere", puoscegliere}, {"sceltavale", sceltavale},
      {"toccaa", toccaa}, {"mano", mano}, {"ultimoaprendere", ultimoaprendere}, {"tc_pla", tc_pla},
      {"tc_mac", tc_mac}, {"controllafine", controllafine}};
  for (const auto& [name, value] : scalars) s[name] = std::to_string(value);
  window1* w = window1::live();
  if (!w) return s;
  for (const auto& c : w->controls()) {
    const std::string key = at(c->name(), c->index());
    const fw::Color f = c->fillColor();
    s[key] = std::to_string(c->visible()) + std::to_string(c->enabled()) + " @" + std::to_string(c->left()) + "," +
             std::to_string(c->top()) + " w" + std::to_string(c->width()) + " rgb " + std::to_string(f.r) + "," +
             std::to_string(f.g) + "," + std::to_string(f.b);
    s[key + ".text"] = c->text();
    if (c->kind() == fw::Kind::Canvas) s[key + ".image"] = imageKey(*c);
  }
  return s;
}

// The names whose values differ, with both values.
inline std::string differences(const Snapshot& before, const Snapshot& after) {
  std::string out;
  for (const auto& [key, value] : before) {
    auto it = after.find(key);
    if (it == after.end() || it->second != value)
      out += key + ": " + value + " -> " + (it == after.end() ? "<gone>" : it->second) + "\n";
  }
  return out;
}

}  // namespace table
