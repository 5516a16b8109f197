#include "platform/classlib/GraphicsObjects.h"
#include "platform/rtl/Numbers.h"
#include "platform/classlib/Bitmap.h"

namespace zorvy {

void TGraphicsObject::Changed() {
    if (OnChange) OnChange(this);
}

TFont::TFont() {
    log_.lfFaceName = "Tahoma";
    log_.lfHeight = -11;
    log_.lfCharSet = DEFAULT_CHARSET;
}

TFont::~TFont() {
    if (handle_) DeleteObject(handle_);
}

void TFont::Modify() {
    DropHandle(handle_);
}

void TFont::Assign(TPersistent* source) {
    if (auto* f = dynamic_cast<TFont*>(source)) {
        if (f == this) return;
        // Cells assign the same font over and over: the handle stays while the font it was made from does.
        const bool sameFont = log_ == f->log_;
        log_ = f->log_;
        color_ = f->color_;
        pitch_ = f->pitch_;
        PixelsPerInch = f->PixelsPerInch;
        if (sameFont)
            Changed();
        else
            Modify();
        return;
    }
    TGraphicsObject::Assign(source);
}

void TFont::SetName(const std::string& name) {
    if (name.empty() || name == log_.lfFaceName) return;
    log_.lfFaceName = name;
    Modify();
}

void TFont::SetHeight(int height) {
    if (height == log_.lfHeight) return;
    log_.lfHeight = height;
    Modify();
}

int TFont::GetSize() const {
    return -MulDiv(log_.lfHeight, 72, PixelsPerInch);
}
void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, PixelsPerInch, 72));
}

TFontStyles TFont::GetStyle() const {
    TFontStyles s = 0;
    if (log_.lfWeight >= FW_BOLD) s |= fsBold;
    if (log_.lfItalic) s |= fsItalic;
    if (log_.lfUnderline) s |= fsUnderline;
    if (log_.lfStrikeOut) s |= fsStrikeOut;
    return s;
}

void TFont::SetStyle(TFontStyles style) {
    if (style == GetStyle()) return;
    log_.lfWeight = (style & fsBold) ? FW_BOLD : FW_NORMAL;
    log_.lfItalic = (style & fsItalic) ? 1 : 0;
    log_.lfUnderline = (style & fsUnderline) ? 1 : 0;
    log_.lfStrikeOut = (style & fsStrikeOut) ? 1 : 0;
    Modify();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetCharset(std::uint8_t charset) {
    if (charset == log_.lfCharSet) return;
    log_.lfCharSet = charset;
    Modify();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == pitch_) return;
    pitch_ = pitch;
    log_.lfPitchAndFamily = pitch == fpFixed      ? FIXED_PITCH
                            : pitch == fpVariable ? VARIABLE_PITCH
                                                  : DEFAULT_PITCH;
    Modify();
}

void TFont::SetOrientation(int tenthsOfDegree) {
    if (tenthsOfDegree == log_.lfEscapement) return;
    log_.lfEscapement = log_.lfOrientation = tenthsOfDegree;
    Modify();
}

HFONT TFont::GetHandle() {
    if (!handle_) handle_ = CreateFontIndirect(log_);
    return handle_;
}

void TFont::SetHandle(HFONT font) {
    LOGFONT lf;
    if (!font || !GetObject(font, lf)) return;
    log_ = lf;
    Modify();
}

TPen::~TPen() {
    if (handle_) DeleteObject(handle_);
}

void TPen::Modify() {
    DropHandle(handle_);
}

void TPen::Assign(TPersistent* source) {
    if (auto* p = dynamic_cast<TPen*>(source)) {
        if (p == this) return;
        color_ = p->color_;
        width_ = p->width_;
        style_ = p->style_;
        mode_ = p->mode_;
        Modify();
        return;
    }
    TGraphicsObject::Assign(source);
}

void TPen::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Modify();
}

void TPen::SetWidth(int width) {
    if (width < 0 || width == width_) return;
    width_ = width;
    Modify();
}

void TPen::SetStyle(TPenStyle style) {
    if (style == style_) return;
    style_ = style;
    Modify();
}

void TPen::SetMode(TPenMode mode) {
    if (mode == mode_) return;
    mode_ = mode;
    Changed();
}

HPEN TPen::GetHandle() {
    if (!handle_) {
        static constexpr int styles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                         PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        handle_ = CreatePen(styles[static_cast<int>(style_)], width_, ColorToRGB(color_));
    }
    return handle_;
}

int TPen::Rop2() const {
    static constexpr int codes[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                                    R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                    R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                                    R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
    return codes[static_cast<int>(mode_)];
}

TBrush::~TBrush() {
    if (handle_) DeleteObject(handle_);
}

void TBrush::Modify() {
    DropHandle(handle_);
}

void TBrush::Assign(TPersistent* source) {
    if (auto* b = dynamic_cast<TBrush*>(source)) {
        if (b == this) return;
        color_ = b->color_;
        style_ = b->style_;
        bitmap_ = b->bitmap_;
        Modify();
        return;
    }
    TGraphicsObject::Assign(source);
}

void TBrush::SetColor(TColor color) {
    if (color == color_ && style_ != bsClear) return;
    color_ = color;
    if (style_ == bsClear) style_ = bsSolid;
    Modify();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == style_) return;
    style_ = style;
    Modify();
}

void TBrush::SetBitmap(TBitmap* bitmap) {
    bitmap_ = bitmap;
    Modify();
}

HBRUSH TBrush::GetHandle() {
    if (handle_) return handle_;
    if (bitmap_ && !bitmap_->Empty()) {
        handle_ = CreatePatternBrush(bitmap_->GetHandle());
    } else if (style_ == bsClear) {
        LOGBRUSH lb;
        lb.lbStyle = BS_NULL;
        handle_ = CreateBrushIndirect(lb);
    } else if (style_ == bsSolid) {
        handle_ = CreateSolidBrush(ColorToRGB(color_));
    } else {
        static constexpr int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                          HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
        handle_ = CreateHatchBrush(hatches[static_cast<int>(style_) - static_cast<int>(bsHorizontal)],
                                   ColorToRGB(color_));
    }
    return handle_;
}

} // namespace zorvy
