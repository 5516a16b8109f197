// Group rows: the group cell, the summary cells and spacers, their layout and painters.
#include "controls/grid/tableview/GroupRowViewInfo.h"

#include "controls/data/DataController.h"
#include "controls/data/DataSummary.h"
#include "controls/foundation/classes/Classes.h"
#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/FooterViewInfo.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/Rows.h"

#include <algorithm>

namespace zorvy {

namespace {

constexpr int kOffice11GroupLineWidth = 2;
// Summaries under the columns keep clear of the group text and of the header edges.
constexpr int kColumnSummariesIndent = 4;
constexpr int kColumnSummaryHeaderInset = 2;

TRect ShrunkVertically(TRect r, int by) {
    r.Top += by;
    r.Bottom = std::max(r.Top, r.Bottom - by);
    return r;
}

} // namespace

// ---- the group cell ----

TcxGridGroupCellViewInfo::TcxGridGroupCellViewInfo(TcxGridGroupRowViewInfo* rowViewInfo)
    : TcxGridTableCellViewInfo(rowViewInfo) {}

TcxGridGroupRowViewInfo* TcxGridGroupCellViewInfo::GetRowViewInfo() const {
    return static_cast<TcxGridGroupRowViewInfo*>(GetRecordViewInfo());
}

TcxGridGroupRow* TcxGridGroupCellViewInfo::GetGroupRow() const { return GetRowViewInfo()->GetGroupRow(); }

int TcxGridGroupCellViewInfo::CalculateHeight() { return GetRowViewInfo()->GetDataHeight(); }

int TcxGridGroupCellViewInfo::CalculateWidth() { return GetRowViewInfo()->GetContentWidth(); }

std::string TcxGridGroupCellViewInfo::CalculateText() {
    TcxGridGroupRow* row = GetGroupRow();
    std::string text = row->GetGroupCaptionText();
    if (TcxGridColumn* column = row->GetGroupedColumn()) column->DoGetDisplayText(row, text);
    return text;
}

TcxAlignmentVert TcxGridGroupCellViewInfo::CalculateAlignmentVert() {
    return GetRowViewInfo()->GetRowStyle() == grsOffice11 ? vaBottom : vaCenter;
}

TRect TcxGridGroupCellViewInfo::CalculateTextAreaBounds() {
    TRect r = TcxGridTableCellViewInfo::CalculateTextAreaBounds();
    if (GetGroupRow()->CanExpand()) r.Left = std::min(r.Right, r.Left + GetRowViewInfo()->GetExpandButtonAreaWidth());
    return r;
}

TcxBorders TcxGridGroupCellViewInfo::CalculateBorders() {
    TcxBorders borders = GetRowViewInfo()->GetGridViewInfo()->GetCellBorders(true);
    if (GetRowViewInfo()->GetRowStyle() == grsOffice11) borders |= cxBorder(bBottom);
    return borders;
}

TColor TcxGridGroupCellViewInfo::GetBorderColor(TcxBorder side) {
    if (side == bBottom && GetRowViewInfo()->GetRowStyle() == grsOffice11)
        return static_cast<TColor>(Office11Colors().GroupRowLine);
    return GetRowViewInfo()->GetGridViewInfo()->GetGridLineColor();
}

int TcxGridGroupCellViewInfo::GetSideBorderWidth(TcxBorder side) {
    if (side == bBottom && GetRowViewInfo()->GetRowStyle() == grsOffice11) return kOffice11GroupLineWidth;
    return GetRowViewInfo()->GetGridViewInfo()->GetGridLineWidth();
}

TRect TcxGridGroupCellViewInfo::GetBorderBounds(TcxBorder side) {
    TRect r = TcxGridTableCellViewInfo::GetBorderBounds(side);
    if (side == bBottom && PaintsBottomBorderAsGroup()) {
        // The line under an expanded group joins the indent of the rows inside it; it ends where
        // the right border begins.
        r.Left = GetRowViewInfo()->GetLevelIndentBounds(GetRowViewInfo()->GetVisualLevel()).Left;
        if (Borders & cxBorder(bRight)) r.Right -= GetBorderWidth(bRight);
    }
    return r;
}

bool TcxGridGroupCellViewInfo::PaintsBottomBorderAsGroup() {
    return GetRowViewInfo()->GetRowStyle() == grsStandard && GetGroupRow()->GetExpanded() &&
           (Borders & cxBorder(bBottom));
}

TBitmap* TcxGridGroupCellViewInfo::GetBackgroundBitmap() {
    return GetRowViewInfo()->GetGridView()->GetBackgroundBitmaps()->GetBitmap(TcxGridTableBackgroundBitmaps::bbGroup);
}

void TcxGridGroupCellViewInfo::GetViewParams(TcxPartParams& params) {
    GetRowViewInfo()->GetGridView()->GetStyles()->GetGroupParams(GetGroupRow(), -1, params);
}

bool TcxGridGroupCellViewInfo::HasCustomDraw() { return GetRowViewInfo()->GetGridView()->HasCustomDrawGroupCell(); }

bool TcxGridGroupCellViewInfo::DoCustomDraw(TcxCanvas* canvas) {
    bool done = false;
    if (HasCustomDraw()) GetRowViewInfo()->GetGridView()->DoCustomDrawGroupCell(canvas, this, done);
    return done;
}

TcxCustomGridCellPainterClass TcxGridGroupCellViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridGroupCellPainter>();
}

