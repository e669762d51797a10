#include "engine/pile.h"

#include "engine/globali.h"
#include "framework/color.h"
#include "shell/resources.h"

namespace Globali {

void drawPile(fw::Control& canvas, int depth) {
  canvas.refresh(true);
  if (depth < 1) return;
  const bool trevisan = pref_trevi;
  const int narrower = trevisan ? 18 : 0;  // Trevisan cards are 82 wide instead of 100
  auto pen = [](double value) { return fw::HSV(0.25, 0.15, value); };
  fw::Graphics& g = canvas.graphics();
  int edge = 0, top = 0;
  for (int i = 1; i <= depth; ++i) {  // i = 1 is the deepest card
    int x = 139 - i - narrower;
    int y = i / 2;
    g.ForeColor = pen(edge == 0 ? 0.55 : 0.35);
    edge = 1 - edge;
    g.DrawLine(x, y, x, y + 165);
    g.ForeColor = pen(top < 2 ? 0.8 : 0.5);
    g.DrawLine(40 - i, y, x, y);
    top = (top + 1) % 4;
  }
  g.DrawPicture(trevisan ? aaat() : aaa(), 40 - depth, (depth + 1) / 2);
}

}  // namespace Globali
