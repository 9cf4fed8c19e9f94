#include "app/generator/PasswordGenerator.h"

#include "base/IntParse.h"

namespace qw {

static_assert(SignChars.size() == 29);

std::u16string BuildAlphabet(const PasswordRequest& r) {
  std::u16string a;
  if (r.UseLower) a += LowerLetters;
  if (r.UseUpper) a += UpperLetters;
  if (r.UseSigns) a += SignChars;
  if (r.UseDigits) a += DigitChars;
  if (!r.OwnChars.empty()) a = r.OwnChars;

  // Each matching key replaces the alphabet, so the last match in this order wins.
  struct Substitution { std::u16string_view key, chars; };
  static constexpr Substitution kSubstitutions[] = {
      {u"0-9", DigitChars}, {u"a-z", LowerLetters}, {u"A-Z", UpperLetters}, {u"sign", SignChars}};
  for (const auto& s : kSubstitutions) {
    if (r.SubstituteText.find(s.key) != std::u16string::npos) {
      a = r.OwnChars;
      a += s.chars;
    }
  }
  return a;
}

unsigned PasswordLength(std::u16string_view countText) {
  const auto value = TryStrToInt(countText);
  if (!value) throw GenerationFailed();
  return static_cast<uint32_t>(*value) & 0xFFu;
}

std::u16string GeneratePassword(const PasswordRequest& request, TRandomSource& random) {
  random.ReseedFromClock();
  const std::u16string alphabet = BuildAlphabet(request);
  const unsigned k = PasswordLength(request.CountText);
  if (k > 0 && alphabet.empty()) throw GenerationFailed();
  std::u16string password;
  password.reserve(k);
  const auto size = static_cast<uint32_t>(alphabet.size());
  for (unsigned i = 0; i < k; ++i) password.push_back(alphabet[random.RandomBelow(size)]);
  return password;
}

}  // namespace qw
