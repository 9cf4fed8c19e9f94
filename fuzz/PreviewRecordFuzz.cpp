// The skin editor's preview record comes from another process. Inputs are fed as they are, or, when
// they begin with 'C', in a compact form that spells a whole record in a few bytes: flags (1: foreign
// mark, 2: cut short by the next two bytes), then for each text its length (two bytes, at most its
// field), a fill byte, a count and that many of its first bytes (the rest is the fill). The verdict must
// agree with a plain reading of the record, and an accepted record hold exactly its texts.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "skin/frame/PreviewRecord.h"

namespace {

const size_t kOffsets[3] = {qw::kPreviewNameOffset, qw::kPreviewFolderOffset, qw::kPreviewTextOffset};
const size_t kSizes[3] = {qw::kPreviewNameSize, qw::kPreviewFolderSize, qw::kPreviewTextSize};

std::vector<uint8_t> Expand(const uint8_t* data, size_t size) {
  const auto byte = [&]() -> size_t { return size > 0 ? (--size, *data++) : 0; };
  const auto word = [&] {
    const size_t low = byte();
    return low + 256 * byte();
  };
  std::vector<uint8_t> r(qw::kPreviewRecordSize, 0);
  const size_t flags = byte(), cut = (flags & 2) ? word() % qw::kPreviewRecordSize + 1 : 0;
  r[1] = (flags & 1) ? 0xA5 : 0xA4;
  for (int f = 0; f < 3; ++f) {
    const size_t length = std::min(word(), kSizes[f]), fill = byte(), given = std::min({length, byte(), size});
    std::memset(r.data() + kOffsets[f], static_cast<int>(fill), length);
    std::memcpy(r.data() + kOffsets[f], data, given);
    data += given, size -= given;
  }
  r.resize(r.size() - cut);
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const bool compact = size > 0 && data[0] == 'C';
  const std::vector<uint8_t> b = compact ? Expand(data + 1, size - 1) : std::vector<uint8_t>(data, data + size);
  qw::TPreviewRecord out{"untouched", "", ""};
  const auto verdict = qw::ParsePreviewRecord(b.empty() ? nullptr : b.data(), b.size(), out);
  const bool accepted = verdict == qw::TPreviewVerdict::Accepted;
  bool whole = b.size() >= qw::kPreviewRecordSize && b[0] == 0 && b[1] == 0xA4 && b[2] == 0 && b[3] == 0;
  for (int f = 0; whole && f < 3; ++f) whole = std::memchr(b.data() + kOffsets[f], 0, kSizes[f]) != nullptr;
  const std::string* texts[3] = {&out.SkinName, &out.SkinFolder, &out.Description};
  for (int f = 0; accepted && f < 3; ++f) {
    const std::string& t = *texts[f];
    const bool exact = t.size() < kSizes[f] && std::memcmp(b.data() + kOffsets[f], t.c_str(), t.size() + 1) == 0;
    if (!exact || t.find('\0') != std::string::npos) std::abort();
  }
  if (whole != accepted || (!accepted && out.SkinName != "untouched")) std::abort();
  return 0;
}
