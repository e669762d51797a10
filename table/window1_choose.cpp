// Choosing cards: playing a hand card, choosing table cards, the hover bars.
#include "engine/globali.h"
#include "table/window1.h"

void window1::canvgio_MouseDown(int) {}
void window1::canvgio_MouseEnter(int) {}
void window1::canvgio_MouseExit(int) {}
void window1::canvtav_MouseDown(int) {}
void window1::canvtav_MouseEnter(int) {}
void window1::canvtav_MouseExit(int) {}
