#include "base/SpinValue.h"

#include <algorithm>
#include <limits>

#include "base/IntParse.h"

namespace qw {

namespace {

constexpr char16_t kBackspace = 8, kTab = 9, kReturn = 13, kEscape = 27;
// The edit's own command keys arrive as control characters: select all, copy, paste, cut, undo.
constexpr char16_t kSelectAll = 1, kCopy = 3, kPaste = 22, kCut = 24, kUndo = 26;

std::u16string Decimal(int32_t value) {
  const std::string s = std::to_string(value);
  return std::u16string(s.begin(), s.end());
}

}  // namespace

int32_t ClampSpinValue(const TSpinLimits& limits, int64_t value) {
  int64_t r = value;
  if (value < 0 && !limits.AllowNegative) r = std::max<int64_t>(0, limits.MinValue);
  if (!(limits.MinValue == 0 && limits.MaxValue == 0)) {
    if (limits.MinValue > value) return limits.MinValue;
    if (limits.MaxValue != 0 && limits.MaxValue < value) return limits.MaxValue;
  }
  r = std::clamp<int64_t>(r, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
  return static_cast<int32_t>(r);
}

int32_t WrittenSpinValue(const TSpinLimits& limits, int64_t value) {
  if (value < 0 && !limits.AllowNegative) value = std::max<int64_t>(0, limits.MinValue);
  return ClampSpinValue(limits, value);
}

int32_t SpinTextValue(std::u16string_view text, int32_t minValue) {
  if (text.empty()) return 0;
  if (auto v = TryStrToInt(text)) return *v;
  return minValue;
}

int64_t WheelStepChange(int32_t delta, int32_t increment) {
  return static_cast<int64_t>(delta / 120) * increment;
}

TSpinCharVerdict SpinCharVerdict(char16_t ch, const TSpinTyping& t) {
  switch (ch) {
    case kBackspace:
    case kEscape:
      return TSpinCharVerdict::Insert;
    case kTab:
    case kReturn:
      return TSpinCharVerdict::Swallow;
    case kSelectAll:
    case kCopy:
    case kPaste:
    case kCut:
    case kUndo:
      // Paste and cut keep their own rules (the editor must be enabled; the text must stay a number).
      return TSpinCharVerdict::Insert;
    default:
      break;
  }
  if (ch == u'-') {
    if (!t.Limits.AllowNegative) return TSpinCharVerdict::Refuse;
    const bool hasMinus = t.Text.find(u'-') != std::u16string_view::npos;
    const size_t selLength = t.SelEnd > t.SelStart ? t.SelEnd - t.SelStart : 0;
    const bool atFront = (!hasMinus && t.SelStart == 0) || (hasMinus && t.SelStart == 0 && selLength + 1 >= t.Text.size());
    return atFront && t.Limits.MinValue <= 0 ? TSpinCharVerdict::Insert : TSpinCharVerdict::Refuse;
  }
  if (t.EditorEnabled && ch >= u'0' && ch <= u'9') return TSpinCharVerdict::Insert;
  return TSpinCharVerdict::Refuse;
}

std::u16string SpinTextOnExit(std::u16string_view text, const TSpinLimits& limits) {
  const bool loneMinus = text == u"-" || text == u"-0";
  const int32_t v = loneMinus ? 0 : SpinTextValue(text, limits.MinValue);
  if (ClampSpinValue(limits, v) != v) return Decimal(WrittenSpinValue(limits, v));
  return loneMinus ? Decimal(0) : std::u16string(text);
}

}  // namespace qw
