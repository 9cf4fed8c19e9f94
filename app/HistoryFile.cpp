#include "app/HistoryFile.h"

#include "base/TextLines.h"
#include "base/Utf.h"

namespace qw {

std::string HistoryFileBytes(std::u16string_view memoText, const TCodePageEncoder& encoder) {
  const std::u16string text = JoinLines(SplitLines(memoText));
  if (auto bytes = encoder.Encode(text)) return *bytes;
  return "\xEF\xBB\xBF" + Utf16ToUtf8(text);
}

std::u16string FileNameOfPath(std::u16string_view path) {
  const size_t cut = path.find_last_of(u"\\:");
  return std::u16string(cut == std::u16string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace qw
