#pragma once
// TqxSBWnd: the wrapper of a scroll-bar control (a window that is one bar): painted and worked with
// the skin's scroll-bar sections, the metrics and tracking of the window bars. It takes no tab stop while
// wrapped.
#include "skin/controls/ScrollWnd_win.h"

namespace qw {

class TqxSBWnd : public TqxScrollWnd {
 public:
  // Section: "CHECKBOX" when none is given.
  TqxSBWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData);
  ~TqxSBWnd() override;
  const char* ClassName() const override { return "TqxSBWnd"; }
  void qxWndProc(TMessage& message) override;

 protected:
  std::u16string_view DefaultSection() const override;
  void Attach() override;
  void DetachWrapper() override;

 private:
  void WMPaint(TMessage& message, HDC dc);
  bool FHadTabStop = false;
};

}  // namespace qw
