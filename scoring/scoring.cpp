#include "scoring/scoring.h"

#include "engine/globali.h"
#include "framework/values.h"

namespace scoring {

namespace {

using namespace Globali::statocarta;

bool takenBy(int state, int lato) { return state == 2 * lato + 3 || state == 2 * lato + 4; }

// Side that holds a taken card, or -1 when the card is in no taken state.
int holder(int state) {
  if (takenBy(state, 0)) return 0;
  if (takenBy(state, 1)) return 1;
  return -1;
}

constexpr int suitStarts[] = {1, 11, 21, 31};

bool italian(int lingua) { return lingua == 2; }

}  // namespace

int primieraValue(int cardValue) {
  static constexpr int values[] = {16, 12, 13, 14, 15, 18, 21, 10, 10, 10};
  if (cardValue < 1 || cardValue > 10) fw::fatal("no primiera value for card value " + std::to_string(cardValue));
  return values[cardValue - 1];
}

int primpunti(int start, int lato, int mode) {
  const int scopaRow = rowCode(lato, lato);
  int best = 0, bestcard = 0;
  for (int i = 1; i <= 10; ++i) {
    int card = start + i - 1;
    int state = Globali::uscita(card);
    if (takenBy(state, lato)) {
      if (primieraValue(i) > best) {
        best = primieraValue(i);
        bestcard = card;
      }
    } else if (state == scopaRow) {
      // A scopa card already shown in its row still wins the suit, but moves nowhere.
      if (primieraValue(i) > best) {
        best = primieraValue(i);
        bestcard = 0;
      }
    }
  }
  return mode == 0 ? best : bestcard;
}

bool everyCardTaken() {
  for (int card = 1; card <= 40; ++card) {
    if (holder(Globali::uscita(card)) < 0) return false;
  }
  return true;
}

int leader(int playerValue, int computerValue) {
  if (playerValue > computerValue) return Globali::lato::latopla;
  if (computerValue > playerValue) return Globali::lato::latomac;
  return -1;
}

HandScore countHand() {
  HandScore score;
  auto& v = score.value;
  for (int card = 1; card <= 40; ++card) {
    int state = Globali::uscita(card);
    int side = holder(state);
    if (side < 0) continue;
    ++v[cardsLine][side];
    if (card <= 10) ++v[goldLine][side];
    if (card == 7) v[settebelloLine][side] = 1;
    if (state == scopapla || state == scopamac) ++v[scopaLine][side];
  }
  for (int side = 0; side <= 1; ++side) {
    for (int start : suitStarts) v[primieraLine][side] += primpunti(start, side, 0);
  }
  for (int line = cardsLine; line <= primieraLine; ++line) {
    int side = leader(v[line][0], v[line][1]);
    if (side >= 0) ++v[handPointsLine][side];
  }
  for (int side = 0; side <= 1; ++side) v[handPointsLine][side] += v[scopaLine][side];
  return score;
}

HandScore scoreHand() {
  HandScore score = countHand();
  auto& v = score.value;
  for (int side = 0; side <= 1; ++side) {
    Globali::punti(side) += v[handPointsLine][side];
    v[totalLine][side] = Globali::punti(side);
  }
  // Reaching the points to win exactly is enough, for either side or both.
  bool over = Globali::pref_pu <= v[totalLine][0] || Globali::pref_pu <= v[totalLine][1];
  score.calcola = over ? gameOver : nextHand;
  // A hand that ends the game names only the winner of the game, by the greater total.
  const auto& shown = v[over ? totalLine : handPointsLine];
  int side = leader(shown[0], shown[1]);
  if (side < 0) {
    score.result[0] = score.result[1] = resultText(2 * score.calcola - 1, Globali::lingua);
  } else {
    score.result[side] = resultText(2 * score.calcola - 2, Globali::lingua);
    score.result[1 - side].clear();
  }
  return score;
}

std::string resultText(int index, int lingua) {
  static const char* const english[] = {"WINS THIS MATCH", "NO WINNER", "FINAL WINNER", "NO FINAL WINNER"};
  static const char* const italiano[] = {"VINCE LA PARTITA", "PAREGGIO", "VINCITORE FINALE", "PAREGGIO FINALE"};
  if (index < 0 || index > 3) fw::fatal("no result text " + std::to_string(index));
  return italian(lingua) ? italiano[index] : english[index];
}

void sortIntoRows() {
  for (int card = 1; card <= 40; ++card) {
    if (Globali::uscita(card) == scopapla) Globali::uscita(card) = rowCode(0, 0);
    if (Globali::uscita(card) == scopamac) Globali::uscita(card) = rowCode(1, 1);
  }
  // The scopa cards are coded first, so the card mode leaves a suit alone when its best card is one.
  for (int start : suitStarts) {
    if (int card = primpunti(start, 0, 1); card > 0) Globali::uscita(card) = rowCode(2, 0);
    if (int card = primpunti(start, 1, 1); card > 0) Globali::uscita(card) = rowCode(3, 1);
  }
  for (int card = 1; card <= 10; ++card) {
    int side = holder(Globali::uscita(card));
    if (side >= 0) Globali::uscita(card) = rowCode(4 + side, side);
  }
}

int pileCount(int lato) {
  int count = 0;
  for (int card = 1; card <= 40; ++card) {
    if (takenBy(Globali::uscita(card), lato)) ++count;
  }
  return count;
}

int cardWidth() { return Globali::pref_trevi ? 82 : 100; }

std::vector<CardPlace> fanLayout(int code, int rowWidth, int cardWidth) {
  int n = 0, last = 0;
  for (int card = 1; card <= 40; ++card) {
    if (Globali::uscita(card) == code) {
      ++n;
      last = card;
    }
  }
  std::vector<CardPlace> places;
  if (n == 0) return places;
  if (n == 1) {
    places.push_back({last, 0});
    return places;
  }
  int x0 = rowWidth - cardWidth;
  int step = fw::toInt(static_cast<double>(x0) / static_cast<double>(n - 1));
  int x = x0 + step;
  for (int card = 1; card <= 40; ++card) {
    if (card == 7 || Globali::uscita(card) != code) continue;
    x -= step;
    places.push_back({card, x});
  }
  // The seven of coins goes last: leftmost, whole and on top of the others.
  if (Globali::uscita(7) == code) places.push_back({7, x - step});
  return places;
}

std::string windowTitle(int lingua) {
  return italian(lingua) ? "Riepilogo partita e punteggio complessivo" : "Match scoring and total scoring";
}

std::string lineLabel(int line, int lingua) {
  static const char* const english[] = {"Total cards", "Gold cards", "Seven of golds", "Primiera",
                                        "Scopas",      "Game points", "Total points"};
  static const char* const italiano[] = {"Carte", "Oro", "Settebello", "Primiera", "Scope", "Punti", "Punti totali"};
  if (line < 0 || line >= lineCount) fw::fatal("no score line " + std::to_string(line));
  return italian(lingua) ? italiano[line] : english[line];
}

std::string statusText(int calcola, int lingua) {
  switch (calcola) {
    case 0:
      return italian(lingua) ? "Clicca sul semaforo per calcolare il punteggio"
                             : "Click on traffic lights for showing scores";
    case nextHand:
      return italian(lingua) ? "Clicca sul semaforo per giocare la prossima partita"
                             : "Click on traffic lights for playing next match";
    default:
      return italian(lingua) ? "Clicca sul semaforo per ricominciare da capo"
                             : "Click on traffic lights for starting over";
  }
}

}  // namespace scoring
