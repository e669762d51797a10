#include "engine/globali.h"
#include "framework/application.h"
#include "shell/app.h"
#include "shell/filetypes.h"

int main(int argc, char** argv) {
  fw::Runtime runtime(argc, argv, "brivano");
  Globali::resetState();
  const int code = _Main();
  // The game's globals let go of their pictures, sound and file types while the runtime is still there.
  Globali::resetState();
  FileTypes::release();
  return code;
}
