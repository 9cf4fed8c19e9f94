#pragma once
// The published properties of the skinned group box, panel and labels beyond their skin data.
namespace qw {

class TClassRegistry;

void RegisterBoxAndLabelClasses(TClassRegistry& registry);

}  // namespace qw
