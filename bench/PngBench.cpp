// What a user waits for when a skin's pictures load: our PNG decoder beside the reference library and
// a fast third-party decoder on the same files, and a bare zlib inflate of the same image data as the
// floor no decoder can beat. Every decoder produces 8-bit RGBA (ours as BGRA words) into a fresh
// buffer per run. Printed at the end: each time as a ratio to the bare inflate.
#include <benchmark/benchmark.h>
#include <png.h>
#include <spng.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "image/ImageError.h"
#include "image/PngDecoder.h"

namespace {

namespace fs = std::filesystem;

struct TSample {
  std::string Name;
  std::vector<std::vector<uint8_t>> Files;  // the PngSuite set is decoded as one batch
};

// ---- Test pictures: smooth gradients plus sensor-like noise, written by the reference encoder -------

void WriteToVector(png_structp png, png_bytep data, png_size_t len) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + len);
}
void FlushNothing(png_structp) {}

// `filters` 0 keeps the encoder's own adaptive choice.
std::vector<uint8_t> EncodeWithReference(int w, int h, bool alpha, const std::vector<uint8_t>& pixels, int filters = 0) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, WriteToVector, FlushNothing);
  png_set_IHDR(png, info, w, h, 8, alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (filters != 0) png_set_filter(png, PNG_FILTER_TYPE_BASE, filters);
  png_write_info(png, info);
  const size_t stride = size_t(w) * (alpha ? 4 : 3);
  for (int y = 0; y < h; ++y) png_write_row(png, pixels.data() + stride * y);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::vector<uint8_t> Photo(int w, int h, bool alpha, uint32_t seed) {
  const int ch = alpha ? 4 : 3;
  std::vector<uint8_t> px(size_t(w) * h * ch);
  uint32_t s = seed;
  auto noise = [&] {
    s ^= s << 13, s ^= s >> 17, s ^= s << 5;
    return static_cast<int>(s % 9) - 4;
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double u = double(x) / w, v = double(y) / h;
      const double base[4] = {120 + 90 * std::sin(6.0 * u + 2.0 * v), 110 + 80 * std::cos(4.0 * v - 3.0 * u),
                              100 + 70 * std::sin(9.0 * u * v + 1.0), 255 * (0.5 + 0.5 * std::cos(5.0 * (u - v)))};
      uint8_t* p = &px[(size_t(y) * w + x) * ch];
      for (int c = 0; c < ch; ++c) p[c] = static_cast<uint8_t>(std::clamp(int(base[c]) + noise(), 0, 255));
    }
  }
  return px;
}

std::vector<uint8_t> ReadFile(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::vector<TSample> MakeSamples() {
  std::vector<TSample> samples;
  const int w = 1800, h = 1200;  // 2.16 megapixels
  samples.push_back({"photo_rgb_2MP", {EncodeWithReference(w, h, false, Photo(w, h, false, 1))}});
  samples.push_back({"photo_rgba_2MP", {EncodeWithReference(w, h, true, Photo(w, h, true, 2))}});
  // The adaptive choice above picks the average filter for nearly every row of these pictures;
  // Paeth on every row is the slowest filter to undo and shows the other end.
  samples.push_back({"paeth_rgba_2MP", {EncodeWithReference(w, h, true, Photo(w, h, true, 2), PNG_FILTER_PAETH)}});
  const fs::path suite = fs::path(QW_CORPORA_DIR) / "golang-1.19-src/usr/share/go-1.19/src/image/png/testdata/pngsuite";
  std::error_code ec;
  if (fs::is_directory(suite, ec)) {
    TSample s{"pngsuite", {}};
    for (const auto& e : fs::directory_iterator(suite))
      if (e.path().extension() == ".png") s.Files.push_back(ReadFile(e.path()));
    if (!s.Files.empty()) samples.push_back(std::move(s));
  }
  return samples;
}

// ---- The four contenders --------------------------------------------------------------------------

size_t DecodeOurs(const std::vector<uint8_t>& f) {
  const qw::TBitmap32 bmp = qw::DecodePng(f.data(), f.size());
  return bmp.PixelCount();
}

struct TMemReader {
  const uint8_t* Data;
  size_t Size, Pos;
};
void ReadMem(png_structp png, png_bytep out, png_size_t len) {
  auto* r = static_cast<TMemReader*>(png_get_io_ptr(png));
  if (r->Size - r->Pos < len) png_error(png, "eof");
  std::memcpy(out, r->Data + r->Pos, len);
  r->Pos += len;
}

size_t DecodeReference(const std::vector<uint8_t>& f) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  TMemReader reader{f.data(), f.size(), 0};
  std::unique_ptr<uint8_t[]> out;
  std::vector<png_bytep> rows;
  size_t n = 0;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return 0;
  }
  png_set_read_fn(png, &reader, ReadMem);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const uint32_t w = png_get_image_width(png, info), h = png_get_image_height(png, info);
  out.reset(new uint8_t[size_t(w) * h * 4]);
  rows.resize(h);
  for (uint32_t y = 0; y < h; ++y) rows[y] = out.get() + size_t(y) * w * 4;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  n = size_t(w) * h;
  return n;
}

