#include "controls/editors/text/TextEditLookupData.h"

#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/text/EditListBox.h"
#include "controls/editors/text/TextEdit.h"

#include <cctype>

namespace zorvy {

namespace {
bool SameIgnoringCase(const std::string& a, const std::string& b, std::size_t n) {
    if (a.size() < n || b.size() < n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x != y && (x >= 0x80 || y >= 0x80 || std::toupper(x) != std::toupper(y))) return false;
    }
    return true;
}
} // namespace

TcxCustomTextEditLookupData::TcxCustomTextEditLookupData(TPersistent* owner) : TcxInterfacedPersistent(owner) {}

TcxCustomTextEdit* TcxCustomTextEditLookupData::Edit() const {
    return dynamic_cast<TcxCustomTextEdit*>(GetOwnerObject());
}

const TcxCustomTextEditProperties* TcxCustomTextEditLookupData::Properties() const {
    TcxCustomTextEdit* edit = Edit();
    return edit ? edit->GetTextProperties() : nullptr;
}

std::string TcxCustomTextEditLookupData::GetItemText(int index) const {
    return Properties()->GetLookupItems()[index];
}

int TcxCustomTextEditLookupData::GetItemCount() const {
    const TcxCustomTextEditProperties* p = Properties();
    return p ? static_cast<int>(p->GetLookupItems().size()) : 0;
}

std::string TcxCustomTextEditLookupData::GetDisplayText(int key) const {
    return key >= 0 && key < GetItemCount() ? GetItemText(key) : std::string();
}

int TcxCustomTextEditLookupData::IndexOfText(const std::string& text) const {
    for (int i = 0; i < GetItemCount(); ++i) {
        const std::string item = GetItemText(i);
        if (item.size() == text.size() && SameIgnoringCase(item, text, text.size())) return i;
    }
    return -1;
}

void TcxCustomTextEditLookupData::ApplyNoMatchRule(const std::string& text, bool syncMode) {
    const int style = Properties() ? Properties()->GetInputStyle() : istFreeText;
    bool clear;
    if (style == istListCompleted)
        clear = syncMode || (text.empty() && IndexOfText({}) < 0);
    else if (style == istListOnly)
        clear = syncMode;
    else
        clear = true;
    if (clear) SetCurrentKey(-1);
}

bool TcxCustomTextEditLookupData::FindCompletion(std::string& text, std::string& tail, bool startAfterCurrent,
                                                 bool syncMode) {
    tail.clear();
    const int count = GetItemCount();
    if (count == 0) {
        ApplyNoMatchRule(text, syncMode);
        return false;
    }
    if (syncMode && Properties()->GetSyncByWholeText()) {
        const int index = IndexOfText(text);
        SetCurrentKey(index);
        return index >= 0;
    }
    if (!text.empty()) {
        const std::size_t n = text.size();
        for (int i = startAfterCurrent ? itemIndex_ + 1 : 0; i < count; ++i) {
            const std::string item = GetItemText(i);
            if (!SameIgnoringCase(item, text, n)) continue;
            text = item.substr(0, n);
            tail = item.substr(n);
            SetCurrentKey(i);
            return true;
        }
    }
    ApplyNoMatchRule(text, syncMode);
    return false;
}

void TcxCustomTextEditLookupData::SetCurrentKey(int index) {
    if (index < -1 || index >= GetItemCount()) return;
    currentKey_ = index;
    SetItemIndex(index);
}

void TcxCustomTextEditLookupData::SetItemIndex(int index) {
    if (index < -1 || index >= GetItemCount()) return;
    if (index == itemIndex_ && index != -1) return;
    if (TcxCustomEditListBox* list = GetList(); list && GetItemCount() > 0) {
        // The window keeps no selection of -1 unless it had one to drop.
        if (index == -1) list->SetItemIndex(0);
        list->SetItemIndex(index);
    }
    itemIndex_ = index;
}

void TcxCustomTextEditLookupData::SetCurrentKeyValue(const Variant& value) {
    const int old = currentKey_;
    int key = -1;
    try {
        key = value.IsNull() ? -1 : value.AsInteger();
    } catch (const Exception&) {
        return;
    }
    SetCurrentKey(key);
    TcxCustomTextEdit* edit = Edit();
    // The text the item gives the editor does not move the item again.
    const bool wasLocked = edit && edit->IsLookupSyncLocked();
    if (edit) edit->SetLookupSyncLocked(true);
    struct Unlock {
        TcxCustomTextEdit* edit;
        bool wasLocked;
        ~Unlock() {
            if (edit) edit->SetLookupSyncLocked(wasLocked);
        }
    } unlock{edit, wasLocked};
    if (currentKey_ == old) {
        if (currentKey_ >= 0 && edit && edit->GetText() != GetItemText(currentKey_)) FireSelectItem();
    } else {
        FireSelectItem();
    }
}

