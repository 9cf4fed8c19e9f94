#include "skin/access/AccessRules.h"

#include <algorithm>
#include <climits>

namespace qw {

namespace {

// How each kind is read: its role, what names it, whether it has a value, and its default action.
enum class TNameFrom { Caption, Label, Hint };
struct TKindRule {
  long Role;
  TNameFrom Name;
  bool HasValue;
  const char16_t* Action;  // nullptr: none; the check box's depends on its state
};

TKindRule RuleOf(TAccessKind kind) {
  using namespace access;
  switch (kind) {
    case TAccessKind::PushButton: return {RolePushButton, TNameFrom::Caption, false, u"Press"};
    case TAccessKind::CheckBox: return {RoleCheckButton, TNameFrom::Caption, false, nullptr};
    case TAccessKind::Edit: return {RoleText, TNameFrom::Label, true, nullptr};
    case TAccessKind::ComboBox: return {RoleComboBox, TNameFrom::Label, true, nullptr};
    case TAccessKind::PageList: return {RolePageTabList, TNameFrom::Caption, false, nullptr};
    case TAccessKind::PageTab: return {RolePageTab, TNameFrom::Caption, false, u"Switch"};
    case TAccessKind::Page: return {RolePropertyPage, TNameFrom::Caption, false, nullptr};
    case TAccessKind::Grouping: return {RoleGrouping, TNameFrom::Caption, false, nullptr};
    case TAccessKind::StaticText: return {RoleStaticText, TNameFrom::Caption, false, nullptr};
    case TAccessKind::TextPanel: return {RoleStaticText, TNameFrom::Hint, true, nullptr};
    case TAccessKind::Graphic: return {RoleGraphic, TNameFrom::Hint, false, nullptr};
    case TAccessKind::Link: return {RoleLink, TNameFrom::Hint, true, u"Jump"};
    case TAccessKind::SpinButton: return {RoleSpinButton, TNameFrom::Label, false, nullptr};
    case TAccessKind::SpinArrow: return {RolePushButton, TNameFrom::Caption, false, u"Press"};
    case TAccessKind::TitleBar: return {RoleTitleBar, TNameFrom::Caption, false, nullptr};
    case TAccessKind::MenuPopup: return {RoleMenuPopup, TNameFrom::Caption, false, nullptr};
    case TAccessKind::MenuItem: return {RoleMenuItem, TNameFrom::Caption, false, u"Execute"};
    case TAccessKind::Separator: return {RoleSeparator, TNameFrom::Caption, false, nullptr};
    case TAccessKind::ScrollBar: return {RoleScrollBar, TNameFrom::Caption, true, nullptr};
    case TAccessKind::Client: break;
  }
  return {RoleClient, TNameFrom::Caption, false, nullptr};
}

// The first non-empty of the sources, in the order the kind prefers; a glyph-only button has its hint,
// a field without a label its hint, a link its address.
std::u16string NameOf(const TAccessFacts& f, TNameFrom from) {
  const std::u16string caption = StripMnemonic(f.Caption);
  const std::u16string label = StripMnemonic(f.Label);
  const std::u16string* order[3] = {&caption, &f.Hint, &label};
  if (from == TNameFrom::Label) order[0] = &label, order[2] = &caption;
  if (from == TNameFrom::Hint) order[0] = &f.Hint, order[1] = &caption, order[2] = &f.Value;
  for (const std::u16string* s : order)
    if (!s->empty()) return *s;
  return {};
}

// "Alt+X" for the character after a single '&'.
std::u16string ShortcutOf(const std::u16string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    char16_t c = caption[i + 1];
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return u"Alt+" + std::u16string(1, c);
  }
  return {};
}

}  // namespace

