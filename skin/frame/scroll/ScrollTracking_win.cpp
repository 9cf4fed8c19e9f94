#include "skin/frame/scroll/ScrollTracking_win.h"

namespace qw {

namespace {

TScrollInput& SystemInput() {
  static TScrollInput input;
  return input;
}

TScrollInput* GInput = nullptr;

}  // namespace

TScrollTracking& ScrollTracking() {
  static TScrollTracking tracking;
  return tracking;
}

TScrollInput& ScrollInput() { return GInput ? *GInput : SystemInput(); }

TScrollInput* SetScrollInput(TScrollInput* input) {
  TScrollInput* old = GInput;
  GInput = input;
  return old;
}

}  // namespace qw
