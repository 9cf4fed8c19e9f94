#pragma once
// TqxStaticWnd: the wrapper of a standard static text (a system dialog's message, say). The window
// shows its section (by default "CHECKBOX") on the parent's background with its text over it, written in
// the system's message font and the section's text colour. A static with a tab stop or a static edge
// keeps the system's painting. TqxIconWnd (IconWnd_win.h) shows an icon or bitmap the same way.
#include "skin/controls/WndWrapper_win.h"

namespace qw {

class TBitmap32;

class TqxStaticWnd : public TqxMainWnd {
 public:
  TqxStaticWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
               bool dlgMode = false);
  ~TqxStaticWnd() override;
  const char* ClassName() const override { return "TqxStaticWnd"; }

  void qxWndProc(TMessage& message) override;
  // Paints the whole window into DC (null: the window's own DC, taken and given back here).
  void QX_WMPaint(HDC dc);

 protected:
  std::u16string_view DefaultSection() const override;
  // Draws the content over the section in Cache; false when nothing is to be copied to the window.
  virtual bool PaintText(TBitmap32& cache);

 private:
  // The wrapper paints the window (not one that the system keeps painting).
  bool PaintsWindow() const;
  void WMPaint(TMessage& message, HDC dc);
  void WMMoveOrEnable(TMessage& message);
  void WMSetText(TMessage& message);
  void RedrawNow();
};

}  // namespace qw
