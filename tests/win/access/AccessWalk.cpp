// A small screen-reader stand-in for the end-to-end tests. It reads a running program's window from
// outside, as assistive technology does, and prints numbers a script can check, one tab-separated line
// per object:
//   qw_access_walk tree TITLE          every child window's client object and its simple elements, the
//                                      window's title bar (T), the scroll bars a window answers for (S),
//                                      and the program's open popup menus (M):
//                                      W|T|S|M|E<id>  name  role  state(hex)  value  default-action  x,y,w,h  children
//                                      keyboard-shortcut
//   qw_access_walk events TITLE SECS [STOP]
//                                      the WinEvents the program raises for SECS seconds, or until the
//                                      file STOP exists:
//                                      EV  event(hex)  name  role  state(hex)  child
#include <initguid.h>
#include <windows.h>
#include <oleacc.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text, int length = -1) {
  if (!text) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
  if (length < 0 && !out.empty()) out.pop_back();
  return out;
}

VARIANT Child(long id) {
  VARIANT v{};
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

// A string property; tabs and line breaks become spaces so that a line stays one line.
template <class Getter>
std::string Text(Getter get) {
  BSTR b = nullptr;
  if (FAILED(get(&b)) || !b) return {};
  std::string s = Utf8(b, static_cast<int>(SysStringLen(b)));
  SysFreeString(b);
  for (char& c : s)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  return s;
}

struct TObjectLine {
  std::string Name, Value, Action, Shortcut;
  long Role = -1, State = -1;
  long X = 0, Y = 0, W = 0, H = 0;
};

TObjectLine Read(IAccessible* acc, long id) {
  TObjectLine o;
  o.Name = Text([&](BSTR* b) { return acc->get_accName(Child(id), b); });
  o.Value = Text([&](BSTR* b) { return acc->get_accValue(Child(id), b); });
  o.Action = Text([&](BSTR* b) { return acc->get_accDefaultAction(Child(id), b); });
  o.Shortcut = Text([&](BSTR* b) { return acc->get_accKeyboardShortcut(Child(id), b); });
  VARIANT role{}, state{};
  if (SUCCEEDED(acc->get_accRole(Child(id), &role)) && role.vt == VT_I4) o.Role = role.lVal;
  if (SUCCEEDED(acc->get_accState(Child(id), &state)) && state.vt == VT_I4) o.State = state.lVal;
  acc->accLocation(&o.X, &o.Y, &o.W, &o.H, Child(id));
  return o;
}

void Print(const char* kind, const TObjectLine& o, long children) {
  std::printf("%s\t%s\t%ld\t0x%lx\t%s\t%s\t%ld,%ld,%ld,%ld\t%ld\t%s\n", kind, o.Name.c_str(), o.Role,
              static_cast<unsigned long>(o.State), o.Value.c_str(), o.Action.c_str(), o.X, o.Y, o.W, o.H, children,
              o.Shortcut.c_str());
}

// The number of simple elements: children that have no object of their own.
long SimpleElements(IAccessible* acc) {
  long count = 0;
  if (FAILED(acc->get_accChildCount(&count))) return 0;
  long simple = 0;
  for (long id = 1; id <= count; ++id) {
    IDispatch* d = nullptr;
    const HRESULT hr = acc->get_accChild(Child(id), &d);
    if (d) d->Release();
    if (hr != S_FALSE) break;
    simple = id;
  }
  return simple;
}

// One object and its simple elements, when the window answers for that object. The system's stand-ins
// for scroll bars a window does not show say nothing worth a line.
void PrintObject(const char* kind, HWND w, LONG objectId) {
  IAccessible* acc = nullptr;
  if (FAILED(AccessibleObjectFromWindow(w, static_cast<DWORD>(objectId), IID_IAccessible, reinterpret_cast<void**>(&acc))))
    return;
  long count = 0;
  acc->get_accChildCount(&count);
  const TObjectLine self = Read(acc, CHILDID_SELF);
  const bool bar = objectId == OBJID_VSCROLL || objectId == OBJID_HSCROLL;
  if (!bar || (self.Role == ROLE_SYSTEM_SCROLLBAR && !(self.State & STATE_SYSTEM_INVISIBLE))) {
    Print(kind, self, count);
    const long simple = SimpleElements(acc);
    for (long id = 1; id <= simple; ++id) Print(("E" + std::to_string(id)).c_str(), Read(acc, id), 0);
  }
  acc->Release();
}

int Tree(HWND top) {
  std::vector<HWND> windows{top};
  EnumChildWindows(
      top, [](HWND w, LPARAM p) { return reinterpret_cast<std::vector<HWND>*>(p)->push_back(w), TRUE; },
      reinterpret_cast<LPARAM>(&windows));
  for (HWND w : windows) {
    PrintObject("W", w, OBJID_CLIENT);
    PrintObject("S", w, OBJID_VSCROLL);
    PrintObject("S", w, OBJID_HSCROLL);
  }
  PrintObject("T", top, OBJID_TITLEBAR);
  // Popup menus are windows of their own, owned by no one: the program's visible ones.
  DWORD process = 0;
  GetWindowThreadProcessId(top, &process);
  for (HWND menu = nullptr; (menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr;) {
    DWORD owner = 0;
    GetWindowThreadProcessId(menu, &owner);
    if (owner == process && IsWindowVisible(menu)) PrintObject("M", menu, OBJID_CLIENT);
  }
  return 0;
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND w, LONG object, LONG child, DWORD, DWORD) {
  // Where the system moves things about (locations, windows shown and made) is not what is checked.
  if (event != EVENT_OBJECT_FOCUS && event != EVENT_OBJECT_SELECTION && event != EVENT_OBJECT_STATECHANGE &&
      event != EVENT_OBJECT_NAMECHANGE && event != EVENT_OBJECT_VALUECHANGE &&
      event != EVENT_SYSTEM_MENUPOPUPSTART && event != EVENT_SYSTEM_MENUPOPUPEND)
    return;
  IAccessible* acc = nullptr;
  VARIANT id{};
  TObjectLine o;
  if (SUCCEEDED(AccessibleObjectFromEvent(w, static_cast<DWORD>(object), static_cast<DWORD>(child), &acc, &id)) && acc) {
    o = Read(acc, id.vt == VT_I4 ? id.lVal : CHILDID_SELF);
    acc->Release();
  }
  std::printf("EV\t0x%lx\t%s\t%ld\t0x%lx\t%ld\n", static_cast<unsigned long>(event), o.Name.c_str(), o.Role,
              static_cast<unsigned long>(o.State), static_cast<long>(child));
  std::fflush(stdout);
}

int Events(HWND top, int seconds, const wchar_t* stop) {
  DWORD process = 0;
  GetWindowThreadProcessId(top, &process);
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
  if (!hook) return std::fprintf(stderr, "no hook\n"), 1;
  std::printf("listening\n");  // the script acts once it reads this
  std::fflush(stdout);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  while (GetTickCount64() < end && !(stop && GetFileAttributesW(stop) != INVALID_FILE_ATTRIBUTES)) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  UnhookWinEvent(hook);
  return 0;
}

}  // namespace

int main() {
  // The arguments as the system has them: names are not in the ANSI code page.
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 3) return std::fprintf(stderr, "usage: qw_access_walk tree TITLE | events TITLE SECONDS [STOP]\n"), 2;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::string mode = Utf8(argv[1]);
  HWND top = FindWindowW(nullptr, argv[2]);
  if (!top) return std::fprintf(stderr, "no window titled %s\n", Utf8(argv[2]).c_str()), 1;
  int rc = 2;
  if (mode == "tree") rc = Tree(top);
  else if (mode == "events" && argc > 3) rc = Events(top, _wtoi(argv[3]), argc > 4 ? argv[4] : nullptr);
  CoUninitialize();
  return rc;
}
