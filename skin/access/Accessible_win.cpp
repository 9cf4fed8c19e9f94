#include "skin/access/Accessible_win.h"

#include <iterator>

#include "base/SystemProc_win.h"

namespace qw {

namespace {

// The automation and accessibility libraries are looked up when a screen reader first asks: starting the
// program loads neither.
BSTR ToBstr(const std::u16string& text) {
  static auto* const allocate = SystemProc<decltype(SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
  if (text.empty() || !allocate) return nullptr;
  return allocate(reinterpret_cast<const wchar_t*>(text.data()), static_cast<UINT>(text.size()));
}

// An empty variant, as the system's VariantInit leaves it.
void MakeEmpty(VARIANT* out) { out->vt = VT_EMPTY; }

void SetI4(VARIANT* out, long value) {
  MakeEmpty(out);
  out->vt = VT_I4;
  out->lVal = value;
}

}  // namespace

TqxAccessible::TqxAccessible(TAccessSource& source, HWND window, IAccessible* standard, LONG objectId)
    : FSource(&source), FWindow(window), FStandard(standard), FObjectId(objectId) {}

TqxAccessible::~TqxAccessible() {
  if (FStandard) FStandard->Release();
}

void TqxAccessible::Disconnect() {
  FSource = nullptr;
  FElements.clear();
  if (FStandard) FStandard->Release();
  FStandard = nullptr;
}

// ---- IUnknown, IDispatch -----------------------------------------------------------------------------

HRESULT TqxAccessible::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IAccessible)) {
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG TqxAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&FRefs)); }

ULONG TqxAccessible::Release() {
  const LONG left = InterlockedDecrement(&FRefs);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT TqxAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

// ---- What the control says -----------------------------------------------------------------------------

bool TqxAccessible::Snapshot() {
  if (!FSource) return false;
  FSelf = TAccessFacts{};
  FElements.clear();
  FSource->DescribeAccess(FSelf, FElements);
  return true;
}

long TqxAccessible::ElementOf(const VARIANT& child) const {
  if (child.vt != VT_I4) return -1;
  if (child.lVal == CHILDID_SELF) return 0;
  return child.lVal > 0 && child.lVal <= static_cast<long>(FElements.size()) ? child.lVal : -1;
}

HRESULT TqxAccessible::AnswerFor(const VARIANT& child, TAccessAnswer& answer) {
  if (!Snapshot()) return CO_E_OBJNOTCONNECTED;
  const long id = ElementOf(child);
  if (id < 0) return E_INVALIDARG;
  answer = AccessAnswerOf(id == 0 ? FSelf : FElements[static_cast<size_t>(id - 1)].Facts);
  return S_OK;
}

HRESULT TqxAccessible::StringAnswer(const VARIANT& child, std::u16string TAccessAnswer::*field, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  TAccessAnswer answer;
  const HRESULT hr = AnswerFor(child, answer);
  if (FAILED(hr)) return hr;
  *out = ToBstr(answer.*field);
  return *out ? S_OK : S_FALSE;
}

HRESULT TqxAccessible::get_accName(VARIANT child, BSTR* out) { return StringAnswer(child, &TAccessAnswer::Name, out); }
HRESULT TqxAccessible::get_accValue(VARIANT child, BSTR* out) { return StringAnswer(child, &TAccessAnswer::Value, out); }
HRESULT TqxAccessible::get_accDefaultAction(VARIANT child, BSTR* out) {
  return StringAnswer(child, &TAccessAnswer::DefaultAction, out);
}
HRESULT TqxAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* out) {
  return StringAnswer(child, &TAccessAnswer::Shortcut, out);
}

HRESULT TqxAccessible::get_accDescription(VARIANT child, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!Snapshot()) return CO_E_OBJNOTCONNECTED;
  return ElementOf(child) < 0 ? E_INVALIDARG : S_FALSE;
}
HRESULT TqxAccessible::get_accHelp(VARIANT child, BSTR* out) { return get_accDescription(child, out); }
HRESULT TqxAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = -1;
  return FSource ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT TqxAccessible::get_accRole(VARIANT child, VARIANT* out) {
  if (!out) return E_POINTER;
  TAccessAnswer answer;
  const HRESULT hr = AnswerFor(child, answer);
  if (FAILED(hr)) return hr;
  SetI4(out, answer.Role);
  return S_OK;
}

HRESULT TqxAccessible::get_accState(VARIANT child, VARIANT* out) {
  if (!out) return E_POINTER;
  TAccessAnswer answer;
  const HRESULT hr = AnswerFor(child, answer);
  if (FAILED(hr)) return hr;
  SetI4(out, static_cast<long>(answer.State));
  return S_OK;
}

// ---- The tree: the elements first, then the window's child windows as the system counts them -------------

// Only a client has child windows; the system's children of a part of the frame (its own caption
// buttons, its scroll bar's arrows) are what the skin replaced.
bool TqxAccessible::HasWindowChildren() const { return FStandard && FObjectId == OBJID_CLIENT; }

HRESULT TqxAccessible::get_accParent(IDispatch** parent) {
  if (!FSource) return CO_E_OBJNOTCONNECTED;
  if (FStandard) return FStandard->get_accParent(parent);
  // A part of the frame the system has no object for belongs to the window's object.
  if (!parent) return E_POINTER;
  static auto* const fromWindow = SystemProc<decltype(AccessibleObjectFromWindow)>(L"oleacc.dll", "AccessibleObjectFromWindow");
  if (!fromWindow) return E_NOTIMPL;
  return fromWindow(FWindow, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch, reinterpret_cast<void**>(parent));
}

