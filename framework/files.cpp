#include "framework/files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QStandardPaths>
#include <deque>

#include "framework/fatal.h"

namespace fw {

namespace {
std::string& folderOverride() {
  static std::string folder;
  return folder;
}
std::deque<std::optional<std::string>>& dialogAnswers() {
  static std::deque<std::optional<std::string>> answers;
  return answers;
}
std::string& dialogFileType() {
  static std::string type;
  return type;
}

// Replaces the file by these bytes or leaves it as it was. A full disk can fail the last flush
// while commit() still reports success and renames the cut file over the good one, so the write
// and an explicit flush are checked before committing.
bool replaceFile(const std::string& name, const QByteArray& bytes) {
  QString path = QString::fromStdString(bareFilePath(name));
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
}  // namespace

std::string bareFileFolder() {
  if (!folderOverride().empty()) return folderOverride();
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
}

void setBareFileFolder(const std::string& folder) { folderOverride() = folder; }

std::string bareFilePath(const std::string& name) {
  if (QDir::isAbsolutePath(QString::fromStdString(name))) return name;
  return bareFileFolder() + "/" + name;
}

bool Exists(const std::string& name) { return QFileInfo::exists(QString::fromStdString(bareFilePath(name))); }

std::string TextInputStream::ReadLine() { return next_ < lines_.size() ? lines_[next_++] : std::string(); }

std::unique_ptr<TextInputStream> OpenAsTextFile(const std::string& name) {
  QFile file(QString::fromStdString(bareFilePath(name)));
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  QByteArray bytes = file.readAll();
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  std::vector<std::string> lines;
  std::string current;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(current);
  return std::make_unique<TextInputStream>(std::move(lines));
}

bool WriteTextFile(const std::string& name, const std::vector<std::string>& lines) {
  QByteArray bytes;
  for (const auto& line : lines) {
    bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append('\n');
  }
  return replaceFile(name, bytes);
}

PicturePtr OpenAsPicture(const std::string& nameOrPath) {
  // The content decides the format: the picture file's name says nothing about it.
  QImageReader reader(QString::fromStdString(bareFilePath(nameOrPath)));
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) return nullptr;
  return std::make_shared<Picture>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

bool SaveAsPicture(const std::string& name, const PicturePtr& picture) {
  if (!picture) return false;
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !picture->image().save(&buffer, "PNG")) return false;
  return replaceFile(name, png);
}

std::optional<std::string> GetOpenFolderItem(const std::string& fileType) {
  if (fileType != "special/any") fatal("the open dialog knows no file type " + fileType);
  dialogFileType() = fileType;
  if (!dialogAnswers().empty()) {
    auto answer = dialogAnswers().front();
    dialogAnswers().pop_front();
    return answer;
  }
  // Any file: no filter of our own, so Qt's "All Files (*)" comes in the interface language.
  QString path = QFileDialog::getOpenFileName(nullptr, QString(), QString(), QString());
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

void queueOpenDialogAnswer(std::optional<std::string> answer) { dialogAnswers().push_back(std::move(answer)); }

std::string lastOpenDialogFileType() { return dialogFileType(); }

}  // namespace fw
