#pragma once
// What the skin engine learns once, when the process starts: the system's family and bitness, the two
// shadow pictures of the form frames, and the optional system functions it calls where they exist.
// Every layer of the engine reads it through EngineStartup(); a function that is null here means its
// feature stays off.
#include <windows.h>
#include <dwmapi.h>

#include <functional>

#include "base/SystemProc_win.h"

#include "image/Bitmap32.h"

namespace qw {

using TUpdateLayeredWindowProc = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
using TGradientFillProc = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
using TGetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using TSetWindowThemeProc = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
using TDwmIsCompositionEnabledProc = HRESULT(WINAPI*)(BOOL*);
using TDwmSetWindowAttributeProc = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using TDwmEnableBlurBehindWindowProc = HRESULT(WINAPI*)(HWND, const DWM_BLURBEHIND*);
using TIsWow64ProcessProc = BOOL(WINAPI*)(HANDLE, PBOOL);

struct TEngineStartup {
  bool IsNTFamily = false;  // platform id VER_PLATFORM_WIN32_NT
  DWORD MajorVersion = 0;
  // A 32-bit process running on 64-bit Windows.
  bool IsWow64 = false;
  // IsWow64 while desktop composition was off at start-up: caption glows and animated caption buttons
  // stay off for the whole run.
  bool Wow64NoGlow = false;
  TBitmap32 ShadowActive;    // "qxSHDA", transparent white cleared to 0
  TBitmap32 ShadowInactive;  // "qxSHDI"

  TUpdateLayeredWindowProc UpdateLayeredWindow = nullptr;         // user32
  TGradientFillProc GradientFill = nullptr;                       // msimg32
  TGetScrollBarInfoProc GetScrollBarInfo = nullptr;               // user32
  TSetWindowThemeProc SetWindowTheme = nullptr;                   // uxtheme
  TDwmIsCompositionEnabledProc DwmIsCompositionEnabled = nullptr;  // dwmapi, major version 6 and later
  TDwmSetWindowAttributeProc DwmSetWindowAttribute = nullptr;
  TDwmEnableBlurBehindWindowProc DwmEnableBlurBehindWindow = nullptr;
  TIsWow64ProcessProc IsWow64Process = nullptr;                   // kernel32

  // Whether desktop composition is on now; off without the function or when the call fails.
  bool CompositionEnabled() const;
};

// Finds an optional function by module file name and function name; null when either is absent.
using TProcLookup = std::function<FARPROC(const wchar_t* module, const char* name)>;

// Looks up every optional function for a system of startup.MajorVersion (the desktop composition
// functions only from version 6 on) and notes what follows from them: IsWow64 and Wow64NoGlow.
void LookUpOptionalFunctions(TEngineStartup& startup, const TProcLookup& lookup);

// Decodes one shadow picture from the program's raw-data resources and clears its transparent white.
// Throws std::runtime_error naming the picture when it is missing or cannot be decoded.
TBitmap32 LoadShadowPicture(const wchar_t* resourceName);

// The process's record, made on first use: the system's version, both shadow pictures, the optional
// functions. A missing or broken shadow picture is a fault of the program image: the call throws (and
// the next call tries again).
const TEngineStartup& EngineStartup();

}  // namespace qw
