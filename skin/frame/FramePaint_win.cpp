// TsSkinProvider: the frame's picture (PaintAll), its strips on the window (WM_NCPAINT) and the
// window's region cut after the skin's corner masks.
#include <algorithm>

#include "fw/BitmapCanvas.h"
#include "fw/Form.h"
#include "image/BitmapDC_win.h"
#include "image/BitmapFill.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/BorderForm_win.h"
#include "skin/frame/CaptionAnimation_win.h"
#include "skin/frame/CaptionDraw_win.h"
#include "skin/frame/FramePicture.h"
#include "skin/frame/SkinProvider_win.h"
#include "skin/render/BorderMask.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

// The caption bar's own border mask, which cuts the frame's top corners too.
int TitleBordersMask(const TsSkinManager& m, int titleIndex, const std::u16string& titleSkin) {
  if (!m.IsValidSkinIndex(titleIndex)) return -1;
  return m.GetMaskIndex(titleIndex, titleSkin.empty() ? u"FORMTITLE" : titleSkin, u"BORDERSMASK");
}

}  // namespace

void TsSkinProvider::PaintAll() {
  HWND h = Handle();
  TsSkinManager* m = Manager();
  if (!h || !m || !Skinned()) return;
  const TFrameWindow w = WindowFacts();
  const TFrameGeometry g = MeasureFrame(w, SystemFrameMetrics());
  const TSize size = FBorderForm ? BorderLayout().Picture : TSize{g.CaptionWidth, w.Height};
  if (size.Width <= 0 || size.Height <= 0) return;
  TBitmap32& cache = *SkinData->CacheBmp();
  if (cache.Width() != size.Width || cache.Height() != size.Height) cache = TBitmap32(size.Width, size.Height);
  CalcItems();
  TBitmap32 shadow;
  if (FBorderForm) {
    PaintBorderFrame(cache, *SkinData, *m, BorderLayout(), FFormActive, shadow);
  } else {
    const TsGeneralData& section = m->gd[static_cast<size_t>(SkinData->SkinIndex())];
    const int state = LimitState(section, FFormActive ? 1 : 0);
    PaintControlItem(*SkinData, EmptyCacheInfo(), state, TRect{0, 0, cache.Width(), cache.Height()}, TPoint{0, 0},
                     cache, false);
  }
  if (g.CaptionHeight > 0 && DrawNonClientArea) {
    PaintCaptionBar(g);
    PaintIcon();
    PaintCaptionText(g);
    SaveTitleBG(g);
    PaintBorderIcons();
    AnnounceCaption();
  }
  if (FBorderForm)
    FinishBorderFrame(cache, *m, SkinData->BorderIndex(), TitleBordersMask(*m, FTitleSkinIndex, TitleSkin),
                      BorderLayout(), g.CaptionHeight, shadow);
  SkinData->BGChanged = false;
}

TRect TsSkinProvider::CaptionBand(const TFrameGeometry& g) const {
  const TBitmap32& cache = *SkinData->CacheBmp();
  if (!FBorderForm) return TRect{0, 0, cache.Width(), std::min(cache.Height(), g.SysBorderHeight + g.CaptionHeight)};
  const TBorderFormLayout l = BorderLayout();
  return TRect{l.Frame.Left, l.Frame.Top, l.Frame.Right, std::min(l.Client.Top, l.Frame.Bottom)};
}

void TsSkinProvider::PaintCaptionBar(const TFrameGeometry& g) {
  TsSkinManager& m = *Manager();
  if (!m.IsValidSkinIndex(FTitleSkinIndex)) return;
  TBitmap32& cache = *SkinData->CacheBmp();
  const TRect band = CaptionBand(g);
  PaintCaptionStrip(cache, m, FTitleSkinIndex, TitleSkin.empty() ? u"FORMTITLE" : TitleSkin, FFormActive, band);
  const int state = LimitState(m.gd[static_cast<size_t>(FTitleSkinIndex)], FFormActive ? 1 : 0);
  // The skin's plate behind the caption buttons.
  const int titleBar = m.GetMaskIndex(SkinData->SkinIndex(), SkinData->SkinSection(), u"TITLEBAR");
  if (m.IsValidImgIndex(titleBar) && FCaption.Layout.TitleButtonsWidth > 0) {
    const TsMaskData& mask = m.ma[static_cast<size_t>(titleBar)];
    const int imageWidth = (mask.R.Right - mask.R.Left) / std::max<int>(1, mask.ImageCount);
    const TRect plate{std::max(band.Left, band.Right - (2 * imageWidth + FCaption.Layout.TitleButtonsWidth)), band.Top,
                      band.Right, band.Bottom};
    DrawBorderMask(cache, plate, MakeCacheInfo(&cache, 0, 0), mask, state, false);
  }
}

