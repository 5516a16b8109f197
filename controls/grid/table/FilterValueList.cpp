// The item filter drop-down's entries and the filter they stand for; the item data binding's filter
// operations that fill a list, read the marked entries from the filter and write them back.
#include "controls/grid/table/FilterValueList.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/DateFilterTexts.h"
#include "controls/grid/table/DateRanges.h"
#include "controls/grid/table/FilterMRUValueItems.h"
#include "controls/grid/table/FilterOptions.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/table/TableItem.h"
#include "controls/grid/table/TableView.h"

#include "controls/data/DataController.h"
#include "controls/data/DataResources.h"
#include "controls/data/FilterCriteria.h"
#include "controls/data/FilterOperators.h"
#include "controls/data/Variants.h"
#include "controls/editors/framework/EditProperties.h"
#include "platform/rtl/StringList.h"

namespace zorvy {

namespace {

struct SpecialDateEntry {
    TcxFilterOperatorCode code;
    const TResourceString* text;
};

// The relative-date entries of each date-time filter, in list order.
const std::vector<std::vector<SpecialDateEntry>>& SpecialDateEntries() {
    static const std::vector<std::vector<SpecialDateEntry>> entries = {
        {{ocYesterday, &scxGridYesterday}, {ocToday, &scxGridToday}, {ocTomorrow, &scxGridTomorrow}},
        {{ocLast30Days, &scxGridLast30Days},
         {ocLast14Days, &scxGridLast14Days},
         {ocLast7Days, &scxGridLast7Days},
         {ocNext7Days, &scxGridNext7Days},
         {ocNext14Days, &scxGridNext14Days},
         {ocNext30Days, &scxGridNext30Days}},
        {{ocLastTwoWeeks, &scxGridLastTwoWeeks},
         {ocLastWeek, &scxGridLastWeek},
         {ocThisWeek, &scxGridThisWeek},
         {ocNextWeek, &scxGridNextWeek},
         {ocNextTwoWeeks, &scxGridNextTwoWeeks}},
        {{ocLastMonth, &scxGridLastMonth}, {ocThisMonth, &scxGridThisMonth}, {ocNextMonth, &scxGridNextMonth}},
        {{ocLastYear, &scxGridLastYear}, {ocThisYear, &scxGridThisYear}, {ocNextYear, &scxGridNextYear}},
        {{ocInPast, &scxGridPast}, {ocInFuture, &scxGridFuture}},
    };
    return entries;
}

// Two (first, last) pairs, or two plain values, that hold the same.
bool SameRangeValue(const Variant& a, const Variant& b) {
    if (a.IsArray() != b.IsArray()) return false;
    if (!a.IsArray()) return VariantsEqual(a, b);
    if (VarArrayHighBound(a, 1) != 1 || VarArrayHighBound(b, 1) != 1) return false;
    return VariantsEqual(a[0], b[0]) && VariantsEqual(a[1], b[1]);
}

std::string FormattedEnd(TcxCustomGridTableItem* item, const Variant& value) {
    std::string text;
    if (TcxCustomEditProperties* properties = item->GetPropertiesValue())
        properties->FormatDisplayText(value, text, false);
    else
        text = VarToStr(value);
    return text;
}

} // namespace

// ---- the value list ----

bool TcxGridFilterValueList::IsSpecialOperatorKind(int kind) const {
    return kind >= ocYesterday && kind <= ocInFuture;
}

void TcxGridFilterValueList::LoadItem(TcxCustomGridTableItem* item, bool sortByDisplayText, bool filteredOnly) {
    Load(item->GetIndex(), sortByDisplayText, filteredOnly);
    if (item->UsesDateTimeFilters(true)) AddSpecialDateFilters(item);
    if (item->UsesDateTimeFilters(false)) AddDateRanges(item);
}

void TcxGridFilterValueList::AddSpecialDateFilters(TcxCustomGridTableItem* item) {
    const TcxGridDateTimeFilters filters = item->GetDateTimeFilters();
    const auto& groups = SpecialDateEntries();
    for (size_t filter = 0; filter < groups.size(); ++filter) {
        if ((filters & (1u << filter)) == 0) continue;
        for (const SpecialDateEntry& entry : groups[filter])
            Add(fvkDateRange, Variant(static_cast<int>(entry.code)), ResolveResourceString(*entry.text), false);
    }
    Add(fvkRecentSeparator, Variant::Null(), {}, false);
}

void TcxGridFilterValueList::AddDateRanges(TcxCustomGridTableItem* item) {
    item->InitFilteringDateRanges();
    TcxGridFilteringDateRanges* ranges = item->GetFilteringDateRanges();
    const bool ignoreTime = item->GetIgnoreTimeForFiltering();
    for (int i = 0; i < ranges->GetCount(); ++i) AddDateRangeValues(ranges->GetItem(i), ignoreTime);
}

void TcxGridFilterValueList::AddDateRangeValues(TcxCustomGridDateRange* dateRange, bool ignoreTime) {
    // Sorted values mostly fall in the period found last: it is tried before the whole search.
    Variant lastRangeValue = Variant::Null();
    for (int i = GetFirstValueIndex(); i < GetCount(); ++i) {
        const TcxFilterValueItem& entry = GetItem(i);
        if (entry.Kind != fvkValue || entry.Value.IsNull()) continue;
        const Variant date = entry.Value;
        if (!dateRange->Contains(date)) continue;
        const Variant rangeValue = dateRange->RangeValueOf(ignoreTime, date);
        if (!lastRangeValue.IsNull() && SameRangeValue(lastRangeValue, rangeValue)) continue;
        lastRangeValue = rangeValue;
        bool present = false;
        for (int j = 0; j < i && !present; ++j) {
            const TcxFilterValueItem& other = GetItem(j);
            present = other.Kind == fvkDateRange && SameRangeValue(other.Value, rangeValue);
        }
        if (present) continue;
        Add(fvkDateRange, rangeValue, dateRange->GetDisplayText(date), false);
        ++i; // the entry landed before the values
    }
}

int TcxGridFilterValueList::GetIndexByCriteriaItem(const TcxFilterCriteriaItem* item) const {
    if (item) {
        const int kind = item->GetOperatorKind();
        for (int i = 0; i < GetCount(); ++i) {
            const TcxFilterValueItem& entry = GetItem(i);
            if (entry.Kind != fvkDateRange) continue;
            if (IsSpecialOperatorKind(kind) && !entry.Value.IsArray() && VariantsEqual(entry.Value, Variant(kind)))
                return i;
            if (kind == ocBetween && SameRangeValue(entry.Value, item->GetValue())) return i;
        }
    }
    return TcxDataFilterValueList::GetIndexByCriteriaItem(item);
}

void TcxGridFilterValueList::ApplyFilter(TcxCustomGridTableItem* item, int index, bool addToRecent, bool replace,
                                         TcxFilterCriteriaItemList* list) {
    const TcxFilterValueItem entry = GetItem(index);
    TcxGridItemDataBinding* binding = item->GetDataBinding();
    TcxDataFilterCriteria* criteria = binding->GetFilterCriteria();
    criteria->LockChanges();
    try {
        switch (entry.Kind) {
        case fvkAll:
            item->SetFiltered(false);
            break;
        case fvkCustom:
            item->GetGridView()->GetFiltering()->RunCustomizeDialog(item);
            break;
        case fvkBlanks:
        case fvkNonBlanks:
            binding->AddFilterCondition(list, entry.Kind == fvkBlanks ? ocEqual : ocNotEqual, replace,
                                        GetDataResourceText(cxSFilterBlankCaption), Variant::Null());
            break;
        case fvkUser:
            item->DoUserFiltering(entry.Value, entry.DisplayText);
            break;
        case fvkValue:
        case fvkRecent:
            binding->AddFilterCondition(list, ocEqual, replace, entry.DisplayText, entry.Value);
            if (addToRecent)
                binding->GetFilterMRUValueItems()->AddToFront(
                    new TcxGridFilterMRUValueItem(entry.Value, entry.DisplayText));
            break;
        case fvkDateRange:
            if (entry.Value.IsArray())
                binding->AddFilterCondition(list, ocBetween, replace,
                                            FormattedEnd(item, entry.Value[0]) + ";" +
                                                FormattedEnd(item, entry.Value[1]),
                                            entry.Value);
            else
                binding->AddFilterCondition(list, static_cast<TcxFilterOperatorCode>(entry.Value.AsInteger()),
                                            replace, {}, Variant::Null());
            break;
        default:
            break;
        }
        if (entry.Kind > fvkCustom) criteria->SetActive(true);
    } catch (...) {
        criteria->UnlockChanges();
        throw;
    }
    criteria->UnlockChanges();
}

// ---- the view data's condition ----

void TcxCustomGridTableViewData::AddFilterCondition(TcxFilterCriteriaItemList* list, TcxCustomGridTableItem* item,
                                                    bool replace, std::string text, const Variant& value,
                                                    TcxFilterOperatorCode operatorKind) {
    if (text.empty() && !value.IsNull() && !value.IsArray()) text = VarToStr(value);
    item->DoGetFilterDisplayText(value, text);
    TcxDataFilterCriteria* criteria = &GetDataController()->GetFilter();
    if (replace) criteria->RemoveItemsByItemLink(item);
    criteria->AddItem(list, item, operatorKind, value, text);
}

// ---- the item data binding's filter operations ----

void TcxGridItemDataBinding::GetFilterValues(TcxGridFilterValueList* valueList, bool valuesOnly,
                                             bool useFilteredList, bool sortByDisplayText) {
    valueList->LoadItem(item_, sortByDisplayText, useFilteredList && item_->HasFilteredItemsList());
    item_->DoGetFilterValues(valueList);
    if (valuesOnly) {
        for (int i = valueList->GetCount() - 1; i >= 0; --i)
            if (valueList->GetItem(i).Kind != fvkValue) valueList->Delete(i);
    } else if (item_->HasFilterMRUItemsList()) {
        TcxGridFilterMRUValueItems* recent = GetFilterMRUValueItems();
        for (int i = 0; i < recent->GetCount(); ++i)
            valueList->Add(fvkRecent, recent->GetItem(i)->Value, recent->GetItem(i)->DisplayText, false);
    }
}

void TcxGridItemDataBinding::GetFilterStrings(TStrings* strings, TcxGridFilterValueList* valueList) {
    GetFilterValues(valueList, false, true, true);
    strings->BeginUpdate();
    try {
        strings->Clear();
        for (int i = 0; i < valueList->GetCount(); ++i) {
            const TcxFilterValueItem& entry = valueList->GetItem(i);
            std::string text = entry.DisplayText;
            DoGetFilterDisplayText(entry.Value, text);
            strings->Add(text);
        }
    } catch (...) {
        strings->EndUpdate();
        throw;
    }
    strings->EndUpdate();
}

void TcxGridItemDataBinding::AddFilterCondition(TcxFilterCriteriaItemList* list, TcxFilterOperatorCode operatorKind,
                                                bool replace, const std::string& displayText, const Variant& value) {
    GetGridView()->GetViewData()->AddFilterCondition(list, item_, replace, displayText, value, operatorKind);
}

void TcxGridItemDataBinding::GetFilterActiveValueIndexes(TcxGridFilterValueList* valueList,
                                                         std::vector<int>& indexes) {
    indexes.clear();
    TcxFilterCriteriaItem* condition = GetFilterCriteriaItem();
    if (!condition) return;
    const int customIndex = valueList->IndexOfKind(fvkCustom);
    auto map = [&](const TcxFilterCriteriaItem* item) {
        const int index = valueList->GetIndexByCriteriaItem(item);
        if (index != -1 && index != customIndex) indexes.push_back(index);
    };
    TcxFilterCriteriaItemList* group = condition->GetParent();
    if (group->GetBoolOperatorKind() == goAnd) {
        map(condition);
    } else if (group->GetBoolOperatorKind() == goOr) {
        for (int i = 0; i < group->GetCount(); ++i) {
            TcxCustomFilterCriteriaItem* child = group->GetItem(i);
            if (child->IsItemList()) continue;
            auto* item = static_cast<TcxFilterCriteriaItem*>(child);
            if (item->GetItemLink() == item_) map(item);
        }
    }
}

void TcxGridItemDataBinding::ApplyFilterValueIndexes(TcxGridFilterValueList* valueList,
                                                     const std::vector<int>& indexes) {
    TcxDataFilterCriteria* criteria = GetFilterCriteria();
    criteria->LockChanges();
    try {
        SetFiltered(false);
        if (!indexes.empty()) {
            TcxFilterCriteriaItemList* root = criteria->GetRoot();
            TcxFilterCriteriaItemList* target = root;
            const bool rootTakesThem = root->GetBoolOperatorKind() == goOr ||
                                       (root->GetBoolOperatorKind() == goAnd && indexes.size() == 1);
            if (!rootTakesThem) target = root->AddItemList(goOr);
            for (int index : indexes) valueList->ApplyFilter(item_, index, false, false, target);
        }
    } catch (...) {
        criteria->UnlockChanges();
        throw;
    }
    criteria->UnlockChanges();
}

} // namespace zorvy