// ---- spacers ----

TcxGridGroupRowSpacerViewInfo::TcxGridGroupRowSpacerViewInfo(TcxGridGroupRowViewInfo* rowViewInfo, std::string text)
    : TcxCustomGridViewCellViewInfo(rowViewInfo->GetGridViewInfo()), rowViewInfo_(rowViewInfo), text_(std::move(text)) {}

void TcxGridGroupRowSpacerViewInfo::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    BeforeRecalculation();
}

TcxAlignmentVert TcxGridGroupRowSpacerViewInfo::CalculateAlignmentVert() {
    return rowViewInfo_->GetGroupCellViewInfo()->CalculateAlignmentVert();
}

TRect TcxGridGroupRowSpacerViewInfo::CalculateTextAreaBounds() { return ShrunkVertically(GetContentBounds(), 2); }

void TcxGridGroupRowSpacerViewInfo::GetViewParams(TcxPartParams& params) {
    rowViewInfo_->GetGridView()->GetStyles()->GetGroupSummaryParams(rowViewInfo_->GetGroupRow(), nullptr, params);
}

// ---- summary cells ----

TcxGridGroupSummaryCellViewInfo::TcxGridGroupSummaryCellViewInfo(TcxGridGroupRowViewInfo* rowViewInfo,
                                                                 TcxDataSummaryItem* summaryItem, const Variant& value)
    : TcxCustomGridViewCellViewInfo(rowViewInfo->GetGridViewInfo()), rowViewInfo_(rowViewInfo),
      summaryItem_(summaryItem), value_(value) {
    spacer_ = std::make_unique<TcxGridGroupRowSpacerViewInfo>(rowViewInfo, GetSpacerText());
}

TcxGridColumn* TcxGridGroupSummaryCellViewInfo::GetColumn() const {
    return dynamic_cast<TcxGridColumn*>(summaryItem_->GetItemLink());
}

void TcxGridGroupSummaryCellViewInfo::SetIsLast(bool value) {
    if (isLast_ == value) return;
    isLast_ = value;
    spacer_->SetText(GetSpacerText());
    BeforeRecalculation();
}

std::string TcxGridGroupSummaryCellViewInfo::GetSpacerText() {
    if (isLast_) return {};
    auto* items = dynamic_cast<TcxDataGroupSummaryItems*>(summaryItem_->GetItemsCollection());
    return (items ? items->GetSeparator() : std::string(",")) + ' ';
}

std::string TcxGridGroupSummaryCellViewInfo::CalculateText() {
    // A value that cannot be formatted shows no text; the footer reports it once after the layout.
    try {
        return summaryItem_->GetValueText(value_, false);
    } catch (const std::exception& e) {
        if (TcxGridFooterViewInfo* footer = rowViewInfo_->GetGridViewInfo()->GetFooterViewInfo())
            footer->NoteTextFailure(e);
    }
    return {};
}

int TcxGridGroupSummaryCellViewInfo::CalculateWidth() { return GetTextWidth() + spacer_->CalculateWidth(); }

