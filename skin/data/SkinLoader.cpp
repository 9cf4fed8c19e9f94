#include "skin/data/SkinLoader.h"

#include <algorithm>
#include <charconv>

#include "base/Utf.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinFileSystem.h"
#include "skin/data/SkinPackage.h"

namespace qw {

namespace {

constexpr int64_t kPatternMinPixels = 900000;  // larger JPEGs stay patterns, smaller become textures

// Delphi-style Copy: 1-based position, cut at the end of the text.
std::u16string_view Copy(std::u16string_view s, size_t pos1, size_t count) {
  if (pos1 == 0 || pos1 > s.size()) return {};
  return s.substr(pos1 - 1, count);
}

// Words of S split at any of Seps; runs of separators count as one, so no word is empty.
std::vector<std::u16string_view> Words(std::u16string_view s, std::u16string_view seps) {
  std::vector<std::u16string_view> words;
  size_t pos = 0;
  while (pos < s.size()) {
    size_t end = s.find_first_of(seps, pos);
    if (end == std::u16string_view::npos) end = s.size();
    if (end > pos) words.push_back(s.substr(pos, end - pos));
    pos = end + 1;
  }
  return words;
}

bool Contains(std::u16string_view s, std::u16string_view part) { return s.find(part) != std::u16string_view::npos; }

int16_t I16(int32_t v) { return static_cast<int16_t>(v); }

// The widths of a border whose four widths are all 0: BorderWidth when set, else a third of a state image.
void DefaultBorderWidths(TsMaskData& m) {
  if (m.WL + m.WT + m.WR + m.WB != 0) return;
  if (m.BorderWidth != 0) {
    m.WL = m.WT = m.WR = m.WB = m.BorderWidth;
  } else {
    m.WL = I16(WidthOfRect(m.R) / (std::max<int>(1, m.ImageCount) * 3));
    m.WT = I16(HeightOfRect(m.R) / (std::max<int>(1, m.MaskType + 1) * 3));
    m.WR = m.WL;
    m.WB = m.WT;
  }
}

bool HasKeyPixel(const TBitmap32& bmp, int x0, int x1, int y0, int y1) {
  // Half-open ranges whose ends stop one short of the bitmap's width and height.
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, bmp.Width() - 1);
  y1 = std::min(y1, bmp.Height() - 1);
  for (int y = y0; y < y1; ++y) {
    const uint32_t* row = bmp.Row(y);
    for (int x = x0; x < x1; ++x)
      if ((row[x] & 0x00FFFFFFu) == 0x00FF00FFu) return true;
  }
  return false;
}

int16_t DetectCornerType(const TsMaskData& m, const TBitmap32& master) {
  if (m.ClassName == u"BUTTON_HUGE" && m.PropertyName == u"BORDERSMASK") return 2;
  if (HeightOfRect(m.R) <= 0) return 0;
  const TBitmap32& bmp = m.Bmp ? *m.Bmp : master;
  int l = m.R.Left, t = m.R.Top, w = MaskStateWidth(m), h = MaskRowHeight(m);
  int rx = l + w - m.WR, by = t + h - m.WB;
  if (HasKeyPixel(bmp, l, l + m.WL, t, t + m.WT) || HasKeyPixel(bmp, rx, rx + m.WR, t, t + m.WT) ||
      HasKeyPixel(bmp, l, l + m.WL, by, by + m.WB) || HasKeyPixel(bmp, rx, rx + m.WR, by, by + m.WB))
    return 1;
  return 0;
}

class TTableBuilder {
 public:
  TTableBuilder(const TSkinDescription& d, TSkinImageSource& images, const TSkinBuildContext& ctx, TSkinTables& t)
      : D(d), Images(images), Ctx(ctx), T(t), Sys(*ctx.System) {}

  void LoadAllMasks();
  void LoadAllPatterns();
  void LoadAllGeneralData();

