// The painters' shared resources: radio-button images, indicator images, scroll-bar patterns, the
// check-box size, and the painter unit's start-up and finalization.
#include "controls/foundation/painters/PainterResources.h"

#include "controls/foundation/graphics/ColorBlend.h"
#include "controls/foundation/graphics/PaletteNotifier.h"
#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/foundation/painters/Office11Painter.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/FrameControls.h"

namespace zorvy {

namespace {

TRadioButtonGeometry geometry;
bool geometryMeasured = false;
std::vector<std::vector<uint8_t>> pattern;
std::unique_ptr<TcxRadioButtonImageList> radioImages;
std::unique_ptr<TImageList> indicatorImages;
std::unique_ptr<TBitmap> patternNormal, patternPressed;
std::unique_ptr<TcxSystemPaletteChangedNotifier> paletteNotifier;
TSize checkBoxSize = {13, 13};

COLORREF Pixel(TBitmap& b, int x, int y) {
    const uint32_t p = b.ScanLine(y)[x];
    return RGB(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p));
}

void FillBlack(TBitmap& b) {
    b.GetCanvas()->GetBrush()->SetColor(clBlack);
    b.GetCanvas()->FillRect(Rect(0, 0, b.GetWidth(), b.GetHeight()));
}

void MeasureRadioButtonGeometry() {
    TRadioButtonGeometry& g = geometry;
    if (HBITMAP boxes = LoadCheckBoxesBitmap()) {
        BITMAP info;
        if (GetObject(boxes, info)) {
            g.CellWidth = info.bmWidth / 4;
            g.CellHeight = info.bmHeight / 3;
        }
        DeleteObject(boxes);
    }
    TBitmap cell;
    cell.SetPixelFormat(pf32bit);
    cell.SetSize(g.CellWidth, g.CellHeight);
    FillBlack(cell);
    const TRect bounds = Rect(0, 0, g.CellWidth, g.CellHeight);
    DrawFrameControl(cell.GetCanvas()->GetHandle(), bounds, DFC_BUTTON, DFCS_BUTTONRADIOMASK | DFCS_FLAT);
    int left = -1, top = -1, width = 0, height = 0;
    for (int x = 0; x < g.CellWidth; ++x) {
        bool black = false;
        for (int y = 0; y < g.CellHeight; ++y)
            black |= Pixel(cell, x, y) == RGB(0, 0, 0);
        if (black) {
            if (left < 0) left = x;
            ++width;
        }
    }
    for (int y = 0; y < g.CellHeight; ++y) {
        bool black = false;
        for (int x = 0; x < g.CellWidth; ++x)
            black |= Pixel(cell, x, y) == RGB(0, 0, 0);
        if (black) {
            if (top < 0) top = y;
            ++height;
        }
    }
    if (left < 0 || top < 0 || width < 4 || height < 4) left = top = 0, width = 12, height = 12;
    g.Circle = Bounds(left, top, width, height);

    FillBlack(cell);
    DrawFrameControl(cell.GetCanvas()->GetHandle(), bounds, DFC_BUTTON,
                     DFCS_BUTTONRADIOIMAGE | DFCS_CHECKED | DFCS_FLAT);
    const COLORREF dot = ColorToRGB(clWindowText);
    auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < g.CellWidth && y < g.CellHeight; };
    const int cx = left + width / 2 - 1, cy = top + height / 2 - 2;
    int dotTop = cy;
    while (inside(cx, dotTop - 1) && Pixel(cell, cx, dotTop - 1) == dot)
        --dotTop;
    int dotBottom = dotTop;
    while (inside(cx, dotBottom) && Pixel(cell, cx, dotBottom) == dot)
        ++dotBottom;
    const int rx = left + width / 2 - 2, ry = top + height / 2 - 1;
    int dotLeft = rx;
    while (inside(dotLeft - 1, ry) && Pixel(cell, dotLeft - 1, ry) == dot)
        --dotLeft;
    int dotRight = dotLeft;
    while (inside(dotRight, ry) && Pixel(cell, dotRight, ry) == dot)
        ++dotRight;
    if (dotBottom - dotTop < 2 || dotRight - dotLeft < 2) // no dot found: a centred 4 x 4 one
        g.Dot = Bounds(left + (width - 4) / 2, top + (height - 4) / 2, 4, 4);
    else
        g.Dot = Rect(dotLeft, dotTop, dotRight, dotBottom);
    geometryMeasured = true;
}

