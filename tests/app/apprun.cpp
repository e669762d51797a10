#include "tests/app/apprun.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "engine/globali.h"
#include "framework/menu.h"
#include "tests/support/gui.h"

namespace apprun {

int run(const std::function<void(App&)>& steps) {
  Globali::resetState();
  App app;
  app.addMenuHandlers();
  // Queued twice so that the steps come after the application's Open event.
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(0, [&] {
      steps(app);
      if (!app.quitting()) fw::Quit(0);
    });
  });
  QTimer safety;
  safety.setSingleShot(true);
  QObject::connect(&safety, &QTimer::timeout, [] {
    ADD_FAILURE() << "the program did not quit";
    QApplication::exit(99);
  });
  safety.start(60000);
  int code = app.run();
  gui::settle();
  return code;
}

void chooseFromMenu(fw::Window& window, const std::string& itemName) {
  QAction* wanted = App::instance().menu().item(itemName).action();
  auto* bar = window.frame()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr) << window.title() << " has no menu bar";
  for (QAction* title : bar->actions()) {
    QMenu* menu = title->menu();
    if (!menu || !menu->actions().contains(wanted)) continue;
    emit menu->aboutToShow();  // as when the menu drops down
    ASSERT_TRUE(wanted->isEnabled()) << itemName;
    wanted->trigger();
    return;
  }
  ADD_FAILURE() << itemName << " is not in the menu bar of " << window.title();
}

void activate(fw::Window& window) {
  window.frame()->raise();
  window.frame()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.frame())) << window.title();
}

void pressShortcut(fw::Window& window, Qt::Key key) {
  activate(window);
  QTest::keyClick(window.frame(), key, Qt::ControlModifier);
}

std::vector<std::string> readLines(const std::string& path) {
  QFile file(QString::fromStdString(path));
  std::vector<std::string> lines;
  if (!file.open(QIODevice::ReadOnly)) return lines;
  for (const QByteArray& line : file.readAll().split('\n')) lines.push_back(line.toStdString());
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

void writePreferences(const std::string& folder, const std::vector<std::pair<int, std::string>>& changes) {
  std::vector<std::string> lines = {"1", "", "", "Player", "Computer", "60", "1", "1", "0", "21", "1", "0", "100", "0"};
  for (const auto& [line, text] : changes) lines.at(static_cast<std::size_t>(line - 1)) = text;
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\n";
  writeBytes(folder + "/brivanoprfs.txt", bytes);
}

std::string writePicture(const std::string& folder, const std::string& name, int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::blue);
  QPainter(&image).fillRect(0, 0, w / 2, h, Qt::red);
  std::string path = folder + "/" + name;
  EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG")) << path;
  return path;
}

void writeBytes(const std::string& path, const std::string& bytes) {
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path;
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void closeAllWindows() {
  for (fw::Window* window : fw::Window::liveWindows()) window->Close();
  gui::settle();
}

}  // namespace apprun
