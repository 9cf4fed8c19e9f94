// The window framework on its own: the description reader's errors, ownership and notifications, the
// message chain's notifications and reflections, and windowless controls under the mouse.
#include <gtest/gtest.h>

#include <windows.h>

#include "fw/Button.h"
#include "fw/ClassRegistry.h"
#include "fw/Form.h"
#include "fw/FormReader.h"
#include "fw/Label.h"
#include "fw/Menu.h"
#include "fw/Panel.h"
#include "fw/Edit.h"
#include "skin/controls/SkinManagerClass.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinCommands.h"
#include "tests/win/form/FormTestSupport.h"

namespace qw::test {
namespace {

// Records the framework's numbers that reach it, and counts the mouse moves.
template <class Base>
class TRecorder : public Base {
 public:
  void WndProc(TMessage& message) override {
    if (IsFrameworkMessage(message.Msg)) Seen.push_back(message.Msg);
    if (message.Msg == WM_MOUSEMOVE) ++Moves;
    Base::WndProc(message);
  }
  bool Saw(UINT msg) const { return std::find(Seen.begin(), Seen.end(), msg) != Seen.end(); }
  std::vector<UINT> Seen;
  int Moves = 0;
};

class TTestForm : public TForm {
 public:
  const char* ClassName() const override { return "TTestForm"; }
  TNotifyEvent FindHandler(const std::string& name) override {
    if (name == "Clicked") return [this](TComponent* sender) { Clicks.push_back(sender); };
    return {};
  }
  std::vector<TComponent*> Clicks;
};

const TClassRegistry& TestRegistry() {
  static bool once = [] {
    ClassRegistry().Register("TTestForm", "TForm", nullptr);
    ClassRegistry().Register<TRecorder<TLabel>>("TRecordingLabel", "TLabel");
    ClassRegistry().Register<TRecorder<TBitBtn>>("TRecordingButton", "TBitBtn");
    RegisterSkinManagerClass(ClassRegistry());
    return true;
  }();
  (void)once;
  return ClassRegistry();
}

std::string FrameworkLoadError(const std::string& text) {
  TTestForm form;
  TFormReader reader(form, TestRegistry());
  try {
    reader.ReadForm(text);
  } catch (const EFormLoadError& e) {
    return e.what();
  }
  return "loaded";
}

TEST(FormReader, NamesTheLineOfEveryMistake) {
  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  object A: TNoSuchClass\n  end\nend\n"),
            "Form description, line 2: unknown class TNoSuchClass");
  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  Caption = 'x'\n  Colour = clRed\nend\n"),
            "Form description, line 3: unknown property TTestForm.Colour");
  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  object B: TBitBtn\n    OnClick = Missing\n  end\nend\n"),
            "Form description, line 3: unknown event handler Missing");
  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  object P: TPanel\n    PopupMenu = Nowhere\n  end\nend\n"),
            "Form description, line 3: unknown component Nowhere");
  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  Caption = 'open\nend\n"), "Form description, line 2: unterminated string");
  EXPECT_EQ(FrameworkLoadError("object F: TOther\nend\n"), "Form description, line 1: the description is for TOther, not TTestForm");
  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  Left = 1\n"), "Form description, line 3: missing 'end'");
  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  object T: TTimer\n    Left = 3\n  end\nend\n"),
            "Form description, line 3: unknown property TTimer.Left");
  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  Left = 99999999999\nend\n"), "Form description, line 2: expected a 32-bit integer");
}

