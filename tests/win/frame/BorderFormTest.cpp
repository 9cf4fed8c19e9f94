// A form whose skin manager has extended borders: its border window (the skin's frame and the shadow
// around the form) with the built-in shadow and with a skin's own border picture, how it follows the
// form and goes with it, and a skin change that animates the form to its new frame.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fw/Application.h"
#include "fw/Form.h"
#include "image/BitmapFill.h"
#include "image/PngWriter.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/BorderForm_win.h"
#include "skin/frame/MinTimer_win.h"
#include "skin/frame/SkinProvider_win.h"
#include "tests/win/form/FormTestSupport.h"
#include "tests/win/frame/FrameTestSupport.h"

namespace qw::test {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A copy of Flatline in c:\Skins\Bordered with a border picture of its own: a blue glow (active) or a
// grey one (inactive), 14 pixels of which the frame covers 4.
void MakeBorderedSkin() {
  const fs::path dir = TSkinDirectory::kDir / L"Bordered";
  fs::remove_all(dir);
  fs::copy(fs::path(QW_SKINS_SOURCE_DIR) / "Flatline", dir, fs::copy_options::recursive);
  TBitmap32 picture(2 * 40, 40);
  for (int state = 0; state < 2; ++state)
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        const int edge = std::min(std::min(x, 39 - x), std::min(y, 39 - y));
        const double a = edge >= 10 ? 1.0 : 0.55 * std::exp(-(10 - edge) * (10 - edge) / 18.0);
        const uint32_t rgb = state ? 0x204090u : 0x707070u;  // BGR as the bitmap stores it: blue / grey
        picture.At(state * 40 + x, y) = (static_cast<uint32_t>(std::lround(a * 255)) << 24) | rgb;
      }
  SavePng(picture, (dir / "EXBORDER.PNG").string());
  std::ifstream in(dir / "Options.dat", std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  text.replace(text.find("[GLOBALINFO]\r\n") != std::string::npos ? text.find("[GLOBALINFO]\r\n") + 14
                                                                   : text.find("[GLOBALINFO]\n") + 13,
               0, "EXBORDER=!EXBORDER.PNG!2!0!0!14!14!14!14\r\n");
  std::ofstream(dir / "Options.dat", std::ios::binary) << text;
}

// A plain form with a skin manager of its own (extended borders on) and a frame component, shown with
// the manager's form-show transition over FormShowMs.
struct TBorderedForm {
  explicit TBorderedForm(const std::u16string& skin, TFormBorderStyle style = TFormBorderStyle::bsSingle,
                         int formShowMs = 0) {
    TMessageBoxCatcher boxes;
    Form = std::make_unique<TForm>();
    TFormFrame frame = Form->Frame();
    frame.BorderStyle = style;
    frame.BorderIcons = biSystemMenu;
    Form->SetFrame(frame);
    Form->SetText(L"Bordered");
    Form->SetClientWidth(300);
    Form->SetClientHeight(200);
    Form->SetBounds(200, 150, 306, 225);
    Manager = TComponent::Create<TsSkinManager>(Form.get());
    Manager->BroadcastHook = &WindowBroadcast();
    Manager->InternalSkins.emplace_back(u"Flatline (internal)", ReadBytes(fs::path(QW_SKIN_PACKAGE_DIR) / "Flatline.vlz"));
    Manager->InternalSkins.emplace_back(u"MetroUI (internal)", ReadBytes(fs::path(QW_SKIN_PACKAGE_DIR) / "MetroUI.vlz"));
    Manager->SetSkinDirectory(u"c:\\Skins");
    Manager->SetExtendedBorders(true);
    Manager->AnimEffects.FormShow.Time = formShowMs;
    Manager->SetSkinName(skin);
    Form->HandleNeeded();
    Provider = TsSkinProvider::CreateFor(*Form);
    Provider->SkinData->SetSkinManager(Manager);
    Provider->PrepareForm();
    Form->Show();
    SetForegroundWindow(Form->Handle());
    Pump();
    for (const auto& b : boxes.Boxes) ADD_FAILURE() << "message box: " << std::string(b.Text.begin(), b.Text.end());
  }
  ~TBorderedForm() {
    Form.reset();
    Pump();
  }
  HWND Border() const { return Provider->BorderForm() ? Provider->BorderForm()->Window() : nullptr; }
  RECT BorderRect() const {
    RECT r{};
    GetWindowRect(Border(), &r);
    return r;
  }

