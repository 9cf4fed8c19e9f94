#pragma once
// Puts the frame component (TsSkinProvider) into the form description's class registry with the
// properties a window stores for it.
namespace qw {

class TClassRegistry;
void RegisterSkinProviderClass(TClassRegistry& registry);

}  // namespace qw
