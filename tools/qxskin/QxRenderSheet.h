#pragma once
// qxskin render: a skin loaded for painting, one section painted as a control of a given size, and the
// contact sheet of every section in every state.
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinManager.h"
#include "image/Bitmap32.h"
#include "image/CacheInfo.h"
#include "skin/render/TextPaint.h"

namespace qw {

// Loads a ".vlz" package or a skin folder (packed in memory first, so member names are found without
// regard to case as in a package) into a manager of its own. Throws EQxFileError, ESkinError,
// EImageError.
std::unique_ptr<TsSkinManager> LoadSkinForRender(const std::u16string& path);
// The same from package bytes.
std::unique_ptr<TsSkinManager> LoadSkinForRender(std::vector<uint8_t> package);

// What to paint for one control.
struct TQxRenderRequest {
  int SkinIndex = -1;
  int State = 0;
  int Width = 0, Height = 0;
  TCacheInfo Parent;      // EmptyCacheInfo, a plain colour, or a ready parent bitmap
  TPoint At;              // the control's top-left corner in the parent bitmap
  bool Disabled = false;
  std::u16string Caption;  // drawn in the section's text colours when not empty
};

// Paints the request exactly as a control of that size paints its cache bitmap.
TBitmap32 RenderSection(const TsSkinManager& manager, const TQxRenderRequest& request, TTextRenderer* text);

// One cell of the contact sheet.
struct TQxSheetItem {
  int SkinIndex = -1;
  int State = 0;
  TRect Cell;  // where the item lies on the sheet
};
// A size that suits a section: by the kind its name says, never below what its border needs.
void SuitableSize(const TsSkinManager& manager, int skinIndex, int& width, int& height);
// Every section in every state it has (at most four) on one sheet: one row per section, its name on
// the left, the states side by side with their numbers above them, painted against a checkered parent
// so transparency shows. Labels are drawn with Labels (black).
TBitmap32 RenderContactSheet(const TsSkinManager& manager, TTextRenderer& labels, std::vector<TQxSheetItem>* items = nullptr);

// The checkered background of the sheet at (x, y).
uint32_t SheetBackground(int x, int y);

}  // namespace qw
