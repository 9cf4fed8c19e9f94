// TsPageControl: its geometry and model, the tab contents' settings, the page area in the cache and
// how the cache reaches the screen, and the tab strip's scroll arrows. The tabs are painted in
// sPageControlTabs.cpp, input and messages handled in sPageControlInput.cpp.
#include "skin/controls/sPageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "base/Geometry_win.h"
#include "image/BitmapBlend.h"
#include "skin/access/AccessHost_win.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/PageAreaPaint_win.h"
#include "skin/controls/SpinWnd_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/core/Transitions_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"

namespace qw {

// ---- Geometry and model ----------------------------------------------------------------------------------

TRect TsPageControl::PageRect() const {
  return PageAreaRect(TRect{0, 0, Width(), Height()}, RectOf(DisplayRect()), TabSide(), PageCount() > 0);
}

TRect TsPageControl::TabStrip() const {
  return TabStripRect(TRect{0, 0, Width(), Height()}, RectOf(DisplayRect()), TabSide(), PageCount() > 0);
}

TRect TsPageControl::PaintedTabRectOf(int index) const {
  const bool selected = index == ActivePageIndex() && TabTypeOf(Pages(index)) == ttTab;
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
  if (TabTypeOf(page) != ttTab) return false;
  if (!page->Enabled() && !AccessibleDisabledPages) return false;
  bool allow = true;
  return RaiseEvent(this, OnPageChanging, *this, page, allow) && allow;
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
  // The strip's selection moved to the tab of the new page: its element id is the tab's place plus one.
  // A strip with the focus gives it to the new tab as well, as the keyboard moves it.
  if (HandleAllocated() && !IsLoading() && ActivePage()) {
    const long tab = TabIndexOfPage(ActivePageIndex()) + 1;
    NotifyAccessEvent(EVENT_OBJECT_SELECTION, FHandle, tab);
    if (Focused()) NotifyAccessEvent(EVENT_OBJECT_FOCUS, FHandle, tab);
  }
  if (!SkinData.Skinned() || SkinData.FUpdating || !HandleAllocated()) return;
  RequestRepaint();
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
  if (!PaintTabs(*cache, ci)) return;
  SkinData.BGChanged = false;
}

bool TsPageControl::EnsureCache() {
  if (!MayPaint()) return false;
  const TBitmap32* cache = SkinData.CacheBmp();
  if (SkinData.BGChanged || !cache || cache->Width() != Width() || cache->Height() != Height()) {
    TDestroyWatch watch(this);
    PrepareCache();
    if (watch.Destroyed()) return false;
  }
  cache = SkinData.CacheBmp();
  return cache && !cache->Empty();
}

void TsPageControl::PaintCached(HDC dc, bool printing) {
  // A picture asked for now (printing, a transition's snapshot) is always painted afresh.
  if (printing) SkinData.BGChanged = true;
  StaleWhenHalfVisible();
  if (SkinData.BGChanged) {
    TDestroyWatch watch(this);
    PrepareCache();
    if (watch.Destroyed()) return;
  }
  MeasureHalfVisibleByClipBox(dc);
  SkinData.CopyCacheToDC(TPoint{}, dc, TRect{0, 0, Width(), Height()}, false);
  PaintGraphicChildren(dc, *this, TPoint{});
  StoredVisiblePageCount = PageCount();
}

void TsPageControl::AfterScreenPaint() { NotifyChildrenParentPainted(*this); }

void TsPageControl::RedrawSkinned(bool now) {
  if (!MayPaint()) return;
  InvalidateRect(FHandle, nullptr, FALSE);
  if (now) UpdateWindow(FHandle);
}

void TsPageControl::EndParentUpdate(TMessage& message) {
  if (!SkinData.FUpdating) return TsSkinned::WndProc(message);
  SkinData.FUpdating = false;
  SkinData.BGChanged = true;
  // Everything again: the control, its frame, and the active page with its children.
  if (HandleAllocated()) RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
  message.Result = 0;
}

// ---- Page changes ----------------------------------------------------------------------------------------

void TsPageControl::CNNotify(TMessage& message, const NMHDR& header) {
  if (header.code == static_cast<UINT>(TCN_SELCHANGING)) {
    TInherited::WndProc(message);
    // Nothing refused the change (a non-zero answer would): the old look is covered while it happens.
    if (message.Result == 0) CoverPageChange();
    return;
  }
  if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return TInherited::WndProc(message);
  // The change runs OnChange, which may free the control.
  TDestroyWatch watch(this);
  TInherited::WndProc(message);
  if (watch.Destroyed()) return ForgetCover();
  RevealPageChange();
}

void TsPageControl::CoverPageChange() {
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (!MayPaint() || !m || !m->AnimEffects.PageChange.Active || !IsWindowVisible(FHandle)) return;
  CoverControl(*this);
}

void TsPageControl::RevealPageChange() {
  if (!IsCovered(*this)) return;
  const TsSkinManager* m = SkinData.EffectiveManager();
  AnimateChange(*this, m ? m->AnimEffects.PageChange.Time : 0);
  if (TTabSheet* page = ActivePage(); page && page->HandleAllocated())
    RedrawWindow(page->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TsPageControl::DropRefusedCover() {
  if (IsCovered(*this)) RemoveCover(*this);
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
  for (int i = 0; i < PageCount(); ++i) kinds.push_back(TPageKind{TabTypeOf(Pages(i)), Pages(i)->TabVisible()});
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

}  // namespace qw
