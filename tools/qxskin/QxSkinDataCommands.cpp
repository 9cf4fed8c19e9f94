// qxskin info / unpack / pack / check / dump: the skin author's view of packages and skin folders,
// through the engine's own container reader and loader.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>
#include <string>

#include "base/Utf.h"
#include "skin/data/CodePage.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinFileSystem.h"
#include "image/ImageError.h"
#include "tools/qxskin/QxFiles.h"
#include "tools/qxskin/QxGuarded.h"
#include "tools/qxskin/QxSkinCommand.h"
#include "tools/qxskin/QxSkinLoad.h"

namespace qw {

namespace {


std::u16string WithSeparator(std::u16string dir) {
  if (dir.empty() || (dir.back() != u'/' && dir.back() != u'\\')) dir += u'/';
  return dir;
}

std::string Number(double v) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return ec == std::errc() ? std::string(buf, end) : "0";
}

// ---- JSON ---------------------------------------------------------------------------------------------

std::string Json(std::u16string_view s) {
  std::string in = Utf16ToUtf8(s), out = "\"";
  for (char c : in) {
    auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

class TJsonObject {
 public:
  explicit TJsonObject(std::string& out) : FOut(out) { FOut += "{"; }
  TJsonObject& Raw(const char* key, const std::string& value) {
    FOut += (FFirst ? "\"" : ",\"") + std::string(key) + "\":" + value;
    FFirst = false;
    return *this;
  }
  TJsonObject& Int(const char* key, int64_t v) { return Raw(key, std::to_string(v)); }
  TJsonObject& Bool(const char* key, bool v) { return Raw(key, v ? "true" : "false"); }
  TJsonObject& Str(const char* key, std::u16string_view v) { return Raw(key, Json(v)); }
  void End() { FOut += "}"; }

 private:
  std::string& FOut;
  bool FFirst = true;
};

std::string FontColorJson(const TsFontColor& f) {
  std::string s;
  TJsonObject(s).Int("Color", f.Color).Int("Left", f.Left).Int("Top", f.Top).Int("Right", f.Right).Int("Bottom", f.Bottom).End();
  return s;
}

std::string GradientJson(const TsGradArray& a) {
  std::string s = "[";
  for (size_t i = 0; i < a.size(); ++i) {
    const TsGradPie& p = a[i];
    s += (i ? ",[" : "[") + std::to_string(p.Color1) + "," + std::to_string(p.Color2) + "," +
         std::to_string(p.Percent) + "," + std::to_string(p.Mode1) + "," + std::to_string(p.Mode2) + "]";
  }
  return s + "]";
}

std::string StateJson(const TsGenState& g) {
  std::string s;
  TJsonObject(s)
      .Int("Color", g.Color)
      .Raw("FontColor", FontColorJson(g.FontColor))
      .Int("GradientPercent", g.GradientPercent)
      .Str("GradientData", g.GradientData)
      .Raw("GradientArray", GradientJson(g.GradientArray))
      .Int("ImagePercent", g.ImagePercent)
      .Int("TextureIndex", g.TextureIndex)
      .Int("GlowColor", g.GlowColor)
      .Int("GlowSize", g.GlowSize)
      .Int("Transparency", g.Transparency)
      .End();
  return s;
}

std::string DumpJson(const TSkinTables& t) {
  std::string out = "{\"SkinData\":";
  const TsSkinData& d = t.SkinData;
  TJsonObject(out)
      .Raw("Version", Number(d.Version))
      .Str("Author", d.Author)
      .Str("Description", d.Description)
      .Int("Shadow1Color", d.Shadow1Color)
      .Int("Shadow1Offset", d.Shadow1Offset)
      .Int("Shadow1Blur", d.Shadow1Blur)
      .Int("Shadow1Transparency", d.Shadow1Transparency)
      .Int("ExBorderWidth", d.ExBorderWidth)
      .Int("ExTitleHeight", d.ExTitleHeight)
      .Int("ExMaxHeight", d.ExMaxHeight)
      .Int("ExContentOffs", d.ExContentOffs)
      .Int("ExShadowOffs", d.ExShadowOffs)
      .Int("ExCenterOffs", d.ExCenterOffs)
      .Int("ExDrawMode", d.ExDrawMode)
      .Int("FXColor", d.FXColor)
      .Int("BorderColor", d.BorderColor)
      .Int("BISpacing", d.BISpacing)
      .Int("BIVAlign", d.BIVAlign)
      .Int("BIRightMargin", d.BIRightMargin)
      .Int("BILeftMargin", d.BILeftMargin)
      .Int("BITopMargin", d.BITopMargin)
      .Int("BIKeepHUE", d.BIKeepHUE)
      .Int("BICloseGlow", d.BICloseGlow)
      .Int("BICloseGlowMargin", d.BICloseGlowMargin)
      .Int("BIMaxGlow", d.BIMaxGlow)
      .Int("BIMaxGlowMargin", d.BIMaxGlowMargin)
      .Int("BIMinGlow", d.BIMinGlow)
      .Int("BIMinGlowMargin", d.BIMinGlowMargin)
      .Bool("UseAeroBluring", d.UseAeroBluring)
      .Int("ExtShadowColor", d.ExtShadowColor)
      .End();
  out += ",\n\"gd\":[";
  for (size_t i = 0; i < t.gd.size(); ++i) {
    const TsGeneralData& g = t.gd[i];
    out += i ? ",\n" : "\n";
    TJsonObject(out)
        .Str("ClassName", g.ClassName)
        .Str("ParentClass", g.ParentClass)
        .Int("States", g.States)
        .Raw("Props", "[" + StateJson(g.Props[0]) + "," + StateJson(g.Props[1]) + "]")
        .Bool("GiveOwnFont", g.GiveOwnFont)
        .Bool("ReservedBoolean", g.ReservedBoolean)
        .Bool("ShowFocus", g.ShowFocus)
        .Int("GlowCount", g.GlowCount)
        .Int("GlowMargin", g.GlowMargin)
        .Int("BorderIndex", g.BorderIndex)
        .Int("ImgTL", g.ImgTL)
        .Int("ImgTR", g.ImgTR)
        .Int("ImgBL", g.ImgBL)
        .Int("ImgBR", g.ImgBR)
        .Int("TextureNormal", g.TextureNormal())
        .Int("Color", g.Color())
        .Int("Transparency", g.Transparency())
        .Int("GradientPercent", g.GradientPercent())
        .Str("GradientData", g.GradientData())
        .Raw("GradientArray", GradientJson(g.GradientArray()))
        .Int("ImagePercent", g.ImagePercent())
        .Raw("FontColor", FontColorJson(g.FontColor()))
        .Int("HotColor", g.HotColor())
        .Int("HotTransparency", g.HotTransparency())
        .Int("HotGradientPercent", g.HotGradientPercent())
        .Str("HotGradientData", g.HotGradientData())
        .Raw("HotGradientArray", GradientJson(g.HotGradientArray()))
        .Int("HotImagePercent", g.HotImagePercent())
        .Raw("HotFontColor", FontColorJson(g.HotFontColor()))
        .Bool("FadingEnabled", g.FadingEnabled)
        .Int("FadingIterations", g.FadingIterations)
        .Int("HotGlowColor", g.HotGlowColor())
        .Int("GlowColor", g.GlowColor())
        .Int("HotGlowSize", g.HotGlowSize())
        .Int("GlowSize", g.GlowSize())
        .End();
  }
  out += "],\n\"ma\":[";
  for (size_t i = 0; i < t.ma.size(); ++i) {
    const TsMaskData& m = t.ma[i];
    out += i ? ",\n" : "\n";
    std::string r = "[" + std::to_string(m.R.Left) + "," + std::to_string(m.R.Top) + "," + std::to_string(m.R.Right) +
                    "," + std::to_string(m.R.Bottom) + "]";
    std::string bmp = m.Bmp ? "[" + std::to_string(m.Bmp->Width()) + "," + std::to_string(m.Bmp->Height()) + "]" : "null";
    TJsonObject(out)
        .Str("ClassName", m.ClassName)
        .Str("PropertyName", m.PropertyName)
        .Raw("R", r)
        .Raw("Bmp", bmp)
        .Int("ImageCount", m.ImageCount)
        .Int("MaskType", m.MaskType)
        .Int("BorderWidth", m.BorderWidth)
        .Int("DrawMode", m.DrawMode)
        .Int("ImgType", m.ImgType)
        .Int("WL", m.WL)
        .Int("WT", m.WT)
        .Int("WR", m.WR)
        .Int("WB", m.WB)
        .Int("CornerType", m.CornerType)
        .End();
  }
  out += "],\n\"pa\":[";
  for (size_t i = 0; i < t.pa.size(); ++i) {
    const TsPatternData& p = t.pa[i];
    out += i ? ",\n" : "\n";
    TJsonObject(out)
        .Str("ClassName", p.ClassName)
        .Str("PropertyName", p.PropertyName)
        .Raw("Size", "[" + std::to_string(p.Img->Width()) + "," + std::to_string(p.Img->Height()) + "]")
        .End();
  }
  out += "],\n\"ConstData\":";
  TJsonObject c(out);
  for (const TConstIndexField& f : ConstIndexFields(t.ConstData)) c.Int(f.Name, f.Value);
  c.End();
  return out + "}\n";
}

// ---- check ----------------------------------------------------------------------------------------------

const std::set<std::u16string>& KnownKeys() {
  static const std::set<std::u16string> keys = {
      u"PARENTCLASS", u"COLOR", u"RESERVEDBOOLEAN", u"GIVEOWNFONT", u"GLOW", u"GLOWMARGIN", u"FONTCOLOR",
      u"TCLEFT", u"TCTOP", u"TCRIGHT", u"TCBOTTOM", u"TRANSPARENCY", u"GRADIENTPERCENT", u"IMAGEPERCENT",
      u"GRADIENTDATA", u"SHOWFOCUS", u"FADINGENABLED", u"FADINGITERATIONS", u"GCOL", u"GSIZE", u"STATES",
      u"HOTFONTCOLOR", u"HOTTCLEFT", u"HOTTCTOP", u"HOTTCRIGHT", u"HOTTCBOTTOM", u"HGCOL", u"HGSIZE", u"HOTCOLOR",
      u"HOTTRANSPARENCY", u"HOTGRADIENTPERCENT", u"HOTGRADIENTDATA", u"HOTIMAGEPERCENT", u"BORDERSMASK",
      u"IMGTOPLEFT", u"IMGTOPRIGHT", u"IMGBTMLEFT", u"IMGBTMRIGHT", u"PATTERN", u"HOTPATTERN", u"GLYPHMASK",
      u"SLIDERMASK", u"SLIDERVMASK", u"SLIDERCHANNEL", u"TICKHORZ", u"TICKVERT", u"GLOW0", u"MASTERBITMAP",
      u"VERSION", u"AUTHOR", u"DESCRIPTION", u"BORDERWIDTH", u"TITLEHEIGHT", u"MAXHEIGHT", u"FORMOFFSET",
      u"ALIGNOFFSET", u"CENTEROFFSET", u"BORDERMODE", u"SHADOW1COLOR", u"SHADOW1OFFSET", u"SHADOW1BLUR",
      u"SHADOW1TRANSPARENCY", u"BISPACE", u"BIVALIGN", u"BIRIGHT", u"BILEFT", u"BITOP", u"BORDERCOLOR",
      u"BIKEEPHUE", u"BICONCLOSEGLOW", u"BICONMAXGLOW", u"BICONMINGLOW", u"BICONCLOSEGLOWMARGIN",
      u"BICONMAXGLOWMARGIN", u"BICONMINGLOWMARGIN", u"AEROBLUR", u"EXTSHADOW", u"GRIPIMAGE", u"EXBORDER",
      u"TITLEBUTTON", u"CHECK", u"BICONCLOSEGLOW0", u"BICONMAXGLOW0", u"BICONMINGLOW0", u"BICONNORMGLOW0"};
  return keys;
}

bool LooksLikeImage(std::u16string_view v) {
  if (v.empty()) return false;
  std::u16string up = UpperName(v);
  return v[0] == u'@' || v[0] == u'^' || v[0] == u'~' || v[0] == u'!' || v.find(u'#') != std::u16string_view::npos ||
         up.find(u".BMP") != std::u16string::npos || up.find(u".PNG") != std::u16string::npos ||
         up.find(u".JPG") != std::u16string::npos || up.find(u".JPEG") != std::u16string::npos;
}

void CheckDescription(const TQxSkin& skin, std::vector<std::string>& out) {
  const TSkinDescription& d = *skin.Description;
  auto where = [](const TDescSection& s, const std::u16string& k) {
    return "[" + Utf16ToUtf8(s.Name) + "] " + Utf16ToUtf8(k);
  };
  std::set<std::u16string> seen;
  for (const TDescSection& s : d.Sections()) {
    if (!seen.insert(s.Name).second) out.push_back("[" + Utf16ToUtf8(s.Name) + "]: section repeated; only the first is used");
    for (const TDescEntry& e : s.Entries) {
      if (!KnownKeys().count(e.Key) && !LooksLikeImage(e.Value) && e.Value != u"N/A")
        out.push_back(where(s, e.Key) + ": a key the loader does not know");
    }
    for (const char16_t* key : {u"TRANSPARENCY", u"HOTTRANSPARENCY", u"GRADIENTPERCENT", u"HOTGRADIENTPERCENT",
                                u"IMAGEPERCENT", u"HOTIMAGEPERCENT", u"GSIZE", u"HGSIZE", u"STATES", u"FADINGITERATIONS"}) {
      const std::u16string* v = s.Find(key);
      if (!v) continue;
      int32_t n = LenientInt(*v, INT32_MIN);
      std::u16string k = key;
      if (n == INT32_MIN) {
        out.push_back(where(s, k) + ": \"" + Utf16ToUtf8(*v) + "\" is not a number");
        continue;
      }
      int lo = 0, hi = 100;
      if (k == u"GSIZE" || k == u"HGSIZE") hi = 255;
      if (k == u"STATES") lo = 1, hi = 4;
      if (k == u"FADINGITERATIONS") lo = 1, hi = 100;
      if (n < lo || n > hi)
        out.push_back(where(s, k) + ": " + std::to_string(n) + " is outside " + std::to_string(lo) + ".." + std::to_string(hi));
    }
    // PARENTCLASS: must name a section and must not come back to where it started.
    const std::u16string* parent = s.Find(u"PARENTCLASS");
    if (!parent || parent->empty() || *parent == u"?" || *parent == s.Name) continue;
    if (!d.FindSection(*parent)) {
      out.push_back("[" + Utf16ToUtf8(s.Name) + "] PARENTCLASS: no section \"" + Utf16ToUtf8(*parent) + "\"");
      continue;
    }
    std::vector<std::u16string> chain{s.Name};
    for (const std::u16string* p = parent; p && !p->empty() && *p != u"?";) {
      if (std::find(chain.begin(), chain.end(), *p) != chain.end()) {
        if (*p == s.Name) out.push_back("[" + Utf16ToUtf8(s.Name) + "] PARENTCLASS: the chain forms a cycle");
        break;
      }
      chain.push_back(*p);
      p = d.Find(*p, u"PARENTCLASS");
    }
  }
}

// ---- Commands ---------------------------------------------------------------------------------------

int RunInfo(TQxContext& context, const std::vector<std::u16string>& args) {
  if (args.size() != 1) return context.UsageError("info takes one skin");
  return Guarded(context, args[0], [&] {
    TQxSkin skin;
    OpenQxSkin(args[0], skin);
    std::string& out = context.Out;
    out += skin.IsPackage ? "package\n" : "folder\n";
    out += "members:\n";
    for (const TQxMember& m : skin.Members) out += "  " + Utf16ToUtf8(m.Name) + " " + std::to_string(m.Size) + "\n";
    const TSkinDescription& d = *skin.Description;
    out += "VERSION: " + Utf16ToUtf8(d.ReadString(u"GLOBALINFO", u"VERSION", u"")) + "\n";
    out += "AUTHOR: " + Utf16ToUtf8(d.ReadString(u"GLOBALINFO", u"AUTHOR", u"")) + "\n";
    out += "DESCRIPTION: " + Utf16ToUtf8(d.ReadString(u"GLOBALINFO", u"DESCRIPTION", u"")) + "\n";
    out += "sections:\n";
    for (const TDescSection& s : d.Sections()) out += "  " + Utf16ToUtf8(s.Name) + "\n";
    return kQxOk;
  });
}

int RunUnpack(TQxContext& context, const std::vector<std::u16string>& args) {
  if (args.size() != 2) return context.UsageError("unpack takes a package and a folder");
  return Guarded(context, args[0], [&] {
    TqxSkinConvertor reader;
    reader.OwnedPackedData = ReadWholeFile(args[0]);
    reader.PackedData = reader.OwnedPackedData;
    UnpackSkinPackage(reader);
    std::vector<std::pair<std::u16string, const std::vector<uint8_t>*>> files;
    files.push_back({CodePageToUtf16(reader.OptionsName), &reader.Options});
    for (const TqxImageItem& f : reader.Files) files.push_back({CodePageToUtf16(f.FileName), &f.FileStream});
    // Everything is checked before the first file is written.
    std::set<std::u16string> names;
    for (auto& [name, data] : files) {
      if (name.empty() || name == u"." || name == u".." || name.find_first_of(u"/\\:") != std::u16string::npos)
        return context.Fail(Utf16ToUtf8(args[0]) + ": member name \"" + Utf16ToUtf8(name) + "\" is not a plain file name");
      if (!names.insert(UpperName(name)).second)
        return context.Fail(Utf16ToUtf8(args[0]) + ": member \"" + Utf16ToUtf8(name) + "\" appears twice");
    }
    if (!SystemSkinFileSystem().ForceDirectories(args[1])) return context.Fail(Utf16ToUtf8(args[1]) + ": cannot create the folder");
    std::u16string dir = WithSeparator(args[1]);
    for (auto& [name, data] : files)
      WriteFileReplacing(dir + name, std::string_view(reinterpret_cast<const char*>(data->data()), data->size()));
    return kQxOk;
  });
}

int RunPack(TQxContext& context, const std::vector<std::u16string>& args) {
  if (args.size() != 2) return context.UsageError("pack takes a folder and a package");
  return Guarded(context, args[0], [&] {
    TSkinFileSystem& fs = SystemSkinFileSystem();
    if (!fs.DirectoryExists(args[0])) return context.Fail(Utf16ToUtf8(args[0]) + ": not a folder");
    std::u16string dir = WithSeparator(args[0]);
    std::vector<TPackageMember> members;
    bool options = false;
    for (const TSkinDirEntry& e : fs.ListDirectory(args[0])) {
      if (e.IsDirectory) continue;
      std::string name;
      for (char16_t c : e.Name) {
        if (c < 0x20 || c > 0x7E) return context.Fail(Utf16ToUtf8(dir + e.Name) + ": member names must be ASCII");
        name.push_back(static_cast<char>(c));
      }
      if (UpperName(name) == "OPTIONS.DAT") options = true;
      members.push_back({name, ReadWholeFile(dir + e.Name)});
    }
    if (!options) return context.Fail(Utf16ToUtf8(args[0]) + ": no Options.dat");
    std::vector<uint8_t> pkg = WriteSkinPackage(std::move(members));
    WriteFileReplacing(args[1], std::string_view(reinterpret_cast<const char*>(pkg.data()), pkg.size()));
    return kQxOk;
  });
}

int RunCheck(TQxContext& context, const std::vector<std::u16string>& args) {
  if (args.size() != 1) return context.UsageError("check takes one skin");
  return Guarded(context, args[0], [&] {
    TQxSkin skin;
    OpenQxSkin(args[0], skin);
    std::vector<std::string> lines;
    if (skin.IsPackage) {
      for (const TqxImageItem& f : skin.Reader.Files) {
        try {
          DecodeSkinImage(f.FileStream);
        } catch (const std::exception& e) {
          lines.push_back("member " + f.FileName + ": " + e.what());
        }
      }
    }
    CheckDescription(skin, lines);
    double version = ReadSkinVersion(*skin.Description);
    if (version > 8.99) lines.push_back("VERSION " + Number(version) + " is newer than this engine supports fully");
    if (version < 7) lines.push_back("VERSION " + Number(version) + " is older than 7");
    BuildQxSkin(skin);
    for (const std::string& w : skin.Warnings) lines.push_back(w);
    for (const std::string& l : lines) context.Out += "warning: " + l + "\n";
    if (!skin.Error.empty()) {
      context.Out += "error: " + skin.Error + "\n";
      return kQxFailed;
    }
    context.Out += "loads: " + std::to_string(skin.Tables.gd.size()) + " sections, " +
                   std::to_string(skin.Tables.ma.size()) + " masks, " + std::to_string(skin.Tables.pa.size()) +
                   " patterns, " + std::to_string(lines.size()) + " warnings\n";
    return kQxOk;
  });
}

int RunDump(TQxContext& context, const std::vector<std::u16string>& args) {
  if (args.size() != 1) return context.UsageError("dump takes one skin");
  return Guarded(context, args[0], [&] {
    TQxSkin skin;
    OpenQxSkin(args[0], skin);
    BuildQxSkin(skin);
    if (!skin.Error.empty()) return context.Fail(Utf16ToUtf8(args[0]) + ": " + skin.Error);
    context.Out += DumpJson(skin.Tables);
    return kQxOk;
  });
}

}  // namespace

int RunSkinInfoCommand(TQxContext& c, const std::vector<std::u16string>& a) { return RunInfo(c, a); }
int RunSkinUnpackCommand(TQxContext& c, const std::vector<std::u16string>& a) { return RunUnpack(c, a); }
int RunSkinPackCommand(TQxContext& c, const std::vector<std::u16string>& a) { return RunPack(c, a); }
int RunSkinCheckCommand(TQxContext& c, const std::vector<std::u16string>& a) { return RunCheck(c, a); }
int RunSkinDumpCommand(TQxContext& c, const std::vector<std::u16string>& a) { return RunDump(c, a); }

}  // namespace qw
