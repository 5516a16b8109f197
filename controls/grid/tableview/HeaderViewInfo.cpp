// Column containers: header cells and their areas, the header part with automatic widths, and the
// group-by box.
#include "controls/grid/tableview/HeaderViewInfo.h"

#include "controls/foundation/painters/Painter.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTablePainters.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/HeaderFilterButton.h"
#include "controls/grid/tableview/IndicatorViewInfo.h"
#include "platform/rtl/ResourceStrings.h"

#include <algorithm>
#include <climits>

namespace zorvy {

ZORVY_RESOURCESTRING(scxGridGroupByBoxCaption, "Drag a column header here to group by that column");

// ---- areas ----

TcxGridColumnHeaderAreaViewInfo::TcxGridColumnHeaderAreaViewInfo(TcxGridColumnHeaderViewInfo* headerViewInfo)
    : TcxCustomGridViewCellViewInfo(headerViewInfo->GetGridViewInfo()), headerViewInfo_(headerViewInfo) {}

TcxGridColumn* TcxGridColumnHeaderAreaViewInfo::GetColumn() const { return headerViewInfo_->GetColumn(); }

bool TcxGridColumnHeaderAreaViewInfo::IsHitTestOwn(TcxCustomGridHitTest* hitTest) {
    auto* columnHitTest = dynamic_cast<TcxCustomGridColumnHitTest*>(hitTest);
    return TcxCustomGridViewCellViewInfo::IsHitTestOwn(hitTest) && columnHitTest &&
           columnHitTest->Column == GetColumn() &&
           columnHitTest->ColumnContainerKind == headerViewInfo_->GetContainer()->GetContainerKind();
}

void TcxGridColumnHeaderAreaViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    headerViewInfo_->InitHitTest(hitTest);
    TcxCustomGridViewCellViewInfo::InitHitTest(hitTest);
}

void TcxGridColumnHeaderAreaViewInfo::CalculateArea(const TRect& bounds, TRect& textAreaBounds) {
    TRect r = UsesTextArea() ? textAreaBounds : bounds;
    const int width = CalculateWidth();
    const int height = CalculateHeight();
    if (width != 0) {
        switch (CalculateAlignmentHorz()) {
        case taLeftJustify:
            r.Right = r.Left + width;
            if (OccupiesSpace()) textAreaBounds.Left = r.Right;
            break;
        case taRightJustify:
            r.Left = r.Right - width;
            if (OccupiesSpace()) textAreaBounds.Right = r.Left;
            break;
        case taCenter:
            if (!OccupiesSpace() || headerViewInfo_->GetAlignmentHorz() != taCenter) {
                r.Left += (r.Right - r.Left - width) / 2;
                r.Right = r.Left + width;
            } else {
                // Area and text are centred as one group; when they do not fit the area starts left.
                const int textWidth = headerViewInfo_->GetTextWidthWithMargins();
                const int gap = (r.Right - r.Left - width - textWidth) / 2;
                if (width + textWidth < r.Right - r.Left) r.Left += gap;
                r.Right = r.Left + width;
                textAreaBounds.Left = r.Right;
                textAreaBounds.Right = std::min(textAreaBounds.Right, textAreaBounds.Left + textWidth);
            }
            break;
        }
    }
    if (height != 0) {
        switch (CalculateAlignmentVert()) {
        case vaTop:
            r.Bottom = r.Top + height;
            break;
        case vaBottom:
            r.Top = r.Bottom - height;
            break;
        case vaCenter:
            r.Top += (r.Bottom - r.Top - height) / 2;
            r.Bottom = r.Top + height;
            break;
        }
    }
    BeforeRecalculation();
    CalculateFromBounds(r);
}

int TcxGridColumnHeaderSortingMarkViewInfo::CalculateWidth() { return GetLookAndFeelPainter()->GetSortingMarkAreaSize().X; }
int TcxGridColumnHeaderSortingMarkViewInfo::CalculateHeight() { return GetLookAndFeelPainter()->GetSortingMarkAreaSize().Y; }
bool TcxGridColumnHeaderSortingMarkViewInfo::IsAscending() const { return GetColumn()->GetSortOrder() == soAscending; }
TcxCustomGridCellPainterClass TcxGridColumnHeaderSortingMarkViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridColumnHeaderSortingMarkPainter>();
}

