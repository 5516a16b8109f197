// The check combo box's drop-down list: row metrics, painting a check and a Description per row, the
// hot and pressed checks, and toggling by click and Space.
#include "controls/editors/combos/CheckComboBox.h"

#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/containers/Container.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/gdi/Text.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {

TcxCustomCheckComboBoxListBox::TcxCustomCheckComboBoxListBox(TComponent* owner)
    : TcxCustomComboBoxListBox(owner) {
    SetStyle(lbOwnerDrawFixed);
}

TcxCustomCheckComboBoxListBox::~TcxCustomCheckComboBoxListBox() {
    StopMouseTracking(this);
}

TcxCustomCheckComboBox* TcxCustomCheckComboBoxListBox::GetCheckComboBox() const {
    return dynamic_cast<TcxCustomCheckComboBox*>(GetComboBox());
}

const TcxCustomCheckComboBoxProperties* TcxCustomCheckComboBoxListBox::CheckProperties() const {
    TcxCustomCheckComboBox* combo = GetCheckComboBox();
    return combo ? combo->GetCheckProperties() : nullptr;
}

void TcxCustomCheckComboBoxListBox::SetItemIndex(int index) {
    if (internalUpdate_) return;
    TcxCustomComboBoxListBox::SetItemIndex(index);
}

// ---- metrics ----

void TcxCustomCheckComboBoxListBox::UpdateItemMetrics() {
    TcxCustomCheckComboBox* combo = GetCheckComboBox();
    auto* p = const_cast<TcxCustomCheckComboBoxProperties*>(CheckProperties());
    if (!combo || !p) return;
    combo->UpdateNativeStyle();
    TBitmap* glyph = p->HasGlyph() ? p->GetGlyph() : nullptr;
    TcxLookAndFeel* popupLook = combo->GetPopupLookAndFeel();
    const TSize size = MeasureEditCheck(GetCanvasWrapper(), popupLook->GetNativeStyle(), glyph,
                                        popupLook->GetSkinPainter(), p->GetGlyphCount());
    const bool hasGlyph = glyph && IsCheckGlyphUsable(glyph, p->GetGlyphCount()) && p->GetGlyphCount() > 0;
    checkFrameInset_ = CheckFrameInset(combo->GetCheckFrameStyle(), combo->GetNativeCheck(), hasGlyph,
                                       combo->GetStyle()->GetLookAndFeel()->GetSkinPainter());
    netCheckSize_ = {size.cx - 2 * checkFrameInset_, size.cy - 2 * checkFrameInset_};
    SetItemHeight(GetItemHeight(-1));
    SetStyle(combo->HasCustomMeasureItem() ? lbOwnerDrawVariable : lbOwnerDrawFixed);
}

int TcxCustomCheckComboBoxListBox::GetItemHeight(int index) {
    const TcxCustomCheckComboBoxProperties* p = CheckProperties();
    const int fixed = p ? p->GetItemHeight() : 0;
    const int height = fixed > 0 ? fixed : TcxCustomComboBoxListBox::GetItemHeight(index);
    return std::max(height, netCheckSize_.cy + 2);
}

int TcxCustomCheckComboBoxListBox::GetItemWidth(int index) {
    return TcxCustomComboBoxListBox::GetItemWidth(index) + GetItemHeight(-1);
}

void TcxCustomCheckComboBoxListBox::HandleLookAndFeelChange() {
    TcxCustomComboBoxListBox::HandleLookAndFeelChange();
    UpdateItemMetrics();
}

// ---- geometry and hot checks ----

int TcxCustomCheckComboBoxListBox::CheckAt(int x, int y) {
    const int index = ItemAtPos({x, y}, true);
    return index >= 0 && index < GetCount() ? index : -1;
}

TRect TcxCustomCheckComboBoxListBox::GetCheckRect(const TRect& row, bool inflate) const {
    const int offset = (row.Height() - netCheckSize_.cy) / 2;
    const int left = offset > 0 ? offset : 1;
    TRect r{left, row.Top + offset, left + netCheckSize_.cx, row.Top + offset + netCheckSize_.cy};
    if (inflate) InflateRect(r, checkFrameInset_, checkFrameInset_);
    return r;
}

