// The application shell's parts: the preferences file (given a file, what is read and written back), the File
// menu's texts in both languages, the numbered pictures and sound, and the player's picture fitted to its box.
#include <QFile>
#include <QTemporaryFile>
#include <array>
#include <gtest/gtest.h>
#include <random>

#include "engine/globali.h"
#include "framework/application.h"
#include "framework/files.h"
#include "shell/filetypes.h"
#include "shell/menubar1.h"
#include "shell/playerpicture.h"
#include "shell/preferences.h"
#include "shell/resources.h"
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

// Writes the globals as the preferences file and gives its bytes.
QByteArray written() {
  EXPECT_TRUE(Preferences::write());
  QFile file(QString::fromStdString(fw::bareFilePath("brivanoprfs.txt")));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// Reads these bytes as the preferences file and gives what is written back.
QByteArray rewritten(const QByteArray& bytes) {
  QFile file(QString::fromStdString(fw::bareFilePath("brivanoprfs.txt")));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush());
  Preferences::read();
  return written();
}

TEST(Preferences, EveryLineIsReadByItsOwnRuleAndWrittenBack) {
  gui::useTemporaryFileFolder();
  // Whatever the line ends, with or without a byte-order mark or a last line end.
  for (const QByteArray& bytes :
       {"\xEF\xBB\xBF" + joined(changed, "\r\n"), joined(changed, "\r"), joined(changed).chopped(1)}) {
    EXPECT_EQ(rewritten(bytes), joined(changed)) << bytes.toStdString();
  }
  using namespace Globali;
  EXPECT_EQ(std::tuple(lingua, Preferences::reservedA, Preferences::reservedB, nomepla, nomemac, pref_apt, pref_tc,
                       pref_fc, pref_us, pref_pu, pref_ms, pref_cs, pref_me, pref_trevi),
            std::tuple(2, "réservé ☺", " b ", "Joséphine", "Niccolò", 1, 3, false, true, 51, false, true, 37, true));
  const std::string tooLarge = "2147483647";  // numbers saturate
  const struct {
    int line;
    std::string text, becomes;
  } cases[] = {
      {1, "", "1"}, {1, "3", "1"}, {1, "\t2.9", "2"}, {2, "", ""}, {4, "", ""}, {5, "", ""}, {6, "", "60"},
      {6, " ", "0"}, {7, "", "1"}, {7, "2", "2"}, {8, "", "1"}, {8, "abc", "0"}, {8, "0.5", "1"}, {9, "", "0"},
      {10, "", "21"}, {10, "10.9", "21"}, {10, "11", "11"}, {10, "99999999999", tooLarge}, {10, "-1e400", "21"},
      {11, "", "1"}, {12, "", "0"}, {13, "", "100"}, {13, "0", "0"}, {13, "-9.9", "-9"}, {13, "1e3", "1000"},
      {13, "2E-2", "0"}, {13, "1e", "1"}, {13, "1,5", "1"}, {13, "NaN", "0"}, {13, "12abc", "12"},
      {13, "1e99999999999999999999", tooLarge}, {13, std::string(5000, '9'), tooLarge}, {14, "", "0"},
  };
  for (const auto& c : cases) {
    Lines file = changed, expected = changed;
    file[c.line - 1] = c.text;
    expected[c.line - 1] = c.becomes;
    EXPECT_EQ(rewritten(joined(file)), joined(expected)) << "line " << c.line << " \"" << c.text << '"';
  }
  // Lines missing at the end take the values they would have without a file.
  for (std::size_t n : {0, 5, 13}) {
    Lines file(changed.begin(), changed.begin() + n), expected = file;
    expected.insert(expected.end(), defaults.begin() + n, defaults.end());
    EXPECT_EQ(rewritten(joined(file)), joined(expected)) << n << " lines";
  }
  // Any bytes at all give fourteen lines that read back as written.
  std::mt19937 random(7);
  QByteArray noise;
  for (int i = 0; i < 4096; ++i) noise += static_cast<char>(random());
  EXPECT_EQ(rewritten(noise).count('\n'), 14);
  EXPECT_EQ(rewritten(rewritten(noise)), rewritten(noise));
  // A line break inside a text would shift every later line.
  rewritten("");
  Preferences::reservedA = "x\r\ny";
  Globali::nomepla = "Ann\nLee";
  EXPECT_EQ(written().split('\n').mid(1, 3), QByteArrayList({"x  y", "", "Ann Lee"}));
}

// The commands test presses every shortcut.
TEST(Menu, TwelveItemsInOrderWithTheirTextsInBothLanguages) {
  fw::Application app;
  MenuBar1 bar;
  app.setMenuBar(&bar);
  const struct {
    std::string name, english, italian;
  } rows[] = {
      {"FileMenu", "File", "Archivio"}, {"FileNewgame", "New game", "Nuova partita"}, {"UntitledMenu2", "-", "-"},
      {"FileCustompicture", "Player picture..", "Foto giocatore.."}, {"FileRules", "How to play..", "Come si gioca.."},
      {"FileForceredraw", "Redraw cards", "Ridisegna carte"}, {"UntitledMenu1", "-", "-"},
      {"FileMuteSound", "Mute Sound", "Mute Sound"}, {"FileMuteSpeech", "Mute Speech", "Mute Speech"},
      {"UntitledMenu0", "-", "-"}, {"FileQuit", "Quit", "Esci"}, {"AppleInfo", "Brivano Info", "Brivano Info"},
  };
  auto items = bar.items();
  ASSERT_EQ(items.size(), std::size(rows));
  QList<QAction*> shown;  // every item but the title, in the File menu in this order
  for (auto* item : items) if (item != items[0]) shown.push_back(item->action());
  EXPECT_EQ(bar.item("FileMenu").action()->menu()->actions(), shown);
  for (bool italian : {true, false}) {
    italian ? Globali::local_ita() : Globali::local_usa();
    for (std::size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(items[i]->name(), rows[i].name);
      EXPECT_EQ(items[i]->text(), italian ? rows[i].italian : rows[i].english);
      // A separator is a plain line: Qt's style would draw any text it held beside it.
      EXPECT_EQ(items[i]->separator(), rows[i].english == "-") << rows[i].name;
      EXPECT_TRUE(!items[i]->separator() || items[i]->action()->text().isEmpty()) << rows[i].name;
    }
  }
}

