#pragma once
// TqxScrollBarAccess: a skinned scroll bar as a screen reader reads it: a scroll bar whose value is its
// position, unavailable when it cannot be used, invisible while it has no room. The system's object of
// a window's bar would read the system's state, which the skinned bar no longer shows (and Wine has
// none); a scroll-bar control is read through its client object.
#include <windows.h>

#include "skin/access/AccessHost_win.h"

namespace qw {

class TqxScrollBars;
struct TqxScrollBar;

class TqxScrollBarAccess final : public TAccessSource {
 public:
  TqxScrollBarAccess(TqxScrollBars& bars, TqxScrollBar& bar, HWND window);
  // WM_GETOBJECT: answers for the bar's object of the window.
  bool Answer(WPARAM flags, LPARAM objectId, LRESULT& result) { return FHost.Answer(FWindow, flags, objectId, result); }
  // The bar was read anew: its position (value) and state, when they changed, are announced.
  void AnnounceChanges() { FHost.AnnounceChanges(FWindow); }

  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void DoAccessDefaultAction(int) override {}
  bool AccessBounds(TRect& bounds) override;

 private:
  TqxScrollBars& FBars;
  TqxScrollBar& FBar;
  HWND FWindow;
  TAccessHost FHost;
};

}  // namespace qw
