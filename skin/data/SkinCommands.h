#pragma once
// The skin command message that carries every skin change and query between the manager and the
// windows, and its sub-codes. (The framework's own notifications, FW_*, live with the framework.)
#include <cstdint>
#include <string>

namespace qw {

// The skin command message number. Fixed, not registered: two senders use the literal value, and
// receivers name it as a case of their message switch.
inline constexpr uint32_t SkinCommandMsg = 0xA100;

// Sub-codes, carried in the high word of WParam.
enum TSkinCommand : uint16_t {
  skcNewSkin = 1,
  skcRemoveSkin = 2,
  skcRefresh = 3,
  skcGetProvider = 4,
  skcChildPainted = 5,
  skcEndParentUpdate = 6,
  skcIsSkinned = 7,
  skcSetUpdating = 8,
  skcSetUrgentPainting = 9,
  skcQueryUpdating = 10,
  skcQueryHalfVisible = 11,
  skcSectionChanged = 13,
  skcMenuBorder = 14,
  skcSetSection = 15,
  skcStopFading = 16,
  skcSetBGChanged = 17,
  skcAnimRepaint = 18,
  skcQueryParentBG = 19,
  skcParentBGChanged = 20,
  skcGetColor = 21,
  skcSetHalfVisible = 22,
  skcPrepareCache = 23,
  skcFadeFrame = 24,
  skcAddControls = 25,
  skcGetSkinIndex = 26,
  skcGetManager = 27,
  skcMouseEnter = 29,
  skcMouseLeave = 30,
  skcBeginUpdate = 31,
  skcEndUpdate = 32,
  skcClearCache = 33,
  skcPaintBackground = 34,
  skcGetDisabledBlend = 35,
  skcGetSkinState = 36,
  skcGetCommonData = 37,
  skcSetPrintDC = 38,
  skcBeforeScroll = 51,
  skcAfterScroll = 52,
  skcGetApplication = 60,
  skcGetClientOffset = 61,
  skcTitleChanged = 62,
};

// The record skcSetSection points to: the section name is its second field.
struct TsSectionRecord {
  intptr_t Reserved = 0;
  std::u16string SectionName;
};

// WParam of a skin command: the sub-code in the high word, a flag (1 = on) in the low word.
constexpr uintptr_t SkinCommandWParam(TSkinCommand code, uint16_t flag = 0) {
  return (uintptr_t{code} << 16) | flag;
}
constexpr TSkinCommand SkinCommandCode(uintptr_t wParam) { return static_cast<TSkinCommand>((wParam >> 16) & 0xFFFF); }

}  // namespace qw
