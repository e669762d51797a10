// Errors the game never catches: say what went wrong and stop at once.
#pragma once

#include <string>

namespace fw {

[[noreturn]] void fatal(const std::string& message);

}  // namespace fw
