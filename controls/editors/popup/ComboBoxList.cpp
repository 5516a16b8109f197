// The combo box's lookup data (measuring the list for opening, whole-row resizing) and its list
// boxes (custom drawing and measuring, the selection by mouse).
#include "controls/editors/popup/ComboBox.h"

#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {

// ---- Lookup data ----

const TMetaClass* TcxComboBoxLookupData::GetListBoxClass() const {
    return TcxComboBoxListBox::StaticClass();
}

void TcxComboBoxLookupData::PrepareListBox(TWinControl* parent) {
    TcxCustomTextEditLookupData::PrepareListBox(parent);
    auto* edit = dynamic_cast<TcxCustomDropDownEdit*>(Edit());
    if (TcxCustomEditListBox* list = GetList(); list && edit)
        list->GetLookAndFeel()->SetMaster(edit->GetPopupLookAndFeel());
}

TcxListRows TcxComboBoxLookupData::Rows() {
    TcxCustomEditListBox* list = GetList();
    return {GetItemCount(), [list](int index) { return list->GetItemHeight(index); }};
}

TSize TcxComboBoxLookupData::MeasureList(int maxHeight, int widthLimit) {
    TcxCustomEditListBox* list = GetList();
    const auto* p = dynamic_cast<const TcxCustomComboBoxProperties*>(Properties());
    if (!list || !p) return {0, 0};
    int widest = 0;
    for (int i = 0; i < GetItemCount(); ++i) widest = std::max(widest, list->GetItemWidth(i));
    if (list->HandleAllocated()) {
        SendMessage(list->GetHandle(), LB_SETHORIZONTALEXTENT, 0);
        SendMessage(list->GetHandle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4));
    }
    return MeasureComboList(Rows(), p->GetDropDownRows(), widest, maxHeight, widthLimit);
}

bool TcxComboBoxLookupData::AdjustListSize(TSize& size, int maxHeight) {
    TcxCustomEditListBox* list = GetList();
    if (!list) return true;
    const int extent =
        list->HandleAllocated() ? static_cast<int>(SendMessage(list->GetHandle(), LB_GETHORIZONTALEXTENT)) : 0;
    AdjustComboListSize(Rows(), size, maxHeight, {list->GetWidth(), list->GetHeight()}, extent);
    return true;
}

// ---- List boxes ----

TcxCustomComboBoxListBox::TcxCustomComboBoxListBox(TComponent* owner) : TcxCustomEditListBox(owner) {
    SetStyle(lbOwnerDrawVariable);
}

TcxCustomComboBox* TcxCustomComboBoxListBox::GetComboBox() const {
    return dynamic_cast<TcxCustomComboBox*>(GetOwnerEdit());
}

bool TcxCustomComboBoxListBox::DrawItemCustom(int index, const TRect& rect, TOwnerDrawState state) {
    TcxCustomComboBox* combo = GetComboBox();
    if (!combo || !combo->HasCustomDrawItem()) return false;
    combo->FireDrawItem(GetCanvasWrapper(), index, rect, state);
    return true;
}

void TcxCustomComboBoxListBox::UpdateItemMetrics() {
    if (HandleAllocated()) RecreateWnd();
}

void TcxCustomComboBoxListBox::Dispatch(TMessage& m) {
    const int oldWidth = GetWidth();
    TcxCustomEditListBox::Dispatch(m);
    // Items the combo box draws itself may depend on the width: a wider list draws them all again.
    if (m.Msg == WM_WINDOWPOSCHANGED && GetWidth() != oldWidth && HandleAllocated())
        if (TcxCustomComboBox* combo = GetComboBox(); combo && combo->HasCustomDrawItem()) Invalidate();
}

int TcxComboBoxListBox::GetItemHeight(int index) {
    TcxCustomComboBox* combo = GetComboBox();
    const int fixed = combo ? combo->GetComboProperties()->GetItemHeight() : 0;
    int height = fixed > 0 ? fixed : TcxCustomEditListBox::GetItemHeight(index);
    if (index >= 0 && combo && combo->HasCustomMeasureItem()) combo->FireMeasureItem(index, GetCanvasWrapper(), height);
    return height;
}

void TcxComboBoxListBox::UpdateItemMetrics() {
    TcxCustomComboBox* combo = GetComboBox();
    SetItemHeight(GetItemHeight(-1));
    SetStyle(combo && combo->HasCustomMeasureItem() ? lbOwnerDrawVariable : lbOwnerDrawFixed);
}

void TcxComboBoxListBox::SetItemIndex(int index) {
    if (TcxCustomComboBox* combo = GetComboBox()) combo->IgnoreNextListMouseMove = true;
    TcxCustomComboBoxListBox::SetItemIndex(index);
}

void TcxComboBoxListBox::MouseMove(TShiftState shift, int x, int y) {
    TcxCustomComboBox* combo = GetComboBox();
    if (combo && combo->IgnoreNextListMouseMove) {
        combo->IgnoreNextListMouseMove = false;
        TcxCustomInnerListBox::MouseMove(shift, x, y);
        return;
    }
    TcxCustomComboBoxListBox::MouseMove(shift, x, y);
}

void TcxComboBoxListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxComboBoxListBox> self(this);
    TcxCustomComboBoxListBox::MouseUp(button, shift, x, y);
    if (!self || button != mbLeft) return;
    const int index = ItemAtPos({x, y}, true);
    if (index < 0) return;
    SetMouseCapture(false);
    SetItemIndex(index);
    if (TcxCustomComboBox* combo = self ? GetComboBox() : nullptr) combo->ClosePopup(crEnter);
}

} // namespace zorvy
