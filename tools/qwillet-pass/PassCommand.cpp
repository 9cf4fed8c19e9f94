#include "tools/qwillet-pass/PassCommand.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>

#include "app/generator/PasswordGenerator.h"
#include "base/Utf.h"

namespace qw {

namespace {

constexpr char kUsage[] =
    "usage: qwillet-pass [options]\n"
    "  --no-lower         leave out the lower-case letters a-z\n"
    "  --no-upper         leave out the capital letters A-Z\n"
    "  --no-signs         leave out the signs\n"
    "  --no-digits        leave out the digits\n"
    "  --own TEXT         use these characters instead of the classes\n"
    "  --substitute TEXT  add a class to the own characters: 0-9, a-z, A-Z or sign\n"
    "  --count TEXT       password length (default 8; $10 and 0x10 are hexadecimal)\n"
    "  -n N               how many passwords (default 1)\n"
    "  --seed N           reproducible passwords from the deterministic source (0..4294967295)\n"
    "  --alphabet         print the alphabet instead of passwords\n"
    "  --entropy          also print the strength of the settings in bits\n"
    "  --help             this text\n";

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

int UsageError(std::string& err, const std::string& why) {
  err += "qwillet-pass: " + why + "\n" + kUsage;
  return 2;
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
  uint64_t howMany = 1;
  std::optional<uint32_t> seed;
  bool printAlphabet = false;
  bool printEntropy = false;

  for (size_t i = 0; i < args.size(); ++i) {
    const std::u16string& a = args[i];
    auto value = [&]() -> const std::u16string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
    if (a == u"--help" || a == u"-h") {
      out += kUsage;
      return 0;
    } else if (a == u"--no-lower") {
      request.UseLower = false;
    } else if (a == u"--no-upper") {
      request.UseUpper = false;
    } else if (a == u"--no-signs") {
      request.UseSigns = false;
    } else if (a == u"--no-digits") {
      request.UseDigits = false;
    } else if (a == u"--alphabet") {
      printAlphabet = true;
    } else if (a == u"--entropy") {
      printEntropy = true;
    } else if (a == u"--own" || a == u"--substitute" || a == u"--count" || a == u"-n" || a == u"--seed") {
      const std::u16string* v = value();
      if (!v) return UsageError(err, Utf16ToUtf8(a) + " needs a value");
      if (a == u"--own") {
        request.OwnChars = *v;
      } else if (a == u"--substitute") {
        request.SubstituteText = *v;
      } else if (a == u"--count") {
        request.CountText = *v;
      } else if (a == u"-n") {
        const auto n = ParseUnsigned(*v, 1000000);
        if (!n) return UsageError(err, "-n takes a whole number from 0 to 1000000, not \"" + Utf16ToUtf8(*v) + "\"");
        howMany = *n;
      } else {
        const auto s = ParseUnsigned(*v, 0xFFFFFFFFull);
        if (!s) return UsageError(err, "--seed takes a whole number from 0 to 4294967295, not \"" + Utf16ToUtf8(*v) + "\"");
        seed = static_cast<uint32_t>(*s);
      }
    } else {
      return UsageError(err, "unknown option \"" + Utf16ToUtf8(a) + "\"");
    }
  }

  const std::u16string alphabet = BuildAlphabet(request);
  unsigned k = 0;
  try {
    k = PasswordLength(request.CountText);
  } catch (const GenerationFailed&) {
    err += "qwillet-pass: the count \"" + Utf16ToUtf8(request.CountText) + "\" is not a number\n";
    return 1;
  }
  if (printAlphabet) {
    out += Utf16ToUtf8(alphabet) + "\n";
  } else {
    if (k > 0 && alphabet.empty()) {
      err += "qwillet-pass: the alphabet is empty: every class is off and there are no own characters\n";
      return 1;
    }
    std::unique_ptr<TRandomSource> random;
    if (seed) {
      auto lcg = std::make_unique<TLcgRandomSource>(nullptr);
      lcg->RandomSeed = *seed;
      random = std::move(lcg);
    } else {
      random = std::make_unique<TSystemRandomSource>();
    }
    for (uint64_t n = 0; n < howMany; ++n) out += Utf16ToUtf8(GeneratePassword(request, *random)) + "\n";
  }
  if (printEntropy) {
    char line[64];
    std::snprintf(line, sizeof line, "entropy: %.2f bits\n", PasswordEntropyBits(alphabet, k));
    out += line;
  }
  return 0;
}

}  // namespace qw
