// The capture search: the silent verdict, and its marks, remarks and hint in the table window.
#include <array>

#include "engine/capturesearch.h"
#include "engine/globali.h"
#include "framework/color.h"
#include "table/window1.h"

namespace Globali {

namespace {

// Texts by language: English for any language but Italian.
int column() { return lingua == 2 ? 1 : 0; }

// The hint line by capture kind: rows 0..6 on the player's turn, 7..13 on the computer's.
// Rows 9 to 11 never show: the computer's kind 2 becomes 1, and kinds 3 and 4 are the player's.
constexpr std::array<std::array<const char*, 2>, 14> hints{{
    {"You get nothing, click on traffic lights to go on", "Non prendi niente, clicca sul semaforo per continuare"},
    {"Click on traffic lights for getting this card", "Clicca sul semaforo per prendere la carta evidenziata"},
    {"Choose card and click on traffic lights to go on", "Scegli la carta e clicca sul semaforo per continuare"},
    {"Click on traffic lights for getting these cards", "Scegli le carte e clicca sul semaforo per continuare"},
    {"You got scopa! Click on traffic lights to go on", "Hai fatto scopa! Clicca sul semaforo per continuare"},
    {"Click on traffic lights for getting these cards", "Clicca sul semaforo per prendere le carte evidenziate"},
    {"Click on traffic lights for getting these cards", "Clicca sul semaforo per prendere le carte evidenziate"},
    {"Click on traffic lights to go on", "Clicca sul semaforo per continuare"},
    {"Click on traffic lights,  i get this card", "Clicca sul semaforo, prendo la carta evidenziata"},
    {"Click on traffic lights,  i get this card", "Clicca sul semaforo, prendo la carta evidenziata"},
    {"Click on traffic lights,  i get these cards", "Clicca sul semaforo, prendo le carte evidenziate"},
    {"Click on traffic lights to go on", "Clicca sul semaforo per continuare"},
    {"Click on traffic lights, i get these cards", "Clicca sul semaforo, prendo le carte evidenziate"},
    {"Click on traffic lights, i get all cards", "Clicca sul semaforo, prendo tutto"},
}};

struct Remark {
  const char* english;
  const char* italian;
  const char* italianSpoken;  // respelt for an English voice
};
constexpr Remark sweepRemark{"Damn, You got SCOPA!", "Oh no, hai fatto SCOPA!", "Oh no, i fatto skopa!"};
constexpr Remark aceRemark{"Damn, You got all cards!", "Oh no, prendi tutto!", "Oh no, prandee tootto!"};

void mark(window1& window, int position) {
  fw::Control& bar = window.control("seleztav", position);
  bar.setFillColor(fw::RGB(255, 0, 0));
  bar.setVisible(true);
  uscita(tavcarta(position)) = statocarta::selezionata;
}

void say(window1& window, const Remark& remark) {
  fw::Control& bubble = window.control("Pensotesto");
  if (lingua == 2) {
    bubble.setText(remark.italian);
    if (parlato) fw::Speak(remark.italianSpoken, true);
  } else {
    bubble.setText(remark.english);
    if (parlato) fw::Speak(bubble.text(), true);
  }
}

}  // namespace

void cercapresapre(int value) {
  capturesearch::Table table;
  table.n = tavacartequante;
  for (int i = 1; i <= tavacartequante; ++i) {
    const int card = tavcarta(i);
    table.value[static_cast<std::size_t>(i)] = valorecarta(card);
    table.weight[static_cast<std::size_t>(i)] = impo(card);
  }
  const capturesearch::Verdict verdict = capturesearch::search(table, value, toccaa, pref_apt);
  for (int i = 1; i <= 40; ++i) puoscelta(i) = verdict.mark[static_cast<std::size_t>(i)];
  puoscegliere = verdict.kind;
  sceltavale = verdict.worth;
}

void cercapresa(int value) {
  cercapresapre(value);
  window1& window = window1::instance();
  const int n = tavacartequante;
  const bool computer = toccaa == lato::latomac;

  switch (puoscegliere) {
    case tipopresa::presauguale:
      for (int i = 1; i <= n; ++i) {
        if (valorecarta(tavcarta(i)) == value) mark(window, i);
      }
      break;
    case tipopresa::presauguali: {
      // The most important equal card is proposed, the leftmost on a tie; the computer takes it.
      int best = 0, chosen = 0;
      for (int i = 1; i <= n; ++i) {
        if (valorecarta(tavcarta(i)) == value && best < impo(tavcarta(i))) {
          best = impo(tavcarta(i));
          chosen = i;
        }
      }
      if (chosen > 0) mark(window, chosen);
      if (computer) puoscegliere = tipopresa::presauguale;
      break;
    }
    case tipopresa::presatutto:
    case tipopresa::presaasso:
      for (int i = 1; i <= n; ++i) mark(window, i);
      break;
    case tipopresa::presacombinazione:
      for (int i = 1; i <= n; ++i) {
        if (puoscelta(i) > 1) mark(window, i);
      }
      break;
    default:  // nothing to take, or the player chooses the sums
      break;
  }

  if (!computer) {
    if (puoscegliere == tipopresa::presatutto) {
      say(window, sweepRemark);
    } else if (puoscegliere == tipopresa::presaasso && n > 0) {
      say(window, aceRemark);
    }
  }

  const int row = puoscegliere + (computer ? 7 : 0);
  if (row >= 0 && row < static_cast<int>(hints.size())) {
    window.control("helptesto").setText(hints[static_cast<std::size_t>(row)][static_cast<std::size_t>(column())]);
  }
}

}  // namespace Globali
