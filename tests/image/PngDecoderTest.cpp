#include "image/PngDecoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "image/ImageError.h"
#include "image/PngUnfilter.h"
#include "tests/image/PngTestUtil.h"

namespace qw {
namespace {

using namespace pngtest;

TBitmap32 Decode(const std::vector<uint8_t>& png) { return DecodePng(png.data(), png.size()); }

void ExpectPixels(const TBitmap32& bmp, const TTestImage& img, const std::string& what) {
  ASSERT_EQ(bmp.Width(), static_cast<int>(img.Width)) << what;
  ASSERT_EQ(bmp.Height(), static_cast<int>(img.Height)) << what;
  const auto expected = ExpectedPixels(img);
  for (size_t i = 0; i < expected.size(); ++i) {
    if (bmp.Pixels()[i] != expected[i]) {
      ADD_FAILURE() << what << ": pixel " << i % img.Width << "," << i / img.Width << " is " << std::hex
                    << bmp.Pixels()[i] << ", want " << expected[i];
      return;
    }
  }
}

// The message the decoder raised, or "" when it decoded.
std::string PngErrorOf(const std::vector<uint8_t>& png) {
  try {
    Decode(png);
  } catch (const EImageError& e) {
    return e.what();
  }
  return "";
}

TEST(PngDecoder, EveryColourTypeDepthAndInterlaceDecodesExactly) {
  // Odd sizes leave part-filled bytes at row ends and make some Adam7 passes narrow or empty.
  const std::pair<uint32_t, uint32_t> sizes[] = {{1, 1}, {3, 2}, {13, 11}, {37, 9}};
  uint32_t seed = 1;
  for (const TFormat& f : AllFormats()) {
    for (bool interlaced : {false, true}) {
      for (auto [w, h] : sizes) {
        TTestImage img = RandomImage(f, w, h, interlaced, seed++);
        img.IdatPiece = seed % 3 == 0 ? 7 : 0;  // some files split the stream over many IDATs
        const std::string what = "type " + std::to_string(f.ColorType) + " depth " + std::to_string(f.Depth) +
                                 (interlaced ? " interlaced " : " ") + std::to_string(w) + "x" + std::to_string(h);
        ExpectPixels(Decode(BuildPng(img)), img, what);
      }
    }
  }
}

TEST(PngDecoder, EachFilterAloneOnEveryPixelSize) {
  // Formats whose pixels are 1, 2, 3, 4, 6 and 8 bytes, so that every fast path and the plain one
  // see every filter on a whole image, first row included.
  const TFormat formats[] = {{0, 8}, {4, 8}, {2, 8}, {6, 8}, {2, 16}, {6, 16}, {0, 4}};
  for (const TFormat& f : formats) {
    for (int filter = 0; filter <= 4; ++filter) {
      TTestImage img = RandomImage(f, 23, 7, false, 100 + filter);
      img.Filter = filter;
      ExpectPixels(Decode(BuildPng(img)), img,
                   "filter " + std::to_string(filter) + " type " + std::to_string(f.ColorType) + "/" +
                       std::to_string(f.Depth));
    }
  }
}

TEST(PngDecoder, FastUnfilterMatchesTheDefinition) {
  std::mt19937 rng(7);
  for (int bpp = 1; bpp <= 8; ++bpp) {
    for (int filter = 0; filter <= 4; ++filter) {
      for (size_t pixels : {1, 2, 5, 64, 333}) {
        const size_t n = pixels * static_cast<size_t>(bpp);
        std::vector<uint8_t> prev(n), row(n);
        for (auto& b : prev) b = static_cast<uint8_t>(rng());
        for (auto& b : row) b = static_cast<uint8_t>(rng());
        std::vector<uint8_t> expected = row;
        PngUnfilterRowReference(filter, expected.data(), prev.data(), n, bpp);
        PngUnfilterRow(filter, row.data(), prev.data(), n, bpp);
        ASSERT_EQ(row, expected) << "bpp " << bpp << " filter " << filter << " pixels " << pixels;
      }
    }
  }
}

TEST(PngDecoder, TwoRowUnfilterMatchesTheDefinition) {
  std::mt19937 rng(8);
  for (int bpp = 1; bpp <= 8; ++bpp) {
    for (int filter = 0; filter <= 4; ++filter) {
      for (size_t pixels : {1, 2, 7, 300}) {
        const size_t n = pixels * static_cast<size_t>(bpp);
        std::vector<uint8_t> prev(n), row0(n), row1(n);
        for (auto* v : {&prev, &row0, &row1})
          for (auto& b : *v) b = static_cast<uint8_t>(rng());
        std::vector<uint8_t> want0 = row0, want1 = row1;
        PngUnfilterRowReference(filter, want0.data(), prev.data(), n, bpp);
        PngUnfilterRowReference(filter, want1.data(), want0.data(), n, bpp);
        const auto before0 = row0, before1 = row1;
        if (PngUnfilterRowPair(filter, row0.data(), row1.data(), prev.data(), n, bpp)) {
          ASSERT_EQ(row0, want0) << "bpp " << bpp << " filter " << filter << " pixels " << pixels;
          ASSERT_EQ(row1, want1) << "bpp " << bpp << " filter " << filter << " pixels " << pixels;
        } else {
          ASSERT_EQ(row0, before0);  // declined: untouched
          ASSERT_EQ(row1, before1);
        }
      }
    }
  }
}

TEST(PngDecoder, LargeImagesCrossTheRowWindow) {
  // Rows far wider than the inflate window slack, and many rows, so that rows straddle window
  // moves: the pixels must come out the same as from a small image.
  for (bool interlaced : {false, true}) {
    TTestImage img = RandomImage({6, 8}, 9000, 13, interlaced, 42);
    ExpectPixels(Decode(BuildPng(img)), img, "wide");
    TTestImage tall = RandomImage({2, 8}, 301, 700, interlaced, 43);
    tall.IdatPiece = 4096;
    ExpectPixels(Decode(BuildPng(tall)), tall, "tall");
  }
}

TEST(PngDecoder, ColourKeysMakeMatchingPixelsTransparent) {
  // Grey at 2, 8 and 16 bits and RGB at 8 and 16 bits, keys compared at full depth.
  const TFormat formats[] = {{0, 2}, {0, 8}, {0, 16}, {2, 8}, {2, 16}};
  for (const TFormat& f : formats) {
    for (bool interlaced : {false, true}) {
      TTestImage img = RandomImage(f, 9, 9, interlaced, 5);
      const int ch = ChannelsOf(f.ColorType);
      // Use the first pixel's colour as key, and plant it on a few more pixels.
      for (int c = 0; c < ch; ++c) {
        img.Trns.push_back(static_cast<uint8_t>(img.Samples[c] >> 8));
        img.Trns.push_back(static_cast<uint8_t>(img.Samples[c]));
        img.Samples[40 * ch + c] = img.Samples[c];
      }
      if (f.Depth == 16) img.Samples[41 * ch] = static_cast<uint16_t>(img.Samples[0] ^ 1);  // near miss stays opaque
      const TBitmap32 bmp = Decode(BuildPng(img));
      ExpectPixels(bmp, img, "key type " + std::to_string(f.ColorType) + "/" + std::to_string(f.Depth));
      EXPECT_EQ(bmp.At(0, 0) >> 24, 0u);
      EXPECT_EQ(bmp.At(4, 4) >> 24, 0u);
    }
  }
}

TEST(PngDecoder, PaletteAlphaAndIndexesBeyondThePalette) {
  TTestImage img = RandomImage({3, 8}, 16, 4, false, 9);
  img.Palette.resize(3 * 10);                  // ten entries only
  img.Trns = {0, 128, 255};                    // alpha for the first three, the rest opaque
  for (size_t i = 0; i < img.Samples.size(); ++i) img.Samples[i] = static_cast<uint16_t>(i % 16);
  const TBitmap32 bmp = Decode(BuildPng(img));
  ExpectPixels(bmp, img, "palette");
  EXPECT_EQ(bmp.At(1, 0) >> 24, 128u);
  EXPECT_EQ(bmp.At(12, 0), 0xFF000000u);  // index 12 has no entry: opaque black
}

TEST(PngDecoder, MalformedAncillaryChunksAreIgnored) {
  TTestImage img = RandomImage({2, 8}, 5, 5, false, 11);
  img.Trns = {1, 2, 3};  // an RGB key needs six bytes
  TTestImage plain = img;
  plain.Trns.clear();
  ExpectPixels(Decode(BuildPng(img)), plain, "short key");
  TTestImage rgba = RandomImage({6, 8}, 5, 5, false, 12);
  rgba.Trns = {0, 0, 0, 0, 0, 0};  // no key for types that carry alpha
  ExpectPixels(Decode(BuildPng(rgba)), rgba, "key on RGBA");
}

TEST(PngDecoder, SkipsUnknownAncillaryChunksAndStopsAtIend) {
  TTestImage img = RandomImage({6, 8}, 4, 4, false, 13);
  auto png = Signature();
  AddChunk(png, "IHDR", Ihdr(4, 4, 8, 6));
  AddChunk(png, "gAMA", {0, 1, 0x86, 0xA0});
  AddChunk(png, "prVt", {1, 2, 3});
  AddChunk(png, "IDAT", Zlib(RawData(img)));
  AddChunk(png, "tEXt", {'a', 0, 'b'});
  AddChunk(png, "IEND", {});
  png.insert(png.end(), {1, 2, 3, 4, 5});  // trailing bytes after IEND
  ExpectPixels(Decode(png), img, "ancillary");
}

TEST(PngDecoder, ExtraDataAfterTheLastRowIsIgnored) {
  TTestImage img = RandomImage({0, 8}, 6, 3, false, 14);
  auto raw = RawData(img);
  raw.insert(raw.end(), 100, 0xAB);
  ExpectPixels(Decode(Assemble(img, Zlib(raw))), img, "extra data");
}

TEST(PngDecoder, SignatureCheck) {
  const auto png = BuildPng(RandomImage({0, 8}, 2, 2, false, 1));
  EXPECT_TRUE(IsPngSignature(png.data(), png.size()));
  EXPECT_FALSE(IsPngSignature(png.data(), 7));
  EXPECT_FALSE(IsPngSignature(nullptr, 0));
  auto bad = png;
  bad[1] = 'Q';
  EXPECT_FALSE(IsPngSignature(bad.data(), bad.size()));
  EXPECT_EQ(PngErrorOf(bad), "Cannot load image. Invalid PNG signature.");
}

// A valid small file with one chunk replaced or inserted.
std::vector<uint8_t> WithChunks(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& chunks) {
  auto png = Signature();
  for (const auto& [type, body] : chunks) AddChunk(png, type, body);
  return png;
}

TEST(PngDecoder, BrokenFilesFailWithTheirCause) {
  TTestImage img = RandomImage({2, 8}, 4, 3, false, 21);
  const auto raw = RawData(img);
  const auto z = Zlib(raw);
  const auto hdr = Ihdr(4, 3, 8, 2);
  struct TCase {
    const char* Name;
    std::vector<uint8_t> Png;
    const char* Cause;
  };
  auto badFilter = raw;
  badFilter[1 + 12] = 5;  // second row's filter byte
  auto zCut = z;
  zCut.resize(z.size() - 6);  // stream without its end and checksum
  auto zBadSum = z;
  zBadSum.back() ^= 1;
  auto shortRaw = raw;
  shortRaw.resize(raw.size() - 5);
  std::vector<uint8_t> crcBad = BuildPng(img);
  crcBad[40] ^= 0x10;  // inside the IDAT body
  const std::vector<TCase> cases = {
      {"crc", crcBad, "CRC error found in PNG file."},
      {"no IHDR first", WithChunks({{"IDAT", z}, {"IHDR", hdr}, {"IEND", {}}}), "IHDR chunk is missing."},
      {"IHDR length", WithChunks({{"IHDR", {0, 0, 0, 4, 0, 0, 0, 3, 8, 2, 0, 0}}, {"IDAT", z}, {"IEND", {}}}),
       "Invalid IHDR chunk: wrong length."},
      {"zero width", WithChunks({{"IHDR", Ihdr(0, 3, 8, 2)}, {"IDAT", z}, {"IEND", {}}}), "Invalid IHDR chunk: bad image size."},
      {"huge height", WithChunks({{"IHDR", Ihdr(4, 0x80000000u, 8, 2)}, {"IDAT", z}, {"IEND", {}}}),
       "Invalid IHDR chunk: bad image size."},
      {"too many pixels", WithChunks({{"IHDR", Ihdr(1 << 15, 1 << 14, 8, 2)}, {"IDAT", z}, {"IEND", {}}}),
       "Image is too large."},
      {"bad depth", WithChunks({{"IHDR", Ihdr(4, 3, 4, 2)}, {"IDAT", z}, {"IEND", {}}}), "Invalid IHDR chunk: bad bit depth."},
      {"bad colour type", WithChunks({{"IHDR", Ihdr(4, 3, 8, 5)}, {"IDAT", z}, {"IEND", {}}}),
       "Invalid IHDR chunk: unknown colour type."},
      {"bad interlace", WithChunks({{"IHDR", Ihdr(4, 3, 8, 2, 2)}, {"IDAT", z}, {"IEND", {}}}),
       "Invalid IHDR chunk: unknown interlace method."},
      {"two IHDR", WithChunks({{"IHDR", hdr}, {"IHDR", hdr}, {"IDAT", z}, {"IEND", {}}}), "Duplicate IHDR chunk."},
      {"no PLTE", WithChunks({{"IHDR", Ihdr(4, 3, 8, 3)}, {"IDAT", z}, {"IEND", {}}}), "PLTE chunk is missing."},
      {"bad PLTE", WithChunks({{"IHDR", Ihdr(4, 3, 8, 3)}, {"PLTE", {1, 2, 3, 4}}, {"IDAT", z}, {"IEND", {}}}),
       "Invalid PLTE chunk."},
      {"critical unknown", WithChunks({{"IHDR", hdr}, {"ZZZZ", {}}, {"IDAT", z}, {"IEND", {}}}),
       "Unknown critical chunk ZZZZ."},
      {"bad chunk type", WithChunks({{"IHDR", hdr}, {"a1b2", {}}, {"IDAT", z}, {"IEND", {}}}), "Invalid chunk type."},
      {"split IDAT", WithChunks({{"IHDR", hdr}, {"IDAT", {z.begin(), z.begin() + 5}}, {"tEXt", {'a', 0}},
                                 {"IDAT", {z.begin() + 5, z.end()}}, {"IEND", {}}}),
       "IDAT chunks are not contiguous."},
      {"no IDAT", WithChunks({{"IHDR", hdr}, {"IEND", {}}}), "No image data."},
      {"no IEND", WithChunks({{"IHDR", hdr}, {"IDAT", z}}), "Unexpected end of PNG data."},
      {"bad filter", WithChunks({{"IHDR", hdr}, {"IDAT", Zlib(badFilter)}, {"IEND", {}}}),
       "Invalid filter type in image data."},
      {"short data", WithChunks({{"IHDR", hdr}, {"IDAT", Zlib(shortRaw)}, {"IEND", {}}}), "Not enough image data."},
      {"cut stream", WithChunks({{"IHDR", hdr}, {"IDAT", zCut}, {"IEND", {}}}),
       "Unexpected end of compressed image data."},
      {"bad checksum", WithChunks({{"IHDR", hdr}, {"IDAT", zBadSum}, {"IEND", {}}}), "Corrupt compressed image data."},
      {"not zlib", WithChunks({{"IHDR", hdr}, {"IDAT", {0x12, 0x34, 0x56, 0x78}}, {"IEND", {}}}),
       "Corrupt compressed image data."},
      // 16384 x 16384 promised by 40 bytes: refused before a gigabyte of pixels is taken.
      {"absurd promise", WithChunks({{"IHDR", Ihdr(1 << 14, 1 << 14, 8, 0)}, {"IDAT", z}, {"IEND", {}}}),
       "Not enough image data."},
  };
  for (const TCase& c : cases) EXPECT_EQ(PngErrorOf(c.Png), std::string("Cannot load image. ") + c.Cause) << c.Name;
}

TEST(PngDecoder, EveryTruncationAndEveryFlippedByteFailsCleanly) {
  TTestImage img = RandomImage({3, 4}, 7, 5, true, 31);
  img.Trns = {10, 20};
  img.IdatPiece = 9;
  const auto png = BuildPng(img);
  for (size_t len = 0; len < png.size(); ++len) {
    std::vector<uint8_t> cut(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(len));
    EXPECT_NE(PngErrorOf(cut), "") << "length " << len;
  }
  // Any single damaged byte after the signature hits a CRC, a length or a chunk type check.
  for (size_t i = 8; i < png.size(); ++i) {
    auto bad = png;
    bad[i] ^= 0x41;
    EXPECT_NE(PngErrorOf(bad), "") << "byte " << i;
  }
}

}  // namespace
}  // namespace qw
