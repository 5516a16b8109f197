// The indicator column and its header, row and footer cells.
#include "controls/grid/tableview/IndicatorViewInfo.h"

#include "controls/data/DataController.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/table/TableItemMoving.h"
#include "controls/grid/table/TableViewInfo.h"
#include "controls/grid/tableview/FooterViewInfo.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTablePainters.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/Rows.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "platform/rtl/ResourceStrings.h"

#include <algorithm>

namespace zorvy {

ZORVY_RESOURCESTRING(scxGridColumnsQuickCustomizationHint, "Click here to show/hide/move columns");

int GetRecordIndicatorKind(TcxCustomGridRecord* record, bool multiSelect) {
    if (!record) return 0;
    if (auto* row = dynamic_cast<TcxCustomGridRow*>(record)) {
        if (row->IsFilterRow()) return 6;
        if (row->IsNewItemRow()) return 3;
    }
    if (record->IsEditing())
        return (record->GetDataController()->GetEditState() & TcxCustomDataController::dceInsert) ? 3 : 2;
    const bool selected = multiSelect && record->GetSelected();
    if (record->GetFocused()) return selected ? 5 : 1;
    return selected ? 4 : 0;
}

// ---- indicator ----

TcxGridIndicatorViewInfo::TcxGridIndicatorViewInfo(TcxCustomGridTableViewInfo* gridViewInfo)
    : TcxCustomGridViewCellViewInfo(gridViewInfo) {}

TcxGridIndicatorViewInfo::~TcxGridIndicatorViewInfo() {
    BeginDestruction();
    while (!items_.empty()) {
        TcxCustomGridIndicatorItemViewInfo* item = items_.back();
        items_.pop_back();
        item->indicator_ = nullptr;
        // A row cell belongs to its row: only unlinked here.
        if (auto* rowItem = dynamic_cast<TcxGridIndicatorRowItemViewInfo*>(item)) {
            rowItem->SetRowViewInfo(nullptr);
            continue;
        }
        delete item;
    }
}

TcxCustomGridTableViewInfo* TcxGridIndicatorViewInfo::GetTableViewInfo() const {
    return static_cast<TcxCustomGridTableViewInfo*>(GetGridViewInfo());
}

TcxGridTableView* TcxGridIndicatorViewInfo::GetGridView() const {
    return static_cast<TcxGridTableView*>(GetTableViewInfo()->GetGridView());
}

TcxGridHeaderViewInfo* TcxGridIndicatorViewInfo::FindHeader() const {
    TcxCustomGridTableViewInfo* viewInfo = GetTableViewInfo();
    for (int i = 0; i < viewInfo->GetPartCount(); ++i) {
        auto* part = dynamic_cast<TcxGridHeaderViewInfo*>(viewInfo->GetPart(i));
        if (part && !dynamic_cast<TcxGridFooterViewInfo*>(part)) return part;
    }
    return nullptr;
}

TcxGridFooterViewInfo* TcxGridIndicatorViewInfo::FindFooter() const {
    TcxCustomGridTableViewInfo* viewInfo = GetTableViewInfo();
    for (int i = 0; i < viewInfo->GetPartCount(); ++i)
        if (auto* part = dynamic_cast<TcxGridFooterViewInfo*>(viewInfo->GetPart(i))) return part;
    return nullptr;
}

TcxCustomGridIndicatorItemViewInfo* TcxGridIndicatorViewInfo::AddItem(TcxCustomGridIndicatorItemViewInfoClass itemClass) {
    auto* item = CreateInstance<TcxCustomGridIndicatorItemViewInfo>(itemClass, this);
    items_.push_back(item);
    return item;
}

TcxCustomGridIndicatorItemViewInfo* TcxGridIndicatorViewInfo::AddItemAt(int top, int height,
                                                                          TcxCustomGridIndicatorItemViewInfoClass itemClass) {
    TcxCustomGridIndicatorItemViewInfo* item = AddItem(itemClass);
    item->Calculate(Bounds.Left, top, CalculateWidth(), height);
    return item;
}

TcxGridIndicatorRowItemViewInfo* TcxGridIndicatorViewInfo::AddRowItem(TcxCustomGridRecordViewInfo* rowViewInfo) {
    auto* item = static_cast<TcxGridIndicatorRowItemViewInfo*>(AddItem(TcxGridIndicatorRowItemViewInfo::StaticClass()));
    item->SetRowViewInfo(rowViewInfo);
    return item;
}

bool TcxGridIndicatorViewInfo::GetRowItemBounds(TcxCustomGridRecord* record, TRect& bounds) const {
    for (TcxCustomGridIndicatorItemViewInfo* item : items_) {
        auto* rowItem = dynamic_cast<TcxGridIndicatorRowItemViewInfo*>(item);
        if (rowItem && rowItem->GetGridRecord() == record) {
            bounds = rowItem->Bounds;
            return true;
        }
    }
    bounds = TRect{};
    return false;
}

void TcxGridIndicatorViewInfo::RemoveItem(TcxCustomGridIndicatorItemViewInfo* item) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
}

