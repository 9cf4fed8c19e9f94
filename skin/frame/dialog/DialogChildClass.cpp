#include "skin/frame/dialog/DialogChildClass.h"

#include <algorithm>

namespace qw {

namespace {

using K = TDialogChildKind;

// The system's type fields and the bits the table reads.
constexpr uint32_t kButtonTypeMask = 0xF, kStaticTypeMask = 0x1F;
constexpr uint32_t kBsCheckBox = 2, kBsAutoCheckBox = 3, kBsRadioButton = 4, kBs3State = 5, kBsAuto3State = 6,
                   kBsGroupBox = 7, kBsAutoRadioButton = 9, kBsOwnerDraw = 0xB;
constexpr uint32_t kSsIcon = 3, kSsGrayRect = 5, kSsWhiteRect = 6, kSsOwnerDraw = 13, kSsBitmap = 14,
                   kSsEnhMetafile = 15;
constexpr uint32_t kWsExStaticEdge = 0x20000, kSbsSizeGrip = 0x10, kTcsOwnerDrawFixed = 0x2000,
                   kTbStyleFlat = 0x800;

TDialogChild Button(uint32_t style) {
  switch (style & kButtonTypeMask) {
    case kBsGroupBox: return {K::GroupBox, u"GROUPBOX"};
    case kBsCheckBox:
    case kBsAutoCheckBox:
    case kBsRadioButton:
    case kBs3State:
    case kBsAuto3State:
    case kBsAutoRadioButton: return {K::CheckBox, u"CHECKBOX"};
    // Its owner paints it whole: a wrapper would paint over the owner's picture.
    case kBsOwnerDraw: return {};
    default: return {K::Button, u"BUTTON"};
  }
}

TDialogChild Static(uint32_t style, uint32_t exStyle) {
  switch (style & kStaticTypeMask) {
    case kSsIcon:
    case kSsBitmap:
    case kSsEnhMetafile:
      return (exStyle & kWsExStaticEdge) ? TDialogChild{K::Edge, u"EDIT"} : TDialogChild{K::Icon, u"CHECKBOX"};
    case kSsGrayRect:
    case kSsWhiteRect:
    case kSsOwnerDraw: return {};
    default: return {K::Static, u"CHECKBOX"};
  }
}

}  // namespace

std::u16string LowerClassName(std::u16string_view name) {
  std::u16string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; });
  return lower;
}

TDialogChild ClassifyDialogChild(std::u16string_view c, uint32_t style, uint32_t exStyle, bool visible) {
  if (c == u"static") return Static(style, exStyle);
  if (c == u"button") return Button(style);
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
