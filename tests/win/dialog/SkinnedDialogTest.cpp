// System dialogs under the skin, in a program of their own (the thread hook it installs sees every window
// the process makes): message boxes without an owner wear the skin, owned ones and a third one keep the
// system's look, a framework form made without a frame component gets one, and the hook goes with the skin.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "../form/FormTestSupport.h"
#include "../frame/FrameTestSupport.h"
#include "image/BitmapFill.h"
#include "image/PngWriter.h"
#include "skin/controls/BtnWnd_win.h"
#include "skin/controls/EdgeWnd_win.h"
#include "skin/controls/SizerWnd_win.h"
#include "skin/controls/TrackWnd_win.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/Transitions_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/BorderForm_win.h"
#include "skin/frame/dialog/DialogProvider_win.h"
#include "skin/frame/dialog/DialogWnd_win.h"
#include "skin/frame/hook/ThreadHook_win.h"
#include "skin/frame/menu/SkinableMenus_win.h"

namespace qw::test {
namespace {

constexpr wchar_t kCaption[] = L"Skinned box";

// Runs each step in turn while the message box a test opens is up (one every 200 ms; a timer's tick is
// dispatched by the box's own loop), then closes whatever box is still open. Boxes may nest: each opener
// serves the newest box of its time.
class TWhileBoxOpen {
 public:
  explicit TWhileBoxOpen(std::vector<std::function<void(HWND box)>> steps) : FSteps(std::move(steps)) {
    FTimer = SetTimer(nullptr, 0, 200, &Tick);
    Openers().push_back(this);
  }
  ~TWhileBoxOpen() {
    KillTimer(nullptr, FTimer);
    std::erase(Openers(), this);
  }
  // The box was still open after the last step: the opener closed it.
  bool ClosedForTest() const { return FClosedForTest; }

 private:
  static std::vector<TWhileBoxOpen*>& Openers() {
    static std::vector<TWhileBoxOpen*> openers;
    return openers;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    for (TWhileBoxOpen* o : Openers())
      if (o->FTimer == id) return o->Step();
  }
  void Step() {
    if (!FBox) {
      HWND active = GetActiveWindow();
      wchar_t cls[16] = {};
      if (active) GetClassNameW(active, cls, 16);
      if (std::wstring_view(cls) == L"#32770") FBox = active;
    }
    HWND box = FBox && IsWindow(FBox) ? FBox : nullptr;
    // A modal box shows itself once its loop first goes idle: the steps wait for that (a few seconds at
    // most, so a box that never shows fails its test instead of hanging it).
    if (box && !IsWindowVisible(box) && ++FWaits < 25) return;
    // A step that opens a box of its own runs on in that box's loop, where this timer ticks too.
    if (FRunning) return;
    if (FNext < FSteps.size()) {
      const size_t step = FNext++;
      FRunning = true;
      FSteps[step](box);
      FRunning = false;
      return;
    }
    if (!box || FClosedForTest) return;
    FClosedForTest = true;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
  std::vector<std::function<void(HWND)>> FSteps;
  size_t FNext = 0;
  HWND FBox = nullptr;
  bool FClosedForTest = false;
  bool FRunning = false;
  int FWaits = 0;
  UINT_PTR FTimer = 0;
};

// A point of the dialog in screen coordinates, from its window's top-left corner.
POINT At(HWND box, int x, int y) {
  RECT wr{};
  GetWindowRect(box, &wr);
  return POINT{wr.left + x, wr.top + y};
}

LPARAM Packed(POINT p) { return MAKELPARAM(p.x, p.y); }

// Keeps a picture where QW_TEST_SHOTS points, to be looked at (the screen has no alpha, GDI's text leaves
// 0 in it: made opaque).
void KeepShot(const TBitmap32& shot, const std::string& name) {
  const char* dir = std::getenv("QW_TEST_SHOTS");
  if (!dir) return;
  TBitmap32 opaque = shot.Clone();
  for (int y = 0; y < opaque.Height(); ++y)
    for (uint32_t* p = opaque.Row(y), *end = p + opaque.Width(); p != end; ++p) *p |= 0xFF000000u;
  SavePng(opaque, std::string(dir) + "/" + name + ".png");
}

// A dialog template in memory: the dialog, then its items with their classes given by name.
class TDialogTemplate {
 public:
  TDialogTemplate(DWORD style, short cx, short cy) {
    Dword(style);
    Dword(0);
    FWords.push_back(0);  // item count, set as items come
    for (short v : {short{10}, short{10}, cx, cy}) FWords.push_back(static_cast<WORD>(v));
    FWords.insert(FWords.end(), {0, 0});  // no menu, the dialog class
    Text(L"Children");
  }
  void Add(const wchar_t* cls, const wchar_t* text, WORD id, DWORD style, DWORD exStyle, short x, short y, short cx,
           short cy) {
    if (FWords.size() % 2) FWords.push_back(0);
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(exStyle);
    for (short v : {x, y, cx, cy}) FWords.push_back(static_cast<WORD>(v));
    FWords.push_back(id);
    Text(cls);
    Text(text);
    FWords.push_back(0);  // no creation data
    ++FWords[4];
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(FWords.data()); }

