#include "shell/preferences.h"

namespace Preferences {

std::string reservedA;
std::string reservedB;

void read() {}
bool write() { return true; }

}  // namespace Preferences
