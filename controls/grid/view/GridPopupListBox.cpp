// The grid popup list: checks, pressed line, drawing, clicks and sizing.
#include "controls/grid/view/GridPopupListBox.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/GridPopup.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>

namespace zorvy {

// ---- TcxGridPopupInnerListBox ----

TcxGridPopupListBox* TcxGridPopupInnerListBox::GetPopupListBox() const {
    return static_cast<TcxGridPopupListBox*>(GetOwnerListBox());
}

void TcxGridPopupInnerListBox::KeyDown(std::uint16_t& key, TShiftState shift) {
    const std::uint16_t pressed = key;
    TWeakLink<TcxGridPopupInnerListBox> self(this);
    TcxInnerListBox::KeyDown(key, shift);
    if (!self) return;
    TcxGridPopupListBox* box = GetPopupListBox();
    if (pressed == VK_RETURN || pressed == VK_SPACE)
        box->ItemClicked(GetItemIndex());
    else if (pressed == VK_ESCAPE)
        box->GetPopup()->ClosePopup();
}

void TcxGridPopupInnerListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    GetPopupListBox()->SetPressedIndex(ItemAtPos(TPoint{x, y}, true));
    TcxInnerListBox::MouseDown(button, shift, x, y);
}

void TcxGridPopupInnerListBox::MouseMove(TShiftState shift, int x, int y) {
    TcxInnerListBox::MouseMove(shift, x, y);
    // The selection follows the mouse.
    const int index = ItemAtPos(TPoint{x, y}, true);
    if (index != GetItemIndex()) SetItemIndex(index);
    TcxGridPopupListBox* box = GetPopupListBox();
    if (index != box->GetPressedIndex()) box->SetPressedIndex(-1);
}

void TcxGridPopupInnerListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxGridPopupInnerListBox> self(this);
    TcxInnerListBox::MouseUp(button, shift, x, y);
    if (!self) return;
    TcxGridPopupListBox* box = GetPopupListBox();
    const int index = ItemAtPos(TPoint{x, y}, true);
    // A release over a checkable line other than the pressed one does nothing.
    if (!box->CanCheckItem(index) || index == box->GetPressedIndex()) {
        TWeakLink<TcxGridPopupListBox> boxLink(box);
        box->ItemClicked(index);
        if (!boxLink) return;
    }
    box->SetPressedIndex(-1);
}

void TcxGridPopupInnerListBox::MouseExited(TControl* control) {
    TcxInnerListBox::MouseExited(control);
    SetItemIndex(-1);
    GetPopupListBox()->SetPressedIndex(-1);
}

// ---- TcxGridPopupListBox ----

TcxGridPopupListBox::TcxGridPopupListBox(TcxCustomGridPopup* popup)
    : TcxListBox(
          popup, [](TcxListBox* owner) -> TcxInnerListBox* { return new TcxGridPopupInnerListBox(owner); },
          [](TcxListBox* owner) -> TcxCustomDataBinding* { return new TcxDataBinding(owner, owner); }),
      popup_(popup) {
    InitStyle();
    SetParent(popup);
}

TcxCustomGridView* TcxGridPopupListBox::GetGridView() const {
    return popup_->GetGridView();
}

void TcxGridPopupListBox::InitStyle() {
    GetStyle()->GetLookAndFeel()->SetMaster(GetGridView()->GetLookAndFeel());
    SetListStyle(lbOwnerDrawFixed);
    GetStyle()->SetBorderStyle(cbsNone);
    GetStyle()->SetHotTrack(false);
    GetStyle()->SetTransparentBorder(false);
    GetStyleFocused()->SetBorderStyle(cbsNone);
    GetStyleHot()->SetBorderStyle(cbsNone);
    SetParentFont(true);
}

// ---- checks and the pressed line ----

void TcxGridPopupListBox::SetCheckedIndexes(const TcxGridIndexes& value) {
    checkedIndexes_ = value;
    Invalidate();
}

bool TcxGridPopupListBox::IsChecked(int index) const {
    return std::find(checkedIndexes_.begin(), checkedIndexes_.end(), index) != checkedIndexes_.end();
}

void TcxGridPopupListBox::SetChecked(int index, bool value) {
    if (IsChecked(index) == value) return;
    if (value)
        checkedIndexes_.push_back(index);
    else
        checkedIndexes_.erase(std::find(checkedIndexes_.begin(), checkedIndexes_.end(), index));
    InvalidateItem(index);
}

void TcxGridPopupListBox::SetPressedIndex(int value) {
    if (value == pressedIndex_) return;
    InvalidateItem(pressedIndex_);
    pressedIndex_ = value;
    InvalidateItem(pressedIndex_);
}

void TcxGridPopupListBox::SetShowChecks(bool value) {
    if (value == showChecks_) return;
    showChecks_ = value;
    checkedIndexes_.clear();
    Invalidate();
}

