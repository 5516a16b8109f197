// The details site's layout: sizes from the active view within the limits, the client area inside
// the frame and the tab strip, placement, hit tests and the cached info handed to a replacement.
#include "controls/grid/control/DetailsSite.h"

#include "controls/foundation/painters/Painter.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewInfo.h"

#include <algorithm>
#include <climits>

namespace zorvy {

namespace {

template <class T> TcxCustomGridDetailsSiteTabsViewInfo* MakeTabs(TcxCustomGridDetailsSiteViewInfo* site) {
    auto* tabs = new T(site);
    tabs->CreateTabs();
    return tabs;
}

} // namespace

TcxCustomGridDetailsSiteViewInfo::TcxCustomGridDetailsSiteViewInfo(TcxGridLevel* level)
    : TcxComponent(nullptr), level_(level) {}

void TcxCustomGridDetailsSiteViewInfo::AfterConstruction() {
    if (TcxGridDetailsSiteTabsViewInfoClass tabsClass = GetTabsViewInfoClass()) tabsViewInfo_.reset(tabsClass(this));
}

void TcxCustomGridDetailsSiteViewInfo::BeforeDestruction() {
    VisibilityChanged(false);
}

TcxCustomGridDetailsSiteViewInfo::~TcxCustomGridDetailsSiteViewInfo() {
    tabsViewInfo_.reset();
}

void TcxCustomGridDetailsSiteViewInfo::Notification(TComponent* component, TOperation operation) {
    TcxComponent::Notification(component, operation);
    if (operation == opRemove && component == activeGridView_) {
        activeGridView_ = nullptr;
        activeGridViewFound_ = false;
    }
}

const TcxCustomLookAndFeelPainter* TcxCustomGridDetailsSiteViewInfo::GetLookAndFeelPainter() const {
    TcxCustomGrid* grid = level_ ? level_->GetControl() : nullptr;
    return grid ? grid->GetLookAndFeelPainter() : PainterForKind(lfStandard);
}

// ---- active view ----

bool TcxCustomGridDetailsSiteViewInfo::HasActiveGridView() {
    return activeGridView_ && !activeGridView_->IsBeingDestroyed();
}

TcxCustomGridView* TcxCustomGridDetailsSiteViewInfo::GetActiveGridView() {
    if (!activeGridViewFound_) {
        activeGridViewFound_ = true;
        activeGridView_ = FindActiveGridView();
        if (activeGridView_) activeGridView_->FreeNotification(this);
    }
    return HasActiveGridView() ? activeGridView_ : nullptr;
}

void TcxCustomGridDetailsSiteViewInfo::VisibilityChanged(bool visible) {
    if (HasActiveGridView()) activeGridView_->GetViewInfo()->UpdateSiteVisibility(visible);
}

// ---- appearance ----

TColor TcxCustomGridDetailsSiteViewInfo::GetBackgroundColor() {
    TcxCustomGrid* grid = level_->GetControl();
    return grid ? grid->GetColor() : clBtnFace;
}

TColor TcxCustomGridDetailsSiteViewInfo::GetFrameColor() {
    return level_->GetOptions()->GetEffectiveDetailFrameColor();
}

int TcxCustomGridDetailsSiteViewInfo::GetFrameWidth() {
    return level_->GetOptions()->GetDetailFrameWidth();
}

int TcxCustomGridDetailsSiteViewInfo::GetMaxNormalHeight() {
    return INT_MAX;
}

TcxGridDetailsSitePainterClass TcxCustomGridDetailsSiteViewInfo::GetPainterClass() {
    return [](TcxCanvas* canvas, TcxCustomGridDetailsSiteViewInfo* viewInfo) {
        return new TcxGridDetailsSitePainter(canvas, viewInfo);
    };
}

TcxGridDetailsSiteTabsViewInfoClass TcxCustomGridDetailsSiteViewInfo::GetTabsViewInfoClass() {
    switch (level_->GetOptions()->GetDetailTabsPosition()) {
    case dtpLeft:
        return &MakeTabs<TcxGridDetailsSiteLeftTabsViewInfo>;
    case dtpTop:
        return &MakeTabs<TcxGridDetailsSiteTopTabsViewInfo>;
    default:
        return nullptr;
    }
}

void TcxCustomGridDetailsSiteViewInfo::GetTabDefaultViewParams(TcxPartParams& params) {
    level_->GetStyles()->GetViewParams(lsTab, nullptr, nullptr, params);
}

void TcxCustomGridDetailsSiteViewInfo::GetTabParams(TcxGridLevel* tabLevel, TcxPartParams& params) {
    level_->GetStyles()->GetTabParams(GetMasterRecord(), tabLevel, params);
}

bool TcxCustomGridDetailsSiteViewInfo::IsTabNeeded(TcxGridLevel* level) {
    return level_->GetOptions()->GetTabsForEmptyDetails() || HasDataForLevel(level);
}

// ---- cached info ----

const TMetaClass* TcxCustomGridDetailsSiteViewInfo::GetCachedInfoClass() const {
    return TcxCustomGridDetailsSiteViewInfoCachedInfo::StaticClass();
}

void TcxCustomGridDetailsSiteViewInfo::GetCachedInfo(TcxCustomGridDetailsSiteViewInfoCachedInfo*& info) {
    info = CreateInstance<TcxCustomGridDetailsSiteViewInfoCachedInfo>(GetCachedInfoClass());
    info->Value = tabsViewInfo_ ? tabsViewInfo_->GetCachedValue() : 0;
}

void TcxCustomGridDetailsSiteViewInfo::SetCachedInfo(TcxCustomGridDetailsSiteViewInfoCachedInfo*& info) {
    if (tabsViewInfo_ && info) tabsViewInfo_->SetCachedValue(info->Value);
    delete info;
    info = nullptr;
}

// ---- sizes ----

TRect TcxCustomGridDetailsSiteViewInfo::GetClientBounds() {
    TRect r = bounds_;
    if (tabsViewInfo_) tabsViewInfo_->AdjustClientBounds(r);
    const int frame = GetFrameWidth();
    InflateRect(r, -frame, -frame);
    return r;
}

TRect TcxCustomGridDetailsSiteViewInfo::GetFrameBounds() {
    TRect r = GetClientBounds();
    const int frame = GetFrameWidth();
    InflateRect(r, frame, frame);
    return r;
}

TPoint TcxCustomGridDetailsSiteViewInfo::GetMaxDetailSize() {
    const TRect client = GetClientBounds();
    const int nonClientWidth = (bounds_.Right - bounds_.Left) - (client.Right - client.Left);
    const int nonClientHeight = (bounds_.Bottom - bounds_.Top) - (client.Bottom - client.Top);
    return TPoint{GetMaxWidth() - nonClientWidth, GetMaxHeight() - nonClientHeight};
}

int TcxCustomGridDetailsSiteViewInfo::CalculateHeight() {
    int height = 0;
    if (TcxCustomGridView* view = GetActiveGridView()) {
        fullyVisible_ = false;
        view->GetViewInfo()->GetHeight(GetMaxDetailSize(), height, fullyVisible_);
    } else {
        fullyVisible_ = true;
        height = GetEmptyClientHeight();
    }
    const TRect client = GetClientBounds();
    height += (bounds_.Bottom - bounds_.Top) - (client.Bottom - client.Top);
    if (tabsViewInfo_) tabsViewInfo_->AdjustSiteHeight(height);
    normalHeight_ = std::min(height, GetMaxNormalHeight());
    if (fullyVisible_)
        height = std::max(0, std::min(height, GetMaxHeight()));
    else
        height = GetMaxHeight();
    normalHeight_ = std::max(normalHeight_, height);
    return height;
}

int TcxCustomGridDetailsSiteViewInfo::CalculateWidth() {
    int width = 0;
    if (TcxCustomGridView* view = GetActiveGridView())
        view->GetViewInfo()->GetWidth(GetMaxDetailSize(), width);
    else
        width = GetEmptyClientWidth();
    const TRect client = GetClientBounds();
    width += (bounds_.Right - bounds_.Left) - (client.Right - client.Left);
    if (tabsViewInfo_) tabsViewInfo_->AdjustSiteWidth(width);
    width = std::max(width, GetMinWidth());
    return std::min(width, GetMaxWidth());
}

// ---- placement and hit tests ----

void TcxCustomGridDetailsSiteViewInfo::Calculate(int left, int top) {
    const int width = GetWidth();
    const int height = GetHeight();
    bounds_ = TRect{left, top, left + width, top + height};
    if (tabsViewInfo_) tabsViewInfo_->Calculate(bounds_);
    if (TcxCustomGridView* view = GetActiveGridView()) view->GetViewInfo()->MainCalculate(GetClientBounds());
}

TcxCustomGridHitTest* TcxCustomGridDetailsSiteViewInfo::GetHitTest(TPoint p) {
    if (tabsViewInfo_)
        if (TcxCustomGridHitTest* hitTest = tabsViewInfo_->GetHitTest(p)) return hitTest;
    TcxCustomGridView* view = GetActiveGridView();
    if (!view || !view->GetSite()) return nullptr;
    TcxControl* site = view->GetSite();
    return view->GetViewInfo()->GetHitTest(TPoint{p.X - site->GetLeft(), p.Y - site->GetTop()});
}

void TcxCustomGridDetailsSiteViewInfo::Paint(TcxCanvas* canvas) {
    std::unique_ptr<TcxGridDetailsSitePainter> painter(GetPainterClass()(canvas, this));
    painter->Paint();
}

} // namespace zorvy
