#include "skin/frame/menu/SkinableMenus_win.h"

#include <algorithm>

#include "fw/Canvas.h"
#include "fw/ImageList.h"
#include "fw/WideText.h"
#include "image/BitmapBlend.h"
#include "image/BitmapDC_win.h"
#include "skin/core/PopupMenuHook_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/menu/MnuWnd_win.h"

namespace qw {

namespace {

// The engine's item handlers. Their own types tell them apart from handlers the application set, so
// unhooking removes exactly these.
struct TSkinMenuMeasure {
  void operator()(TMenuItem* item, TCanvas& canvas, int& width, int& height) const {
    if (item) SkinableMenus().MeasureItem(*item, canvas, width, height);
  }
};
struct TSkinMenuDraw {
  void operator()(TMenuItem* item, TCanvas& canvas, TRect rect, TOwnerDrawState state) const {
    if (item) SkinableMenus().DrawItem(*item, canvas, rect, state);
  }
};

constexpr char kSkinSelectItemName[] = "SkinSelectItem";
// An item added to a menu while it is skinned has no handlers yet: they are given when the menu opens.
void HookMenuItem(TMenuItem& item, bool skinned) {
  if (skinned) {
    if (!item.OnAdvancedDrawItem) item.OnAdvancedDrawItem = TSkinMenuDraw{};
    if (!item.OnMeasureItem) item.OnMeasureItem = TSkinMenuMeasure{};
    return;
  }
  if (item.OnAdvancedDrawItem.target<TSkinMenuDraw>()) item.OnAdvancedDrawItem = nullptr;
  if (item.OnMeasureItem.target<TSkinMenuMeasure>()) item.OnMeasureItem = nullptr;
}

bool HasOwnHandlers(TMenu& menu) {
  bool own = false;
  ForEachMenuItem(menu.Root(), [&own](TMenuItem& item) {
    own = own || item.OnAdvancedDrawItem || item.OnDrawItem || item.OnMeasureItem;
  });
  return own;
}

TMenu* MenuOfItem(TMenuItem& item) { return dynamic_cast<TMenu*>(item.Root().Listener()); }

TSize SizeOfBitmap(const TBitmap32& bmp) { return TSize{bmp.Width(), bmp.Height()}; }

// The glyph an item's size counts (its own picture, else its menu's image size).
TSize ItemGlyphSize(TMenuItem& item) {
  const TMenu* menu = MenuOfItem(item);
  const TImageList* images = menu ? menu->Images() : nullptr;
  return MenuGlyphSize(SizeOfBitmap(item.Bitmap()), {}, images ? TSize{images->Width(), images->Height()} : TSize{});
}

// The item of the framework shown first in a system menu. Its command is read from the item's record:
// GetMenuItemID answers -1 for an item that opens a submenu.
TMenuItem* FirstItemOfMenu(HMENU menu) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  if (GetMenuItemCount(menu) <= 0 || !GetMenuItemInfoW(menu, 0, TRUE, &info)) return nullptr;
  return MenuItemOfCommand(static_cast<uint16_t>(info.wID));
}

// Where the client area starts inside the window: the level picture covers the whole window.
POINT ClientOrigin(HWND wnd) {
  POINT origin{0, 0};
  RECT wr{};
  if (!wnd || !ClientToScreen(wnd, &origin) || !GetWindowRect(wnd, &wr)) return POINT{0, 0};
  return POINT{origin.x - wr.left, origin.y - wr.top};
}

void SkinChangeOfMenus(TsSkinManager& manager, bool active) { SkinableMenus().UpdateMenus(manager, active); }

void HookMenuOnContext(TMenu& menu, TsSkinManager* manager, bool active) {
  SkinableMenus().HookPopupMenu(menu, manager, active);
}

}  // namespace

const TBitmap32* MenuItemPicture(TMenuItem& item) {
  if (!item.Bitmap().Empty()) return &item.Bitmap();
  const TMenu* menu = MenuOfItem(item);
  const TBitmap32* picture = menu && menu->Images() ? menu->Images()->Image(item.ImageIndex()) : nullptr;
  return picture && !picture->Empty() ? picture : nullptr;
}

TsSkinableMenus& SkinableMenus() {
  static TsSkinableMenus menus;
  return menus;
}

void InstallMenuSkinning() {
  SetPopupMenuHook(&HookMenuOnContext);
  AddSkinChangeListener(&SkinChangeOfMenus);
}

