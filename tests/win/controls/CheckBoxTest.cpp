// The skinned check box on real windows: its cache against the colours of a skin the test builds (the
// section's looks, the border images of each state, the skin's check marks, own glyph strips and image
// lists), input by real mouse and key messages, read-only boxes, the value-changed event, fades driven
// tick by tick, the focus frame, and the system box taking over again without a skin. Then the generator
// window's boxes under both shipped skins.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "fw/BitmapCanvas.h"
#include "fw/ClassRegistry.h"
#include "fw/DeferredRelease.h"
#include "fw/FormReader.h"
#include "fw/ImageList.h"
#include "image/BitmapFill.h"
#include "skin/controls/sCheckBox.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/FadeSchedule.h"
#include "skin/data/SkinManager.h"
#include "skin/render/BorderMask.h"
#include "skin/render/GdiTextRenderer_win.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/TextureFill.h"
#include "tests/win/core/CoreTestSupport.h"
#include "tests/win/form/FormTestSupport.h"

namespace qw::test {
namespace {

// The looks of the test skin: the section's normal and hot colours, one border colour per state image,
// and one colour per state image of each check mark.
constexpr TColor kCheckFace = 0x404040, kCheckHotFace = 0x60A060;
constexpr TColor kBorder[3] = {0x0000C0, 0x00C000, 0xC00000};
constexpr TColor kMark[3][3] = {{0x102030, 0x112131, 0x122232},   // unchecked
                                {0x203040, 0x213141, 0x223242},   // checked
                                {0x304050, 0x314151, 0x324252}};  // grayed
constexpr TColor kStrip[3] = {0x806040, 0x408060, 0x604080};

uint32_t RgbOf(uint32_t pixel) { return pixel & 0xFFFFFFu; }
uint32_t Px(TColor c) { return ColorToPixel(c, 0) & 0xFFFFFFu; }
// Alpha compositing rounds down: a pixel within one step per channel of the colour.
bool Near(uint32_t pixel, TColor c) {
  const uint32_t want = Px(c);
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((pixel >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF)) > 1) return false;
  return true;
}

TBitmap32 Solid(int w, int h, const std::vector<TColor>& images) {
  TBitmap32 b(w * static_cast<int>(images.size()), h);
  for (size_t i = 0; i < images.size(); ++i)
    FillRect32(b, TRect{static_cast<int>(i) * w, 0, static_cast<int>(i + 1) * w, h}, images[i], 255);
  return b;
}

class CheckBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Skin.M.Tables.MasterBitmap = TBitmap32(64, 64);
    const int global = Skin.AddSection(u"GLOBALINFO", 0xFFFFFF);
    Skin.M.ConstData.IndexGLobalInfo = static_cast<int16_t>(global);
    Section = Skin.AddSection(u"CHECKBOX", kCheckFace);
    Skin.Section(Section).Props[1].Color = kCheckHotFace;
    const int border = Skin.AddMask(u"CHECKBOX", u"BORDERSMASK", TRect{0, 0, 18, 6}, 3, 0, 0, 2);
    Skin.Paint(TRect{0, 0, 18, 6}, [](int x, int) { return Px(kBorder[x / 6]); });
    Skin.Section(Section).BorderIndex = border;
    int16_t* marks[3] = {&Skin.M.ConstData.CheckBoxUnChecked, &Skin.M.ConstData.CheckBoxChecked,
                         &Skin.M.ConstData.CheckBoxGrayed};
    const char16_t* names[3] = {u"BOXUNCHECKED", u"BOXCHECKED", u"BOXGRAYED"};
    for (int k = 0; k < 3; ++k) {
      const TRect r{0, 10 + 15 * k, 39, 23 + 15 * k};
      *marks[k] = static_cast<int16_t>(Skin.AddMask(u"GLOBALINFO", names[k], r, 3, 0));
      Skin.Paint(r, [k](int x, int) { return Px(kMark[k][x / 13]); });
    }
    Box = Host.Add<TsCheckBox>(10, 10, 200, 24);
    Box->SetAutoSize(false);
    Box->SetCaption(L"Box");
    Box->SkinData.SetSkinSection(u"CHECKBOX");
    Box->OnClick = [this](TComponent*) { Events.push_back("click"); };
    Box->OnValueChanged = [this](TComponent*) { Events.push_back("value"); };
    PumpAll();
    // The shown form focused its first control: the box starts without focus, as a box among others,
    // and nothing is under the mouse until a test moves it there.
    Unfocus();
    Leave();
  }
  void TearDown() override { ReleasePending(); }

  // The box painted now through its paint message, as its cache holds it.
  const TBitmap32& Painted() {
    RedrawWindow(Box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return *Box->SkinData.CacheBmp();
  }
  // The section's picture between border and caption, and the glyph's middle.
  uint32_t Face() { return RgbOf(Painted().At(190, 12)); }
  uint32_t Edge() { return RgbOf(Painted().At(0, 0)); }
  uint32_t Glyph() { return Painted().At(8, 11); }
  // The mouse over the box, as the system reports it.
  void Hover() {
    POINT p{100, 12};
    ClientToScreen(Box->Handle(), &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(Box->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(100, 12));
  }
  void Leave() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    PumpAll();
    SendMessageW(Box->Handle(), WM_MOUSELEAVE, 0, 0);
  }
  void Press() { SendMessageW(Box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 12)); }
  void Release() { SendMessageW(Box->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 12)); }
  void ClearEvents() { Events.clear(); }
  // The focus leaves the box for no other window.
  void Unfocus() {
    SetFocus(nullptr);
    PumpAll();
  }

  TTestSkin Skin;
  THostForm Host;
  TsCheckBox* Box = nullptr;
  int Section = -1;
  std::vector<std::string> Events;
};

