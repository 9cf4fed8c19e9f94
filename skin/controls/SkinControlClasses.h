#pragma once
// Puts the skinned controls and the skin manager into the form description's class registry.
namespace qw {

class TClassRegistry;
void RegisterSkinControls(TClassRegistry& registry);

}  // namespace qw
