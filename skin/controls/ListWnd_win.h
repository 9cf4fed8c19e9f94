#pragma once
// Wrappers of the system's list and tree views: edit-like frames and scroll bars, and the skin's colours
// given to the view through its own colour messages (and the view's colours given back afterwards).
#include "skin/controls/EditWnd_win.h"

namespace qw {

// The messages a view reads and sets its background and text colours with.
struct TViewColorMessages {
  UINT GetBk, SetBk, GetText, SetText, GetTextBk, SetTextBk;  // 0: the view has no such colour
};

class TqxViewWnd : public TqxEditWnd {
 public:
  TqxViewWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
             const TViewColorMessages& messages);
  ~TqxViewWnd() override;
  void SaveStdParams() override;
  void RestoreStdParams() override;
  void SetSkinParams() override;

 private:
  TViewColorMessages FMessages;
  COLORREF FStdBk = CLR_INVALID, FStdText = CLR_INVALID, FStdTextBk = CLR_INVALID;
  bool FViewColored = false;
};

class TqxListViewWnd : public TqxViewWnd {
 public:
  TqxListViewWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData);
  const char* ClassName() const override { return "TqxListViewWnd"; }
};

class TqxTreeViewWnd : public TqxViewWnd {
 public:
  TqxTreeViewWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData);
  const char* ClassName() const override { return "TqxTreeViewWnd"; }
};

}  // namespace qw
