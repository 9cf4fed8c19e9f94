#pragma once
// TsTabSheet: a page of a skinned page control, and the kind of tab it has (a page tab, a button or a
// menu button).
#include <string>
#include <string_view>

#include "fw/Canvas.h"
#include "fw/Menu.h"
#include "fw/PageControl.h"
#include "skin/controls/PageControlLayout.h"
#include "skin/controls/TabSkinData.h"
#include "skin/core/SkinnedControl.h"
#include "skin/data/SkinCommands.h"

namespace qw {

class TsPageControl;

// A page of a skinned page control: its face is the page control's painted page area, and it answers
// the skin queries of its children for the page control. After it painted, the children waiting for
// the picture behind them are told.
class TsTabSheet : public TsSkinned<TTabSheet, COC_TsTabSheet> {
 public:
  const char* ClassName() const override { return "TsTabSheet"; }
  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void WndProc(TMessage& message) override;

  // ---- The page's kind and own look ----
  // A button or menu tab gets the matching button section when it has none; a page tab loses its
  // section. The page control then shows a page that may be shown.
  TqxTabType TabType() const { return FTabType; }
  void SetTabType(TqxTabType type);
  // Section of this page's tab; empty chooses by style and position. A change redraws the tabs.
  const std::u16string& TabSkin() const { return FTabSkin; }
  void SetTabSkin(std::u16string_view section);
  // The stored look of the page (its SkinData in the window description).
  TsTabSkinData TabSkinData;
  // The section of TabSkinData when the skin has it, else -1.
  int OwnSectionIndex() const;

 protected:
  void PaintWindow(TCanvas& canvas) override;

 private:
  TsPageControl* SkinnedPages() const;
  void SkinCommand(TMessage& message, TSkinCommand code);
  void AnswerParentBG(TMessage& message, TsPageControl* pages);
  TqxTabType FTabType = ttTab;
  std::u16string FTabSkin;

 public:
  // The tab's own parts: its close button (when the control shows them), image, the section of a
  // button tab, the menu a menu tab opens and the event a button tab raises when released.
  bool UseCloseBtn() const { return FUseCloseBtn; }
  void SetUseCloseBtn(bool use);
  std::u16string ButtonSkin;
  int ImageIndex = -1;
  TPopupMenu* TabMenu = nullptr;
  TNotifyEvent OnClickBtn;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool FUseCloseBtn = true;
};

// The kind of a page's tab: a page tab unless a skinned sheet says otherwise.
TqxTabType TabTypeOf(const TTabSheet* page);

}  // namespace qw
