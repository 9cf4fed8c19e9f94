#include "skin/controls/ComboListWnd_win.h"

#include "fw/MessageCrack.h"
#include "image/BitmapDC_win.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

// The list box of a combo box tells itself when it starts and stops tracking the mouse (it is open).
constexpr UINT kListStartTrack = 0x1AE;
constexpr UINT kListEndTrack = 0x1AF;

}  // namespace

TqxComboListWnd::TqxComboListWnd(HWND list, bool simplyBox, bool scrollBars, std::u16string_view section,
                                 TsSkinManager* manager, TsCommonData* skinData)
    : TqxEditWnd(list, scrollBars, section, manager, skinData), SimplyBox(simplyBox) {
  GetWindowRect(list, &WndRect);
  if (SimplyBox) return;
  // One pixel wider, the dropped list's frame lines up with the box's, whose button ends one pixel in.
  SetWindowPos(list, nullptr, 0, 0, WndRect.right - WndRect.left + 1, WndRect.bottom - WndRect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  GetWindowRect(list, &WndRect);
}

void TqxComboListWnd::WMEraseBkgnd(TMessage& message, HDC dc) {
  if (!dc) return CallPrevWndProc(message);
  RECT r;
  GetClientRect(CtrlHandle, &r);
  // Below the last item the list shows the colour the skin gave it, not the system's window colour.
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color == clNone ? clWindow : Color)));
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  message.Result = 1;
}

void TqxComboListWnd::PaintStripBelow() {
  HWND box = GetParent(CtrlHandle);
  HWND boxParent = box ? GetParent(box) : nullptr;
  if (!boxParent) return;
  RECT list, whole;
  GetWindowRect(CtrlHandle, &list);
  GetWindowRect(box, &whole);
  const int width = whole.right - whole.left, height = whole.bottom - list.bottom;
  if (width <= 0 || height <= 0) return;
  TBackgroundInfo info;
  RequestWindowBackground(box, info, false);
  POINT at{whole.left, list.bottom};
  ScreenToClient(boxParent, &at);
  TBitmap32 strip(width, height);
  PaintParentBackground(strip, TRect{0, 0, width, height}, CacheInfoOf(info), TPoint{at.x, at.y});
  HDC dc = GetWindowDC(box);
  if (!dc) return;
  CopyBitmapToDC(dc, strip, TRect{0, 0, width, height}, TPoint{0, static_cast<int>(list.bottom - whole.top)});
  ReleaseDC(box, dc);
}

void TqxComboListWnd::qxWndProc(TMessage& message) {
  if (!Skinned()) return TqxEditWnd::qxWndProc(message);
  switch (message.Msg) {
    case WM_ERASEBKGND:
      return WMEraseBkgnd(message, DcFrom(message.WParam));
    case WM_HSCROLL:
    case WM_VSCROLL:
      return CallPrevWndProc(message);
    case kListStartTrack:
      Showed = true;
      break;
    case kListEndTrack:
      Showed = false;
      if (SkinData) SkinData->BGChanged = true;
      break;
    case WM_NCPAINT:
      TqxEditWnd::qxWndProc(message);
      if (!Destroyed && SimplyBox) PaintStripBelow();
      return;
    default:
      break;
  }
  TqxEditWnd::qxWndProc(message);
  if (!Destroyed && message.Msg == WM_WINDOWPOSCHANGED) UpdateBars(true);
}

}  // namespace qw
