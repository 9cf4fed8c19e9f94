#include "base/SystemProc_win.h"

#include <string>

namespace qw {

FARPROC SystemProcLookup(const wchar_t* module, const char* name) {
  HMODULE handle = GetModuleHandleW(module);
  if (!handle) {
    // A bare name would be searched for beside the program and in the current directory first, where
    // anyone could have put a file of that name.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    handle = LoadLibraryW((std::wstring(folder, length) + L"\\" + module).c_str());
  }
  return handle ? GetProcAddress(handle, name) : nullptr;
}

}  // namespace qw