int TcxGridIndicatorViewInfo::CalculateHeight() {
    const TRect client = GetTableViewInfo()->GetClientBounds();
    int height = client.Bottom - client.Top;
    if (TcxGridHeaderViewInfo* header = FindHeader()) height += header->GetPartHeight();
    if (TcxGridFooterViewInfo* footer = FindFooter()) height += footer->GetPartHeight();
    return height;
}

int TcxGridIndicatorViewInfo::CalculateWidth() {
    return GetVisible() ? GetGridView()->GetOptionsView()->GetIndicatorWidth() : 0;
}

bool TcxGridIndicatorViewInfo::AlwaysVisible() { return GetGridView()->GetOptionsCustomize()->GetColumnsQuickCustomization(); }
bool TcxGridIndicatorViewInfo::GetVisible() { return GetGridView()->GetOptionsView()->GetIndicator() || AlwaysVisible(); }
TBitmap* TcxGridIndicatorViewInfo::GetBackgroundBitmap() { return GetGridViewInfo()->GetBackgroundBitmap(); }
const TMetaClass* TcxGridIndicatorViewInfo::GetHitTestClass() { return TcxGridIndicatorHitTest::StaticClass(); }
TcxCustomGridCellPainterClass TcxGridIndicatorViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridIndicatorPainter>();
}

void TcxGridIndicatorViewInfo::GetViewParams(TcxPartParams& params) {
    params.Color = GetGridViewInfo()->GetBackgroundColor();
}

void TcxGridIndicatorViewInfo::Calculate(int left, int top, int width, int height) {
    TcxCustomGridViewCellViewInfo::Calculate(left, top, width, height);
    TcxGridHeaderViewInfo* header = FindHeader();
    if (header && header->GetVisible()) header->AddIndicatorItem(this, Bounds.Top);
    TcxGridFooterViewInfo* footer = FindFooter();
    if (footer && footer->GetVisible()) {
        const int footerHeight = footer->GetPartHeight();
        AddItemAt(Bounds.Bottom - footerHeight, footerHeight, TcxGridIndicatorFooterItemViewInfo::StaticClass());
    }
}

TcxCustomGridHitTest* TcxGridIndicatorViewInfo::GetHitTest(TPoint p) {
    for (TcxCustomGridIndicatorItemViewInfo* item : items_)
        if (item->IsCalculated())
            if (TcxCustomGridHitTest* hitTest = item->GetHitTest(p)) return hitTest;
    return TcxCustomGridViewCellViewInfo::GetHitTest(p);
}

// ---- items ----

TcxCustomGridIndicatorItemViewInfo::TcxCustomGridIndicatorItemViewInfo(TcxGridIndicatorViewInfo* indicator)
    : TcxCustomGridViewCellViewInfo(indicator->GetGridViewInfo()), indicator_(indicator) {}

TcxCustomGridIndicatorItemViewInfo::~TcxCustomGridIndicatorItemViewInfo() {
    BeginDestruction();
    if (indicator_) indicator_->RemoveItem(this);
}

int TcxCustomGridIndicatorItemViewInfo::CalculateWidth() { return indicator_ ? indicator_->CalculateWidth() : 0; }

