#include "skin/core/ControlAccess_win.h"

#include "base/Geometry_win.h"
#include "fw/CheckBox.h"
#include "fw/Form.h"
#include "fw/GroupBox.h"
#include "fw/Image.h"
#include "fw/Label.h"
#include "fw/WideText.h"
#include "fw/WinControl.h"

namespace qw {

namespace {

// The visible windowless children that have something to say.
std::vector<TControl*> WindowlessChildren(const TWinControl& window) {
  std::vector<TControl*> list;
  for (int i = 0; i < window.ControlCount(); ++i) {
    TControl* c = window.Controls(i);
    if (!c->Visible() || c->IsDestroying() || dynamic_cast<TWinControl*>(c)) continue;
    if (dynamic_cast<TLabel*>(c) || dynamic_cast<TImage*>(c)) list.push_back(c);
  }
  return list;
}

// The form's client area in the client coordinates of Window.
bool FormClientIn(TControl& control, HWND window, TRect& visible) {
  TForm* form = control.GetParentForm();
  if (!form || !form->HandleAllocated() || !window) return false;
  RECT client{};
  GetClientRect(form->Handle(), &client);
  MapWindowPoints(form->Handle(), window, reinterpret_cast<POINT*>(&client), 2);
  visible = TRect{client.left, client.top, client.right, client.bottom};
  return true;
}

}  // namespace

TRect BoundsIn(const TControl& control, const TWinControl& window) {
  TRect r = TRect{control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height()};
  const TWinControl* parent = control.Parent();
  if (!parent || parent == &window || !parent->HandleAllocated() || !window.HandleAllocated()) return r;
  POINT corners[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
  MapWindowPoints(parent->Handle(), window.Handle(), corners, 2);
  return TRect{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void DescribeControl(TControl& control, TAccessFacts& facts) {
  facts.Caption = U16(control.Text());
  facts.Hint = U16(control.Hint);
  facts.Enabled = control.EnabledChain();
  facts.Showing = control.Showing();
  TRect visible;
  if (auto* w = dynamic_cast<TWinControl*>(&control)) {
    facts.Focusable = w->TabStop && w->CanFocus();
    facts.Focused = w->Focused();
    if (w->HandleAllocated() && FormClientIn(control, w->Handle(), visible))
      facts.Offscreen = IsOffscreen(TRect{0, 0, control.Width(), control.Height()}, visible);
  } else if (TWinControl* parent = control.Parent(); parent && FormClientIn(control, parent->Handle(), visible)) {
    facts.Offscreen = IsOffscreen(TRect{control.Left(), control.Top(), control.Left() + control.Width(),
                                        control.Top() + control.Height()}, visible);
  }
}

void AddWindowlessElements(TWinControl& window, std::vector<TAccessElement>& elements) {
  for (TControl* c : WindowlessChildren(window)) {
    TAccessElement e;
    DescribeControl(*c, e.Facts);
    if (dynamic_cast<TLabel*>(c)) e.Facts.Kind = TAccessKind::StaticText;
    else e.Facts.Kind = c->OnClick ? TAccessKind::Link : TAccessKind::Graphic;
    e.Bounds = BoundsIn(*c, window);
    elements.push_back(std::move(e));
  }
}

bool ClickWindowlessElement(TWinControl& window, int index) {
  const std::vector<TControl*> list = WindowlessChildren(window);
  if (index < 1 || index > static_cast<int>(list.size())) return false;
  list[static_cast<size_t>(index - 1)]->Click();
  return true;
}

std::u16string NamingLabelOf(const TControl& field) {
  const TWinControl* parent = field.Parent();
  if (!parent) return {};
  std::vector<TNamingCandidate> candidates;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    const TControl* c = parent->Controls(i);
    if (c == &field || !c->Visible() || !(dynamic_cast<const TLabel*>(c) || dynamic_cast<const TCheckBox*>(c))) continue;
    candidates.push_back({RectOf(c->BoundsRect()), U16(c->Text())});
  }
  std::u16string caption = NamingCaption(RectOf(field.BoundsRect()), candidates);
  if (caption.empty() && dynamic_cast<const TGroupBox*>(parent)) caption = U16(parent->Text());
  return caption;
}

void ClickWindow(TWinControl& control) {
  if (control.HandleAllocated() && control.EnabledChain()) SendMessageW(control.Handle(), BM_CLICK, 0, 0);
}

}  // namespace qw
