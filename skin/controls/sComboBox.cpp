#include "skin/controls/sComboBox.h"

#include <commctrl.h>

#include "base/Geometry_win.h"
#include "fw/ClassRegistry.h"
#include "fw/FormNames.h"
#include "fw/FormReader.h"
#include "fw/MessageCrack.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/ComboListWnd_win.h"
#include "skin/controls/SkinFormNames.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/TextureFill.h"

namespace qw {

namespace {

constexpr UINT_PTR kFieldSubclassId = 0x51434D42;  // the inner edit's link, one per combo box

}  // namespace

LRESULT CALLBACK ComboFieldProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData) {
  auto* box = reinterpret_cast<TsComboBox*>(refData);
  LRESULT result = 0;
  if (box && box->FieldMessage(wnd, msg, wParam, lParam, result)) return result;
  return DefSubclassProc(wnd, msg, wParam, lParam);
}

TsComboBox::TsComboBox() {
  SkinData.COC = COC_TsComboBox;
  if (SkinData.SkinSection().empty()) SkinData.SetSkinSection(u"COMBOBOX");
}

TsComboBox::~TsComboBox() {
  ForgetList();
  // The window goes while the list brush and the field's link still belong to a whole control.
  DestroyHandle();
  if (FListBrush) DeleteObject(FListBrush);
}

void TsComboBox::Loaded() {
  TsSkinned::Loaded();
  HookField();
  WrapSimpleList();
}

void TsComboBox::CreateParams(TCreateParams& params) {
  TsSkinned::CreateParams(params);
  // The field and the items of the drop-down styles are drawn by the control; the strings stay in the list
  // so that it answers text. The simple box's list draws its own items in the colours it is given.
  if (Style() == csDropDown || Style() == csDropDownList) params.Style |= CBS_OWNERDRAWFIXED;
  params.Style |= CBS_HASSTRINGS;
  if (FRightToLeft) params.ExStyle |= WS_EX_RTLREADING | WS_EX_RIGHT;
}

void TsComboBox::CreateWindowHandleDone() {
  TsSkinned::CreateWindowHandleDone();
  HookField();
  WrapSimpleList();
}

void TsComboBox::SetDisabledKind(int kind) {
  if (kind == FDisabledKind) return;
  FDisabledKind = kind;
  RequestRepaint();
}

void TsComboBox::SetShowButton(bool value) {
  if (value == FShowButton) return;
  FShowButton = value;
  RequestRepaint();
}

void TsComboBox::SetAlignment(TAlignment value) {
  FAlignment = value;
  RequestRepaint();
}

