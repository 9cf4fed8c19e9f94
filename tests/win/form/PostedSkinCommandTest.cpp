// Skin commands another process posts to our windows: the main loop drops them, but a message box's or a
// popup menu's own loop dispatches them. Those carrying an address must touch nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "fw/Menu.h"
#include "skin/controls/sPanel.h"
#include "skin/controls/sSpinEdit.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/data/SkinCommands.h"
#include "tests/win/form/FormTestSupport.h"

namespace qw::test {
namespace {

LONG GAccessViolations = 0;

LONG CALLBACK CountAccessViolations(EXCEPTION_POINTERS* e) {
  if (e->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) InterlockedIncrement(&GAccessViolations);
  return EXCEPTION_CONTINUE_SEARCH;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

// What a stranger would post: addresses of live variables of ours (so a write would show) and addresses
// that point nowhere (so a read would fault), in every command that carries one.
class TStranger {
 public:
  TStranger() {
    FHandler = AddVectoredExceptionHandler(1, CountAccessViolations);
    GAccessViolations = 0;
    Info.Color = 0x123456;
  }
  ~TStranger() { RemoveVectoredExceptionHandler(FHandler); }

  void PostToEveryWindowOf(HWND form) {
    std::vector<HWND> windows{form};
    EnumChildWindows(form, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    const LPARAM live[] = {reinterpret_cast<LPARAM>(&Index), reinterpret_cast<LPARAM>(&Info),
                           reinterpret_cast<LPARAM>(&Record)};
    const TSkinCommand codes[] = {skcGetSkinIndex, skcPaintBackground, skcSetSection, skcAddControls,
                                  skcFadeFrame,    skcGetDisabledBlend};
    for (HWND w : windows)
      for (TSkinCommand code : codes) {
        for (LPARAM address : live) PostMessageW(w, SkinCommandMsg, SkinCommandWParam(code), address);
        PostMessageW(w, SkinCommandMsg, SkinCommandWParam(code), 0x10);
      }
    Posted = static_cast<int>(windows.size() * std::size(codes) * 4);
  }

  int Index = -7;
  TBackgroundInfo Info;
  TsSectionRecord Record{0, u"EDIT"};
  int Posted = 0;

 private:
  PVOID FHandler;
};

// A message-only window that closes the open popup menu when its message comes: posted after the
// stranger's, it arrives after all of them have been dispatched.
class TMenuCloser {
 public:
  TMenuCloser() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
      if (msg == WM_APP) EndMenu();
      return DefWindowProcW(hwnd, msg, w, l);
    };
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QwTestMenuCloser";
    RegisterClassW(&wc);
    FWindow = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  }
  ~TMenuCloser() { DestroyWindow(FWindow); }
  void CloseLater() { PostMessageW(FWindow, WM_APP, 0, 0); }

 private:
  HWND FWindow;
};

class PostedSkinCommands : public ::testing::Test {
 protected:
  void ExpectNothingTouched(const TStranger& stranger) {
    ASSERT_GT(stranger.Posted, 0);
    EXPECT_TRUE(IsWindow(W->Handle()));
    EXPECT_EQ(stranger.Index, -7);
    EXPECT_EQ(stranger.Info.BgType, btUnknown);
    EXPECT_EQ(stranger.Info.Color, 0x123456);
    EXPECT_EQ(stranger.Info.Bmp, nullptr);
    EXPECT_EQ(W->sPanel1->SkinData.SkinSection(), PanelSection);
    EXPECT_EQ(GAccessViolations, 0);
  }
  TGeneratorWindow W;
  std::u16string PanelSection = W->sPanel1->SkinData.SkinSection();
};

TEST_F(PostedSkinCommands, TouchNothingWhileThePopupMenuIsOpen) {
  TStranger stranger;
  TMenuCloser closer;
  stranger.PostToEveryWindowOf(W->Handle());
  closer.CloseLater();
  POINT pt{20, 20};
  ClientToScreen(W->sPanel1->Handle(), &pt);
  SendMessageW(W->sPanel1->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(W->sPanel1->Handle()),
               MAKELPARAM(pt.x, pt.y));
  ExpectNothingTouched(stranger);
}

TEST_F(PostedSkinCommands, TouchNothingWhileTheErrorBoxIsOpen) {
  TStranger stranger;
  TMessageBoxCatcher boxes;  // closes the box with a message posted after the stranger's
  W->sSpinEdit1->SetText(L"");
  stranger.PostToEveryWindowOf(W->Handle());
  W->N2->Click();
  ASSERT_EQ(boxes.Boxes.size(), 1u);
  ExpectNothingTouched(stranger);
}

}  // namespace
}  // namespace qw::test
