// What the page control's message methods make of its pages: the tab strip follows them whenever they
// change.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "fw/Form.h"
#include "fw/Messages.h"
#include "fw/PageControl.h"
#include "tests/win/form/FormTestSupport.h"

namespace qw::test {
namespace {

std::vector<std::wstring> TabTexts(HWND tabs) {
  std::vector<std::wstring> texts;
  const int n = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    wchar_t buffer[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 64;
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    texts.push_back(buffer);
  }
  return texts;
}

TEST(PageControl, TheTabStripFollowsItsPagesBeforeAndAfterItHasAWindow) {
  TForm form;
  SetClientSize(form, 240, 140);
  auto* pages = TComponent::Create<TPageControl>(&form);
  pages->SetBounds(0, 0, 220, 120);
  pages->SetParent(&form);
  auto* first = TComponent::Create<TTabSheet>(&form);
  first->SetText(L"One");
  first->SetParent(pages);  // before the tab strip exists
  form.Show();
  Pump();
  EXPECT_EQ(TabTexts(pages->Handle()), (std::vector<std::wstring>{L"One"}));

  std::unique_ptr<TTabSheet> second(TComponent::Create<TTabSheet>(nullptr));
  second->SetParent(pages);  // after: a tab is added, then renamed
  second->SetText(L"Two");
  first->SetText(L"First");
  EXPECT_EQ(TabTexts(pages->Handle()), (std::vector<std::wstring>{L"First", L"Two"}));

  pages->SetActivePage(second.get());
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(second->Visible());
  EXPECT_FALSE(first->Visible());

  second.reset();  // a page that goes takes its tab with it
  EXPECT_EQ(TabTexts(pages->Handle()), (std::vector<std::wstring>{L"First"}));
  EXPECT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(pages->ActivePage(), nullptr);
}

TEST(PageControl, OnlyAStripSelectionThatNamesAPageChangesItAndRaisesOnChange) {
  TForm form;
  SetClientSize(form, 240, 140);
  auto* pages = TComponent::Create<TPageControl>(&form);
  pages->SetBounds(0, 0, 220, 120);
  pages->SetParent(&form);
  auto* first = TComponent::Create<TTabSheet>(&form);
  first->SetParent(pages);
  auto* second = TComponent::Create<TTabSheet>(&form);
  second->SetParent(pages);
  form.Show();
  Pump();
  pages->SetActivePage(first);
  int changes = 0;
  pages->OnChange = [&](TComponent*) { ++changes; };
  auto selectionChanged = [&] {
    NMHDR header{pages->Handle(), 0, static_cast<UINT>(TCN_SELCHANGE)};
    pages->Perform(CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  };

  SendMessageW(pages->Handle(), TCM_SETCURSEL, static_cast<WPARAM>(-1), 0);
  selectionChanged();
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(pages->ActivePage(), first);

  SendMessageW(pages->Handle(), TCM_SETCURSEL, 1, 0);
  selectionChanged();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(pages->ActivePage(), second);
}

}  // namespace
}  // namespace qw::test