TAlignment TcxGridGroupSummaryCellViewInfo::CalculateAlignmentHorz() {
    TcxGridColumn* column = GetColumn();
    return column && rowViewInfo_->IsSummaryDistributed() ? column->GetGroupSummaryAlignment() : taLeftJustify;
}

TcxAlignmentVert TcxGridGroupSummaryCellViewInfo::CalculateAlignmentVert() {
    return rowViewInfo_->GetGroupCellViewInfo()->CalculateAlignmentVert();
}

TRect TcxGridGroupSummaryCellViewInfo::CalculateTextAreaBounds() {
    TRect r = ShrunkVertically(GetContentBounds(), 2);
    r.Right = std::max(r.Left, r.Right - spacer_->CalculateWidth());
    return r;
}

TRect TcxGridGroupSummaryCellViewInfo::GetSpacerBounds() {
    const TRect text = GetTextAreaBounds();
    return TRect{std::min(text.Left + GetTextWidth(), text.Right), Bounds.Top, Bounds.Right, Bounds.Bottom};
}

void TcxGridGroupSummaryCellViewInfo::Calculate(int left, int top, int width, int height) {
    TcxCustomGridViewCellViewInfo::Calculate(left, top, width, height);
    spacer_->CalculateFromBounds(GetSpacerBounds());
}

void TcxGridGroupSummaryCellViewInfo::DoOffset(int dx, int dy) {
    TcxCustomGridViewCellViewInfo::DoOffset(dx, dy);
    spacer_->DoOffset(dx, dy);
}

void TcxGridGroupSummaryCellViewInfo::GetViewParams(TcxPartParams& params) {
    rowViewInfo_->GetGridView()->GetStyles()->GetGroupSummaryParams(rowViewInfo_->GetGroupRow(), summaryItem_, params);
}

bool TcxGridGroupSummaryCellViewInfo::HasCustomDraw() {
    TcxGridColumn* column = GetColumn();
    return (column && column->HasCustomDrawGroupSummaryCell()) || rowViewInfo_->GetGridView()->HasCustomDrawGroupSummaryCell();
}

bool TcxGridGroupSummaryCellViewInfo::DoCustomDraw(TcxCanvas* canvas) {
    bool done = false;
    TcxGridColumn* column = GetColumn();
    TcxGridGroupRow* row = rowViewInfo_->GetGroupRow();
    if (column) column->DoCustomDrawGroupSummaryCell(canvas, row, summaryItem_, this, done);
    if (!done) rowViewInfo_->GetGridView()->DoCustomDrawGroupSummaryCell(canvas, row, column, summaryItem_, this, done);
    return done;
}

const TMetaClass* TcxGridGroupSummaryCellViewInfo::GetHitTestClass() { return TcxGridGroupSummaryHitTest::StaticClass(); }

void TcxGridGroupSummaryCellViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    rowViewInfo_->InitHitTest(hitTest);
    if (auto* summaryHitTest = dynamic_cast<TcxGridGroupSummaryHitTest*>(hitTest))
        summaryHitTest->SummaryItem = summaryItem_;
}

TcxCustomGridCellPainterClass TcxGridGroupSummaryCellViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridGroupSummaryCellPainter>();
}

// ---- the group row ----

TcxGridGroupRowViewInfo::TcxGridGroupRowViewInfo(TcxCustomGridRecordsViewInfo* recordsViewInfo,
                                                 TcxCustomGridRecord* record)
    : TcxCustomGridRowViewInfo(recordsViewInfo, record) {
    groupCell_ = std::make_unique<TcxGridGroupCellViewInfo>(this);
    CreateSummaryCells();
    if (HasTextSummaries() && !summaryCells_.empty()) {
        summaryBeginSpacer_ = std::make_unique<TcxGridGroupRowSpacerViewInfo>(this, GetSummaryBeginText());
        summaryEndSpacer_ = std::make_unique<TcxGridGroupRowSpacerViewInfo>(this, GetSummaryEndText());
    }
}

TcxGridGroupRowViewInfo::~TcxGridGroupRowViewInfo() {
    BeginDestruction();
    summaryBeginSpacer_.reset();
    summaryEndSpacer_.reset();
    summaryCells_.clear();
    groupCell_.reset();
}

TcxGridGroupRow* TcxGridGroupRowViewInfo::GetGroupRow() const { return static_cast<TcxGridGroupRow*>(GetGridRecord()); }

