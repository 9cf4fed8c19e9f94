// Skin commands reaching the real generator window: a new skin announced to every control (windowed
// and windowless), one section changed, hot tracking, and the skinned windows registered by handle.
#include <gtest/gtest.h>

#include <functional>

#include "../form/FormTestSupport.h"
#include "CoreTestSupport.h"
#include "fw/Label.h"
#include "skin/controls/sLabel.h"
#include "base/Utf.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"

namespace qw::test {
namespace {

// Every skinned control of a form, with its skin data.
void ForEachSkinned(TWinControl& parent, const std::function<void(TControl&, TsCommonData&)>& f) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* c = parent.Controls(i);
    auto* data = reinterpret_cast<TsCommonData*>(SendSkinCommand(c, skcGetCommonData));
    if (data) f(*c, *data);
    if (auto* w = dynamic_cast<TWinControl*>(c)) ForEachSkinned(*w, f);
  }
}

TEST(SkinBroadcast, ANewSkinReachesEveryControlOfTheWindow) {
  TGeneratorWindow window;
  TsSkinManager& m = *window->sSkinManager1;
  ASSERT_EQ(m.SkinName(), u"Flatline (internal)");
  int skinned = 0;
  ForEachSkinned(*window.Form, [&](TControl&, TsCommonData& d) {
    ++skinned;
    d.BGChanged = false;
    EXPECT_EQ(d.SkinIndex(), m.GetSkinIndex(d.SkinSection())) << Utf16ToUtf8(d.SkinSection());
  });
  EXPECT_GE(skinned, 25) << "every Ts control carries skin data";
  // A shown window is repainted at once after the change, which clears the marks: hidden, it is told
  // but not repainted.
  window->SetVisible(false);
  m.SetSkinName(u"MetroUI (internal)");
  ASSERT_EQ(m.SkinName(), u"MetroUI (internal)");
  int reached = 0;
  ForEachSkinned(*window.Form, [&](TControl& c, TsCommonData& d) {
    EXPECT_TRUE(d.BGChanged) << c.Name() << " was not told";
    EXPECT_EQ(d.SkinIndex(), m.GetSkinIndex(d.SkinSection())) << c.Name();
    reached += d.BGChanged;
  });
  EXPECT_EQ(reached, skinned);
  EXPECT_TRUE(m.SkinData.Active);
  // The windowless status label was reached by direct dispatch.
  EXPECT_TRUE(window->sLabel1->SkinData.BGChanged);
}

TEST(SkinBroadcast, OneSectionChanged) {
  TGeneratorWindow window;
  TsSkinManager& m = *window->sSkinManager1;
  int buttons = 0, others = 0;
  ForEachSkinned(*window.Form, [&](TControl&, TsCommonData& d) { d.BGChanged = false; });
  UpdateSkinSection(m, u"button");
  EXPECT_EQ(UpdatedSectionName, u"BUTTON");
  ForEachSkinned(*window.Form, [&](TControl&, TsCommonData& d) {
    if (d.SkinSection() == u"BUTTON") buttons += d.BGChanged;
    else others += d.BGChanged;
  });
  EXPECT_EQ(others, 0);
  (void)buttons;  // the generator's buttons use their own sections; none is named BUTTON
}

TEST(SkinBroadcast, HotTrackingTellsOldAndNewOnce) {
  TTestSkin skin;
  skin.AddSection(u"PANEL", 0x808080);
  THostForm host;
  auto* a = host.Add<TPanelProbe>(0, 0, 50, 50);
  auto* b = host.Add<TPanelProbe>(60, 0, 50, 50);
  SetActiveControl(&skin.M, a->Handle());
  SetActiveControl(&skin.M, a->Handle());
  EXPECT_EQ(a->CountOf(skcMouseEnter), 1) << "the same window twice sends nothing the second time";
  SetActiveControl(&skin.M, b->Handle());
  EXPECT_EQ(a->CountOf(skcMouseLeave), 1);
  EXPECT_EQ(b->CountOf(skcMouseEnter), 1);
  EXPECT_EQ(ActiveControl(), b->Handle());
  // A hot control that goes away leaves no stale handle behind.
  host.Owned.erase(host.Owned.begin() + 1);
  EXPECT_EQ(ActiveControl(), nullptr);
}

TEST(SkinBroadcast, FrozenFormsAreReleasedOnEveryPath) {
  TTestSkin skin;
  THostForm host;
  HWND form = host.Form->Handle();
  AddSkinnedWindow(form, nullptr);
  const auto drawing = [form] { return (GetWindowLongW(form, GWL_STYLE) & WS_VISIBLE) != 0; };
  ASSERT_TRUE(drawing());
  {
    TFormsLock lock(skin.M);
    EXPECT_TRUE(AnimationRunning);
    EXPECT_FALSE(drawing()) << "drawing is suspended while the tables are rebuilt";
    lock.Unlock(true);
    EXPECT_TRUE(drawing());
    EXPECT_FALSE(AnimationRunning);
  }
  // A failure while frozen still resumes drawing.
  try {
    TFormsLock lock(skin.M);
    throw std::runtime_error("load failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(drawing());
  EXPECT_FALSE(AnimationRunning);
  // A form using another manager is left alone.
  TsSkinManager other;
  TFormsLock foreign(other);
  EXPECT_TRUE(drawing());
  foreign.Unlock(false);
  RemoveSkinnedWindow(form);
  EXPECT_TRUE(SkinnedWindowList().empty());
}

// A window the program did not build, skinned by a wrapper of its own: it answers as skinned and counts
// the other skin commands it gets (in the counter its user data points to).
LRESULT CALLBACK ForeignSkinnedProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != SkinCommandMsg) return DefWindowProcW(wnd, msg, wParam, lParam);
  if (SkinCommandCode(wParam) == skcIsSkinned) return 1;
  if (auto* count = reinterpret_cast<int*>(GetWindowLongPtrW(wnd, GWLP_USERDATA))) ++*count;
  return 0;
}

TEST(SkinBroadcast, SkinnedWindowsAreReachedByHandle) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &ForeignSkinnedProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QwForeignSkinned";
  RegisterClassW(&wc);
  int counts[2] = {};
  HWND windows[2];
  for (int i = 0; i < 2; ++i) {
    windows[i] = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | (i ? 0 : WS_VISIBLE), 0, 0, 50, 50, nullptr,
                                 nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(windows[i], GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&counts[i]));
    AddSkinnedWindow(windows[i], nullptr);
  }
  THostForm host;
  auto* probe = host.Add<TPanelProbe>(0, 0, 50, 50);
  AddSkinnedWindow(host.Form->Handle(), nullptr);
  TMessage refresh = SkinCommandMessage(skcRefresh, 0);
  BroadcastToSkinnedForms(refresh);
  // The framework's form by its handle, with its children; the shown foreign window; not the hidden one.
  EXPECT_EQ(probe->CountOf(skcRefresh), 1);
  EXPECT_EQ(counts[0], 1);
  EXPECT_EQ(counts[1], 0);
  for (HWND w : {windows[0], windows[1], host.Form->Handle()}) RemoveSkinnedWindow(w);
  for (HWND w : windows) DestroyWindow(w);
}

}  // namespace
}  // namespace qw::test
