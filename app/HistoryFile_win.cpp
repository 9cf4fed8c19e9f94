#include "app/HistoryFile_win.h"

#include <windows.h>

#include <stdexcept>

namespace qw {

std::optional<std::string> TAnsiCodePageEncoder::Encode(std::u16string_view text) const {
  if (text.empty()) return std::string();
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  if (GetACP() == CP_UTF8) {  // every character has bytes there; the default-character query is not allowed
    const int n = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::nullopt;
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, length, bytes.data(), n, nullptr, nullptr);
    return bytes;
  }
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), n, nullptr, &usedDefault);
  if (usedDefault) return std::nullopt;
  return bytes;
}

void ReplaceFileAtomically(const std::wstring& path, const std::string& bytes) {
  // The temporary file lives in the same folder, so the final move never crosses volumes.
  const std::wstring temp = path + L".~" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("Cannot create file");
  DWORD written = 0;
  const bool ok = (bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                                     written == bytes.size())) &&
                  FlushFileBuffers(file);
  const bool closed = CloseHandle(file) != FALSE;
  if (!ok || !closed || !MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temp.c_str());
    throw std::runtime_error("Cannot write file");
  }
}

}  // namespace qw
