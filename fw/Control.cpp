#include "fw/Control.h"

#include <algorithm>
#include <iterator>

#include "fw/Canvas.h"

#include "fw/Form.h"
#include "fw/Menu.h"
#include "fw/WinControl.h"

namespace qw {

TControl::TControl() {
  FFont.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  ReleaseWindowProcHooks();
  if (FParent) FParent->RemoveControl(this);
}

void TControl::WindowProc(TMessage& message) {
  if (FHooks.empty()) return WndProc(message);
  FHooks.back()->HookedWindowProc(*this, message);
}

void TControl::AddWindowProcHook(TWindowProcHook* hook, bool behindOthers) {
  if (!hook || HasWindowProcHook(hook)) return;
  if (behindOthers)
    FHooks.insert(FHooks.begin(), hook);
  else
    FHooks.push_back(hook);
}

void TControl::RemoveWindowProcHook(TWindowProcHook* hook) {
  FHooks.erase(std::remove(FHooks.begin(), FHooks.end(), hook), FHooks.end());
}

bool TControl::HasWindowProcHook(const TWindowProcHook* hook) const {
  return std::find(FHooks.begin(), FHooks.end(), hook) != FHooks.end();
}

void TControl::CallNextWindowProc(const TWindowProcHook* hook, TMessage& message) {
  const auto it = std::find(FHooks.begin(), FHooks.end(), hook);
  if (it == FHooks.end() || it == FHooks.begin()) return WndProc(message);
  (*std::prev(it))->HookedWindowProc(*this, message);
}

void TControl::ReleaseWindowProcHooks() {
  while (!FHooks.empty()) {
    TWindowProcHook* hook = FHooks.back();
    FHooks.pop_back();
    hook->HookedControlDestroyed(*this);
  }
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::WMButtonDown(TMessage& message, const TMouseButtonMessage& button, POINT pt) {
  if (button.Button == mbLeft) {
    if (ControlStyle & csClickEvents) ControlState |= csClicked;
    ControlState |= csLButtonDown;
  }
  // The system's procedure and every handler below may destroy this control (closing its form).
  TDestroyWatch watch(this);
  DefaultHandler(message);
  if (watch.Destroyed()) return;
  if (button.Double) {
    DblClick();
    if (watch.Destroyed()) return;
  }
  const TShiftState shift = ShiftStateFromMouseKeys(message.WParam) | (button.Double ? TShiftState{ssDouble} : TShiftState{0});
  MouseDown(button.Button, shift, pt.x, pt.y);
}

void TControl::WMButtonUp(TMessage& message, const TMouseButtonMessage& button, POINT pt) {
  TDestroyWatch watch(this);
  DefaultHandler(message);
  if (watch.Destroyed()) return;
  if (button.Button == mbLeft) {
    const bool clicked = (ControlState & csClicked) != 0;
    ControlState &= ~(csClicked | csLButtonDown);
    const RECT r = ClientRect();
    if (clicked && PtInRect(&r, pt)) {
      Click();
      if (watch.Destroyed()) return;
    }
  }
  MouseUp(button.Button, ShiftStateFromMouseKeys(message.WParam), pt.x, pt.y);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  CallEvent(OnMouseDown, this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  CallEvent(OnMouseUp, this, button, shift, x, y);
}

void TControl::DblClick() { CallEvent(OnDblClick, this); }

void TControl::FWMouseEnter(TMessage& message) {
  ControlState |= csMouseAbove;
  DefaultHandler(message);
}

void TControl::FWMouseLeave(TMessage& message) {
  ControlState &= ~csMouseAbove;
  DefaultHandler(message);
}

void TControl::WndProc(TMessage& message) {
  if (TMouseButtonMessage button; CrackMouseButton(message.Msg, button)) {
    const POINT pt = PointFromLParam(message.LParam);
    return button.Down ? WMButtonDown(message, button, pt) : WMButtonUp(message, button, pt);
  }
  switch (message.Msg) {
    case FW_MOUSE_ENTER:
      return FWMouseEnter(message);
    case FW_MOUSE_LEAVE:
      return FWMouseLeave(message);
    case WM_PAINT:
      return WMPaintInto(message, DcFrom(message.WParam));
    default:
      return DefaultHandler(message);
  }
}

void TControl::WMPaintInto(TMessage& message, HDC dc) {
  // A windowless control has no paint requests of its own: a DC in the message is where to paint it.
  if (!dc) return DefaultHandler(message);
  TCanvas canvas(dc);
  Paint(canvas);
  message.Result = 0;
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
  FParent = parent;
  if (FParent) {
    ParentFontChanged();
    ParentColorChanged();
  }
}

TForm* TControl::GetParentForm() {
  TControl* c = this;
  while (c->FParent) c = c->FParent;
  return dynamic_cast<TForm*>(c);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  Invalidate();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  Invalidate();
}

void TControl::SetVisible(bool visible) {
  if (visible == FVisible) return;
  if (!visible) Invalidate();
  FVisible = visible;
  UpdateVisibility();
  if (visible) Invalidate();
  Perform(FW_VISIBLE_CHANGED, visible ? 1 : 0);
  // Only a control whose parents are all on the screen (or a form, which has none) appears or disappears
  // with its own Visible.
  if (FParent ? FParent->Showing() : GetParentForm() == this) ShowingChanged();
}

void TControl::ShowingChanged() {
  if (!IsLoading()) Perform(FW_SHOWING_CHANGED, Showing() ? 1 : 0);
}

void TControl::SetBiDiMode(TBiDiMode mode) {
  if (mode == FBiDiMode) return;
  FBiDiMode = mode;
  Perform(FW_BIDI_CHANGED);
  Invalidate();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  UpdateEnabled();
  Invalidate();
  Perform(FW_ENABLED_CHANGED);
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->FParent)
    if (!c->FVisible) return false;
  return true;
}

bool TControl::EnabledChain() const {
  for (const TControl* c = this; c; c = c->FParent)
    if (!c->FEnabled) return false;
  return true;
}

void TControl::FontChanged() {
  if (!FFontFromParent) FParentFont = false;
  UpdateFont();
  Invalidate();
  Perform(FW_FONT_CHANGED);
}

void TControl::SetParentFont(bool value) {
  FParentFont = value;
  if (value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FFontFromParent = true;
  FFont.Assign(FParent->Font());
  FFontFromParent = false;
}

void TControl::SetColor(TColor color) {
  FParentColor = false;
  if (color == FColor) return;
  FColor = color;
  UpdateColor();
  Invalidate();
  Perform(FW_COLOR_CHANGED);
}

void TControl::SetParentColor(bool value) {
  FParentColor = value;
  if (value) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent || FParent->Color() == FColor) return;
  FColor = FParent->Color();
  UpdateColor();
  Invalidate();
  Perform(FW_COLOR_CHANGED);
}

std::wstring TControl::Text() const { return FText; }

void TControl::SetText(const std::wstring& text) {
  if (text == FText) return;
  FText = text;
  Invalidate();
  Perform(FW_TEXT_CHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* menu) { FPopupMenu = menu; }

void TControl::Click() { CallEvent(OnClick, this); }

void TControl::Invalidate() {
  if (!FParent || !FVisible) return;
  TWinControl* p = FParent;
  if (p->HandleAllocated()) {
    RECT r = BoundsRect();
    InvalidateRect(p->Handle(), &r, TRUE);
  }
}

void TControl::Paint(TCanvas&) {}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FPopupMenu) FPopupMenu = nullptr;
}

}  // namespace qw
