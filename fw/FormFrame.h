#pragma once
// The form's own properties that shape its window: border and border icons, stay-on-top, the window state,
// size limits, translucency and the band inside the border; how a description writes them; and what the
// window has because of them. Portable: reading these and deriving the window's traits needs no window,
// so both are tested natively; fw/Form.h turns the traits into the system's styles.
#include <cstdint>
#include <span>
#include <string_view>

#include "fw/FormValue.h"

namespace qw {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// BorderIcons flags.
enum : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

// Limits of the window's size in pixels; 0 is no limit.
struct TSizeConstraints {
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  friend bool operator==(const TSizeConstraints&, const TSizeConstraints&) = default;
};
// A width or height held within its limits; a maximum below the minimum gives way to the minimum.
int ConstrainExtent(int value, int minimum, int maximum);

struct TFormFrame {
  TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
  unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TFormStyle FormStyle = TFormStyle::fsNormal;
  TWindowState WindowState = TWindowState::wsNormal;
  TSizeConstraints Constraints;
  // With AlphaBlend the whole window is drawn with this opacity (255 opaque).
  bool AlphaBlend = false;
  uint8_t AlphaBlendValue = 255;
  // A band of the form's colour inside the border, around the client area.
  int BorderWidth = 0;
  friend bool operator==(const TFormFrame&, const TFormFrame&) = default;
};

// What the window of a form with these properties has.
struct TFormWindowTraits {
  bool Popup = false;        // no border and no caption
  bool Caption = false;
  bool ThinBorder = false;   // a one-pixel frame (single, tool window)
  bool DialogFrame = false;  // the dialog's frame
  bool ThickFrame = false;   // sizeable
  bool ToolWindow = false;   // the small caption of a tool window, no taskbar button
  bool SystemMenu = false;
  bool MinimizeBox = false;
  bool MaximizeBox = false;
  bool ContextHelp = false;  // the help button: only where neither minimise nor maximise is shown
  bool TopMost = false;
  bool Layered = false;      // translucent
  friend bool operator==(const TFormWindowTraits&, const TFormWindowTraits&) = default;
};
TFormWindowTraits FormWindowTraits(const TFormFrame& frame);

// The names a description writes for the border styles (the edit's BorderStyle uses them too).
inline constexpr TFormName<TFormBorderStyle> kFormBorderStyleNames[] = {
    {"bsNone", TFormBorderStyle::bsNone},         {"bsSingle", TFormBorderStyle::bsSingle},
    {"bsSizeable", TFormBorderStyle::bsSizeable}, {"bsDialog", TFormBorderStyle::bsDialog},
    {"bsToolWindow", TFormBorderStyle::bsToolWindow}, {"bsSizeToolWin", TFormBorderStyle::bsSizeToolWin}};

// A property of the frame as a description writes it, and how its value is read into a frame. Every
// reader throws EFormLoadError naming the value's line for a value of the wrong kind or out of range.
struct TFormFrameProperty {
  std::string_view Name;
  void (*Read)(TFormFrame& frame, const TFormValue& value);
};
std::span<const TFormFrameProperty> FormFrameProperties();

}  // namespace qw
