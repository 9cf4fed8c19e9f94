// TImageList as the form description names it: its picture size, then its pictures as one strip.
#include "fw/ClassRegistry.h"
#include "fw/FormReader.h"
#include "fw/ImageList.h"
#include "fw/Picture.h"
#include "image/ImageError.h"

namespace qw {

void RegisterImageListClass(TClassRegistry& g) {
  using V = const TFormValue&;
  using R = TFormReader&;
  g.Register<TImageList>("TImageList", "TComponent");
  g.Property<TImageList>("TImageList", "Width", [](TImageList& c, V v, R r) { c.SetSize(r.Int(v), c.Height()); });
  g.Property<TImageList>("TImageList", "Height", [](TImageList& c, V v, R r) { c.SetSize(c.Width(), r.Int(v)); });
  g.Property<TImageList>("TImageList", "Bitmap", [](TImageList& c, V v, R r) {
    const std::wstring name = r.ResourceName(v);
    TPicture strip;
    try {
      strip.LoadFromResource(name);
    } catch (const EImageError& e) {
      r.Fail(v.Line, "picture " + std::string(name.begin(), name.end()) + ": " + e.what());
    }
    if (c.AddStrip(strip.Bitmap()) == 0) r.Fail(v.Line, "the strip holds no picture of the list's size");
  });
}

}  // namespace qw