 private:
  void Dword(DWORD v) { FWords.insert(FWords.end(), {LOWORD(v), HIWORD(v)}); }
  void Text(const wchar_t* text) {
    for (; *text; ++text) FWords.push_back(static_cast<WORD>(*text));
    FWords.push_back(0);
  }
  std::vector<WORD> FWords;
};

constexpr DWORD kPlainDialog = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;

// A dialog whose procedure does nothing of its own.
INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

// A modeless dialog without owner, made from a template (the hook skins it as it does a message box),
// drawn once; destroyed with the object.
struct TTemplateDialog {
  TTemplateDialog(const TDialogTemplate& t, DLGPROC proc = &PlainDialogProc)
      : Handle(CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t.Get(), nullptr, proc, 0)) {
    SetForegroundWindow(Handle);
    RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(3);
  }
  ~TTemplateDialog() {
    if (IsWindow(Handle)) DestroyWindow(Handle);
    Pump(3);
  }
  TqxDialogWnd* Wrapper() const { return dynamic_cast<TqxDialogWnd*>(TqxMainWnd::FromHandle(Handle)); }
  HWND Handle;
};

// The manager with both stored skins, on a plain framework form, and the hook in place.
class SkinnedDialog : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    RegisterSkinControls(ClassRegistry());
    InstallMenuSkinning();
    InstallSkinThreadHook();
    Form.Read(std::string("  object S: TsSkinManager\n"
                          "    InternalSkins = <\n"
                          "      item\n        Name = 'Flatline (internal)'\n        Data = resource('SKIN_FLATLINE')\n      end\n"
                          "      item\n        Name = 'MetroUI (internal)'\n        Data = resource('SKIN_METROUI')\n      end>\n"
                          "    SkinDirectory = 'c:\\Skins'\n"
                          "    SkinName = '") +
              GetParam() + "'\n  end\n");
    Manager = dynamic_cast<TsSkinManager*>(Form.FindComponent("S"));
    Form.Show();
    SetForegroundWindow(Form.Handle());
    Pump(5);
  }
  void TearDown() override { Pump(3); }

  TSkinDirectory NoSkinsOnDisk{false};
  TRecordingForm Form;
  TsSkinManager* Manager = nullptr;
};

