#include "image/BmpReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "image/ImageError.h"

namespace qw {

namespace {

enum : uint32_t {
  kBiRgb = 0,
  kBiRle8 = 1,
  kBiRle4 = 2,
  kBiBitFields = 3,
  kBiJpeg = 4,
  kBiPng = 5,
  kBiAlphaBitFields = 6,
};

[[noreturn]] void Fail(const char* why) { throw EImageError(std::string("Cannot load image. ") + why); }

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

// One colour field of a bit-field pixel, scaled to 8 bits.
class TChannel {
 public:
  explicit TChannel(uint32_t mask = 0) {
    if (mask == 0) return;
    FMask = mask;
    FShift = std::countr_zero(mask);
    const uint32_t max = mask >> FShift;
    const int span = 32 - std::countl_zero(max);
    if (span > 8) {
      FDrop = span - 8;
    } else {
      FTable.resize(max + 1);
      for (uint32_t v = 0; v <= max; ++v) FTable[v] = static_cast<uint8_t>((v * 255 + max / 2) / max);
    }
  }
  uint32_t operator()(uint32_t pixel) const {
    if (FMask == 0) return 0;
    const uint32_t v = (pixel & FMask) >> FShift;
    return FTable.empty() ? (v >> FDrop) & 0xFF : FTable[v];
  }

