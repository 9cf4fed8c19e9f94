#pragma once
// A windowless picture: drawn unscaled at the control's top-left corner and clipped to the control.
#include "fw/GraphicControl.h"
#include "fw/Picture.h"

namespace qw {

class TImage : public TGraphicControl {
 public:
  const char* ClassName() const override { return "TImage"; }
  void Paint(TCanvas& canvas) override;
  TPicture Picture;
};

}  // namespace qw
