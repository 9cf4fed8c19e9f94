#include "fw/WinControl.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "fw/Application.h"
#include "fw/Canvas.h"
#include "fw/Form.h"
#include "fw/Menu.h"

namespace qw {

namespace {

constexpr wchar_t kControlProp[] = L"QwFwControl";
// The system procedure of a subclassed window, for our procedure to pass messages on once the object is
// gone but a later subclasser keeps ours in its chain.
constexpr wchar_t kSystemProcProp[] = L"QwFwSystemProc";
// Child windows get ids from here on; ids below are left to dialogs' standard buttons.
constexpr UINT kFirstChildId = 100;

// The system window being created with its id: an owner-drawn list asks its parent for the item height
// inside CreateWindowEx, before the window is bound to its object.
struct TCreatingChild {
  TWinControl* Control = nullptr;
  UINT Id = 0;
};
thread_local TCreatingChild creatingChild;

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
  // Hooks (skin wrappers) let go while the window is still there to be given back.
  ReleaseWindowProcHooks();
  // The form forgets this control (or a child of it) as its active one before the children are let go.
  if (TForm* form = GetParentForm()) form->ControlRemoved(this);
  // Children outlive this part of the object only as pointers; they must not call back into it.
  for (TControl* c : FControls) c->FParent = nullptr;
  FControls.clear();
  DestroyDetachedHandle();
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

LRESULT TWinControl::Dispatch(TWinControl* control, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  TDestroyWatch watch(control);
  CallGuarded([&] { control->WindowProc(message); });
  // A handler may have destroyed the control; then there is nothing left to forget.
  if (msg == WM_NCDESTROY && !watch.Destroyed()) {
    RemovePropW(control->FHandle, kControlProp);
    RemovePropW(control->FHandle, kSystemProcProp);
    control->ForgetHandle();
  }
  return message.Result;
}

LRESULT CALLBACK TWinControl::InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(hwnd);
  if (!control && msg == WM_NCCREATE) {
    control = static_cast<TWinControl*>(RecordFrom<CREATESTRUCTW>(lParam).lpCreateParams);
    if (control) {
      SetPropW(hwnd, kControlProp, control);
      control->FHandle = hwnd;
    }
  }
  if (!control) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return Dispatch(control, msg, wParam, lParam);
}

LRESULT CALLBACK TWinControl::SubclassWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (TWinControl* control = FromHandle(hwnd)) return Dispatch(control, msg, wParam, lParam);
  const auto system = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kSystemProcProp));
  const LRESULT result =
      system ? CallWindowProcW(system, hwnd, msg, wParam, lParam) : DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) RemovePropW(hwnd, kSystemProcProp);
  return result;
}

void TWinControl::AttachSubclassed(HWND hwnd) {
  FHandle = hwnd;
  SetPropW(hwnd, kControlProp, this);
  const LONG_PTR system = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassWndProc));
  FDefWndProc = reinterpret_cast<WNDPROC>(system);
  SetPropW(hwnd, kSystemProcProp, reinterpret_cast<HANDLE>(system));
}

HWND TWinControl::DetachHandle() {
  HWND hwnd = FHandle;
  if (!hwnd) return nullptr;
  RemovePropW(hwnd, kControlProp);
  if (FDefWndProc &&
      GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SubclassWndProc)) {
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc));
    RemovePropW(hwnd, kSystemProcProp);
  }
  ForgetHandle();
  return hwnd;
}

void TWinControl::DestroyDetachedHandle() {
  if (HWND hwnd = DetachHandle()) DestroyWindow(hwnd);
}

void TWinControl::ForgetHandle() {
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
  static UINT nextId = kFirstChildId;
  const HMENU id = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nextId++)) : nullptr;
  const TCreatingChild outer = creatingChild;
  creatingChild = TCreatingChild{this, static_cast<UINT>(reinterpret_cast<UINT_PTR>(id))};
  HWND hwnd = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), FText.c_str(), params.Style, params.X,
                              params.Y, params.Width, params.Height, params.WndParent, id,
                              GetModuleHandleW(nullptr), params.SystemClass ? nullptr : this);
  creatingChild = outer;
  if (!hwnd) throw std::runtime_error("Error creating window of class " + std::string(ClassName()));
  if (params.SystemClass) AttachSubclassed(hwnd);
  SendFont(false);
}

void TWinControl::SendFont(bool redraw) {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Handle()), redraw);
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

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  const std::wstring text = Text();
  HWND before = GetWindow(FHandle, GW_HWNDPREV);
  const bool focused = GetFocus() == FHandle;
  DestroyHandle();
  FText = text;
  HandleNeeded();
  if (!FHandle) return;
  SetWindowPos(FHandle, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (focused) ::SetFocus(FHandle);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!FHandle || IsFrameworkMessage(message.Msg)) return;
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
  if (TForm* form = GetParentForm()) form->ControlRemoved(control);
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
  SendFont(true);
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