TEST_P(SkinnedDialog, AnUnownedBoxWearsTheSkinWithItsCaptionCloseGlyphAndHotDefaultButton) {
  TqxDialogWnd* wrapper = nullptr;
  bool captionOnScreen = false, closeGlyphDrawn = false, defaultHot = false, defaultOnScreen = false;
  TWhileBoxOpen whileOpen({[&](HWND box) {
    ASSERT_NE(box, nullptr);
    wrapper = dynamic_cast<TqxDialogWnd*>(TqxMainWnd::FromHandle(box));
    ASSERT_NE(wrapper, nullptr);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const TBitmap32 shot = GrabWindow(box);
    KeepShot(shot, std::string("skinned_box_") + (GetParam()[0] == 'F' ? "flatline" : "metroui"));
    const TBitmap32& picture = wrapper->Picture();
    const TFrameGeometry g = wrapper->Geometry();
    // The whole header on the screen is the skin's picture of it.
    captionOnScreen = picture.Width() == shot.Width();
    for (int y = 0; captionOnScreen && y < g.SysBorderHeight + g.CaptionHeight; ++y)
      for (int x = 8; x < shot.Width() - 8; x += 3)
        if (Rgb(shot, x, y) != Rgb(picture, x, y)) captionOnScreen = false;
    // The Close button shows the skin's small close glyph over the clean caption.
    const TRect close = wrapper->CaptionLayout().Layout.System[cbClose].Rect;
    for (int y = close.Top; y < close.Bottom; ++y)
      for (int x = close.Left; x < close.Right; ++x)
        if (Rgb(shot, x, y) != Rgb(wrapper->TitleBG(), x, y)) closeGlyphDrawn = true;
    HWND ok = GetDlgItem(box, IDOK);
    auto* button = dynamic_cast<TqxBtnWnd*>(TqxMainWnd::FromHandle(ok));
    ASSERT_NE(button, nullptr);
    defaultHot = button->CurrentState() == 1 || button->CurrentState() == 3;
    const TBitmap32 face = GrabWindow(ok);
    const TBitmap32& cache = *button->SkinData->CacheBmp();
    defaultOnScreen = face.Width() == cache.Width() && Rgb(face, 2, face.Height() / 2) == Rgb(cache, 2, face.Height() / 2);
  }});
  MessageBoxW(nullptr, L"The skin draws this box.", kCaption, MB_OK | MB_ICONWARNING);
  ASSERT_NE(wrapper, nullptr);
  // Both skins have a caption strip of their own for dialogs.
  EXPECT_EQ(wrapper->TitleSection(), u"DIALOGTITLE");
  EXPECT_EQ(wrapper->CaptionLayout().Images.Index[cbClose], Manager->ConstData.MaskCloseSmall);
  EXPECT_TRUE(captionOnScreen);
  EXPECT_TRUE(closeGlyphDrawn);
  EXPECT_TRUE(defaultHot);
  EXPECT_TRUE(defaultOnScreen);
  // The box went: its provider is gone from the hook's list.
  Pump(3);
  EXPECT_TRUE(HookProviders().size() <= 1u);
  for (TqxProvider* p : HookProviders()) EXPECT_FALSE(p->ListSW);
}

// The box with its border window as the screen composes them over a plain desktop (the border window's
// premultiplied picture, the box's client area through its hole).
TBitmap32 ComposedWithBorder(TqxDialogWnd& wrapper, HWND box) {
  const TBitmap32& picture = wrapper.Picture();
  TBitmap32 shot(picture.Width(), picture.Height());
  FillRect32(shot, TRect{0, 0, shot.Width(), shot.Height()}, 0xE8E0D8, 255);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const uint32_t src = picture.At(x, y), dst = shot.At(x, y), a = src >> 24;
      uint32_t out = 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8)
        out |= std::min<uint32_t>(255, ((src >> shift) & 0xFF) + ((dst >> shift) & 0xFF) * (255 - a) / 255) << shift;
      shot.At(x, y) = out;
    }
  const TBorderFormLayout l = wrapper.BorderLayout();
  const TBitmap32 client = GrabWindow(box);
  for (int y = l.FormClient.Top; y < l.FormClient.Bottom; ++y)
    for (int x = l.FormClient.Left; x < l.FormClient.Right; ++x)
      shot.At(l.FormOrigin.X + x, l.FormOrigin.Y + y) = client.At(x, y);
  return shot;
}

