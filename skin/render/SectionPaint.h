#pragma once
// Painting a skin section: a section, a control state and a rectangle become pixels in a 32-bit bitmap.
// The background (colour, gradient, texture, transparency against the parent), the corner images and
// the nine-part border; controls then draw their own content on top.
//
// Every painter takes a rectangle R inside the target bitmap and the point pP, the position of R's
// top-left corner in the parent's coordinates: the parent pixel behind item pixel (R.Left, R.Top) is
// ci.Bmp's pixel (ci.X + pP.X, ci.Y + pP.Y). Painting never throws; missing data paints less.
#include <cstdint>
#include <string_view>

#include "base/Geometry.h"
#include "skin/data/SkinTables.h"
#include "image/Bitmap32.h"
#include "image/CacheInfo.h"
#include "skin/render/BorderMask.h"
#include "skin/render/ControlPaintData.h"

namespace qw {

class TsSkinManager;

// Control states.
enum TsControlState : int { StateNormal = 0, StateHot = 1, StatePressed = 2, StateDefault = 3 };
// Disabled looks (bits).
enum TsDisabledKind : int { dkGrayed = 1, dkBlended = 2 };

// State limited to the section's STATES - 1 (a section without states has only state 0).
int LimitState(const TsGeneralData& section, int state);

// What the background of a section is painted with in one state.
struct TSectionBackground {
  TColor Color = 0;
  int Transparency = 0;       // share of the parent that shows through, 0..100
  int GradientPercent = 0;
  int ImagePercent = 0;
  const TsGradArray* Gradient = nullptr;  // the bands when GradientPercent is used
  bool GradientText = false;              // the section has a gradient description at all
  int Texture = -1;                       // mask index, or pattern index when TextureIsPattern
  bool TextureIsPattern = false;
};
// Chooses the values: the state's colour, transparency and shares, the texture resolved from the given
// indexes (-1 looks them up by name: PATTERN in State 0, HOTPATTERN above) and the gradient. A custom
// colour (anything but clNoColor) gives that colour, opaque, without gradient or texture.
TSectionBackground ChooseSectionBackground(const TsSkinManager& manager, int skinIndex, std::u16string_view sectionName,
                                           int state, int textureIndex, int hotTextureIndex, TColor customColor);

// Paints the chosen background into Target at R: the one-pass gradient with texture, else the texture,
// the gradient blended over it and the colour's share. ci (already moved to R's position) is what
// masked textures show through their key pixels.
void FillBackground(TBitmap32& target, const TRect& r, const TSectionBackground& v, const TsSkinManager& manager,
                    const TCacheInfo& ci);

// The background of a section (no corners, no border), with the parent showing through by Transparency.
void PaintSectionBackground(int skinIndex, std::u16string_view sectionName, const TCacheInfo& ci, int state,
                            const TRect& r, TPoint pP, TBitmap32& bmp, const TsSkinManager* manager,
                            int textureIndex = -1, int hotTextureIndex = -1, TColor customColor = clNoColor);

// What lies behind R: the parent's pixels (ci ready) or its fill colour, opaque; nothing when nothing is
// known (a not-ready ci with clNoColor).
void PaintParentBackground(TBitmap32& bmp, const TRect& r, const TCacheInfo& ci, TPoint pP);

// The four corner images of a section over R, their key pixels keeping what the background painted.
void PaintSectionCorners(const TsSkinManager& manager, const TsGeneralData& section, int state, const TRect& r,
                         TBitmap32& bmp);

// A whole section item: background, corner images and border mask.
void PaintSectionItem(int skinIndex, std::u16string_view sectionName, TCacheInfo ci, int state, const TRect& r,
                      TPoint pP, TBitmap32& bmp, const TsSkinManager* manager, int textureIndex = -1,
                      int hotTextureIndex = -1);

// The standard paint of a control: its section with its custom colour and textures, corners, border,
// then its hue and saturation (inside R only).
void PaintControlItem(const TsControlPaintData& data, TCacheInfo ci, int state, const TRect& r, TPoint pP,
                      TBitmap32& bmp, bool updateCorners);
// The same with the parent's background asked for here; border before corners, no hue or saturation.
void PaintControlItemOnParent(const TsControlPaintData& data, int state, const TRect& r, TPoint pP, TBitmap32& bmp,
                              bool updateCorners);
// Only the background of a control's section, with its custom colour and textures.
void PaintControlBackground(const TsControlPaintData& data, const TCacheInfo& ci, int state, const TRect& r,
                            TPoint pP, TBitmap32& bmp);

// Scroll-bar parts: the background with the given textures (no lookups by name, no custom colour, no
// one-pass fill), then the given border mask.
void PaintSectionItemWithMask(int skinIndex, int borderMaskIndex, int textureIndex, int hotTextureIndex,
                              const TsSkinManager* manager, TBitmap32& bmp, TPoint pP, const TRect& r, int state,
                              TCacheInfo ci, std::u16string_view sectionName);

// The look of a disabled control, applied last: grayed (dkGrayed) and then blended with the parent
// (dkBlended: 60 % of the parent bitmap behind it, or half the parent's colour when there is no bitmap;
// ParentColor is used when ci.FillColor is clNoColor).
void ApplyDisabledLook(TBitmap32& bmp, int disabledKind, TColor parentColor, TPoint pP, const TCacheInfo& ci);

// Paints the section named SectionName (else FallbackName) over the whole of Bmp and returns the index
// used; -1 (nothing painted) when neither exists. With ParentPixels, the pixels at At of it are first
// copied into Bmp (ParentPixels may be Bmp itself, already holding them) and the item is painted against
// them; otherwise against ParentColor alone.
int PaintSectionByName(TBitmap32& bmp, std::u16string_view sectionName, std::u16string_view fallbackName,
                       const TBitmap32* parentPixels, TPoint at, TColor parentColor, const TsSkinManager* manager,
                       int state);

// Only the border of a control's section, into its cache bitmap: the parent's pixels (or the state
// colour) prepared under a masked border, the border drawn, and a frame band of FrameWidth filled with
// the state colour. InnerR is what is left inside. Returns false when the section has no border mask
// (the caller then fills the frame band itself).
bool PaintBorderOnly(TBitmap32& cache, const TRect& r, int frameWidth, TRect& innerR, int state,
                     const TsControlPaintData& data);

}  // namespace qw
