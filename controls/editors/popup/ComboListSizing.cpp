// Combo list measuring and whole-row resizing, and the combo box popup's size.
#include "controls/editors/popup/ComboListSizing.h"

#include "controls/foundation/services/ControlRoutines.h"
#include "platform/win/SystemInfo.h"

#include <algorithm>

namespace zorvy {

TcxComboListLimits ComboListLimits(const TRect& r, const TcxFrameExtent& e, bool shadow, bool sizeable, bool autoSize,
                                   int popupWidth) {
    TRect workTop, workBottom;
    GetMonitorWorkArea({r.Left, r.Top}, workTop);
    GetMonitorWorkArea({r.Left, r.Bottom}, workBottom);
    const int above = r.Top - workTop.Top - e.Height() + (shadow ? ContainerShadowSize : 0);
    const int below = workBottom.Bottom - r.Bottom - e.Height();
    TcxComboListLimits limits;
    limits.MaxHeight = std::max(above, below);
    if (sizeable || autoSize)
        limits.WidthLimit = workTop.Width() - e.Width();
    else
        limits.WidthLimit = (popupWidth > 0 ? popupWidth : r.Width()) - e.Width();
    return limits;
}

TSize MeasureComboList(const TcxListRows& rows, int dropDownRows, int widestItem, int maxHeight, int widthLimit) {
    const int vScroll = GetSystemMetrics(SM_CXVSCROLL), hScroll = GetSystemMetrics(SM_CYHSCROLL);
    const int wanted = std::min(dropDownRows, rows.Count);
    std::vector<int> heights;
    heights.reserve(static_cast<std::size_t>(std::max(wanted, 0)));
    int height = 0;
    for (int i = 0; i < wanted; ++i) {
        heights.push_back(rows.Height(i));
        height += heights.back();
    }
    int shown = wanted;
    const int width = widestItem + 4;
    for (;;) {
        int w = width + (shown < rows.Count ? vScroll : 0);
        const int h = height + (widthLimit > 0 && w > widthLimit ? hScroll : 0);
        // A list cut by the work area would show half a row; it shows fewer rows instead.
        if (maxHeight <= 0 || h <= maxHeight || shown <= 1) return {w, h};
        height -= heights[static_cast<std::size_t>(--shown)];
    }
}

void AdjustComboListSize(const TcxListRows& rows, TSize& size, int maxHeight, const TSize& current, int horzExtent) {
    if (size == current) return;
    const int vScroll = GetSystemMetrics(SM_CXVSCROLL), hScroll = GetSystemMetrics(SM_CYHSCROLL);
    const bool limited = maxHeight > 0;
    // The height rows 0..last need, with the scroll bars the list then shows.
    auto needs = [&](int last, int sum, bool& hBar) {
        const bool hidden = last + 1 < rows.Count;
        hBar = horzExtent > size.cx - (hidden ? vScroll : 0);
        return sum + (hBar ? hScroll : 0);
    };
    int sum = 0, shown = rows.Count, needed = 0;
    bool hBar = false;
    for (int i = 0; i < rows.Count; ++i) {
        const int rowHeight = rows.Height(i);
        needed = needs(i, sum + rowHeight, hBar);
        if (needed == size.cy && (!limited || needed <= maxHeight)) {
            shown = i + 1;
            break;
        }
        if (needed > size.cy || (limited && needed > maxHeight)) {
            const bool drop = (limited && needed > maxHeight) || size.cy >= current.cy;
            // Never fewer than one row.
            if (drop && i > 0) {
                shown = i;
                needed = needs(i - 1, sum, hBar);
            } else {
                shown = i + 1;
            }
            break;
        }
        sum += rowHeight;
    }
    size.cy = needed;
    if (shown < rows.Count) size.cx = std::max(size.cx, vScroll + (hBar ? vScroll : 0));
}

void TcxComboBoxPopupWindow::FitSizeToContent() {
    GetPopupViewInfo()->SizeGripCorner = 3;
    RefreshOwnerRect();
    IcxEditPopupWindowOwner* owner = GetOwnerEdit();
    if (!owner) return;
    CalculatePopupViewInfo();
    const TcxFrameExtent e = GetClientExtent();
    const TSize frame = GetFrameSize();
    const TSize content = owner->CalcPopupSize();
    const bool sizeable = GetSizeable();
    const bool userSized = owner->GetPopupUserSized() && sizeable;
    const int ownerWidth = AnchorBounds.Width();
    int w;
    if (userSized || (!PopupAutoSize && PopupWidth > 0))
        w = PopupWidth;
    else if (PopupAutoSize)
        w = std::max(content.cx + e.Width(), ownerWidth);
    else
        w = ownerWidth;
    if (sizeable && MinWidth > 0) w = std::max(w, MinWidth);
    int h = (!userSized && PopupHeight == 0) || (!sizeable && PopupAutoSize) ? content.cy + e.Height() : PopupHeight;
    if (sizeable && MinHeight > 0) h = std::max(h, MinHeight);
    SetBounds(GetLeft(), GetTop(), std::max(w, frame.cx), std::max(h, frame.cy));
}

} // namespace zorvy
