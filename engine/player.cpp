// The computer player.
#include "engine/globali.h"

namespace Globali {

int macsceglicarta() { return 0; }

}  // namespace Globali
