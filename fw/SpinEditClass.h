#pragma once
// The published properties of a spin edit, for any class built on TSpinEditOf.
#include <string>

#include "fw/ClassRegistry.h"
#include "fw/FormReader.h"

namespace qw {

template <class T>
void RegisterSpinEditProperties(TClassRegistry& g, const std::string& name) {
  using V = const TFormValue&;
  using R = TFormReader&;
  g.Property<T>(name, "MinValue", [](T& c, V v, R r) { c.MinValue = r.Int(v); });
  g.Property<T>(name, "MaxValue", [](T& c, V v, R r) { c.MaxValue = r.Int(v); });
  g.Property<T>(name, "Increment", [](T& c, V v, R r) { c.Increment = r.Int(v); });
  g.Property<T>(name, "Value", [](T& c, V v, R r) { c.SetValue(r.Int(v)); });
  g.Property<T>(name, "AllowNegative", [](T& c, V v, R r) { c.AllowNegative = r.Bool(v); });
  g.Property<T>(name, "EditorEnabled", [](T& c, V v, R r) { c.EditorEnabled = r.Bool(v); });
  g.Property<T>(name, "OnUpClick", [](T& c, V v, R r) { c.OnUpClick = r.Handler(v); });
  g.Property<T>(name, "OnDownClick", [](T& c, V v, R r) { c.OnDownClick = r.Handler(v); });
  g.Property<T>(name, "AutoSelect", [](T& c, V v, R r) { c.AutoSelect = r.Bool(v); });
  g.Property<T>(name, "PrevTabControl", [](T& c, V v, R r) {
    r.Reference(v, [&c](TComponent* target) { c.PrevTabControl = dynamic_cast<TWinControl*>(target); });
  });
  g.Property<T>(name, "NextTabControl", [](T& c, V v, R r) {
    r.Reference(v, [&c](TComponent* target) { c.NextTabControl = dynamic_cast<TWinControl*>(target); });
  });
}

}  // namespace qw
