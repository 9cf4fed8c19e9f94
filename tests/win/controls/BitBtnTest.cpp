// The skinned bit button on real windows: its looks in the states its section has, reached through real
// mouse and keyboard messages; fades observed frame by frame; the window region of a corner-shaped
// border; the dotted focus frame; clicks from mouse, keyboard and code; and the generator window's
// buttons under both shipped skins.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "fw/BitmapCanvas.h"
#include "fw/DeferredRelease.h"
#include "fw/ClassRegistry.h"
#include "fw/Edit.h"
#include "fw/FormReader.h"
#include "fw/ImageList.h"
#include "image/BitmapFill.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sEdit.h"
#include "skin/core/EngineFlags.h"
#include "skin/data/SkinManager.h"
#include "tests/win/core/CoreTestSupport.h"
#include "tests/win/form/FormTestSupport.h"

namespace qw::test {
namespace {

constexpr TColor kFace = 0x404040, kHotFace = 0x806040;
// The border's colour in each of the section's three state images.
constexpr TColor kRing[3] = {0x0000C0, 0x00C000, 0xC00000};
constexpr uint32_t kKey = 0x00FF00FFu;

TColor ColorOf(uint32_t pixel) { return static_cast<TColor>(SwapRedBlue(pixel) & 0x00FFFFFFu); }

// Equal within one step per channel (an opaque glyph pixel blends by 255/256).
bool Near(TColor a, TColor b) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 1) return false;
  return true;
}

// Records the fade frames it is shown (the pixel at Probe) and the state of every cache build.
class TRecordingBitBtn : public TsBitBtn {
 public:
  TRecordingBitBtn() {
    OnPaint = [this](TsBitBtn* b, TBitmap32&) { Builds.push_back(b->CurrentState()); };
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == SkinCommandMsg && SkinCommandCode(message.WParam) == skcFadeFrame)
      if (auto* frame = reinterpret_cast<TBitmap32*>(message.LParam); frame && !frame->Empty())
        Frames.push_back(ColorOf(frame->At(Probe.X, Probe.Y)));
    TsBitBtn::WndProc(message);
  }
  TPoint Probe{5, 15};
  std::vector<TColor> Frames;
  std::vector<int> Builds;
};