// Whether the pixel's centre lies in the ellipse inscribed in r. The circle and the dot are drawn from
// this test rather than from the drawing layer's rounded rectangles, which come out nearly square at
// 12 pixels; it gives the platform's own radio-button circle.
bool InEllipse(const TRect& r, int x, int y) {
    const double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
    if (rx <= 0 || ry <= 0) return false;
    const double dx = (x + 0.5 - (r.Left + rx)) / rx, dy = (y + 0.5 - (r.Top + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}

void BuildRadioPattern() {
    const int w = geometry.Circle.Width(), h = geometry.Circle.Height();
    pattern.assign(size_t(h), std::vector<uint8_t>(size_t(w), 0));
    // The outer ring: the circle's pixels that touch the outside.
    const TRect circle = Rect(0, 0, w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!InEllipse(circle, x, y)) continue;
            const bool edge = !InEllipse(circle, x - 1, y) || !InEllipse(circle, x + 1, y) ||
                              !InEllipse(circle, x, y - 1) || !InEllipse(circle, x, y + 1);
            if (edge) pattern[size_t(y)][size_t(x)] = (h - 1) * (w - 1 - x) < y * (w - 1) ? 2 : 1;
        }
    auto at = [&](int x, int y) -> uint8_t& { return pattern[size_t(y)][size_t(x)]; };
    auto mark = [&](int x, int y) {
        const int lhs = (w - x - 1) * (h - 1), rhs = (w - 1) * y;
        at(x, y) = (lhs < rhs || (lhs == rhs && x > w / 2 - 1)) ? 4 : 3;
    };
    const int a = h - 2, cols = w - 2;
    // Body: outwards from the middle of each row up to the outer ring.
    for (int y = 1; y <= a; ++y) {
        for (int x = w / 2 - 1; x >= 0 && at(x, y) == 0; --x)
            at(x, y) = 5;
        for (int x = w / 2; x < w && at(x, y) == 0; ++x)
            at(x, y) = 5;
    }
    // Inner ring: the first pixel inside the outer ring, by rows, then by columns (whole first and last).
    auto ringScan = [&](bool byRows) {
        const int lines = byRows ? a : cols;
        for (int line = 1; line <= lines; ++line) {
            const bool edge = line == 1 || line == lines;
            for (int direction : {-1, 1}) {
                int pos = byRows ? (direction < 0 ? w / 2 - 1 : w / 2) : (direction < 0 ? h / 2 - 1 : h / 2);
                const int limit = byRows ? w : h;
                int last = -1;
                for (; pos >= 0 && pos < limit; pos += direction) {
                    const uint8_t code = byRows ? at(pos, line) : at(line, pos);
                    if (code == 1 || code == 2) break;
                    if (edge) byRows ? mark(pos, line) : mark(line, pos);
                    last = pos;
                }
                if (last >= 0) byRows ? mark(last, line) : mark(line, last);
            }
        }
    };
    ringScan(true);
    ringScan(false);
    // The dot.
    const TRect dot = ShiftRect(geometry.Dot, -geometry.Circle.Left, -geometry.Circle.Top);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (InEllipse(dot, x, y)) at(x, y) = 6;
}

} // namespace

const TRadioButtonGeometry& RadioButtonGeometry() {
    if (!geometryMeasured) MeasureRadioButtonGeometry();
    return geometry;
}

const std::vector<std::vector<uint8_t>>& RadioPixelPattern() {
    if (pattern.empty()) {
        RadioButtonGeometry();
        BuildRadioPattern();
    }
    return pattern;
}

int RadioImageMapIndex(TcxLookAndFeelKind kind, TcxButtonState state, bool checked, bool focused,
                       bool designing) {
    return (int(state) - 1) + 8 * int(kind) + 4 * int(checked) + 32 * int(designing) + 64 * int(focused);
}

COLORREF RadioBodyColor(TcxLookAndFeelKind kind, TcxButtonState state) {
    switch (kind) {
    case lfOffice11:
        return state == cxbsNormal
                   ? ColorToRGB(clWindow)
                   : ColorToRGB(TcxOffice11LookAndFeelPainter::Instance()->GetButtonFaceColor(state));
    case lfUltraFlat:
        if (state == cxbsDisabled) return ColorToRGB(clBtnFace);
        if (state == cxbsNormal) return ColorToRGB(clWindow);
        if (state == cxbsHot) return BlendedHotColor();
        if (state == cxbsPressed) return BlendedPressedColor();
        return ColorToRGB(clBtnFace);
    default:
        if (state == cxbsDisabled || state == cxbsPressed) return ColorToRGB(clBtnFace);
        return ColorToRGB(clWindow);
    }
}

