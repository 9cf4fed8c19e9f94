#pragma once
// The entry point every command-line tool shares: the platform's arguments become UTF-16, the tool's
// portable logic runs, and its UTF-8 output reaches the terminal unharmed.
#include <string>
#include <vector>

namespace qw {

// A tool's portable logic: arguments in, standard output and error text (UTF-8) out, exit code back.
using TToolRun = int (*)(const std::vector<std::u16string>& args, std::string& out, std::string& err);

#ifdef _WIN32
// Runs `run` with the wide command line of wmain.
int RunToolMain(int argc, wchar_t** argv, TToolRun run);
#else
// Runs `run` with the UTF-8 command line of main.
int RunToolMain(int argc, char** argv, TToolRun run);
#endif

}  // namespace qw
