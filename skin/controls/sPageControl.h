#pragma once
// TsPageControl and TsTabSheet: the skinned pages. Their skin data follow the skin; they keep the plain
// look until they paint from it.
#include "fw/Canvas.h"
#include "fw/PageControl.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/core/ChildPainting_win.h"
#include "skin/data/SkinCommands.h"

namespace qw {

class TsPageControl : public TsSkinned<TPageControl, COC_TsPageControl> {
 public:
  const char* ClassName() const override { return "TsPageControl"; }
};

// Until the sheet paints its section, its face is the plain colour it gives its children as the
// background behind them; once that is painted, the children waiting for it are told.
class TsTabSheet : public TsSkinned<TTabSheet, COC_TsTabSheet> {
 public:
  const char* ClassName() const override { return "TsTabSheet"; }
  void WndProc(TMessage& message) override {
    if (message.Msg == SkinCommandMsg && SkinCommandCode(message.WParam) == skcQueryUpdating) {
      // The face is a plain colour painted straight away, never a picture still being made: children
      // wait only while the sheet itself is held back.
      message.Result = SkinData.FUpdating ? 1 : 0;
      return;
    }
    TsSkinned::WndProc(message);
    if (message.Msg != WM_PAINT || message.WParam || !SkinData.Skinned()) return;
    SkinData.BGChanged = false;
    NotifyChildrenParentPainted(*this);
  }

 protected:
  void PaintWindow(TCanvas& canvas) override {
    if (!SkinData.Skinned()) return TTabSheet::PaintWindow(canvas);
    canvas.SetBrushColor(SkinData.BackgroundColorForChildren());
    canvas.FillRect(ClientRect());
  }
};

}  // namespace qw
