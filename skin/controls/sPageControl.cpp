#include "skin/controls/sPageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "base/Geometry_win.h"
#include "fw/BitmapCanvas.h"
#include "fw/DeferredRelease.h"
#include "fw/Font.h"
#include "fw/MessageCrack.h"
#include "fw/WideText.h"
#include "image/BitmapBlend.h"
#include "image/BitmapCopy.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/PageAreaPaint_win.h"
#include "skin/controls/SpinWnd_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
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

}  // namespace

// ---- Geometry and model ----------------------------------------------------------------------------------

TRect TsPageControl::PageRect() const {
  return PageAreaRect(TRect{0, 0, Width(), Height()}, RectOf(DisplayRect()), TabSide(), PageCount() > 0);
}

TRect TsPageControl::TabStrip() const {
  return TabStripRect(TRect{0, 0, Width(), Height()}, RectOf(DisplayRect()), TabSide(), PageCount() > 0);
}

static TqxTabType TypeOf(TTabSheet* page) {
  auto* sheet = dynamic_cast<TsTabSheet*>(page);
  return sheet ? sheet->TabType() : ttTab;
}

TRect TsPageControl::PaintedTabRectOf(int index) const {
  const bool selected = index == ActivePageIndex() && TypeOf(Pages(index)) == ttTab;
  const TRect system = RectOf(TabRect(index));
  // A hidden tab has no place in the strip.
  if (IsRectEmpty(system)) return TRect{};
  return PaintedTabRect(system, Style, selected);
}

int TsPageControl::TabAt(TPoint p) const {
  std::vector<TRect> tabs;
  for (int i = 0; i < PageCount(); ++i) tabs.push_back(PaintedTabRectOf(i));
  // The active tab is painted over its neighbours, so its grown edge belongs to it.
  if (const int active = ActivePageIndex(); active >= 0) {
    const TRect& r = tabs[static_cast<size_t>(active)];
    if (p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom) return active;
  }
  return TabAtPoint(tabs, p);
}

std::vector<bool> TsPageControl::TabsVisible() const {
  std::vector<bool> visible;
  for (int i = 0; i < PageCount(); ++i) visible.push_back(Pages(i)->TabVisible());
  return visible;
}

bool TsPageControl::CanSelectPage(int index) {
  if (index < 0 || index >= PageCount()) return false;
  TTabSheet* page = Pages(index);
  if (TypeOf(page) != ttTab) return false;
  if (!page->Enabled() && !AccessibleDisabledPages) return false;
  bool allow = true;
  if (OnPageChanging) OnPageChanging(*this, page, allow);
  return allow;
}

void TsPageControl::Loaded() {
  TsSkinned::Loaded();
  ChooseValidActivePage();
  CheckUpDown();
  UpdateCloseBtnSize();
  SetPadding();
}

// ---- Tab contents --------------------------------------------------------------------------------------

void TsPageControl::SetShowCloseBtns(bool show) {
  if (show == FShowCloseBtns) return;
  FShowCloseBtns = show;
  UpdateCloseBtnSize();
  SetPadding();
}

void TsPageControl::SetCloseBtnSkin(std::u16string section) {
  FCloseBtnSkin = std::move(section);
  UpdateCloseBtnSize();
  SetPadding();
}

void TsPageControl::SetTabPadding(int padding) {
  if (padding == FTabPadding) return;
  FTabPadding = padding;
  SetPadding();
}

void TsPageControl::SetImages(TImageList* images) {
  FImages = images;
  SetPadding();
}

void TsPageControl::Notification(TComponent* component, TOperation operation) {
  TsSkinned::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) SetImages(nullptr);
}

void TsPageControl::SetPadding() {
  SkinData.BGChanged = true;
  if (!HandleAllocated()) return;
  const TTabPadding p = TabPaddingFor(FTabPadding, FImages != nullptr, FShowCloseBtns, FBtnSize.Width);
  SendMessageW(FHandle, TCM_SETPADDING, 0, MAKELPARAM(p.Horizontal, p.Vertical));
  // The strip measures its tabs again only when one of them changes.
  for (int i = 0; i < PageCount(); ++i)
    if (Pages(i)->TabVisible()) {
      PageCaptionChanged(Pages(i));
      break;
    }
  InvalidateRect(FHandle, nullptr, FALSE);
}

