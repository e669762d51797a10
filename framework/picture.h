// Pictures, their graphics, and pictures and sounds fetched by resource number.
#pragma once

#include <QImage>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/color.h"

namespace fw {

class Picture;
using PicturePtr = std::shared_ptr<Picture>;  // nullptr is the framework's nil

// Draws into a picture or a canvas. Lines are one pixel wide, no smoothing.
class Graphics {
 public:
  Color ForeColor;

  void DrawPicture(const PicturePtr& picture, int x, int y);
  // Scales the source rectangle (sx, sy, sw, sh) onto (x, y, w, h).
  void DrawPicture(const PicturePtr& picture, int x, int y, int w, int h, int sx, int sy, int sw, int sh);
  void DrawLine(int x1, int y1, int x2, int y2);

  // For the framework: where the drawing goes and who hears of it.
  Graphics(QImage* target, std::function<void()> changed) : target_(target), changed_(std::move(changed)) {}

 private:
  QImage* target_;
  std::function<void()> changed_;
};

class Picture {
 public:
  explicit Picture(QImage image);
  // A picture whose file is read and decoded when it is first drawn or measured, and only then;
  // a file that cannot be read gives an empty picture, which draws nothing.
  static std::shared_ptr<Picture> fromFile(const QString& path);
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  int Width() const { return image().width(); }
  int Height() const { return image().height(); }
  Graphics& graphics() {
    image();
    return graphics_;
  }
  const QImage& image() const;

 private:
  mutable QImage image_;
  mutable QString file_;  // still to be read
  Graphics graphics_;
};

// An empty (transparent) picture; depth is accepted for form, always 32 bits.
PicturePtr NewPicture(int width, int height, int depth = 32);

// Resource number n from the artwork folder, or nil when there is none.
// Every call makes a new picture that reads the file again: caching is the accessors' business.
PicturePtr GetPicture(int n);

// Where the program looks for what an install puts in `fromProgram` (relative to the program's folder)
// and, when configured, in `configured`: beside the program (the build tree), then that install wherever
// it was moved, then the folder it was configured for.
std::vector<std::string> installFolders(const char* fromProgram, const char* configured);

// The folder that holds pictures/ and sounds/, the first of the install folders that exists.
std::string resourceFolder();

// How many times a resource file has been read, or looked for and not found, so far (pictures and sounds).
int resourceLoadCount();

}  // namespace fw
