#include "skin/controls/TabControlWnd_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "base/Geometry_win.h"
#include "fw/BitmapCanvas.h"
#include "fw/MessageCrack.h"
#include "image/BitmapBlend.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/TabContentLayout.h"
#include "skin/controls/WrapperCache_win.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

TRect ClientOf(HWND wnd) {
  RECT r{};
  GetClientRect(wnd, &r);
  return RectOf(r);
}

// The tab's caption, centred on one line in the font of the window.
void DrawTabCaption(HWND wnd, int index, TBitmap32& tab, TColor color, TTabPosition side, TTabStyle style,
                    bool selected) {
  wchar_t text[256] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = static_cast<int>(std::size(text));
  if (!SendMessageW(wnd, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) || !text[0]) return;
  TBitmapCanvas target(tab);
  HDC dc = target.Handle();
  if (!dc) return;
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(wnd, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(color));
  const int length = static_cast<int>(wcslen(text));
  RECT measured{0, 0, tab.Width(), tab.Height()};
  DrawTextW(dc, text, length, &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  TTabContentInput in;
  in.Tab = TRect{0, 0, tab.Width(), tab.Height()};
  in.Position = side;
  in.Style = style;
  in.Selected = selected;
  in.CaptionWidth = measured.right - measured.left;
  in.CaptionHeight = measured.bottom - measured.top;
  const TRect t = TabContentLayout(in).Text;
  RECT r = WinRect(t);
  DrawTextW(dc, text, length, &r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, old);
}

}  // namespace

// ---- Tab control -----------------------------------------------------------------------------------------

TqxTabControlWnd::TqxTabControlWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager,
                                   TsCommonData* skinData)
    : TqxMainWnd(wnd, section, manager, skinData) {}

TqxTabControlWnd::~TqxTabControlWnd() {
  if (!Destroyed) Detach();
}

std::u16string_view TqxTabControlWnd::DefaultSection() const {
  return GivenSection().empty() ? std::u16string_view(u"PAGECONTROL") : GivenSection();
}

TTabPosition TqxTabControlWnd::Side() const {
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  if (style & TCS_VERTICAL) return style & TCS_RIGHT ? tpRight : tpLeft;
  return style & TCS_BOTTOM ? tpBottom : tpTop;
}

TTabStyle TqxTabControlWnd::Style() const {
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  if (!(style & TCS_BUTTONS)) return tsTabs;
  return style & TCS_FLATBUTTONS ? tsFlatButtons : tsButtons;
}

int TqxTabControlWnd::TabCount() const { return static_cast<int>(SendMessageW(CtrlHandle, TCM_GETITEMCOUNT, 0, 0)); }

