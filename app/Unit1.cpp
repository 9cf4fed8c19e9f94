#include "app/Unit1.h"

#include <shellapi.h>

#include <map>
#include <stdexcept>

#include "app/HistoryFile_win.h"
#include "app/Marquee.h"
#include "app/generator/PasswordGenerator.h"
#include "base/SystemProc_win.h"
#include "base/Utf.h"
#include "fw/FormReader.h"
#include "fw/Image.h"
#include "fw/Label.h"
#include "fw/Menu.h"
#include "fw/Messages.h"
#include "fw/Timer.h"
#include "fw/WideText.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/core/ControlAccess_win.h"
#include "skin/frame/SkinProviderClass.h"
#include "skin/frame/SkinProvider_win.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sCheckBox.h"
#include "skin/controls/sComboBox.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMemo.h"
#include "skin/controls/sPageControl.h"
#include "skin/controls/sPanel.h"
#include "skin/controls/sSpinEdit.h"
#include "skin/frame/hook/ThreadHook_win.h"
#include "skin/frame/menu/SkinableMenus_win.h"
#include "skin/data/SkinManager.h"

namespace qw {

namespace {

const TClassRegistry& Registry() {
  static const bool registered = [] {
    TClassRegistry& r = ClassRegistry();
    r.Register("TForm1", "TForm", nullptr);
    RegisterSkinControls(r);
    RegisterSkinProviderClass(r);
    // Menus are skinned from the first announcement of a skin on.
    InstallMenuSkinning();
    InstallSkinThreadHook();
    return true;
  }();
  (void)registered;
  return ClassRegistry();
}

// Fills a typed field when the name matches; a component of the wrong class is a load error.
template <class T>
bool Bind(const std::string& name, TComponent* component, const char* fieldName, T*& field) {
  if (name != fieldName) return false;
  field = dynamic_cast<T*>(component);
  if (!field) throw EFormLoadError("Form description: " + name + " has the wrong class for its field");
  return true;
}

// The clipboard error of the framework, reported by the application's standard error box.
[[noreturn]] void ThrowClipboardError(DWORD error) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = text ? text : L"";
  if (text) LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L' ')) reason.pop_back();
  throw std::runtime_error("Cannot open clipboard: " + Utf16ToUtf8(U16(reason)));
}

// The text is made ready before the clipboard is opened and emptied, so a failure to allocate or to
// open leaves whatever the clipboard held.
void PutOnClipboard(HWND owner, const std::wstring& text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) ThrowClipboardError(GetLastError());
  void* p = GlobalLock(memory);
  if (!p) {
    const DWORD error = GetLastError();
    GlobalFree(memory);
    ThrowClipboardError(error);
  }
  memcpy(p, text.c_str(), bytes);
  GlobalUnlock(memory);
  if (!OpenClipboard(owner)) {
    const DWORD error = GetLastError();
    GlobalFree(memory);
    ThrowClipboardError(error);
  }
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  const DWORD error = GetLastError();
  CloseClipboard();
  if (!placed) {
    GlobalFree(memory);  // the clipboard took it only on success
    ThrowClipboardError(error);
  }
}

}  // namespace

TForm1::TForm1() {
  OpenAddress = [](HWND owner, const wchar_t* address) {
    // Looked up when the link is first followed: starting the program does not load the shell.
    static auto* const shellExecute = SystemProc<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (shellExecute) shellExecute(owner, L"open", address, nullptr, nullptr, SW_SHOW);
  };
}

void TForm1::LoadFromResource() {
  TFormReader reader(*this, Registry());
  reader.ReadFormResource(L"FORM1");
  DescriptionRead();
}

void TForm1::LoadFromText(const std::string& text) {
  TFormReader reader(*this, Registry());
  reader.ReadForm(text);
  DescriptionRead();
}

void TForm1::DescriptionRead() {
  CheckFields();
  // The status line is empty until something is saved or copied, and the about page's logo has no
  // text: a screen reader still reads them by what they are (no tip shows these hints).
  sLabel1->Hint = L"Состояние";
  Image3->Hint = L"Логотип Qwillet";
  StartMarquee();
}

void TForm1::CheckFields() const {
  const void* fields[] = {sSkinManager1, sSkinProvider1, sPageControl1, sTabSheet1, sGroupBox2, sGroupBox6, sSpinEdit1, sEdit2, sCheckBox2,
                          sCheckBox3, sCheckBox4, sCheckBox5, sGroupBox5, sLabel1, sGroupBox4, sMemo1,
                          sGroupBox3, Image1, Image2, sCheckBox6, sEdit3, sBitBtn3, sGroupBox1, sEdit1,
                          sPanel1, PopupMenu1, N1, N2, N3, sComboBox1, sBitBtn1, sBitBtn2, Label1, Label2,
                          Timer1, Label3, Label4, sTabSheet2, sGroupBox7, Timer2, Label5, Label6, Image3};
  for (const void* field : fields)
    if (!field) throw EFormLoadError("Form description: a component of TForm1 is missing");
}

