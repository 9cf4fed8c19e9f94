// Skinned scroll bars on the generator window's history memo, which wraps its own window:
// the bar's room and metrics in both shipped skins, the skin's pixels staying on the screen after the
// edit changes its scroll state itself, arrow repeat timing, thumb dragging, and the buttons a bar ignores.
#include <gtest/gtest.h>

#include <string>

#include "../../form/FormTestSupport.h"
#include "../FrameTestSupport.h"
#include "image/ColorToRgb.h"
#include "skin/controls/EditWnd_win.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sMemo.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"

namespace qw::test {
namespace {

class MemoBarsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Memo = Window->sMemo1;
    ASSERT_TRUE(Memo->HandleAllocated());
    ASSERT_TRUE(IsWindowVisible(Memo->Handle()));
    Recorder = std::make_unique<TRecorderHook>(*Memo, std::vector<UINT>{WM_VSCROLL, WM_NCRBUTTONDOWN,
                                                                       WM_NCRBUTTONUP, WM_NCMBUTTONDOWN},
                                              true);
    Fill(60);
    Wrapper = Memo->ScrollWrapper();
    ASSERT_NE(Wrapper, nullptr) << "a skinned memo wraps its own window";
    Pump();
    ParentPainted();
  }
  // The group box around the memo has its picture ready (it tells its children so), so the memo paints
  // instead of waiting for it.
  void ParentPainted() {
    auto* box = dynamic_cast<TsGroupBox*>(Memo->Parent());
    ASSERT_NE(box, nullptr);
    box->SkinData.BGChanged = false;
    box->SkinData.FUpdating = false;
    SendSkinCommand(Memo, skcEndParentUpdate);
    ASSERT_FALSE(Memo->SkinData.FUpdating);
  }
  void TearDown() override {
    Recorder.reset();
  }
  void Fill(int lines) {
    std::wstring text;
    for (int i = 0; i < lines; ++i) text += L"line " + std::to_wstring(i) + L"\r\n";
    SetWindowTextW(Memo->Handle(), text.c_str());
  }
  HWND Wnd() const { return Memo->Handle(); }
  TqxScrollBars& Bars() { return *Wrapper->Bars(); }
  TqxScrollBar& Vert() { return Bars().sBarVert; }
  TRect VertRect() { return Bars().BarRect(Vert()); }
  // A point of the vertical bar, Along pixels from its top, in screen coordinates.
  POINT OnBar(int along) {
    RECT wr{};
    GetWindowRect(Wnd(), &wr);
    const TRect r = VertRect();
    return POINT{wr.left + (r.Left + r.Right) / 2, wr.top + r.Top + along};
  }
  POINT DownArrow() { return OnBar(HeightOfRect(VertRect()) - Bars().ArrowLength(Vert()) / 2); }
  LPARAM Screen(POINT p) { return MAKELPARAM(p.x, p.y); }
  LPARAM Client(POINT screen) {
    ScreenToClient(Wnd(), &screen);
    return MAKELPARAM(static_cast<int16_t>(screen.x), static_cast<int16_t>(screen.y));
  }
  // The track colour of the active skin at a point of the bar between the first arrow and the thumb.
  void ExpectSkinTrackOnScreen(const char* after) {
    Pump();
    const TsSkinManager& m = *Window->sSkinManager1;
    const int track = m.ConstData.IndexScrollBar1V;
    ASSERT_TRUE(m.IsValidSkinIndex(track));
    const uint32_t expected = ColorToPixel(ColorToRGB(static_cast<TColor>(m.gd[size_t(track)].Props[0].Color)), 0);
    ASSERT_GE(Memo->Perform(EM_GETFIRSTVISIBLELINE), 5) << "the memo scrolled down: the track above the thumb shows";
    const TBitmap32 shot = GrabWindow(Wnd());
    const TRect r = VertRect();
    const int y = r.Top + Bars().ArrowLength(Vert()) + 2;
    EXPECT_EQ(Rgb(shot, (r.Left + r.Right) / 2, y), expected) << "after " << after;
    // The whole bar is what the skin's painter makes of it.
    TBitmap32 painted(shot.Width(), shot.Height());
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(painted.NativeHandle()));
    Bars().PaintBars(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    int differing = 0;
    for (int yy = r.Top; yy < r.Bottom; ++yy)
      for (int xx = r.Left; xx < r.Right; ++xx) differing += Rgb(shot, xx, yy) != Rgb(painted, xx, yy);
    EXPECT_EQ(differing, 0) << "after " << after;
  }