 private:
  uint32_t FMask = 0;
  int FShift = 0;
  int FDrop = 0;
  std::vector<uint8_t> FTable;
};

struct THeader {
  int64_t Width = 0;
  int64_t Height = 0;  // absolute value
  bool TopDown = false;
  int BitCount = 0;
  uint32_t Compression = kBiRgb;
  uint32_t ColorsUsed = 0;
  uint32_t Masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  bool HasMasks = false;
  size_t PaletteStart = 0;
  size_t PaletteEntrySize = 4;
};

THeader ReadHeader(const uint8_t* data, size_t size) {
  THeader h;
  const uint32_t headerSize = Le32(data + 14);
  if (headerSize < 12) Fail("Invalid BMP file header.");
  if (headerSize > size - 14) Fail("BMP file is truncated.");
  const uint8_t* ih = data + 14;
  if (headerSize == 12) {
    // The old core header: 16-bit sizes, always bottom-up, three-byte palette entries.
    h.Width = Le16(ih + 4);
    h.Height = Le16(ih + 6);
    h.BitCount = Le16(ih + 10);
    h.PaletteStart = 14 + 12;
    h.PaletteEntrySize = 3;
    return h;
  }
  if (headerSize < 16) Fail("Invalid BMP file header.");
  // The info header and its OS/2 and V2..V5 extensions share their first fields; an OS/2 header may
  // stop after any field, and the ones it leaves out are zero.
  uint8_t info[64] = {};
  std::memcpy(info, ih, std::min<size_t>(headerSize, sizeof info));
  const bool windows = headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize >= 108;
  const int32_t width = static_cast<int32_t>(Le32(info + 4));
  const int32_t height = static_cast<int32_t>(Le32(info + 8));
  if (width < 0 || height == INT32_MIN) Fail("Invalid BMP image size.");
  h.Width = width;
  h.TopDown = height < 0;
  h.Height = height < 0 ? -int64_t{height} : int64_t{height};
  h.BitCount = Le16(info + 14);
  h.Compression = Le32(info + 16);
  h.ColorsUsed = Le32(info + 32);
  h.PaletteStart = 14 + size_t{headerSize};
  if (!windows && h.Compression >= kBiBitFields) Fail("Unsupported BMP compression.");  // OS/2 Huffman, RLE24
  if (h.Compression == kBiBitFields || h.Compression == kBiAlphaBitFields) {
    h.HasMasks = true;
    if (headerSize == 40) {
      // The masks follow the info header, before the palette.
      const size_t count = h.Compression == kBiAlphaBitFields ? 4 : 3;
      if (size - h.PaletteStart < count * 4) Fail("BMP file is truncated.");
      for (size_t i = 0; i < count; ++i) h.Masks[i] = Le32(data + h.PaletteStart + i * 4);
      h.PaletteStart += count * 4;
    } else {
      for (size_t i = 0; i < 4; ++i) h.Masks[i] = Le32(info + 40 + i * 4);
      if (headerSize < 56) h.Masks[3] = 0;
    }
  }
  return h;
}

void CheckDepth(const THeader& h) {
  switch (h.Compression) {
    case kBiRgb:
      if (h.BitCount == 1 || h.BitCount == 2 || h.BitCount == 4 || h.BitCount == 8 || h.BitCount == 16 ||
          h.BitCount == 24 || h.BitCount == 32)
        return;
      break;
    case kBiRle8:
      if (h.BitCount == 8) return;
      break;
    case kBiRle4:
      if (h.BitCount == 4) return;
      break;
    case kBiBitFields:
    case kBiAlphaBitFields:
      if (h.BitCount == 16 || h.BitCount == 32) return;
      break;
    case kBiJpeg:
    case kBiPng:
      Fail("Compressed BMP files holding JPEG or PNG data are not supported.");
    default:
      Fail("Unsupported BMP compression.");
  }
  Fail("Unsupported BMP bit depth.");
}

// Reads the colour table: the declared number of entries, as far as they lie before the pixels and
// inside the file. Missing entries stay 0.
std::array<uint32_t, 256> ReadPalette(const uint8_t* data, size_t size, const THeader& h, size_t pixelOffset) {
  std::array<uint32_t, 256> palette{};
  if (h.BitCount > 8) return palette;
  const size_t full = size_t{1} << h.BitCount;
  const size_t declared = h.ColorsUsed != 0 && h.ColorsUsed < full ? h.ColorsUsed : full;
  const size_t limit = std::min(pixelOffset, size);
  const size_t room = limit > h.PaletteStart ? (limit - h.PaletteStart) / h.PaletteEntrySize : 0;
  const size_t count = std::min(declared, room);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = data + h.PaletteStart + i * h.PaletteEntrySize;
    palette[i] = uint32_t{e[0]} | (uint32_t{e[1]} << 8) | (uint32_t{e[2]} << 16);
  }
  return palette;
}

void DecodeIndexed(const uint8_t* pixels, size_t stride, const THeader& h, const std::array<uint32_t, 256>& palette,
                   TBitmap32& out) {
  // Indexes beyond the palette read as entry 0 of the zero-filled table tail, i.e. the zero word.
  const int bpp = h.BitCount;
  const unsigned mask = (1u << bpp) - 1;
  const int w = static_cast<int>(h.Width);
  for (int64_t fileRow = 0; fileRow < h.Height; ++fileRow) {
    const uint8_t* src = pixels + static_cast<size_t>(fileRow) * stride;
    const int y = static_cast<int>(h.TopDown ? fileRow : h.Height - 1 - fileRow);
    uint32_t* dst = out.Row(y);
    if (bpp == 8) {
      for (int x = 0; x < w; ++x) dst[x] = palette[src[x]];
    } else {
      const int perByte = 8 / bpp;
      for (int x = 0; x < w; ++x) {
        const int shift = 8 - bpp * (x % perByte + 1);
        dst[x] = palette[(src[x / perByte] >> shift) & mask];
      }
    }
  }
}

// keepReserved: the fourth byte of plain 32-bit pixels becomes the alpha instead of 0.
void DecodeDirect(const uint8_t* pixels, size_t stride, const THeader& h, bool keepReserved, TBitmap32& out) {
  const int w = static_cast<int>(h.Width);
  const uint32_t plain32 = keepReserved ? 0xFFFFFFFFu : 0x00FFFFFFu;
  const bool useMasks = h.HasMasks;
  // Plain pixels: 16 bits are 5-5-5 with the top bit unused, 32 bits 8-8-8 with the top byte unused.
  uint32_t masks[4] = {0x7C00, 0x03E0, 0x001F, 0};
  if (h.BitCount == 32) {
    masks[0] = 0x00FF0000;
    masks[1] = 0x0000FF00;
    masks[2] = 0x000000FF;
  }
  if (useMasks) {
    // Some writers declare bit fields and leave every colour mask zero; they mean the plain layout.
    if ((h.Masks[0] | h.Masks[1] | h.Masks[2]) != 0) std::copy(h.Masks, h.Masks + 3, masks);
    masks[3] = h.Masks[3];
  }
  const TChannel r(masks[0]), g(masks[1]), b(masks[2]), a(masks[3]);
  for (int64_t fileRow = 0; fileRow < h.Height; ++fileRow) {
    const uint8_t* src = pixels + static_cast<size_t>(fileRow) * stride;
    const int y = static_cast<int>(h.TopDown ? fileRow : h.Height - 1 - fileRow);
    uint32_t* dst = out.Row(y);
    if (h.BitCount == 24) {
      for (int x = 0; x < w; ++x, src += 3) dst[x] = uint32_t{src[0]} | (uint32_t{src[1]} << 8) | (uint32_t{src[2]} << 16);
    } else if (h.BitCount == 32 && !useMasks) {
      for (int x = 0; x < w; ++x, src += 4) dst[x] = Le32(src) & plain32;
    } else {
      const int bytes = h.BitCount / 8;
      for (int x = 0; x < w; ++x, src += bytes) {
        const uint32_t p = bytes == 2 ? Le16(src) : Le32(src);
        dst[x] = (a(p) << 24) | (r(p) << 16) | (g(p) << 8) | b(p);
      }
    }
  }
}

// RLE8 and RLE4: runs of one index (two alternating indexes for RLE4), literal runs padded to 16 bits,
// and the escapes end of line, end of bitmap and delta. Runs that leave the row are cut at its end; the
// data ending without an end-of-bitmap escape ends the image where it stops.
void DecodeRle(const uint8_t* p, const uint8_t* end, const THeader& h, const std::array<uint32_t, 256>& palette,
               TBitmap32& out) {
  const bool four = h.Compression == kBiRle4;
  const int64_t w = h.Width;
  std::fill_n(out.Pixels(), out.PixelCount(), 0u);
  int64_t x = 0, row = 0;
  auto put = [&](unsigned index) {
    if (x < w && row < h.Height) {
      const int y = static_cast<int>(h.TopDown ? row : h.Height - 1 - row);
      out.Row(y)[x] = palette[index];
    }
    ++x;
  };
  while (end - p >= 2 && row < h.Height) {
    const unsigned n = p[0], v = p[1];
    p += 2;
    if (n > 0) {
      const int64_t run = std::min<int64_t>(n, std::max<int64_t>(w - x, 0));
      for (int64_t i = 0; i < run; ++i) put(four ? ((i & 1) ? v & 0x0F : v >> 4) : v);
      x = std::min(x + (n - run), w);
    } else if (v == 0) {
      x = 0;
      ++row;
    } else if (v == 1) {
      break;
    } else if (v == 2) {
      if (end - p < 2) break;
      x = std::min<int64_t>(x + p[0], w);
      row += p[1];
      p += 2;
    } else {
      const size_t bytes = four ? (v + 1) / 2 : v;
      const size_t have = std::min<size_t>(bytes, static_cast<size_t>(end - p));
      for (unsigned i = 0; i < v; ++i) {
        const size_t at = four ? i / 2 : i;
        if (at >= have) break;
        put(four ? ((i & 1) ? p[at] & 0x0F : p[at] >> 4) : p[at]);
      }
      x = std::min(x, w);
      if (have < bytes) break;
      p += bytes;
      if ((bytes & 1) && p < end) ++p;
    }
  }
}

bool HasAlphaMask(const THeader& h) { return h.HasMasks && h.Masks[3] != 0; }
bool IsPlain32(const THeader& h) { return h.BitCount == 32 && h.Compression == kBiRgb; }

// TBmpAlpha::Declared and FourthByte after decoding: an image that carries no alpha becomes opaque, and
// remembers it had none (a 32-bit one counts as 24 bits from here on).
void SetDeclaredAlpha(const THeader& h, TBmpAlpha mode, TBitmap32& bmp) {
  if (HasAlphaMask(h)) return;
  uint32_t* p = bmp.Pixels();
  const size_t n = bmp.PixelCount();
  if (mode == TBmpAlpha::FourthByte && IsPlain32(h) &&
      std::any_of(p, p + n, [](uint32_t v) { return (v >> 24) != 0; }))
    return;
  for (size_t i = 0; i < n; ++i) p[i] |= 0xFF000000u;
  bmp.SourceBitCount = std::min(h.BitCount, 24);
}

}  // namespace

