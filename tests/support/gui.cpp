#include "tests/support/gui.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "framework/files.h"

namespace gui {

void settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  fw::discardClosedWindows();
}

std::optional<QPoint> visiblePoint(const fw::Control& control) {
  QWidget* w = control.widget();
  if (w->isHidden()) return std::nullopt;
  QWidget* content = control.window().content();
  // Along the middle line from the right edge inwards: covered cards show their right-hand strip.
  for (int x = w->width() - 2; x >= 1; --x) {
    QPoint p = w->mapTo(content, QPoint(x, w->height() / 2));
    if (content->rect().contains(p) && content->childAt(p) == w) return p;
  }
  return std::nullopt;
}

bool clickAt(fw::Window& window, QPoint point, Qt::MouseButton button) {
  QWidget* target = window.content()->childAt(point);
  if (target) QTest::mouseClick(target, button, Qt::NoModifier, target->mapFrom(window.content(), point));
  return target;
}

void click(fw::Control& control, Qt::MouseButton button) {
  auto p = visiblePoint(control);
  ASSERT_TRUE(p.has_value()) << control.name() << "(" << control.index() << ") cannot be seen";
  clickAt(control.window(), *p, button);
}

void doubleClick(fw::Control& control) {
  auto p = visiblePoint(control);
  ASSERT_TRUE(p.has_value()) << control.name() << " cannot be seen";
  QWidget* target = control.window().content()->childAt(*p);
  QPoint local = target->mapFrom(control.window().content(), *p);
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, local);
  QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, local);
}

void enter(fw::Control& control) {
  QWidget* w = control.widget();
  QPointF local(w->width() / 2.0, w->height() / 2.0);
  QEnterEvent event(local, w->mapToGlobal(local), w->mapToGlobal(local));
  QApplication::sendEvent(w, &event);
}

void leave(fw::Control& control) {
  QEvent event(QEvent::Leave);
  QApplication::sendEvent(control.widget(), &event);
}

void type(fw::Control& field, const std::string& text) {
  field.widget()->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(field.widget(), Qt::Key_End);
  QTest::keyClicks(field.widget(), QString::fromStdString(text));
}

std::string useTemporaryFileFolder() {
  static std::vector<std::unique_ptr<QTemporaryDir>> folders;
  folders.push_back(std::make_unique<QTemporaryDir>());
  fw::setBareFileFolder(folders.back()->path().toStdString());
  return folders.back()->path().toStdString();
}

}  // namespace gui
