#pragma once
// The arrow pair of the skinned spin edit: a small window at the edit's right edge holding two windowless
// arrow buttons that step the value, repeating while held. Skinned, it paints both arrows over the spin
// edit's own picture; without a skin it shows plain scroll arrows.
#include "skin/access/AccessHost_win.h"
#include <memory>

#include "base/Geometry.h"
#include "fw/GraphicControl.h"
#include "fw/Timer.h"
#include "fw/WinControl.h"
#include "image/Bitmap32.h"

namespace qw {

class TsSpinButton;
class TsSpinEdit;

// TimeBtnState bits.
enum : unsigned { tbFocusRect = 1, tbAllowTimer = 2 };

// One arrow. A press starts the repeat timer: it clicks once after kFirstRepeatMs and then every
// kRepeatMs while the button is held; the release over the button clicks once more.
class TsTimerSpeedButton : public TGraphicControl {
 public:
  static constexpr unsigned kFirstRepeatMs = 400;
  static constexpr unsigned kRepeatMs = 100;

  TsTimerSpeedButton(TsSpinButton& owner, bool up);
  const char* ClassName() const override { return "TsTimerSpeedButton"; }
  void WndProc(TMessage& message) override;
  void Click() override;
  void Paint(TCanvas& canvas) override;

  const bool Up;
  unsigned TimeBtnState = tbAllowTimer;
  bool IsDown() const { return FDown; }
  bool MouseAbove() const { return FMouseAbove; }
  void SetMouseAbove(bool value);
  // 2 while pressed, 1 under the mouse, else 0.
  int State() const;
  // Created on the first press.
  TTimer* RepeatTimer() const { return FRepeatTimer.get(); }
  // The picture drawn instead of the triangle (empty: the triangle); its bottom-left pixel's colour is
  // transparent.
  TBitmap32 Glyph;

 private:
  void WMLButtonDown(TMessage& message);
  void WMLButtonUp(TMessage& message);
  void RepeatTick();
  void StopRepeat();
  TsSpinButton& FOwner;
  std::unique_ptr<TTimer> FRepeatTimer;
  bool FDown = false;
  bool FMouseAbove = false;
};

class TsSpinButton : public TWinControl, public TAccessSource {
 public:
  explicit TsSpinButton(TsSpinEdit& owner);
  ~TsSpinButton() override;
  const char* ClassName() const override { return "TsSpinButton"; }
  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void DoAccessDefaultAction(int id) override;
  void WndProc(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;

  TsSpinEdit& Owner() const { return FOwner; }
  TsTimerSpeedButton& UpButton() { return *FUpButton; }
  TsTimerSpeedButton& DownButton() { return *FDownButton; }
  // The arrow that shows the focus rectangle while the pair itself has the focus.
  TsTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
  void SetFocusedButton(TsTimerSpeedButton* button) { FFocusedButton = button; }
  void Loaded() override;

  // The arrows' own pictures (empty by default: the triangles).
  const TBitmap32& UpGlyph() const { return FUpGlyph; }
  const TBitmap32& DownGlyph() const { return FDownGlyph; }
  void SetUpGlyph(TBitmap32 glyph);
  void SetDownGlyph(TBitmap32 glyph);
  // Gives both arrow buttons the pictures again (after a skin or an enabled change).
  void ResetGlyphs();

  // Paints both arrows as the skin shows them into Target, the pair's corner at At; what lies behind
  // the pair is the spin edit's picture (Background, the pair's corner at BackgroundAt in it).
  void PaintSkinned(TBitmap32& target, TPoint at, TBitmap32* background, TPoint backgroundAt);
  // Repaints both arrows now that their look changed.
  void Redraw();

  // Clicking an arrow: the spin edit takes the focus, then steps.
  void ArrowPressed(TsTimerSpeedButton& button);
  void ArrowClicked(TsTimerSpeedButton& button);

 protected:
  void PaintWindow(TCanvas& canvas) override;

 private:
  void PlaceArrows();
  void WMPaint(TMessage& message, HDC dc);
  TsSpinEdit& FOwner;
  TsTimerSpeedButton* FUpButton = nullptr;
  TsTimerSpeedButton* FDownButton = nullptr;
  TsTimerSpeedButton* FFocusedButton = nullptr;
  TBitmap32 FUpGlyph;
  TBitmap32 FDownGlyph;
  TAccessHost FAccess{*this};
};

}  // namespace qw
