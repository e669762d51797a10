// Text and picture files by bare name, and the open dialog.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/picture.h"

namespace fw {

// The folder where bare file names resolve: the per-user config folder unless set.
std::string bareFileFolder();
void setBareFileFolder(const std::string& folder);  // for tests
std::string bareFilePath(const std::string& name);

bool Exists(const std::string& name);

// A text file read whole. Lines may end in LF, CR LF or CR; a UTF-8 byte-order mark is dropped.
class TextInputStream {
 public:
  explicit TextInputStream(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  // The next line without its end; "" past the last line.
  std::string ReadLine();
  bool EndOfFile() const { return next_ >= lines_.size(); }

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
};

// nullptr when the file is absent or cannot be read.
std::unique_ptr<TextInputStream> OpenAsTextFile(const std::string& name);

// Replaces the file whole, atomically: a failed write leaves the old file as it was.
// Each line gets an LF. False when the file could not be written.
bool WriteTextFile(const std::string& name, const std::vector<std::string>& lines);

// A picture read from a file (bare name or full path); nil when it is not a readable picture.
PicturePtr OpenAsPicture(const std::string& nameOrPath);
// Saves as PNG whatever the name says, replacing the file as WriteTextFile does; false on failure.
bool SaveAsPicture(const std::string& name, const PicturePtr& picture);

// A kind of file a program declares, by name, to filter the open dialog.
struct FileType {
  std::string Name;
  std::string Extensions;
  std::string MacType;
  std::string MacCreator;
};

// The open dialog for files of the named type: the chosen path, or nothing on cancel. The one type it
// knows is "special/any", any file, offered under the platform's own filter wording.
std::optional<std::string> GetOpenFolderItem(const std::string& fileType);
// For tests: the answer of the next open dialog (a path, or nullopt for cancel).
void queueOpenDialogAnswer(std::optional<std::string> answer);
// For tests: the file type that the last open dialog was asked for.
std::string lastOpenDialogFileType();

}  // namespace fw
