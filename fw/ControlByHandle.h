#pragma once
// The control object of every window this process made or subclassed, by handle. The window carries the
// same pointer as a property (for anything that walks windows), but reading a property is a round trip to
// the window server under Wine, and every message dispatched asks for its control: at start-up that was
// thousands of round trips. Entries come and go exactly where the property does.
#include <windows.h>

#include <unordered_map>

namespace qw {

class TWinControl;

class TControlByHandle {
 public:
  static TControlByHandle& Instance() {
    static TControlByHandle map;
    return map;
  }
  TWinControl* Find(HWND hwnd) {
    AcquireSRWLockShared(&FLock);
    const auto it = FControls.find(hwnd);
    TWinControl* control = it == FControls.end() ? nullptr : it->second;
    ReleaseSRWLockShared(&FLock);
    return control;
  }
  void Set(HWND hwnd, TWinControl* control) {
    AcquireSRWLockExclusive(&FLock);
    FControls[hwnd] = control;
    ReleaseSRWLockExclusive(&FLock);
  }
  void Erase(HWND hwnd) {
    AcquireSRWLockExclusive(&FLock);
    FControls.erase(hwnd);
    ReleaseSRWLockExclusive(&FLock);
  }

 private:
  TControlByHandle() = default;
  SRWLOCK FLock = SRWLOCK_INIT;
  std::unordered_map<HWND, TWinControl*> FControls;
};

}  // namespace qw
