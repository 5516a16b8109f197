// The banded layout: band widths and header heights, band placement with the fixed groups, column
// headers in band rows, the cells under them, and the header's hit tests.
#include "controls/grid/bandedview/BandedViewInfo.h"

#include "controls/foundation/classes/Classes.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/grid/bandedview/BandedHitTests.h"
#include "controls/grid/bandedview/BandedPainters.h"
#include "controls/grid/common/GridCommon.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/bandedview/BandedFooter.h"
#include "controls/grid/tableview/FooterViewInfo.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/view/ViewController.h"

#include <algorithm>
#include <climits>

namespace zorvy {

namespace {

// The columns' or bands' share of a width: each item its minimum, natural width and fixed flag.
struct TBandedShare {
    int MinWidth;
    int Width;
    bool Fixed;
};

std::vector<int> ShareWidth(const std::vector<TBandedShare>& items, int available) {
    TcxAutoWidthObject autoWidth(static_cast<int>(items.size()));
    for (const TBandedShare& item : items) {
        TcxAutoWidthItem* entry = autoWidth.NewItem();
        entry->MinWidth = item.MinWidth;
        entry->Width = item.Width;
        entry->Fixed = item.Fixed;
    }
    autoWidth.AvailableWidth = available;
    autoWidth.DistributeWidth();
    std::vector<int> widths;
    for (int i = 0; i < autoWidth.GetCount(); ++i) widths.push_back(autoWidth.GetItem(i)->AutoWidth);
    return widths;
}

TcxGridBandedTableViewInfo* BandedViewInfoOf(TcxCustomGridViewInfo* viewInfo) {
    return static_cast<TcxGridBandedTableViewInfo*>(viewInfo);
}

} // namespace

// ---- column headers in bands ----

TcxGridBandedColumn* TcxGridBandedColumnHeaderViewInfo::GetBandedColumn() const {
    return static_cast<TcxGridBandedColumn*>(GetColumn());
}

TRect TcxGridBandedColumnHeaderViewInfo::GetClipBounds() {
    auto* header = dynamic_cast<TcxGridBandedHeaderViewInfo*>(GetContainer());
    TcxGridBand* band = GetBandedColumn()->GetPosition()->GetBand();
    if (!header || !band) return TcxGridColumnHeaderViewInfo::GetClipBounds();
    TcxGridBandViewInfo* bandViewInfo = header->GetBandsViewInfo()->FindBandViewInfo(band);
    return bandViewInfo ? bandViewInfo->GetAreaClipBounds() : TcxGridColumnHeaderViewInfo::GetClipBounds();
}

bool TcxGridBandedColumnHeaderViewInfo::CalculateMultiLine() {
    return GetBandedColumn()->GetPosition()->GetLineCount() > 1 || TcxGridColumnHeaderViewInfo::CalculateMultiLine();
}

bool TcxGridBandedColumnHeaderViewInfo::CalculateMultiLinePainting() {
    return GetBandedColumn()->GetPosition()->GetLineCount() > 1 || TcxGridColumnHeaderViewInfo::CalculateMultiLinePainting();
}

void TcxGridBandedColumnHeaderViewInfo::EnumAreaClasses() {
    TcxGridColumnHeaderViewInfo::EnumAreaClasses();
    if (GetBandedColumn()->CanVertSizing() && GetContainer()->GetContainerKind() == ckHeader)
        AddArea<TcxGridBandedColumnHeaderVertSizingEdgeViewInfo>();
}

void TcxGridBandedColumnHeaderVertSizingEdgeViewInfo::CalculateArea(const TRect& bounds, TRect& textAreaBounds) {
    TcxGridColumnHeaderAreaViewInfo::CalculateArea(bounds, textAreaBounds);
    Offset(0, CalculateHeight() / 2);
}

const TMetaClass* TcxGridBandedColumnHeaderVertSizingEdgeViewInfo::GetHitTestClass() {
    return TcxGridColumnHeaderVertSizingEdgeHitTest::StaticClass();
}

// ---- band header ----

TcxGridBandHeaderViewInfo::TcxGridBandHeaderViewInfo(TcxGridBandViewInfo* bandViewInfo)
    : TcxCustomGridViewCellViewInfo(bandViewInfo->GetGridViewInfo()), bandViewInfo_(bandViewInfo) {}

TcxGridBand* TcxGridBandHeaderViewInfo::GetBand() const { return bandViewInfo_->GetBand(); }
TAlignment TcxGridBandHeaderViewInfo::CalculateAlignmentHorz() { return GetBand()->GetHeaderAlignmentHorz(); }
TcxAlignmentVert TcxGridBandHeaderViewInfo::CalculateAlignmentVert() { return GetBand()->GetHeaderAlignmentVert(); }
int TcxGridBandHeaderViewInfo::GetSideBorderWidth(TcxBorder) { return GetLookAndFeelPainter()->GetHeaderBorderWidth(); }

int TcxGridBandHeaderViewInfo::CalculateHeightForTextHeight(int textHeight) {
    return TcxCustomGridViewCellViewInfo::CalculateHeightForTextHeight(textHeight) +
           2 * GetLookAndFeelPainter()->GetHeaderBorderWidth();
}

bool TcxGridBandHeaderViewInfo::ShowEndEllipsis() {
    return bandViewInfo_->GetBandedView()->GetOptionsView()->GetBandHeaderEndEllipsis();
}

std::string TcxGridBandHeaderViewInfo::CalculateText() { return GetBand()->GetCaption(); }
void TcxGridBandHeaderViewInfo::GetViewParams(TcxPartParams& params) { GetBand()->GetStyles()->GetHeaderParams(params); }

TBitmap* BandPictureOrNil(TBitmap* picture) { return picture && !picture->Empty() ? picture : nullptr; }

TBitmap* TcxGridBandHeaderViewInfo::GetBackgroundBitmap() {
    return BandPictureOrNil(bandViewInfo_->GetBandedView()->GetBackgroundBitmaps()->GetBandHeader());
}

TRect TcxGridBandHeaderViewInfo::GetClipBounds() { return bandViewInfo_->GetAreaClipBounds(); }

const TMetaClass* TcxGridBandHeaderViewInfo::GetHitTestClass() { return TcxGridBandHeaderHitTest::StaticClass(); }

void TcxGridBandHeaderViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    TcxCustomGridViewCellViewInfo::InitHitTest(hitTest);
    if (auto* bandHitTest = dynamic_cast<TcxGridBandHitTest*>(hitTest)) {
        bandHitTest->SetBand(GetBand());
        bandHitTest->SetBandContainerKind(bcHeader);
        bandHitTest->SetVisibleRowIndex(-1);
    }
}

