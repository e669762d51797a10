#include <QFile>
#include <gtest/gtest.h>
#include <random>
#include <tuple>

#include "engine/globali.h"
#include "framework/files.h"
#include "shell/preferences.h"
#include "tests/support/gui.h"

namespace {

using Lines = std::vector<std::string>;
const Lines defaults{"1", "", "", "Player", "Computer", "60", "1", "1", "0", "21", "1", "0", "100", "0"};
// Every value unlike its default, so a line read into the wrong place shows.
const Lines changed{"2", "réservé ☺", " b ", "Joséphine", "Niccolò", "1", "3", "0", "1", "51", "0", "1", "37", "1"};

QByteArray joined(const Lines& lines, const char* end = "\n") {
  QByteArray bytes;
  for (const auto& line : lines) bytes += QByteArray::fromStdString(line) + end;
  return bytes;
}

QString path() { return QString::fromStdString(fw::bareFilePath("brivanoprfs.txt")); }

QByteArray written() {
  QFile file(path());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// Reads these bytes as the preferences file and gives what is written back.
QByteArray rewritten(const QByteArray& bytes) {
  QFile file(path());
  EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
  file.close();
  Preferences::read();
  EXPECT_TRUE(Preferences::write());
  return written();
}

class PreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override { gui::useTemporaryFileFolder(); }
};

TEST_F(PreferencesTest, EveryValueChangedRoundTripsByteForByte) {
  EXPECT_EQ(rewritten(joined(changed)), joined(changed));
  using namespace Globali;
  EXPECT_EQ(std::tuple(lingua, Preferences::reservedA, Preferences::reservedB, nomepla, nomemac, pref_apt, pref_tc,
                       pref_fc, pref_us, pref_pu, pref_ms, pref_cs, pref_me, pref_trevi),
            std::tuple(2, "réservé ☺", " b ", "Joséphine", "Niccolò", 1, 3, false, true, 51, false, true, 37, true));
  for (const char* end : {"\r\n", "\r"}) EXPECT_EQ(rewritten("\xEF\xBB\xBF" + joined(changed, end)), joined(changed));
}

TEST_F(PreferencesTest, EachLineFollowsItsOwnRule) {
  struct Case {
    int line;
    std::string text, becomes;
  } cases[] = {
      {1, "", "1"}, {1, "3", "1"}, {1, "-5", "1"}, {1, "99999999999", "1"}, {1, " 2.9", "2"}, {2, "", ""},
      {3, "", ""}, {4, "", ""}, {5, "", ""}, {6, "", "60"}, {6, " ", "0"}, {7, "", "1"}, {7, "2", "2"},
      {8, "", "1"}, {8, " ", "0"}, {8, "abc", "0"}, {8, "0.5", "1"}, {8, "-1", "1"}, {9, "", "0"},
      {10, "", "21"}, {10, "5", "21"}, {10, "10.9", "21"}, {10, "11", "11"}, {10, "60", "60"},
      {10, "99999999999", "2147483647"}, {10, "1e400", "2147483647"}, {10, "-1e400", "21"}, {10, "NaN", "21"},
      {11, "", "1"}, {12, "", "0"}, {13, "", "100"}, {13, "0", "0"}, {13, "-5", "-5"}, {14, "", "0"},
  };
  for (const auto& c : cases) {
    Lines file = changed, expected = changed;
    file[c.line - 1] = c.text;
    expected[c.line - 1] = c.becomes;
    EXPECT_EQ(rewritten(joined(file)), joined(expected)) << "line " << c.line << " \"" << c.text << '"';
  }
}

TEST_F(PreferencesTest, MissingLinesTakeTheirValuesWithoutAFile) {
  for (std::size_t n = 0; n <= 14; ++n) {
    Lines file(changed.begin(), changed.begin() + n), expected = file;
    expected.insert(expected.end(), defaults.begin() + n, defaults.end());
    EXPECT_EQ(rewritten(joined(file)), joined(expected)) << n << " lines";
  }
  Lines expected = defaults;  // a line there but empty keeps the empty-line rule
  expected[3] = "";
  EXPECT_EQ(rewritten("1\n\n\n\n"), joined(expected));
}

TEST_F(PreferencesTest, LineBreaksInTextsBecomeSpaces) {
  rewritten("");
  Preferences::reservedA = "x\r\ny";
  Globali::nomepla = "Ann\nLee";
  Globali::nomemac = "\r";
  ASSERT_TRUE(Preferences::write());
  EXPECT_EQ(written(), joined({"1", "x  y", "", "Ann Lee", " ", "60", "1", "1", "0", "21", "1", "0", "100", "0"}));
}

TEST_F(PreferencesTest, BinaryAndHostileFilesAreRewrittenWhole) {
  std::mt19937 random(7);
  QByteArray noise;
  for (int i = 0; i < 4096; ++i) noise += static_cast<char>(random());
  for (const QByteArray& bytes : {noise, QByteArray(3, '\0'), QByteArray(1 << 20, 'x'), QByteArray(100000, '\n'),
                                  QByteArray("\xFF\xFE\x00\x01", 4), QByteArray("1e400\n-1e400\nNaN\n").repeated(5)}) {
    const QByteArray once = rewritten(bytes);
    EXPECT_EQ(once.count('\n'), 14);
    EXPECT_EQ(rewritten(once), once) << "reads back as written";
  }
}

TEST_F(PreferencesTest, AFailedWriteReturnsFalseWithOneLineOnStandardError) {
  const std::string folder = gui::useTemporaryFileFolder();
  QFile blocker(QString::fromStdString(folder + "/file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  fw::setBareFileFolder(folder + "/file/sub");  // a folder that cannot be made
  testing::internal::CaptureStderr();
  EXPECT_FALSE(Preferences::write());
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

}  // namespace
