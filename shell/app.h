// The application object: start-up, the File menu's commands and shut-down.
#pragma once

#include <memory>

#include "framework/application.h"
#include "shell/menubar1.h"

class App : public fw::Application {
 public:
  // Made with its menu bar, whose File menu is built here with its English texts.
  App();
  ~App() override;

  // The live application object.
  static App& instance();

  // Binds the eight File-menu items, by name, to the commands below.
  void addMenuHandlers();

  void Event_EnableMenuItems() override;
  void Event_Open() override;
  void Event_Close() override;

  bool _AppleInfo_Action();
  bool _FileCustompicture_Action();
  bool _FileRules_Action();
  bool _FileForceredraw_Action();
  bool _FileNewgame_Action();
  bool _FileQuit_Action();
  bool _FileMuteSound_Action();
  bool _FileMuteSpeech_Action();

  MenuBar1& menu() { return *menu_; }

 private:
  std::unique_ptr<MenuBar1> menu_;
};

// The start-up sequence once the runtime and the engine's arrays are set up: the file types, the
// application object with its menu bar and handlers, then the event loop. Gives its exit code.
int _Main();
