#include "tools/artwork/ArtworkFiles.h"

#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>

namespace qw::art {

namespace {

void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
void PutBe32(std::vector<uint8_t>& b, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<uint8_t>(v >> s));
}

void Save(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), f);
  if (std::fclose(f) != 0 || written != bytes.size()) throw std::runtime_error("cannot write " + path);
}

// BITMAPINFOHEADER followed by the pixels bottom-up.
void PutDib(std::vector<uint8_t>& b, const TCanvasRgba& c, int headerHeight) {
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(c.Width()));
  Put32(b, static_cast<uint32_t>(headerHeight));
  Put16(b, 1);
  Put16(b, 32);
  Put32(b, 0);  // BI_RGB
  Put32(b, static_cast<uint32_t>(c.Width() * c.Height() * 4));
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  const std::vector<uint8_t> px = c.Bgra();
  const size_t stride = static_cast<size_t>(c.Width()) * 4;
  for (int y = c.Height() - 1; y >= 0; --y)
    b.insert(b.end(), px.begin() + static_cast<std::ptrdiff_t>(stride * static_cast<size_t>(y)),
             px.begin() + static_cast<std::ptrdiff_t>(stride * static_cast<size_t>(y + 1)));
}

void PngChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  PutBe32(out, static_cast<uint32_t>(data.size()));
  std::vector<uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  PutBe32(out, static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

}  // namespace

void WriteBmp32(const std::string& path, const TCanvasRgba& c) {
  std::vector<uint8_t> b{'B', 'M'};
  Put32(b, static_cast<uint32_t>(54 + c.Width() * c.Height() * 4));
  Put32(b, 0);
  Put32(b, 54);
  PutDib(b, c, c.Height());
  Save(path, b);
}

void WriteIco(const std::string& path, const TCanvasRgba& c) {
  const uint32_t maskStride = static_cast<uint32_t>((c.Width() + 31) / 32 * 4);
  const uint32_t imageSize = 40 + static_cast<uint32_t>(c.Width() * c.Height() * 4) + maskStride * static_cast<uint32_t>(c.Height());
  std::vector<uint8_t> b;
  Put16(b, 0);
  Put16(b, 1);  // icon
  Put16(b, 1);  // one image
  b.push_back(static_cast<uint8_t>(c.Width()));
  b.push_back(static_cast<uint8_t>(c.Height()));
  b.push_back(0);
  b.push_back(0);
  Put16(b, 1);
  Put16(b, 32);
  Put32(b, imageSize);
  Put32(b, 22);
  PutDib(b, c, c.Height() * 2);
  // The AND mask: set where the icon is fully transparent.
  for (int y = c.Height() - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < c.Width(); ++x)
      if (c.At(x, y).A <= 0.0f) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
    b.insert(b.end(), row.begin(), row.end());
  }
  Save(path, b);
}

void WritePng(const std::string& path, const TCanvasRgba& c) {
  const std::vector<uint8_t> bgra = c.Bgra();
  std::vector<uint8_t> raw;
  for (int y = 0; y < c.Height(); ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < c.Width(); ++x) {
      const uint8_t* p = &bgra[(static_cast<size_t>(y) * static_cast<size_t>(c.Width()) + static_cast<size_t>(x)) * 4];
      raw.insert(raw.end(), {p[2], p[1], p[0], p[3]});
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
    throw std::runtime_error("deflate failed");
  packed.resize(packedSize);
  std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  PutBe32(ihdr, static_cast<uint32_t>(c.Width()));
  PutBe32(ihdr, static_cast<uint32_t>(c.Height()));
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, no interlace
  PngChunk(out, "IHDR", ihdr);
  PngChunk(out, "IDAT", packed);
  PngChunk(out, "IEND", {});
  Save(path, out);
}

void WriteJpeg(const std::string& path, const TCanvasRgba& c, int quality) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  jpeg_compress_struct info{};
  jpeg_error_mgr err{};
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, f);
  info.image_width = static_cast<JDIMENSION>(c.Width());
  info.image_height = static_cast<JDIMENSION>(c.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  const std::vector<uint8_t> bgra = c.Bgra();
  std::vector<uint8_t> row(static_cast<size_t>(c.Width()) * 3);
  while (info.next_scanline < info.image_height) {
    const uint8_t* src = &bgra[static_cast<size_t>(info.next_scanline) * static_cast<size_t>(c.Width()) * 4];
    for (int x = 0; x < c.Width(); ++x) {
      row[static_cast<size_t>(x) * 3] = src[x * 4 + 2];
      row[static_cast<size_t>(x) * 3 + 1] = src[x * 4 + 1];
      row[static_cast<size_t>(x) * 3 + 2] = src[x * 4];
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(f);
}

void WriteCursor(const std::string& path, const std::vector<std::string>& rows, int hotX, int hotY) {
  std::vector<uint8_t> b;
  Put16(b, 0);
  Put16(b, 2);  // cursor
  Put16(b, 1);
  b.insert(b.end(), {32, 32, 2, 0});
  Put16(b, static_cast<uint32_t>(hotX));
  Put16(b, static_cast<uint32_t>(hotY));
  const uint32_t size = 40 + 8 + 128 + 128;
  Put32(b, size);
  Put32(b, 22);
  Put32(b, 40);
  Put32(b, 32);
  Put32(b, 64);
  Put16(b, 1);
  Put16(b, 1);
  Put32(b, 0);
  Put32(b, 256);
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, 2);
  Put32(b, 0);
  Put32(b, 0x000000);  // palette: black, white
  Put32(b, 0xFFFFFF);
  auto cell = [&](int x, int y) -> char {
    if (y >= static_cast<int>(rows.size()) || x >= static_cast<int>(rows[static_cast<size_t>(y)].size())) return ' ';
    return rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
  };
  for (int pass = 0; pass < 2; ++pass) {  // XOR (colour) rows, then AND (transparency) rows, bottom-up
    for (int y = 31; y >= 0; --y) {
      uint8_t row[4] = {0, 0, 0, 0};
      for (int x = 0; x < 32; ++x) {
        const char ch = cell(x, y);
        const bool bit = pass == 0 ? ch == '.' : (ch != '#' && ch != '.');
        if (bit) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
      }
      b.insert(b.end(), row, row + 4);
    }
  }
  Save(path, b);
}

}  // namespace qw::art
