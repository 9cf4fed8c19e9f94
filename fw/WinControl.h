#pragma once
// A control that owns a window. Own windows are created with a framework window class whose procedure
// learns `this` at WM_NCCREATE; standard windows (EDIT, BUTTON, COMBOBOX, the tab control) are created
// with their system class and subclassed, the system procedure kept for DefaultHandler. Either way every
// message runs through the same WndProc chain, and the object forgets the handle at WM_NCDESTROY.
// A control being destroyed first detaches its window (the object's property removed, the system
// procedure put back) and only then destroys it, so nothing sent during the destruction reaches a
// half-destroyed object.
#include <windows.h>

#include <string>
#include <vector>

#include "fw/Control.h"

namespace qw {

// What CreateParams fills in before the window is made.
struct TCreateParams {
  std::wstring WinClassName;  // own class name, or the system class to subclass
  bool SystemClass = false;   // true: WinClassName is a system class and the window is subclassed
  DWORD Style = 0;
  DWORD ExStyle = 0;
  UINT ClassStyle = CS_DBLCLKS;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
};

class TWinControl : public TControl {
 public:
  TWinControl();
  ~TWinControl() override;
  const char* ClassName() const override { return "TWinControl"; }

  void WndProc(TMessage& message) override;
  // Unhandled messages go to the system procedure of the window's class (or DefWindowProcW).
  void DefaultHandler(TMessage& message) override;

  HWND Handle() const { return FHandle; }
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Creates the window (and those of every windowed child) when it does not exist yet.
  void HandleNeeded();
  // Destroys the window, which still tells this object of its end; the children's windows go with it.
  void DestroyHandle();
  // Makes the window anew (with the system's look of its class), keeping its text and its place among
  // its siblings; children get new windows too.
  void RecreateWnd();
  // The framework object behind a window, or nullptr for foreign windows.
  static TWinControl* FromHandle(HWND hwnd);
  // The framework object behind a window or the nearest of its parents (the edit inside a combo box).
  static TWinControl* FindControl(HWND hwnd);

  // Children in the order they were given this parent; windowless ones included.
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls[static_cast<size_t>(index)]; }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  std::wstring Text() const override;
  void SetText(const std::wstring& text) override;
  void Invalidate() override;

  int TabOrder = -1;
  bool TabStop = false;
  // Visible, enabled and with a window, here and in every parent.
  bool CanFocus() const;
  bool Focused() const;
  void SetFocus();
  // The windowed controls below this one in tab order, depth first (containers before their children).
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  // Moves the focus to the next (or previous) focusable tab stop after `current` within this container.
  TWinControl* FindNextControl(TWinControl* current, bool forward) const;
  void SelectNext(TWinControl* current, bool forward);
  // True when Tab pressed in this control is typed into it rather than moving the focus.
  virtual bool WantsTab() const { return false; }
  // A key pressed or released while the control has the focus; a handler that sets the key to 0 keeps
  // it from the control's own handling.
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;

  // Paints the window and its visible child windows (bottom of the z-order first) into DC with the
  // window's top-left corner at (X, Y), frame included: pictures of windows that need not be on screen.
  void PaintTo(HDC dc, int x, int y);

  // The brush of the control's colour, for WM_CTLCOLOR* answers and background fills.
  HBRUSH BrushHandle();

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Called after the window exists and before the children's windows are made.
  virtual void CreateWindowHandleDone() {}
  // Paints the window's own face (own-class windows); graphic children are painted after it.
  virtual void PaintWindow(TCanvas& canvas);
  static void PaintWindowTo(HWND window, HDC dc, int x, int y);
  // Paints the windowless children over the window's face.
  void PaintControls(HDC dc);
  // The topmost visible windowless child under a point in client coordinates.
  TControl* ControlAtPos(POINT pt, bool allowDisabled) const;

  // Raise the key events; controls that take a key over themselves (a skinned check box and its space
  // key) call them where the system's handling would have.
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  void ShowingChanged() override;

