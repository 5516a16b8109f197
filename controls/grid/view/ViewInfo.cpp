// The view's layout pass, client bounds, mouse position, site visibility (shown, detached or parked),
// hit tests, live cells and the per-record cache.
#include "controls/grid/view/ViewInfo.h"

#include "controls/data/DataController.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/view/CellViewInfo.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewOptions.h"
#include "platform/win/Input.h"

#include <algorithm>

namespace zorvy {

namespace {

constexpr TPoint kNoMousePos{0x7FFFFFFF, 0x7FFFFFFF};

} // namespace

void TcxCustomGridViewInfo::AfterConstruction() {
    site_ = TWeakLink<TcxGridSite>(CreateInstance<TcxGridSite>(GetSiteClass(), this));
    CreateViewInfos();
}

TcxCustomGridViewInfo::~TcxCustomGridViewInfo() {
    BeforeDestruction();
    delete site_.Get();
}

void TcxCustomGridViewInfo::BeforeDestruction() {
    if (viewInfosDestroyed_) return;
    viewInfosDestroyed_ = true;
    DestroyViewInfos(false);
}

TcxGridSite* TcxCustomGridViewInfo::GetSite() const {
    return site_.Get();
}

TcxCanvas* TcxCustomGridViewInfo::GetCanvas() const {
    TcxGridSite* site = GetSite();
    return site ? site->GetActiveCanvas() : nullptr;
}

bool TcxCustomGridViewInfo::IsInternal() const {
    if (GetIsInternal()) return true;
    TcxCustomGridView* master = GetGridView()->GetMasterGridView();
    return master && master->GetViewInfo() && master->GetViewInfo()->IsInternal();
}

// ---- cells ----

void TcxCustomGridViewInfo::CreateViewInfos() {
    viewInfosDestroyed_ = false;
    if (GetGridView()->HasState(csDesigning) && !designSelector_)
        designSelector_ = CreateInstance<TcxGridDesignSelectorViewInfo>(GetDesignSelectorViewInfoClass(), this);
}

void TcxCustomGridViewInfo::DestroyViewInfos(bool) {
    delete designSelector_;
    designSelector_ = nullptr;
}

void TcxCustomGridViewInfo::RecreateViewInfos() {
    clientBoundsAssigned_ = false;
    DestroyViewInfos(true);
    CreateViewInfos();
}

const TMetaClass* TcxCustomGridViewInfo::GetDesignSelectorViewInfoClass() const {
    return TcxGridDesignSelectorViewInfo::StaticClass();
}

const TMetaClass* TcxCustomGridViewInfo::GetSiteClass() const {
    return TcxGridSite::StaticClass();
}

// ---- client bounds ----

TRect TcxCustomGridViewInfo::GetClientBounds() {
    return clientBoundsAssigned_ ? clientBounds_ : CalculateClientBounds();
}

int TcxCustomGridViewInfo::GetClientWidth() {
    const TRect r = GetClientBounds();
    return r.Right - r.Left;
}

int TcxCustomGridViewInfo::GetClientHeight() {
    const TRect r = GetClientBounds();
    return r.Bottom - r.Top;
}

void TcxCustomGridViewInfo::SetClientBounds(const TRect& r) {
    clientBounds_ = r;
    clientBoundsAssigned_ = true;
}

// ---- layout pass ----

void TcxCustomGridViewInfo::MainCalculate(const TRect& bounds) {
    if (calculating_) return;
    BeforeCalculating();
    calculating_ = true;
    auto finish = [this] {
        calculating_ = false;
        AfterCalculating();
        UpdateSiteVisibility(true);
    };
    try {
        if (TcxGridSite* site = GetSite()) {
            site->SetBounds(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
            bounds_ = site->GetContentBounds();
        } else {
            bounds_ = TRect{0, 0, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top};
        }
        CalculateLayout();
    } catch (...) {
        finish();
        GetGridView()->LayoutPassEnded();
        throw;
    }
    finish();
    GetGridView()->LayoutPassEnded();
}

void TcxCustomGridViewInfo::Recalculate() {
    if (TcxGridSite* site = GetSite()) MainCalculate(site->GetBoundsRect());
}

void TcxCustomGridViewInfo::CalculateLayout() {
    if (designSelector_) {
        const TPoint p = GetDesignSelectorPosition();
        designSelector_->Calculate(p.X, p.Y);
    }
}

void TcxCustomGridViewInfo::AfterCalculating() {
    TcxCustomGridController* controller = GetController();
    if (!controller) return;
    if (!IsInternal()) controller->UpdateScrollBars();
    if (CanCheckCoordinates()) controller->CheckCoordinatesLocked();
}

void TcxCustomGridViewInfo::CalculateHeight(TPoint, int& height, bool&) {
    TcxGridSite* site = GetSite();
    if (site && site->HorzScrollBarShown()) height += site->GetLookAndFeelPainter()->GetScrollBarSize().cy;
}

void TcxCustomGridViewInfo::CalculateWidth(TPoint maxSize, int& width) {
    TcxGridSite* site = GetSite();
    if (site && site->VertScrollBarShown()) width += site->GetLookAndFeelPainter()->GetScrollBarSize().cx;
    width = std::min(width, maxSize.X);
}

void TcxCustomGridViewInfo::GetHeight(TPoint maxSize, int& height, bool& fullyVisible) {
    sizeCalculating_ = true;
    try {
        CalculateHeight(maxSize, height, fullyVisible);
    } catch (...) {
        sizeCalculating_ = false;
        throw;
    }
    sizeCalculating_ = false;
}

void TcxCustomGridViewInfo::GetWidth(TPoint maxSize, int& width) {
    sizeCalculating_ = true;
    try {
        CalculateWidth(maxSize, width);
    } catch (...) {
        sizeCalculating_ = false;
        throw;
    }
    sizeCalculating_ = false;
}

int TcxCustomGridViewInfo::GetTextHeight(TFont* font) {
    TcxCanvas* canvas = GetCanvas();
    if (!canvas) return 0;
    if (font) canvas->AssignFont(font);
    return canvas->MeasureTextHeight("Qq");
}

// ---- appearance ----

TBitmap* TcxCustomGridViewInfo::GetBackgroundBitmap() {
    TcxCustomGridBackgroundBitmaps* bitmaps = GetGridView()->GetBackgroundBitmaps();
    return bitmaps ? bitmaps->GetBitmap(0) : nullptr;
}

TColor TcxCustomGridViewInfo::GetBackgroundColor() {
    TcxPartParams params;
    GetGridView()->GetStyles()->GetViewParams(vsBackground, nullptr, nullptr, params);
    return params.Color;
}

// ---- mouse and site ----

void TcxCustomGridViewInfo::UpdateMousePos() {
    TcxGridSite* site = GetSite();
    if (site && site->IsParked()) return;
    TPoint p;
    if (site && site->HandleAllocated() && !site->InDesignMode() && GetCursorPos(p))
        mousePos_ = site->ScreenToClient(p);
    else
        mousePos_ = kNoMousePos;
}

bool TcxCustomGridViewInfo::CanUpdateSiteVisibility() {
    if (IsInternal() || sizeCalculating_) return false;
    TcxCustomDataController* data = GetDataController();
    return !(data && data->IsUpdatingItems());
}

void TcxCustomGridViewInfo::UpdateSiteVisibility(bool visible) {
    if (!CanUpdateSiteVisibility()) return;
    siteVisibilityChanging_ = true;
    try {
        SiteVisibilityChanged(visible && GetGridView()->GetVisible());
    } catch (...) {
        siteVisibilityChanging_ = false;
        throw;
    }
    siteVisibilityChanging_ = false;
}

void TcxCustomGridViewInfo::SiteVisibilityChanged(bool visible) {
    TcxGridSite* site = GetSite();
    if (!site) return;
    UpdateMousePos();
    if (visible) {
        TcxCustomGridView* master = GetGridView()->GetMasterGridView();
        TWinControl* container = master ? static_cast<TWinControl*>(master->GetSite()) : GetControl();
        if (site->GetParent() != container) site->SetParent(container);
    } else if (CanDetachSite()) {
        site->SetParent(nullptr);
    } else {
        site->SetLeft(cxGridSiteParkedLeft);
    }
}

bool TcxCustomGridViewInfo::CanDetachSite() {
    TcxCustomGrid* grid = GetControl();
    if (!grid || GetGridView()->IsBeingDestroyed()) return true;
    TcxGridSite* site = GetSite();
    if (!allowDetachSite_ || (site && site->Focused())) return false;
    TcxCustomGridView* focused = grid->GetFocusedView();
    if (!focused || !site) return true;
    for (TWinControl* p = focused->GetSite(); p; p = p->GetParent())
        if (p == site) return false;
    return true;
}

// ---- hit tests ----

TcxCustomGridHitTest* TcxCustomGridViewInfo::GetDefaultHitTest(TPoint p) {
    TcxCustomGridHitTest* hitTest = TcxCustomGridHitTest::GetInstance(TcxGridViewNoneHitTest::StaticClass(), p);
    hitTest->SetViewInfo(nullptr);
    InitHitTest(hitTest);
    return hitTest;
}

void TcxCustomGridViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    if (auto* viewHitTest = dynamic_cast<TcxCustomGridViewHitTest*>(hitTest)) viewHitTest->SetGridView(GetGridView());
}

TcxCustomGridHitTest* TcxCustomGridViewInfo::GetHitTest(TPoint p) {
    TcxCustomGridHitTest* result = designSelector_ ? designSelector_->GetHitTest(p) : nullptr;
    return result ? result : GetDefaultHitTest(p);
}

// ---- live cells ----

bool TcxCustomGridViewInfo::IsCellLive(TcxCustomGridCellViewInfo* cell) const {
    return std::find(liveCells_.begin(), liveCells_.end(), cell) != liveCells_.end();
}

void TcxCustomGridViewInfo::RemoveLiveCell(TcxCustomGridCellViewInfo* cell, bool all) {
    if (all) {
        liveCells_.erase(std::remove(liveCells_.begin(), liveCells_.end(), cell), liveCells_.end());
        return;
    }
    auto it = std::find(liveCells_.begin(), liveCells_.end(), cell);
    if (it != liveCells_.end()) liveCells_.erase(it);
}

// ---- cache ----

TcxCustomGridViewInfoCache::~TcxCustomGridViewInfoCache() {
    for (TcxCustomGridViewInfoCacheItem* item : items_) delete item;
}

TcxCustomGridViewInfoCacheItem* TcxCustomGridViewInfoCache::GetItem(int index) {
    if (index < 0) return nullptr;
    if (static_cast<size_t>(index) >= items_.size()) items_.resize(static_cast<size_t>(index) + 1, nullptr);
    TcxCustomGridViewInfoCacheItem*& item = items_[static_cast<size_t>(index)];
    if (!item) item = GetItemClass(index)(this, index);
    return item;
}

void TcxCustomGridViewInfoCache::SetCount(int count) {
    for (TcxCustomGridViewInfoCacheItem*& item : items_) {
        delete item;
        item = nullptr;
    }
    items_.assign(static_cast<size_t>(std::max(0, count)), nullptr);
}

void TcxCustomGridViewInfoCache::UnassignValues(bool keepMaster) {
    if (unassigning_) return;
    unassigning_ = true;
    try {
        for (TcxCustomGridViewInfoCacheItem* item : items_)
            if (item) item->UnassignValues(keepMaster);
        if (!keepMaster) {
            TcxCustomGridView* view = GetGridView();
            for (TcxCustomGridView* master = view->GetMasterGridView(); master; master = master->GetMasterGridView()) {
                const int index = view->GetMasterRecordIndex();
                if (TcxCustomGridViewInfoCache* cache = master->GetViewInfoCache(); cache && index != -1)
                    if (TcxCustomGridViewInfoCacheItem* item = cache->GetItem(index)) item->UnassignValues(false);
                view = master;
            }
        }
    } catch (...) {
        unassigning_ = false;
        throw;
    }
    unassigning_ = false;
}

} // namespace zorvy
