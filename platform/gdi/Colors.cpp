#include "platform/gdi/Colors.h"

#include <array>
#include <strings.h>

namespace zorvy {

namespace {

// The classic grey desktop scheme.
constexpr std::array<COLORREF, SystemColorCount> DefaultSysColors = {
    RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
    RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240), RGB(192, 192, 192), RGB(10, 36, 106),
    RGB(212, 208, 200),
};

std::array<COLORREF, SystemColorCount> sysColors = DefaultSysColors;

struct TColorName {
    TColor color;
    const char* name;
};

constexpr TColorName ColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

} // namespace

COLORREF GetSysColor(int index) {
    if (index < 0 || index >= SystemColorCount) return 0;
    return sysColors[size_t(index)];
}

void SetSysColor(int index, COLORREF color) {
    if (index < 0 || index >= SystemColorCount) return;
    sysColors[size_t(index)] = color & 0xFFFFFF;
}

void ResetSysColors() {
    sysColors = DefaultSysColors;
}

COLORREF ColorToRGB(TColor color) {
    uint32_t value = uint32_t(color);
    if ((value & 0xFF000000u) == 0xFF000000u) return GetSysColor(int(value & 0xFF));
    return value & 0xFFFFFF;
}

COLORREF GetNearestColor(COLORREF color) {
    return color & 0xFFFFFF;
}

std::optional<TColor> IdentToColor(const std::string& ident) {
    for (const auto& entry : ColorNames)
        if (strcasecmp(entry.name, ident.c_str()) == 0) return entry.color;
    return std::nullopt;
}

std::optional<std::string> ColorToIdent(TColor color) {
    for (const auto& entry : ColorNames)
        if (entry.color == color) return std::string(entry.name);
    return std::nullopt;
}

} // namespace zorvy
