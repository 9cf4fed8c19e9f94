// How each skinned control describes itself to assistive technology (see TAccessSource): its kind, what
// it holds and does, and its windowless elements. The rules that turn these facts into names, roles and
// states are in skin/access.
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sCheckBox.h"
#include "skin/controls/sComboBox.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sMemo.h"
#include "skin/controls/sPageControl.h"
#include "skin/controls/sPanel.h"
#include "skin/controls/sSpinButton.h"
#include "skin/controls/sSpinEdit.h"
#include "skin/controls/sTabSheet.h"
#include "skin/core/ControlAccess_win.h"
#include "fw/WideText.h"

namespace qw {

namespace {

// A field reads its text as its value and is named by its bound label, or else by the label beside it.
void DescribeField(TWinControl& field, const TsBoundLabel& bound, TAccessKind kind, TAccessFacts& self) {
  DescribeControl(field, self);
  self.Kind = kind;
  self.Value = self.Caption;
  self.Caption.clear();
  if (bound.Active()) self.Label = U16(bound.TheLabel() ? bound.TheLabel()->Caption() : bound.Caption());
  if (self.Label.empty()) self.Label = NamingLabelOf(field);
}

}  // namespace

void TsCheckBox::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>&) {
  DescribeControl(*this, self);
  self.Kind = TAccessKind::CheckBox;
  self.Checked = Checked();
  self.Pressed = Pressed();
  self.ReadOnly = ReadOnly;
}

void TsCheckBox::DoAccessDefaultAction(int id) {
  if (id == 0 && !ReadOnly) ClickWindow(*this);
}

void TsBitBtn::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>&) {
  DescribeControl(*this, self);
  self.Kind = TAccessKind::PushButton;
}

void TsBitBtn::DoAccessDefaultAction(int id) {
  if (id == 0) ClickWindow(*this);
}

void TsEdit::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>&) {
  DescribeField(*this, BoundLabel, TAccessKind::Edit, self);
  self.ReadOnly = ReadOnly;
}

void TsMemo::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>&) {
  DescribeField(*this, BoundLabel, TAccessKind::Edit, self);
  self.ReadOnly = ReadOnly;
}

void TsComboBox::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>&) {
  DescribeField(*this, BoundLabel, TAccessKind::ComboBox, self);
}

void TsComboBox::TFieldAccess::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>&) {
  DescribeField(FBox, FBox.BoundLabel, TAccessKind::Edit, self);
  HWND field = FBox.FieldHandle();
  self.Focused = field && GetFocus() == field;
  self.ReadOnly = FBox.ReadOnly();
}

void TsPanel::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) {
  DescribeControl(*this, self);
  self.Kind = TAccessKind::TextPanel;
  self.Value = self.Caption;
  AddWindowlessElements(*this, elements);
}

// A box without a caption is named after what it holds: its labels, then its controls, as each reads.
void TsGroupBox::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) {
  DescribeControl(*this, self);
  self.Kind = TAccessKind::Grouping;
  AddWindowlessElements(*this, elements);
  if (!self.Caption.empty() || !self.Hint.empty()) return;
  std::vector<std::u16string> names;
  for (const TAccessElement& e : elements) names.push_back(AccessAnswerOf(e.Facts).Name);
  for (int i = 0; i < ControlCount(); ++i) {
    auto* source = dynamic_cast<TAccessSource*>(Controls(i));
    if (!source || !dynamic_cast<TWinControl*>(Controls(i)) || !Controls(i)->Visible()) continue;
    TAccessFacts facts;
    std::vector<TAccessElement> inner;
    source->DescribeAccess(facts, inner);
    names.push_back(AccessAnswerOf(facts).Name);
  }
  self.Label = JoinedNames(names);
}

void TsTabSheet::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) {
  DescribeControl(*this, self);
  self.Kind = TAccessKind::Page;
  AddWindowlessElements(*this, elements);
}

// The strip is named after its tabs (a name that stays when the page changes); the tabs are its elements,
// in the strip's order.
void TsPageControl::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) {
  DescribeControl(*this, self);
  self.Kind = TAccessKind::PageList;
  std::vector<std::u16string> tabs;
  for (int tab = 0;; ++tab) {
    const int page = PageIndexOfTab(tab);
    if (page < 0) break;
    tabs.push_back(U16(Pages(page)->Text()));
    TAccessElement e;
    DescribeControl(*Pages(page), e.Facts);
    e.Facts.Kind = TAccessKind::PageTab;
    e.Facts.Enabled = Pages(page)->Enabled() && self.Enabled;
    e.Facts.Selected = Pages(page) == ActivePage();
    e.Facts.Offscreen = self.Offscreen;
    e.Facts.Showing = self.Showing;  // a tab shows while its page is hidden
    e.Facts.Focused = e.Facts.Selected && self.Focused;
    e.Facts.Focusable = false;
    e.Bounds = PaintedTabRectOf(page);
    elements.push_back(std::move(e));
  }
  self.Caption = JoinedNames(tabs);
}

void TsPageControl::DoAccessDefaultAction(int id) {
  const int page = PageIndexOfTab(id - 1);
  if (id > 0 && page >= 0 && page != ActivePageIndex()) SelectPageAsUser(page);
}

// The pair is named like the field it steps; the arrows are its elements.
void TsSpinButton::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) {
  DescribeControl(*this, self);
  self.Kind = TAccessKind::SpinButton;
  self.Label = NamingLabelOf(FOwner);
  self.Focusable = false;
  for (TsTimerSpeedButton* arrow : {FUpButton, FDownButton}) {
    TAccessElement e;
    DescribeControl(*arrow, e.Facts);
    e.Facts.Kind = TAccessKind::SpinArrow;
    e.Facts.Caption = arrow->Up ? u"Больше" : u"Меньше";
    e.Facts.Pressed = arrow->IsDown();
    e.Bounds = RectOf(arrow->BoundsRect());
    elements.push_back(std::move(e));
  }
}

void TsSpinButton::DoAccessDefaultAction(int id) {
  if (!EnabledChain()) return;
  if (id == 1) ArrowClicked(*FUpButton);
  if (id == 2) ArrowClicked(*FDownButton);
}

}  // namespace qw