  TGeneratorWindow Window;
  TsMemo* Memo = nullptr;
  std::unique_ptr<TRecorderHook> Recorder;
  TqxScrollWnd* Wrapper = nullptr;
};

// Nobody helps here: the window as the program shows it, after the group box around the memo painted.
TEST(MemoBarsOfTheShownWindow, TheHistoryMemoWearsTheSkinsBarInBothSkins) {
  TGeneratorWindow window;
  TsMemo* memo = window->sMemo1;
  std::wstring text;
  for (int i = 0; i < 50; ++i) text += L"password " + std::to_wstring(i) + L"\r\n";
  memo->SetText(text);
  for (const char16_t* skin : {u"Flatline (internal)", u"MetroUI (internal)"}) {
    SCOPED_TRACE(std::string(skin, skin + std::char_traits<char16_t>::length(skin)));
    window->sSkinManager1->SetSkinName(skin);
    Pump();
    memo->Perform(WM_VSCROLL, SB_BOTTOM, 0);
    Pump();
    TqxScrollWnd* wrapper = memo->ScrollWrapper();
    ASSERT_NE(wrapper, nullptr);
    const TsSkinManager& m = *window->sSkinManager1;
    const int track = m.ConstData.IndexScrollBar1V;
    ASSERT_TRUE(m.IsValidSkinIndex(track));
    TqxScrollBars& bars = *wrapper->Bars();
    const TRect r = bars.BarRect(bars.sBarVert);
    const TBitmap32 shot = GrabWindow(memo->Handle());
    const int y = r.Top + bars.ArrowLength(bars.sBarVert) + 2;
    EXPECT_EQ(Rgb(shot, (r.Left + r.Right) / 2, y),
              ColorToPixel(ColorToRGB(static_cast<TColor>(m.gd[size_t(track)].Props[0].Color)), 0));
  }
}

TEST_F(MemoBarsTest, BarTakesItsRoomFromTheClientAreaWithTheSkinsArrowLength) {
  RECT wr{}, cr{};
  GetWindowRect(Wnd(), &wr);
  GetClientRect(Wnd(), &cr);
  ASSERT_TRUE(Vert().fScrollVisible);
  EXPECT_FALSE(Bars().sBarHorz.fScrollVisible);
  EXPECT_EQ(WidthOfRect(VertRect()), GetSystemMetrics(SM_CXVSCROLL));
  // The client area ends where the bar starts.
  POINT clientRight{cr.right, 0};
  ClientToScreen(Wnd(), &clientRight);
  EXPECT_EQ(clientRight.x - wr.left, VertRect().Left);
  // Flatline's arrows have the system's length; MetroUI asks for its 26-pixel image.
  EXPECT_EQ(Bars().ArrowLength(Vert()), GetSystemMetrics(SM_CXHSCROLL));
  Window->sSkinManager1->SetSkinName(u"MetroUI (internal)");
  Pump();
  EXPECT_EQ(Bars().ArrowLength(Vert()), 26 + GetSystemMetrics(SM_CXHSCROLL) - 17);
}

TEST_F(MemoBarsTest, SkinsPixelsStayAfterTheEditScrollsItself) {
  for (const char16_t* skin : {u"Flatline (internal)", u"MetroUI (internal)"}) {
    SCOPED_TRACE(std::string(skin, skin + std::char_traits<char16_t>::length(skin)));
    Window->sSkinManager1->SetSkinName(skin);
    Pump();
    ParentPainted();
    const int length = GetWindowTextLengthW(Wnd());
    Memo->Perform(EM_SETSEL, length, length);
    SendMessageW(Wnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"appended\r\nline\r\n"));
    ExpectSkinTrackOnScreen("EM_REPLACESEL");
    for (wchar_t c : std::wstring(L"typed\r\r\r")) {
      SendMessageW(Wnd(), WM_KEYDOWN, c == L'\r' ? VK_RETURN : 'T', 1);
      SendMessageW(Wnd(), WM_CHAR, c, 1);
      SendMessageW(Wnd(), WM_KEYUP, c == L'\r' ? VK_RETURN : 'T', static_cast<LPARAM>(0xC0000001u));
    }
    ExpectSkinTrackOnScreen("typing");
    SendMessageW(Wnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), Screen(OnBar(5)));
    ExpectSkinTrackOnScreen("the wheel");
    Fill(80);
    SendMessageW(Wnd(), WM_VSCROLL, SB_BOTTOM, 0);
    ExpectSkinTrackOnScreen("WM_SETTEXT");
  }
}

