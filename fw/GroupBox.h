#pragma once
// A framed container with a caption in its top edge. It paints itself and its windowless children.
#include "fw/WinControl.h"

namespace qw {

class TGroupBox : public TWinControl {
 public:
  TGroupBox();
  const char* ClassName() const override { return "TGroupBox"; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(TCanvas& canvas) override;
};

}  // namespace qw
