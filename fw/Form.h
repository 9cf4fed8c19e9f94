#pragma once
// A top-level window made from a stored description: its frame (border, icons, state, size limits,
// translucency), position, menu bar, paint handler, the focused control, and the tables through which the
// description loader finds the form's fields and event handlers.
#include <string>

#include "fw/FormFrame.h"
#include "fw/WinControl.h"

namespace qw {

class TCanvas;
class TMainMenu;

enum class TPosition { poDesigned, poScreenCenter };

class TForm : public TWinControl {
 public:
  TForm();
  ~TForm() override;
  const char* ClassName() const override { return "TForm"; }
  void WndProc(TMessage& message) override;

  // The properties that shape the window (fw/FormFrame.h); a change reaches a window that exists. The
  // window state follows the window when the user maximises, minimises or restores it.
  const TFormFrame& Frame() const { return FFrame; }
  void SetFrame(const TFormFrame& frame);
  TWindowState WindowState() const { return FFrame.WindowState; }
  void SetWindowState(TWindowState state);

  TPosition Position = TPosition::poDesigned;
  // Resource name of the window's icon ("" = none).
  std::wstring IconResource;

  // The client size; the window size follows from the border.
  int ClientWidth() const { return FClientWidth; }
  int ClientHeight() const { return FClientHeight; }
  void SetClientWidth(int w) { FClientWidth = w; }
  void SetClientHeight(int h) { FClientHeight = h; }
  // The window's size stays within the frame's Constraints.
  void SetBounds(int left, int top, int width, int height) override;

  // The menu bar (none when null or when it has no visible item); a change raises FW_MENU_CHANGED.
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);

  // Raised after the form's face has been filled with its colour; Canvas() paints on the face meanwhile.
  TNotifyEvent OnPaint;
  // The canvas OnPaint paints on, only while it runs; null otherwise.
  TCanvas* Canvas() const { return FCanvas; }
  // Runs OnPaint on a canvas of the caller's (the skin's picture of the window) instead of the window.
  void RunOnPaint(TCanvas& canvas);

  // Makes the windows and shows the form.
  void Show();
  // The tooltip window that shows the hints of controls with ShowHint (null before Show).
  HWND HintWindow() const { return FHintWindow; }
  void Close();

  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  // Called when a control of this form receives the focus: raises FW_EXIT on the one that had it and
  // FW_ENTER on the new one.
  void SetFocusedControl(TWinControl* control);
  // Called when a control leaves this form (destroyed, or given another parent) while its children are
  // still attached to it: the form lets go of it as its active control, and of any child of it.
  void ControlRemoved(TControl* control);
  // The key the focused control got, with the shift keys held, is the shortcut of an item of the menu
  // bar: the item runs and true comes back.
  bool IsShortCut(WORD key);

  // The description loader's view of the form: the field a component name fills (false: no such
  // field) and the event handler a name in the description stands for (empty: unknown name).
  virtual bool BindField(const std::string& name, TComponent* component);
  virtual TNotifyEvent FindHandler(const std::string& name);
  virtual TMouseEvent FindMouseHandler(const std::string& name);
  virtual TKeyEvent FindKeyHandler(const std::string& name);

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandleDone() override;
  void UpdateVisibility() override;
  void PaintWindow(TCanvas& canvas) override;

 private:
  // Registers every windowed control that has a hint to show with the form's tooltip window.
  void UpdateHints();
  void SetWindowIcon(HICON icon);
  // The system's styles for the frame, and the window brought to a changed frame.
  void FrameStyles(DWORD& style, DWORD& exStyle) const;
  void ApplyFrame(const TFormFrame& old);
  void ApplyAlphaBlend();
  int ShowCommand() const;
  void WMNcDestroy(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMWindowPosChanged(TMessage& message, const WINDOWPOS& pos);
  void WMSize(TMessage& message, UINT kind);
  void WMGetMinMaxInfo(TMessage& message, MINMAXINFO& info);
  void WMNcCalcSize(TMessage& message, RECT& proposed);
  void WMNcPaint(TMessage& message);
  void WMCommand(TMessage& message, UINT notifyCode, UINT id, HWND control);
  void WMSysColorChange(TMessage& message);
  void WMClose(TMessage& message);
  void WMDestroy(TMessage& message);
  // Offers Enter or Escape to the controls in tab order until one takes it.
  void FWDialogKey(TMessage& message);
  TFormFrame FFrame;
  int FClientWidth = 0;
  int FClientHeight = 0;
  TWinControl* FActiveControl = nullptr;
  TMainMenu* FMenu = nullptr;
  TCanvas* FCanvas = nullptr;
  HICON FIcon = nullptr;
  HWND FHintWindow = nullptr;
};

}  // namespace qw
