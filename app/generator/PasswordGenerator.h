#pragma once
// The password generator: the four character classes, the alphabet of a request, and one password.
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "app/generator/RandomSource.h"

namespace qw {

inline constexpr std::u16string_view LowerLetters = u"abcdefghijklmnopqrstuvwxyz";
inline constexpr std::u16string_view UpperLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// The reverse solidus stands twice on purpose: it is twice as likely as any other sign.
inline constexpr std::u16string_view SignChars = u"!@#$%^&*()\"'\\\\/|~`?<>,.;:{}[]";
inline constexpr std::u16string_view DigitChars = u"1234567890";

// What the window's controls say about the password to make.
struct PasswordRequest {
  bool UseLower = true;
  bool UseUpper = true;
  bool UseSigns = true;
  bool UseDigits = true;
  std::u16string OwnChars;        // replaces the classes when not empty
  std::u16string SubstituteText;  // "0-9", "a-z", "A-Z" or "sign" anywhere in it adds that class
  std::u16string CountText = u"8";  // the length as typed
};

// Raised when the length does not parse or the alphabet is empty; it carries no detail by design.
class GenerationFailed : public std::exception {
 public:
  const char* what() const noexcept override { return "password generation failed"; }
};

// The alphabet of one generation: classes, then own characters, then substitution. May be empty.
std::u16string BuildAlphabet(const PasswordRequest& request);

// The alphabet as the characters a draw picks from: a surrogate pair (a character outside the Basic
// Multilingual Plane) is one entry, every other 16-bit unit, an unpaired surrogate included, is one.
// Entries point into `alphabet`, which must outlive them.
std::vector<std::u16string_view> AlphabetEntries(std::u16string_view alphabet);

// The number of characters the request asks for (the parsed count's low 8 bits); throws
// GenerationFailed when the count text does not parse.
unsigned PasswordLength(std::u16string_view countText);

// Makes one password: reseed, alphabet, count, one draw per character (a whole character, never half
// of a surrogate pair). Throws GenerationFailed.
std::u16string GeneratePassword(const PasswordRequest& request, TRandomSource& random);

}  // namespace qw
