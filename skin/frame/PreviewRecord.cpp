#include "skin/frame/PreviewRecord.h"

#include <cstring>
#include <string_view>

namespace qw {

namespace {

// The text of a field up to its first zero; false when the field holds none.
bool FieldText(const unsigned char* record, size_t offset, size_t size, std::string_view& text) {
  const void* zero = std::memchr(record + offset, 0, size);
  if (zero == nullptr) return false;
  text = std::string_view(reinterpret_cast<const char*>(record) + offset,
                          static_cast<size_t>(static_cast<const unsigned char*>(zero) - (record + offset)));
  return true;
}

}  // namespace

TPreviewVerdict ParsePreviewRecord(const void* data, size_t size, TPreviewRecord& record) {
  if (data == nullptr) return TPreviewVerdict::NoData;
  if (size < kPreviewRecordSize) return TPreviewVerdict::TooShort;
  const auto* bytes = static_cast<const unsigned char*>(data);
  const uint32_t mark = bytes[0] | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
  if (mark != kPreviewMagic) return TPreviewVerdict::ForeignMark;
  std::string_view name, folder, text;
  if (!FieldText(bytes, kPreviewNameOffset, kPreviewNameSize, name)) return TPreviewVerdict::NameUnbounded;
  if (!FieldText(bytes, kPreviewFolderOffset, kPreviewFolderSize, folder)) return TPreviewVerdict::FolderUnbounded;
  if (!FieldText(bytes, kPreviewTextOffset, kPreviewTextSize, text)) return TPreviewVerdict::DescriptionUnbounded;
  record.SkinName.assign(name);
  record.SkinFolder.assign(folder);
  record.Description.assign(text);
  return TPreviewVerdict::Accepted;
}

}  // namespace qw
