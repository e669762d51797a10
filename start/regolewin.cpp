#include "start/regolewin.h"

regolewin::regolewin() {}

fw::WindowSpec regolewin::spec() const { return {.title = "regolewin", .width = 100, .height = 100, .modal = true}; }

std::vector<fw::ControlRow> regolewin::layout() const { return {}; }
