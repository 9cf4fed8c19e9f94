#pragma once
// TsMemo: the skinned memo. The system draws its text at all times, in the skin's colours unless the
// memo keeps its own; its frame and scroll bars belong to an edit wrapper it makes for its own window
// while it is skinned, and give the system's look back when the skin goes.
#include <memory>

#include "fw/Memo.h"
#include "skin/core/SkinnedControl.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/render/SectionPaint.h"

namespace qw {

class TqxMainWnd;
class TqxScrollWnd;

class TsMemo : public TsSkinned<TMemo, COC_TsMemo> {
 public:
  TsMemo();
  ~TsMemo() override;
  const char* ClassName() const override { return "TsMemo"; }
  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;

  // The look of the disabled memo (dkBlended, dkGrayed bits).
  int DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(int kind);

  // The caption label beside the memo.
  TsBoundLabel BoundLabel{*this, SkinData};
  TNotifyEvent OnVScroll;      // after each vertical scroll message
  TNotifyEvent OnScrollCaret;  // after each request to scroll the caret into view

  // The wrapper that paints the frame and the scroll bars (null while unskinned or without a window).
  TqxScrollWnd* ScrollWrapper() const;

 protected:
  // A new window (the first, or one made again) gets its wrapper at once when the memo is skinned.
  void CreateWindowHandleDone() override;

 private:
  bool ReadyToPaint() const;
  // The skin commands the memo answers itself; true when the handling ends there.
  bool SkinCommand(TMessage& message);
  void WMPaint(TMessage& message);
  void AfterFramework(TMessage& message);
  void Redraw();
  std::unique_ptr<TqxMainWnd> FListSW;
  int FDisabledKind = dkBlended;
};

// Keeps a control's edit wrapper in step with its skin data: a skinned control with a window has one
// (a wrapper that let go of a destroyed window is replaced), an unskinned one none.
void UpdateScrollWrapper(TsCommonData& skinData, TWinControl& control, std::unique_ptr<TqxMainWnd>& wrapper);

}  // namespace qw
