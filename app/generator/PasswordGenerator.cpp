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

std::vector<std::u16string_view> AlphabetEntries(std::u16string_view alphabet) {
  auto isHigh = [](char16_t c) { return c >= 0xD800 && c <= 0xDBFF; };
  auto isLow = [](char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
  std::vector<std::u16string_view> entries;
  entries.reserve(alphabet.size());
  for (size_t i = 0; i < alphabet.size();) {
    const size_t length = isHigh(alphabet[i]) && i + 1 < alphabet.size() && isLow(alphabet[i + 1]) ? 2 : 1;
    entries.push_back(alphabet.substr(i, length));
    i += length;
  }
  return entries;
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
  // Drawing from whole characters keeps every password valid text; an alphabet without surrogate pairs
  // has one entry per unit, so its draws are the same as unit by unit.
  const std::vector<std::u16string_view> entries = AlphabetEntries(alphabet);
  std::u16string password;
  password.reserve(k);
  const auto size = static_cast<uint32_t>(entries.size());
  for (unsigned i = 0; i < k; ++i) password += entries[random.RandomBelow(size)];
  return password;
}

}  // namespace qw
