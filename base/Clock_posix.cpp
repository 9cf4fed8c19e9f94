#include <time.h>

#include "base/Clock.h"

namespace qw {

namespace {

class TPosixClock final : public TClock {
 public:
  bool QueryPerformanceCounter(int64_t& value) override {
    timespec ts{};
    if (clock_gettime(CLOCK_MONOTONIC, &ts) != 0) return false;
    value = static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
    return true;
  }
  uint32_t GetTickCount() override {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000);
  }
};

}  // namespace

TClock& SystemClock() {
  static TPosixClock clock;
  return clock;
}

}  // namespace qw
