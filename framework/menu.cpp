#include "framework/menu.h"

#include <QSignalBlocker>

#include "framework/application.h"
#include "framework/fatal.h"

namespace fw {

std::string MenuItem::text() const {
  if (action_->menu()) return action_->menu()->title().toStdString();
  if (action_->isSeparator()) return "-";
  return action_->text().toStdString();
}

void MenuItem::setText(const std::string& text) {
  // A separator stays a plain line: the style would draw any text it held beside it.
  if (action_->isSeparator()) return;
  action_->setText(QString::fromStdString(text));
  if (action_->menu()) action_->menu()->setTitle(QString::fromStdString(text));
}

MenuBar::MenuBar() = default;

MenuBar::~MenuBar() {
  for (auto& entry : entries_) delete entry.menu;
}

MenuItem& MenuBar::append(const std::string& parent, const std::string& name, const std::string& text,
                          const std::string& shortcut, bool checkable) {
  QString qtext = QString::fromStdString(text);
  Entry entry;
  QAction* action = nullptr;
  if (parent.empty()) {
    entry.menu = new QMenu(qtext);
    action = entry.menu->menuAction();
    QObject::connect(entry.menu, &QMenu::aboutToShow, [] {
      if (Application* app = Application::current()) app->Event_EnableMenuItems();
    });
  } else {
    QMenu* menu = nullptr;
    for (auto& e : entries_) {
      if (e.item->name() == parent && e.menu) menu = e.menu;
    }
    if (!menu) fatal("menu " + parent + " does not exist");
    const bool separator = text == "-";
    action = new QAction(separator ? QString() : qtext, &owner_);
    action->setSeparator(separator);
    action->setMenuRole(QAction::NoRole);
    if (!shortcut.empty()) {
      QString keys = QString::fromStdString(shortcut);
      keys.replace("Cmd+", "Ctrl+");
      action->setShortcut(QKeySequence(keys));
    }
    action->setCheckable(checkable);
    menu->addAction(action);
    std::string itemName = name;
    QObject::connect(action, &QAction::triggered, [action, itemName](bool checked) {
      // Qt flips a check mark before anyone hears of the choice; the handler owns the mark.
      if (action->isCheckable()) {
        QSignalBlocker block(action);
        action->setChecked(!checked);
      }
      if (Application* app = Application::current()) app->menuChosen(itemName);
    });
  }
  entry.item = std::make_unique<MenuItem>(name, action);
  entries_.push_back(std::move(entry));
  return *entries_.back().item;
}

MenuItem* MenuBar::find(const std::string& name) {
  for (auto& e : entries_) {
    if (e.item->name() == name) return e.item.get();
  }
  return nullptr;
}

MenuItem& MenuBar::item(const std::string& name) {
  MenuItem* found = find(name);
  if (!found) fatal("menu item " + name + " does not exist");
  return *found;
}

std::vector<MenuItem*> MenuBar::items() {
  std::vector<MenuItem*> all;
  for (auto& e : entries_) all.push_back(e.item.get());
  return all;
}

QMenuBar* MenuBar::createBarFor(QWidget* frame) {
  auto* bar = new QMenuBar(frame);
  bar->setNativeMenuBar(false);
  for (auto& e : entries_) {
    if (e.menu) bar->addMenu(e.menu);
  }
  // Shortcuts work in whichever window is active.
  for (auto& e : entries_) {
    if (!e.menu && !e.item->separator()) frame->addAction(e.item->action());
  }
  return bar;
}

}  // namespace fw
