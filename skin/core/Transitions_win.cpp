#include "skin/core/Transitions_win.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "fw/Application.h"
#include "fw/Canvas.h"
#include "fw/Form.h"
#include "fw/WinControl.h"
#include "image/BitmapFill.h"
#include "image/BitmapStretch.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/FadeTimer_win.h"
#include "skin/core/PictureWindow_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/render/EngineStartup_win.h"
#include "skin/render/GlowWindow_win.h"

namespace qw {

namespace {

constexpr DWORD kFrameMs = 12;

// Sets AnimationRunning for a transition and clears it on every way out (unless cleared before).
class TAnimationFlag {
 public:
  TAnimationFlag() : FWas(AnimationRunning) { AnimationRunning = true; }
  ~TAnimationFlag() { Clear(); }
  TAnimationFlag(const TAnimationFlag&) = delete;
  TAnimationFlag& operator=(const TAnimationFlag&) = delete;
  void Clear() {
    if (FActive) AnimationRunning = FWas;
    FActive = false;
  }

 private:
  bool FWas;
  bool FActive = true;
};

// A memory DC with the bitmap selected, for as long as it lives.
class TBitmapDC {
 public:
  explicit TBitmapDC(TBitmap32& bmp) : FDC(CreateCompatibleDC(nullptr)) {
    GdiFlush();
    if (FDC) FOld = SelectObject(FDC, static_cast<HBITMAP>(bmp.NativeHandle()));
  }
  ~TBitmapDC() {
    GdiFlush();
    if (!FDC) return;
    SelectObject(FDC, FOld);
    DeleteDC(FDC);
  }
  TBitmapDC(const TBitmapDC&) = delete;
  TBitmapDC& operator=(const TBitmapDC&) = delete;
  HDC Handle() const { return FDC; }

 private:
  HDC FDC;
  HGDIOBJ FOld = nullptr;
};

TRect WholeOf(const TBitmap32& b) { return TRect{0, 0, b.Width(), b.Height()}; }

// One frame of a zooming or fading picture: the whole picture, or the picture stretched into R of a black,
// fully transparent work bitmap.
void ComposeFrame(TBitmap32& work, const TBitmap32& picture, TTransitionMode mode, const TRect& r, bool first) {
  if (mode == TTransitionMode::Aero) {
    FillRect32(work, WholeOf(work), 0, 0);
    if (r == WholeOf(picture)) {
      std::copy_n(picture.Pixels(), picture.PixelCount(), work.Pixels());
    } else {
      StretchRectNearest(work, r, picture, WholeOf(picture));
    }
  } else if (first) {
    std::copy_n(picture.Pixels(), picture.PixelCount(), work.Pixels());
  }
}

TPoint WindowOrigin(HWND window) {
  RECT wr{};
  GetWindowRect(window, &wr);
  return TPoint{wr.left, wr.top};
}

// ---- The hide animation ------------------------------------------------------------------------------

// Fades a picture window out on the window-message timer, one frame every 12 ms; it owns the window and
// the pictures from the start of a hide to the tick after its last frame.
class TqxHideTimer final : public TqxThreadedTimer {
 public:
  void Start(HWND window, TBitmap32 picture, int steps, TTransitionMode mode, int startAlpha) {
    Finish();
    FForm = window;
    FSource = std::move(picture);
    FWork = TBitmap32(FSource.Width(), FSource.Height());
    FMode = mode;
    FAlphas = FadeOutAlphas(startAlpha, steps);
    FRects = ZoomOutRects(FSource.Width(), FSource.Height(), steps);
    FFrame = 0;
    if (Application().Terminated()) {
      // No more messages will come: all frames now.
      while (FForm) {
        Step();
        Sleep(kFrameMs);
      }
      return;
    }
    SetOnTimer([this](TComponent*) { Step(); });
    SetInterval(kFrameMs);
    Step();
    SetEnabled(FForm != nullptr);
  }
  bool Running() const { return FForm != nullptr; }
  void Finish() {
    SetEnabled(false);
    if (FForm && IsWindow(FForm)) DestroyWindow(FForm);
    FForm = nullptr;
    FSource = TBitmap32();
    FWork = TBitmap32();
  }

