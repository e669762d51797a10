// A face-down stack of cards: the table's deck and piles, and the scoring window's piles.
#pragma once

#include "framework/window.h"

namespace Globali {

// Erases the canvas and draws a face-down stack `depth` cards deep: one right-hand and one top
// edge per card, the deepest first, then the back of the deck in use at the lower left.
// Depth below 1 leaves the canvas empty. The canvas is 139 x 185 (the deepest stack is 40).
void drawPile(fw::Control& canvas, int depth);

}  // namespace Globali
