#pragma once
// TqxScrollWnd: the wrapper layer that gives a window skinned scroll bars (the bars themselves are
// TqxScrollBars of skin/frame). Edit-like wrappers derive from it; with ScrollBars false the layer only
// passes the bar messages on.
#include <memory>

#include "skin/controls/WndWrapper_win.h"
#include "skin/frame/scroll/ScrollBars_win.h"

namespace qw {

class TqxScrollWnd : public TqxMainWnd, protected TScrollBarHost {
 public:
  TqxScrollWnd(HWND wnd, bool scrollBars, std::u16string_view section, TsSkinManager* manager,
               TsCommonData* skinData);
  // A scroll-bar control: the whole window is one bar.
  struct TControlBar {};
  TqxScrollWnd(HWND wnd, TControlBar, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData);
  ~TqxScrollWnd() override;
  const char* ClassName() const override { return "TqxScrollWnd"; }

  void qxWndProc(TMessage& message) override;
  // The window's bars (null without scroll bars).
  TqxScrollBars* Bars() const { return FBars.get(); }
  // Re-reads both bars and, with Paint, repaints them (the controls call it after changes of text).
  void UpdateBars(bool paint);

 protected:
  void Attach() override;
  void DetachWrapper() override;
  // The bars' part of WM_NCPAINT: the system paints the frame without its own bars, then the skinned ones.
  void WMNcPaint(TMessage& message);
  // Passes a message on with the window's scroll styles hidden (the system then draws no bars of its own).
  void CallPrevWithoutBars(TMessage& message);
  // Tells the window its frame changed, so WM_NCCALCSIZE lays the bars out again.
  void RecalcFrame();

  HWND ScrollWindowHandle() const override { return CtrlHandle; }
  void CallPreviousHandler(TMessage& message) override { CallPrevWndProc(message); }
  TsSkinManager* ScrollManager() const override { return Manager(); }
  TsCommonData* ScrollSkinData() const override { return SkinData; }
  bool& DontRepaintFlag() override { return DontRepaint; }

  std::unique_ptr<TqxScrollBars> FBars;
};

}  // namespace qw
