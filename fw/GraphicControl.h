#pragma once
// A control without a window: its parent paints it after its own face and routes mouse input to it.
#include "fw/Control.h"

namespace qw {

class TGraphicControl : public TControl {
 public:
  const char* ClassName() const override { return "TGraphicControl"; }
};

}  // namespace qw