void TcxCustomTextEditLookupData::StepItem(TcxEditLookupDirection direction, bool wrap) {
    const int count = GetItemCount();
    if (count == 0) return;
    const int rows = Properties() ? Properties()->GetDefaultListRows() : 8;
    const int s = itemIndex_ >= 0 ? itemIndex_ : currentKey_;
    int t = s;
    switch (direction) {
    case eldFirst:
        t = 0;
        break;
    case eldLast:
        t = count - 1;
        break;
    case eldNext:
        t = s + 1 == count ? (wrap ? 0 : s) : s + 1;
        break;
    case eldPrevious:
        t = s - 1 < 0 ? (wrap ? count - 1 : s) : s - 1;
        break;
    case eldPageUp:
        if (s == -1)
            t = wrap ? count - 1 : -1;
        else {
            t = s - rows + 1;
            if (t < 0) t = wrap && s == 0 ? count - 1 : 0;
        }
        break;
    case eldPageDown:
        t = s == -1 ? rows - 1 : s + rows - 1;
        if (t >= count) t = wrap && s == count - 1 ? 0 : count - 1;
        break;
    }
    TcxCustomEditListBox* list = GetList();
    TcxCustomTextEdit* edit = Edit();
    if (!list || !list->IsVisible() || (Properties()->ImmediateUpdateText && edit && edit->RequestEditing()))
        SetCurrentKeyValue(Variant(t));
    else
        SetItemIndex(t);
}

void TcxCustomTextEditLookupData::SyncWithEditText() {
    TcxCustomTextEdit* edit = Edit();
    if (!edit || edit->IsRequestingEditing()) return;
    const std::string text = edit->GetText();
    if (itemIndex_ >= 0 && itemIndex_ < GetItemCount() && SameIgnoringCase(GetDisplayText(itemIndex_), text, text.size()) &&
        GetDisplayText(itemIndex_).size() == text.size())
        return;
    std::string copy = text, tail;
    FindCompletion(copy, tail, false, true);
}

void TcxCustomTextEditLookupData::FireSelectItem() {
    if (OnSelectItem) OnSelectItem(this);
}

// ---- The drop-down list ----

void TcxCustomTextEditLookupData::PrepareListBox(TWinControl* parent) {
    if (!GetList() && GetListBoxClass())
        list_ = TWeakLink<TcxCustomEditListBox>(CreateInstance<TcxCustomEditListBox>(GetListBoxClass(), parent));
    TcxCustomEditListBox* list = GetList();
    if (!list) return;
    list->SetLookupData(this);
    if (TcxCustomTextEdit* edit = Edit()) {
        TcxCustomEditStyle* style = edit->GetEffectiveStyle();
        list->SetColor(style->GetColor());
        list->SetFont(style->EffectiveFont());
    }
    list->SetParent(parent);
    list->OnSelectItem = [this](TObject*) { TakeListItemIndex(); };
    UpdateListCount();
    if (itemIndex_ >= 0 && itemIndex_ < list->GetCount()) list->SetItemIndex(itemIndex_);
    list->UpdateItemMetrics();
    SyncWithEditText();
}

void TcxCustomTextEditLookupData::TakeListItemIndex() {
    if (TcxCustomEditListBox* list = GetList()) {
        const int index = list->GetItemIndex();
        itemIndex_ = index >= 0 && index < GetItemCount() ? index : -1;
    }
}

void TcxCustomTextEditLookupData::UpdateListCount() {
    if (TcxCustomEditListBox* list = GetList()) list->SetItemCount(GetItemCount());
}

bool TcxCustomTextEditLookupData::AdjustListSize(TSize&, int) {
    return true;
}

TSize TcxCustomTextEditLookupData::MeasureList(int, int) {
    return {0, 0};
}

void TcxCustomTextEditLookupData::SetListBounds(const TRect& r) {
    if (TcxCustomEditListBox* list = GetList()) list->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TcxCustomTextEditLookupData::CommitListSelection() {
    if (itemIndex_ == -1) return;
    const int old = currentKey_;
    TcxCustomTextEdit* edit = Edit();
    if (currentKey_ != itemIndex_ || (edit && edit->RequestEditing())) {
        SetCurrentKeyValue(Variant(itemIndex_));
        if (currentKey_ == old) FireSelectItem();
    }
}

bool TcxCustomTextEditLookupData::IsScreenPointInList(TPoint screenPoint) const {
    TcxCustomEditListBox* list = GetList();
    if (!list || !list->HandleAllocated()) return false;
    return PtInRect(list->GetClientRect(), list->ScreenToClient(screenPoint));
}

} // namespace zorvy
