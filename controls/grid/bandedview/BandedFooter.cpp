// The banded footer: cells in column order, clipped group by group, separators run through.
#include "controls/grid/bandedview/BandedFooter.h"

#include "controls/data/DataSummary.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/bandedview/BandedViewInfo.h"

#include <algorithm>

namespace zorvy {

namespace {

TcxGridBandFixedKind FooterCellFixedKind(TcxGridColumnHeaderViewInfo* cell) {
    auto* column = dynamic_cast<TcxGridBandedColumn*>(cell->GetColumn());
    TcxGridBand* band = column ? column->GetPosition()->GetBand() : nullptr;
    return band ? band->GetFixedKind() : fkNone;
}

} // namespace

// ---- view info ----

TcxGridBandedTableViewInfo* TcxGridBandedFooterViewInfo::GetBandedViewInfo() const {
    return dynamic_cast<TcxGridBandedTableViewInfo*>(GetGridViewInfo());
}

void TcxGridBandedFooterViewInfo::PrepareItems(std::vector<TcxDataSummaryItem*>& items) {
    auto columnIndex = [](TcxDataSummaryItem* item) {
        auto* column = dynamic_cast<TcxGridColumn*>(item->GetItemLink());
        return column ? column->GetVisibleIndex() : -1;
    };
    std::stable_sort(items.begin(), items.end(), [&](TcxDataSummaryItem* a, TcxDataSummaryItem* b) {
        const int ca = columnIndex(a), cb = columnIndex(b);
        return ca != cb ? ca < cb : a->GetIndex() < b->GetIndex();
    });
}

TcxCustomGridCellPainterClass TcxGridBandedFooterViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridBandedFooterPainter>();
}

TRect TcxGridBandedFooterViewInfo::GetFixedPartBounds(TcxGridBandFixedKind kind) {
    TcxGridBandedTableViewInfo* viewInfo = GetBandedViewInfo();
    TcxGridBandsViewInfo* bands = viewInfo ? viewInfo->GetBandsViewInfo() : nullptr;
    if (!bands || kind == fkNone || !bands->GetBands()->HasFixedKind(kind)) return TRect{};
    TRect r = Bounds;
    if (kind == fkLeft)
        r.Right = std::min(r.Right, bands->GetLeftFixedEdge());
    else
        r.Left = std::max(r.Left, bands->GetRightFixedEdge());
    return IsRectEmpty(r) ? TRect{} : r;
}

std::vector<TRect> TcxGridBandedFooterViewInfo::GetSeparatorStrips() {
    std::vector<TRect> strips;
    TcxGridBandedTableViewInfo* viewInfo = GetBandedViewInfo();
    TcxGridBandsViewInfo* bands = viewInfo ? viewInfo->GetBandsViewInfo() : nullptr;
    const int width = bands ? bands->GetSeparatorWidth() : 0;
    if (width <= 0) return strips;
    if (const TRect left = GetFixedPartBounds(fkLeft); !IsRectEmpty(left))
        strips.push_back(TRect{std::max(left.Left, left.Right - width), Bounds.Top, left.Right, Bounds.Bottom});
    if (const TRect right = GetFixedPartBounds(fkRight); !IsRectEmpty(right))
        strips.push_back(TRect{right.Left, Bounds.Top, std::min(right.Right, right.Left + width), Bounds.Bottom});
    return strips;
}

// ---- painter ----

void TcxGridBandedFooterPainter::DrawSeparatorStrips() {
    auto* footer = static_cast<TcxGridBandedFooterViewInfo*>(GetViewInfo());
    TcxGridBandedTableViewInfo* viewInfo = footer->GetBandedViewInfo();
    if (!viewInfo) return;
    const TColor color = viewInfo->GetBandsViewInfo()->GetSeparatorColor();
    for (const TRect& strip : footer->GetSeparatorStrips()) {
        GetCanvas()->FillRectSolid(strip, color);
        GetCanvas()->ClipExcludeRect(strip);
    }
}

void TcxGridBandedFooterPainter::DrawItems() {
    auto* footer = static_cast<TcxGridBandedFooterViewInfo*>(GetViewInfo());
    TcxCanvas* canvas = GetCanvas();
    // The strips first: cells scrolled under a fixed band must not cover them.
    DrawSeparatorStrips();
    const TRect leftPart = footer->GetFixedPartBounds(fkLeft);
    const TRect rightPart = footer->GetFixedPartBounds(fkRight);
    // Right-fixed cells keep off the left-fixed part, the others off both fixed parts; what a cell
    // drew is then taken out, so neither the background nor a later cell covers it.
    auto allowedFor = [&](TcxGridBandFixedKind kind) {
        TRect r = footer->Bounds;
        if (kind != fkLeft && !IsRectEmpty(leftPart)) r.Left = std::max(r.Left, leftPart.Right);
        if (kind == fkNone && !IsRectEmpty(rightPart)) r.Right = std::min(r.Right, rightPart.Left);
        return r;
    };
    for (int i = 0; i < footer->GetCount(); ++i) {
        TcxGridColumnHeaderViewInfo* item = footer->GetCreatedItem(i);
        if (!item || !item->IsCalculated() || IsRectEmpty(item->Bounds)) continue;
        const TRect allowed = allowedFor(FooterCellFixedKind(item));
        TRect drawn;
        if (!IntersectRect(drawn, item->Bounds, allowed)) continue;
        {
            TClipRegionKeeper keeper(canvas);
            canvas->ClipIntersectRect(allowed);
            item->Paint(canvas);
        }
        canvas->ClipExcludeRect(drawn);
    }
}

} // namespace zorvy
