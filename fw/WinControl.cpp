#include "fw/WinControl.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "fw/Application.h"
#include "fw/ControlByHandle.h"
#include "fw/Form.h"

// The window's life (creation, subclassing, detaching, destruction), the children and properties that
// follow the window, and the dispatch of every message to its handler. Tab order, painting, mouse routing
// to windowless children and reflected notifications live in files of their own.

namespace qw {

namespace {

constexpr wchar_t kControlProp[] = L"QwFwControl";
// The system procedure of a subclassed window, for our procedure to pass messages on once the object is
// gone but a later subclasser keeps ours in its chain.
constexpr wchar_t kSystemProcProp[] = L"QwFwSystemProc";
// Child windows get ids from here on; ids below are left to dialogs' standard buttons.
constexpr UINT kFirstChildId = 100;

void SetControlProp(HWND hwnd, TWinControl* control) {
  SetPropW(hwnd, kControlProp, control);
  TControlByHandle::Instance().Set(hwnd, control);
}

void RemoveControlProp(HWND hwnd) {
  RemovePropW(hwnd, kControlProp);
  TControlByHandle::Instance().Erase(hwnd);
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

thread_local TWinControl::TCreatingChild TWinControl::FCreatingChild;

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
  return TControlByHandle::Instance().Find(hwnd);
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
    RemoveControlProp(control->FHandle);
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
      SetControlProp(hwnd, control);
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
  SetControlProp(hwnd, this);
  const LONG_PTR system = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassWndProc));
  FDefWndProc = reinterpret_cast<WNDPROC>(system);
  SetPropW(hwnd, kSystemProcProp, reinterpret_cast<HANDLE>(system));
}

HWND TWinControl::DetachHandle() {
  HWND hwnd = FHandle;
  if (!hwnd) return nullptr;
  RemoveControlProp(hwnd);
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
  FCaptureButtons = 0;
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
  const TCreatingChild outer = FCreatingChild;
  FCreatingChild = TCreatingChild{this, static_cast<UINT>(reinterpret_cast<UINT_PTR>(id))};
  HWND hwnd = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), FText.c_str(), params.Style, params.X,
                              params.Y, params.Width, params.Height, params.WndParent, id,
                              GetModuleHandleW(nullptr), params.SystemClass ? nullptr : this);
  FCreatingChild = outer;
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

void TWinControl::ShowingChanged() {
  TControl::ShowingChanged();
  for (TControl* c : std::vector<TControl*>(FControls))
    if (c->Visible()) c->ShowingChanged();
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) { CallEvent(OnKeyDown, this, key, shift); }

void TWinControl::KeyUp(WORD& key, TShiftState shift) { CallEvent(OnKeyUp, this, key, shift); }

void TWinControl::WMKey(TMessage& message, WORD key, bool down) {
  TDestroyWatch watch(this);
  if (down) KeyDown(key, KeyboardShiftState());
  else KeyUp(key, KeyboardShiftState());
  if (watch.Destroyed()) return;
  if (key == 0) {
    message.Result = 0;
    return;
  }
  message.WParam = key;
  TControl::WndProc(message);
}

void TWinControl::WMMouseWheel(TMessage& message) {
  TDestroyWatch watch(this);
  message.Result = Perform(FW_MOUSE_WHEEL, message.WParam, message.LParam);
  if (message.Result == 0 && !watch.Destroyed()) DefaultHandler(message);
}

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
    case CN_SYSKEYDOWN:
      return CNSysKeyDown(message, VirtualKeyFrom(message.WParam));
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
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return WMMouseButton(message, PointFromLParam(message.LParam));
    case WM_CAPTURECHANGED:
      return WMCaptureChanged(message, HwndFrom(message.LParam));
    case WM_MOUSEWHEEL:
      return WMMouseWheel(message);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return WMKey(message, static_cast<WORD>(VirtualKeyFrom(message.WParam)), true);
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return WMKey(message, static_cast<WORD>(VirtualKeyFrom(message.WParam)), false);
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
