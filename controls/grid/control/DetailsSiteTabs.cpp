// The level tab strip of a details site (left and top), its tabs, and the painters of the site,
// the strip and a tab.
#include "controls/grid/control/DetailsSite.h"

#include "controls/foundation/painters/Painter.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/view/ViewController.h"

#include <algorithm>
#include <cctype>

namespace zorvy {

namespace {

// The strip base band's thickness, which enters every size of the strip.
constexpr int kBaseSize = 4;

template <class T>
TcxCustomGridDetailsSiteTabViewInfo* MakeTab(TcxCustomGridDetailsSiteTabsViewInfo* tabs, TcxGridLevel* level) {
    return new T(tabs, level);
}

// The character an accelerator sign marks in caption, or 0.
char HotKeyOf(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return caption[i + 1];
    }
    return 0;
}

} // namespace

// ---- strip ----

TcxCustomGridDetailsSiteTabsViewInfo::TcxCustomGridDetailsSiteTabsViewInfo(
    TcxCustomGridDetailsSiteViewInfo* siteViewInfo)
    : siteViewInfo_(siteViewInfo) {}

TcxCustomGridDetailsSiteTabsViewInfo::~TcxCustomGridDetailsSiteTabsViewInfo() = default;

void TcxCustomGridDetailsSiteTabsViewInfo::CreateTabs() {
    TcxGridLevel* level = GetLevel();
    const TcxGridDetailsSiteTabViewInfoClass tabClass = GetTabClass();
    for (int i = 0; i < level->GetVisibleCount(); ++i) {
        TcxGridLevel* child = level->GetVisibleItem(i);
        if (siteViewInfo_->IsTabNeeded(child)) tabs_.emplace_back(tabClass(this, child));
    }
}

TcxGridLevel* TcxCustomGridDetailsSiteTabsViewInfo::GetLevel() const {
    return siteViewInfo_->GetLevel();
}

int TcxCustomGridDetailsSiteTabsViewInfo::GetHeight() {
    if (height_ == 0) height_ = CalculateHeight();
    return height_;
}

int TcxCustomGridDetailsSiteTabsViewInfo::GetWidth() {
    if (width_ == 0) width_ = CalculateWidth();
    return width_;
}

int TcxCustomGridDetailsSiteTabsViewInfo::GetTabCrossSize() {
    return (IsVertical() ? GetWidth() : GetHeight()) - kBaseSize - 1;
}

int TcxCustomGridDetailsSiteTabsViewInfo::CalculateHeight() {
    int height = kBaseSize;
    for (auto& tab : tabs_) height += GetTabLength(tab.get());
    return height;
}

int TcxCustomGridDetailsSiteTabsViewInfo::CalculateWidth() {
    int width = 0;
    for (auto& tab : tabs_) width = std::max(width, GetTabThickness(tab.get()));
    if (tabs_.size() > 1) width += GetInactiveTabOffset();
    return width + kBaseSize + 1;
}

int TcxCustomGridDetailsSiteTabsViewInfo::GetTabLength(TcxCustomGridDetailsSiteTabViewInfo* tab) {
    return tab->CalculateHeight();
}

int TcxCustomGridDetailsSiteTabsViewInfo::GetTabThickness(TcxCustomGridDetailsSiteTabViewInfo* tab) {
    return tab->CalculateWidth();
}

TColor TcxCustomGridDetailsSiteTabsViewInfo::GetBackgroundColor() {
    TcxPartParams params;
    GetLevel()->GetStyles()->GetViewParams(lsTabsBackground, nullptr, nullptr, params);
    return params.Color;
}

TcxGridDetailsSiteTabsPainterClass TcxCustomGridDetailsSiteTabsViewInfo::GetPainterClass() {
    return [](TcxCanvas* canvas, TcxCustomGridDetailsSiteTabsViewInfo* viewInfo) {
        return new TcxGridDetailsSiteTabsPainter(canvas, viewInfo);
    };
}

