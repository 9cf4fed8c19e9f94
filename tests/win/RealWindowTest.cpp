// Checks that only a real window on a real display can answer: pixels read back from the window's DC,
// the window region and non-client hit testing. They prove the Wine harness shows what users would see.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kFill = RGB(200, 30, 60);

LRESULT CALLBACK FillWndProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH brush = CreateSolidBrush(kFill);
    FillRect(dc, &ps.rcPaint, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, w, l);
}

void PumpMessages() {
  MSG msg;
  for (int i = 0; i < 50; ++i) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
}

class RealWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = FillWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QwTestFill";
    RegisterClassW(&wc);
    hwnd = CreateWindowExW(0, L"QwTestFill", L"Qwillet test", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                           40, 40, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    PumpMessages();
  }
  void TearDown() override { DestroyWindow(hwnd); }
  HWND hwnd = nullptr;
};

TEST_F(RealWindow, PaintedPixelsReadBackFromTheWindowDC) {
  RECT wr, cr;
  GetWindowRect(hwnd, &wr);
  GetClientRect(hwnd, &cr);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  HDC windowDC = GetWindowDC(hwnd);
  HDC mem = CreateCompatibleDC(windowDC);
  HBITMAP bmp = CreateCompatibleBitmap(windowDC, 20, 20);
  HGDIOBJ old = SelectObject(mem, bmp);
  // Copy a block from the middle of the client area, in window coordinates.
  const int x = origin.x - wr.left + cr.right / 2;
  const int y = origin.y - wr.top + cr.bottom / 2;
  ASSERT_TRUE(BitBlt(mem, 0, 0, 20, 20, windowDC, x, y, SRCCOPY));
  EXPECT_EQ(GetPixel(mem, 10, 10), kFill);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(hwnd, windowDC);
}

TEST_F(RealWindow, WindowRegionIsKeptExactly) {
  HRGN rgn = CreateRoundRectRgn(0, 0, 300, 200, 16, 16);
  ASSERT_TRUE(SetWindowRgn(hwnd, rgn, TRUE));  // the window owns the region now
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(hwnd, copy), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(copy, 0, 0));    // the rounded corner is cut
  EXPECT_TRUE(PtInRegion(copy, 150, 100));
  DeleteObject(copy);
}

TEST_F(RealWindow, HitTestTellsCaptionClientAndCloseButtonApart) {
  RECT wr;
  GetWindowRect(hwnd, &wr);
  POINT client{150, 100};
  ClientToScreen(hwnd, &client);
  EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(client.x, client.y)), HTCLIENT);
  const int captionY = wr.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(wr.left + 60, captionY)), HTCAPTION);
  EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(wr.right + 50, captionY)), HTNOWHERE);
}

}  // namespace
