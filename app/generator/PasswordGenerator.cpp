#include "app/generator/PasswordGenerator.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>

#include "base/IntParse.h"

namespace qw {

static_assert(SignChars.size() == 29);

std::vector<std::u16string> PasswordClasses(const PasswordRequest& r) {
  // Each matching key replaces the alphabet, so the last match in this order wins.
  struct Substitution { std::u16string_view key, chars; };
  static constexpr Substitution kSubstitutions[] = {
      {u"0-9", DigitChars}, {u"a-z", LowerLetters}, {u"A-Z", UpperLetters}, {u"sign", SignChars}};
  const Substitution* substituted = nullptr;
  for (const auto& s : kSubstitutions) {
    if (r.SubstituteText.find(s.key) != std::u16string::npos) substituted = &s;
  }

  std::vector<std::u16string> classes;
  if (!r.OwnChars.empty()) classes.push_back(r.OwnChars);
  if (substituted) {
    classes.emplace_back(substituted->chars);
  } else if (r.OwnChars.empty()) {
    if (r.UseLower) classes.emplace_back(LowerLetters);
    if (r.UseUpper) classes.emplace_back(UpperLetters);
    if (r.UseSigns) classes.emplace_back(SignChars);
    if (r.UseDigits) classes.emplace_back(DigitChars);
  }
  // The look-alikes are all single units outside the surrogate range, so no pair is ever split.
  if (r.NoLookalikes) {
    for (auto& c : classes) std::erase_if(c, [](char16_t u) { return LookalikeChars.find(u) != LookalikeChars.npos; });
  }
  return classes;
}

std::u16string BuildAlphabet(const PasswordRequest& r) {
  std::u16string a;
  for (const auto& c : PasswordClasses(r)) a += c;
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

namespace {

// The whole characters of `classes` joined, each with how often it stands there and a bit per class
// that holds it (an own character may be in the substituted class too).
struct TClassedCharacter {
  uint32_t Count = 0;
  uint32_t Classes = 0;
};

std::map<std::u16string_view, TClassedCharacter> ClassedCharacters(const std::vector<std::u16string>& classes) {
  std::map<std::u16string_view, TClassedCharacter> characters;
  for (size_t i = 0; i < classes.size(); ++i) {
    for (std::u16string_view c : AlphabetEntries(classes[i])) {
      ++characters[c].Count;
      characters[c].Classes |= 1u << i;
    }
  }
  return characters;
}

bool RuleCanHold(const std::vector<std::u16string>& classes, unsigned k) {
  return k >= classes.size() && std::none_of(classes.begin(), classes.end(), [](const auto& c) { return c.empty(); });
}

// Far beyond any need: the least likely rule a command line can ask for (a few digits beside the longest
// own characters) is met about once in 10^4 attempts, so only a broken source ends here, and it fails
// rather than loop for ever.
constexpr uint32_t kMaxEveryClassDraws = 1u << 24;

}  // namespace

std::u16string GeneratePassword(const PasswordRequest& request, TRandomSource& random) {
  random.ReseedFromClock();
  const std::vector<std::u16string> classes = PasswordClasses(request);
  std::u16string alphabet;
  for (const auto& c : classes) alphabet += c;
  const unsigned k = PasswordLength(request.CountText);
  if (k > 0 && alphabet.empty()) throw GenerationFailed();
  // Drawing from whole characters keeps every password valid text; an alphabet without surrogate pairs
  // has one entry per unit, so its draws are the same as unit by unit.
  const std::vector<std::u16string_view> entries = AlphabetEntries(alphabet);
  const auto size = static_cast<uint32_t>(entries.size());
  if (!request.EveryClass) {
    std::u16string password;
    password.reserve(k);
    for (unsigned i = 0; i < k; ++i) password += entries[random.RandomBelow(size)];
    return password;
  }

  if (!RuleCanHold(classes, k)) throw GenerationFailed();
  const auto characters = ClassedCharacters(classes);
  std::vector<uint32_t> entryClasses;
  for (std::u16string_view e : entries) entryClasses.push_back(characters.at(e).Classes);
  const uint32_t all = (1u << classes.size()) - 1;
  std::vector<uint32_t> drawn(k);
  for (uint32_t attempt = 0; attempt < kMaxEveryClassDraws; ++attempt) {
    uint32_t seen = 0;
    for (uint32_t& d : drawn) seen |= entryClasses[d = random.RandomBelow(size)];
    if (seen != all) continue;
    std::u16string password;
    for (uint32_t d : drawn) password += entries[d];
    return password;
  }
  throw GenerationFailed();
}

double EveryClassEntropyBits(const std::vector<std::u16string>& classes, unsigned k) {
  if (!RuleCanHold(classes, k) || k == 0) return 0.0;
  const auto characters = ClassedCharacters(classes);
  double total = 0;
  for (const auto& [c, info] : characters) total += info.Count;
  // Inclusion-exclusion over the classes left out: missAll[s] and missRest[s] are the chances that k and
  // k - 1 draws miss every class in s, signed by the size of s. Chances rather than counts keep the
  // numbers within a double at any length, and their terms cancel by at most a few decimal digits.
  const uint32_t subsets = 1u << classes.size();
  std::vector<double> missAll(subsets), missRest(subsets);
  for (uint32_t s = 0; s < subsets; ++s) {
    double outside = 0;
    for (const auto& [c, info] : characters) {
      if ((info.Classes & s) == 0) outside += info.Count;
    }
    const double sign = std::popcount(s) % 2 ? -1.0 : 1.0;
    missAll[s] = sign * std::pow(outside / total, k);
    missRest[s] = sign * std::pow(outside / total, k - 1);
  }
  double valid = 0;  // the chance that a plain draw meets the rule
  for (double v : missAll) valid += v;
  // A character the alphabet holds m times makes each password it stands in m times as likely, so the
  // entropy is log2 of the weighted count less the expected log2 of the weights, position by position.
  double repeatBits = 0;
  for (const auto& [c, info] : characters) {
    if (info.Count == 1) continue;
    double rest = 0;  // the other k - 1 characters cover what c does not
    for (uint32_t s = 0; s < subsets; ++s) {
      if ((info.Classes & s) == 0) rest += missRest[s];
    }
    repeatBits += info.Count / total * rest / valid * std::log2(info.Count);
  }
  return k * std::log2(total) + std::log2(valid) - k * repeatBits;
}

}  // namespace qw
