#include "start/ruleswin.h"

ruleswin::ruleswin() {}

fw::WindowSpec ruleswin::spec() const { return {.title = "ruleswin", .width = 100, .height = 100, .modal = true}; }

std::vector<fw::ControlRow> ruleswin::layout() const { return {}; }