 private:
  void Warn(const std::string& text) {
    if (Ctx.Warn) Ctx.Warn(text);
  }
  std::string Where(std::u16string_view section, std::u16string_view key) {
    return "[" + Utf16ToUtf8(section) + "] " + Utf16ToUtf8(key);
  }
  bool LoadImage(const std::u16string& name, TSkinImage& out, std::u16string_view section, std::u16string_view key);
  void AddMask(std::u16string_view section, std::u16string_view key, std::u16string_view value);
  void AddSeparateBitmap(std::u16string_view section, std::u16string_view key, std::u16string_view value);
  void AddNamedImage(std::u16string_view section, std::u16string_view key, std::u16string_view value);
  void AddHashRect(std::u16string_view section, std::u16string_view key, std::u16string_view value);
  TsMaskData NewMask(std::u16string_view section, std::u16string_view key) {
    TsMaskData m;
    m.ClassName = std::u16string(section);
    m.PropertyName = std::u16string(key);
    m.Manager = Ctx.Manager;
    return m;
  }
  void ReadSkinData();
  TsGeneralData ReadSection(const std::u16string& name);
  TsFontColor ReadFontColor(std::u16string_view s, std::u16string_view c, std::u16string_view l,
                            std::u16string_view t, std::u16string_view r, std::u16string_view b) {
    TsFontColor f;
    f.Color = ReadInheritedInteger(D, Sys, s, c, 0);
    f.Left = ReadInheritedInteger(D, Sys, s, l, -1);
    f.Top = ReadInheritedInteger(D, Sys, s, t, -1);
    f.Right = ReadInheritedInteger(D, Sys, s, r, -1);
    f.Bottom = ReadInheritedInteger(D, Sys, s, b, -1);
    return f;
  }

