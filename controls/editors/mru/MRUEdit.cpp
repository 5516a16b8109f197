// The MRU edit's list keeping, its ellipsis button and its registration.
#include "controls/editors/mru/MRUEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryMRUItem,
                     "MRUEdit|Represents a text editor displaying the list of most recently used items (MRU) "
                     "within a dropdown window");

TcxCustomMRUEditProperties::TcxCustomMRUEditProperties(TPersistent* owner) : TcxCustomComboBoxProperties(owner) {
    TcxEditButton* ellipsis = GetButtons()->AddButton();
    ellipsis->SetKind(bkEllipsis);
    ellipsis->SetDefault(true);
    SetDropDownListStyle(lsEditList);
}

void TcxCustomMRUEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomMRUEditProperties*>(source);
    if (!other) return TcxCustomComboBoxProperties::Assign(source);
    BeginChanges();
    TcxCustomComboBoxProperties::Assign(source);
    SetMaxItemCount(other->maxItemCount_);
    SetShowEllipsis(other->showEllipsis_);
    OnDeleteLookupItem = other->OnDeleteLookupItem;
    EndChanges();
}

void TcxCustomMRUEditProperties::ShareStateWith(TcxCustomEditProperties* other) {
    if (auto* mru = dynamic_cast<TcxCustomMRUEditProperties*>(other)) mru->SetLookupItems(GetLookupItems());
}

const TMetaClass* TcxCustomMRUEditProperties::GetEditControlClass() const {
    return TcxMRUEdit::StaticClass();
}

TcxCustomEdit* TcxCustomMRUEditProperties::CreateEditControl(bool inplace) const {
    return new TcxMRUEdit(nullptr, inplace, ClassType());
}

void TcxCustomMRUEditProperties::SetMaxItemCount(int value) {
    value = std::max(value, 0);
    if (value == maxItemCount_) return;
    maxItemCount_ = value;
    TrimToMaxCount();
    Changed();
}

void TcxCustomMRUEditProperties::SetShowEllipsis(bool value) {
    if (value == showEllipsis_) return;
    showEllipsis_ = value;
    BeginChanges();
    GetButtons()->ButtonAt(1)->SetVisible(value);
    EndChanges();
}

void TcxCustomMRUEditProperties::TrimToMaxCount() {
    if (maxItemCount_ == 0) return;
    while (static_cast<int>(GetLookupItems().size()) > maxItemCount_) {
        const int last = static_cast<int>(GetLookupItems().size()) - 1;
        if (OnDeleteLookupItem) OnDeleteLookupItem(this, last);
        std::vector<std::string> items = GetLookupItems();
        if (static_cast<int>(items.size()) <= last) continue; // the handler removed it already
        items.erase(items.begin() + last);
        SetLookupItems(items);
    }
}

void TcxCustomMRUEdit::AddItem(const std::string& text) {
    if (text.empty()) return;
    TcxCustomMRUEditProperties* p = GetMRUProperties();
    std::vector<std::string> items = p->GetLookupItems();
    const auto found = std::find_if(items.begin(), items.end(), [&](const std::string& s) { return AnsiSameText(s, text); });
    if (found == items.begin()) return;
    if (found == items.end()) {
        TWeakLink<TcxCustomMRUEdit> self(this);
        FireNewLookupDisplayText(text);
        if (!self) return;
        items = p->GetLookupItems();
        items.insert(items.begin(), text);
        p->SetLookupItems(items);
        p->TrimToMaxCount();
        return;
    }
    std::rotate(items.begin(), found, found + 1);
    p->SetLookupItems(items);
}

void TcxCustomMRUEdit::FireButtonClick(int index) {
    const TcxCustomEditViewInfo* vi = GetEditViewInfo();
    if (index < 0 || index >= vi->ButtonCount() || vi->Button(index)->ButtonIndex != 1) return;
    TcxCustomComboBox::FireButtonClick(index);
}

void TcxCustomMRUEdit::StoreDisplayValue(const Variant& value) {
    AddItem(GetText());
    TcxCustomComboBox::StoreDisplayValue(value);
}

void TcxCustomMRUEdit::ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) {
    if (key == VK_RETURN && !(shift & ssAlt) && !(GetDroppedDown() && GetLookupData()->GetCurrentKey() >= 0))
        AddItem(GetText());
    TcxCustomComboBox::ProcessEditKeyDown(key, shift);
}

void TcxCustomMRUEdit::TakeLookupSelection() {
    TWeakLink<TcxCustomMRUEdit> self(this);
    TcxCustomComboBox::TakeLookupSelection();
    if (self && !SteppingLookupItem && IsValueChangeAllowed()) AddItem(GetText());
}

TcxMRUEdit::TcxMRUEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomMRUEdit(owner, inplace, propertiesClass) {
    if (!inplace) SetAutoSize(true);
}

namespace {
int mruEditUnitCounter = 0;
}

void InitializeMRUEditUnit() {
    if (mruEditUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxMRUEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryMRUItem));
    GetFilterEditHelperRegistry()->AddPair(TcxMRUEditProperties::StaticClass(), TcxFilterTextEditHelper::StaticClass());
}

void FinalizeMRUEditUnit() {
    if (mruEditUnitCounter == 0 || --mruEditUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxMRUEditProperties::StaticClass(),
                                              TcxFilterTextEditHelper::StaticClass());
}

} // namespace zorvy
