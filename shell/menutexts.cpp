// The File menu's texts in the two languages.
#include "engine/globali.h"

namespace Globali {

void local_usa() {}
void local_ita() {}

}  // namespace Globali
