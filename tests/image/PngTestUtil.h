#pragma once
// Builds PNG files byte by byte for the decoder tests: samples are packed, filtered, interlaced and
// compressed here with code of the tests' own, so the decoder is checked against an independent
// reading of the format.
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "image/PngUnfilter.h"

namespace qw::pngtest {

inline void PutU32(std::vector<uint8_t>& v, uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<uint8_t>(x >> s));
}

inline void AddChunk(std::vector<uint8_t>& png, const std::string& type, const std::vector<uint8_t>& body) {
  PutU32(png, static_cast<uint32_t>(body.size()));
  std::vector<uint8_t> typed(type.begin(), type.end());
  typed.insert(typed.end(), body.begin(), body.end());
  png.insert(png.end(), typed.begin(), typed.end());
  PutU32(png, static_cast<uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

inline std::vector<uint8_t> Signature() { return {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}; }

inline std::vector<uint8_t> Zlib(const std::vector<uint8_t>& raw, int level = 6) {
  uLongf len = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> out(len);
  compress2(out.data(), &len, raw.data(), static_cast<uLong>(raw.size()), level);
  out.resize(len);
  return out;
}

inline std::vector<uint8_t> Ihdr(uint32_t w, uint32_t h, int depth, int colorType, int interlace = 0) {
  std::vector<uint8_t> b;
  PutU32(b, w);
  PutU32(b, h);
  b.push_back(static_cast<uint8_t>(depth));
  b.push_back(static_cast<uint8_t>(colorType));
  b.push_back(0);
  b.push_back(0);
  b.push_back(static_cast<uint8_t>(interlace));
  return b;
}

inline int ChannelsOf(int colorType) {
  switch (colorType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
  }
}

struct TTestImage {
  uint32_t Width = 1, Height = 1;
  int Depth = 8, ColorType = 6;
  bool Interlaced = false;
  std::vector<uint16_t> Samples;  // Width * Height * channels, row-major
  std::vector<uint8_t> Palette;   // R G B triples
  std::vector<uint8_t> Trns;      // written when not empty
  int Filter = -1;                // -1: row r of each pass uses filter r % 5
  size_t IdatPiece = 0;           // split the compressed data into IDATs of this size (0: one IDAT)
};

// Fills the samples with seeded random values in range (palette indexes below the palette size).
inline void FillRandom(TTestImage& img, uint32_t seed) {
  std::mt19937 rng(seed);
  const size_t n = size_t{img.Width} * img.Height * ChannelsOf(img.ColorType);
  const uint32_t limit = img.ColorType == 3 ? static_cast<uint32_t>(img.Palette.size() / 3) : (1u << img.Depth);
  img.Samples.resize(n);
  for (auto& s : img.Samples) s = static_cast<uint16_t>(rng() % limit);
}

// The forward filter: residuals of `row` given the previous row, both unfiltered.
inline std::vector<uint8_t> FilterRow(int f, const std::vector<uint8_t>& row, const std::vector<uint8_t>& prev, int bpp) {
  std::vector<uint8_t> out(row.size());
  for (size_t i = 0; i < row.size(); ++i) {
    const int a = i >= size_t(bpp) ? row[i - bpp] : 0;
    const int b = prev[i];
    const int c = i >= size_t(bpp) ? prev[i - bpp] : 0;
    int p = 0;
    if (f == 1) p = a;
    if (f == 2) p = b;
    if (f == 3) p = (a + b) / 2;
    if (f == 4) p = PngPaeth(a, b, c);
    out[i] = static_cast<uint8_t>(row[i] - p);
  }
  return out;
}

// The filtered, uncompressed image data: one run of rows per Adam7 pass when interlaced.
inline std::vector<uint8_t> RawData(const TTestImage& img) {
  static const int kAdam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                   {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
  static const int kWhole[1][4] = {{0, 0, 1, 1}};
  const int ch = ChannelsOf(img.ColorType);
  const int bpp = std::max(1, ch * img.Depth / 8);
  std::vector<uint8_t> raw;
  for (int p = 0; p < (img.Interlaced ? 7 : 1); ++p) {
    const int* g = img.Interlaced ? kAdam7[p] : kWhole[0];
    std::vector<uint8_t> prev;
    int r = 0;
    for (uint32_t y = g[1]; y < img.Height; y += g[3], ++r) {
      std::vector<uint8_t> row;
      int bits = 0;
      for (uint32_t x = g[0]; x < img.Width; x += g[2]) {
        for (int c = 0; c < ch; ++c) {
          const uint16_t s = img.Samples[(size_t{y} * img.Width + x) * ch + c];
          if (img.Depth == 16) {
            row.push_back(static_cast<uint8_t>(s >> 8));
            row.push_back(static_cast<uint8_t>(s));
          } else if (img.Depth == 8) {
            row.push_back(static_cast<uint8_t>(s));
          } else {
            if (bits % 8 == 0) row.push_back(0);
            row.back() = static_cast<uint8_t>(row.back() | s << (8 - img.Depth - bits % 8));
            bits += img.Depth;
          }
        }
      }
      if (row.empty()) break;  // an empty pass has no rows at all
      if (prev.empty()) prev.assign(row.size(), 0);
      const int f = img.Filter >= 0 ? img.Filter : r % 5;
      raw.push_back(static_cast<uint8_t>(f));
      const auto filtered = FilterRow(f, row, prev, bpp);
      raw.insert(raw.end(), filtered.begin(), filtered.end());
      prev = row;
    }
  }
  return raw;
}

// A complete file: IHDR, PLTE, tRNS, the chunks in `extra`, IDAT(s) holding `zdata`, IEND.
inline std::vector<uint8_t> Assemble(const TTestImage& img, const std::vector<uint8_t>& zdata) {
  std::vector<uint8_t> png = Signature();
  AddChunk(png, "IHDR", Ihdr(img.Width, img.Height, img.Depth, img.ColorType, img.Interlaced ? 1 : 0));
  if (!img.Palette.empty()) AddChunk(png, "PLTE", img.Palette);
  if (!img.Trns.empty()) AddChunk(png, "tRNS", img.Trns);
  const size_t piece = img.IdatPiece ? img.IdatPiece : std::max<size_t>(zdata.size(), 1);
  for (size_t pos = 0; pos < zdata.size() || pos == 0; pos += piece)
    AddChunk(png, "IDAT", std::vector<uint8_t>(zdata.begin() + pos, zdata.begin() + std::min(zdata.size(), pos + piece)));
  AddChunk(png, "IEND", {});
  return png;
}

inline std::vector<uint8_t> BuildPng(const TTestImage& img) { return Assemble(img, Zlib(RawData(img))); }

// What the decoder must give for each pixel: 0xAARRGGBB, 16-bit samples scaled with rounding.
inline std::vector<uint32_t> ExpectedPixels(const TTestImage& img) {
  const int ch = ChannelsOf(img.ColorType);
  const uint32_t maxv = (1u << img.Depth) - 1;
  auto to8 = [&](uint32_t v) -> uint32_t {
    return img.Depth == 16 ? (v * 255 + 32895) >> 16 : v * 255 / maxv;
  };
  auto key = [&](int c) -> uint32_t {
    return img.Trns.size() >= size_t(2 * c + 2) ? uint32_t(img.Trns[2 * c] << 8 | img.Trns[2 * c + 1]) : 0x10000u;
  };
  std::vector<uint32_t> out;
  for (size_t i = 0; i < size_t{img.Width} * img.Height; ++i) {
    const uint16_t* s = &img.Samples[i * ch];
    uint32_t a = 255, r, g, b;
    switch (img.ColorType) {
      case 0:
        r = g = b = to8(s[0]);
        if (!img.Trns.empty() && s[0] == key(0)) a = 0;
        break;
      case 2:
        r = to8(s[0]), g = to8(s[1]), b = to8(s[2]);
        if (!img.Trns.empty() && s[0] == key(0) && s[1] == key(1) && s[2] == key(2)) a = 0;
        break;
      case 3:
        if (size_t{s[0]} * 3 + 2 < img.Palette.size()) {
          r = img.Palette[s[0] * 3], g = img.Palette[s[0] * 3 + 1], b = img.Palette[s[0] * 3 + 2];
          if (s[0] < img.Trns.size()) a = img.Trns[s[0]];
        } else {
          r = g = b = 0;
        }
        break;
      case 4:
        r = g = b = to8(s[0]);
        a = to8(s[1]);
        break;
      default:
        r = to8(s[0]), g = to8(s[1]), b = to8(s[2]);
        a = to8(s[3]);
        break;
    }
    out.push_back(a << 24 | r << 16 | g << 8 | b);
  }
  return out;
}

// Every colour type with every bit depth it allows.
struct TFormat {
  int ColorType, Depth;
};
inline const std::vector<TFormat>& AllFormats() {
  static const std::vector<TFormat> all = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                                           {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
  return all;
}

// A random image of the given format; palette images get a random palette filling their depth.
inline TTestImage RandomImage(TFormat f, uint32_t w, uint32_t h, bool interlaced, uint32_t seed) {
  TTestImage img;
  img.Width = w;
  img.Height = h;
  img.ColorType = f.ColorType;
  img.Depth = f.Depth;
  img.Interlaced = interlaced;
  if (f.ColorType == 3) {
    std::mt19937 rng(seed ^ 0x5A5A);
    img.Palette.resize(3u << f.Depth);
    for (auto& c : img.Palette) c = static_cast<uint8_t>(rng());
  }
  FillRandom(img, seed);
  return img;
}

}  // namespace qw::pngtest
