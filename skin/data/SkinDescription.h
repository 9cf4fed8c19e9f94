#pragma once
// "Options.dat": the text that describes a skin. Sections of "KEY=value" entries, names compared
// exactly (case included). Keys are found through a hash index per section, sections through one for the
// whole description; the first section of a name and the first key of a name in it are the ones read.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "skin/data/NameHash.h"

namespace qw {

class TSkinSystem;

struct TDescEntry {
  std::u16string Key;
  std::u16string Value;
};

struct TDescSection {
  std::u16string Name;
  std::vector<TDescEntry> Entries;                       // every entry line, in order
  std::unordered_map<std::u16string, uint32_t, TNameHash, TNameEqual> KeyIndex;  // key -> first entry

  const std::u16string* Find(std::u16string_view key) const;
};

class TSkinDescription {
 public:
  // Decodes the bytes (a byte-order mark selects UTF-8 or UTF-16, else the code page) and parses them.
  static TSkinDescription Parse(std::span<const uint8_t> bytes);
  static TSkinDescription ParseText(std::u16string_view text);

  // Every section line, in file order (a name used twice gives two entries).
  const std::vector<TDescSection>& Sections() const { return FSections; }
  // The first section of that name; null when there is none.
  const TDescSection* FindSection(std::u16string_view name) const;
  // The value of Key in the first section named Section; null when either is missing.
  const std::u16string* Find(std::u16string_view section, std::u16string_view key) const;

  std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view fallback) const;
  // A decimal (or "$"/"0x" hexadecimal) integer; Fallback when missing or not a number.
  int32_t ReadInteger(std::u16string_view section, std::u16string_view key, int32_t fallback) const;

  // The section PARENTCLASS of Section leads to (the first of that name); null at the end of a chain
  // (no PARENTCLASS, "?", its own name or a name no section has).
  const TDescSection* Parent(const TDescSection& section) const {
    int32_t p = FParent[static_cast<size_t>(&section - FSections.data())];
    return p < 0 ? nullptr : &FSections[static_cast<size_t>(p)];
  }

  // A copy in which the sections of Extra come first in the sections of the same name (so their values
  // win) and sections this description lacks are appended.
  TSkinDescription MergedWith(const TSkinDescription& extra) const;

 private:
  void ResolveParents();
  std::vector<TDescSection> FSections;
  std::vector<int32_t> FParent;  // per section: index of its parent section, -1 none
  std::unordered_map<std::u16string, uint32_t, TNameHash, TNameEqual> FSectionIndex;
};

// Turns a colour whose value is negative (a system colour by its low byte) into its current RGB value.
uint32_t ColorToRGB(int32_t color, TSkinSystem& sys);

// Reads with inheritance through PARENTCLASS. A chain that comes back to a section already visited stops.
int32_t ReadInheritedInteger(const TSkinDescription& d, TSkinSystem& sys, std::u16string_view section,
                             std::u16string_view key, int32_t fallback);
std::u16string ReadInheritedString(const TSkinDescription& d, std::u16string_view section,
                                   std::u16string_view key, std::u16string_view fallback);
bool ReadInheritedBool(const TSkinDescription& d, std::u16string_view section, std::u16string_view key);

// The integer conversions of the description: strict (raises ESkinError with the conversion text) and
// lenient (0, or Fallback, for anything that is not a number).
int32_t StrictInt(std::u16string_view text);
int32_t LenientInt(std::u16string_view text, int32_t fallback = 0);

// Trims characters up to and including the blank from both ends.
std::u16string_view TrimBlanks(std::u16string_view s);

}  // namespace qw