int TsComboBox::MeasuredItemHeight() const {
  HDC dc = GetDC(nullptr);
  if (!dc) return FItemHeight;
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  SIZE size{};
  GetTextExtentPoint32W(dc, L"A", 1, &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return MulDiv(size.cy, actM, actD) + 2;
}

void TsComboBox::MeasureItem(int index, int& height) {
  if (IsOwnerDrawStyle()) return TComboBox::MeasureItem(index, height);
  height = MeasuredItemHeight();
}

void TsComboBox::RefreshItemHeight() {
  if (FHandle && IsWindowVisible(FHandle)) {
    // The list measured its items once, with the font it was created with: measured again, the field and
    // the items take the new font's height.
    for (const WPARAM part : {static_cast<WPARAM>(-1), WPARAM{0}}) {
      int height = static_cast<int>(SendMessageW(FHandle, CB_GETITEMHEIGHT, part, 0));
      MeasureItem(static_cast<int>(part), height);
      if (height > 0) SendMessageW(FHandle, CB_SETITEMHEIGHT, part, height);
    }
    // A drop-down box's window is its field: the picture follows the field's new height.
    RECT r;
    if (Style() != csSimple && GetWindowRect(FHandle, &r)) FHeight = r.bottom - r.top;
  }
  SkinData.BGChanged = true;
  RequestRepaint();
}

void TsComboBox::SetRightToLeft(bool value) {
  if (value == FRightToLeft) return;
  FRightToLeft = value;
  if (HandleAllocated()) RecreateWnd();
  RequestRepaint();
}

bool TsComboBox::ReadyToPaint() const { return FHandle && FParent && !IsLoading() && !IsDestroying(); }

HWND TsComboBox::FieldHandle() const {
  if (!FHandle) return nullptr;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  return GetComboBoxInfo(FHandle, &info) ? info.hwndItem : nullptr;
}

TqxScrollWnd* TsComboBox::ListWrapper() const { return static_cast<TqxScrollWnd*>(FListSW.get()); }

TComboLayoutInput TsComboBox::LayoutInput() const {
  TComboLayoutInput in;
  in.Width = Width();
  in.Height = Height();
  in.ScrollBarWidth = GetSystemMetrics(SM_CXVSCROLL);
  in.ShowButton = FShowButton;
  in.RightToLeft = FRightToLeft;
  in.Simple = Style() == csSimple;
  return in;
}

TRect TsComboBox::ButtonRect() const { return ComboButtonRect(LayoutInput()); }
TRect TsComboBox::FieldRect() const { return ComboFieldRect(LayoutInput()); }

int TsComboBox::ButtonHeight() const {
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (SkinData.Skinned() && m && m->IsValidImgIndex(m->ConstData.ComboGlyph))
    return MaskImageHeight(m->ma[static_cast<size_t>(m->ConstData.ComboGlyph)]);
  return 16;
}

bool TsComboBox::HasFocus() const {
  if (!FHandle) return false;
  HWND focus = GetFocus();
  if (focus && (focus == FHandle || focus == FFieldHandle || (FListHandle && focus == FListHandle))) return true;
  return SkinData.FFocused;
}

void TsComboBox::RedrawSkinned(bool now) {
  if (!FHandle || !Visible()) return;
  InvalidateRect(FHandle, nullptr, FALSE);
  if (FFieldHandle) InvalidateRect(FFieldHandle, nullptr, FALSE);
  if (now) UpdateWindow(FHandle);
}

void TsComboBox::EndParentUpdate(TMessage&) {
  if (!ReadyToPaint() || !SkinData.Skinned() || !SkinData.QueryUpdating()) return;
  SkinData.FUpdating = false;
  RequestRepaint();
}

void TsComboBox::ForgetList() {
  ReleaseWrapper(std::move(FListSW));
  FListHandle = nullptr;
}

// ---- The inner edit ------------------------------------------------------------------------------------

void TsComboBox::HookField() {
  HWND field = FieldHandle();
  if (field == FFieldHandle) return;
  UnhookField();
  if (field && SetWindowSubclass(field, &ComboFieldProc, kFieldSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    FFieldHandle = field;
}

void TsComboBox::UnhookField() {
  if (FFieldHandle) RemoveWindowSubclass(FFieldHandle, &ComboFieldProc, kFieldSubclassId);
  FFieldHandle = nullptr;
}

bool TsComboBox::FieldMessage(HWND field, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  if (msg == WM_NCDESTROY) {
    UnhookField();
    return false;
  }
  if (FReadOnly) {
    switch (msg) {
      case WM_SYSKEYDOWN:
        // Alt+Down opens the list straight from the field.
        if (ReadOnlyIgnoresKey(static_cast<uint32_t>(wParam))) return true;
        break;
      case WM_KEYDOWN:
      case WM_KEYUP:
      case WM_CHAR:
      case WM_SYSKEYUP:
      case WM_CUT:
      case WM_PASTE:
      case WM_CLEAR:
      case WM_UNDO:
      case EM_UNDO:
      case WM_MOUSEWHEEL:
        return true;
      default:
        break;
    }
  }
  switch (msg) {
    case WM_GETOBJECT:
      return FFieldAccess.Host.Answer(field, wParam, lParam, result);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The notifications go on as usual; the look follows the focus afterwards.
      result = DefSubclassProc(field, msg, wParam, lParam);
      FocusChanged();
      return true;
    case WM_SETTEXT:
      result = DefSubclassProc(field, msg, wParam, lParam);
      SkinData.BGChanged = true;
      RequestRepaint();
      return true;
    case WM_MOUSEMOVE: {
      // The field covers most of the box: the mouse over it is over the box, and leaving the field may
      // leave the box without crossing the box's own window.
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, field, 0};
      TrackMouseEvent(&track);
      if (!SkinData.FMouseAbove && FHandle) SendMessageW(FHandle, FW_MOUSE_ENTER, 0, 0);
      return false;
    }
    case WM_MOUSELEAVE:
      if (FHandle) SendMessageW(FHandle, FW_MOUSE_LEAVE, 0, 0);
      return false;
    default:
      break;
  }
  if (!ReadyToPaint() || !SkinData.Skinned()) return false;
  // The simple box's field is always the system's: its list below shows the items typed towards.
  const bool systemDraws = Style() == csSimple || (HasFocus() && Enabled() && !FReadOnly);
  switch (msg) {
    case WM_PAINT: {
      if (systemDraws) return false;
      // The field shows the cache's picture of it (the text in the skin's look).
      PAINTSTRUCT ps;
      HDC given = DcFrom(wParam);
      HDC dc = given ? given : BeginPaint(field, &ps);
      if (dc && !AnimationRunning) {
        if (SkinData.BGChanged) PrepareCache();
        if (const TBitmap32* cache = SkinData.CacheBmp(); cache && !cache->Empty()) {
          RECT fr;
          GetWindowRect(field, &fr);
          MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&fr), 2);
          CopyBitmapToDC(dc, *cache, RectOf(fr), TPoint{});
        }
      }
      if (!given) EndPaint(field, &ps);
      return true;
    }
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      if (systemDraws) return false;
      result = 1;
      return true;
    default:
      return false;
  }
}