bool TcxCustomGridIndicatorItemViewInfo::DoCustomDraw(TcxCanvas* canvas) {
    bool done = TcxCustomGridViewCellViewInfo::DoCustomDraw(canvas);
    if (!done) GetGridView()->DoCustomDrawIndicatorCell(canvas, this, done);
    return done;
}

bool TcxCustomGridIndicatorItemViewInfo::HasCustomDraw() { return GetGridView()->HasCustomDrawIndicatorCell(); }
const TMetaClass* TcxCustomGridIndicatorItemViewInfo::GetHitTestClass() { return TcxGridIndicatorHitTest::StaticClass(); }
TcxCustomGridCellPainterClass TcxCustomGridIndicatorItemViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxCustomGridIndicatorItemPainter>();
}

void TcxCustomGridIndicatorItemViewInfo::GetViewParams(TcxPartParams& params) {
    GetGridView()->GetStyles()->GetViewParams(vsIndicator, nullptr, nullptr, params);
}

bool TcxGridIndicatorHeaderItemViewInfo::ShowsCustomizationButton() {
    return GetGridView()->GetOptionsCustomize()->GetColumnsQuickCustomization();
}

std::string TcxGridIndicatorHeaderItemViewInfo::CalculateText() {
    return ResolveResourceString(scxGridColumnsQuickCustomizationHint);
}

TRect TcxGridIndicatorHeaderItemViewInfo::GetHintTextBounds(TPoint) {
    TRect r = Bounds;
    OffsetRect(r, 0, GetHeight() + 5);
    return r;
}

void TcxGridIndicatorHeaderItemViewInfo::GetViewParams(TcxPartParams& params) {
    GetGridView()->GetStyles()->GetHeaderParams(nullptr, params);
}

TcxGridIndicatorHeaderItemViewInfo::~TcxGridIndicatorHeaderItemViewInfo() {
    BeginDestruction();
    auto* controller = static_cast<TcxCustomGridTableController*>(GetController());
    if (controller && controller->HasItemsCustomizationPopup()) {
        TcxCustomGridPopup* popup = controller->GetItemsCustomizationPopup();
        if (popup->GetGridOwner() == this) popup->SetGridOwner(nullptr);
    }
}

TcxCustomGridPopup* TcxGridIndicatorHeaderItemViewInfo::GetDropDownWindow() {
    return static_cast<TcxCustomGridTableController*>(GetGridView()->GetController())->GetItemsCustomizationPopup();
}

bool TcxGridIndicatorHeaderItemViewInfo::CanAdoptDropDownWindow() {
    return static_cast<TcxCustomGridTableController*>(GetGridView()->GetController())->HasItemsCustomizationPopup();
}

const TMetaClass* TcxGridIndicatorHeaderItemViewInfo::GetHitTestClass() {
    return TcxGridIndicatorHeaderHitTest::StaticClass();
}

TcxCustomGridCellPainterClass TcxGridIndicatorHeaderItemViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridIndicatorHeaderItemPainter>();
}

TcxCustomGridRecord* TcxGridIndicatorRowItemViewInfo::GetGridRecord() const {
    return rowViewInfo_ ? rowViewInfo_->GetGridRecord() : nullptr;
}

int TcxGridIndicatorRowItemViewInfo::GetIndicatorKind() {
    return GetRecordIndicatorKind(GetGridRecord(), GetGridView()->GetOptionsSelection()->GetMultiSelect());
}

TRect TcxGridIndicatorRowItemViewInfo::GetSizingEdgeBounds() {
    return TRect{Bounds.Left, Bounds.Bottom - 4, Bounds.Right, Bounds.Bottom + 4};
}

bool TcxGridIndicatorRowItemViewInfo::CanSizeRow() {
    TcxCustomGridRecord* record = GetGridRecord();
    if (!record) return false;
    if (dynamic_cast<TcxGridGroupRow*>(record)) return GetGridView()->GetOptionsCustomize()->GetGroupRowSizing();
    return dynamic_cast<TcxGridDataRow*>(record) && GetGridView()->GetOptionsCustomize()->GetDataRowSizing();
}

