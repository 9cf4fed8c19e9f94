#include "skin/controls/sTabSheet.h"

#include "image/BitmapDC_win.h"
#include "skin/controls/sPageControl.h"
#include "skin/core/ChildPainting_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/data/SkinManager.h"

namespace qw {

TqxTabType TabTypeOf(const TTabSheet* page) {
  const auto* sheet = dynamic_cast<const TsTabSheet*>(page);
  return sheet ? sheet->TabType() : ttTab;
}

// ---- Sheets --------------------------------------------------------------------------------------------

TsPageControl* TsTabSheet::SkinnedPages() const {
  auto* pages = dynamic_cast<TsPageControl*>(PageControl());
  return pages && pages->SkinData.Skinned() ? pages : nullptr;
}

void TsTabSheet::PaintWindow(TCanvas& canvas) {
  if (!SkinData.Skinned()) return TTabSheet::PaintWindow(canvas);
  TsPageControl* pages = SkinnedPages();
  if (pages && pages->EnsureCache()) {
    CopyBitmapToDC(canvas.Handle(), *pages->SkinData.CacheBmp(), RectOf(BoundsRect()),
                   TPoint{});
    return;
  }
  canvas.SetBrushColor(SkinData.BackgroundColorForChildren());
  canvas.FillRect(ClientRect());
}

void TsTabSheet::SetUseCloseBtn(bool use) {
  if (use == FUseCloseBtn) return;
  FUseCloseBtn = use;
  if (TsPageControl* pages = SkinnedPages()) {
    pages->RequestRepaint();
  }
}

void TsTabSheet::Notification(TComponent* component, TOperation operation) {
  TsSkinned::Notification(component, operation);
  if (operation == TOperation::opRemove && component == TabMenu) TabMenu = nullptr;
}

void TsTabSheet::SkinCommand(TMessage& message, TSkinCommand code) {
  TsPageControl* pages = SkinnedPages();
  switch (code) {
    case skcQueryUpdating:
      // The face is the page control's picture: children wait while that is held back or the sheet is.
      message.Result = SkinData.FUpdating || (pages && pages->SkinData.FUpdating) ? 1 : 0;
      return;
    case skcGetSkinIndex:
      // Only our own question is answered or passed on: passing it on would make it look like our send.
      if (!SkinCommandTrusted(message, this)) return TsSkinned::WndProc(message);
      // The section that paints the sheet's face: its own, else the page control's.
      if (const int own = OwnSectionIndex(); own >= 0) {
        if (auto* index = reinterpret_cast<int*>(message.LParam)) *index = own;
        message.Result = 1;
        return;
      }
      if (!pages) return TsSkinned::WndProc(message);
      message.Result = PerformOn(*pages, message);
      return;
    case skcQueryParentBG:
      return AnswerParentBG(message, pages);
    case skcGetColor:
      if (!pages) return TsSkinned::WndProc(message);
      message.Result = PerformOn(*pages, message);
      return;
    case skcPaintBackground: {
      auto* info = SkinCommandAddress<TBackgroundInfo>(message, this);
      if (!pages || !info || !pages->EnsureCache()) return TsSkinned::WndProc(message);
      TBitmap32* cache = pages->SkinData.CacheBmp();
      info->BgType = btCache;
      info->Bmp = cache;
      info->Offset = TPoint{Left(), Top()};
      if (info->PleaseDraw && info->DrawDC)
        CopyBitmapToDC(info->DrawDC, *cache, OffsetRect(info->R, Left(), Top()), TPoint{});
      message.Result = 1;
      return;
    }
    case skcEndParentUpdate:
      TsSkinned::WndProc(message);
      // The sheet paints afresh from the page control's picture and then tells its children; when it
      // cannot paint now, the news is passed on at once so nobody waits for it.
      SkinData.FUpdating = false;
      if (HandleAllocated() && IsWindowVisible(FHandle)) RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE);
      else NotifyChildrenParentPainted(*this);
      return;
    default:
      return TsSkinned::WndProc(message);
  }
}

void TsTabSheet::WndProc(TMessage& message) {
  if (message.Msg == SkinCommandMsg) return SkinCommand(message, SkinCommandCode(message.WParam));
  TsSkinned::WndProc(message);
  if (message.Msg != WM_PAINT || message.WParam || !SkinData.Skinned()) return;
  SkinData.BGChanged = false;
  NotifyChildrenParentPainted(*this);
}

int TsTabSheet::OwnSectionIndex() const {
  if (TabSkinData.SkinSection().empty()) return -1;
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (!m) return -1;
  const int index = m->GetSkinIndex(TabSkinData.SkinSection());
  return m->IsValidSkinIndex(index) ? index : -1;
}

void TsTabSheet::SetTabType(TqxTabType type) {
  FTabType = type;
  if (type == ttTab) FTabSkin.clear();
  else if (FTabSkin.empty()) FTabSkin = type == ttButton ? u"SPEEDBUTTON" : u"MENUBTN";
  auto* pages = dynamic_cast<TsPageControl*>(PageControl());
  if (!pages || pages->IsLoading()) return;
  pages->ChooseValidActivePage();
  // Close buttons come and go with the page tabs: the strip measures its tabs again.
  pages->SetPadding();
}

void TsTabSheet::SetTabSkin(std::u16string_view section) {
  if (FTabSkin == section) return;
  FTabSkin.assign(section);
  TsPageControl* pages = SkinnedPages();
  if (!pages) return;
  pages->RequestRepaint();
}

// Children ask whether the sheet's face depends on what lies behind the page control.
void TsTabSheet::AnswerParentBG(TMessage& message, TsPageControl* pages) {
  if (!pages) return TsSkinned::WndProc(message);
  const TsSkinManager* m = pages->SkinData.EffectiveManager();
  const int index = pages->SkinData.SkinIndex();
  // The sheet's face is the page control's picture: it moves with what lies behind the page control.
  bool dependent = pages->SkinData.RepaintIfMoved();
  if (m && m->IsValidSkinIndex(index)) {
    const TsGeneralData& g = m->gd[static_cast<size_t>(index)];
    dependent = dependent || g.Props[0].GradientPercent + g.Props[0].ImagePercent > 0;
  }
  message.Result = dependent ? 1 : 0;
}

}  // namespace qw
