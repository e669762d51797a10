#include "start/rulestexts.h"

#include <initializer_list>

namespace {

// The text field shows CR as a line break; an empty line separates the sections.
std::string joinLines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) {
    if (!text.empty()) text += '\r';
    text += line;
  }
  return text;
}

}  // namespace

const std::string& rulesTextEnglish() {
  static const std::string text = joinLines({
      "- Playing cards:",
      "The game is played with Sicilian cards. The deck has 40 cards, ten for each of the four suits: "
      "coins (the gold suit), spades, clubs and cups.",
      "Each suit runs from one (the ace) to seven; then come the woman, the horseman and the king, "
      "which count as eight, nine and ten.",
      "",
      "- Scopa basics:",
      "You play against the computer. A game is made of several hands and ends when a side reaches "
      "the points to win (default is 21; the start window lets you choose from 11 to 51).",
      "In the first hand the computer deals and you play first; in the second hand you deal and "
      "the computer plays first, and so on, turn and turn about.",
      "The dealer gives three covered cards to the opponent and three to itself, then usually turns "
      "four cards face up on the table (the option \"Four cards on table at start\"; without it the "
      "table starts empty).",
      "",
      "- Playing rules:",
      "The side that did not deal plays first, one of the three cards in its hand. When the computer "
      "plays first, it plays its card as soon as the cards are dealt.",
      "A card played takes a table card of the same value, whatever its suit: a 4 takes a 4, a king "
      "takes a king. An equal card always comes first: while there is one on the table, no sum can "
      "be taken. When several table cards have that value, only one of them is taken, and you "
      "choose which.",
      "When no table card has the same value, the card takes two to five table cards whose values "
      "add up to its own: a 7 takes 4+3, a king takes 5+3+2. When more than one combination is "
      "possible, you choose the cards to take.",
      "A card that takes nothing stays on the table.",
      "Taking every card on the table is a scopa, which scores 1 point.",
      "With the option \"Ace gets all cards\" an ace played takes every card on the table, whatever "
      "their values; this is never a scopa, even when it empties the table.",
      "With the option \"Last Scopa doesn't score\" a scopa made with the last card of the hand "
      "counts as an ordinary capture.",
      "The two sides play in turn. After each card played, the side that played draws one card from "
      "the deck to have three again; with the option \"Three cards at a time\" a hand gets three "
      "new cards only after all three have been played. Once the deck is empty the hands are "
      "played out.",
      "When all 40 cards have been played, the cards left on the table go to the side that took "
      "last.",
      "When a hand is over, a window shows each side's points for that hand and for the whole game.",
      "",
      "-Scoring",
      "Each hand gives four points, plus one for each scopa:",
      "Each scopa scores 1 point;",
      "Who has more cards scores 1 point;",
      "Who has more gold cards scores 1 point;",
      "Who has the seven of gold scores 1 point;",
      "Who has the primiera scores 1 point;",
      "When both sides have as many cards, as many gold cards or the same primiera, nobody scores "
      "that point.",
      "The primiera: in each suit, take your card that is worth most on this scale: 7 = 21, "
      "6 = 18, ace = 16, 5 = 15, 4 = 14, 3 = 13, 2 = 12, woman, horseman and king = 10. Add up "
      "those cards (a suit of which you hold no card counts 0): the higher total has the "
      "primiera. So a side holding four sevens, or usually even three, wins it.",
      "The game ends when a side's total reaches the points to win: the side with more points "
      "wins; with equal totals nobody does.",
      "",
      "- How to play:",
      "Click a card of your hand to play it; the table cards it takes are marked with a red bar.",
      "When the card takes nothing, or can take in one way only, click the traffic-light button "
      "to go on.",
      "When you have a choice, first click the table cards you want to take (a red bar marks the "
      "chosen ones; click a chosen card again to leave it), then click the traffic-light button. "
      "If their values do not add up to your card you hear a beep, and you can choose again.",
      "Then the computer plays its card and marks what it takes: click the traffic-light button "
      "to go on.",
      "The line above the table always tells you what to do next, and a thin cyan bar under a "
      "card shows that you can click it.",
      "When the hand is over, click the traffic-light button three times: on the table, to open the "
      "scoring window; there, to show the scores; and once more, to play the next hand, or to start "
      "over with a new game when the game is over.",
      "In the start window click a flag to choose the language, and set the options: \"Trevisan "
      "cards\" changes the card pictures, \"Uncovered\" shows the computer's cards face up, "
      "\"Computer A.I.\" makes the computer play with a strategy, and \"A.I. memory\" sets how "
      "much of what has been played it remembers.",
  });
  return text;
}

