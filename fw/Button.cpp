#include "fw/Button.h"

#include "fw/Canvas.h"
#include "fw/ImageList.h"

namespace qw {

TButton::TButton() {
  TabStop = true;
  ControlStyle &= ~csClickEvents;
  FWidth = 75;
  FHeight = 25;
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"BUTTON";
  params.SystemClass = true;
  params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (WordWrap) params.Style |= BS_MULTILINE;
}

void TButton::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  if (!FHandle) return;
  // The system draws the default button's thicker frame; owner-drawn buttons draw their own look.
  if ((GetWindowLongW(FHandle, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW) Invalidate();
  else SendMessageW(FHandle, BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) FImages = nullptr;
}

void TButton::SetImages(TImageList* images) {
  if (images == FImages) return;
  FImages = images;
  Invalidate();
}

void TButton::FWDialogKey(TMessage& message, UINT key) {
  const bool mine = (key == VK_RETURN && FDefault) || (key == VK_ESCAPE && Cancel);
  if (!mine || !CanFocus()) return;
  message.Result = 1;
  Click();
}

void TButton::CNCommand(UINT notifyCode) {
  if (notifyCode == BN_CLICKED || notifyCode == BN_DOUBLECLICKED) Click();
}

void TButton::WMLButtonDblClk(TMessage& message) {
  message.Msg = WM_LBUTTONDOWN;  // every press is a click of its own
  TWinControl::WndProc(message);
}

void TButton::CNKeyDown(TMessage& message, UINT key) {
  if (key != VK_RETURN) return TWinControl::WndProc(message);
  // Enter on the focused button presses it, as in a dialog.
  message.Result = 1;
  Click();
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      return CNCommand(HiWord(message.WParam));
    case WM_LBUTTONDBLCLK:
      return WMLButtonDblClk(message);
    case CN_KEYDOWN:
      return CNKeyDown(message, VirtualKeyFrom(message.WParam));
    case FW_DIALOG_KEY:
      return FWDialogKey(message, VirtualKeyFrom(message.WParam));
    default:
      return TWinControl::WndProc(message);
  }
}

void TBitBtn::SetGlyph(TBitmap32 bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  Glyph.Assign(std::move(bitmap));
  NumGlyphs = (h > 0 && w % h == 0 && w / h >= 1 && w / h <= 4) ? w / h : 1;
  Invalidate();
}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.Style = (params.Style & ~static_cast<DWORD>(BS_PUSHBUTTON)) | BS_OWNERDRAW;
}

void TBitBtn::CNDrawItem(TMessage& message, const DRAWITEMSTRUCT& item) {
  DrawItem(item);
  message.Result = TRUE;
}

void TBitBtn::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM:
      return CNDrawItem(message, RecordFrom<DRAWITEMSTRUCT>(message.LParam));
    default:
      return TButton::WndProc(message);
  }
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  TCanvas canvas(dc);
  canvas.SetFont(FFont);
  if (disabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  const std::wstring caption = Text();
  const SIZE text = caption.empty() ? SIZE{0, 0} : canvas.TextExtent(caption);
  const int glyphW = Glyph.Width(), glyphH = Glyph.Height();
  const int gap = (glyphW > 0 && !caption.empty()) ? Spacing : 0;
  const int total = glyphW + gap + text.cx;
  const int shift = pressed ? 1 : 0;
  int x = (r.right - r.left - total) / 2 + shift;
  if (glyphW > 0) Glyph.Draw(dc, x, (r.bottom - r.top - glyphH) / 2 + shift);
  x += glyphW + gap;
  if (!caption.empty()) {
    RECT tr{x, r.top + shift, x + text.cx, r.bottom + shift};
    canvas.TextRect(tr, caption, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (focused) {
    RECT fr = r;
    InflateRect(&fr, -4, -4);
    DrawFocusRect(dc, &fr);
  }
}

}  // namespace qw