void TcxCustomGridDetailsSiteTabsViewInfo::Calculate(const TRect& r) {
    bounds_ = r;
    AdjustBounds();
    int x = bounds_.Left + 2, y = bounds_.Top + 2;
    if (!tabs_.empty() && tabs_.front()->IsActive()) {
        const int w = tabs_.front()->GetTabEdgeWidth();
        if (IsVertical())
            y -= w;
        else
            x -= w;
    }
    for (auto& tab : tabs_) {
        if (IsVertical()) {
            tab->Calculate(x, y, GetTabCrossSize(), -1);
            y += tab->GetHeight();
        } else {
            tab->Calculate(x, y, -1, GetTabCrossSize());
            x += tab->GetWidth();
        }
    }
}

TcxCustomGridHitTest* TcxCustomGridDetailsSiteTabsViewInfo::GetHitTest(TPoint p) {
    for (auto& tab : tabs_)
        if (TcxCustomGridHitTest* hitTest = tab->GetHitTest(p)) return hitTest;
    return nullptr;
}

bool TcxCustomGridDetailsSiteTabsViewInfo::ProcessDialogChar(std::uint16_t key) {
    for (auto& tab : tabs_)
        if (tab->GetVisible() && tab->ProcessDialogChar(key)) return true;
    return false;
}

// ---- left strip ----

void TcxGridDetailsSiteLeftTabsViewInfo::AdjustBounds() {
    bounds_.Right = std::min(bounds_.Left + GetWidth(), bounds_.Right);
}

void TcxGridDetailsSiteLeftTabsViewInfo::AdjustSiteHeight(int& height) {
    height = std::max(height, GetHeight());
}

TcxGridDetailsSiteTabViewInfoClass TcxGridDetailsSiteLeftTabsViewInfo::GetTabClass() {
    return &MakeTab<TcxGridDetailsSiteLeftTabViewInfo>;
}

TcxBorders TcxGridDetailsSiteLeftTabsViewInfo::GetBaseBorders() {
    return cxBorder(bLeft) | cxBorder(bTop) | cxBorder(bBottom);
}

TRect TcxGridDetailsSiteLeftTabsViewInfo::GetBaseBounds() {
    TRect r = bounds_;
    r.Left = r.Right - kBaseSize;
    return r;
}

void TcxGridDetailsSiteLeftTabsViewInfo::AdjustClientBounds(TRect& r) {
    r.Left += GetWidth();
}

// ---- top strip ----

void TcxGridDetailsSiteTopTabsViewInfo::AdjustBounds() {
    bounds_.Bottom = std::min(bounds_.Top + GetHeight(), bounds_.Bottom);
}

int TcxGridDetailsSiteTopTabsViewInfo::CalculateHeight() {
    return TcxCustomGridDetailsSiteTabsViewInfo::CalculateWidth();
}

int TcxGridDetailsSiteTopTabsViewInfo::CalculateWidth() {
    return TcxCustomGridDetailsSiteTabsViewInfo::CalculateHeight();
}

void TcxGridDetailsSiteTopTabsViewInfo::AdjustSiteWidth(int& width) {
    width = std::max(width, GetWidth());
}

TcxGridDetailsSiteTabViewInfoClass TcxGridDetailsSiteTopTabsViewInfo::GetTabClass() {
    return &MakeTab<TcxGridDetailsSiteTopTabViewInfo>;
}

int TcxGridDetailsSiteTopTabsViewInfo::GetTabLength(TcxCustomGridDetailsSiteTabViewInfo* tab) {
    return tab->CalculateWidth();
}

int TcxGridDetailsSiteTopTabsViewInfo::GetTabThickness(TcxCustomGridDetailsSiteTabViewInfo* tab) {
    return tab->CalculateHeight();
}

TcxBorders TcxGridDetailsSiteTopTabsViewInfo::GetBaseBorders() {
    return cxBorder(bLeft) | cxBorder(bTop) | cxBorder(bRight);
}

