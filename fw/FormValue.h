#pragma once
// One property value of a form description as the parser read it, the error every stage of reading a
// description raises, and the checked conversions a property setter applies to a value. Portable: no
// window is needed to read a description, so tools and tests read them natively.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// A description that does not load: the text names the line and what was wrong.
class EFormLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws EFormLoadError("Form description, line <line>: <message>").
[[noreturn]] void FailFormLine(int line, const std::string& message);

struct TFormProperty;

struct TFormValue {
  enum class TKind { Integer, String, Identifier, Set, List, Resource, Collection };
  TKind Kind = TKind::Integer;
  int64_t Integer = 0;
  std::u16string String;            // String and Resource (the resource's name)
  std::string Identifier;           // Identifier
  std::vector<std::string> Set;     // Set: the identifiers between [ and ]
  std::vector<TFormValue> List;     // List: the values between ( and )
  // Collection: the items between < and >, each `item Property = value ... end`.
  std::vector<std::vector<TFormProperty>> Items;
  int Line = 0;  // where the value starts
};

// One `Property = value` line of an object or of a collection item.
struct TFormProperty {
  std::string Name;
  TFormValue Value;
  int Line = 0;  // the line of the name
};

// Conversions for property setters; each throws EFormLoadError with the value's line when the value is
// of another kind or out of range.
int32_t FormInt(const TFormValue& v);
bool FormBool(const TFormValue& v);  // True or False
const std::u16string& FormString(const TFormValue& v);
const std::string& FormIdent(const TFormValue& v);
std::vector<std::u16string> FormStrings(const TFormValue& v);  // a list of strings
const std::u16string& FormResourceName(const TFormValue& v);   // resource('NAME')
const std::vector<std::vector<TFormProperty>>& FormItems(const TFormValue& v);

// One name a description may write for a value of an enumeration or for a flag of a set.
template <class T>
struct TFormName {
  std::string_view Name;
  T Value;
};

// The value an identifier names in `names`; any other identifier is "unknown <what> <identifier>".
template <class T, size_t N>
T FormEnum(const TFormValue& v, const TFormName<T> (&names)[N], std::string_view what) {
  const std::string& id = FormIdent(v);
  for (const TFormName<T>& n : names)
    if (n.Name == id) return n.Value;
  FailFormLine(v.Line, "unknown " + std::string(what) + " " + id);
}

// The union of the flags a set names ([] is none); an unknown flag is "unknown <what> <identifier>".
template <class T, size_t N>
T FormFlags(const TFormValue& v, const TFormName<T> (&names)[N], std::string_view what) {
  if (v.Kind != TFormValue::TKind::Set) FailFormLine(v.Line, "expected a set of " + std::string(what) + "s");
  T flags{};
  for (const std::string& id : v.Set) {
    const TFormName<T>* found = nullptr;
    for (const TFormName<T>& n : names)
      if (n.Name == id) found = &n;
    if (!found) FailFormLine(v.Line, "unknown " + std::string(what) + " " + id);
    flags = static_cast<T>(flags | found->Value);
  }
  return flags;
}

}  // namespace qw
