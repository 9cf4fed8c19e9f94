#pragma once
// The error every image decoder raises. Its text is what the user reads in the error box, worded like
// "Cannot load image. CRC error found in PNG file."
#include <stdexcept>
#include <string>

namespace qw {

class EImageError : public std::runtime_error {
 public:
  explicit EImageError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace qw
