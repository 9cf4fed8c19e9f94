#pragma once
// Text kept as lines separated by CR LF, the way multi-line text boxes hold it.
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// The text after appending one line as a list of lines does: when the text is empty or ends with a
// line break, `line` + CR LF is added; otherwise CR LF + `line`.
std::u16string AppendLine(std::u16string_view text, std::u16string_view line);

// The text's lines as separated by CR LF (a lone CR or LF also ends a line). A final line break does
// not start another line, so "a\r\nb\r\n" and "a\r\nb" both give {"a", "b"} and "" gives {}.
std::vector<std::u16string> SplitLines(std::u16string_view text);

// The lines joined back, each one followed by CR LF.
std::u16string JoinLines(const std::vector<std::u16string>& lines);

}  // namespace qw
