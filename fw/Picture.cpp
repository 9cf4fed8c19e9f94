#include "fw/Picture.h"

#include <cstring>
#include <stdexcept>

#if __has_include("image/PngDecoder.h")
#include "image/PngDecoder.h"
#define QW_HAVE_PNG 1
#endif
#if __has_include("image/JpegDecoder.h")
#include "image/JpegDecoder.h"
#define QW_HAVE_JPEG 1
#endif

namespace qw {

namespace {

uint32_t Le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

TBitmap32 ReadBmp32(const uint8_t* data, size_t size) {
  if (size < 54 || data[0] != 'B' || data[1] != 'M') throw std::runtime_error("Not a BMP image");
  const uint32_t offset = Le32(data + 10);
  const uint32_t headerSize = Le32(data + 14);
  const int32_t width = static_cast<int32_t>(Le32(data + 18));
  const int32_t rawHeight = static_cast<int32_t>(Le32(data + 22));
  const uint16_t bits = Le16(data + 28);
  const uint32_t compression = Le32(data + 30);
  if (headerSize < 40 || bits != 32 || (compression != BI_RGB && compression != BI_BITFIELDS))
    throw std::runtime_error("Only 32-bit BMP images are supported here");
  if (width <= 0 || width > 4096 || rawHeight == 0 || rawHeight < -4096 || rawHeight > 4096)
    throw std::runtime_error("BMP image size out of range");
  const int height = rawHeight < 0 ? -rawHeight : rawHeight;
  const size_t need = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
  if (offset > size || size - offset < need) throw std::runtime_error("BMP image data truncated");
  TBitmap32 bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    const int src = rawHeight > 0 ? height - 1 - y : y;
    std::memcpy(bitmap.Row(y), data + offset + static_cast<size_t>(src) * static_cast<size_t>(width) * 4,
                static_cast<size_t>(width) * 4);
  }
  return bitmap;
}

void TPicture::LoadFromMemory(const uint8_t* data, size_t size) {
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
    Assign(ReadBmp32(data, size));
    return;
  }
  if (size >= 8 && data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G') {
#ifdef QW_HAVE_PNG
    Assign(DecodePng(data, size));
    return;
#else
    throw std::runtime_error("PNG pictures are not supported by this build");
#endif
  }
  if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8) {
#ifdef QW_HAVE_JPEG
    Assign(DecodeJpeg(data, size));
    return;
#else
    throw std::runtime_error("JPEG pictures are not supported by this build");
#endif
  }
  throw std::runtime_error("Unknown picture format");
}

void TPicture::LoadFromResource(const std::wstring& name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!info) throw std::runtime_error("Resource not found");
  HGLOBAL global = LoadResource(module, info);
  const auto* bytes = static_cast<const uint8_t*>(LockResource(global));
  if (!bytes) throw std::runtime_error("Resource not found");
  LoadFromMemory(bytes, SizeofResource(module, info));
}

void TPicture::Assign(TBitmap32 bitmap) {
  FBitmap = std::move(bitmap);
  FPremultiplied = FBitmap.Clone();
  uint32_t* p = FPremultiplied.Pixels();
  for (size_t i = 0, n = FPremultiplied.PixelCount(); i < n; ++i) {
    const uint32_t a = p[i] >> 24;
    const uint32_t r = ((p[i] >> 16) & 0xFF) * a / 255, g = ((p[i] >> 8) & 0xFF) * a / 255, b = (p[i] & 0xFF) * a / 255;
    p[i] = (a << 24) | (r << 16) | (g << 8) | b;
  }
}

HBITMAP TPicture::PremultipliedHandle() const { return static_cast<HBITMAP>(FPremultiplied.NativeHandle()); }

void TPicture::Draw(HDC dc, int x, int y) const {
  if (FPremultiplied.Empty()) return;
  GdiFlush();
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, PremultipliedHandle());
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, Width(), Height(), mem, 0, 0, Width(), Height(), blend);
  SelectObject(mem, old);
  DeleteDC(mem);
}

}  // namespace qw
