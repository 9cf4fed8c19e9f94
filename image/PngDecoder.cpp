#include "image/PngDecoder.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "image/ImageError.h"
#include "image/PngUnfilter.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qw {

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr uint64_t kMaxPixels = uint64_t{1} << 28;
// Deflate cannot expand more than this: a 258-byte match coded in two bits.
constexpr uint64_t kMaxDeflateRatio = 1032;
// Room beyond two rows in the row window, so that inflate mostly runs its fast loop on big blocks.
constexpr size_t kWindowSlack = 256 * 1024;
constexpr size_t kMinInflateRoom = 32 * 1024;

[[noreturn]] void Fail(const std::string& cause) { throw EImageError("Cannot load image. " + cause); }

inline uint32_t ReadU32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | uint32_t{p[3]};
}
inline uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }

constexpr uint32_t Tag(const char (&s)[5]) {
  return uint32_t(uint8_t(s[0])) << 24 | uint32_t(uint8_t(s[1])) << 16 | uint32_t(uint8_t(s[2])) << 8 |
         uint32_t(uint8_t(s[3]));
}
constexpr uint32_t kIHDR = Tag("IHDR");
constexpr uint32_t kPLTE = Tag("PLTE");
constexpr uint32_t kIDAT = Tag("IDAT");
constexpr uint32_t kIEND = Tag("IEND");
constexpr uint32_t kTRNS = Tag("tRNS");

enum : int { kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgba = 6 };

struct TSpan {
  const uint8_t* Data;
  uint32_t Size;
};

// What the chunks say about the image; the pixel data stays where it is in the file.
struct TPngImage {
  uint32_t Width = 0;
  uint32_t Height = 0;
  int Depth = 0;
  int ColorType = 0;
  int Channels = 0;
  bool Interlaced = false;
  bool HasPalette = false;
  int PaletteSize = 0;
  uint8_t Palette[256][3] = {};
  int PaletteAlphaCount = 0;
  uint8_t PaletteAlpha[256] = {};
  bool HasKey = false;
  uint16_t Key[3] = {};
  std::vector<TSpan> Idat;
  uint64_t IdatBytes = 0;
  // Grey up to 8 bits and palette images map each sample straight to a pixel word.
  uint32_t Lut[256] = {};
};

inline uint8_t Scale16(unsigned v) { return static_cast<uint8_t>((v * 255u + 32895u) >> 16); }
inline uint32_t Argb(unsigned a, unsigned r, unsigned g, unsigned b) { return a << 24 | r << 16 | g << 8 | b; }

// ---- Chunks ----------------------------------------------------------------------------------------

void ParseHeader(const uint8_t* d, uint32_t len, TPngImage& img) {
  if (len != 13) Fail("Invalid IHDR chunk: wrong length.");
  img.Width = ReadU32(d);
  img.Height = ReadU32(d + 4);
  img.Depth = d[8];
  img.ColorType = d[9];
  if (img.Width == 0 || img.Height == 0 || img.Width > 0x7FFFFFFFu || img.Height > 0x7FFFFFFFu)
    Fail("Invalid IHDR chunk: bad image size.");
  if (uint64_t{img.Width} * img.Height > kMaxPixels) Fail("Image is too large.");
  const int depth = img.Depth;
  bool depthOk = false;
  switch (img.ColorType) {
    case kGrey: depthOk = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16; img.Channels = 1; break;
    case kPalette: depthOk = depth == 1 || depth == 2 || depth == 4 || depth == 8; img.Channels = 1; break;
    case kRgb: depthOk = depth == 8 || depth == 16; img.Channels = 3; break;
    case kGreyAlpha: depthOk = depth == 8 || depth == 16; img.Channels = 2; break;
    case kRgba: depthOk = depth == 8 || depth == 16; img.Channels = 4; break;
    default: Fail("Invalid IHDR chunk: unknown colour type.");
  }
  if (!depthOk) Fail("Invalid IHDR chunk: bad bit depth.");
  if (d[10] != 0) Fail("Invalid IHDR chunk: unknown compression method.");
  if (d[11] != 0) Fail("Invalid IHDR chunk: unknown filter method.");
  if (d[12] > 1) Fail("Invalid IHDR chunk: unknown interlace method.");
  img.Interlaced = d[12] == 1;
}