TRect TcxGridDetailsSiteTopTabsViewInfo::GetBaseBounds() {
    TRect r = bounds_;
    r.Top = r.Bottom - kBaseSize;
    return r;
}

void TcxGridDetailsSiteTopTabsViewInfo::AdjustClientBounds(TRect& r) {
    r.Top += GetHeight();
}

// ---- tab ----

TcxCustomGridDetailsSiteTabViewInfo::TcxCustomGridDetailsSiteTabViewInfo(
    TcxCustomGridDetailsSiteTabsViewInfo* tabsViewInfo, TcxGridLevel* level)
    : visibleIndex_(level->GetVisibleIndex()), level_(level), tabsViewInfo_(tabsViewInfo) {}

TcxCustomGridDetailsSiteTabViewInfo::~TcxCustomGridDetailsSiteTabViewInfo() {
    BeginDestruction();
}

bool TcxCustomGridDetailsSiteTabViewInfo::IsActive() const {
    return level_ == GetSiteViewInfo()->GetActiveLevel();
}

int TcxCustomGridDetailsSiteTabViewInfo::GetTabEdgeWidth() const {
    return GetSiteViewInfo()->GetLookAndFeelPainter()->GetTabEdgeWidth(IsVertical());
}

TcxCustomGridDetailsSiteTabViewInfo* TcxCustomGridDetailsSiteTabViewInfo::Neighbour(int delta) const {
    for (int i = 0; i < tabsViewInfo_->GetCount(); ++i)
        if (tabsViewInfo_->GetItem(i) == this) {
            const int j = i + delta;
            return j >= 0 && j < tabsViewInfo_->GetCount() ? tabsViewInfo_->GetItem(j) : nullptr;
        }
    return nullptr;
}

TcxCustomGridCellState TcxCustomGridDetailsSiteTabViewInfo::GetActualState() {
    return IsActive() ? gcsPressed : GetState();
}

int TcxCustomGridDetailsSiteTabViewInfo::CalculateHeight() {
    const int w = GetTabEdgeWidth();
    int height = GetTextHeightWithMargins();
    if (IsVertical()) {
        if (IsActive()) height += 2 * w;
        height += GetBorderWidth(bTop) + GetBorderWidth(bBottom);
    } else {
        height += 2 * w;
    }
    return height;
}

int TcxCustomGridDetailsSiteTabViewInfo::CalculateWidth() {
    const int w = GetTabEdgeWidth();
    int width = GetTextWidthWithMargins() + 10;
    if (IsVertical()) {
        width += 2 * w;
    } else {
        if (IsActive()) width += 2 * w;
        width += GetBorderWidth(bLeft) + GetBorderWidth(bRight);
    }
    return width;
}

TcxAlignmentVert TcxCustomGridDetailsSiteTabViewInfo::CalculateAlignmentVert() {
    return IsVertical() ? vaCenter : TcxCustomGridCellViewInfo::CalculateAlignmentVert();
}

TcxBorders TcxCustomGridDetailsSiteTabViewInfo::CalculateBorders() {
    auto activeAt = [this](int delta) {
        TcxCustomGridDetailsSiteTabViewInfo* tab = Neighbour(delta);
        return tab && tab->IsActive();
    };
    if (IsVertical()) {
        if (IsActive()) return cxBorder(bLeft) | cxBorder(bTop) | cxBorder(bBottom);
        TcxBorders borders = cxBorder(bLeft) | cxBorder(bRight);
        if (!activeAt(-1)) borders |= cxBorder(bTop);
        if (!activeAt(1)) borders |= cxBorder(bBottom);
        return borders;
    }
    if (IsActive()) return cxBorder(bLeft) | cxBorder(bTop) | cxBorder(bRight);
    TcxBorders borders = cxBorder(bTop) | cxBorder(bBottom);
    if (!activeAt(-1)) borders |= cxBorder(bLeft);
    if (!activeAt(1)) borders |= cxBorder(bRight);
    return borders;
}

