#pragma once
// The error a skin load raises. Its text is what the user reads in the engine's error box.
#include <stdexcept>
#include <string>

namespace qw {

class ESkinError : public std::runtime_error {
 public:
  explicit ESkinError(const std::string& text) : std::runtime_error(text) {}
};

// The text of the integer conversion error a strict number of a description raises.
std::string InvalidIntegerText(const std::u16string& value);

}  // namespace qw
