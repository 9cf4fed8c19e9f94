#pragma once
// TqxEditWnd: the wrapper of edits and memos (and of the list-like windows that paint the same way).
// The system draws the client area in the skin's colours; the frame ring and the scroll bars come from
// the skin. A skinned control may make one for its own window (a memo's frame and scroll bar):
//   FWrapper = TqxMainWnd::Create<TqxEditWnd>(Handle(), true, u"", nullptr, &SkinData);  // attach
//   FWrapper->UpdateBars(true);   // after the control changed its text or scroll state itself
//   ReleaseWrapper(std::move(FWrapper));  // before the window goes: the system's look comes back
// The wrapper paints nothing while the parent's picture is not ready (the update protocol); the parent's
// skcEndParentUpdate makes it paint.
#include "skin/controls/BaseWnd_win.h"

namespace qw {

class TqxEditWnd : public TqxBaseWnd {
 public:
  // Section: "EDIT" when none is given and the skin data has none.
  TqxEditWnd(HWND wnd, bool scrollBars, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData);
  ~TqxEditWnd() override;
  const char* ClassName() const override { return "TqxEditWnd"; }

  RECT FClientRect{0, -1, 0, 0};  // the client rectangle as last measured (Top -1: not yet)
  TColor Color = clNone;          // the colour the skin gave the window
  TColor FocusColor = clNone;
  TColor FrameColor = clNone;     // the skin's border colour (windows without a framework control)

  void SaveStdParams() override;
  void RestoreStdParams() override;
  void SetSkinParams() override;
  void qxWndProc(TMessage& message) override;
  bool PrepareCache() override;

 protected:
  std::u16string_view DefaultSection() const override;

 private:
  bool EditSkinCommand(TMessage& message);
  void WMPaint(TMessage& message, HDC dc);
  void WMEraseBkgnd(TMessage& message, HDC dc);
  void WMNcPaint(TMessage& message);
  void WMPrint(TMessage& message, HDC dc, UINT flags);
  void WMFocus(TMessage& message, bool focused);
  // Copies the frame ring (the window less its client area and bars) from the cache into a window DC.
  void CopyFrameRing(HDC dc);
  void PaintNonClient(HDC dc);
  bool Printing(HDC dc) const;
  bool WaitsForParent();
};

// Messages after which an edit-like window may have changed its scroll state, so the skinned bars are
// painted again (the system draws its own bar whenever the window sets its scroll state).
bool ChangesScrollState(UINT msg);

}  // namespace qw
