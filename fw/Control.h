#pragma once
// A visual component: bounds, parent, visibility, enabled state, font, colour, text, hint, popup menu,
// and the message chain. Every message a control receives runs through WindowProc -> WndProc; a class
// handles what it knows and passes the rest to its base class, down to DefaultHandler.
#include <windows.h>

#include <string>
#include <vector>

#include "base/Alignment.h"
#include "base/Component.h"
#include "fw/Color.h"
#include "fw/Font.h"
#include "fw/InputEvents.h"
#include "fw/MessageCrack.h"
#include "fw/Messages.h"

namespace qw {

class TWinControl;
class TPopupMenu;
class TForm;
class TCanvas;
class TControl;

// A link in front of a control's message chain (a skin wrapper on a standard control): it sees every
// message the control gets, handles what it wants and hands the rest on with CallNextWindowProc. Links
// may leave the chain in any order, also while one of their own messages runs.
class TWindowProcHook {
 public:
  virtual void HookedWindowProc(TControl& control, TMessage& message) = 0;
  // The control is going away (its window may already be detached): forget it, no more messages come.
  virtual void HookedControlDestroyed(TControl& control) = 0;

 protected:
  ~TWindowProcHook() = default;
};

// ControlStyle flags.
enum : uint32_t {
  csClickEvents = 0x0001,   // a press and release over the control raises Click
  csAcceptsControls = 0x0002,
  csOpaque = 0x0004,        // paints its whole rectangle (graphic controls)
};

// ControlState flags.
enum : uint32_t {
  csLButtonDown = 0x0001,
  csClicked = 0x0002,
  csMouseAbove = 0x0004,
};

// Cursors the framework knows by number.
enum TCursor : int { crDefault = 0, crArrow = -2, crDrag = -12, crHandPoint = -21 };

class TControl : public TComponent {
 public:
  TControl();
  ~TControl() override;
  const char* ClassName() const override { return "TControl"; }

  // Builds a message record, runs it through WindowProc and returns its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Entry of every message: the newest hook first when there are hooks, else the virtual WndProc.
  void WindowProc(TMessage& message);
  // Puts a hook in front of the chain (it sees messages before the hooks added earlier), or, with
  // BehindOthers, right before the control's own WndProc (it sees what the other hooks let through).
  void AddWindowProcHook(TWindowProcHook* hook, bool behindOthers = false);
  // Takes a hook out of the chain wherever it stands; the others keep their order.
  void RemoveWindowProcHook(TWindowProcHook* hook);
  bool HasWindowProcHook(const TWindowProcHook* hook) const;
  // Hands a message on from Hook to the hook added before it, or to WndProc (also when Hook has left).
  void CallNextWindowProc(const TWindowProcHook* hook, TMessage& message);
  // One message method per class; unhandled messages go to the base class and end in DefaultHandler.
  virtual void WndProc(TMessage& message);
  // What happens to a message nobody handled: nothing for a windowless control.
  virtual void DefaultHandler(TMessage& message);

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  // The form this control is on (itself for a form), or nullptr.
  TForm* GetParentForm();

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  virtual RECT ClientRect() const { return RECT{0, 0, FWidth, FHeight}; }

  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  // Visible here and in every parent. A change of it reaches the control, and every visible control below
  // it, as FW_SHOWING_CHANGED.
  bool Showing() const;
  bool EnabledChain() const;

  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);

  // The caption or text; windowed controls answer from their window.
  virtual std::wstring Text() const;
  virtual void SetText(const std::wstring& text);
  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& text) { SetText(text); }

  // Reading order and alignment; a change raises FW_BIDI_CHANGED.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode mode);

  std::wstring Hint;
  bool ShowHint = false;
  TCursor Cursor = crDefault;
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu);

  uint32_t ControlStyle = csClickEvents;
  uint32_t ControlState = 0;

  // Raises OnClick; buttons and the loader's "perform a click" come here.
  virtual void Click();
  TNotifyEvent OnClick;
  // A button pressed, released or double-clicked over the control (a double click raises OnDblClick and
  // then OnMouseDown with ssDouble); the point is in the control's client coordinates.
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnDblClick;

  // Repaints the control soon.
  virtual void Invalidate();
  // Paints a windowless control into its parent's DC (origin at the control's top-left). WM_PAINT with a
  // DC in WParam paints it into that DC.
  virtual void Paint(TCanvas& canvas);

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  friend class TWinControl;
  // Parent's font or colour changed: take it over when ParentFont / ParentColor says so.
  virtual void ParentFontChanged();
  virtual void ParentColorChanged();
  // The window (if any) must follow a changed visible/enabled/font/text state.
  virtual void UpdateVisibility() {}
  virtual void UpdateEnabled() {}
  virtual void UpdateFont() {}
  virtual void UpdateColor() {}
  // Tells every hook that this control goes away and empties the chain (destructors call it first).
  void ReleaseWindowProcHooks();
  // Raise the mouse events; controls that take the mouse over themselves (a skinned check box) call them
  // where the system's handling would have.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void DblClick();
  // Whether the control is on the screen changed: FW_SHOWING_CHANGED to it (windowed controls pass it on
  // to their visible children).
  virtual void ShowingChanged();

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  TFont FFont;
  bool FParentFont = true;
  TColor FColor = clBtnFace;
  bool FParentColor = false;
  std::wstring FText;
  TPopupMenu* FPopupMenu = nullptr;
  TBiDiMode FBiDiMode = bdLeftToRight;

 private:
  void WMButtonDown(TMessage& message, const TMouseButtonMessage& button, POINT pt);
  void WMButtonUp(TMessage& message, const TMouseButtonMessage& button, POINT pt);
  void FWMouseEnter(TMessage& message);
  void FWMouseLeave(TMessage& message);
  void WMPaintInto(TMessage& message, HDC dc);
  void FontChanged();
  bool FFontFromParent = false;
  std::vector<TWindowProcHook*> FHooks;  // oldest first
};

}  // namespace qw
