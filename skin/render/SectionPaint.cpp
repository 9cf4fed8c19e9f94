#include "skin/render/SectionPaint.h"

#include <algorithm>
#include <exception>

#include "skin/data/SkinManager.h"
#include "image/BitmapBlend.h"
#include "image/BitmapClip.h"
#include "image/BitmapColor.h"
#include "image/BitmapFill.h"
#include "skin/render/Gradient.h"
#include "skin/render/RenderScratch.h"
#include "skin/render/TextureFill.h"

namespace qw {

namespace {

const TsSkinManager* Effective(const TsSkinManager* manager) { return manager ? manager : DefaultManager(); }

// R lies inside the bitmap (an inverted rectangle does not).
bool RectInside(const TRect& r, const TBitmap32& bmp) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= bmp.Width() && r.Bottom <= bmp.Height() && r.Right >= r.Left &&
         r.Bottom >= r.Top;
}

TCacheInfo Moved(TCacheInfo ci, TPoint p) {
  ci.X = SaturatingAdd(ci.X, p.X);
  ci.Y = SaturatingAdd(ci.Y, p.Y);
  return ci;
}

bool ParentReady(const TCacheInfo& ci) { return ci.Ready && ci.Bmp; }

void FillPlain(TBitmap32& bmp, const TRect& r, TColor color) { FillRect32(bmp, r, ColorToRGB(color), 255); }

// Copies the parent's pixels behind R (from ci.Bmp at (ci.X + pP.X, ci.Y + pP.Y)) into R; what lies
// outside the parent's bitmap is left as it is.
void CopyParent(TBitmap32& bmp, const TRect& r, const TCacheInfo& ci, TPoint pP) {
  if (!ParentReady(ci) || ci.Bmp == &bmp) return;
  TCopyArea a{r.Left, r.Top, SaturatingAdd(ci.X, pP.X), SaturatingAdd(ci.Y, pP.Y), SpanOf(r.Left, r.Right),
              SpanOf(r.Top, r.Bottom)};
  if (!ClipCopyArea(a, ci.Bmp->Width(), ci.Bmp->Height(), bmp.Width(), bmp.Height())) return;
  for (int32_t y = 0; y < a.H; ++y)
    std::copy_n(ci.Bmp->Row(a.SrcY + y) + a.SrcX, a.W, bmp.Row(a.DstY + y) + a.DstX);
}

// Turns hue and saturation of R's pixels (key and gray pixels stay as they are).
void AdjustHueSaturation(TBitmap32& bmp, const TRect& r, int hue, int saturation) {
  if (hue == 0 && saturation == 0) return;
  const TRect c = ClipRectToSize(r, bmp.Width(), bmp.Height());
  for (int32_t y = c.Top; y < c.Bottom; ++y) {
    uint32_t* row = bmp.Row(y);
    for (int32_t x = c.Left; x < c.Right; ++x) {
      if (row[x] == kKeyPixel) continue;
      if (hue != 0) row[x] = ChangePixelHue(row[x], hue);
      if (saturation != 0) row[x] = ChangePixelSaturation(row[x], saturation);
    }
  }
}

// How the colour share and the one-pass fill are handled: sections, or the scroll-bar parts.
struct TFillRules {
  bool OnePass = true;
  bool ScrollPart = false;
  TColor PlainColor = 0;  // scroll parts: what an s of 0 or above 100 fills R with
};

void FillBackgroundWith(TBitmap32& target, const TRect& r, const TSectionBackground& v, const TsSkinManager& m,
                        const TCacheInfo& ci, const TFillRules& rules) {
  if (IsRectEmpty(r)) return;
  const int ip = v.ImagePercent, gp = v.GradientPercent;
  const TsMaskData* texMask = !v.TextureIsPattern && m.IsValidImgIndex(v.Texture) ? &m.ma[size_t(v.Texture)] : nullptr;
  const TBitmap32* pattern = v.TextureIsPattern && v.Texture >= 0 && size_t(v.Texture) < m.pa.size()
                                 ? m.pa[size_t(v.Texture)].Img.get()
                                 : nullptr;
  const bool hasGradient = gp > 0 && v.Gradient && v.GradientText && !v.Gradient->empty();
  const int layout = hasGradient ? (*v.Gradient)[0].Mode1 : -1;

  if (rules.OnePass && ip + gp == 100 && gp >= 1 && gp <= 99 && texMask && texMask->DrawMode == 0 &&
      texMask->MaskType == 0 && hasGradient && (layout == glVertical || layout == glHorizontal)) {
    if (const TBitmap32* src = MaskSource(*texMask)) {
      PaintGradientWithTexture(target, r, *v.Gradient, ip * 255 / 100, texMask->R, *src);
      return;
    }
  }

  // Only a texture the tables hold counts as painted: without one the gradient goes straight into R
  // and keeps its full share, rather than being blended over a plain colour as if over a texture.
  const bool textured = ip > 0 && (pattern || texMask);
  if (textured) {
    TRect rest = r;
    if (pattern && !pattern->Empty()) {
      FillRectByTexture(target, rest, pattern, 0, TsMaskData{});
    } else if (texMask && texMask->MaskType > 0) {
      // A masked texture blends with what lies below it: the section colour, not an older picture.
      FillPlain(target, r, v.Color);
      FillRectByMaskedTexture(target, rest, ci, texMask->DrawMode, *texMask);
    } else if (texMask) {
      FillRectByTexture(target, rest, texMask->Bmp.get(), texMask->DrawMode, *texMask);
    }
    // What the texture left uncovered (all of R when its image holds no pixels) takes the colour.
    if (rest.Right != -1) FillPlain(target, rest, v.Color);
  }

  if (gp > 0) {
    if (textured) {
      const int32_t w = WidthOfRect(r), h = HeightOfRect(r);
      TBitmap32& tmp = ScratchBitmap(ssGradient, w, h);
      if (!tmp.Empty()) {
        if (hasGradient)
          PaintGradient(tmp, TRect{0, 0, w, h}, *v.Gradient);
        else
          FillPlain(tmp, TRect{0, 0, w, h}, v.Color);
        BlendRectangle(target, tmp, std::clamp(ip * 255 / 100, 0, 255), TPoint{r.Left, r.Top}, TRect{0, 0, w, h});
      }
    } else if (hasGradient) {
      PaintGradient(target, r, *v.Gradient);
    } else {
      FillPlain(target, r, v.Color);
    }
  } else if (ip > 0 && !textured) {
    // An image share whose texture the skin does not hold, and no gradient: R takes the colour instead
    // of keeping whatever it held before (the colour share below would only tint that).
    FillPlain(target, r, v.Color);
  }

  const int s = gp + ip;
  if (s >= 1 && s <= 99) {
    BlendColorIntoRect(target, r, s, v.Color);
  } else if (rules.ScrollPart) {
    if (s != 100) FillPlain(target, r, rules.PlainColor);
  } else if (s <= 0) {
    FillPlain(target, r, v.Color);
  }
}

int TextureAfterChoice(const TsGeneralData& g, const TSectionBackground& v, int textureIndex, int hotTextureIndex) {
  int t = textureIndex;
  if (t < 0 && v.Transparency != 100 && v.ImagePercent > 0) t = g.TextureNormal();
  return t < 0 ? hotTextureIndex : t;
}

}  // namespace

