#include "skin/frame/menu/SysMenuLayout.h"

namespace qw {

namespace {

constexpr size_t kSkinsPerColumn = 20;
constexpr std::u16string_view kInternalMark = u"(internal)";

}  // namespace

TqxBorderStyle QxBorderStyleOf(TFormBorderStyle style) {
  switch (style) {
    case TFormBorderStyle::bsNone: return qxbsNone;
    case TFormBorderStyle::bsSingle: return qxbsSingle;
    case TFormBorderStyle::bsDialog: return qxbsDialog;
    case TFormBorderStyle::bsToolWindow: return qxbsToolWindow;
    case TFormBorderStyle::bsSizeToolWin: return qxbsSizeToolWin;
    default: return qxbsSizeable;
  }
}

std::array<TSysMenuItemState, smCommandCount> SysMenuItemStates(const TSysMenuRules& r) {
  std::array<TSysMenuItemState, smCommandCount> s;
  s[smRestore] = {r.VisibleRestore, r.EnabledRestore};
  s[smMove] = {true, r.EnabledMove};
  s[smSize] = {r.VisibleSize, r.EnabledSize};
  s[smMinimize] = {r.VisibleMin, r.EnabledMin};
  s[smMaximize] = {r.VisibleMax, r.EnabledMax};
  s[smClose] = {r.VisibleClose, true};
  return s;
}

std::vector<TSkinChoice> SkinMenuChoices(const std::vector<std::u16string>& names, std::u16string_view current) {
  std::vector<TSkinChoice> choices;
  choices.reserve(names.size());
  for (size_t i = 0; i < names.size(); ++i)
    choices.push_back({names[i], names[i] == current, i > 0 && i % kSkinsPerColumn == 0});
  return choices;
}

std::u16string SkinNameOfChoice(std::u16string_view caption) {
  std::u16string name;
  for (char16_t c : caption)
    if (c != u'&') name += c;
  if (const size_t at = name.find(kInternalMark); at != std::u16string::npos) name.resize(at + kInternalMark.size());
  return name;
}

}  // namespace qw
