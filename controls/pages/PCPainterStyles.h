#pragma once
// The nine tab-drawing styles' registration and the colour routines they share: the light button-face
// colour, colours to and from hue, saturation and brightness, lightening, and the OneNote colours of
// the current Office11 scheme (reloaded when the system colours change).
#include "platform/gdi/Colors.h"

namespace zorvy {

// Hue in degrees (0 <= hue < 360), saturation and brightness 0..100.
void ColorToHSB(TColor color, long double& hue, long double& saturation, long double& brightness);
TColor HSBToColor(long double hue, long double saturation, long double brightness);
// The brightness raised by percent (at most 100).
TColor LightenColor(TColor color, int percent);

// clBtnFace with 20 added to each channel (255 from 236 on), as computed at start-up.
TColor LightBtnFaceColor();
// Computes it from a face colour (the start-up uses clBtnFace).
TColor MakeLightBtnFaceColor(TColor face);

enum TcxPCOneNoteColor { oncBorder = 0, oncNormalTabLine = 1, oncHotTab = 3, oncNormalTabTint = 5 };
TColor OneNoteColor(TcxPCOneNoteColor which);
void LoadOneNoteColors();

// Start-up and shutdown of the styles: the colours, the palette notifier and the nine painter classes.
void InitializePCPainters();
void FinalizePCPainters();

} // namespace zorvy
