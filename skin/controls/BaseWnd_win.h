#pragma once
// TqxBaseWnd: the wrapper of edit-like windows (edits, memos, lists): a skinned frame painted from the
// window's cache, skinned scroll bars kept current after everything that scrolls.
#include "skin/controls/ScrollWnd_win.h"

namespace qw {

class TqxBaseWnd : public TqxScrollWnd {
 public:
  using TqxScrollWnd::TqxScrollWnd;
  const char* ClassName() const override { return "TqxBaseWnd"; }
  void qxWndProc(TMessage& message) override;

 protected:
  // The frame changed look: the window repaints its non-client area now.
  void RepaintFrame();
};

}  // namespace qw
