// Drawing from the deck, a new game and the deal, through the real table window.
#include <gtest/gtest.h>

#include <set>

#include "tests/deal/table_setup.h"

namespace {

using namespace Globali;
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
      {{}, 17, 17},
      {{17, 18}, 17, 19},
      {{38, 39, 40}, 39, 1},
      {{38, 39, 40, 1, 2}, 40, 3},
      {{5}, 4, 4},
  };
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
  std::set<int> seen;
  for (int i = 1; i <= 40; ++i) {
    int card = prendicarta();
    ASSERT_GE(card, 1);
    ASSERT_LE(card, 40);
    EXPECT_TRUE(seen.insert(card).second) << "card " << card << " drawn twice";
    EXPECT_EQ(contatore(indicemucchio::mazzo), i);
  }
  fw::Control& deck = tableWindow().control("canvmazzo", indicemucchio::mazzo);
  EXPECT_TRUE(table::blank(deck)) << "an empty deck shows nothing";

  auto before = table::snapshot();
  deck.graphics().DrawPicture(aaa(), 0, 0);
  EXPECT_EQ(prendicarta(), 0);
  EXPECT_EQ(contatore(indicemucchio::mazzo), 41);
  before["contatore(1)"] = "41";
  EXPECT_EQ(table::differences(before, table::snapshot()), "");
  EXPECT_TRUE(table::blank(deck)) << "the deck is redrawn even when nothing is drawn";
}

TEST_F(Deck, EveryDrawRedrawsTheDeck) {
  fw::Control& deck = window1::instance().control("canvmazzo", indicemucchio::mazzo);
  deck.refresh(true);
  prendicarta();
  EXPECT_FALSE(table::blank(deck));
}

TEST_F(Deck, AWalkOverADeckWithNoCardLeftEndsWithoutACard) {
  // Only a corrupted state can get here (every card out, yet the count low); it must not hang.
  for (int card = 1; card <= 40; ++card) uscita(card) = statocarta::ingioco;
  EXPECT_EQ(prendicarta(), 0);
  EXPECT_EQ(contatore(indicemucchio::mazzo), 1);
}

class NewGame : public table::TableTest {};

struct DealOptions {
  bool fourOnTable, uncovered, trevisan;
};