void TsPageControl::CreateWindowHandleDone() {
  // The padding is in place before the tabs arrive, so they are measured with it.
  SetPadding();
  TsSkinned::CreateWindowHandleDone();
}

void TsPageControl::UpdateActivePage() {
  if (!SkinData.Skinned() || SkinData.FUpdating || !HandleAllocated()) return;
  SkinData.BGChanged = true;
  InvalidateRect(FHandle, nullptr, FALSE);
}

// ---- Painting ------------------------------------------------------------------------------------------

bool TsPageControl::MayPaint() const {
  return SkinData.Skinned() && !IsDestroying() && !IsLoading() && HandleAllocated() &&
         !(Parent() && Parent()->IsDestroying());
}

void TsPageControl::ResolvePageSection() {
  TPageAreaSection s = ResolvePageAreaSection(SkinData, TabSide());
  FChangedSkinSection = std::move(s.Name);
  FPageSkinIndex = s.SkinIndex;
  FPageBorderIndex = s.BorderIndex;
}

// The tab's rectangle as its bitmap covers it: button and menu tabs sit inside their slot.
TRect TsPageControl::TabBitmapRect(int index) const {
  TRect r = PaintedTabRectOf(index);
  if (TypeOf(Pages(index)) == ttTab) return r;
  const bool vertical = TabSide() == tpLeft || TabSide() == tpRight;
  return vertical ? TRect{r.Left + 1, r.Top + 3, r.Right - 1, r.Bottom - 3} : TRect{r.Left + 3, r.Top + 1, r.Right - 3, r.Bottom - 1};
}

static bool CaptionRunsUpward(TTabPosition side, bool rotateCaptions) {
  const bool vertical = side == tpLeft || side == tpRight;
  return vertical != rotateCaptions;
}