void TcxGridGroupRowViewInfo::CreateSummaryCells() {
    TcxDataGroupSummaryItems* items = nullptr;
    Variant values;
    TcxGridGroupRow* row = GetGroupRow();
    if (!row->GetDataController()->GetSummary().GetRowGroupSummary(row->GetIndex(), items, values)) return;
    for (int i = 0; i < items->GetCount(); ++i) {
        TcxDataSummaryItem* item = items->ItemAt(i);
        if (item->GetPosition() != spGroup) continue;
        const Variant value = values.IsArray() && i <= VarArrayHighBound(values, 1) ? values[i] : Variant();
        summaryCells_.push_back(std::make_unique<TcxGridGroupSummaryCellViewInfo>(this, item, value));
    }
}

TcxGridGroupSummaryLayout TcxGridGroupRowViewInfo::GetSummaryLayout() const {
    return GetGridViewInfo()->SupportsGroupSummaryLayout() ? GetGridView()->GetOptionsView()->GetGroupSummaryLayout()
                                                           : gslStandard;
}

TcxGridGroupRowStyle TcxGridGroupRowViewInfo::GetRowStyle() const {
    return GetGridView()->GetOptionsView()->GetGroupRowStyle();
}

int TcxGridGroupRowViewInfo::GetExpandButtonAreaWidth() const { return GetGridViewInfo()->GetLevelIndent(); }

bool TcxGridGroupRowViewInfo::IsSummaryDistributed() const {
    return GetSummaryLayout() == gslAlignWithColumnsAndDistribute;
}

std::vector<TcxGridGroupSummaryCellViewInfo*> TcxGridGroupRowViewInfo::GetTextSummaryCells() const {
    const bool all = GetSummaryLayout() == gslStandard;
    std::vector<TcxGridGroupSummaryCellViewInfo*> cells;
    for (const auto& cell : summaryCells_)
        if (all || !cell->GetColumn()) cells.push_back(cell.get());
    return cells;
}

bool TcxGridGroupRowViewInfo::HasTextSummaries() const {
    return GetSummaryLayout() == gslStandard || !GetTextSummaryCells().empty();
}

std::string TcxGridGroupRowViewInfo::GetSummaryBeginText() const {
    TcxDataGroupSummaryItems* items = GetGroupRow()->GetGroupSummaryItems();
    return ' ' + (items ? items->GetBeginText() : std::string());
}

std::string TcxGridGroupRowViewInfo::GetSummaryEndText() const {
    TcxDataGroupSummaryItems* items = GetGroupRow()->GetGroupSummaryItems();
    return items ? items->GetEndText() : std::string();
}

void TcxGridGroupRowViewInfo::Calculate(int left, int top, int width, int height) {
    TcxCustomGridRowViewInfo::Calculate(left, top, width, height);
    groupCell_->BeforeRecalculation();
    groupCell_->Calculate(GetContentLeft(), Bounds.Top, GetContentWidth(), GetDataHeight());
    if (!summaryCells_.empty()) CalculateSummaryCells();
}

void TcxGridGroupRowViewInfo::CalculateSummaryCells() {
    if (HasTextSummaries() && summaryBeginSpacer_) {
        std::vector<TcxGridGroupSummaryCellViewInfo*> cells = GetTextSummaryCells();
        summaryBeginSpacer_->CalculateFromBounds(GetSummaryBeginSpacerBounds());
        for (size_t i = 0; i < cells.size(); ++i) cells[i]->SetIsLast(i + 1 == cells.size());
        CalculateSummaryCellsBounds(cells, GetSummaryCellsAreaBounds(true), false, taLeftJustify);
        summaryEndSpacer_->CalculateFromBounds(GetSummaryEndSpacerBounds());
    }
    if (GetSummaryLayout() == gslStandard) return;
    TcxGridHeaderViewInfo* header = GetGridViewInfo()->GetHeaderViewInfo();
    for (int i = 0; i < header->GetCount(); ++i) {
        TcxGridColumnHeaderViewInfo* columnHeader = header->GetItem(i);
        std::vector<TcxGridGroupSummaryCellViewInfo*> cells;
        for (const auto& cell : summaryCells_)
            if (cell->GetColumn() && cell->GetColumn() == columnHeader->GetColumn()) cells.push_back(cell.get());
        if (cells.empty()) continue;
        for (size_t c = 0; c < cells.size(); ++c) cells[c]->SetIsLast(c + 1 == cells.size());
        CalculateSummaryCellsBounds(cells, GetColumnSummaryCellsAreaBounds(columnHeader), IsSummaryDistributed(),
                                    columnHeader->GetColumn()->GetGroupSummaryAlignment());
    }
}

