#include "app/Startup_win.h"

#include <windows.h>
#include <shellapi.h>

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
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
  if (argv) LocalFree(argv);
  return args;
}

const TEngineStartup& RunEngineStartup(const std::vector<std::wstring>& args,
                                       const std::function<void(const std::wstring&)>& show) {
  const TEngineStartup& startup = EngineStartup();
  ShowVersionIfAsked(args, show);
  return startup;
}

}  // namespace qw
