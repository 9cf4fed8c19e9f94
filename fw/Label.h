#pragma once
// A windowless text label. With AutoSize it takes the size of its text.
#include "base/ControlEnums.h"
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
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  // Long texts break at words onto further lines (within MaxWidth when auto-sized).
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  // The widest the label may become (0: no limit).
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int value);

 protected:
  // The text flags the label draws with: its alignment, its wrapping, prefix characters as they are.
  UINT TextFlags() const;
  // Fits the size to the text (when auto-sized and not loading).
  void AdjustSize();

 private:
  // The size follows what the text needs.
  void FWTextOrFontChanged(TMessage& message);
  bool FAutoSize = true;
  bool FTransparent = false;
  TAlignment FAlignment = taLeftJustify;
  bool FWordWrap = false;
  int FMaxWidth = 0;
};

}  // namespace qw
