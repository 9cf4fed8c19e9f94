#pragma once
// Conversions between the UTF-16 text the program works in and the UTF-8 of files and terminals.
#include <string>
#include <string_view>

namespace qw {

// UTF-8 to UTF-16; malformed sequences become U+FFFD, one per bad byte.
std::u16string Utf8ToUtf16(std::string_view s);
// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view s);

}  // namespace qw
