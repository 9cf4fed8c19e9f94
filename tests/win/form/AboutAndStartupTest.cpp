// The window's frame, banner and link, the about page's credits, and the start-up of the skin engine.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "app/Startup_win.h"
#include "fw/Image.h"
#include "fw/Label.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sCheckBox.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sPageControl.h"
#include "skin/render/EngineStartup_win.h"
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
  // The generator page shows: the timer is stopped and ticks come only from here.
  ASSERT_EQ(w->Label5->Top(), 232);
  ASSERT_EQ(w->Label6->Top(), 263);
  auto tick = [&](int n) {
    for (int i = 0; i < n; ++i) w->Timer2->Timer();
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

TEST(AboutPage, TheCreditsTimerRunsOnlyWhileTheyShowAndTheyCatchUpWithTheTime) {
  const ULONGLONG made = GetTickCount64();
  TGeneratorWindow w;
  EXPECT_EQ(w->Timer2->Interval(), 10u);
  EXPECT_FALSE(w->Timer2->Enabled()) << "nothing ticks behind the generator page";
  const int start = w->Label5->Top();
  Sleep(300);
  TabCtrl_SetCurFocus(w->sPageControl1->Handle(), 1);
  Pump();
  EXPECT_TRUE(w->Timer2->Enabled());
  // Where the ticks of a timer that never stopped would have put the label: at least the thirty of the
  // wait, at most those of the whole time since the window was made.
  const int most = static_cast<int>((GetTickCount64() - made) / 10) + 1;
  EXPECT_LE(w->Label5->Top(), start - 30);
  EXPECT_GE(w->Label5->Top(), start - most);
  ShowWindow(w->Handle(), SW_MINIMIZE);
  EXPECT_FALSE(w->Timer2->Enabled()) << "nor while the window is minimised";
  ShowWindow(w->Handle(), SW_RESTORE);
  EXPECT_TRUE(w->Timer2->Enabled());
  const int shown = w->Label5->Top();
  const DWORD until = GetTickCount() + 300;
  while (GetTickCount() < until) Pump(1);
  EXPECT_LT(w->Label5->Top(), shown) << "the shown credits move";
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
  const TEngineStartup& startup =
      RunEngineStartup({L"/QXVER", L"/QXVER"}, [](const std::wstring& text) { Application().ShowMessage(text); });
  EXPECT_EQ(&startup, &EngineStartup());  // one record for the whole engine
  EXPECT_TRUE(startup.IsNTFamily);
  EXPECT_GE(startup.MajorVersion, 6u);
  EXPECT_EQ(startup.ShadowActive.Width(), 33);
  EXPECT_EQ(startup.ShadowInactive.Height(), 33);
  for (const TBitmap32* shadow : {&startup.ShadowActive, &startup.ShadowInactive}) {
    size_t cleared = 0;
    for (size_t i = 0; i < shadow->PixelCount(); ++i) {
      EXPECT_NE(shadow->Pixels()[i], 0x00FFFFFFu);
      cleared += shadow->Pixels()[i] == 0;
    }
    EXPECT_GT(cleared, 0u);  // the corners are fully transparent
  }
  EXPECT_NE(startup.GradientFill, nullptr);
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  EXPECT_EQ(boxes.Boxes[0].Text, L"Tarnwick v8.10");
  EXPECT_FALSE(boxes.Boxes[0].HasIcon);
  EXPECT_EQ(boxes.Boxes[0].Caption, L"qw_form_tests");  // the file name as stored, up to its first full stop
}

// Answers every lookup from a table of names; records what was asked.
struct TFakeLookup {
  std::vector<std::string> Asked;
  std::map<std::string, FARPROC> Present;
  TProcLookup Function() {
    return [this](const wchar_t*, const char* name) -> FARPROC {
      Asked.emplace_back(name);
      auto it = Present.find(name);
      return it == Present.end() ? nullptr : it->second;
    };
  }
};

BOOL g_FakeWow64 = FALSE;
BOOL g_FakeComposition = FALSE;
BOOL WINAPI FakeIsWow64Process(HANDLE, PBOOL wow64) {
  *wow64 = g_FakeWow64;
  return TRUE;
}
HRESULT WINAPI FakeDwmIsCompositionEnabled(BOOL* enabled) {
  *enabled = g_FakeComposition;
  return S_OK;
}
template <class T>
FARPROC Proc(T function) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

TEST(Startup, FindsEveryOptionalFunctionTheSystemHasAndTheyWork) {
  const TEngineStartup& s = EngineStartup();
  EXPECT_NE(s.UpdateLayeredWindow, nullptr);
  EXPECT_NE(s.GetScrollBarInfo, nullptr);
  EXPECT_NE(s.SetWindowTheme, nullptr);
  EXPECT_NE(s.DwmIsCompositionEnabled, nullptr);
  EXPECT_NE(s.DwmSetWindowAttribute, nullptr);
  EXPECT_NE(s.DwmEnableBlurBehindWindow, nullptr);
  ASSERT_NE(s.IsWow64Process, nullptr);
  // The pointers are the real functions: called through them they answer as the system does.
  BOOL wow64 = TRUE;
  ASSERT_TRUE(s.IsWow64Process(GetCurrentProcess(), &wow64));
  EXPECT_EQ(s.IsWow64, wow64 != FALSE);
  if (sizeof(void*) == 8) {
    EXPECT_FALSE(s.IsWow64);
  }
  EXPECT_FALSE(s.Wow64NoGlow && !s.IsWow64);
  HWND hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(hwnd, nullptr);
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(s.GetScrollBarInfo(hwnd, OBJID_VSCROLL, &info));
  EXPECT_GT(info.rcScrollBar.bottom, info.rcScrollBar.top);
  EXPECT_TRUE(SUCCEEDED(s.SetWindowTheme(hwnd, L" ", L" ")));
  DestroyWindow(hwnd);
  EXPECT_EQ(Proc(s.UpdateLayeredWindow), GetProcAddress(GetModuleHandleW(L"user32.dll"), "UpdateLayeredWindow"));
}

TEST(Startup, AbsentFunctionsLeaveTheirFeaturesOff) {
  TFakeLookup lookup;
  TEngineStartup s;
  s.MajorVersion = 6;
  s.GradientFill = reinterpret_cast<TGradientFillProc>(1);  // a stale value must not survive
  LookUpOptionalFunctions(s, lookup.Function());
  EXPECT_EQ(lookup.Asked.size(), 8u);
  EXPECT_EQ(s.UpdateLayeredWindow, nullptr);
  EXPECT_EQ(s.GradientFill, nullptr);
  EXPECT_EQ(s.GetScrollBarInfo, nullptr);
  EXPECT_EQ(s.SetWindowTheme, nullptr);
  EXPECT_EQ(s.DwmSetWindowAttribute, nullptr);
  EXPECT_EQ(s.DwmEnableBlurBehindWindow, nullptr);
  EXPECT_FALSE(s.IsWow64);
  EXPECT_FALSE(s.Wow64NoGlow);
  EXPECT_FALSE(s.CompositionEnabled());
}

TEST(Startup, DesktopCompositionIsLookedUpOnlyFromVersionSix) {
  TFakeLookup lookup;
  lookup.Present["DwmIsCompositionEnabled"] = Proc(&FakeDwmIsCompositionEnabled);
  TEngineStartup s;
  s.MajorVersion = 5;
  LookUpOptionalFunctions(s, lookup.Function());
  for (const std::string& name : lookup.Asked) EXPECT_EQ(name.rfind("Dwm", 0), std::string::npos) << name;
  EXPECT_EQ(s.DwmIsCompositionEnabled, nullptr);
  s.MajorVersion = 6;
  LookUpOptionalFunctions(s, lookup.Function());
  EXPECT_NE(s.DwmIsCompositionEnabled, nullptr);
  g_FakeComposition = TRUE;
  EXPECT_TRUE(s.CompositionEnabled());
  g_FakeComposition = FALSE;
  EXPECT_FALSE(s.CompositionEnabled());
}

TEST(Startup, ThirtyTwoBitProcessesOn64BitWindowsWithoutCompositionGetNoGlow) {
  TFakeLookup lookup;
  lookup.Present["IsWow64Process"] = Proc(&FakeIsWow64Process);
  TEngineStartup s;
  s.MajorVersion = 6;
  g_FakeWow64 = TRUE;
  LookUpOptionalFunctions(s, lookup.Function());  // no composition function: composition is off
  EXPECT_TRUE(s.IsWow64);
  EXPECT_TRUE(s.Wow64NoGlow);
  lookup.Present["DwmIsCompositionEnabled"] = Proc(&FakeDwmIsCompositionEnabled);
  g_FakeComposition = TRUE;
  LookUpOptionalFunctions(s, lookup.Function());
  EXPECT_TRUE(s.IsWow64);
  EXPECT_FALSE(s.Wow64NoGlow);
  g_FakeWow64 = FALSE;
  g_FakeComposition = FALSE;
  LookUpOptionalFunctions(s, lookup.Function());
  EXPECT_FALSE(s.IsWow64);
  EXPECT_FALSE(s.Wow64NoGlow);
}

TEST(Startup, TheSystemLookupFindsSystemFunctionsAndAnswersNullForTheRest) {
  EXPECT_NE(SystemProcLookup(L"dwmapi.dll", "DwmIsCompositionEnabled"), nullptr);
  EXPECT_EQ(SystemProcLookup(L"user32.dll", "NoSuchFunctionAnywhere"), nullptr);
  EXPECT_EQ(SystemProcLookup(L"qw-no-such-module.dll", "UpdateLayeredWindow"), nullptr);
}

TEST(Startup, AMissingShadowPictureIsReportedByName) {
  try {
    LoadShadowPicture(L"qxNOSUCH");
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("qxNOSUCH"), std::string::npos) << e.what();
  }
}

TEST(Startup, TheDefaultTitleKeepsTheFirstCharacterAndLowersTheRest) {
  EXPECT_EQ(DefaultTitleFromFileName(L"QWILLET.EXE"), L"Qwillet");
  EXPECT_EQ(DefaultTitleFromFileName(L"qwillet.exe"), L"qwillet");
  EXPECT_EQ(DefaultTitleFromFileName(L"My.Tool.exe"), L"My");
  EXPECT_EQ(DefaultTitleFromFileName(L"ПАРОЛЬ.EXE"), L"Пароль");
}

}  // namespace
}  // namespace qw::test
