#include "platform/classlib/dialogs/PathList.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/stdctrls/StdPaint.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>

namespace zorvy {

TPathList::TPathList(TComponent* owner) : TCustomControl(owner) {
    ControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
    color_ = clWindow;
    tabStop_ = true;
    SetBounds(0, 0, 150, 150);
}

void TPathList::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.style |= WS_VSCROLL;
    p.exStyle |= WS_EX_CLIENTEDGE;
}

void TPathList::SetItems(std::vector<std::string> items, bool folders) {
    items_ = std::move(items);
    folders_ = folders;
    selected_.assign(items_.size(), false);
    itemIndex_ = anchor_ = -1;
    topIndex_ = 0;
    UpdateScrollBar();
    Invalidate();
}

int TPathList::GetItemHeight() const {
    return FontTextHeight(*font_) + 2;
}

int TPathList::VisibleCount() const {
    return std::max(1, GetClientHeight() / GetItemHeight());
}

void TPathList::UpdateScrollBar() {
    if (!HandleAllocated()) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, GetCount() - 1);
    si.nPage = static_cast<UINT>(VisibleCount());
    si.nPos = topIndex_;
    SetScrollInfo(handle_, SB_VERT, si, true);
}

void TPathList::SetTopIndex(int index) {
    index = std::clamp(index, 0, std::max(0, GetCount() - VisibleCount()));
    if (index == topIndex_) return;
    topIndex_ = index;
    UpdateScrollBar();
    Invalidate();
}

bool TPathList::GetSelected(int index) const {
    return index >= 0 && index < GetCount() && selected_[static_cast<std::size_t>(index)];
}

std::vector<int> TPathList::SelectedIndexes() const {
    std::vector<int> indexes;
    for (int i = 0; i < GetCount(); ++i)
        if (selected_[static_cast<std::size_t>(i)]) indexes.push_back(i);
    return indexes;
}

void TPathList::SetItemIndex(int index) {
    if (index < -1 || index >= GetCount()) index = -1;
    selected_.assign(items_.size(), false);
    if (index >= 0) selected_[static_cast<std::size_t>(index)] = true;
    itemIndex_ = anchor_ = index;
    if (index >= 0 && index < topIndex_) SetTopIndex(index);
    if (index >= topIndex_ + VisibleCount()) SetTopIndex(index - VisibleCount() + 1);
    Invalidate();
}

int TPathList::ItemAtPos(TPoint client) const {
    if (client.Y < 0) return -1;
    const int index = topIndex_ + client.Y / GetItemHeight();
    return index < GetCount() ? index : -1;
}

void TPathList::Select(int index, TShiftState shift) {
    if (index < 0 || index >= GetCount()) return;
    if (MultiSelect && (shift & ssShift) && anchor_ >= 0) {
        selected_.assign(items_.size(), false);
        for (int i = std::min(anchor_, index); i <= std::max(anchor_, index); ++i)
            selected_[static_cast<std::size_t>(i)] = true;
        itemIndex_ = index;
        Invalidate();
    } else if (MultiSelect && (shift & ssCtrl)) {
        selected_[static_cast<std::size_t>(index)] = !selected_[static_cast<std::size_t>(index)];
        itemIndex_ = anchor_ = index;
        Invalidate();
    } else {
        SetItemIndex(index);
    }
    if (index < topIndex_) SetTopIndex(index);
    if (index >= topIndex_ + VisibleCount()) SetTopIndex(index - VisibleCount() + 1);
    if (OnChange) OnChange(this);
}

void TPathList::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TPathList> self(this);
    if (CanFocus() && !Focused()) SetFocus();
    if (!self) return;
    if (button == mbLeft && !(shift & ssDouble)) Select(ItemAtPos({x, y}), shift);
    if (!self) return;
    TCustomControl::MouseDown(button, shift, x, y);
}

void TPathList::KeyDown(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    int index = itemIndex_;
    switch (key) {
    case VK_UP: index = std::max(0, index - 1); break;
    case VK_DOWN: index = std::min(GetCount() - 1, index + 1); break;
    case VK_PRIOR: index = std::max(0, index - VisibleCount()); break;
    case VK_NEXT: index = std::min(GetCount() - 1, index + VisibleCount()); break;
    case VK_HOME: index = 0; break;
    case VK_END: index = GetCount() - 1; break;
    default: return;
    }
    key = 0;
    Select(index, shift & ssShift);
}

bool TPathList::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
    SetTopIndex(topIndex_ - wheelDelta / 120 * 3);
    return true;
}

void TPathList::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_VSCROLL: {
        SCROLLINFO si;
        si.fMask = SIF_ALL;
        GetScrollInfo(handle_, SB_VERT, si);
        switch (LoWord(m.WParam)) {
        case SB_LINEUP: SetTopIndex(topIndex_ - 1); break;
        case SB_LINEDOWN: SetTopIndex(topIndex_ + 1); break;
        case SB_PAGEUP: SetTopIndex(topIndex_ - VisibleCount()); break;
        case SB_PAGEDOWN: SetTopIndex(topIndex_ + VisibleCount()); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: SetTopIndex(si.nTrackPos); break;
        default: break;
        }
        return;
    }
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS;
        return;
    case WM_SIZE:
        TCustomControl::Dispatch(m);
        UpdateScrollBar();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(m);
        Invalidate();
        return;
    default:
        TCustomControl::Dispatch(m);
    }
}

void TPathList::Paint() {
    TCanvas* c = GetCanvas();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(color_);
    c->FillRect(GetClientRect());
    c->SetFont(GetFont());
    HDC dc = c->GetHandle();
    const int h = GetItemHeight();
    const int width = GetClientWidth();
    const int last = std::min(GetCount(), topIndex_ + VisibleCount() + 1);
    for (int i = topIndex_; i < last; ++i) {
        const TRect r = Rect(0, (i - topIndex_) * h, width, (i - topIndex_ + 1) * h);
        const bool selected = selected_[static_cast<std::size_t>(i)];
        if (selected) {
            c->GetBrush()->SetColor(clHighlight);
            c->FillRect(r);
        }
        TRect text = r;
        text.Left += 2;
        if (folders_) {
            // A small folder: a tab on a box, in the classic yellow.
            const int top = r.Top + (h - 10) / 2;
            c->GetPen()->SetColor(clBlack);
            c->GetBrush()->SetColor(TColor(0x00C0FF));
            c->Rectangle(text.Left + 1, top + 2, text.Left + 14, top + 11);
            c->Rectangle(text.Left + 1, top, text.Left + 7, top + 3);
            text.Left += 18;
        }
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(selected ? clHighlightText : clWindowText));
        DrawText(dc, items_[static_cast<std::size_t>(i)], text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (i == itemIndex_ && Focused()) c->DrawFocusRect(r);
    }
}

} // namespace zorvy
