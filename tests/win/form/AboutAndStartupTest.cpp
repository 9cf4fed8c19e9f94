// The window's frame, banner and link, the about page's credits, and the start-up of the skin engine.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/Startup_win.h"
#include "fw/Image.h"
#include "fw/Label.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sCheckBox.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sPageControl.h"
#include "tests/win/form/FormTestSupport.h"

namespace qw::test {
namespace {

TEST(Window, IsAFixedWindowWithOnlyACloseButtonAndTheStatedClientArea) {
  TGeneratorWindow w;
  HWND hwnd = w->Handle();
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW || !Application().MainFormOnTaskBar);
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 441);
  EXPECT_EQ(client.bottom, 407);
  // The border answers as a border, not as a sizing edge.
  RECT frame;
  GetWindowRect(hwnd, &frame);
  const LRESULT hit = SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(frame.right - 1, (frame.top + frame.bottom) / 2));
  EXPECT_NE(hit, HTRIGHT);
  EXPECT_NE(hit, HTBOTTOMRIGHT);
  wchar_t caption[64];
  GetWindowTextW(hwnd, caption, 64);
  EXPECT_STREQ(caption, L"Qwillet 1.0");
  // Centred on the desktop.
  const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_LE(std::abs((frame.left + frame.right) / 2 - screenW / 2), 1);
  EXPECT_LE(std::abs((frame.top + frame.bottom) / 2 - screenH / 2), 1);
}

TEST(Window, TheControlsRightOfTheClientAreaAreLiveButNeverOnScreen) {
  TGeneratorWindow w;
  RECT client;
  GetClientRect(w->Handle(), &client);
  for (TWinControl* c : {static_cast<TWinControl*>(w->sCheckBox6), static_cast<TWinControl*>(w->sEdit3),
                         static_cast<TWinControl*>(w->sBitBtn3), static_cast<TWinControl*>(w->sGroupBox1)}) {
    EXPECT_TRUE(IsWindowVisible(c->Handle())) << c->Name();
    EXPECT_TRUE(IsWindowEnabled(c->Handle())) << c->Name();
    EXPECT_GE(c->Left(), client.right) << c->Name();
  }
}

TEST(Window, TheBannerAndTheLinkPictureHaveTheirSizesAndTheLinkOpensTheAddress) {
  TGeneratorWindow w;
  EXPECT_EQ(w->Image1->Left(), -17);
  EXPECT_EQ(w->Image1->Picture.Width(), 449);
  EXPECT_EQ(w->Image1->Picture.Height(), 57);
  EXPECT_EQ(w->Image2->Picture.Width(), 32);
  EXPECT_EQ(w->Image3->Picture.Width(), 64);
  EXPECT_EQ(w->Image2->Cursor, crDrag);
  ClickAt(w->Handle(), w->Image2->Left() + 10, w->Image2->Top() + 10);
  EXPECT_EQ(w.OpenedAddress, kMakersAddress);
  EXPECT_EQ(w.OpenedOwner, w->Handle());
  EXPECT_EQ(w->Label6->Caption(), std::wstring(L"Сайт: ") + kMakersAddress);
}

TEST(Window, TheBannerIsPaintedShiftedLeftBy17Pixels) {
  TGeneratorWindow w;
  Pump();
  UpdateWindow(w->Handle());
  HDC dc = GetDC(w->Handle());
  // Window pixel (0, 2) shows picture column 17 of row 0.
  const COLORREF shown = GetPixel(dc, 0, 2);
  ReleaseDC(w->Handle(), dc);
  const uint32_t expected = w->Image1->Picture.Bitmap().At(17, 0);
  EXPECT_NEAR(GetRValue(shown), (expected >> 16) & 0xFF, 2);
  EXPECT_NEAR(GetGValue(shown), (expected >> 8) & 0xFF, 2);
  EXPECT_NEAR(GetBValue(shown), expected & 0xFF, 2);
}

TEST(AboutPage, TheCreditsJumpFromFourTo321AfterTheirTicks) {
  TGeneratorWindow w;
  w->Timer2->SetEnabled(false);  // ticks only come from the loop, which has not run yet
  ASSERT_EQ(w->Label5->Top(), 232);
  ASSERT_EQ(w->Label6->Top(), 263);
  auto tick = [&](int n) {
    for (int i = 0; i < n; ++i) SendMessageW(w->Timer2->Handle(), WM_TIMER, 1, 0);
  };
  tick(228);
  EXPECT_EQ(w->Label5->Top(), 4);
  tick(1);  // 229
  EXPECT_EQ(w->Label5->Top(), 321);
  tick(30);  // 259
  EXPECT_EQ(w->Label6->Top(), 4);
  tick(1);  // 260
  EXPECT_EQ(w->Label6->Top(), 321);
  EXPECT_EQ(w->Label5->Top(), 321 - 31);
}