TTabContentInput TsPageControl::ContentInput(int index, int state, const TRect& r, int tw, int th) const {
  auto* sheet = dynamic_cast<TsTabSheet*>(Pages(index));
  const TqxTabType type = TypeOf(Pages(index));
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
  const bool selected = index == ActivePageIndex() && TypeOf(Pages(index)) == ttTab;
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

void TsPageControl::PaintTab(TBitmap32& cache, int index, int state, const TCacheInfo& ci) {
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (!m || !m->IsValidSkinIndex(m->GetSkinIndex(u"TABTOP"))) return;
  if (!Pages(index)->TabVisible()) return;
  auto* sheet = dynamic_cast<TsTabSheet*>(Pages(index));
  const TqxTabType type = TypeOf(Pages(index));
  const TRect r = TabBitmapRect(index);
  if (IsRectEmpty(r) || (state != 0 && r.Left < 0)) return;
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
  if (IsRectEmpty(shown)) return;
  const TRect from = OffsetRect(shown, -r.Left, -r.Top);
  if (!Enabled() || !Pages(index)->Enabled())
    BlendKeyedBitmap(cache, shown.Left, shown.Top, kKeyPixel, kDisabledTabShare,
                     TRect{from.Left, from.Top, from.Right - 1, from.Bottom - 1}, tab);
  else
    BlendRectangle(cache, tab, 0, TPoint{shown.Left, shown.Top}, from);
  if (ownerDrawn) {
    TBitmapCanvas target(cache);
    OnDrawTab(*this, index, r, index == ActivePageIndex(), target.Canvas());
  }
}

void TsPageControl::PaintTabs(TBitmap32& cache, const TCacheInfo& ci) {
  const TRect strip = TabStrip();
  if (IsRectEmpty(strip)) return;
  PaintParentBackground(cache, strip, ci, TPoint{Left() + strip.Left, Top() + strip.Top});
  const int active = ActivePageIndex();
  const bool activeIsTab = active >= 0 && TypeOf(Pages(active)) == ttTab;
  for (int i = 0; i < PageCount(); ++i) {
    if (i == active && activeIsTab) continue;
    PaintTab(cache, i, i == FStateOverride ? FOverrideState : TabState(i), ci);
  }
  // The active tab last, over its neighbours.
  if (activeIsTab) PaintTab(cache, active, StatePressed, ci);
}

void TsPageControl::PrepareCache() {
  ResolvePageSection();
  SkinData.InitCacheBmp();
  TBitmap32* cache = SkinData.CacheBmp();
  if (!cache || cache->Empty()) return;
  const TCacheInfo ci = SkinData.GetParentCacheInfo();
  const TRect page = PageRect();
  PaintPageArea(SkinData, TPageAreaSection{FChangedSkinSection, FPageSkinIndex, FPageBorderIndex}, ci, page,
                TPoint{Left() + page.Left, Top() + page.Top}, *cache);
  PaintActivePageSection(*cache);
  PaintTabs(*cache, ci);
  SkinData.BGChanged = false;
}

bool TsPageControl::EnsureCache() {
  if (!MayPaint()) return false;
  const TBitmap32* cache = SkinData.CacheBmp();
  if (SkinData.BGChanged || !cache || cache->Width() != Width() || cache->Height() != Height()) PrepareCache();
  cache = SkinData.CacheBmp();
  return cache && !cache->Empty();
}

void TsPageControl::OurPaint(HDC dc, bool notifyChildren) {
  const bool parentHalfVisible = Parent() && SendSkinCommand(Parent(), skcQueryHalfVisible) != 0;
  if (SkinData.BGChanged || SkinData.HalfVisible || parentHalfVisible) PrepareCache();
  RECT clip;
  const int kind = GetClipBox(dc, &clip);
  SkinData.HalfVisible = kind != SIMPLEREGION || clip.left > 0 || clip.top > 0 || clip.right < Width() ||
                         clip.bottom < Height();
  SkinData.CopyCacheToDC(TPoint{}, dc, TRect{0, 0, Width(), Height()}, false);
  PaintGraphicChildren(dc, *this, TPoint{});
  StoredVisiblePageCount = PageCount();
  if (notifyChildren) NotifyChildrenParentPainted(*this);
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
  PaintTabs(cache, SkinData.GetParentCacheInfo());
  FStateOverride = -1;
  const TRect strip = TabStrip();
  if (IsRectEmpty(strip)) return;
  HDC dc = GetDC(FHandle);
  CopyBitmapToDC(dc, cache, strip, TPoint{strip.Left, strip.Top});
  ReleaseDC(FHandle, dc);
}

void TsPageControl::WMPaint(TMessage& message, HDC dc) {
  if (!MayPaint()) return TsSkinned::WndProc(message);
  PAINTSTRUCT ps;
  HDC target = dc ? dc : BeginPaint(FHandle, &ps);
  if (dc) {
    SkinData.BGChanged = true;
    OurPaint(target, false);
  } else {
    SkinData.FUpdating = SkinData.QueryUpdating();
    if (!SkinData.FUpdating && !AnimationRunning) OurPaint(target, true);
  }
  if (!dc) EndPaint(FHandle, &ps);
  message.Result = 0;
}

// ---- Mouse and keys ------------------------------------------------------------------------------------

void TsPageControl::WMMouseMove(TMessage& message, TPoint p) {
  TsSkinned::WndProc(message);
  if (!SkinData.Skinned()) return;
  int hit = TabAt(p);
  if (hit >= 0 && !Pages(hit)->Enabled() && !AccessibleDisabledPages) hit = -1;
  const int hovered = hit >= 0 ? CloseBtnAt(p) : -1;
  const bool buttonChanged = hovered != FHoveredBtnIndex;
  FHoveredBtnIndex = hovered;
  if (hit != FPressedTab && FPressedTab >= 0) {
    FPressedTab = -1;
    return RepaintStrip();
  }
  if (hit == FCurItem) {
    if (buttonChanged) RepaintStrip();
    return;
  }
  const int old = FCurItem;
  FCurItem = hit;
  if (old >= 0 && OnTabMouseLeave) OnTabMouseLeave(*this, old);
  if (hit >= 0 && OnTabMouseEnter) OnTabMouseEnter(*this, hit);
  RepaintStrip();
}

void TsPageControl::MouseLeft() {
  const bool released = FPressedBtnIndex >= 0 || FHoveredBtnIndex >= 0 || FPressedTab >= 0;
  FPressedBtnIndex = -1;
  FHoveredBtnIndex = -1;
  FPressedTab = -1;
  if (FCurItem < 0) {
    if (released) RepaintStrip();
    return;
  }
  const int old = FCurItem;
  FCurItem = -1;
  if (OnTabMouseLeave) OnTabMouseLeave(*this, old);
  RepaintStrip();
}

void TsPageControl::WMLButtonDown(TMessage& message, TPoint p) {
  const int hit = Enabled() ? TabAt(p) : -1;
  if (hit >= 0 && SkinData.Skinned() && (Pages(hit)->Enabled() || AccessibleDisabledPages)) {
    const TqxTabType type = TypeOf(Pages(hit));
    // Button and menu tabs act on their own and never reach the tab strip, which would select them.
    if (type == ttButton) {
      FPressedTab = hit;
      RepaintStrip();
      message.Result = 0;
      return;
    }
    if (type == ttMenu) {
      message.Result = 0;
      return DropDownTabMenu(hit);
    }
    if (CloseBtnAt(p) == hit) {
      FPressedBtnIndex = hit;
      RepaintStrip();
      message.Result = 0;
      return;
    }
  }
  // A page that may not become active never reaches the tab strip, which would select it.
  if (hit >= 0 && hit != ActivePageIndex() && !CanSelectPage(hit)) {
    message.Result = 0;
    return;
  }
  TsSkinned::WndProc(message);
}

void TsPageControl::WMLButtonUp(TMessage& message, TPoint p) {
  const int hit = Enabled() ? TabAt(p) : -1;
  if (FPressedTab >= 0) {
    const int pressed = FPressedTab;
    FPressedTab = -1;
    message.Result = 0;
    RepaintStrip(pressed == hit ? pressed : -1, StateHot);
    if (pressed != hit) return;
    // The handler may free the control: nothing of it is touched afterwards.
    if (auto* sheet = dynamic_cast<TsTabSheet*>(Pages(pressed))) CallEvent(sheet->OnClickBtn, sheet);
    return;
  }
  if (FPressedBtnIndex >= 0) {
    const int pressed = FPressedBtnIndex;
    FPressedBtnIndex = -1;
    message.Result = 0;
    if (CloseBtnAt(p) == pressed) {
      CloseClick(pressed);
      return;  // the control may be gone: nothing of it is touched any more
    }
    return RepaintStrip();
  }
  TsSkinned::WndProc(message);
}

void TsPageControl::WMLButtonDblClk(TMessage& message, TPoint p) {
  TDestroyWatch watch(this);
  TsSkinned::WndProc(message);
  if (watch.Destroyed() || !SkinData.Skinned()) return;
  const int hit = TabAt(p);
  if (hit < 0 || hit != FCurItem) return;
  // A page tab of the tab style is the large active one already.
  if (TypeOf(Pages(hit)) == ttTab && Style == tsTabs) return;
  RepaintStrip(hit, StatePressed);
}

// The menu of a menu tab opens under the tab (beside it on a vertical strip); the tab looks pressed
// while it is open.
void TsPageControl::DropDownTabMenu(int index) {
  auto* sheet = dynamic_cast<TsTabSheet*>(Pages(index));
  if (!sheet || !sheet->TabMenu) return;
  const TRect r = PaintedTabRectOf(index);
  const bool vertical = TabSide() == tpLeft || TabSide() == tpRight;
  POINT at{vertical ? r.Right : r.Left, vertical ? r.Top : r.Bottom};
  ClientToScreen(FHandle, &at);
  FDroppedDownItem = index;
  RepaintStrip();
  TDestroyWatch watch(this);
  sheet->TabMenu->PopupComponent = this;
  sheet->TabMenu->Popup(at.x, at.y);
  if (watch.Destroyed()) return;
  FDroppedDownItem = -1;
  if (index < PageCount()) RepaintStrip(index, StateHot);
  SkinData.BGChanged = true;
  if (HandleAllocated()) InvalidateRect(FHandle, nullptr, FALSE);
}

bool TsPageControl::CloseClick(int index) {
  if (index < 0 || index >= PageCount()) return true;
  TTabSheet* page = Pages(index);
  TTabCloseAction action = tcaFree;
  bool canClose = true;
  TDestroyWatch watch(this);
  TDestroyWatch pageWatch(page);
  if (OnCloseBtnClick) OnCloseBtnClick(*this, index, action, canClose);
  if (watch.Destroyed()) return false;
  if (!canClose || pageWatch.Destroyed() || page->PageControl() != this) return RepaintStrip(), true;
  TTabSheet* active = ActivePage();
  const int previous = ActivePageIndex();
  const bool redraw = HandleAllocated() && IsWindowVisible(FHandle);
  if (redraw) SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
  if (action == tcaHide) {
    page->SetTabVisible(false);
  } else {
    // The page leaves the control now and is freed once this message is done: its window may still be
    // in the middle of something of its own.
    page->SetVisible(false);
    page->SetParent(nullptr);
    if (TComponent* owner = page->Owner()) ReleaseLater(owner->ExtractComponent(page));
  }
  // The page shown stays unless it was the one closed; then the one at its place (or the last) is.
  int next = active && active != page ? ActivePageIndex() : std::min(previous, PageCount() - 1);
  next = ValidActivePage(PageKinds(), next);
  if (redraw) SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
  SkinData.BGChanged = true;
  if (next < 0) SetActivePage(nullptr);
  ChangeActivePage(next);
  if (watch.Destroyed()) return false;
  if (HandleAllocated())
    RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return true;
}

void TsPageControl::WMKeyDown(TMessage& message, UINT key) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  if (key == VK_TAB && ctrl) {
    const bool forward = GetKeyState(VK_SHIFT) >= 0;
    const int next = NeighbourPage(TabsVisible(), ActivePageIndex(), forward, true);
    if (next >= 0 && CanSelectPage(next)) ChangeActivePage(next);
    message.Result = 0;
    return;
  }
  if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
    // The tab strip moves to the neighbouring tab itself; it is let do so only towards a page that may be
    // chosen.
    const bool forward = key == VK_RIGHT || key == VK_DOWN;
    const int next = NeighbourPage(TabsVisible(), ActivePageIndex(), forward, false);
    if (next < 0 || !CanSelectPage(next)) {
      message.Result = 0;
      return;
    }
  }
  TsSkinned::WndProc(message);
}