TcxCanvas* TcxCustomGridDetailsSiteTabViewInfo::GetCanvas() {
    return GetSiteViewInfo()->GetCanvas();
}

TcxControl* TcxCustomGridDetailsSiteTabViewInfo::GetControl() {
    return dynamic_cast<TcxControl*>(GetSiteViewInfo()->GetContainer());
}

bool TcxCustomGridDetailsSiteTabViewInfo::CanPress() {
    return GetSiteViewInfo()->GetLookAndFeelPainter()->IsTabHotTrack(IsVertical());
}

bool TcxCustomGridDetailsSiteTabViewInfo::IsDesignSelected() {
    TcxCustomGrid* grid = level_->GetControl();
    if (!grid || !grid->HasState(csDesigning)) return false;
    TcxCustomGridDesignController* designer = GetSiteViewInfo()->GetDesignController();
    return designer && designer->IsObjectSelected(level_);
}

TcxCustomGridCellPainterClass TcxCustomGridDetailsSiteTabViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridDetailsSiteTabPainter>();
}

std::string TcxCustomGridDetailsSiteTabViewInfo::CalculateText() {
    return level_->GetCaption();
}

TRect TcxCustomGridDetailsSiteTabViewInfo::GetTextBounds() {
    TRect r = TcxCustomGridCellViewInfo::GetTextBounds();
    InflateRect(r, -5, 0);
    return r;
}

int TcxCustomGridDetailsSiteTabViewInfo::GetTextAttributes(bool forPainting) {
    int flags = TcxCustomGridCellViewInfo::GetTextAttributes(forPainting);
    if (GetSiteViewInfo()->SupportsTabAccelerators()) flags |= ctfShowPrefix;
    return flags;
}

std::string TcxCustomGridDetailsSiteTabViewInfo::GetText() {
    if (!GetSiteViewInfo()->SupportsTabAccelerators()) return level_->GetDisplayCaption();
    return TcxCustomGridCellViewInfo::GetText();
}

void TcxCustomGridDetailsSiteTabViewInfo::GetViewParams(TcxPartParams& params) {
    GetSiteViewInfo()->GetTabParams(level_, params);
}

void TcxCustomGridDetailsSiteTabViewInfo::InitHitTest(TcxCustomGridHitTest* hitTest) {
    TcxCustomGridCellViewInfo::InitHitTest(hitTest);
    static_cast<TcxGridDetailsSiteTabHitTest*>(hitTest)->SetLevel(level_);
    GetSiteViewInfo()->InitTabHitTest(hitTest);
}

bool TcxCustomGridDetailsSiteTabViewInfo::MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button,
                                                    TShiftState shift) {
    TcxCustomGridCellViewInfo::MouseDown(hitTest, button, shift);
    TcxCustomGrid* grid = level_->GetControl();
    if (button == mbLeft && !(shift & ssDouble) && grid && grid->HasState(csDesigning))
        if (TcxCustomGridDesignController* designer = GetSiteViewInfo()->GetDesignController())
            designer->SelectObject(level_, !(shift & ssShift));
    GetSiteViewInfo()->SetActiveLevel(level_, false);
    return true;
}

void TcxCustomGridDetailsSiteTabViewInfo::Calculate(int left, int top, int width, int height) {
    if (!IsActive()) {
        const int offset = tabsViewInfo_->GetInactiveTabOffset();
        if (IsVertical()) {
            left += offset;
            if (width != -1) width -= offset;
        } else {
            top += offset;
            if (height != -1) height -= offset;
        }
    }
    TcxCustomGridCellViewInfo::Calculate(left, top, width, height);
}

