#pragma once
// Classes the form description may name: how to make each, its base class, and the property setters it
// publishes. A class inherits the properties of its base.
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "base/Component.h"
#include "fw/FormValue.h"

namespace qw {

class TFormReader;

using TPropertySetter = std::function<void(TComponent& component, const TFormValue& value, TFormReader& reader)>;

struct TClassInfo {
  std::string Name;
  std::string Base;
  std::function<std::unique_ptr<TComponent>()> Factory;  // empty: the class cannot be created by name
  std::map<std::string, TPropertySetter> Properties;
};

class TClassRegistry {
 public:
  // Adds (or extends) a class. Base must be registered first ("" for the root).
  TClassInfo& Register(const std::string& name, const std::string& base,
                       std::function<std::unique_ptr<TComponent>()> factory);
  const TClassInfo* Find(const std::string& name) const;
  // The setter of a property, looked up in the class and then its bases; nullptr if none has it.
  const TPropertySetter* FindProperty(const std::string& className, const std::string& property) const;

  // Registers T with a default factory.
  template <class T>
  TClassInfo& Register(const std::string& name, const std::string& base) {
    return Register(name, base, [] { return std::make_unique<T>(); });
  }
  // Adds a property setter working on T (the component is cast; the class table guarantees the type).
  template <class T, class F>
  void Property(const std::string& className, const std::string& property, F setter) {
    FClasses[className].Properties[property] = [setter](TComponent& c, const TFormValue& v, TFormReader& r) {
      setter(static_cast<T&>(c), v, r);
    };
  }

 private:
  std::map<std::string, TClassInfo> FClasses;
};

// The registry of the process, with the framework's standard classes already in it.
TClassRegistry& ClassRegistry();

}  // namespace qw
