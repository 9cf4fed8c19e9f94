#include <windows.h>

#include <cstdio>

#include "tools/common/ToolMain.h"

namespace qw {

namespace {

// Writes UTF-8 bytes; on a console as UTF-16 so the console's code page cannot garble them.
void WriteUtf8(DWORD which, FILE* stream, const std::string& text) {
  if (text.empty()) return;
  HANDLE h = GetStdHandle(which);
  DWORD mode;
  if (h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode)) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), w.data(), n);
    DWORD written;
    WriteConsoleW(h, w.data(), static_cast<DWORD>(w.size()), &written, nullptr);
    return;
  }
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

}  // namespace

int RunToolMain(int argc, wchar_t** argv, TToolRun run) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
  std::string out, err;
  const int rc = run(args, out, err);
  WriteUtf8(STD_OUTPUT_HANDLE, stdout, out);
  WriteUtf8(STD_ERROR_HANDLE, stderr, err);
  return rc;
}

}  // namespace qw
