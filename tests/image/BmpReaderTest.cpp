#include "image/BmpReader.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "image/ImageError.h"

namespace qw {
namespace {

using TBytes = std::vector<uint8_t>;

void Put16(TBytes& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(TBytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Builds a bitmap file: file header, an info-style header of HeaderSize bytes (12 = core header), masks
// after a 40-byte header when asked, the palette, then Pixels exactly as given.
struct TBmpBuilder {
  int32_t Width = 1;
  int32_t Height = 1;
  int BitCount = 24;
  uint32_t Compression = 0;
  uint32_t HeaderSize = 40;
  uint32_t ColorsUsed = 0;
  std::vector<uint32_t> Palette;      // 0x00RRGGBB
  std::vector<uint32_t> TrailingMasks;  // written after a 40-byte header
  uint32_t HeaderMasks[4] = {0, 0, 0, 0};  // written inside a V2..V5 header
  TBytes Pixels;
  int64_t PixelOffset = -1;  // -1: right after the palette

  TBytes Build() const {
    const size_t entry = HeaderSize == 12 ? 3 : 4;
    const size_t paletteAt = 14 + HeaderSize + TrailingMasks.size() * 4;
    const size_t pixelsAt = paletteAt + Palette.size() * entry;
    TBytes b(pixelsAt, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, PixelOffset < 0 ? static_cast<uint32_t>(pixelsAt) : static_cast<uint32_t>(PixelOffset));
    Put32(b, 14, HeaderSize);
    if (HeaderSize == 12) {
      Put16(b, 18, static_cast<uint32_t>(Width));
      Put16(b, 20, static_cast<uint32_t>(Height));
      Put16(b, 22, 1);
      Put16(b, 24, static_cast<uint32_t>(BitCount));
    } else {
      Put32(b, 18, static_cast<uint32_t>(Width));
      Put32(b, 22, static_cast<uint32_t>(Height));
      Put16(b, 26, 1);
      Put16(b, 28, static_cast<uint32_t>(BitCount));
      if (HeaderSize >= 20) Put32(b, 30, Compression);
      if (HeaderSize >= 40) Put32(b, 46, ColorsUsed);
      for (size_t i = 0; i < 4; ++i)
        if (HeaderSize >= 44 + 4 * i) Put32(b, 54 + 4 * i, HeaderMasks[i]);
    }
    for (size_t i = 0; i < TrailingMasks.size(); ++i) Put32(b, 14 + HeaderSize + 4 * i, TrailingMasks[i]);
    for (size_t i = 0; i < Palette.size(); ++i) {
      b[paletteAt + i * entry] = static_cast<uint8_t>(Palette[i]);
      b[paletteAt + i * entry + 1] = static_cast<uint8_t>(Palette[i] >> 8);
      b[paletteAt + i * entry + 2] = static_cast<uint8_t>(Palette[i] >> 16);
      if (entry == 4) b[paletteAt + i * entry + 3] = 0xEE;  // reserved byte: must not leak into alpha
    }
    b.insert(b.end(), Pixels.begin(), Pixels.end());
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    return b;
  }
};

TBmpImage Read(const TBytes& b) { return ReadBmp(b.data(), b.size()); }

std::vector<uint32_t> RowOf(const TBitmap32& bmp, int y) {
  return std::vector<uint32_t>(bmp.Row(y), bmp.Row(y) + bmp.Width());
}

std::string BmpErrorOf(const TBytes& b) {
  try {
    Read(b);
  } catch (const EImageError& e) {
    return e.what();
  }
  return "no error";
}

using V = std::vector<uint32_t>;

TEST(BmpReader, TwentyFourBitRowsArePaddedAndStoredBottomUp) {
  TBmpBuilder m;
  m.Width = 3;
  m.Height = 2;
  // bottom row first; 9 bytes of pixels padded to 12
  m.Pixels = {0x01, 0x02, 0x03, 0xFF, 0x00, 0xFF, 0x10, 0x20, 0x30, 0xAA, 0xAA, 0xAA,
              0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xAA, 0xAA, 0xAA};
  const TBmpImage img = Read(m.Build());
  EXPECT_EQ(img.SourceBitCount, 24);
  ASSERT_EQ(img.Bitmap.Width(), 3);
  ASSERT_EQ(img.Bitmap.Height(), 2);
  EXPECT_EQ(RowOf(img.Bitmap, 0), (V{0x00FFFFFF, 0x00000000, 0x00FF0000}));
  EXPECT_EQ(RowOf(img.Bitmap, 1), (V{0x00030201, kKeyPixel, 0x00302010}));

  // The same rows stored top-down give the same picture.
  TBmpBuilder t = m;
  t.Height = -2;
  t.Pixels.assign(m.Pixels.begin() + 12, m.Pixels.end());
  t.Pixels.insert(t.Pixels.end(), m.Pixels.begin(), m.Pixels.begin() + 12);
  const TBmpImage top = Read(t.Build());
  EXPECT_EQ(RowOf(top.Bitmap, 0), RowOf(img.Bitmap, 0));
  EXPECT_EQ(RowOf(top.Bitmap, 1), RowOf(img.Bitmap, 1));

  // The last row may lack its padding; one byte less than that is a truncated file.
  t.Pixels.resize(12 + 9);
  EXPECT_NO_THROW(Read(t.Build()));
  t.Pixels.resize(12 + 8);
  EXPECT_EQ(BmpErrorOf(t.Build()), "Cannot load image. BMP file is truncated.");
}

TEST(BmpReader, PaletteImagesOfEveryDepthReadTheirIndexesHighBitsFirst) {
  TBmpBuilder one;
  one.BitCount = 1;
  one.Width = 10;
  one.Palette = {0x000000, 0x123456};
  one.Pixels = {0b10110000, 0b01000000, 0, 0};
  EXPECT_EQ(RowOf(Read(one.Build()).Bitmap, 0),
            (V{0x123456, 0, 0x123456, 0x123456, 0, 0, 0, 0, 0, 0x123456}));
  EXPECT_EQ(Read(one.Build()).SourceBitCount, 1);

  TBmpBuilder two;
  two.BitCount = 2;
  two.Width = 5;
  two.Palette = {0x0A, 0x0B, 0x0C, 0x0D};
  two.Pixels = {0b00011011, 0b11000000, 0, 0};
  EXPECT_EQ(RowOf(Read(two.Build()).Bitmap, 0), (V{0x0A, 0x0B, 0x0C, 0x0D, 0x0D}));

  TBmpBuilder four;
  four.BitCount = 4;
  four.Width = 3;
  four.Height = 2;
  four.Palette.resize(16);
  for (uint32_t i = 0; i < 16; ++i) four.Palette[i] = i * 0x111111;
  four.Pixels = {0x1F, 0x20, 0, 0, 0xE3, 0x40, 0, 0};
  const TBmpImage f = Read(four.Build());
  EXPECT_EQ(RowOf(f.Bitmap, 1), (V{0x111111, 0xFFFFFF, 0x222222}));
  EXPECT_EQ(RowOf(f.Bitmap, 0), (V{0xEEEEEE, 0x333333, 0x444444}));

  TBmpBuilder eight;
  eight.BitCount = 8;
  eight.Width = 4;
  eight.Palette = {0xFF00FF, 0x00FF00, 0x0000FF};
  eight.ColorsUsed = 3;
  eight.Pixels = {0, 1, 2, 200};  // 200 lies beyond the three colours
  EXPECT_EQ(RowOf(Read(eight.Build()).Bitmap, 0), (V{kKeyPixel, 0x00FF00, 0x0000FF, 0}));
}

TEST(BmpReader, ShortOrMisplacedPalettesAndOldHeaders) {
  // A writer that stores only the colours it uses, without saying so in the colour count: the palette
  // ends where the pixels begin and the missing entries are zero.
  TBmpBuilder m;
  m.BitCount = 8;
  m.Width = 3;
  m.Palette = {0x112233, 0x445566};
  m.Pixels = {1, 0, 7, 0};
  EXPECT_EQ(RowOf(Read(m.Build()).Bitmap, 0), (V{0x445566, 0x112233, 0}));

  // A zero pixel offset: the pixels follow the (full) palette.
  TBmpBuilder z;
  z.BitCount = 1;
  z.Width = 2;
  z.Palette = {0x0000FF, 0x00FF00};
  z.Pixels = {0x40, 0, 0, 0};
  z.PixelOffset = 0;
  EXPECT_EQ(RowOf(Read(z.Build()).Bitmap, 0), (V{0x0000FF, 0x00FF00}));

  // The 12-byte core header: 16-bit sizes and three-byte palette entries.
  TBmpBuilder core;
  core.HeaderSize = 12;
  core.BitCount = 8;
  core.Width = 2;
  core.Height = 2;
  core.Palette.assign(256, 0);
  core.Palette[5] = 0xABCDEF;
  core.Palette[9] = 0x010203;
  core.Pixels = {5, 9, 0, 0, 9, 5, 0, 0};
  const TBmpImage c = Read(core.Build());
  EXPECT_EQ(RowOf(c.Bitmap, 0), (V{0x010203, 0xABCDEF}));
  EXPECT_EQ(RowOf(c.Bitmap, 1), (V{0xABCDEF, 0x010203}));

  // A short OS/2 2.x header (16 bytes): the fields it leaves out are zero.
  TBmpBuilder os2;
  os2.HeaderSize = 16;
  os2.Width = 1;
  os2.Pixels = {0x33, 0x22, 0x11, 0};
  EXPECT_EQ(RowOf(Read(os2.Build()).Bitmap, 0), (V{0x112233}));
}

TEST(BmpReader, SixteenAndThirtyTwoBitPixelsFollowTheirMasks) {
  TBmpBuilder p555;
  p555.BitCount = 16;
  p555.Width = 4;
  p555.Pixels = {0xFF, 0x7F, 0x00, 0x7C, 0x21, 0x04, 0x1F, 0x80};  // white, red, (1,1,1), blue + unused bit
  const TBmpImage a = Read(p555.Build());
  EXPECT_EQ(a.SourceBitCount, 16);
  EXPECT_EQ(RowOf(a.Bitmap, 0), (V{0x00FFFFFF, 0x00FF0000, 0x00080808, 0x000000FF}));

  TBmpBuilder p565 = p555;
  p565.Compression = 3;
  p565.TrailingMasks = {0xF800, 0x07E0, 0x001F};
  p565.Pixels = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x20, 0x00};
  EXPECT_EQ(RowOf(Read(p565.Build()).Bitmap, 0), (V{0x00FF0000, 0x0000FF00, 0x000000FF, 0x00000400}));

  // Plain 32-bit: the fourth byte is reserved, so a magenta pixel is the key whatever it holds.
  TBmpBuilder rgb32;
  rgb32.BitCount = 32;
  rgb32.Width = 2;
  rgb32.Pixels = {0xFF, 0x00, 0xFF, 0xFF, 0x01, 0x02, 0x03, 0x80};
  const TBmpImage b = Read(rgb32.Build());
  EXPECT_EQ(b.SourceBitCount, 32);
  EXPECT_EQ(RowOf(b.Bitmap, 0), (V{kKeyPixel, 0x00030201}));

  // A V5 header with bit fields and an alpha mask keeps the alpha; with BI_RGB its masks mean nothing.
  TBmpBuilder v5 = rgb32;
  v5.HeaderSize = 124;
  v5.Compression = 3;
  v5.HeaderMasks[0] = 0x00FF0000;
  v5.HeaderMasks[1] = 0x0000FF00;
  v5.HeaderMasks[2] = 0x000000FF;
  v5.HeaderMasks[3] = 0xFF000000;
  EXPECT_EQ(RowOf(Read(v5.Build()).Bitmap, 0), (V{0xFFFF00FF, 0x80030201}));
  v5.Compression = 0;
  EXPECT_EQ(RowOf(Read(v5.Build()).Bitmap, 0), (V{kKeyPixel, 0x00030201}));

  // Swapped masks, and the four masks of BI_ALPHABITFIELDS after a plain info header.
  TBmpBuilder abf = rgb32;
  abf.Compression = 6;
  abf.TrailingMasks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
  EXPECT_EQ(RowOf(Read(abf.Build()).Bitmap, 0), (V{0xFFFF00FF, 0x80010203}));

  // Bit fields whose colour masks are all zero mean the plain layout, not a black picture.
  TBmpBuilder zero = rgb32;
  zero.Compression = 3;
  zero.TrailingMasks = {0, 0, 0};
  EXPECT_EQ(RowOf(Read(zero.Build()).Bitmap, 0), (V{kKeyPixel, 0x00030201}));

  // Ten-bit fields keep their top eight bits.
  TBmpBuilder ten = rgb32;
  ten.Width = 1;
  ten.Compression = 3;
  ten.TrailingMasks = {0x3FF00000, 0x000FFC00, 0x000003FF};
  const uint32_t px = (0x3FFu << 20) | (0x200u << 10) | 0x003u;
  ten.Pixels = {static_cast<uint8_t>(px), static_cast<uint8_t>(px >> 8), static_cast<uint8_t>(px >> 16),
                static_cast<uint8_t>(px >> 24)};
  EXPECT_EQ(RowOf(Read(ten.Build()).Bitmap, 0), (V{0x00FF8000}));
}

// Pictures shown as they are: the alpha the file declares instead of the device's zero.
TEST(BmpReader, DeclaredAlphaMakesImagesWithoutAlphaOpaque) {
  auto read = [](const TBmpBuilder& m, TBmpAlpha mode) {
    TBmpReadOptions options;
    options.Alpha = mode;
    const TBytes b = m.Build();
    return RowOf(ReadBmp(b.data(), b.size(), options).Bitmap, 0);
  };
  for (TBmpAlpha mode : {TBmpAlpha::Declared, TBmpAlpha::FourthByte}) {
    SCOPED_TRACE(static_cast<int>(mode));
    // No alpha in the file: every pixel opaque, the key colour and the palette's fourth byte included.
    TBmpBuilder rgb24;
    rgb24.Width = 2;
    rgb24.Pixels = {0xFF, 0x00, 0xFF, 0x01, 0x02, 0x03, 0, 0};
    EXPECT_EQ(read(rgb24, mode), (V{0xFFFF00FF, 0xFF030201}));
    TBmpBuilder pal = rgb24;
    pal.BitCount = 8;
    pal.Palette = {0x112233, 0x445566};
    pal.Pixels = {1, 0, 0, 0};
    EXPECT_EQ(read(pal, mode), (V{0xFF445566, 0xFF112233}));
    TBmpBuilder p555;
    p555.BitCount = 16;
    p555.Pixels = {0xFF, 0xFF, 0, 0};  // the unused top bit set: still no alpha
    EXPECT_EQ(read(p555, mode), (V{0xFFFFFFFF}));
    TBmpBuilder rle = pal;
    rle.Compression = 1;
    rle.Pixels = {1, 1, 0, 1};  // the second pixel is never written
    EXPECT_EQ(read(rle, mode), (V{0xFF445566, 0xFF000000}));

    // An alpha mask is the alpha, even where it is 0 throughout; bit fields without one leave the top
    // byte as padding.
    TBmpBuilder masked;
    masked.BitCount = 32;
    masked.Width = 3;
    masked.Compression = 6;
    masked.TrailingMasks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    masked.Pixels = {0xFF, 0x00, 0xFF, 0x00, 0x01, 0x02, 0x03, 0x00, 0x04, 0x05, 0x06, 0x00};
    EXPECT_EQ(read(masked, mode), (V{kKeyPixel, 0x00030201, 0x00060504}));
    masked.Pixels[7] = 0x80;
    EXPECT_EQ(read(masked, mode), (V{kKeyPixel, 0x80030201, 0x00060504}));
    TBmpBuilder unmasked = masked;
    unmasked.Compression = 3;
    unmasked.TrailingMasks.pop_back();
    EXPECT_EQ(read(unmasked, mode), (V{0xFFFF00FF, 0xFF030201, 0xFF060504}));
  }

  // Plain 32 bits: the fourth byte is reserved, so the declared alpha is opaque; the program's glyphs
  // keep their alpha there, zeros included, as long as one pixel has some ...
  TBmpBuilder rgb32;
  rgb32.BitCount = 32;
  rgb32.Width = 3;
  rgb32.Pixels = {0xFF, 0x00, 0xFF, 0x00, 0x01, 0x02, 0x03, 0x80, 0x04, 0x05, 0x06, 0xFF};
  EXPECT_EQ(read(rgb32, TBmpAlpha::Declared), (V{0xFFFF00FF, 0xFF030201, 0xFF060504}));
  EXPECT_EQ(read(rgb32, TBmpAlpha::FourthByte), (V{kKeyPixel, 0x80030201, 0xFF060504}));
  // The bitmap remembers whether the alpha is the file's own: a glyph is drawn by it.
  const TBytes own = rgb32.Build();
  TBmpReadOptions byFourth, declared;
  byFourth.Alpha = TBmpAlpha::FourthByte;
  declared.Alpha = TBmpAlpha::Declared;
  EXPECT_EQ(ReadBmp(own.data(), own.size(), byFourth).Bitmap.SourceBitCount, 32);
  EXPECT_EQ(ReadBmp(own.data(), own.size(), declared).Bitmap.SourceBitCount, 24);
  EXPECT_EQ(read(rgb32, TBmpAlpha::Device), (V{kKeyPixel, 0x00030201, 0x00060504}));
  // ... and a writer that left it 0 everywhere stored no alpha at all.
  rgb32.Pixels[7] = rgb32.Pixels[11] = 0;
  EXPECT_EQ(read(rgb32, TBmpAlpha::FourthByte), (V{0xFFFF00FF, 0xFF030201, 0xFF060504}));
  const TBytes none = rgb32.Build();
  EXPECT_EQ(ReadBmp(none.data(), none.size(), byFourth).Bitmap.SourceBitCount, 24);
  // Top-down rows keep their fourth bytes in their places too.
  rgb32.Height = -2;
  rgb32.Pixels.insert(rgb32.Pixels.end(), {0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0, 0});
  const TBytes two = rgb32.Build();
  TBmpReadOptions fourth;
  fourth.Alpha = TBmpAlpha::FourthByte;
  EXPECT_EQ(RowOf(ReadBmp(two.data(), two.size(), fourth).Bitmap, 1), (V{0x40000000, 0, 0}));
}

TEST(BmpReader, Rle8RunsEscapesAndSkippedPixels) {
  TBmpBuilder m;
  m.BitCount = 8;
  m.Compression = 1;
  m.Width = 4;
  m.Height = 3;
  m.Palette = {0x000001, 0x000002, 0x000003, 0x000004};
  m.Pixels = {
      3, 1,              // bottom row: three of index 1
      0, 0,              // end of line: the fourth pixel is never written
      0, 3, 2, 3, 0, 0,  // literal run of three (padded to 16 bits) on the middle row
      9, 2,              // a run longer than the row is cut at its end, not wrapped
      0, 0,              // end of line
      0, 2, 2, 0,        // delta: two to the right
      1, 3,              // one of index 3
      0, 1,              // end of bitmap
      5, 3,              // never read
  };
  const TBmpImage img = Read(m.Build());
  EXPECT_EQ(img.SourceBitCount, 8);
  EXPECT_EQ(RowOf(img.Bitmap, 2), (V{2, 2, 2, 0}));
  EXPECT_EQ(RowOf(img.Bitmap, 1), (V{3, 4, 1, 3}));
  EXPECT_EQ(RowOf(img.Bitmap, 0), (V{0, 0, 4, 0}));

  // Top-down RLE (which careful writers never produce) is read in its own row order.
  m.Height = -3;
  const TBmpImage top = Read(m.Build());
  EXPECT_EQ(RowOf(top.Bitmap, 0), (V{2, 2, 2, 0}));

  // Runs beyond the last row, deltas beyond the image and data ending in the middle of a literal run
  // stop quietly with what was written.
  m.Height = 1;
  m.Pixels = {2, 1, 0, 2, 200, 200, 4, 2, 0, 0, 4, 3, 0, 5, 1};
  EXPECT_EQ(RowOf(Read(m.Build()).Bitmap, 0), (V{2, 2, 0, 0}));
  m.Pixels = {0, 4, 1, 2};  // literal run of four with only two bytes present
  EXPECT_EQ(RowOf(Read(m.Build()).Bitmap, 0), (V{2, 3, 0, 0}));
}

TEST(BmpReader, Rle4AlternatesNibbles) {
  TBmpBuilder m;
  m.BitCount = 4;
  m.Compression = 2;
  m.Width = 8;
  m.Height = 1;
  m.Palette.resize(16);
  for (uint32_t i = 0; i < 16; ++i) m.Palette[i] = 0x100 + i;
  m.Pixels = {5, 0x12,              // 1 2 1 2 1
              0, 3, 0xAB, 0xC0,     // literal A B C: two bytes, already even, so no padding
              0, 1};
  EXPECT_EQ(RowOf(Read(m.Build()).Bitmap, 0), (V{0x101, 0x102, 0x101, 0x102, 0x101, 0x10A, 0x10B, 0x10C}));
  EXPECT_EQ(Read(m.Build()).SourceBitCount, 4);
}

TEST(BmpReader, EmptyImagesLoadAsEmptyBitmaps) {
  TBmpBuilder m;
  m.Width = 0;
  m.Height = 5;
  const TBmpImage img = Read(m.Build());
  EXPECT_TRUE(img.Bitmap.Empty());
  EXPECT_EQ(img.SourceBitCount, 24);
}

TEST(BmpReader, BrokenFilesRaiseImageErrors) {
  TBmpBuilder ok;
  ok.Width = 1;
  ok.Pixels = {1, 2, 3, 0};
  const TBytes good = ok.Build();
  ASSERT_NO_THROW(Read(good));

  EXPECT_EQ(BmpErrorOf({}), "Cannot load image. Not a BMP file.");
  EXPECT_EQ(BmpErrorOf({'B', 'X', 0, 0}), "Cannot load image. Not a BMP file.");
  EXPECT_EQ(BmpErrorOf(TBytes(good.begin(), good.begin() + 20)), "Cannot load image. BMP file is truncated.");
  for (size_t cut = 0; cut + 1 < good.size(); ++cut) {  // the last byte is the last row's padding
    EXPECT_THROW(Read(TBytes(good.begin(), good.begin() + cut)), EImageError) << cut;
  }

  auto with = [&](auto change) {
    TBmpBuilder b = ok;
    change(b);
    return BmpErrorOf(b.Build());
  };
  TBytes badHeader = good;
  Put32(badHeader, 14, 8);
  EXPECT_EQ(BmpErrorOf(badHeader), "Cannot load image. Invalid BMP file header.");
  Put32(badHeader, 14, 0xFFFFFFF0u);
  EXPECT_EQ(BmpErrorOf(badHeader), "Cannot load image. BMP file is truncated.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.Width = -1; }), "Cannot load image. Invalid BMP image size.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.Height = INT_MIN; }), "Cannot load image. Invalid BMP image size.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.Width = 1 << 15, b.Height = -(1 << 14) - 1; }),
            "Cannot load image. BMP image is too large.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.Width = 1 << 20; }), "Cannot load image. BMP file is truncated.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.BitCount = 3; }), "Cannot load image. Unsupported BMP bit depth.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.BitCount = 0; }), "Cannot load image. Unsupported BMP bit depth.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.Compression = 1; }), "Cannot load image. Unsupported BMP bit depth.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.Compression = 3, b.TrailingMasks = {1, 2, 4}; }),
            "Cannot load image. Unsupported BMP bit depth.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.Compression = 4; }),
            "Cannot load image. Compressed BMP files holding JPEG or PNG data are not supported.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.Compression = 77; }), "Cannot load image. Unsupported BMP compression.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.PixelOffset = 1000; }), "Cannot load image. BMP file is truncated.");
  EXPECT_EQ(with([](TBmpBuilder& b) { b.HeaderSize = 64, b.Compression = 3; }),
            "Cannot load image. Unsupported BMP compression.");

  // The pixel limit callers may lower, checked before anything is allocated.
  TBmpBuilder rle;
  rle.BitCount = 8;
  rle.Compression = 1;
  rle.Width = 3000;
  rle.Height = 3000;
  rle.Pixels = {0, 1};
  const TBytes tiny = rle.Build();
  TBmpReadOptions small;
  small.MaxPixels = 1000000;
  EXPECT_THROW(ReadBmp(tiny.data(), tiny.size(), small), EImageError);
  EXPECT_EQ(ReadBmp(tiny.data(), tiny.size()).Bitmap.Width(), 3000);
}

}  // namespace
}  // namespace qw