// ---- Messages ------------------------------------------------------------------------------------------

// The tab strip loses a tab before the page leaves the list: the kept indexes follow the tabs that stay.
void TsPageControl::TabDeleted(TMessage& message) {
  SkinData.BGChanged = true;
  TsSkinned::WndProc(message);
  // A tab that is only hidden keeps its page, and every page its index.
  const int index = PageBeingRemoved();
  if (index < 0) {
    if (MayPaint()) InvalidateRect(FHandle, nullptr, FALSE);
    return;
  }
  const int countAfter = PageCount() - 1;
  FCurItem = IndexAfterTabDeleted(FCurItem, index, countAfter);
  FHoveredBtnIndex = IndexAfterTabDeleted(FHoveredBtnIndex, index, countAfter);
  FPressedBtnIndex = IndexAfterTabDeleted(FPressedBtnIndex, index, countAfter);
  FPressedTab = IndexAfterTabDeleted(FPressedTab, index, countAfter);
  FDroppedDownItem = IndexAfterTabDeleted(FDroppedDownItem, index, countAfter);
  if (MayPaint()) InvalidateRect(FHandle, nullptr, FALSE);
}

void TsPageControl::SkinCommand(TMessage& message, TSkinCommand code) {
  switch (code) {
    case skcQueryUpdating:
      message.Result = SkinData.FUpdating ? 1 : 0;
      return;
    case skcMouseLeave:
      MouseLeft();
      return TsSkinned::WndProc(message);
    case skcEndParentUpdate:
      if (SkinData.FUpdating) {
        SkinData.FUpdating = false;
        SkinData.BGChanged = true;
        if (HandleAllocated())
          RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
        message.Result = 0;
        return;
      }
      return TsSkinned::WndProc(message);
    case skcNewSkin:
    case skcRefresh:
    case skcRemoveSkin:
      TsSkinned::WndProc(message);
      UpdateCloseBtnSize();
      SetPadding();
      SkinData.BGChanged = true;
      ArrowsSkinChanged(message, code);
      if (HandleAllocated()) RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
      return;
    default:
      return TsSkinned::WndProc(message);
  }
}

void TsPageControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
      if (!MayPaint()) return TsSkinned::WndProc(message);
      message.Result = 1;
      return;
    case WM_MOUSEMOVE: {
      const POINT p = PointFromLParam(message.LParam);
      return WMMouseMove(message, TPoint{p.x, p.y});
    }
    case WM_LBUTTONDOWN: {
      const POINT p = PointFromLParam(message.LParam);
      return WMLButtonDown(message, TPoint{p.x, p.y});
    }
    case WM_LBUTTONUP: {
      const POINT p = PointFromLParam(message.LParam);
      return WMLButtonUp(message, TPoint{p.x, p.y});
    }
    case WM_LBUTTONDBLCLK: {
      const POINT p = PointFromLParam(message.LParam);
      return WMLButtonDblClk(message, TPoint{p.x, p.y});
    }
    case WM_KEYDOWN:
      return WMKeyDown(message, VirtualKeyFrom(message.WParam));
    case FW_MOUSE_LEAVE:
      TsSkinned::WndProc(message);
      return MouseLeft();
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_STYLECHANGED:
    case WM_SIZE:
    case FW_ENABLED_CHANGED:
    case FW_FONT_CHANGED:
    case TCM_INSERTITEMW:
    case TCM_SETITEMW:
      SkinData.BGChanged = true;
      TsSkinned::WndProc(message);
      if (MayPaint()) InvalidateRect(FHandle, nullptr, FALSE);
      if (message.Msg == WM_SIZE || message.Msg == TCM_INSERTITEMW) CheckUpDown();
      return;
    case TCM_DELETEITEM:
      TabDeleted(message);
      return CheckUpDown();
    case TCM_SETIMAGELIST:
    case WM_PRINT:
      TsSkinned::WndProc(message);
      return CheckUpDown();
      return TabDeleted(message);
    default:
      if (message.Msg == SkinCommandMsg) return SkinCommand(message, SkinCommandCode(message.WParam));
      return TsSkinned::WndProc(message);
  }
}

