#include "skin/frame/menu/MnuWnd_win.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "fw/MessageCrack.h"
#include "image/BitmapDC_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/menu/SkinableMenus_win.h"
#include "skin/render/SectionPaint_win.h"

namespace qw {

namespace {

constexpr char16_t kMenuWindowSection[] = u"MAINMENU";

// The wrappers of the menu windows open now.
std::vector<std::unique_ptr<TqxMainWnd>>& MenuWrappers() {
  static std::vector<std::unique_ptr<TqxMainWnd>> wrappers;
  return wrappers;
}

// The window is going: its wrapper leaves the list and is freed after the message it is handling.
void ReleaseMenuWrapper(TqxMainWnd* wrapper) {
  auto& list = MenuWrappers();
  const auto it = std::find_if(list.begin(), list.end(), [wrapper](const auto& w) { return w.get() == wrapper; });
  if (it == list.end()) return;
  std::unique_ptr<TqxMainWnd> owned = std::move(*it);
  list.erase(it);
  ReleaseWrapper(std::move(owned));
}

}  // namespace

TqxMnuWnd::TqxMnuWnd(HWND wnd, TsSkinManager* manager)
    : TqxMainWnd(wnd, kMenuWindowSection, manager, nullptr), FAccess(wnd) {}

void TqxMnuWnd::qxWndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      return OnPaint(message);
    case WM_GETOBJECT:
      if (FAccess.Answer(message.WParam, message.LParam, message.Result)) return;
      return TqxMainWnd::qxWndProc(message);
    case FW_ACCESS_ACTION:
      // Posted by the object; the menu's own loop dispatches it.
      return FAccess.DoAccessDefaultAction(static_cast<int>(message.WParam));
    case WM_WINDOWPOSCHANGED:
      return OnWindowPosChanged(message, RecordFrom<WINDOWPOS>(message.LParam));
    case WM_DESTROY:
    case WM_NCDESTROY:
      return OnDestroy(message);
    default:
      return TqxMainWnd::qxWndProc(message);
  }
}

void TqxMnuWnd::OnPaint(TMessage& message) {
  // The system paints the items (each through the engine's item painter); the frame goes over the rest.
  CallPrevWndProc(message);
  if (!Destroyed && SkinableMenus().SkinningManager()) PaintFrame();
}

void TqxMnuWnd::OnWindowPosChanged(TMessage& message, const WINDOWPOS& pos) {
  CallPrevWndProc(message);
  if (Destroyed) return;
  if (pos.flags & SWP_HIDEWINDOW) FAccess.Hidden();
  if (pos.flags & SWP_SHOWWINDOW) FAccess.Shown();
  const TsSkinManager* m = SkinableMenus().SkinningManager();
  if (!m || !(pos.flags & SWP_SHOWWINDOW)) return;
  // A translucent menu stays layered with the settings' opacity; an opaque one is never layered.
  const uint8_t alpha = m->MenuSupport.AlphaBlend;
  const LONG_PTR exStyle = GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE);
  if (alpha < 255) {
    SetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(CtrlHandle, 0, alpha, LWA_ALPHA);
  } else if (exStyle & WS_EX_LAYERED) {
    SetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
  }
}

void TqxMnuWnd::OnDestroy(TMessage& message) {
  HWND wnd = CtrlHandle;
  FAccess.Hidden();
  TqxMainWnd::qxWndProc(message);
  // The base lets go of the window at WM_DESTROY already (then no WM_NCDESTROY comes here).
  if (!Destroyed) return;
  SkinableMenus().WindowDestroyed(wnd);
  ReleaseMenuWrapper(this);
}

void TqxMnuWnd::PaintFrame() {
  TqxMenuInfo* level = SkinableMenus().PrepareWindowLevel(CtrlHandle);
  if (!level || level->Picture.Bmp.Empty()) return;
  const TBitmap32& picture = level->Picture.Bmp;
  if (!level->RegionSet) {
    level->RegionSet = true;
    if (!level->Picture.Corners.empty())
      SetWindowRgn(CtrlHandle, RegionWithoutRuns(picture.Width(), picture.Height(), level->Picture.Corners), FALSE);
  }
  HDC dc = GetWindowDC(CtrlHandle);
  if (!dc) return;
  const int saved = SaveDC(dc);
  for (const TRect& item : level->PaintedItems) ExcludeClipRect(dc, item.Left, item.Top, item.Right, item.Bottom);
  CopyBitmapToDC(dc, picture, TRect{0, 0, picture.Width(), picture.Height()}, TPoint{0, 0});
  RestoreDC(dc, saved);
  ReleaseDC(CtrlHandle, dc);
}

void AttachMenuWindow(HWND wnd) {
  TsSkinManager* m = SkinableMenus().SkinningManager();
  if (!m || !wnd || IsSkinnedWindow(wnd)) return;
  auto wrapper = TqxMainWnd::Create<TqxMnuWnd>(wnd, m);
  if (wrapper->Destroyed) return;
  MenuWrappers().push_back(std::move(wrapper));
}

int MenuWindowWrapperCount() { return static_cast<int>(MenuWrappers().size()); }

}  // namespace qw
