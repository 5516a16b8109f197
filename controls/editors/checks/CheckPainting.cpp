// Painting and measuring one check mark, and the tick mask.
#include "controls/editors/checks/CheckPainting.h"

#include "controls/editors/framework/EditPainting.h"
#include "controls/foundation/containers/ContainerStyle.h"
#include "controls/foundation/containers/ContainerViewInfo.h"
#include "controls/foundation/graphics/BrushCache.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/PixelBitmap.h"
#include "controls/foundation/graphics/Region.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/painters/StandardPainters.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/FrameControls.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Canvas.h"
#include "platform/classlib/GraphicsObjects.h"
#include "platform/win/Themes.h"

#include <memory>

namespace zorvy {

namespace {

constexpr int kButtonPartCheckBox = 3;
constexpr uint32_t kMaskedBrushRop = 0xB8074A; // brush where the source is black, destination where white

std::unique_ptr<TBitmap>& MaskHolder() {
    static std::unique_ptr<TBitmap> mask;
    return mask;
}

TcxButtonState PainterButtonState(TcxEditCheckState state) {
    switch (state) {
    case ecsHot: return cxbsHot;
    case ecsPressed: return cxbsPressed;
    case ecsDisabled: return cxbsDisabled;
    default: return cxbsNormal;
    }
}

TRect Deflated(const TRect& r, int d) {
    return TRect{r.Left + d, r.Top + d, r.Right - d, r.Bottom - d};
}

} // namespace

// ---- the tick mask ----

TBitmap* CheckMarkMask() {
    return MaskHolder().get();
}

void LoadCheckMarkMask() {
    // The system check box drawn empty and checked side by side; the tick is where they differ.
    const TSize size = TcxStandardLookAndFeelPainter::Instance()->GetCheckBoxSize();
    std::unique_ptr<TBitmap> boxes(NewBitmapOfSize(size.cx * 2, size.cy));
    HDC dc = boxes->GetCanvas()->GetHandle();
    DrawFrameControl(dc, TRect{0, 0, size.cx, size.cy}, DFC_BUTTON, DFCS_BUTTONCHECK);
    DrawFrameControl(dc, TRect{size.cx, 0, size.cx * 2, size.cy}, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    auto mask = std::make_unique<TBitmap>();
    mask->SetSize(size.cx, size.cy);
    TCanvas* target = mask->GetCanvas();
    TCanvas* source = boxes->GetCanvas();
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            target->SetPixel(x, y, source->GetPixel(x + size.cx, y) == source->GetPixel(x, y) ? clWhite : clBlack);
    MaskHolder() = std::move(mask);
}

void FreeCheckMarkMask() {
    MaskHolder().reset();
}

// ---- measures ----

bool IsCheckGlyphUsable(const TBitmap* glyph, int glyphCount) {
    return glyphCount > 0 && IsBitmapUsable(glyph);
}

int CheckGlyphCellIndex(TcxCheckBoxState checkState, TcxEditCheckState buttonState, int glyphCount,
                        bool grayedGlyphs) {
    const int perRow = grayedGlyphs || glyphCount % 3 == 0 || glyphCount % 2 == 1 ? 3 : 2;
    int index = static_cast<int>(checkState);
    if (buttonState == ecsPressed) index += perRow;
    if (index < glyphCount || index <= perRow - 1) return index;
    return index % perRow;
}

int CheckThemeStateId(TcxCheckBoxState checkState, TcxEditCheckState buttonState) {
    return 1 + 4 * static_cast<int>(checkState) + static_cast<int>(buttonState);
}

int CheckFrameInset(TcxEditBorderStyle frameStyle, bool nativeStyle, bool hasGlyph, TcxLookAndFeelPainterClass painter) {
    if (nativeStyle || hasGlyph || painter) return 0;
    return 2 - ContainerBorderWidth(static_cast<TcxContainerBorderStyle>(frameStyle));
}

TSize MeasureEditCheck(TcxCanvas*, bool nativeStyle, TBitmap* glyph, TcxLookAndFeelPainterClass painter,
                       int glyphCount) {
    if (IsCheckGlyphUsable(glyph, glyphCount)) return TSize{glyph->GetWidth() / glyphCount, glyph->GetHeight()};
    if (painter) return painter->GetCheckBoxSize();
    if (CanUseNativeTheme(nativeStyle, tokButton)) return WinXPPainter()->GetCheckBoxSize();
    return TcxStandardLookAndFeelPainter::Instance()->GetCheckBoxSize();
}

// ---- painting ----

namespace {

struct TCheckPaint {
    TcxCanvas* canvas;
    TRect rect;
    TcxCheckBoxState checkState;
    TcxEditCheckState buttonState;
    TBitmap* glyph;
    int glyphCount;
    TcxEditBorderStyle frameStyle;
    bool nativeStyle;
    TColor borderColor;
    TColor backgroundColor;
    bool paintBackground;
    bool isDesigning;
    bool focused;
    bool grayedGlyphs;
    TcxLookAndFeelPainterClass painter;
    TcxCheckBoxNullValueShowingStyle nullStyle;
};

void PaintCheckGlyph(const TCheckPaint& p) {
    const int cell = CheckGlyphCellIndex(p.checkState, p.buttonState, p.glyphCount, p.grayedGlyphs);
    const int cellWidth = p.glyph->GetWidth() / p.glyphCount;
    const int width = p.rect.Right - p.rect.Left;
    const int height = p.rect.Bottom - p.rect.Top;
    auto image = std::make_unique<TBitmap>();
    image->Assign(p.glyph);
    image->SetSize(width, height);
    const int top = (p.glyph->GetHeight() - height) / 2;
    image->GetCanvas()->CopyRect(TRect{0, 0, width, height}, p.glyph->GetCanvas(),
                                 TRect{cell * cellWidth, top, cell * cellWidth + width, top + height});
    p.canvas->PaintTransparentGlyph(p.rect.Left, p.rect.Top, image.get(), p.buttonState != ecsDisabled,
                                    p.backgroundColor == clNone ? clNone : ColorToRGB(p.backgroundColor));
}

void PaintCheckFrame(const TCheckPaint& p, TRect& r) {
    const int inset = CheckFrameInset(p.frameStyle, false, false, p.painter);
    if (p.paintBackground && inset > 0) p.canvas->FrameRectSides(r, p.backgroundColor, inset);
    r = Deflated(r, std::max(inset, 0));
    switch (p.frameStyle) {
    case TcxEditBorderStyle::ebsSingle: p.canvas->FrameRectSides(r, p.borderColor, 1); break;
    case TcxEditBorderStyle::ebsThick: p.canvas->FrameRectSides(r, p.borderColor, 2); break;
    case TcxEditBorderStyle::ebsFlat:
        p.canvas->PaintEdge3D(r, true, true);
        p.canvas->FrameRectSides(Deflated(r, 1), clBtnFace, 1);
        break;
    case TcxEditBorderStyle::ebs3D:
        p.canvas->PaintEdge3D(r, true, true);
        p.canvas->PaintBorders(Deflated(r, 1), cl3DDkShadow, cl3DLight);
        break;
    case TcxEditBorderStyle::ebsUltraFlat:
    case TcxEditBorderStyle::ebsOffice11: {
        const bool office11 = p.frameStyle == TcxEditBorderStyle::ebsOffice11;
        TColor color = clBtnShadow;
        if (office11 && p.buttonState == ecsNormal && !p.isDesigning && !p.focused)
            color = clBtnText;
        else if (p.buttonState == ecsHot || p.buttonState == ecsPressed ||
                 (p.isDesigning && p.buttonState != ecsDisabled) || (p.buttonState == ecsNormal && p.focused))
            color = ActiveBorderColor(office11);
        p.canvas->FrameRectSides(r, color, 1);
        break;
    }
    default: break;
    }
}

void PaintMaskedCheckMark(TcxCanvas* canvas, const TRect& content, TColor color) {
    TBitmap* mask = CheckMarkMask();
    if (!mask) return;
    TcxRegion* saved = canvas->CopyClipRegion();
    canvas->ClipIntersectRect(content);
    canvas->GetCanvas()->GetBrush()->SetColor(color);
    canvas->GetCanvas()->GetBrush()->SetStyle(bsSolid);
    BitBlt(canvas->GetCanvas()->GetHandle(), content.Left - 2, content.Top - 2, mask->GetWidth(), mask->GetHeight(),
           mask->GetCanvas()->GetHandle(), 0, 0, kMaskedBrushRop);
    canvas->ApplyClipRegion(saved);
}

void PaintCheckContent(const TCheckPaint& p, const TRect& frameRect) {
    const TRect content = Deflated(frameRect, 2);
    if (p.frameStyle == TcxEditBorderStyle::ebsUltraFlat || p.frameStyle == TcxEditBorderStyle::ebsOffice11) {
        const bool office11 = p.frameStyle == TcxEditBorderStyle::ebsOffice11;
        TColor fill = clWindow;
        if (p.buttonState == ecsNormal && p.checkState == cbsGrayed && p.nullStyle == nssInactive) fill = clBtnFace;
        if (p.buttonState == ecsHot || p.buttonState == ecsPressed)
            fill = HotButtonColor(p.buttonState == ecsPressed, office11);
        if (p.buttonState == ecsDisabled) fill = clBtnFace;
        FillRect(p.canvas->GetCanvas()->GetHandle(), content, SolidBrushFromCache(fill));
        if (p.checkState == cbsChecked || (p.checkState == cbsGrayed && p.nullStyle == nssGrayedChecked)) {
            const bool dim = p.buttonState == ecsDisabled || p.checkState == cbsGrayed;
            PaintMaskedCheckMark(p.canvas, content, dim ? clBtnShadow : clBtnText);
        }
        return;
    }
    unsigned state = 0;
    const bool grayedShowsCheck = p.nullStyle == nssGrayedChecked;
    if (p.buttonState == ecsDisabled) {
        state = DFCS_PUSHED | DFCS_BUTTON3STATE;
        state |= p.checkState == cbsUnchecked || (p.checkState == cbsGrayed && !grayedShowsCheck) ? DFCS_INACTIVE
                                                                                                  : DFCS_CHECKED;
    } else {
        if (p.checkState == cbsChecked) state = DFCS_CHECKED;
        if (p.checkState == cbsGrayed)
            state = DFCS_BUTTON3STATE | (p.nullStyle == nssInactive        ? DFCS_INACTIVE
                                         : p.nullStyle == nssGrayedChecked ? DFCS_CHECKED
                                                                           : 0u);
        if (p.buttonState == ecsPressed) state |= DFCS_PUSHED;
    }
    if (p.frameStyle != TcxEditBorderStyle::ebs3D) state |= DFCS_FLAT;
    TcxRegion* saved = p.canvas->CopyClipRegion();
    p.canvas->ClipIntersectRect(content);
    DrawFrameControl(p.canvas->GetCanvas()->GetHandle(), Deflated(content, -2), DFC_BUTTON, DFCS_BUTTONCHECK | state);
    p.canvas->ApplyClipRegion(saved);
}

} // namespace

void PaintEditCheck(TcxCanvas* canvas, const TRect& rect, TcxCheckBoxState checkState, TcxEditCheckState buttonState,
                    TBitmap* glyph, int glyphCount, TcxEditBorderStyle frameStyle, bool nativeStyle, TColor borderColor,
                    TColor backgroundColor, bool paintBackground, bool isDesigning, bool focused, bool grayedGlyphs,
                    TcxLookAndFeelPainterClass painter, TcxCheckBoxNullValueShowingStyle nullStyle) {
    if (!paintBackground) backgroundColor = clNone;
    if (checkState == cbsGrayed && nullStyle == nssUnchecked) checkState = cbsUnchecked;
    const TCheckPaint p{canvas,      rect,        checkState,      buttonState,     glyph,       glyphCount,
                        frameStyle,  nativeStyle, borderColor,     backgroundColor, paintBackground, isDesigning,
                        focused,     grayedGlyphs, painter,        nullStyle};
    if (IsCheckGlyphUsable(glyph, glyphCount)) {
        PaintCheckGlyph(p);
        return;
    }
    if (painter) {
        if (paintBackground) canvas->FillRectSolid(rect, backgroundColor);
        // A skin shows a grayed mark empty.
        painter->DrawCheckBox(canvas, rect, PainterButtonState(buttonState), checkState == cbsChecked);
        return;
    }
    if (nativeStyle) {
        HTHEME theme = GetThemeHandle(tokButton);
        GetThemeBinding().DrawThemeBackground(theme, canvas->GetCanvas()->GetHandle(), kButtonPartCheckBox,
                                              CheckThemeStateId(checkState, buttonState), rect, nullptr);
        return;
    }
    TRect frame = rect;
    PaintCheckFrame(p, frame);
    PaintCheckContent(p, frame);
}

void PaintCheckCaption(TcxCanvas* canvas, const std::string& text, TFont* font, bool enabled, int flags,
                       const TRect& rect, TColor color) {
    canvas->AssignFont(font);
    canvas->CurrentFont()->SetColor(color);
    canvas->GetCanvas()->GetBrush()->SetStyle(bsClear);
    canvas->PaintText(text, rect, flags, enabled);
    canvas->GetCanvas()->GetBrush()->SetStyle(bsSolid);
}

} // namespace zorvy
