// The painted widgets behind controls that Qt has no widget for.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>

#include "framework/picture.h"

namespace fw {

// Its drawing lives in an image made when something is first drawn (or read): most canvases of a
// window stay empty for a long time, some for good.
class CanvasWidget : public QWidget {
 public:
  CanvasWidget(QWidget* parent, int width, int height);
  QImage& image();
  Graphics& graphics();
  void setBackdrop(const PicturePtr& picture) {
    backdrop_ = picture;
    update();
  }
  void erase();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QSize size_;
  QImage image_;
  std::optional<Graphics> graphics_;
  PicturePtr backdrop_;
};

class RectWidget : public QWidget {
 public:
  RectWidget(QWidget* parent, QColor fill, QColor border, int borderWidth, int corner);
  void setFill(QColor fill) {
    fill_ = fill;
    update();
  }
  QColor fill() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor fill_, border_;
  int borderWidth_, corner_;
};

class LineWidget : public QWidget {
 public:
  LineWidget(QWidget* parent, QPoint from, QPoint to, QColor color);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QPoint from_, to_;
  QColor color_;
};

// The window's content area: back colour, then the backdrop picture.
class ContentWidget : public QWidget {
 public:
  explicit ContentWidget(QWidget* parent) : QWidget(parent) {}
  void setBack(std::optional<QColor> color, PicturePtr backdrop) {
    color_ = color;
    backdrop_ = std::move(backdrop);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::optional<QColor> color_;
  PicturePtr backdrop_;
};

}  // namespace fw
