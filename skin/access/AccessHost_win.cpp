#include "skin/access/AccessHost_win.h"

#include <utility>

#include "base/FlagScope.h"
#include "base/SystemProc_win.h"
#include "skin/access/Accessible_win.h"

namespace qw {

namespace {

// COM and the system's accessible objects are looked up when a screen reader first asks: starting the
// program loads neither library.
HRESULT JoinApartment() {
  static auto* const join = SystemProc<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
  return join ? join(nullptr, COINIT_APARTMENTTHREADED) : E_NOTIMPL;
}

HRESULT StandardObject(HWND window, LONG objectId, IAccessible** object) {
  static auto* const create = SystemProc<decltype(CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
  return create ? create(window, objectId, IID_IAccessible, reinterpret_cast<void**>(object)) : E_NOTIMPL;
}

LRESULT ObjectResult(WPARAM flags, IAccessible* object) {
  static auto* const result = SystemProc<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
  return result ? result(IID_IAccessible, flags, object) : 0;
}

}  // namespace

TAccessHost::~TAccessHost() { Disconnect(); }

void TAccessHost::Disconnect() {
  if (!FObject) return;
  FObject->Disconnect();
  FObject->Release();
  FObject = nullptr;
}

bool TAccessHost::Answer(HWND window, WPARAM flags, LPARAM objectId, LRESULT& result) {
  if (static_cast<LONG>(objectId) != FObjectId || !window) return false;
  // A window made anew (RecreateWnd) gets an object of its own; clients of the old one are cut off.
  if (window != FWindow) Disconnect();
  if (!FObject) {
    // The object goes through COM's marshalling; a thread that never joined an apartment joins one here
    // (a second call only counts up, the thread keeps its apartment until it ends).
    static thread_local const bool joined = SUCCEEDED(JoinApartment());
    (void)joined;
    // The system may have no object for a part of the frame (Wine has none but for the client and the
    // window): then the object answers parent, place and navigation itself.
    IAccessible* standard = nullptr;
    if (FAILED(StandardObject(window, FObjectId, &standard))) {
      if (FObjectId == OBJID_CLIENT) return false;
      standard = nullptr;
    }
    FObject = new TqxAccessible(FSource, window, standard, FObjectId);
    FWindow = window;
  }
  result = ObjectResult(flags, static_cast<IAccessible*>(FObject));
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
  std::vector<TAccessAnswer> nowElements;
  nowElements.reserve(elements.size());
  for (const TAccessElement& e : elements) nowElements.push_back(AccessAnswerOf(e.Facts));
  const bool tell = FAnnouncedOnce && window;
  const TAccessAnswer before = std::exchange(FAnnounced, now);
  const std::vector<TAccessAnswer> elementsBefore = std::exchange(FAnnouncedElements, nowElements);
  FAnnouncedOnce = true;
  // Told once everything is noted: a listener in this process may ask the object again at once.
  if (!tell) return;
  Announce(window, 0, AccessChangesBetween(before, now));
  if (nowElements.size() != elementsBefore.size()) return;
  for (size_t i = 0; i < nowElements.size(); ++i)
    Announce(window, static_cast<long>(i + 1), AccessChangesBetween(elementsBefore[i], nowElements[i]));
}

void TAccessHost::Announce(HWND window, long child, const TAccessChanges& changes) const {
  if (changes.State) NotifyAccessEvent(EVENT_OBJECT_STATECHANGE, window, child, FObjectId);
  if (changes.Value) NotifyAccessEvent(EVENT_OBJECT_VALUECHANGE, window, child, FObjectId);
  if (changes.Name) NotifyAccessEvent(EVENT_OBJECT_NAMECHANGE, window, child, FObjectId);
}

TRect ClientRectOfWindowRect(HWND window, const TRect& inWindow) {
  RECT wr{};
  GetWindowRect(window, &wr);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int32_t dx = wr.left - origin.x, dy = wr.top - origin.y;
  return TRect{inWindow.Left + dx, inWindow.Top + dy, inWindow.Right + dx, inWindow.Bottom + dy};
}

void NotifyAccessEvent(DWORD event, HWND window, long child, LONG objectId) {
  if (window) NotifyWinEvent(event, window, objectId, child);
}

}  // namespace qw
