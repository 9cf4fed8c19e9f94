// TsPageControl: the tabs in the cache: where each part of a tab goes, its face, caption, image, close
// button and menu arrow, the order the tabs are painted in, and the strip painted again on its own.
#include "skin/controls/sPageControl.h"

#include <algorithm>

#include "fw/BitmapCanvas.h"
#include "fw/Font.h"
#include "fw/WideText.h"
#include "image/BitmapBlend.h"
#include "image/BitmapCopy.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/PageAreaPaint_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/BorderMask.h"
#include "skin/render/FocusFrame.h"
#include "skin/render/GdiTextRenderer_win.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/TextPaint.h"
#include "skin/render/TextureFill.h"

namespace qw {

namespace {

// A disabled tab keeps this share of what lies behind it.
constexpr double kDisabledTabShare = 0.4;

// The caption runs upward on a vertical strip unless RotateCaptions turns it, on a horizontal one when it does.
bool CaptionRunsUpward(TTabPosition side, bool rotateCaptions) {
  const bool vertical = side == tpLeft || side == tpRight;
  return vertical != rotateCaptions;
}

}  // namespace

// The tab's rectangle as its bitmap covers it: button and menu tabs sit inside their slot.
TRect TsPageControl::TabBitmapRect(int index) const {
  TRect r = PaintedTabRectOf(index);
  if (TabTypeOf(Pages(index)) == ttTab) return r;
  const bool vertical = TabSide() == tpLeft || TabSide() == tpRight;
  return vertical ? TRect{r.Left + 1, r.Top + 3, r.Right - 1, r.Bottom - 3} : TRect{r.Left + 3, r.Top + 1, r.Right - 3, r.Bottom - 1};
}

TTabContentInput TsPageControl::ContentInput(int index, int state, const TRect& r, int tw, int th) const {
  auto* sheet = dynamic_cast<TsTabSheet*>(Pages(index));
  const TqxTabType type = TabTypeOf(Pages(index));
  TTabContentInput in;
  in.Tab = TRect{0, 0, WidthOfRect(r), HeightOfRect(r)};
  in.Position = TabSide();
  in.Style = Style;
  in.Type = type;
  in.Selected = state == StatePressed;
  in.Rotated = CaptionRunsUpward(TabSide(), RotateCaptions);
  in.CaptionWidth = tw;
  in.CaptionHeight = th;
  if (FImages && sheet && FImages->Image(sheet->ImageIndex)) in.Image = TSize2{FImages->Width(), FImages->Height()};
  in.CloseButtonsOn = FShowCloseBtns;
  in.CloseButton = FShowCloseBtns && type == ttTab && (!sheet || sheet->UseCloseBtn());
  in.CloseButtonSize = FBtnSize;
  in.StripHeight = HeightOfRect(TabStrip());
  in.FocusWanted = ShowFocus && Focused() && !Pages(index)->Text().empty() && index == ActivePageIndex();
  return in;
}

TTabContent TsPageControl::TabContentOf(int index, int state) {
  if (index < 0 || index >= PageCount()) return {};
  const TRect r = TabBitmapRect(index);
  const std::u16string caption = U16(Pages(index)->Text());
  TGdiTextRenderer measurer(Font().Handle());
  const TTextExtent size = caption.empty() ? TTextExtent{} : measurer.MeasureText(caption, kDtSingleLine | kDtNoPrefix, 0);
  TTabContent c = TabContentLayout(ContentInput(index, state, r, size.Width, size.Height));
  for (TRect* part : {&c.Image, &c.Text, &c.CloseButton, &c.MenuArrow, &c.Focus})
    if (!IsRectEmpty(*part)) *part = OffsetRect(*part, r.Left, r.Top);
  c.RotatedOrigin = TPoint{c.RotatedOrigin.X + r.Left, c.RotatedOrigin.Y + r.Top};
  return c;
}

int TsPageControl::CloseBtnAt(TPoint p) {
  if (!FShowCloseBtns || !SkinData.Skinned()) return -1;
  const int tab = TabAt(p);
  if (tab < 0) return -1;
  const TRect b = TabContentOf(tab, tab == ActivePageIndex() ? StatePressed : StateNormal).CloseButton;
  return p.X >= b.Left && p.X < b.Right && p.Y >= b.Top && p.Y < b.Bottom ? tab : -1;
}

// The close button's look: the section CloseBtnSkin names (at the standard size), else the skin's small
// close glyph or its large one, whose size the button takes.
void TsPageControl::UpdateCloseBtnSize() {
  FBtnIndex = -1;
  FBtnIsSection = false;
  FBtnSize = TSize2{};
  const TsSkinManager* m = SkinData.Skinned() ? SkinData.EffectiveManager() : nullptr;
  if (!m) return;
  if (!FCloseBtnSkin.empty()) {
    if (const int section = m->GetSkinIndex(FCloseBtnSkin); m->IsValidSkinIndex(section)) {
      FBtnIndex = section;
      FBtnIsSection = true;
    }
    return;
  }
  int mask = m->ConstData.MaskCloseSmall;
  if (!m->IsValidImgIndex(mask)) mask = m->ConstData.MaskCloseBtn;
  if (!m->IsValidImgIndex(mask)) return;
  FBtnIndex = mask;
  const TsMaskData& glyph = m->ma[static_cast<size_t>(mask)];
  FBtnSize = CloseButtonSize(TSize2{MaskImageWidth(glyph), MaskImageHeight(glyph)});
}

void TsPageControl::PaintCloseBtn(TBitmap32& tab, const TRect& r, int state) {
  const TsSkinManager* m = SkinData.EffectiveManager();
  const TRect shown = IntersectRects(r, TRect{0, 0, tab.Width(), tab.Height()});
  if (!m || FBtnIndex < 0 || IsRectEmpty(shown)) return;
  // What the tab painted so far is the button's background.
  const TCacheInfo self{&tab, 0, 0, clNoColor, true};
  if (FBtnIsSection) {
    if (!m->IsValidSkinIndex(FBtnIndex)) return;
    TBitmap32 button(WidthOfRect(r), HeightOfRect(r));
    const TsGeneralData& g = m->gd[static_cast<size_t>(FBtnIndex)];
    PaintSectionItem(FBtnIndex, FCloseBtnSkin, self, LimitState(g, state), TRect{0, 0, button.Width(), button.Height()},
                     TPoint{r.Left, r.Top}, button, m);
    BlendRectangle(tab, button, 0, TPoint{shown.Left, shown.Top}, OffsetRect(shown, -r.Left, -r.Top));
    return;
  }
  if (!m->IsValidImgIndex(FBtnIndex)) return;
  const TsMaskData& glyph = m->ma[static_cast<size_t>(FBtnIndex)];
  state = std::clamp(state, 0, std::max(0, glyph.ImageCount - 1));
  DrawMaskGlyph(tab, TPoint{r.Left, r.Top}, state, self, glyph, 1);
}

namespace {

// The menu arrow: a small triangle in the caption's colour, pointing down or right.
void DrawTabArrow(TBitmap32& bmp, const TRect& r, TTabArrowDirection direction, TColor color) {
  const uint32_t pixel = ColorToPixel(ColorToRGB(color), 255);
  for (int i = 0; i < 5; ++i)
    for (int j = i; j < kTabArrowSize - i; ++j) {
      const int x = direction == tadDown ? r.Left + j : r.Left + 2 + i;
      const int y = direction == tadDown ? r.Top + 2 + i : r.Top + j;
      if (x >= 0 && y >= 0 && x < bmp.Width() && y < bmp.Height()) bmp.At(x, y) = pixel;
    }
}

// A GDI font of the same description turned to run upward.
class TUpwardFont {
 public:
  explicit TUpwardFont(HFONT from) {
    LOGFONTW lf{};
    GetObjectW(from, sizeof lf, &lf);
    lf.lfEscapement = -2700;
    lf.lfOrientation = -2700;
    // The bitmap face cannot be turned: a scalable one takes its place.
    if (std::wstring_view(lf.lfFaceName) == L"MS Sans Serif") wcscpy_s(lf.lfFaceName, L"Arial");
    FFont = CreateFontIndirectW(&lf);
  }
  ~TUpwardFont() {
    if (FFont) DeleteObject(FFont);
  }
  TUpwardFont(const TUpwardFont&) = delete;
  TUpwardFont& operator=(const TUpwardFont&) = delete;
  HFONT Handle() const { return FFont; }