int TcxGridColumnHeaderGlyphViewInfo::CalculateWidth() {
    TBitmap* glyph = GetColumn()->GetHeaderGlyph();
    return glyph ? glyph->GetWidth() : 0;
}
int TcxGridColumnHeaderGlyphViewInfo::CalculateHeight() {
    TBitmap* glyph = GetColumn()->GetHeaderGlyph();
    return glyph ? glyph->GetHeight() : 0;
}
TAlignment TcxGridColumnHeaderGlyphViewInfo::CalculateAlignmentHorz() { return GetColumn()->GetHeaderGlyphAlignmentHorz(); }
TcxAlignmentVert TcxGridColumnHeaderGlyphViewInfo::CalculateAlignmentVert() {
    return GetColumn()->GetHeaderGlyphAlignmentVert();
}
TcxCustomGridCellPainterClass TcxGridColumnHeaderGlyphViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridColumnHeaderGlyphPainter>();
}

void TcxGridColumnHeaderHorzSizingEdgeViewInfo::CalculateArea(const TRect& bounds, TRect& textAreaBounds) {
    TcxGridColumnHeaderAreaViewInfo::CalculateArea(bounds, textAreaBounds);
    // Half of the edge lies over the next header.
    OffsetRect(Bounds, GetWidth() / 2, 0);
    ResetCachedBounds(Bounds);
}

const TMetaClass* TcxGridColumnHeaderHorzSizingEdgeViewInfo::GetHitTestClass() {
    return TcxGridColumnHeaderHorzSizingEdgeHitTest::StaticClass();
}

bool TcxGridColumnHeaderHorzSizingEdgeViewInfo::MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button,
                                                         TShiftState shift) {
    if (TcxGridColumnHeaderAreaViewInfo::MouseDown(hitTest, button, shift)) return true;
    if (!(shift & ssDouble)) return false;
    GetColumn()->ApplyBestFit(true, true);
    return true;
}

// ---- one column header ----

TcxGridColumnHeaderViewInfo::TcxGridColumnHeaderViewInfo(TcxGridColumnContainerViewInfo* container,
                                                         TcxGridColumn* column)
    : TcxCustomGridViewCellViewInfo(container->GetGridViewInfo()), column_(column), container_(container) {}

TcxGridColumnHeaderViewInfo::~TcxGridColumnHeaderViewInfo() {
    BeginDestruction();
    areas_.clear();
}

void TcxGridColumnHeaderViewInfo::CreateAreas() {
    areas_.clear();
    EnumAreaClasses();
    // A filter button takes over the drop-down its column's previous header left open.
    for (const auto& area : areas_) area->AfterConstruction();
}

void TcxGridColumnHeaderViewInfo::EnumAreaClasses() {
    if (HasSizingEdge()) AddArea<TcxGridColumnHeaderHorzSizingEdgeViewInfo>();
    if (HasFilterButton()) AddArea<TcxGridColumnHeaderFilterButtonViewInfo>();
    if (HasSortingMark()) AddArea<TcxGridColumnHeaderSortingMarkViewInfo>();
    if (HasGlyph()) AddArea<TcxGridColumnHeaderGlyphViewInfo>();
}

TcxGridTableView* TcxGridColumnHeaderViewInfo::GetGridView() const { return container_->GetGridView(); }

TRect TcxGridColumnHeaderViewInfo::GetRealBounds() const {
    TRect r = Bounds;
    r.Left += additionalWidthAtLeft_;
    r.Top += additionalHeightAtTop_;
    return r;
}

int TcxGridColumnHeaderViewInfo::GetRealWidth() {
    if (realWidth_ == 0) realWidth_ = CalculateWidth() - container_->GetColumnIndent(column_);
    return realWidth_;
}

int TcxGridColumnHeaderViewInfo::GetRealLeft() { return Bounds.Right - GetRealWidth(); }

int TcxGridColumnHeaderViewInfo::CalculateHeight() { return GetHeightForText(GetGridViewInfo(), 0); }

int TcxGridColumnHeaderViewInfo::CalculateWidth() {
    if (width_ == -1) width_ = container_->GetColumnWidth(column_);
    return width_;
}

bool TcxGridColumnHeaderViewInfo::DoCustomDraw(TcxCanvas* canvas) {
    bool done = TcxCustomGridViewCellViewInfo::DoCustomDraw(canvas);
    if (!done) column_->DoCustomDrawHeader(canvas, this, done);
    if (!done) GetGridView()->DoCustomDrawColumnHeader(canvas, this, done);
    return done;
}

void TcxGridColumnHeaderViewInfo::CalculateParams() {
    neighbors_ = container_->GetItemNeighbors(column_);
    TcxCustomGridViewCellViewInfo::CalculateParams();
}

