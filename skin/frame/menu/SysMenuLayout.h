#pragma once
// What the skinned system menu and the skin submenu hold, decided without a window: which of the six
// window commands are shown and which greyed, and the list of skins as radio items.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "fw/FormFrame.h"
#include "skin/frame/SysMenuRules.h"

namespace qw {

// The form's border style as the skinned frame classifies it.
TqxBorderStyle QxBorderStyleOf(TFormBorderStyle style);

// The six window commands in the order the menu lists them.
enum TSysMenuCommand : int { smRestore, smMove, smSize, smMinimize, smMaximize, smClose, smCommandCount };
struct TSysMenuItemState {
  bool Visible = false, Enabled = false;
  friend bool operator==(const TSysMenuItemState&, const TSysMenuItemState&) = default;
};
// Move is always shown and Close always enabled; the rest follow the predicates.
std::array<TSysMenuItemState, smCommandCount> SysMenuItemStates(const TSysMenuRules& r);

// One skin of the skin submenu.
struct TSkinChoice {
  std::u16string Caption;
  bool Checked = false;
  bool Break = false;  // starts a new column
  friend bool operator==(const TSkinChoice&, const TSkinChoice&) = default;
};
// Every skin a radio item, the current one checked; a new column starts at every 20th (20, 40, ...).
std::vector<TSkinChoice> SkinMenuChoices(const std::vector<std::u16string>& names, std::u16string_view current);
// The skin name a chosen caption stands for: without "&" characters, and cut after the first
// "(internal)" (whatever the system added behind it).
std::u16string SkinNameOfChoice(std::u16string_view caption);

}  // namespace qw