 private:
  void Step() {
    if (!FForm) return;
    if (FFrame >= static_cast<int>(FAlphas.size())) {
      Finish();
      return;
    }
    ComposeFrame(FWork, FSource, FMode, FRects[static_cast<size_t>(FFrame)], FFrame == 0);
    UpdatePictureWindow(FForm, FWork, WindowOrigin(FForm), FAlphas[static_cast<size_t>(FFrame)]);
    ++FFrame;
  }

  HWND FForm = nullptr;
  TBitmap32 FSource, FWork;
  TTransitionMode FMode = TTransitionMode::Fading;
  std::vector<int> FAlphas;
  std::vector<TRect> FRects;
  int FFrame = 0;
};

TqxHideTimer& HideTimer() {
  static auto* timer = new TqxHideTimer;  // lives as long as the program
  return *timer;
}

// ---- The page cover ---------------------------------------------------------------------------------------

// The cover laid over a control while its look changes. It never erases and never paints the frame; it
// shows the picture it was given (the old look first), so nothing half-painted is ever seen through it.
class TOutputWindow final : public TWinControl {
 public:
  TOutputWindow() {
    FVisible = false;
    FOwnPaint = true;
    FColor = 0xFF00FF;
    Tag = -98;
    FText = L"qxOutputWindow";
  }
  const char* ClassName() const override { return "TOutputWindow"; }
  TBitmap32 Picture;

  void WndProc(TMessage& message) override {
    switch (message.Msg) {
      case WM_ERASEBKGND:
        message.Result = 1;
        return;
      case WM_NCPAINT:
        message.Result = 0;
        return;
      default:
        TWinControl::WndProc(message);
    }
  }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    if (!FParent) {
      params.Style = WS_POPUP;
      params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
      params.WndParent = Application().MainForm ? Application().MainForm->Handle() : nullptr;
    }
  }
  void PaintWindow(TCanvas& canvas) override {
    if (Picture.Empty()) return;
    TBitmapDC mem(Picture);
    BitBlt(canvas.Handle(), 0, 0, Picture.Width(), Picture.Height(), mem.Handle(), 0, 0, SRCCOPY);
  }
};

struct TPageCover {
  std::unique_ptr<TOutputWindow> Cover;
  TBitmap32 OldPicture;
  TWinControl* Control = nullptr;
};

TPageCover& PageCover() {
  static TPageCover cover;
  return cover;
}

void FreeCover() {
  TPageCover& page = PageCover();
  page.Cover.reset();
  page.OldPicture = TBitmap32();
  page.Control = nullptr;
}

}  // namespace

// ---- Pictures of controls ---------------------------------------------------------------------------------

void SnapshotControl(TBitmap32& bmp, TControl& control, int x, int y) {
  TBitmapDC mem(bmp);
  HDC dc = mem.Handle();
  if (!dc) return;
  const TRect target{x, y, x + control.Width(), y + control.Height()};
  if (control.Parent() && !control.Visible()) {
    // Nothing of a hidden control is seen: what lies behind it is.
    TBackgroundInfo behind;
    RequestParentBackground(control, behind, false);
    GdiFlush();
    if (behind.BgType == btCache && behind.Bmp) {
      for (int row = 0; row < control.Height(); ++row)
        for (int col = 0; col < control.Width(); ++col) {
          const int sx = control.Left() + behind.Offset.X + col, sy = control.Top() + behind.Offset.Y + row;
          const int dx = x + col, dy = y + row;
          if (sx >= 0 && sy >= 0 && sx < behind.Bmp->Width() && sy < behind.Bmp->Height() && dx >= 0 && dy >= 0 &&
              dx < bmp.Width() && dy < bmp.Height())
            bmp.At(dx, dy) = behind.Bmp->At(sx, sy);
        }
    } else {
      FillRect32(bmp, target, behind.Color, 0);
    }
    return;
  }
  SendSkinCommand(&control, skcSetPrintDC, reinterpret_cast<LPARAM>(dc));
  if (auto* w = dynamic_cast<TWinControl*>(&control)) {
    w->PaintTo(dc, x, y);
  } else {
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, control.Width(), control.Height());
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
  SendSkinCommand(&control, skcSetPrintDC, 0);
}

// ---- Showing and hiding forms -----------------------------------------------------------------------------

