// The table window, in which every hand is played.
#pragma once

#include "framework/window.h"

class window1 : public fw::WindowOf<window1> {
 public:
  window1();

  // Choosing cards: the player's hand and the table places.
  void canvgio_MouseDown(int index);
  void canvgio_MouseEnter(int index);
  void canvgio_MouseExit(int index);
  void canvtav_MouseDown(int index);
  void canvtav_MouseEnter(int index);
  void canvtav_MouseExit(int index);

  // The traffic light.
  void prendibott_Action();

  // Names and the player's picture.
  void ImageWell1_Open();
  void ImageWell1_MouseDown();
  void EditField1_Open();
  void EditField1_LostFocus();
  void EditField2_Open();
  void EditField2_LostFocus();

 protected:
  fw::WindowProperties properties() const override;
  std::vector<fw::ControlRow> layout() const override;
  void Event_Open() override;
  void Event_Paint() override;
};
