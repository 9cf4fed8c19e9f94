#pragma once
// One property value of a form description as the reader parsed it.
#include <cstdint>
#include <string>
#include <vector>

namespace qw {

struct TFormProperty;

struct TFormValue {
  enum class TKind { Integer, String, Identifier, Set, List, Resource, Collection };
  TKind Kind = TKind::Integer;
  int64_t Integer = 0;
  std::wstring String;              // String and Resource (the resource's name)
  std::string Identifier;           // Identifier
  std::vector<std::string> Set;     // Set: the identifiers between [ and ]
  std::vector<TFormValue> List;     // List: the values between ( and )
  // Collection: the items between < and >, each `item Property = value ... end`.
  std::vector<std::vector<TFormProperty>> Items;
  int Line = 0;
};

// One `Property = value` line of a collection item.
struct TFormProperty {
  std::string Name;
  TFormValue Value;
};

}  // namespace qw
