// The preferences file "brivanoprfs.txt": read once at start, written once at quit.
#pragma once

#include <string>

namespace Preferences {

// The two reserved lines, written back exactly as they were read.
extern std::string reservedA;
extern std::string reservedB;

// Sets the language, the names and the nine options from the file, or their defaults.
void read();
// Writes the file anew from the globals; false (and a word on standard error) when it cannot.
bool write();

}  // namespace Preferences
