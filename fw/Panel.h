#pragma once
// A container with bevels around its face that shows its caption aligned inside them.
#include "base/ControlEnums.h"
#include "fw/WinControl.h"

namespace qw {

class TPanel : public TWinControl {
 public:
  TPanel();
  const char* ClassName() const override { return "TPanel"; }

  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value);
  // Space between the bevels and the caption.
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
  void SetVerticalAlignment(TVerticalAlignment value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(TCanvas& canvas) override;
  // The outer bevel changed (skinned panels follow it with their section); the panel repaints.
  virtual void BevelOuterChanged(TBevelCut oldBevel);
  // The face changed in a way the caption or the bevels show.
  virtual void LookChanged();

 private:
  TBevelCut FBevelOuter = bvRaised;
  TBevelCut FBevelInner = bvNone;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TAlignment FAlignment = taCenter;
  TVerticalAlignment FVerticalAlignment = taVerticalCenter;
  bool FShowCaption = true;
};

}  // namespace qw
