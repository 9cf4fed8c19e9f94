#pragma once
// Writing the artwork in the formats the program stores: 32-bit BMP, ICO, PNG, JPEG and a cursor.
#include <string>
#include <vector>

#include "tools/artwork/ArtworkCanvas.h"

namespace qw::art {

void WriteBmp32(const std::string& path, const TCanvasRgba& canvas);
void WriteIco(const std::string& path, const TCanvasRgba& canvas);
void WritePng(const std::string& path, const TCanvasRgba& canvas);
void WriteJpeg(const std::string& path, const TCanvasRgba& canvas, int quality);
// A 32 x 32 monochrome cursor from rows of text: '#' black, '.' white, anything else transparent.
void WriteCursor(const std::string& path, const std::vector<std::string>& rows, int hotX, int hotY);

}  // namespace qw::art
