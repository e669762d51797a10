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

  // 0 not scored yet, 1 scored and the next press deals, 2 the game is over.
  int calcola = 0;

 protected:
  fw::WindowSpec spec() const override;
  std::vector<fw::ControlRow> layout() const override;
  void Event_Open() override;
};
