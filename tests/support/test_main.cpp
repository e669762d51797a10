// Every test program runs headless with a real QApplication.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "framework/values.h"

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir runtime;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  int code = 0;
  {
    QApplication app(argc, argv);
    QApplication::setApplicationName("brivano");
    fw::seedRnd(12345);
    ::testing::InitGoogleTest(&argc, argv);
    code = RUN_ALL_TESTS();
  }
#ifdef __SANITIZE_ADDRESS__
  // Leaks are looked for once the application is gone but before Qt tears down its own globals:
  // a sound still loading then leaves Qt's loader thread half freed, which is no leak of ours.
  __lsan_do_leak_check();
#endif
  return code;
}
