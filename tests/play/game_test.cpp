// Whole games through the table and scoring windows in the game's own event loop, hand after hand
// under changing options, played calmly by a bot or in storms of careless clicks, with a referee
// that checks around every click what must always hold; and the rare last-card sweep, arranged.
#include <gtest/gtest.h>

#include <random>

#include "framework/application.h"
#include "framework/files.h"
#include "scoring/winscoring.h"
#include "tests/deal/table_setup.h"
#include "tests/play/bot.h"

namespace {

using namespace table;

void click(fw::Control& control) { gui::click(control); }

std::string byLanguage(const char* english, const char* italian) { return lingua == 2 ? italian : english; }

// Whenever a side is to play or press: the marker, the light and the bars say whose turn it is, the
// hands are drawn (the computer's covered unless "Uncovered"), the computer knows its own cards and
// the table's and none of the player's, a taken card after "A.I. memory" (0 or 100 here) and a
// sweeping card always, the hands are refilled after their period only while the deck lasts, and
// the player is told when it is his turn.
void checkBetweenPlays() {
  window1* w = window1::live();
  if (!w || (fase() != fasemano::attesapla && fase() != fasemano::giocatamac)) return;
  const bool computers = fase() == fasemano::giocatamac;
  EXPECT_EQ(w->control("Rectangle1").top(), computers ? 10 : 380);
  EXPECT_EQ(w->control("prendibott").enabled() + w->control("rectobutt").visible(), computers ? 2 : 0);
  const auto& spoken = fw::mediaLog().spoken;
  EXPECT_TRUE(computers || w->control("Pensotesto").text() == byLanguage("Come on, It's your turn!", "Dai, tocca a te!"));
  EXPECT_TRUE(computers || !parlato ||
              (!spoken.empty() && spoken.back() == byLanguage("Come on, It's your turn!", "Die, tokka a tae!")));
  EXPECT_EQ(w->control("seleztav", 40).width(), pref_trevi ? 80 : 98);
  for (int i = 1; i <= 40; ++i) {
    EXPECT_EQ(w->control("seleztav", i).visible(), i <= tavacartequante && uscita(tavcarta(i)) == 2) << i;
    EXPECT_TRUE(i > tavacartequante || memomac(tavcarta(i)) == 1) << "table card " << tavcarta(i);
    const int s = uscita(i);
    ASSERT_TRUE(s < statocarta::presapla || memomac(i) == (s == 4 || s == 6 || pref_me == 100))
        << "taken card " << i << " in state " << s << " at memory " << pref_me;
  }
  int held[2] = {};
  for (int k = 1; k <= 3; ++k) {
    const int mine = std::abs(placarta(k)), its = std::abs(maccarta(k));
    EXPECT_TRUE(shows(w->control("canvgio", k), mine ? immagine(mine) : nullptr)) << k;
    EXPECT_TRUE(shows(w->control("canvmac", k), its ? immagine(pref_cs ? its : 0) : nullptr)) << k;
    EXPECT_TRUE(memomac(mine) == 0 && (!its || memomac(its) == 1)) << mine << " " << its;
    held[0] += mine > 0, held[1] += its > 0;
  }
  EXPECT_TRUE(contatore(indicemucchio::mazzo) == 40 || (held[0] == 3 - tc_pla && held[1] == 3 - tc_mac));
}

// Looks at the game before and after every click.
class Referee {
 public:
  void before() {
    ASSERT_TRUE(everyCardOnce());
    checkBetweenPlays();
    count_ = controllafine, side_ = toccaa, kind_ = puoscegliere, card_ = side_ ? maccarta(4) : placarta(4);
    table_ = tableCards();
    if (controllafine != 40 || !window1::live()) return;
    // Before the last press: the prompt, and the marker at the side that takes the leftovers.
    EXPECT_EQ(tableWindow().control("helptesto").text(),
              table_.empty() ? byLanguage("Click on traffic lights for ending game", "Premi il semaforo per terminare")
                             : byLanguage("Click on traffic lights for getting cards",
                                          "Premi il semaforo per prendere tutto"));
    EXPECT_TRUE(table_.empty() || tableWindow().control("Rectangle1").top() == 380 - 370 * ultimoaprendere);
  }

