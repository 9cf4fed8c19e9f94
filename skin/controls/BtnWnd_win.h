#pragma once
// TqxBtnWnd: the wrapper of a standard push button the engine does not own (a system dialog's button,
// or a framework button named in the manager's button list). The button keeps its behaviour (clicks,
// Space and Enter, the default role); the wrapper paints it from the skin's "BUTTON" section in the
// look of its state (pressed, hot under the mouse or with the focus, the default button's look, normal),
// with the caption in the section's colours and the dotted focus frame, and fades between looks as the
// skinned button does when the window has a framework control. Buttons with a glyph derive from it.
#include "skin/controls/WndWrapper_win.h"
#include "skin/controls/BitBtnLayout.h"
#include "skin/core/FadeTimer_win.h"

namespace qw {

class TBitmap32;
class TCanvas;

class TqxBtnWnd : public TqxMainWnd {
 public:
  // DlgMode: the button belongs to a system dialog being skinned.
  TqxBtnWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
            bool dlgMode = false);
  ~TqxBtnWnd() override;
  const char* ClassName() const override { return "TqxBtnWnd"; }

  void qxWndProc(TMessage& message) override;
  // Rebuilds the picture of the current state: section, caption, glyph, disabled look.
  bool PrepareCache() override;

  // The state the button shows: pressed while down, normal when disabled, hot with the focus or the
  // mouse, the default look (hot in sections with fewer than four looks) for the default button.
  int CurrentState() const;
  // The window's style bits.
  uint32_t CtrlStyle() const;
  // The system button reports itself pushed.
  bool Down() const;
  // Paints the window now.
  void Repaint();

 protected:
  std::u16string_view DefaultSection() const override;
  void ControlGoing() override { StopFade(FFade); }
  // The caption's rectangle for a measured caption.
  virtual TRect CaptionRect(TItemSize text) const;
  // The widest the caption is measured at.
  virtual int MaxCaptionWidth() const;
  virtual TItemSize GlyphSize() const { return TItemSize{}; }
  virtual void DrawGlyph(TBitmap32& cache, int state);
  // The caption measured in the canvas's font.
  TItemSize TextRectSize(TCanvas& canvas) const;
  void DrawCaption(TBitmap32& cache, int state);
  // Selects the caption's font: the framework control's, else the window's own.
  void SelectCaptionFont(TCanvas& canvas) const;
  std::wstring_view CaptionText() const { return Caption; }

  TItemSize FTextSize;  // the caption as measured for the last picture

 private:
  void SkinCommand(TMessage& message);
  void SkcMouseEnter(TMessage& message);
  void SkcMouseLeave(TMessage& message);
  void WMPaint(TMessage& message, HDC dc);
  void WMMove(TMessage& message);
  void WMFocus(TMessage& message, bool gained);
  void WMRedrawAfter(TMessage& message);
  void WMMouseMove(TMessage& message, POINT pt);
  void WMMouseLeave(TMessage& message);
  // Runs the window's own handling with its drawing suspended (it would paint the system's look).
  void CallPrevSilently(TMessage& message);
  // Shows the look of the current state: faded where the skinned button would fade, else at once.
  void ShowNewLook(TqxAnimatEvent event);
  bool CursorInside() const;

  TFadeSlot FFade;
};

}  // namespace qw