TsSkinManager* TsSkinableMenus::SkinningManager() const {
  TsSkinManager* m = DefaultManager();
  return m && m->Active() && m->SkinnedPopups && m->SkinData.Active ? m : nullptr;
}

// ---- Hooking -----------------------------------------------------------------------------------------------

void TsSkinableMenus::HookPopupMenu(TMenu& menu, TsSkinManager* manager, bool active) {
  TsSkinManager* m = manager ? manager : DefaultManager();
  const bool skinned = active && m && m->Active() && m->SkinnedPopups;
  ForEachMenuItem(menu.Root(), [skinned](TMenuItem& item) { HookMenuItem(item, skinned); });
  // A menu the application draws itself stays owner-drawn.
  if (skinned || !HasOwnHandlers(menu)) menu.SetOwnerDraw(skinned);
}

void TsSkinableMenus::UpdateMenus(TsSkinManager& manager, bool active) {
  if (&manager != DefaultManager()) return;
  SkinChanged();
  // Menu bars keep the system's look: their top line would need painters of its own.
  ForEachFormMenu([&](TMenu& menu) {
    if (dynamic_cast<TPopupMenu*>(&menu)) HookPopupMenu(menu, &manager, active);
  });
}

void TsSkinableMenus::SkinChanged() {
  FSkinBorderWidth = -1;
  FLevels.clear();
}

int32_t TsSkinableMenus::EffectiveMenuBorderWidth() {
  if (FSkinBorderWidth < 0) {
    const TsSkinManager* m = SkinningManager();
    if (!m) return 0;
    FSkinBorderWidth = SkinMenuBorderWidth(*m);
  }
  return FSkinBorderWidth;
}

// ---- Levels ------------------------------------------------------------------------------------------------

bool TsSkinableMenus::HasExtraLine(const TMenuItem* parent) const {
  const TsSkinManager* m = SkinningManager();
  return m && m->MenuSupport.UseExtraLine && m->MenuSupport.ExtraLineWidth > 0 && parent && parent->Count() > 0 &&
         parent->Items(0)->Name() == kSkinSelectItemName;
}

int32_t TsSkinableMenus::ExtraWidthFor(const TMenuItem& item) const {
  const TMenuItem* parent = item.Parent();
  if (!HasExtraLine(parent)) return 0;
  // Only the first column has the strip beside it.
  for (int i = 0; i < parent->Count(); ++i) {
    const TMenuItem* sibling = parent->Items(i);
    if (sibling->Visible() && sibling->Break() != mbNone) return 0;
    if (sibling == &item) break;
  }
  return SkinningManager()->MenuSupport.ExtraLineWidth;
}

TqxMenuInfo* TsSkinableMenus::LevelOfWindow(HWND wnd) {
  for (auto& level : FLevels)
    if (wnd && level->Wnd == wnd) return level.get();
  return nullptr;
}

TqxMenuInfo& TsSkinableMenus::Level(HWND wnd, TMenuItem* parent, TSize size, int32_t firstGlyphWidth) {
  const TsSkinManager& m = *SkinningManager();
  auto level = std::make_unique<TqxMenuInfo>();
  level->Wnd = wnd;
  level->Parent = parent;
  level->HaveExtraLine = HasExtraLine(parent);
  level->IconColumnWidth = MenuIconColumnWidth(firstGlyphWidth, Metrics);
  TMenuLevelShape shape;
  shape.Size = size;
  shape.IconColumnWidth = level->IconColumnWidth;
  shape.ExtraWidth = level->HaveExtraLine ? m.MenuSupport.ExtraLineWidth : 0;
  shape.SkinBorderWidth = EffectiveMenuBorderWidth();
  level->Picture = PaintMenuLevel(m, shape);
  if (level->HaveExtraLine) DrawExtraLineText(*level);
  FLevels.push_back(std::move(level));
  return *FLevels.back();
}

TqxMenuInfo& TsSkinableMenus::WindowlessLevel(TMenuItem& item, TSize reach) {
  // Without a window a level is as large as the items painted so far reach; a larger item paints it anew.
  for (auto it = FLevels.begin(); it != FLevels.end(); ++it) {
    TqxMenuInfo& level = **it;
    if (level.Wnd || level.Parent != item.Parent()) continue;
    if (level.Picture.Bmp.Width() >= reach.Width && level.Picture.Bmp.Height() >= reach.Height) return level;
    reach = TSize{std::max(reach.Width, level.Picture.Bmp.Width()), std::max(reach.Height, level.Picture.Bmp.Height())};
    FLevels.erase(it);
    break;
  }
  return Level(nullptr, item.Parent(), reach, ItemGlyphSize(item).Width);
}

