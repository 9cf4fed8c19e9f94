#pragma once
// The record the skin editor sends a program in preview mode (WM_COPYDATA): a skin name, its folder and
// the full text of a skin description to show in place of the skin's own. The bytes come from another
// process, so nothing in them is trusted: a record is read only when it is complete, carries the
// editor's mark, and every text ends inside its own field.
#include <cstddef>
#include <cstdint>
#include <string>

namespace qw {

// The record's layout: the mark, then three zero-terminated 8-bit texts in fields of fixed size.
inline constexpr uint32_t kPreviewMagic = 0xA400;
inline constexpr size_t kPreviewNameOffset = 4, kPreviewNameSize = 128;
inline constexpr size_t kPreviewFolderOffset = 132, kPreviewFolderSize = 513;
inline constexpr size_t kPreviewTextOffset = 645, kPreviewTextSize = 30001;
inline constexpr size_t kPreviewRecordSize = 30646;
static_assert(kPreviewNameOffset + kPreviewNameSize == kPreviewFolderOffset &&
              kPreviewFolderOffset + kPreviewFolderSize == kPreviewTextOffset &&
              kPreviewTextOffset + kPreviewTextSize == kPreviewRecordSize);

// The texts of an accepted record, in the sender's code page, without their terminating zeros.
struct TPreviewRecord {
  std::string SkinName;
  std::string SkinFolder;
  std::string Description;
};

enum class TPreviewVerdict {
  Accepted,
  NoData,            // no bytes at all
  TooShort,          // fewer bytes than a record holds
  ForeignMark,       // not the editor's record
  NameUnbounded,     // a text runs to the end of its field without a terminating zero
  FolderUnbounded,
  DescriptionUnbounded,
};

// Reads a record from the Size bytes at Data (only the record's own bytes, when more are given). The
// record is filled only when the answer is Accepted.
TPreviewVerdict ParsePreviewRecord(const void* data, size_t size, TPreviewRecord& record);

}  // namespace qw