TEST(FormReader, CollectionsOfItemsWithResourceData) {
  TTestForm form;
  TFormReader reader(form, TestRegistry());
  reader.ReadForm(
      "object F: TTestForm\n"
      "  object S: TsSkinManager\n"
      "    InternalSkins = <\n"
      "      item\n        Name = 'One'\n        Data = resource('SKIN_METROUI')\n        Shadow1Blur = 3\n      end\n"
      "      item\n        Name = 'Two'\n      end>\n"
      "    SkinName = 'One'\n"
      "    ThirdParty.ThirdEdits.Strings = (\n      'TEdit'\n      'TMemo')\n"
      "  end\n"
      "end\n");
  auto* m = dynamic_cast<TsSkinManager*>(form.FindComponent("S"));
  ASSERT_TRUE(m);
  ASSERT_EQ(m->InternalSkins.size(), 2u);
  EXPECT_EQ(m->InternalSkins[0].Name, u"One");
  EXPECT_EQ(m->InternalSkins[0].Shadow1Blur, 3);
  ASSERT_GT(m->InternalSkins[0].Data.size(), 4u);
  EXPECT_EQ(std::string(m->InternalSkins[0].Data.begin(), m->InternalSkins[0].Data.begin() + 4), "VLzf");
  EXPECT_TRUE(m->InternalSkins[1].Data.empty());
  EXPECT_EQ(m->SkinName(), u"One");  // loaded from the stored data while reading
  EXPECT_EQ(m->SkinInfo(), u"8");
  EXPECT_EQ(m->ThirdLists()[0], (std::vector<std::u16string>{u"TEdit", u"TMemo"}));

  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  object S: TsSkinManager\n    InternalSkins = <\n      item\n"
                      "        Colour = 1\n      end>\n  end\nend\n"),
            "Form description, line 5: unknown property TsStoredSkin.Colour");
  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  object S: TsSkinManager\n    InternalSkins = <\n      thing\n"
                      "      end>\n  end\nend\n"),
            "Form description, line 4: expected 'item' or '>'");
  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  object S: TsSkinManager\n    InternalSkins = <\n      item\n"
                      "        Data = resource('NO_SUCH')\n      end>\n  end\nend\n"),
            "Form description, line 5: the program has no resource NO_SUCH");
  EXPECT_EQ(FrameworkLoadError("object F: TTestForm\n  object S: TsSkinManager\n    InternalSkins = 'x'\n  end\nend\n"),
            "Form description, line 3: expected a collection < item ... end >");
}

TEST(FormReader, BuildsTheTreeSetsPropertiesBindsEventsAndCallsLoadedLast) {
  TTestForm form;
  TFormReader reader(form, TestRegistry());
  reader.ReadForm(
      "object F: TTestForm\n"
      "  Caption = 'A' +\n    #1041'c''d'\n"
      "  ClientWidth = 200\n"
      "  ClientHeight = 100\n"
      "  object P: TPanel\n"
      "    Left = 5\n    Top = 6\n    Width = 50\n    Height = 40\n"
      "    PopupMenu = M\n"
      "    object L: TRecordingLabel\n      Caption = 'label'\n      OnClick = Clicked\n    end\n"
      "  end\n"
      "  object M: TPopupMenu\n    object I: TMenuItem\n      Caption = 'item'\n      OnClick = Clicked\n    end\n  end\n"
      "end\n");
  EXPECT_EQ(form.Caption(), L"A\u0411c'd");
  ASSERT_EQ(form.ComponentCount(), 4);
  auto* panel = dynamic_cast<TPanel*>(form.FindComponent("P"));
  auto* label = dynamic_cast<TRecorder<TLabel>*>(form.FindComponent("L"));
  auto* menu = dynamic_cast<TPopupMenu*>(form.FindComponent("M"));
  ASSERT_TRUE(panel && label && menu);
  EXPECT_EQ(label->Parent(), static_cast<TWinControl*>(panel));
  EXPECT_EQ(panel->PopupMenu(), menu);
  EXPECT_EQ(menu->Count(), 1);
  EXPECT_FALSE(label->IsLoading());
  EXPECT_TRUE(form.Clicks.empty());  // nothing ran while reading
  label->Click();
  menu->Items(0)->Click();
  EXPECT_EQ(form.Clicks, (std::vector<TComponent*>{label, menu->Items(0)}));
}

TEST(Component, OwnerDestroysInReverseOrderAndClearsReferencesToTheRemoved) {
  TTestForm form;
  auto* panel = TComponent::Create<TPanel>(&form);
  auto* menu = TComponent::Create<TPopupMenu>(&form);
  panel->SetParent(&form);
  panel->SetPopupMenu(menu);
  form.DestroyComponents();  // the menu goes first and the panel hears of it
  EXPECT_EQ(form.ComponentCount(), 0);
  EXPECT_EQ(form.ControlCount(), 0);
}