  const TSkinDescription& D;
  TSkinImageSource& Images;
  const TSkinBuildContext& Ctx;
  TSkinTables& T;
  TSkinSystem& Sys;
  double Version = 0;
  std::vector<uint8_t> Scratch;
};

bool TTableBuilder::LoadImage(const std::u16string& name, TSkinImage& out, std::u16string_view section,
                              std::u16string_view key) {
  std::span<const uint8_t> bytes;
  if (!Images.Find(name, Scratch, bytes)) {
    Warn(Where(section, key) + ": no image \"" + Utf16ToUtf8(name) + "\"");
    return false;
  }
  out = Ctx.Decode(bytes);
  Scratch.clear();
  return true;
}

void TTableBuilder::LoadAllMasks() {
  T.ma.clear();
  T.MasterBitmap = TBitmap32();
  Version = ReadSkinVersion(D);
  if (const std::u16string* master = D.Find(kGlobalInfo, u"MASTERBITMAP"); master && !master->empty()) {
    TSkinImage img;
    if (LoadImage(*master, img, kGlobalInfo, u"MASTERBITMAP")) {
      T.MasterBitmap = std::move(img.Bitmap);
      if (img.SourceBitCount != 32) SetOpaqueExceptKey(T.MasterBitmap);
    }
  }
  for (const TDescSection& s : D.Sections()) {
    bool global = s.Name == kGlobalInfo;
    for (size_t i = 0; i < s.Entries.size(); ++i) {
      const TDescEntry& e = s.Entries[i];
      if (s.KeyIndex.at(e.Key) != i) continue;  // only the first of a key counts
      if (global && e.Key == u"MASTERBITMAP") continue;
      AddMask(s.Name, e.Key, e.Value);
    }
  }
}

void TTableBuilder::AddMask(std::u16string_view section, std::u16string_view key, std::u16string_view v) {
  if (v.empty()) return;
  char16_t first = v[0];
  if (first == u'@') {
    TsMaskData m = NewMask(section, key);
    m.ImgType = itisaGlyph;
    m.R = Rect(StrictInt(Copy(v, 2, 4)), StrictInt(Copy(v, 7, 4)), StrictInt(Copy(v, 12, 4)), StrictInt(Copy(v, 17, 4)));
    m.ImageCount = I16(StrictInt(Copy(v, 22, 1)));
    m.MaskType = I16(StrictInt(Copy(v, 24, 1)));
    T.ma.push_back(std::move(m));
  } else if (first == u'^') {
    TsMaskData m = NewMask(section, key);
    m.ImgType = itisaBorder;
    m.R = Rect(StrictInt(Copy(v, 2, 4)), StrictInt(Copy(v, 7, 4)), StrictInt(Copy(v, 12, 4)), StrictInt(Copy(v, 17, 4)));
    m.WL = I16(StrictInt(Copy(v, 22, 4)));
    m.WT = I16(StrictInt(Copy(v, 27, 4)));
    m.WR = I16(StrictInt(Copy(v, 32, 4)));
    m.WB = I16(StrictInt(Copy(v, 37, 4)));
    m.ImageCount = I16(StrictInt(Copy(v, 42, 1)));
    m.MaskType = I16(StrictInt(Copy(v, 44, 1)));
    m.DrawMode = I16(StrictInt(Copy(v, 46, 1)));
    m.BorderWidth = I16(StrictInt(Copy(v, 48, 1)));
    if (Version < 7.4 && m.MaskType > 0) {
      // Old skins mark borders whose middle is a single pixel as stretched.
      if (MaskStateWidth(m) - m.WL - m.WR == 1 && MaskRowHeight(m) - m.WT - m.WB == 1)
        m.DrawMode = I16(m.DrawMode | 1);
      else
        m.DrawMode = I16(m.DrawMode & ~1);
    }
    DefaultBorderWidths(m);
    m.CornerType = DetectCornerType(m, T.MasterBitmap);
    T.ma.push_back(std::move(m));
  } else if (first == u'~') {
    TsMaskData m = NewMask(section, key);
    m.ImgType = itisaTexture;
    m.R = Rect(StrictInt(Copy(v, 2, 4)), StrictInt(Copy(v, 7, 4)), StrictInt(Copy(v, 12, 4)), StrictInt(Copy(v, 17, 4)));
    m.ImageCount = 1;
    m.DrawMode = I16(StrictInt(Copy(v, 22, 2)));
    m.MaskType = v.size() < 25 ? 0 : I16(StrictInt(Copy(v, 25, 1)));
    T.ma.push_back(std::move(m));
  } else if (first == u'!') {
    AddNamedImage(section, key, v);
  } else if (Contains(v, u"#")) {
    if (v != u"#") AddHashRect(section, key, v);
  } else if (Contains(UpperName(v), u".BMP")) {
    AddSeparateBitmap(section, key, v);
  }
}

void TTableBuilder::AddNamedImage(std::u16string_view section, std::u16string_view key, std::u16string_view v) {
  std::vector<std::u16string_view> w = Words(v, u"!");
  if (w.empty()) return;
  std::u16string name(w[0]);
  if (!Contains(name, u".BMP") && !Contains(name, u".PNG")) {
    Warn(Where(section, key) + ": image name \"" + Utf16ToUtf8(name) + "\" has no upper-case .BMP or .PNG");
    return;
  }
  TSkinImage img;
  if (!LoadImage(name, img, section, key)) return;
  if (img.Bitmap.Width() == 0) return;
  if (img.Kind == TSkinImageKind::Png) {
    if (SkinPngsArePremultiplied(Version))
      PremultiplyImage(img.Bitmap);
    else
      ClearTransparentWhite(img.Bitmap);
  } else if (img.SourceBitCount != 32) {
    SetOpaqueExceptKey(img.Bitmap);
  }
  auto word = [&](size_t i) { return i < w.size() ? LenientInt(w[i]) : 0; };
  TsMaskData m = NewMask(section, key);
  m.R = Rect(0, 0, img.Bitmap.Width(), img.Bitmap.Height());
  m.ImageCount = I16(word(1));
  m.MaskType = I16(word(2));
  // Outside 0..4 the type has no meaning: larger counts as a PNG glyph, negative as a border.
  m.ImgType = static_cast<TqxImgType>(std::clamp(word(3), 0, 4));
  if (w.size() < 5) {
    m.WL = I16(m.R.Right / (std::max<int>(1, m.ImageCount) * 3));
    m.WT = I16(m.R.Bottom / (std::max<int>(1, m.MaskType + 1) * 3));
    m.WR = m.WL;
    m.WB = m.WT;
  } else {
    m.WL = I16(word(4));
    m.WT = I16(word(5));
    m.WR = I16(word(6));
    m.WB = I16(word(7));
  }
  m.DrawMode = w.size() < 9 ? 1 : I16(word(8));
  m.Bmp = std::make_unique<TBitmap32>(std::move(img.Bitmap));
  if (m.ImgType == itisaBorder) m.CornerType = DetectCornerType(m, T.MasterBitmap);
  T.ma.push_back(std::move(m));
}

void TTableBuilder::AddHashRect(std::u16string_view section, std::u16string_view key, std::u16string_view v) {
  std::vector<std::u16string_view> w = Words(v, u" ()");
  std::vector<std::u16string_view> rect = w.size() > 1 ? Words(w[1], u" ,") : std::vector<std::u16string_view>{};
  std::vector<std::u16string_view> nums = w.size() > 2 ? Words(w[2], u" ,") : std::vector<std::u16string_view>{};
  auto at = [](const std::vector<std::u16string_view>& list, size_t i) { return i < list.size() ? LenientInt(list[i]) : 0; };
  TsMaskData m = NewMask(section, key);
  m.ImgType = itisaBorder;
  m.R = Rect(at(rect, 0), at(rect, 1), at(rect, 2), at(rect, 3));
  m.ImageCount = I16(std::max(1, at(nums, 0)));
  m.MaskType = I16(std::max(0, at(nums, 1)));
  m.BorderWidth = I16(nums.size() > 2 ? std::max(0, StrictInt(nums[2])) : 0);
  m.DrawMode = I16(nums.size() > 3 ? StrictInt(nums[3]) : 1);
  DefaultBorderWidths(m);
  m.CornerType = DetectCornerType(m, T.MasterBitmap);
  T.ma.push_back(std::move(m));
}

void TTableBuilder::AddSeparateBitmap(std::u16string_view section, std::u16string_view key, std::u16string_view v) {
  TSkinImage img;
  if (!LoadImage(UpperName(v), img, section, key)) return;
  if (img.Bitmap.Width() == 0) return;
  if (img.SourceBitCount != 32) SetOpaqueExceptKey(img.Bitmap);
  TsMaskData m = NewMask(UpperName(section), UpperName(key));
  m.ImgType = itisaBorder;
  m.ImageCount = 3;
  m.MaskType = 1;
  m.R = Rect(0, 0, img.Bitmap.Width(), img.Bitmap.Height());
  m.WL = m.WR = I16(m.R.Right / 9);
  m.WT = m.WB = I16(m.R.Bottom / 6);
  m.Bmp = std::make_unique<TBitmap32>(std::move(img.Bitmap));
  m.CornerType = DetectCornerType(m, T.MasterBitmap);
  T.ma.push_back(std::move(m));
}

void TTableBuilder::LoadAllPatterns() {
  T.pa.clear();
  for (const TDescSection& s : D.Sections()) {
    for (size_t i = 0; i < s.Entries.size(); ++i) {
      const TDescEntry& e = s.Entries[i];
      if (s.KeyIndex.at(e.Key) != i) continue;
      std::u16string name = UpperName(e.Value);
      if (!Contains(name, u".JPG") && !Contains(name, u".JPEG")) continue;
      TSkinImage img;
      if (!LoadImage(name, img, s.Name, e.Key) || img.Bitmap.Empty()) continue;
      int64_t pixels = int64_t{img.Bitmap.Width()} * img.Bitmap.Height();
      if (pixels >= kPatternMinPixels) {
        T.pa.push_back(TsPatternData{std::make_unique<TBitmap32>(std::move(img.Bitmap)), UpperName(s.Name), UpperName(e.Key)});
      } else {
        SetOpaqueExceptKey(img.Bitmap);
        TsMaskData m = NewMask(UpperName(s.Name), UpperName(e.Key));
        m.ImgType = itisaTexture;
        m.ImageCount = 1;
        m.R = Rect(0, 0, img.Bitmap.Width(), img.Bitmap.Height());
        m.Bmp = std::make_unique<TBitmap32>(std::move(img.Bitmap));
        T.ma.push_back(std::move(m));
      }
    }
  }
}

void TTableBuilder::ReadSkinData() {
  TsSkinData& sd = T.SkinData;
  auto plain = [&](std::u16string_view key, int32_t def) { return D.ReadInteger(kGlobalInfo, key, def); };
  auto strict = [&](std::u16string_view key, int32_t def) {
    const std::u16string* v = D.Find(kGlobalInfo, key);
    return v ? StrictInt(*v) : def;
  };
  sd.Version = Version;
  sd.Author = D.ReadString(kGlobalInfo, u"AUTHOR", u"");
  sd.Description = D.ReadString(kGlobalInfo, u"DESCRIPTION", u"");
  sd.ExBorderWidth = I16(plain(u"BORDERWIDTH", 4));
  int32_t title = plain(u"TITLEHEIGHT", 30);
  if (title == 0) title = 30;
  sd.ExTitleHeight = I16(title);
  int32_t maxHeight = plain(u"MAXHEIGHT", title);
  sd.ExMaxHeight = I16(maxHeight == 0 ? title : maxHeight);
  sd.ExContentOffs = I16(plain(u"FORMOFFSET", Sys.FrameWidth()));
  sd.ExShadowOffs = I16(plain(u"ALIGNOFFSET", 0));
  sd.ExCenterOffs = I16(plain(u"CENTEROFFSET", 0));
  sd.ExDrawMode = I16(plain(u"BORDERMODE", 0));
  sd.Shadow1Color = plain(u"SHADOW1COLOR", 0);
  sd.Shadow1Offset = I16(strict(u"SHADOW1OFFSET", 0));
  sd.Shadow1Blur = I16(strict(u"SHADOW1BLUR", -1));
  sd.Shadow1Transparency = I16(strict(u"SHADOW1TRANSPARENCY", 0));
  sd.BISpacing = I16(plain(u"BISPACE", 0));
  sd.BIVAlign = I16(plain(u"BIVALIGN", 0));
  sd.BIRightMargin = I16(plain(u"BIRIGHT", 0));
  sd.BILeftMargin = I16(plain(u"BILEFT", 0));
  sd.BITopMargin = I16(plain(u"BITOP", 0));
  sd.BorderColor = plain(u"BORDERCOLOR", 0);
  sd.BIKeepHUE = I16(plain(u"BIKEEPHUE", 0));
  sd.BICloseGlow = I16(strict(u"BICONCLOSEGLOW", 0));
  sd.BIMaxGlow = I16(strict(u"BICONMAXGLOW", 0));
  sd.BIMinGlow = I16(strict(u"BICONMINGLOW", 0));
  sd.BICloseGlowMargin = I16(strict(u"BICONCLOSEGLOWMARGIN", 0));
  sd.BIMaxGlowMargin = I16(strict(u"BICONMAXGLOWMARGIN", 0));
  sd.BIMinGlowMargin = I16(strict(u"BICONMINGLOWMARGIN", 0));
  sd.UseAeroBluring = plain(u"AEROBLUR", 0) != 0;
  sd.ExtShadowColor = plain(u"EXTSHADOW", 0);
}

TsGeneralData TTableBuilder::ReadSection(const std::u16string& s) {
  auto inh = [&](std::u16string_view key, int32_t def) { return ReadInheritedInteger(D, Sys, s, key, def); };
  auto color = [&](std::u16string_view key) { return static_cast<int32_t>(ColorToRGB(inh(key, 0xFFFFFF), Sys)); };
  auto gradient = [&](std::u16string_view key, std::u16string_view def, int32_t& percent, TsGradArray& arr) {
    std::u16string text = ReadInheritedString(D, s, key, def);
    if (text.size() < 2)
      percent = 0;
    else
      arr = ParseGradient(text);
    return text;
  };
  TsGeneralData g;
  g.ClassName = s;
  g.ParentClass = D.ReadString(s, u"PARENTCLASS", u"");
  TsGenState& n = g.Props[0];
  n.Color = color(u"COLOR");
  g.ReservedBoolean = ReadInheritedBool(D, s, u"RESERVEDBOOLEAN");
  g.GiveOwnFont = ReadInheritedBool(D, s, u"GIVEOWNFONT");
  g.GlowCount = inh(u"GLOW", 0);
  g.GlowMargin = inh(u"GLOWMARGIN", 0);
  n.FontColor = ReadFontColor(s, u"FONTCOLOR", u"TCLEFT", u"TCTOP", u"TCRIGHT", u"TCBOTTOM");
  n.Transparency = inh(u"TRANSPARENCY", 0);
  n.GradientPercent = inh(u"GRADIENTPERCENT", 0);
  n.ImagePercent = inh(u"IMAGEPERCENT", 0);
  n.GradientData = gradient(u"GRADIENTDATA", u" ", n.GradientPercent, n.GradientArray);
  g.ShowFocus = ReadInheritedBool(D, s, u"SHOWFOCUS");
  g.FadingEnabled = ReadInheritedBool(D, s, u"FADINGENABLED");
  g.FadingIterations = inh(u"FADINGITERATIONS", 5);
  n.GlowColor = color(u"GCOL");
  n.GlowSize = static_cast<uint8_t>(inh(u"GSIZE", 0));
  g.States = inh(u"STATES", 3);
  if (g.States < 2) {
    // One look only: the hot keys are not read and every state paints like the normal one.
    g.Props[1] = n;
    return g;
  }
  TsGenState& h = g.Props[1];
  h.FontColor = ReadFontColor(s, u"HOTFONTCOLOR", u"HOTTCLEFT", u"HOTTCTOP", u"HOTTCRIGHT", u"HOTTCBOTTOM");
  h.GlowColor = color(u"HGCOL");
  h.GlowSize = static_cast<uint8_t>(inh(u"HGSIZE", 0));
  h.Color = inh(u"HOTCOLOR", 0xFFFFFF);
  h.Transparency = inh(u"HOTTRANSPARENCY", 0);
  h.GradientPercent = inh(u"HOTGRADIENTPERCENT", 0);
  h.ImagePercent = inh(u"HOTIMAGEPERCENT", 0);
  h.GradientData = gradient(u"HOTGRADIENTDATA", u"", h.GradientPercent, h.GradientArray);
  return g;
}

void TTableBuilder::LoadAllGeneralData() {
  ReadSkinData();
  if (Ctx.CheckVersion) Ctx.CheckVersion(Version);
  T.gd.clear();
  T.gd.reserve(D.Sections().size());
  for (const TDescSection& s : D.Sections()) T.gd.push_back(ReadSection(s.Name));
}

}  // namespace

