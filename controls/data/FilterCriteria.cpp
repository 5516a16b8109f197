// The criteria tree: groups and conditions, change notification, evaluation for one record and
// removal by item link.
#include "controls/data/FilterCriteria.h"

#include "controls/data/DataResources.h"
#include "controls/data/Variants.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <optional>

namespace zorvy {

// ---- nodes ----

TcxCustomFilterCriteriaItem::~TcxCustomFilterCriteriaItem() {
    if (parent_) parent_->RemoveItem(this);
}

void TcxCustomFilterCriteriaItem::Changed() {
    if (TcxFilterCriteria* criteria = GetCriteria()) criteria->NoteChange();
}

TcxFilterCriteria* TcxCustomFilterCriteriaItem::GetCriteria() const {
    return parent_ ? parent_->GetCriteria() : nullptr;
}

TcxFilterCriteriaItemList::TcxFilterCriteriaItemList(TcxFilterCriteriaItemList* parent,
                                                     TcxFilterGroupOperator boolOperator)
    : TcxCustomFilterCriteriaItem(parent, true), boolOperator_(boolOperator) {}

TcxFilterCriteriaItemList::~TcxFilterCriteriaItemList() {
    FreeChildren();
}

TcxFilterCriteria* TcxFilterCriteriaItemList::GetCriteria() const {
    return criteria_ ? criteria_ : TcxCustomFilterCriteriaItem::GetCriteria();
}

void TcxFilterCriteriaItemList::Append(TcxCustomFilterCriteriaItem* item) {
    item->parent_ = this;
    children_.push_back(item);
    Changed();
}

TcxFilterCriteriaItem* TcxFilterCriteriaItemList::AddItem(TObject* itemLink, TcxFilterOperatorCode code,
                                                          const Variant& value,
                                                          const std::string& displayValue) {
    std::unique_ptr<TcxFilterCriteriaItem> item(GetCriteria()->CreateItem(this));
    item->Init(itemLink, code, value, displayValue);
    TcxFilterCriteriaItem* result = item.release();
    Append(result);
    return result;
}

TcxFilterCriteriaItemList* TcxFilterCriteriaItemList::AddItemList(TcxFilterGroupOperator boolOperator) {
    auto* group = new TcxFilterCriteriaItemList(this, boolOperator);
    Append(group);
    return group;
}

TcxCustomFilterCriteriaItem* TcxFilterCriteriaItemList::GetItem(int index) const {
    if (index < 0 || index >= GetCount()) return nullptr;
    return children_[static_cast<size_t>(index)];
}

void TcxFilterCriteriaItemList::SetBoolOperatorKind(TcxFilterGroupOperator value) {
    if (boolOperator_ == value) return;
    boolOperator_ = value;
    Changed();
}

void TcxFilterCriteriaItemList::RemoveItem(TcxCustomFilterCriteriaItem* item) {
    auto it = std::find(children_.begin(), children_.end(), item);
    if (it == children_.end()) return;
    children_.erase(it);
    item->parent_ = nullptr;
    Changed();
}

void TcxFilterCriteriaItemList::FreeChildren() {
    TcxFilterCriteria* criteria = GetCriteria();
    if (criteria) criteria->LockChanges();
    while (!children_.empty())
        delete children_.back();
    if (criteria) criteria->UnlockChanges();
}

bool TcxFilterCriteriaItemList::DoFilterData(int recordIndex) const {
    if (children_.empty()) return true;
    // Every child is judged; the operator then reads whether all or any passed.
    bool all = true, any = false;
    for (const TcxCustomFilterCriteriaItem* child : children_) {
        const bool passes = child->IsItemList()
                                ? static_cast<const TcxFilterCriteriaItemList*>(child)->DoFilterData(recordIndex)
                                : static_cast<const TcxFilterCriteriaItem*>(child)->Passes(recordIndex);
        all &= passes;
        any |= passes;
    }
    switch (boolOperator_) {
    case goAnd:
        return all;
    case goOr:
        return any;
    case goNotAnd:
        return !all;
    default:
        return !any;
    }
}

// ---- conditions ----

TcxFilterCriteriaItem::TcxFilterCriteriaItem(TcxFilterCriteriaItemList* parent)
    : TcxCustomFilterCriteriaItem(parent, false) {}

TcxFilterCriteriaItem::~TcxFilterCriteriaItem() = default;

void TcxFilterCriteriaItem::Init(TObject* itemLink, TcxFilterOperatorCode code, const Variant& value,
                                 const std::string& displayValue) {
    SetItemLink(itemLink);
    displayValue_ = displayValue;
    operatorKind_ = code;
    value_ = value;
    RecreateOperator();
    FixBlankDisplayValue();
}

std::string TcxFilterCriteriaItem::GetDisplayValueText() const {
    std::string text = displayValue_;
    operator_->AdjustDisplayValue(text);
    return text;
}

std::string TcxFilterCriteriaItem::GetValueText(bool forDisplay) const {
    if (forDisplay) return GetDisplayValueText();
    std::string text;
    operator_->WriteValueExpression(value_, text);
    return text;
}

TcxFilterOperatorClass TcxFilterCriteriaItem::GetOperatorClass() const {
    return FilterOperatorClassOf(operatorKind_, IsNullValue(value_));
}

void TcxFilterCriteriaItem::RecreateOperator() {
    bool hadOperator = operator_ != nullptr;
    operator_.reset();
    operator_ = GetOperatorClass()(this);
    if (hadOperator) Changed();
}

bool TcxFilterCriteriaItem::IsNullValue(const Variant& value) const {
    TcxFilterCriteria* criteria = GetCriteria();
    return criteria ? criteria->IsNullValue(value) : value.IsNull();
}

void TcxFilterCriteriaItem::SetDisplayValue(const std::string& value) {
    if (displayValue_ == value) return;
    displayValue_ = value;
    Changed();
}

void TcxFilterCriteriaItem::SetOperatorKind(TcxFilterOperatorCode value) {
    if (operatorKind_ == value) return;
    operatorKind_ = value;
    RecreateOperator();
}

void TcxFilterCriteriaItem::SetValue(const Variant& value) {
    if (value_.VarType() == value.VarType() && CompareVariants(value_, value) == 0) return;
    value_ = value;
    RecreateOperator();
}

void TcxFilterCriteriaItem::FixBlankDisplayValue() {
    if (displayValue_.empty() && dynamic_cast<TcxFilterNullOperator*>(operator_.get()))
        displayValue_ = GetDataResourceText(cxSFilterBlankCaption);
}

bool TcxFilterCriteriaItem::Passes(int recordIndex, const TcxFilterCriteria& criteria) const {
    if (const int verdict = PassesByCell(recordIndex); verdict >= 0) return verdict != 0;
    try {
        Variant data;
        GetDataValue(recordIndex, data);
        // Copies only for the values that need preparing.
        std::optional<Variant> preparedData, preparedValue;
        const Variant* v = &data;
        if (criteria.ValueNeedsPreparation(data)) {
            criteria.PrepareValue(data, preparedData.emplace());
            v = &*preparedData;
        }
        const Variant* c = &value_;
        if (criteria.ValueNeedsPreparation(value_)) {
            criteria.PrepareValue(value_, preparedValue.emplace());
            c = &*preparedValue;
        }
        if (criteria.HasOption(fcoIgnoreNull) && !operator_->TestsForNull() && IsNullValue(*v)) return false;
        return operator_->Matches(*v, *c);
    } catch (const EVariantError&) {
        if (criteria.HasOption(fcoSoftCompare)) return false;
        throw;
    }
}

// ---- criteria ----

TcxFilterCriteria::TcxFilterCriteria() : root_(std::make_unique<TcxFilterCriteriaItemList>(nullptr, goAnd)) {
    root_->criteria_ = this;
}

TcxFilterCriteria::~TcxFilterCriteria() {
    // Freeing the tree reports changes; nobody hears them any more.
    OnChanged = nullptr;
    ++lockCount_;
    root_.reset();
}

TcxFilterCriteriaItem* TcxFilterCriteria::AddItem(TcxFilterCriteriaItemList* group, TObject* itemLink,
                                                  TcxFilterOperatorCode code, const Variant& value,
                                                  const std::string& displayValue) {
    return (group ? group : root_.get())->AddItem(itemLink, code, value, displayValue);
}

namespace {

TcxFilterCriteriaItem* FindInGroup(const TcxFilterCriteriaItemList* group, TObject* itemLink) {
    for (int i = 0; i < group->GetCount(); ++i) {
        TcxCustomFilterCriteriaItem* child = group->GetItem(i);
        if (child->IsItemList()) {
            if (auto* found = FindInGroup(static_cast<TcxFilterCriteriaItemList*>(child), itemLink))
                return found;
        } else if (static_cast<TcxFilterCriteriaItem*>(child)->GetItemLink() == itemLink) {
            return static_cast<TcxFilterCriteriaItem*>(child);
        }
    }
    return nullptr;
}

} // namespace

TcxFilterCriteriaItem* TcxFilterCriteria::FindItemForLink(TObject* itemLink) const {
    return FindInGroup(root_.get(), itemLink);
}

void TcxFilterCriteria::RemoveItemsByItemLink(TObject* itemLink) {
    LockChanges();
    bool removed = false;
    while (TcxFilterCriteriaItem* item = FindItemForLink(itemLink)) {
        TcxFilterCriteriaItemList* group = item->GetParent();
        delete item;
        removed = true;
        // Prune: an emptied group goes with every emptied ancestor below the root; a group left
        // with one child hands it to its parent.
        while (group != root_.get() && group->GetCount() == 0) {
            TcxFilterCriteriaItemList* parent = group->GetParent();
            delete group;
            group = parent;
        }
        if (group != root_.get() && group->GetCount() == 1) {
            TcxFilterCriteriaItemList* parent = group->GetParent();
            TcxCustomFilterCriteriaItem* child = group->GetItem(0);
            parent->RemoveItem(group);
            group->RemoveItem(child);
            parent->Append(child);
            delete group;
        }
    }
    if (removed)
        UnlockChanges();
    else
        CancelLock();
}

void TcxFilterCriteria::RemoveAllItems() {
    LockChanges();
    root_->FreeChildren();
    root_->SetBoolOperatorKind(goAnd);
    UnlockChanges();
}

void TcxFilterCriteria::RestoreDefaults() {
    LockChanges();
    SetOptions(0);
    SetPercentWildcard('%');
    SupportedLike = true;
    TranslateBetween = TranslateLike = TranslateIn = false;
    SetUnderscoreWildcard('_');
    UnlockChanges();
}

void TcxFilterCriteria::LockChanges() {
    ++lockCount_;
}

void TcxFilterCriteria::UnlockChanges() {
    --lockCount_;
    CheckChanges();
}

void TcxFilterCriteria::CancelLock() {
    --lockCount_;
}

void TcxFilterCriteria::NoteChange() {
    changed_ = true;
    CheckChanges();
}

void TcxFilterCriteria::CheckChanges() {
    if (!changed_ || lockCount_ != 0) return;
    changed_ = false;
    PrepareOperators();
    DoChanged();
}

namespace {

void RefreshOperators(const TcxFilterCriteriaItemList* group) {
    for (int i = 0; i < group->GetCount(); ++i) {
        TcxCustomFilterCriteriaItem* child = group->GetItem(i);
        if (child->IsItemList())
            RefreshOperators(static_cast<TcxFilterCriteriaItemList*>(child));
        else
            static_cast<TcxFilterCriteriaItem*>(child)->GetOperator()->Refresh();
    }
}

} // namespace

void TcxFilterCriteria::PrepareOperators() {
    RefreshOperators(root_.get());
}

void TcxFilterCriteria::DoChanged() {
    if (OnChanged) OnChanged(this);
}

bool TcxFilterCriteria::RecordPasses(int recordIndex) const {
    return root_->DoFilterData(recordIndex);
}

// Currency stays currency, so amounts compare exactly instead of through a double.
void TcxFilterCriteria::PrepareValue(const Variant& value, Variant& prepared) const {
    if (value.IsString() && HasOption(fcoCaseInsensitive)) {
        std::string upper = AnsiUpperCase(value.RawString());
        prepared =
            value.VarType() == varString ? Variant::FromBytes(std::move(upper)) : Variant(std::move(upper));
    } else if (value.IsArray() && HasOption(fcoCaseInsensitive)) {
        prepared = value;
        for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i)
            PrepareValue(value[i], prepared[i]);
    } else {
        prepared = value;
    }
}

bool TcxFilterCriteria::ValueNeedsPreparation(const Variant& value) const {
    return HasOption(fcoCaseInsensitive) && (value.IsString() || value.IsArray());
}

bool TcxFilterCriteria::IsNullValue(const Variant& value) const {
    return HasOption(fcoSoftNull) ? IsSoftNullValue(value) : value.IsNull();
}

void TcxFilterCriteria::SetOptions(TcxFilterCriteriaOptions value) {
    if (options_ == value) return;
    options_ = value;
    NoteChange();
}

void TcxFilterCriteria::SetPercentWildcard(char value) {
    if (percentWildcard_ == value) return;
    percentWildcard_ = value;
    NoteChange();
}

void TcxFilterCriteria::SetUnderscoreWildcard(char value) {
    if (underscoreWildcard_ == value) return;
    underscoreWildcard_ = value;
    NoteChange();
}

void TcxFilterCriteria::SetDateTimeFormat(const std::string& value) {
    if (dateTimeFormat_ == value) return;
    dateTimeFormat_ = value;
    NoteChange();
}

} // namespace zorvy
