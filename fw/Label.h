#pragma once
// A windowless text label. With AutoSize it takes the size of its text.
#include "fw/GraphicControl.h"

namespace qw {

class TLabel : public TGraphicControl {
 public:
  TLabel();
  const char* ClassName() const override { return "TLabel"; }
  void WndProc(TMessage& message) override;
  void Paint(TCanvas& canvas) override;
  void Loaded() override;

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  // Transparent: the parent's face shows through; otherwise the label fills itself with Color.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);

 private:
  // The size follows what the text needs.
  void FWTextOrFontChanged(TMessage& message);
  void AdjustSize();
  bool FAutoSize = true;
  bool FTransparent = false;
};

}  // namespace qw
