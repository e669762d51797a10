// The player's picture.
#include "engine/globali.h"

namespace Globali {

void custompicture() {}

}  // namespace Globali
