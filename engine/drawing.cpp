// Drawing the game state into the table window.
#include "engine/globali.h"

namespace Globali {

void mazzodisegna(int) {}
void spalmacarte() {}
void ridisegna() {}
void scopedisegna(int) {}
void aggiornagiocatori(int) {}

}  // namespace Globali