void TcxCustomCheckComboBoxListBox::InvalidateCheck(int index) {
    if (!HandleAllocated() || index < 0 || index >= GetCount()) return;
    const TRect r = GetCheckRect(ItemRect(index), true);
    InvalidateRect(GetHandle(), &r, false);
}

void TcxCustomCheckComboBoxListBox::SetHotAndPressed(int hot, int pressed) {
    checks_.SetHotAndPressed(hot, pressed);
}

void TcxCustomCheckComboBoxListBox::RecalcHotAndPressed(TPoint p, TShiftState shift) {
    checks_.Recompute(CheckAt(p.X, p.Y), !GetMouseCapture() && !IsShiftOrButtonHeld(shift));
}

void TcxCustomCheckComboBoxListBox::MouseTrackingLeft() {
    checks_.Clear();
    StopMouseTracking(this);
}

void TcxCustomCheckComboBoxListBox::MouseEntered(TControl* control) {
    TcxCustomComboBoxListBox::MouseEntered(control);
    StartMouseTracking(this, GetBoundsRect(), this);
}

void TcxCustomCheckComboBoxListBox::MouseExited(TControl* control) {
    TcxCustomComboBoxListBox::MouseExited(control);
    MouseTrackingLeft();
}

// ---- painting ----

void TcxCustomCheckComboBoxListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (DrawItemCustom(index, rect, state)) return;
    TcxCustomCheckComboBox* combo = GetCheckComboBox();
    auto* p = const_cast<TcxCustomCheckComboBoxProperties*>(CheckProperties());
    TCanvas* canvas = GetCanvas();
    canvas->FillRect(rect);
    if (!combo || !p || index < 0 || index >= p->GetItems()->GetCount()) return;
    TcxCheckPaintHelper* helper = p->GetPaintHelper();
    helper->Glyph = p->HasGlyph() ? p->GetGlyph() : nullptr;
    helper->GlyphCount = p->GetGlyphCount();
    TRect text = TcxCheckPaintHelper::GetTextRect(rect);
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (UseRightToLeftAlignment()) flags |= DT_RIGHT | DT_RTLREADING;
    canvas->GetBrush()->SetStyle(bsClear);
    DrawText(canvas->GetHandle(), GetItemText(index), text, flags);
    canvas->GetBrush()->SetStyle(bsSolid);
    if (rect.Top < 0) return;
    RememberCanvasColors();
    TcxEditCheckState buttonState = ecsNormal;
    if (!p->GetItems()->GetItem(index)->GetEnabled())
        buttonState = ecsDisabled;
    else if (index == checks_.Hot())
        buttonState = ecsHot;
    else if (index == checks_.Pressed())
        buttonState = ecsPressed;
    TcxEditBorderStyle frame = combo->GetCheckFrameStyle();
    if (frame == TcxEditBorderStyle::ebsFlat && (buttonState == ecsHot || buttonState == ecsPressed) &&
        !combo->GetNativeCheck())
        frame = TcxEditBorderStyle::ebs3D;
    PaintEditCheck(GetCanvasWrapper(), GetCheckRect(rect, true), combo->GetItemState(index), buttonState,
                   helper->Glyph, helper->GlyphCount, frame, combo->GetNativeCheck(), clBtnText, GetColor(), false,
                   false, false, false, combo->GetStyle()->GetLookAndFeel()->GetSkinPainter(), nssGrayedChecked);
    RestoreCanvasColors();
}

// ---- toggling ----

void TcxCustomCheckComboBoxListBox::ToggleItem(int index) {
    TcxCustomCheckComboBox* combo = GetCheckComboBox();
    if (!combo || index < 0 || index >= static_cast<int>(combo->GetStates().size())) return;
    TWeakLink<TcxCustomCheckComboBoxListBox> self(this);
    TWeakLink<TcxCustomCheckComboBox> edit(combo);
    if (!combo->CanToggleItem(index) || !self || !edit) return;
    combo->SetItemState(index, TcxCheckPaintHelper::NextState(combo->GetItemState(index)));
    if (!self || !edit) return;
    combo->SetChangedSinceEnter(true);
    if (combo->GetCheckProperties()->ImmediatePost && combo->HasPendingInput()) combo->PostEditValue(false);
    if (self) InvalidateCheck(index);
}

