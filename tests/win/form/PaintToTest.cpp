// Pictures of windows that need not be on the screen: a window and its children painted into a DC, and
// windowless controls painted into the DC a paint message carries.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "fw/BitmapCanvas.h"
#include "fw/Canvas.h"
#include "fw/Label.h"
#include "fw/Panel.h"
#include "image/Bitmap32.h"

namespace qw::test {
namespace {

uint32_t Rgb(const TBitmap32& b, int x, int y) { return b.At(x, y) & 0xFFFFFF; }

TEST(PaintTo, AWindowAndItsChildrenIntoADC) {
  TForm form;
  SetClientSize(form, 200, 120);
  TPanel outer;
  outer.SetBounds(10, 10, 150, 80);
  outer.SetColor(0x0000FF);
  outer.SetParent(&form);
  TPanel inner;
  inner.SetBounds(20, 30, 40, 20);
  inner.SetColor(0x00FF00);
  inner.SetParent(&outer);
  form.Show();
  Pump();
  TBitmap32 picture(150, 80);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(picture.NativeHandle()));
  outer.PaintTo(dc, 0, 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  // Inside the frames: the outer panel's red, the inner one's green at its place.
  EXPECT_EQ(Rgb(picture, 10, 60), 0xFF0000u);
  EXPECT_EQ(Rgb(picture, 30, 40), 0x00FF00u);
  EXPECT_EQ(Rgb(picture, 100, 40), 0xFF0000u);
  // The same picture when the panel is covered on the screen: hide the form.
  form.SetVisible(false);
  Pump();
  TBitmap32 hidden(150, 80);
  dc = CreateCompatibleDC(nullptr);
  old = SelectObject(dc, static_cast<HBITMAP>(hidden.NativeHandle()));
  outer.PaintTo(dc, 0, 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  EXPECT_EQ(Rgb(hidden, 30, 40), 0x00FF00u);
}

TEST(PaintTo, AWindowlessControlPaintsIntoTheMessagesDC) {
  TForm form;
  SetClientSize(form, 100, 50);
  TLabel label;
  label.SetBounds(0, 0, 60, 20);
  label.SetTransparent(false);
  label.SetColor(0x00FFFF);
  label.SetText(L"");
  label.SetParent(&form);
  TBitmap32 picture(60, 20);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(picture.NativeHandle()));
  label.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  EXPECT_EQ(Rgb(picture, 30, 10), 0xFFFF00u);
}

TEST(BitmapCanvas, GdiAndPixelsMeetInTheSameBitmap) {
  TBitmap32 bitmap(20, 10);
  {
    TBitmapCanvas c(bitmap);
    c.Canvas().SetBrushColor(0x0000FF);
    RECT r{5, 0, 20, 10};
    c.Canvas().FillRect(r);
  }
  EXPECT_EQ(Rgb(bitmap, 2, 5), 0xFFFFFFu);
  EXPECT_EQ(Rgb(bitmap, 10, 5), 0xFF0000u);
  TBitmap32 empty;
  TBitmapCanvas none(empty);
  EXPECT_EQ(none.Handle(), nullptr);
}

}  // namespace
}  // namespace qw::test
