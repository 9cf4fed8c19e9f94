#pragma once
// Cryptographically secure random bytes from the operating system.
#include <cstddef>

namespace qw {

// Fills `size` bytes from the system CSPRNG. Returns false only when the system refuses; the caller must
// then not fall back to anything weaker.
bool FillSystemRandom(void* buffer, size_t size);

}  // namespace qw
