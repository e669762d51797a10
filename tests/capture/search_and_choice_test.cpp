// The capture search as the player sees it: the kind, the cards marked to be taken (a red bar and
// the chosen state), the hint line and the computer's groan at the player's sweep or ace. Then the
// computer's choice of card: its rules in order, its memory, its remarks, and the random mode.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "tests/deal/table_setup.h"

namespace {

using namespace table;
using namespace Globali::tipopresa;
constexpr int player = lato::latopla, computer = lato::latomac;

// A fresh game with this table, the side to play, the ace's option and the language, where 3
// stands for any language but Italian (English) with speech muted.
void setUp(const std::vector<int>& table, int side, int ace, int language) {
  freshGame();
  layTable(table);
  parkTablePlaces();  // the bars hidden
  toccaa = side, pref_apt = ace, lingua = language, parlato = language != 3;
  window1::instance().control("Pensotesto").setText("before");
}

// The remark shown in the computer's bubble ("before" when there is none), spoken unless muted.
void expectRemark(const Texts* remark, int language) {
  const std::string shown = !remark ? "before" : language == 2 ? remark->italian : remark->english;
  EXPECT_EQ(window1::instance().control("Pensotesto").text(), shown);
  std::vector<std::string> spoken;
  if (remark && parlato) spoken.push_back(language == 2 ? remark->italianSpoken : shown);
  EXPECT_EQ(fw::mediaLog().spoken, spoken);
}

const Texts sweepRemark{"Damn, You got SCOPA!", "Oh no, hai fatto SCOPA!", "Oh no, i fatto skopa!"};
const Texts aceRemark{"Damn, You got all cards!", "Oh no, prendi tutto!", "Oh no, prandee tootto!"};
const Texts chooseHint{"Choose card and click on traffic lights to go on"};
const Texts theseHint{"Click on traffic lights for getting these cards"};

struct Search {
  const char* name;
  std::vector<int> table;
  int side, played, kind;
  std::vector<int> marked;
  Texts hint;
  int ace = aceOff;
  const Texts* remark = nullptr;
};

class CaptureSearch : public TableTest {};

TEST_F(CaptureSearch, MarksWhatIsTakenAndSaysWhatToDo) {
  const Search cases[] = {
      {"empty table, the computer", {}, computer, 5, presanulla, {}, {"Click on traffic lights to go on"}},
      {"six small cards adding up are not searched", {11, 21, 31, 1, 12, 13}, player, 9, presanulla, {},
       {"You get nothing, click on traffic lights to go on", "Non prendi niente, clicca sul semaforo per continuare"}},
      {"an equal card beats a sum", {13, 14, 17}, player, 7, presauguale, {3},
       {"Click on traffic lights for getting this card"}},
      {"two sevens: the gold one proposed", {37, 7}, player, 7, presauguali, {2}, chooseHint},
      {"two sevens: the computer takes the gold one", {37, 7}, computer, 7, presauguale, {2},
       {"Click on traffic lights,  i get this card"}},
      {"fives of equal weight: the leftmost proposed", {15, 12, 25, 13}, player, 5, presauguali, {1}, chooseHint},
      {"2 + 3, the whole table: a sweep", {12, 23}, player, 5, presatutto, {1, 2},
       {"You got scopa! Click on traffic lights to go on"}, aceOff, &sweepRemark},
      {"2 + 3 beside a 6: one combination", {12, 23, 36}, player, 5, presacombinazione, {1, 2}, theseHint},
      {"1, 4, 2, 3: the player chooses", {11, 14, 12, 13}, player, 5, presadascegliere, {},
       {"Click on traffic lights for getting these cards", "Scegli le carte e clicca sul semaforo per continuare"}},
      {"the two of gold draws the computer to 2 + 3", {11, 14, 2, 13}, computer, 5, presacombinazione, {3, 4},
       {"Click on traffic lights, i get these cards"}},
      {"the ace takes every card, the other ace too", {21, 5, 12}, player, 1, presaasso, {1, 2, 3}, theseHint,
       aceTakesAll, &aceRemark},
      {"the ace on an empty table: no groan", {}, player, 1, presaasso, {}, theseHint, aceTakesAll},
      {"the computer's ace", {21, 5, 12}, computer, 1, presaasso, {1, 2, 3},
       {"Click on traffic lights, i get all cards", "Clicca sul semaforo, prendo tutto"}, aceTakesAll},
  };
  for (const Search& c : cases) {
    for (int language : {1, 2, 3}) {
      SCOPED_TRACE(std::string(c.name) + ", language " + std::to_string(language));
      setUp(c.table, c.side, c.ace, language);
      cercapresa(c.played);
      window1& w = window1::instance();
      std::vector<int> marked;
      for (int i = 1; i <= tavacartequante; ++i) {
        const bool chosen = uscita(tavcarta(i)) == statocarta::selezionata;
        EXPECT_EQ(w.control("seleztav", i).visible(), chosen) << i;
        if (chosen && w.control("seleztav", i).fillColor() == red) marked.push_back(i);
      }
      EXPECT_EQ(marked, c.marked);
      EXPECT_EQ(puoscegliere, c.kind);
      if (language != 2 || c.hint.italian) {
        EXPECT_EQ(w.control("helptesto").text(), language == 2 ? c.hint.italian : c.hint.english);
      }
      expectRemark(c.remark, language);
    }
  }
}

const Texts sweep{"Well! I got Scopa!", "Bene! Ho fatto Scopa!", "Banae! Oh fatto skopa!"};
const Texts allCards{"Well! I got all cards!", "Bene! Prendo tutto!", "Banae! Prando tootto!"};
const Texts noRisk{"I get with no risk", "Prendo senza rischiare", "Prando santza reeskearrae"};
const Texts risk{"I get a risk", "Prendo un rischio", "Prando oon reeskeo"};
const Texts nothing{"I get nothing", "Non prendo niente", "Non prando neantae"};
const Texts forced{"I am forced to this!", "Sono costretto...", "Sono kostraetto"};

struct Choice {
  const char* name;
  std::vector<int> table;
  std::array<int, 3> hand;
  int slot;
  const Texts* remark;
  int ace = aceOff;
  std::vector<int> remembered = {};  // cards the computer knows are out of the player's reach
};

class ComputerChoice : public TableTest {};

TEST_F(ComputerChoice, RulesInOrder) {
  const std::vector<int> tens{10, 20, 30, 40};
  // Table 5, 6, 4 adds up to 15; 37, 36 and 12 weigh 248 + 98 + 48 = 394, the ace of gold 215.
  const Choice cases[] = {
      {"1 sweep: the seven of gold before the seven of cups", {13, 14}, {37, 7, 22}, 2, &sweep},
      {"1 sweep: a single ace on the table, ace takes all", {31}, {15, 21, 12}, 2, &sweep, aceTakesAll},
      {"2 ace takes all: the ace of gold qualifies", {37, 36, 12}, {31, 1, 14}, 2, &allCards, aceTakesAll},
      {"2 ace takes all: the ace of cups does not", {37, 36, 12}, {31, 25, 14}, 2, &nothing, aceTakesAll},
      {"2 ace takes all: of two qualifying aces the last", {7, 18}, {1, 14, 31}, 3, &allCards, aceTakesAll},
      {"3 the 5 leaves 10: safe when all four tens are known", {15, 16, 14}, {25, 38, 32}, 1, &risk, aceOff, tens},
      {"3 three tens are not enough", {15, 16, 14}, {25, 38, 32}, 2, &nothing, aceOff, {10, 20, 30}},
      {"3 the 4 leaves 11: no risk", {15, 16, 14}, {24, 38, 25}, 1, &noRisk},
      {"4 3 + 8 makes 11: the first of the least important", {13}, {8, 18, 29}, 2, &nothing},
      {"4 empty table: the 5 is safe when all fives are known", {}, {12, 5, 29}, 2, &nothing, aceOff, {5, 15, 25, 35}},
      {"5 a hand of aces and a poor table: the highest slot", {14, 15}, {1, 21, 31}, 3, &forced, aceTakesAll},
      {"6 every card takes and leaves a risk: the richest", {13, 14}, {23, 4, 33}, 2, &risk},
      {"7 empty table: the first of least weight, past empty slots", {}, {0, 12, 29}, 2, &nothing},
  };
  for (const Choice& c : cases) {
    for (int language : {1, 2, 3}) {
      SCOPED_TRACE(std::string(c.name) + ", language " + std::to_string(language));
      setUp(c.table, computer, c.ace, language);
      for (int k = 1; k <= 3; ++k) maccarta(k) = c.hand[static_cast<std::size_t>(k - 1)];
      for (int card : c.remembered) memomac(card) = 1;
      EXPECT_EQ(macsceglicarta(), c.slot);
      expectRemark(c.remark, language);
      EXPECT_EQ(fw::mediaLog().plays, 1);
    }
  }
}

TEST_F(ComputerChoice, AtRandomAnySlotHoldingACard) {
  setUp({13, 14}, computer, aceOff, 1);
  maccarta(1) = 11, maccarta(3) = 13, pref_ms = false, puoscegliere = 9;  // no search is run
  std::set<int> seen;
  for (int draw = 0; draw < 100; ++draw) {
    fw::mediaLog().clear();
    seen.insert(macsceglicarta());
    EXPECT_EQ(window1::instance().control("Pensotesto").text(), "...mmm...");
    EXPECT_EQ(fw::mediaLog().spoken, std::vector<std::string>{"mmm"});
  }
  EXPECT_EQ(seen, (std::set{1, 3}));
  EXPECT_EQ(puoscegliere, 9);
}

}  // namespace
