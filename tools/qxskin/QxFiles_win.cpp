#include <windows.h>

#include <algorithm>
#include <string>

#include "base/Utf.h"
#include "tools/qxskin/QxFiles.h"

namespace qw {

namespace {

const wchar_t* Wide(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

[[noreturn]] void Fail(const std::string& what, const std::u16string& path, DWORD error) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string message = text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : u"error " + Utf8ToUtf16(std::to_string(error));
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r' || message.back() == u'.'))
    message.pop_back();
  throw EQxFileError(what + " \"" + Utf16ToUtf8(path) + "\": " + Utf16ToUtf8(message));
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::u16string& path) {
  HANDLE h = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) Fail("cannot open", path, GetLastError());
  std::vector<uint8_t> data;
  uint8_t buffer[65536];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(h, buffer, sizeof buffer, &n, nullptr)) {
      const DWORD error = GetLastError();
      CloseHandle(h);
      Fail("cannot read", path, error);
    }
    if (n == 0) break;
    data.insert(data.end(), buffer, buffer + n);
  }
  CloseHandle(h);
  return data;
}

void WriteFileReplacing(const std::u16string& path, std::string_view bytes) {
  const std::u16string temp = path + u".tmp-" + Utf8ToUtf16(std::to_string(GetCurrentProcessId()));
  HANDLE h = CreateFileW(Wide(temp), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) Fail("cannot create", temp, GetLastError());
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD n = 0;
    if (!WriteFile(h, bytes.data() + done, chunk, &n, nullptr) || n == 0) {
      const DWORD error = GetLastError();
      CloseHandle(h);
      DeleteFileW(Wide(temp));
      Fail("cannot write", temp, error);
    }
    done += n;
  }
  CloseHandle(h);
  if (!MoveFileExW(Wide(temp), Wide(path), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    DeleteFileW(Wide(temp));
    Fail("cannot replace", path, error);
  }
}

}  // namespace qw
