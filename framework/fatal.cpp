#include "framework/fatal.h"

#include <cstdio>
#include <cstdlib>

namespace fw {

void fatal(const std::string& message) {
  std::fprintf(stderr, "brivano: fatal: %s\n", message.c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace fw