void TsSkinProvider::SaveTitleBG(const TFrameGeometry& g) {
  const TBitmap32& cache = *SkinData->CacheBmp();
  const TRect band = CaptionBand(g);
  const int width = g.SysBorderWidth + FCaption.Layout.TitleButtonsWidth + 10 + (cache.Width() - band.Right);
  // Never from before the picture's first column, however wide the skin's buttons are.
  FTempLeft = std::max(0, g.CaptionWidth - width - 1);
  FTempBmp = CopyBitmapArea(cache, TRect{FTempLeft, 0, FTempLeft + width, band.Bottom});
}

void TsSkinProvider::PaintBorderIcons() {
  TBitmap32& cache = *SkinData->CacheBmp();
  PasteBitmap(cache, FTempBmp, TPoint{FTempLeft, 0});
  auto draw = [&](const TsCaptionButton& b) {
    // A button a fade window covers shows its normal look in the picture.
    const int state = b.Timer && b.Timer->Running() ? 0 : b.State;
    DrawButton(cache, b, TPoint{b.Rect.Left, b.Rect.Top}, state);
  };
  for (const TsCaptionButton& b : FButtons) draw(b);
  for (const TsCaptionButton& b : FUserButtons) draw(b);
}

bool TsSkinProvider::ButtonEnabled(const TsCaptionButton& b) const {
  const TSysMenuRules r = SysMenuRules();
  switch (b.HitCode) {
    case kHtClose: return r.VisibleClose;
    case kHtMaxButton: return r.EnabledMax;
    case kHtMinButton: return r.EnabledMin;
    case kHtHelp: return true;
    default: {
      const size_t user = static_cast<size_t>(b.HitCode - kHtUserButton);
      return user >= TitleButtons.size() || TitleButtons[user].Enabled;
    }
  }
}

void TsSkinProvider::DrawButton(TBitmap32& bmp, const TsCaptionButton& b, TPoint at, int state) {
  const TsSkinManager* m = Manager();
  if (!m || !m->IsValidImgIndex(b.ImageIndex) || b.Rect.Right <= b.Rect.Left) return;
  const bool dim = state == 0 && (!FFormActive || !ButtonEnabled(b));
  // The clean caption under the button is what its key pixels show.
  const TCacheInfo ci = MakeCacheInfo(&FTempBmp, b.Rect.Left - at.X - FTempLeft, b.Rect.Top - at.Y);
  DrawMaskGlyph(bmp, at, state, ci, m->ma[static_cast<size_t>(b.ImageIndex)], dim ? 2 : 1);
}

TBitmap32 TsSkinProvider::ButtonPicture(const TsCaptionButton& b, int state) {
  const int width = b.Rect.Right - b.Rect.Left, height = b.Rect.Bottom - b.Rect.Top;
  if (width <= 0 || height <= 0) return TBitmap32();
  TBitmap32 picture(width, height);
  PasteBitmapArea(picture, FTempBmp, TRect{b.Rect.Left - FTempLeft, b.Rect.Top, b.Rect.Right - FTempLeft, b.Rect.Bottom},
                  TPoint{0, 0});
  DrawButton(picture, b, TPoint{0, 0}, state);
  for (int y = 0; y < height; ++y)
    for (uint32_t* p = picture.Row(y), *end = p + width; p != end; ++p) *p |= 0xFF000000u;
  return picture;
}

