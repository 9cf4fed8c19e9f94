#include "tools/qxskin/QxRenderSheet.h"

#include <algorithm>

#include "base/Utf.h"
#include "skin/data/SkinDescription.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinFileSystem.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinPackage.h"
#include "skin/render/BorderMask.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/TextureFill.h"
#include "tools/qxskin/QxFiles.h"

namespace qw {

std::unique_ptr<TsSkinManager> LoadSkinForRender(std::vector<uint8_t> package) {
  TqxSkinConvertor reader;
  reader.OwnedPackedData = std::move(package);
  reader.PackedData = reader.OwnedPackedData;
  UnpackSkinPackage(reader);
  const TSkinDescription d = TSkinDescription::Parse(reader.Options);
  auto manager = std::make_unique<TsSkinManager>();
  TSkinBuildContext ctx;
  ctx.System = &SystemSkinSystem();
  ctx.Manager = manager.get();
  TPackageImageSource images(reader);
  manager->Tables = BuildSkinTables(d, images, ctx);
  return manager;
}

std::unique_ptr<TsSkinManager> LoadSkinForRender(const std::u16string& path) {
  TSkinFileSystem& fs = SystemSkinFileSystem();
  if (!fs.DirectoryExists(path)) return LoadSkinForRender(ReadWholeFile(path));
  std::u16string dir = path;
  if (dir.back() != u'/' && dir.back() != u'\\') dir += u'/';
  std::vector<TPackageMember> members;
  for (const TSkinDirEntry& e : fs.ListDirectory(path)) {
    if (e.IsDirectory) continue;
    members.push_back({Utf16ToUtf8(e.Name), ReadWholeFile(dir + e.Name)});
  }
  return LoadSkinForRender(WriteSkinPackage(std::move(members)));
}

TBitmap32 RenderSection(const TsSkinManager& manager, const TQxRenderRequest& q, TTextRenderer* text) {
  TBitmap32 bmp(q.Width, q.Height);
  const TRect r{0, 0, q.Width, q.Height};
  const TsGeneralData& g = manager.gd[size_t(q.SkinIndex)];
  PaintSectionItem(q.SkinIndex, g.ClassName, q.Parent, q.State, r, q.At, bmp, &manager);
  if (!q.Caption.empty() && text) {
    const bool hot = LimitState(g, q.State) > 0;
    if (q.Disabled) {
      const TColor c = DisabledTextColor(g.Props[0].FontColor.Color, static_cast<TColor>(manager.GetGlobalColor()));
      DrawTextOnBitmap32(bmp, *text, q.Caption, r, kDtCenter | kDtVCenter | kDtSingleLine, c);
    } else {
      WriteTextOnBitmap(bmp, *text, q.Caption, true, &manager, hot, q.SkinIndex,
                        kDtCenter | kDtVCenter | kDtSingleLine, r, g.Props[0].FontColor.Color);
    }
  }
  if (q.Disabled) {
    const TColor parentColor = q.Parent.FillColor != clNoColor ? q.Parent.FillColor
                                                               : static_cast<TColor>(manager.GetGlobalColor());
    ApplyDisabledLook(bmp, dkBlended, parentColor, q.At, q.Parent);
  }
  return bmp;
}

namespace {

bool Has(const std::u16string& name, std::u16string_view part) { return name.find(part) != std::u16string::npos; }

constexpr int kLabelWidth = 170;  // the section names' column
constexpr int kGap = 14;          // between cells
constexpr int kHeading = 12;      // the state number above each item
constexpr int kMargin = 8;

// The section's glyph (the arrow of a scroll or combo button), centred on its painted item in the
// same state, so an author sees the whole control; sections without one are left as they are.
void DrawSectionGlyph(const TsSkinManager& m, int skinIndex, int state, TBitmap32& item) {
  const int i = m.GetMaskIndex(skinIndex, m.gd[size_t(skinIndex)].ClassName, u"GLYPHMASK");
  if (!m.IsValidImgIndex(i)) return;
  const TsMaskData& glyph = m.ma[size_t(i)];
  const int w = MaskImageWidth(glyph), h = MaskImageHeight(glyph);
  if (w <= 0 || h <= 0) return;
  const int s = std::min(state, std::max(glyph.ImageCount - 1, 0));
  DrawMaskGlyph(item, TPoint{(item.Width() - w) / 2, (item.Height() - h) / 2}, s, MakeCacheInfo(&item, 0, 0),
                glyph, 1);
}

}  // namespace

uint32_t SheetBackground(int x, int y) { return ((x / 8 + y / 8) & 1) ? 0xFFD4D4D4u : 0xFFF4F4F4u; }

void SuitableSize(const TsSkinManager& m, int skinIndex, int& width, int& height) {
  const std::u16string& n = m.gd[size_t(skinIndex)].ClassName;
  width = 100;
  height = 32;
  if (Has(n, u"SCROLL") || Has(n, u"SLIDER") || Has(n, u"ARROW")) {
    width = 60;
    height = 17;
  } else if (Has(n, u"CHECK") || Has(n, u"RADIO")) {
    width = 110;
    height = 22;
  } else if (Has(n, u"TITLE") || Has(n, u"CAPTION") || Has(n, u"TAB") || Has(n, u"BAR")) {
    width = 140;
    height = 28;
  } else if (Has(n, u"BUTTON")) {
    width = 90;
    height = 28;
  } else if (Has(n, u"EDIT") || Has(n, u"COMBO") || Has(n, u"SPIN")) {
    width = 120;
    height = 24;
  } else if (Has(n, u"FORM") || Has(n, u"DIALOG") || Has(n, u"PANEL") || Has(n, u"GROUP") || Has(n, u"PAGE") ||
             Has(n, u"SHEET") || Has(n, u"MENU") || Has(n, u"HINT") || Has(n, u"MEMO")) {
    width = 150;
    height = 70;
  }
  const int border = m.gd[size_t(skinIndex)].BorderIndex;
  if (m.IsValidImgIndex(border)) {
    const TsMaskData& b = m.ma[size_t(border)];
    width = std::clamp(std::max<int>(width, b.WL + b.WR + 8), 1, 400);
    height = std::clamp(std::max<int>(height, b.WT + b.WB + 6), 1, 300);
  }
}

TBitmap32 RenderContactSheet(const TsSkinManager& m, TTextRenderer& labels, std::vector<TQxSheetItem>* items) {
  // Lay the rows out first.
  struct TRow {
    int Index, States, W, H, Top;
  };
  std::vector<TRow> rows;
  int y = kMargin, maxW = 1;
  for (size_t i = 0; i < m.gd.size(); ++i) {
    TRow row{static_cast<int>(i), std::clamp(m.gd[i].States, 1, 4), 0, 0, 0};
    SuitableSize(m, row.Index, row.W, row.H);
    row.Top = y;
    y += kHeading + std::max(row.H, 10) + kGap;
    maxW = std::max(maxW, row.W);
    rows.push_back(row);
  }
  const int width = kMargin + kLabelWidth + 4 * (maxW + kGap);
  const int height = std::max(y, kMargin * 2);
  TBitmap32 sheet(width, height);
  for (int yy = 0; yy < height; ++yy)
    for (int xx = 0; xx < width; ++xx) sheet.At(xx, yy) = SheetBackground(xx, yy);
  auto label = [&](const std::u16string& text, TRect r) {
    DrawTextOnBitmap32(sheet, labels, text, r, kDtSingleLine | kDtNoPrefix, 0x000000);
  };
  for (const TRow& row : rows) {
    label(m.gd[size_t(row.Index)].ClassName, TRect{kMargin, row.Top + kHeading, kMargin + kLabelWidth - 6, row.Top + kHeading + 12});
    for (int s = 0; s < row.States; ++s) {
      const int x = kMargin + kLabelWidth + s * (maxW + kGap);
      label(u"STATE " + Utf8ToUtf16(std::to_string(s)), TRect{x, row.Top, x + maxW, row.Top + kHeading});
      // The item is painted on its own, against the sheet as its parent, then put on the sheet.
      TBitmap32 item(row.W, row.H);
      PaintSectionItem(row.Index, m.gd[size_t(row.Index)].ClassName, MakeCacheInfo(&sheet, 0, 0), s,
                       TRect{0, 0, row.W, row.H}, TPoint{x, row.Top + kHeading}, item, &m);
      DrawSectionGlyph(m, row.Index, s, item);
      for (int yy = 0; yy < row.H; ++yy)
        for (int xx = 0; xx < row.W; ++xx) {
          const uint32_t p = item.At(xx, yy);
          // Pixels the item leaves transparent (alpha 0) keep the sheet.
          if ((p >> 24) != 0) sheet.At(x + xx, row.Top + kHeading + yy) = p | 0xFF000000u;
        }
      if (items) items->push_back(TQxSheetItem{row.Index, s, TRect{x, row.Top + kHeading, x + row.W, row.Top + kHeading + row.H}});
    }
  }
  return sheet;
}

}  // namespace qw