  void after() {
    if (side_ == lato::latopla && card_ == 0 && placarta(4) > 0) {  // a card put into play, seen by the computer
      window1& w = tableWindow();
      EXPECT_TRUE(w.control("Canvas2").visible() && w.control("Canvas3").visible() && memomac(placarta(4)) == 1);
      EXPECT_TRUE(shows(w.control("canvgiomactir"), immagine(placarta(4))));
    }
    for (int card : count_ == 40 && controllafine == 41 ? table_ : std::vector<int>{})  // the leftovers
      EXPECT_EQ(uscita(card), 2 * ultimoaprendere + 3) << "taken by the last capturer: " << card;
    if (controllafine != count_ + 1 || count_ >= 40) return;
    // A play resolved: a card that takes nothing goes to the right end of the table; a capture
    // takes cards adding up to its card (every card with the ace), makes its side the last
    // capturer, and when it empties the table is a scopa, but not by the ace, nor with the last
    // card of the hand when "Last Scopa doesn't score".
    if (kind_ == tipopresa::presanulla) {
      EXPECT_EQ(tavcarta(static_cast<int>(table_.size()) + 1), card_);
      return;
    }
    int taken = 0, all = 0;
    for (int card : table_) all += valorecarta(card), taken += uscita(card) > 2 ? valorecarta(card) : 0;
    EXPECT_EQ(taken, kind_ == tipopresa::presaasso ? all : valorecarta(card_));
    EXPECT_EQ(ultimoaprendere, side_);
    const bool scopa = tavacartequante == 0 && kind_ != tipopresa::presaasso && !(count_ == 39 && pref_us);
    EXPECT_EQ(uscita(card_), 2 * side_ + 3 + scopa);
  }