TBitmap* TcxGridIndicatorRowItemViewInfo::GetBackgroundBitmap() { return GetGridView()->GetBackgroundBitmaps()->GetBitmap(TcxGridTableBackgroundBitmaps::bbIndicator); }
const TMetaClass* TcxGridIndicatorRowItemViewInfo::GetHitTestClass() { return TcxGridRowIndicatorHitTest::StaticClass(); }
TcxCustomGridCellPainterClass TcxGridIndicatorRowItemViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridIndicatorRowItemPainter>();
}

void TcxGridIndicatorRowItemViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    TcxCustomGridIndicatorItemViewInfo::InitHitTest(hitTest);
    if (auto* recordHitTest = dynamic_cast<TcxGridRecordHitTest*>(hitTest)) recordHitTest->SetGridRecord(GetGridRecord());
    if (auto* rowHitTest = dynamic_cast<TcxGridRowIndicatorHitTest*>(hitTest)) {
        rowHitTest->MultiSelect = GetGridView()->GetOptionsSelection()->GetMultiSelect();
    }
}

TcxCustomGridHitTest* TcxGridIndicatorRowItemViewInfo::GetHitTest(TPoint p) {
    if (CanSizeRow() && PtInRect(GetSizingEdgeBounds(), p)) {
        auto* hitTest = TcxCustomGridHitTest::Instance<TcxGridRowSizingEdgeHitTest>(p);
        InitHitTest(hitTest);
        return hitTest;
    }
    return TcxCustomGridIndicatorItemViewInfo::GetHitTest(p);
}

bool TcxGridIndicatorRowItemViewInfo::MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) {
    bool handled = TcxCustomGridIndicatorItemViewInfo::MouseDown(hitTest, button, shift);
    if (button == mbLeft && (shift & ssDouble) && hitTest && hitTest->GetHitTestCode() == htRowSizingEdge)
        if (auto* row = dynamic_cast<TcxCustomGridRowViewInfo*>(rowViewInfo_)) {
            row->SetRowHeight(0);
            handled = true;
        }
    return handled;
}

TcxGridFooterViewInfo* TcxGridIndicatorFooterItemViewInfo::GetFooter() const {
    TcxCustomGridTableViewInfo* viewInfo = GetIndicator()->GetTableViewInfo();
    for (int i = 0; i < viewInfo->GetPartCount(); ++i)
        if (auto* part = dynamic_cast<TcxGridFooterViewInfo*>(viewInfo->GetPart(i))) return part;
    return nullptr;
}

TcxBorders TcxGridIndicatorFooterItemViewInfo::CalculateBorders() { return GetLookAndFeelPainter()->GetFooterBorders(); }

int TcxGridIndicatorFooterItemViewInfo::GetSideBorderWidth(TcxBorder side) {
    const int width = GetLookAndFeelPainter()->GetFooterBorderWidth();
    return side == bTop ? width + GetSeparatorWidth() : width;
}

TBitmap* TcxGridIndicatorFooterItemViewInfo::GetBackgroundBitmap() {
    TcxGridFooterViewInfo* footer = GetFooter();
    return footer ? footer->GetBackgroundBitmap() : nullptr;
}

TcxCustomGridCellPainterClass TcxGridIndicatorFooterItemViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridIndicatorFooterItemPainter>();
}

TRect TcxGridIndicatorFooterItemViewInfo::GetContentBoundsBelowSeparator() {
    TRect r = Bounds;
    r.Top += GetSeparatorWidth();
    return r;
}

TRect TcxGridIndicatorFooterItemViewInfo::GetSeparatorBounds() {
    return TRect{Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Top + GetSeparatorWidth()};
}

int TcxGridIndicatorFooterItemViewInfo::GetSeparatorWidth() {
    TcxGridFooterViewInfo* footer = GetFooter();
    return footer ? footer->GetSeparatorWidth() : 0;
}

bool TcxGridIndicatorFooterItemViewInfo::HasSeparator() {
    TcxGridFooterViewInfo* footer = GetFooter();
    return footer && footer->HasSeparator();
}

} // namespace zorvy
