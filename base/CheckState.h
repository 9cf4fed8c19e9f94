#pragma once
// The three states of a check box and the order a click walks through them.
#include <cstdint>

namespace qw {

enum TCheckBoxState : uint8_t { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };

// The state a click leaves: unchecked becomes checked (grayed first when the box allows it), checked
// becomes unchecked and grayed becomes checked.
constexpr TCheckBoxState ToggledCheckState(TCheckBoxState state, bool allowGrayed) {
  switch (state) {
    case cbUnchecked:
      return allowGrayed ? cbGrayed : cbChecked;
    case cbChecked:
      return cbUnchecked;
    default:
      return cbChecked;
  }
}

}  // namespace qw
