#include "fw/Application.h"

#include <algorithm>
#include <stdexcept>

#include "fw/Form.h"
#include "fw/WinControl.h"
#include "image/ColorToRgb_win.h"

namespace qw {

TApplication& Application() {
  static TApplication application;
  // System colours are painted through the image layer's table: fill it from the system once.
  static const bool colors = (InstallSystemColorTable(), true);
  (void)colors;
  return application;
}

std::wstring DefaultTitleFromFileName(const std::wstring& fileName) {
  std::wstring name = fileName.substr(0, fileName.find(L'.'));
  if (name.size() > 1) CharLowerBuffW(name.data() + 1, static_cast<DWORD>(name.size() - 1));
  return name;
}

std::wstring TApplication::Title() const {
  if (!FTitle.empty()) return FTitle;
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring full(path, n);
  const size_t slash = full.find_last_of(L"\\/:");
  return DefaultTitleFromFileName(slash == std::wstring::npos ? full : full.substr(slash + 1));
}

bool TApplication::IsKeyMsg(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP && msg.message != WM_CHAR &&
      msg.message != WM_SYSKEYDOWN && msg.message != WM_SYSCHAR)
    return false;
  TWinControl* control = TWinControl::FindControl(msg.hwnd);
  if (!control) return false;
  return control->Perform(FW_REFLECT + msg.message, msg.wParam, msg.lParam) != 0;
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  if (FilterMessage(msg)) return true;
  if (!IsKeyMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

void TApplication::SetMessageFilter(const std::string& name, TMessageFilter filter) {
  for (auto& [installed, current] : FFilters) {
    if (installed == name) {
      current = std::move(filter);
      return;
    }
  }
  FFilters.emplace_back(name, std::move(filter));
}

void TApplication::RemoveMessageFilter(const std::string& name) {
  std::erase_if(FFilters, [&name](const auto& entry) { return entry.first == name; });
}

bool TApplication::FilterMessage(MSG& msg) {
  // Copies: a filter or the handler may install or remove filters while it runs.
  const auto filters = FFilters;
  for (const auto& [name, filter] : filters)
    if (filter && filter(msg)) return true;
  const auto handler = OnMessage;
  return handler && handler(msg);
}

void TApplication::AddForm(TForm* form) {
  if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TApplication::RemoveForm(TForm* form) { FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end()); }

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) WaitMessage();
}

void TApplication::Run() {
  while (!FTerminated) HandleMessage();
}

void TApplication::HandleException(const std::exception& e) {
  if (OnException) {
    OnException(e);
    return;
  }
  const std::string text = e.what();
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  HWND owner = MainForm ? MainForm->Handle() : nullptr;
  MessageBoxW(owner, wide.c_str(), Title().c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::HandleCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& e) {
      HandleException(e);
    } catch (...) {
      HandleException(std::runtime_error(kUnknownExceptionText));
    }
  } catch (...) {
    // The report failed as well; the call from the system still has to return normally.
  }
}

void TApplication::ShowMessage(const std::wstring& text) {
  HWND owner = MainForm ? MainForm->Handle() : nullptr;
  MessageBoxW(owner, text.c_str(), Title().c_str(), MB_OK);
}

}  // namespace qw