TEST_P(SkinnedDialog, WithExtendedBordersAnUnownedBoxHasABorderWindowWhileItIsOpen) {
  Manager->SetExtendedBorders(true);
  Pump(3);
  HWND border = nullptr;
  bool shown = false, placed = false, clientOnly = false, followed = false;
  int captionHit = 0, closeHit = 0;
  TWhileBoxOpen whileOpen({[&](HWND box) {
    auto* wrapper = dynamic_cast<TqxDialogWnd*>(TqxMainWnd::FromHandle(box));
    ASSERT_NE(wrapper, nullptr);
    ASSERT_NE(wrapper->BorderForm(), nullptr);
    border = wrapper->BorderForm()->Window();
    shown = IsWindowVisible(border) && (GetWindowLongW(border, GWL_EXSTYLE) & WS_EX_LAYERED);
    const TBorderFormLayout l = wrapper->BorderLayout();
    RECT br{}, wr{};
    GetWindowRect(border, &br);
    GetWindowRect(box, &wr);
    placed = br.right - br.left == l.Picture.Width && wr.left - br.left == l.FormOrigin.X &&
             wr.top - br.top == l.FormOrigin.Y;
    // The box keeps only its client area; the frame is the border window's, hit-tested in its picture.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT rb{};
    clientOnly = GetWindowRgn(box, region) == SIMPLEREGION && GetRgnBox(region, &rb) &&
                 TRect{rb.left, rb.top, rb.right, rb.bottom} == l.FormClient;
    DeleteObject(region);
    captionHit = wrapper->HTProcess(POINT{br.left + l.Frame.Left + 40, br.top + l.Frame.Top + 10}).Code;
    const TRect close = wrapper->CaptionLayout().Layout.System[cbClose].Rect;
    const POINT closeAt{br.left + (close.Left + close.Right) / 2, br.top + (close.Top + close.Bottom) / 2};
    closeHit = wrapper->HTProcess(closeAt).Code;
    KeepShot(ComposedWithBorder(*wrapper, box),
             std::string("bordered_box_") + (GetParam()[0] == 'F' ? "flatline" : "metroui"));
    SetWindowPos(box, nullptr, wr.left + 30, wr.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT moved{};
    GetWindowRect(border, &moved);
    followed = moved.left - br.left == 30 && moved.top - br.top == 20;
  }});
  MessageBoxW(nullptr, L"A border window stands behind this box.", kCaption, MB_OK | MB_ICONINFORMATION);
  ASSERT_NE(border, nullptr);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(placed);
  EXPECT_TRUE(clientOnly);
  EXPECT_EQ(captionHit, HTCAPTION);
  EXPECT_EQ(closeHit, HTCLOSE);
  EXPECT_TRUE(followed);
  // It went with the box.
  EXPECT_FALSE(IsWindow(border));
}

TEST_P(SkinnedDialog, ADoubleClickOnTheIconAreaClosesTheBox) {
  LRESULT hit = 0;
  TWhileBoxOpen whileOpen({[&](HWND box) {
    auto* wrapper = dynamic_cast<TqxDialogWnd*>(TqxMainWnd::FromHandle(box));
    ASSERT_NE(wrapper, nullptr);
    const TFrameGeometry g = wrapper->Geometry();
    const POINT p = At(box, g.SysBorderWidth + 3, (g.SysBorderHeight + g.CaptionHeight) / 2);
    hit = SendMessageW(box, WM_NCHITTEST, 0, Packed(p));
    SendMessageW(box, WM_NCLBUTTONDBLCLK, static_cast<WPARAM>(hit), Packed(p));
  }});
  MessageBoxW(nullptr, L"Double-click the icon area.", kCaption, MB_OK);
  EXPECT_EQ(hit, HTSYSMENU);
  EXPECT_FALSE(whileOpen.ClosedForTest());
}

TEST_P(SkinnedDialog, AReleaseWithKeyFlagsInTheCaptionNeitherMinimisesNorCloses) {
  bool open = false, iconic = true;
  TWhileBoxOpen whileOpen({[&](HWND box) {
                             auto* wrapper = dynamic_cast<TqxDialogWnd*>(TqxMainWnd::FromHandle(box));
                             ASSERT_NE(wrapper, nullptr);
                             const TRect close = wrapper->CaptionLayout().Layout.System[cbClose].Rect;
                             const POINT onClose = At(box, (close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2);
                             // In client coordinates: the caption, left of the buttons.
                             POINT caption = At(box, close.Left - 40, (close.Top + close.Bottom) / 2);
                             ScreenToClient(box, &caption);
                             // Ctrl held (8, the minimise code) and Shift with the middle button (20, Close).
                             for (WPARAM keys : {WPARAM{MK_CONTROL}, WPARAM{MK_SHIFT | MK_MBUTTON}}) {
                               SendMessageW(box, WM_NCLBUTTONDOWN, HTCLOSE, Packed(onClose));
                               SendMessageW(box, WM_LBUTTONUP, keys, Packed(caption));
                             }
                           },
                           [&](HWND box) {
                             open = box && IsWindowVisible(box);
                             iconic = box && IsIconic(box);
                           }});
  MessageBoxW(nullptr, L"Released away from Close.", kCaption, MB_OK);
  EXPECT_TRUE(open);
  EXPECT_FALSE(iconic);
}

TEST_P(SkinnedDialog, AnOwnedBoxAndAThirdOneKeepTheSystemLook) {
  bool ownedWrapped = true, secondWrapped = false, thirdWrapped = true;
  TWhileBoxOpen whileOpen({[&](HWND box) { ownedWrapped = IsSkinnedWindow(box); PostMessageW(box, WM_COMMAND, IDOK, 0); }});
  MessageBoxW(Form.Handle(), L"Owned by the form.", kCaption, MB_OK);
  EXPECT_FALSE(ownedWrapped);

  // Three unowned boxes, each opened while the one before is showing.
  TWhileBoxOpen first({[&](HWND) {
    TWhileBoxOpen second({[&](HWND box) {
      secondWrapped = IsSkinnedWindow(box);
      TWhileBoxOpen third({[&](HWND box3) {
        thirdWrapped = IsSkinnedWindow(box3);
        PostMessageW(box3, WM_COMMAND, IDOK, 0);
      }});
      MessageBoxW(nullptr, L"Third.", kCaption, MB_OK);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }});
    MessageBoxW(nullptr, L"Second.", kCaption, MB_OK);
  }});
  MessageBoxW(nullptr, L"First.", kCaption, MB_OK);
  EXPECT_TRUE(secondWrapped);
  EXPECT_FALSE(thirdWrapped);
}

TEST_P(SkinnedDialog, ASkinChangeReachesAnOpenBox) {
  uint32_t before = 0, after = 0, picture = 0;
  TWhileBoxOpen whileOpen({[&](HWND box) {
    before = Rgb(GrabWindow(box), 40, 2);
    Manager->SetSkinName(GetParam()[0] == 'F' ? u"MetroUI (internal)" : u"Flatline (internal)");
    Pump(3);
    after = Rgb(GrabWindow(box), 40, 2);
    picture = Rgb(dynamic_cast<TqxDialogWnd*>(TqxMainWnd::FromHandle(box))->Picture(), 40, 2);
  }});
  MessageBoxW(nullptr, L"The skin changes under this box.", kCaption, MB_OK);
  EXPECT_NE(after, before);
  EXPECT_EQ(after, picture);
}

BOOL CALLBACK CountShownPicture(HWND w, LPARAM n) {
  if (IsWindowVisible(w) && (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYERED)) ++*reinterpret_cast<int*>(n);
  return TRUE;
}

// The layered picture windows of this thread that are shown (the transitions' pictures). The callback is
// a function of its own: on 32-bit Windows a lambda has not the system's calling convention.
int ShownPictureWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountShownPicture, reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST_P(SkinnedDialog, WithTransitionsTheBoxAppearsWholeAndItsLookFadesOutAfterItClosed) {
  Manager->AnimEffects.DialogShow = {true, 60, atFading};
  Manager->AnimEffects.DialogHide = {true, 60, atFading};
  int picturesWhileOpen = -1;
  bool drawn = false;
  TWhileBoxOpen whileOpen({[&](HWND box) {
    picturesWhileOpen = ShownPictureWindows();
    auto* wrapper = dynamic_cast<TqxDialogWnd*>(TqxMainWnd::FromHandle(box));
    ASSERT_NE(wrapper, nullptr);
    const TBitmap32 shot = GrabWindow(box);
    drawn = Rgb(shot, shot.Width() / 2, 2) == Rgb(wrapper->Picture(), shot.Width() / 2, 2);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }});
  MessageBoxW(nullptr, L"Fading.", kCaption, MB_OK);
  EXPECT_EQ(picturesWhileOpen, 0) << "the shown picture went once the box was drawn";
  EXPECT_TRUE(drawn);
  EXPECT_TRUE(HideAnimationRunning());
  EXPECT_EQ(ShownPictureWindows(), 1);
  for (int i = 0; i < 20 && HideAnimationRunning(); ++i) {
    Pump(1);
    Sleep(12);
  }
  EXPECT_FALSE(HideAnimationRunning());
}

TEST_P(SkinnedDialog, AFormWithoutAFrameComponentGetsOneAndTheHookGoesWithTheSkin) {
  // The test's own form was made without one; the hook gave it one when it was activated.
  TsSkinProvider* given = TsSkinProvider::FromForm(Form);
  ASSERT_NE(given, nullptr);
  EXPECT_FALSE(given->UseGlobalColor);
  EXPECT_TRUE(IsSkinnedWindow(Form.Handle()));
  ASSERT_TRUE(SkinThreadHookInstalled());
  Manager->SetActive(false);
  EXPECT_FALSE(SkinThreadHookInstalled());
  EXPECT_TRUE(HookProviders().empty());
}

TEST_P(SkinnedDialog, TheChildWindowsGetTheWrappersOfTheirClasses) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES | ICC_LINK_CLASS};
  InitCommonControlsEx(&icc);
  enum : WORD { kTrack = 101, kLink, kEdged, kInner, kGrip };
  TDialogTemplate t(kPlainDialog, 200, 120);
  t.Add(L"msctls_trackbar32", L"", kTrack, TBS_AUTOTICKS, 0, 8, 8, 120, 24);
  t.Add(L"SysLink", L"Open <a>the link</a>", kLink, 0, 0, 8, 38, 120, 10);
  t.Add(L"Static", L"", kEdged, SS_ICON, WS_EX_STATICEDGE, 8, 56, 24, 24);
  t.Add(L"#32770", L"", kInner, 0, 0, 60, 56, 80, 40);
  t.Add(L"ScrollBar", L"", kGrip, SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, 0, 186, 106, 14, 14);
  // Beside them, for the picture: a check box stands on the dialog's background as they do.
  t.Add(L"Button", L"Check", 110, BS_AUTOCHECKBOX, 0, 8, 100, 60, 12);
  TTemplateDialog d(t);
  ASSERT_NE(d.Wrapper(), nullptr);
  SendDlgItemMessageW(d.Handle, kEdged, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_INFORMATION)), 0);
  SendDlgItemMessageW(d.Handle, kTrack, TBM_SETPOS, TRUE, 30);
  RedrawWindow(d.Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(3);
  KeepShot(GrabWindow(d.Handle), std::string("dialog_children_") + (GetParam()[0] == 'F' ? "flatline" : "metroui"));
  const auto wrapperOf = [&](WORD id) {
    HWND child = GetDlgItem(d.Handle, id);
    EXPECT_NE(child, nullptr) << "item " << id << " was made";
    return TqxMainWnd::FromHandle(child);
  };
  EXPECT_NE(dynamic_cast<TqxTrackWnd*>(wrapperOf(kTrack)), nullptr);
  EXPECT_NE(dynamic_cast<TqxLinkWnd*>(wrapperOf(kLink)), nullptr);
  EXPECT_NE(dynamic_cast<TqxEdgeWnd*>(wrapperOf(kEdged)), nullptr);
  EXPECT_NE(dynamic_cast<TqxTransPanelWnd*>(wrapperOf(kInner)), nullptr);
  EXPECT_NE(dynamic_cast<TqxSizerWnd*>(wrapperOf(kGrip)), nullptr);
  // The link fills its background with what its parent gives it: the dialog's own picture shows there.
  HWND link = GetDlgItem(d.Handle, kLink);
  RECT lr{};
  GetWindowRect(link, &lr);
  MapWindowPoints(nullptr, d.Handle, reinterpret_cast<POINT*>(&lr), 2);
  const TBitmap32 linkShot = GrabWindow(link);
  const TFrameGeometry g = d.Wrapper()->Geometry();
  const int x = linkShot.Width() - 2, y = linkShot.Height() - 2;
  EXPECT_EQ(Rgb(linkShot, x, y), Rgb(d.Wrapper()->Picture(), g.OffsetX + lr.left + x, g.OffsetY + lr.top + y));
}