TAlignment TcxGridColumnHeaderViewInfo::CalculateAlignmentHorz() { return column_->GetHeaderAlignmentHorz(); }
TcxAlignmentVert TcxGridColumnHeaderViewInfo::CalculateAlignmentVert() { return column_->GetHeaderAlignmentVert(); }
TRect TcxGridColumnHeaderViewInfo::GetClipBounds() { return container_->GetItemClipBounds(); }
TBitmap* TcxGridColumnHeaderViewInfo::GetBackgroundBitmap() { return GetGridView()->GetBackgroundBitmaps()->GetBitmap(TcxGridTableBackgroundBitmaps::bbHeader); }
TcxBorders TcxGridColumnHeaderViewInfo::CalculateBorders() { return GetLookAndFeelPainter()->GetHeaderBorders(neighbors_); }
int TcxGridColumnHeaderViewInfo::GetSideBorderWidth(TcxBorder) { return GetBorderWidthFor(GetLookAndFeelPainter()); }
int TcxGridColumnHeaderViewInfo::GetBorderWidthFor(const TcxCustomLookAndFeelPainter* painter) {
    return painter->GetHeaderBorderWidth();
}

int TcxGridColumnHeaderViewInfo::CalculateHeightForTextHeight(int textHeight) {
    return TcxCustomGridViewCellViewInfo::CalculateHeightForTextHeight(textHeight) +
           2 * GetBorderWidthFor(GetLookAndFeelPainter());
}

const TMetaClass* TcxGridColumnHeaderViewInfo::GetHitTestClass() { return TcxGridColumnHeaderHitTest::StaticClass(); }

bool TcxGridColumnHeaderViewInfo::CanPress() {
    if (GetLookAndFeelPainter()->SupportsHeaderHotTrack()) return true;
    return std::any_of(areas_.begin(), areas_.end(), [](const auto& area) { return area->NeedsHeaderHotTrack(); });
}

bool TcxGridColumnHeaderViewInfo::CalculateMultiLine() { return container_->GetItemMultiLine(); }
bool TcxGridColumnHeaderViewInfo::CalculateMultiLinePainting() {
    return TcxCustomGridViewCellViewInfo::CalculateMultiLinePainting() || container_->GetItemMultiLinePainting();
}

TcxCustomGridCellPainterClass TcxGridColumnHeaderViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridColumnHeaderPainter>();
}

bool TcxGridColumnHeaderViewInfo::ShowEndEllipsis() { return GetGridView()->GetOptionsView()->GetHeaderEndEllipsis(); }

std::string TcxGridColumnHeaderViewInfo::CalculateText() {
    return column_->GetOptions()->GetShowCaption() ? GetCaption() : std::string();
}

std::string TcxGridColumnHeaderViewInfo::GetCaption() { return column_->GetDisplayCaption(); }

void TcxGridColumnHeaderViewInfo::GetViewParams(TcxPartParams& params) { column_->GetStyles()->GetHeaderParams(params); }

bool TcxGridColumnHeaderViewInfo::HasCustomDraw() {
    return column_->HasCustomDrawHeader() || GetGridView()->HasCustomDrawColumnHeader();
}

void TcxGridColumnHeaderViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    TcxCustomGridViewCellViewInfo::InitHitTest(hitTest);
    if (auto* columnHitTest = dynamic_cast<TcxCustomGridColumnHitTest*>(hitTest)) {
        columnHitTest->Column = column_;
        columnHitTest->ColumnContainerKind = static_cast<TcxGridColumnContainerKind>(container_->GetContainerKind());
    }
}

void TcxGridColumnHeaderViewInfo::DoOffset(int dx, int dy) {
    TcxCustomGridViewCellViewInfo::DoOffset(dx, dy);
    OffsetRect(textAreaBounds_, dx, dy);
    for (const auto& area : areas_) area->Offset(dx, dy);
}

void TcxGridColumnHeaderViewInfo::SetWidth(int value) {
    TcxCustomGridViewCellViewInfo::SetWidth(value);
    width_ = value;
    realWidth_ = 0;
}

void TcxGridColumnHeaderViewInfo::StateChanged(TcxCustomGridCellState prevState) {
    if (!IsDestroying() &&
        std::any_of(areas_.begin(), areas_.end(), [](const auto& area) { return area->NeedsHeaderHotTrack(); }))
        Recalculate();
    TcxCustomGridViewCellViewInfo::StateChanged(prevState);
}

void TcxGridColumnHeaderViewInfo::BeforeRecalculation() {
    TcxCustomGridViewCellViewInfo::BeforeRecalculation();
    Bounds = GetRealBounds();
    additionalWidthAtLeft_ = 0;
    additionalHeightAtTop_ = 0;
}