bool TcxCustomGridDetailsSiteTabViewInfo::ProcessDialogChar(std::uint16_t key) {
    if (!GetSiteViewInfo()->SupportsTabAccelerators()) return false;
    const char hotKey = HotKeyOf(level_->GetCaption());
    if (!hotKey || key > 0x7F ||
        std::toupper(static_cast<unsigned char>(hotKey)) != std::toupper(static_cast<int>(key)))
        return false;
    GetSiteViewInfo()->SetActiveLevel(level_, true);
    return true;
}

// ---- painters ----

void TcxGridDetailsSitePainter::Paint() {
    if (viewInfo_->GetFrameWidth() != 0) DrawFrame();
    DrawTabs();
    DrawBackground();
}

void TcxGridDetailsSitePainter::DrawFrame() {
    canvas_->FrameRectSides(viewInfo_->GetFrameBounds(), viewInfo_->GetFrameColor(), viewInfo_->GetFrameWidth());
}

void TcxGridDetailsSitePainter::DrawTabs() {
    TcxCustomGridDetailsSiteTabsViewInfo* tabs = viewInfo_->GetTabsViewInfo();
    if (!tabs) return;
    std::unique_ptr<TcxGridDetailsSiteTabsPainter> painter(tabs->GetPainterClass()(canvas_, tabs));
    painter->PaintAll();
}

void TcxGridDetailsSitePainter::DrawBackground() {
    canvas_->FillRectSolid(viewInfo_->GetClientBounds(), viewInfo_->GetBackgroundColor());
}

void TcxGridDetailsSiteTabsPainter::PaintAll() {
    TcxRegion* saved = canvas_->CopyClipRegion();
    canvas_->ClipIntersectRect(viewInfo_->GetBounds());
    try {
        Paint();
    } catch (...) {
        canvas_->ApplyClipRegion(saved);
        throw;
    }
    canvas_->ApplyClipRegion(saved);
}

void TcxGridDetailsSiteTabsPainter::Paint() {
    DrawBackground();
    DrawBase();
    DrawItems();
}

void TcxGridDetailsSiteTabsPainter::DrawBackground() {
    canvas_->FillRectSolid(viewInfo_->GetBounds(), viewInfo_->GetBackgroundColor());
}

void TcxGridDetailsSiteTabsPainter::DrawBase() {
    viewInfo_->GetSiteViewInfo()->GetLookAndFeelPainter()->DrawTabStripBase(
        canvas_, viewInfo_->GetBaseBounds(), viewInfo_->GetBaseBorders(), viewInfo_->IsVertical());
}

void TcxGridDetailsSiteTabsPainter::DrawItems() {
    for (int i = 0; i < viewInfo_->GetCount(); ++i) viewInfo_->GetItem(i)->Paint(canvas_);
}

void TcxGridDetailsSiteTabPainter::DrawBorder(TcxBorder side) {
    auto* tab = static_cast<TcxCustomGridDetailsSiteTabViewInfo*>(GetViewInfo());
    tab->GetSiteViewInfo()->GetLookAndFeelPainter()->DrawTabEdge(GetCanvas(), tab->GetBorderBounds(side), side,
                                                                  tab->Borders, tab->IsVertical());
}

void TcxGridDetailsSiteTabPainter::DrawContent() {
    auto* tab = static_cast<TcxCustomGridDetailsSiteTabViewInfo*>(GetViewInfo());
    const TcxCustomLookAndFeelPainter* painter = tab->GetSiteViewInfo()->GetLookAndFeelPainter();
    if (!painter->TabPaintsOwnBackground(tab->IsVertical())) {
        TcxCustomGridCellPainter::DrawContent();
        return;
    }
    static constexpr TcxButtonState states[] = {cxbsNormal, cxbsHot, cxbsPressed};
    const TcxPartParams& params = tab->ViewParams;
    painter->DrawDetailTab(GetCanvas(), tab->Bounds, tab->Borders, tab->GetText(), states[tab->GetActualState()],
                           tab->IsVertical(), params.Font, params.TextColor, params.Color,
                           tab->GetSiteViewInfo()->SupportsTabAccelerators());
}

} // namespace zorvy
