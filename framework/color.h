// Colours as the game names them: RGB 0..255 and HSV fractions 0..1.
#pragma once

#include <QColor>

namespace fw {

struct Color {
  int r = 0, g = 0, b = 0;
  bool operator==(const Color&) const = default;
  QColor toQColor() const { return QColor(r, g, b); }
};

Color RGB(int r, int g, int b);
Color HSV(double hue, double saturation, double value);
// 0xRRGGBB as the layouts write colours.
constexpr Color hex(unsigned rgb) {
  return Color{static_cast<int>((rgb >> 16) & 0xff), static_cast<int>((rgb >> 8) & 0xff),
               static_cast<int>(rgb & 0xff)};
}

}  // namespace fw
