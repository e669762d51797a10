// How to play, in Italian.
#pragma once

#include "framework/window.h"

class regolewin : public fw::WindowOf<regolewin> {
 public:
  regolewin();

  void PushButton1_Action();

 protected:
  fw::WindowProperties properties() const override;
  std::vector<fw::ControlRow> layout() const override;
};
