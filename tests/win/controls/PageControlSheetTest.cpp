// The pages of a skinned page control against a test skin: a page's own section over its area and in
// its answers to its children, the tab kinds and what choosing one does to the page shown, the stored
// page look, and the tab strip's scroll arrows wrapped, let go and removed.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "../core/CoreTestSupport.h"
#include "BoxTestSupport.h"
#include "fw/ClassRegistry.h"
#include "fw/FormReader.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/controls/WndWrapper_win.h"
#include "skin/controls/sPageControl.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"

namespace qw::test {
namespace {

constexpr TColor kOwn = 0x002060E0;

// What a window paints into a fresh DIB when its paint message brings the DC.
TBitmap32 PaintedWindow(HWND wnd) {
  RECT r{};
  GetClientRect(wnd, &r);
  TBitmap32 picture(r.right, r.bottom);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(picture.NativeHandle()));
  SendMessageW(wnd, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  return picture;
}

class PagesOnTestSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    const int global = Skin.AddSection(u"GLOBALINFO", 0xFFFFFF);
    Skin.M.ConstData.IndexGLobalInfo = static_cast<int16_t>(global);
    PageSection = Skin.AddSection(u"PAGECONTROL", kPage, 1);
    Skin.AddSection(u"TABSHEET", kPage, 1);
    Skin.AddSection(u"BUTTON", 0x00808080, 3);
    Host.Form->SetColor(kBehind);
  }
  void MakePages(int width, int count) {
    Pages = Host.Add<TsPageControl>(10, 10, width, 160);
    Pages->SkinData.SetSkinSection(u"PAGECONTROL");
    for (int i = 0; i < count; ++i) {
      auto* sheet = Host.Add<TsTabSheet>(0, 0, 10, 10, Pages);
      sheet->SetText(L"Page " + std::to_wstring(i));
      sheet->SkinData.SetSkinSection(u"TABSHEET");
      Sheets.push_back(sheet);
    }
    Pages->SetActivePage(Sheets[0]);
    Pages->SetBounds(10, 10, width, 161);  // lays the sheets out
    PumpAll();
    ASSERT_TRUE(Pages->SkinData.Skinned());
  }
  TPoint MiddleOf(const TTabSheet& s) { return TPoint{s.Left() + s.Width() / 2, s.Top() + s.Height() / 2}; }
  int IndexAnswer(TControl* c) {
    int index = -1;
    SendSkinCommand(c, skcGetSkinIndex, reinterpret_cast<LPARAM>(&index));
    return index;
  }
  HWND Arrows() const { return FindWindowExW(Pages->Handle(), nullptr, UPDOWN_CLASSW, nullptr); }

  TTestSkin Skin;
  THostForm Host;
  int PageSection = -1;
  TsPageControl* Pages = nullptr;
  std::vector<TsTabSheet*> Sheets;
};

TEST_F(PagesOnTestSkin, AnActivePageWithItsOwnSectionShowsItAndAnswersWithIt) {
  MakePages(240, 2);
  Sheets[0]->TabSkinData.SetSkinSection(u"ownpage");
  Sheets[1]->TabSkinData.SetSkinSection(u"OWNPAGE");
  // Named, but missing from the skin: the page control's section paints and answers.
  EXPECT_EQ(Rgb(PaintedPages(*Pages), MiddleOf(*Sheets[0]).X, MiddleOf(*Sheets[0]).Y), PixelOf(kPage));
  EXPECT_EQ(IndexAnswer(Sheets[0]), PageSection);
  const int own = Skin.AddSection(u"OWNPAGE", kOwn, 1);
  EXPECT_EQ(Rgb(PaintedPages(*Pages), MiddleOf(*Sheets[0]).X, MiddleOf(*Sheets[0]).Y), PixelOf(kOwn));
  EXPECT_EQ(IndexAnswer(Sheets[0]), own);
  // Only the page shown: the page area outside it keeps the page control's section.
  const TRect area = Pages->PageRect();
  EXPECT_EQ(Rgb(PaintedPages(*Pages), area.Left + 1, area.Top + 1), PixelOf(kPage));
  // The sheet's face is that picture.
  const TBitmap32 face = PictureOf(*Sheets[0]);
  EXPECT_EQ(Rgb(face, Sheets[0]->Width() / 2, Sheets[0]->Height() / 2), PixelOf(kOwn));
  Sheets[0]->TabSkinData.SetSkinSection(u"");
  EXPECT_EQ(Rgb(PaintedPages(*Pages), MiddleOf(*Sheets[0]).X, MiddleOf(*Sheets[0]).Y), PixelOf(kPage));
}

TEST_F(PagesOnTestSkin, ChildrenOfAPageDependOnWhatIsBehindWhenThePageControlsSectionDoes) {
  MakePages(240, 2);
  EXPECT_EQ(SendSkinCommand(Sheets[0], skcQueryParentBG), 0);
  Skin.Section(PageSection).Props[0].GradientPercent = 40;
  EXPECT_EQ(SendSkinCommand(Sheets[0], skcQueryParentBG), 1);
  Skin.Section(PageSection).Props[0].GradientPercent = 0;
  Skin.Section(PageSection).Props[0].ImagePercent = 10;
  EXPECT_EQ(SendSkinCommand(Sheets[0], skcQueryParentBG), 1);
}

