#include "skin/render/StretchCache.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <initializer_list>
#include <unordered_map>
#include <vector>

#include "image/BitmapClip.h"
#include "image/BitmapResample.h"
#include "image/BitmapStretch.h"

namespace qw {

namespace {

struct TStretchKey {
  uint64_t Hash = 0;
  int32_t SW = 0, SH = 0, DW = 0, DH = 0;
  bool Centre = false;
  friend bool operator==(const TStretchKey&, const TStretchKey&) = default;
};

struct TStretchKeyHash {
  size_t operator()(const TStretchKey& k) const {
    uint64_t h = k.Hash;
    for (int32_t v : {k.SW, k.SH, k.DW, k.DH, int32_t(k.Centre)}) h = (h ^ uint32_t(v)) * 0x100000001B3ull;
    return static_cast<size_t>(h ^ (h >> 32));
  }
};

struct TStretchEntry {
  TStretchKey Key;
  TBitmap32 Image, Mask;
  uint64_t LastUse = 0;
};

// Every stretched piece of a skin's sections at a few sizes fits; past that the least recently used
// entries make room.
constexpr size_t kMaxEntries = 512;
constexpr int64_t kMaxTotalPixels = int64_t{1} << 22;  // 16 MiB, images and masks together
// Larger stretched pieces are not kept (a window-sized centre would hold megabytes).
constexpr int64_t kMaxCachedPixels = int64_t{1} << 20;

struct TStretchCache {
  std::vector<TStretchEntry> Entries;
  std::unordered_map<TStretchKey, size_t, TStretchKeyHash> Index;  // key -> position in Entries
  uint64_t Clock = 0;
  int64_t Pixels = 0;  // held by all entries, the image and the mask of each

