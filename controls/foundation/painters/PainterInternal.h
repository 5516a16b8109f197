#pragma once
// Drawing steps the Standard, Flat and UltraFlat painters share.
#include "controls/foundation/painters/StandardPainters.h"

namespace zorvy::painters {

inline TRect Deflated(const TRect& r, int by = 1) {
    TRect d = r;
    InflateRect(d, -by, -by);
    return d;
}
// Left and top in first, right and bottom (drawn last, over the corners) in second.
inline void Edges(TcxCanvas* canvas, const TRect& r, TColor first, TColor second,
                  TcxBorders sides = cxBordersAll) {
    canvas->PaintBorders(r, first, second, sides, 1);
}
inline void Frame(TcxCanvas* canvas, const TRect& r, TColor color, TcxBorders sides = cxBordersAll) {
    canvas->FrameRectSides(r, color, 1, sides);
}
// The raised header ring with the neighbour corrections of the Standard and Flat painters.
void DrawClassicHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxHeaderNeighbours neighbours);
// The classic tab edge strip of the Standard and Flat painters.
void DrawClassicTabEdge(TcxCanvas* canvas, const TRect& r, TcxBorder side, TcxBorders borders, bool vertical);
// The Standard and Flat filter drop-down button.
void DrawClassicFilterDropDown(const TcxCustomLookAndFeelPainter* painter, TcxCanvas* canvas, const TRect& r,
                               TcxButtonState state, bool active);
// Scroll-bar parts; style 0 Standard, 1 Flat, 2 UltraFlat.
void DrawClassicScrollBarElement(const TcxCustomLookAndFeelPainter* painter, int style, TcxCanvas* canvas,
                                 bool horizontal, const TRect& r, TcxScrollPart part, TcxButtonState state);
// Splitter lines: the pairs of (first, second) colours from the outside in, then the fill.
void DrawSplitterLines(TcxCanvas* canvas, const TRect& r, const TcxViewParamsRec& params, bool horizontal,
                       std::initializer_list<std::pair<TColor, TColor>> pairs);

} // namespace zorvy::painters
