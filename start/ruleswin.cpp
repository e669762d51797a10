#include "start/ruleswin.h"

#include "start/rulestexts.h"

ruleswin::ruleswin() { handle("PushButton1_Action", &ruleswin::PushButton1_Action); }

fw::WindowProperties ruleswin::properties() const { return rulesProperties("How to play"); }

std::vector<fw::ControlRow> ruleswin::layout() const { return rulesLayout(rulesTextEnglish()); }

void ruleswin::PushButton1_Action() { Close(); }
