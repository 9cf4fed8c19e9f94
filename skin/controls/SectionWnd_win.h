#pragma once
// Wrappers of windows that are one skin section on their parent's background with the window's own
// content over it: check boxes, group boxes, panels, tool bars, status bars, link windows, and the
// dialogs shown inside a skinned dialog. The section is painted as
// the window's background (and its border, where the window has a non-client frame); a framework control
// takes the section's colours for what it paints itself; children asking for the background behind
// them get the section's picture. Everything goes back as it was when the wrapper leaves.
#include "image/Bitmap32.h"
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
  // The section on the parent's background, in a system dialog too (the plain framed box of the
  // dialogs' edit windows is no look for a section).
  bool PrepareCache() override;
  // A brush of the client area's picture, for a window that fills its background with the brush its
  // parent gives it (laid from the client area's origin); null while there is no picture. Kept until
  // the next one is asked for, or the wrapper goes.
  HBRUSH BackgroundBrush();
  // The colour the section writes its text in.
  TColor SectionFontColor() const;

 protected:
  std::u16string_view DefaultSection() const override;
  // The cache holds the current picture of the section (false while the parent is being rebuilt).
  bool Ready();

 private:
  void WMEraseBkgnd(TMessage& message, HDC dc);
  void WMNcPaint(TMessage& message);
  std::u16string FClassSection;
  HBRUSH FBrush = nullptr;
  TBitmap32 FBrushPicture;
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

// A link window: the links are the system's, written over the section.
class TqxLinkWnd : public TqxSectionWnd {
 public:
  TqxLinkWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
      : TqxSectionWnd(wnd, section, manager, skinData, u"CHECKBOX") {}
  const char* ClassName() const override { return "TqxLinkWnd"; }
};

// A dialog inside a skinned dialog (a page of a property sheet, a folder browser's pane): it shows what
// lies behind it (its section is a see-through one) and draws no frame of its own.
class TqxTransPanelWnd : public TqxSectionWnd {
 public:
  TqxTransPanelWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
      : TqxSectionWnd(wnd, section, manager, skinData, u"CHECKBOX") {}
  const char* ClassName() const override { return "TqxTransPanelWnd"; }
  void qxWndProc(TMessage& message) override;
};

}  // namespace qw
