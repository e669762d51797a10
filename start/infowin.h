#pragma once

#include "framework/window.h"

class infowin : public fw::WindowOf<infowin> {
 public:
  infowin();

 protected:
  fw::WindowSpec spec() const override;
  std::vector<fw::ControlRow> layout() const override;
};