TEST_F(CheckBoxTest, SkinnedItOwnsTheDrawingOfAnOwnerDrawnSystemBoxAndGivesItBackWithoutASkin) {
  EXPECT_EQ(GetWindowLongW(Box->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  Box->SetChecked(true);
  Box->SkinData.SetSkinSection(u"NOSUCHSECTION");
  EXPECT_FALSE(Box->SkinData.Skinned());
  EXPECT_EQ(GetWindowLongW(Box->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_3STATE);
  // The system box shows the state the control kept while it drew itself.
  TMessage asked{BM_GETCHECK, 0, 0, 0};
  Box->DefaultHandler(asked);
  EXPECT_EQ(asked.Result, BST_CHECKED);
  // The plain box is the system's: a click through it toggles the same state.
  ClickAt(Box->Handle(), 5, 5);
  EXPECT_FALSE(Box->Checked());
}

TEST_F(CheckBoxTest, EachLookOfTheSectionAndNeverThePressedBackground) {
  EXPECT_EQ(Face(), Px(kCheckFace));
  EXPECT_EQ(Edge(), Px(kBorder[0]));
  EXPECT_TRUE(Near(Glyph(), kMark[0][0]));
  int entered = 0;
  Box->OnMouseEnter = [&](TComponent*) { ++entered; };
  Hover();
  EXPECT_TRUE(Box->SkinData.FMouseAbove);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(Face(), Px(kCheckHotFace));
  EXPECT_EQ(Edge(), Px(kBorder[1]));
  EXPECT_TRUE(Near(Glyph(), kMark[0][1]));
  Press();
  ASSERT_TRUE(Box->Pressed());
  // The press shows in the mark only; the background keeps the hot look.
  EXPECT_EQ(Face(), Px(kCheckHotFace));
  EXPECT_EQ(Edge(), Px(kBorder[1]));
  EXPECT_TRUE(Near(Glyph(), kMark[0][2]));
  Release();
  EXPECT_TRUE(Near(Glyph(), kMark[1][1])) << "checked, and still under the mouse";
  Leave();
  Unfocus();
  EXPECT_EQ(Face(), Px(kCheckFace));
  EXPECT_TRUE(Near(Glyph(), kMark[1][0]));
}

TEST_F(CheckBoxTest, TheSkinsMarksFollowTheThreeStates) {
  Box->AllowGrayed = true;
  Unfocus();
  const std::vector<TCheckBoxState> expected = {cbGrayed, cbChecked, cbUnchecked};
  for (TCheckBoxState state : expected) {
    ClickAt(Box->Handle(), 100, 12);
    SendMessageW(Box->Handle(), WM_MOUSELEAVE, 0, 0);
    Unfocus();
    ASSERT_EQ(Box->State(), state);
    EXPECT_EQ(SendMessageW(Box->Handle(), BM_GETCHECK, 0, 0), state);
    EXPECT_TRUE(Near(Glyph(), kMark[state == cbUnchecked ? 0 : state == cbChecked ? 1 : 2][0])) << int(state);
  }
  EXPECT_EQ(Events, (std::vector<std::string>(3, "click")));
  // The system's check message sets the state like the program does.
  SendMessageW(Box->Handle(), BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(Box->State(), cbGrayed);
  EXPECT_TRUE(Near(Glyph(), kMark[2][0]));
}

TEST_F(CheckBoxTest, AnOwnStripShowsItsImageForEachLookAndOneImageAlwaysTheFirst) {
  Box->SetGlyphUnChecked(Solid(16, 16, {kStrip[0], kStrip[1], kStrip[2]}));
  // The glyph sits at the margin, centred in the height: (2, 4) to (18, 20).
  const auto at = [this] { return Painted().At(10, 12); };
  EXPECT_TRUE(Near(at(), kStrip[0]));
  Hover();
  EXPECT_TRUE(Near(at(), kStrip[1]));
  Press();
  EXPECT_TRUE(Near(at(), kStrip[2]));
  Box->SetGlyphUnChecked(Solid(16, 16, {kStrip[1]}));
  EXPECT_TRUE(Near(at(), kStrip[1]));
  Box->ReadOnly = true;
  Release();
  EXPECT_TRUE(Box->Pressed()) << "a read-only box ignores the release too";
}

TEST_F(CheckBoxTest, AnImageListComesFirstAndAnEmptyOneDrawsNothing) {
  Box->SetGlyphChecked(Solid(16, 16, {kStrip[0]}));
  TImageList list(16, 16);
  ASSERT_EQ(list.Add(Solid(16, 16, {kStrip[1]})), 0);
  ASSERT_EQ(list.Add(Solid(16, 16, {kStrip[2]})), 1);
  EXPECT_EQ(list.Add(Solid(8, 16, {kStrip[2]})), -1) << "pictures of another size are refused";
  Box->SetImages(&list);
  Box->SetImgChecked(1);
  Box->SetImgUnchecked(0);
  EXPECT_TRUE(Near(Painted().At(10, 12), kStrip[1]));
  Box->SetChecked(true);
  EXPECT_TRUE(Near(Painted().At(10, 12), kStrip[2]));
  // A negative index hands the glyph back to the own pictures.
  Box->SetImgUnchecked(-1);
  EXPECT_TRUE(Near(Painted().At(10, 12), kStrip[0]));
  // A list of pictures without width: nothing drawn, nothing divided.
  Box->SetCaption(L"");
  TImageList empty(0, 16);
  ASSERT_EQ(empty.Add(TBitmap32(0, 16)), 0);
  Box->SetImages(&empty);
  Box->SetImgUnchecked(0);
  Box->SetImgChecked(0);
  EXPECT_EQ(RgbOf(Painted().At(10, 12)), Px(kCheckFace));
  Box->Notification(&empty, TOperation::opRemove);
  EXPECT_EQ(Box->Images(), nullptr);
}

TEST_F(CheckBoxTest, AutoSizeFitsGlyphAndMarginsAndFollowsTheGlyph) {
  Box->SetCaption(L"");
  Box->SetAutoSize(true);
  // The skin's checked mark is 13 x 13.
  EXPECT_EQ(Box->Width(), 13 + 4);
  EXPECT_EQ(Box->Height(), 13 + 2);
  Box->SetGlyphChecked(Solid(16, 16, {kStrip[0], kStrip[1], kStrip[2]}));
  EXPECT_EQ(Box->Width(), 20);
  EXPECT_EQ(Box->Height(), 18);
  Box->SetMargin(5);
  EXPECT_EQ(Box->Width(), 26);
  // The system box's own rule without a skin, at the next change.
  Box->SkinData.SetSkinSection(u"NOSUCHSECTION");
  Box->SetMargin(2);
  EXPECT_EQ(Box->Width(), 20);
  EXPECT_EQ(Box->Height(), 20);
}

TEST_F(CheckBoxTest, TheMouseTogglesOnReleaseAndNotWhenItLeftFirst) {
  Press();
  EXPECT_FALSE(Box->Checked());
  EXPECT_TRUE(Events.empty());
  EXPECT_EQ(TWinControl::FindControl(GetFocus()), static_cast<TWinControl*>(Box)) << "focused without a click";
  Release();
  EXPECT_TRUE(Box->Checked());
  EXPECT_EQ(Events, std::vector<std::string>{"click"});
  ClearEvents();
  Press();
  SendMessageW(Box->Handle(), WM_MOUSELEAVE, 0, 0);
  Release();
  EXPECT_TRUE(Box->Checked());
  EXPECT_TRUE(Events.empty());
  // A double click is a second press of its own.
  SendMessageW(Box->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  Release();
  EXPECT_FALSE(Box->Checked());
}

TEST_F(CheckBoxTest, TheSpaceKeyTogglesOnRelease) {
  Box->SetFocus();
  PumpAll();
  SendMessageW(Box->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  EXPECT_TRUE(Box->Pressed());
  EXPECT_FALSE(Box->Checked());
  SendMessageW(Box->Handle(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
  EXPECT_TRUE(Box->Checked());
  // Through the message loop, as the keyboard delivers it.
  PressKey(VK_SPACE);
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "click"}));
  // A key-up without its key-down is nothing.
  SendMessageW(Box->Handle(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
  EXPECT_FALSE(Box->Checked());
}

TEST_F(CheckBoxTest, ThePressesItTakesRaiseTheFrameworksMouseAndKeyEventsAfterTheirEffect) {
  Box->OnMouseDown = [this](TComponent*, TMouseButton b, TShiftState, int x, int y) {
    Events.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  Box->OnMouseUp = [this](TComponent*, TMouseButton, TShiftState, int, int) { Events.push_back("up"); };
  Box->OnDblClick = [this](TComponent*) { Events.push_back("dblclick"); };
  Box->OnKeyDown = [this](TComponent*, WORD& key, TShiftState) { Events.push_back("keydown " + std::to_string(key)); };
  Box->OnKeyUp = [this](TComponent*, WORD& key, TShiftState) { Events.push_back("keyup " + std::to_string(key)); };
  for (const bool readOnly : {false, true}) {
    Box->ReadOnly = readOnly;
    ClearEvents();
    Press();
    Release();
    SendMessageW(Box->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 12));
    Release();
    Box->SetFocus();
    PumpAll();
    SendMessageW(Box->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageW(Box->Handle(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    const std::vector<std::string> expected = {"down 0 100,12", "click", "up", "dblclick", "click", "up",
                                               "keydown 32", "click", "keyup 32"};
    EXPECT_EQ(Events, readOnly ? std::vector<std::string>{} : expected) << "read-only: " << readOnly;
    Unfocus();
  }
}

TEST_F(CheckBoxTest, AReadOnlyBoxIgnoresMouseAndSpaceAndNeverLooksActive) {
  Box->ReadOnly = true;
  ClickAt(Box->Handle(), 100, 12);
  Box->SetFocus();
  PumpAll();
  PressKey(VK_SPACE);
  EXPECT_FALSE(Box->Checked());
  EXPECT_TRUE(Events.empty());
  Hover();
  EXPECT_FALSE(Box->Active());
  EXPECT_EQ(Face(), Px(kCheckFace));
  EXPECT_TRUE(Near(Glyph(), kMark[0][0]));
  // The program still sets it.
  Box->SetChecked(true);
  EXPECT_TRUE(Box->Checked());
}

TEST_F(CheckBoxTest, ValueChangedFollowsTheProgramsChangesOnly) {
  Box->SetChecked(true);
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "value"}));
  ClearEvents();
  Box->SetChecked(true);
  EXPECT_TRUE(Events.empty()) << "the same value raises nothing";
  ClickAt(Box->Handle(), 100, 12);
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(Events, std::vector<std::string>{"click"});
  ClearEvents();
  // While the box is being read, the stored state decides.
  Box->SetComponentState(csLoading);
  Box->SetChecked(true);
  Box->ClearComponentState(csLoading);
  EXPECT_FALSE(Box->Checked());
  EXPECT_TRUE(Events.empty());
}

TEST_F(CheckBoxTest, TheDottedFrameSurroundsTheCaptionOfTheFocusedBoxOnly) {
  TGdiTextRenderer measurer(Box->Font().Handle());
  TCheckBoxLayoutInput in;
  in.Width = Box->Width();
  in.Height = Box->Height();
  const TRect frame = CheckFocusRect(CheckCaptionLayout(in, 13, measurer, u"Box").R, false);
  const auto dots = [&](const TBitmap32& b) {
    return RgbOf(b.At(frame.Left, frame.Top)) == 0 && RgbOf(b.At(frame.Left + 3, frame.Bottom - 1)) == 0 &&
           RgbOf(b.At(frame.Left + 2, frame.Bottom - 1)) == Px(ColorToRGB(clBtnFace)) &&
           RgbOf(b.At(frame.Right - 1, frame.Top + 3)) == 0;
  };
  EXPECT_FALSE(dots(Painted()));
  Box->SetFocus();
  EXPECT_TRUE(dots(Painted()));
  Box->SetShowFocus(false);
  EXPECT_FALSE(dots(Painted()));
}

TEST_F(CheckBoxTest, ADisabledBoxIsBlendedWithItsParent) {
  Box->SetEnabled(false);
  const uint32_t face = Face();
  EXPECT_NE(face, Px(kCheckFace));
  // Between the section's colour and the form's.
  const uint32_t form = Px(ColorToRGB(Host.Form->Color()));
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t c = (face >> shift) & 0xFF, a = (Px(kCheckFace) >> shift) & 0xFF, b = (form >> shift) & 0xFF;
    EXPECT_GE(c, std::min(a, b));
    EXPECT_LE(c, std::max(a, b));
  }
}

TEST_F(CheckBoxTest, AGivenDCGetsThePictureEvenWhileATransitionHoldsPaintingBack) {
  TBitmap32 target(Box->Width(), Box->Height());
  TBitmapCanvas canvas(target);
  AnimationRunning = true;
  Box->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Handle()), PRF_CLIENT);
  AnimationRunning = false;
  GdiFlush();
  EXPECT_EQ(RgbOf(target.At(190, 12)), Px(kCheckFace));
  EXPECT_EQ(RgbOf(target.At(0, 0)), Px(kBorder[0]));
  // While the picture behind it is unfinished the box gives none, not even into a given DC.
  FillRect32(target, TRect{0, 0, target.Width(), target.Height()}, 0x3C3C3Cu, 0);
  Box->SkinData.FUpdating = true;
  Box->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Handle()), PRF_CLIENT);
  GdiFlush();
  EXPECT_EQ(RgbOf(target.At(190, 12)), 0x3C3C3Cu);
  Box->SkinData.FUpdating = false;
}

TEST_F(CheckBoxTest, EnteringFadesFrameByFrameToTheHotLook) {
  Skin.Section(Section).FadingEnabled = true;
  Skin.Section(Section).FadingIterations = 4;
  ASSERT_EQ(Face(), Px(kCheckFace));
  ASSERT_FALSE(Box->SkinData.BGChanged);
  Hover();
  ASSERT_NE(Box->FadeTimer, nullptr);
  EXPECT_EQ(Box->FadeTimer->Iterations, 4);
  // The cache already holds the new look; the window shows the frames.
  EXPECT_EQ(RgbOf(Box->SkinData.CacheBmp()->At(190, 12)), Px(kCheckHotFace));
  std::vector<uint32_t> frames;
  for (int i = 0; i < 4 && Box->FadeTimer; ++i) {
    Box->FadeTimer->Tick();
    HDC dc = GetWindowDC(Box->Handle());
    frames.push_back(Px(GetPixel(dc, 190, 12)));
    ReleaseDC(Box->Handle(), dc);
  }
  // Each frame keeps 255 - level * 255 / 4 of the old look.
  std::vector<uint32_t> expected;
  for (int level = 1; level <= 4; ++level) {
    const int a = FadeOldShare(level, 4);
    uint32_t px = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const int from = (Px(kCheckFace) >> shift) & 0xFF, to = (Px(kCheckHotFace) >> shift) & 0xFF;
      px |= static_cast<uint32_t>((a * (from - to) + to * 256) >> 8) << shift;
    }
    expected.push_back(px);
  }
  EXPECT_EQ(frames, expected);
  Box->FadeTimer->Tick();  // the end
  EXPECT_EQ(Box->FadeTimer, nullptr);
  ReleasePending();
  EXPECT_EQ(LiveFadeTimers(), 0);
}

TEST_F(CheckBoxTest, ARunningFadeEndsWithTheBox) {
  Skin.Section(Section).FadingEnabled = true;
  Face();
  Hover();
  ASSERT_NE(Box->FadeTimer, nullptr);
  Host.Owned.clear();
  ReleasePending();
  EXPECT_EQ(LiveFadeTimers(), 0);
}

// ---- The framework's box and the description ---------------------------------------------------------------

TEST(FrameworkCheckBox, TheSystemBoxShowsTheThreeStatesTheControlKeeps) {
  THostForm host;
  auto* box = host.Add<TCheckBox>(10, 10, 120, 20);
  box->AllowGrayed = true;
  int clicks = 0;
  box->OnClick = [&](TComponent*) { ++clicks; };
  const auto shown = [box] {
    TMessage asked{BM_GETCHECK, 0, 0, 0};
    box->DefaultHandler(asked);
    return asked.Result;
  };
  for (TCheckBoxState state : {cbGrayed, cbChecked, cbUnchecked}) {
    ClickAt(box->Handle(), 5, 5);
    EXPECT_EQ(box->State(), state);
    EXPECT_EQ(shown(), state);
  }
  SendMessageW(box->Handle(), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(shown(), BST_CHECKED);
  EXPECT_EQ(clicks, 4);
}

class TBoxForm : public TForm {
 public:
  const char* ClassName() const override { return "TBoxForm"; }
  TNotifyEvent FindHandler(const std::string& name) override {
    if (name != "BoxValueChanged") return {};
    return [this](TComponent*) { ++ValueChanges; };
  }
  TMouseEvent FindMouseHandler(const std::string& name) override {
    return name == "BoxMouseDown" ? TMouseEvent([](TComponent*, TMouseButton, TShiftState, int, int) {}) : nullptr;
  }
  int ValueChanges = 0;
};

std::string LoadBox(TBoxForm& form, const std::string& properties) {
  static const bool registered = [] {
    RegisterSkinControls(ClassRegistry());
    ClassRegistry().Register("TBoxForm", "TForm", nullptr);
    return true;
  }();
  (void)registered;
  TFormReader reader(form, ClassRegistry());
  try {
    reader.ReadForm("object F: TBoxForm\n  object B: TsCheckBox\n" + properties + "  end\nend\n");
  } catch (const EFormLoadError& e) {
    return e.what();
  }
  return "loaded";
}

TEST(CheckBoxDescription, EveryPropertyOfTheBoxIsReadAndTheStoredStateDecides) {
  TBoxForm form;
  ASSERT_EQ(LoadBox(form,
                    "    AllowGrayed = True\n    State = cbGrayed\n    Margin = 3\n    TextIndent = 2\n"
                    "    ReadOnly = True\n    Alignment = taLeftJustify\n    VerticalAlign = vaTop\n"
                    "    WordWrap = True\n    AutoSize = False\n    DisabledKind = [dkGrayed]\n"
                    "    AnimatEvents = [aeMouseEnter, aeMouseUp]\n    ShowFocus = False\n    ImgChecked = 2\n"
                    "    ImgUnchecked = -1\n    GlyphChecked = resource('CHECK_ON')\n"
                    "    OnValueChanged = BoxValueChanged\n    OnMouseDown = BoxMouseDown\n"
                    "    BiDiMode = bdRightToLeft\n"),
            "loaded");
  auto* box = dynamic_cast<TsCheckBox*>(form.FindComponent("B"));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->AllowGrayed);
  EXPECT_EQ(box->State(), cbGrayed);
  EXPECT_EQ(box->Margin(), 3);
  EXPECT_EQ(box->TextIndent(), 2);
  EXPECT_TRUE(box->ReadOnly);
  EXPECT_EQ(box->Alignment(), TCheckBoxAlignment::taLeftJustify);
  EXPECT_EQ(box->VerticalAlign(), TCheckBoxVAlign::vaTop);
  EXPECT_TRUE(box->WordWrap());
  EXPECT_FALSE(box->AutoSize());
  EXPECT_EQ(box->DisabledKind(), dkGrayed);
  EXPECT_EQ(box->AnimatEvents, (1 << aeMouseEnter) | (1 << aeMouseUp));
  EXPECT_FALSE(box->ShowFocus());
  EXPECT_EQ(box->ImgChecked(), 2);
  EXPECT_EQ(box->ImgUnchecked(), -1);
  EXPECT_EQ(box->GlyphChecked().Width(), 16);
  EXPECT_TRUE(box->RightToLeft());
  box->SetChecked(true);
  EXPECT_EQ(form.ValueChanges, 1);
  EXPECT_TRUE(box->OnMouseDown) << "bound through the form's table of mouse handlers";
  TBoxForm broken;
  EXPECT_NE(LoadBox(broken, "    GlyphUnChecked = resource('NO_SUCH_PICTURE')\n").find("NO_SUCH_PICTURE"),
            std::string::npos);
}

// ---- The generator window --------------------------------------------------------------------------------

class GeneratorBoxes : public ::testing::Test {
 protected:
  // The box's cache rebuilt now, whatever its parent's painting is doing.
  const TBitmap32& Cache(TsCheckBox* box) {
    box->PrepareCache();
    return *box->SkinData.CacheBmp();
  }
  // The glyph's pixels, row by row.
  std::vector<uint32_t> GlyphPixels(TsCheckBox* box, int size) {
    const TBitmap32& c = Cache(box);
    const int top = (box->Height() - size) / 2;
    std::vector<uint32_t> out;
    for (int y = top; y < top + size; ++y)
      for (int x = 2; x < 2 + size; ++x) out.push_back(RgbOf(c.At(x, y)));
    return out;
  }
  // Every opaque pixel of the mark's state image is in the cache where the glyph stands.
  ::testing::AssertionResult ShowsMark(TsCheckBox* box, int maskIndex, int image) {
    const TsSkinManager* m = W->sSkinManager1;
    const TsMaskData& mask = m->ma[static_cast<size_t>(maskIndex)];
    const int w = MaskImageWidth(mask), h = MaskImageHeight(mask);
    const TBitmap32& src = mask.Bmp ? *mask.Bmp : m->MasterBitmap;
    const TBitmap32& c = Cache(box);
    const int top = (box->Height() - h) / 2;
    int compared = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const uint32_t s = src.At(mask.R.Left + image * w + x, mask.R.Top + y);
        if (s == kKeyPixel) continue;
        // A masked mark is opaque where its mask is black.
        if (mask.MaskType > 0 && RgbOf(src.At(mask.R.Left + image * w + x, mask.R.Top + h + y)) != 0) continue;
        ++compared;
        if (RgbOf(c.At(2 + x, top + y)) != RgbOf(s))
          return ::testing::AssertionFailure() << "pixel " << x << "," << y << " of image " << image;
      }
    if (compared == 0) return ::testing::AssertionFailure() << "no opaque pixel in the mark";
    return ::testing::AssertionSuccess();
  }
  void UseMetroUI() {
    W->sSkinManager1->SetSkinName(u"MetroUI (internal)");
    Pump();
    ASSERT_EQ(W->sSkinManager1->SkinName(), u"MetroUI (internal)");
  }
  TGeneratorWindow W;
};

