// The traffic light: each press carries the hand one step forward.
#include "engine/globali.h"
#include "table/window1.h"

void window1::prendibott_Action() {}