bool TPackageImageSource::Find(const std::u16string& name, std::vector<uint8_t>&, std::span<const uint8_t>& bytes) {
  const TqxImageItem* item = FReader.FindImage(name);
  if (!item) return false;
  bytes = item->FileStream;
  return true;
}

bool TFolderImageSource::Find(const std::u16string& name, std::vector<uint8_t>& scratch, std::span<const uint8_t>& bytes) {
  std::u16string path = Contains(name, u":") ? name : FSkinPath + name;
  if (!FFs.FileExists(path)) return false;
  auto data = FFs.ReadFile(path);
  if (!data) return false;
  scratch = std::move(*data);
  bytes = scratch;
  return true;
}

double ReadSkinVersion(const TSkinDescription& d) {
  const std::u16string* v = d.Find(kGlobalInfo, u"VERSION");
  if (!v) return 0;
  std::string s = Utf16ToUtf8(TrimBlanks(*v));
  double value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size() ? value : 0;
}

TSkinTables BuildSkinTables(const TSkinDescription& d, TSkinImageSource& images, const TSkinBuildContext& ctx) {
  TSkinTables t;
  TTableBuilder b(d, images, ctx, t);
  b.LoadAllMasks();
  b.LoadAllPatterns();
  b.LoadAllGeneralData();
  t.RebuildIndexes();
  t.ResolveSectionMasks();
  if (ctx.AdjustColors) ctx.AdjustColors(t);
  t.ResolveConstData();
  return t;
}

TSkinDescription MergeCommonSections(const TSkinDescription& d, const std::vector<std::u16string>& lines) {
  if (lines.empty()) return d;
  std::u16string text;
  for (const auto& l : lines) text += l + u"\r\n";
  return d.MergedWith(TSkinDescription::ParseText(text));
}

}  // namespace qw