TEST(Control, SettersRaiseTheFrameworkNotificationsWithTheirFixedNumbers) {
  static_assert(FW_TEXT_CHANGED == 0xB012 && FW_MOUSE_ENTER == 0xB013 && FW_MOUSE_LEAVE == 0xB014 &&
                FW_ENABLED_CHANGED == 0xB00C && FW_VISIBLE_CHANGED == 0xB00B && FW_FONT_CHANGED == 0xB00E &&
                FW_COLOR_CHANGED == 0xB00D && FW_ENTER == 0xB01A && FW_EXIT == 0xB01B);
  static_assert(CN_KEYDOWN == 0xBD00 && CN_DRAWITEM == 0xBC2B && CN_COMMAND == 0xBD11);
  TRecorder<TLabel> label;
  label.SetText(L"x");
  label.SetEnabled(false);
  label.SetVisible(false);
  label.Font().SetHeight(-20);
  label.SetColor(clRed);
  EXPECT_EQ(label.Seen, (std::vector<UINT>{FW_TEXT_CHANGED, FW_ENABLED_CHANGED, FW_VISIBLE_CHANGED, FW_FONT_CHANGED,
                                           FW_COLOR_CHANGED}));
  EXPECT_FALSE(label.ParentFont());
}

TEST(WinControl, ParentNotificationsComeBackToTheControlReflected) {
  TTestForm form;
  form.SetClientWidth(200);
  form.SetClientHeight(100);
  auto* button = TComponent::Create<TRecorder<TBitBtn>>(&form);
  button->SetBounds(10, 10, 80, 30);
  button->SetText(L"Go");
  button->SetParent(&form);
  button->OnClick = [&form](TComponent* sender) { form.Clicks.push_back(sender); };
  form.Show();
  Pump();
  UpdateWindow(button->Handle());
  EXPECT_TRUE(button->Saw(CN_DRAWITEM));
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(button->Saw(CN_COMMAND));
  EXPECT_EQ(form.Clicks.size(), 1u);
}

TEST(WinControl, ACaptionChangeRepaintsAWindowThatDrawsItsOwnCaption) {
  TTestForm form;
  form.SetClientWidth(200);
  form.SetClientHeight(100);
  auto* panel = TComponent::Create<TPanel>(&form);
  panel->SetBounds(0, 0, 100, 40);
  panel->SetText(L"before");
  panel->SetParent(&form);
  form.Show();
  Pump();
  UpdateWindow(panel->Handle());
  RECT dirty{};
  ASSERT_FALSE(GetUpdateRect(panel->Handle(), &dirty, FALSE));
  panel->SetCaption(L"after");
  EXPECT_TRUE(GetUpdateRect(panel->Handle(), &dirty, FALSE));
  EXPECT_EQ(panel->Caption(), L"after");

  // Told to show no text at all (WM_SETTEXT without a string), it shows an empty one.
  std::vector<std::string> errors;
  Application().OnException = [&](const std::exception& e) { errors.push_back(e.what()); };
  SetWindowTextW(panel->Handle(), nullptr);
  Application().OnException = nullptr;
  EXPECT_TRUE(errors.empty()) << errors.front();
  EXPECT_EQ(panel->Caption(), L"");
}

TEST(WinControl, WindowlessChildrenGetMouseEnterLeaveAndClicksInTheirOwnCoordinates) {
  TTestForm form;
  form.SetClientWidth(200);
  form.SetClientHeight(100);
  auto* label = TComponent::Create<TRecorder<TLabel>>(&form);
  label->SetAutoSize(false);
  label->SetBounds(50, 20, 40, 20);
  label->SetParent(&form);
  label->OnClick = [&form](TComponent* sender) { form.Clicks.push_back(sender); };
  form.Show();
  Pump();
  SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(60, 25));
  EXPECT_TRUE(label->Saw(FW_MOUSE_ENTER));
  EXPECT_FALSE(label->Saw(FW_MOUSE_LEAVE));
  SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(label->Saw(FW_MOUSE_LEAVE));
  ClickAt(form.Handle(), 10, 10);  // beside the label: no click
  EXPECT_TRUE(form.Clicks.empty());
  ClickAt(form.Handle(), 89, 39);  // its bottom-right pixel
  EXPECT_EQ(form.Clicks.size(), 1u);
}

TEST(WinControl, FocusMovesRaiseEnterAndExit) {
  TTestForm form;
  form.SetClientWidth(200);
  form.SetClientHeight(100);
  auto* a = TComponent::Create<TRecorder<TBitBtn>>(&form);
  auto* b = TComponent::Create<TRecorder<TBitBtn>>(&form);
  a->SetBounds(0, 0, 50, 20);
  b->SetBounds(60, 0, 50, 20);
  a->TabOrder = 0;
  b->TabOrder = 1;
  a->SetParent(&form);
  b->SetParent(&form);
  form.Show();
  SetForegroundWindow(form.Handle());
  a->SetFocus();
  Pump();
  b->SetFocus();
  Pump();
  EXPECT_TRUE(a->Saw(FW_ENTER));
  EXPECT_TRUE(a->Saw(FW_EXIT));
  EXPECT_TRUE(b->Saw(FW_ENTER));
  EXPECT_EQ(form.ActiveControl(), static_cast<TWinControl*>(b));
}

