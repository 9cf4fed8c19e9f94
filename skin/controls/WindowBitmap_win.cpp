#include "skin/controls/WindowBitmap_win.h"

#include <cstdlib>

namespace qw {

namespace {

// Larger sides are not read: the size comes from another program's window.
constexpr int kMaxPictureSide = 8192;

}  // namespace

TBitmap32 ReadWindowBitmap(HBITMAP bitmap, int& bitsPerPixel) {
  bitsPerPixel = 0;
  BITMAP info{};
  if (!bitmap || GetObjectW(bitmap, sizeof(info), &info) != sizeof(info)) return TBitmap32();
  const int width = info.bmWidth, height = std::abs(info.bmHeight);
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) return TBitmap32();
  TBitmap32 pixels(width, height);
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof(request.bmiHeader);
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.Pixels(), &request, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != height) return TBitmap32();
  bitsPerPixel = info.bmBitsPixel;
  return pixels;
}

}  // namespace qw
