// The skinned page control while its page changes and while its handlers run: the new page reaches the
// screen whole, under a cover that holds the old look meanwhile; a handler may free the control; the
// strip follows its scroll arrows and the end of an update.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../core/CoreTestSupport.h"
#include "BoxTestSupport.h"
#include "fw/Panel.h"
#include "skin/controls/sPageControl.h"
#include "skin/core/Transitions_win.h"

namespace qw::test {
namespace {

constexpr TColor kTabFace = 0x0000A000;

LPARAM Centre(const TRect& r) { return MAKELPARAM((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

// What a window shows now: its place in its top-level window's picture, where every child draws and
// from where the screen is updated.
TBitmap32 OnScreen(HWND window) {
  HWND top = GetAncestor(window, GA_ROOT);
  RECT wr, tr;
  GetWindowRect(window, &wr);
  GetWindowRect(top, &tr);
  TBitmap32 picture(wr.right - wr.left, wr.bottom - wr.top);
  HDC source = GetWindowDC(top);
  HDC mem = CreateCompatibleDC(source);
  HGDIOBJ old = SelectObject(mem, static_cast<HBITMAP>(picture.NativeHandle()));
  BitBlt(mem, 0, 0, picture.Width(), picture.Height(), source, wr.left - tr.left, wr.top - tr.top, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(top, source);
  GdiFlush();
  return picture;
}

void HoldCtrl(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

int DifferentPixels(const TBitmap32& a, const TBitmap32& b) {
  int n = 0;
  for (size_t i = 0; i < a.PixelCount(); ++i) n += (a.Pixels()[i] & 0xFFFFFF) != (b.Pixels()[i] & 0xFFFFFF);
  return n;
}

// A page control whose memory, once freed, reads as garbage: anything of it touched afterwards faults.
class TPoisonedPages : public TsPageControl {
 public:
  static void operator delete(void* p, std::size_t size) {
    std::memset(p, 0xDD, size);
    ::operator delete(p);
  }
};

LONG GFaults = 0;
LONG CALLBACK CountFaults(EXCEPTION_POINTERS* e) {
  if (e->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) InterlockedIncrement(&GFaults);
  return EXCEPTION_CONTINUE_SEARCH;
}

// The cover's life as the system sees it: made, shown, destroyed.
struct TCoverLog {
  static inline std::vector<std::string> Events;
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    HWND w = reinterpret_cast<HWND>(wParam);
    wchar_t text[32] = {};
    if (code == HCBT_CREATEWND) {
      const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
      if (create->lpcs->lpszName && !IS_INTRESOURCE(create->lpcs->lpszName) &&
          std::wstring(create->lpcs->lpszName) == L"qxOutputWindow")
        Events.push_back("created");
    } else if (code == HCBT_DESTROYWND && GetWindowTextW(w, text, 32) && std::wstring(text) == L"qxOutputWindow") {
      Events.push_back(IsWindowVisible(w) ? "destroyed shown" : "destroyed");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

class PageControlChange : public ::testing::Test {
 protected:
  void SetUp() override {
    Skin.M.ConstData.IndexGLobalInfo = static_cast<int16_t>(Skin.AddSection(u"GLOBALINFO", 0xFFFFFF));
    Skin.AddSection(u"PAGECONTROL", kPage, 1);
    Skin.AddSection(u"TABSHEET", kPage, 1);
    Skin.AddSection(u"TABTOP", kTabFace, 3);
    Host.Form->SetColor(kBehind);
    AddPages();
    // Something of its own on each page, so a half-painted page would show.
    for (int i = 0; i < 2; ++i) Host.Add<TPanel>(20 + 60 * i, 20, 50, 40, Sheets[i])->SetColor(i == 0 ? 0x0000FF : 0xFF0000);
    PumpAll();
    ASSERT_TRUE(Pages->SkinData.Skinned());
    Faults = AddVectoredExceptionHandler(1, CountFaults);
    GFaults = 0;
  }
  void TearDown() override { RemoveVectoredExceptionHandler(Faults); }
  void AddPages() {
    Pages = Host.Add<TPoisonedPages>(10, 10, 240, 150);
    Pages->SkinData.SetSkinSection(u"PAGECONTROL");
    for (const wchar_t* caption : {L"One", L"Two"}) AddSheet(caption);
    Pages->SetActivePage(Sheets[0]);
    Pages->SetHeight(160);  // the sheets take the page area
  }
  TsTabSheet* AddSheet(const wchar_t* caption) {
    auto* sheet = Host.Add<TsTabSheet>(0, 0, 10, 10, Pages);
    sheet->SetText(caption);
    sheet->SkinData.SetSkinSection(u"TABSHEET");
    Sheets.push_back(sheet);
    return sheet;
  }
  void Click(int tab) {
    const LPARAM p = Centre(Pages->PaintedTabRectOf(tab));
    SendMessageW(Pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, p);
    SendMessageW(Pages->Handle(), WM_LBUTTONUP, 0, p);
  }
  // Frees the control from inside one of its handlers, as a program may.
  void FreePages() {
    if (Freed) return;
    Freed = true;
    for (auto& owned : Host.Owned)
      if (owned.get() == Pages) owned.reset();
  }

  TTestSkin Skin;
  THostForm Host;
  TsPageControl* Pages = nullptr;
  std::vector<TsTabSheet*> Sheets;
  bool Freed = false;
  PVOID Faults = nullptr;
};

TEST_F(PageControlChange, TheNewPageIsOnTheScreenWholeWhenTheClickReturnsAndTheCoverIsGone) {
  HHOOK hook = SetWindowsHookExW(WH_CBT, TCoverLog::Hook, nullptr, GetCurrentThreadId());
  TCoverLog::Events.clear();
  Click(1);
  const TBitmap32 atOnce = OnScreen(Pages->Handle());
  UnhookWindowsHookEx(hook);
  ASSERT_EQ(Pages->ActivePageIndex(), 1);
  EXPECT_EQ(TCoverLog::Events, (std::vector<std::string>{"created", "destroyed"}));
  EXPECT_EQ(CoverWindow(), nullptr);
  // Whatever the loop still repaints afterwards changes nothing that was seen.
  PumpAll(5);
  const TBitmap32 settled = OnScreen(Pages->Handle());
  EXPECT_EQ(DifferentPixels(atOnce, settled), 0);
  // Ctrl+Tab back, the same way.
  HoldCtrl(true);
  SendMessageW(Pages->Handle(), WM_KEYDOWN, VK_TAB, 0);
  HoldCtrl(false);
  ASSERT_EQ(Pages->ActivePageIndex(), 0);
  const TBitmap32 back = OnScreen(Pages->Handle());
  PumpAll(5);
  EXPECT_EQ(DifferentPixels(back, OnScreen(Pages->Handle())), 0);
  EXPECT_EQ(GFaults, 0);
}

TEST_F(PageControlChange, AHandlerMayFreeTheControlInTheMiddleOfAnyMessage) {
  const auto free = [this](auto&&...) { FreePages(); };
  using TKind = std::function<void()>;
  const std::vector<std::pair<const char*, TKind>> ways = {
      {"tab mouse enter", [&] {
         Pages->OnTabMouseEnter = free;
         SendMessageW(Pages->Handle(), WM_MOUSEMOVE, 0, Centre(Pages->PaintedTabRectOf(1)));
       }},
      {"tab mouse leave", [&] {
         SendMessageW(Pages->Handle(), WM_MOUSEMOVE, 0, Centre(Pages->PaintedTabRectOf(1)));
         Pages->OnTabMouseLeave = free;
         SendMessageW(Pages->Handle(), FW_MOUSE_LEAVE, 0, 0);
       }},
      {"page changing", [&] {
         Pages->OnPageChanging = [this](TsPageControl&, TTabSheet*, bool&) { FreePages(); };
         Click(1);
       }},
      {"change under the cover", [&] {
         Pages->OnChange = [this](TComponent*) { FreePages(); };
         HoldCtrl(true);
         SendMessageW(Pages->Handle(), WM_KEYDOWN, VK_TAB, 0);
         HoldCtrl(false);
       }},
      {"owner-drawn tab", [&] {
         Pages->OwnerDraw = true;
         Pages->OnDrawTab = [this](TsPageControl&, int, const TRect&, bool, TCanvas&) { FreePages(); };
         RedrawWindow(Pages->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
       }},
  };
  for (const auto& [what, way] : ways) {
    way();
    PumpAll();
    EXPECT_TRUE(Freed) << what;
    EXPECT_EQ(GFaults, 0) << what;
    EXPECT_EQ(CoverWindow(), nullptr) << what;
    EXPECT_TRUE(IsWindow(Host.Form->Handle())) << what;
    // A fresh control for the next way.
    Sheets.clear();
    Freed = false;
    AddPages();
    PumpAll();
  }
}

TEST_F(PageControlChange, TheStripIsRebuiltAfterItsArrowsScrollItAndAfterAnUpdateEnds) {
  for (int i = 0; i < 12; ++i) AddSheet(L"A rather long caption");
  PumpAll();
  ASSERT_NE(FindWindowExW(Pages->Handle(), nullptr, UPDOWN_CLASSW, nullptr), nullptr) << "more tabs than fit";
  const auto fresh = [this] {
    TBitmap32 shown = Pages->SkinData.CacheBmp()->Clone();
    Pages->PrepareCache();
    return DifferentPixels(shown, *Pages->SkinData.CacheBmp());
  };
  SendMessageW(Pages->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), 0);
  PumpAll();
  EXPECT_NE(Pages->TabRect(0).left, Pages->TabRect(3).left);
  EXPECT_EQ(fresh(), 0) << "the cached strip shows the tabs where the arrows put them";
  // The end of an update redraws the control with its pages.
  Pages->SkinData.BeginUpdate();
  PumpAll();
  Pages->SkinData.EndUpdate(false);
  RECT pending{};
  EXPECT_TRUE(GetUpdateRect(Pages->Handle(), &pending, FALSE));
  EXPECT_TRUE(GetUpdateRect(Pages->ActivePage()->Handle(), &pending, FALSE));
  EXPECT_TRUE(Pages->SkinData.BGChanged);
}

}  // namespace
}  // namespace qw::test
