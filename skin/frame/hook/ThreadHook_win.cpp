#include "skin/frame/hook/ThreadHook_win.h"

#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/menu/MnuWnd_win.h"

namespace qw {

namespace {

// The class atom of the system's popup-menu windows ("#32768").
constexpr ATOM kPopupMenuClassAtom = 0x8000;

HHOOK& HookHandle() {
  static HHOOK hook = nullptr;
  return hook;
}

bool IsClassAtom(LPCWSTR className, ATOM atom) {
  return IS_INTRESOURCE(className) && reinterpret_cast<ULONG_PTR>(className) == atom;
}

// The window about to be created, by the class its creation names.
void WindowCreated(HWND wnd, const CBT_CREATEWNDW& create) {
  if (!create.lpcs) return;
  if (IsClassAtom(create.lpcs->lpszClass, kPopupMenuClassAtom)) AttachMenuWindow(wnd);
}

LRESULT CALLBACK SkinHookProc(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(HookHandle(), code, wParam, lParam);
  if (code == HCBT_CREATEWND && lParam)
    WindowCreated(reinterpret_cast<HWND>(wParam), *reinterpret_cast<const CBT_CREATEWNDW*>(lParam));
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
  if (HookHandle()) UnhookWindowsHookEx(HookHandle());
  HookHandle() = nullptr;
}

bool SkinThreadHookInstalled() { return HookHandle() != nullptr; }

}  // namespace qw