TqxMenuInfo* TsSkinableMenus::PrepareWindowLevel(HWND wnd) {
  if (TqxMenuInfo* known = LevelOfWindow(wnd)) return known;
  RECT wr{};
  if (!SkinningManager() || !wnd || !GetWindowRect(wnd, &wr)) return nullptr;
  // The menu window names its menu; the first item tells the level and its glyph column.
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(wnd, MN_GETHMENU, 0, 0));
  TMenuItem* first = menu ? FirstItemOfMenu(menu) : nullptr;
  const int32_t glyph = first ? ItemGlyphSize(*first).Width : MenuGlyphSize({}, {}, {}).Width;
  return &Level(wnd, first ? first->Parent() : nullptr, TSize{wr.right - wr.left, wr.bottom - wr.top}, glyph);
}

void TsSkinableMenus::WindowDestroyed(HWND wnd) {
  std::erase_if(FLevels, [wnd](const auto& level) { return level->Wnd == wnd || !IsWindow(level->Wnd); });
  if (FLevels.empty()) MenuOpen = false;
}

// ---- Measuring ---------------------------------------------------------------------------------------------

void TsSkinableMenus::MeasureItem(TMenuItem& item, TCanvas& canvas, int& width, int& height) {
  if (item.IsDestroying()) return;
  MenuOpen = true;
  const TMenuItemKind kind = item.Kind();
  const std::wstring text =
      Wide(MenuItemMeasureText(kind, MenuCaptionTitle(item.Caption()), ShortCutToText(item.ShortCut())));
  RECT r{0, 0, MenuItemMeasureWidth(kind), 0};
  if (!text.empty())
    DrawTextW(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP);
  const TSize size = MenuItemSize(kind, TSize{r.right - r.left, r.bottom - r.top}, ItemGlyphSize(item), Metrics,
                                  ExtraWidthFor(item));
  width = size.Width;
  height = size.Height;
}

// ---- Painting ----------------------------------------------------------------------------------------------

void TsSkinableMenus::DrawItem(TMenuItem& item, TCanvas& canvas, TRect rect, TOwnerDrawState state) {
  if (!SkinningManager() || item.IsDestroying()) return;
  HDC dc = canvas.Handle();
  HWND wnd = WindowFromDC(dc);
  TqxMenuInfo* level = PrepareWindowLevel(wnd);
  if (!level) {
    const int32_t border = EffectiveMenuBorderWidth();
    level = &WindowlessLevel(item, TSize{rect.Right + border, rect.Bottom + border});
  }
  const POINT origin = wnd ? ClientOrigin(wnd) : POINT{0, 0};
  const int32_t extra = ExtraWidthFor(item);
  const TPoint at{rect.Left + origin.x + extra, rect.Top + origin.y};
  const int32_t w = rect.Right - rect.Left - extra, h = rect.Bottom - rect.Top;
  if (w <= 0 || h <= 0 || level->Picture.Bmp.Empty()) return;
  TBitmap32 ib(w, h);
  BlendRectangle(ib, level->Picture.Bmp, 0, TPoint{0, 0}, TRect{at.X, at.Y, at.X + w, at.Y + h});
  HFONT font = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
  switch (item.Kind()) {
    case TMenuItemKind::Separator:
      DrawSeparator(ib, *level, extra);
      break;
    case TMenuItemKind::Caption:
      DrawCaptionItem(ib, item, font);
      break;
    default:
      DrawNormalItem(ib, at, *level, item, state, font);
      break;
  }
  CopyBitmapToDC(dc, ib, TRect{0, 0, w, h}, TPoint{rect.Left + extra, rect.Top});
  const TRect painted{at.X, at.Y, at.X + w, at.Y + h};
  if (std::find(level->PaintedItems.begin(), level->PaintedItems.end(), painted) == level->PaintedItems.end())
    level->PaintedItems.push_back(painted);
  if (auto* menuWnd = dynamic_cast<TqxMnuWnd*>(TqxMainWnd::FromHandle(wnd))) menuWnd->ItemPainted();
}

}  // namespace qw
