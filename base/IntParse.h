#pragma once
// The framework's text-to-integer parsing, the rules every numeric text box of the program follows.
#include <cstdint>
#include <optional>
#include <string_view>

namespace qw {

// Parses a 32-bit integer: leading U+0020 spaces, an optional sign, then either decimal digits within the
// signed 32-bit range or a hexadecimal number after "$", "x", "X", "0x" or "0X" with at most eight
// significant digits (any bit pattern, read as two's complement; "-" negates it). The digits must run to
// the end of the text. Returns nothing for anything else.
std::optional<int32_t> TryStrToInt(std::u16string_view text);

}  // namespace qw
