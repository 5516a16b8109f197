// The items of a check list box and the collection that keeps the inner box's rows and the edit
// value in step with them.
#include "controls/editors/lists/CheckListBox.h"

#include "controls/foundation/containers/Container.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"

namespace zorvy {

// ---- TcxCheckListBoxItem ----

TcxCustomInnerCheckListBox* TcxCheckListBoxItem::InnerBox() const {
    auto* items = dynamic_cast<TcxCheckListBoxItems*>(GetCollection());
    return items ? items->GetInnerBox() : nullptr;
}

void TcxCheckListBoxItem::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCheckListBoxItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    SetText(other->text_);
    SetEnabled(other->enabled_);
    SetImageIndex(other->imageIndex_);
    data_ = other->data_;
    SetState(other->state_);
    Tag = other->Tag;
}

std::string TcxCheckListBoxItem::GetDisplayName() const {
    return text_.empty() ? TCollectionItem::GetDisplayName() : text_;
}

void TcxCheckListBoxItem::SetText(const std::string& value) {
    if (StringsMatch(text_, value, true)) return;
    text_ = value;
    auto* items = dynamic_cast<TcxCheckListBoxItems*>(GetCollection());
    TcxCustomInnerCheckListBox* inner = InnerBox();
    if (!items || items->GetUpdateCount() > 0 || !inner) return;
    const int index = GetIndex();
    if (index < inner->GetCount()) inner->GetItems()->Put(index, value);
    if (TcxCustomCheckListBox* box = inner->GetCheckListBox(); box && box->GetSorted()) box->SortItems();
    Changed(false);
}

void TcxCheckListBoxItem::SetEnabled(bool value) {
    if (enabled_ == value) return;
    enabled_ = value;
    Changed(false);
}

void TcxCheckListBoxItem::SetImageIndex(int value) {
    if (imageIndex_ == value) return;
    imageIndex_ = value;
    Changed(false);
}

void TcxCheckListBoxItem::SetState(TcxCheckBoxState value) {
    TcxCustomInnerCheckListBox* inner = InnerBox();
    TcxCustomCheckListBox* box = inner ? inner->GetCheckListBox() : nullptr;
    if (value == cbsGrayed && box && box->GetEditValueFormat() == cvfInteger) value = cbsUnchecked;
    if (state_ == value) return;
    const TcxCheckBoxState previous = state_;
    state_ = value;
    if (!inner) return;
    inner->InvalidateItem(GetIndex());
    auto* items = static_cast<TcxCheckListBoxItems*>(GetCollection());
    if (!box || items->IsChangeLocked()) return;
    try {
        box->StoreStates();
    } catch (...) {
        // A state the value's format cannot hold is not kept: the row shows what the value says.
        state_ = previous;
        inner->InvalidateItem(GetIndex());
        throw;
    }
}

// ---- TcxCheckListBoxItems ----

TcxCheckListBoxItems::TcxCheckListBoxItems(TcxCustomInnerCheckListBox* owner)
    : TOwnedCollection(owner, TcxCheckListBoxItem::StaticClass()), inner_(owner) {}

TcxCheckListBoxItems::~TcxCheckListBoxItems() {
    // Freeing the items touches no window.
    inner_ = nullptr;
    Clear();
}

int TcxCheckListBoxItems::IndexOfText(const std::string& text) const {
    for (int i = 0; i < GetCount(); ++i)
        if (StringsMatch(GetItem(i)->GetText(), text, false)) return i;
    return -1;
}

int TcxCheckListBoxItems::IndexOfData(void* data) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetItem(i)->GetData() == data) return i;
    return -1;
}

void TcxCheckListBoxItems::LockChanges(bool lock, bool notify) {
    if (lock) {
        ++changeLock_;
        return;
    }
    if (changeLock_ == 0) return;
    --changeLock_;
    if (changeLock_ == 0 && notify) Update(nullptr);
}

void TcxCheckListBoxItems::Update(TCollectionItem* item) {
    TOwnedCollection::Update(item);
    if (!inner_) return;
    TcxCustomCheckListBox* box = inner_->GetCheckListBox();
    TStrings* rows = inner_->GetItems();
    const int count = GetCount();
    // The rows change without a repaint or a scroll-bar update each.
    const bool hasWindow = inner_->HandleAllocated();
    if (hasWindow) SendMessage(inner_->GetHandle(), WM_SETREDRAW, 0, 0);
    // A whole-collection update gives every row its text: new rows take it at once.
    while (rows->GetCount() < count) rows->Add(item ? std::string() : GetItem(rows->GetCount())->GetText());
    while (rows->GetCount() > count) rows->Delete(rows->GetCount() - 1);
    if (!item)
        for (int i = 0; i < count; ++i)
            if (rows->Get(i) != GetItem(i)->GetText()) rows->Put(i, GetItem(i)->GetText());
    if (hasWindow) SendMessage(inner_->GetHandle(), WM_SETREDRAW, 1, 0);
    if (item) {
        inner_->InvalidateItem(item->GetIndex());
    } else {
        if (box && box->GetSorted()) box->SortItems();
        inner_->InvalidateAll();
    }
    if (!box) return;
    if (box->AreStatesMaster())
        box->StoreStates();
    else
        box->ApplyEditValue();
}

} // namespace zorvy
