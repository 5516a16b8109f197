// The styles' registration in their fixed order, and the colour routines they share.
#include "controls/pages/PCPainterStyles.h"

#include "controls/foundation/graphics/PaletteNotifier.h"
#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/pages/PCButtonPainters.h"
#include "controls/pages/PCFlatPainters.h"
#include "controls/pages/PCSlantedPainters.h"
#include "controls/pages/PCTabsPainter.h"
#include "controls/pages/PaintersFactory.h"

#include <algorithm>
#include <array>
#include <memory>

namespace zorvy {
namespace {

TColor lightBtnFaceColor = clBtnFace;
std::array<TColor, 6> oneNoteColors{};

// Only the OneNote colours follow a change of the system colours.
class TcxPaletteChangedNotifier : public TcxSystemPaletteChangedNotifier {
  public:
    TcxPaletteChangedNotifier() : TcxSystemPaletteChangedNotifier(true) {}
    void PaletteChanged() override { LoadOneNoteColors(); }
};

std::unique_ptr<TcxPaletteChangedNotifier> paletteNotifier;

// The factory's default is the first registered class; look-and-feel look-ups search from the last.
std::array<TcxPCPainterClass, 9> RegisteredStyles() {
    return {TcxPCTabsPainter::Class(),      TcxPCButtonsPainter::Class(),  TcxPCFlatButtonsPainter::Class(),
            TcxPCExtraFlatPainter::Class(), TcxPCUltraFlatPainter::Class(), TcxPCFlatPainter::Class(),
            TcxPCOffice11Painter::Class(),  TcxPCSlantedPainter::Class(),  TcxPCOneNotePainter::Class()};
}

} // namespace

void ColorToHSB(TColor color, long double& hue, long double& saturation, long double& brightness) {
    const COLORREF rgb = ColorToRGB(color);
    const long double r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
    const long double max = std::max({r, g, b}), min = std::min({r, g, b});
    brightness = max * 100 / 255;
    saturation = max == 0 ? 0 : 100 - min * 100 / max;
    if (saturation == 0) {
        hue = 0;
        return;
    }
    if (max == r)
        hue = (g - b) * 60 / (max - min);
    else if (max == g)
        hue = (b - r) * 60 / (max - min) + 120;
    else
        hue = (r - g) * 60 / (max - min) + 240;
    if (hue < 0) hue += 360;
}

TColor HSBToColor(long double h, long double s, long double bright) {
    if (bright == 0) return 0;
    const long double hi = bright * 255 / 100, lo = hi * (100 - s) / 100, d = hi - lo;
    long double r, g, b;
    if (h <= 60) {
        r = hi, g = lo + d * h / 60, b = lo;
    } else if (h <= 120) {
        r = hi + d * (60 - h) / 60, g = hi, b = lo;
    } else if (h <= 180) {
        r = lo, g = hi, b = lo + d * (h - 120) / 60;
    } else if (h <= 240) {
        r = lo, g = hi + d * (180 - h) / 60, b = hi;
    } else if (h <= 300) {
        r = lo + d * (h - 240) / 60, g = lo, b = hi;
    } else {
        r = hi, g = lo, b = hi + d * (300 - h) / 60;
    }
    auto channel = [](long double v) { return static_cast<TColor>(static_cast<long long>(v)); };
    return channel(r) + channel(g) * 256 + channel(b) * 65536;
}

TColor LightenColor(TColor color, int percent) {
    long double h, s, b;
    ColorToHSB(color, h, s, b);
    return HSBToColor(h, s, std::min<long double>(b * (100 + percent) / 100, 100));
}

TColor MakeLightBtnFaceColor(TColor face) {
    const COLORREF rgb = ColorToRGB(face);
    auto lighter = [](int channel) { return channel >= 236 ? 255 : channel + 20; };
    return RGB(static_cast<std::uint8_t>(lighter(GetRValue(rgb))), static_cast<std::uint8_t>(lighter(GetGValue(rgb))),
               static_cast<std::uint8_t>(lighter(GetBValue(rgb))));
}

TColor LightBtnFaceColor() {
    return lightBtnFaceColor;
}

TColor OneNoteColor(TcxPCOneNoteColor which) {
    return oneNoteColors[which];
}

void LoadOneNoteColors() {
    // Border, normal-tab line, hot-tab colour and normal-tab tint per scheme.
    static const TColor schemes[4][4] = {
        {clBtnShadow, clBtnShadow, RGB(10, 36, 106), clBtnFace},
        {RGB(59, 97, 156), RGB(0, 53, 154), RGB(0, 0, 128), RGB(117, 166, 241)},
        {RGB(96, 128, 88), RGB(96, 119, 107), RGB(63, 93, 56), RGB(176, 194, 140)},
        {RGB(124, 124, 148), RGB(118, 116, 146), RGB(75, 75, 111), RGB(186, 185, 206)},
    };
    const int scheme = std::clamp(GetCurrentOffice11Scheme(), 0, 3);
    oneNoteColors[oncBorder] = schemes[scheme][0];
    oneNoteColors[oncNormalTabLine] = schemes[scheme][1];
    oneNoteColors[oncHotTab] = schemes[scheme][2];
    oneNoteColors[oncNormalTabTint] = schemes[scheme][3];
}

void InitializePCPainters() {
    lightBtnFaceColor = MakeLightBtnFaceColor(clBtnFace);
    LoadOneNoteColors();
    paletteNotifier = std::make_unique<TcxPaletteChangedNotifier>();
    for (TcxPCPainterClass style : RegisteredStyles()) RegisterPCPainterClass(style);
}

void FinalizePCPainters() {
    for (TcxPCPainterClass style : RegisteredStyles()) UnregisterPCPainterClass(style);
    paletteNotifier.reset();
}

} // namespace zorvy
