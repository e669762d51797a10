#include "shell/menubar1.h"

MenuBar1::MenuBar1() { Untitled1(); }

void MenuBar1::Untitled1() {}