bool TForm1::BindField(const std::string& name, TComponent* c) {
  return Bind(name, c, "sSkinManager1", sSkinManager1) || Bind(name, c, "sSkinProvider1", sSkinProvider1) || Bind(name, c, "sPageControl1", sPageControl1) || Bind(name, c, "sTabSheet1", sTabSheet1) ||
         Bind(name, c, "sGroupBox2", sGroupBox2) || Bind(name, c, "sGroupBox6", sGroupBox6) ||
         Bind(name, c, "sSpinEdit1", sSpinEdit1) || Bind(name, c, "sEdit2", sEdit2) ||
         Bind(name, c, "sCheckBox2", sCheckBox2) || Bind(name, c, "sCheckBox3", sCheckBox3) ||
         Bind(name, c, "sCheckBox4", sCheckBox4) || Bind(name, c, "sCheckBox5", sCheckBox5) ||
         Bind(name, c, "sGroupBox5", sGroupBox5) || Bind(name, c, "sLabel1", sLabel1) ||
         Bind(name, c, "sGroupBox4", sGroupBox4) || Bind(name, c, "sMemo1", sMemo1) ||
         Bind(name, c, "sGroupBox3", sGroupBox3) || Bind(name, c, "Image1", Image1) ||
         Bind(name, c, "Image2", Image2) || Bind(name, c, "sCheckBox6", sCheckBox6) ||
         Bind(name, c, "sEdit3", sEdit3) || Bind(name, c, "sBitBtn3", sBitBtn3) ||
         Bind(name, c, "sGroupBox1", sGroupBox1) || Bind(name, c, "sEdit1", sEdit1) ||
         Bind(name, c, "sPanel1", sPanel1) || Bind(name, c, "PopupMenu1", PopupMenu1) ||
         Bind(name, c, "N1", N1) || Bind(name, c, "N2", N2) || Bind(name, c, "N3", N3) ||
         Bind(name, c, "sComboBox1", sComboBox1) || Bind(name, c, "sBitBtn1", sBitBtn1) ||
         Bind(name, c, "sBitBtn2", sBitBtn2) || Bind(name, c, "Label1", Label1) || Bind(name, c, "Label2", Label2) ||
         Bind(name, c, "Timer1", Timer1) || Bind(name, c, "Label3", Label3) || Bind(name, c, "Label4", Label4) ||
         Bind(name, c, "sTabSheet2", sTabSheet2) || Bind(name, c, "sGroupBox7", sGroupBox7) ||
         Bind(name, c, "Timer2", Timer2) || Bind(name, c, "Label5", Label5) || Bind(name, c, "Label6", Label6) ||
         Bind(name, c, "Image3", Image3);
}

TNotifyEvent TForm1::FindHandler(const std::string& name) {
  using THandler = void (TForm1::*)(TComponent*);
  static const std::map<std::string, THandler> handlers = {
      {"sBitBtn1Click", &TForm1::sBitBtn1Click},     {"sBitBtn2Click", &TForm1::sBitBtn2Click},
      {"sBitBtn3Click", &TForm1::sBitBtn3Click},     {"sCheckBox2Click", &TForm1::sCheckBox2Click},
      {"sCheckBox3Click", &TForm1::sCheckBox3Click}, {"sCheckBox4Click", &TForm1::sCheckBox4Click},
      {"sCheckBox5Click", &TForm1::sCheckBox5Click}, {"sEdit2Click", &TForm1::sEdit2Click},
      {"N1Click", &TForm1::N1Click},                 {"N2Click", &TForm1::N2Click},
      {"Image2Click", &TForm1::Image2Click},         {"Timer2Timer", &TForm1::Timer2Timer},
  };
  auto it = handlers.find(name);
  if (it == handlers.end()) return {};
  const THandler handler = it->second;
  return [this, handler](TComponent* sender) { (this->*handler)(sender); };
}

// ---- Generate, copy, save --------------------------------------------------------------------------

void TForm1::ShowErrorBox() { MessageBoxW(Handle(), L"Произошла ошибка!", L"", MB_ICONWARNING | MB_OK); }

void TForm1::SetStatus(const std::wstring& text) { sLabel1->SetCaption(text); }

void TForm1::SaveHistory(const std::wstring& path) {
  ReplaceFileAtomically(path, HistoryFileBytes(U16(sMemo1->Text()), TAnsiCodePageEncoder()));
}