 private:
  HFONT FFont = nullptr;
};

}  // namespace

void TsPageControl::PaintTabContent(TBitmap32& tab, int index, int state, int section, TColor fontColor) {
  auto* sheet = dynamic_cast<TsTabSheet*>(Pages(index));
  const bool selected = index == ActivePageIndex() && TabTypeOf(Pages(index)) == ttTab;
  const std::u16string caption = U16(Pages(index)->Text());
  TFont bold;
  const bool useBold = ActiveIsBold && selected;
  if (useBold) {
    bold.Assign(Font());
    bold.SetStyle(bold.Style() | fsBold);
  }
  HFONT font = useBold ? bold.Handle() : Font().Handle();
  TGdiTextRenderer renderer(font);
  const TTextExtent size = caption.empty() ? TTextExtent{} : renderer.MeasureText(caption, kDtSingleLine | kDtNoPrefix, 0);
  const TTabContentInput in = ContentInput(index, state, TRect{0, 0, tab.Width(), tab.Height()}, size.Width, size.Height);
  const TTabContent c = TabContentLayout(in);
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (in.Image) {
    const TBitmap32* image = FImages->Image(sheet->ImageIndex);
    const TRect src{0, 0, image->Width(), image->Height()};
    CopyAlphaBitmap(c.Image, src, tab, false, TCacheInfo{}, image);
  }
  if (!caption.empty()) {
    if (in.Rotated) {
      const std::u16string shown = CutTextToWidth(renderer, caption, HeightOfRect(c.Text));
      TUpwardFont upward(font);
      TBitmapCanvas target(tab);
      HDC dc = target.Handle();
      if (dc && upward.Handle() && !shown.empty()) {
        HGDIOBJ old = SelectObject(dc, upward.Handle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(fontColor));
        TextOutW(dc, c.RotatedOrigin.X, c.RotatedOrigin.Y, reinterpret_cast<const wchar_t*>(shown.c_str()),
                 static_cast<int>(shown.size()));
        SelectObject(dc, old);
      }
    } else {
      uint32_t flags = kDtSingleLine | kDtVCenter | kDtNoPrefix;
      if (IsRectEmpty(c.MenuArrow)) flags |= kDtEndEllipsis;
      WriteTextOnBitmap(tab, renderer, caption, true, m, state != StateNormal, section, flags, c.Text, fontColor);
    }
  }
  if (!IsRectEmpty(c.Focus)) DrawDottedFocusFrame(tab, c.Focus, clBtnFace);
  if (!IsRectEmpty(c.CloseButton))
    PaintCloseBtn(tab, c.CloseButton, (FHoveredBtnIndex == index ? 1 : 0) + (FPressedBtnIndex == index ? 1 : 0));
  if (!IsRectEmpty(c.MenuArrow)) DrawTabArrow(tab, c.MenuArrow, c.ArrowDirection, fontColor);
}

bool TsPageControl::PaintTab(TBitmap32& cache, int index, int state, const TCacheInfo& ci) {
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (!m || !m->IsValidSkinIndex(m->GetSkinIndex(u"TABTOP"))) return true;
  if (!Pages(index)->TabVisible()) return true;
  auto* sheet = dynamic_cast<TsTabSheet*>(Pages(index));
  const TqxTabType type = TabTypeOf(Pages(index));
  const TRect r = TabBitmapRect(index);
  if (IsRectEmpty(r) || (state != 0 && r.Left < 0)) return true;
  std::u16string name = TabSectionName(sheet ? sheet->TabSkin() : u"", type, Style, TabSide());
  int section = m->GetSkinIndex(name);
  if (!m->IsValidSkinIndex(section) && type != ttTab) {
    name = type == ttMenu ? u"MENUITEM" : u"SPEEDBUTTON";
    section = m->GetSkinIndex(name);
  }
  TBitmap32 tab(WidthOfRect(r), HeightOfRect(r));
  const TColor fontColor =
      PaintTabFace(*m, section, name, state, ci, TPoint{Left() + r.Left, Top() + r.Top}, tab, ColorToRGB(Font().Color()));
  const bool ownerDrawn = OwnerDraw && OnDrawTab;
  if (!ownerDrawn) PaintTabContent(tab, index, state, section, fontColor);
  // Tabs never reach into the page area: only the part over the strip is put into the cache.
  const TRect strip = TabStrip();
  const TRect shown = IntersectRects(IntersectRects(r, strip), TRect{0, 0, cache.Width(), cache.Height()});
  if (IsRectEmpty(shown)) return true;
  const TRect from = OffsetRect(shown, -r.Left, -r.Top);
  if (!Enabled() || !Pages(index)->Enabled())
    BlendKeyedBitmap(cache, shown.Left, shown.Top, kKeyPixel, kDisabledTabShare,
                     TRect{from.Left, from.Top, from.Right - 1, from.Bottom - 1}, tab);
  else
    BlendRectangle(cache, tab, 0, TPoint{shown.Left, shown.Top}, from);
  if (!ownerDrawn) return true;
  TBitmapCanvas target(cache);
  return RaiseEvent(this, OnDrawTab, *this, index, r, index == ActivePageIndex(), target.Canvas());
}

bool TsPageControl::PaintTabs(TBitmap32& cache, const TCacheInfo& ci) {
  const TRect strip = TabStrip();
  if (IsRectEmpty(strip)) return true;
  PaintParentBackground(cache, strip, ci, TPoint{Left() + strip.Left, Top() + strip.Top});
  const int active = ActivePageIndex();
  const bool activeIsTab = active >= 0 && TabTypeOf(Pages(active)) == ttTab;
  for (int i = 0; i < PageCount(); ++i) {
    if (i == active && activeIsTab) continue;
    if (!PaintTab(cache, i, i == FStateOverride ? FOverrideState : TabState(i), ci)) return false;
  }
  // The active tab last, over its neighbours.
  return !activeIsTab || PaintTab(cache, active, StatePressed, ci);
}

// An open menu's tab and a held button tab look pressed, the tab under the mouse hot.
int TsPageControl::TabState(int index) const {
  if (index == FDroppedDownItem || index == FPressedTab) return StatePressed;
  return index == FCurItem ? StateHot : StateNormal;
}

// The strip again with the tabs' current states (one of them shown in another state this once),
// straight to the screen.
void TsPageControl::RepaintStrip(int overrideIndex, int overrideState) {
  if (!MayPaint() || !EnsureCache()) return;
  TBitmap32& cache = *SkinData.CacheBmp();
  FStateOverride = overrideIndex;
  FOverrideState = overrideState;
  if (!PaintTabs(cache, SkinData.GetParentCacheInfo())) return;
  FStateOverride = -1;
  const TRect strip = TabStrip();
  if (IsRectEmpty(strip)) return;
  HDC dc = GetDC(FHandle);
  CopyBitmapToDC(dc, cache, strip, TPoint{strip.Left, strip.Top});
  ReleaseDC(FHandle, dc);
}

}  // namespace qw
