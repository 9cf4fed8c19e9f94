// The skinned frame of the generator window: its region, hit tests, the Close button's clicks, double
// clicks on the caption, the glow of a hot Close button, and how often (and what) it paints.
#include <gtest/gtest.h>

#include "fw/Label.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/CaptionAnimation_win.h"
#include "skin/frame/PreviewMode_win.h"
#include "skin/frame/PreviewRecord.h"
#include "skin/frame/SkinProvider_win.h"
#include "tests/win/form/FormTestSupport.h"
#include "tests/win/frame/FrameTestSupport.h"

namespace qw::test {
namespace {

// Records the window commands the form gets and keeps Close from closing it.
class TSysCommandTrap final : public TWindowProcHook {
 public:
  explicit TSysCommandTrap(TControl& control) : FControl(&control) { control.AddWindowProcHook(this); }
  ~TSysCommandTrap() {
    if (FControl) FControl->RemoveWindowProcHook(this);
  }
  std::vector<UINT> Commands;

 private:
  void HookedWindowProc(TControl& control, TMessage& message) override {
    if (message.Msg == WM_SYSCOMMAND) Commands.push_back(static_cast<UINT>(message.WParam & 0xFFF0));
    if (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_CLOSE) return;
    control.CallNextWindowProc(this, message);
  }
  void HookedControlDestroyed(TControl&) override { FControl = nullptr; }
  TControl* FControl;
};

struct TFramedWindow {
  TGeneratorWindow Window;
  TsSkinProvider& Provider = *Window->sSkinProvider1;
  HWND Handle = Window->Handle();

