#pragma once
// The integer rules of a spin edit, kept apart from any window: how its text reads as a value, how a value
// is kept within the limits, which typed characters it takes and what its text becomes when the focus
// leaves it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qw {

struct TSpinLimits {
  int32_t MinValue = 0;
  int32_t MaxValue = 0;
  bool AllowNegative = true;
};

// The value kept within the limits. MinValue = MaxValue = 0 means no limits, MaxValue 0 no upper one;
// both tests look at the value as given, a negative value without AllowNegative becomes max(0, MinValue)
// otherwise. Steps and wheel turns are summed in 64 bits, so the result is also kept within 32 bits.
int32_t ClampSpinValue(const TSpinLimits& limits, int64_t value);

// The value a written value leaves in the text: the negative rule first, then the clamp.
int32_t WrittenSpinValue(const TSpinLimits& limits, int64_t value);

// The value a text stands for: 0 when empty, the number when it is a 32-bit integer, MinValue otherwise.
int32_t SpinTextValue(std::u16string_view text, int32_t minValue);

// The change a wheel turn of Delta (120 a notch, partial notches dropped) makes with Increment.
int64_t WheelStepChange(int32_t delta, int32_t increment);

// What becomes of a typed character.
enum class TSpinCharVerdict {
  Insert,   // passed on to the edit
  Swallow,  // dropped without complaint (Tab, Enter: the edit would beep)
  Refuse,   // dropped with a beep
};

struct TSpinTyping {
  std::u16string_view Text;
  size_t SelStart = 0;
  size_t SelEnd = 0;
  TSpinLimits Limits;
  bool EditorEnabled = true;
};

// Digits (with the editor enabled), a leading minus where negatives may be typed, Backspace, Escape and the
// edit's clipboard and undo keys pass; Tab and Enter are swallowed. Every other character is refused:
// letters of any alphabet, and control characters that would leave a line break or unprintable text.
TSpinCharVerdict SpinCharVerdict(char16_t ch, const TSpinTyping& typing);

// The text left when the focus goes: a lone "-" or "-0" becomes "0", and a value outside the limits
// becomes the clamped value's text. A text that does not read as a number stays as it is.
std::u16string SpinTextOnExit(std::u16string_view text, const TSpinLimits& limits);

}  // namespace qw