int LimitState(const TsGeneralData& section, int state) {
  return std::clamp(state, 0, std::max(0, section.States - 1));
}

TSectionBackground ChooseSectionBackground(const TsSkinManager& m, int skinIndex, std::u16string_view sectionName,
                                           int state, int textureIndex, int hotTextureIndex, TColor customColor) {
  TSectionBackground v;
  if (customColor != clNoColor) {
    v.Color = customColor;
    return v;
  }
  const TsGeneralData& g = m.gd[size_t(skinIndex)];
  const TsGenState& p = g.Props[state > 0 ? 1 : 0];
  v.Color = p.Color;
  v.Transparency = p.Transparency;
  if (v.Transparency == 100) return v;
  v.ImagePercent = p.ImagePercent;
  v.GradientPercent = p.GradientPercent;
  if (v.ImagePercent > 0) {
    int t = state == 0 ? textureIndex : hotTextureIndex;
    if (state == 0 && t < 0) t = g.TextureNormal();
    const std::u16string_view key = state == 0 ? std::u16string_view(u"PATTERN") : std::u16string_view(u"HOTPATTERN");
    int tex;
    if (m.IsValidImgIndex(t) && m.ma[size_t(t)].MaskType == 0)
      tex = t;
    else if (t < 0)
      tex = m.GetMaskIndex(skinIndex, sectionName, key);
    else
      tex = -1;
    if (!m.IsValidImgIndex(tex)) {
      tex = m.GetPatternIndex(skinIndex, sectionName, key);
      v.TextureIsPattern = tex >= 0;
    }
    v.Texture = tex;
  }
  if (v.GradientPercent != 0) {
    v.Gradient = &p.GradientArray;
    v.GradientText = p.GradientData.find_first_not_of(u' ') != std::u16string::npos;
  }
  return v;
}