HRESULT TqxAccessible::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  if (!Snapshot()) return CO_E_OBJNOTCONNECTED;
  long windows = 0;
  if (!HasWindowChildren() || FAILED(FStandard->get_accChildCount(&windows))) windows = 0;
  *count = static_cast<long>(FElements.size()) + windows;
  return S_OK;
}

HRESULT TqxAccessible::get_accChild(VARIANT child, IDispatch** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!Snapshot()) return CO_E_OBJNOTCONNECTED;
  if (child.vt != VT_I4) return E_INVALIDARG;
  const long elements = static_cast<long>(FElements.size());
  if (child.lVal > 0 && child.lVal <= elements) return S_FALSE;  // a simple element: no object of its own
  if (!HasWindowChildren()) return E_INVALIDARG;
  VARIANT windowChild = child;
  if (child.lVal > elements) windowChild.lVal -= elements;
  return FStandard->get_accChild(windowChild, out);
}

HRESULT TqxAccessible::get_accFocus(VARIANT* out) {
  if (!out) return E_POINTER;
  if (!FSource) return CO_E_OBJNOTCONNECTED;
  if (FStandard) return FStandard->get_accFocus(out);
  MakeEmpty(out);
  return S_FALSE;
}

HRESULT TqxAccessible::get_accSelection(VARIANT* out) {
  if (!out) return E_POINTER;
  if (!Snapshot()) return CO_E_OBJNOTCONNECTED;
  MakeEmpty(out);
  for (size_t i = 0; i < FElements.size(); ++i)
    if (FElements[i].Facts.Selected) {
      SetI4(out, static_cast<long>(i + 1));
      return S_OK;
    }
  return S_FALSE;
}

HRESULT TqxAccessible::accSelect(long flags, VARIANT child) {
  if (!FSource) return CO_E_OBJNOTCONNECTED;
  return FStandard ? FStandard->accSelect(flags, child) : E_NOTIMPL;
}

HRESULT TqxAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  if (!Snapshot()) return CO_E_OBJNOTCONNECTED;
  const long id = ElementOf(child);
  if (id < 0) return E_INVALIDARG;
  if (id == 0 && FStandard) return FStandard->accLocation(left, top, width, height, child);
  TRect r{};
  if (id > 0) r = FElements[static_cast<size_t>(id - 1)].Bounds;
  else if (!FSource->AccessBounds(r)) return S_FALSE;
  POINT corners[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
  MapWindowPoints(FWindow, nullptr, corners, 2);
  *left = corners[0].x;
  *top = corners[0].y;
  *width = corners[1].x - corners[0].x;
  *height = corners[1].y - corners[0].y;
  return S_OK;
}

HRESULT TqxAccessible::accNavigate(long direction, VARIANT start, VARIANT* out) {
  if (!out) return E_POINTER;
  if (!Snapshot()) return CO_E_OBJNOTCONNECTED;
  const long id = ElementOf(start);
  const long count = static_cast<long>(FElements.size());
  MakeEmpty(out);
  long to = 0;
  if (id == 0 && direction == NAVDIR_FIRSTCHILD && count > 0) to = 1;
  else if (id == 0 && direction == NAVDIR_LASTCHILD && count > 0) to = count;
  else if (id > 0 && (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT)) to = id < count ? id + 1 : 0;
  else if (id > 0 && (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT)) to = id - 1;
  else if (id == 0) return FStandard ? FStandard->accNavigate(direction, start, out) : S_FALSE;
  else if (id < 0) return E_INVALIDARG;
  if (to <= 0) return S_FALSE;
  SetI4(out, to);
  return S_OK;
}

HRESULT TqxAccessible::accHitTest(long x, long y, VARIANT* out) {
  if (!out) return E_POINTER;
  if (!Snapshot()) return CO_E_OBJNOTCONNECTED;
  POINT pt{x, y};
  ScreenToClient(FWindow, &pt);
  for (size_t i = FElements.size(); i-- > 0;) {
    const TRect& r = FElements[i].Bounds;
    if (pt.x >= r.Left && pt.x < r.Right && pt.y >= r.Top && pt.y < r.Bottom) {
      SetI4(out, static_cast<long>(i + 1));
      return S_OK;
    }
  }
  if (HasWindowChildren()) return FStandard->accHitTest(x, y, out);
  long left = 0, top = 0, width = 0, height = 0;
  VARIANT self;
  SetI4(&self, CHILDID_SELF);
  if (accLocation(&left, &top, &width, &height, self) != S_OK || x < left || x >= left + width || y < top ||
      y >= top + height)
    return S_FALSE;
  SetI4(out, CHILDID_SELF);
  return S_OK;
}

HRESULT TqxAccessible::accDoDefaultAction(VARIANT child) {
  TAccessAnswer answer;
  const HRESULT hr = AnswerFor(child, answer);
  if (FAILED(hr)) return hr;
  if (answer.DefaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
  return PostMessageW(FWindow, FW_ACCESS_ACTION, static_cast<WPARAM>(ElementOf(child)), static_cast<LPARAM>(FObjectId))
             ? S_OK
             : E_FAIL;
}

}  // namespace qw