TEST_F(PagesOnTestSkin, ChoosingATabKindSetsItsSectionAndNeverLeavesAButtonShown) {
  MakePages(240, 3);
  Sheets[0]->SetTabType(ttButton);
  EXPECT_EQ(Sheets[0]->TabSkin(), u"SPEEDBUTTON");
  EXPECT_EQ(Pages->ActivePageIndex(), 1);
  Sheets[1]->SetTabType(ttMenu);
  EXPECT_EQ(Sheets[1]->TabSkin(), u"MENUBTN");
  EXPECT_EQ(Pages->ActivePageIndex(), 2);
  // A section already chosen stays; a page tab loses it.
  Sheets[2]->SetTabSkin(u"MYTAB");
  Sheets[2]->SetTabType(ttButton);
  EXPECT_EQ(Sheets[2]->TabSkin(), u"MYTAB");
  // With no page tab at all, the page shown stays.
  EXPECT_EQ(Pages->ActivePageIndex(), 2);
  // A page tab again: the shown button gives way to the nearest page tab before it.
  Sheets[0]->SetTabType(ttTab);
  EXPECT_EQ(Sheets[0]->TabSkin(), u"");
  EXPECT_EQ(Pages->ActivePageIndex(), 0);
  Sheets[2]->SetTabType(ttTab);
  PaintedPages(*Pages);
}

TEST_F(PagesOnTestSkin, TheStripsScrollArrowsAreSkinnedLetGoWithTheSkinAndRemovedWhenNotWanted) {
  MakePages(90, 8);
  HWND arrows = Arrows();
  ASSERT_NE(arrows, nullptr) << "the tab strip shows no scroll arrows";
  // The skin lacks the arrows' own section: they are buttons.
  ASSERT_NE(Pages->SpinWnd(), nullptr);
  EXPECT_EQ(Pages->SpinWnd()->CtrlHandle, arrows);
  EXPECT_EQ(Pages->SpinWnd()->SkinData->SkinSection(), u"BUTTON");
  EXPECT_EQ(TqxMainWnd::FromHandle(arrows), Pages->SpinWnd());
  // A new skin that has it: the arrows are wrapped with it.
  Skin.AddSection(u"UPDOWNBTN", 0x00406080, 3);
  SendSkinCommand(Pages, skcNewSkin, reinterpret_cast<LPARAM>(&Skin.M));
  ASSERT_NE(Pages->SpinWnd(), nullptr);
  EXPECT_EQ(Pages->SpinWnd()->SkinData->SkinSection(), u"UPDOWNBTN");
  EXPECT_EQ(Rgb(PaintedWindow(arrows), 1, 1), PixelOf(0x00406080));
  // The skin removed, the arrows are the system's again; back with the next skin.
  SendSkinCommand(Pages, skcRemoveSkin, reinterpret_cast<LPARAM>(&Skin.M));
  EXPECT_EQ(Pages->SpinWnd(), nullptr);
  EXPECT_EQ(TqxMainWnd::FromHandle(arrows), nullptr);
  EXPECT_TRUE(IsWindow(arrows));
  SendSkinCommand(Pages, skcNewSkin, reinterpret_cast<LPARAM>(&Skin.M));
  ASSERT_NE(Pages->SpinWnd(), nullptr);
  // One more page keeps the same wrapper; no arrows wanted destroys them.
  TqxMainWnd* wrapper = Pages->SpinWnd();
  auto* extra = Host.Add<TsTabSheet>(0, 0, 10, 10, Pages);
  extra->SetText(L"More");
  EXPECT_EQ(Pages->SpinWnd(), wrapper);
  Pages->SetShowUpDown(false);
  EXPECT_EQ(Pages->SpinWnd(), nullptr);
  EXPECT_EQ(Arrows(), nullptr);
  PumpAll();
}

TEST_F(PagesOnTestSkin, ThePageControlGoesWithItsWrappedArrows) {
  MakePages(90, 8);
  ASSERT_NE(Pages->SpinWnd(), nullptr);
  HWND arrows = Arrows();
  // Freed while its window exists: the arrows are given back before they go.
  Host.Owned.erase(Host.Owned.begin());  // the page control (its sheets were added after it)
  Sheets.clear();
  EXPECT_FALSE(IsWindow(arrows));
  PumpAll();
}

// ---- Stored page looks -----------------------------------------------------------------------------------

class TSheetsForm : public TForm {
 public:
  const char* ClassName() const override { return "TSheetsForm"; }
};

TEST(PageSheetDescription, APagesStoredSkinDataIsItsOwnLookAndAButtonPageIsNeverShownAfterLoading) {
  static const bool registered = [] {
    RegisterSkinControls(ClassRegistry());
    ClassRegistry().Register("TSheetsForm", "TForm", nullptr);
    return true;
  }();
  (void)registered;
  TSheetsForm form;
  TFormReader reader(form, ClassRegistry());
  reader.ReadForm(
      "object F: TSheetsForm\n  object P: TsPageControl\n    ShowUpDown = False\n"
      "    object A: TsTabSheet\n      TabType = ttButton\n      SkinData.SkinSection = 'panel_low'\n"
      "      SkinData.CustomColor = True\n    end\n"
      "    object B: TsTabSheet\n    end\n  end\nend\n");
  TsPageControl* pages = nullptr;
  std::vector<TsTabSheet*> sheets;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    if (auto* p = dynamic_cast<TsPageControl*>(form.Components(i))) pages = p;
    if (auto* s = dynamic_cast<TsTabSheet*>(form.Components(i))) sheets.push_back(s);
  }
  ASSERT_TRUE(pages);
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_FALSE(pages->ShowUpDown());
  EXPECT_EQ(sheets[0]->TabType(), ttButton);
  EXPECT_EQ(sheets[0]->TabSkin(), u"SPEEDBUTTON");
  EXPECT_EQ(sheets[0]->TabSkinData.SkinSection(), u"PANEL_LOW");
  EXPECT_TRUE(sheets[0]->TabSkinData.CustomColor);
  EXPECT_FALSE(sheets[0]->TabSkinData.CustomFont);
  EXPECT_EQ(sheets[1]->TabSkinData.SkinSection(), u"");
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
}

}  // namespace
}  // namespace qw::test
