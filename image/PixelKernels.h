#pragma once
// The inner loops of the bitmap primitives, one row at a time. Each loop exists as its rule written out
// pixel by pixel (the reference, which the tests hold the others to, bit for bit), as SSE2 (every x86
// build has it) and as AVX2 (used when the processor has it). The primitives clip their rectangles and
// then hand whole rows to the form chosen once for this processor; nothing here checks bounds.
// Colour channels are the B, G and R bytes of a pixel word; weights are out of 256.
#include <cstddef>
#include <cstdint>

namespace qw {

// What a row does with a source pixel equal to its key word.
enum class TKeyAction : uint8_t {
  None,   // no key test: key pixels take the row's rule like any other
  Keep,   // the destination pixel stays as it is
  Under,  // the destination takes Under's pixel of the same column, with the rule's Or bits
  Fill,   // the destination takes the word Fill
};

struct TKeyRule {
  TKeyAction Action = TKeyAction::None;
  uint32_t Key = 0x00FF00FFu;
  uint32_t Or = 0;                  // bits set in every pixel the rule writes but Fill
  const uint32_t* Under = nullptr;  // with Under: the row's pixels behind, from its first column
  uint32_t Fill = 0;
};

struct TPixelKernels {
  const char* Name;
  // d[i] = v.
  void (*Fill)(uint32_t* d, size_t n, uint32_t v);
  // out[i] = (a*d + (256 - a)*s) >> 8 per colour channel, alpha d's | orBits; a is 0..256 (the weight of
  // d). Out may be d.
  void (*Blend)(uint32_t* out, const uint32_t* d, const uint32_t* s, size_t n, uint32_t a, uint32_t orBits);
  // Pixels other than the key become s | Or.
  void (*CopyKeyed)(uint32_t* d, const uint32_t* s, size_t n, const TKeyRule& k);
  // Pixels other than the key become (w*d + (256 - w)*s) >> 8 per colour channel, w that channel of the
  // mask word m, alpha d's | Or.
  void (*MaskBlendKeyed)(uint32_t* d, const uint32_t* s, const uint32_t* m, size_t n, const TKeyRule& k);
  // A glyph through its mask: key pixels and those whose mask red is 255 are skipped; the others are
  // mask-blended as above (weights raised by 100, at most 255, when fainter) and the alpha a grows by
  // (255 - a)*(255 - mask red) >> 8.
  void (*GlyphMask)(uint32_t* d, const uint32_t* s, const uint32_t* m, size_t n, bool fainter);
  // An image with its own alpha A: per colour channel (s*A + d*(256 - A)) >> 8, alpha a + A*(255 - a)
  // div 255; key pixels per the rule (Keep or Under; None tests no key).
  void (*AlphaOver)(uint32_t* d, const uint32_t* s, size_t n, const TKeyRule& k);
  // Rendered text coverage t (black text on white) in colour c (a pixel word): every pixel whose t is
  // not white (0x00FFFFFF or 0xFFFFFFFF) becomes ((d - c)*t + c*256) >> 8 per channel, alpha 255.
  void (*Coverage)(uint32_t* d, const uint32_t* t, size_t n, uint32_t c);
};

enum class TPixelIsa { Reference, Sse2, Avx2 };

// The fastest form this processor runs, chosen on first use.
const TPixelKernels& PixelKernels();
// A given form; null when this build has none or the processor cannot run it.
const TPixelKernels* PixelKernelsFor(TPixelIsa isa);

// Every form built into the program, for the selection above (null where the build has none).
const TPixelKernels& ReferencePixelKernels();
const TPixelKernels* Sse2PixelKernels();
const TPixelKernels* Avx2PixelKernels();

}  // namespace qw
