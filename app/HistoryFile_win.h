#pragma once
// Writing the history file on Windows.
#include <string>

#include "app/HistoryFile.h"

namespace qw {

// The system's ANSI code page, refusing text with characters it lacks (no best-fit substitutes).
class TAnsiCodePageEncoder final : public TCodePageEncoder {
 public:
  std::optional<std::string> Encode(std::u16string_view text) const override;
};

// Replaces the file at `path` with `bytes` in one step: the bytes go to a temporary file beside it,
// which then takes the file's place. On any failure the old file is untouched, the temporary file is
// removed and std::runtime_error is thrown.
void ReplaceFileAtomically(const std::wstring& path, const std::string& bytes);

}  // namespace qw
