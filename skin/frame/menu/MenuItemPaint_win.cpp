// The painting of one skinned menu item into its own picture: separators, caption items and normal
// items with their check mark, glyph, caption and shortcut; and the extra line's upright text.
#include <algorithm>

#include "fw/BitmapCanvas.h"
#include "fw/Font.h"
#include "fw/WideText.h"
#include "image/BitmapBlend.h"
#include "image/BitmapCopy.h"
#include "image/BitmapFill.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/menu/MenuPartsLayout.h"
#include "skin/frame/menu/SkinableMenus_win.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/SectionText_win.h"

namespace qw {

namespace {

constexpr std::u16string_view kItemSection = u"MENUITEM";
// A disabled item keeps this share of its look (out of 256); the rest is the menu behind it.
constexpr int kDisabledKeep = 154;
constexpr int32_t kExtraTextBottomGap = 12;
constexpr int kUprightEscapement = 900;  // tenths of a degree: the text runs upward

// GDI draws the item's texts into its picture with the menu's font.
class TItemTextCanvas {
 public:
  TItemTextCanvas(TBitmap32& bmp, HFONT font) : FCanvas(bmp) {
    if (FCanvas.Handle()) FOld = SelectObject(FCanvas.Handle(), font);
  }
  ~TItemTextCanvas() {
    if (FCanvas.Handle() && FOld) SelectObject(FCanvas.Handle(), FOld);
  }
  HDC Handle() const { return FCanvas.Handle(); }

 private:
  TBitmapCanvas FCanvas;
  HGDIOBJ FOld = nullptr;
};

int TextWidth(HDC dc, const std::u16string& text) {
  SIZE size{0, 0};
  if (dc && !text.empty())
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()), &size);
  return size.cx;
}

const TsMaskData* GlobalMask(const TsSkinManager& m, std::u16string_view name) {
  const int index = m.GetMaskIndex(m.ConstData.IndexGLobalInfo, kGlobalInfo, name);
  return m.IsValidImgIndex(index) ? &m.ma[static_cast<size_t>(index)] : nullptr;
}

TSize MaskImageSize(const TsMaskData& mask) { return TSize{MaskStateWidth(mask), MaskRowHeight(mask)}; }

}  // namespace

void TsSkinableMenus::DrawSeparator(TBitmap32& ib, const TqxMenuInfo& level, int32_t extra) {
  const TsSkinManager& m = *SkinningManager();
  // The span is measured on the whole item, extra line included; the picture starts after the line.
  const TMenuSpan span = MenuDividerSpan(ib.Width() + extra, level.IconColumnWidth, extra, Metrics);
  const TRect line{span.Left - extra, 0, span.Right - extra, ib.Height()};
  if (line.Right <= line.Left) return;
  const int section = m.GetSkinIndex(u"DIVIDERV");
  const int mask = m.GetMaskIndex(section, u"DIVIDERV", u"BORDERSMASK");
  if (m.IsValidImgIndex(mask)) {
    DrawBorderMask(ib, line, MakeCacheInfo(&ib, 0, 0), m.ma[static_cast<size_t>(mask)], 0, false);
    return;
  }
  const TColor color = m.SkinData.BorderColor == clNoColor ? static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))
                                                           : m.SkinData.BorderColor;
  FillRect32(ib, TRect{line.Left, 0, line.Right, 1}, color, 255);
}

void TsSkinableMenus::DrawCaptionItem(TBitmap32& ib, TMenuItem& item, HFONT font) {
  const TsSkinManager& m = *SkinningManager();
  // Inside a one-pixel frame of the menu's own picture.
  const TRect inner{1, 1, ib.Width() - 1, ib.Height() - 1};
  std::u16string_view name = u"MENUCAPTION";
  int section = m.GetSkinIndex(name);
  if (section < 0) section = m.GetSkinIndex(name = u"TOOLBAR");
  if (section >= 0) PaintSectionItem(section, name, MakeCacheInfo(&ib, 0, 0), 0, inner, TPoint{1, 1}, ib, &m);
  TItemTextCanvas canvas(ib, font);
  WriteSectionText(canvas.Handle(), MenuCaptionTitle(item.Caption()), true, &m, false, section,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_HIDEPREFIX, inner);
}

