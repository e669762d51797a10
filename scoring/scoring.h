// Counting a finished hand: the score lines, the game totals, the result texts and
// the sorting of the taken cards into the scoring window's card rows. Nothing here draws;
// everything reads and writes the game state in Globali.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace scoring {

// The seven score lines, top to bottom; each has a value per side (lato).
enum Line { cardsLine, goldLine, settebelloLine, primieraLine, scopaLine, handPointsLine, totalLine };
constexpr int lineCount = 7;

// What the scoring window's step (`calcola`) takes after the first press.
constexpr int nextHand = 1;
constexpr int gameOver = 2;

// Primiera value of a card value 1..10.
int primieraValue(int cardValue);

// The primiera search over one suit (start 1, 11, 21 or 31) for one side.
// Mode 0: the side's best primiera value in the suit (0 without a card of it).
// Mode 1: the card to move into the side's primiera row, 0 when the best is its scopa card
// (already shown in the scopa row) or when it holds no card of the suit. Ties keep the lower value.
int primpunti(int start, int lato, int mode);

// True when every card 1..40 is in a taken state (3 to 6): only then can a hand be scored.
bool everyCardTaken();

struct HandScore {
  std::array<std::array<int, 2>, lineCount> value{};  // [line][lato]
  int calcola = 0;                                     // nextHand or gameOver
  std::array<std::string, 2> result;                   // the result line under each side
};

// Counts lines 0 to 5 from the card states; leaves the totals line at 0.
HandScore countHand();

// The whole count of a first press: counts the hand, adds its points to Globali::punti, decides
// whether the game is over at Globali::pref_pu and names the winner in Globali::lingua.
HandScore scoreHand();

// -1 when neither side's value is strictly greater, else the side (lato) that leads.
int leader(int playerValue, int computerValue);

// Result texts: 0 winner of the hand, 1 hand drawn, 2 winner of the game, 3 game drawn.
std::string resultText(int index, int lingua);

// The display code of card row `row` shown for side `lato`: 10, 22, 30, 42, 50, 62.
constexpr int rowCode(int row, int lato) { return 10 * row + 10 + 2 * lato; }

// Re-codes the taken cards into the six card rows: scopa cards, each suit's best primiera card,
// the other gold cards. The cards left in a taken state make up each side's face-down pile.
void sortIntoRows();

// The cards of side `lato` still in a taken state (its face-down pile).
int pileCount(int lato);

// Card width of the deck in use: 100, or 82 with Trevisan cards.
int cardWidth();

// Where one card of a row is drawn.
struct CardPlace {
  int card = 0;
  int x = 0;
  bool operator==(const CardPlace&) const = default;
};

// The cards whose state is `code`, in drawing order, fanned from the right edge of a row
// `rowWidth` wide to its left edge, the seven of coins last; one card alone lies at x 0.
std::vector<CardPlace> fanLayout(int code, int rowWidth, int cardWidth);

// Texts by language (1 English, 2 Italian).
std::string windowTitle(int lingua);
std::string lineLabel(int line, int lingua);
// The status line for the window's step: 0 before the first press, 1 or 2 after it.
std::string statusText(int calcola, int lingua);

}  // namespace scoring