void FillBackground(TBitmap32& target, const TRect& r, const TSectionBackground& v, const TsSkinManager& manager,
                    const TCacheInfo& ci) {
  FillBackgroundWith(target, r, v, manager, ci, TFillRules{});
}

void PaintSectionBackground(int skinIndex, std::u16string_view sectionName, const TCacheInfo& ci, int state,
                            const TRect& r, TPoint pP, TBitmap32& bmp, const TsSkinManager* manager, int textureIndex,
                            int hotTextureIndex, TColor customColor) {
  const TsSkinManager* m = Effective(manager);
  if (!m || !m->IsValidSkinIndex(skinIndex) || !RectInside(r, bmp) || IsRectEmpty(r)) return;
  try {
    const TsGeneralData& g = m->gd[size_t(skinIndex)];
    state = LimitState(g, state);
    const TSectionBackground v =
        ChooseSectionBackground(*m, skinIndex, sectionName, state, textureIndex, hotTextureIndex, customColor);
    const TCacheInfo moved = Moved(ci, pP);
    const bool ready = ParentReady(ci);
    const int t = v.Transparency;
    if ((!ready && ci.FillColor == clNoColor) || t <= 0) {
      FillBackground(bmp, r, v, *m, moved);
    } else if (t >= 100) {
      if (ready)
        CopyParent(bmp, r, ci, pP);
      else
        FillPlain(bmp, r, ci.FillColor);
    } else if (ready || v.GradientPercent + v.ImagePercent > 0) {
      const int32_t w = WidthOfRect(r), h = HeightOfRect(r);
      TBitmap32& tmp = ScratchBitmap(ssBackground, w, h);
      if (tmp.Empty()) return;
      FillBackground(tmp, TRect{0, 0, w, h}, v, *m, moved);
      if (ready)
        CopyParent(bmp, r, ci, pP);
      else
        FillPlain(bmp, r, ci.FillColor);
      BlendRectangle(bmp, tmp, static_cast<int>(RoundDivEven(int64_t{t} * 255, 100)), TPoint{r.Left, r.Top},
                     TRect{0, 0, w, h});
    } else {
      FillPlain(bmp, r, MixColors(ColorToRGB(ci.FillColor), ColorToRGB(v.Color), t / 100.0));
    }
    if (state == 0 && customColor == clNoColor) {
      const int overlay = TextureAfterChoice(g, v, textureIndex, hotTextureIndex);
      if (m->IsValidImgIndex(overlay)) {
        const TsMaskData& mask = m->ma[size_t(overlay)];
        if (mask.MaskType > 0 && mask.DrawMode == 10) {
          TRect rest = r;
          FillRectByMaskedTexture(bmp, rest, moved, 10, mask);
        }
      }
    }
  } catch (const std::exception&) {
    // A failed temporary (memory) ends this layer; painting never throws.
  }
}

