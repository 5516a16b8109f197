// The filter box strip and its buttons: visibility, sizes, placement, hit tests and clicks.
#include "controls/grid/table/FilterBox.h"

#include "controls/data/DataController.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/table/TableViewStyles.h"
#include "platform/rtl/ResourceStrings.h"

#include <algorithm>
#include <cmath>

namespace zorvy {

ZORVY_RESOURCESTRING(scxGridFilterIsEmpty, "<Filter is Empty>");
ZORVY_RESOURCESTRING(scxGridFilterCustomizeButtonCaption, "Customize...");

namespace {

TcxCustomGridTableView* TableViewOf(const TcxCustomGridViewCellViewInfo* cell) {
    return static_cast<TcxCustomGridTableView*>(cell->GetGridView());
}

} // namespace

// ---- the strip ----

TcxGridFilterViewInfo::TcxGridFilterViewInfo(TcxCustomGridTableViewInfo* gridViewInfo)
    : TcxCustomGridPartViewInfo(gridViewInfo) {
    buttons_.reset(CreateInstance<TcxGridFilterButtonsViewInfo>(GetButtonsViewInfoClass(), this));
}

TcxGridFilterViewInfo::~TcxGridFilterViewInfo() {
    BeginDestruction();
    buttons_.reset();
}

TcxDataFilterCriteria& TcxGridFilterViewInfo::GetFilter() const {
    return TableViewOf(this)->GetDataController()->GetFilter();
}

TcxGridFilterBox* TcxGridFilterViewInfo::GetFilterBox() const { return TableViewOf(this)->GetFilterBox(); }

TcxCustomGridTableFiltering* TcxGridFilterViewInfo::GetFiltering() const { return TableViewOf(this)->GetFiltering(); }

std::string TcxGridFilterViewInfo::GetFilterText() const {
    std::string text = GetFilter().GetFilterCaption();
    return text.empty() ? ResolveResourceString(scxGridFilterIsEmpty) : text;
}

const TMetaClass* TcxGridFilterViewInfo::GetButtonsViewInfoClass() const {
    return TcxGridFilterButtonsViewInfo::StaticClass();
}

TcxGridPartAlignment TcxGridFilterViewInfo::GetAlignment() {
    return GetFilterBox()->GetPosition() == fpTop ? gpaTop : gpaBottom;
}

bool TcxGridFilterViewInfo::GetVisible() {
    switch (GetFilterBox()->GetVisible()) {
    case fvAlways:
        return true;
    case fvNonEmpty:
        return !GetFilter().IsEmpty();
    default:
        return false;
    }
}

int TcxGridFilterViewInfo::CalculateHeight() {
    EnsureCalculated();
    return std::max(GetTextHeightWithMargins() + 6, buttons_->GetHeight());
}

int TcxGridFilterViewInfo::CalculateWidth() { return GetGridViewInfo()->GetClientWidth(); }

TRect TcxGridFilterViewInfo::CalculateTextAreaBounds() {
    TRect r = TcxCustomGridPartViewInfo::CalculateTextAreaBounds();
    r.Left += buttons_->GetLeftWidth() + 3;
    r.Right -= buttons_->GetRightWidth() + 3;
    return r;
}

void TcxGridFilterViewInfo::GetViewParams(TcxPartParams& params) {
    TableViewOf(this)->GetTableStyles()->GetViewParams(vsFilterBox, nullptr, nullptr, params);
}

TBitmap* TcxGridFilterViewInfo::GetBackgroundBitmap() {
    TcxCustomGridBackgroundBitmaps* bitmaps = TableViewOf(this)->GetBackgroundBitmaps();
    return bitmaps ? bitmaps->GetBitmap(2) : nullptr;
}

const TMetaClass* TcxGridFilterViewInfo::GetHitTestClass() { return TcxGridFilterHitTest::StaticClass(); }

TcxCustomGridHitTest* TcxGridFilterViewInfo::GetHitTest(TPoint p) {
    if (TcxCustomGridHitTest* hitTest = buttons_->GetHitTest(p)) return hitTest;
    if (!PtInRect(GetTextAreaBounds(), p)) return nullptr;
    return TcxCustomGridPartViewInfo::GetHitTest(p);
}

bool TcxGridFilterViewInfo::CanPress() {
    return buttons_->GetDropDownButton() && buttons_->GetDropDownButton()->GetVisible();
}

void TcxGridFilterViewInfo::StateChanged(TcxCustomGridCellState prevState) {
    TcxCustomGridPartViewInfo::StateChanged(prevState);
    TcxGridFilterDropDownButtonViewInfo* dropDown = buttons_->GetDropDownButton();
    if (GetState() == gcsPressed && dropDown && dropDown->GetState() != gcsPressed) dropDown->SetState(gcsPressed);
}

void TcxGridFilterViewInfo::DoInvalidate() { GetGridView()->InvalidateRect(GetTextAreaBounds()); }

void TcxGridFilterViewInfo::Calculate(int left, int top, int width, int height) {
    TcxCustomGridPartViewInfo::Calculate(left, top, width, height);
    buttons_->Calculate(GetButtonsAreaBounds());
}

void TcxGridFilterViewInfo::DoOffset(int dx, int dy) {
    TcxCustomGridPartViewInfo::DoOffset(dx, dy);
    for (int i = 0; i < buttons_->GetCount(); ++i) buttons_->GetItem(i)->Offset(dx, dy);
}

int TcxGridFilterViewInfo::GetTextRight() {
    const TRect area = GetTextAreaBounds();
    return std::min(area.Right, area.Left + GetTextWidth());
}

// ---- the buttons' placement ----

TcxGridFilterButtonsViewInfo::TcxGridFilterButtonsViewInfo(TcxGridFilterViewInfo* filterViewInfo)
    : filterViewInfo_(filterViewInfo) {
    CreateItems();
}

TcxGridFilterButtonsViewInfo::~TcxGridFilterButtonsViewInfo() { DestroyItems(); }

void TcxGridFilterButtonsViewInfo::CreateItems() {
    items_.push_back(new TcxGridFilterCloseButtonViewInfo(this));
    items_.push_back(new TcxGridFilterActivateButtonViewInfo(this));
    items_.push_back(new TcxGridFilterCustomizeButtonViewInfo(this));
    dropDownButton_ = new TcxGridFilterDropDownButtonViewInfo(this);
    items_.push_back(dropDownButton_);
}

void TcxGridFilterButtonsViewInfo::DestroyItems() {
    for (TcxCustomGridFilterButtonViewInfo* item : items_) delete item;
    items_.clear();
    dropDownButton_ = nullptr;
}

int TcxGridFilterButtonsViewInfo::GetHeight() {
    int height = 0;
    bool any = false;
    for (TcxCustomGridFilterButtonViewInfo* item : items_)
        if (item->GetVisible()) {
            any = true;
            height = std::max(height, item->CalculateHeight());
        }
    return any ? height + 8 : 0;
}

int TcxGridFilterButtonsViewInfo::GetSideWidth(bool right) {
    int width = 0;
    bool any = false;
    for (TcxCustomGridFilterButtonViewInfo* item : items_)
        if (item->GetVisible() && item->IsRightAligned() == right) {
            any = true;
            width += item->CalculateWidth() + 4;
        }
    return any ? width + 4 : 0;
}

int TcxGridFilterButtonsViewInfo::GetLeftWidth() { return GetSideWidth(false); }

int TcxGridFilterButtonsViewInfo::GetRightWidth() { return GetSideWidth(true); }

void TcxGridFilterButtonsViewInfo::Calculate(const TRect& bounds) {
    int left = bounds.Left + 4, right = bounds.Right - 4;
    for (TcxCustomGridFilterButtonViewInfo* item : items_) {
        if (!item->GetVisible()) continue;
        const int width = item->CalculateWidth(), height = item->CalculateHeight();
        const int top = static_cast<int>(std::lround((bounds.Top + bounds.Bottom - height) / 2.0));
        if (item->IsRightAligned()) {
            int itemLeft = right - width;
            // The drop-down button follows a short filter text.
            if (item == dropDownButton_) itemLeft = std::min(itemLeft, filterViewInfo_->GetTextRight() + 9);
            item->Calculate(itemLeft, top, width, height);
            right = itemLeft - 4;
        } else {
            item->Calculate(left, top, width, height);
            left += width + 4;
        }
    }
}

TcxCustomGridHitTest* TcxGridFilterButtonsViewInfo::GetHitTest(TPoint p) {
    for (TcxCustomGridFilterButtonViewInfo* item : items_)
        if (item->GetVisible())
            if (TcxCustomGridHitTest* hitTest = item->GetHitTest(p)) return hitTest;
    return nullptr;
}

// ---- the buttons ----

TcxCustomGridFilterButtonViewInfo::TcxCustomGridFilterButtonViewInfo(TcxGridFilterButtonsViewInfo* buttonsViewInfo)
    : TcxCustomGridViewCellViewInfo(buttonsViewInfo->GetFilterViewInfo()->GetGridViewInfo()),
      buttonsViewInfo_(buttonsViewInfo) {}

bool TcxCustomGridFilterButtonViewInfo::GetVisible() { return !GetFilterViewInfo()->GetFilter().IsEmpty(); }

TcxCanvas* TcxCustomGridFilterButtonViewInfo::GetCanvas() { return GetFilterViewInfo()->GetCanvas(); }

int TcxGridFilterCloseButtonViewInfo::CalculateHeight() { return GetLookAndFeelPainter()->GetFilterCloseButtonExtent().Y; }
int TcxGridFilterCloseButtonViewInfo::CalculateWidth() { return GetLookAndFeelPainter()->GetFilterCloseButtonExtent().X; }
void TcxGridFilterCloseButtonViewInfo::Click() { GetFilterViewInfo()->GetFilter().RemoveAllItems(); }
const TMetaClass* TcxGridFilterCloseButtonViewInfo::GetHitTestClass() {
    return TcxGridFilterCloseButtonHitTest::StaticClass();
}
TcxCustomGridCellPainterClass TcxGridFilterCloseButtonViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridFilterCloseButtonPainter>();
}

