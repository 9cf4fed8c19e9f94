#pragma once
// The frame tests' windows: Wine 8's metrics here, and the generator window (a 441 x 407 client area in
// a single border with only the system menu) with its state.
#include "skin/frame/SysMenuRules.h"

namespace qw {

inline constexpr TFrameMetrics kWineMetrics{4, 3, 19, 16, 16, 16};

inline TFrameWindow Window(uint32_t style, TqxBorderStyle borderStyle, TSize size, TSize client) {
  TFrameWindow w;
  w.Style = style, w.BorderStyle = borderStyle, w.Width = size.Width, w.Height = size.Height;
  w.ClientWidth = client.Width, w.ClientHeight = client.Height;
  return w;
}
inline TFrameWindow GeneratorWindow() { return Window(kWsCaption | kWsSysMenu, qxbsSingle, {447, 432}, {441, 407}); }
inline TFormState GeneratorFormState() {
  TFormState s;
  s.BorderStyle = qxbsSingle, s.BorderIcons = kBiSystemMenu;
  s.HaveSysMenu = s.SysMenuHasClose = s.MainForm = s.MainFormOnTaskBar = true;
  return s;
}

}  // namespace qw
