// Controls destroyed while their windows are still being talked to: from their own click handler, with
// messages and timer ticks queued for them, with the focus on them, under a later subclasser. Nothing
// may reach the object once it is gone, and nothing thrown may leave a window procedure.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

#include "fw/Application.h"
#include "fw/Button.h"
#include "fw/Edit.h"
#include "fw/Form.h"
#include "fw/Panel.h"
#include "fw/Timer.h"
#include "tests/win/form/FormTestSupport.h"

namespace qw::test {
namespace {

// Objects of the guarded test classes live on pages of their own. Deleting one makes its pages
// inaccessible for good, so a later touch faults at once instead of reading stale memory; the fault is
// reported and ends the test program with a failure.
class TFreedPages {
 public:
  static void* Allocate(size_t size) {
    Install();
    void* p = VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!p) throw std::bad_alloc();
    return p;
  }
  static void Release(void* p, size_t size) {
    DWORD old = 0;
    VirtualProtect(p, size, PAGE_NOACCESS, &old);
    Freed().push_back({static_cast<const char*>(p), size});
  }

 private:
  struct TRange {
    const char* Start;
    size_t Size;
  };
  static std::vector<TRange>& Freed() {
    static std::vector<TRange> freed;
    return freed;
  }
  static void Install() {
    static PVOID handler = AddVectoredExceptionHandler(1, OnException);
    (void)handler;
  }
  static LONG CALLBACK OnException(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& r = *info->ExceptionRecord;
    if (r.ExceptionCode != EXCEPTION_ACCESS_VIOLATION || r.NumberParameters < 2) return EXCEPTION_CONTINUE_SEARCH;
    const auto* address = reinterpret_cast<const char*>(r.ExceptionInformation[1]);
    for (const TRange& range : Freed()) {
      if (address >= range.Start && address < range.Start + range.Size) {
        std::fprintf(stderr, "FAILED: a destroyed control was touched at %p\n", static_cast<const void*>(address));
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
      }
    }
    return EXCEPTION_CONTINUE_SEARCH;
  }
};

template <class Base>
class TGuarded : public Base {
 public:
  static void* operator new(size_t size) { return TFreedPages::Allocate(size); }
  static void operator delete(void* p, size_t size) { TFreedPages::Release(p, size); }
};

// A form to put controls on, shown and in the foreground.
class Teardown : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClientSize(Form, 240, 120);
    Form.Show();
    SetForegroundWindow(Form.Handle());
    Pump();
  }
  // A control that the test owns (not the form), so it can destroy it at any moment.
  template <class T>
  std::unique_ptr<T> Place(int left, int top, int width, int height, TWinControl* parent = nullptr) {
    std::unique_ptr<T> control(TComponent::Create<TGuarded<T>>(nullptr));
    control->SetBounds(left, top, width, height);
    control->SetParent(parent ? parent : &Form);
    return control;
  }
  TForm Form;
};

TEST_F(Teardown, AButtonDestroyedByItsOwnClickIsNotTouchedAfterwards) {
  auto button = Place<TButton>(10, 10, 80, 30);
  int clicks = 0;
  button->OnClick = [&](TComponent*) {
    ++clicks;
    button.reset();  // as a "close" button that takes its window with it
  };
  ClickAt(button->Handle(), 5, 5);  // the click comes from inside the system's handling of the release
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button);
}

TEST_F(Teardown, MessagesAndTicksQueuedForADestroyedControlNeverReachIt) {
  auto panel = Place<TPanel>(0, 0, 100, 60);  // a window of our own class
  auto edit = Place<TEdit>(110, 0, 100, 21);  // a subclassed system window
  for (HWND hwnd : {panel->Handle(), edit->Handle()}) {
    PostMessageW(hwnd, WM_USER + 1, 0, 0);
    PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PostMessageW(hwnd, WM_SETTEXT, 0, 0);
    SetTimer(hwnd, 1, 1, nullptr);
  }
  Sleep(20);  // the ticks are due
  panel.reset();
  edit.reset();
  Pump();
  Sleep(20);
  Pump();
  SUCCEED();  // a touch of either object would have ended the program
}

// Records what every message sent to one window finds when it arrives.
class TDestroyObserver {
 public:
  struct TSeen {
    UINT Msg;
    bool Attached;         // the window still led to a framework object
    bool SystemProcedure;  // the window's procedure was its class's own
  };
  explicit TDestroyObserver(HWND hwnd) : FWindow(hwnd) {
    FInstance = this;
    FHook = SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
  }
  ~TDestroyObserver() {
    UnhookWindowsHookEx(FHook);
    FInstance = nullptr;
  }
  bool Saw(UINT msg) const {
    for (const TSeen& s : Seen)
      if (s.Msg == msg) return true;
    return false;
  }
  std::vector<TSeen> Seen;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && FInstance && call.hwnd == FInstance->FWindow) {
      const bool system = static_cast<ULONG_PTR>(GetWindowLongPtrW(call.hwnd, GWLP_WNDPROC)) ==
                          GetClassLongPtrW(call.hwnd, GCLP_WNDPROC);
      FInstance->Seen.push_back({call.message, TWinControl::FromHandle(call.hwnd) != nullptr, system});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline TDestroyObserver* FInstance = nullptr;
  HWND FWindow;
  HHOOK FHook;
};