std::array<COLORREF, 7> BuildRadioColourMap(TcxLookAndFeelKind kind, TcxButtonState state, bool checked,
                                            bool focused, bool designing) {
    const COLORREF body = RadioBodyColor(kind, state);
    std::array<COLORREF, 7> map{};
    switch (kind) {
    case lfFlat:
        map = {0,
               ColorToRGB(clBtnShadow),
               ColorToRGB(clBtnHighlight),
               ColorToRGB(cl3DLight),
               ColorToRGB(cl3DLight),
               body,
               0};
        break;
    case lfStandard:
        map = {0,
               ColorToRGB(clBtnShadow),
               ColorToRGB(clBtnHighlight),
               ColorToRGB(cl3DDkShadow),
               ColorToRGB(cl3DLight),
               body,
               0};
        break;
    case lfUltraFlat: {
        const bool lit =
            focused || state == cxbsHot || state == cxbsPressed || (designing && state != cxbsDisabled);
        const COLORREF frame = ColorToRGB(lit ? clHighlight : clBtnShadow);
        map = {0, frame, frame, body, body, body, 0};
        break;
    }
    case lfOffice11: {
        const TOffice11Colors& o = Office11Colors();
        const COLORREF frame = state == cxbsDisabled ? o.Disabled
                               : (focused || state == cxbsHot || state == cxbsPressed || designing)
                                   ? o.HighlightBorder
                                   : ColorToRGB(clBtnText);
        map = {0, frame, frame, body, body, body, 0};
        break;
    }
    }
    if (!checked)
        map[6] = body;
    else if (state != cxbsDisabled)
        map[6] = ColorToRGB(clWindowText);
    else
        map[6] = kind == lfOffice11 ? Office11Colors().Disabled : ColorToRGB(clBtnShadow);
    return map;
}

// ---- the radio image list ----

TcxRadioButtonImageList::TcxRadioButtonImageList() {
    const TRadioButtonGeometry& g = RadioButtonGeometry();
    RadioPixelPattern();
    const int w = g.Circle.Width(), h = g.Circle.Height();
    images_ = std::make_unique<TImageList>(nullptr, w, h);
    mask_ = std::make_unique<TBitmap>();
    mask_->SetSize(w, h);
    TCanvas* c = mask_->GetCanvas();
    c->GetBrush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, w, h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (InEllipse(Rect(0, 0, w, h), x, y)) mask_->ScanLine(y)[x] = 0;
}

TcxRadioButtonImageList::~TcxRadioButtonImageList() = default;

void TcxRadioButtonImageList::PrepareImages() {
    if (images_->GetCount() > 0) return;
    const int w = images_->GetWidth(), h = images_->GetHeight();
    TBitmap image;
    image.SetPixelFormat(pf32bit);
    image.SetSize(w, h);
    indexMap_.assign(128, -1);
    for (int focused = 0; focused <= 1; ++focused)
        for (int designing = 0; designing <= 1; ++designing)
            for (int kind = 0; kind <= 3; ++kind)
                for (int checked = 0; checked <= 1; ++checked)
                    for (int state = cxbsNormal; state <= cxbsDisabled; ++state) {
                        const auto colours = BuildRadioColourMap(
                            TcxLookAndFeelKind(kind), TcxButtonState(state), checked, focused, designing);
                        for (int y = 0; y < h; ++y) {
                            uint32_t* row = image.ScanLine(y);
                            for (int x = 0; x < w; ++x) {
                                const COLORREF c = colours[pattern[size_t(y)][size_t(x)]];
                                row[x] = uint32_t(GetBValue(c)) | uint32_t(GetGValue(c)) << 8 |
                                         uint32_t(GetRValue(c)) << 16;
                            }
                        }
                        const int index = images_->Add(&image, mask_.get());
                        indexMap_[size_t(RadioImageMapIndex(TcxLookAndFeelKind(kind), TcxButtonState(state),
                                                            checked, focused, designing))] = index;
                    }
}

void TcxRadioButtonImageList::Rebuild() {
    images_->Clear();
    PrepareImages();
}

int TcxRadioButtonImageList::ImageIndexFor(TcxLookAndFeelKind kind, TcxButtonState state, bool checked,
                                           bool focused, bool designing) const {
    const int at = RadioImageMapIndex(kind, state, checked, focused, designing);
    return at >= 0 && at < int(indexMap_.size()) ? indexMap_[size_t(at)] : -1;
}