// ---- mouse and keys ----

void TcxCustomCheckComboBoxListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        checks_.SetCaptured(CheckAt(x, y));
        checks_.SetHotAndPressed(-1, checks_.Captured());
    } else {
        checks_.SetHotAndPressed(-1, -1);
    }
    TcxCustomComboBoxListBox::MouseDown(button, shift, x, y);
}

void TcxCustomCheckComboBoxListBox::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomCheckComboBoxListBox> self(this);
    TcxCustomCheckComboBox* combo = GetCheckComboBox();
    if (combo && combo->IgnoreNextListMouseMove) {
        combo->IgnoreNextListMouseMove = false;
        return;
    }
    RecalcHotAndPressed({x, y}, shift);
    StartMouseTracking(this, GetBoundsRect(), this);
    TcxCustomComboBoxListBox::MouseMove(shift, x, y);
}

void TcxCustomCheckComboBoxListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomCheckComboBoxListBox> self(this);
    TcxCustomComboBoxListBox::MouseUp(button, shift, x, y);
    if (!self || button != mbLeft) return;
    SetMouseCapture(false);
    const int under = CheckAt(x, y);
    const TcxCustomCheckComboBoxProperties* p = CheckProperties();
    const int selected = GetItemIndex();
    if (under >= 0 && p && selected >= 0 && selected < p->GetItems()->GetCount() &&
        p->GetItems()->GetItem(selected)->GetEnabled()) {
        if (TcxCustomTextEditLookupData* data = GetLookupData()) data->SetCurrentKey(under);
        if (!self) return;
        if (under == checks_.Pressed()) ToggleItem(under);
        if (!self) return;
    }
    checks_.Release(IsShiftOrButtonHeld(shift) ? -1 : CheckAt(x, y));
}

bool TcxCustomCheckComboBoxListBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    TWeakLink<TcxCustomCheckComboBoxListBox> self(this);
    const bool handled = TcxCustomComboBoxListBox::DoMouseWheel(shift, wheelDelta, mousePos);
    if (self && HandleAllocated()) {
        TPoint p{};
        GetCursorPos(p);
        RecalcHotAndPressed(ScreenToClient(p), CurrentShiftState());
    }
    return handled;
}

void TcxCustomCheckComboBoxListBox::KeyDown(std::uint16_t& key, TShiftState shift) {
    // A click leaves the list open and focused: the keys that accept, cancel or close it still reach
    // the editor.
    TcxCustomCheckComboBox* combo = GetCheckComboBox();
    const bool alt = (shift & ssAlt) != 0;
    const bool closing = key == VK_ESCAPE || key == VK_RETURN || key == VK_TAB || (key == VK_F4 && !alt) ||
                         (alt && (key == VK_UP || key == VK_DOWN));
    if (combo && closing && combo->HandleAllocated()) {
        SendMessage(combo->GetHandle(), WM_KEYDOWN, key, 0);
        key = 0;
        return;
    }
    TcxCustomComboBoxListBox::KeyDown(key, shift);
}

void TcxCustomCheckComboBoxListBox::KeyPress(char32_t& key) {
    const int selected = GetItemIndex();
    const TcxCustomCheckComboBoxProperties* p = CheckProperties();
    if (selected < 0 || !p) {
        TcxCustomComboBoxListBox::KeyPress(key);
        return;
    }
    if (key == U' ' && selected < p->GetItems()->GetCount() && p->GetItems()->GetItem(selected)->GetEnabled()) {
        internalUpdate_ = true;
        struct Clear {
            TWeakLink<TcxCustomCheckComboBoxListBox> list;
            ~Clear() {
                if (list) list->internalUpdate_ = false;
            }
        } clear{TWeakLink<TcxCustomCheckComboBoxListBox>(this)};
        ToggleItem(selected);
    }
    key = 0;
}

void TcxCustomCheckComboBoxListBox::Dispatch(TMessage& m) {
    // The rows carry no text of their own: the Descriptions are drawn from the items.
    if (m.Msg == LB_GETTEXTLEN) {
        m.Result = 0;
        return;
    }

    TcxCustomComboBoxListBox::Dispatch(m);
}

} // namespace zorvy
