// Standard buttons, static texts and icons wrapped on a plain form under each shipped skin: which
// windows get which wrapper, the button's looks from the skin's BUTTON section (at rest, as the default
// button, under the mouse), and the wrappers leaving with their windows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "../core/CoreTestSupport.h"
#include "../form/FormTestSupport.h"
#include "BoxTestSupport.h"
#include "fw/Button.h"
#include "fw/ImageList.h"
#include "image/BitmapFill.h"
#include "image/PngWriter.h"
#include "skin/controls/BitBtnWnd_win.h"
#include "skin/controls/CtrlAdapter_win.h"
#include "skin/controls/StdChildWrappers_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"

namespace qw::test {
namespace {

HWND MakeChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h) {
  return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

constexpr TColor kGreen = 0x00FF00;

// A plain form holding a framework button and system children, the buttons put under an adapter whose
// button list names both the framework's and the system's class, beside the generator window whose
// manager paints them.
class WrappedButtons : public ::testing::TestWithParam<const char16_t*> {
 protected:
  void SetUp() override {
    M = W->sSkinManager1;
    if (M->SkinName() != GetParam()) M->SetSkinName(GetParam());
    M->ThirdParty[size_t(tcButtons)] = {u"TButton", u"Button"};
    M->ThirdParty[size_t(tcBitBtns)] = {u"TBitBtn"};
    M->Loaded();
    // The test's adapter is the only one on the host: the window hook gives plain forms no frame here.
    M->SetSkinningRules(srStdDialogs | srThirdParty);
    Host = std::make_unique<TForm>();
    Host->SetClientWidth(260);
    Host->SetClientHeight(130);
    Host->Show();
    Framework = std::make_unique<TButton>();
    Framework->SetBounds(10, 10, 75, 23);
    Framework->SetText(L"Framework");
    Framework->SetParent(Host.get());
    // Pictures in colours no skin uses: the list's red and green, the bit button's blue glyph.
    for (TColor c : {clRed, kGreen}) {
      TBitmap32 image(16, 16);
      FillRect32(image, TRect{0, 0, 16, 16}, c, 255);
      Images.Add(std::move(image));
    }
    Pictured = std::make_unique<TButton>();
    Pictured->SetBounds(10, 95, 75, 23);
    Pictured->SetText(L"Image");
    Pictured->SetImages(&Images);
    Pictured->ImageIndex = 0;
    Pictured->HotImageIndex = 5;
    Pictured->SetParent(Host.get());
    BitBtn = std::make_unique<TBitBtn>();
    BitBtn->SetBounds(100, 95, 75, 23);
    BitBtn->SetText(L"Bit");
    TBitmap32 glyph(16, 16);
    FillRect32(glyph, TRect{0, 0, 16, 16}, clBlue, 255);
    BitBtn->SetGlyph(std::move(glyph));
    BitBtn->SetParent(Host.get());
    const HWND h = Host->Handle();
    Push = MakeChild(h, L"BUTTON", L"OK", BS_PUSHBUTTON, 100, 10, 75, 23);
    OwnerDraw = MakeChild(h, L"BUTTON", L"Drawn", BS_OWNERDRAW, 180, 10, 75, 23);
    Text = MakeChild(h, L"STATIC", L"A message for the user, written on the skin.", SS_CENTER, 60, 50, 190, 40);
    Icon = MakeChild(h, L"STATIC", L"", SS_ICON, 10, 50, 32, 32);
    SendMessageW(Icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_INFORMATION)), 0);
    Adapter = std::make_unique<TqxCtrlAdapter>(*Host, nullptr, M);
    Adapter->AddAllItems();
    TextWrapper = WrapStdChild(Text, M, true);
    IconWrapper = WrapStdChild(Icon, M, true);
    Pump();
  }
  void TearDown() override {
    TextWrapper.reset();
    IconWrapper.reset();
    Adapter.reset();
    Framework.reset();
    Pictured.reset();
    BitBtn.reset();
    Host.reset();
  }
  uint32_t ButtonColor(int state) {
    const int i = M->GetSkinIndex(u"BUTTON");
    EXPECT_GE(i, 0);
    return PixelOf(M->gd[size_t(std::max(i, 0))].Props[state].Color);
  }
  // A point of the push button's face inside its border and clear of its caption.
  static constexpr int kFaceX = 6, kFaceY = 5;

  TGeneratorWindow W;
  TsSkinManager* M = nullptr;
  std::unique_ptr<TForm> Host;
  std::unique_ptr<TButton> Framework, Pictured;
  std::unique_ptr<TBitBtn> BitBtn;
  TImageList Images;
  HWND Push = nullptr, OwnerDraw = nullptr, Text = nullptr, Icon = nullptr;
  std::unique_ptr<TqxCtrlAdapter> Adapter;
  std::unique_ptr<TqxMainWnd> TextWrapper, IconWrapper;
};

