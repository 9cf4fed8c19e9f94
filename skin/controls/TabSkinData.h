#pragma once
// What a page of a skinned page control stores about its own look: a section that paints its page area
// in place of the page control's (empty: the page control's), and whether the programmer's colour and
// font are kept.
#include <string>
#include <string_view>

namespace qw {

class TsTabSkinData {
 public:
  bool CustomColor = false;
  bool CustomFont = false;
  const std::u16string& SkinSection() const { return FSkinSection; }
  // Section names are kept in upper case, as the skin names them.
  void SetSkinSection(std::u16string_view name);

 private:
  std::u16string FSkinSection;
};

}  // namespace qw