void TWinControl::WMPaint(TMessage& message, HDC dc) {
  if (!FOwnPaint) return DefaultHandler(message);
  // A DC in the message means "paint into this one" (printing, the skin's off-screen copies).
  PAINTSTRUCT ps;
  HDC target = dc ? dc : BeginPaint(FHandle, &ps);
  {
    TCanvas canvas(target);
    PaintWindow(canvas);
  }
  PaintControls(target);
  if (!dc) EndPaint(FHandle, &ps);
  message.Result = 0;
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  if (!FHandle || !dc) return;
  PaintWindowTo(FHandle, dc, x, y);
}

void TWinControl::PaintWindowTo(HWND window, HDC dc, int x, int y) {
  RECT wr;
  GetWindowRect(window, &wr);
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, x, y, nullptr);
  IntersectClipRect(dc, 0, 0, wr.right - wr.left, wr.bottom - wr.top);
  if (TWinControl* own = FromHandle(window); own && own->FOwnPaint) {
    // The client area lies inside the frame: paint the frame, then the face at the client's offset.
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    OffsetViewportOrgEx(dc, client.x - wr.left, client.y - wr.top, nullptr);
    own->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    own->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
  } else {
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  }
  RestoreDC(dc, saved);
  // Child windows from the bottom of the z-order up, each at its place in the window.
  for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child; child = GetWindow(child, GW_HWNDPREV)) {
    // The window's own visibility: a hidden ancestor (a form not on the screen) does not matter.
    if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) || GetParent(child) != window) continue;
    RECT cr;
    GetWindowRect(child, &cr);
    PaintWindowTo(child, dc, x + cr.left - wr.left, y + cr.top - wr.top);
  }
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

void TWinControl::WMMouseMove(TMessage& message, POINT pt) {
  if (!FTrackingMouse && FHandle) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, FHandle, 0};
    FTrackingMouse = TrackMouseEvent(&tme) != FALSE;
    Perform(FW_MOUSE_ENTER);
  }
  SetMouseControl(ControlAtPos(pt, false));
  if (!RouteMouseToGraphic(message, pt)) TControl::WndProc(message);
}

void TWinControl::WMMouseLeave(TMessage& message) {
  FTrackingMouse = false;
  SetMouseControl(nullptr);
  Perform(FW_MOUSE_LEAVE);
  DefaultHandler(message);
}

void TWinControl::WMMouseButton(TMessage& message, POINT pt) {
  if (!RouteMouseToGraphic(message, pt)) TControl::WndProc(message);
}

bool TWinControl::RouteMouseToGraphic(TMessage& message, POINT pt) {
  TControl* target = FCaptureControl ? FCaptureControl : ControlAtPos(pt, false);
  if (!target) return false;
  const bool down = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN ||
                    message.Msg == WM_LBUTTONDBLCLK;
  const bool up = message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP;
  if (down) {
    FCaptureControl = target;
    SetCapture(FHandle);
  }
  // The child's click handler may destroy this control (closing its form): touch nothing of it then.
  TDestroyWatch watch(this);
  message.Result = target->Perform(message.Msg, message.WParam,
                                   PointToLParam(POINT{pt.x - target->Left(), pt.y - target->Top()}));
  if (up && !watch.Destroyed()) {
    FCaptureControl = nullptr;
    if (GetCapture() == FHandle) ReleaseCapture();
  }
  return true;
}