TEST_P(SkinnedDialog, AHotCaptionButtonFadesInAWindowOfItsOwnThatGoesWithTheDialog) {
  TDialogTemplate t(kPlainDialog, 160, 60);
  HWND fade = nullptr;
  {
    TTemplateDialog d(t);
    TqxDialogWnd* wrapper = d.Wrapper();
    ASSERT_NE(wrapper, nullptr);
    ASSERT_TRUE(wrapper->CanAnimateButtons());
    const TRect close = wrapper->CaptionLayout().Layout.System[cbClose].Rect;
    const POINT centre = At(d.Handle, (close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2);
    SendMessageW(d.Handle, WM_NCMOUSEMOVE, HTCLOSE, Packed(centre));
    TsCaptionButton* b = wrapper->ButtonOf(HTCLOSE);
    ASSERT_TRUE(b && b->Timer && b->Timer->Running());
    fade = b->Timer->Window();
    EXPECT_TRUE(IsWindowVisible(fade));
    // MetroUI has a glow picture for Close; Flatline fades the hot look in.
    EXPECT_EQ(b->Timer->Glowing(), GetParam()[0] == 'M');
    // Leaving fades it out.
    SendMessageW(d.Handle, WM_NCMOUSELEAVE, 0, 0);
    for (int i = 0; i < 40 && b->Timer->Running(); ++i) Pump(1), Sleep(12);
    EXPECT_FALSE(b->Timer->Running());
    // Hot again, and the dialog goes while the button glows.
    SendMessageW(d.Handle, WM_NCMOUSEMOVE, HTCLOSE, Packed(centre));
    fade = b->Timer->Window();
    ASSERT_TRUE(IsWindow(fade));
  }
  EXPECT_FALSE(IsWindow(fade));
}

// Answers the wrapper's question before it sets a region: this dialog keeps the one it has.
INT_PTR CALLBACK ShapedDialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    RECT wr{};
    GetWindowRect(wnd, &wr);
    SetWindowRgn(wnd, CreateEllipticRgn(10, 10, wr.right - wr.left - 10, wr.bottom - wr.top - 10), FALSE);
    return TRUE;
  }
  if (msg == kDialogRgnQueryMsg && wParam == kDialogRgnKeepAnswer) {
    SetWindowLongPtrW(wnd, DWLP_MSGRESULT, static_cast<LONG_PTR>(kDialogRgnKeepAnswer));
    return TRUE;
  }
  return FALSE;
}

