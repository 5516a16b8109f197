#include "controls/editors/text/EditListBox.h"

#include "controls/editors/text/TextEdit.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/gdi/Text.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Windows.h"

namespace zorvy {

TcxCustomEditListBox::TcxCustomEditListBox(TComponent* owner) : TcxCustomInnerListBox(owner) {
    // Borderless: the inner list's window has no client edge.
    // Every line is as high as the list says, whatever the window asks.
    OnMeasureItem = [this](TWinControl*, int index, int& height) { height = GetItemHeight(index); };
}

void TcxCustomEditListBox::CreateParams(TCreateParams& params) {
    TcxCustomInnerListBox::CreateParams(params);
    // Items wider than the list scroll sideways.
    params.style |= WS_HSCROLL;
}

TcxCustomTextEdit* TcxCustomEditListBox::GetOwnerEdit() const {
    return lookupData_ ? dynamic_cast<TcxCustomTextEdit*>(lookupData_->GetOwnerObject()) : nullptr;
}

std::string TcxCustomEditListBox::GetItemText(int index) const {
    if (lookupData_) return lookupData_->GetItemText(index);
    return index >= 0 && index < GetCount() ? const_cast<TcxCustomEditListBox*>(this)->GetItems()->Get(index) : std::string();
}

int TcxCustomEditListBox::MeasureRowsHeight(int rows) {
    return rows * GetItemHeight(-1);
}

// Measured on the screen canvas: measuring asks for no window of the list's own.
int TcxCustomEditListBox::GetItemHeight(int) {
    TcxScreenCanvas* canvas = ScreenCanvasInstance();
    canvas->AssignFont(GetFont());
    return canvas->MeasureTextHeight("Wg");
}

int TcxCustomEditListBox::GetItemWidth(int index) {
    TcxScreenCanvas* canvas = ScreenCanvasInstance();
    canvas->AssignFont(GetFont());
    return canvas->MeasureTextWidth(GetItemText(index));
}

void TcxCustomEditListBox::SetItemCount(int count) {
    count = std::max(count, 0);
    if (GetCount() == count) return;
    TStrings* items = GetItems();
    items->BeginUpdate();
    try {
        while (GetCount() < count) items->Add(std::string());
        while (GetCount() > count) items->Delete(GetCount() - 1);
    } catch (...) {
        items->EndUpdate();
        throw;
    }
    items->EndUpdate();
}

bool TcxCustomEditListBox::IsVisible() const {
    return Window() != 0 && IsWindowVisible(Window());
}

void TcxCustomEditListBox::NotifySelected() {
    TWeakLink<TcxCustomEditListBox> self(this);
    RefreshScrollBars();
    if (self && OnSelectItem) OnSelectItem(this);
}

void TcxCustomEditListBox::SetItemIndex(int index) {
    SelectLine(index);
}

void TcxCustomEditListBox::SelectLine(int index) {
    TcxCustomInnerListBox::SetItemIndex(index);
    NotifySelected();
}

void TcxCustomEditListBox::Click() {
    TWeakLink<TcxCustomEditListBox> self(this);
    TcxCustomInnerListBox::Click();
    if (self) NotifySelected();
}

bool TcxCustomEditListBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TcxCustomInnerListBox::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
    if (!HandleAllocated()) return false;
    UINT lines = 3;
    SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines);
    LRESULT last = 1;
    for (UINT i = 0; i < lines; ++i) last = SendMessage(GetHandle(), WM_VSCROLL, wheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN);
    return last == 0;
}

void TcxCustomEditListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (DrawItemCustom(index, rect, state)) return;
    TCanvas* c = GetCanvas();
    c->FillRect(rect);
    if (index < 0 || index >= GetCount()) return;
    TRect r = rect;
    const bool rightToLeft = UseRightToLeftAlignment();
    if (rightToLeft)
        r.Right -= 2;
    else
        r.Left += 2;
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (rightToLeft) flags |= DT_RIGHT | DT_RTLREADING;
    c->GetBrush()->SetStyle(bsClear);
    DrawText(c->GetHandle(), GetItemText(index), r, flags);
    c->GetBrush()->SetStyle(bsSolid);
}

bool TcxCustomEditListBox::DrawsFocusRect() const {
    TcxCustomTextEdit* edit = GetOwnerEdit();
    if (!edit) return false;
    const TcxEditInputStyle style = edit->GetTextProperties()->GetInputStyle();
    return style == istListOnly || style == istNoTyping;
}

void TcxCustomEditListBox::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomEditListBox> self(this);
    TcxCustomInnerListBox::MouseMove(shift, x, y);
    if (!self || !HotTrack || GetMouseCapture()) return;
    int index = ItemAtPos({x, y}, true);
    // Below the last line no line is under the pointer.
    if (index < 0 && GetCount() > 0 && y >= ItemRect(GetCount() - 1).Bottom) index = GetCount();
    if (index != -1 && index != GetItemIndex()) SelectLine(index);
}

void TcxCustomEditListBox::Dispatch(TMessage& m) {
    TcxCustomInnerListBox::Dispatch(m);
    // The shown list paints as focused while the keyboard stays in the editor.
    if (m.Msg == CM_SHOWINGCHANGED && HandleAllocated()) {
        TMessage focus{WM_SETFOCUS, 0, 0, 0};
        TListBox::DefaultHandler(focus);
    }
}

} // namespace zorvy
