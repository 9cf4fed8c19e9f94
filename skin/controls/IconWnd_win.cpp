#include "skin/controls/IconWnd_win.h"

#include <algorithm>

#include "fw/BitmapCanvas.h"
#include "skin/render/BorderMask.h"
#include "skin/render/GlyphPaint.h"

namespace qw {

namespace {

// Pictures larger than this on either side are not read (a bitmap's size comes from the window).
constexpr int kMaxPictureSide = 8192;

// The pixels of a 32-bit bitmap, rows from the top; empty when it cannot be read.
TBitmap32 ReadBitmap32(HBITMAP bitmap, int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) return TBitmap32();
  TBitmap32 pixels(width, height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.Pixels(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return rows == height ? std::move(pixels) : TBitmap32();
}

}  // namespace

TqxIconWnd::TqxIconWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
                       bool dlgMode)
    : TqxStaticWnd(wnd, section, manager, skinData, dlgMode),
      IsBmp((GetWindowLongW(wnd, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {}

bool TqxIconWnd::PaintText(TBitmap32& cache) { return IsBmp ? PaintBitmap(cache) : PaintIcon(cache); }

bool TqxIconWnd::PaintIcon(TBitmap32& cache) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(CtrlHandle, STM_GETICON, 0, 0));
  if (!icon) return false;
  TBitmapCanvas canvas(cache);
  return canvas.Handle() && DrawIconEx(canvas.Handle(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

bool TqxIconWnd::PaintBitmap(TBitmap32& cache) {
  // The bitmap belongs to the window: it is read at every paint, never kept or freed here.
  auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(CtrlHandle, STM_GETIMAGE, IMAGE_BITMAP, 0));
  BITMAP info{};
  if (!bitmap || GetObjectW(bitmap, sizeof(info), &info) != sizeof(info) || info.bmWidth <= 0 || info.bmHeight <= 0)
    return false;
  if (info.bmBitsPixel == 32) {
    const TBitmap32 picture = ReadBitmap32(bitmap, info.bmWidth, std::abs(info.bmHeight));
    if (picture.Empty()) return false;
    DrawAlphaGlyph(TRect{0, 0, cache.Width(), cache.Height()}, TRect{0, 0, picture.Width(), picture.Height()}, cache,
                   false, 1, kNoTint, false, EmptyCacheInfo(), picture);
    return true;
  }
  TBitmapCanvas canvas(cache);
  HDC source = CreateCompatibleDC(canvas.Handle());
  if (!canvas.Handle() || !source) {
    if (source) DeleteDC(source);
    return false;
  }
  HGDIOBJ old = SelectObject(source, bitmap);
  BitBlt(canvas.Handle(), 0, 0, std::min<int>(cache.Width(), info.bmWidth), std::min<int>(cache.Height(), std::abs(info.bmHeight)),
         source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  return true;
}

}  // namespace qw
