#include "fw/Picture.h"

#include "image/BitmapFill.h"
#include "image/ImageDecoder.h"
#include "image/ImageError.h"

namespace qw {

void TPicture::LoadFromMemory(const uint8_t* data, size_t size) {
  Assign(DecodeImage(data, size, TBmpAlpha::FourthByte));
}

void TPicture::LoadFromResource(const std::wstring& name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL global = info ? LoadResource(module, info) : nullptr;
  const auto* bytes = global ? static_cast<const uint8_t*>(LockResource(global)) : nullptr;
  if (!bytes) throw EImageError("Cannot load image. The program has no picture resource of this name.");
  LoadFromMemory(bytes, SizeofResource(module, info));
}

void TPicture::Assign(TBitmap32 bitmap) {
  FBitmap = std::move(bitmap);
  FPremultiplied = FBitmap.Clone();
  PremultiplyExact(FPremultiplied);
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
