#include "start/infowin.h"

infowin::infowin() {}

fw::WindowSpec infowin::spec() const { return {.title = "infowin", .width = 100, .height = 100, .modal = true}; }

std::vector<fw::ControlRow> infowin::layout() const { return {}; }
