// The start window: language, options, and the way to a new game.
#pragma once

#include "framework/window.h"

class finstart : public fw::WindowOf<finstart> {
 public:
  finstart();

  void Canvasl_MouseDown(int index);
  void Canvasl_MouseEnter(int index);
  void Canvasl_MouseExit(int index);
  void pushbstart_Action(int index);
  void Slider1_ValueChanged();
  void CheckBox2_Action();
  void Slider2_ValueChanged();
  void CheckBox4_Action();

  void camlin();
  void aggiornabottonistart();

 protected:
  fw::WindowSpec spec() const override;
  std::vector<fw::ControlRow> layout() const override;
  void Event_Open() override;
  void Event_Close() override;
};