// ---- Sheets --------------------------------------------------------------------------------------------

TsPageControl* TsTabSheet::SkinnedPages() const {
  auto* pages = dynamic_cast<TsPageControl*>(PageControl());
  return pages && pages->SkinData.Skinned() ? pages : nullptr;
}

void TsTabSheet::PaintWindow(TCanvas& canvas) {
  if (!SkinData.Skinned()) return TTabSheet::PaintWindow(canvas);
  TsPageControl* pages = SkinnedPages();
  if (pages && pages->EnsureCache()) {
    CopyBitmapToDC(canvas.Handle(), *pages->SkinData.CacheBmp(), RectOf(BoundsRect()),
                   TPoint{});
    return;
  }
  canvas.SetBrushColor(SkinData.BackgroundColorForChildren());
  canvas.FillRect(ClientRect());
}

void TsTabSheet::SetUseCloseBtn(bool use) {
  if (use == FUseCloseBtn) return;
  FUseCloseBtn = use;
  if (TsPageControl* pages = SkinnedPages()) {
    pages->SkinData.BGChanged = true;
    if (pages->HandleAllocated()) InvalidateRect(pages->Handle(), nullptr, FALSE);
  }
}

void TsTabSheet::Notification(TComponent* component, TOperation operation) {
  TsSkinned::Notification(component, operation);
  if (operation == TOperation::opRemove && component == TabMenu) TabMenu = nullptr;
}

