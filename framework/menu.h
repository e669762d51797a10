// The menu bar: items made in code, found by name, shown in every window that has a menu bar.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class MenuItem {
 public:
  MenuItem(std::string name, QAction* action) : name_(std::move(name)), action_(action) {}
  const std::string& name() const { return name_; }
  std::string text() const;
  void setText(const std::string& text);
  bool checked() const { return action_->isChecked(); }
  void setChecked(bool on) { action_->setChecked(on); }
  bool enabled() const { return action_->isEnabled(); }
  void setEnabled(bool on) { action_->setEnabled(on); }
  bool separator() const { return action_->isSeparator(); }
  // As Qt spells it: "Ctrl+N"; empty when none.
  std::string shortcut() const { return action_->shortcut().toString().toStdString(); }
  QAction* action() const { return action_; }

 private:
  std::string name_;
  QAction* action_;
};

class MenuBar {
 public:
  MenuBar();
  virtual ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  // Appends an item to the bar (parent empty: a menu title) or to the menu named parent.
  // Text "-" makes a separator; "Cmd+X" shortcuts become Ctrl+X.
  MenuItem& append(const std::string& parent, const std::string& name, const std::string& text,
                   const std::string& shortcut = "", bool checkable = false);
  MenuItem* find(const std::string& name);
  MenuItem& item(const std::string& name);  // fatal when there is none
  // Every item in the order it was appended.
  std::vector<MenuItem*> items();

  // For the framework: a menu bar widget for one window, sharing these menus and their actions.
  QMenuBar* createBarFor(QWidget* frame);

 private:
  struct Entry {
    std::unique_ptr<MenuItem> item;
    QMenu* menu = nullptr;  // for menu titles
  };
  std::vector<Entry> entries_;
  QObject owner_;
};

}  // namespace fw
