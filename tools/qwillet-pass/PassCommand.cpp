#include "tools/qwillet-pass/PassCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>

#include "app/generator/Passphrase.h"
#include "app/generator/PasswordGenerator.h"
#include "base/IntParse.h"
#include "base/Utf.h"

namespace qw {

namespace {

constexpr char kUsage[] =
    "usage: qwillet-pass [options]\n"
    "Passwords (the default):\n"
    "  --no-lower         leave out the lower-case letters a-z\n"
    "  --no-upper         leave out the capital letters A-Z\n"
    "  --no-signs         leave out the signs\n"
    "  --no-digits        leave out the digits\n"
    "  --own TEXT         use these characters instead of the classes\n"
    "  --substitute TEXT  add a class to the own characters: 0-9, a-z, A-Z or sign\n"
    "  --count TEXT       password length, 0 to 255 (default 8; $10 and 0x10 are hexadecimal)\n"
    "  --every-class      every class in use appears at least once; the own characters are one class\n"
    "  --no-lookalikes    leave out characters easily misread: 0 O o 1 l I | ' ` \"\n"
    "  --alphabet         print the alphabet instead of passwords\n"
    "Passphrases:\n"
    "  --words N          N words (1 to 100) from the 7776-word EFF long list instead of characters\n"
    "  --separator TEXT   put between the words (default a space)\n"
    "  --capitalize       start every word with a capital letter\n"
    "Both:\n"
    "  -n N               how many (default 1)\n"
    "  --seed N           reproducible results from the deterministic source (0..4294967295)\n"
    "  --entropy          also print the strength in bits (with --every-class: of the passwords that meet it)\n"
    "  --help             this text\n";

// The options that only turn a setting of the request on or off.
struct TSwitch {
  std::u16string_view Name;
  bool PasswordRequest::*Field;
  bool Value;
};
constexpr TSwitch kSwitches[] = {
    {u"--no-lower", &PasswordRequest::UseLower, false},   {u"--no-upper", &PasswordRequest::UseUpper, false},
    {u"--no-signs", &PasswordRequest::UseSigns, false},   {u"--no-digits", &PasswordRequest::UseDigits, false},
    {u"--every-class", &PasswordRequest::EveryClass, true}, {u"--no-lookalikes", &PasswordRequest::NoLookalikes, true}};

// Parses an unsigned decimal number within [0, max]; nothing else is accepted.
std::optional<uint64_t> ParseUnsigned(std::u16string_view s, uint64_t max) {
  if (s.empty() || s.size() > 20) return std::nullopt;
  uint64_t v = 0;
  for (char16_t c : s) {
    if (c < u'0' || c > u'9') return std::nullopt;
    v = v * 10 + static_cast<uint64_t>(c - u'0');
    if (v > max) return std::nullopt;
  }
  return v;
}

// Text from the command line, quoted for a message that must stay on one line.
std::string Quoted(std::u16string_view s) {
  std::u16string printable(s);
  for (char16_t& c : printable) {
    if (c < 0x20 || c == 0x7F) c = 0xFFFD;
  }
  return "\"" + Utf16ToUtf8(printable) + "\"";
}

int UsageError(std::string& err, const std::string& why) {
  err += "qwillet-pass: " + why + " (see --help)\n";
  return 2;
}

int SettingsError(std::string& err, const std::string& why) {
  err += "qwillet-pass: " + why + "\n";
  return 1;
}

std::unique_ptr<TRandomSource> MakeRandomSource(std::optional<uint32_t> seed) {
  if (!seed) return std::make_unique<TSystemRandomSource>();
  auto lcg = std::make_unique<TLcgRandomSource>(nullptr);
  lcg->RandomSeed = *seed;
  return lcg;
}

void PrintEntropy(std::string& out, double bits) {
  char line[64];
  std::snprintf(line, sizeof line, "entropy: %.2f bits\n", bits);
  out += line;
}

}  // namespace

double PasswordEntropyBits(std::u16string_view alphabet, unsigned k) {
  if (alphabet.empty()) return 0.0;
  const std::vector<std::u16string_view> entries = AlphabetEntries(alphabet);
  std::map<std::u16string_view, size_t> counts;
  for (std::u16string_view c : entries) ++counts[c];
  const double total = static_cast<double>(entries.size());
  double h = 0.0;
  for (const auto& [c, n] : counts) {
    const double p = static_cast<double>(n) / total;
    h -= p * std::log2(p);
  }
  return h * k;
}

int RunPassCommand(const std::vector<std::u16string>& args, std::string& out, std::string& err) {
  PasswordRequest request;
  PassphraseRequest phrase;
  bool makePhrase = false;
  uint64_t howMany = 1;
  std::optional<uint32_t> seed;
  bool printAlphabet = false;
  bool printEntropy = false;
  // The first option of each kind, to name it when the two kinds are mixed.
  std::u16string passwordOption, phraseOption;

  for (size_t i = 0; i < args.size(); ++i) {
    const std::u16string& a = args[i];
    auto value = [&]() -> const std::u16string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
    if (a == u"--help" || a == u"-h") {
      out += kUsage;
      return 0;
    } else if (a == u"--entropy") {
      printEntropy = true;
    } else if (a == u"--capitalize") {
      phrase.Capitalize = true;
      if (phraseOption.empty()) phraseOption = a;
    } else if (const auto* sw = std::find_if(std::begin(kSwitches), std::end(kSwitches),
                                             [&](const auto& s) { return s.Name == a; });
               sw != std::end(kSwitches)) {
      request.*sw->Field = sw->Value;
      if (passwordOption.empty()) passwordOption = a;
    } else if (a == u"--alphabet") {
      printAlphabet = true;
      if (passwordOption.empty()) passwordOption = a;
    } else if (a == u"--own" || a == u"--substitute" || a == u"--count" || a == u"-n" || a == u"--seed" ||
               a == u"--words" || a == u"--separator") {
      const std::u16string* v = value();
      if (!v) return UsageError(err, Utf16ToUtf8(a) + " needs a value");
      if (a == u"--own" || a == u"--substitute" || a == u"--count") {
        std::u16string& text = a == u"--own" ? request.OwnChars : a == u"--substitute" ? request.SubstituteText
                                                                                      : request.CountText;
        text = *v;
        if (passwordOption.empty()) passwordOption = a;
      } else if (a == u"--separator") {
        phrase.Separator = *v;
        if (phraseOption.empty()) phraseOption = a;
      } else if (a == u"--words") {
        const auto n = ParseUnsigned(*v, 100);
        if (!n || *n == 0) return UsageError(err, "--words takes a whole number from 1 to 100, not " + Quoted(*v));
        phrase.Words = static_cast<unsigned>(*n);
        makePhrase = true;
      } else if (a == u"-n") {
        const auto n = ParseUnsigned(*v, 1000000);
        if (!n) return UsageError(err, "-n takes a whole number from 0 to 1000000, not " + Quoted(*v));
        howMany = *n;
      } else {
        const auto s = ParseUnsigned(*v, 0xFFFFFFFFull);
        if (!s) return UsageError(err, "--seed takes a whole number from 0 to 4294967295, not " + Quoted(*v));
        seed = static_cast<uint32_t>(*s);
      }
    } else {
      return UsageError(err, "unknown option " + Quoted(a));
    }
  }
  if (makePhrase && !passwordOption.empty()) {
    return UsageError(err, "--words makes passphrases, so " + Utf16ToUtf8(passwordOption) + " does not go with it");
  }
  if (!makePhrase && !phraseOption.empty()) {
    return UsageError(err, Utf16ToUtf8(phraseOption) + " shapes passphrases and needs --words");
  }

  if (makePhrase) {
    const std::unique_ptr<TRandomSource> random = MakeRandomSource(seed);
    for (uint64_t n = 0; n < howMany; ++n) out += Utf16ToUtf8(GeneratePassphrase(phrase, *random)) + "\n";
    if (printEntropy) PrintEntropy(out, phrase.Words * std::log2(static_cast<double>(PassphraseWordCount)));
    return 0;
  }

  // The window keeps the low 8 bits of what is typed; on the command line a length that silently
  // became another one would be a wrong password, so anything outside 0..255 is refused.
  const std::optional<int32_t> length = TryStrToInt(request.CountText);
  if (!length) return SettingsError(err, "the count " + Quoted(request.CountText) + " is not a number");
  if (*length < 0 || *length > 255) {
    return SettingsError(err, "the count " + Quoted(request.CountText) + " is not a length from 0 to 255");
  }
  const auto k = static_cast<unsigned>(*length);
  const std::vector<std::u16string> classes = PasswordClasses(request);
  const std::u16string alphabet = BuildAlphabet(request);
  if (alphabet.empty() && (k > 0 || printAlphabet)) {
    PasswordRequest withLookalikes = request;
    withLookalikes.NoLookalikes = false;
    return SettingsError(err, BuildAlphabet(withLookalikes).empty()
                                  ? "the alphabet is empty: every class is off and there are no own characters"
                                  : "the alphabet is empty: --no-lookalikes left no character");
  }
  if (request.EveryClass) {
    if (std::any_of(classes.begin(), classes.end(), [](const auto& c) { return c.empty(); })) {
      return SettingsError(err, "--every-class cannot hold: --no-lookalikes left no own character");
    }
    if (k < classes.size()) {
      return SettingsError(err, "--every-class needs a length of at least " + std::to_string(classes.size()) +
                                    ", one for each class, not " + std::to_string(k));
    }
  }

  if (printAlphabet) {
    out += Utf16ToUtf8(alphabet) + "\n";
  } else {
    const std::unique_ptr<TRandomSource> random = MakeRandomSource(seed);
    try {
      for (uint64_t n = 0; n < howMany; ++n) out += Utf16ToUtf8(GeneratePassword(request, *random)) + "\n";
    } catch (const GenerationFailed&) {
      out.clear();
      return SettingsError(err, "the random source gave no password that meets --every-class");
    }
  }
  if (printEntropy) {
    PrintEntropy(out, request.EveryClass ? EveryClassEntropyBits(classes, k) : PasswordEntropyBits(alphabet, k));
  }
  return 0;
}

}  // namespace qw
