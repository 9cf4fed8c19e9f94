// Our decoder against the reference PNG library, pixel for pixel, on the conformance suite, the Go
// test files and random images of every format. Built natively only. The reference expands every
// format to 8-bit RGBA: palettes and colour keys to alpha, 16-bit samples scaled with rounding
// (the same (v * 255 + 32895) >> 16 our decoder uses), no gamma.
#include <png.h>

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "image/ImageError.h"
#include "image/PngDecoder.h"
#include "tests/support/FileBytes.h"
#include "tests/image/PngTestUtil.h"

namespace qw {
namespace {

namespace fs = std::filesystem;

struct TReader {
  const uint8_t* Data;
  size_t Size;
  size_t Pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t len) {
  auto* r = static_cast<TReader*>(png_get_io_ptr(png));
  if (r->Size - r->Pos < len) png_error(png, "read past end");
  std::memcpy(out, r->Data + r->Pos, len);
  r->Pos += len;
}

void Quiet(png_structp, png_const_charp) {}

struct TReference {
  uint32_t Width = 0, Height = 0;
  std::vector<uint8_t> Rgba;
};

// Kept free of C++ objects with destructors between setjmp and the reads, as longjmp requires.
bool DecodeWithReference(const uint8_t* data, size_t size, TReference& out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Quiet, Quiet);
  png_infop info = png_create_info_struct(png);
  TReader reader{data, size, 0};
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &reader, ReadFromMemory);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  out.Width = png_get_image_width(png, info);
  out.Height = png_get_image_height(png, info);
  if (png_get_rowbytes(png, info) != size_t{out.Width} * 4) png_error(png, "not RGBA8");
  out.Rgba.resize(size_t{out.Width} * out.Height * 4);
  rows.resize(out.Height);
  for (uint32_t y = 0; y < out.Height; ++y) rows[y] = out.Rgba.data() + size_t{y} * out.Width * 4;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

// "" when both agree, else the first difference.
std::string Compare(const std::vector<uint8_t>& file) {
  TReference ref;
  if (!DecodeWithReference(file.data(), file.size(), ref)) return "reference failed";
  TBitmap32 ours;
  try {
    ours = DecodePng(file.data(), file.size());
  } catch (const EImageError& e) {
    return std::string("we failed: ") + e.what();
  }
  if (ours.Width() != static_cast<int>(ref.Width) || ours.Height() != static_cast<int>(ref.Height)) return "size";
  for (size_t i = 0; i < ours.PixelCount(); ++i) {
    const uint8_t* p = &ref.Rgba[i * 4];
    const uint32_t want = uint32_t{p[3]} << 24 | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    if (ours.Pixels()[i] != want) {
      char text[96];
      std::snprintf(text, sizeof(text), "pixel %zu: ours %08x, reference %08x", i, ours.Pixels()[i], want);
      return text;
    }
  }
  return "";
}

TEST(PngReference, CorpusImagesMatchPixelForPixel) {
  const fs::path go = fs::path(QW_CORPORA_DIR) / "golang-1.19-src/usr/share/go-1.19/src";
  std::vector<fs::path> files;
  for (const fs::path& dir : {go / "image/png/testdata/pngsuite", go / "image/png/testdata", go / "image/testdata"}) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) continue;
    for (const auto& e : fs::directory_iterator(dir)) {
      const std::string name = e.path().filename().string();
      if (e.path().extension() == ".png" && name[0] != 'x' && name.rfind("invalid-", 0) != 0) files.push_back(e.path());
    }
  }
  if (files.empty()) GTEST_SKIP() << "corpora not fetched (scripts/fetch-corpora.sh)";
  for (const fs::path& p : files) EXPECT_EQ(Compare(testutil::ReadFileBytes(p)), "") << p.filename().string();
  EXPECT_GE(files.size(), 45u);
}

TEST(PngReference, RandomImagesOfEveryFormatMatch) {
  using namespace pngtest;
  uint32_t seed = 1000;
  for (const TFormat& f : AllFormats()) {
    for (bool interlaced : {false, true}) {
      TTestImage img = RandomImage(f, 29, 19, interlaced, seed++);
      if (f.ColorType == 0 || f.ColorType == 2) {
        // A colour key taken from a pixel, so some pixels match it.
        for (int c = 0; c < ChannelsOf(f.ColorType); ++c) {
          img.Trns.push_back(static_cast<uint8_t>(img.Samples[c] >> 8));
          img.Trns.push_back(static_cast<uint8_t>(img.Samples[c]));
        }
      }
      if (f.ColorType == 3) img.Trns = {0, 50, 100, 150};
      EXPECT_EQ(Compare(BuildPng(img)), "") << "type " << f.ColorType << " depth " << f.Depth << " interlaced "
                                             << interlaced;
    }
  }
}

}  // namespace
}  // namespace qw