TEST_F(Teardown, AWindowIsDetachedAndGivenItsSystemProcedureBeforeItIsDestroyed) {
  auto edit = Place<TEdit>(0, 0, 100, 21);
  auto panel = Place<TPanel>(0, 30, 100, 60);
  edit->SetFocus();  // its destruction then also moves the focus
  Pump();
  auto check = [](const TDestroyObserver& observer, bool subclassed) {
    ASSERT_TRUE(observer.Saw(WM_DESTROY));
    ASSERT_TRUE(observer.Saw(WM_NCDESTROY));
    for (const auto& seen : observer.Seen) {
      EXPECT_FALSE(seen.Attached) << "message " << seen.Msg;
      EXPECT_TRUE(seen.SystemProcedure || !subclassed) << "message " << seen.Msg;
    }
  };
  {
    TDestroyObserver observer(edit->Handle());
    edit.reset();
    check(observer, true);
  }
  {
    TDestroyObserver observer(panel->Handle());
    panel.reset();
    check(observer, false);
  }
}

// A wrapper subclassed on top of the framework's procedure, as the skin engine puts them on windows.
struct TOuter {
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    // While the window goes, the wrapper asks the edit something only the edit knows.
    if (msg == WM_DESTROY) LinesAtDestroy = SendMessageW(h, EM_GETLINECOUNT, 0, 0);
    return CallWindowProcW(Next, h, msg, w, l);
  }
  static inline WNDPROC Next = nullptr;
  static inline LRESULT LinesAtDestroy = -1;
};

TEST_F(Teardown, AProcedureSubclassedOnTopOfOursStillReachesTheSystemAfterTheControlIsGone) {
  auto edit = Place<TEdit>(0, 0, 100, 21);
  HWND hwnd = edit->Handle();
  TOuter::Next = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TOuter::Proc)));
  edit.reset();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(TOuter::LinesAtDestroy, 1);  // answered by the system's edit, not by a default procedure
}

TEST_F(Teardown, TheFormForgetsADestroyedActiveControlAndOneWhoseContainerWent) {
  auto edit = Place<TEdit>(0, 0, 100, 21);
  edit->SetFocus();
  Pump();
  ASSERT_EQ(Form.ActiveControl(), static_cast<TWinControl*>(edit.get()));
  edit.reset();
  EXPECT_EQ(Form.ActiveControl(), nullptr);
  SendMessageW(Form.Handle(), WM_SETFOCUS, 0, 0);  // would give the focus back to the active control

  auto panel = Place<TPanel>(0, 30, 200, 60);
  auto inner = Place<TEdit>(5, 5, 100, 21, panel.get());
  inner->SetFocus();
  Pump();
  ASSERT_EQ(Form.ActiveControl(), static_cast<TWinControl*>(inner.get()));
  panel.reset();  // the edit stays, but off the form
  EXPECT_EQ(Form.ActiveControl(), nullptr);
  EXPECT_FALSE(inner->HandleAllocated());
  inner.reset();
  SendMessageW(Form.Handle(), WM_SETFOCUS, 0, 0);
}

TEST_F(Teardown, ADestroyedMainFormIsNoLongerTheApplicationsMainForm) {
  auto form = std::make_unique<TForm>();
  form->Show();
  Application().MainForm = form.get();
  form.reset();
  EXPECT_EQ(Application().MainForm, nullptr);
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));  // nothing asked the loop to end
}

// Collects what reaches the application's error report for the test's life.
class TReportedErrors {
 public:
  TReportedErrors() {
    Application().OnException = [this](const std::exception& e) { Texts.push_back(e.what()); };
  }
  ~TReportedErrors() { Application().OnException = nullptr; }
  std::vector<std::string> Texts;
};

TEST_F(Teardown, WhateverAHandlerThrowsStopsAtTheWindowProcedure) {
  auto button = Place<TButton>(10, 10, 80, 30);
  TReportedErrors errors;
  button->OnClick = [](TComponent*) { throw 42; };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  button->OnClick = [](TComponent*) { throw std::logic_error("from the handler"); };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(errors.Texts, (std::vector<std::string>{kUnknownExceptionText, "from the handler"}));

  // A report that fails in turn is dropped: the system's call still returns.
  Application().OnException = [](const std::exception&) { throw std::runtime_error("report failed"); };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
}

TEST_F(Teardown, WhateverATimerHandlerThrowsStopsAtItsWindowProcedure) {
  TTimer timer;
  timer.SetOnTimer([](TComponent*) { throw "a plain string"; });
  TReportedErrors errors;
  SendMessageW(timer.Handle(), WM_TIMER, 1, 0);
  EXPECT_EQ(errors.Texts, (std::vector<std::string>{kUnknownExceptionText}));
}

}  // namespace
}  // namespace qw::test