int TcxGridFilterActivateButtonViewInfo::CalculateHeight() {
    return GetLookAndFeelPainter()->GetFilterActivateButtonExtent().Y;
}
int TcxGridFilterActivateButtonViewInfo::CalculateWidth() {
    return GetLookAndFeelPainter()->GetFilterActivateButtonExtent().X;
}
void TcxGridFilterActivateButtonViewInfo::Click() {
    TcxDataFilterCriteria& filter = GetFilterViewInfo()->GetFilter();
    filter.SetActive(!filter.GetActive());
}
const TMetaClass* TcxGridFilterActivateButtonViewInfo::GetHitTestClass() {
    return TcxGridFilterActivateButtonHitTest::StaticClass();
}
TcxCustomGridCellPainterClass TcxGridFilterActivateButtonViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridFilterActivateButtonPainter>();
}

bool TcxGridFilterCustomizeButtonViewInfo::GetVisible() { return GetFilterViewInfo()->GetFilterBox()->GetCustomizeDialog(); }

int TcxGridFilterCustomizeButtonViewInfo::GetSideBorderWidth(TcxBorder) {
    return GetLookAndFeelPainter()->GetButtonEdgeWidth(cxbsNormal);
}

TcxBorders TcxGridFilterCustomizeButtonViewInfo::CalculateBorders() { return cxBordersAll; }