  std::unique_ptr<TForm> Form;
  TsSkinManager* Manager = nullptr;
  TsSkinProvider* Provider = nullptr;
};

uint8_t Alpha(const TBitmap32& b, int x, int y) { return static_cast<uint8_t>(b.At(x, y) >> 24); }

// What the screen shows of the form on a plain desktop, composed as the system composes a layered
// window (its picture is premultiplied): kept as a PNG where QW_TEST_SHOTS points, to be looked at.
void KeepScreenshot(const TBorderedForm& f, const std::string& name) {
  const char* dir = std::getenv("QW_TEST_SHOTS");
  if (!dir) return;
  const TBitmap32& picture = f.Provider->Cache();
  const int margin = 24;
  TBitmap32 shot(picture.Width() + 2 * margin, picture.Height() + 2 * margin);
  FillRect32(shot, TRect{0, 0, shot.Width(), shot.Height()}, 0xE8E0D8, 255);  // a light, plain desktop
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const uint32_t s = picture.At(x, y), d = shot.At(x + margin, y + margin), a = s >> 24;
      uint32_t out = 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8)
        out |= std::min<uint32_t>(255, ((s >> shift) & 0xFF) + ((d >> shift) & 0xFF) * (255 - a) / 255) << shift;
      shot.At(x + margin, y + margin) = out;
    }
  // The form's own client area through the hole.
  const TBorderFormLayout l = f.Provider->BorderLayout();
  const TBitmap32 form = GrabWindow(f.Form->Handle());
  for (int y = l.FormClient.Top; y < l.FormClient.Bottom; ++y)
    for (int x = l.FormClient.Left; x < l.FormClient.Right; ++x)
      shot.At(margin + l.FormOrigin.X + x, margin + l.FormOrigin.Y + y) = form.At(x, y) | 0xFF000000u;
  SavePng(shot, std::string(dir) + "/" + name + ".png");
}

TEST(BorderForm, ExtendedBordersGiveTheFormABorderWindowWithTheBuiltInShadowOrTheSkinsOwn) {
  TSkinDirectory skins(true);
  MakeBorderedSkin();
  for (const auto& [skin, shadow] : {std::pair{u"Flatline (internal)", 9}, std::pair{u"MetroUI (internal)", 9},
                                     std::pair{u"Bordered", 10}}) {
    TBorderedForm f(skin);
    SCOPED_TRACE(testing::Message() << "shadow " << shadow);
    ASSERT_TRUE(f.Border());
    EXPECT_TRUE(IsWindowVisible(f.Border()));
    EXPECT_TRUE(GetWindowLongW(f.Border(), GWL_EXSTYLE) & WS_EX_LAYERED);
    const TBorderFormLayout l = f.Provider->BorderLayout();
    EXPECT_EQ(l.Frame, (TRect{shadow, shadow, l.Picture.Width - shadow, l.Picture.Height - shadow}));
    // The skin's 4-pixel frame and 30-pixel caption around the form's client area.
    EXPECT_EQ(WidthOfRect(l.Frame), 300 + 2 * 4);
    const RECT br = f.BorderRect();
    RECT fr{};
    GetWindowRect(f.Form->Handle(), &fr);
    EXPECT_EQ(br.right - br.left, l.Picture.Width);
    EXPECT_EQ(fr.left - br.left, l.FormOrigin.X);
    EXPECT_EQ(fr.top - br.top, l.FormOrigin.Y);
    // The form shows only its client area.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(f.Form->Handle(), region), SIMPLEREGION);
    RECT box{};
    GetRgnBox(region, &box);
    DeleteObject(region);
    EXPECT_EQ((TRect{box.left, box.top, box.right, box.bottom}), l.FormClient);
    // The picture: a soft shadow (premultiplied: no colour above its alpha) and an opaque frame.
    const TBitmap32& picture = f.Provider->Cache();
    EXPECT_LT(Alpha(picture, 0, picture.Height() / 2), 40);
    EXPECT_GT(Alpha(picture, shadow - 1, picture.Height() / 2), Alpha(picture, 1, picture.Height() / 2));
    EXPECT_EQ(Alpha(picture, shadow + 1, picture.Height() / 2), 255);
    for (int x = 0; x < shadow; ++x)
      for (int shift = 0; shift < 24; shift += 8)
        EXPECT_LE((picture.At(x, 100) >> shift) & 0xFF, Alpha(picture, x, 100));
    // The shadow takes the mouse as client messages (which let it through); the caption is the frame's.
    EXPECT_EQ(SendMessageW(f.Border(), WM_NCHITTEST, 0, MAKELPARAM(br.left + 2, br.top + 100)), HTCLIENT);
    EXPECT_EQ(f.Provider->HTProcess(POINT{br.left + l.Frame.Left + 60, br.top + l.Frame.Top + 10}).Code, HTCAPTION);
    const TRect close = f.Provider->Caption().System[cbClose].Rect;
    EXPECT_EQ(f.Provider->HTProcess(POINT{br.left + (close.Left + close.Right) / 2, br.top + (close.Top + close.Bottom) / 2}).Code,
              HTCLOSE);
    KeepScreenshot(f, "border-" + std::string(skin[0] == u'F' ? "flatline" : skin[0] == u'M' ? "metroui" : "bordered"));
  }
}

