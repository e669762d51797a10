// The menu bar: one File menu, shown by every window that has a menu bar.
#pragma once

#include "framework/menu.h"

class MenuBar1 : public fw::MenuBar {
 public:
  MenuBar1();

 private:
  void Untitled1();  // builds the menu
};
