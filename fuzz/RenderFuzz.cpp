// Section painting with skin values from the input: rectangles, widths, counts, modes, states,
// transparencies, gradients and parents of any size and offset. Painting must never read or write
// outside a bitmap, divide by zero or loop without end; what it paints is not checked here.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <exception>

#include "skin/data/SkinManager.h"
#include "skin/render/GlowBitmap.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/TextureFill.h"

namespace {

using namespace qw;

int32_t AnyCoordinate(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return in.ConsumeIntegralInRange<int32_t>(-4, 70);
    case 1: return in.ConsumeIntegral<int32_t>();
    case 2: return in.PickValueInArray({INT32_MIN, INT32_MAX, -1, 0, 1});
    default: return in.ConsumeIntegralInRange<int32_t>(-100000, 100000);
  }
}

TRect AnyRect(FuzzedDataProvider& in) {
  return TRect{AnyCoordinate(in), AnyCoordinate(in), AnyCoordinate(in), AnyCoordinate(in)};
}

TBitmap32 AnyBitmap(FuzzedDataProvider& in, int maxSide) {
  TBitmap32 b(in.ConsumeIntegralInRange(0, maxSide), in.ConsumeIntegralInRange(0, maxSide));
  for (size_t i = 0; i < b.PixelCount(); ++i)
    b.Pixels()[i] = in.ConsumeBool() ? kKeyPixel : in.ConsumeIntegral<uint32_t>();
  return b;
}

int16_t AnyShort(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange<int16_t>(-3, 12) : in.ConsumeIntegral<int16_t>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  try {
    TsSkinManager m;
    m.Tables.MasterBitmap = AnyBitmap(in, 40);
    const int masks = in.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < masks; ++i) {
      TsMaskData k;
      k.ClassName = u"S";
      k.PropertyName = in.PickValueInArray({u"PATTERN", u"HOTPATTERN", u"GLOW0", u"BORDERSMASK"});
      k.R = in.ConsumeBool() ? TRect{in.ConsumeIntegralInRange(0, 40), in.ConsumeIntegralInRange(0, 40),
                                     in.ConsumeIntegralInRange(0, 44), in.ConsumeIntegralInRange(0, 44)}
                             : AnyRect(in);
      k.ImageCount = AnyShort(in);
      k.MaskType = AnyShort(in);
      k.DrawMode = AnyShort(in);
      k.WL = AnyShort(in);
      k.WT = AnyShort(in);
      k.WR = AnyShort(in);
      k.WB = AnyShort(in);
      k.CornerType = in.ConsumeIntegralInRange<int16_t>(0, 2);
      k.Manager = in.ConsumeIntegralInRange(0, 7) ? &m : nullptr;
      if (in.ConsumeIntegralInRange(0, 3) == 0) k.Bmp = std::make_unique<TBitmap32>(AnyBitmap(in, 24));
      m.Tables.ma.push_back(std::move(k));
    }
    TsGeneralData g;
    g.ClassName = u"S";
    g.States = in.ConsumeIntegralInRange(-2, 6);
    for (TsGenState& p : g.Props) {
      p.Color = in.ConsumeIntegral<int32_t>() & 0xFFFFFF;
      p.Transparency = in.ConsumeIntegralInRange(-20, 120);
      p.ImagePercent = in.ConsumeIntegralInRange(-20, 120);
      p.GradientPercent = in.ConsumeIntegralInRange(-20, 120);
      const int bands = in.ConsumeIntegralInRange(0, 6);
      for (int b = 0; b < bands; ++b)
        p.GradientArray.push_back(TsGradPie{in.ConsumeIntegral<uint32_t>() & 0xFFFFFF, in.ConsumeIntegral<uint32_t>() & 0xFFFFFF,
                                            in.ConsumeIntegralInRange(-10, 110), in.ConsumeIntegralInRange(-1, 3), 0});
      p.GradientData = bands ? u"x;x" : u"";
    }
    auto anyIndex = [&] { return in.ConsumeIntegralInRange(-2, masks + 1); };
    g.BorderIndex = anyIndex();
    g.ImgTL = anyIndex();
    g.ImgBR = anyIndex();
    g.Props[0].TextureIndex = anyIndex();
    m.Tables.gd.push_back(std::move(g));
    m.Tables.RebuildIndexes();

    TBitmap32 bmp(in.ConsumeIntegralInRange(0, 64), in.ConsumeIntegralInRange(0, 64));
    TBitmap32 parent = AnyBitmap(in, 48);
    TCacheInfo ci;
    switch (in.ConsumeIntegralInRange(0, 3)) {
      case 0: break;
      case 1: ci.FillColor = in.ConsumeIntegral<int32_t>(); break;
      case 2: ci = MakeCacheInfo(&parent, AnyCoordinate(in), AnyCoordinate(in)); break;
      default: ci = MakeCacheInfo(&bmp, AnyCoordinate(in), AnyCoordinate(in)); break;
    }
    const TPoint pP{AnyCoordinate(in), AnyCoordinate(in)};
    const int state = in.ConsumeIntegralInRange(-1, 5);
    const TRect r = in.ConsumeBool() ? TRect{0, 0, bmp.Width(), bmp.Height()} : AnyRect(in);
    PaintSectionItem(0, u"S", ci, state, r, pP, bmp, &m, anyIndex(), anyIndex());
    PaintSectionItemWithMask(0, anyIndex(), anyIndex(), anyIndex(), &m, bmp, pP, r, state, ci, u"S");
    ApplyDisabledLook(bmp, in.ConsumeIntegralInRange(0, 3), in.ConsumeIntegral<int32_t>(), pP, ci);
    for (size_t i = 0; i < m.ma.size(); ++i) {
      const TsMaskData& k = m.ma[i];
      DrawBorderMask(bmp, AnyRect(in), ci, k, state, in.ConsumeBool());
      DrawMaskGlyph(bmp, TPoint{AnyCoordinate(in), AnyCoordinate(in)}, state, ci, k, in.ConsumeIntegralInRange(0, 2));
      DrawBorderMaskRegion(bmp, in.ConsumeBool(), state, k);
      TRect t = AnyRect(in);
      FillRectByTexture(bmp, t, nullptr, in.ConsumeIntegralInRange(-1, 15), k);
      t = AnyRect(in);
      FillRectByMaskedTexture(bmp, t, ci, in.PickValueInArray({0, 10, 3}), k);
      const TGlowGeometry glow = CalcGlowGeometry(AnyRect(in), AnyRect(in), k.WL, k.WT, k.WR, k.WB,
                                                  in.ConsumeIntegralInRange(-50, 50));
      MakeGlowBitmap(m, static_cast<int>(i), glow);
    }
  } catch (const std::bad_alloc&) {
    // Sizes the bitmap class refuses.
  }
  return 0;
}