TEST_F(GeneratorBoxes, TheClassBoxesFitTheirCaptionAndDrawTheirOwnOneImageGlyphInEveryLook) {
  for (TsCheckBox* box : {W->sCheckBox2, W->sCheckBox3, W->sCheckBox4, W->sCheckBox5}) {
    ASSERT_TRUE(box->SkinData.Skinned()) << box->Name();
    EXPECT_EQ(GetWindowLongW(box->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    TGdiTextRenderer measurer(box->Font().Handle());
    const std::wstring caption = box->Caption();
    EXPECT_EQ(box->Width(), 16 + 4 + measurer.MeasureText(std::u16string(caption.begin(), caption.end()), kDtSingleLine, 0).Width + 8);
    const std::vector<uint32_t> normal = GlyphPixels(box, 16);
    // An opaque pixel of the checked picture, where its mark is drawn.
    EXPECT_EQ(normal[8 * 16 + 2], RgbOf(box->GlyphChecked().Bitmap().At(2, 8)) ) << box->Name();
    box->Perform(FW_MOUSE_ENTER);
    EXPECT_EQ(GlyphPixels(box, 16), normal) << box->Name() << " hot";
    box->Perform(FW_MOUSE_LEAVE);
  }
  // Pressed: still the only image.
  TsCheckBox* box = W->sCheckBox3;
  const std::vector<uint32_t> normal = GlyphPixels(box, 16);
  SendMessageW(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  ASSERT_TRUE(box->Pressed());
  EXPECT_EQ(GlyphPixels(box, 16), normal);
  SendMessageW(box->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(GlyphPixels(box, 16)[8 * 16 + 2], RgbOf(box->GlyphUnChecked().Bitmap().At(2, 8)));
}

TEST_F(GeneratorBoxes, TheSaveBoxShowsTheSkinsMarksInFlatlineAndInMetroUI) {
  TsCheckBox* box = W->sCheckBox6;
  const TsSkinManager* m = W->sSkinManager1;
  ASSERT_EQ(m->SkinName(), u"Flatline (internal)");
  ASSERT_GE(m->ConstData.CheckBoxUnChecked, 0);
  EXPECT_TRUE(ShowsMark(box, m->ConstData.CheckBoxUnChecked, 0));
  box->Perform(FW_MOUSE_ENTER);
  EXPECT_TRUE(ShowsMark(box, m->ConstData.CheckBoxUnChecked, 1));
  box->Perform(FW_MOUSE_LEAVE);
  box->SetChecked(true);
  EXPECT_TRUE(ShowsMark(box, m->ConstData.CheckBoxChecked, 0));
  UseMetroUI();
  EXPECT_TRUE(box->SkinData.Skinned());
  ASSERT_GE(m->ConstData.CheckBoxChecked, 0);
  EXPECT_TRUE(ShowsMark(box, m->ConstData.CheckBoxChecked, 0));
  // MetroUI's marks are 13 pixels: the box took their height.
  EXPECT_EQ(MaskImageHeight(m->ma[static_cast<size_t>(m->ConstData.CheckBoxChecked)]), 13);
  box->SetChecked(false);
  EXPECT_TRUE(ShowsMark(box, m->ConstData.CheckBoxUnChecked, 0));
  // The class boxes keep their own pictures.
  EXPECT_EQ(GlyphPixels(W->sCheckBox2, 16)[8 * 16 + 2], RgbOf(W->sCheckBox2->GlyphChecked().Bitmap().At(2, 8)));
}

TEST_F(GeneratorBoxes, TheCaptionTakesTheSkinsColourUnlessTheBoxKeepsItsOwnFont) {
  // The save box uses the section's font colour; a class box keeps its own (clHighlight).
  const auto has = [](const TBitmap32& b, uint32_t colour) {
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 20; x < b.Width(); ++x)
        if (RgbOf(b.At(x, y)) == colour) return true;
    return false;
  };
  const TsSkinManager* m = W->sSkinManager1;
  const TsGeneralData& section = m->gd[static_cast<size_t>(W->sCheckBox6->SkinData.SkinIndex())];
  EXPECT_TRUE(has(Cache(W->sCheckBox6), Px(section.Props[0].FontColor.Color)));
  EXPECT_TRUE(has(Cache(W->sCheckBox5), Px(ColorToRGB(clHighlight))));
}

}  // namespace
}  // namespace qw::test