void TcxGridColumnHeaderViewInfo::Calculate(int left, int top, int width, int height) {
    additionalWidthAtLeft_ = 0;
    additionalHeightAtTop_ = 0;
    EnsureCalculated();
    if (width == -1) width = CalculateWidth();
    if (height == -1) height = CalculateHeight();
    CalculateVisible(left, width);
    // Each header draws all its borders, over the neighbour's shared one.
    Borders = CalculateBorders();
    if (!(Borders & cxBorder(bLeft))) {
        additionalWidthAtLeft_ = GetSideBorderWidth(bLeft);
        left -= additionalWidthAtLeft_;
        width += additionalWidthAtLeft_;
    }
    if (!(Borders & cxBorder(bTop))) {
        additionalHeightAtTop_ = GetSideBorderWidth(bTop);
        top -= additionalHeightAtTop_;
        height += additionalHeightAtTop_;
    }
    Borders = cxBordersAll;
    TcxCustomGridViewCellViewInfo::Calculate(left, top, width, height);
    width_ = width - additionalWidthAtLeft_;
    CalculateAreas();
}

void TcxGridColumnHeaderViewInfo::CalculateAreas() {
    TRect textArea = TcxCustomGridViewCellViewInfo::GetTextBounds();
    for (const auto& area : areas_) area->CalculateArea(Bounds, textArea);
    if (!Text.empty()) {
        if (HasAreaAt(taLeftJustify)) textArea.Left += 2;
        if (HasAreaAt(taRightJustify)) textArea.Right -= 2;
    }
    textAreaBounds_ = textArea;
}

bool TcxGridColumnHeaderViewInfo::HasAreaAt(TAlignment alignment) {
    return std::any_of(areas_.begin(), areas_.end(), [alignment](const auto& area) {
        return area->OccupiesSpace() && area->CalculateWidth() != 0 && area->CalculateAlignmentHorz() == alignment;
    });
}

int TcxGridColumnHeaderViewInfo::GetWidthWithBorders() {
    EnsureCalculated();
    const int border = GetSideBorderWidth(bLeft);
    int width = border + GetTextWidth() + 4 + border - additionalWidthAtLeft_;
    if (!Text.empty()) {
        if (HasAreaAt(taLeftJustify)) width += 2;
        if (HasAreaAt(taRightJustify)) width += 2;
    }
    for (const auto& area : areas_)
        if (area->OccupiesSpace()) width += area->CalculateWidth();
    return width;
}

void TcxGridColumnHeaderViewInfo::CalculateVisible(int left, int width) {
    const TRect client = GetGridViewInfo()->GetClientBounds();
    Visible = left < client.Right && left + width > client.Left;
}

bool TcxGridColumnHeaderViewInfo::HasFilterButton() { return column_->CanFilter(true); }

bool TcxGridColumnHeaderViewInfo::HasSizingEdge() {
    return column_->CanApplyBestFit() && container_->GetContainerKind() == ckHeader;
}

bool TcxGridColumnHeaderViewInfo::HasSortingMark() { return column_->GetSortOrder() != soNone; }

bool TcxGridColumnHeaderViewInfo::HasGlyph() {
    TBitmap* glyph = column_->GetHeaderGlyph();
    return glyph && !glyph->Empty();
}

bool TcxGridColumnHeaderViewInfo::IsPressed() {
    if (GetState() == gcsPressed) return true;
    auto* controller = dynamic_cast<TcxGridTableController*>(GetGridView()->GetController());
    return controller && controller->GetPressedColumn() == column_;
}

int TcxGridColumnHeaderViewInfo::GetMinWidth() {
    return column_->HasFixedWidth() ? CalculateWidth() : container_->GetColumnMinWidth(column_);
}

int TcxGridColumnHeaderViewInfo::GetMaxWidth() {
    auto* header = dynamic_cast<TcxGridHeaderViewInfo*>(container_);
    if (!header || !header->IsAutoWidth()) return INT_MAX;
    const TRect client = GetGridViewInfo()->GetClientBounds();
    int width = client.Right - client.Left;
    const int count = container_->GetCount();
    int index = 0;
    while (index < count && container_->GetItem(index) != this) ++index;
    for (int i = 0; i < count; ++i) {
        if (i == index) continue;
        TcxGridColumnHeaderViewInfo* other = container_->GetItem(i);
        // The last column gives back only what the others need at least.
        width -= (index == count - 1 || i > index) ? other->GetMinWidth() : other->CalculateWidth();
    }
    return std::max(width, GetMinWidth());
}

void TcxGridColumnHeaderViewInfo::CheckWidth(int& width) {
    width = std::max(width, GetMinWidth());
    width = std::min(width, GetMaxWidth());
}

TcxCustomGridHitTest* TcxGridColumnHeaderViewInfo::GetHitTest(TPoint p) {
    for (const auto& area : areas_)
        if (TcxCustomGridHitTest* hitTest = area->GetHitTest(p)) return hitTest;
    return TcxCustomGridViewCellViewInfo::GetHitTest(p);
}