void ParsePalette(const uint8_t* d, uint32_t len, TPngImage& img) {
  if (img.HasPalette) Fail("Duplicate PLTE chunk.");
  if (len == 0 || len % 3 != 0 || len > 256 * 3) {
    // A suggested palette of a true-colour image is only a hint; a bad one costs nothing.
    if (img.ColorType == kPalette) Fail("Invalid PLTE chunk.");
    return;
  }
  img.HasPalette = true;
  img.PaletteSize = static_cast<int>(len / 3);
  std::memcpy(img.Palette, d, len);
}

// tRNS is ancillary: one that does not fit the image is dropped, not fatal.
void ParseTransparency(const uint8_t* d, uint32_t len, TPngImage& img) {
  if (img.HasKey || img.PaletteAlphaCount > 0) return;
  switch (img.ColorType) {
    case kPalette:
      if (!img.HasPalette || len == 0 || len > static_cast<uint32_t>(img.PaletteSize)) return;
      img.PaletteAlphaCount = static_cast<int>(len);
      std::memcpy(img.PaletteAlpha, d, len);
      break;
    case kGrey:
      if (len != 2) return;
      img.HasKey = true;
      img.Key[0] = ReadU16(d);
      break;
    case kRgb:
      if (len != 6) return;
      img.HasKey = true;
      for (int i = 0; i < 3; ++i) img.Key[i] = ReadU16(d + 2 * i);
      break;
    default:
      break;
  }
}

bool IsChunkLetter(uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Walks every chunk once: checks lengths and CRCs, reads the header, palette and transparency, and
// collects the IDAT spans in place.
void ReadChunks(const uint8_t* data, size_t size, TPngImage& img) {
  size_t pos = 8;
  bool seenHeader = false, seenData = false, dataEnded = false;
  for (;;) {
    if (size - pos < 12) Fail("Unexpected end of PNG data.");
    const uint32_t len = ReadU32(data + pos);
    if (len > 0x7FFFFFFFu) Fail("Invalid chunk length.");
    if (size - pos - 12 < len) Fail("Unexpected end of PNG data.");
    const uint8_t* typeBytes = data + pos + 4;
    const uint8_t* body = data + pos + 8;
    for (int i = 0; i < 4; ++i)
      if (!IsChunkLetter(typeBytes[i])) Fail("Invalid chunk type.");
    const uint32_t crc = static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0), typeBytes, len + 4));
    if (crc != ReadU32(body + len)) Fail("CRC error found in PNG file.");
    const uint32_t type = ReadU32(typeBytes);
    pos += size_t{len} + 12;

    if (!seenHeader && type != kIHDR) Fail("IHDR chunk is missing.");
    if (seenData && type != kIDAT) dataEnded = true;
    switch (type) {
      case kIHDR:
        if (seenHeader) Fail("Duplicate IHDR chunk.");
        ParseHeader(body, len, img);
        seenHeader = true;
        break;
      case kPLTE:
        if (seenData) Fail("PLTE chunk after image data.");
        ParsePalette(body, len, img);
        break;
      case kTRNS:
        if (!seenData) ParseTransparency(body, len, img);
        break;
      case kIDAT:
        if (dataEnded) Fail("IDAT chunks are not contiguous.");
        if (img.ColorType == kPalette && !img.HasPalette) Fail("PLTE chunk is missing.");
        seenData = true;
        if (len > 0) img.Idat.push_back({body, len});
        img.IdatBytes += len;
        break;
      case kIEND:
        if (!seenData) Fail("No image data.");
        return;  // whatever follows IEND is not part of the image
      default:
        if ((typeBytes[0] & 0x20) == 0) {
          Fail("Unknown critical chunk " + std::string(reinterpret_cast<const char*>(typeBytes), 4) + ".");
        }
        break;  // unknown ancillary chunks are skipped
    }
  }
}

// ---- Sample conversion -------------------------------------------------------------------------------

using TConvertRow = void (*)(const uint8_t* src, uint32_t* dst, uint32_t width, const TPngImage& img);