TEST_F(MemoBarsTest, ArrowRepeatsAfter300ThenEvery55Milliseconds) {
  TFakeScrollInput input;
  input.Cursor = DownArrow();
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTVSCROLL, Screen(input.Cursor));
  EXPECT_EQ(Recorder->Codes(), (std::vector<int>{SB_LINEDOWN})) << "one step at once";
  EXPECT_TRUE(input.WasSet(kScrollFirstRepeatTimer, 300));
  EXPECT_EQ(GetCapture(), Wnd());
  SendMessageW(Wnd(), WM_TIMER, kScrollFirstRepeatTimer, 0);
  EXPECT_TRUE(input.WasKilled(kScrollFirstRepeatTimer));
  EXPECT_TRUE(input.WasSet(kScrollRepeatTimer, 55));
  EXPECT_EQ(Recorder->Codes().size(), 2u);
  SendMessageW(Wnd(), WM_TIMER, kScrollRepeatTimer, 0);
  SendMessageW(Wnd(), WM_TIMER, kScrollRepeatTimer, 0);
  EXPECT_EQ(Recorder->Codes().size(), 4u);
  // Off the arrow the repeat pauses, without a release; back on it, it goes on.
  input.Cursor = OnBar(HeightOfRect(VertRect()) / 2);
  SendMessageW(Wnd(), WM_TIMER, kScrollRepeatTimer, 0);
  EXPECT_EQ(Recorder->Codes().size(), 4u);
  input.Cursor = DownArrow();
  SendMessageW(Wnd(), WM_TIMER, kScrollRepeatTimer, 0);
  EXPECT_EQ(Recorder->Codes().size(), 5u);
  SendMessageW(Wnd(), WM_LBUTTONUP, 0, Client(input.Cursor));
  EXPECT_EQ(Recorder->Codes().back(), SB_ENDSCROLL);
  EXPECT_TRUE(input.WasKilled(kScrollRepeatTimer));
  EXPECT_NE(GetCapture(), Wnd());
  for (int code : Recorder->Codes()) EXPECT_TRUE(code == SB_LINEDOWN || code == SB_ENDSCROLL) << code;
}

TEST_F(MemoBarsTest, RealTimersRepeatNoSoonerThan300Milliseconds) {
  TFakeScrollInput input;
  input.ForwardTimers = true;
  input.Cursor = DownArrow();
  const DWORD start = GetTickCount();
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTVSCROLL, Screen(input.Cursor));
  size_t early = 0;
  while (GetTickCount() - start < 250) {
    Application().ProcessMessages();
    early = Recorder->Codes().size();
    Sleep(5);
  }
  EXPECT_EQ(early, 1u) << "nothing repeats before 300 ms";
  while (GetTickCount() - start < 1500 && Recorder->Codes().size() < 4) {
    Application().ProcessMessages();
    Sleep(5);
  }
  EXPECT_GE(Recorder->Codes().size(), 4u) << "the 55 ms repeats followed";
  SendMessageW(Wnd(), WM_LBUTTONUP, 0, Client(input.Cursor));
}

