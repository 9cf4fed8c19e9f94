#pragma once
// Push buttons. TButton is the system BUTTON; TBitBtn draws itself (a face, an optional glyph beside the
// caption) through the reflected WM_DRAWITEM.
#include "base/Alignment.h"
#include "fw/Picture.h"
#include "fw/WinControl.h"

namespace qw {

class TImageList;

class TButton : public TWinControl {
 public:
  TButton();
  const char* ClassName() const override { return "TButton"; }
  void WndProc(TMessage& message) override;

  // The default button is pressed by Enter anywhere on its form, the cancel button by Escape (unless
  // the focused control takes the key itself).
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel = false;
  // The caption may wrap onto more lines.
  bool WordWrap = false;
  void Notification(TComponent* component, TOperation operation) override;

  // A picture from an image list beside the caption, shown by a skin that wraps the button (the system
  // button itself shows none). Each state's index is used when it lies in the list, else ImageIndex.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  int ImageIndex = -1;
  int HotImageIndex = -1;
  int PressedImageIndex = -1;
  int SelectedImageIndex = -1;  // focused
  int DisabledImageIndex = -1;
  TImageAlignment ImageAlignment = iaLeft;
  TImageMargins ImageMargins;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void CNCommand(UINT notifyCode);
  void WMLButtonDblClk(TMessage& message);
  void CNKeyDown(TMessage& message, UINT key);
  void FWDialogKey(TMessage& message, UINT key);
  bool FDefault = false;
  TImageList* FImages = nullptr;
};

class TBitBtn : public TButton {
 public:
  const char* ClassName() const override { return "TBitBtn"; }
  void WndProc(TMessage& message) override;
  TPicture Glyph;
  // Pixels between glyph and caption; -1 spreads the free room evenly.
  int Spacing = 4;
  // Where the glyph sits beside the caption.
  TButtonLayout Layout = blGlyphLeft;
  // Pixels from the edge to the glyph-and-caption block; -1 centres the block.
  int Margin = -1;
  // Images side by side in Glyph (normal, hot, pressed, default).
  int NumGlyphs = 1;
  // Takes a new glyph; a strip of up to four square images sets NumGlyphs to their number, any other
  // picture to 1.
  void SetGlyph(TBitmap32 bitmap);

 protected:
  void CreateParams(TCreateParams& params) override;
  // Paints the plain face: frame, glyph, caption and focus rectangle.
  virtual void DrawItem(const DRAWITEMSTRUCT& item);

 private:
  void CNDrawItem(TMessage& message, const DRAWITEMSTRUCT& item);
};

}  // namespace qw
