#include "framework/picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <utility>

#ifndef BRIVANO_DATADIR_FROM_PROGRAM
#define BRIVANO_DATADIR_FROM_PROGRAM "../share/brivano"
#endif
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

PicturePtr Picture::fromFile(const QString& path) {
  auto picture = std::make_shared<Picture>(QImage());
  picture->file_ = path;
  return picture;
}

const QImage& Picture::image() const {
  if (!file_.isEmpty()) {
    // Decoding the whole deck at start would cost more than the start window itself.
    const QString path = std::exchange(file_, QString());
    ++loads;
    QImage decoded;
    if (decoded.load(path, "PNG")) image_ = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  return image_;
}

PicturePtr NewPicture(int width, int height, int /*depth*/) {
  QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return std::make_shared<Picture>(std::move(image));
}

std::vector<std::string> installFolders(const char* fromProgram, const char* configured) {
  const QString program = QCoreApplication::applicationDirPath();
  return {program.toStdString(), QDir::cleanPath(program + "/" + fromProgram).toStdString(), configured};
}

std::string resourceFolder() {
  static std::string folder = [] {
    const auto folders = installFolders(BRIVANO_DATADIR_FROM_PROGRAM, BRIVANO_DATADIR);
    for (const std::string& candidate : folders) {
      if (QFileInfo(QString::fromStdString(candidate + "/resources")).isDir()) return candidate + "/resources";
    }
    return folders.back() + "/resources";
  }();
  return folder;
}

PicturePtr GetPicture(int n) {
  QString path = QString::fromStdString(resourceFolder()) + QString("/pictures/%1.png").arg(n);
  if (!QFileInfo(path).isFile()) {
    ++loads;
    return nullptr;
  }
  return Picture::fromFile(path);
}

int resourceLoadCount() { return loads; }

void countResourceLoad() { ++loads; }

}  // namespace fw
