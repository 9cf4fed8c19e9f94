// Window wrappers and the control adapter on real windows: which controls get a wrapper, the "QXSBSC"
// property over a wrapper's life, the wrapper leaving a chain that others joined after it, and the look a
// wrapped control gets and gives back. A plain form stands in for the frame component's form.
#include <gtest/gtest.h>

#include <memory>

#include "../form/FormTestSupport.h"
#include "FrameTestSupport.h"
#include "fw/CheckBox.h"
#include "fw/Edit.h"
#include "fw/GroupBox.h"
#include "fw/Memo.h"
#include "fw/PageControl.h"
#include "fw/Panel.h"
#include "skin/controls/CtrlAdapter_win.h"
#include "skin/controls/EditWnd_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"

namespace qw::test {
namespace {

// A foreign window (no framework control) created for the wrapper tests.
HWND MakeForeignEdit(HWND parent) {
  return CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 5, 5, 120,
                         60, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A plain form with controls the test places on it, beside the generator window whose manager (with the
// first stored skin) the adapter works with.
class AdapterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The test's adapter is the only one on the host: the window hook gives plain forms no frame here.
    Manager().SetSkinningRules(srStdDialogs | srThirdParty);
    Host = std::make_unique<TForm>();
    Host->SetClientWidth(320);
    Host->SetClientHeight(220);
    Host->Show();
  }
  void TearDown() override {
    Adapter.reset();
    while (!Owned.empty()) Owned.pop_back();
    Host.reset();
  }
  template <class T>
  T* Add(int left, int top, TWinControl* parent = nullptr) {
    auto control = std::make_unique<T>();
    T* raw = control.get();
    raw->SetBounds(left, top, 80, 40);
    raw->SetParent(parent ? parent : Host.get());
    Owned.push_back(std::move(control));
    return raw;
  }
  // The manager's lists in effect after the category lists are set.
  void SetList(int category, std::u16string name) {
    Manager().ThirdParty[size_t(category)] = {std::move(name)};
    Manager().Loaded();
  }
  TsSkinManager& Manager() { return *Window->sSkinManager1; }
  TqxCtrlAdapter& MakeAdapter() {
    Adapter = std::make_unique<TqxCtrlAdapter>(*Host, nullptr, &Manager());
    return *Adapter;
  }
  static TqxMainWnd* WrapperOf(TWinControl* c) { return TqxMainWnd::FromHandle(c->Handle()); }

  TGeneratorWindow Window;
  std::unique_ptr<TForm> Host;
  std::vector<std::unique_ptr<TControl>> Owned;
  std::unique_ptr<TqxCtrlAdapter> Adapter;
};

TEST_F(AdapterTest, ListedClassesAreWrappedTaggedAndUnlistedOnesAreNot) {
  SetList(tcEdits, u"TEdit");
  TEdit* listed = Add<TEdit>(5, 5);
  TEdit* tagged = Add<TEdit>(5, 50);
  tagged->Tag = kTagNotWrapped;
  TMemo* unlisted = Add<TMemo>(100, 5);
  TPanel* panel = Add<TPanel>(100, 100);
  TEdit* nested = Add<TEdit>(2, 2, panel);
  TqxCtrlAdapter& adapter = MakeAdapter();
  adapter.AddAllItems();
  ASSERT_EQ(adapter.Count(), 2);
  ASSERT_NE(WrapperOf(listed), nullptr);
  EXPECT_STREQ(WrapperOf(listed)->ClassName(), "TqxEditWnd");
  EXPECT_EQ(WrapperOf(listed), adapter.GetItem(adapter.IndexOf(listed))->ScrollWnd.get());
  EXPECT_NE(WrapperOf(nested), nullptr) << "children of containers are wrapped too";
  EXPECT_EQ(WrapperOf(tagged), nullptr);
  EXPECT_EQ(WrapperOf(unlisted), nullptr);
  EXPECT_EQ(WrapperOf(panel), nullptr);
  EXPECT_EQ(adapter.GetItem(2), nullptr);
  EXPECT_EQ(adapter.GetItem(-1), nullptr);
  // A second round wraps nothing twice.
  adapter.AddAllItems();
  EXPECT_EQ(adapter.Count(), 2);
  // Lines are whole class names, compared with case.
  SetList(tcEdits, u"tedit");
  EXPECT_EQ(ThirdPartyCategory(Manager(), "TEdit"), -1);
  SetList(tcEdits, u"TEdi");
  EXPECT_EQ(ThirdPartyCategory(Manager(), "TEdit"), -1);
}

TEST_F(AdapterTest, DestroyedControlLeavesItsItemToTheNextCleanUp) {
  SetList(tcEdits, u"TEdit");
  TEdit* edit = Add<TEdit>(5, 5);
  Add<TEdit>(5, 50);
  TqxCtrlAdapter& adapter = MakeAdapter();
  adapter.AddAllItems();
  ASSERT_EQ(adapter.Count(), 2);
  TqxMainWnd* wrapper = WrapperOf(edit);
  ASSERT_NE(wrapper, nullptr);
  HWND wnd = edit->Handle();
  Owned.erase(Owned.begin());  // the edit goes
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_TRUE(adapter.GetItem(0)->ScrollWnd->Destroyed);
  adapter.CleanItems();
  EXPECT_EQ(adapter.Count(), 1);
  // The message relay reaches only what is still wrapped.
  TMessage message{WM_NULL, 0, 0, 0};
  adapter.WndProc(message);
}

TEST_F(AdapterTest, EachCategoryGetsItsWrapperAndTheLookGoesBackAfterwards) {
  SetList(tcPanels, u"TPanel");
  SetList(tcGroupBoxes, u"TGroupBox");
  SetList(tcCheckBoxes, u"TCheckBox");
  SetList(tcScrollControls, u"TMemo");
  TPanel* panel = Add<TPanel>(5, 5);
  TGroupBox* group = Add<TGroupBox>(100, 5);
  TCheckBox* check = Add<TCheckBox>(200, 5);
  TMemo* memo = Add<TMemo>(5, 100);
  const TColor panelColor = panel->Color();
  TqxCtrlAdapter& adapter = MakeAdapter();
  adapter.AddAllItems();
  ASSERT_EQ(adapter.Count(), 4);
  EXPECT_STREQ(WrapperOf(panel)->ClassName(), "TqxPanelWnd");
  EXPECT_STREQ(WrapperOf(group)->ClassName(), "TqxGroupBoxWnd");
  EXPECT_STREQ(WrapperOf(check)->ClassName(), "TqxCheckBoxWnd");
  EXPECT_STREQ(WrapperOf(memo)->ClassName(), "TqxEditWnd");
  EXPECT_EQ(WrapperOf(memo)->SkinData->SkinSection(), u"PANEL_LOW");
  EXPECT_EQ(WrapperOf(panel)->SkinData->SkinSection(), u"PANEL");
  // Painted once, the panel wears the colour of the skin's PANEL section ...
  RedrawWindow(Host->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const TsSkinManager& m = Manager();
  const int section = m.GetSkinIndex(u"PANEL");
  ASSERT_TRUE(m.IsValidSkinIndex(section));
  EXPECT_EQ(panel->Color(), ColorToRGB(static_cast<TColor>(m.gd[size_t(section)].Props[0].Color)));
  // ... and the one it had when the adapter lets it go.
  HWND panelWnd = panel->Handle();
  adapter.RemoveAllItems();
  EXPECT_EQ(panel->Color(), panelColor);
  EXPECT_EQ(GetPropW(panelWnd, kWrapperProp), nullptr);
  EXPECT_EQ(adapter.Count(), 0);
}

TEST_F(AdapterTest, WindowsTheFrameworkDidNotBuildAreFoundByTheSystemsClassName) {
  SetList(tcEdits, u"Edit");
  TEdit* framework = Add<TEdit>(5, 5);  // a window of the system's class Edit too, found as TEdit
  HWND foreign = MakeForeignEdit(Host->Handle());
  TqxCtrlAdapter& adapter = MakeAdapter();
  adapter.AddAllItems();
  ASSERT_EQ(adapter.Count(), 1);
  ASSERT_NE(TqxMainWnd::FromHandle(foreign), nullptr);
  EXPECT_STREQ(TqxMainWnd::FromHandle(foreign)->ClassName(), "TqxEditWnd");
  EXPECT_EQ(WrapperOf(framework), nullptr);
  // An adapter of a window the framework did not build finds its children the same way.
  Adapter.reset();
  EXPECT_EQ(TqxMainWnd::FromHandle(foreign), nullptr);
  HWND dialog = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  HWND child = MakeForeignEdit(dialog);
  TqxCtrlAdapter byHandle(dialog, nullptr, &Manager());
  byHandle.AddAllItems();
  EXPECT_EQ(byHandle.IndexOf(child), 0);
  EXPECT_NE(TqxMainWnd::FromHandle(child), nullptr);
  byHandle.RemoveAllItems();
  DestroyWindow(dialog);
}

TEST_F(AdapterTest, PageAndTabControlsGetTheirWrappersAndThePagesOfAPageControlTheirsToo) {
  SetList(tcPageControls, u"TPageControl");
  auto* pages = Add<TPageControl>(5, 5);
  pages->SetBounds(5, 5, 200, 120);
  auto* first = Add<TTabSheet>(0, 0, pages);
  first->SetText(L"One");
  auto* second = Add<TTabSheet>(0, 0, pages);
  second->SetText(L"Two");
  pages->SetActivePage(first);
  TqxCtrlAdapter& adapter = MakeAdapter();
  adapter.AddAllItems();
  ASSERT_NE(WrapperOf(pages), nullptr);
  EXPECT_STREQ(WrapperOf(pages)->ClassName(), "TqxPageControlWnd");
  EXPECT_EQ(WrapperOf(pages)->SkinData->SkinSection(), u"PAGECONTROL");
  ASSERT_NE(WrapperOf(first), nullptr);
  EXPECT_STREQ(WrapperOf(first)->ClassName(), "TqxPageWnd");
  EXPECT_STREQ(WrapperOf(second)->ClassName(), "TqxPageWnd");
  // The pages go with the page control's wrapper.
  HWND firstWnd = first->Handle();
  adapter.RemoveAllItems();
  EXPECT_EQ(GetPropW(firstWnd, kWrapperProp), nullptr);
  EXPECT_EQ(GetPropW(pages->Handle(), kWrapperProp), nullptr);

  SetList(tcPageControls, u"");
  SetList(tcTabControls, u"TPageControl");
  adapter.AddAllItems();
  ASSERT_NE(WrapperOf(pages), nullptr);
  EXPECT_STREQ(WrapperOf(pages)->ClassName(), "TqxTabControlWnd");
  EXPECT_EQ(WrapperOf(first), nullptr);
}


// What a subclasser in front of the wrapper sees of the property while the window goes.
struct TNcDestroyProbe {
  bool PropertyAfterChain = true;
  bool Seen = false;
};
LRESULT CALLBACK NcDestroyProbeProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR ref) {
  const LRESULT result = DefSubclassProc(wnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    auto* probe = reinterpret_cast<TNcDestroyProbe*>(ref);
    probe->Seen = true;
    probe->PropertyAfterChain = GetPropW(wnd, kWrapperProp) != nullptr;
    RemoveWindowSubclass(wnd, &NcDestroyProbeProc, id);
  }
  return result;
}

// A handler behind the wrapper that refuses the window's destruction messages.
LRESULT CALLBACK RefusingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
  const LRESULT result = DefSubclassProc(wnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(wnd, &RefusingProc, id);
  return msg == WM_DESTROY || msg == WM_NCDESTROY ? 1 : result;
}

TEST(WindowWrapper, DestroyedWindowLosesItsPropertyWhateverItsHandlerAnswers) {
  TGeneratorWindow window;
  HWND edit = MakeForeignEdit(window->Handle());
  SetWindowSubclass(edit, &RefusingProc, 1, 0);
  auto wrapper = TqxMainWnd::Create<TqxEditWnd>(edit, true, u"", nullptr, nullptr);
  EXPECT_EQ(TqxMainWnd::FromHandle(edit), wrapper.get());
  TNcDestroyProbe probe;
  SetWindowSubclass(edit, &NcDestroyProbeProc, 2, reinterpret_cast<DWORD_PTR>(&probe));
  DestroyWindow(edit);
  EXPECT_TRUE(probe.Seen);
  EXPECT_FALSE(probe.PropertyAfterChain);
  EXPECT_TRUE(wrapper->Destroyed);
  ReleaseWrapper(std::move(wrapper));
}

// A subclasser that came after the wrapper, the old way: its procedure calls the one it replaced.
struct TLateSubclass {
  static inline WNDPROC Old = nullptr;
  static inline int SetText = 0;
  static inline int NcDestroy = 0;
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETTEXT) ++SetText;
    if (msg == WM_NCDESTROY) ++NcDestroy;
    return CallWindowProcW(Old, wnd, msg, wParam, lParam);
  }
};

