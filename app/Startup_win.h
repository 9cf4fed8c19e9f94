#pragma once
// The program's part of the start-up: the skin engine's record is made (skin/render/EngineStartup_win.h)
// and "/qxver" on the command line shows the engine's version.
#include <functional>
#include <string>
#include <vector>

namespace qw {

struct TEngineStartup;

// The engine's version text shown by "/qxver".
inline constexpr wchar_t kEngineVersionText[] = L"Tarnwick v8.10";

// Shows the version once when any argument is "/qxver" in any case; returns whether it did.
bool ShowVersionIfAsked(const std::vector<std::wstring>& args, const std::function<void(const std::wstring&)>& show);

// The arguments after the program's name.
std::vector<std::wstring> CommandLineArguments();

// Makes the engine's start-up record, then honours "/qxver". A missing or undecodable shadow picture
// is a fault of the program image and throws.
const TEngineStartup& RunEngineStartup(const std::vector<std::wstring>& args,
                                       const std::function<void(const std::wstring&)>& show);

}  // namespace qw
