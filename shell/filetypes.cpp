#include "shell/filetypes.h"

namespace FileTypes {

std::unique_ptr<fw::FileType> pText;
std::unique_ptr<fw::FileType> pSpecialAny;

void _Initialize() {
  pText = std::make_unique<fw::FileType>();
  pText->Name = "text";
  pText->Extensions = "";
  pText->MacType = "TEXT";
  pText->MacCreator = "R*ch";
  pSpecialAny = std::make_unique<fw::FileType>();
  pSpecialAny->Name = "special/any";
  pSpecialAny->Extensions = "";
  pSpecialAny->MacType = "????";
  pSpecialAny->MacCreator = "????";
}

void release() {
  pText.reset();
  pSpecialAny.reset();
}

}  // namespace FileTypes

void _InitFileTypes() { FileTypes::_Initialize(); }
