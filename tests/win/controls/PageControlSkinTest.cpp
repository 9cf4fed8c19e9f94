// The skinned page control in the generator window under each shipped skin: the page area and tab
// strip in the skin's colours, the active tab larger and on top, the tab under the mouse hot, and page
// changes by click, arrow keys and Ctrl+Tab that OnPageChanging can refuse. Against a test skin: the
// page area's section by tab position with its fallback, and no skinned tabs without a tab section.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include <stdexcept>
#include <string>
#include <vector>

#include "../core/CoreTestSupport.h"
#include "../form/FormTestSupport.h"
#include "BoxTestSupport.h"
#include "fw/ClassRegistry.h"
#include "fw/DeferredRelease.h"
#include "fw/FormReader.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/controls/sPageControl.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"

namespace qw::test {
namespace {

TPoint MiddleOf(const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
LPARAM At(TPoint p) { return MAKELPARAM(p.X, p.Y); }

// Holds or releases the Ctrl key for this thread's keyboard state.
void SetCtrl(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

class PageControlLook : public ::testing::TestWithParam<const char16_t*> {
 protected:
  void SetUp() override {
    M = W->sSkinManager1;
    if (M->SkinName() != GetParam()) M->SetSkinName(GetParam());
    ASSERT_EQ(M->SkinName(), GetParam());
    Pages = W->sPageControl1;
    Pump(5);
    ASSERT_TRUE(Pages->SkinData.Skinned());
    ASSERT_EQ(Pages->PageCount(), 2);
    ASSERT_EQ(Pages->ActivePageIndex(), 0);
  }
  void TearDown() override { SetCtrl(false); }
  const TsGeneralData& Section(std::u16string_view name) {
    const int i = M->GetSkinIndex(name);
    EXPECT_GE(i, 0);
    return M->gd[static_cast<size_t>(i)];
  }
  // A point inside a tab clear of its caption and of its outline.
  TPoint Plain(int tab) {
    const TRect r = Pages->PaintedTabRectOf(tab);
    return TPoint{r.Left + WidthOfRect(r) / 5, (r.Top + r.Bottom) / 2};
  }
  uint32_t Behind(int x, int y) {
    const TCacheInfo ci = Pages->SkinData.GetParentCacheInfo();
    if (!ci.Ready) return PixelOf(ci.FillColor);
    return Rgb(*ci.Bmp, ci.X + Pages->Left() + x, ci.Y + Pages->Top() + y);
  }
  void Key(UINT key) { SendMessageW(Pages->Handle(), WM_KEYDOWN, key, 0); }
  void Click(int tab) {
    const LPARAM p = At(MiddleOf(Pages->PaintedTabRectOf(tab)));
    SendMessageW(Pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, p);
    SendMessageW(Pages->Handle(), WM_LBUTTONUP, 0, p);
    Pump(2);
  }

  TGeneratorWindow W;
  TsSkinManager* M = nullptr;
  TsPageControl* Pages = nullptr;
};

TEST_P(PageControlLook, TheStripShowsTheParentAndTheTabsTheirSectionWithTheActiveOneLargerAndOnTop) {
  const TBitmap32& cache = PaintedPages(*Pages);
  const TsGeneralData& tab = Section(u"TABTOP");
  const TRect system{Pages->TabRect(0).left, Pages->TabRect(0).top, Pages->TabRect(0).right, Pages->TabRect(0).bottom};
  const TRect active = Pages->PaintedTabRectOf(0);
  EXPECT_EQ(WidthOfRect(active), WidthOfRect(system) + 4);
  EXPECT_EQ(HeightOfRect(active), HeightOfRect(system) + 4);
  // The resting tab in the section's colour, the strip beyond the last tab the parent's background.
  EXPECT_EQ(Rgb(cache, Plain(1).X, Plain(1).Y), PixelOf(tab.Props[0].Color));
  EXPECT_EQ(Rgb(cache, Pages->Width() - 3, 3), Behind(Pages->Width() - 3, 3));
  // The active tab is painted over its neighbour's first columns (it is drawn after it).
  const TRect other = Pages->PaintedTabRectOf(1);
  ASSERT_LT(other.Left, active.Right);
  EXPECT_NE(Rgb(cache, active.Right - 1, Plain(1).Y), PixelOf(tab.Props[0].Color));
  EXPECT_EQ(Pages->ChangedSkinSection(), u"PAGECONTROL");
}

TEST_P(PageControlLook, ThePageAreaHasTheSectionsBorderAndTheSheetsShowItsInside) {
  const TBitmap32& cache = PaintedPages(*Pages);
  const TRect page = Pages->PageRect();
  const TsMaskData& border = M->ma[static_cast<size_t>(Section(u"PAGECONTROL").BorderIndex)];
  const TColor own = Pages->SkinData.CustomBackgroundColor();
  const uint32_t inside = PixelOf(own != clNoColor ? own : Section(u"PAGECONTROL").Props[0].Color);
  const int y = (page.Top + page.Bottom) / 2;
  EXPECT_EQ(Rgb(cache, page.Left, y), MaskedBorderPixel(*M, border, border.R.Left, border.R.Top + border.WT, inside));
  EXPECT_EQ(Rgb(cache, page.Left + 3, y), inside);
  // The sheet's face is that picture at its place.
  TsTabSheet& sheet = *W->sTabSheet1;
  const TBitmap32 face = PictureOf(sheet);
  EXPECT_EQ(Rgb(face, 1, sheet.Height() - 2), Rgb(cache, sheet.Left() + 1, sheet.Top() + sheet.Height() - 2));
  EXPECT_EQ(Rgb(face, 1, sheet.Height() - 2), inside);
}

TEST_P(PageControlLook, TheTabUnderTheMouseIsHotUntilTheMouseLeavesIt) {
  std::vector<std::string> events;
  Pages->OnTabMouseEnter = [&events](TsPageControl&, int i) { events.push_back("enter " + std::to_string(i)); };
  Pages->OnTabMouseLeave = [&events](TsPageControl&, int i) { events.push_back("leave " + std::to_string(i)); };
  const TsGeneralData& tab = Section(u"TABTOP");
  ASSERT_NE(tab.Props[0].Color, tab.Props[1].Color);
  SendMessageW(Pages->Handle(), WM_MOUSEMOVE, 0, At(Plain(1)));
  EXPECT_EQ(Pages->CurItem(), 1);
  EXPECT_EQ(Rgb(*Pages->SkinData.CacheBmp(), Plain(1).X, Plain(1).Y), PixelOf(tab.Props[1].Color));
  // A full repaint keeps the hot tab hot.
  EXPECT_EQ(Rgb(PaintedPages(*Pages), Plain(1).X, Plain(1).Y), PixelOf(tab.Props[1].Color));
  SendMessageW(Pages->Handle(), WM_MOUSEMOVE, 0, At(Plain(0)));
  EXPECT_EQ(Pages->CurItem(), 0);
  EXPECT_EQ(Rgb(*Pages->SkinData.CacheBmp(), Plain(1).X, Plain(1).Y), PixelOf(tab.Props[0].Color));
  Pages->Perform(FW_MOUSE_LEAVE);
  EXPECT_EQ(Pages->CurItem(), -1);
  EXPECT_EQ(events, (std::vector<std::string>{"enter 1", "leave 1", "enter 0", "leave 0"}));
}

TEST_P(PageControlLook, ClicksArrowsAndCtrlTabChangeThePageUnlessOnPageChangingRefuses) {
  int changes = 0;
  Pages->OnChange = [&changes](TComponent*) { ++changes; };
  Click(1);
  EXPECT_EQ(Pages->ActivePageIndex(), 1);
  Key(VK_LEFT);
  EXPECT_EQ(Pages->ActivePageIndex(), 0);
  SetCtrl(true);
  Key(VK_TAB);
  EXPECT_EQ(Pages->ActivePageIndex(), 1);
  Key(VK_TAB);  // from the last page to the first
  EXPECT_EQ(Pages->ActivePageIndex(), 0);
  SetCtrl(false);
  EXPECT_EQ(changes, 4);
  // The new page's tab is the large one now.
  Click(1);
  EXPECT_EQ(WidthOfRect(Pages->PaintedTabRectOf(1)), Pages->TabRect(1).right - Pages->TabRect(1).left + 4);

  std::vector<TTabSheet*> asked;
  Pages->OnPageChanging = [&asked](TsPageControl&, TTabSheet* page, bool& allow) {
    asked.push_back(page);
    allow = false;
  };
  changes = 0;
  Click(0);
  Key(VK_LEFT);
  SetCtrl(true);
  Key(VK_TAB);
  SetCtrl(false);
  Pump(2);
  EXPECT_EQ(Pages->ActivePageIndex(), 1);
  EXPECT_TRUE(IsWindowVisible(W->sTabSheet2->Handle()));
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(asked, (std::vector<TTabSheet*>(3, W->sTabSheet1)));
  Pages->OnPageChanging = nullptr;
}

INSTANTIATE_TEST_SUITE_P(Skins, PageControlLook, ::testing::Values(u"Flatline (internal)", u"MetroUI (internal)"),
                         [](const auto& info) { return info.index == 0 ? "Flatline" : "MetroUI"; });

// ---- Against a test skin ---------------------------------------------------------------------------------

constexpr TColor kLeftPage = 0x004080C0;
constexpr TColor kTab = 0x0000A000;

class PageControlSections : public ::testing::Test {
 protected:
  void SetUp() override {
    const int global = Skin.AddSection(u"GLOBALINFO", 0xFFFFFF);
    Skin.M.ConstData.IndexGLobalInfo = static_cast<int16_t>(global);
    Skin.AddSection(u"PAGECONTROL", kPage, 1);
    Skin.AddSection(u"TABSHEET", kPage, 1);
    Host.Form->SetColor(kBehind);
    Pages = Host.Add<TsPageControl>(10, 10, 240, 160);
    Pages->SkinData.SetSkinSection(u"PAGECONTROL");
    for (const wchar_t* caption : {L"One", L"Two"}) {
      auto* sheet = Host.Add<TsTabSheet>(0, 0, 10, 10, Pages);
      sheet->SetText(caption);
      sheet->SkinData.SetSkinSection(u"TABSHEET");
      Sheets.push_back(sheet);
    }
    Pages->SetActivePage(Sheets[0]);
    PumpAll();
    ASSERT_TRUE(Pages->SkinData.Skinned());
  }
  TTestSkin Skin;
  THostForm Host;
  TsPageControl* Pages = nullptr;
  std::vector<TsTabSheet*> Sheets;
};

TEST_F(PageControlSections, ThePageAreaTakesThePositionalSectionAtEveryRebuildAndFallsBackWithoutIt) {
  Pages->SetTabPosition(ptLeft);
  PumpAll();
  // The skin has no positional section: the default one paints.
  const TRect page = Pages->PageRect();
  EXPECT_EQ(Rgb(PaintedPages(*Pages), page.Left + 5, page.Top + 5), PixelOf(kPage));
  EXPECT_EQ(Pages->ChangedSkinSection(), u"PAGECONTROL");
  Skin.AddSection(u"PAGECONTROLLEFT", kLeftPage, 1);
  EXPECT_EQ(Rgb(PaintedPages(*Pages), page.Left + 5, page.Top + 5), PixelOf(kLeftPage));
  EXPECT_EQ(Pages->ChangedSkinSection(), u"PAGECONTROLLEFT");
  // Back on top, the control's own section again.
  Pages->SetTabPosition(ptTop);
  PumpAll();
  const TRect top = Pages->PageRect();
  EXPECT_EQ(Rgb(PaintedPages(*Pages), top.Left + 5, top.Bottom - 5), PixelOf(kPage));
  EXPECT_EQ(Pages->ChangedSkinSection(), u"PAGECONTROL");
}

TEST_F(PageControlSections, WithoutATabSectionTheStripIsOnlyTheParentsBackground) {
  const TRect tab = Pages->PaintedTabRectOf(1);
  const TPoint p = MiddleOf(tab);
  EXPECT_EQ(Rgb(PaintedPages(*Pages), tab.Left + 3, p.Y), PixelOf(kBehind));
  Skin.AddSection(u"TABTOP", kTab, 3);
  EXPECT_EQ(Rgb(PaintedPages(*Pages), tab.Left + 3, p.Y), PixelOf(kTab));
}

TEST_F(PageControlSections, TheHotTabIsForgottenWhenItsPageGoes) {
  SendMessageW(Pages->Handle(), WM_MOUSEMOVE, 0, At(MiddleOf(Pages->PaintedTabRectOf(1))));
  ASSERT_EQ(Pages->CurItem(), 1);
  Sheets[1]->SetParent(nullptr);
  EXPECT_EQ(Pages->PageCount(), 1);
  EXPECT_EQ(Pages->CurItem(), -1);
  // Painting with the page gone reads no tab that no longer exists.
  PaintedPages(*Pages);
  Sheets[1]->SetParent(Pages);
}

// ---- Tab contents and tab kinds ----------------------------------------------------------------------

constexpr uint32_t kCloseStates[3] = {0x00102030, 0x00405060, 0x00708090};

class PageControlTabs : public PageControlSections {
 protected:
  void SetUp() override {
    PageControlSections::SetUp();
    Skin.AddSection(u"TABTOP", kTab, 3);
    Skin.AddSection(u"TABLEFT", kTab, 3);
    // The skin's small close glyph: three 12 x 12 states side by side.
    Skin.M.ConstData.MaskCloseSmall = static_cast<int16_t>(Skin.AddMask(u"GLOBALINFO", u"SICONCLOSE", TRect{0, 0, 36, 12}, 3, 0));
    Skin.Paint(TRect{0, 0, 36, 12}, [](int x, int) { return kCloseStates[x / 12] | 0xFF000000u; });
    auto* third = Host.Add<TsTabSheet>(0, 0, 10, 10, Pages);
    third->SetText(L"Three");
    Sheets.push_back(third);
    Pages->OnChange = [this](TComponent*) { ++Changes; };
    PumpAll();
  }
  void ShowCloseButtons() {
    Pages->SetShowCloseBtns(true);
    PumpAll();
    ASSERT_EQ(Pages->CloseBtnSize(), (TSize2{12, 12}));
  }
  TPoint CloseButtonOf(int tab) {
    return MiddleOf(Pages->TabContentOf(tab, tab == Pages->ActivePageIndex() ? StatePressed : StateNormal).CloseButton);
  }
  void ClickClose(int tab) {
    const LPARAM p = At(CloseButtonOf(tab));
    SendMessageW(Pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, p);
    SendMessageW(Pages->Handle(), WM_LBUTTONUP, 0, p);
    PumpAll();
  }
  int SystemTabCount() { return static_cast<int>(SendMessageW(Pages->Handle(), TCM_GETITEMCOUNT, 0, 0)); }
  int Changes = 0;
};

// What the open tab menu saw; the menu is closed from a timer inside its own loop.
TsPageControl* gMenuPages = nullptr;
int gDroppedWhileOpen = -2;
void CALLBACK CloseTabMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  gDroppedWhileOpen = gMenuPages->DroppedDownItem();
  EndMenu();
}

TEST_F(PageControlTabs, AMenuTabOpensItsMenuUnderItselfAndNeverBecomesThePageShown) {
  auto* menu = TComponent::Create<TPopupMenu>(Host.Form.get());
  auto* item = TComponent::Create<TMenuItem>(menu);
  item->SetCaption(u"Item");
  menu->Add(item);
  Sheets[2]->SetTabType(ttMenu);
  Sheets[2]->TabMenu = menu;
  gMenuPages = Pages;
  gDroppedWhileOpen = -2;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, CloseTabMenu);
  ASSERT_NE(timer, 0u);
  const TPoint p = MiddleOf(Pages->PaintedTabRectOf(2));
  SendMessageW(Pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(p));
  SendMessageW(Pages->Handle(), WM_LBUTTONUP, 0, At(p));
  PumpAll();
  EXPECT_EQ(gDroppedWhileOpen, 2);
  EXPECT_EQ(Pages->DroppedDownItem(), -1);
  EXPECT_EQ(menu->PopupComponent, Pages);
  EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
  EXPECT_EQ(Changes, 0);
}

// The bounding box of the pixels of R that are not the plain tab face.
TRect InkBox(const TBitmap32& bmp, const TRect& r) {
  TRect box{r.Right, r.Bottom, r.Left, r.Top};
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (Rgb(bmp, x, y) != PixelOf(kTab)) box = TRect{std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
  return box;
}

TEST_F(PageControlTabs, AClosedPageIsFreedOrHiddenAndThePageAtItsPlaceShownUnlessTheHandlerRefuses) {
  ShowCloseButtons();
  std::vector<int> asked;
  TTabCloseAction answer = tcaFree;
  bool allow = false;
  Pages->OnCloseBtnClick = [&](TsPageControl&, int index, TTabCloseAction& action, bool& canClose) {
    asked.push_back(index);
    EXPECT_EQ(action, tcaFree);
    EXPECT_TRUE(canClose);
    action = answer;
    canClose = allow;
  };
  ClickClose(0);
  EXPECT_EQ(asked, std::vector<int>{0});
  EXPECT_EQ(Pages->PageCount(), 3);
  EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(Pages->PressedBtnIndex(), -1);

  allow = true;
  ClickClose(0);
  EXPECT_EQ(Pages->PageCount(), 2);
  EXPECT_EQ(Sheets[0]->PageControl(), nullptr);
  EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
  EXPECT_TRUE(IsWindowVisible(Sheets[1]->Handle()));
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(SystemTabCount(), 2);

  // Closing a page that is not shown keeps the shown one.
  answer = tcaHide;
  ClickClose(1);
  EXPECT_EQ(Pages->PageCount(), 2);
  EXPECT_FALSE(Sheets[2]->TabVisible());
  EXPECT_EQ(SystemTabCount(), 1);
  EXPECT_TRUE(IsRectEmpty(Pages->PaintedTabRectOf(1)));
  EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
  // Hiding the shown page's tab shows the next page that has one.
  Sheets[2]->SetTabVisible(true);
  EXPECT_EQ(SystemTabCount(), 2);
  ClickClose(0);
  EXPECT_FALSE(Sheets[1]->TabVisible());
  EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
  PaintedPages(*Pages);
  Sheets[0]->SetParent(Pages);
}

TEST_F(PageControlTabs, AnOwnedPageClosedByItsButtonIsFreedOnceTheClickIsDone) {
  auto* owned = TComponent::Create<TsTabSheet>(Host.Form.get());
  owned->SetText(L"Owned");
  owned->SetParent(Pages);
  ShowCloseButtons();
  TDestroyWatch watch(owned);
  ClickClose(3);
  EXPECT_EQ(Pages->PageCount(), 3);
  ReleasePending();
  EXPECT_TRUE(watch.Destroyed());
  EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
}

TEST_F(PageControlTabs, TheCloseGlyphSitsAtItsPlaceInTheStateOfTheMouse) {
  ShowCloseButtons();
  const TPoint b = CloseButtonOf(1);
  EXPECT_EQ(Rgb(PaintedPages(*Pages), b.X, b.Y), kCloseStates[0]);
  SendMessageW(Pages->Handle(), WM_MOUSEMOVE, 0, At(b));
  EXPECT_EQ(Pages->HoveredBtnIndex(), 1);
  EXPECT_EQ(Rgb(*Pages->SkinData.CacheBmp(), b.X, b.Y), kCloseStates[1]);
  SendMessageW(Pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(b));
  EXPECT_EQ(Pages->PressedBtnIndex(), 1);
  EXPECT_EQ(Rgb(*Pages->SkinData.CacheBmp(), b.X, b.Y), kCloseStates[2]);
  // Leaving lets go of the button: nothing is closed.
  Pages->Perform(FW_MOUSE_LEAVE);
  EXPECT_EQ(Pages->PressedBtnIndex(), -1);
  EXPECT_EQ(Rgb(*Pages->SkinData.CacheBmp(), b.X, b.Y), kCloseStates[0]);
  SendMessageW(Pages->Handle(), WM_LBUTTONUP, 0, At(b));
  EXPECT_EQ(Pages->PageCount(), 3);
  // A page that does without a close button shows none.
  Sheets[1]->SetUseCloseBtn(false);
  EXPECT_TRUE(IsRectEmpty(Pages->TabContentOf(1, StateNormal).CloseButton));
  EXPECT_EQ(Rgb(PaintedPages(*Pages), b.X, b.Y), PixelOf(kTab));
}

TEST_F(PageControlTabs, AButtonTabRaisesItsEventAndNeverBecomesThePageShown) {
  Sheets[1]->SetTabType(ttButton);
  int clicks = 0;
  Sheets[1]->OnClickBtn = [&clicks](TComponent*) { ++clicks; };
  const TPoint p = MiddleOf(Pages->PaintedTabRectOf(1));
  SendMessageW(Pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(p));
  EXPECT_EQ(clicks, 0);
  SendMessageW(Pages->Handle(), WM_LBUTTONUP, 0, At(p));
  PumpAll();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
  EXPECT_EQ(Changes, 0);
  // Released elsewhere, the press comes to nothing.
  SendMessageW(Pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(p));
  SendMessageW(Pages->Handle(), WM_LBUTTONUP, 0, At(MiddleOf(Pages->PaintedTabRectOf(2))));
  EXPECT_EQ(clicks, 1);
}

TEST_F(PageControlTabs, AnOwnerDrawnTabIsLeftToTheProgramOverItsSection) {
  Pages->OwnerDraw = true;
  std::vector<std::pair<int, bool>> drawn;
  Pages->OnDrawTab = [&drawn](TsPageControl& sender, int index, const TRect& r, bool active, TCanvas& canvas) {
    drawn.emplace_back(index, active);
    EXPECT_EQ(r, sender.PaintedTabRectOf(index));
    canvas.SetBrushColor(kBehind);
    canvas.FillRect(RECT{r.Left + 4, r.Top + 4, r.Left + 6, r.Top + 6});
  };
  const TBitmap32& cache = PaintedPages(*Pages);
  // The active tab last, over its neighbours.
  EXPECT_EQ(drawn, (std::vector<std::pair<int, bool>>{{1, false}, {2, false}, {0, true}}));
  const TRect tab = Pages->PaintedTabRectOf(1);
  EXPECT_EQ(Rgb(cache, tab.Left + 4, tab.Top + 4), PixelOf(kBehind));
  // No caption of the skin's own.
  const TRect ink = InkBox(cache, TRect{tab.Left + 7, tab.Top + 3, tab.Right - 3, tab.Bottom - 3});
  EXPECT_TRUE(IsRectEmpty(ink));
}

TEST_F(PageControlTabs, CaptionsOnAVerticalStripRunUpward) {
  Sheets[1]->SetText(L"Longer caption");
  Pages->SetTabPosition(ptLeft);
  PumpAll();
  const TRect tab = Pages->PaintedTabRectOf(1);
  ASSERT_GT(HeightOfRect(tab), WidthOfRect(tab));
  const TRect ink = InkBox(PaintedPages(*Pages), TRect{tab.Left + 2, tab.Top + 2, tab.Right - 2, tab.Bottom - 2});
  ASSERT_FALSE(IsRectEmpty(ink));
  EXPECT_GT(HeightOfRect(ink), 2 * WidthOfRect(ink));
  // Turned back along the strip, the caption lies across the tab.
  Pages->RotateCaptions = true;
  const TRect flat = InkBox(PaintedPages(*Pages), TRect{tab.Left + 2, tab.Top + 2, tab.Right - 2, tab.Bottom - 2});
  ASSERT_FALSE(IsRectEmpty(flat));
  EXPECT_LT(HeightOfRect(flat), HeightOfRect(ink));
}

TEST_F(PageControlTabs, TheActiveCaptionShowsItsFocusFrameOnlyWhileTheControlHasTheFocus) {
  SetFocus(Pages->Handle());
  PumpAll();
  ASSERT_TRUE(Pages->Focused());
  const TRect focus = Pages->TabContentOf(0, StatePressed).Focus;
  ASSERT_FALSE(IsRectEmpty(focus));
  EXPECT_EQ(Rgb(PaintedPages(*Pages), focus.Left, focus.Top + 3), 0u);
  EXPECT_EQ(Rgb(*Pages->SkinData.CacheBmp(), focus.Left, focus.Top + 6), 0u);
  Pages->ShowFocus = false;
  EXPECT_EQ(Rgb(PaintedPages(*Pages), focus.Left, focus.Top + 3), PixelOf(kTab));
  Pages->ShowFocus = true;
  SetFocus(nullptr);
  PumpAll();
  ASSERT_FALSE(Pages->Focused());
  EXPECT_EQ(Rgb(PaintedPages(*Pages), focus.Left, focus.Top + 3), PixelOf(kTab));
}

// ---- Stored properties -----------------------------------------------------------------------------------

class TPagesForm : public TForm {
 public:
  const char* ClassName() const override { return "TPagesForm"; }
};

std::string LoadPages(TPagesForm& form, const std::string& pages, const std::string& sheet) {
  static const bool registered = [] {
    RegisterSkinControls(ClassRegistry());
    ClassRegistry().Register("TPagesForm", "TForm", nullptr);
    return true;
  }();
  (void)registered;
  TFormReader reader(form, ClassRegistry());
  try {
    reader.ReadForm("object F: TPagesForm\n  object P: TsPageControl\n" + pages + "    object S: TsTabSheet\n" + sheet +
                    "    end\n  end\nend\n");
  } catch (const EFormLoadError& e) {
    return e.what();
  }
  return "loaded";
}

TEST(PageControlDescription, TheTabSideStyleAndTabKindsAreRead) {
  TPagesForm form;
  ASSERT_EQ(LoadPages(form, "    TabPosition = tpBottom\n    Style = tsFlatButtons\n    ActiveIsBold = True\n"
                            "    AccessibleDisabledPages = False\n",
                      "      TabType = ttButton\n      TabSkin = 'SPEEDBUTTON'\n"),
            "loaded");
  TsPageControl* pages = nullptr;
  TsTabSheet* sheet = nullptr;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    if (auto* p = dynamic_cast<TsPageControl*>(form.Components(i))) pages = p;
    if (auto* s = dynamic_cast<TsTabSheet*>(form.Components(i))) sheet = s;
  }
  ASSERT_TRUE(pages && sheet);
  EXPECT_EQ(pages->TabPosition(), ptBottom);
  EXPECT_EQ(pages->Style, tsFlatButtons);
  EXPECT_TRUE(pages->ActiveIsBold);
  EXPECT_FALSE(pages->AccessibleDisabledPages);
  EXPECT_EQ(sheet->TabType(), ttButton);
  EXPECT_EQ(sheet->TabSkin(), u"SPEEDBUTTON");
  // A button tab is never the page shown.
  EXPECT_FALSE(pages->CanSelectPage(0));
  TPagesForm other;
  EXPECT_EQ(LoadPages(other, "    TabPosition = tpMiddle\n", ""), "Form description, line 3: unknown tab position tpMiddle");
}

TEST(PageControlDescription, TheTabContentPropertiesAreRead) {
  TPagesForm form;
  ASSERT_EQ(LoadPages(form, "    ShowCloseBtns = True\n    CloseBtnSkin = 'CLOSEBTN'\n    ShowFocus = False\n"
                            "    RotateCaptions = True\n    TabPadding = 4\n    OwnerDraw = True\n",
                      "      UseCloseBtn = False\n      ButtonSkin = 'SPEEDBUTTON'\n      ImageIndex = 2\n"),
            "loaded");
  TsPageControl* pages = nullptr;
  TsTabSheet* sheet = nullptr;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    if (auto* p = dynamic_cast<TsPageControl*>(form.Components(i))) pages = p;
    if (auto* s = dynamic_cast<TsTabSheet*>(form.Components(i))) sheet = s;
  }
  ASSERT_TRUE(pages && sheet);
  EXPECT_TRUE(pages->ShowCloseBtns());
  EXPECT_EQ(pages->CloseBtnSkin(), u"CLOSEBTN");
  EXPECT_FALSE(pages->ShowFocus);
  EXPECT_TRUE(pages->RotateCaptions);
  EXPECT_EQ(pages->TabPadding(), 4);
  EXPECT_TRUE(pages->OwnerDraw);
  EXPECT_FALSE(sheet->UseCloseBtn());
  EXPECT_EQ(sheet->ButtonSkin, u"SPEEDBUTTON");
  EXPECT_EQ(sheet->ImageIndex, 2);
  TPagesForm other;
  EXPECT_EQ(LoadPages(other, "", "      TabMenu = S\n"), "Form description, line 4: TabMenu must name a popup menu");
}

}  // namespace
}  // namespace qw::test