void ShowFormAnimated(TForm& form, int timeMs, int endAlpha, TTransitionMode mode) {
  if (!form.HandleAllocated()) return;
  HWND window = form.Handle();
  TAnimationFlag flag;
  const TPoint origin = WindowOrigin(window);
  RECT wr{};
  GetWindowRect(window, &wr);
  TBitmap32 picture(std::max(1L, wr.right - wr.left), std::max(1L, wr.bottom - wr.top));
  SnapshotControl(picture, form, 0, 0);
  GdiFlush();
  SetAlphaInRect(picture, WholeOf(picture), 255, false);
  const int steps = TransitionSteps(timeMs);
  HWND cover = CreatePictureWindow();
  if (cover) {
    UpdatePictureWindow(cover, picture, origin, steps < 1 ? endAlpha : 0);
    PlaceAbove(cover, window);
    ShowWindow(cover, SW_SHOWNOACTIVATE);
    if (steps > 0) {
      TBitmap32 work(picture.Width(), picture.Height());
      FillRect32(work, WholeOf(work), 0, 0);
      const std::vector<int> alphas = FadeInAlphas(endAlpha, steps);
      const std::vector<TRect> rects = ZoomInRects(picture.Width(), picture.Height(), steps);
      for (size_t k = 0; k < alphas.size(); ++k) {
        ComposeFrame(work, picture, mode, rects[k], k == 0);
        UpdatePictureWindow(cover, work, origin, alphas[k]);
        Sleep(kFrameMs);
      }
    }
    UpdatePictureWindow(cover, picture, origin, endAlpha);
    // The form goes directly below its picture, and is redrawn there before the picture goes.
    SetWindowPos(window, cover, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  flag.Clear();
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  if (cover) DestroyWindow(cover);
}

void ShowFormWithTransition(TForm& form, int timeMs, TTransitionMode mode) {
  form.HandleNeeded();
  HWND window = form.Handle();
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  const bool madeLayered = EngineStartup().UpdateLayeredWindow && !(exStyle & WS_EX_LAYERED);
  // Shown invisible (alpha 1 of 255), so the framework's own showing paints nothing that can be seen.
  if (madeLayered) {
    SetWindowLongW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, 1, LWA_ALPHA);
  }
  form.Show();
  if (madeLayered) {
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    SetWindowLongW(window, GWL_EXSTYLE, exStyle);
  }
  ShowFormAnimated(form, timeMs, 255, mode);
}

HWND MakeCoverForm(HWND window) {
  HWND cover = CreatePictureWindow();
  if (!cover) return nullptr;
  const TBitmap32 picture = ScreenPicture(window);
  const TPoint origin = WindowOrigin(window);
  UpdatePictureWindow(cover, picture, origin, 255);
  SetWindowPos(cover, HWND_TOPMOST, origin.X, origin.Y, picture.Width(), picture.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return cover;
}

void StartHideAnimation(HWND window, TBitmap32 picture, int timeMs, TTransitionMode mode, int startAlpha) {
  TqxHideTimer& timer = HideTimer();
  timer.Finish();
  const int steps = TransitionSteps(timeMs);
  if (steps == 0 || picture.Empty() || !window) {
    if (window && IsWindow(window)) DestroyWindow(window);
    return;
  }
  const TPoint origin = WindowOrigin(window);
  SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_NOACTIVATE);
  UpdatePictureWindow(window, picture, origin, startAlpha);
  SetWindowPos(window, HWND_TOPMOST, origin.X, origin.Y, picture.Width(), picture.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  timer.Start(window, std::move(picture), steps, mode, startAlpha);
}

bool HideAnimationRunning() { return HideTimer().Running(); }

void HideFormAnimated(TForm& form, int timeMs, TTransitionMode mode) {
  HideAllGlows();
  if (!form.HandleAllocated()) return;
  TAnimationFlag flag;
  HWND cover = MakeCoverForm(form.Handle());
  if (!cover) return;
  TBitmap32 picture = ScreenPicture(form.Handle());
  StartHideAnimation(cover, std::move(picture), timeMs, mode, 255);
}

// ---- Page changes -------------------------------------------------------------------------------------------

HWND CoverWindow() {
  const TPageCover& page = PageCover();
  return page.Cover && page.Cover->HandleAllocated() ? page.Cover->Handle() : nullptr;
}

bool CoverControl(TWinControl& control) {
  if (!control.HandleAllocated()) return false;
  TPageCover& page = PageCover();
  if (page.Control && page.Control != &control) FreeCover();
  page.Control = &control;
  if (page.OldPicture.Empty()) page.OldPicture = ScreenPicture(control.Handle());
  if (!page.Cover) {
    page.Cover = std::make_unique<TOutputWindow>();
    page.Cover->Picture = page.OldPicture.Clone();
    if (TWinControl* parent = control.Parent()) {
      page.Cover->SetBounds(control.Left(), control.Top(), control.Width(), control.Height());
      page.Cover->SetParent(parent);
      page.Cover->HandleNeeded();
      PlaceAbove(page.Cover->Handle(), control.Handle());
    } else {
      RECT wr;
      GetWindowRect(control.Handle(), &wr);
      page.Cover->SetBounds(wr.left, wr.top, wr.right - wr.left, wr.bottom - wr.top);
      page.Cover->HandleNeeded();
      const bool topmost = (GetWindowLongW(control.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
      SetWindowPos(page.Cover->Handle(), topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  if (!page.Cover->HandleAllocated()) {
    RemoveCover(control);
    return false;
  }
  ShowWindow(page.Cover->Handle(), SW_SHOWNOACTIVATE);
  UpdateWindow(page.Cover->Handle());
  return true;
}

bool IsCovered(const TWinControl& control) { return PageCover().Control == &control && CoverWindow(); }

void ForgetCover() { FreeCover(); }

void RemoveCover(TWinControl& control) {
  FreeCover();
  if (!control.HandleAllocated()) return;
  SendMessageW(control.Handle(), WM_SETREDRAW, TRUE, 0);
  RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  SendMessageW(control.Handle(), WM_MOUSEMOVE, 0, 0);
}

void AnimateChange(TWinControl& control, int timeMs) {
  TAnimationFlag flag;
  if (!CoverWindow() && !CoverControl(control)) return;
  TPageCover& page = PageCover();
  TBitmap32 fresh(std::max(1, control.Width()), std::max(1, control.Height()));
  SnapshotControl(fresh, control, 0, 0);
  GdiFlush();
  HWND cover = CoverWindow();
  HDC dc = GetWindowDC(cover);
  const int steps = TransitionSteps(timeMs);
  if (steps > 0 && page.OldPicture.Width() == fresh.Width() && page.OldPicture.Height() == fresh.Height()) {
    TBitmap32 work(fresh.Width(), fresh.Height());
    for (int w : PageChangeWeights(steps)) {
      std::copy_n(fresh.Pixels(), fresh.PixelCount(), work.Pixels());
      // The old picture's share: out = (w*(O - N) + N*256) >> 8 per colour channel.
      for (size_t i = 0; i < work.PixelCount(); ++i) {
        const uint32_t o = page.OldPicture.Pixels()[i], n = fresh.Pixels()[i];
        uint32_t out = n & 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
          const int oc = (o >> shift) & 0xFF, nc = (n >> shift) & 0xFF;
          out |= static_cast<uint32_t>((w * (oc - nc) + nc * 256) >> 8) << shift;
        }
        work.Pixels()[i] = out;
      }
      TBitmapDC mem(work);
      BitBlt(dc, 0, 0, work.Width(), work.Height(), mem.Handle(), 0, 0, SRCCOPY);
      Sleep(kFrameMs);
    }
  }
  {
    TBitmapDC mem(fresh);
    BitBlt(dc, 0, 0, fresh.Width(), fresh.Height(), mem.Handle(), 0, 0, SRCCOPY);
  }
  // Later paints of the cover show the new look too.
  page.Cover->Picture = std::move(fresh);
  ReleaseDC(cover, dc);
  flag.Clear();
  if (control.Visible() && control.HandleAllocated()) {
    SendMessageW(control.Handle(), WM_SETREDRAW, TRUE, 0);
    RedrawWindow(control.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME | RDW_UPDATENOW);
    ShowWindow(cover, SW_HIDE);
  }
  FreeCover();
}

}  // namespace qw