TEST(BorderForm, FollowsTheFormAndGoesWithIt) {
  TBorderedForm f(u"Flatline (internal)");
  ASSERT_TRUE(f.Border());
  const RECT before = f.BorderRect();
  SetWindowPos(f.Form->Handle(), nullptr, 260, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  const RECT after = f.BorderRect();
  EXPECT_EQ(after.left - before.left, 60);
  EXPECT_EQ(after.top - before.top, 40);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  // Larger with the form.
  SetWindowPos(f.Form->Handle(), nullptr, 0, 0, 346, 245, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  EXPECT_EQ(f.BorderRect().right - f.BorderRect().left, before.right - before.left + 40);
  // Gone while the form is hidden, back when it shows again, gone with the form.
  ShowWindow(f.Form->Handle(), SW_HIDE);
  Pump();
  EXPECT_EQ(f.Border(), nullptr);
  ShowWindow(f.Form->Handle(), SW_SHOWNA);
  Pump();
  const HWND border = f.Border();
  ASSERT_TRUE(border);
  f.Form.reset();
  EXPECT_FALSE(IsWindow(border));
}

TEST(BorderForm, ASkinChangeFadesTheOldFrameIntoTheNewOne) {
  TBorderedForm f(u"Flatline (internal)");
  ASSERT_TRUE(f.Border());
  const TPoint caption{f.Provider->BorderLayout().Frame.Left + 60, f.Provider->BorderLayout().Frame.Top + 12};
  const uint32_t before = f.Provider->Cache().At(caption.X, caption.Y);
  auto region = [&f] {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(f.Border(), r);
    DeleteObject(r);
    return kind;
  };
  {
    // Locked for a change, the border window shows the look kept before it, whole (no hole for a
    // form that is frozen), and a repaint of the frame meanwhile does not put the new look there.
    f.Provider->PrepareSkinChangeAnimation();
    TFormsLock lock(*f.Manager);
    EXPECT_EQ(region(), SIMPLEREGION);
    f.Provider->RepaintFrame();
    EXPECT_EQ(region(), SIMPLEREGION);
    lock.Unlock(false);
    EXPECT_EQ(region(), COMPLEXREGION) << "unlocked: the frame with its hole";
  }
  TPictureWindowCount pictures;
  f.Manager->SetSkinName(u"MetroUI (internal)");
  Pump();
  // The old look was kept before the load and shown in a picture window that faded out.
  EXPECT_EQ(pictures.Made, 1);
  EXPECT_TRUE(IsWindowVisible(f.Form->Handle())) << "drawing resumed";
  ASSERT_TRUE(f.Border());
  // The new frame: MetroUI's blue caption, in the border window's picture, with the form's hole cut.
  const uint32_t after = f.Provider->Cache().At(caption.X, caption.Y);
  EXPECT_NE(after, before);
  EXPECT_GT(after & 0xFF, ((after >> 16) & 0xFF) + 80) << std::hex << after;
  EXPECT_EQ(region(), COMPLEXREGION);
}


// Waits (pumping) until Done says so, at most two seconds.
template <class F>
bool PumpUntil(F done) {
  const DWORD start = GetTickCount();
  while (!done() && GetTickCount() - start < 2000) {
    Pump(1);
    Sleep(5);
  }
  return done();
}

TEST(BorderForm, MinimisingFliesThePictureToTheTaskbarFirstAndRestoringBackUnlessTheEffectIsOff) {
  TBorderedForm f(u"Flatline (internal)");
  ASSERT_TRUE(f.Border());
  const HWND h = f.Form->Handle();
  TPictureWindowCount pictures;
  SendMessageW(h, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  // The picture is on its way; the form is minimised when it arrives.
  EXPECT_FALSE(IsIconic(h));
  ASSERT_TRUE(f.Provider->MinTimer());
  const HWND picture = f.Provider->MinTimer()->AnimForm();
  EXPECT_TRUE(picture && IsWindowVisible(picture));
  EXPECT_EQ(pictures.Made, 1);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(h) != FALSE; }));
  EXPECT_FALSE(IsWindow(picture));
  EXPECT_EQ(f.Border(), nullptr);
  EXPECT_FALSE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LAYERED) << "the form's own alpha back";
  // Restored at once (invisible), then the picture flies back; the border window comes with the form.
  SendMessageW(h, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(h));
  EXPECT_TRUE(PumpUntil([&] { return !f.Provider->MinimizeAnimating(); }));
  EXPECT_EQ(pictures.Made, 2);
  EXPECT_TRUE(f.Border() && IsWindowVisible(f.Border()));
  EXPECT_FALSE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LAYERED);
  // Without the effect: minimised at once, no picture.
  f.Manager->AnimEffects.Minimizing.Active = false;
  SendMessageW(h, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(h));
  EXPECT_EQ(pictures.Made, 2);
}