TRect TcxGridGroupRowViewInfo::GetSummaryCellsAreaBounds(bool forTextSummaries) {
    TRect r = groupCell_->Bounds;
    const TRect text = groupCell_->GetTextBounds();
    r.Right = groupCell_->GetTextAreaBounds().Right;
    r.Left = std::min(text.Left + groupCell_->GetTextWidth(), r.Right);
    if (forTextSummaries) {
        if (summaryBeginSpacer_) r.Left = std::min(r.Left + summaryBeginSpacer_->CalculateWidth(), r.Right);
        if (summaryEndSpacer_) r.Right = std::max(r.Left, r.Right - summaryEndSpacer_->CalculateWidth());
    } else {
        if (HasTextSummaries() && summaryEndSpacer_) r.Left = summaryEndSpacer_->Bounds.Right;
        r.Left += kColumnSummariesIndent;
    }
    return r;
}

TRect TcxGridGroupRowViewInfo::GetColumnSummaryCellsAreaBounds(TcxGridColumnHeaderViewInfo* header) {
    TRect r = GetSummaryCellsAreaBounds(false);
    r.Left = std::max(r.Left, header->Bounds.Left + kColumnSummaryHeaderInset);
    r.Right = std::min(r.Right, header->Bounds.Right - kColumnSummaryHeaderInset);
    return r;
}

TRect TcxGridGroupRowViewInfo::GetSummaryBeginSpacerBounds() {
    const TRect area = GetSummaryCellsAreaBounds(true);
    const TRect text = groupCell_->GetTextAreaBounds();
    TRect r{area.Left - summaryBeginSpacer_->CalculateWidth(), groupCell_->Bounds.Top, area.Left,
            groupCell_->Bounds.Bottom};
    r.Right = std::min(r.Right, text.Right);
    r.Left = std::min(r.Left, r.Right);
    return r;
}

TRect TcxGridGroupRowViewInfo::GetSummaryEndSpacerBounds() {
    std::vector<TcxGridGroupSummaryCellViewInfo*> cells = GetTextSummaryCells();
    const TRect text = groupCell_->GetTextAreaBounds();
    const int left = cells.empty() ? GetSummaryCellsAreaBounds(true).Left : cells.back()->Bounds.Right;
    TRect r{left, groupCell_->Bounds.Top, left + summaryEndSpacer_->CalculateWidth(), groupCell_->Bounds.Bottom};
    r.Right = std::min(r.Right, text.Right);
    r.Left = std::min(r.Left, r.Right);
    return r;
}

int TcxGridGroupRowViewInfo::AlignSummaryCellsArea(const TRect& area, int totalWidth, bool distribute,
                                                    TAlignment alignment) {
    const int available = area.Right - area.Left;
    if (distribute || totalWidth >= available) return area.Left;
    if (alignment == taRightJustify) return area.Right - totalWidth;
    if (alignment == taCenter) return (area.Left + area.Right - totalWidth) / 2;
    return area.Left;
}

void TcxGridGroupRowViewInfo::CalculateSummaryCellsBounds(const std::vector<TcxGridGroupSummaryCellViewInfo*>& cells,
                                                          const TRect& area, bool distribute, TAlignment alignment) {
    TcxAutoWidthObject widths(static_cast<int>(cells.size()));
    for (TcxGridGroupSummaryCellViewInfo* cell : cells) {
        TcxAutoWidthItem* item = widths.NewItem();
        item->Width = item->MinWidth = cell->CalculateWidth();
    }
    widths.AvailableWidth = std::max(0, area.Right - area.Left);
    if (distribute) widths.DistributeWidth();
    int left = AlignSummaryCellsArea(area, widths.GetTotalWidth(), distribute, alignment);
    for (size_t i = 0; i < cells.size(); ++i) {
        TcxAutoWidthItem* item = widths.GetItem(static_cast<int>(i));
        const int width = distribute ? item->AutoWidth : item->Width;
        const int right = std::max(left, std::min(left + width, area.Right));
        cells[i]->CalculateFromBounds(TRect{left, area.Top, right, area.Bottom});
        left = right;
    }
}

