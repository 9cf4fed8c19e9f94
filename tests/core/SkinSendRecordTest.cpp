// Which skin commands a receiver honours: address-carrying ones only as the send in progress of our
// own thread, to the same receiver with the same code and LParam.
#include <gtest/gtest.h>

#include "skin/core/SkinSendRecord.h"

namespace qw {
namespace {

int GWindow, GOtherWindow, GControl;

TEST(SkinSendRecord, AddressCommandsAreHonouredOnlyAsTheSendInProgress) {
  const TSkinSend inProgress{&GWindow, &GControl, skcPaintBackground, 0x1234};
  struct TCase {
    const char* What;
    const TSkinSend* InProgress;
    TSkinSend Received;
    bool OwnThread;
    bool Honoured;
  } cases[] = {
      {"our send, by window", &inProgress, {&GWindow, nullptr, skcPaintBackground, 0x1234}, true, true},
      {"our send, by direct dispatch", &inProgress, {nullptr, &GControl, skcPaintBackground, 0x1234}, true, true},
      {"posted while nothing is sent", nullptr, {&GWindow, &GControl, skcPaintBackground, 0x1234}, true, false},
      {"another thread's send", &inProgress, {&GWindow, &GControl, skcPaintBackground, 0x1234}, false, false},
      {"another address", &inProgress, {&GWindow, &GControl, skcPaintBackground, 0x9999}, true, false},
      {"another code", &inProgress, {&GWindow, &GControl, skcGetSkinIndex, 0x1234}, true, false},
      {"another receiver", &inProgress, {&GOtherWindow, nullptr, skcPaintBackground, 0x1234}, true, false},
      {"a receiver known by nothing", &inProgress, {nullptr, nullptr, skcPaintBackground, 0x1234}, true, false},
      {"a control joins the addresses", nullptr, {&GWindow, nullptr, skcAddControls, 0x1234}, true, false},
      {"news carries no address", nullptr, {&GWindow, nullptr, skcRefresh, 0x1234}, false, true},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(SkinCommandHonoured(c.InProgress, c.Received, c.OwnThread), c.Honoured) << c.What;
}

TEST(SkinSendRecord, ScopesNestAndTheInnermostIsInProgress) {
  EXPECT_EQ(TSkinSendScope::InProgress(), nullptr);
  {
    TSkinSendScope outer({&GWindow, nullptr, skcPaintBackground, 1});
    {
      TSkinSendScope inner({&GOtherWindow, nullptr, skcGetSkinIndex, 2});
      EXPECT_EQ(TSkinSendScope::InProgress()->LParam, 2);
    }
    EXPECT_EQ(TSkinSendScope::InProgress()->LParam, 1);
  }
  EXPECT_EQ(TSkinSendScope::InProgress(), nullptr);
}

}  // namespace
}  // namespace qw