  POINT Screen(TPoint windowPoint) const {
    RECT wr{};
    GetWindowRect(Handle, &wr);
    return POINT{wr.left + windowPoint.X, wr.top + windowPoint.Y};
  }
  TPoint Centre(const TRect& r) const { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
  TPoint CloseCentre() const { return Centre(Provider.Caption().System[cbClose].Rect); }
  LRESULT HitTest(TPoint windowPoint) const {
    const POINT s = Screen(windowPoint);
    return SendMessageW(Handle, WM_NCHITTEST, 0, MAKELPARAM(s.x, s.y));
  }
  void Nc(UINT msg, WPARAM hit, TPoint windowPoint) const {
    const POINT s = Screen(windowPoint);
    SendMessageW(Handle, msg, hit, MAKELPARAM(s.x, s.y));
  }
  void UseMetroUI() {
    Window->sSkinManager1->SetSkinName(u"MetroUI (internal)");
    Pump();
  }
};

// The pixel of a mask's first image at (X, Y) from its right (bottom) edge when negative.
uint32_t& MaskPixel(TsSkinManager& m, const TsMaskData& mask, int x, int y) {
  TBitmap32& src = mask.Bmp ? *mask.Bmp : m.MasterBitmap;
  const TRect r = mask.Bmp ? TRect{0, 0, src.Width(), src.Height()} : mask.R;
  const int w = (r.Right - r.Left) / std::max<int>(1, mask.ImageCount);
  const int h = (r.Bottom - r.Top) / (mask.MaskType > 0 ? mask.MaskType + 1 : 1);
  return src.At(r.Left + (x < 0 ? w + x : x), r.Top + (y < 0 ? h + y : y));
}

TEST(SkinProvider, RegionHasHolesExactlyAtTheMasksKeyPixels) {
  TFramedWindow f;
  TsSkinManager& m = *f.Window->sSkinManager1;
  const TsMaskData& border = m.ma[static_cast<size_t>(m.GetMaskIndex(u"FORM", u"BORDERSMASK"))];
  const TsMaskData& title = m.ma[static_cast<size_t>(m.GetMaskIndex(u"FORMTITLE", u"BORDERSMASK"))];
  ASSERT_EQ(border.WL, 1);
  ASSERT_EQ(border.WB, 1);
  // The shipped skins have square corners: cut three, one from the caption's mask.
  MaskPixel(m, border, 0, 0) = kKeyPixel;
  MaskPixel(m, border, -1, -1) = kKeyPixel;
  MaskPixel(m, title, -1, 0) = kKeyPixel;
  f.Provider.UpdateFormRgn();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(f.Handle, region), ERROR);
  RECT wr{};
  GetWindowRect(f.Handle, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  for (POINT hole : {POINT{0, 0}, POINT{w - 1, h - 1}, POINT{w - 1, 0}})
    EXPECT_FALSE(PtInRegion(region, hole.x, hole.y)) << hole.x << ", " << hole.y;
  for (POINT kept : {POINT{0, h - 1}, POINT{1, 0}, POINT{0, 1}, POINT{w - 2, h - 1}, POINT{w - 2, 0}, POINT{w / 2, h / 2}})
    EXPECT_TRUE(PtInRegion(region, kept.x, kept.y)) << kept.x << ", " << kept.y;
  DeleteObject(region);
}

TEST(SkinProvider, HitTestsCaptionBorderClientIconAndClose) {
  TFramedWindow f;
  const TFrameGeometry g = f.Provider.Geometry();
  EXPECT_EQ(f.HitTest({100, g.HeaderHeight / 2}), HTCAPTION);
  EXPECT_EQ(f.HitTest({1, 200}), HTBORDER);
  EXPECT_EQ(f.HitTest({200, 200}), HTCLIENT);
  EXPECT_EQ(f.HitTest(f.CloseCentre()), HTCLOSE);
  EXPECT_EQ(f.HitTest(f.Centre(f.Provider.IconRect())), HTSYSMENU);
}

TEST(SkinProvider, CloseActsOnlyWhenReleasedWhereItWasPressed) {
  TFramedWindow f;
  TSysCommandTrap trap(*f.Window.Form);
  const TPoint close = f.CloseCentre();
  // Released outside: the capture brings the release, which is not on the button.
  f.Nc(WM_NCLBUTTONDOWN, HTCLOSE, close);
  EXPECT_EQ(f.Provider.ButtonOf(HTCLOSE)->State, 2);
  SendMessageW(f.Handle, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(200, 200));
  Pump();
  EXPECT_TRUE(trap.Commands.empty());
  // Released on it (in client coordinates above the client area, with no button flags).
  f.Nc(WM_NCLBUTTONDOWN, HTCLOSE, close);
  POINT client = f.Screen(close);
  ScreenToClient(f.Handle, &client);
  SendMessageW(f.Handle, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
  Pump();
  EXPECT_EQ(trap.Commands, std::vector<UINT>{SC_CLOSE});
  // And the non-client release on it.
  trap.Commands.clear();
  f.Nc(WM_NCLBUTTONDOWN, HTCLOSE, close);
  f.Nc(WM_NCLBUTTONUP, HTCLOSE, close);
  Pump();
  EXPECT_EQ(trap.Commands, std::vector<UINT>{SC_CLOSE});
  EXPECT_TRUE(IsWindow(f.Handle));
}

TEST(SkinProvider, DoubleClickOnCaptionDoesNothingAndOnIconCloses) {
  TFramedWindow f;
  TSysCommandTrap trap(*f.Window.Form);
  f.Nc(WM_NCLBUTTONDBLCLK, HTCAPTION, {100, 10});
  Pump();
  EXPECT_TRUE(trap.Commands.empty());
  EXPECT_FALSE(IsZoomed(f.Handle));
  f.Nc(WM_NCLBUTTONDBLCLK, HTSYSMENU, f.Centre(f.Provider.IconRect()));
  Pump();
  EXPECT_EQ(trap.Commands, std::vector<UINT>{SC_CLOSE});
}

TEST(SkinProvider, HotCloseGlowsWithMetroUIAndFadesItsOwnLookWithFlatline) {
  TFramedWindow f;
  ASSERT_TRUE(f.Provider.CanAnimateButtons());
  for (int skin = 0; skin < 2; ++skin) {
    if (skin == 1) f.UseMetroUI();
    RedrawWindow(f.Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const TRect close = f.Provider.Caption().System[cbClose].Rect;
    f.Nc(WM_NCMOUSEMOVE, HTCLOSE, f.CloseCentre());
    TsCaptionButton* b = f.Provider.ButtonOf(HTCLOSE);
    ASSERT_TRUE(b && b->Timer && b->Timer->Running());
    ASSERT_TRUE(IsWindowVisible(b->Timer->Window()));
    const POINT origin = f.Screen({close.Left, close.Top});
    const TRect bounds = b->Timer->Bounds();
    if (skin == 0) {
      EXPECT_FALSE(b->Timer->Glowing());
      EXPECT_EQ(bounds, (TRect{origin.x, origin.y, origin.x + close.Right - close.Left, origin.y + close.Bottom - close.Top}));
    } else {
      EXPECT_TRUE(b->Timer->Glowing());
      EXPECT_EQ(bounds, (TRect{origin.x - 4, origin.y - 4, origin.x + 20, origin.y + 14}));
      EXPECT_TRUE(GetWindowLongPtrW(b->Timer->Window(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    }
    // Leaving fades it out and takes the window away.
    SendMessageW(f.Handle, WM_NCMOUSELEAVE, 0, 0);
    for (int i = 0; i < 40 && b->Timer->Running(); ++i) Pump(1), Sleep(12);
    EXPECT_FALSE(b->Timer->Running());
  }
}

TEST(SkinProvider, UserTitleButtonAnswersFromOneThousandShowsItsHintAndClicks) {
  TFramedWindow f;
  int ups = 0;
  f.Provider.TitleButtons.push_back(TsTitleButton{u"Pin the window", true, true, true, {}, {}});
  f.Provider.TitleButtons[0].OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++ups; };
  f.Provider.RepaintFrame();
  const TRect r = f.Provider.Caption().User.at(0).Rect;
  ASSERT_LT(r.Right, f.Provider.Caption().System[cbClose].Rect.Left);
  EXPECT_EQ(f.HitTest(f.Centre(r)), kHtUserButton);
  f.Nc(WM_NCMOUSEMOVE, kHtUserButton, f.Centre(r));
  ASSERT_TRUE(f.Provider.HintWindow());
  EXPECT_TRUE(IsWindowVisible(f.Provider.HintWindow()));
  f.Nc(WM_NCLBUTTONDOWN, kHtUserButton, f.Centre(r));
  f.Nc(WM_NCLBUTTONUP, kHtUserButton, f.Centre(r));
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(f.Provider.HintWindow(), nullptr) << "no hint once the button is no longer hot";
}

TEST(SkinProvider, PreviewRecordsAreTakenOnlyInPreviewModeWhileTheEditorIsThere) {
  TFramedWindow f;
  std::vector<char> bytes(kPreviewRecordSize, 0);
  const uint32_t magic = kPreviewMagic;
  memcpy(bytes.data(), &magic, sizeof(magic));
  memcpy(bytes.data() + kPreviewNameOffset, "Flatline (internal)", 19);
  auto send = [&](const void* data, size_t size) {
    COPYDATASTRUCT cds{0, static_cast<DWORD>(size), const_cast<void*>(data)};
    return SendMessageW(f.Handle, WM_COPYDATA, kPreviewRecordTag, reinterpret_cast<LPARAM>(&cds));
  };
  EXPECT_EQ(SendMessageW(f.Handle, kPreviewMessage, kPreviewPing, 0), 0) << "not in preview mode";
  EXPECT_EQ(send(bytes.data(), bytes.size()), 0);
  SetPreviewMode(true);
  EXPECT_EQ(SendMessageW(f.Handle, kPreviewMessage, kPreviewPing, 0), 1);
  EXPECT_EQ(send(bytes.data(), bytes.size()), 0) << "no editor";
  HWND editor = CreateWindowExW(0, L"STATIC", kPreviewEditorTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(send(bytes.data(), bytes.size() - 1), 0) << "short";
  EXPECT_EQ(send(nullptr, bytes.size()), 0) << "no data";
  EXPECT_EQ(send(bytes.data(), bytes.size()), 1);
  SetPreviewMode(false);
  DestroyWindow(editor);
}

TEST(SkinProvider, RemovingTheSkinGivesTheSystemFrameBackAndANewOneTakesItAgain) {
  TFramedWindow f;
  TsSkinManager& m = *f.Window->sSkinManager1;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_TRUE(f.Window->Label2->Transparent()) << "the skin shows through a plain label";
  m.SetActive(false);
  Pump();
  EXPECT_FALSE(f.Window->Label2->Transparent());
  EXPECT_EQ(f.Window->Label2->Font().Color(), clWindowText);
  EXPECT_TRUE(GetWindowLongW(f.Handle, GWL_STYLE) & WS_SYSMENU);
  EXPECT_EQ(GetWindowRgn(f.Handle, region), ERROR) << "no region of the skin's";
  const int paints = f.Provider.NonClientPaints();
  RedrawWindow(f.Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(f.Provider.NonClientPaints(), paints) << "the system paints its own frame";
  m.SetActive(true);
  Pump();
  EXPECT_FALSE(GetWindowLongW(f.Handle, GWL_STYLE) & WS_SYSMENU);
  EXPECT_NE(GetWindowRgn(f.Handle, region), ERROR);
  EXPECT_EQ(f.HitTest(f.CloseCentre()), HTCLOSE);
  DeleteObject(region);
}

// The frame on the screen is the frame's picture: nothing of the system's caption is left on it.
void ExpectFrameIsOurs(const TFramedWindow& f, const char* when) {
  const TBitmap32 screen = GrabWindow(f.Handle);
  const TBitmap32& cache = f.Provider.Cache();
  const int header = f.Provider.Geometry().HeaderHeight;
  int differing = 0;
  for (int y = 0; y < header; ++y)
    for (int x = 0; x < screen.Width(); ++x) differing += Rgb(screen, x, y) != Rgb(cache, x, y);
  EXPECT_EQ(differing, 0) << when;
}

// Looks at the caption right after the system handled a caption change or an activation (behind the
// frame, while it is still to repaint): the system must have drawn nothing there.
class TSystemPaintProbe final : public TWindowProcHook {
 public:
  TSystemPaintProbe(const TFramedWindow& f) : F(f) { f.Window.Form->AddWindowProcHook(this, true); }
  ~TSystemPaintProbe() {
    if (!Gone) F.Window.Form->RemoveWindowProcHook(this);
  }
  int Differing = 0, Probes = 0;

 private:
  void HookedWindowProc(TControl& control, TMessage& message) override {
    control.CallNextWindowProc(this, message);
    if (message.Msg != WM_SETTEXT && message.Msg != WM_NCACTIVATE) return;
    ++Probes;
    const TBitmap32 screen = GrabWindow(F.Handle);
    const TBitmap32& cache = F.Provider.Cache();
    // Between the caption text and the Close button: the caption bar's own pixels whatever the text.
    const int right = F.Provider.Caption().System[cbClose].Rect.Left - 4;
    for (int y = 0; y < F.Provider.Geometry().HeaderHeight; ++y)
      for (int x = 300; x < right; ++x) Differing += Rgb(screen, x, y) != Rgb(cache, x, y);
  }
  void HookedControlDestroyed(TControl&) override { Gone = true; }
  const TFramedWindow& F;
  bool Gone = false;
};

TEST(SkinProvider, OneFramePaintPerActivationSkinChangeAndCaptionChange) {
  TFramedWindow f;
  f.UseMetroUI();
  TSystemPaintProbe probe(f);
  RedrawWindow(f.Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  ExpectFrameIsOurs(f, "shown");
  auto paintsFor = [&](auto change) {
    const int before = f.Provider.NonClientPaints();
    change();
    Pump();
    return f.Provider.NonClientPaints() - before;
  };
  EXPECT_EQ(paintsFor([&] { SendMessageW(f.Handle, WM_NCACTIVATE, FALSE, 0); }), 1);
  EXPECT_FALSE(f.Provider.FormActive());
  ExpectFrameIsOurs(f, "inactive");
  EXPECT_EQ(paintsFor([&] { SendMessageW(f.Handle, WM_NCACTIVATE, TRUE, 0); }), 1);
  ExpectFrameIsOurs(f, "active");
  EXPECT_EQ(paintsFor([&] { f.Window->SetText(L"Qwillet 1.0 (changed)"); }), 1);
  ExpectFrameIsOurs(f, "caption changed");
  EXPECT_EQ(paintsFor([&] {
              SendMessageW(f.Handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_WARNING)));
            }),
            1);
  ExpectFrameIsOurs(f, "icon changed");
  LRESULT menuChar = 0;
  EXPECT_EQ(paintsFor([&] { menuChar = SendMessageW(f.Handle, WM_MENUCHAR, MAKEWPARAM('q', MF_SYSMENU), 0); }), 0);
  EXPECT_EQ(HIWORD(menuChar), MNC_CLOSE) << "an Alt combination that matches nothing must not beep";
  EXPECT_EQ(paintsFor([&] { f.Window->sSkinManager1->SetSkinName(u"Flatline (internal)"); }), 1);
  ExpectFrameIsOurs(f, "skin changed");
  EXPECT_EQ(probe.Probes, 3);
  EXPECT_EQ(probe.Differing, 0) << "the system painted its caption";
}

// Notes whether the form could be seen at its first frame paint after it was shown.
class TFirstPaintProbe final : public TWindowProcHook {
 public:
  explicit TFirstPaintProbe(TForm& form) : FForm(form) { form.AddWindowProcHook(this, false); }
  ~TFirstPaintProbe() { FForm.RemoveWindowProcHook(this); }
  int Paints = 0;
  bool FirstSeen = true;

 private:
  void HookedWindowProc(TControl& control, TMessage& message) override {
    if (message.Msg == WM_NCPAINT && Paints++ == 0) {
      BYTE alpha = 255;
      DWORD flags = 0;
      const bool layered = GetWindowLongPtrW(FForm.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED;
      FirstSeen = !(layered && GetLayeredWindowAttributes(FForm.Handle(), nullptr, &alpha, &flags) &&
                    (flags & LWA_ALPHA) && alpha <= 1);
    }
    control.CallNextWindowProc(this, message);
  }
  void HookedControlDestroyed(TControl&) override {}
  TForm& FForm;
};

TEST(SkinProvider, AShownFormIsPaintedUnseenAndRevealedWhole) {
  TSkinDirectory storedSkinsOnly(false);
  for (bool again : {false, true}) {
    auto form = std::make_unique<TForm1>();
    form->LoadFromResource();
    if (again) {
      form->Show();
      Pump();
      form->SetVisible(false);
      Pump();
    }
    {
      TFirstPaintProbe probe(*form);
      form->Show();
      Pump();
      EXPECT_GT(probe.Paints, 0) << again;
      EXPECT_FALSE(probe.FirstSeen) << "the form was seen before its frame was painted; shown again: " << again;
    }
    EXPECT_FALSE(GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_GT(form->sSkinProvider1->NonClientPaints(), 0);
  }
}

TEST(SkinProvider, ASkinChangeFadesThePlainFormsNewPictureInAndLeavesItsFrame) {
  TFramedWindow f;
  TsSkinManager& m = *f.Window->sSkinManager1;
  for (int time : {0, 60}) {
    m.AnimEffects.SkinChanging = TqxAnimEffect{true, time, atFading};
    TPictureWindowCount pictures;
    m.SetSkinName(m.SkinName() == u"MetroUI (internal)" ? u"Flatline (internal)" : u"MetroUI (internal)");
    Pump();
    EXPECT_EQ(pictures.Made, 1) << "the new look fades in over the frozen old one; time " << time;
    EXPECT_EQ(FindWindowW(L"QxPictureWindow", nullptr), nullptr) << time;
    ExpectFrameIsOurs(f, time ? "after a fade" : "after an immediate change");
  }
}

}  // namespace
}  // namespace qw::test
