#include "image/PngWriter.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "image/ImageError.h"
#include "image/PngUnfilter.h"

namespace qw {

namespace {

constexpr size_t kMaxIdatChunk = 1 << 20;

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 24));
  out.push_back(static_cast<uint8_t>(v >> 16));
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const uint8_t* body, size_t len) {
  PutU32(out, static_cast<uint32_t>(len));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  if (len > 0) out.insert(out.end(), body, body + len);
  const uLong crc = crc32(crc32(0L, Z_NULL, 0), out.data() + start, static_cast<uInt>(len + 4));
  PutU32(out, static_cast<uint32_t>(crc));
}

// Filters one RGBA row with each filter and keeps the one with the smallest sum of signed
// residuals: the usual cheap guess at what deflate will like best.
void FilterRow(const uint8_t* row, const uint8_t* prev, size_t n, uint8_t* best, uint8_t* trial) {
  constexpr size_t bpp = 4;
  uint64_t bestCost = UINT64_MAX;
  for (int f = kPngFilterNone; f <= kPngFilterPaeth; ++f) {
    uint8_t* out = f == kPngFilterNone ? best : trial;  // None is tried first, straight into `best`
    out[0] = static_cast<uint8_t>(f);
    uint64_t cost = 0;
    for (size_t i = 0; i < n; ++i) {
      const int a = i >= bpp ? row[i - bpp] : 0;
      const int b = prev[i];
      const int c = i >= bpp ? prev[i - bpp] : 0;
      int predicted = 0;
      switch (f) {
        case kPngFilterSub: predicted = a; break;
        case kPngFilterUp: predicted = b; break;
        case kPngFilterAvg: predicted = (a + b) >> 1; break;
        case kPngFilterPaeth: predicted = PngPaeth(a, b, c); break;
        default: break;
      }
      const auto residual = static_cast<uint8_t>(row[i] - predicted);
      out[i + 1] = residual;
      cost += residual < 128 ? residual : 256 - residual;
    }
    if (cost < bestCost) {
      bestCost = cost;
      if (out != best) std::copy(trial, trial + n + 1, best);
    }
  }
}

class TDeflater {
 public:
  TDeflater() {
    if (deflateInit(&FZ, Z_BEST_COMPRESSION) != Z_OK) throw EImageError("Cannot save image. Not enough memory.");
  }
  ~TDeflater() { deflateEnd(&FZ); }
  TDeflater(const TDeflater&) = delete;
  TDeflater& operator=(const TDeflater&) = delete;

  void Add(const uint8_t* data, size_t len, bool last, std::vector<uint8_t>& out) {
    FZ.next_in = const_cast<Bytef*>(data);
    FZ.avail_in = static_cast<uInt>(len);
    uint8_t chunk[16384];
    for (;;) {
      FZ.next_out = chunk;
      FZ.avail_out = sizeof(chunk);
      const int ret = deflate(&FZ, last ? Z_FINISH : Z_NO_FLUSH);
      if (ret == Z_STREAM_ERROR) throw EImageError("Cannot save image. Compression failed.");
      out.insert(out.end(), chunk, chunk + (sizeof(chunk) - FZ.avail_out));
      if (last ? ret == Z_STREAM_END : (FZ.avail_in == 0 && FZ.avail_out != 0)) break;
    }
  }

 private:
  z_stream FZ{};
};

}  // namespace

std::vector<uint8_t> EncodePng(const TBitmap32& bmp) {
  if (bmp.Empty()) throw EImageError("Cannot save image. The image is empty.");
  const size_t width = static_cast<size_t>(bmp.Width());
  const size_t n = width * 4;
  std::vector<uint8_t> rows(2 * n, 0);  // current and previous row as R G B A bytes
  std::vector<uint8_t> best(n + 1), trial(n + 1);
  std::vector<uint8_t> compressed;
  TDeflater deflater;
  for (int y = 0; y < bmp.Height(); ++y) {
    uint8_t* row = rows.data() + (y & 1) * n;
    const uint8_t* prev = y == 0 ? rows.data() + n : rows.data() + ((y - 1) & 1) * n;
    if (y == 0) std::fill(rows.begin() + static_cast<std::ptrdiff_t>(n), rows.end(), 0);
    const uint32_t* src = bmp.Row(y);
    for (size_t x = 0; x < width; ++x) {
      const uint32_t p = src[x];
      row[4 * x] = static_cast<uint8_t>(p >> 16);
      row[4 * x + 1] = static_cast<uint8_t>(p >> 8);
      row[4 * x + 2] = static_cast<uint8_t>(p);
      row[4 * x + 3] = static_cast<uint8_t>(p >> 24);
    }
    FilterRow(row, prev, n, best.data(), trial.data());
    deflater.Add(best.data(), n + 1, y + 1 == bmp.Height(), compressed);
  }

  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  uint8_t header[13];
  const auto w = static_cast<uint32_t>(bmp.Width()), h = static_cast<uint32_t>(bmp.Height());
  for (int i = 0; i < 4; ++i) {
    header[i] = static_cast<uint8_t>(w >> (24 - 8 * i));
    header[4 + i] = static_cast<uint8_t>(h >> (24 - 8 * i));
  }
  header[8] = 8;   // bits per sample
  header[9] = 6;   // RGBA
  header[10] = header[11] = header[12] = 0;  // deflate, adaptive filtering, not interlaced
  PutChunk(out, "IHDR", header, sizeof(header));
  for (size_t pos = 0; pos < compressed.size(); pos += kMaxIdatChunk)
    PutChunk(out, "IDAT", compressed.data() + pos, std::min(kMaxIdatChunk, compressed.size() - pos));
  PutChunk(out, "IEND", nullptr, 0);
  return out;
}

void SavePng(const TBitmap32& bmp, const std::string& path) {
  namespace fs = std::filesystem;
  const std::vector<uint8_t> bytes = EncodePng(bmp);
  const fs::path target(std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
  fs::path temp = target;
  temp += ".qwtmp";
  const auto fail = [&](std::string_view why) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    throw EImageError("Cannot save image. " + std::string(why) + " " + path);
  };
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    if (!file) fail("Cannot create file");
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) fail("Cannot write file");
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) fail("Cannot replace file");
}

}  // namespace qw
