#include "fw/WinControl.h"

#include <algorithm>
#include <exception>
#include <set>
#include <stdexcept>

#include "fw/Application.h"
#include "fw/Canvas.h"
#include "fw/Form.h"
#include "fw/Menu.h"

namespace qw {

namespace {

constexpr wchar_t kControlProp[] = L"QwFwControl";

HCURSOR CursorHandle(TCursor cursor) {
  switch (cursor) {
    case crDrag: {
      HCURSOR own = LoadCursorW(GetModuleHandleW(nullptr), L"DRAGCURSOR");
      return own ? own : LoadCursorW(nullptr, IDC_ARROW);
    }
    case crHandPoint:
      return LoadCursorW(nullptr, IDC_HAND);
    default:
      return LoadCursorW(nullptr, IDC_ARROW);
  }
}

void RegisterOwnClass(const TCreateParams& params, WNDPROC proc) {
  static std::set<std::wstring> registered;
  if (registered.count(params.WinClassName)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = params.ClassStyle;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = params.WinClassName.c_str();
  RegisterClassExW(&wc);
  registered.insert(params.WinClassName);
}

}  // namespace

TWinControl::TWinControl() = default;

TWinControl::~TWinControl() {
  // Children outlive this part of the object only as pointers; they must not call back into it.
  for (TControl* c : FControls) c->FParent = nullptr;
  FControls.clear();
  DestroyHandle();
  if (FBrush) DeleteObject(FBrush);
}

// ---- Window life -----------------------------------------------------------------------------------

TWinControl* TWinControl::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  return static_cast<TWinControl*>(GetPropW(hwnd, kControlProp));
}

TWinControl* TWinControl::FindControl(HWND hwnd) {
  for (; hwnd; hwnd = GetParent(hwnd))
    if (TWinControl* c = FromHandle(hwnd)) return c;
  return nullptr;
}

LRESULT TWinControl::Dispatch(TWinControl* control, HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  try {
    control->WindowProc(message);
  } catch (const std::exception& e) {
    // An exception must never unwind through the system's window-procedure frames.
    Application().HandleException(e);
  }
  if (msg == WM_NCDESTROY) control->WindowDestroyed();
  return message.Result;
}

LRESULT CALLBACK TWinControl::InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(hwnd);
  if (!control && msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    control = static_cast<TWinControl*>(cs->lpCreateParams);
    if (control) {
      SetPropW(hwnd, kControlProp, control);
      control->FHandle = hwnd;
    }
  }
  if (!control) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return Dispatch(control, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK TWinControl::SubclassWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(hwnd);
  if (!control) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return Dispatch(control, hwnd, msg, wParam, lParam);
}

void TWinControl::WindowDestroyed() {
  if (FHandle) RemovePropW(FHandle, kControlProp);
  FHandle = nullptr;
  FDefWndProc = nullptr;
  FTrackingMouse = false;
  FMouseControl = nullptr;
  FCaptureControl = nullptr;
}

void TWinControl::CreateParams(TCreateParams& params) {
  const std::string name = ClassName();
  params.WinClassName = L"Fw" + std::wstring(name.begin(), name.end());
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FVisible) params.Style |= WS_VISIBLE;
  if (!FEnabled) params.Style |= WS_DISABLED;
  if (TabStop) params.Style |= WS_TABSTOP;
  params.X = FLeft;
  params.Y = FTop;
  params.Width = FWidth;
  params.Height = FHeight;
  params.WndParent = FParent ? FParent->Handle() : nullptr;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (!params.SystemClass) RegisterOwnClass(params, InitWndProc);
  static UINT nextId = 100;
  const HMENU id = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nextId++)) : nullptr;
  HWND hwnd = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), FText.c_str(), params.Style, params.X,
                              params.Y, params.Width, params.Height, params.WndParent, id,
                              GetModuleHandleW(nullptr), params.SystemClass ? nullptr : this);
  if (!hwnd) throw std::runtime_error("Error creating window of class " + std::string(ClassName()));
  if (params.SystemClass) {
    FHandle = hwnd;
    SetPropW(hwnd, kControlProp, this);
    FDefWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassWndProc)));
  }
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Handle()), FALSE);
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (FParent && !FParent->HandleAllocated()) {
    FParent->HandleNeeded();
    if (FHandle) return;
  }
  CreateWnd();
  CreateWindowHandleDone();
  for (TControl* c : std::vector<TControl*>(FControls))
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
}

void TWinControl::DestroyHandle() {
  if (FHandle) DestroyWindow(FHandle);
}

