#pragma once
// Reads a stored form description into a form: nested `object Name: TClass ... end` blocks of
// `Property = value` lines. Components are created in the order listed, owned by the form, parented to
// the enclosing control, their properties set through the class tables and their events bound through
// the form's handler table; references to other components are resolved when everything is read, and
// then every component is told Loaded. Any unknown class, property, handler or reference is an
// EFormLoadError naming the line.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/ClassRegistry.h"
#include "fw/Color.h"

namespace qw {

class TForm;

class TFormReader {
 public:
  TFormReader(TForm& form, const TClassRegistry& registry) : FForm(form), FRegistry(registry) {}

  // Reads UTF-8 description text into the form.
  void ReadForm(std::string_view text);
  // Reads the description stored as an RCDATA resource of the program.
  void ReadFormResource(const std::wstring& resourceName);

  // Conversions used by the property setters; each throws EFormLoadError with the value's line.
  int32_t Int(const TFormValue& v) const;
  bool Bool(const TFormValue& v) const;
  std::wstring String(const TFormValue& v) const;
  std::string Ident(const TFormValue& v) const;
  TColor Color(const TFormValue& v) const;
  std::vector<std::wstring> Strings(const TFormValue& v) const;
  std::wstring ResourceName(const TFormValue& v) const;
  // The bytes of the program's RCDATA resource named by resource('NAME').
  std::vector<uint8_t> ResourceData(const TFormValue& v) const;
  // The items of a collection value (< item ... end ... >).
  const std::vector<std::vector<TFormProperty>>& Items(const TFormValue& v) const;
  TNotifyEvent Handler(const TFormValue& v) const;
  // Resolves a component name once the whole description has been read.
  void Reference(const TFormValue& v, std::function<void(TComponent*)> assign);
  [[noreturn]] void Fail(int line, const std::string& message) const;

 private:
  struct TToken;
  class TLexer;
  void ReadObject(TLexer& lexer, TComponent* component, const std::string& className);
  void ReadProperty(TLexer& lexer, TComponent* component, const std::string& className);
  TFormValue ReadValue(TLexer& lexer);

  TForm& FForm;
  const TClassRegistry& FRegistry;
  struct TFixup {
    TFormValue Value;
    std::function<void(TComponent*)> Assign;
  };
  std::vector<TFixup> FFixups;
};

}  // namespace qw
