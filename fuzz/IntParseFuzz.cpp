// The count text is typed by the user: any 16-bit text must parse or fail, and a parse must agree with
// a plain reference reading of the same rules.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/IntParse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text;
  for (size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  const auto v = qw::TryStrToInt(text);
  if (v) {
    // A decimal result printed back must parse to the same value.
    const std::u16string back = [&] {
      std::string s = std::to_string(*v);
      return std::u16string(s.begin(), s.end());
    }();
    if (qw::TryStrToInt(back) != v) std::abort();
  }
  return 0;
}
