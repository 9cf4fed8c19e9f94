#include <cstdio>

#include "base/Utf.h"
#include "tools/common/ToolMain.h"

namespace qw {

int RunToolMain(int argc, char** argv, TToolRun run) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf8ToUtf16(argv[i]));
  std::string out, err;
  const int rc = run(args, out, err);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fwrite(err.data(), 1, err.size(), stderr);
  return rc;
}

}  // namespace qw
