#pragma once
// TqxTrackWnd: the wrapper of a trackbar (a slider in a system dialog). The wrapper paints the whole
// control: its section (by default "TRACKBAR"; the parent's background alone when the skin has none),
// the channel as an "EDIT" item, the thumb as a "BUTTON" item (hot under the mouse, pressed while
// dragged) and the tick marks in the skin's text colour. Where the channel, the thumb and the ticks lie
// is the system's answer, so the control keeps its own geometry and input.
#include "skin/controls/SectionWnd_win.h"

namespace qw {

class TqxTrackWnd : public TqxSectionWnd {
 public:
  TqxTrackWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
      : TqxSectionWnd(wnd, section, manager, skinData, u"TRACKBAR") {}
  const char* ClassName() const override { return "TqxTrackWnd"; }

  void qxWndProc(TMessage& message) override;
  // The background: the section over the parent's background, or that background alone.
  bool PrepareCache() override;
  // The thumb's look now: 0 normal, 1 under the mouse, 2 dragged.
  int ThumbState() const;

 private:
  bool Paints() const;
  void WMPaint(TMessage& message, HDC given);
  void PaintTicks(TBitmap32& bmp, const RECT& channel, const RECT& thumb, TColor color);
  void RepaintOnChange(TMessage& message);
  int FThumbState = 0;
};

}  // namespace qw