  static int64_t PixelsOf(const TStretchEntry& e) {
    return int64_t(e.Image.PixelCount()) + int64_t(e.Mask.PixelCount());
  }
  void EvictOldest() {
    const auto victim = std::min_element(Entries.begin(), Entries.end(), [](const TStretchEntry& a, const TStretchEntry& b) {
      return a.LastUse < b.LastUse;
    });
    Pixels -= PixelsOf(*victim);
    Index.erase(victim->Key);
    if (victim != Entries.end() - 1) {
      *victim = std::move(Entries.back());
      Index[victim->Key] = size_t(victim - Entries.begin());
    }
    Entries.pop_back();
  }
  TStretchEntry& Add(TStretchEntry fresh) {
    const int64_t size = PixelsOf(fresh);
    while (!Entries.empty() && (Entries.size() >= kMaxEntries || Pixels + size > kMaxTotalPixels)) EvictOldest();
    Index[fresh.Key] = Entries.size();
    Pixels += size;
    Entries.push_back(std::move(fresh));
    return Entries.back();
  }
};

TStretchCache& Cache() {
  thread_local TStretchCache cache;
  return cache;
}

// The pieces' pixels hashed in four independent lanes of two pixels each (rounds of the kind fast
// non-cryptographic hashes use): looking a piece up must cost far less than the blend it saves, and one
// serial multiply per pixel did not.
uint64_t HashRows(uint64_t h, const TBitmap32& src, const TRect& r) {
  constexpr uint64_t kP1 = 0x9E3779B185EBCA87ull, kP2 = 0xC2B2AE3D27D4EB4Full;
  auto round = [](uint64_t acc, uint64_t input) { return std::rotl(acc + input * kP2, 31) * kP1; };
  uint64_t lane[4] = {h, h + kP1, h + kP2, h - kP1};
  const size_t width = size_t(WidthOfRect(r));
  for (int32_t y = r.Top; y < r.Bottom; ++y) {
    const uint32_t* p = src.Row(y) + r.Left;
    size_t i = 0;
    for (; i + 8 <= width; i += 8)
      for (int k = 0; k < 4; ++k) {
        uint64_t two;
        std::memcpy(&two, p + i + 2 * k, 8);
        lane[k] = round(lane[k], two);
      }
    for (; i < width; ++i) lane[0] = round(lane[0], p[i]);
  }
  uint64_t out = std::rotl(lane[0], 1) + std::rotl(lane[1], 7) + std::rotl(lane[2], 12) + std::rotl(lane[3], 18);
  for (uint64_t v : lane) out = (out ^ round(0, v)) * kP1;
  return out ^ (out >> 29);
}

TBitmap32 CopyPiece(const TBitmap32& src, const TRect& r) {
  TBitmap32 piece(WidthOfRect(r), HeightOfRect(r));
  for (int32_t y = 0; y < piece.Height(); ++y) std::copy_n(src.Row(r.Top + y) + r.Left, piece.Width(), piece.Row(y));
  return piece;
}

}  // namespace

void StretchMaskedPieceCached(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect,
                              int32_t maskOffset, bool isCentre) {
  if (dstRect.Left < 0 || dstRect.Top < 0 || IsRectEmpty(dstRect) || dst.Width() <= 1 || dst.Height() <= 1) return;
  const TRect sr = maskOffset > 0 ? ClipRectToSize(srcRect, src.Width(), src.Height() - maskOffset) : TRect{};
  const int64_t dw = WidthOfRect(dstRect), dh = HeightOfRect(dstRect);
  const bool single = WidthOfRect(sr) == 1 && HeightOfRect(sr) == 1 && isCentre;
  if (maskOffset <= 0 || IsRectEmpty(sr) || single || dw * dh > kMaxCachedPixels) {
    StretchMaskedPiece(dst, dstRect, src, srcRect, maskOffset, isCentre);
    return;
  }
  const TRect c = ClipRectToSize(dstRect, dst.Width(), dst.Height());
  if (IsRectEmpty(c)) return;
  const int32_t sw = WidthOfRect(sr), sh = HeightOfRect(sr);
  const TRect maskRect = OffsetRect(sr, 0, maskOffset);
  TStretchKey key{HashRows(HashRows(0xCBF29CE484222325ull, src, sr), src, maskRect), sw, sh, int32_t(dw), int32_t(dh),
                  isCentre};
  TStretchCache& cache = Cache();
  TStretchEntry* entry = nullptr;
  if (const auto found = cache.Index.find(key); found != cache.Index.end()) entry = &cache.Entries[found->second];
  if (!entry) {
    TStretchEntry fresh;
    fresh.Key = key;
    // The same choice of filter as StretchMaskedPiece.
    const bool shrinksOneWay = (dw < sw && dh == sh) || (dh < sh && dw == sw);
    const bool filtered = (shrinksOneWay || isCentre) && !(dw == 1 && dh == 1) && sw > 1 && sh > 1;
    if (filtered) {
      ResampleBitmap(CopyPiece(src, sr), fresh.Image, int(dw), int(dh), rfMitchell);
      ResampleBitmap(CopyPiece(src, maskRect), fresh.Mask, int(dw), int(dh), rfHermite);
    } else {
      fresh.Image = TBitmap32(int(dw), int(dh));
      fresh.Mask = TBitmap32(int(dw), int(dh));
      const TRect whole{0, 0, int32_t(dw), int32_t(dh)};
      StretchRectNearest(fresh.Image, whole, src, sr);
      StretchRectNearest(fresh.Mask, whole, src, maskRect);
    }
    entry = &cache.Add(std::move(fresh));
  }
  entry->LastUse = ++cache.Clock;
  BlendByStretchedMask(dst, c, TPoint{dstRect.Left, dstRect.Top}, entry->Image, entry->Mask);
}

void ClearStretchCache() {
  TStretchCache& cache = Cache();
  cache.Entries.clear();
  cache.Index.clear();
  cache.Clock = 0;
  cache.Pixels = 0;
}

}  // namespace qw