template <int D>
void ConvertPacked(const uint8_t* src, uint32_t* dst, uint32_t width, const TPngImage& img) {
  const uint32_t* lut = img.Lut;
  if constexpr (D == 8) {
    for (uint32_t x = 0; x < width; ++x) dst[x] = lut[src[x]];
  } else {
    constexpr int kPerByte = 8 / D;
    constexpr unsigned kMask = (1u << D) - 1;
    uint32_t x = 0;
    for (; x + kPerByte <= width; x += kPerByte) {
      const unsigned b = *src++;
      for (int k = 0; k < kPerByte; ++k) dst[x + k] = lut[(b >> (8 - D * (k + 1))) & kMask];
    }
    if (x < width) {
      const unsigned b = *src;
      for (int k = 0; x < width; ++x, ++k) dst[x] = lut[(b >> (8 - D * (k + 1))) & kMask];
    }
  }
}

void ConvertGrey16(const uint8_t* src, uint32_t* dst, uint32_t width, const TPngImage& img) {
  for (uint32_t x = 0; x < width; ++x, src += 2) {
    const unsigned v = ReadU16(src);
    const unsigned g = Scale16(v);
    const unsigned a = img.HasKey && v == img.Key[0] ? 0 : 255;
    dst[x] = Argb(a, g, g, g);
  }
}

void ConvertRgb8(const uint8_t* src, uint32_t* dst, uint32_t width, const TPngImage&) {
  for (uint32_t x = 0; x < width; ++x, src += 3) dst[x] = Argb(255, src[0], src[1], src[2]);
}

void ConvertRgb8Key(const uint8_t* src, uint32_t* dst, uint32_t width, const TPngImage& img) {
  for (uint32_t x = 0; x < width; ++x, src += 3) {
    const bool key = src[0] == img.Key[0] && src[1] == img.Key[1] && src[2] == img.Key[2];
    dst[x] = Argb(key ? 0 : 255, src[0], src[1], src[2]);
  }
}

void ConvertRgb16(const uint8_t* src, uint32_t* dst, uint32_t width, const TPngImage& img) {
  for (uint32_t x = 0; x < width; ++x, src += 6) {
    const unsigned r = ReadU16(src), g = ReadU16(src + 2), b = ReadU16(src + 4);
    const bool key = img.HasKey && r == img.Key[0] && g == img.Key[1] && b == img.Key[2];
    dst[x] = Argb(key ? 0 : 255, Scale16(r), Scale16(g), Scale16(b));
  }
}

void ConvertGreyAlpha8(const uint8_t* src, uint32_t* dst, uint32_t width, const TPngImage&) {
  for (uint32_t x = 0; x < width; ++x, src += 2) dst[x] = uint32_t{src[1]} << 24 | src[0] * 0x010101u;
}

void ConvertGreyAlpha16(const uint8_t* src, uint32_t* dst, uint32_t width, const TPngImage&) {
  for (uint32_t x = 0; x < width; ++x, src += 4) {
    const unsigned g = Scale16(ReadU16(src));
    dst[x] = Argb(Scale16(ReadU16(src + 2)), g, g, g);
  }
}

void ConvertRgba8(const uint8_t* src, uint32_t* dst, uint32_t width, const TPngImage&) {
  uint32_t x = 0;
#if defined(__SSE2__)
  // Four pixels at a time: bytes R G B A become the word A R G B (bytes B G R A), i.e. swap R and B.
  const __m128i keepGA = _mm_set1_epi32(static_cast<int>(0xFF00FF00u));
  const __m128i lowByte = _mm_set1_epi32(0xFF);
  for (; x + 4 <= width; x += 4) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 4 * x));
    const __m128i swapped = _mm_or_si128(
        _mm_and_si128(v, keepGA),
        _mm_or_si128(_mm_and_si128(_mm_srli_epi32(v, 16), lowByte), _mm_slli_epi32(_mm_and_si128(v, lowByte), 16)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + x), swapped);
  }
#endif
  for (; x < width; ++x) {
    const uint8_t* p = src + 4 * x;
    dst[x] = Argb(p[3], p[0], p[1], p[2]);
  }
}

void ConvertRgba16(const uint8_t* src, uint32_t* dst, uint32_t width, const TPngImage&) {
  for (uint32_t x = 0; x < width; ++x, src += 8) {
    dst[x] = Argb(Scale16(ReadU16(src + 6)), Scale16(ReadU16(src)), Scale16(ReadU16(src + 2)),
                  Scale16(ReadU16(src + 4)));
  }
}

