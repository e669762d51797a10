#include "shell/app.h"

#include "framework/fatal.h"

App::App() : menu_(std::make_unique<MenuBar1>()) { setMenuBar(menu_.get()); }

App::~App() = default;

App& App::instance() {
  auto* app = dynamic_cast<App*>(fw::Application::current());
  if (!app) fw::fatal("no application object");
  return *app;
}

void App::Event_EnableMenuItems() {}
void App::Event_Open() {}
void App::Event_Close() {}

bool App::_AppleInfo_Action() { return false; }
bool App::_FileCustompicture_Action() { return false; }
bool App::_FileRules_Action() { return false; }
bool App::_FileForceredraw_Action() { return false; }
bool App::_FileNewgame_Action() { return false; }
bool App::_FileQuit_Action() { return false; }
bool App::_FileMuteSound_Action() { return false; }
bool App::_FileMuteSpeech_Action() { return false; }