void TWinControl::DefaultHandler(TMessage& message) {
  // The framework's own numbers mean nothing to the system's window procedures.
  if (!FHandle || (message.Msg >= 0xB000 && message.Msg < 0xC000)) return;
  if (FDefWndProc)
    message.Result = CallWindowProcW(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
  else
    message.Result = DefWindowProcW(FHandle, message.Msg, message.WParam, message.LParam);
}

// ---- Children --------------------------------------------------------------------------------------

void TWinControl::InsertControl(TControl* control) {
  if (std::find(FControls.begin(), FControls.end(), control) == FControls.end()) FControls.push_back(control);
  if (auto* w = dynamic_cast<TWinControl*>(control); w && FHandle && !IsLoading()) {
    w->FParent = this;
    w->HandleNeeded();
  }
}

void TWinControl::RemoveControl(TControl* control) {
  FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
  if (FMouseControl == control) FMouseControl = nullptr;
  if (FCaptureControl == control) FCaptureControl = nullptr;
}

// ---- Properties ------------------------------------------------------------------------------------

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (FHandle) SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, FWidth, FHeight};
  if (FHandle) GetClientRect(FHandle, &r);
  return r;
}

std::wstring TWinControl::Text() const {
  if (!FHandle) return FText;
  const int n = GetWindowTextLengthW(FHandle);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(FHandle, s.data(), n + 1);
  s.resize(static_cast<size_t>(std::max(got, 0)));
  return s;
}

void TWinControl::SetText(const std::wstring& text) {
  if (!FHandle) {
    TControl::SetText(text);
    return;
  }
  FText = text;
  if (Text() == text) return;
  // WM_SETTEXT runs through the chain, which raises FW_TEXT_CHANGED once the window has the text.
  SendMessageW(FHandle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::UpdateVisibility() {
  if (FHandle) ShowWindow(FHandle, FVisible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::UpdateEnabled() {
  if (FHandle) EnableWindow(FHandle, FEnabled);
}

void TWinControl::UpdateFont() {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Handle()), TRUE);
  for (TControl* c : FControls) c->ParentFontChanged();
}

void TWinControl::UpdateColor() {
  if (FBrush) DeleteObject(FBrush);
  FBrush = nullptr;
  for (TControl* c : FControls) c->ParentColorChanged();
}

void TWinControl::ParentFontChanged() { TControl::ParentFontChanged(); }

void TWinControl::ParentColorChanged() { TControl::ParentColorChanged(); }

HBRUSH TWinControl::BrushHandle() {
  if (!FBrush) FBrush = CreateSolidBrush(ColorToRGB(FColor));
  return FBrush;
}

// ---- Focus and tab order ---------------------------------------------------------------------------

bool TWinControl::CanFocus() const { return FHandle && Showing() && EnabledChain(); }

bool TWinControl::Focused() const {
  HWND focus = GetFocus();
  return focus && FindControl(focus) == this;
}

void TWinControl::SetFocus() {
  if (FHandle) ::SetFocus(FHandle);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  std::vector<TWinControl*> children;
  for (TControl* c : FControls)
    if (auto* w = dynamic_cast<TWinControl*>(c)) children.push_back(w);
  std::stable_sort(children.begin(), children.end(),
                   [](const TWinControl* a, const TWinControl* b) { return a->TabOrder < b->TabOrder; });
  for (TWinControl* w : children) {
    list.push_back(w);
    w->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  const int n = static_cast<int>(list.size());
  if (n == 0) return nullptr;
  int start = -1;
  for (int i = 0; i < n; ++i)
    if (list[static_cast<size_t>(i)] == current) start = i;
  if (start < 0) start = forward ? n - 1 : 0;
  int i = start;
  for (int step = 0; step < n; ++step) {
    i = forward ? (i + 1) % n : (i + n - 1) % n;
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c != current && c->TabStop && c->CanFocus()) return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward) {
  if (TWinControl* next = FindNextControl(current, forward)) next->SetFocus();
}

// ---- Painting --------------------------------------------------------------------------------------

void TWinControl::PaintWindow(TCanvas& canvas) {
  canvas.SetBrushColor(FColor);
  canvas.FillRect(ClientRect());
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : FControls) {
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    RECT r = c->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
    {
      TCanvas canvas(dc);
      c->Paint(canvas);
    }
    RestoreDC(dc, saved);
  }
}

void TWinControl::WMPaint(TMessage& message) {
  if (!FOwnPaint) {
    DefaultHandler(message);
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = message.WParam ? reinterpret_cast<HDC>(message.WParam) : BeginPaint(FHandle, &ps);
  {
    TCanvas canvas(dc);
    PaintWindow(canvas);
  }
  PaintControls(dc);
  if (!message.WParam) EndPaint(FHandle, &ps);
  message.Result = 0;
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  if (FOwnPaint) message.Result = 1;  // the whole face is painted in WM_PAINT
  else DefaultHandler(message);
}

// ---- Mouse -----------------------------------------------------------------------------------------

TControl* TWinControl::ControlAtPos(POINT pt, bool allowDisabled) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, pt)) return c;
  }
  return nullptr;
}

void TWinControl::SetMouseControl(TControl* control) {
  if (control == FMouseControl) return;
  TControl* old = FMouseControl;
  FMouseControl = control;
  if (old) old->Perform(FW_MOUSE_LEAVE);
  if (control) control->Perform(FW_MOUSE_ENTER);
}

void TWinControl::WMMouseMove(TMessage& message) {
  if (!FTrackingMouse && FHandle) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, FHandle, 0};
    FTrackingMouse = TrackMouseEvent(&tme) != FALSE;
    Perform(FW_MOUSE_ENTER);
  }
  POINT pt{LParamX(message.LParam), LParamY(message.LParam)};
  SetMouseControl(ControlAtPos(pt, false));
  if (!RouteMouseToGraphic(message)) TControl::WndProc(message);
}

