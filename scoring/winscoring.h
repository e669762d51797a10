// The scoring window: counts a finished hand, keeps the totals and ends the game.
#pragma once

#include "framework/window.h"

class winscoring : public fw::WindowOf<winscoring> {
 public:
  winscoring();

  void prendibott_Action();
  void ImageWell1_Open();
  void EditField1_Open();
  void EditField2_Open();

  // The primiera search over one suit (see scoring::primpunti).
  int primpunti(int start, int lato, int mode) const;
  // Draws the cards of card row `row` for side `lato` into canvscope(row).
  void discarte(int row, int lato);
  // Draws a face-down pile of `count` cards into canvmazzo(lato).
  void dismazzo(int count, int lato);

  // 0 not scored yet, 1 scored and the next press deals, 2 the game is over.
  int calcola = 0;

 protected:
  fw::WindowProperties properties() const override;
  std::vector<fw::ControlRow> layout() const override;
  void Event_Open() override;

 private:
  void scoreFirstPress();
  void leaveForNextStep(int step);
};