TEST_F(NewGame, DealsTheFirstHandWithThePlayerLeading) {
  for (DealOptions o : {DealOptions{true, false, false}, DealOptions{false, true, false},
                        DealOptions{true, true, true}, DealOptions{false, false, true}}) {
    SCOPED_TRACE(testing::Message() << "four " << o.fourOnTable << " uncovered " << o.uncovered << " trevisan "
                                    << o.trevisan);
    table::closeEveryWindow();
    resetState();
    table::usualOptions();
    pref_fc = o.fourOnTable;
    pref_cs = o.uncovered;
    pref_trevi = o.trevisan;
    punti(0) = 7;
    punti(1) = 9;
    mano = 0;
    window1::instance().control("Pensotesto").setVisible(false);
    fw::mediaLog().clear();

    newgame();

    window1& w = tableWindow();
    EXPECT_EQ(mano, lato::latopla);
    EXPECT_EQ(toccaa, lato::latopla);
    EXPECT_EQ(punti(0), 0);
    EXPECT_EQ(punti(1), 0);
    EXPECT_EQ(w.control("puntiplatext").text(), "0");
    EXPECT_EQ(w.control("puntimactext").text(), "0");
    EXPECT_TRUE(w.control("Pensotesto").visible());
    EXPECT_TRUE(w.frame()->isVisible());

    // Pictures and bars of the chosen deck.
    const int width = o.trevisan ? 80 : 98;
    EXPECT_EQ(immagine(0), o.trevisan ? aaat() : aaa());
    for (int card = 1; card <= 40; ++card)
      EXPECT_EQ(immagine(card), o.trevisan ? trevisanFace(card) : standardFace(card)) << card;
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(w.control("selezrect", k).width(), width);
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(w.control("seleztav", i).width(), width);

    // Hands: the player's face up and unknown to the computer, the computer's own cards remembered.
    std::set<int> out;
    for (int k = 1; k <= 3; ++k) {
      int mine = placarta(k), its = maccarta(k);
      ASSERT_GT(mine, 0);
      ASSERT_GT(its, 0);
      out.insert(mine);
      out.insert(its);
      EXPECT_TRUE(shows(w.control("canvgio", k), immagine(mine))) << "slot " << k;
      EXPECT_TRUE(shows(w.control("canvmac", k), immagine(o.uncovered ? its : 0))) << "slot " << k;
      EXPECT_EQ(memomac(mine), 0);
      EXPECT_EQ(memomac(its), 1);
    }
    EXPECT_EQ(placarta(4), 0);
    EXPECT_EQ(maccarta(4), 0);
    EXPECT_EQ(tc_pla, 0);
    EXPECT_EQ(tc_mac, 0);

    // The table and the counts.
    const int onTable = o.fourOnTable ? 4 : 0;
    EXPECT_EQ(tavacartequante, onTable);
    EXPECT_EQ(controllafine, onTable);
    EXPECT_EQ(contatore(indicemucchio::mazzo), 6 + onTable);
    for (int i = 1; i <= onTable; ++i) {
      out.insert(tavcarta(i));
      EXPECT_EQ(memomac(tavcarta(i)), 1);
      EXPECT_GE(w.control("canvtav", i).left(), 146);
    }
    for (int i = onTable + 1; i <= 40; ++i) EXPECT_EQ(w.control("canvtav", i).left(), -200) << i;
    for (int i = 1; i <= 40; ++i) EXPECT_FALSE(w.control("seleztav", i).visible()) << i;
    EXPECT_EQ(out.size(), static_cast<std::size_t>(6 + onTable)) << "no card dealt twice";
    int inDeck = 0;
    for (int card = 1; card <= 40; ++card) {
      EXPECT_EQ(uscita(card), out.count(card) ? statocarta::ingioco : statocarta::inmazzo) << card;
      if (!out.count(card)) {
        EXPECT_EQ(memomac(card), 0) << card;
      }
      inDeck += uscita(card) == statocarta::inmazzo;
    }
    EXPECT_EQ(inDeck, 34 - onTable);
    EXPECT_FALSE(table::blank(w.control("canvmazzo", indicemucchio::mazzo)));

    // The player's turn; only the laid-out table made a sound.
    EXPECT_EQ(w.control("Rectangle1").top(), 380);
    EXPECT_FALSE(w.control("prendibott").enabled());
    EXPECT_FALSE(w.control("rectobutt").visible());
    EXPECT_FALSE(w.control("Canvas1").visible());
    EXPECT_EQ(w.control("Pensotesto").text(), "Come on, It's your turn!");
    EXPECT_EQ(fw::mediaLog().plays, o.fourOnTable ? 1 : 0);
    EXPECT_EQ(fw::mediaLog().beeps, 0);
    EXPECT_EQ(nomepla, "Player") << "names and options are kept";
    EXPECT_EQ(pref_fc, o.fourOnTable);
  }
}

TEST_F(NewGame, ClosesAScoringWindowLeftOpen) {
  winscoring::instance();
  ASSERT_NE(winscoring::live(), nullptr);
  newgame();
  EXPECT_EQ(winscoring::live(), nullptr);
  EXPECT_NE(window1::live(), nullptr);
}

TEST_F(NewGame, ThePromptIsShownAndSpokenInTheLanguage) {
  struct Case {
    int language;
    bool speech;
    std::string shown, spoken;
  };
  const Case cases[] = {
      {1, true, "Come on, It's your turn!", "Come on, It's your turn!"},
      {2, true, "Dai, tocca a te!", "Die, tokka a tae!"},
      {2, false, "Dai, tocca a te!", ""},
      {0, true, "Come on, It's your turn!", "Come on, It's your turn!"},
  };
  for (const Case& c : cases) {
    lingua = c.language;
    parlato = c.speech;
    fw::mediaLog().clear();
    newgame();
    EXPECT_EQ(tableWindow().control("Pensotesto").text(), c.shown);
    std::vector<std::string> expected;
    if (!c.spoken.empty()) expected.push_back(c.spoken);
    EXPECT_EQ(fw::mediaLog().spoken, expected) << "language " << c.language;
  }
}

