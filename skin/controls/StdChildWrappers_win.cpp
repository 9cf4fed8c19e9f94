#include "skin/controls/StdChildWrappers_win.h"

#include <cwctype>
#include <iterator>
#include <string>

#include "skin/controls/BtnWnd_win.h"
#include "skin/controls/EdgeWnd_win.h"
#include "skin/controls/IconWnd_win.h"
#include "skin/controls/SectionWnd_win.h"
#include "skin/controls/StdChildStyles.h"
#include "skin/core/SkinBroadcast_win.h"

namespace qw {

namespace {

std::wstring LowerClassName(HWND wnd) {
  wchar_t name[64] = {};
  const int n = GetClassNameW(wnd, name, static_cast<int>(std::size(name)));
  std::wstring lower(name, static_cast<size_t>(n > 0 ? n : 0));
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  return lower;
}

std::unique_ptr<TqxMainWnd> WrapButton(HWND wnd, uint32_t style, TsSkinManager* manager, bool dlgMode) {
  std::unique_ptr<TqxMainWnd> wrapper;
  switch (StdButtonKind(style)) {
    case sbkPush:
      return TqxMainWnd::Create<TqxBtnWnd>(wnd, u"BUTTON", manager, nullptr, dlgMode);
    case sbkCheckBox:
      wrapper = TqxMainWnd::Create<TqxCheckBoxWnd>(wnd, u"CHECKBOX", manager, nullptr);
      break;
    case sbkGroupBox:
      wrapper = TqxMainWnd::Create<TqxGroupBoxWnd>(wnd, u"GROUPBOX", manager, nullptr);
      break;
    case sbkNone:
      return nullptr;
  }
  if (wrapper) wrapper->DlgMode = dlgMode;
  return wrapper;
}

std::unique_ptr<TqxMainWnd> WrapStatic(HWND wnd, uint32_t style, TsSkinManager* manager, bool dlgMode) {
  switch (StdStaticKind(style)) {
    case sskText:
      return TqxMainWnd::Create<TqxStaticWnd>(wnd, u"CHECKBOX", manager, nullptr, dlgMode);
    case sskPicture:
      // The system keeps drawing the picture; only its edge is the skin's.
      if (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_STATICEDGE)
        return TqxMainWnd::Create<TqxEdgeWnd>(wnd, u"EDIT", manager, nullptr, dlgMode);
      return TqxMainWnd::Create<TqxIconWnd>(wnd, u"CHECKBOX", manager, nullptr, dlgMode);
    case sskNone:
      return nullptr;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<TqxMainWnd> WrapStdChild(HWND wnd, TsSkinManager* manager, bool dlgMode) {
  if (!wnd || !IsWindow(wnd) || IsSkinnedWindow(wnd)) return nullptr;
  const auto style = static_cast<uint32_t>(GetWindowLongW(wnd, GWL_STYLE));
  const std::wstring cls = LowerClassName(wnd);
  if (cls == L"button") return WrapButton(wnd, style, manager, dlgMode);
  if (cls == L"static") return WrapStatic(wnd, style, manager, dlgMode);
  return nullptr;
}

}  // namespace qw
