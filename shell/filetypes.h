// The kinds of file the program declares at start-up.
#pragma once

#include <memory>

#include "framework/files.h"

namespace FileTypes {

extern std::unique_ptr<fw::FileType> pText;
// The filter of the picture choice: any file may be picked.
extern std::unique_ptr<fw::FileType> pSpecialAny;

// Makes both types anew.
void _Initialize();
// Lets both go, at the end of the process.
void release();

}  // namespace FileTypes

// Declares the file types: once, before the application object is made.
void _InitFileTypes();
