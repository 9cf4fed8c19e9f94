#pragma once
// Popup menus: a TPopupMenu holds TMenuItems in order; Popup builds the system menu, tracks it and runs
// the chosen item's OnClick.
#include <windows.h>

#include <string>
#include <vector>

#include "base/Component.h"
#include "fw/Picture.h"

namespace qw {

class TControl;

class TMenuItem : public TComponent {
 public:
  const char* ClassName() const override { return "TMenuItem"; }
  // "-" makes a separator.
  std::wstring Caption;
  bool Enabled = true;
  bool Visible = true;
  TPicture Bitmap;
  TNotifyEvent OnClick;
  // Runs OnClick, as choosing the item does.
  void Click();
  bool IsSeparator() const { return Caption == L"-"; }
};

class TPopupMenu : public TComponent {
 public:
  ~TPopupMenu() override;
  const char* ClassName() const override { return "TPopupMenu"; }
  void Notification(TComponent* component, TOperation operation) override;

  void Add(TMenuItem* item) { FItems.push_back(item); }
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems[static_cast<size_t>(index)]; }

  // Shows the menu at a screen point and runs the chosen item.
  void Popup(int x, int y);
  // The control the menu was last opened on.
  TControl* PopupComponent = nullptr;
  // The system menu as last built (for tests and the skin's menu painting); rebuilt by every Popup.
  HMENU Handle();

 private:
  void Rebuild();
  std::vector<TMenuItem*> FItems;
  HMENU FMenu = nullptr;
};

}  // namespace qw