void PaintSectionCorners(const TsSkinManager& m, const TsGeneralData& g, int state, const TRect& r, TBitmap32& bmp) {
  const TCacheInfo self = MakeCacheInfo(&bmp, 0, 0);
  const int corners[4] = {g.ImgTL, g.ImgTR, g.ImgBL, g.ImgBR};
  for (int k = 0; k < 4; ++k) {
    if (!m.IsValidImgIndex(corners[k])) continue;
    const TsMaskData& mask = m.ma[size_t(corners[k])];
    const int32_t w = MaskImageWidth(mask), h = MaskImageHeight(mask);
    const TPoint p{(k & 1) ? r.Right - w : r.Left, (k & 2) ? r.Bottom - h : r.Top};
    DrawMaskGlyph(bmp, p, state, self, mask, 1);
  }
}

void PaintSectionItem(int skinIndex, std::u16string_view sectionName, TCacheInfo ci, int state, const TRect& r,
                      TPoint pP, TBitmap32& bmp, const TsSkinManager* manager, int textureIndex, int hotTextureIndex) {
  const TsSkinManager* m = Effective(manager);
  if (!m || !m->IsValidSkinIndex(skinIndex) || !RectInside(r, bmp)) return;
  try {
    const TsGeneralData& g = m->gd[size_t(skinIndex)];
    state = LimitState(g, state);
    PaintSectionBackground(skinIndex, sectionName, ci, state, r, pP, bmp, m, textureIndex, hotTextureIndex, clNoColor);
    PaintSectionCorners(*m, g, state, r, bmp);
    ci = Moved(ci, pP);
    if (m->IsValidImgIndex(g.BorderIndex)) DrawBorderMask(bmp, r, ci, m->ma[size_t(g.BorderIndex)], state, true);
  } catch (const std::exception&) {
  }
}

void PaintControlBackground(const TsControlPaintData& data, const TCacheInfo& ci, int state, const TRect& r, TPoint pP,
                            TBitmap32& bmp) {
  const TsSkinManager* m = data.EffectiveManager();
  const int index = data.SkinIndex();
  if (!m || !m->IsValidSkinIndex(index)) return;
  PaintSectionBackground(index, m->gd[size_t(index)].ClassName, ci, state, r, pP, bmp, m, data.Texture(),
                         data.HotTexture(), data.CustomBackgroundColor());
}

void PaintControlItem(const TsControlPaintData& data, TCacheInfo ci, int state, const TRect& r, TPoint pP,
                      TBitmap32& bmp, bool updateCorners) {
  const TsSkinManager* m = data.EffectiveManager();
  const int index = data.SkinIndex();
  if (!m || !m->IsValidSkinIndex(index) || !RectInside(r, bmp)) return;
  try {
    const TsGeneralData& g = m->gd[size_t(index)];
    state = LimitState(g, state);
    PaintControlBackground(data, ci, state, r, pP, bmp);
    ci = Moved(ci, pP);
    PaintSectionCorners(*m, g, state, r, bmp);
    const int border = data.BorderIndex();
    if (m->IsValidImgIndex(border) && !(state == 0 && (m->ma[size_t(border)].DrawMode & bdHotOnly))) {
      DrawBorderMask(bmp, r, ci, m->ma[size_t(border)], state, updateCorners);
      AdjustHueSaturation(bmp, r, data.HueOffset(), data.Saturation());
    } else if (g.Props[std::min(state, 1)].Transparency == 0) {
      AdjustHueSaturation(bmp, r, data.HueOffset(), data.Saturation());
    }
  } catch (const std::exception&) {
  }
}

void PaintControlItemOnParent(const TsControlPaintData& data, int state, const TRect& r, TPoint pP, TBitmap32& bmp,
                              bool updateCorners) {
  const TsSkinManager* m = data.EffectiveManager();
  const int index = data.SkinIndex();
  if (!m || !m->IsValidSkinIndex(index) || !RectInside(r, bmp)) return;
  try {
    const TsGeneralData& g = m->gd[size_t(index)];
    state = LimitState(g, state);
    TCacheInfo ci = data.ParentCacheInfo();
    PaintControlBackground(data, ci, state, r, pP, bmp);
    ci = Moved(ci, pP);
    const int border = data.BorderIndex();
    if (m->IsValidImgIndex(border) && !(state == 0 && (m->ma[size_t(border)].DrawMode & bdHotOnly)))
      DrawBorderMask(bmp, r, ci, m->ma[size_t(border)], state, updateCorners);
    PaintSectionCorners(*m, g, state, r, bmp);
  } catch (const std::exception&) {
  }
}

