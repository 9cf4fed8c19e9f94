#include <algorithm>

#include "fw/Canvas.h"
#include "fw/ImageList.h"
#include "fw/Menu.h"
#include "fw/Picture.h"
#include "fw/SelectedFont.h"
#include "fw/WideText.h"

// Owner-drawn menus: the system asks the menu's window for each item's size and painting by the item's
// command number; the item's handlers answer, or the framework's plain look when it has none.

namespace qw {

static_assert(odSelected == ODS_SELECTED && odGrayed == ODS_GRAYED && odDisabled == ODS_DISABLED &&
              odChecked == ODS_CHECKED && odFocus == ODS_FOCUS && odDefault == ODS_DEFAULT &&
              odHotLight == ODS_HOTLIGHT && odInactive == ODS_INACTIVE && odNoAccel == ODS_NOACCEL &&
              odNoFocusRect == ODS_NOFOCUSRECT);

namespace {

constexpr int kMenuMargin = 3;      // around the glyph and the text
constexpr int kShortCutGap = 16;    // between the caption and the shortcut text
constexpr int kDefaultGlyph = 16;   // the glyph column of items without a picture

// The menu an item belongs to when that is an owner-drawn menu of the framework.
TMenu* OwnerDrawMenuOf(TMenuItem& item) {
  auto* menu = dynamic_cast<TMenu*>(item.Root().Listener());
  return menu && menu->OwnerDraw() ? menu : nullptr;
}

// The system's menu font, bold for the default item.
LOGFONTW MenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return metrics.lfMenuFont;
}

const TBitmap32* PictureOf(const TMenuItem& item, const TMenu& menu) {
  if (!item.Bitmap().Empty()) return &item.Bitmap();
  return menu.Images() ? menu.Images()->Image(item.ImageIndex()) : nullptr;
}

SIZE TextSize(HDC dc, const std::wstring& text) {
  SIZE size{0, 0};
  if (!text.empty()) GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

// The framework's own measure: the glyph column, the caption, the shortcut.
void PlainMenuItemSize(HDC dc, const TMenuItem& item, const TMenu& menu, int& width, int& height) {
  if (item.IsSeparator()) {
    width = 0;
    height = GetSystemMetrics(SM_CYMENU) / 2;
    return;
  }
  const TBitmap32* picture = PictureOf(item, menu);
  const int glyphWidth = picture ? picture->Width() : kDefaultGlyph;
  const int glyphHeight = picture ? picture->Height() : kDefaultGlyph;
  const SIZE caption = TextSize(dc, Wide(MenuCaptionTitle(item.Caption())));
  const SIZE shortCut = TextSize(dc, Wide(ShortCutToText(item.ShortCut())));
  width = glyphWidth + 3 * kMenuMargin + caption.cx + (shortCut.cx > 0 ? kShortCutGap + shortCut.cx : 0);
  height = std::max<int>(caption.cy, glyphHeight) + 2 * kMenuMargin;
}

// The framework's own look: the selection, a separator line, the picture or check mark, caption and
// shortcut.
void DrawPlainMenuItem(HDC dc, const TMenuItem& item, const TMenu& menu, RECT r, UINT state) {
  const bool selected = (state & ODS_SELECTED) != 0;
  FillRect(dc, &r, GetSysColorBrush(selected && !item.IsSeparator() ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (item.IsSeparator()) {
    RECT line{r.left + kMenuMargin, (r.top + r.bottom) / 2 - 1, r.right - kMenuMargin, (r.top + r.bottom) / 2 + 1};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const TBitmap32* picture = PictureOf(item, menu);
  const int glyphWidth = picture ? picture->Width() : kDefaultGlyph;
  const int glyphHeight = picture ? picture->Height() : kDefaultGlyph;
  const int glyphTop = (r.top + r.bottom - glyphHeight) / 2;
  if (picture) {
    TPicture shown;
    shown.Assign(picture->Clone());
    shown.Draw(dc, r.left + kMenuMargin, glyphTop);
  } else if (item.Checked()) {
    RECT mark{r.left + kMenuMargin, glyphTop, r.left + kMenuMargin + glyphWidth, glyphTop + glyphHeight};
    DrawFrameControl(dc, &mark, DFC_MENU, item.RadioItem() ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!item.Enabled() ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  RECT text{r.left + glyphWidth + 2 * kMenuMargin, r.top, r.right - kMenuMargin, r.bottom};
  const UINT flags = DT_SINGLELINE | DT_VCENTER | ((state & ODS_NOACCEL) ? DT_HIDEPREFIX : 0u);
  const std::wstring caption = Wide(MenuCaptionTitle(item.Caption()));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, flags | (item.IsCaption() ? DT_CENTER : 0u));
  const std::wstring shortCut = Wide(ShortCutToText(item.ShortCut()));
  DrawTextW(dc, shortCut.c_str(), static_cast<int>(shortCut.size()), &text, flags | DT_RIGHT);
}

}  // namespace

bool MeasureMenuItem(MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU) return false;
  TMenuItem* item = MenuItemOfCommand(static_cast<uint16_t>(measure.itemID));
  TMenu* menu = item ? OwnerDrawMenuOf(*item) : nullptr;
  if (!menu) return false;
  HDC dc = GetDC(nullptr);
  int width = 0, height = 0;
  {
    const TSelectedFont font(dc, MenuFont(item->Default()));
    TCanvas canvas(dc);
    PlainMenuItemSize(dc, *item, *menu, width, height);
    if (const TMenuMeasureItemEvent handler = item->OnMeasureItem) handler(item, canvas, width, height);
  }
  ReleaseDC(nullptr, dc);
  measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  measure.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

bool DrawMenuItem(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU) return false;
  TMenuItem* item = MenuItemOfCommand(static_cast<uint16_t>(draw.itemID));
  TMenu* menu = item ? OwnerDrawMenuOf(*item) : nullptr;
  if (!menu) return false;
  const TSelectedFont font(draw.hDC, MenuFont(item->Default()));
  TCanvas canvas(draw.hDC);
  const TRect rect{draw.rcItem.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom};
  if (const TAdvancedMenuDrawItemEvent advanced = item->OnAdvancedDrawItem)
    advanced(item, canvas, rect, draw.itemState);
  else if (const TMenuDrawItemEvent plain = item->OnDrawItem)
    plain(item, canvas, rect, (draw.itemState & ODS_SELECTED) != 0);
  else
    DrawPlainMenuItem(draw.hDC, *item, *menu, draw.rcItem, draw.itemState);
  return true;
}

}  // namespace qw