TEST(WindowWrapper, FreedBeforeALaterSubclasserMessagesStillReachEveryone) {
  TGeneratorWindow window;
  HWND edit = MakeForeignEdit(window->Handle());
  TRecorderSubclass behind(edit, {WM_SETTEXT});
  auto wrapper = TqxMainWnd::Create<TqxEditWnd>(edit, true, u"", nullptr, nullptr);
  TLateSubclass::SetText = TLateSubclass::NcDestroy = 0;
  TLateSubclass::Old = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TLateSubclass::Proc)));
  ReleaseWrapper(std::move(wrapper));
  EXPECT_EQ(GetPropW(edit, kWrapperProp), nullptr);
  SetWindowTextW(edit, L"still here");
  wchar_t text[32] = {};
  GetWindowTextW(edit, text, 32);
  EXPECT_STREQ(text, L"still here") << "the edit itself got the text";
  EXPECT_EQ(TLateSubclass::SetText, 1);
  EXPECT_EQ(behind.Seen.size(), 1u) << "the link behind the freed wrapper still gets messages";
  Pump();
  DestroyWindow(edit);
  EXPECT_EQ(TLateSubclass::NcDestroy, 1);
}

TEST(WindowWrapper, FrameworkControlKeepsItsLaterHooksWhenTheWrapperGoes) {
  TGeneratorWindow window;
  auto host = std::make_unique<TForm>();
  host->Show();
  auto edit = std::make_unique<TEdit>();
  edit->SetBounds(5, 5, 100, 24);
  edit->SetParent(host.get());
  auto wrapper = TqxMainWnd::Create<TqxEditWnd>(edit->Handle(), false, u"", nullptr, nullptr);
  EXPECT_EQ(wrapper->Control(), edit.get());
  TRecorderHook front(*edit, {WM_SETTEXT, FW_TEXT_CHANGED});
  ReleaseWrapper(std::move(wrapper));
  edit->SetText(L"after");
  EXPECT_EQ(edit->Text(), L"after");
  EXPECT_FALSE(front.Seen.empty());
  EXPECT_EQ(GetPropW(edit->Handle(), kWrapperProp), nullptr);
  edit.reset();  // the remaining hook is told; nothing reaches a freed object
  host.reset();
}

}  // namespace
}  // namespace qw::test
