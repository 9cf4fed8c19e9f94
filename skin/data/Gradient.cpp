#include <algorithm>

#include "skin/data/SkinDescription.h"
#include "skin/data/SkinTables.h"

namespace qw {

TsGradArray ParseGradient(std::u16string_view text) {
  std::vector<std::u16string_view> words;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(u';', pos);
    if (end == std::u16string_view::npos) end = text.size();
    if (end > pos) words.push_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  TsGradArray bands(words.size() / 5);
  for (size_t b = 0; b < bands.size(); ++b) {
    const std::u16string_view* w = &words[5 * b];
    bands[b].Color1 = static_cast<uint32_t>(std::max(0, StrictInt(w[0])));
    bands[b].Color2 = static_cast<uint32_t>(std::max(0, StrictInt(w[1])));
    bands[b].Percent = std::clamp(StrictInt(w[2]), 0, 100);
    bands[b].Mode1 = StrictInt(w[3]);
  }
  return bands;
}

}  // namespace qw
