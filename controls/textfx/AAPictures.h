#pragma once
// Drawing a picture into a rectangle the four ways the texture fill and the label background share:
// tiled from the top-left, stretched, centred, or at the top-left.
#include "platform/classlib/Bitmap.h"

namespace zorvy {

enum class TPictureMode { Tiled, Stretched, Center, Normal };

// Nothing for a missing or empty graphic. A stretched icon is first drawn on a bitmap of its own size
// filled with the canvas brush colour.
void DrawGraphicIn(TCanvas* canvas, const TRect& r, TPictureMode mode, TGraphic* graphic);

} // namespace zorvy
