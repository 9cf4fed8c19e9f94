#include "skin/render/RenderScratch.h"

#include <algorithm>
#include <array>
#include <new>

#include "image/PixelKernels.h"
#include "skin/render/StretchCache.h"

namespace qw {

namespace {

// Two bitmaps per slot: controls of two sizes painted in turn (a button and its glyph, an edit and its
// border) both keep their temporary.
struct TScratchPool {
  std::array<std::array<TBitmap32, 2>, ssCount> Bitmaps;
  std::array<int, ssCount> Next{};
};

TScratchPool& Pool() {
  thread_local TScratchPool pool;
  return pool;
}

}  // namespace

TBitmap32& ScratchBitmap(TScratchSlot slot, int width, int height) {
  TScratchPool& pool = Pool();
  auto& pair = pool.Bitmaps[static_cast<size_t>(slot)];
  width = std::max(width, 0);
  height = std::max(height, 0);
  for (TBitmap32& b : pair) {
    if (b.Width() == width && b.Height() == height && !b.Empty()) {
      PixelKernels().Fill(b.Pixels(), b.PixelCount(), 0x00FFFFFFu);
      return b;
    }
  }
  int& next = pool.Next[static_cast<size_t>(slot)];
  TBitmap32& b = pair[static_cast<size_t>(next)];
  next ^= 1;
  try {
    b = TBitmap32(width, height);
  } catch (const std::bad_alloc&) {
    b = TBitmap32();
  }
  return b;
}

void ReleaseScratchBitmaps() {
  TScratchPool& pool = Pool();
  for (auto& pair : pool.Bitmaps)
    for (TBitmap32& b : pair) b = TBitmap32();
  ClearStretchCache();
}

}  // namespace qw
