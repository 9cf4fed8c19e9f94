// Real files nobody here wrote: the PNG conformance suite and the Go image test files, which must
// all decode (their pixels are compared with a reference decoder in native/PngReferenceTest.cpp),
// files known to be broken, which must fail with EImageError, and damaged files of another image
// library's test set, which must decode or fail cleanly, never crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "image/ImageError.h"
#include "image/PngDecoder.h"
#include "tests/support/FileBytes.h"

namespace qw {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpora = QW_CORPORA_DIR;
const fs::path kGoPng = kCorpora / "golang-1.19-src/usr/share/go-1.19/src/image/png/testdata";
const fs::path kPixbuf = kCorpora / "gdk-pixbuf-tests/usr/libexec/installed-tests/gdk-pixbuf";

std::vector<fs::path> PngFiles(const fs::path& dir, bool recursive) {
  std::vector<fs::path> out;
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return out;
  auto add = [&](const fs::directory_entry& e) {
    if (e.is_regular_file() && e.path().extension() == ".png") out.push_back(e.path());
  };
  if (recursive) {
    for (const auto& e : fs::recursive_directory_iterator(dir)) add(e);
  } else {
    for (const auto& e : fs::directory_iterator(dir)) add(e);
  }
  std::sort(out.begin(), out.end());
  return out;
}

// Broken on purpose: the suite's x... files and Go's invalid-... files. Go's invalid-palette.png is
// a sound file whose pixels use indexes past its palette, which we read as opaque black.
bool MustFail(const fs::path& p) {
  const std::string name = p.filename().string();
  return (name[0] == 'x' || name.rfind("invalid-", 0) == 0) && name != "invalid-palette.png";
}

TEST(PngConformance, SuiteAndGoFilesDecodeAndBrokenOnesFail) {
  auto files = PngFiles(kGoPng / "pngsuite", false);
  const auto more = PngFiles(kGoPng, false);
  files.insert(files.end(), more.begin(), more.end());
  if (files.empty()) GTEST_SKIP() << "corpora not fetched (scripts/fetch-corpora.sh)";
  int decoded = 0, failed = 0;
  for (const fs::path& p : files) {
    const auto bytes = testutil::ReadFileBytes(p);
    SCOPED_TRACE(p.filename().string());
    if (MustFail(p)) {
      EXPECT_THROW(DecodePng(bytes.data(), bytes.size()), EImageError);
      ++failed;
    } else {
      const TBitmap32 bmp = DecodePng(bytes.data(), bytes.size());
      EXPECT_FALSE(bmp.Empty());
      ++decoded;
    }
  }
  EXPECT_GE(decoded, 40);
  EXPECT_GE(failed, 4);
}

TEST(PngConformance, DamagedFilesDecodeOrFailCleanly) {
  const auto files = PngFiles(kPixbuf, true);
  if (files.empty()) GTEST_SKIP() << "corpora not fetched (scripts/fetch-corpora.sh)";
  int failed = 0;
  for (const fs::path& p : files) {
    const auto bytes = testutil::ReadFileBytes(p);
    SCOPED_TRACE(p.string());
    try {
      DecodePng(bytes.data(), bytes.size());
    } catch (const EImageError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Cannot load image. ", 0), 0u);
      ++failed;
    }
  }
  // test-images/fail alone holds five files no reader should accept.
  EXPECT_GE(failed, 5);
}

TEST(PngConformance, EveryOtherCorpusPngDecodesOrFailsCleanly) {
  // The image folders only: walking the whole Go source tree costs seconds under Wine.
  auto files = PngFiles(kCorpora / "golang-1.19-src/usr/share/go-1.19/src/image", true);
  const auto more = PngFiles(kCorpora / "golang-golang-x-image-dev/usr/share/gocode/src/golang.org/x/image", true);
  files.insert(files.end(), more.begin(), more.end());
  if (files.empty()) GTEST_SKIP() << "corpora not fetched (scripts/fetch-corpora.sh)";
  for (const fs::path& p : files) {
    const auto bytes = testutil::ReadFileBytes(p);
    SCOPED_TRACE(p.string());
    try {
      DecodePng(bytes.data(), bytes.size());
    } catch (const EImageError&) {
    }
  }
}

}  // namespace
}  // namespace qw