  void UpdateVisibility() override;
  void UpdateEnabled() override;
  void UpdateFont() override;
  void UpdateColor() override;
  void ParentFontChanged() override;
  void ParentColorChanged() override;

  // Destroys the window without telling this object: for destructors, where the object is no longer
  // whole. The window is detached first and dies with the system's procedure.
  void DestroyDetachedHandle();

  // Message methods of the chain, each given what its message carries.
  void WMPaint(TMessage& message, HDC dc);
  void WMEraseBkgnd(TMessage& message);
  void WMCommand(TMessage& message, HWND control);
  void WMNotify(TMessage& message, const NMHDR& header);
  void WMDrawItem(TMessage& message, UINT controlId, const DRAWITEMSTRUCT& item);
  void WMMeasureItem(TMessage& message, UINT controlId, MEASUREITEMSTRUCT& item);
  void WMCtlColor(TMessage& message, HWND child);
  void CNCtlColor(TMessage& message, HDC dc);
  void CNKeyDown(TMessage& message, UINT key);
  // Alt with a key: the menu bar's shortcut, or the system's menu keys.
  void CNSysKeyDown(TMessage& message, UINT key);
  // True when the focused window takes Enter or Escape itself (a memo) instead of leaving it to the form.
  static bool FocusWantsKey(UINT key);
  // A key pressed (Down) or released: OnKeyDown or OnKeyUp first, the control's own handling unless the
  // handler cleared the key.
  void WMKey(TMessage& message, WORD key, bool down);
  // The wheel turned over the focused control: FW_MOUSE_WHEEL first, the system's scrolling unless a
  // handler of it answered non-zero.
  void WMMouseWheel(TMessage& message);
  void WMMouseMove(TMessage& message, POINT pt);
  void WMMouseLeave(TMessage& message);
  void WMMouseButton(TMessage& message, POINT pt);
  // Another window took the mouse (a popup menu opened by a press): a windowless child's press is over.
  void WMCaptureChanged(TMessage& message, HWND newCapture);
  void WMSetCursor(TMessage& message, HWND window, UINT hitTest);
  void WMContextMenu(TMessage& message, HWND window, POINT screen);
  void WMSetFocus(TMessage& message);
  void WMSetText(TMessage& message, const wchar_t* text);
  // Passes a parent notification on to the control it came from, as FW_REFLECT + its number.
  void ReflectToChild(TMessage& message, HWND child);
  // Gives a mouse message to the windowless child under the point (or the one holding the capture).
  bool RouteMouseToGraphic(TMessage& message, POINT pt);

  HWND FHandle = nullptr;
  bool FOwnPaint = false;  // own-class windows paint their face and their graphic children themselves

 private:
  static LRESULT CALLBACK InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT Dispatch(TWinControl* control, UINT msg, WPARAM wParam, LPARAM lParam);
  // Binds a subclassed system window to this object: the property, then our procedure in front of the
  // system's.
  void AttachSubclassed(HWND hwnd);
  // Unbinds the window from this object and returns it: the property goes, and the system procedure
  // comes back unless someone subclassed the window after us (then ours stays in their chain and passes
  // everything straight on).
  HWND DetachHandle();
  void SendFont(bool redraw);
  void SetMouseControl(TControl* control);
  void ForgetHandle();

  // The system window being created with its id: an owner-drawn list asks its parent for the item height
  // inside CreateWindowEx, before the window is bound to its object.
  struct TCreatingChild {
    TWinControl* Control = nullptr;
    UINT Id = 0;
  };
  static thread_local TCreatingChild FCreatingChild;

  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;
  HBRUSH FBrush = nullptr;
  bool FTrackingMouse = false;
  TControl* FMouseControl = nullptr;   // windowless child under the mouse
  TControl* FCaptureControl = nullptr; // windowless child that got the button-down
  UINT FCaptureButtons = 0;            // MK_* buttons pressed on it and not yet released
};

}  // namespace qw
