// Drawing from the deck, a new game and the deal.
#include "engine/globali.h"

namespace Globali {

int prendicarta() { return 0; }
void newgame() {}
void daicarteinizio() {}

}  // namespace Globali
