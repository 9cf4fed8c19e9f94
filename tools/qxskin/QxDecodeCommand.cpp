// qxskin decode IMAGE OUT.pam: what the engine's decoders make of a picture, as a PAM file (the
// netpbm format with an alpha channel) that common image tools read.
// The alpha written is the alpha the file declares: a bitmap's alpha mask, or opaque for a bitmap without
// one (palette, 16-, 24- and plain 32-bit images, whose fourth byte is reserved), PNG's own, JPEG opaque.
// So an author sees the picture as the format defines it, not the transparent DIB words the engine
// starts from.
#include <string>

#include "base/Utf.h"
#include "image/ImageDecoder.h"
#include "image/ImageError.h"
#include "tools/qxskin/QxFiles.h"
#include "tools/qxskin/QxSkinCommand.h"

namespace qw {

namespace {

// RGB_ALPHA tuples with straight alpha, rows top-down.
std::string EncodePam(const TBitmap32& bmp) {
  std::string pam = "P7\nWIDTH " + std::to_string(bmp.Width()) + "\nHEIGHT " + std::to_string(bmp.Height()) +
                    "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
  const size_t header = pam.size();
  pam.resize(header + bmp.PixelCount() * 4);
  char* p = pam.data() + header;
  for (size_t i = 0; i < bmp.PixelCount(); ++i, p += 4) {
    const uint32_t v = bmp.Pixels()[i];
    p[0] = static_cast<char>(v >> 16);
    p[1] = static_cast<char>(v >> 8);
    p[2] = static_cast<char>(v);
    p[3] = static_cast<char>(v >> 24);
  }
  return pam;
}

}  // namespace

int RunDecodeCommand(TQxContext& context, const std::vector<std::u16string>& args) {
  if (args.size() != 2) return context.UsageError("decode takes an image and an output file");
  const std::u16string& input = args[0];
  const std::u16string& output = args[1];
  try {
    const std::vector<uint8_t> data = ReadWholeFile(input);
    const TBitmap32 bmp = DecodeImage(data.data(), data.size(), TBmpAlpha::Declared);
    WriteFileReplacing(output, EncodePam(bmp));
  } catch (const EImageError& e) {
    return context.Fail(Utf16ToUtf8(input) + ": " + e.what());
  } catch (const EQxFileError& e) {
    return context.Fail(e.what());
  } catch (const std::bad_alloc&) {
    return context.Fail(Utf16ToUtf8(input) + ": out of memory");
  }
  return kQxOk;
}

}  // namespace qw
