#pragma once
// What the section painters need to know of a skinned control: its resolved skin indexes, its colour
// options and what its parent answers about the background behind it. The control's common skin data
// implements this; tests implement it with plain fields.
#include <cstdint>

#include "base/Geometry.h"
#include "image/CacheInfo.h"
#include "image/ColorToRgb.h"

namespace qw {

class TsSkinManager;

class TsControlPaintData {
 public:
  virtual ~TsControlPaintData() = default;
  // The manager the control paints with (its own or the process's default); null when there is none.
  virtual TsSkinManager* EffectiveManager() const = 0;
  // Section index in that manager; -1 when the control is not skinned.
  virtual int SkinIndex() const = 0;
  // Mask index of the section's border mask; -1 none.
  virtual int BorderIndex() const = 0;
  // Mask indexes of the section's PATTERN and HOTPATTERN textures; -1 none (looked up by name).
  virtual int Texture() const = 0;
  virtual int HotTexture() const = 0;
  // The background colour the control keeps instead of the section's (its Color through ColorToRGB,
  // the form's Color for a form frame), or clNoColor when the skin's colour is used.
  virtual TColor CustomBackgroundColor() const = 0;
  // Hue rotation in degrees and saturation change in percent applied to the painted item (0 = none).
  virtual int HueOffset() const = 0;
  virtual int Saturation() const = 0;
  // The parent's answer to the background request (without asking it to draw), in the parent's
  // coordinates; a not-ready record with the parent's colour when it has no bitmap.
  virtual TCacheInfo ParentCacheInfo() const = 0;
  // The colour the control's state is drawn in, the parent's colour mixed in for transparent sections.
  virtual TColor StateColor(int state) const = 0;
  // The control's position in its parent (its Left and Top).
  virtual TPoint OwnerPosition() const = 0;
};

}  // namespace qw
