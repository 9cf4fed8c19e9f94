#pragma once
// Puts the skinned controls into the form description's class registry.
namespace qw {

class TClassRegistry;
void RegisterSkinControls(TClassRegistry& registry);

}  // namespace qw