// ---- On the window ---------------------------------------------------------------------------------------

void TsSkinProvider::PaintNonClient() {
  HWND h = Handle();
  if (!h || !DrawNonClientArea || !Skinned()) return;
  if (!FPrepared) PrepareForm();
  if (!FPrepared) return;
  const TFrameWindow w = WindowFacts();
  const TFrameGeometry g = MeasureFrame(w, SystemFrameMetrics());
  const TBitmap32& cache = *SkinData->CacheBmp();
  const TSize size = FBorderForm ? BorderLayout().Picture : TSize{g.CaptionWidth, w.Height};
  if (cache.Width() != size.Width || cache.Height() != size.Height) SkinData->BGChanged = true;
  const bool repainted = SkinData->BGChanged;
  if (SkinData->BGChanged) PaintAll();
  if (FRgnChanged) UpdateFormRgn();
  if (FBorderForm) {
    // The form shows only its client area: the frame is the border window's.
    FBorderForm->UpdateExBordersPos(repainted);
    ++FNonClientPaints;
    return;
  }
  HDC dc = GetWindowDC(h);
  if (!dc) return;
  const int saved = SaveDC(dc);
  CopyFrameToDC(dc, g, w);
  RestoreDC(dc, saved);
  ReleaseDC(h, dc);
  ++FNonClientPaints;
}

void TsSkinProvider::CopyFrameToDC(HDC dc, const TFrameGeometry& g, const TFrameWindow& w) {
  const TFrameStrips s = FrameStrips(g, w);
  for (const TRect& r : {s.Top, s.Left, s.Bottom, s.Right}) CopyBitmapToDC(dc, Cache(), r, TPoint{r.Left, r.Top});
}

void TsSkinProvider::RepaintFrame() {
  SkinData->BGChanged = true;
  HWND h = Handle();
  if (h && IsWindowVisible(h)) PaintNonClient();
}

void TsSkinProvider::CopyButtonToWindow(const TsCaptionButton& b) {
  HWND h = Handle();
  if (!h || !IsWindowVisible(h)) return;
  if (FBorderForm) {
    SetAlphaInRect(*SkinData->CacheBmp(), b.Rect, 255, false);
    FBorderForm->UpdateExBordersPos(true);
    return;
  }
  if (HDC dc = GetWindowDC(h)) {
    CopyBitmapToDC(dc, *SkinData->CacheBmp(), b.Rect, TPoint{b.Rect.Left, b.Rect.Top});
    ReleaseDC(h, dc);
  }
}

void TsSkinProvider::UpdateFormRgn() {
  HWND h = Handle();
  TsSkinManager* m = Manager();
  if (!h || !m || !DrawNonClientArea || !Skinned()) return;
  // The minimise animation keeps the form hidden (an empty region) until its picture has flown.
  if (MinimizeAnimating()) {
    FRgnChanged = true;
    return;
  }
  const TFrameWindow w = WindowFacts();
  if (!HaveBorder(w) && !w.Iconic() && !(w.Style & kWsThickFrame)) return;
  const TFrameGeometry g = MeasureFrame(w, SystemFrameMetrics());
  HRGN region = nullptr;
  if (FBorderForm) {
    // Only the client area (with the form's own scroll bars) is left of the form's window.
    const TRect c = BorderLayout().FormClient;
    region = CreateRectRgn(c.Left, c.Top, c.Right, c.Bottom);
  } else if (w.Maximized()) {
    // The frame that lies off the screen is clipped.
    region = CreateRectRgn(g.SysBorderWidth, g.SysBorderHeight, w.Width - g.SysBorderWidth, w.Height - g.SysBorderHeight);
  } else {
    region = MakeFrameRegion(*m, SkinData->BorderIndex(), TitleBordersMask(*m, FTitleSkinIndex, TitleSkin), g.CaptionWidth,
                             w.Height, g.SysBorderHeight + g.CaptionHeight);
  }
  FRgnChanged = false;
  // Painted right after by the caller: no redraw of its own.
  if (!SetWindowRgn(h, region, FALSE)) DeleteObject(region);
}

}  // namespace qw