// Fills the lookup table of palette and low-depth grey images and picks the row converter.
TConvertRow PrepareConversion(TPngImage& img) {
  const int depth = img.Depth;
  if (img.ColorType == kPalette) {
    // Indexes the palette does not cover read as opaque black rather than as memory past the table.
    std::fill(std::begin(img.Lut), std::end(img.Lut), 0xFF000000u);
    for (int i = 0; i < img.PaletteSize; ++i) {
      const unsigned alpha = i < img.PaletteAlphaCount ? img.PaletteAlpha[i] : 255;
      img.Lut[i] = Argb(alpha, img.Palette[i][0], img.Palette[i][1], img.Palette[i][2]);
    }
  } else if (img.ColorType == kGrey && depth <= 8) {
    const unsigned maxValue = (1u << depth) - 1;
    for (unsigned v = 0; v <= maxValue; ++v) {
      const unsigned g = v * 255 / maxValue;
      const unsigned alpha = img.HasKey && img.Key[0] == v ? 0 : 255;
      img.Lut[v] = Argb(alpha, g, g, g);
    }
  }
  switch (img.ColorType) {
    case kGrey:
    case kPalette:
      switch (depth) {
        case 1: return ConvertPacked<1>;
        case 2: return ConvertPacked<2>;
        case 4: return ConvertPacked<4>;
        case 8: return ConvertPacked<8>;
        default: return ConvertGrey16;
      }
    case kRgb:
      if (depth == 16) return ConvertRgb16;
      return img.HasKey ? ConvertRgb8Key : ConvertRgb8;
    case kGreyAlpha: return depth == 16 ? ConvertGreyAlpha16 : ConvertGreyAlpha8;
    default: return depth == 16 ? ConvertRgba16 : ConvertRgba8;
  }
}

// ---- Image data ------------------------------------------------------------------------------------

// One pass of Adam7, or the whole image when it is not interlaced.
struct TPass {
  uint32_t X0, Y0, DX, DY;
  uint32_t Width, Height;
  uint64_t RowSize;  // filter byte included
};

std::vector<TPass> PlanPasses(const TPngImage& img, uint64_t& rawTotal, uint64_t& maxRowSize) {
  static constexpr uint32_t kAdam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
  static constexpr uint32_t kWhole[1][4] = {{0, 0, 1, 1}};
  const uint64_t bitsPerPixel = uint64_t(img.Channels) * uint64_t(img.Depth);
  std::vector<TPass> passes;
  rawTotal = 0;
  maxRowSize = 0;
  const int count = img.Interlaced ? 7 : 1;
  for (int i = 0; i < count; ++i) {
    const uint32_t* g = img.Interlaced ? kAdam7[i] : kWhole[0];
    if (img.Width <= g[0] || img.Height <= g[1]) continue;
    TPass p{g[0], g[1], g[2], g[3], (img.Width - g[0] + g[2] - 1) / g[2], (img.Height - g[1] + g[3] - 1) / g[3], 0};
    p.RowSize = 1 + (uint64_t{p.Width} * bitsPerPixel + 7) / 8;
    rawTotal += p.RowSize * p.Height;
    maxRowSize = std::max(maxRowSize, p.RowSize);
    passes.push_back(p);
  }
  return passes;
}

// Feeds the IDAT spans to zlib. Encoders often cut the data into chunks of a few kilobytes; each
// inflate call ends when its input does and then copies what it produced into zlib's own window,
// so small chunks are first gathered into one staging block to keep those copies rare.
class TInflater {
 public:
  explicit TInflater(const std::vector<TSpan>& input) : FZ(ThreadStream()), FInput(input) {
    FZ.next_in = nullptr;  // whatever the last image left unread is not this image's
    FZ.avail_in = 0;
  }
  TInflater(const TInflater&) = delete;
  TInflater& operator=(const TInflater&) = delete;

  bool Ended() const { return FEnded; }