bool IsBmpSignature(const uint8_t* data, size_t size) { return size >= 2 && data[0] == 'B' && data[1] == 'M'; }

TBmpImage ReadBmp(const uint8_t* data, size_t size, const TBmpReadOptions& options) {
  if (!IsBmpSignature(data, size)) Fail("Not a BMP file.");
  if (size < 14 + 12) Fail("BMP file is truncated.");
  const THeader h = ReadHeader(data, size);
  CheckDepth(h);
  if (static_cast<uint64_t>(h.Width * h.Height) > std::min(options.MaxPixels, kMaxBmpPixels)) Fail("BMP image is too large.");

  // The pixels start where the file header says; an offset inside the headers is a writer's mistake,
  // and then they follow the palette as they do in packed bitmaps.
  size_t pixelOffset = Le32(data + 10);
  if (pixelOffset < h.PaletteStart) {
    const size_t entries = h.BitCount <= 8 ? (h.ColorsUsed != 0 && h.ColorsUsed < (1u << h.BitCount) ? h.ColorsUsed
                                                                                                  : (1u << h.BitCount))
                                           : 0;
    pixelOffset = h.PaletteStart + entries * h.PaletteEntrySize;
  }
  if (pixelOffset > size) Fail("BMP file is truncated.");

  TBmpImage image;
  image.SourceBitCount = h.BitCount;
  const std::array<uint32_t, 256> palette = ReadPalette(data, size, h, pixelOffset);
  if (h.Width == 0 || h.Height == 0) {
    image.Bitmap = TBitmap32(static_cast<int>(h.Width), static_cast<int>(h.Height));
    image.Bitmap.SourceBitCount = h.BitCount;
    return image;
  }

  const bool declared = options.Alpha != TBmpAlpha::Device;
  if (h.Compression == kBiRle8 || h.Compression == kBiRle4) {
    image.Bitmap = TBitmap32(static_cast<int>(h.Width), static_cast<int>(h.Height));
    image.Bitmap.SourceBitCount = h.BitCount;
    DecodeRle(data + pixelOffset, data + size, h, palette, image.Bitmap);
    if (declared) SetDeclaredAlpha(h, options.Alpha, image.Bitmap);
    return image;
  }

  // Uncompressed rows are padded to 32 bits; the last row may lack its padding.
  const uint64_t rowBits = static_cast<uint64_t>(h.Width) * static_cast<uint64_t>(h.BitCount);
  const uint64_t stride = (rowBits + 31) / 32 * 4;
  const uint64_t needed = stride * static_cast<uint64_t>(h.Height - 1) + (rowBits + 7) / 8;
  if (needed > size - pixelOffset) Fail("BMP file is truncated.");
  image.Bitmap = TBitmap32(static_cast<int>(h.Width), static_cast<int>(h.Height));
  image.Bitmap.SourceBitCount = h.BitCount;
  if (h.BitCount <= 8) {
    DecodeIndexed(data + pixelOffset, static_cast<size_t>(stride), h, palette, image.Bitmap);
  } else {
    const bool fourthByte = options.Alpha == TBmpAlpha::FourthByte && IsPlain32(h);
    DecodeDirect(data + pixelOffset, static_cast<size_t>(stride), h, fourthByte, image.Bitmap);
  }
  if (declared) SetDeclaredAlpha(h, options.Alpha, image.Bitmap);
  return image;
}

}  // namespace qw
