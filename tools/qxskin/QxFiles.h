#pragma once
// Whole-file reading and writing for qxskin, with UTF-16 names on every platform.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// A file that cannot be read or written; the text names the file and the cause.
class EQxFileError : public std::runtime_error {
 public:
  explicit EQxFileError(const std::string& text) : std::runtime_error(text) {}
};

// The whole file. Throws EQxFileError.
std::vector<uint8_t> ReadWholeFile(const std::u16string& path);

// Writes the bytes to a temporary file beside `path` and then replaces `path` with it, so `path` is
// either the complete new file or untouched (an existing file is kept when anything fails).
// Throws EQxFileError.
void WriteFileReplacing(const std::u16string& path, std::string_view bytes);

}  // namespace qw
