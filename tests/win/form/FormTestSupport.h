#pragma once
// Helpers for in-process window tests: pumping the loop, clicking through real messages, reading the
// clipboard, and catching message boxes as they open.
#include <windows.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "fw/Application.h"
#include "fw/Canvas.h"
#include "fw/ClassRegistry.h"
#include "fw/FormReader.h"
#include "fw/Timer.h"
#include "skin/controls/WndWrapper_win.h"

namespace qw::test {

// Handles everything waiting, a few times over, so posted follow-ups run too.
inline void Pump(int rounds = 3) {
  for (int i = 0; i < rounds; ++i) {
    Application().ProcessMessages();
    Sleep(1);
  }
}

// Gives a test form the client size its controls need.
inline void SetClientSize(TForm& form, int width, int height) {
  form.SetClientWidth(width);
  form.SetClientHeight(height);
}

// A press and release of the left button at a client point of a window, as the system delivers them.
inline void ClickAt(HWND hwnd, int x, int y) {
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  Pump(1);
}

// The real cursor over a client point of the window and the mouse move the system would send.
inline void MoveMouse(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  SetCursorPos(p.x, p.y);
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

// A key pressed and released in the focused window, through the application's loop.
inline void PressKey(UINT key) {
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, key, 0x00000001);
  PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  Pump();
}

inline std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"<clipboard busy>";
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
      text = p;
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return text;
}

inline void SetClipboardText(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(h), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(h);
  SetClipboardData(CF_UNICODETEXT, h);
  CloseClipboard();
}

// Records every message box (dialog) that opens on this thread and closes it with OK.
class TMessageBoxCatcher {
 public:
  struct TBox {
    std::wstring Caption;
    std::wstring Text;
    HWND Owner;
    bool HasIcon;
    bool Wrapped;  // a skin wrapper took the box over (after every hook had seen it open)
  };
  TMessageBoxCatcher() {
    FInstance = this;
    FHook = SetWindowsHookExW(WH_CBT, HookProc, nullptr, GetCurrentThreadId());
  }
  ~TMessageBoxCatcher() {
    UnhookWindowsHookEx(FHook);
    FInstance = nullptr;
  }
  std::vector<TBox> Boxes;

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) {
    // The hooks installed before this one (the skin's own) see the box first.
    const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code == HCBT_ACTIVATE && FInstance) {
      HWND box = reinterpret_cast<HWND>(wParam);
      wchar_t cls[64] = {};
      GetClassNameW(box, cls, 64);
      if (std::wstring(cls) == L"#32770") {
        wchar_t caption[256] = {}, text[512] = {};
        GetWindowTextW(box, caption, 256);
        GetDlgItemTextW(box, 0xFFFF, text, 512);
        // The icon control of a message box (0x14 on Windows, 0x440 in Wine), shown only with an icon.
        HWND iconControl = GetDlgItem(box, 0x14) ? GetDlgItem(box, 0x14) : GetDlgItem(box, 0x440);
        const bool icon = iconControl && (GetWindowLongW(iconControl, GWL_STYLE) & WS_VISIBLE) &&
                          SendMessageW(iconControl, STM_GETICON, 0, 0) != 0;
        FInstance->Boxes.push_back(TBox{caption, text, GetWindow(box, GW_OWNER), icon, TqxMainWnd::FromHandle(box) != nullptr});
        PostMessageW(box, WM_COMMAND, IDOK, 0);
      }
    }
    return next;
  }
  static inline TMessageBoxCatcher* FInstance = nullptr;
  HHOOK FHook;
};

// A form read from a description that may name any handler: each notes its name when it runs and, while
// the form has a canvas (OnPaint), paints a red square on it. It counts FW_MENU_CHANGED.
class TRecordingForm : public TForm {
 public:
  const char* ClassName() const override { return "TRecordingForm"; }
  // Reads "object F: TRecordingForm" with these lines, 200 x 100 unless the lines say otherwise.
  void Read(const std::string& lines) {
    static const bool registered = (ClassRegistry().Register("TRecordingForm", "TForm", nullptr), true);
    (void)registered;
    TFormReader(*this, ClassRegistry())
        .ReadForm("object F: TRecordingForm\n  ClientWidth = 200\n  ClientHeight = 100\n" + lines + "end\n");
  }
  TNotifyEvent FindHandler(const std::string& name) override {
    return [this, name](TComponent*) {
      Ran.push_back(name);
      if (!Canvas()) return;
      Canvas()->SetBrushColor(clRed);
      Canvas()->FillRect(RECT{0, 0, 10, 10});
    };
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == FW_MENU_CHANGED) ++MenuChanges;
    TForm::WndProc(message);
  }
  std::vector<std::string> Ran;
  int MenuChanges = 0;
};

// c:\Skins of the test's Wine prefix as a test wants it (absent, or empty and ready to fill); whatever was
// there (a skin a developer tried with the run command) is put back afterwards.
class TSkinDirectory {
 public:
  explicit TSkinDirectory(bool create) {
    std::error_code ec;
    if (std::filesystem::exists(kDir, ec)) std::filesystem::rename(kDir, kAside, ec);
    if (create) std::filesystem::create_directory(kDir, ec);
  }
  ~TSkinDirectory() {
    std::error_code ec;
    std::filesystem::remove_all(kDir, ec);
    if (std::filesystem::exists(kAside, ec)) std::filesystem::rename(kAside, kDir, ec);
  }
  TSkinDirectory(const TSkinDirectory&) = delete;
  TSkinDirectory& operator=(const TSkinDirectory&) = delete;
  static inline const std::filesystem::path kDir = L"c:\\Skins";

 private:
  static inline const std::filesystem::path kAside = L"c:\\Skins.before-test";
};

// Where the window's skin manager finds its skin: the stored skins only (c:\Skins hidden for the
// window's life), or whatever the test has put into c:\Skins.
enum class TSkinSource { StoredOnly, SkinDirectory };

// The generator window made from the program's own stored description and shown.
class TGeneratorWindow {
 public:
  explicit TGeneratorWindow(TSkinSource skins = TSkinSource::StoredOnly) {
    if (skins == TSkinSource::StoredOnly) FHidden.emplace(false);
    Form = std::make_unique<TForm1>();
    Form->LoadFromResource();
    Form->OpenAddress = [this](HWND owner, const wchar_t* address) {
      OpenedOwner = owner;
      OpenedAddress = address;
    };
    Application().MainForm = Form.get();
    Form->Show();
    SetForegroundWindow(Form->Handle());
  }
  ~TGeneratorWindow() {
    Application().MainForm = nullptr;
    Form.reset();
    // Drop the WM_QUIT the closing main window may have posted.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  TForm1* operator->() { return Form.get(); }

 private:
  std::optional<TSkinDirectory> FHidden;  // made first, so it outlives the form

 public:
  std::unique_ptr<TForm1> Form;
  HWND OpenedOwner = nullptr;
  std::wstring OpenedAddress;
};

}  // namespace qw::test
