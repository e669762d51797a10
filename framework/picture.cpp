#include "framework/picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>

#ifndef BRIVANO_DATADIR
#define BRIVANO_DATADIR ""
#endif

namespace fw {

namespace {
int loads = 0;
}

void Graphics::DrawPicture(const PicturePtr& picture, int x, int y) {
  if (!picture || !target_) return;
  {
    QPainter p(target_);
    p.drawImage(QPoint(x, y), picture->image());
  }
  if (changed_) changed_();
}

void Graphics::DrawPicture(const PicturePtr& picture, int x, int y, int w, int h, int sx, int sy, int sw,
                           int sh) {
  if (!picture || !target_) return;
  {
    QPainter p(target_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(x, y, w, h), picture->image(), QRect(sx, sy, sw, sh));
  }
  if (changed_) changed_();
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2) {
  if (!target_) return;
  {
    QPainter p(target_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(ForeColor.toQColor(), 1));
    p.drawLine(x1, y1, x2, y2);
  }
  if (changed_) changed_();
}

Picture::Picture(QImage image)
    : image_(std::move(image)), graphics_(&image_, nullptr) {}

PicturePtr NewPicture(int width, int height, int /*depth*/) {
  QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return std::make_shared<Picture>(std::move(image));
}

std::string resourceFolder() {
  static std::string folder = [] {
    QString beside = QCoreApplication::applicationDirPath() + "/resources";
    if (QFileInfo(beside).isDir()) return beside.toStdString();
    QString installed = QStringLiteral(BRIVANO_DATADIR) + "/resources";
    if (QFileInfo(installed).isDir()) return installed.toStdString();
    QString relative = QCoreApplication::applicationDirPath() + "/../share/brivano/resources";
    return QDir::cleanPath(relative).toStdString();
  }();
  return folder;
}

PicturePtr GetPicture(int n) {
  QString path = QString::fromStdString(resourceFolder()) + QString("/pictures/%1.png").arg(n);
  ++loads;
  QImage image;
  if (!image.load(path, "PNG")) return nullptr;
  return std::make_shared<Picture>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

int resourceLoadCount() { return loads; }

void countResourceLoad() { ++loads; }

}  // namespace fw
