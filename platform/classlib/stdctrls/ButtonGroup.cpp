#include "platform/classlib/stdctrls/ButtonGroup.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/stdctrls/StdPaint.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>

namespace zorvy {

TButtonGroup::TButtonGroup(TComponent* owner) : TCustomControl(owner) {
    // No click events of its own: a click on a button raises the group's OnClick after the item's.
    ControlStyle = csCaptureMouse | csDoubleClicks | csOpaque;
    color_ = clBtnFace;
    tabStop_ = true;
    SetBounds(0, 0, 100, 150);
}

TButtonGroup::~TButtonGroup() {
    Destroying();
}

void TButtonGroup::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.exStyle |= WS_EX_CLIENTEDGE;
}

TGrpButtonItem* TButtonGroup::AddItem(const std::string& caption) {
    items_.push_back(std::make_unique<TGrpButtonItem>());
    items_.back()->Caption = caption;
    Invalidate();
    return items_.back().get();
}

TGrpButtonItem* TButtonGroup::GetItem(int index) const {
    CheckListIndex(index, GetItemCount());
    return items_[static_cast<std::size_t>(index)].get();
}

void TButtonGroup::ItemsChanged() {
    Invalidate();
}

void TButtonGroup::SetButtonOptions(TGrpButtonOptions value) {
    options_ = value;
    Invalidate();
}

void TButtonGroup::SetButtonWidth(int value) {
    buttonWidth_ = std::max(value, 1);
    Invalidate();
}

void TButtonGroup::SetButtonHeight(int value) {
    buttonHeight_ = std::max(value, 1);
    Invalidate();
}

void TButtonGroup::SetImages(TCustomImageList* images) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    Invalidate();
}

void TButtonGroup::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

void TButtonGroup::SetItemIndex(int index) {
    if (index < -1 || index >= GetItemCount()) index = -1;
    itemIndex_ = index;
    Invalidate();
}

TRect TButtonGroup::ButtonRect(int index) const {
    CheckListIndex(index, GetItemCount());
    const int clientWidth = GetClientWidth();
    if (options_ & gboFullSize) return Rect(0, index * buttonHeight_, clientWidth, (index + 1) * buttonHeight_);
    const int perRow = std::max(1, clientWidth / buttonWidth_);
    const int row = index / perRow, column = index % perRow;
    return Bounds(column * buttonWidth_, row * buttonHeight_, buttonWidth_, buttonHeight_);
}

int TButtonGroup::IndexOfButtonAt(TPoint client) const {
    for (int i = 0; i < GetItemCount(); ++i)
        if (PtInRect(ButtonRect(i), client)) return i;
    return -1;
}

void TButtonGroup::ClickItem(int index) {
    if (index < 0 || index >= GetItemCount()) return;
    TWeakLink<TButtonGroup> self(this);
    if (options_ & gboGroupStyle) SetItemIndex(index);
    focusIndex_ = index;
    Invalidate();
    if (OnButtonClicked) OnButtonClicked(this, index);
    if (!self) return;
    // The item's own handler first, then the group's.
    if (index < GetItemCount() && items_[static_cast<std::size_t>(index)]->OnClick)
        items_[static_cast<std::size_t>(index)]->OnClick(this);
    if (!self) return;
    Click();
}

void TButtonGroup::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TButtonGroup> self(this);
    if (CanFocus() && !Focused()) SetFocus();
    if (!self) return;
    TCustomControl::MouseDown(button, shift, x, y);
    if (!self || button != mbLeft) return;
    pressed_ = IndexOfButtonAt({x, y});
    if (pressed_ >= 0) focusIndex_ = pressed_;
    Invalidate();
}

void TButtonGroup::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TButtonGroup> self(this);
    TCustomControl::MouseMove(shift, x, y);
    if (!self) return;
    const int hot = IndexOfButtonAt({x, y});
    if (hot != hot_) {
        hot_ = hot;
        Invalidate();
    }
}

void TButtonGroup::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TButtonGroup> self(this);
    TCustomControl::MouseUp(button, shift, x, y);
    if (!self || button != mbLeft) return;
    const int pressed = pressed_;
    pressed_ = -1;
    Invalidate();
    if (pressed >= 0 && IndexOfButtonAt({x, y}) == pressed) ClickItem(pressed);
}

void TButtonGroup::KeyDown(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const int count = GetItemCount();
    if (count == 0) return;
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        focusIndex_ = std::max(0, focusIndex_ - 1);
        break;
    case VK_DOWN:
    case VK_RIGHT:
        focusIndex_ = std::min(count - 1, focusIndex_ + 1);
        break;
    case VK_HOME:
        focusIndex_ = 0;
        break;
    case VK_END:
        focusIndex_ = count - 1;
        break;
    case VK_SPACE:
    case VK_RETURN:
        key = 0;
        ClickItem(focusIndex_);
        return;
    default:
        return;
    }
    key = 0;
    Invalidate();
}

void TButtonGroup::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(m);
        Invalidate();
        return;
    case CM_MOUSELEAVE:
        TCustomControl::Dispatch(m);
        if (m.LParam == 0 && hot_ >= 0) {
            hot_ = -1;
            Invalidate();
        }
        return;
    default:
        TCustomControl::Dispatch(m);
    }
}

void TButtonGroup::Paint() {
    TCanvas* c = GetCanvas();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(color_);
    c->FillRect(GetClientRect());
    c->SetFont(GetFont());
    HDC dc = c->GetHandle();
    for (int i = 0; i < GetItemCount(); ++i) {
        const TGrpButtonItem* item = items_[static_cast<std::size_t>(i)].get();
        TRect r = ButtonRect(i);
        const bool down = i == pressed_ || ((options_ & gboGroupStyle) && i == itemIndex_);
        if (down) {
            c->GetBrush()->SetColor(DownFaceColor(color_));
            c->FillRect(r);
        }
        TRect edge = r;
        DrawEdge(dc, edge, down ? EDGE_SUNKEN : (i == hot_ ? EDGE_RAISED : BDR_RAISEDINNER), BF_RECT);
        TRect content = r;
        InflateRect(content, -4, -2);
        if (down) OffsetRect(content, 1, 1);
        if (images_ && item->ImageIndex >= 0 && item->ImageIndex < images_->GetCount()) {
            const int y = content.Top + (content.Height() - images_->GetHeight()) / 2;
            const bool alone = !(options_ & gboShowCaptions);
            const int x = alone ? content.Left + (content.Width() - images_->GetWidth()) / 2 : content.Left;
            images_->Draw(c, x, y, item->ImageIndex, enabled_);
            content.Left += images_->GetWidth() + 4;
        }
        if (options_ & gboShowCaptions) {
            c->GetBrush()->SetStyle(bsClear);
            DrawCaption(c, item->Caption, content, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, enabled_);
            c->GetBrush()->SetStyle(bsSolid);
        }
        if (i == focusIndex_ && Focused()) {
            TRect f = r;
            InflateRect(f, -3, -3);
            c->DrawFocusRect(f);
        }
    }
}

} // namespace zorvy
