// Rectangle, text-flag, font and number-text helpers of the standard editors.
#include "controls/editors/checks/EditUtils.h"

#include "controls/foundation/graphics/CanvasRoutines.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "platform/classlib/Canvas.h"
#include "platform/classlib/GraphicsObjects.h"

#include <charconv>
#include <cmath>

namespace zorvy {

void ExtendRect(TRect& rect, int dLeft, int dTop, int dRight, int dBottom) {
    rect.Left += dLeft;
    rect.Top += dTop;
    rect.Right += dRight;
    rect.Bottom += dBottom;
}

int NonNegativeRectWidth(const TRect& rect) {
    return rect.Right - rect.Left < 0 ? 0 : rect.Right - rect.Left;
}

int NonNegativeRectHeight(const TRect& rect) {
    return rect.Bottom - rect.Top < 0 ? 0 : rect.Bottom - rect.Top;
}

int VertCenterOffset(const TRect& rect, int height) {
    return (rect.Bottom - rect.Top - height) / 2;
}

int BuildTextFlags(int startFlags, TAlignment horzAlignment, TcxEditVertAlignment vertAlignment,
                   bool showEndEllipsis, bool wordWrap, int tabWidth, bool windowsFlags, bool showAccelChar) {
    // {DrawText flag, canvas text-out flag} per input.
    auto pick = [windowsFlags](int drawText, int textOut) { return windowsFlags ? drawText : textOut; };
    int flags = startFlags;
    switch (horzAlignment) {
    case taLeftJustify: flags |= pick(0x0, 0x1); break;
    case taRightJustify: flags |= pick(0x2, 0x2); break;
    case taCenter: flags |= pick(0x1, 0x4); break;
    }
    switch (vertAlignment) {
    case taTopJustify: flags |= pick(0x0, 0x8); break;
    case taBottomJustify: flags |= pick(0x8, 0x10); break;
    case taVCenter: flags |= pick(0x4, 0x20); break;
    }
    if (showEndEllipsis) flags |= pick(0x8000, 0x800);
    if (wordWrap) flags |= pick(0x10, 0x400);
    if (tabWidth > 0) flags |= pick(0x40 | 0x80, 0x100);
    flags |= showAccelChar ? pick(0x0, 0x200) : pick(0x800, 0x0);
    return flags;
}

bool PrepareRotatedFont(TCanvas* canvas, TFont* font, int angle) {
    canvas->SetFont(font);
    TEXTMETRIC metrics;
    GetTextMetrics(canvas->GetHandle(), metrics);
    const bool trueType = (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
    const int normalized = ((angle % 360) + 360) % 360;
    if (trueType && normalized != 0) {
        LOGFONT logFont;
        if (FetchLogFont(canvas->GetFont()->GetHandle(), logFont)) {
            logFont.lfEscapement = normalized * 10;
            // The font takes a copy of what the handle describes, so the handle is ours to free.
            HFONT rotated = CreateFontIndirect(logFont);
            canvas->GetFont()->SetHandle(rotated);
            DeleteObject(rotated);
        }
    }
    return trueType;
}

bool IsVarNullOrEmpty(const Variant& value) {
    return value.IsNull() || value.IsEmpty();
}

bool IsIntegerText(const std::string& text) {
    const std::string trimmed = Trim(text);
    int value = 0;
    return !trimmed.empty() && TryStrToInt(trimmed, value);
}

bool IsFloatText(const std::string& text) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return false;
    const char separator = FormatSettings().DecimalSeparator;
    bool separatorSeen = false;
    std::string plain; // the digits with "." as the separator
    for (size_t i = 0; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if (c >= '0' && c <= '9') {
            plain += c;
        } else if (c == separator) {
            if (separatorSeen) return false;
            separatorSeen = true;
            plain += '.';
        } else if (c != '-' || i != 0) {
            return false;
        }
    }
    if (plain.empty()) return false; // a lone minus sign
    if (plain == ".") return true;   // a lone separator reads as 0
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    return error == std::errc() && end == plain.data() + plain.size() && std::fabs(value) <= 1.7E308;
}

} // namespace zorvy