TEST_P(SkinnedDialog, ADialogThatAnswersTheRegionQueryKeepsItsOwnRegion) {
  TDialogTemplate t(kPlainDialog, 160, 80);
  const auto regionBox = [](HWND wnd) {
    RECT box{-1, -1, -1, -1};
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(wnd, region) != ERROR) GetRgnBox(region, &box);
    DeleteObject(region);
    return TRect{box.left, box.top, box.right, box.bottom};
  };
  RECT wr{};
  TTemplateDialog shaped(t, &ShapedDialogProc);
  ASSERT_NE(shaped.Wrapper(), nullptr);
  GetWindowRect(shaped.Handle, &wr);
  HRGN own = CreateEllipticRgn(10, 10, wr.right - wr.left - 10, wr.bottom - wr.top - 10);
  RECT ownBox{};
  GetRgnBox(own, &ownBox);
  DeleteObject(own);
  EXPECT_EQ(regionBox(shaped.Handle), (TRect{ownBox.left, ownBox.top, ownBox.right, ownBox.bottom}));
  EXPECT_FALSE(DialogRgnChanging);
}

TEST_P(SkinnedDialog, AfterTheDialogWasInactiveTheCloseButtonStandsOnTheActiveCaption) {
  // Painted in place, so the button's background is what the picture holds.
  Manager->Effects.AllowGlowing = false;
  TDialogTemplate t(kPlainDialog, 160, 60);
  TTemplateDialog d(t);
  TqxDialogWnd* wrapper = d.Wrapper();
  ASSERT_NE(wrapper, nullptr);
  const auto redraw = [&] {
    RedrawWindow(d.Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Pump(2);
  };
  SendMessageW(d.Handle, WM_NCACTIVATE, FALSE, 0);
  redraw();
  ASSERT_FALSE(wrapper->FormActive());
  const TBitmap32 inactive = wrapper->TitleBG().Clone();
  const int built = wrapper->PicturesBuilt();
  SendMessageW(d.Handle, WM_NCACTIVATE, TRUE, 0);
  redraw();
  EXPECT_GT(wrapper->PicturesBuilt(), built) << "activation rebuilds the caption";
  // Hot and back: the button is painted again over the caption strip kept with the picture.
  wrapper->SetHotHT(HTCLOSE);
  wrapper->SetHotHT(0);
  const TRect close = wrapper->CaptionLayout().Layout.System[cbClose].Rect;
  const TBitmap32 shot = GrabWindow(d.Handle);
  wrapper->SkinData->BGChanged = true;
  wrapper->PaintAll();
  const TBitmap32& rebuilt = wrapper->Picture();
  bool same = true, differsFromInactive = false;
  for (int y = close.Top; y < close.Bottom; ++y)
    for (int x = close.Left; x < close.Right; ++x) {
      same = same && Rgb(shot, x, y) == Rgb(rebuilt, x, y);
      differsFromInactive = differsFromInactive || Rgb(inactive, x, y) != Rgb(wrapper->TitleBG(), x, y);
    }
  EXPECT_TRUE(same);
  // MetroUI's caption changes with activation: a strip kept from the inactive look would show.
  if (GetParam()[0] == 'M') {
    EXPECT_TRUE(differsFromInactive);
  }
}

// What the dialog's alpha was while the system's move loop ran (read by a timer inside the loop, which
// then lets go of the caption).
struct TDragWatch {
  static inline HWND Dialog = nullptr;
  static inline int Alpha = -1;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    BYTE alpha = 0;
    DWORD flags = 0;
    if (GetLayeredWindowAttributes(Dialog, nullptr, &alpha, &flags) && (flags & LWA_ALPHA)) Alpha = alpha;
    PostMessageW(Dialog, WM_LBUTTONUP, 0, 0);
  }
};

