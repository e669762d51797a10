#include "framework/widgets.h"

#include <QPainter>

namespace fw {

CanvasWidget::CanvasWidget(QWidget* parent, int width, int height)
    : QWidget(parent), size_(std::max(width, 1), std::max(height, 1)) {}

QImage& CanvasWidget::image() {
  if (image_.isNull()) {
    image_ = QImage(size_, QImage::Format_ARGB32_Premultiplied);
    image_.fill(Qt::transparent);
  }
  return image_;
}

Graphics& CanvasWidget::graphics() {
  if (!graphics_) {
    graphics_.emplace(&image(), [this] {
      // What was drawn last lies on top: overlapping canvases stack (and take clicks) in drawing order.
      raise();
      update();
    });
  }
  return *graphics_;
}

void CanvasWidget::erase() {
  if (!image_.isNull()) image_.fill(Qt::transparent);
  update();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (backdrop_) p.drawImage(QPoint(0, 0), backdrop_->image());
  if (!image_.isNull()) p.drawImage(QPoint(0, 0), image_);
}

RectWidget::RectWidget(QWidget* parent, QColor fill, QColor border, int borderWidth, int corner)
    : QWidget(parent), fill_(fill), border_(border), borderWidth_(borderWidth), corner_(corner) {}

void RectWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (corner_ > 0) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(border_, 1));
    p.setBrush(fill_);
    p.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, height() - 1), corner_ / 2.0, corner_ / 2.0);
    return;
  }
  p.fillRect(rect(), fill_);
  if (borderWidth_ > 0) {
    p.setPen(QPen(border_, borderWidth_));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

LineWidget::LineWidget(QWidget* parent, QPoint from, QPoint to, QColor color)
    : QWidget(parent), from_(from), to_(to), color_(color) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(QPen(color_, 1));
  p.drawLine(from_ - pos(), to_ - pos());
}

void ContentWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), color_ ? *color_ : palette().window().color());
  if (backdrop_) p.drawImage(QPoint(0, 0), backdrop_->image());
}

}  // namespace fw
