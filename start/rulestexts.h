// The two rules windows: their shared layout and the rules texts.
#pragma once

#include <string>
#include <vector>

#include "framework/window.h"

// How to play and the rules, English (plain ASCII) and Italian (UTF-8); lines end in CR.
const std::string& rulesTextEnglish();
const std::string& rulesTextItalian();

// One read-only text field and an OK button, the same for both languages.
std::vector<fw::ControlRow> rulesLayout(const std::string& text);
fw::WindowProperties rulesProperties(const std::string& title);