void TcxGridGroupRowViewInfo::CalculateExpandButtonBounds(TRect& r) {
    if (IsRectEmpty(Bounds)) {
        r = TRect{};
        return;
    }
    const int size = GetLookAndFeelPainter()->GetPlusMinusButtonSize();
    const int left = GetContentLeft() + GetGridViewInfo()->GetExpandButtonIndent();
    const int top = Bounds.Top + (GetDataHeight() - size) / 2;
    r = TRect{left, top, left + size, top + size};
}

TRect TcxGridGroupRowViewInfo::GetExpandButtonAreaBounds() {
    const int left = GetContentLeft();
    return TRect{left, Bounds.Top, left + GetExpandButtonAreaWidth(), Bounds.Top + GetDataHeight()};
}

TRect TcxGridGroupRowViewInfo::GetFocusRectBounds() { return GetExpandButtonAreaBounds(); }

bool TcxGridGroupRowViewInfo::HasSeparator() { return GetRowStyle() != grsOffice11; }

TRect TcxGridGroupRowViewInfo::GetSeparatorBounds() {
    TRect r = TcxCustomGridRowViewInfo::GetSeparatorBounds();
    if (GetGroupRow()->GetExpanded()) r.Left = std::max(r.Left, GetContentLeft() + GetExpandButtonAreaWidth());
    return r;
}

TRect TcxGridGroupRowViewInfo::GetExpandButtonSeparatorBounds() {
    const TRect separator = GetSeparatorBounds();
    const int left = GetContentLeft();
    return TRect{left, separator.Top, std::min(left + GetExpandButtonAreaWidth(), separator.Left), separator.Bottom};
}

bool TcxGridGroupRowViewInfo::CanSize() { return GetGridView()->GetOptionsCustomize()->GetGroupRowSizing(); }

void TcxGridGroupRowViewInfo::CheckHeight(int& height) {
    TcxCustomGridRowViewInfo::CheckHeight(height);
    const int minimum = GetGridView()->CalculateGroupRowHeight(true) + GetNonDataHeight();
    height = std::max(height, minimum);
}

void TcxGridGroupRowViewInfo::SetRowHeight(int height) {
    GetGridView()->GetOptionsView()->SetGroupRowHeight(height - GetNonDataHeight());
}

bool TcxGridGroupRowViewInfo::HasFooter(int level) {
    if (level == 0 && GetGridView()->GetOptionsView()->GetGroupFooters() == gfAlwaysVisible &&
        !GetGroupRow()->GetExpanded()) {
        TcxGridColumn* column = GetGroupRow()->GetGroupedColumn();
        return column && column->ShowsGroupFooters();
    }
    return TcxCustomGridRowViewInfo::HasFooter(level);
}

void TcxGridGroupRowViewInfo::DoOffset(int dx, int dy) {
    TcxCustomGridRowViewInfo::DoOffset(dx, dy);
    groupCell_->DoOffset(dx, dy);
    if (summaryBeginSpacer_) summaryBeginSpacer_->DoOffset(dx, dy);
    if (summaryEndSpacer_) summaryEndSpacer_->DoOffset(dx, dy);
    for (const auto& cell : summaryCells_) cell->DoOffset(dx, dy);
}

TcxCustomGridHitTest* TcxGridGroupRowViewInfo::GetHitTest(TPoint p) {
    TcxCustomGridHitTest* hitTest = TcxCustomGridRowViewInfo::GetHitTest(p);
    if (!hitTest || hitTest->GetViewInfo() != this) return hitTest;
    for (const auto& cell : summaryCells_)
        if (cell->IsCalculated() && cell->HasPoint(p)) {
            hitTest = TcxCustomGridHitTest::GetInstance(TcxGridGroupSummaryHitTest::StaticClass(), p);
            cell->InitHitTest(hitTest);
            return hitTest;
        }
    return hitTest;
}

TcxCustomGridCellPainterClass TcxGridGroupRowViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridGroupRowPainter>();
}

} // namespace zorvy