TEST(WinControl, AnExceptionInAHandlerReachesTheApplicationNotTheSystem) {
  TTestForm form;
  form.SetClientWidth(100);
  form.SetClientHeight(50);
  auto* button = TComponent::Create<TBitBtn>(&form);
  button->SetBounds(0, 0, 50, 20);
  button->SetParent(&form);
  button->OnClick = [](TComponent*) { throw std::runtime_error("boom"); };
  form.Show();
  std::string reported;
  Application().OnException = [&](const std::exception& e) { reported = e.what(); };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  Application().OnException = nullptr;
  EXPECT_EQ(reported, "boom");
}

TEST(Canvas, PaintingLeavesNoGdiObjectsBehind) {
  TTestForm form;
  form.SetClientWidth(200);
  form.SetClientHeight(100);
  auto* label = TComponent::Create<TLabel>(&form);
  label->SetText(L"text");
  label->SetParent(&form);
  form.Show();
  Pump();
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 200; ++i) {
    InvalidateRect(form.Handle(), nullptr, TRUE);
    UpdateWindow(form.Handle());
  }
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
}

// ---- The loop's filters, the mouse's capture, input events and notifications ----------------------------

TEST(Application, TheSkinCommandFilterAndTheProgramsOwnHandlerBothRunWhicheverCameFirst) {
  for (const bool handlerFirst : {true, false}) {
    std::vector<UINT> handled;
    const auto handler = [&handled](MSG& msg) {
      if (msg.message >= WM_APP) handled.push_back(msg.message);
      return false;
    };
    if (handlerFirst) Application().OnMessage = handler;
    InstallSkinCommandFilter();
    if (!handlerFirst) Application().OnMessage = handler;
    PostThreadMessageW(GetCurrentThreadId(), WM_APP + 1, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), SkinCommandMsg, SkinCommandWParam(skcSetBGChanged), 0);
    Pump();
    Application().OnMessage = nullptr;
    Application().RemoveMessageFilter(kSkinCommandFilter);
    // The program's handler saw its message; the filter dropped the posted skin command before it.
    EXPECT_EQ(handled, std::vector<UINT>{WM_APP + 1}) << "handler first: " << handlerFirst;
  }
}

// Closes whatever menu is open, from inside the menu's own loop.
void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

TEST(WinControl, AWindowlessChildKeepsTheMouseForItsPressOnlyUntilTheCaptureGoesElsewhere) {
  TTestForm form;
  SetClientSize(form, 200, 100);
  auto* a = TComponent::Create<TRecorder<TLabel>>(&form);
  auto* b = TComponent::Create<TRecorder<TLabel>>(&form);
  for (auto [label, left] : {std::pair{a, 10}, std::pair{b, 100}}) {
    label->SetAutoSize(false);
    label->SetBounds(left, 10, 40, 20);
    label->SetParent(&form);
  }
  auto* menu = TComponent::Create<TPopupMenu>(&form);
  menu->Add(TComponent::Create<TMenuItem>(&form));
  a->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) {
    SetTimer(nullptr, 0, 50, CloseOpenMenu);
    menu->PopupComponent = a;
    menu->Popup(0, 0);
  };
  form.Show();
  Pump();
  HWND w = form.Handle();
  const auto movesAfterMoveTo = [w](TRecorder<TLabel>* label, int x) {
    const int before = label->Moves;
    SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(x, 20));
    return label->Moves - before;
  };
  // The press opened a menu, which took the mouse: its release never comes here.
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  Pump();
  EXPECT_EQ(movesAfterMoveTo(b, 110), 1) << "the move over the other control reaches it";
  EXPECT_EQ(a->Moves, 0);

  // Another button's press and release on the same control leave the left press holding the mouse.
  a->OnMouseDown = nullptr;
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  SendMessageW(w, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(20, 20));
  SendMessageW(w, WM_RBUTTONUP, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_EQ(GetCapture(), w);
  EXPECT_EQ(movesAfterMoveTo(a, 110), 1) << "still the pressed control's";
  SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(110, 20));
  EXPECT_NE(GetCapture(), w);
  EXPECT_EQ(movesAfterMoveTo(b, 110), 1);
}

