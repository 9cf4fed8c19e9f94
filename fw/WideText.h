#pragma once
// The framework's texts are wide strings and the portable code's are UTF-16 strings: on Windows both
// hold the same 16-bit code units, so crossing between them is a copy.
#include <string>
#include <string_view>

namespace qw {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide strings are UTF-16 on this platform");

inline std::u16string U16(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }
inline std::wstring Wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }

}  // namespace qw
