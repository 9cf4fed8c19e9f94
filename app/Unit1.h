#pragma once
// The generator window: its controls come from the stored description (Unit1.qfm); the handlers below
// make, show, copy and save passwords and run the about page's credits.
#include <functional>
#include <string>

#include "app/Marquee.h"
#include "app/generator/RandomSource.h"
#include "fw/Form.h"
#include "skin/access/AccessHost_win.h"

namespace qw {

class TImage;
class TLabel;
class TMenuItem;
class TPopupMenu;
class TTimer;
class TsBitBtn;
class TsCheckBox;
class TsComboBox;
class TsEdit;
class TsGroupBox;
class TsLabel;
class TsMemo;
class TsPageControl;
class TsPanel;
class TsSkinManager;
class TsSkinProvider;
class TsSpinEdit;
class TsTabSheet;

// The makers' web address: shown on the about page and opened by the link picture.
inline constexpr wchar_t kMakersAddress[] = L"www.example.org";

class TForm1 : public TForm, public TAccessSource {
 public:
  TForm1();
  const char* ClassName() const override { return "TForm1"; }
  void WndProc(TMessage& message) override;
  // Reads the stored description from the program's resources (throws EFormLoadError).
  void LoadFromResource();
  // Reads a description given as text (tests).
  void LoadFromText(const std::string& text);

  bool BindField(const std::string& name, TComponent* component) override;
  // Assistive technology reads the window with the link picture as an element (the banner says nothing).
  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void DoAccessDefaultAction(int id) override;
  TNotifyEvent FindHandler(const std::string& name) override;

  // Fields filled from the description.
  TsSkinManager* sSkinManager1 = nullptr;
  TsSkinProvider* sSkinProvider1 = nullptr;
  TsPageControl* sPageControl1 = nullptr;
  TsTabSheet* sTabSheet1 = nullptr;
  TsGroupBox* sGroupBox2 = nullptr;
  TsGroupBox* sGroupBox6 = nullptr;
  TsSpinEdit* sSpinEdit1 = nullptr;
  TsEdit* sEdit2 = nullptr;
  TsCheckBox* sCheckBox2 = nullptr;
  TsCheckBox* sCheckBox3 = nullptr;
  TsCheckBox* sCheckBox4 = nullptr;
  TsCheckBox* sCheckBox5 = nullptr;
  TsGroupBox* sGroupBox5 = nullptr;
  TsLabel* sLabel1 = nullptr;
  TsGroupBox* sGroupBox4 = nullptr;
  TsMemo* sMemo1 = nullptr;
  TsGroupBox* sGroupBox3 = nullptr;
  TImage* Image1 = nullptr;
  TImage* Image2 = nullptr;
  TsCheckBox* sCheckBox6 = nullptr;
  TsEdit* sEdit3 = nullptr;
  TsBitBtn* sBitBtn3 = nullptr;
  TsGroupBox* sGroupBox1 = nullptr;
  TsEdit* sEdit1 = nullptr;
  TsPanel* sPanel1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* N1 = nullptr;
  TMenuItem* N2 = nullptr;
  TMenuItem* N3 = nullptr;
  TsComboBox* sComboBox1 = nullptr;
  TsBitBtn* sBitBtn1 = nullptr;
  TsBitBtn* sBitBtn2 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TTimer* Timer1 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TsTabSheet* sTabSheet2 = nullptr;
  TsGroupBox* sGroupBox7 = nullptr;
  TTimer* Timer2 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label6 = nullptr;
  TImage* Image3 = nullptr;

  // Event handlers.
  void sBitBtn1Click(TComponent* sender);
  void sBitBtn2Click(TComponent* sender);
  void sBitBtn3Click(TComponent* sender);
  void sCheckBox2Click(TComponent* sender);
  void sCheckBox3Click(TComponent* sender);
  void sCheckBox4Click(TComponent* sender);
  void sCheckBox5Click(TComponent* sender);
  void sEdit2Click(TComponent* sender);
  void N1Click(TComponent* sender);
  void N2Click(TComponent* sender);
  void Image2Click(TComponent* sender);
  void Timer2Timer(TComponent* sender);

  // How the link is opened (ShellExecuteW "open", SW_SHOW; the result ignored). Tests replace it.
  std::function<void(HWND owner, const wchar_t* address)> OpenAddress;

 private:
  // Every field found, the status line named, the credits started.
  void DescriptionRead();
  void CheckFields() const;
  // The credits' timer runs only while the about page can be seen; shown again, the credits catch up.
  void StartMarquee();
  void UpdateMarquee();
  void ClassBoxChanged();
  void ShowErrorBox();
  void SaveHistory(const std::wstring& path);
  void SetStatus(const std::wstring& text);
  TSystemRandomSource FRandom;
  TMarqueeClock FMarqueeClock;
  bool FMarqueeWanted = false;  // the stored timer's Enabled
  TAccessHost FAccess{*this};
};

}  // namespace qw
