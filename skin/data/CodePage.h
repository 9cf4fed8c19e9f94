#pragma once
// Text of skin files in the system's 8-bit code page: descriptions without a byte-order mark and the
// member names of packages.
#include <string>
#include <string_view>

namespace qw {

// Decodes code-page bytes (the ANSI code page on Windows, Windows-1252 elsewhere).
std::u16string CodePageToUtf16(std::string_view bytes);

}  // namespace qw
