#pragma once
// JPEG files made by the library itself, for the tests that decode them.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace qw::test {

// Encodes width x height samples of `components` channels with the library itself.
inline std::vector<uint8_t> EncodeJpeg(int width, int height, J_COLOR_SPACE space, int components,
                                       const std::function<void(int x, int y, uint8_t* px)>& sample,
                                       bool adobeMarker = true, int quality = 100) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&c, &out, &outSize);
  c.image_width = static_cast<JDIMENSION>(width);
  c.image_height = static_cast<JDIMENSION>(height);
  c.input_components = components;
  c.in_color_space = space;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, quality, TRUE);
  if (space == JCS_CMYK) {
    jpeg_set_colorspace(&c, JCS_CMYK);
    c.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
  }
  jpeg_start_compress(&c, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(width * components));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) sample(x, y, &row[static_cast<size_t>(x * components)]);
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  std::vector<uint8_t> bytes(out, out + outSize);
  jpeg_destroy_compress(&c);
  std::free(out);
  return bytes;
}

}  // namespace qw::test
