// How to play, in English.
#pragma once

#include "framework/window.h"

class ruleswin : public fw::WindowOf<ruleswin> {
 public:
  ruleswin();

  void PushButton1_Action();

 protected:
  fw::WindowProperties properties() const override;
  std::vector<fw::ControlRow> layout() const override;
};