void TWinControl::WMSetCursor(TMessage& message, HWND window, UINT hitTest) {
  if (window == FHandle && hitTest == HTCLIENT) {
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

void TWinControl::WMContextMenu(TMessage& message, HWND window, POINT screen) {
  if (window != FHandle) return DefaultHandler(message);
  TControl* owner = this;
  if (IsKeyboardContextMenuPoint(screen)) {  // below the control's top-left corner
    screen = POINT{0, 0};
    ClientToScreen(FHandle, &screen);
  } else {
    POINT client = screen;
    ScreenToClient(FHandle, &client);
    if (TControl* c = ControlAtPos(client, false); c && c->PopupMenu()) owner = c;
  }
  TPopupMenu* menu = owner->PopupMenu();
  if (!menu) return DefaultHandler(message);
  menu->PopupComponent = owner;
  menu->Popup(screen.x, screen.y);
  message.Result = 0;
}

// ---- Focus, text, keys and reflected notifications -------------------------------------------------

void TWinControl::WMSetFocus(TMessage& message) {
  TDestroyWatch watch(this);
  DefaultHandler(message);
  if (watch.Destroyed()) return;
  if (TForm* form = GetParentForm(); form && form != static_cast<TControl*>(this)) form->SetFocusedControl(this);
}

void TWinControl::WMSetText(TMessage& message, const wchar_t* text) {
  TDestroyWatch watch(this);
  DefaultHandler(message);
  if (watch.Destroyed()) return;
  if (FOwnPaint) {
    // Windows that paint their own face show their caption there: keep the field and the face current.
    FText = text ? text : L"";
    if (GetParent(FHandle)) Invalidate();
  }
  Perform(FW_TEXT_CHANGED);
}

void TWinControl::CNKeyDown(TMessage& message, UINT key) {
  message.Result = 0;
  if (key == VK_TAB && !WantsTab() && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
    if (TForm* form = GetParentForm()) {
      form->SelectNext(this, GetKeyState(VK_SHIFT) >= 0);
      message.Result = 1;
    }
  }
  if ((key == VK_RETURN || key == VK_ESCAPE) && !FocusWantsKey(key))
    if (TForm* form = GetParentForm()) message.Result = form->Perform(FW_DIALOG_KEY, key, 0);
}

bool TWinControl::FocusWantsKey(UINT key) {
  HWND focus = GetFocus();
  if (!focus) return false;
  // Asked without the message: an edit given one takes itself for a dialog's and changes its key handling.
  return (SendMessageW(focus, WM_GETDLGCODE, key, 0) & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

void TWinControl::CNCtlColor(TMessage& message, HDC dc) {
  SetTextColor(dc, ColorToRGB(FFont.Color()));
  SetBkColor(dc, ColorToRGB(FColor));
  message.Result = reinterpret_cast<LRESULT>(BrushHandle());
}

void TWinControl::ReflectToChild(TMessage& message, HWND child) {
  TWinControl* target = FromHandle(child);
  if (!target || target == this) return DefaultHandler(message);
  message.Result = target->Perform(FW_REFLECT + message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMCommand(TMessage& message, HWND control) {
  // Menu and accelerator commands carry no control.
  if (!control) return TControl::WndProc(message);
  ReflectToChild(message, control);
}

void TWinControl::WMNotify(TMessage& message, const NMHDR& header) { ReflectToChild(message, header.hwndFrom); }

void TWinControl::WMDrawItem(TMessage& message, UINT controlId, const DRAWITEMSTRUCT& item) {
  // Id 0 is a menu item's drawing, not a control's.
  if (controlId == 0) return TControl::WndProc(message);
  ReflectToChild(message, item.hwndItem);
}

void TWinControl::WMMeasureItem(TMessage& message, UINT controlId, MEASUREITEMSTRUCT& item) {
  // Id 0 is a menu item's measuring, not a control's.
  if (controlId == 0 || item.CtlType == ODT_MENU) return TControl::WndProc(message);
  TWinControl* target = FromHandle(GetDlgItem(FHandle, static_cast<int>(controlId)));
  if (!target && creatingChild.Control && creatingChild.Id == controlId) target = creatingChild.Control;
  if (!target || target == this) return DefaultHandler(message);
  message.Result = target->Perform(CN_MEASUREITEM, message.WParam, message.LParam);
}

void TWinControl::WMCtlColor(TMessage& message, HWND child) { ReflectToChild(message, child); }

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_PRINTCLIENT:
      if (!FOwnPaint) return DefaultHandler(message);
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
      return WMEraseBkgnd(message);
    case WM_COMMAND:
      return WMCommand(message, HwndFrom(message.LParam));
    case WM_NOTIFY:
      return WMNotify(message, RecordFrom<NMHDR>(message.LParam));
    case WM_DRAWITEM:
      return WMDrawItem(message, static_cast<UINT>(message.WParam), RecordFrom<DRAWITEMSTRUCT>(message.LParam));
    case WM_MEASUREITEM:
      return WMMeasureItem(message, static_cast<UINT>(message.WParam), *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return WMCtlColor(message, HwndFrom(message.LParam));
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORLISTBOX:
      return CNCtlColor(message, DcFrom(message.WParam));
    case CN_KEYDOWN:
      return CNKeyDown(message, VirtualKeyFrom(message.WParam));
    case WM_MOUSEMOVE:
      return WMMouseMove(message, PointFromLParam(message.LParam));
    case WM_MOUSELEAVE:
      return WMMouseLeave(message);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return WMMouseButton(message, PointFromLParam(message.LParam));
    case WM_SETCURSOR:
      return WMSetCursor(message, HwndFrom(message.WParam), LoWord(message.LParam));
    case WM_CONTEXTMENU:
      return WMContextMenu(message, HwndFrom(message.WParam), PointFromLParam(message.LParam));
    case WM_SETFOCUS:
      return WMSetFocus(message);
    case WM_SETTEXT:
      return WMSetText(message, reinterpret_cast<const wchar_t*>(message.LParam));
    default:
      return TControl::WndProc(message);
  }
}

}  // namespace qw