TEST(AboutPage, TheMarqueeTimerRunsFromCreationAtTenMilliseconds) {
  TGeneratorWindow w;
  EXPECT_TRUE(w->Timer2->Enabled());
  EXPECT_EQ(w->Timer2->Interval(), 10u);
  const int start = w->Label5->Top();
  const DWORD until = GetTickCount() + 300;
  while (GetTickCount() < until) Pump(1);
  EXPECT_LT(w->Label5->Top(), start);
}

TEST(AboutPage, HoldsTheNameTheAddressAndThePictureInsideItsGroupBox) {
  TGeneratorWindow w;
  EXPECT_EQ(w->sPageControl1->PageCount(), 2);
  EXPECT_EQ(w->sTabSheet2->Caption(), L"?");
  EXPECT_EQ(w->Label5->Caption(), L"Qwillet");
  EXPECT_EQ(w->Label5->Parent(), static_cast<TWinControl*>(w->sGroupBox7));
  EXPECT_EQ(w->Image3->Parent(), static_cast<TWinControl*>(w->sGroupBox7));
  EXPECT_EQ(w->sGroupBox7->Top(), -16);
  // Switching pages with the tab strip shows the about page and hides the generator page.
  TabCtrl_SetCurFocus(w->sPageControl1->Handle(), 1);
  Pump();
  EXPECT_EQ(w->sPageControl1->ActivePage(), static_cast<TTabSheet*>(w->sTabSheet2));
  EXPECT_TRUE(IsWindowVisible(w->sTabSheet2->Handle()));
  EXPECT_FALSE(IsWindowVisible(w->sTabSheet1->Handle()));
}

TEST(Startup, TheVersionSwitchShowsOneBoxInAnyCaseAndOtherArgumentsNone) {
  std::vector<std::wstring> shown;
  auto show = [&](const std::wstring& text) { shown.push_back(text); };
  EXPECT_TRUE(ShowVersionIfAsked({L"/QXVER", L"/qxver"}, show));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], L"Tarnwick v8.10");
  shown.clear();
  EXPECT_FALSE(ShowVersionIfAsked({L"/qxtest", L"qxver", L"/qxver2", L""}, show));
  EXPECT_TRUE(ShowVersionIfAsked({L"x", L"/QxVeR"}, show));
  EXPECT_EQ(shown.size(), 1u);
}

TEST(Startup, DecodesBothShadowPicturesAndShowsTheVersionWithTheProgramsTitle) {
  TMessageBoxCatcher boxes;
  TEngineStartup startup;
  RunEngineStartup(startup, {L"/QXVER", L"/QXVER"}, [](const std::wstring& text) { Application().ShowMessage(text); });
  EXPECT_TRUE(startup.IsNTFamily);
  EXPECT_EQ(startup.ShadowActive.Width(), 33);
  EXPECT_EQ(startup.ShadowInactive.Height(), 33);
  for (size_t i = 0; i < startup.ShadowActive.PixelCount(); ++i) EXPECT_NE(startup.ShadowActive.Pixels()[i], 0x00FFFFFFu);
  EXPECT_NE(startup.GradientFill, nullptr);
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Text, L"Tarnwick v8.10");
  EXPECT_FALSE(boxes.Boxes[0].HasIcon);
  EXPECT_EQ(boxes.Boxes[0].Caption, L"qw_form_tests");  // the file name as stored, up to its first full stop
}

TEST(Startup, TheDefaultTitleKeepsTheFirstCharacterAndLowersTheRest) {
  EXPECT_EQ(DefaultTitleFromFileName(L"QWILLET.EXE"), L"Qwillet");
  EXPECT_EQ(DefaultTitleFromFileName(L"qwillet.exe"), L"qwillet");
  EXPECT_EQ(DefaultTitleFromFileName(L"My.Tool.exe"), L"My");
  EXPECT_EQ(DefaultTitleFromFileName(L"ПАРОЛЬ.EXE"), L"Пароль");
}

}  // namespace
}  // namespace qw::test
