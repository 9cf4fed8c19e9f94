// Wrappers of the system's own small controls on the generator window: an up-down pair painted as two
// skin buttons, and a scroll-bar control worked and painted as a skinned bar.
#include <gtest/gtest.h>

#include "../form/FormTestSupport.h"
#include "FrameTestSupport.h"
#include "image/ColorToRgb.h"
#include "skin/controls/SBWnd_win.h"
#include "skin/controls/SpinWnd_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"

namespace qw::test {
namespace {

// Sends the window WM_PAINT with a DIB's DC of its client size and returns what it painted.
TBitmap32 PaintedClient(HWND wnd) {
  RECT cr{};
  GetClientRect(wnd, &cr);
  TBitmap32 bmp(cr.right, cr.bottom);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(bmp.NativeHandle()));
  SendMessageW(wnd, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bmp;
}

uint32_t SectionColor(const TsSkinManager& m, std::u16string_view section, int state) {
  const int i = m.GetSkinIndex(section);
  if (!m.IsValidSkinIndex(i)) return 0xFFFFFFFFu;
  return ColorToPixel(ColorToRGB(static_cast<TColor>(m.gd[size_t(i)].Props[state ? 1 : 0].Color)), 0);
}

TEST(SpinWrapper, HalfUnderTheCursorIsHotTheOtherNormal) {
  TGeneratorWindow window;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  HWND spin = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 20, 20, 19, 40, window->Handle(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(spin);
  auto wrapper = TqxMainWnd::Create<TqxSpinWnd>(spin, u"", nullptr, nullptr);
  ASSERT_TRUE(wrapper->Skinned());
  EXPECT_TRUE(wrapper->IsVertical());
  const TsSkinManager& m = *window->sSkinManager1;
  const uint32_t normal = SectionColor(m, u"UPDOWNBTN", 0), hot = SectionColor(m, u"UPDOWNBTN", 1);
  ASSERT_NE(normal, hot) << "the skin's button has a hot look";
  TFakeScrollInput input;
  POINT lower{9, 30};
  ClientToScreen(spin, &lower);
  input.Cursor = lower;
  TBitmap32 shot = PaintedClient(spin);
  EXPECT_EQ(wrapper->Btn1State, 0);
  EXPECT_EQ(wrapper->Btn2State, 1);
  EXPECT_EQ(Rgb(shot, 4, 5), normal);
  EXPECT_EQ(Rgb(shot, 4, 35), hot);
  // Held down over the upper half: that one is pressed, the lower one normal again.
  POINT upper{9, 6};
  ClientToScreen(spin, &upper);
  input.Cursor = upper;
  wrapper->bMousePressed = true;
  shot = PaintedClient(spin);
  EXPECT_EQ(wrapper->Btn1State, 2);
  EXPECT_EQ(wrapper->Btn2State, 0);
  EXPECT_EQ(Rgb(shot, 4, 35), normal);
  // Outside the control both are normal.
  input.Cursor = POINT{-500, -500};
  wrapper->bMousePressed = false;
  shot = PaintedClient(spin);
  EXPECT_EQ(wrapper->Btn1State, 0);
  EXPECT_EQ(wrapper->Btn2State, 0);
  ReleaseWrapper(std::move(wrapper));
  EXPECT_EQ(GetPropW(spin, kWrapperProp), nullptr);
  DestroyWindow(spin);
}

TEST(ScrollBarControlWrapper, WorksAndPaintsAsASkinnedBarAndGivesItsTabStopBack) {
  TGeneratorWindow window;
  HWND bar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT, 30, 30, 17, 150,
                             window->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(bar);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMax = 99;
  si.nPage = 10;
  SetScrollInfo(bar, SB_CTL, &si, TRUE);
  TRecorderHook parent(*window.Form, {WM_VSCROLL});
  auto wrapper = TqxMainWnd::Create<TqxSBWnd>(bar, u"", nullptr, nullptr);
  EXPECT_EQ(wrapper->SkinData->SkinSection(), u"CHECKBOX");
  EXPECT_EQ(GetWindowLongW(bar, GWL_STYLE) & WS_TABSTOP, 0) << "no tab stop while wrapped";
  // The track between the first arrow and the thumb (at the top) has the skin's track colour.
  const TsSkinManager& m = *window->sSkinManager1;
  si.fMask = SIF_POS;
  si.nPos = 90;
  SetScrollInfo(bar, SB_CTL, &si, FALSE);
  const TBitmap32 shot = PaintedClient(bar);
  EXPECT_EQ(Rgb(shot, 8, GetSystemMetrics(SM_CXHSCROLL) + 4), SectionColor(m, u"SCROLLBAR1V", 0));
  // A press on the second arrow scrolls one line at once; the release ends the scroll.
  TFakeScrollInput input;
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 145));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(8, 145));
  ASSERT_EQ(parent.Seen.size(), 2u);
  EXPECT_EQ(LOWORD(parent.Seen[0].WParam), SB_LINEDOWN);
  EXPECT_EQ(parent.Seen[0].LParam, reinterpret_cast<LPARAM>(bar)) << "the control names itself";
  EXPECT_EQ(LOWORD(parent.Seen[1].WParam), SB_ENDSCROLL);
  EXPECT_TRUE(input.WasSet(kScrollFirstRepeatTimer, 300));
  ReleaseWrapper(std::move(wrapper));
  EXPECT_NE(GetWindowLongW(bar, GWL_STYLE) & WS_TABSTOP, 0);
  DestroyWindow(bar);
}

}  // namespace
}  // namespace qw::test
