// Shared by the window tests: cards that a pixel tells apart, and a clean state around each test.
#pragma once

#include <gtest/gtest.h>
#include <memory>

#include "engine/globali.h"
#include "framework/media.h"
#include "framework/picture.h"
#include "table/window1.h"
#include "tests/support/gui.h"

namespace tabletest {

inline fw::PicturePtr solid(QColor color, int width = 100, int height = 165) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(color);
  return std::make_shared<fw::Picture>(image);
}

// Every picture 0..40 gets a colour of its own, so a pixel tells which card lies there.
inline QColor cardColor(int card) { return QColor(card * 6, 255 - card * 6, 100 + card); }
inline void useTestDeck(int width = 100) {
  for (int card = 0; card <= 40; ++card) Globali::immagine(card) = solid(cardColor(card), width);
}

// Within one unit per channel, for colours made by a conversion.
inline bool near(QColor seen, QColor wanted) {
  return seen.alpha() == 255 && std::abs(seen.red() - wanted.red()) <= 1 &&
         std::abs(seen.green() - wanted.green()) <= 1 && std::abs(seen.blue() - wanted.blue()) <= 1;
}
inline bool transparent(const QImage& image, int x, int y) { return image.pixelColor(x, y).alpha() == 0; }
inline bool blank(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!transparent(image, x, y)) return false;
  return true;
}

// Each test starts from the state of a fresh process in English and leaves no window behind.
class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Globali::resetState();
    Globali::lingua = 1;
    fw::mediaLog().clear();
  }
  void TearDown() override {
    for (fw::Window* w : fw::Window::liveWindows()) w->Close();
    gui::settle();
  }
};

}  // namespace tabletest