const std::string& rulesTextItalian() {
  static const std::string text = joinLines({
      "- Carte da gioco:",
      "Si gioca con le carte siciliane. Il mazzo è di 40 carte, dieci per ciascuno dei quattro "
      "semi: denari (detti anche oro), spade, bastoni e coppe.",
      "Ogni seme va dall'uno (l'asso) al sette; seguono la donna, il cavallo e il re, che valgono "
      "otto, nove e dieci.",
      "",
      "- Regole basilari",
      "Si gioca contro il computer. Una partita si compone di più mani e finisce quando uno dei "
      "due raggiunge i punti per vincere (solitamente 21; nella finestra iniziale si può scegliere "
      "un valore da 11 a 51).",
      "Nella prima mano dà le carte il computer e tu giochi per primo; nella seconda le dai tu e "
      "gioca per primo il computer, e così via, a turno.",
      "Il mazziere dà tre carte coperte all'avversario e tre a sé, poi di solito ne scopre quattro "
      "in tavola (opzione \"Quattro carte sul tavolo in avvio\"; senza di essa il tavolo resta "
      "vuoto).",
      "",
      "- Regole di gioco",
      "Gioca per primo chi non ha dato le carte, calando una delle tre carte che ha in mano. Quando "
      "comincia il computer, cala la sua carta subito dopo la distribuzione.",
      "La carta giocata prende dal tavolo una carta dello stesso valore, di qualunque seme: il 4 "
      "prende il 4, il re prende il re. La carta uguale ha sempre la precedenza: finché ce n'è una "
      "in tavola, non si può prendere una somma. Se in tavola ci sono più carte di quel valore, se "
      "ne prende una sola, a tua scelta.",
      "Se nessuna carta in tavola ha lo stesso valore, la carta giocata prende da due a cinque "
      "carte la cui somma è uguale al suo valore: il 7 prende 4+3, il re prende 5+3+2. Se le "
      "combinazioni possibili sono più d'una, scegli tu quali carte prendere.",
      "Una carta che non prende niente resta sul tavolo.",
      "Prendere tutte le carte in tavola si dice fare scopa, e vale un punto.",
      "Con l'opzione \"Asso pigliatutto\" l'asso giocato prende tutte le carte in tavola, "
      "qualunque sia il loro valore; non è mai scopa, nemmeno quando svuota il tavolo.",
      "Con l'opzione \"L'ultima scopa non fa punto\" la scopa fatta con l'ultima carta della mano "
      "vale come una presa qualsiasi.",
      "Si gioca a turno. Dopo ogni carta giocata, chi l'ha giocata pesca una carta dal mazzo per "
      "tornare ad averne tre; con l'opzione \"Tre carte alla volta\" si ricevono tre carte nuove "
      "solo dopo averle giocate tutte e tre. Finito il mazzo, si giocano le carte rimaste in mano.",
      "Quando tutte le 40 carte sono state giocate, quelle rimaste sul tavolo vanno a chi ha preso "
      "per ultimo.",
      "Alla fine di ogni mano una finestra mostra i punti di ciascuno, per quella mano e per "
      "l'intera partita.",
      "",
      "- Punteggi",
      "Ogni mano assegna quattro punti, più uno per ogni scopa:",
      "Ciascuna scopa vale un punto;",
      "Chi ha il maggior numero di carte fa un punto;",
      "Chi ha il maggior numero di carte di denari fa un punto;",
      "Chi ha il sette di denari (settebello) fa  un punto;",
      "Chi fa primiera fa un punto;",
      "Se i due giocatori hanno lo stesso numero di carte, lo stesso numero di denari o la stessa primiera, "
      "quel punto non va a nessuno.",
      "La primiera: per ogni seme si conta la propria carta che vale di più secondo questa scala: "
      "7 = 21, 6 = 18, asso = 16, 5 = 15, 4 = 14, 3 = 13, 2 = 12, donna, cavallo e re = 10. Si "
      "sommano queste carte (un seme di cui non si ha nessuna carta conta 0): fa primiera chi "
      "ottiene il totale più alto. Per questo chi ha quattro sette, e di solito anche chi ne ha "
      "tre, vince la primiera.",
      "La partita finisce quando il totale di uno dei due raggiunge i punti per vincere: vince chi "
      "ha più punti; a parità di punti non vince nessuno.",
      "",
      "- Come si gioca:",
      "Clicca su una carta della tua mano per giocarla; le carte del tavolo che prende vengono "
      "segnate da una barra rossa.",
      "Se la carta non prende niente, o può prendere in un modo solo, clicca sul semaforo per "
      "continuare.",
      "Se c'è una scelta da fare, clicca prima sulle carte del tavolo che vuoi prendere (una barra "
      "rossa segna quelle scelte; cliccando di nuovo su una carta scelta la si lascia), poi sul "
      "semaforo. Se la somma dei loro valori non è uguale al valore della tua carta, senti un "
      "segnale acustico e puoi scegliere di nuovo.",
      "Poi il computer gioca la sua carta e segna le carte che prende: clicca sul semaforo per "
      "continuare.",
      "La riga sopra il tavolo ti dice sempre che cosa fare, e una sottile barra azzurra sotto una "
      "carta indica che puoi cliccarla.",
      "A fine mano clicca tre volte sul semaforo: sul tavolo, per aprire la finestra del punteggio; "
      "lì, per calcolare il punteggio; e ancora una volta, per giocare la mano successiva, o per "
      "ricominciare da capo con una nuova partita quando la partita è finita.",
      "Nella finestra iniziale scegli la lingua cliccando su una bandiera e imposta le opzioni: "
      "\"Carte trevisane\" cambia il disegno delle carte, \"Scoperto\" mostra scoperte le carte "
      "del computer, \"Computer A.I.\" fa giocare il computer con una strategia e \"Memoria A.I.\" "
      "stabilisce quanto ricorda delle carte già uscite.",
  });
  return text;
}

std::vector<fw::ControlRow> rulesLayout(const std::string& text) {
  return {
      {.name = "efregole", .kind = fw::Kind::EditField, .left = 10, .top = 10, .width = 460, .height = 430,
       .font = "arial", .fontSize = 14, .textColor = fw::hex(0x330000), .backColor = fw::hex(0xfffae5),
       .multiline = true, .readOnly = true, .hasBorder = true, .text = text},
      {.name = "PushButton1", .kind = fw::Kind::PushButton, .left = 190, .top = 452, .width = 100, .height = 20,
       .font = "System", .fontSize = 12, .text = "OK", .isDefault = true, .events = {"Action"}},
  };
}

fw::WindowProperties rulesProperties(const std::string& title) {
  // Modal like the start window, so it can be used while that one is open; shown by the caller.
  return {.title = title, .width = 480, .height = 480, .modal = true, .visible = false,
          .placement = fw::Placement::MainScreen};
}