void TForm1::sBitBtn1Click(TComponent*) {
  PasswordRequest request;
  request.UseLower = sCheckBox2->Checked();
  request.UseUpper = sCheckBox3->Checked();
  request.UseSigns = sCheckBox4->Checked();
  request.UseDigits = sCheckBox5->Checked();
  request.OwnChars = U16(sEdit2->Text());
  request.SubstituteText = U16(sComboBox1->Text());
  request.CountText = U16(sSpinEdit1->Text());
  std::wstring password;
  try {
    password = Wide(GeneratePassword(request, FRandom));
  } catch (const std::exception&) {
    ShowErrorBox();
    return;
  }
  sPanel1->SetCaption(password);
  sEdit1->SetText(password);
  if (!sMemo1->AddLine(password)) {
    // A history that silently stopped growing would also be saved without the password while the
    // status said it was saved.
    ShowErrorBox();
    return;
  }
  if (!sCheckBox6->Checked()) return;
  const std::wstring path = sEdit3->Text();
  if (path.empty()) {
    SetStatus(L"Не Указан путь для сохранения файла");
    return;
  }
  try {
    SaveHistory(path);
  } catch (const std::exception&) {
    ShowErrorBox();
    return;
  }
  SetStatus(L"Пароль: " + password + L" сохранён в - " + Wide(FileNameOfPath(U16(path))));
}

void TForm1::sBitBtn2Click(TComponent*) {
  const std::wstring text = sEdit1->Text();
  if (text.empty()) {
    SetStatus(L"Пароль не сгенерирован");
    return;
  }
  PutOnClipboard(Handle(), text);
  SetStatus(L"Пароль (" + text + L")" + L" Скопирован в буфер обмена!");
}

void TForm1::sBitBtn3Click(TComponent*) {}

// ---- The class boxes and the own characters --------------------------------------------------------

void TForm1::ClassBoxChanged() {
  sEdit2->SetText(L"");
  sComboBox1->SetEnabled(false);
  sComboBox1->SetItemIndex(0);
}

void TForm1::sCheckBox2Click(TComponent*) { ClassBoxChanged(); }
void TForm1::sCheckBox3Click(TComponent*) { ClassBoxChanged(); }
void TForm1::sCheckBox4Click(TComponent*) { ClassBoxChanged(); }
void TForm1::sCheckBox5Click(TComponent*) { ClassBoxChanged(); }

void TForm1::sEdit2Click(TComponent*) {
  // Each box that changes runs its own handler at once, before the next box is set.
  sCheckBox2->SetChecked(false);
  sCheckBox3->SetChecked(false);
  sCheckBox4->SetChecked(false);
  sCheckBox5->SetChecked(false);
  sComboBox1->SetEnabled(true);
}

void TForm1::N1Click(TComponent*) { sBitBtn2->Click(); }
void TForm1::N2Click(TComponent*) { sBitBtn1->Click(); }

// ---- About page ------------------------------------------------------------------------------------

void TForm1::Image2Click(TComponent*) {
  if (OpenAddress) OpenAddress(Handle(), kMakersAddress);
}

void TForm1::Timer2Timer(TComponent*) {
  Label5->SetTop(MarqueeStep(Label5->Top()));
  Label6->SetTop(MarqueeStep(Label6->Top()));
}

void TForm1::StartMarquee() {
  FMarqueeWanted = Timer2->Enabled();
  TNotifyEvent stored = sPageControl1->OnChange;
  sPageControl1->OnChange = [this, stored](TComponent* sender) {
    CallEvent(stored, sender);
    UpdateMarquee();
  };
  UpdateMarquee();
}

void TForm1::UpdateMarquee() {
  if (!FMarqueeWanted) return;
  const bool seen = sTabSheet2->Showing() && HandleAllocated() && !IsIconic(Handle());
  if (!seen) {
    FMarqueeClock.Pause(GetTickCount64());
    Timer2->SetEnabled(false);
    return;
  }
  if (Timer2->Enabled()) return;
  const uint64_t steps = FMarqueeClock.Resume(GetTickCount64(), Timer2->Interval());
  Label5->SetTop(MarqueeAdvance(Label5->Top(), steps));
  Label6->SetTop(MarqueeAdvance(Label6->Top(), steps));
  Timer2->SetEnabled(true);
}

// ---- What assistive technology reads -------------------------------------------------------------------

void TForm1::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) {
  DescribeControl(*this, self);
  self.Focusable = CanFocus();
  if (!Image2 || !Image2->Visible()) return;
  TAccessElement link;
  DescribeControl(*Image2, link.Facts);
  link.Facts.Kind = TAccessKind::Link;
  link.Facts.Value = U16(kMakersAddress);
  link.Bounds = BoundsIn(*Image2, *this);
  elements.push_back(std::move(link));
}

void TForm1::DoAccessDefaultAction(int id) {
  if (id == 1 && Image2) Image2->Click();
}

void TForm1::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETOBJECT:
      if (FAccess.Answer(Handle(), message.WParam, message.LParam, message.Result)) return;
      break;
    case FW_ACCESS_ACTION:
      return DoAccessDefaultAction(static_cast<int>(message.WParam));
    default:
      break;
  }
  TForm::WndProc(message);
  switch (message.Msg) {
    case WM_SIZE:  // minimised or back
    case FW_SHOWING_CHANGED:
      return UpdateMarquee();
  }
}

}  // namespace qw