void TsComboBox::FocusChanged() {
  HWND focus = GetFocus();
  const bool inside = focus && (focus == FHandle || focus == FFieldHandle || (FListHandle && focus == FListHandle));
  if (!inside && FDropDown && FHandle) SendMessageW(FHandle, CB_SHOWDROPDOWN, FALSE, 0);
  SkinData.FFocused = inside;
  if (!inside) SkinData.FMouseAbove = false;
  SkinData.BGChanged = true;
  RequestRepaint();
}

// ---- Messages ------------------------------------------------------------------------------------------

void TsComboBox::WndProc(TMessage& message) {
  if (message.Msg == SkinCommandMsg && SkinCommand(message)) return;
  if (ReadOnlyFilter(message)) return;
  if (!ReadyToPaint() || !SkinData.Skinned()) {
    if (message.Msg == CN_DRAWITEM) return CNDrawItem(message, RecordFrom<DRAWITEMSTRUCT>(message.LParam));
    TsSkinned::WndProc(message);
    if (message.Msg == FW_FONT_CHANGED) RefreshItemHeight();
    return BoundLabel.ControlMessage(message.Msg, FDisabledKind);
  }
  if (SkinnedMessage(message)) return;
  if (SkinData.CommonWndProc(message)) return;
  TComboBox::WndProc(message);
  AfterFramework(message);
  BoundLabel.ControlMessage(message.Msg, FDisabledKind);
}

bool TsComboBox::SkinCommand(TMessage& message) {
  const bool ours = reinterpret_cast<TsSkinManager*>(message.LParam) == SkinData.EffectiveManager();
  switch (SkinCommandCode(message.WParam)) {
    case skcNewSkin:
      if (!ours) return false;
      SkinData.CommonWndProc(message);
      if (FListSW && FListHandle) SendToWindow(FListHandle, message);
      WrapSimpleList();
      SkinData.BGChanged = true;
      RequestRepaint();
      return true;
    case skcRemoveSkin:
      if (!ours) return false;
      SkinData.CommonWndProc(message);
      if (!SkinData.CustomColor()) SetColor(clWindow);
      if (!SkinData.CustomFont()) Font().SetColor(clWindowText);
      ForgetList();
      RequestRepaint();
      return true;
    case skcRefresh:
      if (!ours) return false;
      SkinData.CommonWndProc(message);
      SkinData.BGChanged = true;
      RequestRepaint();
      return true;
    case skcEndParentUpdate:
      EndParentUpdate(message);
      return true;
    case skcIsSkinned:
      message.Result = 1;
      return true;
    case skcMenuBorder:
      message.Result = FDropDown ? 1 : 0;
      return true;
    case skcMouseLeave:
      if (FHandle) SendMessageW(FHandle, FW_MOUSE_LEAVE, 0, 0);
      return false;
    default:
      return false;
  }
}

bool TsComboBox::ReadOnlyFilter(TMessage& message) {
  if (!FReadOnly) return false;
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
    case CN_SYSCHAR:
      if (!ReadOnlyIgnoresKey(static_cast<uint32_t>(message.WParam))) return false;
      message.Result = 1;  // a reflected key answered non-zero is not handed on to the field
      return true;
    case WM_CHAR:
    case CN_CHAR:
      message.Result = 1;
      return true;
    case WM_COMMAND:
    case CN_COMMAND:
      if (HiWord(message.WParam) != kComboDropDownNotification) return false;
      message.Result = 0;
      return true;
    case CB_SHOWDROPDOWN:
    case WM_MOUSEWHEEL:
      message.Result = 0;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The button-down would open the list: the click only focuses the box.
      if (CanFocus()) SetFocus();
      if (message.Msg == WM_LBUTTONDBLCLK) DblClick();
      message.Result = 0;
      return true;
    default:
      return false;
  }
}