  // Inflates up to `room` bytes to `out` and returns how many came.
  size_t Pump(uint8_t* out, size_t room) {
    if (FEnded) Fail("Not enough image data.");
    if (FZ.avail_in == 0) Refill();
    const uInt limit = static_cast<uInt>(std::min<size_t>(room, size_t{1} << 30));
    FZ.next_out = out;
    FZ.avail_out = limit;
    const int ret = inflate(&FZ, Z_NO_FLUSH);
    switch (ret) {
      case Z_OK: break;
      case Z_STREAM_END: FEnded = true; break;
      // With room to write, inflate only stops like this when the input has run out.
      case Z_BUF_ERROR: Fail("Unexpected end of compressed image data.");
      case Z_MEM_ERROR: throw std::bad_alloc();
      default: Fail("Corrupt compressed image data.");
    }
    return limit - FZ.avail_out;
  }

 private:
  static constexpr size_t kStageSize = 64 * 1024;

  // One inflate state per thread, reset for every image: making one costs two allocations (the state
  // and its 32 KiB window), more than inflating a small skin image does.
  static z_stream& ThreadStream() {
    struct THolder {
      z_stream Z{};
      bool Ready = false;
      ~THolder() {
        if (Ready) inflateEnd(&Z);
      }
    };
    thread_local THolder holder;
    if (!holder.Ready) {
      if (inflateInit(&holder.Z) != Z_OK) throw std::bad_alloc();
      holder.Ready = true;
    } else if (inflateReset(&holder.Z) != Z_OK) {
      throw std::bad_alloc();
    }
    return holder.Z;
  }

  void Refill() {
    if (FNext >= FInput.size()) return;
    const TSpan& span = FInput[FNext];
    if (span.Size - FOffset >= kStageSize || FNext + 1 == FInput.size()) {
      // Big chunks, and the last one, are read in place.
      FZ.next_in = const_cast<Bytef*>(span.Data + FOffset);
      FZ.avail_in = span.Size - FOffset;
      ++FNext;
      FOffset = 0;
      return;
    }
    if (!FStage) FStage.reset(new uint8_t[kStageSize]);
    size_t filled = 0;
    while (filled < kStageSize && FNext < FInput.size()) {
      const TSpan& s = FInput[FNext];
      const size_t take = std::min<size_t>(s.Size - FOffset, kStageSize - filled);
      std::memcpy(FStage.get() + filled, s.Data + FOffset, take);
      filled += take;
      FOffset += take;
      if (FOffset == s.Size) {
        ++FNext;
        FOffset = 0;
      }
    }
    FZ.next_in = FStage.get();
    FZ.avail_in = static_cast<uInt>(filled);
  }

  z_stream& FZ;
  const std::vector<TSpan>& FInput;
  size_t FNext = 0;    // the span to read next
  size_t FOffset = 0;  // bytes of it already read
  std::unique_ptr<uint8_t[]> FStage;
  bool FEnded = false;
};

// Scratch memory; running short surfaces as std::bad_alloc, which DecodePng reports.
template <typename T>
std::unique_ptr<T[]> Allocate(uint64_t count) {
  if (count > SIZE_MAX / sizeof(T) / 2) throw std::bad_alloc();
  return std::unique_ptr<T[]>(new T[static_cast<size_t>(count)]);
}

// The window and the row of zeros of one decode, kept per thread for the next image up to a size (skin
// images are many and small).
class TRowScratch {
 public:
  uint8_t* Get(uint64_t bytes) {
    if (bytes > FSize || !FBytes) {
      FBytes = Allocate<uint8_t>(bytes);
      FSize = bytes;
    }
    return FBytes.get();
  }
  void Trim() {
    if (FSize > kKeep) {
      FBytes.reset();
      FSize = 0;
    }
  }

 private:
  static constexpr uint64_t kKeep = 1 << 20;
  std::unique_ptr<uint8_t[]> FBytes;
  uint64_t FSize = 0;
};