void TWinControl::WMMouseLeave(TMessage& message) {
  FTrackingMouse = false;
  SetMouseControl(nullptr);
  Perform(FW_MOUSE_LEAVE);
  DefaultHandler(message);
}

bool TWinControl::RouteMouseToGraphic(TMessage& message) {
  POINT pt{LParamX(message.LParam), LParamY(message.LParam)};
  TControl* target = FCaptureControl ? FCaptureControl : ControlAtPos(pt, false);
  if (!target) return false;
  const bool down = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN ||
                    message.Msg == WM_LBUTTONDBLCLK;
  const bool up = message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP;
  if (down) {
    FCaptureControl = target;
    SetCapture(FHandle);
  }
  message.Result = target->Perform(message.Msg, message.WParam,
                                   MakeLParam(pt.x - target->Left(), pt.y - target->Top()));
  if (up) {
    FCaptureControl = nullptr;
    if (GetCapture() == FHandle) ReleaseCapture();
  }
  return true;
}

void TWinControl::WMSetCursor(TMessage& message) {
  if (reinterpret_cast<HWND>(message.WParam) == FHandle && LOWORD(message.LParam) == HTCLIENT) {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(FHandle, &pt);
    TControl* c = ControlAtPos(pt, false);
    const TCursor cursor = c ? c->Cursor : Cursor;
    if (cursor != crDefault) {
      SetCursor(CursorHandle(cursor));
      message.Result = TRUE;
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMContextMenu(TMessage& message) {
  if (reinterpret_cast<HWND>(message.WParam) != FHandle) {
    DefaultHandler(message);
    return;
  }
  POINT screen{LParamX(message.LParam), LParamY(message.LParam)};
  TControl* owner = this;
  if (message.LParam == -1) {  // from the keyboard: below the control's top-left corner
    screen = POINT{0, 0};
    ClientToScreen(FHandle, &screen);
  } else {
    POINT client = screen;
    ScreenToClient(FHandle, &client);
    if (TControl* c = ControlAtPos(client, false); c && c->PopupMenu()) owner = c;
  }
  if (TPopupMenu* menu = owner->PopupMenu()) {
    menu->PopupComponent = owner;
    menu->Popup(screen.x, screen.y);
    message.Result = 0;
    return;
  }
  DefaultHandler(message);
}

// ---- Keys and reflected notifications --------------------------------------------------------------

void TWinControl::CNKeyDown(TMessage& message) {
  message.Result = 0;
  if (message.WParam == VK_TAB && !WantsTab() && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
    if (TForm* form = GetParentForm()) {
      form->SelectNext(this, GetKeyState(VK_SHIFT) >= 0);
      message.Result = 1;
    }
  }
}

void TWinControl::CNCtlColor(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorToRGB(FFont.Color()));
  SetBkColor(dc, ColorToRGB(FColor));
  message.Result = reinterpret_cast<LRESULT>(BrushHandle());
}

void TWinControl::ReflectToChild(TMessage& message, HWND child) {
  TWinControl* target = FromHandle(child);
  if (!target || target == this) {
    DefaultHandler(message);
    return;
  }
  message.Result = target->Perform(FW_REFLECT + message.Msg, message.WParam, message.LParam);
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      WMPaint(message);
      return;
    case WM_ERASEBKGND:
      WMEraseBkgnd(message);
      return;
    case WM_COMMAND:
      if (message.LParam) return ReflectToChild(message, reinterpret_cast<HWND>(message.LParam));
      break;
    case WM_NOTIFY:
      return ReflectToChild(message, reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom);
    case WM_DRAWITEM:
      if (message.WParam) return ReflectToChild(message, reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->hwndItem);
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return ReflectToChild(message, reinterpret_cast<HWND>(message.LParam));
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORLISTBOX:
      CNCtlColor(message);
      return;
    case CN_KEYDOWN:
      CNKeyDown(message);
      return;
    case WM_MOUSEMOVE:
      WMMouseMove(message);
      return;
    case WM_MOUSELEAVE:
      WMMouseLeave(message);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      if (RouteMouseToGraphic(message)) return;
      break;
    case WM_SETCURSOR:
      WMSetCursor(message);
      return;
    case WM_CONTEXTMENU:
      WMContextMenu(message);
      return;
    case WM_SETFOCUS:
      DefaultHandler(message);
      if (TForm* form = GetParentForm(); form && form != static_cast<TControl*>(this)) form->SetFocusedControl(this);
      return;
    case WM_SETTEXT:
      DefaultHandler(message);
      if (FOwnPaint && message.WParam == 0) {
        // Windows that paint their own face show their caption there: keep the field and the face current.
        FText = reinterpret_cast<const wchar_t*>(message.LParam);
        if (GetParent(FHandle)) Invalidate();
      }
      Perform(FW_TEXT_CHANGED);
      return;
    default:
      break;
  }
  TControl::WndProc(message);
}

}  // namespace qw
