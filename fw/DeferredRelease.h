#pragma once
// Objects that must not be freed where they are given up (a timer inside its own tick, a window inside
// its own message) are handed over here and freed once the message loop next runs.
#include <memory>

#include "base/Component.h"

namespace qw {

// Takes the object and frees it after the messages now being handled are done.
void ReleaseLater(std::unique_ptr<TComponent> object);
// Frees everything handed over so far (the loop does this on its own; tests and shutdown call it).
void ReleasePending();
// How many objects wait to be freed.
int PendingReleaseCount();

}  // namespace qw
