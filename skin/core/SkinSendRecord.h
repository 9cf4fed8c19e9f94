#pragma once
// Which skin command this thread is sending right now, and whether a skin command that arrives may be
// honoured. A command whose LParam is an address (a record to fill, a bitmap, a control) is ours to
// follow only when it is the very send in progress: the same receiver, code and LParam, sent by our own
// thread. Anything else with that number (posted by another process and dispatched by a modal loop such
// as a message box's or a popup menu's) is refused before a handler could read or write through it.
#include <cstdint>

#include "skin/data/SkinCommands.h"

namespace qw {

// A skin command on its way: the receiver (its window, or its control object for a direct dispatch; the
// one not known is null), the sub-code and the LParam. Identities are compared, never followed.
struct TSkinSend {
  const void* Window = nullptr;
  const void* Control = nullptr;
  TSkinCommand Code = static_cast<TSkinCommand>(0);
  intptr_t LParam = 0;
};

// The sub-codes whose LParam the receiver reads or writes through.
bool SkinCommandCarriesAddress(TSkinCommand code);

// Whether a receiver honours Received: every code that carries no address is honoured; one that does
// only when it came from our own thread and matches SendInProgress (the innermost send of this thread,
// null when none) in code and LParam and in the receiver's window or control.
bool SkinCommandHonoured(const TSkinSend* sendInProgress, const TSkinSend& received, bool fromOwnThread);

// Records a send for as long as the receiver runs; scopes nest, the innermost is the send in progress.
class TSkinSendScope {
 public:
  explicit TSkinSendScope(const TSkinSend& send);
  ~TSkinSendScope();
  TSkinSendScope(const TSkinSendScope&) = delete;
  TSkinSendScope& operator=(const TSkinSendScope&) = delete;

  // The innermost send of this thread, or null.
  static const TSkinSend* InProgress();

 private:
  TSkinSend FSend;
  const TSkinSendScope* FOuter;
};

}  // namespace qw
