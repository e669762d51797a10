#pragma once

#include "framework/window.h"

class regolewin : public fw::WindowOf<regolewin> {
 public:
  regolewin();

 protected:
  fw::WindowSpec spec() const override;
  std::vector<fw::ControlRow> layout() const override;
};
