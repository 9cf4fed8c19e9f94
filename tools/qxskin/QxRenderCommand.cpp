// qxskin render: one section of a skin painted as a control of a given size, or the contact sheet of
// the whole skin, written as PNG.
#include <charconv>
#include <string>

#include "base/Utf.h"
#include "image/ImageDecoder.h"
#include "image/PngWriter.h"
#include "skin/render/BorderMask.h"
#include "tools/qxskin/QxFiles.h"
#include "tools/qxskin/QxGuarded.h"
#include "tools/qxskin/QxPixelFont.h"
#include "tools/qxskin/QxRenderSheet.h"
#include "tools/qxskin/QxSkinCommand.h"

namespace qw {

namespace {

// Largest control side qxskin paints (a window is far smaller).
constexpr int kMaxSide = 16384;

bool ParseInt(const std::string& s, int64_t& out) {
  if (s.empty()) return false;
  int base = 10;
  size_t start = 0;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    start = 2;
  }
  const char* end = s.data() + s.size();
  auto [p, ec] = std::from_chars(s.data() + start, end, out, base);
  return ec == std::errc() && p == end;
}

bool ParsePair(const std::string& s, char sep, int64_t& a, int64_t& b) {
  const size_t at = s.find(sep);
  return at != std::string::npos && ParseInt(s.substr(0, at), a) && ParseInt(s.substr(at + 1), b);
}

void WritePng(const TBitmap32& bmp, const std::u16string& path) {
  const std::vector<uint8_t> png = EncodePng(bmp);
  WriteFileReplacing(path, std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
}


int RunSheet(TQxContext& context, const std::vector<std::u16string>& args) {
  if (args.size() != 3) return context.UsageError("--sheet takes the skin and one output file");
  return Guarded(context, args[0], [&] {
    std::unique_ptr<TsSkinManager> m = LoadSkinForRender(args[0]);
    if (m->gd.empty()) return context.Fail(Utf16ToUtf8(args[0]) + ": the skin has no sections");
    TQxPixelFont font;
    WritePng(RenderContactSheet(*m, font), args[2]);
    return kQxOk;
  });
}

}  // namespace

int RunRenderCommand(TQxContext& context, const std::vector<std::u16string>& args) {
  if (args.size() >= 2 && args[1] == u"--sheet") return RunSheet(context, args);
  if (args.size() < 5) return context.UsageError("render takes SKIN SECTION STATE WIDTHxHEIGHT OUT.png");
  TQxRenderRequest q;
  bool parentColor = false, parentImage = false, at = false;
  std::u16string parentPath;
  TPoint atPoint;
  for (size_t i = 5; i < args.size(); ++i) {
    const std::u16string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = Utf16ToUtf8(args[++i]);
      return true;
    };
    std::string v;
    if (a == u"--parent") {
      int64_t c;
      if (!value(v) || !ParseInt(v, c) || c < 0 || c > 0xFFFFFF) return context.Fail("bad --parent colour \"" + v + "\"");
      q.Parent.FillColor = static_cast<TColor>(c);
      parentColor = true;
    } else if (a == u"--parent-image") {
      if (i + 1 >= args.size()) return context.UsageError("--parent-image needs a PNG file");
      parentPath = args[++i];
      parentImage = true;
    } else if (a == u"--at") {
      int64_t x, y;
      if (!value(v) || !ParsePair(v, ',', x, y) || x < -kMaxSide || y < -kMaxSide || x > kMaxSide || y > kMaxSide)
        return context.Fail("bad --at position \"" + v + "\"");
      atPoint = TPoint{static_cast<int32_t>(x), static_cast<int32_t>(y)};
      at = true;
    } else if (a == u"--disabled") {
      q.Disabled = true;
    } else if (a == u"--text") {
      if (i + 1 >= args.size()) return context.UsageError("--text needs a caption");
      q.Caption = args[++i];
    } else {
      return context.UsageError("unknown option \"" + Utf16ToUtf8(a) + "\"");
    }
  }
  if (parentColor && parentImage) return context.UsageError("--parent and --parent-image exclude each other");
  if (at && !parentImage) return context.UsageError("--at needs --parent-image");
  int64_t state, w, h;
  const std::string stateText = Utf16ToUtf8(args[2]), sizeText = Utf16ToUtf8(args[3]);
  if (!ParseInt(stateText, state) || state < 0 || state > 3) return context.Fail("bad state \"" + stateText + "\" (0 to 3)");
  if (!ParsePair(sizeText, 'x', w, h) || w < 1 || h < 1 || w > kMaxSide || h > kMaxSide)
    return context.Fail("bad size \"" + sizeText + "\" (WIDTHxHEIGHT, 1 to 16384 each)");
  q.State = static_cast<int>(state);
  q.Width = static_cast<int>(w);
  q.Height = static_cast<int>(h);
  return Guarded(context, args[0], [&] {
    std::unique_ptr<TsSkinManager> m = LoadSkinForRender(args[0]);
    q.SkinIndex = m->GetSkinIndex(args[1]);
    if (q.SkinIndex < 0) return context.Fail("no section \"" + Utf16ToUtf8(args[1]) + "\" in " + Utf16ToUtf8(args[0]));
    TBitmap32 parent;
    if (parentImage) {
      const std::vector<uint8_t> bytes = ReadWholeFile(parentPath);
      parent = DecodeImage(bytes.data(), bytes.size());
      q.Parent = MakeCacheInfo(&parent, 0, 0);
      q.At = atPoint;
    } else if (!parentColor) {
      q.Parent = EmptyCacheInfo();
    }
    std::unique_ptr<TTextRenderer> text;
    if (!q.Caption.empty()) {
      text = MakeQxTextRenderer();
      if (!text) {
        context.Err += "qxskin: note: this build draws captions with its built-in pixel font; the Windows build uses GDI\n";
        text = std::make_unique<TQxPixelFont>();
      }
    }
    WritePng(RenderSection(*m, q, text.get()), args[4]);
    return kQxOk;
  });
}

}  // namespace qw
