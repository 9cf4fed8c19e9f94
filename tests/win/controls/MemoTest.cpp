// The skinned memo on the generator window: its own wrapper while skinned (frame and bar from the skin,
// text in the colours it keeps), the system's window back with its text when the skin goes, the wrapper
// again when a skin comes, and the events it raises.
#include <gtest/gtest.h>

#include "../form/FormTestSupport.h"
#include "image/ColorToRgb.h"
#include "skin/controls/EditWnd_win.h"
#include "skin/controls/WndWrapper_win.h"
#include "skin/controls/sMemo.h"
#include "skin/data/SkinManager.h"

namespace qw::test {
namespace {

TEST(Memo, WearsItsWrapperWhileSkinnedAndTheSystemsWindowWithItsTextWhenTheSkinGoes) {
  TGeneratorWindow window;
  TsMemo* memo = window->sMemo1;
  ASSERT_NE(memo->ScrollWrapper(), nullptr) << "the shown skinned memo wraps its own window";
  EXPECT_EQ(TqxMainWnd::FromHandle(memo->Handle()), memo->ScrollWrapper());
  // The history memo keeps its own colours under every skin.
  EXPECT_EQ(ColorToRGB(memo->Color()), 0xFFFFFFu);
  EXPECT_EQ(ColorToRGB(memo->Font().Color()), 0x000000u);

  memo->SetText(L"first\r\nsecond\r\n");
  memo->Perform(EM_SETSEL, 3, 3);
  const HWND before = memo->Handle();
  window->sSkinManager1->SetActive(false);
  Pump();
  EXPECT_EQ(memo->ScrollWrapper(), nullptr);
  ASSERT_TRUE(memo->HandleAllocated());
  EXPECT_NE(memo->Handle(), before) << "a new window brings the system's frame and bar back";
  EXPECT_EQ(memo->Text(), L"first\r\nsecond\r\n");
  EXPECT_EQ(GetPropW(memo->Handle(), kWrapperProp), nullptr);
  EXPECT_NE(GetWindowLongW(memo->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
  EXPECT_TRUE(IsWindowVisible(memo->Handle()));

  window->sSkinManager1->SetActive(true);
  Pump();
  ASSERT_NE(memo->ScrollWrapper(), nullptr) << "the skin is back, and so is the wrapper";
  EXPECT_EQ(TqxMainWnd::FromHandle(memo->Handle()), memo->ScrollWrapper());
}

TEST(Memo, RaisesItsScrollEventsAndTakesTheSectionsColoursUnlessItKeepsItsOwn) {
  TGeneratorWindow window;
  TsMemo* memo = window->sMemo1;
  int vscrolls = 0, carets = 0;
  memo->OnVScroll = [&](TComponent*) { ++vscrolls; };
  memo->OnScrollCaret = [&](TComponent*) { ++carets; };
  memo->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  memo->Perform(EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(vscrolls, 1);
  EXPECT_EQ(carets, 1);

  // Without its own colour and font colour the memo paints in the section's.
  memo->SkinData.SetCustomColor(false);
  memo->SkinData.SetCustomFont(false);
  RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  const TsSkinManager& m = *window->sSkinManager1;
  const int section = memo->SkinData.SkinIndex();
  ASSERT_TRUE(m.IsValidSkinIndex(section));
  EXPECT_EQ(ColorToRGB(memo->Color()), ColorToRGB(static_cast<TColor>(m.gd[size_t(section)].Props[0].Color)));
  EXPECT_EQ(ColorToRGB(memo->Font().Color()),
            ColorToRGB(static_cast<TColor>(m.gd[size_t(section)].Props[0].FontColor.Color)));
  // Keeping its own font colour keeps it, whatever the colour does.
  memo->SkinData.SetCustomFont(true);
  memo->Font().SetColor(0x0000FF);
  RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  EXPECT_EQ(ColorToRGB(memo->Font().Color()), 0x0000FFu);
}

}  // namespace
}  // namespace qw::test
