#include "skin/frame/hook/ThreadHook_win.h"

#include "fw/Application.h"
#include "fw/Form.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/dialog/DialogProvider_win.h"
#include "skin/frame/menu/MnuWnd_win.h"
#include "skin/render/GlowWindow_win.h"

namespace qw {

namespace {

// The class atoms of the system's popup-menu windows ("#32768") and dialogs ("#32770").
constexpr ATOM kPopupMenuClassAtom = 0x8000, kDialogClassAtom = 0x8002;

HHOOK& HookHandle() {
  static HHOOK hook = nullptr;
  return hook;
}

bool IsClassAtom(LPCWSTR className, ATOM atom) {
  return IS_INTRESOURCE(className) && reinterpret_cast<ULONG_PTR>(className) == atom;
}

// A window made by name that may be a form of a framework without a frame component: a top-level window
// with styles, not the framework's utility window, and not the main form.
bool MayBeForeignForm(HWND wnd, const CREATESTRUCTW& cs) {
  wchar_t name[129] = {};
  GetClassNameW(wnd, name, static_cast<int>(std::size(name)));
  if (std::wstring_view(name) == L"TPUtilWindow" || !cs.style || !cs.dwExStyle) return false;
  const TForm* main = Application().MainForm;
  if (main && (!main->HandleAllocated() || main->Handle() == wnd)) return false;
  return GetParent(wnd) == nullptr;
}

// The window about to be created, by the class its creation names.
void WindowCreated(HWND wnd, const CBT_CREATEWNDW& create) {
  if (!create.lpcs) return;
  const LPCWSTR cls = create.lpcs->lpszClass;
  if (IsClassAtom(cls, kPopupMenuClassAtom)) AttachMenuWindow(wnd);
  else if (IsClassAtom(cls, kDialogClassAtom)) SkinWindow(wnd);
  else if (!IS_INTRESOURCE(cls) && MayBeForeignForm(wnd, *create.lpcs)) SkinWindow(wnd);
}

LRESULT CALLBACK SkinHookProc(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(HookHandle(), code, wParam, lParam);
  if (Application().Terminated()) return next;
  switch (code) {
    case HCBT_CREATEWND:
      if (lParam) WindowCreated(reinterpret_cast<HWND>(wParam), *reinterpret_cast<const CBT_CREATEWNDW*>(lParam));
      break;
    case HCBT_DESTROYWND:
      ReleaseClosedDialogs();
      break;
    case HCBT_ACTIVATE:
      // A dialog left alone when it was made (two others were showing) is looked at again.
      SkinWindow(reinterpret_cast<HWND>(wParam));
      break;
    default:
      break;
  }
  return next;
}

void SkinChangeOfHook(TsSkinManager& manager, bool active) {
  if (&manager != DefaultManager()) return;
  if (!active) {
    RemoveSkinThreadHook();
    return;
  }
  if (!HookHandle()) HookHandle() = SetWindowsHookExW(WH_CBT, &SkinHookProc, nullptr, GetCurrentThreadId());
}

}  // namespace

void InstallSkinThreadHook() { AddSkinChangeListener(&SkinChangeOfHook); }

void RemoveSkinThreadHook() {
  if (!HookHandle()) return;
  HideAllGlows();
  UnhookWindowsHookEx(HookHandle());
  HookHandle() = nullptr;
  ReleaseHookProviders();
}

bool SkinThreadHookInstalled() { return HookHandle() != nullptr; }

}  // namespace qw
