// The skin editor's preview record: accepted whole (extra bytes ignored), rejected when short, absent,
// foreign or with a text that does not end inside its field.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "skin/frame/PreviewRecord.h"

namespace qw {
namespace {

std::vector<unsigned char> Record(const std::string& text, size_t size = kPreviewRecordSize) {
  std::vector<unsigned char> r(size, 0);
  r[1] = 0xA4;
  std::memcpy(r.data() + kPreviewNameOffset, "MetroUI", 7);
  std::memcpy(r.data() + kPreviewFolderOffset, "c:\\Skins", 8);
  std::memcpy(r.data() + kPreviewTextOffset, text.data(), text.size());
  return r;
}

TEST(PreviewRecord, WholeRecordsGiveTheirTextsTruncatedAbsentForeignAndUnboundedOnesNothing) {
  const std::string longest(kPreviewTextSize - 1, 'x');
  std::vector<unsigned char> r = Record(longest, kPreviewRecordSize + 100);
  r.back() = 'y';  // what follows the record is not read
  TPreviewRecord out;
  ASSERT_EQ(ParsePreviewRecord(r.data(), r.size(), out), TPreviewVerdict::Accepted);
  EXPECT_EQ(std::tie(out.SkinName, out.SkinFolder, out.Description), std::tie("MetroUI", "c:\\Skins", longest));

  r = Record("[GLOBALINFO]");
  EXPECT_EQ(ParsePreviewRecord(r.data(), kPreviewRecordSize - 1, out), TPreviewVerdict::TooShort);
  EXPECT_EQ(ParsePreviewRecord(nullptr, kPreviewRecordSize, out), TPreviewVerdict::NoData);
  for (auto [offset, size, verdict] : {std::tuple{size_t{2}, size_t{1}, TPreviewVerdict::ForeignMark},
                                       {kPreviewNameOffset, kPreviewNameSize, TPreviewVerdict::NameUnbounded},
                                       {kPreviewFolderOffset, kPreviewFolderSize, TPreviewVerdict::FolderUnbounded},
                                       {kPreviewTextOffset, kPreviewTextSize, TPreviewVerdict::DescriptionUnbounded}}) {
    std::vector<unsigned char> bad = r;
    std::memset(bad.data() + offset, 'A', size);  // the next field's zero must not end a text
    EXPECT_EQ(ParsePreviewRecord(bad.data(), bad.size(), out), verdict) << offset;
  }
  EXPECT_EQ(out.Description, longest) << "a rejected record changes nothing";
}

}  // namespace
}  // namespace qw
