#pragma once
// Puts the skin manager (TsSkinManager) into the form description's class registry, with the properties
// a window stores for it: the stored skins, the skin directory and name, menu and wrapping settings.
#include "skin/data/SkinManager.h"

namespace qw {

class TClassRegistry;
void RegisterSkinManagerClass(TClassRegistry& registry);

// The services every manager made from a description gets (the system's own by default). Tests set
// fakes here before reading a window, for instance to record the error box instead of showing it.
void SetDescriptionSkinServices(const TSkinServices& services);

}  // namespace qw
