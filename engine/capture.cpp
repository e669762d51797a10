// The capture search.
#include "engine/globali.h"

namespace Globali {

void cercapresapre(int) {}
void cercapresa(int) {}

}  // namespace Globali