int TcxGridFilterCustomizeButtonViewInfo::CalculateHeight() {
    EnsureCalculated();
    return GetBorderWidth(bTop) + GetBorderWidth(bBottom) + GetTextHeightWithMargins() +
           2 * GetLookAndFeelPainter()->GetButtonContentOffset();
}

int TcxGridFilterCustomizeButtonViewInfo::CalculateWidth() {
    EnsureCalculated();
    return GetBorderWidth(bLeft) + GetBorderWidth(bRight) + GetTextWidthWithMargins() +
           2 * GetLookAndFeelPainter()->GetButtonContentOffset();
}

std::string TcxGridFilterCustomizeButtonViewInfo::CalculateText() {
    return ResolveResourceString(scxGridFilterCustomizeButtonCaption);
}

void TcxGridFilterCustomizeButtonViewInfo::GetViewParams(TcxPartParams& params) {
    GetFilterViewInfo()->GetViewParams(params);
}

// The filter dialog is not part of this program's grid yet: the button is shown but opens nothing.
void TcxGridFilterCustomizeButtonViewInfo::Click() { TableViewOf(this)->GetFiltering()->RunCustomizeDialog(nullptr); }

const TMetaClass* TcxGridFilterCustomizeButtonViewInfo::GetHitTestClass() {
    return TcxGridFilterCustomizeButtonHitTest::StaticClass();
}
TcxCustomGridCellPainterClass TcxGridFilterCustomizeButtonViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridFilterCustomizeButtonPainter>();
}

