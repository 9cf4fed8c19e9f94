#include "skin/render/GlowWindow_win.h"

#include <memory>
#include <vector>

#include "skin/data/SkinManager.h"
#include "skin/render/EngineStartup_win.h"
#include "skin/render/GlowBitmap.h"
#include "skin/render/LayeredWindow_win.h"

namespace qw {

namespace {

constexpr wchar_t kGlowClass[] = L"QxGlowWindow";

struct TqxGlowEffect {
  TsSkinManager* SkinManager = nullptr;
  int MaskIndex = -1;
  int Margin = 0;
  HWND Wnd = nullptr;
};

std::vector<std::unique_ptr<TqxGlowEffect>>& Effects() {
  static std::vector<std::unique_ptr<TqxGlowEffect>> effects;
  return effects;
}

// Mouse input passes through the glow to whatever lies below it.
LRESULT CALLBACK GlowWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCHITTEST) return HTTRANSPARENT;
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateGlowWindow() { return CreateLayeredPopup(kGlowClass, GlowWndProc, WS_EX_TRANSPARENT); }

// Puts the glow just above the owner: directly below the window that lies above it; stay-on-top with a
// stay-on-top owner. With nothing above the owner the glow goes to the top, never below the owner.
void PlaceInZOrder(HWND glow, HWND owner, TPoint at, int width, int height) {
  HWND after = HWND_TOP;
  if (owner && (GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
    after = HWND_TOPMOST;
  } else if (owner) {
    for (HWND above = GetWindow(owner, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
      if (above == glow) continue;
      after = above;
      break;
    }
  }
  SetWindowPos(glow, after, at.X, at.Y, width, height, SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
}

}  // namespace

int ShowGlow(const TRect& r, const TRect& visible, std::u16string_view section, TsSkinManager* manager, HWND ownerWindow,
             int, int margin, std::u16string_view propertyName) {
  if (!EngineStartup().UpdateLayeredWindow) return -1;
  TsSkinManager* m = manager ? manager : DefaultManager();
  if (!m) return -1;
  const int mask = FindGlowMask(*m, section, propertyName);
  if (mask < 0) return -1;
  const TGlowGeometry g = CalcGlowGeometry(r, visible, m->MaskWidthLeft(mask), m->MaskWidthTop(mask),
                                           m->MaskWidthRight(mask), m->MaskWidthBottom(mask), margin);
  if (g.Empty()) return -1;
  const TBitmap32 picture = MakeGlowBitmap(*m, mask, g);
  if (picture.Empty()) return -1;
  auto effect = std::make_unique<TqxGlowEffect>();
  effect->SkinManager = m;
  effect->MaskIndex = mask;
  effect->Margin = margin;
  effect->Wnd = CreateGlowWindow();
  if (!effect->Wnd) return -1;
  PlaceInZOrder(effect->Wnd, ownerWindow, g.Position, g.Width, g.Height);
  // The glow picture is premultiplied already, as the layered window takes it.
  if (!UpdateLayeredPicture(effect->Wnd, picture, g.Position, 255)) {
    DestroyWindow(effect->Wnd);
    return -1;
  }
  ShowWindow(effect->Wnd, SW_SHOWNOACTIVATE);
  Effects().push_back(std::move(effect));
  return static_cast<int>(Effects().size()) - 1;
}

void HideGlow(int& glowId) {
  auto& effects = Effects();
  if (glowId < 0 || static_cast<size_t>(glowId) >= effects.size() || !effects[static_cast<size_t>(glowId)]) {
    glowId = -1;
    return;
  }
  std::unique_ptr<TqxGlowEffect> effect = std::move(effects[static_cast<size_t>(glowId)]);
  glowId = -1;
  if (effect->Wnd && IsWindow(effect->Wnd)) DestroyWindow(effect->Wnd);
}

void HideAllGlows() {
  for (int i = 0; i < static_cast<int>(Effects().size()); ++i) {
    int id = i;
    HideGlow(id);
  }
}

HWND GlowWindowOf(int glowId) {
  const auto& effects = Effects();
  if (glowId < 0 || static_cast<size_t>(glowId) >= effects.size() || !effects[static_cast<size_t>(glowId)]) return nullptr;
  return effects[static_cast<size_t>(glowId)]->Wnd;
}

int GlowSlotCount() { return static_cast<int>(Effects().size()); }

}  // namespace qw
