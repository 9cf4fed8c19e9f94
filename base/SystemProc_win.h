#pragma once
// Functions of system libraries the program needs only now and then (a password's random bytes, a web
// link, a screen reader's questions): looked up when first called instead of imported, so starting the
// program does not load their libraries.
#include <windows.h>

namespace qw {

// A module the process has loaded already, else the one in the system folder (never one found beside
// the program or in the current directory); the function of that name in it, or null when either is
// absent. A module loaded here stays loaded for the process's life.
FARPROC SystemProcLookup(const wchar_t* module, const char* name);

// The same, typed: SystemProc<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW").
template <class F>
F* SystemProc(const wchar_t* module, const char* name) {
  return reinterpret_cast<F*>(reinterpret_cast<void*>(SystemProcLookup(module, name)));
}

}  // namespace qw