// A 100 x 30 button on a plain form, painting from a section of three states: its face in the normal
// and hot colours, its two-pixel border in a colour per state.
class BitBtnTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Section = Skin.AddSection(u"TESTBUTTON", kFace, 3);
    TsGeneralData& g = Skin.Section(Section);
    g.Props[1].Color = kHotFace;
    g.Props[0].FontColor.Color = g.Props[1].FontColor.Color = 0xFFFFFF;
    g.ShowFocus = true;
    g.BorderIndex = Skin.AddMask(u"TESTBUTTON", u"BORDERSMASK", TRect{0, 0, 18, 6}, 3, 0, 0, 2);
    Skin.Paint(TRect{0, 0, 18, 6}, [](int x, int) { return ColorToPixel(kRing[x / 6], 0xFF); });
    Button = Host.Add<TRecordingBitBtn>(20, 20, 100, 30);
    Button->SetText(L"OK");
    Button->OnClick = [this](TComponent*) { ++Clicks; };
    Button->SkinData.SetSkinSection(u"TESTBUTTON");
    SetForegroundWindow(Host.Form->Handle());
    Paint();
  }
  void TearDown() override {
    StopFade(Button->FadeTimer);
    ReleasePending();
  }
  HWND H() const { return Button->Handle(); }
  void Paint() { RedrawWindow(H(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
  TColor Cache(int x, int y) const { return ColorOf(Button->SkinData.CacheBmp()->At(x, y)); }
  TColor Ring() const { return Cache(50, 0); }
  TColor Face() const { return Cache(5, 15); }
  void UnfocusButton() {
    SetFocus(nullptr);
    Paint();
  }

  TTestSkin Skin;
  THostForm Host;
  int Section = -1;
  TRecordingBitBtn* Button = nullptr;
  int Clicks = 0;
};

TEST_F(BitBtnTest, RestHoverAndPressFromRealMouseMessages) {
  EXPECT_EQ(Ring(), kRing[0]);
  EXPECT_EQ(Face(), kFace);
  MoveMouse(H(), 10, 10);
  EXPECT_EQ(Button->CurrentState(), StateHot);
  EXPECT_EQ(Ring(), kRing[1]);
  EXPECT_EQ(Face(), kHotFace);
  SendMessageW(H(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(Ring(), kRing[2]);
  EXPECT_EQ(Face(), kHotFace);
  SendMessageW(H(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(Ring(), kRing[1]) << "released with the mouse above it";
  SendMessageW(H(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Ring(), kRing[1]) << "the press focused it: still active";
  UnfocusButton();
  EXPECT_EQ(Ring(), kRing[0]);
  EXPECT_EQ(Face(), kFace);
}

TEST_F(BitBtnTest, AHeldButtonDraggedOffLooksReleasedAndClicksNot) {
  MoveMouse(H(), 10, 10);
  SendMessageW(H(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(Ring(), kRing[2]);
  SendMessageW(H(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, -20));
  EXPECT_EQ(Ring(), kRing[1]) << "pushed no more while the mouse is off it";
  SendMessageW(H(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(Ring(), kRing[2]);
  SendMessageW(H(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, -20));
  SendMessageW(H(), WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
  EXPECT_EQ(Clicks, 0);
}

TEST_F(BitBtnTest, DownDefaultAndOneStateSections) {
  // Down shows the pressed look whatever the mouse does.
  Button->SetDown(true);
  EXPECT_EQ(Ring(), kRing[2]);
  MoveMouse(H(), 10, 10);
  SendMessageW(H(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Ring(), kRing[2]);
  Button->SetDown(false);
  EXPECT_EQ(Ring(), kRing[0]);
  // The default button of a three-state section takes the hot look.
  Button->SetDefault(true);
  EXPECT_EQ(Button->CurrentState(), StateDefault);
  Paint();
  EXPECT_EQ(Ring(), kRing[1]);
  // A section of one state (or none) keeps one look whatever happens.
  for (int states : {1, 0}) {
    Skin.Section(Section).States = states;
    Button->SkinData.BGChanged = true;
    MoveMouse(H(), 10, 10);
    SendMessageW(H(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    Button->Perform(SkinCommandMsg, SkinCommandWParam(skcPrepareCache), 0);
    EXPECT_EQ(Ring(), kRing[0]) << states << " states";
    EXPECT_EQ(Face(), kFace);
    SendMessageW(H(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  }
}

TEST_F(BitBtnTest, ClickSpaceEnterDefaultCancelAndCodeEachClickOnce) {
  auto* edit = Host.Add<TEdit>(20, 80, 100, 20);
  auto* other = Host.Add<TsBitBtn>(140, 20, 60, 30);
  int otherClicks = 0;
  other->OnClick = [&](TComponent*) { ++otherClicks; };
  Pump();
  ClickAt(H(), 10, 10);
  EXPECT_EQ(Clicks, 1);
  // Space on the focused button: pressed while the key is down, then one click.
  Button->SetFocus();
  Button->Builds.clear();
  PressKey(VK_SPACE);
  EXPECT_EQ(Clicks, 2);
  ASSERT_GE(Button->Builds.size(), 2u);
  EXPECT_EQ(Button->Builds.front(), StatePressed);
  EXPECT_EQ(Button->Builds.back(), StateHot);
  PressKey(VK_RETURN);
  EXPECT_EQ(Clicks, 3);
  // Enter anywhere on the form presses the default button, Escape the cancel button.
  Button->SetDefault(true);
  other->Cancel = true;
  edit->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_EQ(Clicks, 4);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(otherClicks, 1);
  // Enter on another focused button is that button's.
  other->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_EQ(otherClicks, 2);
  EXPECT_EQ(Clicks, 4);
  SendMessageW(H(), BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks, 5);
  // A disabled default button takes no Enter.
  Button->SetEnabled(false);
  edit->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_EQ(Clicks, 5);
}

TEST_F(BitBtnTest, FadesFrameByFrameOnEnterAndFasterOnPress) {
  Skin.Section(Section).FadingEnabled = true;
  Skin.Section(Section).FadingIterations = 4;
  MoveMouse(H(), 10, 10);
  ASSERT_NE(Button->FadeTimer, nullptr);
  EXPECT_EQ(Face(), kHotFace) << "the cache holds the look the fade leads to";
  int ticks = 0;
  while (Button->FadeTimer && ticks < 20) {
    Button->FadeTimer->Tick();
    ++ticks;
  }
  ASSERT_EQ(Button->Frames.size(), 4u);
  // Each frame lies further from the normal face towards the hot one (bluer), and the last is the hot face.
  const auto blue = [](TColor c) { return int((c >> 16) & 0xFF); };
  for (size_t i = 0; i < Button->Frames.size(); ++i)
    EXPECT_GT(blue(Button->Frames[i]), blue(i == 0 ? kFace : Button->Frames[i - 1])) << "frame " << i;
  EXPECT_EQ(Button->Frames.back(), kHotFace);
  ReleasePending();
  HDC dc = GetWindowDC(H());
  const TColor shown = static_cast<TColor>(GetPixel(dc, 5, 15));
  ReleaseDC(H(), dc);
  EXPECT_EQ(shown, kHotFace) << "the last frame is on the screen";
  // A press fades in half the frames.
  Button->Frames.clear();
  Button->Probe = TPoint{50, 0};
  SendMessageW(H(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  ASSERT_NE(Button->FadeTimer, nullptr);
  while (Button->FadeTimer) Button->FadeTimer->Tick();
  EXPECT_EQ(Button->Frames.size(), 2u);
  EXPECT_EQ(Button->Frames.back(), kRing[2]);
}

TEST_F(BitBtnTest, AQuickClickShowsThePressedLookBeforeTheReleaseFades) {
  Skin.Section(Section).FadingEnabled = true;
  Skin.Section(Section).FadingIterations = 10;
  MoveMouse(H(), 10, 10);
  while (Button->FadeTimer) Button->FadeTimer->Tick();
  ReleasePending();
  SendMessageW(H(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  ASSERT_NE(Button->FadeTimer, nullptr);
  Button->FadeTimer->Tick();
  Button->Builds.clear();
  const auto before = std::chrono::steady_clock::now();
  SendMessageW(H(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  const auto took = std::chrono::steady_clock::now() - before;
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(Button->Builds, (std::vector<int>{StatePressed, StateHot}));
  EXPECT_GE(took, std::chrono::milliseconds(29));
  ASSERT_NE(Button->FadeTimer, nullptr) << "the release fades";
  // Left to the fade itself, the release never shows a pressed look again.
  while (Button->FadeTimer) Button->FadeTimer->Tick();
  EXPECT_EQ(Button->Builds.back(), StateHot);
}

TEST_F(BitBtnTest, FocusFrameAroundTheCaptionOnlyWhenFocusedAndAllowed) {
  const auto frameAt = [this] {
    const TRect c = Button->ContentLayout().CaptionRect;
    return TRect{c.Left - Button->FocusMargin, c.Top - Button->FocusMargin, c.Right + Button->FocusMargin,
                 c.Bottom + Button->FocusMargin};
  };
  EXPECT_NE(Cache(frameAt().Left, frameAt().Top), 0x000000) << "no frame without the focus";
  Button->SetFocus();
  Paint();
  const TRect f = frameAt();
  EXPECT_EQ(Cache(f.Left, f.Top), 0x000000);
  EXPECT_EQ(Cache(f.Left + 3, f.Top), 0x000000);
  EXPECT_EQ(Cache(f.Left + 2, f.Top), ColorToRGB(clBtnFace));
  EXPECT_EQ(Cache(f.Left + 1, f.Top), kHotFace);
  EXPECT_EQ(Cache(f.Left + 3, f.Bottom - 1), 0x000000);
  EXPECT_EQ(Cache(f.Right - 1, f.Top + 3), 0x000000);
  Button->SetShowFocus(false);
  Paint();
  EXPECT_EQ(Cache(f.Left, f.Top), kHotFace);
}

TEST_F(BitBtnTest, DisabledButtonsBlendWithTheirParentAndDoNotLightUp) {
  Button->SetEnabled(false);
  Paint();
  const TColor disabled = Face();
  EXPECT_NE(disabled, kFace);
  MoveMouse(H(), 10, 10);
  Paint();
  EXPECT_EQ(Face(), disabled);
  EXPECT_EQ(Button->FadeTimer, nullptr);
}

TEST_F(BitBtnTest, AGivenDCGetsThePictureWhileATransitionHoldsScreenPaintingBack) {
  TBitmap32 target(Button->Width(), Button->Height());
  TBitmapCanvas canvas(target);
  const auto print = [&] {
    FillRect32(target, TRect{0, 0, target.Width(), target.Height()}, 0x3C3C3C, 0);
    Button->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Handle()), PRF_CLIENT);
    GdiFlush();
    return ColorOf(target.At(5, 15));
  };
  AnimationRunning = true;
  EXPECT_EQ(print(), kFace);
  AnimationRunning = false;
  // While the picture behind it is unfinished the button gives none, not even into a given DC.
  Button->SkinData.FUpdating = true;
  EXPECT_EQ(print(), TColor(0x3C3C3C));
  Button->SkinData.FUpdating = false;
}

// An 8 x 8 glyph image per colour, side by side: Background around a 4 x 4 square of the colour.
TBitmap32 GlyphStrip(uint32_t background, std::initializer_list<uint32_t> squares) {
  TBitmap32 g(8 * static_cast<int>(squares.size()), 8);
  int i = 0;
  for (uint32_t square : squares) {
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) g.At(8 * i + x, y) = (x >= 2 && x < 6 && y >= 2 && y < 6) ? square : background;
    ++i;
  }
  return g;
}

TEST_F(BitBtnTest, ClassicAndAlphaGlyphsByStateTintAndBlend) {
  const auto square = [this](int state) {
    const TRect r = Button->ImgRect(state);
    return Cache(r.Left + 3, r.Top + 3);
  };
  const auto corner = [this](int state) { return Cache(Button->ImgRect(state).Left, Button->ImgRect(state).Top); };
  // A classic glyph (its file had no alpha): its bottom-left colour (magenta here) is transparent.
  TBitmap32 noAlpha = GlyphStrip(0xFFFF00FFu, {0xFF0000FFu});
  noAlpha.SourceBitCount = 24;
  Button->SetGlyph(std::move(noAlpha));
  Paint();
  EXPECT_EQ(Button->NumGlyphs, 1);
  EXPECT_EQ(square(StateNormal), 0xFF0000);
  EXPECT_EQ(corner(StateNormal), kFace);
  // A wholly opaque 32-bit glyph keeps the alpha treatment: nothing of it is keyed out.
  Button->SetGlyph(GlyphStrip(0xFFFF00FFu, {0xFF0000FFu}));
  Paint();
  EXPECT_PRED2(Near, corner(StateNormal), 0xFF00FF);
  // 32-bit pixels whose alpha was never written are a classic glyph too, not an invisible one.
  Button->SetGlyph(GlyphStrip(0x00FF00FFu, {0x000000FFu}));
  Paint();
  EXPECT_EQ(square(StateNormal), 0xFF0000);
  EXPECT_EQ(corner(StateNormal), kFace);
  // A strip of three glyphs with alpha: the image follows the state, the pressed one sits a pixel lower.
  Button->SetGlyph(GlyphStrip(0x00000000u, {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}));
  Paint();
  EXPECT_EQ(Button->NumGlyphs, 3);
  EXPECT_PRED2(Near, square(StateNormal), 0x0000FF);
  EXPECT_EQ(corner(StateNormal), kFace);
  MoveMouse(H(), 10, 10);
  EXPECT_PRED2(Near, square(StateHot), 0x00FF00);
  SendMessageW(H(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_PRED2(Near, square(StatePressed), 0xFF0000);
  EXPECT_EQ(Button->ImgRect(StatePressed).Left, Button->ImgRect(StateNormal).Left + 1);
  SendMessageW(H(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  SendMessageW(H(), WM_MOUSELEAVE, 0, 0);
  UnfocusButton();
  // Grayed in the normal state: the section colour times the glyph's grey level.
  Button->SetGrayed(true);
  Paint();
  const TColor gray = square(StateNormal);
  EXPECT_TRUE((gray & 0xFF) == ((gray >> 8) & 0xFF) && (gray & 0xFF) == ((gray >> 16) & 0xFF)) << std::hex << gray;
  EXPECT_LT(gray & 0xFF, kFace & 0xFF);
  // Blend: half the glyph over the face in the normal state; Blend is kept within 0..100.
  Button->SetGrayed(false);
  Button->SetBlend(50);
  Paint();
  const TColor blended = square(StateNormal);
  EXPECT_GT(blended & 0xFF, kFace & 0xFF);
  EXPECT_LT(blended & 0xFF, 0xFFu);
  Button->SetBlend(150);
  EXPECT_EQ(Button->Blend(), 100);
  Button->SetBlend(-5);
  EXPECT_EQ(Button->Blend(), 0);
}

TEST_F(BitBtnTest, AnImageListHoldingTheIndexGivesTheGlyphAndItsSize) {
  TImageList list(12, 10);
  TBitmap32 green(12, 10);
  FillRect32(green, TRect{0, 0, 12, 10}, 0x00FF00, 255);
  list.Add(std::move(green));
  Button->SetGlyph(GlyphStrip(0xFF0000FFu, {0xFF0000FFu}));
  Button->SetImages(&list);
  EXPECT_EQ(Button->GlyphSize().Width, 8) << "no picture at index -1: the glyph's";
  Button->SetImageIndex(0);
  Paint();
  EXPECT_EQ(Button->GlyphSize().Width, 12);
  EXPECT_EQ(Button->GlyphSize().Height, 10);
  const TRect r = Button->ImgRect(StateNormal);
  EXPECT_PRED2(Near, Cache(r.Left + 1, r.Top + 1), 0x00FF00);
  EXPECT_PRED2(Near, Cache(r.Right - 1, r.Bottom - 1), 0x00FF00);
  // Half of it shows when the button is disabled with the blended glyph look.
  Button->SetEnabled(false);
  Paint();
  EXPECT_FALSE(Near(Cache(r.Left + 1, r.Top + 1), 0x00FF00));
  Button->SetEnabled(true);
  // A list that goes takes the glyph back to Glyph.
  Button->Notification(&list, TOperation::opRemove);
  EXPECT_EQ(Button->Images(), nullptr);
  EXPECT_EQ(Button->GlyphSize().Width, 8);
}

TEST(BitBtnDescription, AButtonNamesAnImageListTheDescriptionMakes) {
  RegisterSkinControls(ClassRegistry());
  TForm form;
  TFormReader reader(form, ClassRegistry());
  reader.ReadForm(
      "object F: TForm\n"
      "  object B: TsBitBtn\n"
      "    Glyph = resource('GLYPH_GENERATE')\n"
      "    Images = L\n"
      "    ImageIndex = 1\n"
      "  end\n"
      "  object L: TImageList\n"
      "    Width = 8\n"
      "    Height = 16\n"
      "    Bitmap = resource('GLYPH_GENERATE')\n"
      "  end\n"
      "end\n");
  auto* b = dynamic_cast<TsBitBtn*>(form.FindComponent("B"));
  auto* list = dynamic_cast<TImageList*>(form.FindComponent("L"));
  ASSERT_NE(b, nullptr);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Count(), 2) << "a 16-pixel strip of 8-pixel pictures";
  EXPECT_EQ(b->Images(), list);
  EXPECT_EQ(b->GlyphSize().Width, 8);
  EXPECT_TRUE(b->Glyph.Empty()) << "the list's picture is the glyph: the stored one goes";
}

TEST(BitBtnDescription, PublishedPropertiesLoadFromTheWindowDescription) {
  RegisterSkinControls(ClassRegistry());
  ClassRegistry().Register("TButtonForm", "TForm", nullptr);
  class TButtonForm : public TForm {
   public:
    const char* ClassName() const override { return "TButtonForm"; }
  } form;
  TFormReader reader(form, ClassRegistry());
  reader.ReadForm(
      "object F: TButtonForm\n"
      "  object B: TsBitBtn\n"
      "    Blend = 150\n"
      "    DisabledKind = [dkGrayed]\n"
      "    DisabledGlyphKind = [dgGrayed, dgBlended]\n"
      "    AnimatEvents = [aeMouseEnter, aeMouseUp]\n"
      "    Layout = blGlyphTop\n"
      "    Margin = 3\n"
      "    Spacing = -1\n"
      "    NumGlyphs = 2\n"
      "    Alignment = taLeftJustify\n"
      "    TextAlignment = taRightJustify\n"
      "    ShowCaption = False\n"
      "    ShowFocus = False\n"
      "    DrawOverBorder = False\n"
      "    FocusMargin = 3\n"
      "    Reflected = True\n"
      "    Grayed = True\n"
      "    Down = True\n"
      "    TextOffset = 4\n"
      "    WordWrap = False\n"
      "    Default = True\n"
      "    Cancel = True\n"
      "    BiDiMode = bdRightToLeft\n"
      "  end\n"
      "  object C: TsBitBtn\n"
      "  end\n"
      "end\n");
  auto* b = dynamic_cast<TsBitBtn*>(form.FindComponent("B"));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Blend(), 100);
  EXPECT_EQ(b->DisabledKind(), dkGrayed);
  EXPECT_EQ(b->DisabledGlyphKind(), dgGrayed | dgBlended);
  EXPECT_EQ(b->AnimatEvents, (1 << aeMouseEnter) | (1 << aeMouseUp));
  EXPECT_EQ(b->TBitBtn::Layout, blGlyphTop);
  EXPECT_EQ(b->Margin, 3);
  EXPECT_EQ(b->Spacing, -1);
  EXPECT_EQ(b->NumGlyphs, 2);
  EXPECT_EQ(b->Alignment(), taLeftJustify);
  EXPECT_EQ(b->TextAlignment(), taRightJustify);
  EXPECT_FALSE(b->ShowCaption());
  EXPECT_FALSE(b->ShowFocus());
  EXPECT_FALSE(b->DrawOverBorder());
  EXPECT_EQ(b->FocusMargin, 3);
  EXPECT_TRUE(b->Reflected());
  EXPECT_TRUE(b->Grayed());
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(b->TextOffset(), 4);
  EXPECT_FALSE(b->WordWrap);
  EXPECT_TRUE(b->Default());
  EXPECT_TRUE(b->Cancel);
  EXPECT_EQ(b->BiDiMode(), bdRightToLeft);
  // The defaults of a button the description says nothing about.
  auto* c = dynamic_cast<TsBitBtn*>(form.FindComponent("C"));
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(c->WordWrap);
  EXPECT_EQ(c->Margin, -1);
  EXPECT_EQ(c->Spacing, 4);
  EXPECT_EQ(c->TBitBtn::Layout, blGlyphLeft);
  EXPECT_EQ(c->DisabledKind(), dkBlended);
  EXPECT_EQ(c->DisabledGlyphKind(), dgBlended);
  EXPECT_EQ(c->AnimatEvents, kDefaultAnimatEvents);
  EXPECT_EQ(c->FocusMargin, 1);
  EXPECT_TRUE(c->ShowCaption() && c->ShowFocus() && c->DrawOverBorder());
  EXPECT_EQ(c->SkinData.COC, 94);
}

// A border whose corners cut the button's window: the key-coloured corner pixels of its one image.
class BitBtnRegionTest : public BitBtnTest {
 protected:
  void SetUp() override {
    BitBtnTest::SetUp();
    TsGeneralData& g = Skin.Section(Section);
    g.BorderIndex = Skin.AddMask(u"TESTBUTTON", u"BORDERSMASK", TRect{20, 0, 26, 6}, 1, 0, 0, 2, 2);
    Skin.Paint(TRect{20, 0, 26, 6}, [](int x, int y) {
      const int cx = x < 3 ? x : 5 - x, cy = y < 3 ? y : 5 - y;  // distance from the nearest edges
      return cx + cy <= 1 ? kKey : ColorToPixel(kRing[0], 0xFF);
    });
    Button->SkinData.UpdateIndexes();
    Button->RegionChanged = true;
    Paint();
  }
  // The W x H rectangle without two pixels of each corner's first row and one of its second.
  static HRGN Expected(int w, int h) {
    HRGN r = CreateRectRgn(0, 0, w, h);
    const RECT cuts[] = {{0, 0, 2, 1},         {w - 2, 0, w, 1},         {0, 1, 1, 2},         {w - 1, 1, w, 2},
                         {0, h - 1, 2, h},     {w - 2, h - 1, w, h},     {0, h - 2, 1, h - 1}, {w - 1, h - 2, w, h - 1}};
    for (const RECT& c : cuts) {
      HRGN cut = CreateRectRgnIndirect(&c);
      CombineRgn(r, r, cut, RGN_DIFF);
      DeleteObject(cut);
    }
    return r;
  }
  bool WindowRegionIs(int w, int h) {
    HRGN actual = CreateRectRgn(0, 0, 0, 0);
    HRGN expected = Expected(w, h);
    const bool same = GetWindowRgn(H(), actual) != ERROR && EqualRgn(actual, expected);
    DeleteObject(actual);
    DeleteObject(expected);
    return same;
  }
};

TEST_F(BitBtnRegionTest, TheKeyCornersAreCutFromTheWindowAndFollowItsSize) {
  EXPECT_TRUE(WindowRegionIs(100, 30));
  EXPECT_FALSE(Button->RegionChanged);
  Button->SetBounds(20, 20, 60, 24);
  Paint();
  EXPECT_TRUE(WindowRegionIs(60, 24));
  // Rebuilding the region on every change of shape or press leaks no region.
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 40; ++i) {
    Button->SetBounds(20, 20, 60 + i % 2, 24);
    Paint();
    SendMessageW(H(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(H(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Paint();
  }
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
  EXPECT_TRUE(WindowRegionIs(61, 24));
  // Without the skin the button is whole again.
  Button->SkinData.SetSkinSection(u"NOSUCHSECTION");
  HRGN any = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(H(), any), ERROR);
  DeleteObject(any);
}

// ---- The generator window's buttons under the shipped skins ----------------------------------------------

// The pixel of a border mask's state image at (X, Y) of that image, and whether its mask row lets it
// through unchanged.
struct TMaskPixel {
  TColor Color;
  bool Opaque;
};
TMaskPixel MaskSource(const TsSkinManager& m, int maskIndex, int state, int x, int y) {
  const TsMaskData& mask = m.ma[static_cast<size_t>(maskIndex)];
  const TBitmap32& src = mask.Bmp ? *mask.Bmp : m.MasterBitmap;
  const int count = std::max<int>(1, mask.ImageCount);
  const int w = WidthOfRect(mask.R) / count, h = HeightOfRect(mask.R) / (mask.MaskType + 1);
  const int sx = mask.R.Left + std::min(state, count - 1) * w + x, sy = mask.R.Top + y;
  const bool opaque = mask.MaskType == 0 || (src.At(sx, sy + h) & 0x00FFFFFFu) == 0;
  return TMaskPixel{ColorOf(src.At(sx, sy)), opaque};
}

// The button's cache rebuilt for the state it is in now.
const TBitmap32& Rebuilt(TsBitBtn& b) {
  b.Perform(SkinCommandMsg, SkinCommandWParam(skcPrepareCache), 0);
  return *b.SkinData.CacheBmp();
}

TEST(GeneratorButtons, FlatlineKeepsItsOneLookAndPaintsFromTheSkin) {
  TGeneratorWindow w;
  TsBitBtn& b = *w->sBitBtn1;
  const TsSkinManager& m = *w->sSkinManager1;
  ASSERT_EQ(m.SkinName(), u"Flatline (internal)");
  ASSERT_TRUE(b.SkinData.Skinned());
  b.SetFocus();
  Pump();
  const TBitmap32 rest = Rebuilt(b).Clone();
  MoveMouse(b.Handle(), 20, 10);
  const TBitmap32 hover = Rebuilt(b).Clone();
  SendMessageW(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  const TBitmap32 pressed = Rebuilt(b).Clone();
  SendMessageW(b.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  ASSERT_EQ(rest.Width(), 219);
  EXPECT_TRUE(std::equal(rest.Pixels(), rest.Pixels() + rest.PixelCount(), hover.Pixels()));
  EXPECT_TRUE(std::equal(rest.Pixels(), rest.Pixels() + rest.PixelCount(), pressed.Pixels()));
  // The border of the skin's mask (its top side, tiled) over the button's own face colour.
  const TsMaskData& mask = m.ma[static_cast<size_t>(b.SkinData.BorderIndex())];
  const TMaskPixel top = MaskSource(m, b.SkinData.BorderIndex(), 0, mask.WL, 0);
  ASSERT_TRUE(top.Opaque);
  EXPECT_EQ(ColorOf(rest.At(110, 0)), top.Color);
  EXPECT_EQ(ColorOf(rest.At(mask.WL + 1, 16)), ColorToRGB(clBtnFace));
  // The glyph sits left of the caption and the two are centred as one block.
  const TGlyphTextLayout l = b.ContentLayout();
  EXPECT_EQ(l.GlyphPos.Y, 8);
  EXPECT_EQ(l.CaptionRect.Left, l.GlyphPos.X + 16 + b.Spacing);
  EXPECT_LE(std::abs(l.GlyphPos.X - (219 - l.CaptionRect.Right)), 1);
}

TEST(GeneratorButtons, MetroUIFromTheSkinDirectoryShowsRestHoverAndPress) {
  std::vector<uint8_t> package;
  {
    TGeneratorWindow stored;
    package = stored->sSkinManager1->InternalSkins.at(1).Data;
  }
  TSkinDirectory dir(true);
  {
    std::ofstream out(TSkinDirectory::kDir / L"MetroUI.vlz", std::ios::binary);
    out.write(reinterpret_cast<const char*>(package.data()), static_cast<std::streamsize>(package.size()));
  }
  TGeneratorWindow w(TSkinSource::SkinDirectory);
  const TsSkinManager& m = *w->sSkinManager1;
  ASSERT_EQ(m.SkinName(), u"MetroUI");
  TsBitBtn& b = *w->sBitBtn2;
  ASSERT_TRUE(b.SkinData.Skinned());
  w->sEdit2->SetFocus();
  Pump();
  const int border = b.SkinData.BorderIndex();
  // The outer ring of every state image is opaque; the second ring only in the pressed image, the
  // others let the button's face show through there.
  const auto ring = [&](const TBitmap32& cache, int state, int y) {
    const TMaskPixel p = MaskSource(m, border, state, 2, y);
    EXPECT_EQ(p.Opaque, y == 0 || state == 2) << "state " << state << ", row " << y;
    if (p.Opaque) {
      EXPECT_EQ(ColorOf(cache.At(110, y)), p.Color) << "state " << state << ", row " << y;
    }
    return ColorOf(cache.At(110, y));
  };
  const TBitmap32 rest = Rebuilt(b).Clone();
  ring(rest, 0, 0);
  MoveMouse(b.Handle(), 20, 10);
  const TBitmap32 hover = Rebuilt(b).Clone();
  ring(hover, 1, 0);
  SendMessageW(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  const TBitmap32 pressed = Rebuilt(b).Clone();
  ring(pressed, 2, 0);
  ring(pressed, 2, 1);
  SendMessageW(b.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  EXPECT_NE(ring(rest, 0, 0), ring(hover, 1, 0));
  EXPECT_NE(ring(hover, 1, 1), ring(pressed, 2, 1));
  EXPECT_EQ(ring(hover, 1, 1), ring(rest, 0, 1));
  // Released with the mouse above it: hot again.
  EXPECT_EQ(ColorOf(Rebuilt(b).At(110, 1)), ring(hover, 1, 1));
  StopFade(b.FadeTimer);
  ReleasePending();
}

}  // namespace
}  // namespace qw::test