void TcxRadioButtonImageList::PaintImage(TcxCanvas* canvas, int x, int y, TColor backgroundColor,
                                         TcxLookAndFeelKind kind, TcxButtonState state, bool checked,
                                         bool focused, bool designing) {
    PrepareImages();
    const int index = ImageIndexFor(kind, state, checked, focused, designing);
    if (index < 0) return;
    if (backgroundColor == clDefault) {
        images_->Draw(canvas->GetCanvas(), x, y, index, true);
        return;
    }
    TBitmap over;
    over.SetPixelFormat(pf32bit);
    over.SetSize(images_->GetWidth(), images_->GetHeight());
    HBRUSH brush = CreateSolidBrush(ColorToRGB(backgroundColor));
    FillRect(over.GetCanvas()->GetHandle(), Rect(0, 0, over.GetWidth(), over.GetHeight()), brush);
    DeleteObject(brush);
    images_->Draw(over.GetCanvas(), 0, 0, index, true);
    canvas->DrawGraphicAt(x, y, &over);
}

TSize TcxRadioButtonImageList::GetImageSize() const {
    return {images_->GetWidth(), images_->GetHeight()};
}

TcxRadioButtonImageList* NeedRadioButtonImageList() {
    if (!radioImages) {
        radioImages = std::make_unique<TcxRadioButtonImageList>();
        radioImages->PrepareImages();
    }
    return radioImages.get();
}

// ---- indicator images, patterns, check-box size ----

namespace {

// The six 8 x 9 indicator glyphs: '#' black, anything else transparent (white).
constexpr const char* IndicatorGlyphs[6][9] = {
    {"........", ".#......", ".##.....", ".###....", ".####...", ".###....", ".##.....", ".#......",
     "........"},
    {"........", ".##.##..", "...#....", "...#....", "...#....", "...#....", "...#....", ".##.##..",
     "........"},
    {"........", "...#....", ".#.#.#..", "..###...", ".#####..", "..###...", ".#.#.#..", "...#....",
     "........"},
    {"........", "........", "........", "...##...", "..####..", "..####..", "...##...", "........",
     "........"},
    {"........", "#.......", "##......", "###..##.", "####.##.", "###.....", "##......", "#.......",
     "........"},
    {"........", "#######.", ".#####..", "..###...", "...#....", "...#....", "...#....", "...#....",
     "........"},
};

void LoadIndicatorImages() {
    indicatorImages = std::make_unique<TImageList>(nullptr, 8, 9);
    TBitmap glyph;
    glyph.SetPixelFormat(pf32bit);
    glyph.SetSize(8, 9);
    for (const auto& rows : IndicatorGlyphs) {
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 8; ++x)
                glyph.ScanLine(y)[x] = rows[y][x] == '#' ? 0x000000u : 0xFFFFFFu;
        indicatorImages->AddMasked(&glyph, clWhite);
    }
}

} // namespace

TImageList* IndicatorImages() {
    return indicatorImages.get();
}

void RefreshScrollBarPatternBitmaps() {
    for (auto* bitmap : {&patternNormal, &patternPressed})
        if (!*bitmap) {
            *bitmap = std::make_unique<TBitmap>();
            (*bitmap)->SetPixelFormat(pf32bit);
            (*bitmap)->SetSize(8, 8);
        }
    const COLORREF colours[2][2] = {{ColorToRGB(clBtnFace), ColorToRGB(clBtnHighlight)},
                                    {RGB(0, 0, 0), ColorToRGB(cl3DDkShadow)}};
    for (int pressed = 0; pressed < 2; ++pressed) {
        TBitmap* b = (pressed ? patternPressed : patternNormal).get();
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const COLORREF c = colours[pressed][(x % 2) != (y % 2)];
                b->ScanLine(y)[x] =
                    uint32_t(GetBValue(c)) | uint32_t(GetGValue(c)) << 8 | uint32_t(GetRValue(c)) << 16;
            }
    }
}

TBitmap* ScrollBarPatternBitmap(bool pressed) {
    if (!patternNormal) RefreshScrollBarPatternBitmaps();
    return (pressed ? patternPressed : patternNormal).get();
}

TSize SystemCheckBoxSize() {
    return checkBoxSize;
}

void InitializePainters() {
    if (!indicatorImages) LoadIndicatorImages();
    RefreshScrollBarPatternBitmaps();
    if (!paletteNotifier) {
        paletteNotifier = std::make_unique<TcxSystemPaletteChangedNotifier>(true);
        paletteNotifier->OnSystemPaletteChanged = [](TObject*) {
            if (radioImages) radioImages->Rebuild();
        };
    }
    if (HBITMAP boxes = LoadCheckBoxesBitmap()) {
        BITMAP info;
        if (GetObject(boxes, info)) checkBoxSize = {info.bmWidth / 4, info.bmHeight / 3};
        DeleteObject(boxes);
    }
}

void FinalizePainters() {
    paletteNotifier.reset();
    patternNormal.reset();
    patternPressed.reset();
    indicatorImages.reset();
    radioImages.reset();
    pattern.clear();
    geometryMeasured = false;
}

} // namespace zorvy
