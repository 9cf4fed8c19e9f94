// A DIB section behind TBitmap32, so GDI can draw text into the same pixels.
#include <windows.h>

#include <cstdint>

namespace qw {

void* AllocateBitmapPixels(int width, int height, uint32_t** pixels) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down rows
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP h = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  *pixels = h ? static_cast<uint32_t*>(bits) : nullptr;
  return h;
}

void FreeBitmapPixels(void* handle, uint32_t*) {
  if (handle) DeleteObject(static_cast<HBITMAP>(handle));
}

}  // namespace qw