// As the scoring window deals the next hand: the lead passes to the other side.
void dealNextHand() { table::dealHand(1 - Globali::mano); }

TEST_F(NewGame, TheSecondDealIsLedByTheComputerWhichPlaysAtOnce) {
  for (bool fourOnTable : {true, false}) {
    SCOPED_TRACE(fourOnTable ? "four on the table" : "empty table");
    pref_fc = fourOnTable;
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
    EXPECT_EQ(uscita(played), statocarta::ingioco);
    EXPECT_EQ(memomac(played), 1);
    int empty = 0;
    for (int k = 1; k <= 3; ++k) {
      if (maccarta(k) == 0) {
        ++empty;
        EXPECT_TRUE(table::blank(w.control("canvmac", k))) << "the played slot shows empty";
      } else {
        EXPECT_LT(maccarta(k), 0) << "the rest of the hand is locked";
      }
      EXPECT_GT(placarta(k), 0);
    }
    EXPECT_EQ(empty, 1);
    EXPECT_EQ(tc_mac, 1);
    EXPECT_EQ(tc_pla, 0);
    EXPECT_TRUE(shows(w.control("canvgiomactir"), immagine(played))) << "its card is shown face up";
    EXPECT_TRUE(w.control("Canvas1").visible());
    EXPECT_TRUE(w.control("Canvas3").visible());
    EXPECT_FALSE(w.control("Canvas2").visible());
    EXPECT_TRUE(w.control("rectobutt").visible());
    EXPECT_TRUE(w.control("prendibott").enabled());
    EXPECT_EQ(w.control("Rectangle1").top(), 10);
    EXPECT_GE(fw::mediaLog().plays, 1);

    // Its capture is already marked: state 2 and a red bar under every card it takes.
    int sum = 0, marked = 0;
    for (int i = 1; i <= tavacartequante; ++i) {
      bool chosen = uscita(tavcarta(i)) == statocarta::selezionata;
      fw::Control& bar = w.control("seleztav", i);
      EXPECT_EQ(bar.visible(), chosen) << i;
      if (chosen) {
        EXPECT_EQ(bar.fillColor(), (fw::Color{255, 0, 0}));
        sum += valorecarta(tavcarta(i));
        ++marked;
      }
    }
    if (puoscegliere == tipopresa::presanulla) {
      EXPECT_EQ(marked, 0);
    }
    if (puoscegliere == tipopresa::presaasso) {
      EXPECT_EQ(marked, tavacartequante);
    }
    if (puoscegliere == tipopresa::presauguale || puoscegliere == tipopresa::presacombinazione) {
      EXPECT_EQ(sum, valorecarta(played));
    }
    if (!fourOnTable) {
      EXPECT_EQ(puoscegliere, tipopresa::presanulla) << "nothing to take from an empty table";
    }
  }
}

TEST_F(NewGame, TheLeadAlternatesFromDealToDeal) {
  newgame();
  std::vector<int> leads{mano};
  for (int hand = 0; hand < 3; ++hand) {
    dealNextHand();
    leads.push_back(mano);
  }
  EXPECT_EQ(leads, (std::vector<int>{0, 1, 0, 1}));
  newgame();
  EXPECT_EQ(mano, lato::latopla) << "every game starts with the player";
}

TEST_F(NewGame, TheLastCapturerIsCarriedOverByDeals) {
  ultimoaprendere = lato::latomac;
  newgame();
  dealNextHand();
  EXPECT_EQ(ultimoaprendere, lato::latomac);
}

}  // namespace
