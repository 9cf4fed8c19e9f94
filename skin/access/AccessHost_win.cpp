#include "skin/access/AccessHost_win.h"

#include "base/FlagScope.h"
#include "skin/access/Accessible_win.h"

namespace qw {

TAccessHost::~TAccessHost() { Disconnect(); }

void TAccessHost::Disconnect() {
  if (!FObject) return;
  FObject->Disconnect();
  FObject->Release();
  FObject = nullptr;
}

bool TAccessHost::Answer(HWND window, WPARAM flags, LPARAM objectId, LRESULT& result) {
  if (static_cast<LONG>(objectId) != OBJID_CLIENT || !window) return false;
  // A window made anew (RecreateWnd) gets an object of its own; clients of the old one are cut off.
  if (window != FWindow) Disconnect();
  if (!FObject) {
    // The object goes through COM's marshalling; a thread that never joined an apartment joins one here
    // (a second call only counts up, the thread keeps its apartment until it ends).
    static thread_local const bool joined = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    (void)joined;
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&standard))))
      return false;
    FObject = new TqxAccessible(FSource, window, standard);
    FWindow = window;
  }
  result = LresultFromObject(IID_IAccessible, flags, static_cast<IAccessible*>(FObject));
  return true;
}

void TAccessHost::AnnounceChanges(HWND window) {
  // Describing the control may send it messages (its text, its position), and each message it handles
  // notes its baseline when none is noted yet: without this guard every control described itself some sixty times over, nested.
  if (FDescribing) return;
  TAccessFacts self;
  std::vector<TAccessElement> elements;
  {
    TFlagScope describing(FDescribing);
    FSource.DescribeAccess(self, elements);
  }
  const TAccessAnswer now = AccessAnswerOf(self);
  const TAccessChanges changes = AccessChangesBetween(FAnnounced, now);
  const bool tell = FAnnouncedOnce && window;
  FAnnounced = now;
  FAnnouncedOnce = true;
  if (!tell) return;
  if (changes.State) NotifyAccessEvent(EVENT_OBJECT_STATECHANGE, window);
  if (changes.Value) NotifyAccessEvent(EVENT_OBJECT_VALUECHANGE, window);
  if (changes.Name) NotifyAccessEvent(EVENT_OBJECT_NAMECHANGE, window);
}

void NotifyAccessEvent(DWORD event, HWND window, long child) {
  if (window) NotifyWinEvent(event, window, OBJID_CLIENT, child);
}

}  // namespace qw
