#include "fw/FormFrame.h"

#include <algorithm>
#include <string>

namespace qw {

namespace {

constexpr TFormName<unsigned> kBorderIconNames[] = {
    {"biSystemMenu", biSystemMenu}, {"biMinimize", biMinimize}, {"biMaximize", biMaximize}, {"biHelp", biHelp}};
constexpr TFormName<TFormStyle> kFormStyleNames[] = {{"fsNormal", TFormStyle::fsNormal},
                                                     {"fsStayOnTop", TFormStyle::fsStayOnTop}};
constexpr TFormName<TWindowState> kWindowStateNames[] = {{"wsNormal", TWindowState::wsNormal},
                                                         {"wsMinimized", TWindowState::wsMinimized},
                                                         {"wsMaximized", TWindowState::wsMaximized}};

// A size or width: any 32-bit integer that is not negative.
int ReadExtent(const TFormValue& v, std::string_view what) {
  const int32_t value = FormInt(v);
  if (value < 0) FailFormLine(v.Line, std::string(what) + " must not be negative");
  return value;
}

constexpr TFormFrameProperty kProperties[] = {
    {"BorderStyle", [](TFormFrame& f, const TFormValue& v) { f.BorderStyle = FormEnum(v, kFormBorderStyleNames, "border style"); }},
    {"BorderIcons", [](TFormFrame& f, const TFormValue& v) { f.BorderIcons = FormFlags(v, kBorderIconNames, "border icon"); }},
    {"FormStyle", [](TFormFrame& f, const TFormValue& v) { f.FormStyle = FormEnum(v, kFormStyleNames, "form style"); }},
    {"WindowState", [](TFormFrame& f, const TFormValue& v) { f.WindowState = FormEnum(v, kWindowStateNames, "window state"); }},
    {"Constraints.MinWidth", [](TFormFrame& f, const TFormValue& v) { f.Constraints.MinWidth = ReadExtent(v, "MinWidth"); }},
    {"Constraints.MinHeight", [](TFormFrame& f, const TFormValue& v) { f.Constraints.MinHeight = ReadExtent(v, "MinHeight"); }},
    {"Constraints.MaxWidth", [](TFormFrame& f, const TFormValue& v) { f.Constraints.MaxWidth = ReadExtent(v, "MaxWidth"); }},
    {"Constraints.MaxHeight", [](TFormFrame& f, const TFormValue& v) { f.Constraints.MaxHeight = ReadExtent(v, "MaxHeight"); }},
    {"AlphaBlend", [](TFormFrame& f, const TFormValue& v) { f.AlphaBlend = FormBool(v); }},
    {"AlphaBlendValue",
     [](TFormFrame& f, const TFormValue& v) {
       const int32_t value = FormInt(v);
       if (value < 0 || value > 255) FailFormLine(v.Line, "AlphaBlendValue must be 0 to 255");
       f.AlphaBlendValue = static_cast<uint8_t>(value);
     }},
    {"BorderWidth", [](TFormFrame& f, const TFormValue& v) { f.BorderWidth = ReadExtent(v, "BorderWidth"); }},
};

}  // namespace

int ConstrainExtent(int value, int minimum, int maximum) {
  if (maximum > 0) value = std::min(value, maximum);
  if (minimum > 0) value = std::max(value, minimum);
  return value;
}

TFormWindowTraits FormWindowTraits(const TFormFrame& frame) {
  TFormWindowTraits t;
  using B = TFormBorderStyle;
  const B border = frame.BorderStyle;
  t.Popup = border == B::bsNone;
  t.Caption = !t.Popup;
  t.ThinBorder = border == B::bsSingle || border == B::bsToolWindow;
  t.DialogFrame = border == B::bsDialog;
  t.ThickFrame = border == B::bsSizeable || border == B::bsSizeToolWin;
  t.ToolWindow = border == B::bsToolWindow || border == B::bsSizeToolWin;
  t.SystemMenu = !t.Popup && (frame.BorderIcons & biSystemMenu) != 0;
  // Dialogs and tool windows have no room for the minimise and maximise buttons.
  const bool boxes = t.SystemMenu && !t.DialogFrame && !t.ToolWindow;
  t.MinimizeBox = boxes && (frame.BorderIcons & biMinimize) != 0;
  t.MaximizeBox = boxes && (frame.BorderIcons & biMaximize) != 0;
  // The system shows the help button only on a caption without those two.
  t.ContextHelp = t.SystemMenu && (frame.BorderIcons & biHelp) != 0 && !t.MinimizeBox && !t.MaximizeBox;
  t.TopMost = frame.FormStyle == TFormStyle::fsStayOnTop;
  t.Layered = frame.AlphaBlend;
  return t;
}

std::span<const TFormFrameProperty> FormFrameProperties() { return kProperties; }

}  // namespace qw
