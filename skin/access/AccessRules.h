#pragma once
// What a screen reader is told about a control or a windowless element: its name, role, state, value,
// default action and keyboard shortcut, worked out from plain facts the control gives. The role and state
// numbers are the ones the accessibility interfaces define; the rules need no window.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Geometry.h"

namespace qw {

// The kinds of object the skinned controls show.
enum class TAccessKind {
  Client,      // a window with nothing more to say
  PushButton,
  CheckBox,
  Edit,        // an edit, a memo, a spin edit's field
  ComboBox,
  PageList,    // the page control's tab strip
  PageTab,
  Page,        // a tab sheet
  Grouping,    // a group box
  StaticText,  // labels
  TextPanel,   // a panel showing a text as its value (the password)
  Graphic,
  Link,        // a picture that opens an address
  SpinButton,  // the arrow pair of a spin edit
  SpinArrow,
  TitleBar,    // a skinned frame's caption, whose elements are its buttons
  MenuPopup,   // a popup menu's window, whose elements are its items
  MenuItem,
  Separator,   // a menu's dividing line
  ScrollBar,   // its value is the position
};

// Roles and states as the accessibility interfaces number them.
namespace access {
inline constexpr long RoleTitleBar = 1, RoleScrollBar = 3, RoleMenuPopup = 11, RoleMenuItem = 12, RoleSeparator = 21, RoleClient = 10, RoleGrouping = 20, RoleLink = 30, RolePageTab = 37,
                      RolePropertyPage = 38, RoleGraphic = 40, RoleStaticText = 41, RoleText = 42,
                      RolePushButton = 43, RoleCheckButton = 44, RoleComboBox = 46, RoleSpinButton = 52,
                      RolePageTabList = 60;
inline constexpr uint32_t StateUnavailable = 0x1, StateSelected = 0x2, StateFocused = 0x4, StatePressed = 0x8,
                          StateChecked = 0x10, StateHotTracked = 0x80, StateReadOnly = 0x40, StateInvisible = 0x8000, StateOffscreen = 0x10000,
                          StateFocusable = 0x100000, StateSelectable = 0x200000, StateLinked = 0x400000,
                          StateHasPopup = 0x40000000;
}  // namespace access

// What the control knows of itself.
struct TAccessFacts {
  TAccessKind Kind = TAccessKind::Client;
  std::u16string Caption;  // caption or text, '&' marking the mnemonic
  std::u16string Hint;
  std::u16string Label;    // the label that names a field (bound, preceding, or the group's caption)
  std::u16string Value;    // a field's text, the chosen item, the shown password, a link's address
  std::u16string Shortcut = {};  // a menu item's key ("Alt+F4"); empty: the caption's mnemonic
  bool Enabled = true;
  bool Focusable = false;
  bool Focused = false;
  bool Offscreen = false;  // wholly outside the form's client area (still reachable with Tab)
  bool Showing = true;     // visible here and in every parent (a hidden page's controls are not)
  bool Checked = false;
  bool Selected = false;   // the active tab
  bool Pressed = false;
  bool Hot = false;        // under the mouse
  bool HasPopup = false;   // opens a menu of its own
  bool ReadOnly = false;
};

// What is answered.
struct TAccessAnswer {
  std::u16string Name;
  std::u16string Value;
  std::u16string DefaultAction;
  std::u16string Shortcut;  // "Alt+X" for a caption's mnemonic
  long Role = access::RoleClient;
  uint32_t State = 0;
};

TAccessAnswer AccessAnswerOf(const TAccessFacts& facts);

// What a change of a control gives its listeners: one event for each of these that differs between what
// was announced before and what is true now. Focus, selection, focusability and being offscreen are not
// announced as state changes (focus and selection have events of their own), nor is a press that is not
// over yet, nor hovering.
struct TAccessChanges {
  bool Name = false;
  bool Value = false;
  bool State = false;
};
TAccessChanges AccessChangesBetween(const TAccessAnswer& before, const TAccessAnswer& after);

// A menu item as the system's menu holds it: its text ("&Caption\tShortcut", the part after the tab is
// the item's key) and its state.
struct TMenuItemFlags {
  bool Separator = false;
  bool Enabled = true;
  bool Checked = false;
  bool Hot = false;
  bool Submenu = false;
};
TAccessFacts MenuItemFacts(const std::u16string& text, TMenuItemFlags flags);

// A name made of others (a strip after its tabs, a box without caption after what it holds): the
// non-empty ones, each once, in their order, joined by ", ".
std::u16string JoinedNames(const std::vector<std::u16string>& names);

// A caption as it is read: the mnemonic marks removed, "&&" read as one '&'.
std::u16string StripMnemonic(const std::u16string& caption);

// True when Bounds lies wholly outside Visible (the form's client area): the control is offscreen.
bool IsOffscreen(const TRect& bounds, const TRect& visible);

// A captioned sibling that may name a field: a label, or a check box that switches it.
struct TNamingCandidate {
  TRect Bounds;
  std::u16string Caption;
};

// The caption of the candidate that names a field at Field: the nearest one right above it (overlapping
// it horizontally) or right left of it (overlapping it vertically), within a short gap. Empty when none.
std::u16string NamingCaption(const TRect& field, const std::vector<TNamingCandidate>& candidates);

}  // namespace qw
