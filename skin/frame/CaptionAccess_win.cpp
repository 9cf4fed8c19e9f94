#include "skin/frame/CaptionAccess_win.h"

#include <algorithm>

#include "fw/Form.h"
#include "fw/WideText.h"
#include "skin/frame/SkinProvider_win.h"

namespace qw {

namespace {

// The name a caption button reads with: what a click on it does now.
std::u16string ButtonName(const TsSkinProvider& provider, int hitCode, HWND form) {
  switch (hitCode) {
    case kHtClose: return u"Закрыть";
    case kHtMaxButton: return IsZoomed(form) ? u"Восстановить" : u"Развернуть";
    case kHtMinButton: return IsIconic(form) ? u"Восстановить" : u"Свернуть";
    case kHtHelp: return u"Справка";
    default: {
      const size_t user = static_cast<size_t>(hitCode - kHtUserButton);
      return user < provider.TitleButtons.size() ? provider.TitleButtons[user].Hint : std::u16string();
    }
  }
}

}  // namespace

std::vector<int> TqxCaptionAccess::ShownButtons() const {
  const TCaptionLayout& layout = FProvider.Caption();
  std::vector<TCaptionButtonBox> shown;
  for (const TCaptionButtonBox& b : layout.System)
    if (!IsRectEmpty(b.Rect)) shown.push_back(b);
  for (const TCaptionButtonBox& b : layout.User)
    if (!IsRectEmpty(b.Rect)) shown.push_back(b);
  std::sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) { return a.Rect.Left < b.Rect.Left; });
  std::vector<int> codes;
  for (const TCaptionButtonBox& b : shown) codes.push_back(b.HitCode);
  return codes;
}

void TqxCaptionAccess::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) {
  TForm* form = FProvider.Form();
  if (!form || !form->HandleAllocated()) return;
  HWND h = form->Handle();
  self.Kind = TAccessKind::TitleBar;
  self.Caption = U16(form->Text());
  // A form a modal window disabled takes no clicks on its caption either.
  self.Enabled = form->Enabled() && IsWindowEnabled(h);
  self.Showing = IsWindowVisible(h) != FALSE;
  for (int code : ShownButtons()) {
    const TsCaptionButton* b = FProvider.ButtonOf(code);
    if (!b) continue;
    TAccessElement e;
    e.Facts.Kind = TAccessKind::PushButton;
    e.Facts.Caption = ButtonName(FProvider, code, h);
    e.Facts.Enabled = self.Enabled && FProvider.ButtonEnabled(*b);
    e.Facts.Pressed = b->State == 2;
    e.Facts.Hot = b->State == 1;
    e.Facts.Showing = self.Showing;
    e.Bounds = ClientRectOfWindowRect(h, b->Rect);
    elements.push_back(std::move(e));
  }
}

void TqxCaptionAccess::DoAccessDefaultAction(int id) {
  const std::vector<int> codes = ShownButtons();
  TForm* form = FProvider.Form();
  if (id < 1 || id > static_cast<int>(codes.size()) || !form || !form->Enabled()) return;
  const int code = codes[static_cast<size_t>(id - 1)];
  const TsCaptionButton* b = FProvider.ButtonOf(code);
  if (!b || !FProvider.ButtonEnabled(*b)) return;
  RECT wr{};
  GetWindowRect(form->Handle(), &wr);
  FProvider.ClickButton(code, POINT{wr.left + (b->Rect.Left + b->Rect.Right) / 2, wr.top + (b->Rect.Top + b->Rect.Bottom) / 2});
}

bool TqxCaptionAccess::AccessBounds(TRect& bounds) {
  TForm* form = FProvider.Form();
  if (!form || !form->HandleAllocated()) return false;
  const TFrameGeometry g = FProvider.Geometry();
  RECT wr{};
  GetWindowRect(form->Handle(), &wr);
  bounds = ClientRectOfWindowRect(form->Handle(), TRect{g.SysBorderWidth, g.SysBorderHeight, (wr.right - wr.left) - g.SysBorderWidth,
                                              g.SysBorderHeight + g.CaptionHeight});
  return true;
}

}  // namespace qw
