#pragma once
// A raised container that shows its caption centred.
#include "fw/WinControl.h"

namespace qw {

class TPanel : public TWinControl {
 public:
  TPanel();
  const char* ClassName() const override { return "TPanel"; }
  // Draw the raised bevel around the face.
  bool Bevel = true;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(TCanvas& canvas) override;
};

}  // namespace qw
