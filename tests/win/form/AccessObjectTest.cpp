// A skinned control's accessible object in process: its default action runs from the message loop, and
// once the control is gone it answers CO_E_OBJNOTCONNECTED instead of reaching freed memory. The
// caption's object: its button where the frame paints it, clicked by its default action. The events of
// what has no window of its own (a label) and of the frame's objects.
#include <initguid.h>
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <functional>

#include "skin/access/AccessHost_win.h"
#include "skin/controls/sCheckBox.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMemo.h"
#include "skin/frame/SkinProvider_win.h"
#include "tests/win/form/FormTestSupport.h"

namespace qw {
namespace {

TEST(AccessObject, AnswersActsAndOutlivesItsControlSafely) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  {
    test::TGeneratorWindow window;
    TsCheckBox* box = window->sCheckBox6;
    const LRESULT answer = SendMessageW(box->Handle(), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
    IAccessible* acc = nullptr;
    ASSERT_EQ(ObjectFromLresult(answer, IID_IAccessible, 0, reinterpret_cast<void**>(&acc)), S_OK);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    ASSERT_EQ(acc->get_accRole(self, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_EQ(acc->accDoDefaultAction(self), S_OK);
    EXPECT_FALSE(box->Checked()) << "the action waits for the message loop";
    test::Pump();
    EXPECT_TRUE(box->Checked());

    std::unique_ptr<TComponent> gone = window.Form->ExtractComponent(box);
    window->sCheckBox6 = nullptr;
    gone.reset();
    BSTR name = nullptr;
    EXPECT_EQ(acc->get_accName(self, &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accDoDefaultAction(self), CO_E_OBJNOTCONNECTED);
    acc->Release();
  }
  CoUninitialize();
}

// A control whose description sends its own window a message, as a control reading its text does; the
// window notes its baseline on every message, as the skinned controls do.
class TTalkativeSource : public TAccessSource {
 public:
  void DescribeAccess(TAccessFacts&, std::vector<TAccessElement>&) override {
    ++Described;
    SendMessageW(Window, WM_NULL, 0, 0);
  }
  void DoAccessDefaultAction(int) override {}
  HWND Window = nullptr;
  int Described = 0;
};

TEST(AccessObject, NotesItsBaselineOnceWhenDescribingSendsMessages) {
  static TTalkativeSource source;
  static TAccessHost host(source);
  const auto proc = [](HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    host.NoteBaseline();
    return DefWindowProcW(wnd, msg, wParam, lParam);
  };
  source.Window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(source.Window, nullptr);
  SetWindowLongPtrW(source.Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+proc));
  SendMessageW(source.Window, WM_NULL, 0, 0);
  SendMessageW(source.Window, WM_NULL, 0, 0);
  EXPECT_EQ(source.Described, 1);
  DestroyWindow(source.Window);
}

// The changes of one object of a window this process announces, as a listener out of its context hears
// them: the event and the element's id.
std::vector<std::pair<DWORD, LONG>> GChanges;
std::pair<HWND, LONG> GObject;
void CALLBACK RecordChange(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (std::pair(window, object) == GObject && event != EVENT_OBJECT_LOCATIONCHANGE) GChanges.emplace_back(event, child);
}

TEST(AccessObject, ALabelAndTheFramesObjectsAnnounceEachChangeOnce) {
  test::TGeneratorWindow window;
  HWND form = window.Form->Handle(), history = window->sMemo1->Handle();
  window->sMemo1->SetText(std::wstring(40, L'\n'));
  test::Pump();
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &RecordChange,
                                             GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  using TChanges = decltype(GChanges);
  const struct {
    std::function<void()> act;
    std::pair<HWND, LONG> object;
    TChanges changes;
  } cases[] = {
      // The status label is the box's element 1, and the box without a caption is named after it.
      {[&] { window->sLabel1->SetCaption(L"Saved"); }, {window->sGroupBox5->Handle(), OBJID_CLIENT},
       TChanges{{EVENT_OBJECT_NAMECHANGE, 0}, {EVENT_OBJECT_NAMECHANGE, 1}}},
      {[&] { SendMessageW(history, WM_VSCROLL, SB_LINEDOWN, 0); }, {history, OBJID_VSCROLL}, TChanges{{EVENT_OBJECT_VALUECHANGE, 0}}},
      // A modal window disables the form: its caption and its Close button (element 1) take no clicks.
      {[&] { EnableWindow(form, FALSE); }, {form, OBJID_TITLEBAR},
       TChanges{{EVENT_OBJECT_STATECHANGE, 0}, {EVENT_OBJECT_STATECHANGE, 1}}},
  };
  for (const auto& c : cases) {
    GChanges.clear();
    GObject = c.object;
    c.act();
    test::Pump();
    EXPECT_EQ(GChanges, c.changes) << "object " << c.object.second;
  }
  UnhookWinEvent(hook);
  EnableWindow(form, TRUE);
}

TEST(AccessObject, TheCaptionsCloseButtonIsReadAndClosesTheWindowByItsAction) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  {
    test::TGeneratorWindow window;
    HWND form = window.Form->Handle();
    const LRESULT answer = SendMessageW(form, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_TITLEBAR));
    IAccessible* acc = nullptr;
    ASSERT_EQ(ObjectFromLresult(answer, IID_IAccessible, 0, reinterpret_cast<void**>(&acc)), S_OK);
    VARIANT close{};
    close.vt = VT_I4;
    close.lVal = 1;
    BSTR name = nullptr;
    ASSERT_EQ(acc->get_accName(close, &name), S_OK);
    EXPECT_STREQ(name, L"Закрыть");
    SysFreeString(name);
    long x = 0, y = 0, w = 0, h = 0;
    RECT wr{};
    GetWindowRect(form, &wr);
    ASSERT_EQ(acc->accLocation(&x, &y, &w, &h, close), S_OK);
    const TRect read{x - wr.left, y - wr.top, x - wr.left + w, y - wr.top + h};
    EXPECT_EQ(read, window->sSkinProvider1->ButtonOf(HTCLOSE)->Rect);
    EXPECT_EQ(acc->accDoDefaultAction(close), S_OK);
    test::Pump();
    EXPECT_FALSE(IsWindow(form) && IsWindowVisible(form));
    acc->Release();
  }
  CoUninitialize();
}

}  // namespace
}  // namespace qw
