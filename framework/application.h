// The application object: its events, the menu handlers and quitting.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

class QObject;

namespace fw {

class MenuBar;

// The GUI runtime of the process: made first in main, gone last.
class Runtime {
 public:
  Runtime(int& argc, char** argv, const std::string& applicationName);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application* current();

  MenuBar* menuBar() const { return menuBar_; }
  void setMenuBar(MenuBar* bar) { menuBar_ = bar; }
  // Binds a menu item, by its name, to a handler.
  void addMenuHandler(const std::string& itemName, std::function<bool()> handler);

  // Runs the event loop: Open once it has started, then events until Quit; returns the exit code.
  int run();
  bool running() const { return running_; }
  bool quitting() const { return quitting_; }

  virtual void Event_Open() {}
  virtual void Event_EnableMenuItems() {}
  virtual void Event_Close() {}

  // For the framework.
  void menuChosen(const std::string& itemName);
  void windowClosed();
  void quit(int code);

 private:
  void checkForNoWindow();

  // Owns the application's queued calls: they die with it, never calling a gone object.
  std::unique_ptr<QObject> queued_;
  MenuBar* menuBar_ = nullptr;
  std::map<std::string, std::function<bool()>> menuHandlers_;
  bool running_ = false;
  bool quitting_ = false;
  bool checkPending_ = false;
};

// Closes every open window (running their Close events), then the application's Close, then leaves the loop.
void Quit(int code = 0);

// The language of the platform's own texts, such as the open dialog's, as a code like "it".
// "en", the platform's own, is the default; so is any language whose translations are not installed.
void setInterfaceLanguage(const std::string& language);

}  // namespace fw