void TsTabSheet::SkinCommand(TMessage& message, TSkinCommand code) {
  TsPageControl* pages = SkinnedPages();
  switch (code) {
    case skcQueryUpdating:
      // The face is the page control's picture: children wait while that is held back or the sheet is.
      message.Result = SkinData.FUpdating || (pages && pages->SkinData.FUpdating) ? 1 : 0;
      return;
    case skcGetSkinIndex:
      // Only our own question is answered or passed on: passing it on would make it look like our send.
      if (!SkinCommandTrusted(message, this)) return TsSkinned::WndProc(message);
      // The section that paints the sheet's face: its own, else the page control's.
      if (const int own = OwnSectionIndex(); own >= 0) {
        if (auto* index = reinterpret_cast<int*>(message.LParam)) *index = own;
        message.Result = 1;
        return;
      }
      if (!pages) return TsSkinned::WndProc(message);
      message.Result = PerformOn(*pages, message);
      return;
    case skcQueryParentBG:
      return AnswerParentBG(message, pages);
    case skcGetColor:
      if (!pages) return TsSkinned::WndProc(message);
      message.Result = PerformOn(*pages, message);
      return;
    case skcPaintBackground: {
      auto* info = SkinCommandAddress<TBackgroundInfo>(message, this);
      if (!pages || !info || !pages->EnsureCache()) return TsSkinned::WndProc(message);
      TBitmap32* cache = pages->SkinData.CacheBmp();
      info->BgType = btCache;
      info->Bmp = cache;
      info->Offset = TPoint{Left(), Top()};
      if (info->PleaseDraw && info->DrawDC)
        CopyBitmapToDC(info->DrawDC, *cache, OffsetRect(info->R, Left(), Top()), TPoint{});
      message.Result = 1;
      return;
    }
    case skcEndParentUpdate:
      TsSkinned::WndProc(message);
      // The sheet paints afresh from the page control's picture and then tells its children; when it
      // cannot paint now, the news is passed on at once so nobody waits for it.
      SkinData.FUpdating = false;
      if (HandleAllocated() && IsWindowVisible(FHandle)) RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE);
      else NotifyChildrenParentPainted(*this);
      return;
    default:
      return TsSkinned::WndProc(message);
  }
}

void TsTabSheet::WndProc(TMessage& message) {
  if (message.Msg == SkinCommandMsg) return SkinCommand(message, SkinCommandCode(message.WParam));
  TsSkinned::WndProc(message);
  if (message.Msg != WM_PAINT || message.WParam || !SkinData.Skinned()) return;
  SkinData.BGChanged = false;
  NotifyChildrenParentPainted(*this);
}

// ---- Scroll arrows, page kinds and the pages' own sections ----------------------------------------------

TsPageControl::~TsPageControl() {
  // The wrapper lets go of the arrows while their window still exists.
  if (FSpinWnd) ReleaseWrapper(std::move(FSpinWnd));
}

void TsPageControl::SetShowUpDown(bool value) {
  if (FShowUpDown == value) return;
  FShowUpDown = value;
  CheckUpDown();
}

void TsPageControl::CheckUpDown() {
  HWND arrows = HandleAllocated() ? FindWindowExW(FHandle, nullptr, UPDOWN_CLASSW, nullptr) : nullptr;
  // A wrapper whose window went (the strip was made anew) or that belongs to other arrows is let go.
  if (FSpinWnd && (FSpinWnd->Destroyed || FSpinWnd->CtrlHandle != arrows)) ReleaseWrapper(std::move(FSpinWnd));
  if (!arrows) return;
  if (!FShowUpDown) {
    if (FSpinWnd) ReleaseWrapper(std::move(FSpinWnd));
    DestroyWindow(arrows);
    return;
  }
  TsSkinManager* m = SkinData.EffectiveManager();
  if (!SkinData.Skinned() || !m || !m->Active()) {
    if (FSpinWnd) ReleaseWrapper(std::move(FSpinWnd));
    return;
  }
  if (FSpinWnd) return;
  const bool own = m->IsValidSkinIndex(m->GetSkinIndex(u"UPDOWNBTN"));
  FSpinWnd = TqxMainWnd::Create<TqxSpinWnd>(arrows, own ? u"UPDOWNBTN" : u"BUTTON", m, nullptr);
  InvalidateRect(arrows, nullptr, TRUE);
}

