#pragma once
// Writes a parsed description back as text that parses to the same tree: two spaces per level, one
// property per line, strings as quoted UTF-8 with #nnn for control characters and unpaired surrogates.
#include <string>

#include "fw/FormParser.h"

namespace qw {

std::string FormDescriptionText(const TFormObject& form);

}  // namespace qw
