#include "platform/classlib/stdctrls/GroupBoxes.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/StdPaint.h"

#include <algorithm>

namespace zorvy {

// ---- TCustomGroupBox ----

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
    ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks |
                   csReplicatable | csParentBackground;
    parentColor_ = true;
    color_ = clBtnFace;
    SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::CaptionHeight() const {
    return FontTextHeight(*font_);
}

void TCustomGroupBox::AdjustClientRect(TRect& rect) {
    TCustomControl::AdjustClientRect(rect);
    rect.Top += CaptionHeight();
    InflateRect(rect, -2, -2);
}

void TCustomGroupBox::CMTextChanged(TMessage& m) {
    TCustomControl::CMTextChanged(m);
    Invalidate();
}

void TCustomGroupBox::CMDialogChar(TMessage& m) {
    // The caption's accelerator moves into the box.
    if (IsAccel(static_cast<char32_t>(m.WParam), GetText()) && CanFocus()) {
        SelectFirst();
        m.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(m);
}

void TCustomGroupBox::Paint() {
    TCanvas* c = GetCanvas();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(color_);
    c->FillRect(GetClientRect());
    c->SetFont(GetFont());
    const int h = CaptionHeight();
    TRect frame = Rect(0, h / 2, width_, height_);
    DrawEdge(c->GetHandle(), frame, EDGE_ETCHED, BF_RECT);
    const std::string caption = GetText();
    if (caption.empty()) return;
    TRect text = Rect(0, 0, 0, 0);
    DrawText(c->GetHandle(), caption, text, DT_CALCRECT | DT_SINGLELINE);
    // The caption sits on the top line with a little room of the face on both sides.
    text = Bounds(8, 0, text.Width() + 4, h);
    c->GetBrush()->SetColor(color_);
    c->FillRect(text);
    c->GetBrush()->SetStyle(bsClear);
    DrawCaption(c, caption, Rect(text.Left + 2, 0, text.Right, h), DT_SINGLELINE | DT_LEFT | DT_TOP, enabled_);
}

// ---- TRadioGroup ----

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner), items_(std::make_unique<TStringList>()) {
    items_->OnChange = [this](TObject*) { ItemsChanged(); };
}

TRadioGroup::~TRadioGroup() {
    Destroying();
    items_->OnChange = nullptr;
}

TRadioButton* TRadioGroup::GetButton(int index) const {
    CheckListIndex(index, static_cast<int>(buttons_.size()));
    return buttons_[static_cast<std::size_t>(index)];
}

void TRadioGroup::ItemsChanged() {
    // Buttons are kept where they can be, so their windows and focus survive a caption change.
    const int count = items_->GetCount();
    while (static_cast<int>(buttons_.size()) > count) {
        TRadioButton* b = buttons_.back();
        buttons_.pop_back();
        delete b;
    }
    while (static_cast<int>(buttons_.size()) < count) {
        auto* b = new TRadioButton(this);
        b->OnClick = [this, b](TObject*) { ButtonClicked(b); };
        b->SetParent(this);
        buttons_.push_back(b);
    }
    updating_ = true;
    for (int i = 0; i < count; ++i) {
        buttons_[static_cast<std::size_t>(i)]->SetCaption(items_->Get(i));
        buttons_[static_cast<std::size_t>(i)]->SetChecked(i == itemIndex_);
    }
    updating_ = false;
    if (itemIndex_ >= count) itemIndex_ = -1;
    Realign();
}

void TRadioGroup::Notification(TComponent* component, TOperation operation) {
    TCustomGroupBox::Notification(component, operation);
    if (operation == opRemove) std::erase(buttons_, component);
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(buttons_.size())) index = -1;
    itemIndex_ = index;
    updating_ = true;
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetChecked(static_cast<int>(i) == index);
    updating_ = false;
}

void TRadioGroup::SetColumns(int value) {
    columns_ = std::clamp(value, 1, 16);
    Realign();
}

void TRadioGroup::ButtonClicked(TRadioButton* button) {
    if (updating_ || !button->GetChecked()) return;
    const auto it = std::find(buttons_.begin(), buttons_.end(), button);
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}

void TRadioGroup::AlignControls(TControl* control, TRect& rect) {
    TCustomGroupBox::AlignControls(control, rect);
    if (buttons_.empty()) return;
    // Items run down the columns; rows share the height evenly.
    const int count = static_cast<int>(buttons_.size());
    const int rows = (count + columns_ - 1) / columns_;
    const TRect area = Rect(rect.Left + 6, rect.Top, rect.Right - 2, rect.Bottom - 2);
    const int columnWidth = std::max(1, area.Width() / columns_);
    const int rowHeight = std::max(1, area.Height() / rows);
    for (int i = 0; i < count; ++i) {
        const int column = i / rows, row = i % rows;
        const int h = std::min(rowHeight, 20);
        buttons_[static_cast<std::size_t>(i)]->SetBounds(area.Left + column * columnWidth,
                                                         area.Top + row * rowHeight + (rowHeight - h) / 2,
                                                         columnWidth - 4, h);
    }
}

} // namespace zorvy
