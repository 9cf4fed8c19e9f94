#pragma once
// TqxSizerWnd: the wrapper of a size grip (a scroll bar with the size-grip style in a dialog's corner):
// its section on the parent's background with the grip's dots in the section's text colour.
#include "skin/controls/SectionWnd_win.h"

namespace qw {

class TqxSizerWnd : public TqxSectionWnd {
 public:
  TqxSizerWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
      : TqxSectionWnd(wnd, section, manager, skinData, u"CHECKBOX") {}
  const char* ClassName() const override { return "TqxSizerWnd"; }

  void qxWndProc(TMessage& message) override;

 private:
  void WMPaint(TMessage& message, HDC given);
};

}  // namespace qw