void PaintSectionItemWithMask(int skinIndex, int borderMaskIndex, int textureIndex, int hotTextureIndex,
                              const TsSkinManager* manager, TBitmap32& bmp, TPoint pP, const TRect& r, int state,
                              TCacheInfo ci, std::u16string_view) {
  const TsSkinManager* m = Effective(manager);
  if (!m || !m->IsValidSkinIndex(skinIndex) || !RectInside(r, bmp) || IsRectEmpty(r)) return;
  try {
    const TsGeneralData& g = m->gd[size_t(skinIndex)];
    state = LimitState(g, state);
    const TsGenState& p = g.Props[state > 0 ? 1 : 0];
    TSectionBackground v;
    v.Color = p.Color;
    v.Transparency = p.Transparency;
    v.ImagePercent = p.ImagePercent;
    v.GradientPercent = p.GradientPercent;
    v.Texture = state == 0 ? textureIndex : hotTextureIndex;
    if (v.GradientPercent != 0) {
      v.Gradient = &p.GradientArray;
      v.GradientText = p.GradientData.find_first_not_of(u' ') != std::u16string::npos;
    }
    const bool ready = ParentReady(ci);
    const int t = v.Transparency;
    TFillRules rules;
    rules.OnePass = false;
    rules.ScrollPart = true;
    rules.PlainColor = (!ready && t == 100 && ci.FillColor != clNoColor) ? ci.FillColor : v.Color;
    const TCacheInfo moved = Moved(ci, pP);
    if (!ready || t <= 0) {
      FillBackgroundWith(bmp, r, v, *m, moved, rules);
    } else if (t >= 100) {
      CopyParent(bmp, r, ci, pP);
    } else {
      const int32_t w = WidthOfRect(r), h = HeightOfRect(r);
      TBitmap32& tmp = ScratchBitmap(ssBackground, w, h);
      if (!tmp.Empty()) {
        FillBackgroundWith(tmp, TRect{0, 0, w, h}, v, *m, moved, rules);
        CopyParent(bmp, r, ci, pP);
        BlendRectangle(bmp, tmp, t * 255 / 100, TPoint{r.Left, r.Top}, TRect{0, 0, w, h});
      }
    }
    if (m->IsValidImgIndex(borderMaskIndex)) DrawBorderMask(bmp, r, moved, m->ma[size_t(borderMaskIndex)], state, true);
  } catch (const std::exception&) {
  }
}

void ApplyDisabledLook(TBitmap32& bmp, int disabledKind, TColor parentColor, TPoint pP, const TCacheInfo& ci) {
  if (bmp.Empty()) return;
  if (disabledKind & dkGrayed) GrayscaleBitmap(bmp);
  if (!(disabledKind & dkBlended)) return;
  if (ParentReady(ci)) {
    const int32_t x = SaturatingAdd(ci.X, pP.X), y = SaturatingAdd(ci.Y, pP.Y);
    BlendKeyedBitmap(bmp, 0, 0, kKeyPixel, 0.4,
                     TRect{x, y, SaturatingAdd(x, bmp.Width() - 1), SaturatingAdd(y, bmp.Height() - 1)}, *ci.Bmp);
  } else {
    const TColor c = ci.FillColor != clNoColor ? ci.FillColor : parentColor;
    if (c != clNoColor) BlendColorIntoRect(bmp, TRect{0, 0, bmp.Width(), bmp.Height()}, 50, c);
  }
}

