// Runs the whole program in the test process: start-up, a script of steps, quit.
#pragma once

#include <QImage>
#include <Qt>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "framework/files.h"
#include "framework/window.h"
#include "shell/app.h"
#include "table/window1.h"
#include "tests/support/gui.h"

namespace apprun {

// Each run starts from empty globals, as a new process does, and ends with Quit
// unless the steps quit themselves. Returns the exit code.
int run(const std::function<void(App&)>& steps);

// Chooses a menu item through the menu bar of this window.
void chooseFromMenu(fw::Window& window, const std::string& itemName);
// Presses Ctrl with the key in this window, which is made the active one first.
void pressShortcut(fw::Window& window, Qt::Key key);
// Makes the window the active one (shortcuts reach only that one).
void activate(fw::Window& window);
// Clicks Play in the start window and gives the table window with the first hand dealt.
window1& play();

// The fourteen lines of a preferences file: the defaults with these changes by line number (from 1).
using Changes = std::vector<std::pair<int, std::string>>;
std::vector<std::string> preferences(const Changes& changes = {});
void writePreferences(const Changes& changes);
// What quitting wrote: the lines of the preferences file (none when absent), the player's picture (null when absent).
std::vector<std::string> savedPreferences();
QImage savedPicture();

// A picture file of w by h, red on the left half and blue on the right.
std::string writePicture(const std::string& folder, const std::string& name, int w, int h);
void writeBytes(const std::string& path, const std::string& bytes);

// Closes whatever windows are still live and deletes them.
void closeAllWindows();

// A fresh folder for the program's own files, another for the files a player picks, no window left behind.
template <class Base = ::testing::Test>
class Fixture : public Base {
 protected:
  void SetUp() override {
    pictures = gui::useTemporaryFileFolder();
    folder = gui::useTemporaryFileFolder();
    fw::setBareFileFolder(folder);
  }
  void TearDown() override { closeAllWindows(); }
  std::string folder, pictures;
};

}  // namespace apprun
