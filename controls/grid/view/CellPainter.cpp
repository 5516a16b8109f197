// The cell painter's steps and the design selector's painter.
#include "controls/grid/view/CellPainter.h"

#include "controls/grid/view/CellViewInfo.h"
#include "platform/classlib/Bitmap.h"

namespace zorvy {

bool TcxCustomGridCellPainter::IsMainCanvasInUse() const {
    return canvas_ == viewInfo_->GetCanvas();
}

void TcxCustomGridCellPainter::PaintAll() {
    if (!IsVisible()) return;
    BeforePaint();
    Paint();
    AfterPaint();
    if (ExcludeFromClipRect()) DoExcludeFromClipRect();
}

bool TcxCustomGridCellPainter::IsVisible() {
    return canvas_->RectIsVisible(viewInfo_->GetPaintBounds());
}

void TcxCustomGridCellPainter::AfterPaint() {
    if (NeedsDesignSelection()) DrawDesignSelection(canvas_, viewInfo_);
}

void TcxCustomGridCellPainter::DrawDesignSelection(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo) {
    if (viewInfo->IsDesignSelected() && canvas == viewInfo->GetCanvas())
        canvas->PaintNestedFocusRects(viewInfo->GetDesignSelectionBounds(), viewInfo->GetDesignSelectionWidth());
}

void TcxCustomGridCellPainter::DoExcludeFromClipRect() {
    canvas_->ClipExcludeRect(viewInfo_->Bounds);
}

void TcxCustomGridCellPainter::Paint() {
    TcxPartParams saved;
    viewInfo_->GetViewParamsCopy(saved);
    // A handler that only changed colours changes them for this paint only.
    try {
        if (!viewInfo_->CustomDraw(canvas_)) DrawContent();
    } catch (...) {
        viewInfo_->SetViewParams(saved);
        throw;
    }
    viewInfo_->SetViewParams(saved);
    DrawBorders();
}

void TcxCustomGridCellPainter::DrawContent() {
    if (viewInfo_->HasBackground() && !viewInfo_->CustomDrawBackground(canvas_)) DrawBackground();
    DrawText();
}

void TcxCustomGridCellPainter::DrawBackground() {
    DrawBackgroundRect(viewInfo_->GetContentBounds());
}

void TcxCustomGridCellPainter::DrawBackgroundRect(const TRect& r) {
    if (viewInfo_->HasBackgroundBitmap()) {
        DrawBitmapBackground(canvas_, r);
        return;
    }
    canvas_->UseBrushColor(viewInfo_->ViewParams.Color);
    canvas_->FillRectOrTile(r, nullptr, false);
}

bool TcxCustomGridCellPainter::DrawBitmapBackground(TcxCanvas* canvas, const TRect& r) {
    // An empty bitmap would fill with whatever colour the brush last had.
    TBitmap* bitmap = viewInfo_->GetBackgroundBitmap();
    if (!bitmap || bitmap->Empty()) return false;
    canvas->FillRectOrTile(r, bitmap, false);
    return true;
}

void TcxCustomGridCellPainter::DrawBorder(TcxBorder side) {
    canvas_->UseBrushColor(viewInfo_->GetBorderColor(side));
    canvas_->FillRectOrTile(viewInfo_->GetBorderBounds(side), nullptr, false);
}

void TcxCustomGridCellPainter::DrawBorders() {
    for (TcxBorder side : {bLeft, bTop, bRight, bBottom})
        if (viewInfo_->Borders & cxBorder(side)) DrawBorder(side);
}

void TcxCustomGridCellPainter::DrawText() {
    const std::string text = viewInfo_->GetText();
    if (text.empty()) return;
    const TRect r = viewInfo_->GetTextBounds();
    if (viewInfo_->ViewParams.Font) canvas_->AssignFont(viewInfo_->ViewParams.Font);
    canvas_->CurrentFont()->SetColor(viewInfo_->ViewParams.TextColor);
    canvas_->CurrentBrush()->SetStyle(bsClear);
    PrepareCanvasForDrawText();
    canvas_->PaintText(text, r, viewInfo_->GetTextAttributes(true), true);
    UnprepareCanvasForDrawText();
    canvas_->CurrentBrush()->SetStyle(bsSolid);
}

// ---- design selector ----

void TcxGridDesignSelectorPainter::DoExcludeFromClipRect() {
    auto* selector = static_cast<TcxGridDesignSelectorViewInfo*>(GetViewInfo());
    if (!selector->GetRegion()) return;
    TcxRegion* clip = GetCanvas()->CopyClipRegion();
    TcxRegion* triangle = TcxRegion::CreateEmpty();
    triangle->CombineWith(selector->GetRegion(), roSet, false);
    clip->CombineWith(triangle, roSubtract);
    GetCanvas()->ApplyClipRegion(clip);
}

void TcxGridDesignSelectorPainter::Paint() {
    auto* selector = static_cast<TcxGridDesignSelectorViewInfo*>(GetViewInfo());
    const TcxPartParams& params = selector->ViewParams;
    if (selector->GetRegion()) GetCanvas()->FillAndFrameRegion(selector->GetRegion(), params.Color, params.TextColor);
    DrawMark(params.TextColor);
}

void TcxGridDesignSelectorPainter::DrawMark(TColor color) {
    TRect r = GetViewInfo()->Bounds;
    r.Left += 3;
    r.Top += 3;
    r.Right -= 8;
    r.Bottom -= 8;
    GetCanvas()->UseBrushColor(color);
    GetCanvas()->FillRectOrTile(TRect{r.Left, r.Top, r.Left + 1, r.Bottom}, nullptr, false);
    ++r.Left;
    for (int i = (r.Bottom - r.Top) / 2; i > 0; --i) {
        GetCanvas()->FillRectOrTile(TRect{r.Left, r.Top, r.Right, r.Top + 1}, nullptr, false);
        r.Top += 2;
        r.Right -= 2;
    }
}

} // namespace zorvy
