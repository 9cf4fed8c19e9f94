// TsSkinProvider: the caption's layout, its icon and its text in the frame's picture.
#include <algorithm>

#include "fw/BitmapCanvas.h"
#include "fw/Color.h"
#include "fw/Form.h"
#include "image/ColorToRgb.h"
#include "skin/core/CommonData_win.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/CaptionDraw_win.h"
#include "skin/frame/FramePicture.h"
#include "skin/frame/SkinProvider_win.h"
#include "skin/render/SectionText_win.h"

namespace qw {

namespace {

constexpr UINT kCaptionTextFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

int TextWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  if (text.empty() || !GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size)) return 0;
  return size.cx;
}

}  // namespace

void TsSkinProvider::CalcItems() {
  const TsSkinManager* m = Manager();
  if (!m || !FForm) return;
  const TFrameWindow w = WindowFacts();
  const TFrameGeometry g = MeasureFrame(w, SystemFrameMetrics());
  TFormCaptionInput in;
  in.State = FormStateNow();
  in.Images = FImages;
  in.IconShown = ShowAppIcon && FHaveSysMenu &&
                 (in.State.BorderStyle == qxbsSingle || in.State.BorderStyle == qxbsSizeable);
  const int userImage = m->GetMaskIndex(u"GLOBALINFO", u"TITLEBUTTON");
  for (const TsTitleButton& b : TitleButtons) {
    TCaptionButtonSpec spec;
    spec.Shown = b.Visible;
    spec.Clickable = b.Enabled;
    spec.Image = CaptionImageSize(m->Tables, b.UseSkinData ? userImage : -1);
    in.User.push_back(spec);
  }
  FCaption = LayoutFormCaption(m->Tables, g, w, in);
  for (int i = 0; i < cbSystemCount; ++i) {
    TsCaptionButton& b = FButtons[i];
    b.Rect = FCaption.Layout.System[i].Rect;
    b.HitCode = FCaption.Layout.System[i].HitCode;
    b.ImageIndex = FCaption.Images.Index[i];
  }
  FUserButtons.resize(TitleButtons.size());
  for (size_t i = 0; i < FUserButtons.size() && i < FCaption.Layout.User.size(); ++i) {
    FUserButtons[i].Rect = FCaption.Layout.User[i].Rect;
    FUserButtons[i].HitCode = FCaption.Layout.User[i].HitCode;
    FUserButtons[i].ImageIndex = TitleButtons[i].UseSkinData ? userImage : -1;
  }
}

HICON TsSkinProvider::FormIcon() const {
  HWND h = Handle();
  if (auto icon = reinterpret_cast<HICON>(SendMessageW(h, WM_GETICON, ICON_SMALL, 0))) return icon;
  if (auto icon = reinterpret_cast<HICON>(SendMessageW(h, WM_GETICON, ICON_BIG, 0))) return icon;
  if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(h, GCLP_HICONSM))) return icon;
  return LoadIconW(nullptr, IDI_APPLICATION);
}

void TsSkinProvider::PaintIcon() {
  const TRect r = FCaption.Layout.Icon;
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  DrawCaptionIcon(*SkinData->CacheBmp(), r, FormIcon());
}

void TsSkinProvider::PaintCaptionText(const TFrameGeometry& g) {
  TsSkinManager& m = *Manager();
  const std::wstring text = FForm->Text();
  TBitmap32& cache = *SkinData->CacheBmp();
  TBitmapCanvas canvas(cache);
  HDC dc = canvas.Handle();
  const TCaptionFontScope font(dc);
  if (!font) return;
  const TRect room = CaptionTextRect(FCaption.Layout, FormCaptionNumbers(g, WindowFacts()), font.TextHeight());
  const int addedWidth = TextWidth(dc, std::wstring(AddedTitle.Text.begin(), AddedTitle.Text.end()));
  TRect r = AlignCaptionText(room, CaptionAlignment, FForm->BiDiMode() != bdLeftToRight, TextWidth(dc, text), addedWidth);
  const int section = CaptionTextSection(m, FTitleSkinIndex);
  const UINT flags = kCaptionTextFlags | (FForm->BiDiMode() != bdLeftToRight ? DT_RTLREADING : 0);
  if (r.Right > r.Left) {
    WriteSectionText(dc, std::u16string(text.begin(), text.end()), true, &m, FFormActive, section, flags, r);
    r.Left = std::min(r.Right, r.Left + TextWidth(dc, text));
  }
  if (!AddedTitle.Text.empty() && m.IsValidSkinIndex(FTitleSkinIndex)) {
    const TRect added{r.Left + 4, r.Top, r.Left + 8 + addedWidth, r.Bottom};
    if (added.Right - added.Left > 4 && added.Right <= room.Right) {
      const TsGeneralData& title = m.gd[static_cast<size_t>(FTitleSkinIndex)];
      TColor color = AddedTitle.FontColor;
      if (color == clNone || color == clWindowText)
        color = static_cast<TColor>(FFormActive ? title.HotFontColor().Color : title.FontColor().Color);
      else if (!FFormActive)
        color = MixColors(ColorToRGB(color), static_cast<TColor>(title.FontColor().Color), 0.5);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, ColorToRGB(color));
      RECT rr{added.Left, added.Top, added.Right, added.Bottom};
      DrawTextW(dc, reinterpret_cast<const wchar_t*>(AddedTitle.Text.c_str()), static_cast<int>(AddedTitle.Text.size()), &rr,
                flags);
    }
  }
}

}  // namespace qw
