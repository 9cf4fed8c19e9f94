#include "skin/controls/sPageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "fw/BitmapCanvas.h"
#include "fw/Font.h"
#include "fw/MessageCrack.h"
#include "image/BitmapBlend.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/PageAreaPaint_win.h"
#include "skin/controls/SpinWnd_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/BorderMask.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

TRect RectOf(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

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
  return PaintedTabRect(RectOf(TabRect(index)), Style, selected);
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

std::vector<bool> TsPageControl::TabsVisible() const { return std::vector<bool>(static_cast<size_t>(PageCount()), true); }

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

void TsPageControl::PaintTab(TBitmap32& cache, int index, int state, const TCacheInfo& ci) {
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (!m || !m->IsValidSkinIndex(m->GetSkinIndex(u"TABTOP"))) return;
  auto* sheet = dynamic_cast<TsTabSheet*>(Pages(index));
  const TqxTabType type = TypeOf(Pages(index));
  const bool selected = index == ActivePageIndex() && type == ttTab;
  TRect r = PaintedTabRectOf(index);
  if (IsRectEmpty(r) || (state != 0 && r.Left < 0)) return;
  std::u16string name = TabSectionName(sheet ? sheet->TabSkin() : u"", type, Style, TabSide());
  int section = m->GetSkinIndex(name);
  if (!m->IsValidSkinIndex(section) && type != ttTab) {
    name = type == ttMenu ? u"MENUITEM" : u"SPEEDBUTTON";
    section = m->GetSkinIndex(name);
  }
  if (type != ttTab) {
    const bool vertical = TabSide() == tpLeft || TabSide() == tpRight;
    r = vertical ? TRect{r.Left + 1, r.Top + 3, r.Right - 1, r.Bottom - 3} : TRect{r.Left + 3, r.Top + 1, r.Right - 3, r.Bottom - 1};
  }
  if (IsRectEmpty(r)) return;
  TBitmap32 tab(WidthOfRect(r), HeightOfRect(r));
  const TColor fontColor =
      PaintTabFace(*m, section, name, state, ci, TPoint{Left() + r.Left, Top() + r.Top}, tab, ColorToRGB(Font().Color()));
  // The caption, centred on one line.
  const std::wstring caption = Pages(index)->Text();
  if (!caption.empty()) {
    TBitmapCanvas target(tab);
    TFont bold;
    if (ActiveIsBold && selected) {
      bold.Assign(Font());
      bold.SetStyle(bold.Style() | fsBold);
    }
    target.Canvas().SetFont(ActiveIsBold && selected ? bold : Font());
    HDC dc = target.Handle();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(fontColor));
    RECT measured{0, 0, tab.Width(), tab.Height()};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const TRect t = HorizontalTabTextRect(TRect{0, 0, tab.Width(), tab.Height()}, TabSide(), Style, selected,
                                          measured.right - measured.left, measured.bottom - measured.top);
    RECT text{t.Left, t.Top, t.Right, t.Bottom};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
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
}

void TsPageControl::PaintTabs(TBitmap32& cache, const TCacheInfo& ci) {
  const TRect strip = TabStrip();
  if (IsRectEmpty(strip)) return;
  PaintParentBackground(cache, strip, ci, TPoint{Left() + strip.Left, Top() + strip.Top});
  const int active = ActivePageIndex();
  const bool activeIsTab = active >= 0 && TypeOf(Pages(active)) == ttTab;
  for (int i = 0; i < PageCount(); ++i) {
    if (i == active && activeIsTab) continue;
    PaintTab(cache, i, i == FCurItem ? StateHot : StateNormal, ci);
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

// The strip again with the tabs' current states, straight to the screen.
void TsPageControl::RepaintStrip() {
  if (!MayPaint() || !EnsureCache()) return;
  TBitmap32& cache = *SkinData.CacheBmp();
  PaintTabs(cache, SkinData.GetParentCacheInfo());
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
  if (hit == FCurItem) return;
  const int old = FCurItem;
  FCurItem = hit;
  if (old >= 0 && OnTabMouseLeave) OnTabMouseLeave(*this, old);
  if (hit >= 0 && OnTabMouseEnter) OnTabMouseEnter(*this, hit);
  RepaintStrip();
}

void TsPageControl::MouseLeft() {
  FPressedBtnIndex = -1;
  FHoveredBtnIndex = -1;
  if (FCurItem < 0) return;
  const int old = FCurItem;
  FCurItem = -1;
  if (OnTabMouseLeave) OnTabMouseLeave(*this, old);
  RepaintStrip();
}

void TsPageControl::WMLButtonDown(TMessage& message, TPoint p) {
  const int hit = Enabled() ? TabAt(p) : -1;
  // A page that may not become active never reaches the tab strip, which would select it.
  if (hit >= 0 && hit != ActivePageIndex() && !CanSelectPage(hit)) {
    message.Result = 0;
    return;
  }
  TsSkinned::WndProc(message);
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
void TsPageControl::TabDeleted(TMessage& message, int index) {
  SkinData.BGChanged = true;
  TsSkinned::WndProc(message);
  const int countAfter = PageCount() - 1;
  FCurItem = IndexAfterTabDeleted(FCurItem, index, countAfter);
  FHoveredBtnIndex = IndexAfterTabDeleted(FHoveredBtnIndex, index, countAfter);
  FPressedBtnIndex = IndexAfterTabDeleted(FPressedBtnIndex, index, countAfter);
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
      TabDeleted(message, static_cast<int>(message.WParam));
      return CheckUpDown();
    case TCM_SETIMAGELIST:
    case WM_PRINT:
      TsSkinned::WndProc(message);
      return CheckUpDown();
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
    CopyBitmapToDC(canvas.Handle(), *pages->SkinData.CacheBmp(), TRect{Left(), Top(), Left() + Width(), Top() + Height()},
                   TPoint{});
    return;
  }
  canvas.SetBrushColor(SkinData.BackgroundColorForChildren());
  canvas.FillRect(ClientRect());
}

void TsTabSheet::SkinCommand(TMessage& message, TSkinCommand code) {
  TsPageControl* pages = SkinnedPages();
  switch (code) {
    case skcQueryUpdating:
      // The face is the page control's picture: children wait while that is held back or the sheet is.
      message.Result = SkinData.FUpdating || (pages && pages->SkinData.FUpdating) ? 1 : 0;
      return;
    case skcGetSkinIndex:
      // The section that paints the sheet's face: its own, else the page control's.
      if (const int own = OwnSectionIndex(); own >= 0) {
        if (auto* index = reinterpret_cast<int*>(message.LParam)) *index = own;
        message.Result = 1;
        return;
      }
      if (!pages) return TsSkinned::WndProc(message);
      message.Result = pages->Perform(message.Msg, message.WParam, message.LParam);
      return;
    case skcQueryParentBG:
      return AnswerParentBG(message, pages);
    case skcGetColor:
      if (!pages) return TsSkinned::WndProc(message);
      message.Result = pages->Perform(message.Msg, message.WParam, message.LParam);
      return;
    case skcPaintBackground: {
      auto* info = reinterpret_cast<TBackgroundInfo*>(message.LParam);
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
    SendMessageW(FSpinWnd->CtrlHandle, message.Msg, message.WParam, message.LParam);
}

void TsPageControl::ChooseValidActivePage() {
  std::vector<TPageKind> kinds;
  for (int i = 0; i < PageCount(); ++i) kinds.push_back(TPageKind{TypeOf(Pages(i)), true});
  if (const int valid = ValidActivePage(kinds, ActivePageIndex()); valid >= 0 && valid != ActivePageIndex())
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
  pages->SkinData.BGChanged = true;
  if (pages->HandleAllocated()) InvalidateRect(pages->Handle(), nullptr, FALSE);
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
