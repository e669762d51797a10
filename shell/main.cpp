#include <QApplication>

#include "engine/globali.h"
#include "shell/app.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName("brivano");
  Globali::resetState();
  int code = 0;
  {
    App app;
    app.addMenuHandlers();
    code = app.run();
  }
  // The game's globals let go of their pictures and sound while Qt is still there.
  Globali::resetState();
  return code;
}
