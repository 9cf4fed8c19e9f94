#include <cstdio>

#include "base/Utf.h"
#include "tools/qxskin/QxSkinCommand.h"

int main(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(qw::Utf8ToUtf16(argv[i]));
  std::string out, err;
  const int rc = qw::RunQxSkin(args, out, err);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fwrite(err.data(), 1, err.size(), stderr);
  return rc;
}