std::u16string StripMnemonic(const std::u16string& caption) {
  std::u16string out;
  out.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

TAccessAnswer AccessAnswerOf(const TAccessFacts& f) {
  using namespace access;
  const TKindRule rule = RuleOf(f.Kind);
  TAccessAnswer a;
  a.Role = rule.Role;
  a.Name = NameOf(f, rule.Name);
  if (rule.HasValue) a.Value = f.Value;
  if (f.Enabled && !f.HasPopup) {
    if (f.Kind == TAccessKind::CheckBox) a.DefaultAction = f.Checked ? u"Uncheck" : u"Check";
    else if (rule.Action) a.DefaultAction = rule.Action;
  }
  a.Shortcut = !f.Shortcut.empty() ? f.Shortcut : ShortcutOf(rule.Name == TNameFrom::Label ? f.Label : f.Caption);
  if (!f.Enabled) a.State |= StateUnavailable;
  if (f.Focusable && f.Enabled) a.State |= StateFocusable;
  if (f.Focused) a.State |= StateFocused;
  if (f.Offscreen) a.State |= StateOffscreen;
  if (!f.Showing) a.State |= StateInvisible;
  if (f.Checked) a.State |= StateChecked;
  if (f.Pressed) a.State |= StatePressed;
  if (f.Hot) a.State |= StateHotTracked;
  if (f.HasPopup) a.State |= StateHasPopup;
  if (f.ReadOnly) a.State |= StateReadOnly;
  if (f.Kind == TAccessKind::PageTab) a.State |= StateSelectable | (f.Selected ? StateSelected : 0);
  // The menu's hot item is the one the keyboard acts on: selected and focused.
  if (f.Kind == TAccessKind::MenuItem && f.Selected) a.State |= StateSelected | StateFocused;
  if (f.Kind == TAccessKind::Link) a.State |= StateLinked;
  return a;
}

TAccessChanges AccessChangesBetween(const TAccessAnswer& before, const TAccessAnswer& after) {
  using namespace access;
  constexpr uint32_t kQuiet =
      StateFocused | StateFocusable | StateOffscreen | StateInvisible | StatePressed | StateHotTracked | StateSelected;
  return TAccessChanges{before.Name != after.Name, before.Value != after.Value,
                        (before.State & ~kQuiet) != (after.State & ~kQuiet)};
}

TAccessFacts MenuItemFacts(const std::u16string& text, TMenuItemFlags flags) {
  TAccessFacts f;
  f.Kind = flags.Separator ? TAccessKind::Separator : TAccessKind::MenuItem;
  if (flags.Separator) return f;
  const size_t tab = text.find(u'\t');
  f.Caption = text.substr(0, tab);
  if (tab != std::u16string::npos) f.Shortcut = text.substr(tab + 1);
  f.Enabled = flags.Enabled;
  f.Checked = flags.Checked;
  f.Selected = flags.Hot;
  f.HasPopup = flags.Submenu;
  return f;
}

std::u16string JoinedNames(const std::vector<std::u16string>& names) {
  std::u16string joined;
  std::vector<const std::u16string*> seen;
  for (const std::u16string& n : names) {
    if (n.empty() || std::any_of(seen.begin(), seen.end(), [&](const std::u16string* s) { return *s == n; })) continue;
    seen.push_back(&n);
    joined += (joined.empty() ? u"" : u", ") + n;
  }
  return joined;
}

bool IsOffscreen(const TRect& bounds, const TRect& visible) {
  return IsRectEmpty(IntersectRects(bounds, visible));
}

std::u16string NamingCaption(const TRect& field, const std::vector<TNamingCandidate>& candidates) {
  // A label further away than this belongs to something else.
  constexpr int32_t kMaxGap = 12;
  int32_t best = INT32_MAX;
  const std::u16string* caption = nullptr;
  for (const TNamingCandidate& c : candidates) {
    const TRect& r = c.Bounds;
    const bool overlapsColumns = r.Left < field.Right && field.Left < r.Right;
    const bool overlapsRows = r.Top < field.Bottom && field.Top < r.Bottom;
    int32_t gap = INT32_MAX;
    if (overlapsColumns && r.Bottom <= field.Top) gap = field.Top - r.Bottom;
    else if (overlapsRows && r.Right <= field.Left) gap = field.Left - r.Right;
    if (gap <= kMaxGap && gap < best) best = gap, caption = &c.Caption;
  }
  return caption ? *caption : std::u16string{};
}

}  // namespace qw