bool TcxGridColumnHeaderViewInfo::MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) {
    bool handled = TcxCustomGridViewCellViewInfo::MouseDown(hitTest, button, shift);
    // The release sorts by the pressed column, also when the cell took the press for its pressed look.
    if (button == mbLeft && !(shift & ssDouble) && CanClick())
        if (auto* controller = dynamic_cast<TcxGridTableController*>(GetGridView()->GetController()))
            controller->SetPressedColumn(column_);
    if (!handled && !(shift & ssDouble) && CanClick()) {
        column_->DoHeaderClick();
        handled = true;
    }
    return handled;
}

bool TcxGridColumnHeaderViewInfo::ShowsHint() { return GetGridView()->GetOptionsBehavior()->GetColumnHeaderHints(); }

// ---- container ----

TcxGridColumnContainerViewInfo::TcxGridColumnContainerViewInfo(TcxCustomGridTableViewInfo* gridViewInfo)
    : TcxCustomGridPartViewInfo(gridViewInfo) {}

TcxGridColumnContainerViewInfo::~TcxGridColumnContainerViewInfo() {
    BeginDestruction();
    items_.clear();
}

TcxGridTableView* TcxGridColumnContainerViewInfo::GetGridView() const {
    return static_cast<TcxGridTableView*>(GetTableViewInfo()->GetGridView());
}

TcxGridTableOptionsView* TcxGridColumnContainerViewInfo::GetOptionsView() const { return GetGridView()->GetOptionsView(); }

int TcxGridColumnContainerViewInfo::GetCount() {
    if (!itemsCreated_) CreateItems();
    return static_cast<int>(items_.size());
}

TcxGridColumnHeaderViewInfo* TcxGridColumnContainerViewInfo::GetItem(int index) {
    if (index < 0 || index >= GetCount()) return nullptr;
    auto& item = items_[static_cast<size_t>(index)];
    if (!item) {
        item.reset(CreateItem(index));
        item->CreateAreas();
    }
    return item.get();
}

TcxGridColumnHeaderViewInfo* TcxGridColumnContainerViewInfo::GetCreatedItem(int index) const {
    return index >= 0 && index < static_cast<int>(items_.size()) ? items_[static_cast<size_t>(index)].get() : nullptr;
}

TcxGridColumnHeaderViewInfo* TcxGridColumnContainerViewInfo::FindItem(TcxGridColumn* column) {
    for (int i = 0; i < GetCount(); ++i)
        if (GetColumn(i) == column) return GetItem(i);
    return nullptr;
}

TcxGridColumnHeaderViewInfo* TcxGridColumnContainerViewInfo::CreateItem(int index) {
    return new TcxGridColumnHeaderViewInfo(this, GetColumn(index));
}

void TcxGridColumnContainerViewInfo::CreateItems() {
    itemsCreated_ = true;
    items_.clear();
    items_.resize(static_cast<size_t>(std::max(0, GetColumnCount())));
}

void TcxGridColumnContainerViewInfo::DestroyItems() {
    items_.clear();
    itemsCreated_ = false;
}

int TcxGridColumnContainerViewInfo::GetItemHeight() {
    if (itemHeight_ == -1) itemHeight_ = CalculateItemHeight();
    return itemHeight_;
}

int TcxGridColumnContainerViewInfo::GetDefaultItemHeight() {
    EnsureCalculated();
    const int border = GetLookAndFeelPainter()->GetHeaderBorderWidth();
    return GetGridViewInfo()->GetTextHeight(ViewParams.Font) + 4 + 2 * border;
}

int TcxGridColumnContainerViewInfo::CalculateItemHeight() { return GetDefaultItemHeight(); }

int TcxGridColumnContainerViewInfo::GetLevelIndentsWidth() {
    // A level indent is the expand button with 3 pixels on each side.
    const int levelIndent = GetTableViewInfo()->GetExpandButtonSize() + 2 * 3;
    return GetGridView()->GetGroupedColumnCount() * levelIndent;
}

int TcxGridColumnContainerViewInfo::GetColumnIndent(TcxGridColumn* column) {
    return column->IsLeftmostInView() ? GetLevelIndentsWidth() : 0;
}

int TcxGridColumnContainerViewInfo::GetColumnMinWidth(TcxGridColumn* column) {
    return column->GetMinWidth() + GetColumnIndent(column);
}

int TcxGridColumnContainerViewInfo::GetColumnWidth(TcxGridColumn* column) {
    return column->GetWidth() + GetColumnIndent(column);
}

