#include "image/PixelKernels.h"

#include <initializer_list>

namespace qw {

namespace {

bool ProcessorHasAvx2() {
#if defined(__SSE2__) && !defined(_WIN32)
  __builtin_cpu_init();  // may run before the library's own constructor
  return __builtin_cpu_supports("avx2");
#else
  // Windows: the toolchain cannot align 32-byte stack slots under the Windows x64 unwinding rules, so a
  // spilled AVX register could fault; the SSE2 rows run there.
  return false;
#endif
}

}  // namespace

const TPixelKernels* PixelKernelsFor(TPixelIsa isa) {
  switch (isa) {
    case TPixelIsa::Reference: return &ReferencePixelKernels();
    case TPixelIsa::Sse2: return Sse2PixelKernels();
    case TPixelIsa::Avx2: return ProcessorHasAvx2() ? Avx2PixelKernels() : nullptr;
  }
  return nullptr;
}

const TPixelKernels& PixelKernels() {
  static const TPixelKernels& chosen = [] () -> const TPixelKernels& {
    for (TPixelIsa isa : {TPixelIsa::Avx2, TPixelIsa::Sse2})
      if (const TPixelKernels* k = PixelKernelsFor(isa)) return *k;
    return ReferencePixelKernels();
  }();
  return chosen;
}

}  // namespace qw
