#pragma once
// Push buttons. TButton is the system BUTTON; TBitBtn draws itself (a face, an optional glyph beside the
// caption) through the reflected WM_DRAWITEM.
#include "fw/Picture.h"
#include "fw/WinControl.h"

namespace qw {

class TButton : public TWinControl {
 public:
  TButton();
  const char* ClassName() const override { return "TButton"; }
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void CNCommand(UINT notifyCode);
  void WMLButtonDblClk(TMessage& message);
  void CNKeyDown(TMessage& message, UINT key);
};

class TBitBtn : public TButton {
 public:
  const char* ClassName() const override { return "TBitBtn"; }
  void WndProc(TMessage& message) override;
  TPicture Glyph;
  // Pixels between glyph and caption.
  int Spacing = 4;

 protected:
  void CreateParams(TCreateParams& params) override;
  // Paints the plain face: frame, glyph, caption and focus rectangle.
  virtual void DrawItem(const DRAWITEMSTRUCT& item);

 private:
  void CNDrawItem(TMessage& message, const DRAWITEMSTRUCT& item);
};

}  // namespace qw
