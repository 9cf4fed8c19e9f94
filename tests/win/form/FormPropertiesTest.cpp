// The form's own properties on a real window: the styles of its border, icons and stay-on-top,
// translucency, the band inside the border, size limits, the window state both ways, and the paint handler
// with its canvas.
#include <gtest/gtest.h>

#include <windows.h>

#include "fw/BitmapCanvas.h"
#include "tests/win/form/FormTestSupport.h"

namespace qw::test {
namespace {

DWORD ExStyle(const TForm& form) { return static_cast<DWORD>(GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE)); }

TEST(FormProperties, BorderIconsStayOnTopAndAlphaBlendGiveTheWindowItsStyles) {
  TRecordingForm form;
  form.Read("  BorderStyle = bsToolWindow\n  BorderIcons = [biSystemMenu, biHelp]\n  FormStyle = fsStayOnTop\n"
            "  AlphaBlend = True\n  AlphaBlendValue = 200\n");
  form.Show();
  Pump();
  const DWORD wanted = WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP | WS_EX_TOPMOST | WS_EX_LAYERED;
  EXPECT_EQ(ExStyle(form) & wanted, wanted);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(form.Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 200);
  EXPECT_TRUE(flags & LWA_ALPHA);

  // Changed on the living window.
  TFormFrame sizeable;  // and no longer on top nor a tool window
  sizeable.BorderIcons = biSystemMenu | biMaximize;
  sizeable.AlphaBlend = true;
  sizeable.AlphaBlendValue = 90;
  form.SetFrame(sizeable);
  EXPECT_EQ(ExStyle(form) & wanted, DWORD{WS_EX_LAYERED});
  EXPECT_EQ(GetWindowLongPtrW(form.Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_VISIBLE), WS_THICKFRAME | WS_VISIBLE)
      << "sizeable now, and still shown";
  GetLayeredWindowAttributes(form.Handle(), nullptr, &alpha, &flags);
  EXPECT_EQ(alpha, 90);
}

TEST(FormProperties, TheBorderBandKeepsTheClientSizeAndTheLimitsHoldTheWindow) {
  TRecordingForm plain, banded;
  plain.Read("  BorderStyle = bsSingle\n");
  banded.Read("  BorderStyle = bsSingle\n  BorderWidth = 6\n  Constraints.MinWidth = 150\n"
              "  Constraints.MaxWidth = 400\n  Constraints.MaxHeight = 300\n");
  plain.Show();
  banded.Show();
  Pump();
  RECT pc, bc, pw, bw;
  GetClientRect(plain.Handle(), &pc);
  GetClientRect(banded.Handle(), &bc);
  GetWindowRect(plain.Handle(), &pw);
  GetWindowRect(banded.Handle(), &bw);
  EXPECT_TRUE(EqualRect(&bc, &pc)) << "the client keeps its size";
  EXPECT_EQ(bw.right - bw.left, pw.right - pw.left + 12) << "the band lies around the client area";
  banded.SetBounds(0, 0, 900, 50);
  EXPECT_EQ(banded.Width(), 400);
  MINMAXINFO limits{};
  SendMessageW(banded.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, 150);
  EXPECT_EQ(limits.ptMaxTrackSize.x, 400);
  EXPECT_EQ(limits.ptMaxTrackSize.y, 300);
}

TEST(FormProperties, TheWindowStateFollowsTheWindowAndOnPaintPaintsOnTheCanvasItIsGiven) {
  TRecordingForm form;
  form.Read("  WindowState = wsMaximized\n  OnPaint = FormPaint\n");
  form.Show();
  Pump();
  EXPECT_TRUE(IsZoomed(form.Handle()));
  form.SetWindowState(TWindowState::wsNormal);
  EXPECT_FALSE(IsZoomed(form.Handle()));
  ShowWindow(form.Handle(), SW_MINIMIZE);
  EXPECT_EQ(form.WindowState(), TWindowState::wsMinimized);

  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_FALSE(form.Ran.empty()) << "OnPaint ran";
  EXPECT_EQ(form.Canvas(), nullptr) << "a canvas only while the handler runs";
  TBitmap32 picture(20, 20);
  TBitmapCanvas on(picture);
  form.RunOnPaint(on.Canvas());
  EXPECT_EQ(GetPixel(on.Handle(), 5, 5), RGB(255, 0, 0)) << "the caller's picture of the window";
}

}  // namespace
}  // namespace qw::test