TEST(BorderForm, ADoubleClickOnASideStretchesTheFrameOverTheWorkAreaAndASecondGivesTheSizeBack) {
  TBorderedForm f(u"Flatline (internal)", TFormBorderStyle::bsSizeable);
  ASSERT_TRUE(f.Border());
  const HWND h = f.Form->Handle();
  RECT work{}, normal{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(h, &normal);
  // The frame on the screen, and a double click on a point of it (as the system reports it to the
  // border window, whose hit test sends every frame message).
  auto frame = [&f] {
    const RECT b = f.BorderRect();
    const TRect fr = f.Provider->BorderLayout().Frame;
    return RECT{b.left + fr.Left, b.top + fr.Top, b.left + fr.Right, b.top + fr.Bottom};
  };
  auto doubleClick = [&f](int x, int y) {
    SendMessageW(f.Border(), WM_NCLBUTTONDBLCLK, HTOBJECT, MAKELPARAM(x, y));
    Pump();
  };
  const RECT before = frame();
  doubleClick(before.left + 1, (before.top + before.bottom) / 2);
  RECT r = frame();
  EXPECT_EQ(r.left, work.left);
  EXPECT_EQ(r.right, work.right);
  EXPECT_EQ(r.top, before.top);
  EXPECT_EQ(r.bottom, before.bottom);
  doubleClick(r.right - 1, (r.top + r.bottom) / 2);
  RECT w{};
  GetWindowRect(h, &w);
  EXPECT_TRUE(EqualRect(&w, &normal)) << "the second double click gives the width back";
  doubleClick((before.left + before.right) / 2, before.bottom - 1);
  r = frame();
  EXPECT_EQ(r.top, work.top);
  EXPECT_EQ(r.bottom, work.bottom);
  EXPECT_EQ(r.left, before.left);
}

TEST(BorderForm, TheMouseOnTheShadowCutsThePixelUnderItAwayUntilItIsBackOnTheForm) {
  TBorderedForm f(u"Flatline (internal)");
  ASSERT_TRUE(f.Border());
  // Whether a point of the border window is its own (the system gives the windows below the rest,
  // whatever thread or program they belong to).
  auto own = [&f](int x, int y) {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    const bool in = GetWindowRgn(f.Border(), r) != ERROR && PtInRegion(r, x, y);
    DeleteObject(r);
    return in;
  };
  ASSERT_TRUE(own(2, 100));
  SendMessageW(f.Border(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 100));
  EXPECT_FALSE(own(2, 100)) << "the next click there reaches the window below";
  EXPECT_TRUE(own(2, 101)) << "only that pixel";
  SendMessageW(f.Border(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 100));
  EXPECT_FALSE(own(3, 100));
  // Back on the form: the shadow is whole again.
  RECT fr{};
  GetWindowRect(f.Form->Handle(), &fr);
  SendMessageW(f.Form->Handle(), WM_NCHITTEST, 0, MAKELPARAM((fr.left + fr.right) / 2, (fr.top + fr.bottom) / 2));
  EXPECT_TRUE(own(2, 100) && own(3, 100));
}

TEST(BorderForm, AFormAppearsThroughItsBorderWindowWithoutAPictureWindowOfItsOwn) {
  TPictureWindowCount pictures;
  TBorderedForm f(u"Flatline (internal)", TFormBorderStyle::bsSingle, 120);
  EXPECT_EQ(pictures.Made, 0) << "the border window was the picture";
  ASSERT_TRUE(f.Border());
  EXPECT_TRUE(IsWindowVisible(f.Border()));
  EXPECT_FALSE(GetWindowLongW(f.Form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(f.Border(), region), COMPLEXREGION) << "with its hole";
  DeleteObject(region);
}

}  // namespace
}  // namespace qw::test
