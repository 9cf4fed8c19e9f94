#include "app/Startup_win.h"

#include <windows.h>

#include "base/CommandLine.h"
#include "skin/render/EngineStartup_win.h"

namespace qw {

bool ShowVersionIfAsked(const std::vector<std::wstring>& args, const std::function<void(const std::wstring&)>& show) {
  for (std::wstring arg : args) {
    if (!arg.empty()) CharLowerBuffW(arg.data(), static_cast<DWORD>(arg.size()));
    if (arg == L"/qxver") {
      show(kEngineVersionText);
      return true;
    }
  }
  return false;
}

std::vector<std::wstring> CommandLineArguments() {
  std::vector<std::wstring> args;
  for (const std::u16string& arg : CommandLineArguments(reinterpret_cast<const char16_t*>(GetCommandLineW())))
    args.emplace_back(arg.begin(), arg.end());
  return args;
}

const TEngineStartup& RunEngineStartup(const std::vector<std::wstring>& args,
                                       const std::function<void(const std::wstring&)>& show) {
  const TEngineStartup& startup = EngineStartup();
  ShowVersionIfAsked(args, show);
  return startup;
}

}  // namespace qw