void TcxGridPopupListBox::InvalidateItem(int index) {
    TcxInnerListBox* inner = GetInnerListBox();
    if (index < 0 || index >= GetCount() || !inner->HandleAllocated()) return;
    const TRect r = inner->ItemRect(index);
    InvalidateRect(inner->GetHandle(), &r, false);
}

int TcxGridPopupListBox::GetCheckAreaWidth() const {
    return GetGridView()->GetLookAndFeelPainter()->GetCheckBoxSize().cx + 4;
}

int TcxGridPopupListBox::GetCheckAreaHeight() const {
    return GetGridView()->GetLookAndFeelPainter()->GetCheckBoxSize().cy + 4;
}

bool TcxGridPopupListBox::CanCheckItem(int index) {
    return index != -1 && HasCheck(index) && IsItemCheckable(index);
}

// ---- drawing ----

bool TcxGridPopupListBox::DoDrawItem(TcxCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect) {
    TRect textRect = rect, checkRect{};
    if (HasCheck(index)) {
        checkRect = TRect{rect.Left, rect.Top, rect.Left + GetCheckAreaWidth(), rect.Bottom};
        textRect.Left = checkRect.Right;
        if (IsItemCheckable(index) && IsChecked(index)) {
            canvas->CurrentBrush()->SetColor(clHighlight);
            canvas->CurrentFont()->SetColor(clHighlightText);
        }
    }
    DrawText(canvas, index, state, textRect);
    if (CanCheckItem(index)) DrawCheck(canvas, index, state, checkRect);
    if (state & odFocused) canvas->PaintFocusRect(rect);
    return true;
}

void TcxGridPopupListBox::DrawCheck(TcxCanvas* canvas, int index, TOwnerDrawState state, const TRect& r) {
    const TcxCustomLookAndFeelPainter* painter = GetGridView()->GetLookAndFeelPainter();
    const TSize size = painter->GetCheckBoxSize();
    const int left = r.Left + (r.Right - r.Left - size.cx) / 2, top = r.Top + (r.Bottom - r.Top - size.cy) / 2;
    const bool hot = (state & odFocused) && (state & odSelected);
    const TcxButtonState buttonState = !hot ? cxbsNormal : index == pressedIndex_ ? cxbsPressed : cxbsHot;
    painter->DrawCheckBox(canvas, TRect{left, top, left + size.cx, top + size.cy}, buttonState, IsChecked(index));
}

void TcxGridPopupListBox::DrawText(TcxCanvas* canvas, int index, TOwnerDrawState, const TRect& r) {
    canvas->GetCanvas()->FillRect(r);
    TRect textRect = r;
    textRect.Left += LeftTextOffset;
    canvas->PaintText(GetItems()->Get(index), textRect, ctfAlignLeft | ctfAlignVCenter | ctfSingleLine);
}

// ---- clicks and size ----

void TcxGridPopupListBox::ItemClicked(int index) {
    if (index == -1) return;
    TWeakLink<TcxGridPopupListBox> self(this);
    if (CanCheckItem(index))
        ToggleCheck(index);
    else
        popup_->ClosePopup();
    if (self && OnAction) OnAction(this, index);
}

int TcxGridPopupListBox::CalculateItemHeight() {
    TcxCanvas* canvas = ScreenCanvasInstance();
    canvas->AssignFont(GetFont());
    int height = canvas->MeasureTextHeight("Qq") + 2 * VerticalTextOffset;
    if (showChecks_) height = std::max(height, GetCheckAreaHeight());
    return height;
}

int TcxGridPopupListBox::GetVisibleItemCount(TStrings* items) {
    const int count = items->GetCount();
    return VisibleLineLimit != 0 && count >= VisibleLineLimit ? VisibleLineLimit : count;
}

void TcxGridPopupListBox::AdjustSize(TStrings* items) {
    if (!items) items = GetItems();
    TcxCanvas* canvas = ScreenCanvasInstance();
    canvas->AssignFont(GetFont());
    SetItemHeight(CalculateItemHeight());
    const int visibleCount = GetVisibleItemCount(items);
    int width = 0;
    for (int i = 0; i < items->GetCount(); ++i) width = std::max(width, canvas->MeasureTextWidth(items->Get(i)));
    width += LeftTextOffset + RightTextOffset;
    if (showChecks_) width += GetCheckAreaWidth();
    if (MaxWidth != 0) width = std::min(width, MaxWidth);
    if (visibleCount < items->GetCount()) width += GetSystemMetrics(SM_CXVSCROLL);
    const int minWidth = popup_->GetMinWidth();
    if (minWidth != 0 && width < minWidth) width = minWidth;
    SetClientHeight(visibleCount * GetItemHeight());
    SetClientWidth(width);
}

} // namespace zorvy
