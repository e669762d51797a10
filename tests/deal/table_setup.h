// What the table tests share: a clean game state with the usual options, a table arranged card
// by card, a full snapshot of the game for "nothing changed" checks, and what a canvas shows.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/globali.h"
#include "framework/media.h"
#include "framework/picture.h"
#include "framework/values.h"
#include "framework/window.h"
#include "scoring/winscoring.h"
#include "shell/resources.h"
#include "table/window1.h"
#include "tests/support/gui.h"

namespace table {

inline void closeEveryWindow() {
  for (fw::Window* w : fw::Window::liveWindows()) w->Close();
  gui::settle();
}

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

// Deals a hand as the scoring window does, in a fresh table window with its places parked,
// led by `lead`.
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

// A position of a hand arranged by hand: who holds what, what lies on the table, and where the
// other cards are (the first `inDeck` of them still in the deck, the others taken by `restTo`).
struct Arrangement {
  std::vector<int> player{};    // slots 1..3, 0 for an empty slot
  std::vector<int> computer{};  // slots 1..3
  std::vector<int> table{};     // positions 1..n
  int inDeck = 40;            // how many of the remaining cards stay in the deck
  int restTo = Globali::lato::latopla;
  int lead = Globali::lato::latopla;  // `mano`; the player is to play
};

// Deals a new game for a live table window, then replaces the hand by the arrangement and
// draws it. The player is to play; nothing has been played yet this refill.
inline void arrange(const Arrangement& a) {
  using namespace Globali;
  newgame();
  window1& w = tableWindow();
  uscita.fill(statocarta::inmazzo);
  placarta.fill(0);
  maccarta.fill(0);
  tavcarta.fill(0);
  std::vector<bool> placed(41, false);
  for (std::size_t k = 0; k < a.player.size(); ++k) placarta(static_cast<int>(k) + 1) = a.player[k];
  for (std::size_t k = 0; k < a.computer.size(); ++k) maccarta(static_cast<int>(k) + 1) = a.computer[k];
  for (std::size_t k = 0; k < a.table.size(); ++k) tavcarta(static_cast<int>(k) + 1) = a.table[k];
  for (const auto* cards : {&a.player, &a.computer, &a.table}) {
    for (int card : *cards) {
      if (card > 0) {
        uscita(card) = statocarta::ingioco;
        placed[static_cast<std::size_t>(card)] = true;
      }
    }
  }
  int deck = 0, taken = 0;
  for (int card = 1; card <= 40; ++card) {
    if (placed[static_cast<std::size_t>(card)]) continue;
    if (deck < a.inDeck) {
      ++deck;
    } else {
      uscita(card) = 2 * a.restTo + 3;
      ++taken;
    }
  }
  tavacartequante = static_cast<int>(a.table.size());
  contatore(indicemucchio::mazzo) = 40 - deck;
  controllafine = tavacartequante + taken;
  mano = a.lead;
  toccaa = lato::latopla;
  tc_pla = 0;
  tc_mac = 0;
  for (int k = 1; k <= 3; ++k) {
    w.control("canvgio", k).refresh(true);
    w.control("canvmac", k).refresh(true);
  }
  spalmacarte();
  ridisegna();
  mazzodisegna(indicemucchio::mazzo);
  fw::mediaLog().clear();
}

inline std::string imageKey(const QImage& image) {
  auto bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
  return std::to_string(qHash(bytes));
}

// Everything a click could change, by name, so that a difference reads plainly.
using Snapshot = std::map<std::string, std::string>;

inline Snapshot snapshot() {
  using namespace Globali;
  Snapshot s;
  auto put = [&s](const std::string& key, auto value) {
    std::ostringstream text;
    text << value;
    s[key] = text.str();
  };
  for (int i = 0; i <= 4; ++i) {
    put("placarta(" + std::to_string(i) + ")", placarta(i));
    put("maccarta(" + std::to_string(i) + ")", maccarta(i));
  }
  for (int i = 0; i <= 40; ++i) {
    put("tavcarta(" + std::to_string(i) + ")", tavcarta(i));
    put("puoscelta(" + std::to_string(i) + ")", puoscelta(i));
    put("uscita(" + std::to_string(i) + ")", uscita(i));
    put("memomac(" + std::to_string(i) + ")", memomac(i));
  }
  for (int i = 0; i <= 2; ++i) put("contatore(" + std::to_string(i) + ")", contatore(i));
  put("punti", std::to_string(punti(0)) + "," + std::to_string(punti(1)));
  put("tavacartequante", tavacartequante);
  put("puoscegliere", puoscegliere);
  put("sceltavale", sceltavale);
  put("toccaa", toccaa);
  put("mano", mano);
  put("ultimoaprendere", ultimoaprendere);
  put("tc_pla", tc_pla);
  put("tc_mac", tc_mac);
  put("controllafine", controllafine);
  if (window1* w = window1::live()) {
    for (int i = 1; i <= 40; ++i) {
      const fw::Control& bar = w->control("seleztav", i);
      fw::Color c = bar.fillColor();
      put("seleztav(" + std::to_string(i) + ")",
          std::to_string(bar.visible()) + " " + std::to_string(c.r) + "," + std::to_string(c.g) + "," +
              std::to_string(c.b) + " @" + std::to_string(bar.left()));
      put("canvtav(" + std::to_string(i) + ").left", w->control("canvtav", i).left());
    }
    for (int k = 1; k <= 3; ++k) {
      put("selezrect(" + std::to_string(k) + ")", w->control("selezrect", k).visible());
      put("canvgio(" + std::to_string(k) + ")", imageKey(w->control("canvgio", k).canvasImage()));
      put("canvmac(" + std::to_string(k) + ")", imageKey(w->control("canvmac", k).canvasImage()));
    }
    put("canvgiomactir", imageKey(w->control("canvgiomactir").canvasImage()));
    for (const char* name : {"Canvas1", "Canvas2", "Canvas3", "rectobutt"})
      put(std::string(name) + ".visible", w->control(name).visible());
    put("prendibott.enabled", w->control("prendibott").enabled());
    put("helptesto", w->control("helptesto").text());
    put("Pensotesto", w->control("Pensotesto").text());
    put("Rectangle1.top", w->control("Rectangle1").top());
  }
  return s;
}

// The names whose values differ, with both values.
inline std::string differences(const Snapshot& before, const Snapshot& after) {
  std::string out;
  for (const auto& [key, value] : before) {
    auto it = after.find(key);
    std::string now = it == after.end() ? "<gone>" : it->second;
    if (now != value) out += key + ": " + value + " -> " + now + "\n";
  }
  return out;
}

}  // namespace table
