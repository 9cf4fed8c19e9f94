#pragma once
// A process's command line split into its arguments, by the rules programs on the system follow: the
// program's name up to the first blank (or within its quotes, taken as they stand); then blanks separate
// arguments outside quotes, a quote opens or closes a quoted part, 2n backslashes before a quote are n
// backslashes and the quote does its work, 2n+1 are n backslashes and a quote taken as it is, and
// backslashes before anything else stay as they are.
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// The arguments after the program's name.
std::vector<std::u16string> CommandLineArguments(std::u16string_view line);

}  // namespace qw
