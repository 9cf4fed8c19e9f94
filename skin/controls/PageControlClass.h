#pragma once
// The stored properties of the skinned page control and its sheets.

namespace qw {

class TClassRegistry;

void RegisterPageControlClass(TClassRegistry& registry);

}  // namespace qw
