#include "skin/frame/PreviewMode_win.h"

#include <string>

#include "base/CommandLine.h"
#include "fw/Form.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/CodePage.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/PreviewRecord.h"
#include "skin/frame/SkinProvider_win.h"

namespace qw {

namespace {

constexpr int kAnnouncements = 101;
constexpr UINT kAnnounceTimeoutMs = 500;

int& PreviewState() {
  // -1: not read from the command line yet.
  static int state = -1;
  return state;
}

bool& Announced() {
  static bool announced = false;
  return announced;
}

bool& TakingRecord() {
  static bool taking = false;
  return taking;
}

HWND EditorWindow() { return FindWindowW(nullptr, kPreviewEditorTitle); }

bool CommandLineAsksPreview() {
  const std::vector<std::u16string> args = CommandLineArguments(reinterpret_cast<const char16_t*>(GetCommandLineW()));
  return !args.empty() && args[0] == u"/qxpreview";
}

void TakeRecord(TsSkinProvider& provider, TMessage& message) {
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(message.LParam);
  // Only while the editor is there, and only a record that is whole and bounded.
  if (TakingRecord() || !data || !data->lpData || !EditorWindow()) return;
  TPreviewRecord record;
  if (ParsePreviewRecord(data->lpData, data->cbData, record) != TPreviewVerdict::Accepted) return;
  TsSkinManager* manager = provider.SkinData->EffectiveManager();
  if (!manager) return;
  TakingRecord() = true;
  try {
    manager->PreviewMode = true;
    manager->PreviewDescription = CodePageToUtf16(record.Description);
    manager->BeginUpdate();
    manager->SetSkinDirectory(CodePageToUtf16(record.SkinFolder));
    manager->SetSkinName(CodePageToUtf16(record.SkinName));
    manager->EndUpdate(true, false);
    message.Result = 1;
  } catch (...) {
  }
  TakingRecord() = false;
}

}  // namespace

bool PreviewModeOn() {
  if (PreviewState() < 0) PreviewState() = CommandLineAsksPreview() ? 1 : 0;
  return PreviewState() == 1;
}

void SetPreviewMode(bool on) {
  PreviewState() = on ? 1 : 0;
  Announced() = false;
}

void AnnounceToPreviewEditor(HWND form) {
  if (!PreviewModeOn() || Announced() || !form) return;
  Announced() = true;
  for (int i = 0; i < kAnnouncements; ++i) {
    HWND editor = EditorWindow();
    if (!editor) return;
    DWORD_PTR answer = 0;
    // An editor that hangs must not hang the program.
    if (SendMessageTimeoutW(editor, kPreviewMessage, kPreviewAnnounce, reinterpret_cast<LPARAM>(form), SMTO_ABORTIFHUNG,
                            kAnnounceTimeoutMs, &answer) &&
        answer == 1)
      return;
  }
}

void OnPreviewMessage(TsSkinProvider& provider, TMessage& message) {
  if (!PreviewModeOn()) return provider.CallPrevious(message);
  if (message.Msg == kPreviewMessage) {
    if (message.WParam == kPreviewClose) {
      // Not inside the editor's message: the form may be destroyed by closing.
      if (provider.Form()) PostMessageW(provider.Form()->Handle(), WM_CLOSE, 0, 0);
      message.Result = 0;
      return;
    }
    if (message.WParam == kPreviewPing) {
      message.Result = 1;
      return;
    }
    return provider.CallPrevious(message);
  }
  TDestroyWatch watch(&provider);
  provider.CallPrevious(message);
  if (watch.Destroyed() || message.Result != 0 || message.WParam != kPreviewRecordTag) return;
  TakeRecord(provider, message);
}

}  // namespace qw