// Start-up declares both file types before it makes the application object; the end lets them go.
TEST(FileTypes, BothAreDeclaredWithNameExtensionsTypeAndCreatorBeforeTheApplicationObject) {
  ASSERT_EQ(fw::Application::current(), nullptr);
  _InitFileTypes();
  using Values = std::array<std::string, 4>;
  const auto values = [](const fw::FileType* t) {
    return t ? Values{t->Name, t->Extensions, t->MacType, t->MacCreator} : Values{};
  };
  EXPECT_EQ(values(FileTypes::pText.get()), (Values{"text", "", "TEXT", "R*ch"}));
  EXPECT_EQ(values(FileTypes::pSpecialAny.get()), (Values{"special/any", "", "????", "????"}));
  FileTypes::release();
  EXPECT_FALSE(FileTypes::pText || FileTypes::pSpecialAny);
}

TEST(Resources, EachPictureIsReadOnceWhenFirstDrawnAndAMissingOneIsNilAtEveryCall) {
  const int before = fw::resourceLoadCount();
  const fw::PicturePtr first = legno();
  EXPECT_EQ(std::pair(legno(), fw::resourceLoadCount()), std::pair(first, before)) << "one object, not read yet";
  fw::NewPicture(8, 8)->graphics().DrawPicture(legno(), 0, 0);
  EXPECT_EQ(std::pair(legno()->Width(), fw::resourceLoadCount()), std::pair(780, before + 1));
  EXPECT_EQ(std::pair(fw::GetPicture(218), fw::GetPicture(218)), std::pair(fw::PicturePtr(), fw::PicturePtr()));
  EXPECT_EQ(fw::resourceLoadCount(), before + 3);
  QTemporaryFile junk;
  ASSERT_TRUE(junk.open() && junk.write("not a picture") > 0 && junk.flush());
  const fw::PicturePtr unreadable = fw::Picture::fromFile(junk.fileName()), target = fw::NewPicture(8, 8);
  for (int i = 0; i < 2; ++i) target->graphics().DrawPicture(unreadable, 0, 0);
  EXPECT_EQ(target->image(), fw::NewPicture(8, 8)->image()) << "an unreadable picture draws nothing";
  EXPECT_EQ(fw::resourceLoadCount(), before + 4) << "and is tried once";
}

TEST(Resources, TheArtworkHoldsEveryNumberAndBothDecksServeTheCardNumbers) {
  for (int n = 167; n <= 261; ++n) EXPECT_EQ(fw::GetPicture(n) != nullptr, n != 167 && n != 218 && n != 261) << n;
  EXPECT_EQ(std::pair(aaa()->image().size(), aaat()->image().size()), std::pair(QSize(100, 165), QSize(82, 165)));
  for (int card = 1; card <= 40; ++card) {
    // Card faces are drawn at their natural size, and a face is opaque in its middle.
    const QImage &standard = standardFace(card)->image(), &trevisan = trevisanFace(card)->image();
    EXPECT_TRUE(standard.size() == QSize(100, 165) && trevisan.size() == QSize(82, 165) &&
                standard.pixelColor(50, 82).alpha() == 255 && trevisan.pixelColor(41, 82).alpha() == 255) << card;
  }
  // Both decks serve the same card numbers though their pictures are filed differently.
  EXPECT_EQ(std::vector({standardFace(7), standardFace(11), standardFace(21), standardFace(39), standardFace(40)}),
            std::vector({d07(), s01(), b01(), c09(), c10()}));
  EXPECT_EQ(std::vector({trevisanFace(1), trevisanFace(20), trevisanFace(21), trevisanFace(31)}),
            std::vector({cartatrevi11(), cartatrevi30(), cartatrevi1(), cartatrevi31()}));
  EXPECT_TRUE(sndcarta() && sndcarta() == sndcarta());
}

TEST(PlayerPicture, AChosenPictureIsShrunkToFit32By32AndNeverEnlarged) {
  const struct {
    int w, h;
    PlayerPicture::Size fitted;
  } cases[] = {
      {64, 48, {32, 24}}, {640, 480, {32, 24}}, {20, 10, {20, 10}}, {32, 32, {32, 32}}, {33, 33, {32, 32}},
      {10, 1000, {1, 32}}, {1, 1, {1, 1}},
      {49, 49, {31, 31}},   // 49 x (32 / 49) falls just below 32 in doubles
      {1000, 10, {32, 1}},  // 0.32 would lose the whole side
      {100, 30, {32, 9}},   // 30 x 0.32 = 9.6, truncated
  };
  for (const auto& c : cases) EXPECT_EQ(PlayerPicture::fittedSize(c.w, c.h), c.fitted) << c.w << " x " << c.h;
}

}  // namespace