TcxCustomGridCellPainterClass TcxGridBandHeaderViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridBandHeaderPainter>();
}

bool TcxGridBandHeaderViewInfo::HasCustomDraw() { return bandViewInfo_->GetBandedView()->HasCustomDrawBandHeader(); }

bool TcxGridBandHeaderViewInfo::DoCustomDraw(TcxCanvas* canvas) {
    bool done = TcxCustomGridViewCellViewInfo::DoCustomDraw(canvas);
    if (!done) bandViewInfo_->GetBandedView()->DoCustomDrawBandHeader(canvas, this, done);
    return done;
}

TRect TcxGridBandHeaderViewInfo::GetSizingEdgeBounds() const {
    return TRect{Bounds.Right - 4, Bounds.Top, Bounds.Right + 4, Bounds.Bottom};
}

TcxCustomGridHitTest* TcxGridBandHeaderViewInfo::GetHitTest(TPoint p) {
    if (GetBand()->CanSize() && PtInRect(GetSizingEdgeBounds(), p)) {
        TcxCustomGridHitTest* hitTest = TcxCustomGridHitTest::Instance<TcxGridBandHeaderSizingEdgeHitTest>(p);
        InitHitTest(hitTest);
        return hitTest;
    }
    return TcxCustomGridViewCellViewInfo::GetHitTest(p);
}

// ---- band rows ----