TRect TqxTabControlWnd::Adjusted() const {
  RECT r{};
  GetClientRect(CtrlHandle, &r);
  SendMessageW(CtrlHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return TRect{r.left, r.top + 2, r.right, r.bottom};
}

TRect TqxTabControlWnd::PageRect() const { return PageAreaRect(ClientOf(CtrlHandle), Adjusted(), Side(), TabCount() > 0); }

TRect TqxTabControlWnd::TabStrip() const { return TabStripRect(ClientOf(CtrlHandle), Adjusted(), Side(), TabCount() > 0); }

TRect TqxTabControlWnd::PaintedTabRectOf(int index) const {
  RECT r{};
  if (!SendMessageW(CtrlHandle, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return TRect{};
  const bool selected = index == static_cast<int>(SendMessageW(CtrlHandle, TCM_GETCURSEL, 0, 0));
  return PaintedTabRect(RectOf(r), Style(), selected);
}

bool TqxTabControlWnd::PrepareCache() {
  TsSkinManager* m = Manager();
  if (!SkinData || !m || !CtrlHandle) return false;
  MeasureWindow();
  TCacheInfo ci;
  if (!BeginWrapperPicture(*SkinData, CtrlHandle, WndSize, ci)) return false;
  TBitmap32* cache = SkinData->CacheBmp();
  const int w = cache->Width(), h = cache->Height();
  // The frame ring (when the window has one) shows the parent.
  PaintParentBackground(*cache, TRect{0, 0, w, h}, ci, TPoint{WndPos.x, WndPos.y});
  const POINT origin = ClientOffset();
  FPageSection = ResolvePageAreaSection(*SkinData, Side());
  const TRect page = OffsetRect(PageRect(), origin.x, origin.y);
  if (!IsRectEmpty(page))
    PaintPageArea(*SkinData, FPageSection, ci, page, TPoint{WndPos.x + page.Left, WndPos.y + page.Top}, *cache);
  PaintTabs(*cache, ci, origin);
  SkinData->BGChanged = false;
  return true;
}

void TqxTabControlWnd::PaintTabs(TBitmap32& cache, const TCacheInfo& ci, POINT origin) {
  const TRect strip = OffsetRect(TabStrip(), origin.x, origin.y);
  if (IsRectEmpty(strip)) return;
  PaintParentBackground(cache, IntersectRects(strip, TRect{0, 0, cache.Width(), cache.Height()}), ci,
                        TPoint{WndPos.x + strip.Left, WndPos.y + strip.Top});
  const int selected = static_cast<int>(SendMessageW(CtrlHandle, TCM_GETCURSEL, 0, 0));
  for (int i = 0; i < TabCount(); ++i)
    if (i != selected) PaintTab(cache, i, i == FHot ? StateHot : StateNormal, ci, origin);
  // The selected tab last, over its neighbours.
  if (selected >= 0) PaintTab(cache, selected, StatePressed, ci, origin);
}

void TqxTabControlWnd::PaintTab(TBitmap32& cache, int index, int state, const TCacheInfo& ci, POINT origin) {
  const TsSkinManager* m = Manager();
  if (!m || !m->IsValidSkinIndex(m->GetSkinIndex(u"TABTOP"))) return;
  const TRect r = OffsetRect(PaintedTabRectOf(index), origin.x, origin.y);
  if (IsRectEmpty(r) || (state != StateNormal && r.Left < origin.x)) return;
  const std::u16string name = TabSectionName(u"", ttTab, Style(), Side());
  TBitmap32 tab(WidthOfRect(r), HeightOfRect(r));
  const TColor font = PaintTabFace(*m, m->GetSkinIndex(name), name, state, ci, TPoint{WndPos.x + r.Left, WndPos.y + r.Top},
                                   tab, static_cast<TColor>(GetSysColor(COLOR_BTNTEXT)));
  DrawTabCaption(CtrlHandle, index, tab, font, Side(), Style(), state == StatePressed);
  // Tabs never reach into the page area: only the part over the strip is put into the cache.
  const TRect strip = OffsetRect(TabStrip(), origin.x, origin.y);
  const TRect shown = IntersectRects(IntersectRects(r, strip), TRect{0, 0, cache.Width(), cache.Height()});
  if (IsRectEmpty(shown)) return;
  BlendRectangle(cache, tab, 0, TPoint{shown.Left, shown.Top}, OffsetRect(shown, -r.Left, -r.Top));
}

void TqxTabControlWnd::WMPaint(TMessage& message, HDC dc) {
  PAINTSTRUCT ps;
  HDC target = dc ? dc : BeginPaint(CtrlHandle, &ps);
  SkinData->FUpdating = SkinData->QueryUpdating();
  // The tabs' states change with every selection and mouse move: the picture is made anew each time.
  SkinData->BGChanged = true;
  if (target && (dc || !SkinData->FUpdating) && PrepareCache()) {
    const POINT origin = ClientOffset();
    const TRect client = ClientOf(CtrlHandle);
    CopyBitmapToDC(target, *SkinData->CacheBmp(),
                   TRect{origin.x, origin.y, origin.x + client.Right, origin.y + client.Bottom}, TPoint{0, 0});
  }
  if (!dc) EndPaint(CtrlHandle, &ps);
  message.Result = 0;
}

void TqxTabControlWnd::WMMouseMove(TMessage& message, POINT pt) {
  TqxMainWnd::qxWndProc(message);
  if (Destroyed) return;
  TCHITTESTINFO hit{};
  hit.pt = pt;
  const int tab = static_cast<int>(SendMessageW(CtrlHandle, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (!FTrackingLeave) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, CtrlHandle, 0};
    FTrackingLeave = TrackMouseEvent(&track) != FALSE;
  }
  if (tab == FHot) return;
  FHot = tab;
  InvalidateRect(CtrlHandle, nullptr, FALSE);
}

void TqxTabControlWnd::WMMouseLeave(TMessage& message) {
  FTrackingLeave = false;
  CallPrevWndProc(message);
  if (FHot < 0) return;
  FHot = -1;
  InvalidateRect(CtrlHandle, nullptr, FALSE);
}

void TqxTabControlWnd::qxWndProc(TMessage& message) {
  if (!Skinned()) return TqxMainWnd::qxWndProc(message);
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_MOUSEMOVE:
      return WMMouseMove(message, PointFromLParam(message.LParam));
    case WM_MOUSELEAVE:
      return WMMouseLeave(message);
    default:
      return TqxMainWnd::qxWndProc(message);
  }
}

// ---- Pages -----------------------------------------------------------------------------------------------

TqxPageWnd::TqxPageWnd(HWND wnd, TqxTabControlWnd& pages, TsSkinManager* manager)
    : TqxSectionWnd(wnd, u"CHECKBOX", manager, nullptr, u"CHECKBOX"), FPages(pages) {}

void TqxPageWnd::WMEraseBkgnd(TMessage& message, HDC dc) {
  message.Result = 1;
  TsCommonData* data = FPages.SkinData;
  if (!dc || !data || FPages.Destroyed) return;
  const TBitmap32* cache = data->CacheBmp();
  if ((data->BGChanged || !cache || cache->Empty()) && !FPages.PrepareCache()) return;
  cache = data->CacheBmp();
  RECT page{}, pages{}, client{};
  GetWindowRect(CtrlHandle, &page);
  GetWindowRect(FPages.CtrlHandle, &pages);
  GetClientRect(CtrlHandle, &client);
  const POINT inner = ClientOffset();
  const int x = page.left - pages.left + inner.x, y = page.top - pages.top + inner.y;
  CopyBitmapToDC(dc, *cache, TRect{x, y, x + client.right, y + client.bottom}, TPoint{0, 0});
}

void TqxPageWnd::qxWndProc(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND && Skinned() && FPages.Skinned()) return WMEraseBkgnd(message, DcFrom(message.WParam));
  TqxSectionWnd::qxWndProc(message);
}

// ---- Page control ----------------------------------------------------------------------------------------

TqxPageControlWnd::TqxPageControlWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager,
                                     TsCommonData* skinData)
    : TqxTabControlWnd(wnd, section, manager, skinData) {
  WrapPages();
}

