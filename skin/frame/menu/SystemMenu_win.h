#pragma once
// TsSystemMenu: the skinned system menu of a form, a popup menu drawn like every skinned menu. Its items
// are the form's window commands as the predicates allow them (SysMenuRules), the commands the
// program added to the system's own menu, and optionally the skin submenu that switches the program to
// another skin. Choosing an item posts the command to the form, so nothing is freed inside the menu.
#include <windows.h>

#include "fw/Menu.h"
#include "skin/frame/SysMenuRules.h"

namespace qw {

enum class TSysSubMenuPosition { ipTop, ipBottom, ipBeforeClose };

// A popup menu of the program's merged into the system menu: a submenu with Caption holding copies of
// the popup menu's items, at Position; merged only when both the caption and the menu are set.
struct TqxSysSubMenu {
  std::u16string Caption;
  TPopupMenu* PopupMenu = nullptr;
  TSysSubMenuPosition Position = TSysSubMenuPosition::ipBeforeClose;
};

class TsSystemMenu : public TPopupMenu {
 public:
  explicit TsSystemMenu(HWND form);
  const char* ClassName() const override { return "TsSystemMenu"; }

  // The form as the predicates see it. Framework forms answer from their border style and icons (the
  // frame takes the system-menu style away while it paints); other windows from their styles.
  virtual TFormState FormState() const;
  virtual TSysMenuRules Rules() const { return FormSysMenuRules(FormState()); }

  // Builds the items again from the form's system menu.
  void Generate();
  // Regenerates when Full or when there is no Close item yet; then shows, hides, enables and greys the
  // window commands by the predicates.
  void UpdateItems(bool full);
  // The skin submenu at the top: every skin the default manager knows, the current one checked.
  void MakeSkinItems();
  // Updates the items and opens the menu with its top-left corner at the screen point.
  void Drop(POINT at);

  // The skin submenu is made on every drop while this is set.
  bool MakeSkinMenu = false;
  // The program's menu merged in (the frame's; null: none), read at every Generate.
  const TqxSysSubMenu* SubMenu = nullptr;
  HWND Form() const { return FForm; }
  TMenuItem *ItemRestore = nullptr, *ItemMove = nullptr, *ItemSize = nullptr, *ItemMinimize = nullptr,
            *ItemMaximize = nullptr, *ItemClose = nullptr;
  // The commands copied from the system's own menu.
  int ExtItemsCount = 0;

 private:
  TMenuItem* AddItem(TMenuItem& parent, const char* name, std::u16string caption);
  TMenuItem* AddCommand(const char* name, UINT command, const char16_t* fallback);
  void SkinSelect(TMenuItem& item);
  // The merged submenu with its divider at Position, when the program asked for one there.
  void AddMergedSubMenu(TSysSubMenuPosition position);
  void CopyItems(const TMenuItem& from, TMenuItem& to);

  HWND FForm;
};

// The form's skinned system menu (made the first time, owned by the form), or null for a window that is
// no framework form.
TsSystemMenu* SystemMenuOf(HWND form);
// What the frame calls to open the system menu: the form's skinned system menu at the screen point,
// with the skin submenu when MakeSkinMenu is set and the program's SubMenu merged in.
void ShowSkinnedSystemMenu(HWND form, POINT at, bool makeSkinMenu = false, const TqxSysSubMenu* subMenu = nullptr);

}  // namespace qw