// A new skin may lack the arrows' own section: they are wrapped anew. A refresh reaches their wrapper,
// which is no framework child the news would reach otherwise.
void TsPageControl::ArrowsSkinChanged(TMessage& message, TSkinCommand code) {
  if (code == skcNewSkin && FSpinWnd) ReleaseWrapper(std::move(FSpinWnd));
  CheckUpDown();
  if (code == skcRefresh && FSpinWnd && !FSpinWnd->Destroyed)
    SendToWindow(FSpinWnd->CtrlHandle, message);
}

std::vector<TPageKind> TsPageControl::PageKinds() const {
  std::vector<TPageKind> kinds;
  for (int i = 0; i < PageCount(); ++i) kinds.push_back(TPageKind{TypeOf(Pages(i)), Pages(i)->TabVisible()});
  return kinds;
}

void TsPageControl::ChooseValidActivePage() {
  if (const int valid = ValidActivePage(PageKinds(), ActivePageIndex()); valid >= 0 && valid != ActivePageIndex())
    SetActivePage(Pages(valid));
}

// An active page with a section of its own shows it over its bounds, against the page area under it.
void TsPageControl::PaintActivePageSection(TBitmap32& cache) {
  auto* sheet = dynamic_cast<TsTabSheet*>(ActivePage());
  const int section = sheet ? sheet->OwnSectionIndex() : -1;
  if (section < 0) return;
  const TRect bounds = IntersectRects(TRect{sheet->Left(), sheet->Top(), sheet->Left() + sheet->Width(),
                                            sheet->Top() + sheet->Height()},
                                     TRect{0, 0, cache.Width(), cache.Height()});
  if (IsRectEmpty(bounds)) return;
  TBitmap32 face(WidthOfRect(bounds), HeightOfRect(bounds));
  PaintSectionItem(section, sheet->TabSkinData.SkinSection(), MakeCacheInfo(&cache, 0, 0), StateNormal,
                   TRect{0, 0, face.Width(), face.Height()}, TPoint{bounds.Left, bounds.Top}, face,
                   SkinData.EffectiveManager());
  BlendRectangle(cache, face, 0, TPoint{bounds.Left, bounds.Top}, TRect{0, 0, face.Width(), face.Height()});
}

int TsTabSheet::OwnSectionIndex() const {
  if (TabSkinData.SkinSection().empty()) return -1;
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (!m) return -1;
  const int index = m->GetSkinIndex(TabSkinData.SkinSection());
  return m->IsValidSkinIndex(index) ? index : -1;
}

void TsTabSheet::SetTabType(TqxTabType type) {
  FTabType = type;
  if (type == ttTab) FTabSkin.clear();
  else if (FTabSkin.empty()) FTabSkin = type == ttButton ? u"SPEEDBUTTON" : u"MENUBTN";
  auto* pages = dynamic_cast<TsPageControl*>(PageControl());
  if (!pages || pages->IsLoading()) return;
  pages->ChooseValidActivePage();
  // Close buttons come and go with the page tabs: the strip measures its tabs again.
  pages->SetPadding();
}

void TsTabSheet::SetTabSkin(std::u16string_view section) {
  if (FTabSkin == section) return;
  FTabSkin.assign(section);
  TsPageControl* pages = SkinnedPages();
  if (!pages) return;
  pages->SkinData.BGChanged = true;
  if (pages->HandleAllocated()) InvalidateRect(pages->Handle(), nullptr, FALSE);
}

// Children ask whether the sheet's face depends on what lies behind the page control.
void TsTabSheet::AnswerParentBG(TMessage& message, TsPageControl* pages) {
  if (!pages) return TsSkinned::WndProc(message);
  const TsSkinManager* m = pages->SkinData.EffectiveManager();
  const int index = pages->SkinData.SkinIndex();
  // The sheet's face is the page control's picture: it moves with what lies behind the page control.
  bool dependent = pages->SkinData.RepaintIfMoved();
  if (m && m->IsValidSkinIndex(index)) {
    const TsGeneralData& g = m->gd[static_cast<size_t>(index)];
    dependent = dependent || g.Props[0].GradientPercent + g.Props[0].ImagePercent > 0;
  }
  message.Result = dependent ? 1 : 0;
}

}  // namespace qw
