#include "engine/globali.h"
#include "framework/application.h"
#include "shell/app.h"

int main(int argc, char** argv) {
  fw::Runtime runtime(argc, argv, "brivano");
  Globali::resetState();
  int code = 0;
  {
    App app;
    app.addMenuHandlers();
    code = app.run();
  }
  // The game's globals let go of their pictures and sound while the runtime is still there.
  Globali::resetState();
  return code;
}
