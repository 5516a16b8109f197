#pragma once
// The sheets of the look-and-feel painters.
#include "GallerySheet.h"
#include "controls/foundation/painters/Painter.h"

namespace zorvy::gallery {

struct TPainterSheet {
    std::string Name;
    TcxLookAndFeelPainterClass Painter;
};
std::vector<TPainterSheet> PainterSheets();
void DrawPainterSheet(TcxLookAndFeelPainterClass painter, const std::string& title, const std::string& path);

} // namespace zorvy::gallery
