// Drawing from the deck, a new game and the deal, through the real table window.
#include <gtest/gtest.h>

#include <set>

#include "tests/deal/table_setup.h"

namespace {

using namespace Globali;
using table::blank;
using table::shows;
using table::tableWindow;

// Seeds the random source so that the next draw starts its walk at card `start`.
void seedStartingAt(int start) {
  for (std::uint64_t seed = 1; seed < 1000000; ++seed) {
    fw::seedRnd(seed);
    if (fw::toInt(fw::Rnd() * 40 + 1) == start) {
      fw::seedRnd(seed);
      return;
    }
  }
  FAIL() << "no seed starts at " << start;
}

class Deck : public table::TableTest {};

TEST_F(Deck, ADrawWalksForwardToTheNextCardStillInTheDeckWrappingAfterForty) {
  struct Case {
    std::vector<int> drawn;
    int start, expected;
  };
  const Case cases[] = {
      {{}, 17, 17}, {{17, 18}, 17, 19}, {{38, 39, 40}, 39, 1}, {{38, 39, 40, 1, 2}, 40, 3}, {{5}, 4, 4}};
  for (const Case& c : cases) {
    resetState();
    for (int card : c.drawn) uscita(card) = statocarta::ingioco;
    contatore(indicemucchio::mazzo) = static_cast<int>(c.drawn.size());
    seedStartingAt(c.start);
    EXPECT_EQ(prendicarta(), c.expected) << "start " << c.start;
    EXPECT_EQ(uscita(c.expected), statocarta::ingioco);
    EXPECT_EQ(contatore(indicemucchio::mazzo), static_cast<int>(c.drawn.size()) + 1);
  }
}

TEST_F(Deck, FortyDrawsGiveEveryCardOnceAndTheFortyFirstCountsButGivesNothing) {
  fw::Control& deck = window1::instance().control("canvmazzo", indicemucchio::mazzo);
  deck.refresh(true);
  std::set<int> seen;
  for (int i = 1; i <= 40; ++i) {
    const int card = prendicarta();
    ASSERT_TRUE(card >= 1 && card <= 40 && seen.insert(card).second) << "draw " << i << " gave " << card;
    EXPECT_EQ(contatore(indicemucchio::mazzo), i);
    if (i == 1) {
      EXPECT_FALSE(blank(deck)) << "a draw redraws the deck";
    }
  }
  EXPECT_TRUE(blank(deck)) << "an empty deck shows nothing";

  auto before = table::snapshot();
  deck.graphics().DrawPicture(aaa(), 0, 0);
  EXPECT_EQ(prendicarta(), 0);
  before["contatore(1)"] = "41";
  EXPECT_EQ(table::differences(before, table::snapshot()), "");
  EXPECT_TRUE(blank(deck)) << "the deck is redrawn even when nothing is drawn";
}

TEST_F(Deck, AWalkOverADeckWithNoCardLeftEndsWithoutACard) {
  // Only a corrupted state gets here (every card out, yet the count low); it must not hang.
  for (int card = 1; card <= 40; ++card) uscita(card) = statocarta::ingioco;
  EXPECT_EQ(prendicarta(), 0);
  EXPECT_EQ(contatore(indicemucchio::mazzo), 1);
}

class NewGame : public table::TableTest {};

TEST_F(NewGame, DealsTheFirstHandWithThePlayerLeading) {
  struct Case {
    bool fourOnTable, uncovered, trevisan;
    int language;
    bool speech;
    std::string shown, spoken;
  };
  const Case cases[] = {
      {true, false, false, 1, true, "Come on, It's your turn!", "Come on, It's your turn!"},
      {false, true, false, 2, true, "Dai, tocca a te!", "Die, tokka a tae!"},
      {true, true, true, 2, false, "Dai, tocca a te!", ""},
      {false, false, true, 0, true, "Come on, It's your turn!", "Come on, It's your turn!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "four " << c.fourOnTable << " uncovered " << c.uncovered << " trevisan "
                                    << c.trevisan << " language " << c.language);
    table::closeEveryWindow();
    resetState();
    table::usualOptions();
    pref_fc = c.fourOnTable;
    pref_cs = c.uncovered;
    pref_trevi = c.trevisan;
    lingua = c.language;
    parlato = c.speech;
    punti(0) = 7;
    punti(1) = 9;
    memomac.fill(1);
    window1::instance().control("Pensotesto").setVisible(false);
    winscoring::instance();  // one left open must not score or deal over the new game
    fw::mediaLog().clear();

    newgame();

    window1& w = tableWindow();
    EXPECT_EQ(winscoring::live(), nullptr);
    EXPECT_TRUE(w.frame()->isVisible());
    EXPECT_EQ(mano, lato::latopla);
    EXPECT_EQ(toccaa, lato::latopla);
    EXPECT_EQ(punti(0) + punti(1), 0);
    EXPECT_EQ(w.control("puntiplatext").text(), "0");
    EXPECT_EQ(w.control("puntimactext").text(), "0");
    EXPECT_EQ(nomepla, "Player") << "names and options are kept";

    // The chosen deck's pictures and bar widths.
    EXPECT_EQ(immagine(0), c.trevisan ? aaat() : aaa());
    EXPECT_EQ(immagine(1), c.trevisan ? trevisanFace(1) : standardFace(1));
    EXPECT_EQ(immagine(40), c.trevisan ? trevisanFace(40) : standardFace(40));
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(w.control("selezrect", k).width(), c.trevisan ? 80 : 98);
    EXPECT_EQ(w.control("seleztav", 40).width(), c.trevisan ? 80 : 98);

    // Full hands, drawn; the computer remembers its own cards and the table's.
    const int onTable = c.fourOnTable ? 4 : 0;
    EXPECT_TRUE(table::everyCardOnce());
    table::checkBetweenPlays();
    EXPECT_EQ(tavacartequante, onTable);
    EXPECT_EQ(controllafine, onTable);
    EXPECT_EQ(contatore(indicemucchio::mazzo), 6 + onTable);
    EXPECT_FALSE(blank(w.control("canvmazzo", indicemucchio::mazzo)));
    EXPECT_EQ(tc_pla + tc_mac, 0);
    EXPECT_EQ(fase(), fasemano::attesapla);
    int remembered = 0;
    for (int card = 1; card <= 40; ++card) remembered += memomac(card);
    EXPECT_EQ(remembered, 3 + onTable);
    for (int i = 1; i <= onTable; ++i) EXPECT_EQ(memomac(tavcarta(i)), 1) << i;
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(w.control("canvtav", i).left() >= 146, i <= onTable) << i;

    // The player's turn, prompted; only the laid-out table made a sound.
    EXPECT_TRUE(w.control("Pensotesto").visible());
    EXPECT_EQ(w.control("Pensotesto").text(), c.shown);
    EXPECT_EQ(fw::mediaLog().spoken, c.spoken.empty() ? std::vector<std::string>{} : std::vector{c.spoken});
    EXPECT_EQ(fw::mediaLog().plays, onTable ? 1 : 0);
    EXPECT_EQ(fw::mediaLog().beeps, 0);
  }
}

// As the scoring window deals the next hand: the lead passes to the other side.
void dealNextHand() { table::dealHand(1 - Globali::mano); }

TEST_F(NewGame, TheSecondDealIsLedByTheComputerWhichPlaysAtOnce) {
  for (bool fourOnTable : {true, false}) {
    SCOPED_TRACE(fourOnTable ? "four on the table" : "empty table");
    pref_fc = fourOnTable;
    ultimoaprendere = lato::latomac;
    newgame();
    punti(0) = 3;
    punti(1) = 5;
    fw::mediaLog().clear();
    dealNextHand();

    window1& w = tableWindow();
    EXPECT_EQ(mano, lato::latomac);
    EXPECT_EQ(toccaa, lato::latomac);
    EXPECT_EQ(w.control("puntiplatext").text(), "3");
    EXPECT_EQ(w.control("puntimactext").text(), "5");
    const int played = maccarta(4);
    ASSERT_GT(played, 0);
    EXPECT_EQ(memomac(played), 1);
    EXPECT_EQ(tc_mac, 1);
    EXPECT_EQ(tc_pla, 0);
    EXPECT_TRUE(table::everyCardOnce()) << "the rest of its hand is locked";
    table::checkBetweenPlays();  // and its slot shows empty
    EXPECT_TRUE(shows(w.control("canvgiomactir"), immagine(played))) << "its card is shown face up";
    EXPECT_TRUE(w.control("Canvas1").visible());
    EXPECT_TRUE(w.control("Canvas3").visible());
    EXPECT_GE(fw::mediaLog().plays, 1);

    // Its capture is already marked: the cards it takes add up to its card, or are all when the ace takes all.
    int marked = 0, all = 0;
    for (int i = 1; i <= tavacartequante; ++i) {
      all += valorecarta(tavcarta(i));
      if (uscita(tavcarta(i)) == statocarta::selezionata) marked += valorecarta(tavcarta(i));
    }
    EXPECT_EQ(marked, puoscegliere == tipopresa::presanulla ? 0
                      : puoscegliere == tipopresa::presaasso ? all
                                                              : valorecarta(played)) << "kind " << puoscegliere;
    EXPECT_TRUE(fourOnTable || puoscegliere == tipopresa::presanulla) << "nothing to take from an empty table";

    EXPECT_EQ(ultimoaprendere, lato::latomac) << "the leftovers of a hand with no capture go to it";
    dealNextHand();
    EXPECT_EQ(mano, lato::latopla) << "the lead alternates";
  }
}

}  // namespace
