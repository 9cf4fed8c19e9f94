#pragma once
// The application: the main form, the message loop with the framework's keyboard handling, the
// standard error report and the simple message box.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/Component.h"

namespace qw {

class TForm;

class TApplication : public TComponent {
 public:
  const char* ClassName() const override { return "TApplication"; }

  TForm* MainForm = nullptr;
  // The main window gets its own taskbar button.
  bool MainFormOnTaskBar = false;

  // The title of message boxes: set, or derived from the program file's name.
  std::wstring Title() const;
  void SetTitle(std::wstring title) { FTitle = std::move(title); }

  // Runs the loop until WM_QUIT or Terminate.
  void Run();
  // Handles every message waiting in the queue, then returns.
  void ProcessMessages();
  // Waits for one message and handles it.
  void HandleMessage();
  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }

  // The framework's standard error report (a message box with the exception's text), or OnException.
  void HandleException(const std::exception& e);
  // The report for the exception being handled, whatever its type (call from a catch block). An
  // exception that is no std::exception is reported with a fixed text; one thrown by the report itself
  // is dropped, so nothing ever leaves.
  void HandleCurrentException() noexcept;
  std::function<void(const std::exception&)> OnException;

  // Every form that exists, oldest first (a form joins when it is made and leaves when it goes).
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TForm* Forms(int index) const { return FForms[static_cast<size_t>(index)]; }
  void AddForm(TForm* form);
  void RemoveForm(TForm* form);

  // The program's own look at every message the loop takes from the queue before it is dispatched; true
  // drops the message.
  std::function<bool(MSG& msg)> OnMessage;
  // Filters the libraries under the program install (the skin engine drops posted skin commands): each
  // sees every message the loop takes before OnMessage does, and the first that answers true drops it.
  // They and OnMessage never replace each other, whichever is installed first. A name holds one filter:
  // installing it again replaces that filter only.
  using TMessageFilter = std::function<bool(MSG& msg)>;
  void SetMessageFilter(const std::string& name, TMessageFilter filter);
  void RemoveMessageFilter(const std::string& name);

  // The framework's simple modal message box: the text, an OK button, no icon, the application title.
  void ShowMessage(const std::wstring& text);

 private:
  // Handles one message if there is one; false when the queue was empty.
  bool ProcessMessage(MSG& msg);
  // Gives the focused control the first look at a key (reflected as FW_REFLECT + msg); true if consumed.
  bool IsKeyMsg(MSG& msg);
  std::wstring FTitle;
  // True when a filter or OnMessage drops the message.
  bool FilterMessage(MSG& msg);
  std::vector<TForm*> FForms;
  std::vector<std::pair<std::string, TMessageFilter>> FFilters;  // in the order installed
  bool FTerminated = false;
};

// The process's application object.
TApplication& Application();

// The text reported for an exception that is no std::exception.
inline constexpr char kUnknownExceptionText[] = "Unknown error";

// Runs one call that the system made into the framework (a window procedure, a timer tick): whatever it
// throws goes to the standard error report and never unwinds through the system's frames.
template <class F>
void CallGuarded(F&& call) noexcept {
  try {
    call();
  } catch (...) {
    Application().HandleCurrentException();
  }
}

// The framework's default title for a program file name: the part up to the first full stop, its first
// character as stored and the rest in lower case ("QWILLET.EXE" gives "Qwillet").
std::wstring DefaultTitleFromFileName(const std::wstring& fileName);

}  // namespace qw
