#pragma once
// qwillet-pass: the password generator without a window. The entry points only convert the platform's
// arguments to UTF-16 and write the UTF-8 results; everything else is here, portable and testable.
#include <string>
#include <vector>

namespace qw {

// Exit codes: 0 success, 1 the settings cannot make a password, 2 the command line is wrong.
int RunPassCommand(const std::vector<std::u16string>& args, std::string& out, std::string& err);

// Strength of k characters drawn from the alphabet: k times the Shannon entropy of its character
// distribution, in bits (duplicates make a character more likely and count that way; a surrogate pair
// is one character).
double PasswordEntropyBits(std::u16string_view alphabet, unsigned k);

}  // namespace qw
