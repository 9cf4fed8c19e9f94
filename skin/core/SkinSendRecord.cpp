#include "skin/core/SkinSendRecord.h"

namespace qw {

namespace {

thread_local const TSkinSendScope* GInnermost = nullptr;

}  // namespace

bool SkinCommandCarriesAddress(TSkinCommand code) {
  switch (code) {
    case skcSetSection:
    case skcFadeFrame:
    case skcAddControls:
    case skcGetSkinIndex:
    case skcPaintBackground:
    case skcGetDisabledBlend:
      return true;
    default:
      return false;
  }
}

bool SkinCommandHonoured(const TSkinSend* sendInProgress, const TSkinSend& received, bool fromOwnThread) {
  if (!SkinCommandCarriesAddress(received.Code)) return true;
  if (!fromOwnThread || !sendInProgress) return false;
  if (sendInProgress->Code != received.Code || sendInProgress->LParam != received.LParam) return false;
  const bool sameWindow = sendInProgress->Window && sendInProgress->Window == received.Window;
  const bool sameControl = sendInProgress->Control && sendInProgress->Control == received.Control;
  return sameWindow || sameControl;
}

TSkinSendScope::TSkinSendScope(const TSkinSend& send) : FSend(send), FOuter(GInnermost) { GInnermost = this; }

TSkinSendScope::~TSkinSendScope() { GInnermost = FOuter; }

const TSkinSend* TSkinSendScope::InProgress() { return GInnermost ? &GInnermost->FSend : nullptr; }

}  // namespace qw