void TcxGridBandRowViewInfo::ApplyShownWidths() {
    TcxGridBandedTableView* view = bandViewInfo_->GetBandedView();
    view->BeginUpdate();
    try {
        for (TcxGridColumnHeaderViewInfo* item : columnHeaders_) item->GetColumn()->SetWidth(item->GetRealWidth());
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    view->EndUpdate();
}

TcxGridBandRowsViewInfo::TcxGridBandRowsViewInfo(TcxGridBandViewInfo* bandViewInfo) : bandViewInfo_(bandViewInfo) {
    TcxGridBandRows* rows = bandViewInfo->GetBand()->GetRows();
    for (int i = 0; i < rows->GetVisibleCount(); ++i)
        rows_.push_back(std::make_unique<TcxGridBandRowViewInfo>(bandViewInfo, rows->GetVisibleItem(i)));
}

int TcxGridBandRowsViewInfo::GetRowIndexAt(TPoint p) const {
    TRect r = Bounds;
    TcxCustomGridController* controller = bandViewInfo_->GetBandedView()->GetController();
    if (controller && controller->IsDragging()) r.Bottom += 20;
    if (!PtInRect(r, p)) return -1;
    for (int i = 0; i < GetCount(); ++i)
        if (p.Y < rows_[static_cast<size_t>(i)]->Bounds.Bottom) return i;
    return GetCount();
}

// ---- one band ----

TcxGridBandViewInfo::TcxGridBandViewInfo(TcxGridBandsViewInfo* bandsViewInfo, int visibleIndex)
    : TcxCustomGridViewCellViewInfo(bandsViewInfo->GetContainer()->GetGridViewInfo()),
      bandsViewInfo_(bandsViewInfo), visibleIndex_(visibleIndex),
      header_(std::make_unique<TcxGridBandHeaderViewInfo>(this)) {
    if (GetBand()->IsVisibleBottom()) {
        rows_ = std::make_unique<TcxGridBandRowsViewInfo>(this);
        AddColumnHeaders();
    }
}

TcxGridBandViewInfo::~TcxGridBandViewInfo() { BeginDestruction(); }

TcxGridBand* TcxGridBandViewInfo::GetBand() const { return bandsViewInfo_->GetBands()->GetVisibleItem(visibleIndex_); }
TcxGridBandedTableView* TcxGridBandViewInfo::GetBandedView() const { return bandsViewInfo_->GetGridView(); }
bool TcxGridBandViewInfo::IsFixed() const { return GetBand()->GetFixedKind() != fkNone; }

void TcxGridBandViewInfo::AddColumnHeaders() {
    TcxGridBandedHeaderViewInfo* header = bandsViewInfo_->GetContainer();
    for (int i = 0; i < header->GetCount(); ++i) {
        TcxGridColumnHeaderViewInfo* item = header->GetItem(i);
        auto* column = static_cast<TcxGridBandedColumn*>(item->GetColumn());
        if (column->GetPosition()->GetBand() != GetBand()) continue;
        columnHeaders_.push_back(item);
    }
    auto key = [](TcxGridColumnHeaderViewInfo* item) {
        auto* position = static_cast<TcxGridBandedColumn*>(item->GetColumn())->GetPosition();
        return std::make_pair(position->GetVisibleRowIndex(), position->GetVisibleColIndex());
    };
    std::stable_sort(columnHeaders_.begin(), columnHeaders_.end(),
                     [&key](TcxGridColumnHeaderViewInfo* a, TcxGridColumnHeaderViewInfo* b) { return key(a) < key(b); });
    for (TcxGridColumnHeaderViewInfo* item : columnHeaders_) {
        const int row = key(item).first;
        if (row >= 0 && row < rows_->GetCount()) rows_->GetItem(row)->AddItem(item);
    }
}

int TcxGridBandViewInfo::GetSeparatorWidth(TcxBorder side) const {
    TcxGridBand* band = GetBand();
    const int level = band->GetLevel();
    if (side == bRight && band == bandsViewInfo_->GetFixedBoundaryBand(fkLeft, level))
        return bandsViewInfo_->GetSeparatorWidth();
    if (side == bLeft && band == bandsViewInfo_->GetFixedBoundaryBand(fkRight, level))
        return bandsViewInfo_->GetSeparatorWidth();
    return 0;
}

int TcxGridBandViewInfo::GetNaturalWidth() {
    if (naturalWidth_ != -1) return naturalWidth_;
    TcxGridBand* band = GetBand();
    int width = 0;
    if (band->GetWidth() > 0) {
        width = band->GetWidth() + BordersWidth();
    } else if (rows_) {
        int rowsWidth = rows_->GetCount() == 0 ? 50 : 0;
        TcxGridBandedHeaderViewInfo* header = bandsViewInfo_->GetContainer();
        for (int i = 0; i < rows_->GetCount(); ++i) {
            TcxGridBandRowViewInfo* row = rows_->GetItem(i);
            int rowWidth = 0;
            for (int j = 0; j < row->GetCount(); ++j) rowWidth += header->GetColumnWidth(row->GetItem(j)->GetColumn());
            rowsWidth = std::max(rowsWidth, rowWidth);
        }
        width = rowsWidth + BordersWidth();
    } else {
        for (int i = 0; i < band->GetVisibleChildBandCount(); ++i)
            if (TcxGridBandViewInfo* child = bandsViewInfo_->FindBandViewInfo(band->GetVisibleChildBand(i)))
                width += child->GetNaturalWidth();
        width += BordersWidth();
    }
    naturalWidth_ = std::max(width, GetMinWidth());
    return naturalWidth_;
}

int TcxGridBandViewInfo::GetMinContentWidth() {
    if (minContentWidth_ != -1) return minContentWidth_;
    TcxGridBand* band = GetBand();
    int width = 0;
    if (rows_) {
        for (int i = 0; i < rows_->GetCount(); ++i) {
            TcxGridBandRowViewInfo* row = rows_->GetItem(i);
            int rowWidth = 0;
            for (int j = 0; j < row->GetCount(); ++j) rowWidth += row->GetItem(j)->GetMinWidth();
            width = std::max(width, rowWidth);
        }
        if (bandsViewInfo_->GetBands()->GetVisibleBottomItemCount() > 0 &&
            bandsViewInfo_->GetBands()->GetVisibleBottomItem(0) == band)
            width = std::max(width, static_cast<TcxGridTableViewInfo*>(GetGridViewInfo())->GetLevelIndentsWidth());
    } else {
        for (int i = 0; i < band->GetVisibleChildBandCount(); ++i)
            if (TcxGridBandViewInfo* child = bandsViewInfo_->FindBandViewInfo(band->GetVisibleChildBand(i)))
                width += child->GetMinWidth();
    }
    minContentWidth_ = std::max(width, band->GetMinWidth());
    return minContentWidth_;
}

int TcxGridBandViewInfo::GetMaxWidth() {
    TcxGridBand* band = GetBand();
    TcxGridBandedTableView* view = GetBandedView();
    if (!view->GetOptionsView()->GetColumnAutoWidth() && !band->GetSizedParentBand()) return INT_MAX / 2;
    int available;
    TcxGridBand* parent = band->GetParentBand();
    if (!parent) {
        available = static_cast<TcxGridTableViewInfo*>(GetGridViewInfo())->GetClientWidth();
    } else {
        TcxGridBandViewInfo* parentViewInfo = bandsViewInfo_->FindBandViewInfo(parent);
        if (!parentViewInfo) return INT_MAX / 2;
        available = parent->GetWidth() > 0 ? parentViewInfo->GetContentWidth() : parentViewInfo->GetMaxWidth() - parentViewInfo->BordersWidth();
    }
    std::vector<TcxGridBand*> siblings;
    TcxGridBands* bands = bandsViewInfo_->GetBands();
    if (parent)
        for (int i = 0; i < parent->GetVisibleChildBandCount(); ++i) siblings.push_back(parent->GetVisibleChildBand(i));
    else
        for (int i = 0; i < bands->GetVisibleRootItemCount(); ++i) siblings.push_back(bands->GetVisibleRootItem(i));
    const bool last = band->IsLastVisibleSibling();
    bool before = true;
    for (TcxGridBand* sibling : siblings) {
        if (sibling == band) {
            before = false;
            continue;
        }
        TcxGridBandViewInfo* other = bandsViewInfo_->FindBandViewInfo(sibling);
        if (!other) continue;
        if (before)
            available -= last ? other->GetMinWidth() : other->GetShownWidth();
        else
            available -= other->GetMinWidth();
    }
    return std::max(available, GetMinWidth());
}

void TcxGridBandViewInfo::AssignWidth(int width) {
    shownWidth_ = width;
    const int content = std::max(0, width - BordersWidth());
    TcxGridBand* band = GetBand();
    if (!rows_) {
        std::vector<TcxGridBandViewInfo*> children;
        std::vector<TBandedShare> shares;
        for (int i = 0; i < band->GetVisibleChildBandCount(); ++i)
            if (TcxGridBandViewInfo* child = bandsViewInfo_->FindBandViewInfo(band->GetVisibleChildBand(i))) {
                children.push_back(child);
                shares.push_back({child->GetMinWidth(), child->GetNaturalWidth(), child->GetBand()->IsSizingDisabled()});
            }
        const std::vector<int> widths = ShareWidth(shares, content);
        for (size_t i = 0; i < children.size(); ++i) children[i]->AssignWidth(widths[i]);
        return;
    }
    TcxGridBandedHeaderViewInfo* header = bandsViewInfo_->GetContainer();
    for (int i = 0; i < rows_->GetCount(); ++i) {
        TcxGridBandRowViewInfo* row = rows_->GetItem(i);
        std::vector<TBandedShare> shares;
        for (int j = 0; j < row->GetCount(); ++j) {
            TcxGridColumnHeaderViewInfo* item = row->GetItem(j);
            shares.push_back({item->GetMinWidth(), header->GetColumnWidth(item->GetColumn()), item->GetColumn()->HasFixedWidth()});
        }
        const std::vector<int> widths = ShareWidth(shares, content);
        for (int j = 0; j < row->GetCount(); ++j) row->GetItem(j)->SetWidth(widths[static_cast<size_t>(j)]);
    }
}

void TcxGridBandViewInfo::ApplyChildBandWidths() {
    TcxGridBandedTableView* view = GetBandedView();
    TcxGridBand* band = GetBand();
    view->BeginUpdate();
    try {
        for (int i = 0; i < band->GetVisibleChildBandCount(); ++i)
            if (TcxGridBandViewInfo* child = bandsViewInfo_->FindBandViewInfo(band->GetVisibleChildBand(i)))
                child->GetBand()->SetWidth(child->GetContentWidth());
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    view->EndUpdate();
}

void TcxGridBandViewInfo::ApplyShownColumnWidths() {
    if (rows_) {
        for (int i = 0; i < rows_->GetCount(); ++i) rows_->GetItem(i)->ApplyShownWidths();
        return;
    }
    TcxGridBand* band = GetBand();
    for (int i = 0; i < band->GetVisibleChildBandCount(); ++i)
        if (TcxGridBandViewInfo* child = bandsViewInfo_->FindBandViewInfo(band->GetVisibleChildBand(i)))
            child->ApplyShownColumnWidths();
}

void TcxGridBandViewInfo::Place(int left, int top) {
    TcxGridBand* band = GetBand();
    const int bandsTop = bandsViewInfo_->GetContainer()->Bounds.Top;
    const int bottom = bandsTop + bandsViewInfo_->GetBandHeadersAreaHeight() + bandsViewInfo_->GetColumnHeadersAreaHeight();
    Borders = CalculateBorders();
    TcxCustomGridViewCellViewInfo::Calculate(left, top, shownWidth_, bottom - top);
    const int contentLeft = left + GetSeparatorWidth(bLeft);
    const int contentRight = left + shownWidth_ - GetSeparatorWidth(bRight);
    int headerHeight = 0;
    if (GetBandedView()->GetOptionsView()->GetBandHeaders()) {
        const int level = band->GetLevel();
        if (rows_)
            for (int l = level; l < bandsViewInfo_->GetLevelCount(); ++l) headerHeight += bandsViewInfo_->GetBandHeaderRowHeight(l);
        else
            headerHeight = bandsViewInfo_->GetBandHeaderRowHeight(level);
    }
    header_->Calculate(contentLeft, top, contentRight - contentLeft, headerHeight);
    if (!rows_) {
        int x = contentLeft;
        for (int i = 0; i < band->GetVisibleChildBandCount(); ++i)
            if (TcxGridBandViewInfo* child = bandsViewInfo_->FindBandViewInfo(band->GetVisibleChildBand(i))) {
                child->Place(x, top + headerHeight);
                x += child->GetShownWidth();
            }
        return;
    }
    const int lineHeight = bandsViewInfo_->GetColumnHeaderLineHeight();
    int y = top + headerHeight;
    rows_->Bounds = TRect{contentLeft, y, contentRight, y};
    for (int i = 0; i < rows_->GetCount(); ++i) {
        TcxGridBandRowViewInfo* row = rows_->GetItem(i);
        const int rowHeight = row->GetLineCount() * lineHeight;
        row->Bounds = TRect{contentLeft, y, contentRight, y + rowHeight};
        int x = contentLeft;
        for (int j = 0; j < row->GetCount(); ++j) {
            TcxGridColumnHeaderViewInfo* item = row->GetItem(j);
            const int width = item->CalculateWidth();
            const int lines = static_cast<TcxGridBandedColumn*>(item->GetColumn())->GetPosition()->GetLineCount();
            item->Calculate(x, y, width, lines * lineHeight);
            x += width;
        }
        y += rowHeight;
    }
    // The rows area reaches the band's bottom: a point below the last row means a new row.
    rows_->Bounds.Bottom = std::max(y, Bounds.Bottom);
}

TRect TcxGridBandViewInfo::GetAreaClipBounds() {
    auto* viewInfo = BandedViewInfoOf(GetGridViewInfo());
    TRect r = viewInfo->GetCellsAreaBounds();
    if (!IsFixed()) return r;
    TcxGridBandViewInfo* root = bandsViewInfo_->FindBandViewInfo(GetBand()->GetRootParentBand());
    if (root) {
        r.Left = root->Bounds.Left;
        r.Right = root->Bounds.Right;
    }
    return r;
}

TRect TcxGridBandViewInfo::GetMovingArea() {
    TRect r = header_->Bounds;
    TcxGridBand* band = GetBand();
    if (band->IsRightmostInHierarchy()) r.Right = GetGridViewInfo()->GetBounds().Right;
    if (band->IsRoot()) r.Top -= 20;
    if (band->IsVisibleBottom()) r.Bottom += 20;
    return r;
}

void TcxGridBandViewInfo::GetViewParams(TcxPartParams& params) {
    GetBand()->GetStyles()->GetViewParams(bsBackground, nullptr, nullptr, params);
}

TBitmap* TcxGridBandViewInfo::GetBackgroundBitmap() {
    return BandPictureOrNil(GetBandedView()->GetBackgroundBitmaps()->GetBandBackground());
}

TcxBorders TcxGridBandViewInfo::CalculateBorders() {
    TcxBorders borders = 0;
    if (GetSeparatorWidth(bLeft) > 0) borders |= kBorderLeft;
    if (GetSeparatorWidth(bRight) > 0) borders |= kBorderRight;
    return borders;
}

TColor TcxGridBandViewInfo::GetBorderColor(TcxBorder) { return bandsViewInfo_->GetSeparatorColor(); }
const TMetaClass* TcxGridBandViewInfo::GetHitTestClass() { return TcxGridBandHitTest::StaticClass(); }

void TcxGridBandViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    TcxCustomGridViewCellViewInfo::InitHitTest(hitTest);
    if (auto* bandHitTest = dynamic_cast<TcxGridBandHitTest*>(hitTest)) {
        bandHitTest->SetBand(GetBand());
        bandHitTest->SetBandContainerKind(bcHeader);
        bandHitTest->SetVisibleRowIndex(hitRowIndex_);
    }
}

TcxCustomGridCellPainterClass TcxGridBandViewInfo::GetPainterClass() { return CellPainterClassOf<TcxGridBandPainter>(); }

void TcxGridBandViewInfo::DoOffset(int dx, int dy) {
    TcxCustomGridViewCellViewInfo::DoOffset(dx, dy);
    header_->Offset(dx, dy);
    if (!rows_) return;
    OffsetRect(rows_->Bounds, dx, dy);
    for (int i = 0; i < rows_->GetCount(); ++i) OffsetRect(rows_->GetItem(i)->Bounds, dx, dy);
}

TcxCustomGridHitTest* TcxGridBandViewInfo::GetHitTest(TPoint p) {
    TRect visible;
    if (!IntersectRect(visible, Bounds, GetAreaClipBounds()) || !PtInRect(visible, p)) return nullptr;
    if (header_->GetHeight() > 0)
        if (TcxCustomGridHitTest* hitTest = header_->GetHitTest(p)) return hitTest;
    TcxGridBand* band = GetBand();
    if (!rows_) {
        for (int i = 0; i < band->GetVisibleChildBandCount(); ++i)
            if (TcxGridBandViewInfo* child = bandsViewInfo_->FindBandViewInfo(band->GetVisibleChildBand(i)))
                if (TcxCustomGridHitTest* hitTest = child->GetHitTest(p)) return hitTest;
    } else if (GetBandedView()->GetOptionsView()->GetHeader()) {
        for (TcxGridColumnHeaderViewInfo* item : columnHeaders_)
            if (TcxCustomGridHitTest* hitTest = item->GetHitTest(p)) return hitTest;
    }
    hitRowIndex_ = rows_ ? rows_->GetRowIndexAt(p) : -1;
    return TcxCustomGridViewCellViewInfo::GetHitTest(p);
}

// ---- all bands ----

TcxGridBandsViewInfo::TcxGridBandsViewInfo(TcxGridBandedHeaderViewInfo* container) : container_(container) {}
TcxGridBandsViewInfo::~TcxGridBandsViewInfo() = default;

TcxGridBandedTableView* TcxGridBandsViewInfo::GetGridView() const { return container_->GetBandedView(); }
TcxGridBands* TcxGridBandsViewInfo::GetBands() const { return GetGridView()->GetBands(); }
int TcxGridBandsViewInfo::GetCount() const { return GetBands()->GetVisibleCount(); }

TcxGridBandViewInfo* TcxGridBandsViewInfo::GetBandViewInfo(int visibleIndex) {
    if (visibleIndex < 0 || visibleIndex >= GetCount()) return nullptr;
    if (bandViewInfos_.size() != static_cast<size_t>(GetCount())) bandViewInfos_.resize(static_cast<size_t>(GetCount()));
    auto& slot = bandViewInfos_[static_cast<size_t>(visibleIndex)];
    if (!slot) slot = std::make_unique<TcxGridBandViewInfo>(this, visibleIndex);
    return slot.get();
}

TcxGridBandViewInfo* TcxGridBandsViewInfo::FindBandViewInfo(TcxGridBand* band) {
    return band ? GetBandViewInfo(GetBands()->IndexOfVisible(band)) : nullptr;
}

TcxGridBandViewInfo* TcxGridBandsViewInfo::GetRootBandViewInfo(int visibleRootIndex) {
    TcxGridBands* bands = GetBands();
    if (visibleRootIndex < 0 || visibleRootIndex >= bands->GetVisibleRootItemCount()) return nullptr;
    return FindBandViewInfo(bands->GetVisibleRootItem(visibleRootIndex));
}

void TcxGridBandsViewInfo::ResetCaches() {
    lineCount_ = rowCount_ = bandHeadersAreaHeight_ = oneLineBandHeaderHeight_ = -1;
    widthsCalculated_ = false;
    for (const auto& band : bandViewInfos_)
        if (band) band->ResetWidths();
}

void TcxGridBandsViewInfo::CalculateHeights() {
    TcxGridBands* bands = GetBands();
    lineCount_ = bands->GetLineCount();
    rowCount_ = bands->GetVisibleRowCount();
    rowHeights_.clear();
    const int height = GetBandHeaderHeight();
    for (int i = 0; i < bands->GetVisibleCount(); ++i) {
        const size_t level = static_cast<size_t>(bands->GetVisibleItem(i)->GetLevel());
        if (rowHeights_.size() <= level) rowHeights_.resize(level + 1, 0);
        rowHeights_[level] = std::max(rowHeights_[level], height);
    }
    bandHeadersAreaHeight_ = 0;
    if (GetGridView()->GetOptionsView()->GetBandHeaders()) {
        for (int h : rowHeights_) bandHeadersAreaHeight_ += h;
        if (rowHeights_.empty()) bandHeadersAreaHeight_ = height;
    }
}

int TcxGridBandsViewInfo::GetLineCount() {
    if (lineCount_ == -1) CalculateHeights();
    return lineCount_;
}

int TcxGridBandsViewInfo::GetRowCount() {
    if (rowCount_ == -1) CalculateHeights();
    return rowCount_;
}

int TcxGridBandsViewInfo::GetBandHeadersAreaHeight() {
    if (bandHeadersAreaHeight_ == -1) CalculateHeights();
    return bandHeadersAreaHeight_;
}

int TcxGridBandsViewInfo::GetLevelCount() {
    if (lineCount_ == -1) CalculateHeights();
    return static_cast<int>(rowHeights_.size());
}

int TcxGridBandsViewInfo::GetBandHeaderRowHeight(int level) {
    if (lineCount_ == -1) CalculateHeights();
    return level >= 0 && level < static_cast<int>(rowHeights_.size()) ? rowHeights_[static_cast<size_t>(level)] : 0;
}

int TcxGridBandsViewInfo::GetOneLineBandHeaderHeight() {
    if (oneLineBandHeaderHeight_ == -1) {
        TcxPartParams params;
        GetGridView()->GetStyles()->GetBandHeaderParams(nullptr, params);
        oneLineBandHeaderHeight_ = container_->GetGridViewInfo()->GetTextHeight(params.Font) + 4 +
                                   2 * container_->GetLookAndFeelPainter()->GetHeaderBorderWidth();
    }
    return oneLineBandHeaderHeight_;
}

int TcxGridBandsViewInfo::GetBandHeaderHeight() {
    TcxGridBandedTableOptionsView* options = GetGridView()->GetOptionsView();
    if (options->GetBandHeaderHeight() != 0) return options->GetBandHeaderHeight();
    return options->GetBandHeaderLineCount() * GetOneLineBandHeaderHeight();
}

int TcxGridBandsViewInfo::GetColumnHeaderLineHeight() { return container_->GetItemHeight(); }

int TcxGridBandsViewInfo::GetColumnHeadersAreaHeight() {
    if (!GetGridView()->GetOptionsView()->GetHeader()) return 0;
    return std::max(GetLineCount(), 1) * GetColumnHeaderLineHeight();
}

int TcxGridBandsViewInfo::GetSeparatorWidth() const { return GetGridView()->GetOptionsView()->GetFixedBandSeparatorWidth(); }

TColor TcxGridBandsViewInfo::GetSeparatorColor() const {
    const TColor color = GetGridView()->GetOptionsView()->GetFixedBandSeparatorColor();
    return color == clDefault ? container_->GetLookAndFeelPainter()->DefaultDetailFrameColor() : color;
}

TcxGridBand* TcxGridBandsViewInfo::GetFixedBoundaryBand(TcxGridBandFixedKind kind, int level) {
    TcxGridBands* bands = GetBands();
    if (kind == fkNone || !bands->HasFixedKind(kind)) return nullptr;
    const int rootIndex = kind == fkLeft ? bands->GetLastVisibleRootIndex(fkLeft) : bands->GetFirstVisibleRootIndex(fkRight);
    if (rootIndex < 0 || rootIndex >= bands->GetVisibleRootItemCount()) return nullptr;
    TcxGridBand* band = bands->GetVisibleRootItem(rootIndex);
    for (int l = 0; l < level; ++l) {
        const int count = band->GetVisibleChildBandCount();
        if (count == 0) return nullptr;
        band = band->GetVisibleChildBand(kind == fkLeft ? count - 1 : 0);
    }
    return band;
}

void TcxGridBandsViewInfo::CalculateWidths(int clientWidth) {
    widthsCalculated_ = true;
    TcxGridBands* bands = GetBands();
    std::vector<TcxGridBandViewInfo*> roots;
    std::vector<TBandedShare> shares;
    for (int i = 0; i < bands->GetVisibleRootItemCount(); ++i)
        if (TcxGridBandViewInfo* root = GetRootBandViewInfo(i)) {
            roots.push_back(root);
            shares.push_back({root->GetMinWidth(), root->GetNaturalWidth(), root->GetBand()->IsSizingDisabled()});
        }
    if (GetGridView()->GetOptionsView()->GetColumnAutoWidth()) {
        const std::vector<int> widths = ShareWidth(shares, clientWidth);
        for (size_t i = 0; i < roots.size(); ++i) roots[i]->AssignWidth(widths[i]);
    } else {
        for (size_t i = 0; i < roots.size(); ++i) roots[i]->AssignWidth(shares[i].Width);
    }
}

int TcxGridBandsViewInfo::GetWidth() {
    if (!widthsCalculated_) CalculateWidths(container_->GetGridViewInfo()->GetClientWidth());
    int width = 0;
    for (int i = 0; i < GetBands()->GetVisibleRootItemCount(); ++i)
        if (TcxGridBandViewInfo* root = GetRootBandViewInfo(i)) width += root->GetShownWidth();
    return width;
}

void TcxGridBandsViewInfo::ApplyRootBandWidths() {
    TcxGridBandedTableView* view = GetGridView();
    view->BeginUpdate();
    try {
        for (int i = 0; i < GetBands()->GetVisibleRootItemCount(); ++i)
            if (TcxGridBandViewInfo* root = GetRootBandViewInfo(i)) root->GetBand()->SetWidth(root->GetContentWidth());
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    view->EndUpdate();
}

void TcxGridBandsViewInfo::Calculate(const TRect& bounds, int leftPos) {
    if (!widthsCalculated_) CalculateWidths(container_->GetGridViewInfo()->GetClientWidth());
    TcxGridBands* bands = GetBands();
    const TRect client = container_->GetGridViewInfo()->GetClientBounds();
    int x = bounds.Left;
    for (int i = 0; i < bands->GetVisibleRootItemCount(); ++i)
        if (bands->GetVisibleRootItem(i)->GetFixedKind() == fkLeft) {
            TcxGridBandViewInfo* root = GetRootBandViewInfo(i);
            root->Place(x, bounds.Top);
            x += root->GetShownWidth();
        }
    leftFixedEdge_ = x;
    int right = bands->HasFixedKind(fkRight) ? std::min(bounds.Right, client.Right) : bounds.Right;
    for (int i = bands->GetVisibleRootItemCount() - 1; i >= 0; --i)
        if (bands->GetVisibleRootItem(i)->GetFixedKind() == fkRight) {
            TcxGridBandViewInfo* root = GetRootBandViewInfo(i);
            right -= root->GetShownWidth();
            root->Place(right, bounds.Top);
        }
    rightFixedEdge_ = right;
    x = leftFixedEdge_ - leftPos;
    for (int i = 0; i < bands->GetVisibleRootItemCount(); ++i)
        if (bands->GetVisibleRootItem(i)->GetFixedKind() == fkNone) {
            TcxGridBandViewInfo* root = GetRootBandViewInfo(i);
            root->Place(x, bounds.Top);
            x += root->GetShownWidth();
        }
}

void TcxGridBandsViewInfo::Offset(int dx, int dy) {
    // Only the roots move their subtrees: a child's offset comes with its root's.
    for (int i = 0; i < GetBands()->GetVisibleCount(); ++i)
        if (TcxGridBandViewInfo* band = GetBandViewInfo(i)) band->Offset(dx, dy);
    leftFixedEdge_ += dx;
    rightFixedEdge_ += dx;
}

TcxCustomGridHitTest* TcxGridBandsViewInfo::GetHitTest(TPoint p) {
    TcxGridBands* bands = GetBands();
    for (TcxGridBandFixedKind kind : {fkLeft, fkRight, fkNone})
        for (int i = 0; i < bands->GetVisibleRootItemCount(); ++i)
            if (bands->GetVisibleRootItem(i)->GetFixedKind() == kind)
                if (TcxCustomGridHitTest* hitTest = GetRootBandViewInfo(i)->GetHitTest(p)) return hitTest;
    return nullptr;
}

bool TcxGridBandsViewInfo::FindMovingTarget(TPoint p, TcxGridBand*& band, TcxBorder& side) {
    band = nullptr;
    const bool nested = GetGridView()->GetOptionsCustomize()->GetNestedBands();
    TcxGridBands* bands = GetBands();
    std::vector<TcxGridBand*> candidates;
    for (int i = 0; i < bands->GetVisibleRootItemCount(); ++i) candidates.push_back(bands->GetVisibleRootItem(i));
    while (!candidates.empty()) {
        std::vector<TcxGridBand*> next;
        for (TcxGridBand* candidate : candidates) {
            TcxGridBandViewInfo* viewInfo = FindBandViewInfo(candidate);
            if (!viewInfo) continue;
            const TRect header = viewInfo->GetHeaderViewInfo()->Bounds;
            if (PtInRect(viewInfo->GetMovingArea(), p)) {
                band = candidate;
                if (nested) {
                    switch (GetRectSideAtPoint(header, p, true, true)) {
                    case rsRight: side = bRight; break;
                    case rsTop: side = bTop; break;
                    case rsBottom: side = bBottom; break;
                    default: side = bLeft;
                    }
                } else
                    side = p.X < (header.Left + header.Right) / 2 ? bLeft : bRight;
                return true;
            }
            if (nested)
                for (int i = 0; i < candidate->GetVisibleChildBandCount(); ++i) next.push_back(candidate->GetVisibleChildBand(i));
        }
        candidates = std::move(next);
    }
    return false;
}

// ---- the header part ----

TcxGridBandedHeaderViewInfo::TcxGridBandedHeaderViewInfo(TcxCustomGridTableViewInfo* gridViewInfo)
    : TcxGridHeaderViewInfo(gridViewInfo), bands_(std::make_unique<TcxGridBandsViewInfo>(this)) {}

TcxGridBandedHeaderViewInfo::~TcxGridBandedHeaderViewInfo() { bands_.reset(); }

TcxGridBandedTableView* TcxGridBandedHeaderViewInfo::GetBandedView() const {
    return static_cast<TcxGridBandedTableView*>(GetGridView());
}

int TcxGridBandedHeaderViewInfo::CalculateHeight() {
    if (!GetVisible()) return 0;
    return bands_->GetBandHeadersAreaHeight() + bands_->GetColumnHeadersAreaHeight();
}

int TcxGridBandedHeaderViewInfo::CalculateItemHeight() {
    // One line of column header: a column spanning several lines must not stretch the line.
    return IsHeightAssigned() ? GetOptionsView()->GetHeaderHeight() : GetDefaultItemHeight();
}

int TcxGridBandedHeaderViewInfo::CalculateWidth() {
    if (GetBandedView()->HasState(csLoading)) return 0;
    return bands_->GetWidth();
}

bool TcxGridBandedHeaderViewInfo::GetVisible() {
    return GetBandedView()->GetOptionsView()->GetBandHeaders() || GetOptionsView()->GetHeader();
}

TcxCustomGridCellPainterClass TcxGridBandedHeaderViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridBandedHeaderPainter>();
}

TcxGridColumnHeaderViewInfo* TcxGridBandedHeaderViewInfo::CreateItem(int index) {
    return new TcxGridBandedColumnHeaderViewInfo(this, GetColumn(index));
}

TcxHeaderNeighbours TcxGridBandedHeaderViewInfo::GetItemNeighbors(TcxGridColumn* column) {
    TcxHeaderNeighbours neighbours = TcxGridHeaderViewInfo::GetItemNeighbors(column);
    if (!column->InFirstRow()) neighbours |= cxBorder(bTop);
    if (!column->InLastRow()) neighbours |= cxBorder(bBottom);
    return neighbours;
}

void TcxGridBandedHeaderViewInfo::CalculateColumnWidths() {
    // Band widths take the place of the plain automatic column widths.
    bands_->GetWidth();
}

void TcxGridBandedHeaderViewInfo::CalculateItems() {
    auto* viewInfo = BandedViewInfoOf(GetGridViewInfo());
    bands_->Calculate(GetItemsAreaBounds(), viewInfo->HasFixedBands() ? viewInfo->GetLeftPos() : 0);
}

void TcxGridBandedHeaderViewInfo::DoOffset(int dx, int dy) {
    TcxGridHeaderViewInfo::DoOffset(dx, dy);
    bands_->Offset(dx, dy);
}

void TcxGridBandedHeaderViewInfo::BeforeRecalculation() {
    TcxGridHeaderViewInfo::BeforeRecalculation();
    bands_->ResetCaches();
}

TcxCustomGridHitTest* TcxGridBandedHeaderViewInfo::GetHitTest(TPoint p) {
    if (TcxCustomGridHitTest* hitTest = bands_->GetHitTest(p)) return hitTest;
    return TcxGridHeaderViewInfo::GetHitTest(p);
}

void TcxGridBandedHeaderViewInfo::AddIndicatorItem(TcxGridIndicatorViewInfo* indicator, int top) {
    const bool bandHeaders = GetBandedView()->GetOptionsView()->GetBandHeaders();
    if (!bandHeaders) {
        TcxGridHeaderViewInfo::AddIndicatorItem(indicator, top);
        return;
    }
    const int bandArea = bands_->GetBandHeadersAreaHeight();
    indicator->AddItemAt(top, bandArea, TcxGridIndicatorBandHeaderItemViewInfo::StaticClass());
    if (GetOptionsView()->GetHeader())
        indicator->AddItemAt(top + bandArea, bands_->GetColumnHeadersAreaHeight(), TcxGridIndicatorHeaderItemViewInfo::StaticClass());
}

// ---- the indicator's band header cell ----

bool TcxGridIndicatorBandHeaderItemViewInfo::ShowsCustomizationButton() {
    return static_cast<TcxGridBandedTableView*>(GetGridView())->GetOptionsCustomize()->GetBandsQuickCustomization();
}

std::string TcxGridIndicatorBandHeaderItemViewInfo::CalculateText() { return "Click here to show/hide/move bands"; }

void TcxGridIndicatorBandHeaderItemViewInfo::GetViewParams(TcxPartParams& params) {
    static_cast<TcxGridBandedTableView*>(GetGridView())->GetStyles()->GetBandHeaderParams(nullptr, params);
}

const TMetaClass* TcxGridIndicatorBandHeaderItemViewInfo::GetHitTestClass() {
    return TcxGridIndicatorBandHeaderHitTest::StaticClass();
}

// ---- rows ----

int TcxGridBandedRowsViewInfo::GetDataRowHeight() {
    auto* viewInfo = static_cast<TcxGridBandedTableViewInfo*>(GetGridViewInfo());
    const int lineCount = viewInfo->GetBandedView()->GetBands()->GetLineCount();
    return TcxGridRowsViewInfo::GetDataRowHeight() * std::max(lineCount, 1);
}

int TcxGridBandedRowsViewInfo::GetDataWidth() {
    auto* viewInfo = static_cast<TcxGridBandedTableViewInfo*>(GetGridViewInfo());
    const int dataWidth = viewInfo->GetDataWidth();
    const int clientWidth = viewInfo->GetClientWidth();
    if (dataWidth <= clientWidth) return dataWidth;
    TcxGridBands* bands = viewInfo->GetBandedView()->GetBands();
    const bool left = bands->HasFixedKind(fkLeft), right = bands->HasFixedKind(fkRight);
    if (left && right) return clientWidth;
    if (left) return dataWidth - viewInfo->GetLeftPos();
    if (right) return clientWidth + viewInfo->GetLeftPos();
    return dataWidth;
}

TRect TcxGridBandedRowsViewInfo::CalculateBoundsRect() {
    TRect r = TcxGridRowsViewInfo::CalculateBoundsRect();
    auto* viewInfo = static_cast<TcxGridBandedTableViewInfo*>(GetGridViewInfo());
    // With a fixed band the rows stay put: their cells follow the headers, which scroll by band.
    if (viewInfo->HasFixedBands()) {
        const int width = r.Right - r.Left;
        r.Left += viewInfo->GetLeftPos();
        r.Right = r.Left + width;
    }
    return r;
}

TcxCustomGridCellPainterClass TcxGridBandedRowsViewInfo::GetDataRowPainterClass() {
    return CellPainterClassOf<TcxGridBandedDataRowPainter>();
}

// ---- the view ----

TcxGridBandedTableView* TcxGridBandedTableViewInfo::GetBandedView() const {
    return static_cast<TcxGridBandedTableView*>(GetGridView());
}

TcxGridBandedHeaderViewInfo* TcxGridBandedTableViewInfo::GetBandedHeaderViewInfo() const {
    return static_cast<TcxGridBandedHeaderViewInfo*>(GetHeaderViewInfo());
}

TcxGridBandsViewInfo* TcxGridBandedTableViewInfo::GetBandsViewInfo() const {
    TcxGridBandedHeaderViewInfo* header = GetBandedHeaderViewInfo();
    return header ? header->GetBandsViewInfo() : nullptr;
}

TColor TcxGridBandedTableViewInfo::GetFixedBandSeparatorColor() const {
    TcxGridBandsViewInfo* bands = GetBandsViewInfo();
    return bands ? bands->GetSeparatorColor() : clDefault;
}

int TcxGridBandedTableViewInfo::GetFixedBandSeparatorWidth() const {
    return GetBandedView()->GetOptionsView()->GetFixedBandSeparatorWidth();
}

bool TcxGridBandedTableViewInfo::HasFixedBands() const {
    TcxGridBands* bands = GetBandedView()->GetBands();
    return bands->HasFixedKind(fkLeft) || bands->HasFixedKind(fkRight);
}

const TMetaClass* TcxGridBandedTableViewInfo::GetHeaderViewInfoClass() const {
    return TcxGridBandedHeaderViewInfo::StaticClass();
}

const TMetaClass* TcxGridBandedTableViewInfo::GetFooterViewInfoClass() const {
    return TcxGridBandedFooterViewInfo::StaticClass();
}

const TMetaClass* TcxGridBandedTableViewInfo::GetRecordsViewInfoClass() const {
    return TcxGridBandedRowsViewInfo::StaticClass();
}

TRect TcxGridBandedTableViewInfo::GetColumnBounds(int visibleIndex) {
    TcxGridHeaderViewInfo* header = GetHeaderViewInfo();
    if (!header || visibleIndex < 0 || visibleIndex >= header->GetCount()) return TRect{};
    TcxGridColumnHeaderViewInfo* item = header->GetItem(visibleIndex);
    const TRect client = GetClientBounds();
    return TRect{item->GetRealBounds().Left, client.Top, item->Bounds.Right, client.Bottom};
}

int TcxGridBandedTableViewInfo::CalculateDataWidth() {
    TcxGridBandsViewInfo* bands = GetBandsViewInfo();
    return bands ? bands->GetWidth() : 0;
}

TRect TcxGridBandedTableViewInfo::GetPartBounds(TcxCustomGridPartViewInfo* part) {
    TRect r = TcxGridTableViewInfo::GetPartBounds(part);
    // With fixed bands the header and footer stay put; the bands scroll inside them.
    if (HasFixedBands() && (part == GetHeaderViewInfo() || part == static_cast<TcxCustomGridPartViewInfo*>(GetFooterViewInfo())))
        OffsetRect(r, GetLeftPos(), 0);
    return r;
}

TRect TcxGridBandedTableViewInfo::GetCellsAreaBounds() {
    TRect r = TcxGridTableViewInfo::GetCellsAreaBounds();
    // Up over the header and down over the footer: band and column headers clip to it too.
    if (TcxGridHeaderViewInfo* header = GetHeaderViewInfo())
        if (header->GetVisible() && !IsRectEmpty(header->Bounds)) r.Top = std::min(r.Top, header->Bounds.Top);
    if (TcxGridFooterViewInfo* footer = GetFooterViewInfo())
        if (footer->GetVisible() && !IsRectEmpty(footer->Bounds)) r.Bottom = std::max(r.Bottom, footer->Bounds.Bottom);
    TcxGridBandsViewInfo* bands = GetBandsViewInfo();
    TcxGridBands* model = GetBandedView()->GetBands();
    if (!bands) return r;
    if (model->HasFixedKind(fkLeft)) r.Left = bands->GetLeftFixedEdge();
    if (model->HasFixedKind(fkRight)) r.Right = bands->GetRightFixedEdge();
    return r;
}

TRect TcxGridBandedTableViewInfo::GetEditingAreaBounds() {
    TRect r = TcxGridTableViewInfo::GetEditingAreaBounds();
    const TRect cells = GetCellsAreaBounds();
    r.Left = cells.Left;
    r.Right = cells.Right;
    return r;
}

bool TcxGridBandedTableViewInfo::CanOffsetView(int recordCountDelta, int dx, int dy) {
    return !HasFixedBands() && TcxGridTableViewInfo::CanOffsetView(recordCountDelta, dx, dy);
}

bool TcxGridBandedTableViewInfo::SupportsAutoHeight() const {
    return GetBandedView()->GetBands()->GetLineCount() <= 1 && TcxGridTableViewInfo::SupportsAutoHeight();
}

bool TcxGridBandedTableViewInfo::SupportsGroupSummaryLayout() const {
    return GetBandedView()->GetBands()->GetVisibleRowCount() <= 1 && !HasFixedBands() &&
           TcxGridTableViewInfo::SupportsGroupSummaryLayout();
}

bool TcxGridBandedTableViewInfo::SupportsMultipleFooterSummaries() const {
    return GetBandedView()->GetBands()->GetVisibleRowCount() <= 1 && TcxGridTableViewInfo::SupportsMultipleFooterSummaries();
}

int TcxGridBandedTableViewInfo::GetCellHeight(int visibleIndex, int height) const {
    TcxGridBandedTableView* view = GetBandedView();
    const int lineCount = std::max(view->GetBands()->GetLineCount(), 1);
    if (visibleIndex < 0 || visibleIndex >= view->GetVisibleColumnCount()) return height;
    auto* column = static_cast<TcxGridBandedColumn*>(view->GetVisibleColumn(visibleIndex));
    return height / lineCount * column->GetPosition()->GetLineCount();
}

int TcxGridBandedTableViewInfo::GetCellTopOffset(int visibleIndex, int height) const {
    TcxGridBandedTableView* view = GetBandedView();
    const int lineCount = std::max(view->GetBands()->GetLineCount(), 1);
    if (visibleIndex < 0 || visibleIndex >= view->GetVisibleColumnCount()) return 0;
    auto* column = static_cast<TcxGridBandedColumn*>(view->GetVisibleColumn(visibleIndex));
    TcxGridBandRow* row = column->GetPosition()->GetRow();
    return row ? height / lineCount * row->GetLineOffset() : 0;
}

} // namespace zorvy