TqxPageControlWnd::~TqxPageControlWnd() {
  // The pages first: they read the control's picture.
  while (!FPages.empty()) {
    ReleaseWrapper(std::move(FPages.back()));
    FPages.pop_back();
  }
}

void TqxPageControlWnd::WrapPages() {
  for (auto it = FPages.begin(); it != FPages.end();) {
    if ((*it)->Destroyed) {
      ReleaseWrapper(std::move(*it));
      it = FPages.erase(it);
    } else {
      ++it;
    }
  }
  for (HWND child = GetWindow(CtrlHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[64] = {};
    GetClassNameW(child, cls, static_cast<int>(std::size(cls)));
    if (lstrcmpiW(cls, UPDOWN_CLASSW) == 0 || TqxMainWnd::FromHandle(child) ||
        SendSkinCommandToWindow(child, skcIsSkinned) == 1)
      continue;
    FPages.push_back(TqxMainWnd::Create<TqxPageWnd>(child, *this, Manager()));
  }
}

void TqxPageControlWnd::qxWndProc(TMessage& message) {
  TqxTabControlWnd::qxWndProc(message);
  if (Destroyed) return;
  // A page added since is wrapped with the next new look.
  if (message.Msg == SkinCommandMsg &&
      (SkinCommandCode(message.WParam) == skcNewSkin || SkinCommandCode(message.WParam) == skcRefresh))
    WrapPages();
}

}  // namespace qw
