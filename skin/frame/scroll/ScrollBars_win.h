#pragma once
// The skinned scroll bars of one window. The window keeps its scroll state in the system (range, page
// and position are still set and read with the system's calls, and the window still gets WM_VSCROLL and
// WM_HSCROLL), but the space of the bars is taken from its client area here, they are painted from the
// skin, and hit tests, arrow repeat, paging, thumb dragging and hot tracking are done here.
//
// The wrapper in front of the window (TqxScrollWnd) hands the messages below to this object; what it
// needs of the wrapper comes through TScrollBarHost.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "fw/Messages.h"
#include "skin/frame/scroll/ScrollBar_win.h"

namespace qw {

class TqxScrollBarAccess;
class TsCommonData;
class TsSkinManager;

class TScrollBarHost {
 public:
  virtual HWND ScrollWindowHandle() const = 0;
  // The handler behind the wrapper.
  virtual void CallPreviousHandler(TMessage& message) = 0;
  virtual TsSkinManager* ScrollManager() const = 0;
  virtual TsCommonData* ScrollSkinData() const = 0;
  // Set while the engine itself sends scroll messages: the wrapper then leaves the bars alone.
  virtual bool& DontRepaintFlag() = 0;

 protected:
  ~TScrollBarHost() = default;
};

class TqxScrollBars {
 public:
  // Control: the window is a scroll-bar control, the whole of it one bar.
  explicit TqxScrollBars(TScrollBarHost& host, bool control = false);
  ~TqxScrollBars();
  TqxScrollBars(const TqxScrollBars&) = delete;
  TqxScrollBars& operator=(const TqxScrollBars&) = delete;

  uint16_t bars = 0;  // bit 0: horizontal, bit 1: vertical
  TqxScrollBar sBarHorz;
  TqxScrollBar sBarVert;
  bool fThumbTracking = false;
  bool fLeftScrollbar = false;
  bool bPreventStyleChange = false;
  TNonClientEdges Edges;  // the window's own border, measured at WM_NCCALCSIZE

  // Reads both bars from the system and the window's styles.
  void Initialize();

  // ---- Messages (true: handled, the result is set; false: the caller passes the message on) ----
  // The system reserves no room for its bars; the skinned ones take theirs from the client area.
  void NcCalcSize(TMessage& message);
  bool NcHitTest(TMessage& message, POINT screen);
  // Hot tracking starts when the mouse comes over a bar (the caller passes the message on).
  void NcMouseMove(UINT hitTest);
  bool NcButtonDown(TMessage& message, UINT hitTest, POINT screen);
  // Right and middle buttons do nothing on a bar.
  bool NcOtherButton(TMessage& message, UINT hitTest);
  // A press on a scroll-bar control (client coordinates).
  bool ControlButtonDown(TMessage& message, POINT client);
  bool MouseMove(TMessage& message, POINT client);
  // Ends a press or drag; the caller passes the button-up on afterwards.
  void ButtonUp();
  bool Timer(TMessage& message, UINT_PTR id);
  // The window's DC, or DC when given (window coordinates either way).
  void PaintBars(HDC dc = nullptr);
  // Re-reads both bars and, with Paint, repaints them (when the window is shown and may paint).
  void UpdateBars(bool paint);
  // The window no longer takes part in hot tracking or a press; its timers stop.
  void ReleaseTracking();
  // WM_GETOBJECT for a bar's object (a bar the window has, or a scroll-bar control's client): true with
  // the result set.
  bool AnswerObject(TMessage& message);
  // Sends the window the message bars send for Code (through skcBeforeScroll / skcAfterScroll).
  void SendScrollMessage(TqxScrollBar& bar, int code, int position);

  // ---- Geometry, in window coordinates ----
  TRect BarRect(const TqxScrollBar& bar) const;
  // The shown bar under a point, or null.
  TqxScrollBar* BarAt(POINT windowPoint);
  int PartAt(const TqxScrollBar& bar, POINT windowPoint) const;
  int ArrowLength(const TqxScrollBar& bar) const;
  POINT ToWindow(POINT screen) const;
  // The box between two shown bars, or an empty rectangle.
  TRect SizeBox() const;

 private:
  // The accessible object of a bar, made on first need.
  TqxScrollBarAccess& AccessOf(TqxScrollBar& bar);
  void PaintBar(HDC dc, TqxScrollBar& bar, bool drag);
  void PaintSizeBox(HDC dc);
  bool Press(TqxScrollBar& bar, POINT windowPoint);
  void TrackTo(POINT windowPoint);
  void RepeatStep();
  void HotTick();
  TqxScrollBar* BarOfType(int type);
  bool MayPaint() const;
  int TrackLength(const TqxScrollBar& bar) const;

  TScrollBarHost& FHost;
  bool FControl;
  std::unique_ptr<TqxScrollBarAccess> FHorzAccess, FVertAccess;
};

}  // namespace qw
