// The caption's layout and what lies under each point of it: the generator's with both shipped skins
// (loaded from their sources), the icon's size by caption height, every kind of button and border of a
// form, a dialog's own numbers and rules, the buttons' skin images, the commands the generator offers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Utf.h"
#include "skin/frame/FormCaption.h"
#include "skin/frame/FrameHitTest.h"
#include "tests/frame/GeneratorFrame.h"
#include "tools/qxskin/QxSkinLoad.h"

namespace qw {
namespace {

struct TShippedCaption {
  const char* Skin;
  TRect Close;
  int32_t TitleButtonsWidth;
};

class GeneratorCaption : public ::testing::TestWithParam<TShippedCaption> {};

TEST_P(GeneratorCaption, OnlyCloseAtTheRightTheIconAtTheLeftAndTheTextBetween) {
  const TShippedCaption& p = GetParam();
  TQxSkin skin;
  OpenQxSkin(Utf8ToUtf16(std::string(QW_SKINS_SOURCE_DIR) + "/" + p.Skin), skin);
  BuildQxSkin(skin);
  const TSkinTables& t = skin.Tables;
  const TFrameWindow w = GeneratorWindow();
  TFormCaptionInput in;
  in.State = GeneratorFormState(), in.IconShown = true;
  in.Images = ChooseFormCaptionImages(t.ConstData, in.State);
  const TFormCaption c = LayoutFormCaption(t, MeasureFrame(w, kWineMetrics), w, in);
  // Flatline has an image for a Close button alone, MetroUI uses its ordinary one.
  EXPECT_EQ(c.Images.Index[cbClose], std::max(t.ConstData.MaskCloseAloneBtn, t.ConstData.MaskCloseBtn));
  EXPECT_EQ(c.Layout.System[cbClose], (TCaptionButtonBox{p.Close, kHtClose, true}));
  for (int i : {cbMax, cbMin, cbHelp}) EXPECT_TRUE(IsRectEmpty(c.Layout.System[i].Rect)) << i;
  EXPECT_EQ(c.Layout.TitleButtonsWidth, p.TitleButtonsWidth);
  // The icon 2 (BILEFT) right of the border, 16 pixels centred on line 10 (19 / 2 + 3 / 2); the text 4
  // after it and 2 more for the skin's plate, ending 12 before the buttons' width.
  EXPECT_EQ(c.Layout.Icon, (TRect{5, 2, 21, 18}));
  EXPECT_EQ(c.Layout.Text, (TRect{27, 0, 447 - p.TitleButtonsWidth - 12, 22}));
  EXPECT_EQ(CaptionImageSize(t, -1), (TSize{21, 21})) << "a key the skin lacks still takes its room";
}

// Flatline: 21 x 21, 5 (BIRIGHT) + 3 from the right, width 5 + 21 + 1 (BISPACE); MetroUI: 16 x 11, 5 + 16 + 5.
INSTANTIATE_TEST_SUITE_P(ShippedSkins, GeneratorCaption,
                         ::testing::Values(TShippedCaption{"Flatline", {418, 0, 439, 21}, 27},
                                           TShippedCaption{"MetroUI", {423, 5, 439, 16}, 26}),
                         [](const auto& info) { return std::string(info.param.Skin); });

TEST(CaptionIconSize, FitsTheCaptionUnlessTheTitleIconHasItsOwn) {
  for (auto [h, s] : {std::pair{8, 1}, {9, 8}, {16, 8}, {17, 16}}) EXPECT_EQ(CaptionIconSize(h, {}), (TSize{s, s}));
  EXPECT_EQ(CaptionIconSize(19, TSize{24, 0}), (TSize{24, 16}));
}

using THits = std::initializer_list<std::pair<TPoint, TFrameHit>>;
void ExpectHits(const TCaptionLayout& c, const TFrameHitRules& r, THits hits) {
  for (const auto& [point, hit] : hits) EXPECT_EQ(HitTestFrame(c, r, point), hit) << point.X << ", " << point.Y;
}

TEST(CaptionLayout, SizeableFormButtonsRightToLeftAndWhatLiesUnderEachPoint) {
  TFrameWindow w = Window(kWsCaption | kWsThickFrame, qxbsSizeable, {449, 434}, {441, 407});
  const TFrameGeometry g = MeasureFrame(w, kWineMetrics);
  TCaptionInput in;
  in.CaptionWidth = g.CaptionWidth, in.Skin = {1, 5, 2, 1}, in.BigButtons = true;
  in.IconShown = true, in.Icon = {16, 16};
  for (int i : {cbClose, cbMin, cbHelp}) in.System[i].Shown = true;
  in.System[cbMin].Aligned = true, in.System[cbHelp].Image = {21, 15};
  in.User = {{true, true, false, {21, 21}, 30}, {}, {true, false}};
  const TCaptionLayout c = LayoutCaption(in, FormCaptionNumbers(g, w));
  // Centred on line 11 (Help as high as Close all the same), Min aligned to the top, from 5 + 4 left of
  // the right edge, 1 apart; Help 6 further left, the user buttons 6 more, the first 30 + 2 wide for its
  // glyph; the hidden one takes no room.
  EXPECT_EQ(c.System[cbClose], (TCaptionButtonBox{{419, 1, 440, 22}, kHtClose, true}));
  EXPECT_EQ(c.System[cbMin].Rect, (TRect{397, 0, 418, 21}));
  EXPECT_EQ(c.System[cbHelp].Rect, (TRect{369, 1, 390, 22}));
  EXPECT_EQ(c.User[0], (TCaptionButtonBox{{330, 1, 362, 22}, kHtUserButton, true}));
  EXPECT_EQ(c.User[2], (TCaptionButtonBox{{308, 1, 329, 22}, kHtUserButton + 2, false}));
  // Buttons' width 5 + 3 x (21 + 1) + 6 + (32 + 1) + (21 + 1) = 132: the Help gap is not counted.
  EXPECT_EQ(c.Text, (TRect{4 + 2 + 16 + 4, 0, 449 - 132 - 12, 23}));
  ExpectHits(c, FormHitRules(g, w, c, TRect{430, 415, 445, 430}),
             {{{430, 10}, {kHtClose, true}},      {{400, 10}, {kHtMinButton, true}}, {{370, 10}, {kHtHelp, true}},
              {{340, 10}, {kHtUserButton, true}}, {{310, 10}, {kHtClient, false}},   {{418, 10}, {kHtCaption, false}},
              {{10, 10}, {kHtSysMenu, true}},     {{100, 22}, {kHtCaption, false}},  {{0, 0}, {kHtTopLeft, false}},
              {{448, 3}, {kHtTopRight, false}},   {{200, 0}, {kHtTop, false}},       {{3, 200}, {kHtLeft, false}},
              {{445, 200}, {kHtRight, false}},    {{200, 430}, {kHtBottom, false}},  {{0, 433}, {kHtBottomLeft, false}},
              {{448, 433}, {kHtBottomRight, false}}, {{4, 200}, {kHtClient, false}},
              {{440, 420}, {kHtBottomRight, true}}});
  in.System[cbMin].Clickable = false;  // a greyed system button is caption
  const TCaptionLayout greyed = LayoutCaption(in, FormCaptionNumbers(g, w));
  EXPECT_EQ(HitTestFrame(greyed, FormHitRules(g, w, greyed, {}), {400, 10}).Code, kHtCaption);
  // Maximised: the centre line 2 lower, aligned buttons at row 7, no sizing borders (they lie off the
  // screen); with a border window the buttons are that window's.
  w.Style |= kWsMaximize;
  const TCaptionLayout max = LayoutCaption(in, FormCaptionNumbers(g, w));
  EXPECT_EQ(max.System[cbMin].Rect, (TRect{397, 7, 418, 28}));
  EXPECT_EQ(max.System[cbClose].Rect, (TRect{419, 3, 440, 24}));
  w.BorderWindow.Present = true;
  ExpectHits(c, FormHitRules(g, w, c, {}), {{{0, 200}, {kHtClient, false}}, {{430, 10}, {kHtCaption, false}}});
}

TEST(CaptionLayout, DialogCentresEachItemInTheHeaderAndAnswersOnlyInTheCloseButtonsRows) {
  const uint32_t style = kWsPopup | kWsCaption | kWsSysMenu | kDsModalFrame;
  TFrameWindow w = Window(style, DialogBorderStyle(style), {300, 150}, {294, 125});
  const TFrameGeometry g = MeasureFrame(w, kWineMetrics);
  TCaptionInput in;
  in.CaptionWidth = g.CaptionWidth, in.Skin = {1, 5, 2, 0}, in.Icon = {16, 16};
  in.System[cbClose] = {true, true, false, {16, 16}}, in.System[cbHelp] = {true, true, false, {16, 14}};
  const TCaptionNumbers n = DialogCaptionNumbers(g);
  const TCaptionLayout c = LayoutCaption(in, n);
  EXPECT_EQ(c.System[cbClose].Rect, (TRect{276, 3, 292, 19}));
  EXPECT_EQ(c.System[cbHelp].Rect, (TRect{260, 4, 276, 18}));
  EXPECT_EQ(CaptionTextRect(c, n, 13), (TRect{9, 5, 300 - 32 - 6, 18}));
  // A form centres its text on the caption's line instead; a dialog without Close counts no buttons.
  const TFrameWindow form = GeneratorWindow();
  EXPECT_EQ(CaptionTextRect(c, FormCaptionNumbers(MeasureFrame(form, kWineMetrics), form), 13), (TRect{9, 4, 262, 17}));
  in.System[cbClose].Shown = false;
  EXPECT_EQ(LayoutCaption(in, n).TitleButtonsWidth, 0);
  // Aligned right when the caption (100), 4 and the added title (20) fit; centred as wide as the caption.
  EXPECT_EQ(AlignCaptionText(c.Text, taRightJustify, false, 100, 20), (TRect{138, 2, 262, 22}));
  EXPECT_EQ(AlignCaptionText(c.Text, taLeftJustify, true, 100, 20), (TRect{138, 2, 262, 22})) << "right to left";
  EXPECT_EQ(AlignCaptionText(c.Text, taCenter, false, 100, 20), (TRect{73, 2, 173, 22}));
  // Only rows [3, 19) are caption; with no icon, its columns [3, 19) still open the system menu.
  ExpectHits(c, DialogHitRules(g, w, kWineMetrics, 16),
             {{{280, 10}, {kHtClose, true}}, {{270, 4}, {kHtHelp, true}}, {{3, 3}, {kHtSysMenu, true}},
              {{18, 18}, {kHtSysMenu, true}}, {{19, 10}, {kHtCaption, false}}, {{100, 2}, {kHtNowhere, false}},
              {{280, 19}, {kHtNowhere, false}}});
  w.Style |= kWsMaximize;  // HTERROR within 2 pixels of the left and top edges, 4 of the others
  ExpectHits(c, DialogHitRules(g, w, kWineMetrics, 16),
             {{{1, 60}, {kHtError, true}}, {{2, 60}, {kHtNowhere, false}}, {{295, 60}, {kHtNowhere, false}},
              {{296, 60}, {kHtError, true}}, {{100, 146}, {kHtError, true}}, {{280, 10}, {kHtClose, true}}});
}

TEST(SysMenuRules, TheGeneratorShowsCloseOnlyAndAGreyedCloseDoesNotClose) {
  TFormState s = GeneratorFormState();
  const TSysMenuRules r = FormSysMenuRules(s);
  // Restore greyed, Move, Size greyed, Close; no Minimize, no Maximize.
  EXPECT_TRUE(r.VisibleRestore && !r.EnabledRestore && r.EnabledMove && r.VisibleSize && !r.EnabledSize);
  EXPECT_TRUE(r.VisibleClose && !r.VisibleMin && !r.VisibleMax && !r.VisibleHelp);
  s.SysMenuHasClose = false;
  const TCaptionButtonStates b = FormCaptionButtons(FormSysMenuRules(s), s);
  EXPECT_TRUE(b.Shown[cbClose] && !b.Clickable[cbClose] && !b.Shown[cbMax] && !b.Shown[cbMin]);
}

TEST(CaptionImages, BigSmallAndFallbackSetsAndTheStateSwaps) {
  TConstantSkinData k;
  k.MaskCloseBtn = 1, k.MaskMaxBtn = 2, k.MaskMinBtn = 3, k.MaskHelpBtn = 4, k.MaskNormBtn = 5, k.MaskCloseSmall = 11;
  const auto choose = [&](bool big) {
    const TCaptionImages im = ShownCaptionImages(ChooseCaptionImages(k, big, true), k, !big, !big);
    return std::vector<int32_t>{im.Index[0], im.Index[1], im.Index[2], im.Index[3], im.Aligned[0], im.Aligned[3]};
  };
  // No image for Close alone yet; the small set lacks Help (the big one serves); maximised and minimised
  // windows show the restore image on Max and Min.
  EXPECT_EQ(choose(true), (std::vector<int32_t>{1, 2, 3, 4, true, false}));
  EXPECT_EQ(choose(false), (std::vector<int32_t>{11, 5, 5, 4, false, false}));
  k.MaskCloseAloneBtn = 6, k.MaskCloseSmall = -1;  // the small set falls back to the big one, aligned
  EXPECT_EQ(choose(true)[0], 6);
  EXPECT_EQ(choose(false), (std::vector<int32_t>{1, 5, 5, 4, true, true}));
}

}  // namespace
}  // namespace qw
