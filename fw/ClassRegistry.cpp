#include "fw/ClassRegistry.h"

#include "fw/FormReader.h"

namespace qw {

void RegisterStandardClasses(TClassRegistry& registry);

TClassInfo& TClassRegistry::Register(const std::string& name, const std::string& base,
                                     std::function<std::unique_ptr<TComponent>()> factory) {
  TClassInfo& info = FClasses[name];
  info.Name = name;
  info.Base = base;
  info.Factory = std::move(factory);
  return info;
}

const TClassInfo* TClassRegistry::Find(const std::string& name) const {
  auto it = FClasses.find(name);
  return it == FClasses.end() ? nullptr : &it->second;
}

const TPropertySetter* TClassRegistry::FindProperty(const std::string& className, const std::string& property) const {
  for (const TClassInfo* info = Find(className); info; info = info->Base.empty() ? nullptr : Find(info->Base)) {
    auto it = info->Properties.find(property);
    if (it != info->Properties.end()) return &it->second;
  }
  return nullptr;
}

TClassRegistry& ClassRegistry() {
  static TClassRegistry* registry = [] {
    auto* r = new TClassRegistry;  // lives for the whole process
    RegisterStandardClasses(*r);
    return r;
  }();
  return *registry;
}

}  // namespace qw
