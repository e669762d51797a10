// Runs the whole program in the test process: start-up, a script of steps, quit.
#pragma once

#include <QImage>
#include <Qt>
#include <functional>
#include <string>
#include <vector>

#include "framework/window.h"
#include "shell/app.h"

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

// Lines of a bare-named text file; empty when absent.
std::vector<std::string> readLines(const std::string& path);
// The fourteen lines of a preferences file: defaults with the given changes by line number.
void writePreferences(const std::string& folder, const std::vector<std::pair<int, std::string>>& changes);

// A picture file of w by h, red on the left half and blue on the right.
std::string writePicture(const std::string& folder, const std::string& name, int w, int h);
void writeBytes(const std::string& path, const std::string& bytes);

// Closes whatever windows are still live and deletes them.
void closeAllWindows();

}  // namespace apprun
