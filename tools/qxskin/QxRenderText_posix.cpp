// Without GDI there is no system text renderer here; qxskin falls back to its pixel font.
#include "tools/qxskin/QxSkinCommand.h"

namespace qw {

std::unique_ptr<TTextRenderer> MakeQxTextRenderer() { return nullptr; }

}  // namespace qw
