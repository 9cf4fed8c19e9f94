#include "skin/controls/SectionWnd_win.h"

#include <algorithm>

#include "fw/WinControl.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/WrapperCache_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"

namespace qw {

TqxSectionWnd::TqxSectionWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
                             std::u16string_view classSection)
    : TqxMainWnd(wnd, section, manager, skinData), FClassSection(classSection) {}

TqxSectionWnd::~TqxSectionWnd() {
  if (!Destroyed) Detach();
  if (FBrush) DeleteObject(FBrush);
}

std::u16string_view TqxSectionWnd::DefaultSection() const {
  return GivenSection().empty() ? std::u16string_view(FClassSection) : GivenSection();
}

void TqxSectionWnd::SaveStdParams() {
  if (TWinControl* c = Control()) {
    StdColor = c->Color();
    StdFontColor = c->Font().Color();
  }
}

void TqxSectionWnd::RestoreStdParams() {
  if (!ParamsChanged) return;
  ParamsChanged = false;
  if (TWinControl* c = Control()) {
    if (c->Color() != StdColor) c->SetColor(StdColor);
    if (c->Font().Color() != StdFontColor) c->Font().SetColor(StdFontColor);
  }
  if (WindowVisible()) RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void TqxSectionWnd::SetSkinParams() {
  ParamsChanged = true;
  const TsSkinManager* m = Manager();
  TWinControl* c = Control();
  if (!c || !m || !m->IsValidSkinIndex(SkinData->SkinIndex())) return;
  const TsGeneralData& g = m->gd[static_cast<size_t>(SkinData->SkinIndex())];
  if (!SkinData->CustomColor()) {
    const TColor color = ColorToRGB(static_cast<TColor>(g.Props[0].Color));
    if (c->Color() != color) c->SetColor(color);
  }
  if (!SkinData->CustomFont()) {
    const TColor font = ColorToRGB(static_cast<TColor>(g.Props[0].FontColor.Color));
    if (c->Font().Color() != font) c->Font().SetColor(font);
  }
}

bool TqxSectionWnd::PrepareCache() { return SkinData && PrepareWrapperCache(*SkinData, CtrlHandle, false); }

HBRUSH TqxSectionWnd::BackgroundBrush() {
  if (FBrush) DeleteObject(FBrush);
  FBrush = nullptr;
  RECT client{};
  if (!Skinned() || !GetClientRect(CtrlHandle, &client) || client.right <= 0 || client.bottom <= 0 || !Ready())
    return nullptr;
  const TBitmap32& cache = *SkinData->CacheBmp();
  const POINT offset = ClientOffset();
  FBrushPicture = TBitmap32(client.right, client.bottom);
  for (int y = 0; y < FBrushPicture.Height(); ++y) {
    const int from = offset.y + y, width = std::min<int>(FBrushPicture.Width(), cache.Width() - offset.x);
    if (from >= 0 && from < cache.Height() && offset.x >= 0 && width > 0)
      std::copy_n(cache.Row(from) + offset.x, width, FBrushPicture.Row(y));
  }
  if (FBrushPicture.NativeHandle()) FBrush = CreatePatternBrush(static_cast<HBITMAP>(FBrushPicture.NativeHandle()));
  return FBrush;
}

TColor TqxSectionWnd::SectionFontColor() const {
  const TsSkinManager* m = Manager();
  if (!m || !SkinData || !m->IsValidSkinIndex(SkinData->SkinIndex())) return clNone;
  return ColorToRGB(static_cast<TColor>(m->gd[static_cast<size_t>(SkinData->SkinIndex())].Props[0].FontColor.Color));
}

bool TqxSectionWnd::Ready() {
  SkinData->FUpdating = SkinData->QueryUpdating();
  if (SkinData->FUpdating || AnimationRunning) return false;
  if (!ParamsChanged) SetSkinParams();
  return PrepareCache();
}

void TqxSectionWnd::WMEraseBkgnd(TMessage& message, HDC dc) {
  message.Result = 1;
  if (!dc || !Ready()) return;
  const TBitmap32& cache = *SkinData->CacheBmp();
  RECT client{};
  GetClientRect(CtrlHandle, &client);
  const POINT offset = ClientOffset();
  CopyBitmapToDC(dc, cache, TRect{offset.x, offset.y, offset.x + client.right, offset.y + client.bottom}, TPoint{0, 0});
}

void TqxSectionWnd::WMNcPaint(TMessage& message) {
  message.Result = 0;
  RECT wr{}, client{};
  GetWindowRect(CtrlHandle, &wr);
  GetClientRect(CtrlHandle, &client);
  const POINT offset = ClientOffset();
  const bool frame = offset.x > 0 || offset.y > 0 || client.right < wr.right - wr.left || client.bottom < wr.bottom - wr.top;
  if (!frame || !WindowVisible() || !Ready()) return;
  HDC dc = GetWindowDC(CtrlHandle);
  if (!dc) return;
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, offset.x, offset.y, offset.x + client.right, offset.y + client.bottom);
  const TBitmap32& cache = *SkinData->CacheBmp();
  CopyBitmapToDC(dc, cache, TRect{0, 0, cache.Width(), cache.Height()}, TPoint{0, 0});
  RestoreDC(dc, saved);
  ReleaseDC(CtrlHandle, dc);
}

void TqxSectionWnd::qxWndProc(TMessage& message) {
  if (!Skinned()) return TqxMainWnd::qxWndProc(message);
  switch (message.Msg) {
    case WM_ERASEBKGND:
      return WMEraseBkgnd(message, DcFrom(message.WParam));
    case WM_NCPAINT:
      return WMNcPaint(message);
    case WM_PAINT:
      if (!ParamsChanged) SetSkinParams();
      return CallPrevWndProc(message);
    case WM_SIZE:
      TqxMainWnd::qxWndProc(message);
      if (!Destroyed && WindowVisible()) RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return;
    default:
      break;
  }
  if (message.Msg == SkinCommandMsg && SkinCommandCode(message.WParam) == skcPrepareCache) {
    PrepareCache();
    message.Result = 1;
    return;
  }
  TqxMainWnd::qxWndProc(message);
  // A new look of the section: its colours again.
  if (!Destroyed && message.Msg == SkinCommandMsg &&
      (SkinCommandCode(message.WParam) == skcNewSkin || SkinCommandCode(message.WParam) == skcRefresh) &&
      reinterpret_cast<TsSkinManager*>(message.LParam) == Manager())
    SetSkinParams();
}

void TqxTransPanelWnd::qxWndProc(TMessage& message) {
  // The frame of an inner dialog would stand out against the outer one's background.
  if (message.Msg == WM_NCPAINT && Skinned()) {
    message.Result = 0;
    return;
  }
  TqxSectionWnd::qxWndProc(message);
}

}  // namespace qw
