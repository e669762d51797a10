#include "start/regolewin.h"

#include "start/rulestexts.h"

regolewin::regolewin() { handle("PushButton1_Action", &regolewin::PushButton1_Action); }

fw::WindowProperties regolewin::properties() const { return rulesProperties("Come si gioca"); }

std::vector<fw::ControlRow> regolewin::layout() const { return rulesLayout(rulesTextItalian()); }

void regolewin::PushButton1_Action() { Close(); }
