#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "framework/files.h"
#include "tests/support/gui.h"

namespace {

void writeRaw(const std::string& name, const QByteArray& bytes) {
  QFile f(QString::fromStdString(fw::bareFilePath(name)));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(TextFiles, ReadLinesWhateverTheirEnds) {
  gui::useTemporaryFileFolder();
  struct Case {
    QByteArray bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"\xEF\xBB\xBF" "1\n\nx", {"1", "", "x"}},
      {"", {}},
      {"\n\n", {"", ""}},
      {"Jos\xC3\xA9\n", {"Jos\xC3\xA9"}},
  };
  for (const auto& c : cases) {
    writeRaw("t.txt", c.bytes);
    auto in = fw::OpenAsTextFile("t.txt");
    ASSERT_TRUE(in);
    for (const auto& expected : c.lines) EXPECT_EQ(in->ReadLine(), expected);
    EXPECT_TRUE(in->EndOfFile());
    EXPECT_EQ(in->ReadLine(), "") << "past the end a read gives an empty line";
  }
}

TEST(TextFiles, WriteReplacesTheWholeFile) {
  gui::useTemporaryFileFolder();
  EXPECT_FALSE(fw::Exists("p.txt"));
  EXPECT_EQ(fw::OpenAsTextFile("p.txt"), nullptr);
  ASSERT_TRUE(fw::WriteTextFile("p.txt", {"1", "", "Jos\xC3\xA9", "four"}));
  ASSERT_TRUE(fw::WriteTextFile("p.txt", {"x", "y"}));
  auto in = fw::OpenAsTextFile("p.txt");
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadLine(), "x");
  EXPECT_EQ(in->ReadLine(), "y");
  EXPECT_TRUE(in->EndOfFile());
}

TEST(TextFiles, AFailedWriteSaysSoAndKeepsNothingHalfWritten) {
  std::string folder = gui::useTemporaryFileFolder();
  QFile blocker(QString::fromStdString(folder + "/missing"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
  blocker.close();
  fw::setBareFileFolder(folder + "/missing/sub");
  EXPECT_FALSE(fw::WriteTextFile("p.txt", {"1"}));
}

TEST(PictureFiles, SaveAsPngUnderAnyNameAndReadBack) {
  gui::useTemporaryFileFolder();
  auto picture = fw::NewPicture(5, 3);
  picture->graphics().ForeColor = fw::RGB(255, 0, 0);
  picture->graphics().DrawLine(0, 0, 4, 0);
  ASSERT_TRUE(fw::SaveAsPicture("qvdimage.pct", picture));
  auto back = fw::OpenAsPicture("qvdimage.pct");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Width(), 5);
  EXPECT_EQ(back->Height(), 3);
  EXPECT_EQ(back->image().pixelColor(2, 0), QColor(255, 0, 0));
  EXPECT_EQ(back->image().pixelColor(2, 2).alpha(), 0);

  writeRaw("junk.pct", "not a picture at all");
  EXPECT_EQ(fw::OpenAsPicture("junk.pct"), nullptr);
  EXPECT_EQ(fw::OpenAsPicture("absent.pct"), nullptr);
  EXPECT_FALSE(fw::SaveAsPicture("nil.pct", nullptr));
}

TEST(OpenDialog, TakesQueuedAnswersInOrder) {
  fw::queueOpenDialogAnswer(std::string("/some/file.png"));
  fw::queueOpenDialogAnswer(std::nullopt);
  EXPECT_EQ(fw::GetOpenFolderItem(), std::optional<std::string>("/some/file.png"));
  EXPECT_EQ(fw::GetOpenFolderItem(), std::nullopt);
}

}  // namespace
