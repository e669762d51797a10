#include "framework/color.h"

#include <algorithm>
#include <cmath>

namespace fw {

Color RGB(int r, int g, int b) {
  return Color{std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255)};
}

Color HSV(double hue, double saturation, double value) {
  // The standard hexcone conversion, rounded to the nearest unit per channel.
  double h = std::clamp(hue, 0.0, 1.0), s = std::clamp(saturation, 0.0, 1.0),
         v = std::clamp(value, 0.0, 1.0);
  double r = v, g = v, b = v;
  if (s > 0.0) {
    double hh = (h >= 1.0 ? 0.0 : h) * 6.0;
    int sector = static_cast<int>(std::floor(hh));
    double f = hh - sector;
    double p = v * (1.0 - s), q = v * (1.0 - s * f), t = v * (1.0 - s * (1.0 - f));
    switch (sector) {
      case 0: r = v; g = t; b = p; break;
      case 1: r = q; g = v; b = p; break;
      case 2: r = p; g = v; b = t; break;
      case 3: r = p; g = q; b = v; break;
      case 4: r = t; g = p; b = v; break;
      default: r = v; g = p; b = q; break;
    }
  }
  auto unit = [](double x) { return static_cast<int>(std::lround(x * 255.0)); };
  return RGB(unit(r), unit(g), unit(b));
}

}  // namespace fw
