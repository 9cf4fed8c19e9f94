// Standard tab controls wrapped on the skinned generator window under each shipped skin: the page area
// in the page control's section, the tabs in the tab section with the selected one larger, the pages of
// a wrapped page control showing that page area, and the system's look and window procedure back when
// the skin goes.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "../core/CoreTestSupport.h"
#include "../form/FormTestSupport.h"
#include "BoxTestSupport.h"
#include "skin/controls/TabControlWnd_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"

namespace qw::test {
namespace {

const wchar_t kPageClass[] = L"QwTestPage";

void RegisterPageClass() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1);
    wc.lpszClassName = kPageClass;
    return RegisterClassW(&wc) != 0;
  }();
  (void)registered;
}

class WrappedTabs : public ::testing::TestWithParam<const char16_t*> {
 protected:
  void SetUp() override {
    M = W->sSkinManager1;
    if (M->SkinName() != GetParam()) M->SetSkinName(GetParam());
    ASSERT_EQ(M->SkinName(), GetParam());
    Tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 10, 70, 260, 150,
                           W.Form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(Tabs, nullptr);
    SendMessageW(Tabs, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    for (const wchar_t* caption : {L"First", L"Second", L"Third"}) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(caption);
      const int count = static_cast<int>(SendMessageW(Tabs, TCM_GETITEMCOUNT, 0, 0));
      SendMessageW(Tabs, TCM_INSERTITEMW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(Tabs, TCM_SETCURSEL, 0, 0);
    Pump(3);
  }
  void TearDown() override {
    Wrapper.reset();
    if (Tabs) DestroyWindow(Tabs);
  }
  const TsGeneralData& Section(std::u16string_view name) {
    const int i = M->GetSkinIndex(name);
    EXPECT_GE(i, 0);
    return M->gd[static_cast<size_t>(std::max(i, 0))];
  }
  // A point of a tab above its caption, and the colour the tab section gives it there in a state.
  TPoint Plain(int tab) {
    const TRect r = Wrapper->PaintedTabRectOf(tab);
    return TPoint{r.Left + WidthOfRect(r) / 2, r.Top + 4};
  }
  uint32_t TabLook(int tab, int state) {
    const TRect r = Wrapper->PaintedTabRectOf(tab);
    TBitmap32 face(WidthOfRect(r), HeightOfRect(r));
    TCacheInfo behind;
    behind.FillColor = 0x00FF00FF;
    const int section = M->GetSkinIndex(u"TABTOP");
    PaintTabFace(*M, section, u"TABTOP", state, behind, TPoint{}, face, clBlack);
    return Rgb(face, Plain(tab).X - r.Left, Plain(tab).Y - r.Top);
  }
  // The middle of the system's page rectangle, before the wrapper measures anything.
  TPoint PageMiddle0() {
    RECT r{};
    GetClientRect(Tabs, &r);
    SendMessageW(Tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return TPoint{r.left + 5, (r.top + r.bottom) / 2};
  }
  TPoint PageMiddle() {
    const TRect page = Wrapper->PageRect();
    return TPoint{page.Left + 5, (page.Top + page.Bottom) / 2};
  }

  TGeneratorWindow W;
  TsSkinManager* M = nullptr;
  HWND Tabs = nullptr;
  std::unique_ptr<TqxTabControlWnd> Wrapper;
};

TEST_P(WrappedTabs, APlainTabControlPaintsThePageAreaAndTheTabsInTheirSections) {
  const WNDPROC own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Tabs, GWLP_WNDPROC));
  const uint32_t systemPage = Rgb(PictureOfWindow(Tabs), PageMiddle0().X, PageMiddle0().Y);
  Wrapper = TqxMainWnd::Create<TqxTabControlWnd>(Tabs, u"", M, nullptr);
  ASSERT_TRUE(Wrapper->Skinned());
  EXPECT_EQ(TqxMainWnd::FromHandle(Tabs), Wrapper.get());
  const TBitmap32 skinned = PictureOfWindow(Tabs);
  EXPECT_EQ(Wrapper->PageSection().Name, u"PAGECONTROL");
  const uint32_t page = PixelOf(Section(u"PAGECONTROL").Props[0].Color);
  EXPECT_EQ(Rgb(skinned, PageMiddle().X, PageMiddle().Y), page);
  // The tabs: the resting ones in the section's first look, the selected one larger in its pressed look.
  const TsGeneralData& tab = Section(u"TABTOP");
  const TRect system = [this] {
    RECT r{};
    SendMessageW(Tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    return TRect{r.left, r.top, r.right, r.bottom};
  }();
  EXPECT_EQ(WidthOfRect(Wrapper->PaintedTabRectOf(0)), WidthOfRect(system) + 4);
  EXPECT_EQ(Rgb(skinned, Plain(1).X, Plain(1).Y), PixelOf(tab.Props[0].Color));
  EXPECT_EQ(Rgb(skinned, Plain(1).X, Plain(1).Y), TabLook(1, StateNormal));
  EXPECT_EQ(Rgb(skinned, Plain(0).X, Plain(0).Y), TabLook(0, StatePressed));
  EXPECT_NE(TabLook(0, StatePressed), TabLook(0, StateNormal));
  // The tab under the mouse is hot until the mouse leaves.
  SendMessageW(Tabs, WM_MOUSEMOVE, 0, MAKELPARAM(Plain(1).X, Plain(1).Y));
  EXPECT_EQ(Wrapper->HotTab(), 1);
  EXPECT_EQ(Rgb(PictureOfWindow(Tabs), Plain(1).X, Plain(1).Y), TabLook(1, StateHot));
  SendMessageW(Tabs, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Wrapper->HotTab(), -1);
  // Another selection moves the large tab.
  SendMessageW(Tabs, TCM_SETCURSEL, 2, 0);
  const TBitmap32 moved = PictureOfWindow(Tabs);
  EXPECT_EQ(Rgb(moved, Plain(0).X, Plain(0).Y), TabLook(0, StateNormal));
  EXPECT_EQ(Rgb(moved, Plain(2).X, Plain(2).Y), TabLook(2, StatePressed));

  // Without the skin the system paints; the wrapper let go gives the window its procedure back.
  M->SetActive(false);
  PumpAll();
  EXPECT_FALSE(Wrapper->Skinned());
  EXPECT_EQ(Rgb(PictureOfWindow(Tabs), PageMiddle0().X, PageMiddle0().Y), systemPage);
  ReleaseWrapper(std::move(Wrapper));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Tabs, GWLP_WNDPROC)), own);
  EXPECT_EQ(GetPropW(Tabs, kWrapperProp), nullptr);
  M->SetActive(true);
  PumpAll();
}

