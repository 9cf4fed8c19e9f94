#pragma once
// The history file: the memo's lines written as text. The bytes are made here, portably; writing them
// to disk is HistoryFile_win.cpp's.
#include <optional>
#include <string>
#include <string_view>

namespace qw {

// Turns text into the bytes of an 8-bit code page; nothing when some character has no byte there.
class TCodePageEncoder {
 public:
  virtual ~TCodePageEncoder() = default;
  virtual std::optional<std::string> Encode(std::u16string_view text) const = 0;
};

// The file's bytes for the memo's text: every line followed by CR LF, in the code page when every
// character fits, otherwise UTF-8 after a byte-order mark so that no character is lost. Only the lines
// the text really holds count: the memo's visual wrapping never splits a password.
std::string HistoryFileBytes(std::u16string_view memoText, const TCodePageEncoder& encoder);

// The file name shown in the status line: the part after the last "\" or ":" (all of it if neither).
std::u16string FileNameOfPath(std::u16string_view path);

}  // namespace qw