TEST_P(WrappedButtons, EachWindowGetsTheWrapperOfItsKindAndAnOwnerDrawButtonNone) {
  ASSERT_NE(TqxMainWnd::FromHandle(Framework->Handle()), nullptr);
  EXPECT_STREQ(TqxMainWnd::FromHandle(Framework->Handle())->ClassName(), "TqxButtonWnd");
  ASSERT_NE(TqxMainWnd::FromHandle(Push), nullptr);
  EXPECT_STREQ(TqxMainWnd::FromHandle(Push)->ClassName(), "TqxButtonWnd");
  EXPECT_EQ(TqxMainWnd::FromHandle(Push)->SkinData->SkinSection(), u"BUTTON");
  EXPECT_STREQ(TqxMainWnd::FromHandle(BitBtn->Handle())->ClassName(), "TqxBitBtnWnd");
  EXPECT_EQ(Adapter->Count(), 4);
  EXPECT_EQ(TqxMainWnd::FromHandle(OwnerDraw), nullptr);
  EXPECT_EQ(WrapStdChild(OwnerDraw, M, true), nullptr);
  ASSERT_TRUE(TextWrapper && IconWrapper);
  EXPECT_STREQ(TextWrapper->ClassName(), "TqxStaticWnd");
  EXPECT_STREQ(IconWrapper->ClassName(), "TqxIconWnd");
  EXPECT_EQ(IconWrapper->SkinData->SkinSection(), u"CHECKBOX");
  EXPECT_EQ(WrapStdChild(Push, M, true), nullptr) << "a wrapped window is not wrapped twice";
}

TEST_P(WrappedButtons, ThePushButtonPaintsFromTheButtonSectionAndTheDefaultOneLooksHot) {
  ASSERT_NE(ButtonColor(0), ButtonColor(1)) << "the skin's button has a hot look";
  EXPECT_EQ(Rgb(PictureOfWindow(Push), kFaceX, kFaceY), ButtonColor(0));
  SendMessageW(Push, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(Rgb(PictureOfWindow(Push), kFaceX, kFaceY), ButtonColor(1));
  // The form as it shows, for looking at (QW_WRAP_SHOT: a file name prefix).
  if (const char* shot = std::getenv("QW_WRAP_SHOT")) {
    RedrawWindow(Host->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    RECT r{};
    GetWindowRect(Host->Handle(), &r);
    TBitmap32 picture(r.right - r.left, r.bottom - r.top);
    HDC screen = GetWindowDC(Host->Handle());
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(picture.NativeHandle()));
    BitBlt(dc, 0, 0, picture.Width(), picture.Height(), screen, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(Host->Handle(), screen);
    GdiFlush();
    for (size_t i = 0; i < picture.PixelCount(); ++i) picture.Pixels()[i] |= 0xFF000000u;  // GDI leaves alpha 0
    SavePng(picture, std::string(shot) + (GetParam()[0] == u'F' ? "Flatline.png" : "MetroUI.png"));
  }
}

TEST_P(WrappedButtons, FrameworkButtonsShowTheirPicturesWhereTheirLayoutPutsThem) {
  // The list's picture left of the caption, three pixels in: the hot index lies beyond the list.
  const auto atImage = [this] { return Rgb(PictureOfWindow(Pictured->Handle()), 3 + 8, 3 + 8); };
  EXPECT_TRUE(NearPixel(atImage(), PixelOf(clRed)));
  MoveMouse(Pictured->Handle(), 70, 20);
  EXPECT_TRUE(NearPixel(atImage(), PixelOf(clRed)));
  Pictured->HotImageIndex = 1;
  EXPECT_TRUE(NearPixel(atImage(), PixelOf(kGreen)));
  const auto* bit = dynamic_cast<TqxBitBtnWnd*>(TqxMainWnd::FromHandle(BitBtn->Handle()));
  ASSERT_NE(bit, nullptr);
  const TBitmap32 picture = PictureOfWindow(BitBtn->Handle());
  const TRect glyph = bit->GlyphRect();
  EXPECT_EQ(glyph.Right - glyph.Left, 16);
  EXPECT_TRUE(NearPixel(Rgb(picture, glyph.Left + 8, glyph.Top + 8), PixelOf(clBlue)));
}

TEST_P(WrappedButtons, TheHotLookFollowsTheMouse) {
  MoveMouse(Push, kFaceX, kFaceY);
  EXPECT_TRUE(TqxMainWnd::FromHandle(Push)->SkinData->FMouseAbove);
  EXPECT_EQ(Rgb(PictureOfWindow(Push), kFaceX, kFaceY), ButtonColor(1));
  SendMessageW(Push, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(TqxMainWnd::FromHandle(Push)->SkinData->FMouseAbove);
  EXPECT_EQ(Rgb(PictureOfWindow(Push), kFaceX, kFaceY), ButtonColor(0));
}

TEST_P(WrappedButtons, WrappersLeaveWithTheirWindows) {
  TqxMainWnd* push = TqxMainWnd::FromHandle(Push);
  ASSERT_NE(push, nullptr);
  DestroyWindow(Push);
  DestroyWindow(Text);
  EXPECT_TRUE(push->Destroyed);
  EXPECT_TRUE(TextWrapper->Destroyed);
  // The framework button goes in the middle of a fade: nothing of it may run on its freed skin data.
  auto* framework = dynamic_cast<TqxBtnWnd*>(TqxMainWnd::FromHandle(Framework->Handle()));
  ASSERT_NE(framework, nullptr);
  MoveMouse(Framework->Handle(), 5, 5);
  SendMessageW(Framework->Handle(), WM_MOUSELEAVE, 0, 0);
  ASSERT_TRUE(framework->Fading());
  Framework.reset();
  EXPECT_FALSE(framework->Fading());
  Adapter->CleanItems();
  EXPECT_EQ(Adapter->Count(), 2);
  // The icon's window goes with the form; its wrapper, freed afterwards, touches nothing.
  Host.reset();
  EXPECT_TRUE(IconWrapper->Destroyed);
}

INSTANTIATE_TEST_SUITE_P(Skins, WrappedButtons, ::testing::Values(u"Flatline (internal)", u"MetroUI (internal)"),
                         [](const auto& info) { return info.index == 0 ? "Flatline" : "MetroUI"; });

}  // namespace
}  // namespace qw::test
