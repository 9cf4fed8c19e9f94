#pragma once
// TsSkinableMenus: draws popup menus from the skin. Hooking a menu makes it owner-drawn and gives every
// item the engine's measure and paint handlers (an item's own handlers stay); each open menu level gets
// one background picture, from which items copy their background and the menu window its frame. The
// system shows one menu chain at a time, so the levels and the menu-open flag are process-wide; a level
// lives from its first item paint until its window is destroyed.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fw/Menu.h"
#include "skin/frame/MenuItemLayout.h"
#include "skin/frame/menu/MenuLevelPaint.h"

namespace qw {

class TsSkinManager;

// One open menu level.
struct TqxMenuInfo {
  HWND Wnd = nullptr;             // the menu window; null when the items were painted without one
  TMenuItem* Parent = nullptr;    // the item whose sub-items the level shows
  TMenuLevelPicture Picture;
  int32_t IconColumnWidth = 0;
  bool HaveExtraLine = false;
  bool RegionSet = false;         // the window's corners are cut
  std::vector<TRect> PaintedItems;  // in window coordinates: the frame painting leaves them alone
};

class TsSkinableMenus {
 public:
  TMenuMetrics Metrics;

  // Makes a menu skinned (owner-drawn with the engine's handlers, while the manager skins popups) or
  // plain again (the engine's handlers removed, the application's kept).
  void HookPopupMenu(TMenu& menu, TsSkinManager* manager, bool active);
  // Every menu of every form, after a skin change (Active: the manager has a skin).
  void UpdateMenus(TsSkinManager& manager, bool active);

  // The item handlers.
  void MeasureItem(TMenuItem& item, TCanvas& canvas, int& width, int& height);
  void DrawItem(TMenuItem& item, TCanvas& canvas, TRect rect, TOwnerDrawState state);

  // The level shown in a menu window, or null.
  TqxMenuInfo* LevelOfWindow(HWND wnd);
  // The level of a menu window, painted now when it has none yet (the window's first item tells the
  // glyph column). Null when nothing can be painted (no skin, no window size).
  TqxMenuInfo* PrepareWindowLevel(HWND wnd);
  // The window is going: its level goes with it; with the last one the menu-open flag is cleared.
  void WindowDestroyed(HWND wnd);
  int LevelCount() const { return static_cast<int>(FLevels.size()); }

  // The skin's menu border, remembered until the next skin.
  int32_t EffectiveMenuBorderWidth();
  // A new skin: the border is measured again and no picture of the old skin stays.
  void SkinChanged();

  // The manager whose skin the menus show: the default one while it is active and skins popups.
  TsSkinManager* SkinningManager() const;
  // The text written up the extra line of the skin submenu; the program may change it as each level
  // opens ("&" characters are dropped).
  std::u16string ExtraLineText = u"Use OnGetExtraLineData event";
  std::function<void(std::u16string& text)> OnGetExtraLineData;
  // A skinned menu is open (set while its items are measured, cleared when its last window goes).
  bool MenuOpen = false;

 private:
  TqxMenuInfo& Level(HWND wnd, TMenuItem* parent, TSize size, int32_t firstGlyphWidth);
  TqxMenuInfo& WindowlessLevel(TMenuItem& item, TSize reach);
  bool HasExtraLine(const TMenuItem* parent) const;
  int32_t ExtraWidthFor(const TMenuItem& item) const;
  void DrawSeparator(TBitmap32& ib, const TqxMenuInfo& level, int32_t extra);
  void DrawCaptionItem(TBitmap32& ib, TMenuItem& item, HFONT font);
  void DrawNormalItem(TBitmap32& ib, TPoint inPicture, TqxMenuInfo& level, TMenuItem& item,
                      TOwnerDrawState state, HFONT font);
  void DrawExtraLineText(TqxMenuInfo& level);

  std::vector<std::unique_ptr<TqxMenuInfo>> FLevels;
  int32_t FSkinBorderWidth = -1;
};

// The picture an item shows: its own, else its menu's image at ImageIndex; null for none.
const TBitmap32* MenuItemPicture(TMenuItem& item);

// The one object that skins the program's menus.
TsSkinableMenus& SkinableMenus();
// Puts the menus' skinning in place: menus are hooked before a skinned control's menu opens and again
// on every skin change. Called once at start-up; more calls change nothing.
void InstallMenuSkinning();

}  // namespace qw
