// The start window: language, options, and the way to a new game.
#pragma once

#include "framework/window.h"

class finstart : public fw::WindowOf<finstart> {
 public:
  finstart();

  // The two flags: a click chooses the language, hovering shows a bar under the flag.
  void Canvasl_MouseDown(int index);
  void Canvasl_MouseEnter(int index);
  void Canvasl_MouseExit(int index);
  // Play, rules, Quit.
  void pushbstart_Action(int index);
  void Slider1_ValueChanged();
  void CheckBox2_Action();
  void Slider2_ValueChanged();
  void CheckBox4_Action();

  // Captions for the language in force.
  void camlin();
  // The option globals into the controls.
  void aggiornabottonistart();

 protected:
  fw::WindowProperties properties() const override;
  std::vector<fw::ControlRow> layout() const override;
  void Event_Open() override;
  void Event_Close() override;
};
