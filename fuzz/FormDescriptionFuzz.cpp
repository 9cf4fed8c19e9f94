// Any bytes must parse as a form description or raise EFormLoadError naming a line of the text: never
// crash, hang or run out of stack. What parses must survive being written back: the written text parses
// again and writes the same text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fw/FormParser.h"
#include "fw/FormWriter.h"

namespace {

// The line an error message names, or -1.
long ErrorLine(const char* what) {
  const std::string_view prefix = "Form description, line ";
  const std::string_view text = what;
  if (!text.starts_with(prefix)) return -1;
  return std::strtol(what + prefix.size(), nullptr, 10);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  qw::TFormObject form;
  try {
    form = qw::ParseFormDescription(text);
  } catch (const qw::EFormLoadError& e) {
    const long lines = static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1;
    const long line = ErrorLine(e.what());
    if (line < 1 || line > lines) std::abort();
    return 0;
  }
  const std::string written = qw::FormDescriptionText(form);
  try {
    if (qw::FormDescriptionText(qw::ParseFormDescription(written)) != written) std::abort();
  } catch (const qw::EFormLoadError&) {
    std::abort();  // the writer wrote what the parser refuses
  }
  return 0;
}
