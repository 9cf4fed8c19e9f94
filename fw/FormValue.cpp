#include "fw/FormValue.h"

namespace qw {

void FailFormLine(int line, const std::string& message) {
  throw EFormLoadError("Form description, line " + std::to_string(line) + ": " + message);
}

int32_t FormInt(const TFormValue& v) {
  if (v.Kind != TFormValue::TKind::Integer || v.Integer < INT32_MIN || v.Integer > INT32_MAX)
    FailFormLine(v.Line, "expected a 32-bit integer");
  return static_cast<int32_t>(v.Integer);
}

bool FormBool(const TFormValue& v) {
  if (v.Kind == TFormValue::TKind::Identifier) {
    if (v.Identifier == "True") return true;
    if (v.Identifier == "False") return false;
  }
  FailFormLine(v.Line, "expected True or False");
}

const std::u16string& FormString(const TFormValue& v) {
  if (v.Kind != TFormValue::TKind::String) FailFormLine(v.Line, "expected a string");
  return v.String;
}

const std::string& FormIdent(const TFormValue& v) {
  if (v.Kind != TFormValue::TKind::Identifier) FailFormLine(v.Line, "expected an identifier");
  return v.Identifier;
}

std::vector<std::u16string> FormStrings(const TFormValue& v) {
  if (v.Kind != TFormValue::TKind::List) FailFormLine(v.Line, "expected a list of strings");
  std::vector<std::u16string> result;
  result.reserve(v.List.size());
  for (const TFormValue& item : v.List) result.push_back(FormString(item));
  return result;
}

const std::u16string& FormResourceName(const TFormValue& v) {
  if (v.Kind != TFormValue::TKind::Resource) FailFormLine(v.Line, "expected resource('NAME')");
  return v.String;
}

const std::vector<std::vector<TFormProperty>>& FormItems(const TFormValue& v) {
  if (v.Kind != TFormValue::TKind::Collection) FailFormLine(v.Line, "expected a collection < item ... end >");
  return v.Items;
}

}  // namespace qw
