#pragma once
// TsEdit: the skinned single-line edit. While it is neither focused nor under the mouse (or disabled) the
// whole control, frame and text, is the picture in its cache, the text in the skin's colours; while it is
// active the system draws the client (caret, selection and typing as in any edit) and only the frame
// comes from the cache.
#include "fw/Edit.h"
#include "skin/controls/EditLayout.h"
#include "skin/core/SkinnedControl.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/render/SectionPaint.h"

namespace qw {

class TsEdit : public TsCachedControl<TEdit, COC_TsEdit> {
 public:
  TsEdit();
  const char* ClassName() const override { return "TsEdit"; }
  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void WndProc(TMessage& message) override;

  // The look of the disabled edit (dkBlended, dkGrayed bits).
  int DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(int kind);

  // Rebuilds the cache for the current state: the section, the text, the disabled look.
  void PrepareCache() override;

  // The caption label beside the edit.
  TsBoundLabel BoundLabel{*this, SkinData};

 protected:
  bool ReadyToPaint() const;
  TEditFrame Frame() const;
  // Where the text is written in the cached picture.
  virtual TRect TextRect() const;
  // Paints what a derived edit adds over its text, before the disabled look.
  virtual void PaintOverText(TBitmap32& /*cache*/) {}
  // The cache onto the given DC (the client's), or onto the whole window without one.
  void PaintCached(HDC given, bool printing) override;
  void RedrawSkinned(bool now) override;
  // After its parent painted, the edit paints again when it, or what lies behind it, was held back.
  void EndParentUpdate(TMessage& message) override;

 private:
  // The skin commands the edit answers itself; true when the handling ends there.
  bool SkinCommand(TMessage& message);
  void AfterFramework(TMessage& message);
  void WMPaint(TMessage& message, HDC dc);
  void WMEraseBkgnd(TMessage& message);
  void WMPrint(TMessage& message, HDC dc);
  void PaintFromCache(HDC given);
  void PaintFrame();
  void CopyFrameBand(HDC dc, int width);
  void PaintText(TBitmap32& cache);
  int FDisabledKind = dkBlended;
};

}  // namespace qw