void TsSkinableMenus::DrawNormalItem(TBitmap32& ib, TPoint inPicture, TqxMenuInfo& level, TMenuItem& item,
                                     TOwnerDrawState state, HFONT font) {
  const TsSkinManager& m = *SkinningManager();
  const TSize size{ib.Width(), ib.Height()};
  const bool hot = (state & odSelected) && item.Enabled();
  const int section = m.GetSkinIndex(kItemSection);
  const TCacheInfo behind = MakeCacheInfo(&level.Picture.Bmp, inPicture.X, inPicture.Y);
  if (section >= 0)
    PaintSectionItem(section, kItemSection, behind, hot ? 1 : 0, TRect{0, 0, size.Width, size.Height}, TPoint{0, 0},
                     ib, &m);
  const TBitmap32* picture = MenuItemPicture(item);
  if (item.Checked() && !picture) {
    const TsMaskData* mark = item.RadioItem() ? GlobalMask(m, u"RADIOCHECKED") : GlobalMask(m, u"CHECK");
    if (!mark && !item.RadioItem()) mark = GlobalMask(m, u"BOXCHECKED");
    if (mark) DrawMaskGlyph(ib, MenuCheckMarkPos(size, MaskImageSize(*mark), Metrics), hot ? 1 : 0, behind, *mark, 1);
  }
  if (picture) {
    const TSize glyph{picture->Width(), picture->Height()};
    const TPoint at = MenuGlyphPos(size, glyph);
    if (item.Checked()) {
      // The frame of a pressed button around the glyph of a checked item.
      const int frame = m.GetSkinIndex(u"SPEEDBUTTON_SMALL");
      if (frame >= 0)
        PaintSectionItem(frame, u"SPEEDBUTTON_SMALL", MakeCacheInfo(&ib, 0, 0), 2,
                         TRect{at.X - 1, at.Y - 1, at.X + glyph.Width + 1, at.Y + glyph.Height + 1},
                         TPoint{at.X - 1, at.Y - 1}, ib, &m);
    }
    CopyAlphaBitmap(TRect{at.X, at.Y, at.X + glyph.Width, at.Y + glyph.Height}, TRect{0, 0, glyph.Width, glyph.Height},
                    ib, false, EmptyCacheInfo(), picture);
  }
  TItemTextCanvas canvas(ib, font);
  const int32_t glyphWidth = picture ? picture->Width() : MenuGlyphSize({}, {}, {}).Width;
  const TRect textRect = MenuItemTextRect(size, glyphWidth, Metrics);
  const TMenuCaptionText caption = SplitMenuCaption(item.Caption());
  // DT_VCENTER centres single lines only: a caption of one line is drawn as one, so it sits in the middle
  // of the item like its shortcut; only a caption that breaks its lines itself wraps from the top.
  const bool oneLine = caption.Text.find(u'\n') == std::u16string::npos;
  const UINT flags = DT_VCENTER | (oneLine ? DT_SINGLELINE : DT_WORDBREAK) | DT_EXPANDTABS | DT_NOCLIP |
                     (caption.RightAligned ? DT_RIGHT : 0u) | ((state & odNoAccel) ? DT_HIDEPREFIX : 0u);
  WriteSectionText(canvas.Handle(), caption.Text, true, &m, hot, section, flags, textRect);
  const UINT lineFlags = DT_SINGLELINE | DT_VCENTER | ((state & odNoAccel) ? DT_HIDEPREFIX : 0u);
  if (!caption.AfterTab.empty())
    WriteSectionText(canvas.Handle(), caption.AfterTab, true, &m, hot, section, lineFlags | DT_RIGHT,
                     TRect{textRect.Left, textRect.Top, textRect.Right - Metrics.Margin, textRect.Bottom});
  const std::u16string shortCut = ShortCutToText(item.ShortCut());
  if (!shortCut.empty()) {
    const TRect r = MenuShortCutRect(size, TextWidth(canvas.Handle(), shortCut));
    WriteSectionText(canvas.Handle(), shortCut, true, &m, hot, section, lineFlags, r);
  }
  GdiFlush();
  if (!item.Enabled())
    BlendRectangle(ib, level.Picture.Bmp, kDisabledKeep, TPoint{0, 0},
                   TRect{inPicture.X, inPicture.Y, inPicture.X + size.Width, inPicture.Y + size.Height});
}

void TsSkinableMenus::DrawExtraLineText(TqxMenuInfo& level) {
  const TsSkinManager& m = *SkinningManager();
  TBitmap32& bmp = level.Picture.Bmp;
  const int32_t border = EffectiveMenuBorderWidth();
  const int32_t width = m.MenuSupport.ExtraLineWidth;
  std::u16string text = ExtraLineText;
  if (OnGetExtraLineData) OnGetExtraLineData(text);
  std::erase(text, u'&');
  if (bmp.Empty() || text.empty()) return;
  const TqxMenuFont& f = m.MenuSupport.ExtraLineFont;
  LOGFONTW lf{};
  lf.lfHeight = f.Height;
  lf.lfEscapement = lf.lfOrientation = kUprightEscapement;
  lf.lfWeight = (f.Style & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (f.Style & fsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (f.Style & fsUnderline) ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(lf.lfFaceName, Wide(f.Name).c_str(), LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectW(&lf);
  {
    TItemTextCanvas canvas(bmp, font);
    HDC dc = canvas.Handle();
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int section = m.GetSkinIndex(u"EXTRALINE");
    const TColor color = f.Color != 0 || section < 0 ? f.Color : ColorToRGB(m.gd[static_cast<size_t>(section)].FontColor().Color);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(color));
    const int x = border + (width - tm.tmHeight) / 2;
    const int y = bmp.Height() - border - kExtraTextBottomGap;
    TextOutW(dc, x, y, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()));
  }
  DeleteObject(font);
}

}  // namespace qw