TRect TcxGridColumnContainerViewInfo::GetItemClipBounds() {
    // The records area widened to the parts: scrolled headers never cover the indicator.
    TRect r = GetGridViewInfo()->GetClientBounds();
    const TRect view = GetGridViewInfo()->GetBounds();
    r.Top = view.Top;
    r.Bottom = view.Bottom;
    return r;
}

TcxCustomGridHitTest* TcxGridColumnContainerViewInfo::GetItemHitTest(TPoint p) {
    for (int i = 0; i < GetCount(); ++i) {
        TcxGridColumnHeaderViewInfo* item = GetCreatedItem(i);
        if (item && item->IsCalculated())
            if (TcxCustomGridHitTest* hitTest = item->GetHitTest(p)) return hitTest;
    }
    return nullptr;
}

TRect TcxGridColumnContainerViewInfo::GetZonesAreaBounds() {
    TRect r = Bounds;
    r.Right = GetGridViewInfo()->GetClientBounds().Right;
    return r;
}

int TcxGridColumnContainerViewInfo::GetItemZone(TPoint p) {
    if (!GetVisible() || !PtInRect(GetZonesAreaBounds(), p)) return -1;
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        const TRect r = GetItem(i)->Bounds;
        if (p.X < (r.Left + r.Right) / 2) return i;
    }
    return count;
}

TcxCustomGridCellPainterClass TcxGridColumnContainerViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridColumnContainerPainter>();
}

void TcxGridColumnContainerViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    TcxCustomGridPartViewInfo::InitHitTest(hitTest);
    if (auto* columnHitTest = dynamic_cast<TcxCustomGridColumnHitTest*>(hitTest))
        columnHitTest->ColumnContainerKind = static_cast<TcxGridColumnContainerKind>(GetContainerKind());
}

void TcxGridColumnContainerViewInfo::DoOffset(int dx, int dy) {
    TcxCustomGridPartViewInfo::DoOffset(dx, dy);
    for (const auto& item : items_)
        if (item) item->Offset(dx, dy);
}

void TcxGridColumnContainerViewInfo::BeforeRecalculation() {
    TcxCustomGridPartViewInfo::BeforeRecalculation();
    itemHeight_ = -1;
    for (const auto& item : items_)
        if (item) item->BeforeRecalculation();
}

TcxCustomGridHitTest* TcxGridColumnContainerViewInfo::GetHitTest(TPoint p) {
    if (TcxCustomGridHitTest* hitTest = GetItemHitTest(p)) return hitTest;
    return TcxCustomGridPartViewInfo::GetHitTest(p);
}

// ---- header part ----

int TcxGridHeaderViewInfoSpecific::GetItemHeight() { return containerViewInfo_->GetItemHeight(); }

TcxGridHeaderViewInfo::TcxGridHeaderViewInfo(TcxCustomGridTableViewInfo* gridViewInfo)
    : TcxGridColumnContainerViewInfo(gridViewInfo), specific_(std::make_unique<TcxGridHeaderViewInfoSpecific>(this)) {}

TcxGridHeaderViewInfo::~TcxGridHeaderViewInfo() = default;

int TcxGridHeaderViewInfo::CalculateHeight() { return GetVisible() ? specific_->GetHeight() : 0; }

int TcxGridHeaderViewInfo::CalculateWidth() {
    int width = 0;
    for (int i = 0; i < GetCount(); ++i) width += GetItem(i)->CalculateWidth();
    return width;
}

const TMetaClass* TcxGridHeaderViewInfo::GetHitTestClass() { return TcxGridHeaderHitTest::StaticClass(); }

TcxCustomGridCellPainterClass TcxGridHeaderViewInfo::GetPainterClass() { return CellPainterClassOf<TcxGridHeaderPainter>(); }

void TcxGridHeaderViewInfo::GetViewParams(TcxPartParams& params) { GetGridView()->GetStyles()->GetHeaderParams(nullptr, params); }

bool TcxGridHeaderViewInfo::GetVisible() { return GetOptionsView()->GetHeader(); }

void TcxGridHeaderViewInfo::DoOffset(int dx, int dy) {
    TcxGridColumnContainerViewInfo::DoOffset(dx, dy);
    RecalculateVisibility();
}

void TcxGridHeaderViewInfo::RecalculateVisibility() {
    for (int i = 0; i < GetCount(); ++i)
        if (TcxGridColumnHeaderViewInfo* item = GetCreatedItem(i))
            item->CalculateVisible(item->Bounds.Left, item->Bounds.Right - item->Bounds.Left);
}

void TcxGridHeaderViewInfo::Calculate(int left, int top, int width, int height) {
    TcxGridColumnContainerViewInfo::Calculate(left, top, width, height);
    CalculateItems();
}

