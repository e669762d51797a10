#include "tests/app/apprun.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "engine/globali.h"
#include "framework/fatal.h"
#include "framework/menu.h"
#include "shell/playerpicture.h"
#include "start/finstart.h"

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

window1& play() {
  gui::click(finstart::instance().control("pushbstart", 0));
  gui::settle();
  if (!window1::live()) fw::fatal("Play opened no table window");
  return *window1::live();
}

std::vector<std::string> savedPreferences() {
  QFile file(QString::fromStdString(fw::bareFilePath("brivanoprfs.txt")));
  std::vector<std::string> lines;
  if (!file.open(QIODevice::ReadOnly)) return lines;
  for (const QByteArray& line : file.readAll().split('\n')) lines.push_back(line.toStdString());
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

std::vector<std::string> preferences(const Changes& changes) {
  std::vector<std::string> lines = {"1", "", "", "Player", "Computer", "60", "1", "1", "0", "21", "1", "0", "100", "0"};
  for (const auto& [line, text] : changes) lines.at(static_cast<std::size_t>(line - 1)) = text;
  return lines;
}

void writePreferences(const Changes& changes) {
  std::string bytes;
  for (const auto& line : preferences(changes)) bytes += line + "\n";
  writeBytes(fw::bareFilePath("brivanoprfs.txt"), bytes);
}

QImage savedPicture() {
  fw::PicturePtr picture = fw::OpenAsPicture(PlayerPicture::fileName);
  return picture ? picture->image() : QImage();
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
