#include "base/CommandLine.h"

namespace qw {

namespace {

bool Blank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::vector<std::u16string> CommandLineArguments(std::u16string_view line) {
  size_t i = 0;
  // The program's name: no escapes in it.
  if (i < line.size() && line[i] == u'"') {
    const size_t close = line.find(u'"', 1);
    i = close == std::u16string_view::npos ? line.size() : close + 1;
  }
  while (i < line.size() && !Blank(line[i])) ++i;
  std::vector<std::u16string> args;
  for (;;) {
    while (i < line.size() && Blank(line[i])) ++i;
    if (i >= line.size()) return args;
    std::u16string arg;
    bool quoted = false;
    while (i < line.size() && (quoted || !Blank(line[i]))) {
      size_t backslashes = 0;
      while (i < line.size() && line[i] == u'\\') ++backslashes, ++i;
      if (i < line.size() && line[i] == u'"') {
        arg.append(backslashes / 2, u'\\');
        if (backslashes % 2) {
          arg += u'"';
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        arg.append(backslashes, u'\\');
        if (i < line.size() && (quoted || !Blank(line[i]))) arg += line[i++];
      }
    }
    args.push_back(std::move(arg));
  }
}

}  // namespace qw
