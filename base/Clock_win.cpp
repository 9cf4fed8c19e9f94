#include <windows.h>

#include "base/Clock.h"

namespace qw {

namespace {

class TWinClock final : public TClock {
 public:
  bool QueryPerformanceCounter(int64_t& value) override {
    LARGE_INTEGER li;
    if (!::QueryPerformanceCounter(&li)) return false;
    value = li.QuadPart;
    return true;
  }
  uint32_t GetTickCount() override { return ::GetTickCount(); }
};

}  // namespace

TClock& SystemClock() {
  static TWinClock clock;
  return clock;
}

}  // namespace qw
