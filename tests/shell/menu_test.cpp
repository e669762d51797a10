#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "engine/globali.h"
#include "framework/application.h"
#include "framework/files.h"
#include "shell/menubar1.h"

namespace {

TEST(MenuBar, TwelveItemsInOrderWithShortcutsAndBothLanguages) {
  fw::Application app;
  MenuBar1 bar;
  app.setMenuBar(&bar);
  struct Row {
    std::string name, initial, english, italian, shortcut;
    bool checkable;
  } rows[] = {
      {"FileMenu", "&File", "File", "Archivio", "", false},
      {"FileNewgame", "New game", "New game", "Nuova partita", "Ctrl+N", false},
      {"UntitledMenu2", "-", "-", "-", "", false},
      {"FileCustompicture", "Custom PICT..", "Player picture..", "Foto giocatore..", "Ctrl+T", false},
      {"FileRules", "Rules", "How to play..", "Come si gioca..", "Ctrl+R", false},
      {"FileForceredraw", "Force redraw", "Redraw cards", "Ridisegna carte", "Ctrl+B", false},
      {"UntitledMenu1", "-", "-", "-", "", false},
      {"FileMuteSound", "Mute Sound", "Mute Sound", "Mute Sound", "Ctrl+M", true},
      {"FileMuteSpeech", "Mute Speech", "Mute Speech", "Mute Speech", "Ctrl+I", true},
      {"UntitledMenu0", "-", "-", "-", "", false},
      {"FileQuit", "Quit", "Quit", "Esci", "Ctrl+Q", false},
      {"AppleInfo", "Brivano Info", "Brivano Info", "Brivano Info", "", false},
  };
  auto items = bar.items();
  ASSERT_EQ(items.size(), std::size(rows));
  QList<QAction*> fileMenu;
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i]->name(), rows[i].name);
    EXPECT_EQ(items[i]->text(), rows[i].initial);
    EXPECT_EQ(items[i]->shortcut(), rows[i].shortcut) << rows[i].name;
    EXPECT_EQ(items[i]->separator(), rows[i].initial == "-") << rows[i].name;
    EXPECT_EQ(items[i]->action()->isCheckable(), rows[i].checkable) << rows[i].name;
    EXPECT_TRUE(items[i]->enabled() && !items[i]->checked()) << rows[i].name;
    if (i > 0) fileMenu.push_back(items[i]->action());
  }
  EXPECT_EQ(bar.item("FileMenu").action()->menu()->actions(), fileMenu);
  for (bool italian : {true, false, true}) {
    italian ? Globali::local_ita() : Globali::local_usa();
    for (std::size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(items[i]->text(), italian ? rows[i].italian : rows[i].english);
      // Qt's style would draw a separator's text beside its line.
      EXPECT_TRUE(!items[i]->separator() || items[i]->action()->text().isEmpty()) << rows[i].name;
    }
  }
}

// Only the application's own menu bar is renamed; before there is one nothing happens.
TEST(MenuTexts, WithoutAnApplicationOrItsMenuBarNothingChanges) {
  ASSERT_EQ(fw::Application::current(), nullptr);
  MenuBar1 bar;
  Globali::local_ita();
  fw::Application app;
  Globali::local_ita();
  EXPECT_EQ(bar.item("FileMenu").text(), "&File");
}

// The open dialog is Qt's own: its texts come from Qt's translations, chosen with the menu's language.
TEST(MenuTexts, TheOpenDialogSpeaksTheLanguageOfTheMenu) {
  for (bool italian : {true, false}) {
    italian ? Globali::local_ita() : Globali::local_usa();
    std::string texts;
    QTimer::singleShot(0, [&texts] {
      auto* open = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!open) return;
      QString cancel = open->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
      texts = (open->windowTitle() + "|" + cancel + "|" + open->nameFilters().join("")).toStdString();
      open->reject();
    });
    EXPECT_EQ(fw::GetOpenFolderItem(), std::nullopt);
    EXPECT_EQ(texts, italian ? "Apri|Annulla|Tutti i file (*)" : "Open|Cancel|All Files (*)");
  }
}

}  // namespace
