#include "image/Bitmap32.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "image/PixelKernels.h"

namespace qw {

// Platform hooks: allocate and free the pixel store. Bitmap32_win.cpp makes a DIB section.
void* AllocateBitmapPixels(int width, int height, uint32_t** pixels);
void FreeBitmapPixels(void* handle, uint32_t* pixels);

namespace {

constexpr int64_t kMaxPixels = int64_t{1} << 28;  // 1 GiB of pixels: anything larger is a broken input

// Stores of freed bitmaps, kept for the next bitmap of the same size. A skin change drops every
// control's cache picture and the next paint makes one of the same size again; a fade clones its cache on
// every start. A fresh store costs a system call and a page fault per 4 KiB (a DIB section on Windows),
// several times what painting into it costs. Per thread, so no lock; bounded in count and bytes.
struct TStoreRecycler {
  struct TStore {
    int W = 0, H = 0;
    uint32_t* Pixels = nullptr;
    void* Handle = nullptr;
  };
  static constexpr size_t kMaxStores = 32;
  static constexpr int64_t kMaxBytes = int64_t{16} << 20;
  TStore Stores[kMaxStores];
  size_t Count = 0;  // Stores[0..Count), oldest first
  int64_t Bytes = 0;

  static int64_t BytesOf(int w, int h) { return int64_t{w} * h * 4; }

  bool Take(int w, int h, uint32_t*& pixels, void*& handle) {
    for (size_t i = Count; i-- > 0;) {
      if (Stores[i].W != w || Stores[i].H != h) continue;
      pixels = Stores[i].Pixels;
      handle = Stores[i].Handle;
      Bytes -= BytesOf(w, h);
      std::move(Stores + i + 1, Stores + Count, Stores + i);
      --Count;
      return true;
    }
    return false;
  }
  void Put(int w, int h, uint32_t* pixels, void* handle) {
    const int64_t bytes = BytesOf(w, h);
    if (bytes > kMaxBytes / 4) {
      FreeBitmapPixels(handle, pixels);
      return;
    }
    while (Count > 0 && (Count == kMaxStores || Bytes + bytes > kMaxBytes)) {
      FreeBitmapPixels(Stores[0].Handle, Stores[0].Pixels);
      Bytes -= BytesOf(Stores[0].W, Stores[0].H);
      std::move(Stores + 1, Stores + Count, Stores);
      --Count;
    }
    Stores[Count++] = TStore{w, h, pixels, handle};
    Bytes += bytes;
  }
  ~TStoreRecycler() {
    for (size_t i = 0; i < Count; ++i) FreeBitmapPixels(Stores[i].Handle, Stores[i].Pixels);
    Gone = true;
  }
  // Set once this thread's recycler is destroyed: bitmaps that outlive it (statics) free directly.
  static thread_local bool Gone;
};

thread_local bool TStoreRecycler::Gone = false;

TStoreRecycler* Recycler() {
  thread_local TStoreRecycler recycler;
  return TStoreRecycler::Gone ? nullptr : &recycler;
}

}  // namespace


TBitmap32::TBitmap32(int width, int height) : TBitmap32(width, height, TUnfilled{}) {
  if (FPixels) PixelKernels().Fill(FPixels, PixelCount(), 0x00FFFFFFu);
}

TBitmap32::TBitmap32(int width, int height, TUnfilled) {
  if (width < 0 || height < 0 || int64_t{width} * height > kMaxPixels) throw std::bad_alloc();
  if (width == 0 || height == 0) {
    FWidth = width;
    FHeight = height;
    return;
  }
  TStoreRecycler* recycler = Recycler();
  if (!recycler || !recycler->Take(width, height, FPixels, FHandle)) FHandle = AllocateBitmapPixels(width, height, &FPixels);
  if (!FPixels) throw std::bad_alloc();
  FWidth = width;
  FHeight = height;
}

TBitmap32::~TBitmap32() { Release(); }

void TBitmap32::Release() {
  if (FPixels) {
    if (TStoreRecycler* recycler = Recycler())
      recycler->Put(FWidth, FHeight, FPixels, FHandle);
    else
      FreeBitmapPixels(FHandle, FPixels);
  }
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
  TBitmap32 copy(FWidth, FHeight, TUnfilled{});
  if (FPixels) std::memcpy(copy.FPixels, FPixels, PixelCount() * 4);
  copy.SourceBitCount = SourceBitCount;
  return copy;
}

}  // namespace qw
