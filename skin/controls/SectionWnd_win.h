#pragma once
// Wrappers of windows that are one skin section on their parent's background with the window's own
// content over it: check boxes, group boxes, panels, tool bars and status bars. The section is painted as
// the window's background (and its border, where the window has a non-client frame); a framework control
// takes the section's colours for what it paints itself; children asking for the background behind
// them get the section's picture. Everything goes back as it was when the wrapper leaves.
#include "skin/controls/WndWrapper_win.h"

namespace qw {

class TqxSectionWnd : public TqxMainWnd {
 public:
  // ClassSection: the section of this kind of window, used when none is given.
  TqxSectionWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData,
                std::u16string_view classSection);
  ~TqxSectionWnd() override;
  const char* ClassName() const override { return "TqxSectionWnd"; }

  void SaveStdParams() override;
  void RestoreStdParams() override;
  void SetSkinParams() override;
  void qxWndProc(TMessage& message) override;

 protected:
  std::u16string_view DefaultSection() const override;

 private:
  void WMEraseBkgnd(TMessage& message, HDC dc);
  void WMNcPaint(TMessage& message);
  bool Ready();
  std::u16string FClassSection;
};

class TqxCheckBoxWnd : public TqxSectionWnd {
 public:
  TqxCheckBoxWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
      : TqxSectionWnd(wnd, section, manager, skinData, u"CHECKBOX") {}
  const char* ClassName() const override { return "TqxCheckBoxWnd"; }
};

class TqxGroupBoxWnd : public TqxSectionWnd {
 public:
  TqxGroupBoxWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
      : TqxSectionWnd(wnd, section, manager, skinData, u"GROUPBOX") {}
  const char* ClassName() const override { return "TqxGroupBoxWnd"; }
};

class TqxPanelWnd : public TqxSectionWnd {
 public:
  TqxPanelWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
      : TqxSectionWnd(wnd, section, manager, skinData, u"PANEL") {}
  const char* ClassName() const override { return "TqxPanelWnd"; }
};

class TqxToolBarWnd : public TqxSectionWnd {
 public:
  TqxToolBarWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
      : TqxSectionWnd(wnd, section, manager, skinData, u"TOOLBAR") {}
  const char* ClassName() const override { return "TqxToolBarWnd"; }
};

class TqxStatusBarWnd : public TqxSectionWnd {
 public:
  TqxStatusBarWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
      : TqxSectionWnd(wnd, section, manager, skinData, u"STATUSBAR") {}
  const char* ClassName() const override { return "TqxStatusBarWnd"; }
};

}  // namespace qw
