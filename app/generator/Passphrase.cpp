#include "app/generator/Passphrase.h"

namespace qw {

std::u16string GeneratePassphrase(const PassphraseRequest& request, TRandomSource& random) {
  random.ReseedFromClock();
  const auto words = PassphraseWords();
  std::u16string phrase;
  for (unsigned i = 0; i < request.Words; ++i) {
    if (i > 0) phrase += request.Separator;
    const std::string_view word = words[random.RandomBelow(static_cast<uint32_t>(words.size()))];
    const size_t start = phrase.size();
    phrase.append(word.begin(), word.end());  // ASCII, so each byte is its own UTF-16 unit
    if (request.Capitalize && !word.empty() && word[0] >= 'a' && word[0] <= 'z') phrase[start] -= u'a' - u'A';
  }
  return phrase;
}

}  // namespace qw