 private:
  int count_ = 0, side_ = 0, kind_ = 0, card_ = 0;
  std::vector<int> table_;
};

// Clicks anything a careless person could reach, once or twice, and now and then a sensible
// move so that the hand goes on. False when the hand is over.
bool stormAction(std::mt19937& rng, bot::Bot& player) {
  window1* w = window1::live();
  if (!w) return false;
  if (rng() % 3 == 0) return player.move();
  // Half the time anything at all, else what a hasty player aims at: cards and the light.
  fw::Control* target = w->controls()[rng() % w->controls().size()].get();
  const int n = tavacartequante, aim = static_cast<int>(rng() % 6);
  if (aim == 0) target = &w->control("prendibott");
  if (aim == 1) target = &w->control("canvgio", static_cast<int>(rng() % 3) + 1);
  if (aim == 2 && n > 0) target = &w->control("canvtav", static_cast<int>(rng() % static_cast<unsigned>(n)) + 1);
  auto point = gui::visiblePoint(*target);
  if (!point) return true;
  const bool twice = rng() % 4 == 0;
  if (target->name() == "ImageWell1")  // the picture dialog opens at every click; the player cancels it
    for (int i = 0; i < (twice ? 2 : 1); ++i) fw::queueOpenDialogAnswer(std::nullopt);
  if (twice) return gui::doubleClick(*target), true;
  return gui::clickAt(*w, *point), true;
}

// The options of the hand about to be dealt: over the run each is met on and off in many combinations.
void optionsForHand(int hand) {
  pref_fc = hand % 4 != 3, pref_tc = pref_fc && hand % 3 == 1 ? 3 : 1, pref_apt = hand % 5 == 2 ? 1 : 60;
  pref_cs = hand % 6 < 2, pref_trevi = hand % 6 == 4, pref_us = hand % 7 >= 4, pref_ms = hand % 8 != 5;
  pref_me = hand % 2 ? 0 : 100, lingua = hand % 4 < 2 ? 1 : 2, parlato = hand % 9 != 1;
}

// The game's own event loop runs the body, as when the game is played.
struct Running : fw::Application {
  std::function<void()> body;
  void Event_Open() override { body(), fw::Quit(0); }
};

class Play : public TableTest {};

TEST_F(Play, WholeGamesUnderChangingOptionsCalmlyAndInClickStorms) {
  pref_pu = 11;
  Running app;
  app.body = [&app] {
    std::mt19937 rng(1);
    bot::Bot player(click, 7);
    int games = 0;
    optionsForHand(0);
    int sounds = fw::mediaLog().plays;
    newgame();
    for (int hand = 0; hand < 45; ++hand) {
      SCOPED_TRACE("hand " + std::to_string(hand));
      const bool storm = hand % 5 >= 3;
      const int lead = mano, presses = player.presses;
      Referee referee;
      for (int actions = 1;; ++actions) {
        const int beeps = fw::mediaLog().beeps, count = controllafine;
        referee.before();
        if (!(storm ? stormAction(rng, player) : player.move())) break;
        referee.after();
        ASSERT_LT(actions, 5000) << "the hand never ended";
        if (fw::mediaLog().beeps == beeps) continue;
        // Only a refused capture beeps (twice for a double click): the card stays in play, the count too.
        ASSERT_TRUE(storm && fw::mediaLog().beeps <= beeps + 2) << "the bot never asks for a wrong capture";
        EXPECT_TRUE(placarta(4) > 0 && controllafine == count);
        EXPECT_EQ(tableWindow().control("helptesto").text(),
                  byLanguage("You can't get these cards!", "Non puoi prendere queste carte!"));
      }
      gui::settle();
      ASSERT_FALSE(app.quitting()) << "the table window closed for the scoring window ended the game";
      const int handCards = 40 - (pref_fc ? 4 : 0);
      // Calmly: a press per card and one to end; a card sound for the table laid out, for each card
      // put into play (the computer's twice: chosen, then played), for each card refilled and each press.
      EXPECT_TRUE(storm || player.presses - presses == handCards + 1);
      EXPECT_TRUE(storm || fw::mediaLog().plays - sounds == pref_fc + 3 * handCards / 2 + handCards - 6 + handCards + 1);
      winscoring* scoring = winscoring::live();
      ASSERT_NE(scoring, nullptr);
      gui::click(scoring->control("prendibott"));
      const bool over = punti(0) >= pref_pu || punti(1) >= pref_pu;
      ASSERT_EQ(scoring->calcola, over ? 2 : 1);
      games += over;
      optionsForHand(hand + 1);
      sounds = fw::mediaLog().plays;
      gui::click(scoring->control("prendibott"));
      gui::settle();
      EXPECT_EQ(winscoring::live(), nullptr);
      ASSERT_NE(window1::live(), nullptr) << "the next hand or game is dealt at once";
      EXPECT_EQ(tableWindow().control("puntiplatext").text(), std::to_string(punti(0)));
      EXPECT_EQ(punti(0) + punti(1) == 0, over);
      EXPECT_EQ(mano, over ? lato::latopla : 1 - lead) << "the lead alternates; the player leads every new game";
    }
    EXPECT_GE(games, 3);
    EXPECT_GT(fw::mediaLog().beeps, 0) << "the storms reached the refusals";
  };
  app.run();
}

TEST_F(Play, ASweepWithTheLastCardIsAScopaUnlessLastScopaDoesNotScore) {
  const Arrangement players{.player = {club(5)}, .table = {spade(5)}, .inDeck = 0, .lead = lato::latomac};
  const Arrangement computers{.player = {club(3)}, .computer = {spade(3)}, .inDeck = 0};
  for (bool lastScopaOff : {false, true}) {
    for (bool computer : {false, true}) {
      SCOPED_TRACE(std::string(computer ? "the computer's" : "the player's") + (lastScopaOff ? ", off" : ""));
      pref_us = lastScopaOff;
      arrange(computer ? computers : players);
      gui::click(hand(1));
      press();
      if (computer) press();
      const int card = computer ? spade(3) : club(5), side = computer ? lato::latomac : lato::latopla;
      EXPECT_EQ(controllafine, 40);
      EXPECT_EQ(uscita(card), 2 * side + (lastScopaOff ? 3 : 4));
      EXPECT_TRUE(everyCardOnce());
      closeEveryWindow();
    }
  }
}

}  // namespace