TEST_P(WrappedTabs, ThePagesOfAWrappedPageControlShowItsPageArea) {
  RegisterPageClass();
  RECT r{};
  GetClientRect(Tabs, &r);
  SendMessageW(Tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  HWND pageWnd = CreateWindowExW(0, kPageClass, L"", WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, Tabs, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(pageWnd, nullptr);
  const uint32_t plain = Rgb(PictureOfWindow(pageWnd, true), 4, 4);
  auto pages = TqxMainWnd::Create<TqxPageControlWnd>(Tabs, u"", M, nullptr);
  ASSERT_EQ(pages->PageWrapperCount(), 1);
  ASSERT_NE(TqxMainWnd::FromHandle(pageWnd), nullptr);
  EXPECT_STREQ(TqxMainWnd::FromHandle(pageWnd)->ClassName(), "TqxPageWnd");
  EXPECT_EQ(TqxMainWnd::FromHandle(pageWnd)->SkinData->SkinSection(), u"CHECKBOX");
  // The page erases with the control's picture at its place.
  ASSERT_TRUE(pages->PrepareCache());
  const TBitmap32& cache = *pages->SkinData->CacheBmp();
  const TBitmap32 erased = PictureOfWindow(pageWnd, true);
  EXPECT_EQ(Rgb(erased, 4, 4), Rgb(cache, r.left + 4, r.top + 4));
  EXPECT_EQ(Rgb(erased, 4, (r.bottom - r.top) / 2), PixelOf(Section(u"PAGECONTROL").Props[0].Color));
  EXPECT_NE(Rgb(erased, 4, (r.bottom - r.top) / 2), plain);
  // Let go, the page erases as its class does again.
  ReleaseWrapper(std::move(pages));
  EXPECT_EQ(TqxMainWnd::FromHandle(pageWnd), nullptr);
  EXPECT_EQ(Rgb(PictureOfWindow(pageWnd, true), 4, 4), plain);
}

INSTANTIATE_TEST_SUITE_P(Skins, WrappedTabs, ::testing::Values(u"Flatline (internal)", u"MetroUI (internal)"),
                         [](const auto& info) { return info.index == 0 ? "Flatline" : "MetroUI"; });

}  // namespace
}  // namespace qw::test
