#pragma once
// The painters' shared resources: the radio-button images (128 ready-made images built from a
// measurement of the platform's radio button), the row-indicator images, the two scroll-bar pattern
// bitmaps, the check-box size, and the start-up and finalization of the painter unit.
#include "controls/foundation/painters/Painter.h"
#include "platform/classlib/ImageList.h"

#include <memory>
#include <vector>

namespace zorvy {

struct TRadioButtonGeometry {
    int CellWidth = 13, CellHeight = 13;
    TRect Circle; // in the cell
    TRect Dot;    // in the cell
};
const TRadioButtonGeometry& RadioButtonGeometry();

// (state - 1) + 8 kind + 4 checked + 32 designing + 64 focused.
int RadioImageMapIndex(TcxLookAndFeelKind kind, TcxButtonState state, bool checked, bool focused,
                       bool designing);

class TcxRadioButtonImageList {
  public:
    TcxRadioButtonImageList();
    ~TcxRadioButtonImageList();
    void PrepareImages();
    void Rebuild();
    int ImageIndexFor(TcxLookAndFeelKind kind, TcxButtonState state, bool checked, bool focused,
                      bool designing) const;
    // clDefault: the image over what is there; any other colour also paints the corners outside the circle.
    void PaintImage(TcxCanvas* canvas, int x, int y, TColor backgroundColor, TcxLookAndFeelKind kind,
                    TcxButtonState state, bool checked, bool focused, bool designing);
    TSize GetImageSize() const;
    TImageList* Images() { return images_.get(); }

  private:
    std::unique_ptr<TImageList> images_;
    std::unique_ptr<TBitmap> mask_;
    std::vector<int> indexMap_;
};
// Created with its images on the first call.
TcxRadioButtonImageList* NeedRadioButtonImageList();

// Pattern codes of the radio pixels: 0 outside, 1/2 outer ring upper-left/lower-right, 3/4 inner ring,
// 5 body, 6 dot; rows of the circle's height, columns of its width.
const std::vector<std::vector<uint8_t>>& RadioPixelPattern();
COLORREF RadioBodyColor(TcxLookAndFeelKind kind, TcxButtonState state);
// The colours (RGB) of the codes 0..6.
std::array<COLORREF, 7> BuildRadioColourMap(TcxLookAndFeelKind kind, TcxButtonState state, bool checked,
                                            bool focused, bool designing);

// Six 8 x 9 images: arrow, edit, insert, multi-dot, multi-arrow, filter.
TImageList* IndicatorImages();
// The 8 x 8 track patterns: normal (face/highlight) and pressed (black/dark shadow).
TBitmap* ScrollBarPatternBitmap(bool pressed);
void RefreshScrollBarPatternBitmaps();
TSize SystemCheckBoxSize();

void InitializePainters();
void FinalizePainters();

} // namespace zorvy
