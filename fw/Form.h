#pragma once
// A top-level window made from a stored description: border, icons, position, the focused control, and
// the tables through which the description loader finds the form's fields and event handlers.
#include <string>

#include "fw/WinControl.h"

namespace qw {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class TPosition { poDesigned, poScreenCenter };

class TForm : public TWinControl {
 public:
  TForm();
  ~TForm() override;
  const char* ClassName() const override { return "TForm"; }
  void WndProc(TMessage& message) override;

  TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
  unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition Position = TPosition::poDesigned;
  // Resource name of the window's icon ("" = none).
  std::wstring IconResource;

  // The client size; the window size follows from the border.
  int ClientWidth() const { return FClientWidth; }
  int ClientHeight() const { return FClientHeight; }
  void SetClientWidth(int w) { FClientWidth = w; }
  void SetClientHeight(int h) { FClientHeight = h; }

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

  // The description loader's view of the form: the field a component name fills (false: no such
  // field) and the event handler a name in the description stands for (empty: unknown name).
  virtual bool BindField(const std::string& name, TComponent* component);
  virtual TNotifyEvent FindHandler(const std::string& name);

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandleDone() override;
  void UpdateVisibility() override;

 private:
  // Registers every windowed control that has a hint to show with the form's tooltip window.
  void UpdateHints();
  void SetWindowIcon(HICON icon);
  void WMNcDestroy(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMWindowPosChanged(TMessage& message, const WINDOWPOS& pos);
  void WMSysColorChange(TMessage& message);
  void WMClose(TMessage& message);
  void WMDestroy(TMessage& message);
  // Offers Enter or Escape to the controls in tab order until one takes it.
  void FWDialogKey(TMessage& message);
  int FClientWidth = 0;
  int FClientHeight = 0;
  TWinControl* FActiveControl = nullptr;
  HICON FIcon = nullptr;
  HWND FHintWindow = nullptr;
};

}  // namespace qw
