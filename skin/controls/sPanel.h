#pragma once
// TsPanel: the skinned panel. It paints its section through its cache bitmap when the section's look
// needs one (gradients, textures, transparency, a hot look); otherwise straight from colours: its own
// colour (CustomColor) or the section's inside the section's border. Its caption is written in the
// skin's colours (or its own font colour with CustomFont), its windowless children are painted over it,
// and its windowed children are told when its picture is ready. A change of the outer bevel switches
// a panel that paints with the old bevel's default section to the new one's.
#include <functional>

#include "fw/Panel.h"
#include "skin/core/SkinnedControl.h"
#include "skin/data/SkinCommands.h"

namespace qw {

class TCanvas;

class TsPanel : public TsCachedControl<TPanel, COC_TsPanel> {
  using TInherited = TsCachedControl<TPanel, COC_TsPanel>;

 public:
  const char* ClassName() const override { return "TsPanel"; }
  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;

  // Called after the panel painted its face, with a canvas on that picture.
  std::function<void(TsPanel& sender, TCanvas& canvas)> OnPaint;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // True when the panel paints through its cache (else straight from colours).
  bool PaintsThroughCache();
  // Rebuilds the cache with the section painted over the parent's background, the caption and OnPaint.
  void PrepareCache() override;

 protected:
  void BevelOuterChanged(TBevelCut oldBevel) override;
  void LookChanged() override;
  bool MayPaint() const override;
  // The skinned panel into DC: its picture, then its windowless children over it.
  void PaintCached(HDC dc, bool printing) override;
  void AfterScreenPaint() override;
  void EndParentUpdate(TMessage& message) override;

 private:
  void PaintFromColors();
  void WriteText(TCanvas& canvas);
  void FinishPicture();
  void SkinCommand(TMessage& message, TSkinCommand code);
  void MouseEnterLeave(TMessage& message, bool entered);
  TBevelCut FOldBevel = bvRaised;
};

}  // namespace qw