bool TsComboBox::SkinnedMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case FW_ENTER:
      if (!CanFocus()) return false;
      SkinData.FFocused = true;
      SkinData.FMouseAbove = false;
      SkinData.BGChanged = true;
      TComboBox::WndProc(message);
      RequestRepaint();
      return true;
    case WM_KILLFOCUS:
    case FW_EXIT:
      TComboBox::WndProc(message);
      FocusChanged();
      return true;
    case WM_PAINT:
      WMPaint(message, DcFrom(message.WParam));
      return true;
    case WM_ERASEBKGND:
      message.Result = 1;
      return true;
    case WM_NCPAINT:
      if (AnimationRunning) PaintFromCache(nullptr);
      message.Result = 0;
      return true;
    case WM_PRINT:
      SkinData.FUpdating = false;
      PaintFromCache(DcFrom(message.WParam));
      if (HDC dc = DcFrom(message.WParam); dc && SkinData.CacheBmp())
        CopyBitmapToDC(dc, *SkinData.CacheBmp(), TRect{0, 0, Width(), Height()}, TPoint{});
      message.Result = 0;
      return true;
    case WM_SETFONT:
    case FW_VISIBLE_CHANGED:
    case FW_ENABLED_CHANGED:
    case FW_COLOR_CHANGED:
    case FW_MOUSE_WHEEL:
      SkinData.BGChanged = true;
      return false;
    case WM_CTLCOLORLISTBOX:
      WMCtlColorListBox(message, DcFrom(message.WParam), HwndFrom(message.LParam));
      return true;
    case CN_COMMAND:
      CNCommand(HiWord(message.WParam));
      return false;
    case CN_DRAWITEM:
      CNDrawItem(message, RecordFrom<DRAWITEMSTRUCT>(message.LParam));
      return true;
    case FW_MOUSE_ENTER:
      MouseEnterLeave(message, true);
      return true;
    case FW_MOUSE_LEAVE:
      MouseEnterLeave(message, false);
      return true;
    default:
      return false;
  }
}

void TsComboBox::AfterFramework(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFONT:
    case FW_ENABLED_CHANGED:
      RequestRepaint();
      return;
    case CB_SETCURSEL:
    case FW_TEXT_CHANGED:
    case FW_CHANGED:
      SkinData.BGChanged = true;
      RequestRepaint();
      return;
    case FW_FONT_CHANGED:
      return RefreshItemHeight();
    default:
      return;
  }
}

void TsComboBox::CNCommand(UINT notifyCode) {
  if (notifyCode == CBN_DROPDOWN) {
    FDropDown = true;
    SkinData.BGChanged = true;
    RequestRepaint();
  } else if (notifyCode == CBN_CLOSEUP) {
    FDropDown = false;
    SkinData.BGChanged = true;
    RequestRepaint();
  }
}

void TsComboBox::MouseEnterLeave(TMessage& message, bool entering) {
  if (FDropDown) return TComboBox::WndProc(message);
  if (!entering) {
    POINT p;
    RECT r;
    // Moving onto the field inside is not leaving the box.
    if (GetCursorPos(&p) && GetWindowRect(FHandle, &r) && PtInRect(&r, p)) return;
  } else if (SkinData.FMouseAbove) {
    return;
  }
  SkinData.FMouseAbove = entering;
  SkinData.BGChanged = true;
  RequestRepaint();
  // The skin data makes the box the hot control and shows or removes its glow.
  if (!SkinData.CommonWndProc(message)) TComboBox::WndProc(message);
}

void TsComboBox::WrapList(HWND list) {
  if (IsLoading() || FListHandle || !list) return;
  FListHandle = list;
  FListSW = TqxMainWnd::Create<TqxComboListWnd>(list, Style() == csSimple, true, u"EDIT", SkinData.EffectiveManager(),
                                                nullptr);
}

void TsComboBox::WrapSimpleList() {
  if (Style() != csSimple || FListHandle || !FHandle || !SkinData.Skinned()) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (GetComboBoxInfo(FHandle, &info)) WrapList(info.hwndList);
}

void TsComboBox::WMCtlColorListBox(TMessage& message, HDC dc, HWND list) {
  WrapList(list);
  const TsSkinManager* m = SkinData.EffectiveManager();
  const COLORREF color = static_cast<COLORREF>(ColorToRGB(static_cast<TColor>(m ? m->GetActiveEditColor() : clWindow)));
  if (color != FListBrushColor || !FListBrush) {
    if (FListBrush) DeleteObject(FListBrush);
    FListBrush = CreateSolidBrush(color);
    FListBrushColor = color;
  }
  SetBkColor(dc, color);
  if (m) SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(static_cast<TColor>(m->GetActiveEditFontColor()))));
  message.Result = reinterpret_cast<LRESULT>(FListBrush);
}

// ---- Published properties ------------------------------------------------------------------------------

void RegisterComboBoxClass(TClassRegistry& g) {
  using C = TsComboBox;
  using V = const TFormValue&;
  using R = TFormReader&;
  const std::string n = "TsComboBox";
  g.Property<C>(n, "ReadOnly", [](C& c, V v, R r) { c.SetReadOnly(r.Bool(v)); });
  g.Property<C>(n, "DisabledKind", [](C& c, V v, R) { c.SetDisabledKind(FormFlags(v, kDisabledKindNames, "disabled kind")); });
  g.Property<C>(n, "Alignment", [](C& c, V v, R) { c.SetAlignment(FormEnum(v, kAlignmentNames, "alignment")); });
}

}  // namespace qw
