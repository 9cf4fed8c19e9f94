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
// Characters easily misread for one another in common fonts: zero and the round letters, one and the
// upright strokes, and the quote marks (a back-tick for an apostrophe, two apostrophes for a quote).
inline constexpr std::u16string_view LookalikeChars = u"0Oo1lI|'`\"";

// What the window's controls say about the password to make; the last two are the command line's only.
struct PasswordRequest {
  bool UseLower = true;
  bool UseUpper = true;
  bool UseSigns = true;
  bool UseDigits = true;
  std::u16string OwnChars;        // replaces the classes when not empty
  std::u16string SubstituteText;  // "0-9", "a-z", "A-Z" or "sign" anywhere in it adds that class
  std::u16string CountText = u"8";  // the length as typed
  bool NoLookalikes = false;  // leave LookalikeChars out of every class, own characters included
  bool EveryClass = false;    // every class of PasswordClasses appears at least once
};

// Raised when the length does not parse or the alphabet is empty; it carries no detail by design.
class GenerationFailed : public std::exception {
 public:
  const char* what() const noexcept override { return "password generation failed"; }
};

// The alphabet of one generation: classes, then own characters, then substitution. May be empty.
std::u16string BuildAlphabet(const PasswordRequest& request);

// The alphabet in the classes it is made of, in order, so that joined they are BuildAlphabet: the
// classes in use, or the own characters as one class and the substituted class after them. A class
// that --no-lookalikes emptied stays, empty, so that a rule over all classes can see it.
std::vector<std::u16string> PasswordClasses(const PasswordRequest& request);

// The alphabet as the characters a draw picks from: a surrogate pair (a character outside the Basic
// Multilingual Plane) is one entry, every other 16-bit unit, an unpaired surrogate included, is one.
// Entries point into `alphabet`, which must outlive them.
std::vector<std::u16string_view> AlphabetEntries(std::u16string_view alphabet);

// The number of characters the request asks for (the parsed count's low 8 bits); throws
// GenerationFailed when the count text does not parse.
unsigned PasswordLength(std::u16string_view countText);

// Makes one password: reseed, alphabet, count, one draw per character (a whole character, never half
// of a surrogate pair). With EveryClass the whole password is drawn again until a character of every
// class stands in it, so it is the plain draw given that it meets the rule; a length below the number
// of classes or an empty class throws. Throws GenerationFailed.
std::u16string GeneratePassword(const PasswordRequest& request, TRandomSource& random);

// Strength in bits of k characters drawn from `classes` joined, kept only when every class appears:
// the Shannon entropy of what the generator gives. A character the alphabet holds twice is twice as
// likely, so those passwords are not all equally likely and this is below log2 of their number; with
// no repeats the two agree. 0 when no password meets the rule.
double EveryClassEntropyBits(const std::vector<std::u16string>& classes, unsigned k);

}  // namespace qw
