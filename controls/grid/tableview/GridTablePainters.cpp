// Painters of the column containers, headers, footer cells, header areas and the indicator, and
// the grid lines drawn in one call.
#include "controls/grid/tableview/GridTablePainters.h"

#include "controls/foundation/painters/Painter.h"
#include "controls/foundation/graphics/Region.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/FooterViewInfo.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/IndicatorViewInfo.h"
#include "controls/grid/tableview/TableViewOptions.h"

namespace zorvy {

namespace {

TcxHeaderText HeaderTextOf(TcxCustomGridCellViewInfo* cell, const TRect& textBounds) {
    TcxHeaderText text;
    text.TextBounds = textBounds;
    text.HorzAlign = cell->GetAlignmentHorz();
    text.VertAlign = cell->GetAlignmentVert();
    text.MultiLine = cell->IsMultiLinePainting();
    text.ShowEndEllipsis = cell->ShowEndEllipsis();
    text.Text = cell->GetText();
    text.Font = cell->ViewParams.Font;
    text.TextColor = cell->ViewParams.TextColor;
    text.BackgroundColor = cell->ViewParams.Color;
    return text;
}

const TcxCustomLookAndFeelPainter* LookAndFeelPainterOf(TcxCustomGridCellViewInfo* cell) {
    return static_cast<TcxCustomGridViewCellViewInfo*>(cell)->GetLookAndFeelPainter();
}

} // namespace

// ---- column containers ----

TcxGridColumnContainerViewInfo* TcxGridColumnContainerPainter::GetContainer() const {
    return static_cast<TcxGridColumnContainerViewInfo*>(GetViewInfo());
}

void TcxGridColumnContainerPainter::Paint() {
    TClipRegionKeeper keeper(GetCanvas());
    GetCanvas()->ClipIntersectRect(GetViewInfo()->Bounds);
    if (DrawItemsFirst()) {
        DrawItems();
        TcxGridColumnContainerPainter::DrawContent();
    } else {
        DrawContent();
        DrawItems();
    }
    DrawBorders();
}

void TcxGridColumnContainerPainter::DrawItems() {
    TcxGridColumnContainerViewInfo* container = GetContainer();
    for (int i = 0; i < container->GetCount(); ++i) {
        TcxGridColumnHeaderViewInfo* item = container->GetCreatedItem(i);
        if (item && item->IsCalculated() && !IsRectEmpty(item->Bounds)) item->Paint(GetCanvas());
    }
}

void TcxGridHeaderPainter::DrawBackground() {
    auto* header = static_cast<TcxGridHeaderViewInfo*>(GetViewInfo());
    if (header->DrawBackground(GetCanvas(), header->GetContentBounds())) return;
    TcxGridColumnContainerPainter::DrawBackground();
}

bool TcxGridHeaderPainter::DrawItemsFirst() { return LookAndFeelPainterOf(GetViewInfo())->PaintsHeaderItemsFirst(); }

void TcxGridGroupByBoxPainter::Paint() {
    TcxGridColumnContainerPainter::Paint();
    DrawLinkLines();
}

void TcxGridGroupByBoxPainter::DrawBackground() {
    TcxCustomGridCellViewInfo* box = GetViewInfo();
    LookAndFeelPainterOf(box)->DrawGroupByBoxBackground(GetCanvas(), box->GetContentBounds(), false,
                                                        box->ViewParams.Color, box->GetBackgroundBitmap());
}

bool TcxGridGroupByBoxPainter::DrawItemsFirst() { return LookAndFeelPainterOf(GetViewInfo())->PaintsHeaderItemsFirst(); }

void TcxGridGroupByBoxPainter::DrawLinkLines() {
    auto* box = static_cast<TcxGridGroupByBoxViewInfo*>(GetViewInfo());
    for (int i = 0; i + 1 < box->GetCount(); ++i) {
        GetCanvas()->FillRectSolid(box->GetLinkLineBounds(i, false), clBtnText);
        GetCanvas()->FillRectSolid(box->GetLinkLineBounds(i, true), clBtnText);
    }
}

void TcxGridFooterPainter::DrawBackground() {
    TcxCustomGridCellViewInfo* footer = GetViewInfo();
    TcxViewParamsRec params = footer->ViewParams;
    params.Bitmap = footer->GetBackgroundBitmap();
    LookAndFeelPainterOf(footer)->DrawFooterBackground(GetCanvas(), footer->GetContentBounds(), params);
}

void TcxGridFooterPainter::DrawBorders() {
    auto* footer = static_cast<TcxGridFooterViewInfo*>(GetViewInfo());
    if (footer->HasSeparator()) DrawSeparator();
    LookAndFeelPainterOf(footer)->DrawFooterBorder(GetCanvas(), footer->GetCellsAreaBounds());
}

void TcxGridFooterPainter::DrawSeparator() {
    auto* footer = static_cast<TcxGridFooterViewInfo*>(GetViewInfo());
    LookAndFeelPainterOf(footer)->DrawFooterSeparator(GetCanvas(), footer->GetSeparatorBounds());
}

bool TcxGridFooterPainter::DrawItemsFirst() { return LookAndFeelPainterOf(GetViewInfo())->PaintsFooterItemsFirst(); }

// ---- headers and footer cells ----

TcxGridColumnHeaderViewInfo* TcxGridColumnHeaderPainter::GetHeader() const {
    return static_cast<TcxGridColumnHeaderViewInfo*>(GetViewInfo());
}

void TcxGridColumnHeaderPainter::Paint() {
    TcxCustomGridCellPainter::Paint();
    DrawAreas();
    if (IsMainCanvasInUse() && GetHeader()->IsPressed()) DrawPressed();
}

void TcxGridColumnHeaderPainter::DrawContent() {
    TcxGridColumnHeaderViewInfo* header = GetHeader();
    TcxButtonState state = cxbsNormal;
    if (IsMainCanvasInUse()) state = header->IsPressed() ? cxbsPressed : header->GetButtonState();
    TBitmap* bitmap = header->GetBackgroundBitmap();
    TcxDrawBackgroundEvent onBackground;
    if (bitmap)
        onBackground = [bitmap](TcxCanvas* canvas, const TRect& r) {
            canvas->FillRectOrTile(r, bitmap, false);
            return true;
        };
    LookAndFeelPainterOf(header)->DrawHeader(GetCanvas(), header->Bounds, header->GetNeighbors(), header->Borders, state,
                                             HeaderTextOf(header, header->GetTextBounds()), onBackground);
}

void TcxGridColumnHeaderPainter::DrawAreas() {
    TcxGridColumnHeaderViewInfo* header = GetHeader();
    if (header->GetAreaCount() == 0) return;
    TClipRegionKeeper keeper(GetCanvas());
    for (int i = 0; i < header->GetAreaCount(); ++i) header->GetArea(i)->Paint(GetCanvas());
}

void TcxGridColumnHeaderPainter::DrawPressed() {
    LookAndFeelPainterOf(GetHeader())->DrawHeaderPressed(GetCanvas(), GetHeader()->Bounds);
}

void TcxGridFooterCellPainter::DrawContent() {
    TcxGridColumnHeaderViewInfo* cell = GetHeader();
    TBitmap* bitmap = cell->GetBackgroundBitmap();
    TcxDrawBackgroundEvent onBackground;
    if (bitmap)
        onBackground = [bitmap](TcxCanvas* canvas, const TRect& r) {
            canvas->FillRectOrTile(r, bitmap, false);
            return true;
        };
    const TcxCustomLookAndFeelPainter* painter = LookAndFeelPainterOf(cell);
    TcxHeaderText text = HeaderTextOf(cell, painter->GetFooterCellTextBounds(cell->Bounds));
    painter->DrawFooterCell(GetCanvas(), cell->Bounds, text, onBackground);
}

void TcxGridColumnHeaderSortingMarkPainter::DrawContent() {
    auto* mark = static_cast<TcxGridColumnHeaderSortingMarkViewInfo*>(GetViewInfo());
    LookAndFeelPainterOf(mark)->DrawSortingMark(GetCanvas(), mark->Bounds, mark->IsAscending());
}

void TcxGridColumnHeaderGlyphPainter::DrawContent() {
    auto* glyph = static_cast<TcxGridColumnHeaderGlyphViewInfo*>(GetViewInfo());
    if (TBitmap* bitmap = glyph->GetColumn()->GetHeaderGlyph())
        GetCanvas()->PaintTransparentGlyph(glyph->Bounds.Left, glyph->Bounds.Top, bitmap);
}

// ---- indicator ----

void TcxGridIndicatorPainter::Paint() {
    TClipRegionKeeper keeper(GetCanvas());
    GetCanvas()->ClipIntersectRect(GetViewInfo()->Bounds);
    if (DrawItemsFirst()) {
        DrawItems();
        DrawContent();
    } else {
        DrawContent();
        DrawItems();
    }
}

void TcxGridIndicatorPainter::DrawItems() {
    auto* indicator = static_cast<TcxGridIndicatorViewInfo*>(GetViewInfo());
    for (int i = 0; i < indicator->GetItemCount(); ++i) {
        TcxCustomGridIndicatorItemViewInfo* item = indicator->GetItem(i);
        if (item->IsCalculated() && !IsRectEmpty(item->Bounds)) item->Paint(GetCanvas());
    }
}

bool TcxGridIndicatorPainter::DrawItemsFirst() { return LookAndFeelPainterOf(GetViewInfo())->PaintsIndicatorItemsFirst(); }

bool TcxCustomGridIndicatorItemPainter::DrawBackgroundHandler(TcxCanvas* canvas, const TRect& r) {
    return DrawBitmapBackground(canvas, r);
}

void TcxGridIndicatorHeaderItemPainter::Paint() {
    TcxCustomGridIndicatorItemPainter::Paint();
    auto* item = static_cast<TcxGridIndicatorHeaderItemViewInfo*>(GetViewInfo());
    if (item->ShowsCustomizationButton()) DrawQuickCustomizationMark();
    if (IsMainCanvasInUse() && item->GetState() == gcsPressed)
        LookAndFeelPainterOf(item)->DrawHeaderPressed(GetCanvas(), item->Bounds);
}

void TcxGridIndicatorHeaderItemPainter::DrawContent() {
    TcxCustomGridCellViewInfo* item = GetViewInfo();
    const TcxButtonState state = IsMainCanvasInUse() ? item->GetButtonState() : cxbsNormal;
    TcxHeaderText text = HeaderTextOf(item, item->GetContentBounds());
    text.Text.clear();
    LookAndFeelPainterOf(item)->DrawHeader(
        GetCanvas(), item->Bounds, 0, cxBordersAll, state, text,
        [this](TcxCanvas* canvas, const TRect& r) { return DrawBackgroundHandler(canvas, r); });
}

void TcxGridIndicatorHeaderItemPainter::DrawQuickCustomizationMark() {
    TcxCustomGridCellViewInfo* item = GetViewInfo();
    LookAndFeelPainterOf(item)->DrawIndicatorCustomizeMark(GetCanvas(), item->GetContentBounds(), item->ViewParams.TextColor);
}

void TcxGridIndicatorRowItemPainter::DrawContent() {
    auto* item = static_cast<TcxGridIndicatorRowItemViewInfo*>(GetViewInfo());
    LookAndFeelPainterOf(item)->DrawIndicatorItem(
        GetCanvas(), item->Bounds, item->GetIndicatorKind(), item->ViewParams.Color,
        [this](TcxCanvas* canvas, const TRect& r) { return DrawBackgroundHandler(canvas, r); });
}

void TcxGridIndicatorFooterItemPainter::DrawBorders() {
    auto* item = static_cast<TcxGridIndicatorFooterItemViewInfo*>(GetViewInfo());
    const TcxCustomLookAndFeelPainter* painter = LookAndFeelPainterOf(item);
    if (item->HasSeparator()) painter->DrawFooterSeparator(GetCanvas(), item->GetSeparatorBounds());
    painter->DrawFooterBorder(GetCanvas(), item->GetContentBoundsBelowSeparator());
}

// ---- grid lines ----

void TcxGridLineList::Draw(TcxCanvas* canvas, TColor color) {
    if (lines_.empty()) return;
    std::vector<TPoint> points;
    std::vector<int> counts(lines_.size(), 2);
    points.reserve(lines_.size() * 2);
    for (const TRect& r : lines_) {
        points.push_back(TPoint{r.Left, r.Top});
        if (r.Bottom - r.Top == 1)
            points.push_back(TPoint{r.Right, r.Top});
        else
            points.push_back(TPoint{r.Left, r.Bottom});
    }
    lines_.clear();
    canvas->CurrentPen()->SetStyle(TPenStyle::psSolid);
    canvas->CurrentPen()->SetWidth(1);
    canvas->CurrentPen()->SetColor(color);
    canvas->PaintPolyPolyline(points, counts);
}

} // namespace zorvy
