#include "shell/preferences.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <vector>

#include "engine/globali.h"
#include "framework/files.h"
#include "framework/values.h"

namespace Preferences {

std::string reservedA;
std::string reservedB;

namespace {

const std::string fileName = "brivanoprfs.txt";
constexpr int lineCount = 14;

// A line of the file, or nothing when the file ended before it (or there is no file):
// a missing line takes the value it would have without a file.
using Line = std::optional<std::string>;

int integer(const std::string& text) { return fw::toInt(fw::Val(text)); }

// An empty line has its own value; for these lines it is also the value without a file.
int integerLine(const Line& line, int fallback) { return line && !line->empty() ? integer(*line) : fallback; }
bool flagLine(const Line& line, bool fallback) { return line && !line->empty() ? fw::Val(*line) != 0.0 : fallback; }

std::string flagText(bool on) { return on ? "1" : "0"; }

// A line break inside a text would shift every line after it.
std::string singleLine(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

}  // namespace

void read() {
  auto in = fw::OpenAsTextFile(fileName);
  if (!in && fw::Exists(fileName)) {
    std::cerr << "brivano: cannot read " << fw::bareFilePath(fileName) << "; using the default preferences\n";
  }
  std::vector<Line> lines(lineCount);
  for (Line& line : lines) {
    if (in && !in->EndOfFile()) line = in->ReadLine();
  }

  // Only 1 and 2 name a language; anything else (an empty line gives 0) is English.
  int language = lines[0] ? integer(*lines[0]) : 1;
  Globali::lingua = language == 2 ? 2 : 1;
  reservedA = lines[1].value_or("");
  reservedB = lines[2].value_or("");
  // An empty name is a name.
  Globali::nomepla = lines[3].value_or("Player");
  Globali::nomemac = lines[4].value_or("Computer");
  Globali::pref_apt = integerLine(lines[5], 60);
  Globali::pref_tc = integerLine(lines[6], 1);
  Globali::pref_fc = flagLine(lines[7], true);
  Globali::pref_us = flagLine(lines[8], false);
  // An empty line gives 0 here too; anything below 11 means 21, and no value is too large.
  int points = lines[9] ? integer(*lines[9]) : 21;
  Globali::pref_pu = points < 11 ? 21 : points;
  Globali::pref_ms = flagLine(lines[10], true);
  Globali::pref_cs = flagLine(lines[11], false);
  Globali::pref_me = integerLine(lines[12], 100);
  Globali::pref_trevi = flagLine(lines[13], false);
}

bool write() {
  // In file order: language, reserved lines, names, then the nine options.
  const std::vector<std::string> lines = {
      fw::Str(Globali::lingua),
      singleLine(reservedA),
      singleLine(reservedB),
      singleLine(Globali::nomepla),
      singleLine(Globali::nomemac),
      fw::Str(Globali::pref_apt),
      fw::Str(Globali::pref_tc),
      flagText(Globali::pref_fc),
      flagText(Globali::pref_us),
      fw::Str(Globali::pref_pu),
      flagText(Globali::pref_ms),
      flagText(Globali::pref_cs),
      fw::Str(Globali::pref_me),
      flagText(Globali::pref_trevi),
  };
  if (fw::WriteTextFile(fileName, lines)) return true;
  // The old file, if any, is left whole; quitting goes on.
  std::cerr << "brivano: cannot write " << fw::bareFilePath(fileName) << "; preferences not saved\n";
  return false;
}

}  // namespace Preferences
