// The rules windows and the about box.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "engine/globali.h"
#include "framework/media.h"
#include "start/infowin.h"
#include "start/regolewin.h"
#include "start/ruleswin.h"
#include "start/rulestexts.h"
#include "tests/support/gui.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

template <class W>
void expectRules(const std::string& title, const std::vector<std::string>& headings,
                 const std::vector<std::string>& scoring) {
  SCOPED_TRACE(title);
  W& w = W::instance();
  EXPECT_FALSE(w.frame()->isVisible()) << "the caller shows it";
  w.Show();
  EXPECT_EQ(w.title(), title);
  fw::Control& field = w.control("efregole");
  const std::string text = field.text();
  gui::type(field, "xyz");
  EXPECT_EQ(field.text(), text) << "read-only";
  // Five sections, each a heading after one empty line, the scoring lines together in the fourth.
  std::vector<std::string> all = lines(text), found;
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (i == 0 || all[i - 1].empty()) found.push_back(all[i]);
  }
  EXPECT_EQ(found, headings);
  auto first = std::find(all.begin(), all.end(), scoring[0]);
  ASSERT_GE(all.end() - first, 5);
  EXPECT_EQ(std::vector<std::string>(first, first + 5), scoring);
  EXPECT_NE(std::find(all.begin(), first, headings[3]), first);
  EXPECT_NE(std::find(first, all.end(), headings[4]), all.end());
  gui::click(w.control("PushButton1"));
  gui::settle();
  EXPECT_EQ(W::live(), nullptr) << "OK closes it";
}

TEST(HelpWindows, RulesInBothLanguages) {
  expectRules<ruleswin>(
      "How to play", {"- Playing cards:", "- Scopa basics:", "- Playing rules:", "-Scoring", "- How to play:"},
      {"Each scopa scores 1 point;", "Who has more cards scores 1 point;", "Who has more gold cards scores 1 point;",
       "Who has the seven of gold scores 1 point;", "Who has the primiera scores 1 point;"});
  expectRules<regolewin>(
      "Come si gioca",
      {"- Carte da gioco:", "- Regole basilari", "- Regole di gioco", "- Punteggi", "- Come si gioca:"},
      {"Ciascuna scopa vale un punto;", "Chi ha il maggior numero di carte fa un punto;",
       "Chi ha il maggior numero di carte di denari fa un punto;",
       "Chi ha il sette di denari (settebello) fa  un punto;", "Chi fa primiera fa un punto;"});
  const std::string& english = rulesTextEnglish();
  const std::string& italian = rulesTextItalian();
  EXPECT_TRUE(std::all_of(english.begin(), english.end(), [](unsigned char c) { return c < 0x80; }));
  EXPECT_EQ(QString::fromStdString(italian).toStdString(), italian) << "UTF-8";
  for (const char* text : {"è", "à", "ù", "ì", "ò", "solitamente 21", "7 = 21, 6 = 18, asso = 16"}) {
    EXPECT_NE(italian.find(text), std::string::npos) << text;
  }
  for (const std::string* text : {&english, &italian}) EXPECT_EQ(text->find('\n'), std::string::npos) << "CR only";
}

TEST(HelpWindows, AboutBoxLinksAndOk) {
  fw::mediaLog().clear();
  infowin& w = infowin::instance();
  EXPECT_EQ(w.title(), "Brivano Info");
  EXPECT_EQ(w.control("StaticText1").text(), "Brivano\n(v. 1.60)\nby");
  EXPECT_EQ(w.control("StaticText2").text(), "Corvalesto\nSoftware\nHouse");
  EXPECT_EQ(lines(w.control("StaticText3").text()).size(), 2u);
  w.frame()->close();
  gui::settle();
  ASSERT_EQ(infowin::live(), &w) << "no close box";
  for (const char* link : {"StaticText2", "StaticText3"}) {
    gui::enter(w.control(link));
    EXPECT_TRUE(w.control(link).underline()) << link;
    gui::leave(w.control(link));
    EXPECT_FALSE(w.control(link).underline()) << link;
    gui::click(w.control(link));
  }
  EXPECT_EQ(fw::mediaLog().urls,
            (std::vector<std::string>{"https://www.example.org/brivano/", "mailto:brivano@example.org"}));
  gui::click(w.control("PushButton1"));
  gui::settle();
  EXPECT_EQ(infowin::live(), nullptr);
}

}  // namespace
