#include "base/TextLines.h"

namespace qw {

std::u16string AppendLine(std::u16string_view text, std::u16string_view line) {
  std::u16string result(text);
  if (text.empty() || text.back() == u'\n' || text.back() == u'\r') {
    result += line;
    result += u"\r\n";
  } else {
    result += u"\r\n";
    result += line;
  }
  return result;
}

std::vector<std::u16string> SplitLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::u16string JoinLines(const std::vector<std::u16string>& lines) {
  std::u16string result;
  for (const auto& line : lines) {
    result += line;
    result += u"\r\n";
  }
  return result;
}

}  // namespace qw
