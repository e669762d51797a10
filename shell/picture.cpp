// The player's picture: choosing it, and keeping it in its file from one run to the next.
#include <algorithm>
#include <iostream>

#include "engine/globali.h"
#include "framework/files.h"
#include "framework/values.h"
#include "shell/playerpicture.h"
#include "shell/resources.h"
#include "table/window1.h"

namespace PlayerPicture {

Size fittedSize(int width, int height) {
  double s = fw::Min({32.0 / width, 32.0 / height});
  s = fw::Min({s, 1.0});
  // A long thin picture would otherwise lose a whole side (1000 x 10 gives a height of 0).
  return {std::max(fw::toInt(width * s), 1), std::max(fw::toInt(height * s), 1)};
}

fw::PicturePtr fitted(const fw::PicturePtr& picture) {
  Size size = fittedSize(picture->Width(), picture->Height());
  fw::PicturePtr result = fw::NewPicture(size.width, size.height, 32);
  result->graphics().DrawPicture(picture, 0, 0, size.width, size.height, 0, 0, picture->Width(),
                                 picture->Height());
  return result;
}

fw::PicturePtr load() {
  if (fw::Exists(fileName)) {
    // A damaged file must not leave the wells empty: it counts as no file.
    if (fw::PicturePtr picture = fw::OpenAsPicture(fileName)) return picture;
  }
  return pla();
}

bool save() {
  fw::PicturePtr picture = Globali::immagine(41);
  if (!picture) picture = pla();
  if (fw::SaveAsPicture(fileName, picture)) return true;
  std::cerr << "brivano: could not save " << fw::bareFilePath(fileName) << "\n";
  return false;
}

}  // namespace PlayerPicture

namespace Globali {

void custompicture() {
  std::optional<std::string> chosen = fw::GetOpenFolderItem("special/any");
  if (!chosen) return;
  fw::PicturePtr picture = fw::OpenAsPicture(*chosen);
  if (!picture) return;
  immagine(41) = PlayerPicture::fitted(picture);
  // Only an open table shows it; building one here would bring back a hand that was left.
  if (window1* table = window1::live()) table->control("ImageWell1").setImage(immagine(41));
}

}  // namespace Globali
