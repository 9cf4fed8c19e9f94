#include "base/IntParse.h"

namespace qw {

namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

}  // namespace

std::optional<int32_t> TryStrToInt(std::u16string_view t) {
  size_t i = 0;
  while (i < t.size() && t[i] == u' ') ++i;
  bool negative = false;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
    negative = t[i] == u'-';
    ++i;
  }
  bool hex = false;
  if (i < t.size() && (t[i] == u'$' || t[i] == u'x' || t[i] == u'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < t.size() && t[i] == u'0' && (t[i + 1] == u'x' || t[i + 1] == u'X')) {
    hex = true;
    i += 2;
  }
  if (i >= t.size()) return std::nullopt;  // a sign or prefix without digits

  if (hex) {
    uint32_t value = 0;
    int significant = 0;
    for (; i < t.size(); ++i) {
      const int d = HexDigit(t[i]);
      if (d < 0) return std::nullopt;
      if (significant > 0 || d != 0) {
        if (++significant > 8) return std::nullopt;
      }
      value = (value << 4) | static_cast<uint32_t>(d);
    }
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
  }

  // Decimal: accumulate the magnitude in 64 bits; the limit depends on the sign.
  const uint64_t limit = negative ? 2147483648ull : 2147483647ull;
  uint64_t magnitude = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < u'0' || t[i] > u'9') return std::nullopt;
    magnitude = magnitude * 10 + static_cast<uint64_t>(t[i] - u'0');
    if (magnitude > limit) return std::nullopt;
  }
  const int64_t v = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  return static_cast<int32_t>(v);
}

}  // namespace qw