// Inflates the image data into a window of a few rows, and unfilters and converts each row into the
// bitmap as soon as it is complete. Only interlaced images need one more line, to spread a pass's
// pixels over their columns.
void DecodeImageData(TPngImage& img, TBitmap32& bmp) {
  uint64_t rawTotal = 0, maxRowSize = 0;
  const std::vector<TPass> passes = PlanPasses(img, rawTotal, maxRowSize);
  const int bpp = std::max(1, img.Channels * img.Depth / 8);
  const TConvertRow convert = PrepareConversion(img);

  // Small images never need more than their whole data plus the inflate room.
  const uint64_t windowSize64 = std::min<uint64_t>(2 * maxRowSize + kWindowSlack, rawTotal + kMinInflateRoom);
  thread_local TRowScratch scratch;
  scratch.Trim();
  uint8_t* const zeros = scratch.Get(windowSize64 + maxRowSize);
  std::memset(zeros, 0, static_cast<size_t>(maxRowSize));
  const size_t windowSize = static_cast<size_t>(windowSize64);
  std::unique_ptr<uint32_t[]> line;
  if (img.Interlaced) line = Allocate<uint32_t>(img.Width);

  TInflater inflater(img.Idat);
  uint8_t* const buf = zeros + maxRowSize;
  constexpr size_t kNone = SIZE_MAX;
  size_t written = 0, cur = 0;
  uint64_t rawLeft = rawTotal;
  for (const TPass& pass : passes) {
    const size_t rowSize = static_cast<size_t>(pass.RowSize);
    size_t prev = kNone;  // each pass starts from a row of zeros
    for (uint32_t r = 0; r < pass.Height;) {
      while (written - cur < rowSize) {
        if (windowSize - written < kMinInflateRoom) {
          // Slide the rows still needed (the previous one and the partial current one) to the front.
          const size_t keep = prev == kNone ? cur : prev;
          std::memmove(buf, buf + keep, written - keep);
          written -= keep;
          cur -= keep;
          if (prev != kNone) prev -= keep;
        }
        const size_t room = static_cast<size_t>(std::min<uint64_t>(windowSize - written, rawLeft));
        const size_t got = inflater.Pump(buf + written, room);
        written += got;
        rawLeft -= got;
      }
      uint8_t* row = buf + cur;
      const uint8_t* up = prev == kNone ? zeros : buf + prev;
      if (row[0] > kPngFilterPaeth) Fail("Invalid filter type in image data.");
      // When the next row is already here with the same filter, both are undone together.
      uint8_t* next = row + rowSize;
      const bool pair = r + 1 < pass.Height && written - cur >= 2 * rowSize && next[0] == row[0] &&
                        PngUnfilterRowPair(row[0], row + 1, next + 1, up + 1, rowSize - 1, bpp);
      if (!pair) PngUnfilterRow(row[0], row + 1, up + 1, rowSize - 1, bpp);
      for (int k = 0; k < (pair ? 2 : 1); ++k, ++r) {
        const uint8_t* samples = buf + cur + 1;
        if (!img.Interlaced) {
          convert(samples, bmp.Row(static_cast<int>(r)), pass.Width, img);
        } else {
          convert(samples, line.get(), pass.Width, img);
          uint32_t* out = bmp.Row(static_cast<int>(pass.Y0 + r * pass.DY)) + pass.X0;
          for (uint32_t i = 0; i < pass.Width; ++i) out[size_t{i} * pass.DX] = line[i];
        }
        prev = cur;
        cur += rowSize;
      }
    }
  }
  // Data past the last row is ignored, but the stream must still end cleanly: that checks its
  // checksum and catches a stream cut short.
  while (!inflater.Ended()) inflater.Pump(buf, windowSize);
  scratch.Trim();
}

}  // namespace

bool IsPngSignature(const uint8_t* data, size_t size) {
  return data != nullptr && size >= sizeof(kSignature) && std::memcmp(data, kSignature, sizeof(kSignature)) == 0;
}

TBitmap32 DecodePng(const uint8_t* data, size_t size) {
  if (!IsPngSignature(data, size)) Fail("Invalid PNG signature.");
  try {
    TPngImage img;
    ReadChunks(data, size, img);

    uint64_t rawTotal = 0, maxRowSize = 0;
    PlanPasses(img, rawTotal, maxRowSize);
    // A header that promises more than the compressed data could ever hold is refused before the
    // pixels are allocated.
    if (rawTotal > img.IdatBytes * kMaxDeflateRatio + kMaxDeflateRatio) Fail("Not enough image data.");

    // Every pixel is written below (the passes of an interlaced image cover them all), or the decode fails.
    TBitmap32 bmp(static_cast<int>(img.Width), static_cast<int>(img.Height), TBitmap32::TUnfilled{});
    DecodeImageData(img, bmp);
    return bmp;
  } catch (const std::bad_alloc&) {
    Fail("Not enough memory.");
  }
}

}  // namespace qw