void TcxGridHeaderViewInfo::HidePart() {
    if (!KeepsLayoutWhenHidden()) {
        TcxGridColumnContainerViewInfo::HidePart();
        return;
    }
    // The rows and the footer still take their column widths and places from the header cells.
    CalculatePart();
    Bounds = TRect{};
    ResetCachedBounds(Bounds);
}

void TcxGridHeaderViewInfo::CalculatePart() {
    CalculateColumnWidths();
    TcxGridColumnContainerViewInfo::CalculatePart();
}

TcxGridColumn* TcxGridHeaderViewInfo::GetColumn(int index) { return GetGridView()->GetVisibleColumn(index); }
int TcxGridHeaderViewInfo::GetColumnCount() { return GetGridView()->GetVisibleColumnCount(); }

int TcxGridHeaderViewInfo::CalculateItemHeight() {
    if (IsHeightAssigned()) return GetOptionsView()->GetHeaderHeight();
    int height = 0;
    for (int i = 0; i < GetCount(); ++i) height = std::max(height, GetItem(i)->CalculateHeight());
    return height > 0 ? height : TcxGridColumnContainerViewInfo::CalculateItemHeight();
}

bool TcxGridHeaderViewInfo::GetItemMultiLine() { return GetOptionsView()->GetHeaderAutoHeight(); }

TcxHeaderNeighbours TcxGridHeaderViewInfo::GetItemNeighbors(TcxGridColumn* column) {
    TcxHeaderNeighbours neighbours = 0;
    if (!column->IsFirstInRow()) neighbours |= cxBorder(bLeft);
    if (!column->IsLastInRow()) neighbours |= cxBorder(bRight);
    return neighbours;
}

bool TcxGridHeaderViewInfo::GetItemMultiLinePainting() { return IsHeightAssigned(); }
int TcxGridHeaderViewInfo::GetContainerKind() { return ckHeader; }

TRect TcxGridHeaderViewInfo::GetZonesAreaBounds() {
    TRect r = TcxGridColumnContainerViewInfo::GetZonesAreaBounds();
    InflateRect(r, 0, 15);
    return r;
}

void TcxGridHeaderViewInfo::AddIndicatorItem(TcxGridIndicatorViewInfo* indicator, int top) {
    indicator->AddItemAt(top, GetPartHeight(), TcxGridIndicatorHeaderItemViewInfo::StaticClass());
}

void TcxGridHeaderViewInfo::CalculateColumnAutoWidths() {
    TcxAutoWidthObject autoWidth(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        TcxGridColumnHeaderViewInfo* item = GetItem(i);
        TcxAutoWidthItem* entry = autoWidth.NewItem();
        entry->MinWidth = item->GetMinWidth();
        // From the column's own width, so that sharing the client again gives the same widths.
        entry->Width = GetColumnWidth(item->GetColumn());
        entry->Fixed = item->GetColumn()->HasFixedWidth();
    }
    const TRect client = GetGridViewInfo()->GetClientBounds();
    autoWidth.AvailableWidth = client.Right - client.Left;
    autoWidth.DistributeWidth();
    for (int i = 0; i < GetCount(); ++i) GetItem(i)->SetWidth(autoWidth.GetItem(i)->AutoWidth);
}

void TcxGridHeaderViewInfo::CalculateColumnWidths() {
    if (IsAutoWidth()) CalculateColumnAutoWidths();
}

void TcxGridHeaderViewInfo::CalculateItems() {
    const TRect area = GetItemsAreaBounds();
    int left = area.Left;
    for (int i = 0; i < GetCount(); ++i) {
        TcxGridColumnHeaderViewInfo* item = GetItem(i);
        const int width = item->CalculateWidth();
        item->Calculate(left, area.Top, width, GetItemHeight());
        left += width;
    }
}

bool TcxGridHeaderViewInfo::IsAutoWidth() { return GetOptionsView()->GetColumnAutoWidth(); }

bool TcxGridHeaderViewInfo::DrawBackground(TcxCanvas* canvas, const TRect& r) {
    TBitmap* bitmap = GetItemsBackgroundBitmap();
    if (!bitmap) return false;
    canvas->FillRectOrTile(r, bitmap, false);
    return true;
}

TBitmap* TcxGridHeaderViewInfo::GetItemsBackgroundBitmap() { return GetGridView()->GetBackgroundBitmaps()->GetBitmap(TcxGridTableBackgroundBitmaps::bbHeader); }
bool TcxGridHeaderViewInfo::IsHeightAssigned() { return GetOptionsView()->GetHeaderHeight() != 0; }

// ---- group-by box ----

