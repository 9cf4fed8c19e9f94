#include "image/Bitmap32.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace qw {

namespace {
constexpr int64_t kMaxPixels = int64_t{1} << 28;  // 1 GiB of pixels: anything larger is a broken input
}

// Platform hooks: allocate and free the pixel store. Bitmap32_win.cpp makes a DIB section.
void* AllocateBitmapPixels(int width, int height, uint32_t** pixels);
void FreeBitmapPixels(void* handle, uint32_t* pixels);

TBitmap32::TBitmap32(int width, int height) {
  if (width < 0 || height < 0 || int64_t{width} * height > kMaxPixels) throw std::bad_alloc();
  if (width == 0 || height == 0) {
    FWidth = width;
    FHeight = height;
    return;
  }
  FHandle = AllocateBitmapPixels(width, height, &FPixels);
  if (!FPixels) throw std::bad_alloc();
  FWidth = width;
  FHeight = height;
  std::fill_n(FPixels, PixelCount(), 0x00FFFFFFu);
}

TBitmap32::~TBitmap32() { Release(); }

void TBitmap32::Release() {
  if (FPixels) FreeBitmapPixels(FHandle, FPixels);
  FPixels = nullptr;
  FHandle = nullptr;
  FWidth = FHeight = 0;
}

TBitmap32::TBitmap32(TBitmap32&& o) noexcept
    : SourceBitCount(o.SourceBitCount),
      FWidth(std::exchange(o.FWidth, 0)),
      FHeight(std::exchange(o.FHeight, 0)),
      FPixels(std::exchange(o.FPixels, nullptr)),
      FHandle(std::exchange(o.FHandle, nullptr)) {}

TBitmap32& TBitmap32::operator=(TBitmap32&& o) noexcept {
  if (this != &o) {
    Release();
    FWidth = std::exchange(o.FWidth, 0);
    FHeight = std::exchange(o.FHeight, 0);
    FPixels = std::exchange(o.FPixels, nullptr);
    FHandle = std::exchange(o.FHandle, nullptr);
    SourceBitCount = o.SourceBitCount;
  }
  return *this;
}

TBitmap32 TBitmap32::Clone() const {
  TBitmap32 copy(FWidth, FHeight);
  if (FPixels) std::memcpy(copy.FPixels, FPixels, PixelCount() * 4);
  copy.SourceBitCount = SourceBitCount;
  return copy;
}

}  // namespace qw