int PaintSectionByName(TBitmap32& bmp, std::u16string_view sectionName, std::u16string_view fallbackName,
                       const TBitmap32* parentPixels, TPoint at, TColor parentColor, const TsSkinManager* manager,
                       int state) {
  const TsSkinManager* m = Effective(manager);
  if (!m) return -1;
  int index = m->GetSkinIndex(sectionName);
  std::u16string_view name = sectionName;
  if (!m->IsValidSkinIndex(index)) {
    index = m->GetSkinIndex(fallbackName);
    name = fallbackName;
  }
  if (!m->IsValidSkinIndex(index)) return index;
  TCacheInfo ci;
  ci.FillColor = parentColor;
  if (parentPixels) {
    if (parentPixels != &bmp) {
      TCopyArea a{0, 0, at.X, at.Y, bmp.Width(), bmp.Height()};
      if (ClipCopyArea(a, parentPixels->Width(), parentPixels->Height(), bmp.Width(), bmp.Height()))
        for (int32_t y = 0; y < a.H; ++y)
          std::copy_n(parentPixels->Row(a.SrcY + y) + a.SrcX, a.W, bmp.Row(a.DstY + y) + a.DstX);
    }
    ci.Bmp = &bmp;
    ci.Ready = true;
  }
  PaintSectionItem(index, name, ci, state, TRect{0, 0, bmp.Width(), bmp.Height()}, TPoint{0, 0}, bmp, m);
  return index;
}

void PaintParentBackground(TBitmap32& bmp, const TRect& r, const TCacheInfo& ci, TPoint pP) {
  const TRect c = ClipRectToSize(r, bmp.Width(), bmp.Height());
  if (IsRectEmpty(c)) return;
  if (ParentReady(ci)) CopyParent(bmp, c, ci, TPoint{SaturatingAdd(pP.X, c.Left - r.Left), SaturatingAdd(pP.Y, c.Top - r.Top)});
  else if (ci.FillColor != clNoColor) FillPlain(bmp, c, ci.FillColor);
}

bool PaintBorderOnly(TBitmap32& cache, const TRect& r, int frameWidth, TRect& innerR, int state,
                     const TsControlPaintData& data) {
  const TsSkinManager* m = data.EffectiveManager();
  const int border = data.BorderIndex();
  if (!m || !m->IsValidImgIndex(border) || !SaneRect(r)) return false;
  const TColor k = ColorToRGB(data.StateColor(state));
  const TsMaskData& mask = m->ma[size_t(border)];
  if (m->IsValidSkinIndex(data.SkinIndex())) state = LimitState(m->gd[size_t(data.SkinIndex())], state);
  const TCacheInfo answer = data.ParentCacheInfo();
  const TPoint owner = data.OwnerPosition();
  auto bands = [&](const TRect& b, int32_t wl, int32_t wt, int32_t wr, int32_t wb) {
    FillRect32(cache, TRect{b.Left, b.Top, b.Right, b.Top + wt}, k, 255);
    FillRect32(cache, TRect{b.Left, b.Top + wt, b.Left + wl, b.Bottom}, k, 255);
    FillRect32(cache, TRect{b.Left + wl, b.Bottom - wb, b.Right, b.Bottom}, k, 255);
    FillRect32(cache, TRect{b.Right - wr, b.Top + wt, b.Right, b.Bottom - wb}, k, 255);
  };
  if (mask.MaskType == 1) {
    if (ParentReady(answer))
      CopyParent(cache, r, answer, TPoint{SaturatingAdd(owner.X, r.Left), SaturatingAdd(owner.Y, r.Top)});
    else
      bands(r, mask.WL, mask.WT, mask.WR, mask.WB);
  }
  try {
    DrawBorderMask(cache, r, Moved(answer, owner), mask, state, true);
  } catch (const std::exception&) {
  }
  innerR = TRect{r.Left + mask.WL, r.Top + mask.WT, r.Right - mask.WR, r.Bottom - mask.WB};
  if (frameWidth > 0) {
    const int32_t w = frameWidth, rw = WidthOfRect(r), rh = HeightOfRect(r);
    const int32_t bl = std::max(0, std::min(w, rw - mask.WR) - mask.WL);
    const int32_t bt = std::max(0, std::min(w, rh - mask.WB) - mask.WT);
    const int32_t br = std::max(0, std::min(w, rw - mask.WL) - mask.WR);
    const int32_t bb = std::max(0, std::min(w, rh - mask.WT) - mask.WB);
    bands(innerR, bl, bt, br, bb);
    innerR = TRect{r.Left + w, r.Top + w, std::max(r.Left + w, r.Right - w), std::max(r.Top + w, r.Bottom - w)};
  }
  return true;
}

}  // namespace qw
