#pragma once
// The clock readings the generator seeds from, behind an interface so tests can fix them.
#include <cstdint>

namespace qw {

class TClock {
 public:
  virtual ~TClock() = default;
  // Reads the high-resolution performance counter; false when there is none.
  virtual bool QueryPerformanceCounter(int64_t& value) = 0;
  // Milliseconds since the system started, wrapping at 2^32.
  virtual uint32_t GetTickCount() = 0;
};

// The operating system's clock (the performance counter on Windows, the monotonic clock elsewhere).
TClock& SystemClock();

}  // namespace qw