int TcxGridGroupByBoxViewInfo::CalculateHeight() {
    const int count = GetColumnCount();
    if (count == 0) {
        EnsureCalculated();
        return GetGridViewInfo()->GetTextHeight(ViewParams.Font) + 4 + 2 + 16;
    }
    const int itemHeight = GetItemHeight();
    return itemHeight / 2 * (count + 1) + itemHeight % 2 + 16;
}

int TcxGridGroupByBoxViewInfo::CalculateWidth() {
    const TRect client = GetGridViewInfo()->GetClientBounds();
    return client.Right - client.Left;
}

TBitmap* TcxGridGroupByBoxViewInfo::GetBackgroundBitmap() { return GetGridView()->GetBackgroundBitmaps()->GetBitmap(TcxGridTableBackgroundBitmaps::bbGroupByBox); }
const TMetaClass* TcxGridGroupByBoxViewInfo::GetHitTestClass() { return TcxGridGroupByBoxHitTest::StaticClass(); }
TcxCustomGridCellPainterClass TcxGridGroupByBoxViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridGroupByBoxPainter>();
}

std::string TcxGridGroupByBoxViewInfo::CalculateText() {
    return GetColumnCount() > 0 ? std::string() : ResolveResourceString(scxGridGroupByBoxCaption);
}

TRect TcxGridGroupByBoxViewInfo::GetTextBounds() {
    TRect r = TcxGridColumnContainerViewInfo::GetTextBounds();
    r.Left += 6;
    return r;
}

void TcxGridGroupByBoxViewInfo::GetViewParams(TcxPartParams& params) {
    GetGridView()->GetStyles()->GetViewParams(vsGroupByBox, nullptr, nullptr, params);
}

bool TcxGridGroupByBoxViewInfo::GetVisible() { return GetOptionsView()->GetGroupByBox(); }

void TcxGridGroupByBoxViewInfo::Calculate(int left, int top, int width, int height) {
    TcxGridColumnContainerViewInfo::Calculate(left, top, width, height);
    int x = Bounds.Left + 6;
    for (int i = 0; i < GetCount(); ++i) {
        TcxGridColumnHeaderViewInfo* item = GetItem(i);
        const int itemWidth = item->CalculateWidth();
        item->Calculate(x, Bounds.Top + 8 + i * GetItemOffset(), itemWidth, GetItemHeight());
        x += itemWidth + 4;
    }
}

TcxGridColumnHeaderViewInfo* TcxGridGroupByBoxViewInfo::CreateItem(int index) {
    return new TcxGridGroupByBoxColumnHeaderViewInfo(this, GetColumn(index));
}

TcxGridColumn* TcxGridGroupByBoxViewInfo::GetColumn(int index) { return GetGridView()->GetGroupedColumn(index); }
int TcxGridGroupByBoxViewInfo::GetColumnCount() { return GetGridView()->GetGroupedColumnCount(); }

int TcxGridGroupByBoxViewInfo::CalculateItemHeight() {
    int height = 0;
    for (int i = 0; i < GetCount(); ++i) height = std::max(height, GetItem(i)->TcxGridColumnHeaderViewInfo::CalculateHeight());
    return height > 0 ? height : TcxGridColumnContainerViewInfo::CalculateItemHeight();
}

int TcxGridGroupByBoxViewInfo::GetColumnWidth(TcxGridColumn* column) {
    TcxGridColumnHeaderViewInfo* item = FindItem(column);
    if (!item) return 0;
    calculatingColumnWidth_ = true;
    int width = 0;
    try {
        width = item->GetWidthWithBorders();
    } catch (...) {
        calculatingColumnWidth_ = false;
        throw;
    }
    calculatingColumnWidth_ = false;
    return width;
}

int TcxGridGroupByBoxViewInfo::GetContainerKind() { return ckGroupByBox; }

TRect TcxGridGroupByBoxViewInfo::GetLinkLineBounds(int index, bool horizontal) {
    const TRect r = GetItem(index)->Bounds;
    if (horizontal) return TRect{r.Right - 8, r.Bottom + 3, r.Right + 4, r.Bottom + 4};
    return TRect{r.Right - 8, r.Bottom, r.Right - 7, r.Bottom + 4};
}

int TcxGridGroupByBoxColumnHeaderViewInfo::CalculateHeight() { return GetContainer()->GetItemHeight(); }

std::string TcxGridGroupByBoxColumnHeaderViewInfo::GetCaption() { return GetColumn()->GetAlternateCaptionText(); }

bool TcxGridGroupByBoxColumnHeaderViewInfo::ReservesFilterButtonSpace() {
    return static_cast<TcxGridGroupByBoxViewInfo*>(GetContainer())->IsCalculatingColumnWidth();
}

} // namespace zorvy