size_t DecodeSpng(const std::vector<uint8_t>& f) {
  spng_ctx* ctx = spng_ctx_new(0);
  spng_set_png_buffer(ctx, f.data(), f.size());
  size_t size = 0;
  size_t n = 0;
  if (spng_decoded_image_size(ctx, SPNG_FMT_RGBA8, &size) == 0) {
    std::unique_ptr<uint8_t[]> out(new uint8_t[size]);
    if (spng_decode_image(ctx, out.get(), size, SPNG_FMT_RGBA8, 0) == 0) n = size / 4;
  }
  spng_ctx_free(ctx);
  return n;
}

// The image data of a file: its IDAT bodies joined, and how many bytes they inflate to.
struct TIdat {
  std::vector<uint8_t> Compressed;
  size_t RawSize = 0;
};

TIdat ExtractIdat(const std::vector<uint8_t>& f) {
  TIdat r;
  for (size_t pos = 8; pos + 12 <= f.size();) {
    const uint32_t len = uint32_t(f[pos]) << 24 | uint32_t(f[pos + 1]) << 16 | uint32_t(f[pos + 2]) << 8 | f[pos + 3];
    if (std::memcmp(&f[pos + 4], "IDAT", 4) == 0) r.Compressed.insert(r.Compressed.end(), &f[pos + 8], &f[pos + 8 + len]);
    pos += 12 + size_t(len);
  }
  z_stream z{};
  inflateInit(&z);
  std::vector<uint8_t> sink(1 << 16);
  z.next_in = r.Compressed.data();
  z.avail_in = static_cast<uInt>(r.Compressed.size());
  int ret;
  do {
    z.next_out = sink.data();
    z.avail_out = static_cast<uInt>(sink.size());
    ret = inflate(&z, Z_NO_FLUSH);
  } while (ret == Z_OK);
  r.RawSize = z.total_out;
  inflateEnd(&z);
  return r;
}

size_t InflateOnly(const TIdat& d) {
  std::unique_ptr<uint8_t[]> out(new uint8_t[d.RawSize + 1]);
  uLongf len = static_cast<uLongf>(d.RawSize + 1);
  uncompress(out.get(), &len, d.Compressed.data(), static_cast<uLong>(d.Compressed.size()));
  return len;
}

// ---- Registration and the ratio table -------------------------------------------------------------

std::vector<TSample>& Samples() {
  static std::vector<TSample> s = MakeSamples();
  return s;
}

void Configure(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(5)->ReportAggregatesOnly(true);
  b->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
}

template <typename F>
void RegisterOne(const std::string& name, const TSample& s, F decode) {
  size_t bytes = 0;
  for (const auto& f : s.Files) bytes += f.size();
  auto* b = benchmark::RegisterBenchmark(name.c_str(), [&s, decode, bytes](benchmark::State& state) {
    for (auto _ : state)
      for (const auto& f : s.Files) benchmark::DoNotOptimize(decode(f));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  });
  Configure(b);
}

void PrintRatios(const qw::bench::TRatioReporter& times) {
  std::printf("\nCPU time as a multiple of the bare inflate of the same IDAT data (lower is better):\n");
  std::printf("%-16s %10s %10s %10s\n", "image", "ours", "reference", "fast-lib");
  for (const TSample& s : Samples()) {
    const qw::bench::TRunTimes* floor = times.FindMin("inflate/" + s.Name);
    if (!floor) continue;
    auto ratio = [&](const char* who) {
      const qw::bench::TRunTimes* t = times.FindMin(std::string(who) + "/" + s.Name);
      return t ? t->Cpu / floor->Cpu : 0.0;
    };
    std::printf("%-16s %10.3f %10.3f %10.3f\n", s.Name.c_str(), ratio("ours"), ratio("libpng"), ratio("spng"));
  }
}

}  // namespace

int main(int argc, char** argv) {
  // QW_PNG_BENCH_DUMP=<folder> writes the generated pictures there, for memory and profiling runs.
  if (const char* dump = std::getenv("QW_PNG_BENCH_DUMP")) {
    for (const TSample& s : Samples()) {
      if (s.Files.size() != 1) continue;
      std::ofstream(fs::path(dump) / (s.Name + ".png"), std::ios::binary)
          .write(reinterpret_cast<const char*>(s.Files[0].data()), static_cast<std::streamsize>(s.Files[0].size()));
    }
  }
  for (const TSample& s : Samples()) {
    // A decoder that fails or disagrees on size would make its time meaningless.
    for (const auto& f : s.Files) {
      const size_t ours = DecodeOurs(f), ref = DecodeReference(f), fast = DecodeSpng(f);
      if (ours != ref || (fast != 0 && fast != ours)) std::fprintf(stderr, "size mismatch in %s\n", s.Name.c_str());
    }
    std::vector<TIdat> parts;
    for (const auto& f : s.Files) parts.push_back(ExtractIdat(f));
    RegisterOne("ours/" + s.Name, s, DecodeOurs);
    RegisterOne("libpng/" + s.Name, s, DecodeReference);
    RegisterOne("spng/" + s.Name, s, DecodeSpng);
    auto* kept = new std::vector<TIdat>(std::move(parts));  // lives for the whole run
    Configure(benchmark::RegisterBenchmark(("inflate/" + s.Name).c_str(), [kept](benchmark::State& state) {
      for (auto _ : state)
        for (const TIdat& d : *kept) benchmark::DoNotOptimize(InflateOnly(d));
    }));
  }
  return qw::bench::RunWithSummary(argc, argv, PrintRatios);
}