TEST_F(MemoBarsTest, DragEndsWithThumbPositionThenEndScroll) {
  TFakeScrollInput input;
  int along = Bars().ArrowLength(Vert());
  while (along < HeightOfRect(VertRect()) && Bars().PartAt(Vert(), POINT{VertRect().Left + 2, VertRect().Top + along}) != spThumb)
    ++along;
  ASSERT_LT(along, HeightOfRect(VertRect())) << "a thumb to grab";
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTVSCROLL, Screen(OnBar(along + 1)));
  EXPECT_TRUE(Bars().fThumbTracking);
  // Far below the window: the thumb goes to the end of the track and stays there.
  SendMessageW(Wnd(), WM_MOUSEMOVE, MK_LBUTTON, Client(OnBar(5000)));
  SendMessageW(Wnd(), WM_MOUSEMOVE, MK_LBUTTON, Client(OnBar(9000)));
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(Wnd(), SB_VERT, &si);
  const int last = si.nMax - static_cast<int>(std::max(si.nPage, 1u)) + 1;
  ASSERT_FALSE(Recorder->Seen.empty());
  EXPECT_EQ(Recorder->Codes(), (std::vector<int>{SB_THUMBTRACK}));
  EXPECT_EQ(HIWORD(Recorder->Seen.back().WParam), last) << "the last position shows the last page";
  SendMessageW(Wnd(), WM_LBUTTONUP, 0, Client(OnBar(9000)));
  EXPECT_EQ(Recorder->Codes(), (std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
  EXPECT_EQ(HIWORD(Recorder->Seen[1].WParam), last);
  EXPECT_FALSE(Bars().fThumbTracking);
  EXPECT_EQ(Memo->Perform(EM_GETFIRSTVISIBLELINE), last) << "the memo followed the thumb";
}

TEST_F(MemoBarsTest, RightAndMiddleClicksOnTheBarAreSwallowed) {
  const int top = static_cast<int>(Memo->Perform(EM_GETFIRSTVISIBLELINE));
  for (UINT msg : {WM_NCRBUTTONDOWN, WM_NCRBUTTONUP, WM_NCMBUTTONDOWN})
    EXPECT_EQ(SendMessageW(Wnd(), msg, HTVSCROLL, Screen(DownArrow())), 0);
  EXPECT_TRUE(Recorder->Seen.empty()) << "nothing reached the memo";
  EXPECT_EQ(Memo->Perform(EM_GETFIRSTVISIBLELINE), top);
  // Hit tests answer for the bar.
  EXPECT_EQ(SendMessageW(Wnd(), WM_NCHITTEST, 0, Screen(DownArrow())), HTVSCROLL);
}

// A bar on the left lies at negative client coordinates: the repeat still finds its arrow there.
TEST(LeftScrollBar, ArrowRepeatWorksLeftOfTheClientArea) {
  TGeneratorWindow window;
  HWND edit = CreateWindowExW(WS_EX_LEFTSCROLLBAR | WS_EX_CLIENTEDGE, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 10, 10, 150, 90,
                              window->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(edit);
  std::wstring text;
  for (int i = 0; i < 60; ++i) text += L"row " + std::to_wstring(i) + L"\r\n";
  SetWindowTextW(edit, text.c_str());
  SendMessageW(edit, EM_SETSEL, 0, 0);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  TRecorderSubclass recorder(edit, {WM_VSCROLL});
  auto wrapper = TqxMainWnd::Create<TqxEditWnd>(edit, true, u"", nullptr, nullptr);
  Pump();
  TqxScrollBars& bars = *wrapper->Bars();
  ASSERT_TRUE(bars.fLeftScrollbar);
  const TRect r = bars.BarRect(bars.sBarVert);
  RECT wr{};
  GetWindowRect(edit, &wr);
  EXPECT_LT(r.Left, 5) << "the bar is on the left";
  TFakeScrollInput input;
  input.Cursor = POINT{wr.left + (r.Left + r.Right) / 2, wr.top + r.Bottom - bars.ArrowLength(bars.sBarVert) / 2};
  POINT client = input.Cursor;
  ScreenToClient(edit, &client);
  ASSERT_LT(client.x, 0);
  SendMessageW(edit, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(input.Cursor.x, input.Cursor.y));
  SendMessageW(edit, WM_TIMER, kScrollFirstRepeatTimer, 0);
  SendMessageW(edit, WM_TIMER, kScrollRepeatTimer, 0);
  EXPECT_EQ(recorder.Codes(), (std::vector<int>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN}));
  SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<int16_t>(client.x), static_cast<int16_t>(client.y)));
  EXPECT_EQ(recorder.Codes().back(), SB_ENDSCROLL);
  EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 3);
  ReleaseWrapper(std::move(wrapper));
  DestroyWindow(edit);
}

}  // namespace
}  // namespace qw::test
