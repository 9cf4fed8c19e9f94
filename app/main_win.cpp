// Qwillet's entry point: the skin engine's start-up, then the generator window from its stored
// description, then the message loop until the window is closed. Nothing is saved at exit.
#include <windows.h>

#include <memory>

#include "app/Startup_win.h"
#include "app/Unit1.h"
#include "fw/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace qw;
  try {
    RunEngineStartup(CommandLineArguments(), [](const std::wstring& text) { Application().ShowMessage(text); });
    Application().MainFormOnTaskBar = true;
    auto form = std::make_unique<TForm1>();
    form->LoadFromResource();
    Application().MainForm = form.get();
    form->Show();
    Application().Run();
    Application().MainForm = nullptr;
  } catch (const std::exception& e) {
    Application().HandleException(e);
    return 1;
  }
  return 0;
}
