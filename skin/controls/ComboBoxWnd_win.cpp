#include "skin/controls/ComboBoxWnd_win.h"

#include <algorithm>

#include "fw/MessageCrack.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/ComboListWnd_win.h"
#include "skin/controls/WrapperCache_win.h"
#include "skin/controls/sComboBox.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"

namespace qw {

namespace {

constexpr int kFrameBand = 3;

}  // namespace

TqxComboBoxWnd::TqxComboBoxWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
    : TqxEditWnd(wnd, false, section, manager, skinData) {}

TqxComboBoxWnd::~TqxComboBoxWnd() {
  ForgetList();
  if (FListBrush) DeleteObject(FListBrush);
}

std::u16string_view TqxComboBoxWnd::DefaultSection() const {
  return GivenSection().empty() ? std::u16string_view(u"COMBOBOX") : GivenSection();
}

void TqxComboBoxWnd::ForgetList() {
  ReleaseWrapper(std::move(FListSW));
  FListHandle = nullptr;
}

TRect TqxComboBoxWnd::ButtonRect() const {
  RECT r{};
  GetClientRect(CtrlHandle, &r);
  const LONG style = GetWindowLongW(CtrlHandle, GWL_STYLE);
  TComboLayoutInput in;
  in.Width = r.right;
  in.Height = r.bottom;
  // A foreign box's button is as wide as a scroll bar (the layout adds one pixel of its own).
  in.ScrollBarWidth = GetSystemMetrics(SM_CXVSCROLL) - 1;
  in.ShowButton = (style & CBS_DROPDOWN) != 0;  // also set in CBS_DROPDOWNLIST
  in.RightToLeft = (GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  return ComboButtonRect(in);
}

int TqxComboBoxWnd::ButtonState() const {
  if (FListHandle && IsWindowVisible(FListHandle)) return 2;
  if (SkinData && (SkinData->ControlIsActive() || SkinData->FMouseAbove || SkinData->FFocused)) return 1;
  return ActiveControl() == CtrlHandle ? 1 : 0;
}

void TqxComboBoxWnd::PaintButton(HDC dc) {
  const TsSkinManager* m = Manager();
  const TBitmap32* cache = SkinData ? SkinData->CacheBmp() : nullptr;
  const TRect b = ButtonRect();
  if (!m || !cache || cache->Empty() || b.Right <= b.Left) return;
  // The button is painted on a copy, so the cache keeps the section for the next state.
  TBitmap32 copy = cache->Clone();
  TComboLayoutInput in;
  in.Width = copy.Width();
  in.Height = copy.Height();
  in.ScrollBarWidth = b.Right - b.Left - 1;
  in.RightToLeft = b.Left == 2 && (GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  PaintComboButton(copy, *m, in, ButtonState());
  CopyBitmapToDC(dc, copy, b, TPoint{b.Left, b.Top});
}

void TqxComboBoxWnd::RepaintButton() {
  if (!WindowVisible()) return;
  HDC dc = GetDC(CtrlHandle);
  if (!dc) return;
  PaintButton(dc);
  ReleaseDC(CtrlHandle, dc);
}

bool TqxComboBoxWnd::IsSimple() const { return (GetWindowLongW(CtrlHandle, GWL_STYLE) & 3) == CBS_SIMPLE; }

bool TqxComboBoxWnd::PrepareSimple() {
  SkinData->BGChanged = true;
  const int itemHeight = static_cast<int>(SendMessageW(CtrlHandle, CB_GETITEMHEIGHT, 0, 0));
  return PrepareWrapperCache(*SkinData, CtrlHandle, DlgMode, std::max(itemHeight, 0) + 8);
}

void TqxComboBoxWnd::PaintSkinParts(HDC dc) {
  SkinData->BGChanged = true;
  const bool simple = IsSimple();
  if (!(simple ? PrepareSimple() : PrepareCache())) return;
  const TBitmap32* cache = SkinData->CacheBmp();
  if (!cache || cache->Empty()) return;
  const int w = cache->Width(), h = cache->Height();
  const TRect bands[4] = {{0, 0, w, kFrameBand}, {0, h - kFrameBand, w, h}, {0, kFrameBand, kFrameBand, h - kFrameBand},
                          {w - kFrameBand, kFrameBand, w, h - kFrameBand}};
  for (const TRect& r : bands) CopyBitmapToDC(dc, *cache, r, TPoint{r.Left, r.Top});
  if (!simple) PaintButton(dc);
}

void TqxComboBoxWnd::WMPaint(TMessage& message, HDC given) {
  if (!ParamsChanged) SetSkinParams();
  // The system draws the field and its text first; the skin's frame and button go over its own.
  CallPrevWndProc(message);
  if (Destroyed || !WindowVisible() || AnimationRunning) return;
  SkinData->FUpdating = SkinData->QueryUpdating();
  if (SkinData->FUpdating) return;
  HDC dc = given ? given : GetDC(CtrlHandle);
  if (!dc) return;
  PaintSkinParts(dc);
  if (!given) ReleaseDC(CtrlHandle, dc);
}

void TqxComboBoxWnd::WMCtlColorListBox(TMessage& message, HDC dc, HWND list) {
  FInColorMessage = true;
  CallPrevWndProc(message);
  FInColorMessage = false;
  if (Destroyed) return;
  if (!FListHandle && list) {
    FListHandle = list;
    const bool simple = IsSimple();
    const bool hasItems = SendMessageW(CtrlHandle, CB_GETCOUNT, 0, 0) > 0;
    FListSW = TqxMainWnd::Create<TqxComboListWnd>(list, simple, hasItems, u"EDIT", Manager(), nullptr);
  }
  const TsSkinManager* m = Manager();
  // The list writes its section index into the variable; the command's own answer only says it did.
  int index = -1;
  SendSkinCommandToWindow(FListHandle, skcGetSkinIndex, reinterpret_cast<LPARAM>(&index));
  if (!m || DlgMode || !m->IsValidSkinIndex(index)) return;
  const TsGeneralData& g = m->gd[static_cast<size_t>(index)];
  const COLORREF color = static_cast<COLORREF>(ColorToRGB(static_cast<TColor>(g.Props[0].Color)));
  if (g.Props[0].FontColor.Color >= 0)
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(static_cast<TColor>(g.Props[0].FontColor.Color))));
  SetBkColor(dc, color);
  if (color != FListBrushColor || !FListBrush) {
    if (FListBrush) DeleteObject(FListBrush);
    FListBrush = CreateSolidBrush(color);
    FListBrushColor = color;
  }
  message.Result = reinterpret_cast<LRESULT>(FListBrush);
}

void TqxComboBoxWnd::qxWndProc(TMessage& message) {
  if (!Skinned()) return TqxEditWnd::qxWndProc(message);
  if (message.Msg == SkinCommandMsg) {
    const TSkinCommand code = SkinCommandCode(message.WParam);
    const bool ours = reinterpret_cast<TsSkinManager*>(message.LParam) == Manager();
    TqxEditWnd::qxWndProc(message);
    if (Destroyed) return;
    if (code == skcRemoveSkin && ours) ForgetList();
    if (code == skcMouseEnter || code == skcMouseLeave) RepaintButton();
    return;
  }
  switch (message.Msg) {
    case WM_PAINT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_CTLCOLORLISTBOX:
      if (FInColorMessage) return CallPrevWndProc(message);
      return WMCtlColorListBox(message, DcFrom(message.WParam), HwndFrom(message.LParam));
    case WM_PRINT:
      CallPrevWndProc(message);
      if (HDC dc = DcFrom(message.WParam); dc && !Destroyed) PaintSkinParts(dc);
      return;
    case WM_COMMAND:
      TqxEditWnd::qxWndProc(message);
      if (!Destroyed && (HiWord(message.WParam) == CBN_CLOSEUP || HiWord(message.WParam) == CBN_DROPDOWN)) {
        SkinData->BGChanged = true;
        RepaintButton();
      }
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONUP:
    case FW_MOUSE_ENTER:
    case FW_MOUSE_LEAVE:
      if (message.Msg == FW_MOUSE_ENTER) SkinData->FMouseAbove = true;
      if (message.Msg == FW_MOUSE_LEAVE) {
        POINT p;
        RECT r;
        // Moving onto the field inside is not leaving the box.
        if (!(GetCursorPos(&p) && GetWindowRect(CtrlHandle, &r) && PtInRect(&r, p))) SkinData->FMouseAbove = false;
      }
      SkinData->BGChanged = true;
      TqxEditWnd::qxWndProc(message);
      if (!Destroyed) InvalidateRect(CtrlHandle, nullptr, FALSE);
      return;
    default:
      return TqxEditWnd::qxWndProc(message);
  }
}

}  // namespace qw
