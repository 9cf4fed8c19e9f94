#pragma once
// Reads a stored form description into a form. The text is parsed first (fw/FormParser.h), so a syntax
// error stops the load before any component exists; then components are created in the order listed,
// owned by the form, parented to the enclosing control, their properties set through the class tables
// (an object's properties before the objects nested in it) and their events bound through the form's
// handler table; references to other components are resolved when everything is made, and then every
// component is told Loaded. Any unknown class, property, handler or reference is an EFormLoadError
// naming the line.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/ClassRegistry.h"
#include "fw/Color.h"
#include "fw/FormParser.h"
#include "fw/InputEvents.h"

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
  int32_t Int(const TFormValue& v) const { return FormInt(v); }
  bool Bool(const TFormValue& v) const { return FormBool(v); }
  std::wstring String(const TFormValue& v) const;
  const std::string& Ident(const TFormValue& v) const { return FormIdent(v); }
  // An integer (any 32-bit pattern) or one of the colour names.
  TColor Color(const TFormValue& v) const;
  std::vector<std::wstring> Strings(const TFormValue& v) const;
  std::wstring ResourceName(const TFormValue& v) const;
  // The bytes of the program's RCDATA resource named by resource('NAME').
  std::vector<uint8_t> ResourceData(const TFormValue& v) const;
  // The items of a collection value (< item ... end ... >).
  const std::vector<std::vector<TFormProperty>>& Items(const TFormValue& v) const { return FormItems(v); }
  // The form's handler of that name for an event of the kind asked for.
  TNotifyEvent Handler(const TFormValue& v) const;
  TMouseEvent MouseHandler(const TFormValue& v) const;
  TKeyEvent KeyHandler(const TFormValue& v) const;
  // Resolves a component name once the whole description has been read.
  void Reference(const TFormValue& v, std::function<void(TComponent*)> assign);
  [[noreturn]] void Fail(int line, const std::string& message) const { FailFormLine(line, message); }

 private:
  // The handler the form found for the value's name; an empty one is the value's load error.
  template <class TEvent>
  TEvent FoundHandler(const TFormValue& v, TEvent handler) const;
  void ReadObject(const TFormObject& object, TComponent& component);
  void CreateChild(const TFormObject& object, TComponent& parent);

  TForm& FForm;
  const TClassRegistry& FRegistry;
  struct TFixup {
    TFormValue Value;
    std::function<void(TComponent*)> Assign;
  };
  std::vector<TFixup> FFixups;
};

}  // namespace qw
