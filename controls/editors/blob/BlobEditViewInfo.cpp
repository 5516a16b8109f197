// The blob editor's icons, layout and painting.
#include "controls/editors/blob/BlobEditViewInfo.h"

#include "controls/data/Variants.h"
#include "controls/editors/blob/BlobEdit.h"
#include "controls/editors/framework/EditPainting.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/Region.h"

namespace zorvy {

void PaintBlobIcon(TcxCanvas* canvas, TPoint at, int index, bool enabled) {
    // A sheet with a folded corner; the kind's mark inside, drawn filled when the value has content.
    TCanvas* c = canvas->GetCanvas();
    const TColor ink = enabled ? TColor(clNavy) : TColor(clGrayText);
    const bool filled = index % 2 == 1;
    const TRect sheet = Bounds(at.X + 3, at.Y, 12, 16);
    canvas->FillRectSolid(sheet, enabled ? clWindow : clBtnFace);
    canvas->FrameRectSides(sheet, ink);
    canvas->FillRectSolid(Bounds(sheet.Right - 4, sheet.Top, 4, 4), ink);
    const TColor mark = filled ? ink : TColor(clGrayText);
    switch (index / 2) {
    case 1: // memo: lines of text
        for (int y = 5; y <= 12; y += 2) canvas->FillRectSolid(Bounds(sheet.Left + 2, at.Y + y, filled ? 8 : 5, 1), mark);
        break;
    case 2: // picture: a sun over a hill
        canvas->FillRectSolid(Bounds(sheet.Left + 6, at.Y + 4, 3, 3), filled ? TColor(clRed) : mark);
        for (int x = 0; x < 8; ++x)
            canvas->FillRectSolid(Bounds(sheet.Left + 2 + x, at.Y + 13 - std::min(x, 7 - x), 1, 1 + std::min(x, 7 - x)),
                                  filled ? TColor(clGreen) : mark);
        break;
    case 3: // OLE: a ring
        c->GetPen()->SetColor(mark);
        c->GetBrush()->SetStyle(filled ? bsSolid : bsClear);
        c->GetBrush()->SetColor(mark);
        c->Ellipse(sheet.Left + 2, at.Y + 5, sheet.Left + 10, at.Y + 13);
        c->GetBrush()->SetStyle(bsSolid);
        break;
    default: // raw data: bits
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                if (filled || (x + y) % 2 == 0)
                    canvas->FillRectSolid(Bounds(sheet.Left + 2 + 2 * x, at.Y + 5 + 3 * y, 1, 2), mark);
        break;
    }
}

void TcxBlobEditViewInfo::PaintFrameAndBackground(TcxCanvas* canvas) {
    if (IconIndex < 0) return TcxCustomTextEditViewInfo::PaintFrameAndBackground(canvas);
    TcxCustomEditViewInfo::PaintFrameAndBackground(canvas);
    TRect visible;
    if (!IntersectRect(visible, IconRect, ClientRect)) return;
    std::unique_ptr<TcxRegion> saved(canvas->CopyClipRegion());
    canvas->ClipIntersectRect(visible);
    PaintBlobIcon(canvas, {IconRect.Left, IconRect.Top}, IconIndex, Enabled);
    canvas->ApplyClipRegion(saved.release());
}

void TcxBlobEditViewInfo::ShiftBy(int dx, int dy) {
    TcxCustomTextEditViewInfo::ShiftBy(dx, dy);
    OffsetRect(IconRect, dx, dy);
}

void TcxBlobEditViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                       TShiftState shift, TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    TcxCustomDropDownEditViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    auto* vi = static_cast<TcxBlobEditViewInfo*>(viewInfo);
    const TRect& client = vi->ClientRect;
    vi->IconRect = Bounds(client.Left + (client.Width() - BlobIconWidth) / 2,
                          client.Top + (client.Height() - BlobIconHeight) / 2, BlobIconWidth, BlobIconHeight);
    if (auto* edit = dynamic_cast<TcxCustomBlobEdit*>(Edit)) FillEditorViewInfo(edit->GetEditValue(), vi);
    vi->DrawTextFlags = IsInplace() ? 0x210 : 0xA10; // one centred line; stand-alone with an end ellipsis
}

void TcxBlobEditViewData::FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) {
    auto* vi = static_cast<TcxBlobEditViewInfo*>(viewInfo);
    auto* p = static_cast<TcxCustomBlobEditProperties*>(GetProperties());
    p->ResolveAutoKind();
    if (p->GetBlobPaintStyle() != bpsIcon) {
        vi->Text = FormatBlobText(value, p, false);
        vi->IconIndex = -1;
        return;
    }
    vi->Text.clear();
    // An automatic kind the data did not resolve shows as raw data.
    static constexpr int Base[] = {0, 2, 4, 6, 0}; // auto, memo, picture, OLE, raw data
    vi->IconIndex = Base[p->GetBlobEditKind()] + (IsSoftNullValue(value) ? 0 : 1);
}

void TcxBlobEditViewData::EditValueToText(const Variant& value, std::string& text) {
    text = FormatBlobText(value, static_cast<TcxCustomBlobEditProperties*>(GetProperties()), false);
}

void TcxBlobEditViewData::MeasureOverflowSize(TcxCanvas* canvas, bool isInplace, const TcxEditSizeProperties& limits,
                                              TSize& overflow, TcxCustomEditViewInfo* viewInfo, TSize& frame) {
    TcxCustomDropDownEditViewData::MeasureOverflowSize(canvas, isInplace, limits, overflow, viewInfo, frame);
    if (static_cast<TcxCustomBlobEditProperties*>(GetProperties())->GetBlobPaintStyle() == bpsIcon)
        overflow.cx += BlobIconWidth;
}

} // namespace zorvy
