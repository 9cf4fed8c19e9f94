#include "skin/frame/dialog/DialogChildClass.h"

#include <algorithm>

namespace qw {

namespace {

using K = TDialogChildKind;

constexpr uint32_t kSbsSizeGrip = 0x10, kTcsOwnerDrawFixed = 0x2000, kTbStyleFlat = 0x800;

}  // namespace

std::u16string LowerClassName(std::u16string_view name) {
  std::u16string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; });
  return lower;
}

TDialogChild ClassifyDialogChild(std::u16string_view c, uint32_t style, bool visible) {
  if (c == u"static" || c == u"button") return {K::StdChild, {}};
  if (c == u"#32770" || c == u"shbrowseforfolder") return {K::TransPanel, u"CHECKBOX"};
  if (c == u"tpanel") return {K::Panel, u"CHECKBOX"};
  if (c == u"tsilentpaintpanel") return {K::SilentPanel, u"GROUPBOX"};
  if (c == u"edit") return visible ? TDialogChild{K::Edit, u"EDIT"} : TDialogChild{};
  if (c == u"combobox" || c == u"comboboxex32") return {K::ComboBox, u"COMBOBOX"};
  if (c == u"combolbox") return {K::ComboList, u"COMBOBOX"};
  if (c == u"scrollbar") return (style & kSbsSizeGrip) ? TDialogChild{K::Sizer, u"CHECKBOX"} : TDialogChild{};
  if (c == u"systabcontrol32")
    return (style & kTcsOwnerDrawFixed) ? TDialogChild{} : TDialogChild{K::TabControl, u"PAGECONTROL"};
  if (c == u"syslistview32") return {K::ListView, u"EDIT"};
  if (c == u"msctls_updown32") return {K::UpDown, u"SPEEDBUTTON_SMALL"};
  if (c == u"msctls_trackbar32") return {K::TrackBar, u"TRACKBAR"};
  if (c == u"listbox") return {K::ListBox, u"EDIT"};
  if (c == u"link window" || c == u"syslink") return {K::Link, u"CHECKBOX"};
  if (c == u"toolbarwindow32") return {K::ToolBar, (style & kTbStyleFlat) ? u"BAR" : u"CHECKBOX"};
  if (c == u"systreeview32") return {K::TreeView, u"EDIT"};
  return {};
}

}  // namespace qw
