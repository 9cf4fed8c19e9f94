#include "image/JpegDecoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include "image/ImageError.h"

namespace qw {

namespace {

// Working memory libjpeg may take for one picture (progressive images keep all coefficients).
constexpr long kMaxLibraryMemory = 512L * 1024 * 1024;

// The library reports fatal errors through error_exit, which must not return: we jump back to the
// decoding function and turn the message into an exception there, outside of any libjpeg frame.
struct TJpegErrorManager {
  jpeg_error_mgr Pub;
  std::jmp_buf Jump;
  bool Truncated;
  char Message[JMSG_LENGTH_MAX];
};

extern "C" void OnJpegError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<TJpegErrorManager*>(cinfo->err);
  err->Pub.format_message(cinfo, err->Message);
  std::longjmp(err->Jump, 1);
}

// Warnings go nowhere (the library would print them on standard error), but the end of the data
// arriving before the picture is complete is remembered and treated as an error.
extern "C" void OnJpegMessage(j_common_ptr cinfo, int level) {
  auto* err = reinterpret_cast<TJpegErrorManager*>(cinfo->err);
  if (level < 0 && err->Pub.msg_code == JWRN_JPEG_EOF) err->Truncated = true;
}

extern "C" void OnJpegOutput(j_common_ptr) {}

enum class TJpegResult { Ok, LibraryError, Truncated, TooLarge };

uint8_t Mul255(unsigned a, unsigned b) { return static_cast<uint8_t>((a * b + 127) / 255); }

// Everything that touches libjpeg lives here. It holds only trivially destructible locals, so the
// long jump from the error handler skips no destructor; the bitmap and row buffer belong to the caller.
TJpegResult RunDecoder(jpeg_decompress_struct& cinfo, TJpegErrorManager& err, const uint8_t* data, size_t size,
                       uint64_t maxPixels, TBitmap32& out, std::vector<uint8_t>& rowBuffer) {
  if (setjmp(err.Jump)) return TJpegResult::LibraryError;
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMaxLibraryMemory;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  if (uint64_t{cinfo.image_width} * cinfo.image_height > std::min(maxPixels, kMaxJpegPixels)) return TJpegResult::TooLarge;

  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  // Adobe's writers store CMYK inverted and mark such files with their APP14 marker; files without it
  // hold plain CMYK.
  const bool inverted = cinfo.saw_Adobe_marker;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_start_decompress(&cinfo);

  out = TBitmap32(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
  if (cmyk) rowBuffer.resize(static_cast<size_t>(cinfo.output_width) * 4);
  while (cinfo.output_scanline < cinfo.output_height) {
    uint32_t* dst = out.Row(static_cast<int>(cinfo.output_scanline));
    JSAMPROW row = cmyk ? rowBuffer.data() : reinterpret_cast<JSAMPROW>(dst);
    jpeg_read_scanlines(&cinfo, &row, 1);
    if (err.Truncated) return TJpegResult::Truncated;
    if (cmyk) {
      const uint8_t* s = rowBuffer.data();
      for (JDIMENSION x = 0; x < cinfo.output_width; ++x, s += 4) {
        unsigned c = s[0], m = s[1], yl = s[2], k = s[3];
        if (!inverted) {
          c = 255 - c;
          m = 255 - m;
          yl = 255 - yl;
          k = 255 - k;
        }
        // Now each value is the share of light the ink lets through.
        dst[x] = 0xFF000000u | (uint32_t{Mul255(c, k)} << 16) | (uint32_t{Mul255(m, k)} << 8) | Mul255(yl, k);
      }
    }
  }
  jpeg_finish_decompress(&cinfo);
  if (err.Truncated) return TJpegResult::Truncated;
  return TJpegResult::Ok;
}

}  // namespace

bool IsJpegSignature(const uint8_t* data, size_t size) {
  return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

TBitmap32 DecodeJpeg(const uint8_t* data, size_t size, uint64_t maxPixels) {
  if (size == 0) throw EImageError("Cannot load image. JPEG file is empty.");
  if (size > 0x7FFFFFFFu) throw EImageError("Cannot load image. JPEG file is too large.");
  jpeg_decompress_struct cinfo{};
  TJpegErrorManager err{};
  cinfo.err = jpeg_std_error(&err.Pub);
  err.Pub.error_exit = OnJpegError;
  err.Pub.emit_message = OnJpegMessage;
  err.Pub.output_message = OnJpegOutput;

  TBitmap32 out;
  std::vector<uint8_t> rowBuffer;
  TJpegResult result;
  try {
    result = RunDecoder(cinfo, err, data, size, maxPixels, out, rowBuffer);
  } catch (...) {
    // Only our own allocation of the bitmap can throw in there.
    jpeg_destroy_decompress(&cinfo);
    throw;
  }
  jpeg_destroy_decompress(&cinfo);
  switch (result) {
    case TJpegResult::Ok:
      out.SourceBitCount = 24;  // no alpha of its own
      return out;
    case TJpegResult::Truncated:
      throw EImageError("Cannot load image. JPEG file is truncated.");
    case TJpegResult::TooLarge:
      throw EImageError("Cannot load image. JPEG image is too large.");
    case TJpegResult::LibraryError:
      break;
  }
  throw EImageError(std::string("Cannot load image. JPEG error: ") + err.Message);
}

}  // namespace qw
