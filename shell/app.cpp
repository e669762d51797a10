#include "shell/app.h"

#include "engine/globali.h"
#include "framework/fatal.h"
#include "shell/filetypes.h"
#include "shell/playerpicture.h"
#include "shell/preferences.h"
#include "shell/resources.h"
#include "start/finstart.h"
#include "start/infowin.h"
#include "start/regolewin.h"
#include "start/ruleswin.h"
#include "table/window1.h"

int _Main() {
  _InitFileTypes();
  App app;
  app.addMenuHandlers();
  return app.run();
}

App::App() : menu_(std::make_unique<MenuBar1>()) { setMenuBar(menu_.get()); }

App::~App() = default;

App& App::instance() {
  auto* app = dynamic_cast<App*>(fw::Application::current());
  if (!app) fw::fatal("no application object");
  return *app;
}

void App::addMenuHandlers() {
  addMenuHandler("AppleInfo", [this] { return _AppleInfo_Action(); });
  addMenuHandler("FileCustompicture", [this] { return _FileCustompicture_Action(); });
  addMenuHandler("FileRules", [this] { return _FileRules_Action(); });
  addMenuHandler("FileForceredraw", [this] { return _FileForceredraw_Action(); });
  addMenuHandler("FileNewgame", [this] { return _FileNewgame_Action(); });
  addMenuHandler("FileQuit", [this] { return _FileQuit_Action(); });
  addMenuHandler("FileMuteSound", [this] { return _FileMuteSound_Action(); });
  addMenuHandler("FileMuteSpeech", [this] { return _FileMuteSpeech_Action(); });
}

void App::Event_Open() {
  Preferences::read();
  Globali::immagine(41) = PlayerPicture::load();
  finstart::instance().Show();
  if (Globali::lingua == 1) {
    Globali::local_usa();
  } else {
    Globali::local_ita();
  }
  Globali::suono = sndcarta();
  // Sound and speech are on at every start; neither switch is stored.
  if (Globali::suono) Globali::suono->setVolume(100);
  Globali::parlato = true;
  menu_->item("FileMuteSound").setChecked(false);
  menu_->item("FileMuteSpeech").setChecked(false);
  Globali::immagine(0) = aaa();
  for (int card = 1; card <= 40; ++card) Globali::immagine(card) = standardFace(card);
  Globali::immagine(42) = mac();
}

void App::Event_EnableMenuItems() {
  for (const char* name : {"FileNewgame", "FileCustompicture", "FileRules", "FileForceredraw", "FileMuteSound",
                           "FileMuteSpeech", "AppleInfo", "FileQuit"}) {
    menu_->item(name).setEnabled(true);
  }
}

void App::Event_Close() {
  Preferences::write();
  PlayerPicture::save();
}

bool App::_AppleInfo_Action() {
  infowin::instance().Show();
  return false;
}

bool App::_FileCustompicture_Action() {
  Globali::custompicture();
  return false;
}

bool App::_FileRules_Action() {
  if (Globali::lingua == 1) {
    ruleswin::instance().Show();
  } else {
    regolewin::instance().Show();
  }
  return false;
}

bool App::_FileForceredraw_Action() {
  // Drawing would build a table window that is not open, with a hand that was left.
  if (window1::live()) Globali::ridisegna();
  return false;
}

bool App::_FileNewgame_Action() {
  finstart::instance().Show();
  return false;
}

bool App::_FileQuit_Action() {
  fw::Quit(0);
  return false;
}

bool App::_FileMuteSound_Action() {
  // The mark reads as it was before the choice.
  fw::MenuItem& item = menu_->item("FileMuteSound");
  bool muting = !item.checked();
  item.setChecked(muting);
  if (Globali::suono) Globali::suono->setVolume(muting ? 0 : 100);
  return false;
}

bool App::_FileMuteSpeech_Action() {
  fw::MenuItem& item = menu_->item("FileMuteSpeech");
  bool muting = !item.checked();
  item.setChecked(muting);
  Globali::parlato = !muting;
  return false;
}