TEST_P(SkinnedDialog, ADialogDraggedByItsCaptionBlendsUntilItIsLetGo) {
  Manager->AnimEffects.BlendOnMoving = {true, 60, atFading};
  TDialogTemplate t(kPlainDialog, 160, 60);
  TTemplateDialog d(t);
  ASSERT_NE(d.Wrapper(), nullptr);
  const TFrameGeometry g = d.Wrapper()->Geometry();
  TDragWatch::Dialog = d.Handle;
  TDragWatch::Alpha = -1;
  SetTimer(nullptr, 0, 300, &TDragWatch::Tick);
  SendMessageW(d.Handle, WM_NCLBUTTONDOWN, HTCAPTION, Packed(At(d.Handle, 30, (g.SysBorderHeight + g.CaptionHeight) / 2)));
  EXPECT_EQ(TDragWatch::Alpha, Manager->AnimEffects.BlendValue);
  EXPECT_EQ(d.Wrapper()->MoveTimer(), nullptr);
  EXPECT_FALSE(GetWindowLongW(d.Handle, GWL_EXSTYLE) & WS_EX_LAYERED) << "opaque again once let go";
}

INSTANTIATE_TEST_SUITE_P(BothSkins, SkinnedDialog, ::testing::Values("Flatline (internal)", "MetroUI (internal)"));

}  // namespace
}  // namespace qw::test
