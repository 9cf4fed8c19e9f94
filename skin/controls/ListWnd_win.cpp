#include "skin/controls/ListWnd_win.h"

#include <commctrl.h>

#include "skin/core/CommonData_win.h"
#include "skin/core/SkinState.h"
#include "skin/data/SkinManager.h"

namespace qw {

namespace {

constexpr TViewColorMessages kListViewColors{LVM_GETBKCOLOR,   LVM_SETBKCOLOR,     LVM_GETTEXTCOLOR,
                                             LVM_SETTEXTCOLOR, LVM_GETTEXTBKCOLOR, LVM_SETTEXTBKCOLOR};
constexpr TViewColorMessages kTreeViewColors{TVM_GETBKCOLOR, TVM_SETBKCOLOR, TVM_GETTEXTCOLOR, TVM_SETTEXTCOLOR, 0, 0};

}  // namespace

TqxViewWnd::TqxViewWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
                       const TViewColorMessages& messages)
    : TqxEditWnd(wnd, true, section, manager, skinData), FMessages(messages) {}

TqxViewWnd::~TqxViewWnd() {
  if (!Destroyed) Detach();
}

void TqxViewWnd::SaveStdParams() {
  TqxEditWnd::SaveStdParams();
  const auto get = [this](UINT msg) { return msg ? static_cast<COLORREF>(SendMessageW(CtrlHandle, msg, 0, 0)) : CLR_INVALID; };
  FStdBk = get(FMessages.GetBk);
  FStdText = get(FMessages.GetText);
  FStdTextBk = get(FMessages.GetTextBk);
}

void TqxViewWnd::RestoreStdParams() {
  if (FViewColored && IsWindow(CtrlHandle)) {
    if (FMessages.SetBk) SendMessageW(CtrlHandle, FMessages.SetBk, 0, static_cast<LPARAM>(FStdBk));
    if (FMessages.SetText) SendMessageW(CtrlHandle, FMessages.SetText, 0, static_cast<LPARAM>(FStdText));
    if (FMessages.SetTextBk) SendMessageW(CtrlHandle, FMessages.SetTextBk, 0, static_cast<LPARAM>(FStdTextBk));
    InvalidateRect(CtrlHandle, nullptr, TRUE);
  }
  FViewColored = false;
  TqxEditWnd::RestoreStdParams();
}

void TqxViewWnd::SetSkinParams() {
  TqxEditWnd::SetSkinParams();
  const TsSkinManager* m = Manager();
  if (!SkinData || !m || !m->IsValidSkinIndex(SkinData->SkinIndex())) return;
  const TsGeneralData& g = m->gd[static_cast<size_t>(SkinData->SkinIndex())];
  const COLORREF bk = static_cast<COLORREF>(
      Color != clNone ? ColorToRGB(Color) : ColorToRGB(static_cast<TColor>(g.Props[0].Color)));
  const COLORREF text = static_cast<COLORREF>(ColorToRGB(static_cast<TColor>(g.Props[0].FontColor.Color)));
  if (!SkinData->CustomColor()) {
    if (FMessages.SetBk) SendMessageW(CtrlHandle, FMessages.SetBk, 0, static_cast<LPARAM>(bk));
    if (FMessages.SetTextBk) SendMessageW(CtrlHandle, FMessages.SetTextBk, 0, static_cast<LPARAM>(bk));
  }
  if (!SkinData->CustomFont() && FMessages.SetText) SendMessageW(CtrlHandle, FMessages.SetText, 0, static_cast<LPARAM>(text));
  FViewColored = true;
}

TqxListViewWnd::TqxListViewWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
    : TqxViewWnd(wnd, section, manager, skinData, kListViewColors) {}

TqxTreeViewWnd::TqxTreeViewWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
    : TqxViewWnd(wnd, section, manager, skinData, kTreeViewColors) {}

}  // namespace qw
