// The about box: name, version, maker, and two links handed to the desktop.
#pragma once

#include "framework/window.h"

class infowin : public fw::WindowOf<infowin> {
 public:
  infowin();

  // The maker's web page.
  void StaticText2_MouseEnter();
  void StaticText2_MouseExit();
  void StaticText2_MouseDown();
  // A new e-mail message to the maker.
  void StaticText3_MouseEnter();
  void StaticText3_MouseExit();
  void StaticText3_MouseDown();
  void PushButton1_Action();

  static constexpr const char* webAddress = "https://www.example.org/brivano/";
  static constexpr const char* mailAddress = "mailto:brivano@example.org";

 protected:
  fw::WindowProperties properties() const override;
  std::vector<fw::ControlRow> layout() const override;
};
