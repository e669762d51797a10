// The File menu's texts in the two languages.
#include "engine/globali.h"
#include "framework/application.h"
#include "framework/menu.h"

namespace Globali {

namespace {

struct MenuText {
  const char* item;
  const char* english;
  const char* italian;
};

// The mute items, the about item and the separators read the same in both languages.
constexpr MenuText menuTexts[] = {
    {"FileMenu", "File", "Archivio"},
    {"FileNewgame", "New game", "Nuova partita"},
    {"FileCustompicture", "Player picture..", "Foto giocatore.."},
    {"FileRules", "How to play..", "Come si gioca.."},
    {"FileForceredraw", "Redraw cards", "Ridisegna carte"},
    {"FileQuit", "Quit", "Esci"},
};

void setMenuTexts(bool italian) {
  fw::setInterfaceLanguage(italian ? "it" : "en");  // the open dialog's own texts
  fw::Application* app = fw::Application::current();
  if (!app || !app->menuBar()) return;  // no menu to name yet
  for (const MenuText& text : menuTexts) app->menuBar()->item(text.item).setText(italian ? text.italian : text.english);
}

}  // namespace

void local_usa() { setMenuTexts(false); }
void local_ita() { setMenuTexts(true); }

}  // namespace Globali
