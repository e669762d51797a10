#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName("brivano");
  return 0;
}