TEST(Control, ButtonsRaiseMouseDownUpAndDoubleClickInTheControlsOwnCoordinates) {
  TTestForm form;
  SetClientSize(form, 200, 100);
  auto* label = TComponent::Create<TLabel>(&form);
  label->SetAutoSize(false);
  label->SetBounds(50, 20, 40, 20);
  label->SetParent(&form);
  auto* panel = TComponent::Create<TPanel>(&form);
  panel->SetBounds(100, 20, 60, 40);
  panel->SetParent(&form);
  std::vector<std::string> events;
  for (auto [c, name] : {std::pair<TControl*, std::string>{label, "label "}, {panel, "panel "}}) {
    const auto mouse = [&events, name](std::string what) {
      return [&events, name, what](TComponent*, TMouseButton b, TShiftState s, int x, int y) {
        events.push_back(name + what + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(x) + "," +
                         std::to_string(y));
      };
    };
    c->OnMouseDown = mouse("down ");
    c->OnMouseUp = mouse("up ");
    c->OnDblClick = [&events, name](TComponent*) { events.push_back(name + "dblclick"); };
    c->OnClick = [&events, name](TComponent*) { events.push_back(name + "click"); };
  }
  form.Show();
  Pump();
  SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(55, 25));
  SendMessageW(form.Handle(), WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(55, 25));
  SendMessageW(form.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 30));
  SendMessageW(panel->Handle(), WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, MAKELPARAM(3, 4));
  SendMessageW(panel->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(3, 4));
  // Shift states: ssShift | ssLeft = 9, ssShift = 1, ssLeft | ssDouble = 72, ssCtrl | ssRight = 20.
  const std::vector<std::string> expected = {"label down 0 9 5,5",    "label click",         "label up 0 1 5,5",
                                             "label dblclick",        "label down 0 72 10,10", "panel down 1 20 3,4",
                                             "panel up 1 0 3,4"};
  EXPECT_EQ(events, expected);
}

TEST(WinControl, AKeyDownHandlerThatClearsTheKeyKeepsItFromTheControl) {
  TTestForm form;
  auto* edit = TComponent::Create<TEdit>(&form);
  edit->SetParent(&form);
  edit->SetText(L"abc");
  edit->OnKeyDown = [](TComponent*, WORD& key, TShiftState) { key = key == VK_DELETE ? 0 : key; };
  form.Show();
  SendMessageW(edit->Handle(), EM_SETSEL, 0, 0);
  for (const wchar_t* expected : {L"abc", L"bc"}) {
    SendMessageW(edit->Handle(), WM_KEYDOWN, VK_DELETE, 0x01530001);
    EXPECT_EQ(edit->Text(), expected);
    edit->OnKeyDown = nullptr;  // the second time the edit has the key
  }
}

TEST(WinControl, ShowingChangesReachEveryVisibleControlBelowTheShownOrHiddenOne) {
  TTestForm form;
  SetClientSize(form, 200, 100);
  auto* panel = TComponent::Create<TRecorder<TPanel>>(&form);
  panel->SetParent(&form);
  auto* shown = TComponent::Create<TRecorder<TLabel>>(&form);
  auto* hidden = TComponent::Create<TRecorder<TLabel>>(&form);
  auto* inner = TComponent::Create<TRecorder<TBitBtn>>(&form);
  for (TControl* c : std::initializer_list<TControl*>{shown, hidden, inner}) c->SetParent(panel);
  hidden->SetVisible(false);
  const auto counts = [&] {
    std::vector<long> n;
    for (const auto& seen : {panel->Seen, shown->Seen, hidden->Seen, inner->Seen})
      n.push_back(std::count(seen.begin(), seen.end(), FW_SHOWING_CHANGED));
    return n;
  };
  EXPECT_EQ(counts(), (std::vector<long>{0, 0, 0, 0})) << "nothing is on the screen before the form is";
  form.Show();
  EXPECT_EQ(counts(), (std::vector<long>{1, 1, 0, 1}));
  panel->SetVisible(false);
  shown->SetVisible(false);  // below a hidden parent: nothing on the screen changes
  hidden->SetVisible(true);
  EXPECT_EQ(counts(), (std::vector<long>{2, 2, 0, 2}));
  panel->SetVisible(true);
  EXPECT_EQ(counts(), (std::vector<long>{3, 2, 1, 3}));
  SendMessageW(inner->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(5, 5));
  EXPECT_TRUE(inner->Saw(FW_MOUSE_WHEEL));
}

}  // namespace
}  // namespace qw::test