bool TcxGridFilterDropDownButtonViewInfo::GetVisible() { return GetFilterViewInfo()->GetFiltering()->HasMRUItems(); }
int TcxGridFilterDropDownButtonViewInfo::CalculateHeight() {
    return GetLookAndFeelPainter()->GetFilterCloseButtonExtent().Y;
}
int TcxGridFilterDropDownButtonViewInfo::CalculateWidth() {
    return GetLookAndFeelPainter()->GetFilterCloseButtonExtent().X;
}
void TcxGridFilterDropDownButtonViewInfo::StateChanged(TcxCustomGridCellState prevState) {
    TcxCustomGridFilterButtonViewInfo::StateChanged(prevState);
    TcxGridFilterViewInfo* filter = GetFilterViewInfo();
    if (prevState == gcsPressed && GetState() != gcsPressed && filter->GetState() == gcsPressed)
        filter->SetState(gcsNone);
}
const TMetaClass* TcxGridFilterDropDownButtonViewInfo::GetHitTestClass() {
    return TcxGridFilterDropDownButtonHitTest::StaticClass();
}
TcxCustomGridCellPainterClass TcxGridFilterDropDownButtonViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridFilterDropDownButtonPainter>();
}

TcxCustomGridCellPainterClass TcxGridFilterViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridFilterPainter>();
}

// ---- painters ----

void TcxGridFilterPainter::DrawBackgroundRect(const TRect& r) {
    TcxCustomGridCellViewInfo* viewInfo = GetViewInfo();
    static_cast<TcxGridFilterViewInfo*>(viewInfo)->GetLookAndFeelPainter()->DrawFilterPanelBackground(
        GetCanvas(), r, false, viewInfo->ViewParams.Color, viewInfo->GetBackgroundBitmap());
}

void TcxGridFilterPainter::PrepareCanvasForDrawText() {
    const TcxCustomGridCellState state = GetViewInfo()->GetState();
    TFont* font = GetCanvas()->CurrentFont();
    underlineAdded_ = (state == gcsHot || state == gcsPressed) && !(font->GetStyle() & fsUnderline);
    if (underlineAdded_) font->SetStyle(font->GetStyle() | fsUnderline);
}

void TcxGridFilterPainter::UnprepareCanvasForDrawText() {
    if (!underlineAdded_) return;
    TFont* font = GetCanvas()->CurrentFont();
    font->SetStyle(font->GetStyle() & ~fsUnderline);
    underlineAdded_ = false;
}

void TcxGridFilterPainter::Paint() {
    TcxCustomGridPartPainter::Paint();
    TcxGridFilterButtonsViewInfo* buttons = static_cast<TcxGridFilterViewInfo*>(GetViewInfo())->GetButtons();
    for (int i = 0; i < buttons->GetCount(); ++i)
        if (buttons->GetItem(i)->GetVisible()) buttons->GetItem(i)->Paint(GetCanvas());
}

TcxButtonState TcxCustomGridFilterButtonPainter::ButtonState() const { return GetViewInfo()->GetButtonState(); }

void TcxCustomGridFilterButtonPainter::Paint() { DrawButton(); }

namespace {

const TcxCustomLookAndFeelPainter* LookOf(TcxCustomGridCellViewInfo* viewInfo) {
    return static_cast<TcxCustomGridViewCellViewInfo*>(viewInfo)->GetLookAndFeelPainter();
}

} // namespace

void TcxGridFilterCloseButtonPainter::DrawButton() {
    LookOf(GetViewInfo())->DrawSmallCloseButton(GetCanvas(), GetViewInfo()->Bounds, ButtonState());
}

void TcxGridFilterActivateButtonPainter::DrawButton() {
    auto* button = static_cast<TcxCustomGridFilterButtonViewInfo*>(GetViewInfo());
    LookOf(button)->DrawFilterActivateButton(GetCanvas(), button->Bounds, ButtonState(),
                                             button->GetFilterViewInfo()->GetFilter().GetActive());
}

void TcxGridFilterCustomizeButtonPainter::DrawButton() {
    TcxCustomGridCellViewInfo* button = GetViewInfo();
    if (button->ViewParams.Font) GetCanvas()->AssignFont(button->ViewParams.Font);
    LookOf(button)->DrawPushButton(GetCanvas(), button->Bounds, button->Text, ButtonState());
}

void TcxGridFilterDropDownButtonPainter::DrawButton() {
    LookOf(GetViewInfo())->DrawFilterDropDownButton(GetCanvas(), GetViewInfo()->Bounds, ButtonState(), false);
}

} // namespace zorvy
