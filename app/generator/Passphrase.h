#pragma once
// Passphrases: words drawn uniformly from the EFF long word list, which the build compiles in from the
// list Debian's diceware package ships, so nothing is read from disk at run time.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "app/generator/RandomSource.h"

namespace qw {

// 6^5 words, one for each throw of five dice.
inline constexpr size_t PassphraseWordCount = 7776;

// The embedded list, in its own order: lower-case ASCII letters and hyphens.
std::span<const std::string_view, PassphraseWordCount> PassphraseWords();

struct PassphraseRequest {
  unsigned Words = 6;
  std::u16string Separator = u" ";
  bool Capitalize = false;  // every word starts with a capital letter
};

// Makes one passphrase: reseed, then one draw per word, joined by the separator.
std::u16string GeneratePassphrase(const PassphraseRequest& request, TRandomSource& random);

}  // namespace qw
