// The tab layout: normal sizes, one scrolled row or several rows balanced by their squared shortfalls,
// the order of rows around the page, the placement across the rows and the tab areas; scrolling a single
// row. Described for tabs on top: "along" is the row's direction.
#include "controls/pages/TabControl.h"

namespace zorvy {
namespace {

struct TRowBounds {
    int First;
    int Last;
};

} // namespace

// ---- the layout pass ----

void TcxCustomTabControl::RequestLayout() {
    if (IsBeingLoaded() || calculating_ || !painter_) return;
    calculating_ = true;
    try {
        painter_->BeforeLayout();
        GetMaxRotatedTabWidth();
        tabs_->FreeCaptionBitmaps();
        CalculateTabsLayout();
        tabs_->RefreshImageTabs();
        if (IsImageListUsable(GetImages())) imageList_->SetImageRotation(GetEffectiveTextRotation(this));
    } catch (...) {
        calculating_ = false;
        throw;
    }
    calculating_ = false;
    Realign();
    Invalidate();
    tabs_->UpdateMainTab();
    UpdateHotState(KeyboardStateToShiftState());
}

int TcxCustomTabControl::TabSize(int visibleIndex) const {
    return tabs_->GetVisibleTab(visibleIndex)->GetLongitudinalSize();
}

void TcxCustomTabControl::GetTabDistances(int& alongRow, int& betweenRows) {
    int normal[2] = {0, 0};
    painter_->GetTabsNormalDistance(normal[0], normal[1]);
    alongRow = rotate_ ? normal[1] : normal[0];
    betweenRows = rotate_ ? normal[0] : normal[1];
}

void TcxCustomTabControl::CalculateTabsLayout() {
    const int visibleCount = visibleTabs_->Count();
    topLeftTabsBounds_ = bottomRightTabsBounds_ = TRect{};
    if (firstVisibleTab_ == -1 && visibleCount > 0) firstVisibleTab_ = 0;
    if (firstVisibleTab_ >= visibleCount) firstVisibleTab_ = visibleCount - 1;
    lastVisibleTab_ = firstVisibleTab_;
    if (hotTrackTab_ >= visibleCount) hotTrackTab_ = -1;
    if (mainTabVisibleIndex_ >= visibleCount) mainTabVisibleIndex_ = -1;
    if (pressedTab_ >= visibleCount) pressedTab_ = -1;
    rowCount_ = 0;
    if (tabIndex_ >= tabs_->GetCount()) tabIndex_ = tabs_->GetCount() - 1;
    topLeftRowCount_ = 0;
    if (visibleCount == 0) {
        visibleButtons_ = 0;
        DropHiddenButtonMarks();
        painter_->CalculateTabsRegion(0, tabsRegion_);
        return;
    }
    if (tabs_->GetCount() == 0)
        RaisePCError("TcxCustomTabControl", "CalculateTabNormalSizes", ResolveResourceString(scxPCNoTabs));
    tabs_->CommonTabHeight = painter_->CalculateTabNormalHeight();
    for (int i = 0; i < tabs_->GetCount(); ++i) {
        TcxTab* tab = tabs_->GetTab(i);
        tab->NormalWidth = tab->GetVisible() ? painter_->CalculateTabNormalWidth(tab) : 0;
    }
    if (multiLine_)
        CalculateMultiLineLayout();
    else
        CalculateSingleLineLayout();
}

// ---- one row ----

void TcxCustomTabControl::PlaceTabsInRow(int first, int last, bool placeAll) {
    int dist = 0, gap = 0;
    GetTabDistances(dist, gap);
    const bool side = IsSideTabs();
    const int start = side ? tabsRegion_.LayoutBounds.Top : tabsRegion_.LayoutBounds.Left;
    const int rowLength = tabsRegion_.RowLength;
    int dir, p, limit;
    if (IsReversedRowDirection(this)) {
        dir = -1;
        p = start + rowLength - 1;
        limit = -start;
    } else {
        dir = 1;
        p = start;
        limit = start + rowLength - 1;
    }
    int far = p;
    for (int t = first; t <= last; ++t) {
        lastVisibleTab_ = t;
        far = p + dir * (TabSize(t) - 1);
        const int position = dir == 1 ? p : far;
        TcxTab* tab = tabs_->GetVisibleTab(t);
        (side ? tab->NormalPosition.Y : tab->NormalPosition.X) = position;
        p = far + dir * (dist + 1);
        if (!placeAll && dir * p > limit) break;
    }
    allTabsFit_ = dir * far <= limit && lastVisibleTab_ == last;
}

// S2: all tabs from the start, else the scrolled run; answers whether tabs were placed.
bool TcxCustomTabControl::PlaceSingleRow() {
    const int visibleCount = visibleTabs_->Count();
    const int saved = firstVisibleTab_;
    firstVisibleTab_ = 0;
    SetVisibleButtons(GetNavigatorButtons(true));
    if (tabsRegion_.RowLength < 1) return false;
    PlaceTabsInRow(0, visibleCount - 1, true);
    if (allTabsFit_) return true;
    firstVisibleTab_ = saved;
    SetVisibleButtons(GetNavigatorButtons(false));
    if (tabsRegion_.RowLength < 1) return false;
    PlaceTabsInRow(firstVisibleTab_, visibleCount - 1, false);
    if (allTabsFit_) {
        // Room to spare at the end: scroll back as far as everything still fits.
        while (firstVisibleTab_ > 0) {
            --firstVisibleTab_;
            PlaceTabsInRow(firstVisibleTab_, visibleCount - 1, false);
            if (!allTabsFit_) {
                ++firstVisibleTab_;
                PlaceTabsInRow(firstVisibleTab_, visibleCount - 1, false);
                break;
            }
        }
    }
    return true;
}

void TcxCustomTabControl::SpreadTabAreasAlongRow() {
    const TRect& bounds = tabsRegion_.TabsBounds;
    if (IsSideTabs()) {
        topLeftTabsBounds_.Top = bottomRightTabsBounds_.Top = bounds.Top;
        topLeftTabsBounds_.Bottom = bottomRightTabsBounds_.Bottom = bounds.Bottom;
    } else {
        topLeftTabsBounds_.Left = bottomRightTabsBounds_.Left = bounds.Left;
        topLeftTabsBounds_.Right = bottomRightTabsBounds_.Right = bounds.Right;
    }
}

void TcxCustomTabControl::CalculateSingleLineLayout() {
    rowCount_ = 1;
    topLeftRowCount_ = tabPosition_ == tpTop || tabPosition_ == tpLeft ? 1 : 0;
    if (!PlaceSingleRow()) return;
    DropHiddenButtonMarks();
    UpdateNavigatorButtonStates();
    SpreadTabAreasAlongRow();
    for (int v = firstVisibleTab_; v <= lastVisibleTab_; ++v) {
        TcxTab* tab = tabs_->GetVisibleTab(v);
        tab->Row = 0;
        tab->DisplayRow = 0;
    }
    CalculateRowThickness();
    CalculateAcrossPlacement();
}

// ---- several rows ----

void TcxCustomTabControl::CalculateMultiLineLayout() {
    visibleButtons_ = 0;
    DropHiddenButtonMarks();
    painter_->CalculateTabsRegion(0, tabsRegion_);
    if (tabsRegion_.RowLength < 1) return;
    SplitIntoRows();
    if (rowCount_ == 1) {
        if (!PlaceSingleRow()) return;
        DropHiddenButtonMarks();
        UpdateNavigatorButtonStates();
    } else {
        StretchAndPlaceRows();
    }
    SpreadTabAreasAlongRow();
    CalculateRowThickness();
    CalculateRowOrder();
    CalculateAcrossPlacement();
}

void TcxCustomTabControl::SplitIntoRows() {
    int dist = 0, gap = 0;
    GetTabDistances(dist, gap);
    const int rowLength = tabsRegion_.RowLength;
    const int visibleCount = visibleTabs_->Count();
    int used = 0, runStart = 0;
    rowCount_ = 1;
    auto spreadsOverRows = [this](int first, int last) {
        return tabs_->GetVisibleTab(last)->Row > tabs_->GetVisibleTab(first)->Row;
    };
    for (int t = 0; t < visibleCount; ++t) {
        TcxTab* tab = tabs_->GetVisibleTab(t);
        const int size = TabSize(t);
        if (size < rowLength) {
            if (size + used <= rowLength) {
                used += size + dist;
            } else {
                ++rowCount_;
                used = size + dist;
            }
            tab->Row = rowCount_ - 1;
            continue;
        }
        if (used != 0) {
            ++rowCount_;
            used = 0;
        }
        if (t - 1 >= runStart && spreadsOverRows(runStart, t - 1)) BalanceRun(runStart, t - 1);
        if (!rotate_ && painter_->GetMinTabNormalWidth(t) < rowLength) tab->NormalWidth = rowLength;
        tab->Row = rowCount_ - 1;
        if (t != visibleCount - 1) ++rowCount_;
        runStart = t + 1;
    }
    if (visibleCount - 1 - runStart >= 1 && spreadsOverRows(runStart, visibleCount - 1))
        BalanceRun(runStart, visibleCount - 1);
}

// Moves tabs between the rows of a run while the sum of squared row shortfalls falls.
void TcxCustomTabControl::BalanceRun(int first, int last) {
    if (rotate_ && raggedRight_) return;
    int dist = 0, gap = 0;
    GetTabDistances(dist, gap);
    const int rowLength = tabsRegion_.RowLength;
    std::vector<TRowBounds> rows;
    for (int t = first; t <= last; ++t) {
        if (rows.empty() || tabs_->GetVisibleTab(t)->Row != tabs_->GetVisibleTab(t - 1)->Row)
            rows.push_back({t, t});
        else
            rows.back().Last = t;
    }
    auto lineLength = [&](const TRowBounds& row) {
        int sum = 0;
        for (int t = row.First; t <= row.Last; ++t)
            sum += TabSize(t);
        return sum + dist * (row.Last - row.First);
    };
    auto waste = [&](const TRowBounds& row) {
        const double shortfall = rowLength - lineLength(row);
        return shortfall * shortfall;
    };
    auto totalWaste = [&](const std::vector<TRowBounds>& r) {
        double sum = 0;
        for (const TRowBounds& row : r)
            sum += waste(row);
        return sum;
    };
    const int lastRow = static_cast<int>(rows.size()) - 1;
    auto move = [&](std::vector<TRowBounds>& r, int i, int direction) {
        if (direction < 0 && i >= 1) {
            --r[static_cast<size_t>(i)].First;
            --r[static_cast<size_t>(i - 1)].Last;
        } else if (direction > 0 && i < lastRow) {
            ++r[static_cast<size_t>(i)].Last;
            ++r[static_cast<size_t>(i + 1)].First;
        }
    };
    auto tryMove = [&](std::vector<TRowBounds>& r, int i, int direction) {
        std::vector<TRowBounds> copy = r;
        move(copy, i, direction);
        const TRowBounds& row = copy[static_cast<size_t>(i)];
        if (waste(row) < waste(r[static_cast<size_t>(i)]) && lineLength(row) <= rowLength) {
            r = std::move(copy);
            return true;
        }
        return false;
    };
    auto sweep = [&](std::vector<TRowBounds>& r, double x) {
        std::vector<TRowBounds> copy = r;
        for (int i = lastRow; i >= 1; --i) {
            double before = totalWaste(copy);
            while (tryMove(copy, i, -1)) {
                const double after = totalWaste(copy);
                if (after > before) break;
                before = after;
            }
            if (totalWaste(copy) < x) {
                r = std::move(copy);
                return true;
            }
        }
        return false;
    };
    auto pass = [&](std::vector<TRowBounds>& r, int direction) {
        const double current = totalWaste(r);
        for (int i = 0; i <= lastRow; ++i) {
            std::vector<TRowBounds> copy = r;
            if (tryMove(copy, i, direction) && totalWaste(copy) < current) {
                r = std::move(copy);
                return true;
            }
        }
        return false;
    };
    while (sweep(rows, totalWaste(rows)) || pass(rows, +1) || pass(rows, -1)) {
    }
    const int firstRow = tabs_->GetVisibleTab(first)->Row;
    for (int k = 0; k <= lastRow; ++k)
        for (int t = rows[static_cast<size_t>(k)].First; t <= rows[static_cast<size_t>(k)].Last; ++t)
            tabs_->GetVisibleTab(t)->Row = firstRow + k;
}

void TcxCustomTabControl::StretchAndPlaceRows() {
    const int visibleCount = visibleTabs_->Count();
    int dist = 0, gap = 0;
    GetTabDistances(dist, gap);
    const int rowLength = tabsRegion_.RowLength;
    int first = 0;
    while (first < visibleCount) {
        int last = first;
        while (last + 1 < visibleCount && tabs_->GetVisibleTab(last + 1)->Row == tabs_->GetVisibleTab(first)->Row)
            ++last;
        if (!rotate_ && !raggedRight_) {
            int sum = 0;
            for (int t = first; t <= last; ++t)
                sum += TabSize(t);
            const int spare = rowLength - (sum + dist * (last - first));
            if (spare > 0 && sum > 0) {
                int given = 0;
                for (int t = first; t < last; ++t) {
                    TcxTab* tab = tabs_->GetVisibleTab(t);
                    const int extra = tab->NormalWidth * spare / sum;
                    tab->NormalWidth += extra;
                    given += extra;
                }
                tabs_->GetVisibleTab(last)->NormalWidth += spare - given;
            }
        }
        PlaceTabsInRow(first, last, false);
        first = last + 1;
    }
}

// ---- across the rows ----

void TcxCustomTabControl::CalculateRowThickness() {
    if (!rotate_) {
        rowThickness_ = tabs_->CommonTabHeight;
        return;
    }
    int first = firstVisibleTab_, last = lastVisibleTab_;
    if (HasOption(pcoFixedTabWidthWhenRotated) || multiLine_) {
        first = 0;
        last = visibleTabs_->Count() - 1;
    }
    rowThickness_ = 0;
    for (int v = std::max(first, 0); v <= last; ++v)
        rowThickness_ = std::max(rowThickness_, tabs_->GetVisibleTab(v)->NormalWidth);
    const int maxWidth = GetMaxRotatedTabWidth();
    if (maxWidth >= 1 && maxWidth >= painter_->GetMinTabNormalWidth(-1) && maxWidth < rowThickness_)
        rowThickness_ = maxWidth;
}

void TcxCustomTabControl::CalculateRowOrder() {
    bool reversed;
    if (IsSideTabs())
        reversed = (!rotate_ && HasOption(pcoTopToBottomText)) != (tabPosition_ == tpRight);
    else
        reversed = (rotate_ && !HasOption(pcoTopToBottomText)) != (tabPosition_ == tpBottom);
    const int visibleCount = visibleTabs_->Count();
    for (int v = 0; v < visibleCount; ++v) {
        TcxTab* tab = tabs_->GetVisibleTab(v);
        tab->DisplayRow = reversed ? rowCount_ - tab->Row - 1 : tab->Row;
    }
    topLeftRowCount_ = rowCount_;
    if (mainTabVisibleIndex_ != -1 && mainTabVisibleIndex_ < visibleCount) {
        const int selectedRow = tabs_->GetVisibleTab(mainTabVisibleIndex_)->DisplayRow;
        if (scrollOpposite_) {
            topLeftRowCount_ = selectedRow + 1;
        } else if (painter_->GetPainterClass()->IsTabStyle()) {
            for (int v = 0; v < visibleCount; ++v) {
                TcxTab* tab = tabs_->GetVisibleTab(v);
                tab->DisplayRow = (tab->DisplayRow + rowCount_ - selectedRow - 1) % rowCount_;
            }
        }
    }
    if (tabPosition_ == tpBottom || tabPosition_ == tpRight) {
        for (int v = 0; v < visibleCount; ++v) {
            TcxTab* tab = tabs_->GetVisibleTab(v);
            tab->DisplayRow = rowCount_ - tab->DisplayRow - 1;
        }
        topLeftRowCount_ = rowCount_ - topLeftRowCount_;
    }
}

void TcxCustomTabControl::CalculateAcrossPlacement() {
    int dist = 0, gap = 0;
    GetTabDistances(dist, gap);
    const bool side = IsSideTabs();
    const TRect& layout = tabsRegion_.LayoutBounds;
    const TRect& bounds = tabsRegion_.TabsBounds;
    const int l0 = side ? layout.Left : layout.Top, l1 = side ? layout.Right : layout.Bottom;
    const int o0 = side ? bounds.Left : bounds.Top, o1 = side ? bounds.Right : bounds.Bottom;
    const int thickness = rowThickness_;
    for (int v = 0; v < visibleTabs_->Count(); ++v) {
        TcxTab* tab = tabs_->GetVisibleTab(v);
        const int d = tab->DisplayRow;
        const int across = d < topLeftRowCount_
                               ? l0 + d * (thickness + gap)
                               : l1 - (rowCount_ - d) * thickness - (rowCount_ - d - 1) * gap;
        (side ? tab->NormalPosition.X : tab->NormalPosition.Y) = across;
    }
    int& tlNear = side ? topLeftTabsBounds_.Left : topLeftTabsBounds_.Top;
    int& tlFar = side ? topLeftTabsBounds_.Right : topLeftTabsBounds_.Bottom;
    int& brNear = side ? bottomRightTabsBounds_.Left : bottomRightTabsBounds_.Top;
    int& brFar = side ? bottomRightTabsBounds_.Right : bottomRightTabsBounds_.Bottom;
    tlNear = o0;
    brFar = o1;
    tlFar = std::min(o1, l0 + topLeftRowCount_ * (thickness + gap) - gap + tabsRegion_.TopLeftExtension);
    brNear = std::max(o0, l1 + gap + tabsRegion_.BottomRightExtension -
                              (rowCount_ - topLeftRowCount_) * (thickness + gap));
    if (topLeftRowCount_ > 0 && topLeftRowCount_ < rowCount_) {
        const int areaGap = tabsRegion_.AreaGap;
        if (tabPosition_ == tpTop || tabPosition_ == tpLeft) {
            const int wanted = std::min(o1, tlFar + areaGap);
            if (brNear < wanted) brNear = wanted;
        } else {
            const int wanted = std::max(o0, brNear - areaGap);
            if (tlFar > wanted) tlFar = wanted;
        }
    }
}

// ---- navigator buttons and scrolling ----

TcxPCNavigatorButtons TcxCustomTabControl::GetNavigatorButtons(bool allTabsFit) const {
    TcxPCNavigatorButtons result = 0;
    if (HasOption(pcoCloseButton)) result |= PCButtonSet(nbClose);
    if (!allTabsFit && !HasOption(pcoNoArrows)) result |= PCButtonSet(nbTopLeft) | PCButtonSet(nbBottomRight);
    if (HasOption(pcoGoDialog) && (!allTabsFit || HasOption(pcoAlwaysShowGoDialogButton)))
        result |= PCButtonSet(nbGoDialog);
    return result;
}

void TcxCustomTabControl::SetVisibleButtons(TcxPCNavigatorButtons buttons) {
    visibleButtons_ = buttons;
    painter_->CalculateTabsRegion(buttons, tabsRegion_);
}

void TcxCustomTabControl::DropHiddenButtonMarks() {
    for (int b = nbTopLeft; b <= nbClose; ++b) {
        const auto button = static_cast<TcxPCNavigatorButton>(b);
        if (PCButtonIn(button, visibleButtons_)) continue;
        if (PCButtonIn(button, hotButtons_)) {
            hotButtons_ = 0;
            buttonStates_[button] = nbsNormal;
        }
        if (PCButtonIn(button, pressedButtons_)) {
            pressedButtons_ = 0;
            buttonStates_[button] = nbsNormal;
        }
    }
}

void TcxCustomTabControl::ScrollTabs(int delta) {
    if (multiLine_) return;
    const TcxPCNavigatorButton button = delta > 0 ? nbBottomRight : nbTopLeft;
    for (int i = 0; i < std::abs(delta); ++i)
        ScrollByButton(button);
}

void TcxCustomTabControl::MakeTabVisible(int visibleIndex) {
    if (multiLine_) return;
    if (visibleIndex < firstVisibleTab_) firstVisibleTab_ = visibleIndex;
    if (visibleIndex > lastVisibleTab_ || (visibleIndex == lastVisibleTab_ && !allTabsFit_)) {
        painter_->CalculateTabsRegion(visibleButtons_, tabsRegion_);
        firstVisibleTab_ = visibleIndex;
        const int rowLength = tabsRegion_.RowLength;
        if (rowLength < 1) return;
        int dist = 0, gap = 0;
        GetTabDistances(dist, gap);
        int length = TabSize(visibleIndex);
        while (dist + length < rowLength && firstVisibleTab_ >= 1) {
            --firstVisibleTab_;
            length += dist + TabSize(firstVisibleTab_);
            if (length > rowLength) {
                ++firstVisibleTab_;
                break;
            }
        }
    }
}

int TcxCustomTabControl::GetTabAt(int x, int y) {
    int first = 0, last = 0;
    GetPlacedTabRange(this, first, last);
    for (int v = std::max(first, 0); v <= last && v < visibleTabs_->Count(); ++v) {
        TRect r;
        tabs_->GetVisibleTab(v)->GetVisibleRect(r);
        if (PtInRect(r, {x, y}) && painter_->IsPointInTab(v, x, y)) return v;
    }
    return -1;
}

} // namespace zorvy
