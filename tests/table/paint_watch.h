// Watching the table window's Paint events: how many came, and the cards spoilt as each comes, so that only
// the Paint's own redraw can mend them.
#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

#include "engine/globali.h"
#include "table/window1.h"

namespace tabletest {

// Counts the Paint events that reach the window it watches, and runs `arriving` as each comes, before the
// window handles it.
struct PaintWatch : QObject {
  int paints = 0;
  std::function<void()> arriving;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == fw::Window::paintEventType()) {
      ++paints;
      if (arriving) arriving();
    }
    return false;
  }
};

// Spoils what the redraw draws: the table cards and the hand cards of positive slots.
inline void spoilRedrawnCards(window1& w) {
  using namespace Globali;
  const auto spoil = [](fw::Control& canvas) { canvas.graphics().DrawPicture(immagine(0), 30, 40); };
  for (int j = 1; j <= tavacartequante; ++j) spoil(w.control("canvtav", j));
  for (int k = 1; k <= 3; ++k) {
    if (placarta(k) > 0) spoil(w.control("canvgio", k));
    if (maccarta(k) > 0) spoil(w.control("canvmac", k));
  }
}

}  // namespace tabletest
