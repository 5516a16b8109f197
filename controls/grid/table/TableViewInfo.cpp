// The table view info: its parts, records, navigator and no-data text, its hit tests and scrolling.
#include "controls/grid/table/TableViewInfo.h"

#include "controls/foundation/painters/Painter.h"
#include "controls/grid/navigator/NavigatorViewInfo.h"
#include "controls/grid/table/FilterBox.h"
#include "controls/grid/table/NavigatorSite.h"
#include "controls/grid/table/RecordsViewInfo.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/table/TableViewStyles.h"
#include "controls/foundation/scrollbars/ControlScrollBar.h"
#include "controls/grid/view/GridSite.h"

#include <algorithm>

namespace zorvy {

TcxCustomGridTableViewInfo::TcxCustomGridTableViewInfo(TcxCustomGridView* gridView)
    : TcxCustomGridViewInfo(gridView) {}

TcxCustomGridTableViewInfo::~TcxCustomGridTableViewInfo() = default;

TcxCustomGridTableView* TcxCustomGridTableViewInfo::GetGridView() const {
    return static_cast<TcxCustomGridTableView*>(TcxCustomGridViewInfo::GetGridView());
}

TcxCustomGridTableController* TcxCustomGridTableViewInfo::GetController() const { return GetGridView()->GetController(); }

TcxCustomGridTableViewData* TcxCustomGridTableViewInfo::GetViewData() const { return GetGridView()->GetViewData(); }

int TcxCustomGridTableViewInfo::GetFirstRecordIndex() const {
    return firstRecordIndex_ != -1 ? firstRecordIndex_ : GetController()->GetTopRecordIndex();
}

int TcxCustomGridTableViewInfo::GetVisibleRecordCount() const {
    return recordsViewInfo_ ? recordsViewInfo_->GetVisibleCount() : 0;
}

int TcxCustomGridTableViewInfo::GetExpandButtonSize() const {
    return GetGridView()->GetLookAndFeelPainter()->GetPlusMinusButtonSize();
}

// ---- view infos ----

void TcxCustomGridTableViewInfo::CreateViewInfos() {
    filterViewInfo_ = static_cast<TcxGridFilterViewInfo*>(CreatePart(GetFilterViewInfoClass()));
    TcxCustomGridViewInfo::CreateViewInfos();
    navigatorSiteViewInfo_ = CreateInstance<TcxNavigatorSiteViewInfo>(GetNavigatorSiteViewInfoClass(), this);
    if (!navigatorViewInfo_) navigatorViewInfo_ = std::make_unique<TcxNavigatorViewInfo>(this, true);
    recordsViewInfo_ = CreateInstance<TcxCustomGridRecordsViewInfo>(GetRecordsViewInfoClass(), this);
}

void TcxCustomGridTableViewInfo::DestroyViewInfos(bool recreating) {
    delete recordsViewInfo_;
    recordsViewInfo_ = nullptr;
    delete navigatorSiteViewInfo_;
    navigatorSiteViewInfo_ = nullptr;
    if (!recreating) navigatorViewInfo_.reset();
    TcxCustomGridViewInfo::DestroyViewInfos(recreating);
    delete filterViewInfo_;
    filterViewInfo_ = nullptr;
}

// ---- parts ----

TcxCustomGridPartViewInfo* TcxCustomGridTableViewInfo::CreatePart(const TMetaClass* partClass) {
    auto* part = CreateInstance<TcxCustomGridPartViewInfo>(partClass, this);
    part->AfterConstruction();
    return part;
}

void TcxCustomGridTableViewInfo::AddPart(TcxCustomGridPartViewInfo* part) {
    if (IndexOfPart(part) == -1) parts_.push_back(part);
}

void TcxCustomGridTableViewInfo::RemovePart(TcxCustomGridPartViewInfo* part) {
    auto it = std::find(parts_.begin(), parts_.end(), part);
    if (it != parts_.end()) parts_.erase(it);
}

int TcxCustomGridTableViewInfo::IndexOfPart(const TcxCustomGridPartViewInfo* part) const {
    auto it = std::find(parts_.begin(), parts_.end(), part);
    return it == parts_.end() ? -1 : static_cast<int>(it - parts_.begin());
}

void TcxCustomGridTableViewInfo::MovePart(TcxCustomGridPartViewInfo* part, int index) {
    RemovePart(part);
    index = std::clamp(index, 0, GetPartCount());
    parts_.insert(parts_.begin() + index, part);
}

int TcxCustomGridTableViewInfo::GetPartsHeight(TcxGridPartAlignment alignment) const {
    int height = 0;
    for (TcxCustomGridPartViewInfo* part : parts_)
        if (part->GetAlignment() == alignment) height += part->GetPartHeight();
    return height;
}

void TcxCustomGridTableViewInfo::CalculateParts() {
    for (TcxCustomGridPartViewInfo* part : std::vector<TcxCustomGridPartViewInfo*>(parts_)) part->RecalculatePart();
}

TRect TcxCustomGridTableViewInfo::GetPartBounds(TcxCustomGridPartViewInfo* part) {
    TRect r = GetClientBounds();
    if (part->SpansViewWidth()) {
        r.Left = GetBounds().Left;
        r.Right = GetBounds().Right;
    } else {
        r.Right = r.Left + part->CalculateWidth();
    }
    const int index = IndexOfPart(part);
    for (int i = GetPartCount() - 1; i >= index && i >= 0; --i) {
        TcxCustomGridPartViewInfo* other = GetPart(i);
        if (other->GetAlignment() == gpaTop)
            r.Top -= other->GetPartHeight();
        else
            r.Bottom += other->GetPartHeight();
    }
    if (part->GetAlignment() == gpaTop)
        r.Bottom = r.Top + part->GetPartHeight();
    else
        r.Top = r.Bottom - part->GetPartHeight();
    return r;
}

// ---- layout ----

void TcxCustomGridTableViewInfo::AdjustContentBounds(TRect& r) {
    TcxCustomGridViewInfo::AdjustContentBounds(r);
    TcxGridSite* site = GetSite();
    if (navigatorSiteViewInfo_ && navigatorSiteViewInfo_->GetVisible() && site && !site->HorzScrollBarShown())
        r.Bottom -= navigatorSiteViewInfo_->GetSiteHeight();
}

void TcxCustomGridTableViewInfo::AfterCalculating() {
    TcxCustomGridViewInfo::AfterCalculating();
    for (TcxCustomGridPartViewInfo* part : std::vector<TcxCustomGridPartViewInfo*>(parts_)) part->AfterCalculating();
}

void TcxCustomGridTableViewInfo::CalculateLayout() {
    CalculateParts();
    recordsViewInfo_->Calculate();
    TcxCustomGridViewInfo::CalculateLayout();
    if (navigatorSiteViewInfo_->GetVisible()) {
        const TRect r = GetNavigatorSiteBounds();
        int width = 0, height = r.Bottom - r.Top;
        navigatorViewInfo_->Calculate(width, height, false);
        navigatorSize_ = TPoint{width, height};
        navigatorSiteViewInfo_->CalculateFromBounds(GetNavigatorSiteBounds());
        navigatorViewInfo_->Update();
    }
}

TRect TcxCustomGridTableViewInfo::CalculateClientBounds() {
    TRect r = TcxCustomGridViewInfo::CalculateClientBounds();
    r.Top += GetTopPartsHeight();
    r.Bottom -= GetBottomPartsHeight();
    return r;
}

void TcxCustomGridTableViewInfo::ControlFocusChanged() {
    TcxCustomGridViewInfo::ControlFocusChanged();
    if (recordsViewInfo_) recordsViewInfo_->ControlFocusChanged();
}

TcxCustomGridHitTest* TcxCustomGridTableViewInfo::GetDefaultHitTest(TPoint p) {
    TcxGridSite* site = GetSite();
    TcxCustomGridHitTest* hitTest = nullptr;
    if (!site || PtInRect(site->GetContentBounds(), p)) {
        for (TcxCustomGridPartViewInfo* part : parts_)
            if (part->GetVisible() && (hitTest = part->GetHitTest(p))) break;
        if (!hitTest && recordsViewInfo_) hitTest = recordsViewInfo_->GetHitTest(p);
    } else if (navigatorSiteViewInfo_) {
        hitTest = navigatorSiteViewInfo_->GetHitTest(p);
    }
    return hitTest ? hitTest : TcxCustomGridViewInfo::GetDefaultHitTest(p);
}

void TcxCustomGridTableViewInfo::AddHorzScrollBarOffset(int& value) {
    TcxCustomGridViewInfo::AddHorzScrollBarOffset(value);
    if (navigatorSiteViewInfo_ && navigatorSiteViewInfo_->GetVisible()) value += navigatorSiteViewInfo_->GetSiteWidth();
}

bool TcxCustomGridTableViewInfo::GetIsInternal() const {
    return TcxCustomGridViewInfo::GetIsInternal() || firstRecordIndex_ != -1;
}

void TcxCustomGridTableViewInfo::SiteVisibilityChanged(bool visible) {
    if (recordsViewInfo_) recordsViewInfo_->VisibilityChanged(visible);
    TcxCustomGridViewInfo::SiteVisibilityChanged(visible);
}

// ---- navigator ----

int TcxCustomGridTableViewInfo::GetNavigatorOffset() const {
    return GetGridView()->GetOptionsView()->GetNavigatorOffset();
}

TRect TcxCustomGridTableViewInfo::GetNavigatorBounds() {
    TRect r = GetNavigatorSiteBounds();
    r.Right = r.Left + navigatorSize_.X;
    return r;
}

TRect TcxCustomGridTableViewInfo::GetNavigatorSiteBounds() {
    TcxGridSite* site = GetSite();
    const int width = navigatorSiteViewInfo_ ? navigatorSiteViewInfo_->GetSiteWidth() : 0;
    const int height = navigatorSiteViewInfo_ ? navigatorSiteViewInfo_->GetSiteHeight() : 0;
    TRect r;
    if (site && site->HorzScrollBarShown()) {
        // The scroll bar's line, left of where the bar starts (AddHorzScrollBarOffset moved it).
        const TRect content = site->GetContentBounds();
        r = TRect{content.Left, content.Bottom, content.Left + width, content.Bottom + site->GetHScrollBar()->GetHeight()};
        return r;
    }
    r = GetClientBounds();
    if (site && site->VertScrollBarShown()) r.Right += site->GetLookAndFeelPainter()->GetScrollBarSize().cx;
    // The strip reserved below the content bounds, under any bottom part: the navigator never
    // covers a filter box or footer laid out at the bottom.
    r.Top = GetBounds().Bottom;
    r.Bottom = r.Top + height;
    return r;
}

const TMetaClass* TcxCustomGridTableViewInfo::GetFilterViewInfoClass() const {
    return TcxGridFilterViewInfo::StaticClass();
}

const TMetaClass* TcxCustomGridTableViewInfo::GetNavigatorSiteViewInfoClass() const {
    return TcxNavigatorSiteViewInfo::StaticClass();
}

void TcxCustomGridTableViewInfo::NavigatorChanged(TcxNavigatorChangeType changeType) {
    GetGridView()->Changed(changeType == 0 ? vckProperty : vckLayout);
}

TcxCustomNavigatorButtons* TcxCustomGridTableViewInfo::GetNavigatorButtons() {
    return GetGridView()->GetNavigatorButtons();
}

TCanvas* TcxCustomGridTableViewInfo::GetNavigatorCanvas() {
    TcxCanvas* canvas = GetCanvas();
    return canvas ? canvas->GetCanvas() : nullptr;
}

TWinControl* TcxCustomGridTableViewInfo::GetNavigatorControl() { return GetSite(); }

TcxLookAndFeel* TcxCustomGridTableViewInfo::GetNavigatorLookAndFeel() { return GetGridView()->GetLookAndFeel(); }

TComponent* TcxCustomGridTableViewInfo::GetNavigatorOwner() { return GetGridView(); }

bool TcxCustomGridTableViewInfo::GetNavigatorShowHint() {
    return GetGridView()->GetOptionsBehavior()->GetNavigatorHints();
}

void TcxCustomGridTableViewInfo::RefreshNavigator() {
    if (navigatorViewInfo_) navigatorViewInfo_->UpdateButtonsEnabled();
}

void TcxCustomGridTableViewInfo::NavigatorStateChanged() {
    TcxCustomGridTableView* view = GetGridView();
    if (view->IsPattern() || !view->GetGrid() || !navigatorViewInfo_) return;
    navigatorViewInfo_->MakeDirty();
    int width = navigatorSize_.X, height = navigatorSize_.Y;
    navigatorViewInfo_->Calculate(width, height, false);
    if (TPoint{width, height} == navigatorSize_)
        view->Invalidate();
    else
        view->LayoutChanged(true);
}

// ---- records and the no-data text ----

std::string TcxCustomGridTableViewInfo::GetNoDataToDisplayText() const {
    return GetGridView()->GetOptionsView()->GetNoDataToDisplayText();
}

TRect TcxCustomGridTableViewInfo::GetRecordsAreaBounds() {
    TRect r = GetClientBounds();
    if (recordsViewInfo_ && !IsRectEmpty(recordsViewInfo_->ContentArea)) IntersectRect(r, r, recordsViewInfo_->ContentArea);
    return r;
}

void TcxCustomGridTableViewInfo::GetBackgroundParams(TcxPartParams& params) {
    GetGridView()->GetTableStyles()->GetViewParams(vsBackground, nullptr, nullptr, params);
}

bool TcxCustomGridTableViewInfo::ShowsNoDataText() {
    return recordsViewInfo_ && recordsViewInfo_->IsEmpty() && !GetNoDataToDisplayText().empty();
}

int TcxCustomGridTableViewInfo::GetNonRecordsAreaHeight(bool withScrollBar) {
    int height = GetTopPartsHeight() + GetBottomPartsHeight();
    if (withScrollBar) {
        bool fullyVisible = true;
        TcxCustomGridViewInfo::CalculateHeight(TPoint{0, 0}, height, fullyVisible);
    }
    return height;
}

// ---- scrolling an existing layout ----

void TcxCustomGridTableViewInfo::AfterOffset() { recordsViewInfo_->AfterOffset(); }

void TcxCustomGridTableViewInfo::ResetIncSearching() { recordsViewInfo_->ResetIncSearching(); }

void TcxCustomGridTableViewInfo::OffsetRecords(int recordCountDelta) { recordsViewInfo_->OffsetRecords(recordCountDelta); }

void TcxCustomGridTableViewInfo::OffsetRecordsBy(int dx, int dy) { recordsViewInfo_->Offset(dx, dy); }

bool TcxCustomGridTableViewInfo::CanOffsetRecords(int recordCountDelta) {
    return recordsViewInfo_->CanOffset(recordCountDelta);
}

void TcxCustomGridTableViewInfo::OffsetView(int recordCountDelta, int dx, int dy) {
    if (!CanOffsetView(recordCountDelta, dx, dy)) {
        Recalculate();
        return;
    }
    ResetIncSearching();
    if (recordCountDelta != 0)
        OffsetRecords(recordCountDelta);
    else
        OffsetRecordsBy(dx, dy);
    AfterOffset();
}

} // namespace zorvy
