#include "skin/controls/TabSkinData.h"

namespace qw {

void TsTabSkinData::SetSkinSection(std::u16string_view name) {
  FSkinSection.assign(name);
  for (char16_t& c : FSkinSection)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
}

}  // namespace qw
