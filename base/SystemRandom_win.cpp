#include <windows.h>
#include <bcrypt.h>

#include "base/SystemProc_win.h"
#include "base/SystemRandom.h"

namespace qw {

bool FillSystemRandom(void* buffer, size_t size) {
  static auto* const generate = SystemProc<decltype(BCryptGenRandom)>(L"bcrypt.dll", "BCryptGenRandom");
  if (!generate) return false;
  auto* p = static_cast<unsigned char*>(buffer);
  while (size > 0) {
    const ULONG chunk = size > 0x10000000 ? 0x10000000 : static_cast<ULONG>(size);
    if (!BCRYPT_SUCCESS(generate(nullptr, p, chunk, BCRYPT_USE_SYSTEM_PREFERRED_RNG))) return false;
    p += chunk;
    size -= chunk;
  }
  return true;
}

}  // namespace qw
