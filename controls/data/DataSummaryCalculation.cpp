// Summary calculation over the row pipeline's records and groups, and the summary texts.
#include "controls/data/DataController.h"
#include "controls/data/DataSummary.h"
#include "controls/data/DataUtils.h"
#include "controls/data/Variants.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>

namespace zorvy {

namespace {

Variant ToVariantArray(std::vector<Variant>& values) {
    Variant result = VarArrayCreate({{0, static_cast<int>(values.size()) - 1}}, varVariant);
    for (size_t i = 0; i < values.size(); ++i)
        result[static_cast<int>(i)] = std::move(values[i]);
    return result;
}

bool IsValidValueIndex(const Variant& values, int index) {
    return values.IsArray() && index >= VarArrayLowBound(values, 1) && index <= VarArrayHighBound(values, 1);
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

} // namespace

// ---- calculation ----

template <typename Calculate> void TcxDataSummary::WithColumns(Calculate calculate) {
    if (columns_) {
        calculate();
        return;
    }
    Columns columns;
    columns_ = &columns;
    try {
        calculate();
    } catch (...) {
        columns_ = nullptr;
        throw;
    }
    columns_ = nullptr;
}

const TcxSummaryColumn* TcxDataSummary::ColumnOf(TcxCustomDataField* field) {
    if (!columns_) return nullptr;
    for (size_t i = 0; i < columns_->Fields.size(); ++i)
        if (columns_->Fields[i] == field) return columns_->Read[i].get();
    columns_->Fields.push_back(field);
    columns_->Read.push_back(TcxSummaryColumn::Read(*dataController_, field));
    return columns_->Read.back().get();
}

TcxDataSummary::Accumulator TcxDataSummary::Prepare(const TcxDataSummaryItems& items) {
    Accumulator acc;
    const auto count = static_cast<size_t>(items.GetCount());
    acc.Values.assign(count, Variant());
    acc.Counts.assign(count, 0);
    for (int i = 0; i < items.GetCount(); ++i) {
        TcxDataSummaryItem* item = items.ItemAt(i);
        acc.Items.push_back(item);
        acc.Fields.push_back(item->GetDataField());
        acc.Calculated.push_back(item->IsCalculated());
        // A handler sees every record and value, and selected records are few: their items add variants.
        const TcxSummaryColumn* column = nullptr;
        if (acc.Calculated.back() && !items.OnSummary && !CountsSelectedRecords() && item->GetKind() != skNone)
            column = ColumnOf(acc.Fields.back());
        int totals = -1;
        if (column) {
            for (size_t t = 0; t < acc.TotalsColumns.size() && totals < 0; ++t)
                if (acc.TotalsColumns[t] == column) totals = static_cast<int>(t);
            if (totals < 0) {
                totals = static_cast<int>(acc.Totals.size());
                acc.Totals.emplace_back();
                acc.TotalsColumns.push_back(column);
            }
        } else if (acc.Calculated.back()) {
            acc.AnyByVariants = true;
        }
        acc.TotalsOf.push_back(totals);
    }
    return acc;
}

void TcxDataSummary::Accumulator::Restart() {
    for (Variant& value : Values)
        value = Variant();
    std::fill(Counts.begin(), Counts.end(), 0);
    std::fill(Totals.begin(), Totals.end(), TcxSummaryTotals());
}

int TcxDataSummary::RecordAtPosition(int position) const {
    TcxCustomDataControllerInfo& info = dataController_->GetDataControllerInfo();
    int record = info.GetRecordListItem(position);
    if (!CountsSelectedRecords()) return record;
    if (dataController_->IsSingleSelection()) return record == dataController_->GetFocusedRecordIndex() ? record : -1;
    for (int i = 0; i < info.GetSelectedCount(); ++i)
        if (info.GetSelection().GetItem(i).Level >= 0 && info.GetSelection().GetItem(i).RecordIndex == record)
            return record;
    return -1;
}

void TcxDataSummary::AccumulateRecord(const TcxDataSummaryItems& items, TcxDataSummaryItem* item, int recordIndex,
                                      int& count, Variant& value, const Variant& recordValue) {
    const Variant* v = &recordValue;
    Variant changed;
    if (items.OnSummary) {
        TcxSummaryEventOutArguments out{recordValue, value, count, false};
        items.OnSummary(const_cast<TcxDataSummaryItems*>(&items), TcxSummaryEventArguments{recordIndex, item}, out);
        changed = out.Value;
        v = &changed;
        value = out.SummaryValue;
        count = out.CountValue;
        if (out.Done) return;
    }
    const TcxSummaryKind kind = item->GetKind();
    if (kind == skNone || ((options_ & soNullIgnore) && v->IsNull())) return;
    if (value.IsEmpty()) {
        if (kind != skCount && !((kind == skMin || kind == skMax) && v->IsNull())) {
            value = *v;
            if (value.IsNull() && (kind == skSum || kind == skAverage)) value = 0;
        }
    } else if (!v->IsNull() && !value.IsNull()) {
        if (kind == skSum || kind == skAverage)
            value = value + *v;
        else if (kind == skMin && *v < value)
            value = *v;
        else if (kind == skMax && value < *v)
            value = *v;
    }
    ++count;
}

void TcxDataSummary::AccumulateRange(const TcxDataSummaryItems& items, int first, int last, Accumulator& acc) {
    if (first <= last)
        for (size_t t = 0; t < acc.Totals.size(); ++t)
            acc.Totals[t].Add(*acc.TotalsColumns[t], first, last, (options_ & soNullIgnore) != 0);
    if (!acc.AnyByVariants) return;
    const Variant null = Variant::Null();
    for (int position = first; position <= last; ++position) {
        int record = RecordAtPosition(position);
        if (record < 0) continue;
        // Items of one field read the record's value once.
        TcxCustomDataField* readField = nullptr;
        Variant fieldValue;
        for (size_t i = 0; i < acc.Items.size(); ++i) {
            if (!acc.Calculated[i] || acc.TotalsOf[i] >= 0) continue;
            TcxCustomDataField* field = acc.Fields[i];
            if (field && field != readField) {
                fieldValue = dataController_->GetFieldValue(record, field);
                readField = field;
            }
            AccumulateRecord(items, acc.Items[i], record, acc.Counts[i], acc.Values[i], field ? fieldValue : null);
        }
    }
}

Variant TcxDataSummary::FinishValues(const TcxDataSummaryItems& items, Accumulator& acc) const {
    if (items.GetCount() == 0) return Variant::Null();
    for (size_t i = 0; i < acc.TotalsOf.size(); ++i) {
        const int t = acc.TotalsOf[i];
        if (t < 0) continue;
        const TcxSummaryTotals& totals = acc.Totals[static_cast<size_t>(t)];
        acc.Values[i] = totals.RunningValue(*acc.TotalsColumns[static_cast<size_t>(t)], acc.Items[i]->GetKind());
        acc.Counts[i] = totals.Count;
    }
    for (size_t i = 0; i < acc.Items.size(); ++i) {
        TcxDataSummaryItem* item = acc.Items[i];
        if (!acc.Calculated[i]) continue;
        Variant& value = acc.Values[i];
        const int count = acc.Counts[i];
        if (value.IsEmpty()) value = Variant::Null();
        if (item->GetKind() == skCount) {
            value = count;
        } else if (item->GetKind() == skAverage && count > 0 && !value.IsNull()) {
            const bool date = VarHoldsDate(value);
            value = value / Variant(count);
            if (date) value = Variant::FromDate(value.AsDouble());
        }
    }
    return ToVariantArray(acc.Values);
}

void TcxDataSummary::CalculateFooter() {
    WithColumns([this] {
        Accumulator acc = Prepare(*footerItems_);
        if (!dataController_->IsGridMode())
            AccumulateRange(*footerItems_, 0, dataController_->GetFilteredRecordCount() - 1, acc);
        footerValues_ = FinishValues(*footerItems_, acc);
    });
}

void TcxDataSummary::CalculateGroups() {
    WithColumns([this] { CalculateGroupLevels(); });
}

void TcxDataSummary::CalculateGroupLevels() {
    const TcxDataGroups& groups = dataController_->GetDataControllerInfo().GetGroups();
    const int levels = dataController_->GetGroupingItemCount();
    for (int level = 0; level < levels; ++level) {
        TcxDataGroupSummaryItems* items = GetGroupSummaryItemsForLevel(level);
        TcxDataGroupInfo* current = nullptr;
        // The items are the level's: prepared at its first group, restarted at each next one.
        Accumulator acc;
        for (int g = 0; g < groups.GetCount(); ++g) {
            TcxDataGroupInfo* group = groups.GetItem(g);
            if (group->Level == level) {
                if (current) {
                    current->SummaryValues = FinishValues(*items, acc);
                    acc.Restart();
                } else {
                    acc = Prepare(*items);
                }
                current = group;
            }
            if (group->Level == levels - 1 && current) AccumulateRange(*items, group->BeginIndex, group->EndIndex, acc);
        }
        if (current) current->SummaryValues = FinishValues(*items, acc);
    }
}

void TcxDataSummary::CalculateAll() {
    // Footer and groups read each field's column once between them.
    WithColumns([this] {
        CalculateFooter();
        CalculateGroups();
    });
    DoAfterSummary();
}

void TcxDataSummary::FirePendingAfterSummary() {
    if (afterSummaryPending_) DoAfterSummary();
}

void TcxDataSummary::DoAfterSummary() {
    if (!OnAfterSummary) return;
    if (dataController_->IsLoading()) {
        afterSummaryPending_ = true;
        return;
    }
    afterSummaryPending_ = false;
    // A pattern's summaries are its clones' business.
    if (dataController_->IsPattern() || dataController_->IsSummaryUpdateLocked()) return;
    inAfterSummary_ = true;
    try {
        OnAfterSummary(this);
    } catch (...) {
        inAfterSummary_ = false;
        throw;
    }
    inAfterSummary_ = false;
}

// ---- values and texts ----

Variant TcxDataSummary::FooterValue(int index) const {
    return IsValidValueIndex(footerValues_, index) ? footerValues_[index] : Variant::Null();
}

std::string TcxDataSummary::FooterText(int index) const {
    if (index < 0 || index >= footerItems_->GetCount()) return {};
    return footerItems_->ItemAt(index)->GetValueText(FooterValue(index), true);
}

TcxDataGroupSummaryItems* TcxDataSummary::GetGroupSummaryItemsForLevel(int level) {
    if (level < 0 || level >= dataController_->GetGroupingItemCount()) return nullptr;
    TObject* item = dataController_->GetGroupingField(level)->GetItem();
    TcxDataSummaryGroup* group = item ? groups_->GroupOfLink(item) : nullptr;
    return group ? &group->GetSummaryItems() : defaultGroupItems_.get();
}

bool TcxDataSummary::GetRowGroupSummary(int rowIndex, TcxDataGroupSummaryItems*& items, Variant& values) {
    const TcxDataGroups& groups = dataController_->GetDataControllerInfo().GetGroups();
    int index = groups.GetIndexByRow(rowIndex);
    if (index < 0) return false;
    TcxDataGroupInfo* group = groups.GetItem(index);
    items = GetGroupSummaryItemsForLevel(group->Level);
    values = group->SummaryValues;
    return items && !values.IsEmpty();
}

std::string TcxDataSummary::GroupRowText(int rowIndex) {
    TcxDataGroupSummaryItems* items = nullptr;
    Variant values;
    return GetRowGroupSummary(rowIndex, items, values) ? items->GetGroupSummaryText(values) : std::string();
}

std::string TcxDataSummary::GroupFooterText(int rowIndex, int level, int itemIndex) {
    const TcxDataGroups& groups = dataController_->GetDataControllerInfo().GetGroups();
    int index = groups.GetIndexByRowAndLevel(rowIndex, level);
    TcxDataGroupSummaryItems* items = GetGroupSummaryItemsForLevel(level);
    if (index < 0 || !items || itemIndex < 0 || itemIndex >= items->GetCount()) return {};
    const Variant& values = groups.GetItem(index)->SummaryValues;
    if (!IsValidValueIndex(values, itemIndex)) return {};
    return items->ItemAt(itemIndex)->GetValueText(values[itemIndex], true);
}

std::string TcxDataSummaryItems::GetDefaultFormat(int formatClass, TcxSummaryKind kind, bool isFooter) const {
    if (kind == skNone) return {};
    static const char* const prefixes[] = {"", "SUM=", "MIN=", "MAX=", "COUNT=", "AVG="};
    if (kind == skCount) return isFooter ? "0" : "COUNT=0";
    // A footer sum shows the number alone.
    const std::string prefix = kind == skSum && isFooter ? "" : prefixes[kind];
    if (formatClass == 2) return prefix;
    if (formatClass == 1) return ReplaceAll(prefix + "%s;" + prefix + "-%s", "%s", cxDataUtils::BuildCurrencyFormat());
    return prefix + "0.00;" + prefix + "-0.00";
}

std::string TcxDataSummaryItem::GetValueText(const Variant& value, bool isFooter) const {
    std::string text;
    if (value.IsNull() || value.IsEmpty()) {
        text.clear();
    } else if (kind_ == skNone) {
        text = VarToStr(value);
    } else {
        const bool date = VarHoldsDate(value);
        std::string format = format_;
        if (format.empty())
            if (TcxDataSummaryItems* items = GetItemsCollection())
            format = items->GetDefaultFormat(IsCurrency(value.VarType()) ? 1 : date ? 2 : 0, kind_, isFooter);
        if (!date || kind_ == skCount) {
            text = FormatFloat(format, value.AsDouble());
        } else {
            const TDateTime when = value.AsDateTime();
            if (TimePart(when) == 0)
                text = DateToStr(when);
            else if (DatePart(when) == 0)
                text = TimeToStr(when);
            else
                text = DateTimeToStr(when);
            text = format + text;
        }
    }
    if (OnGetText) OnGetText(const_cast<TcxDataSummaryItem*>(this), value, isFooter, text);
    return text;
}

std::string TcxDataGroupSummaryItems::GetGroupSummaryText(const Variant& values) const {
    std::string result;
    for (int i = 0; i < GetCount(); ++i) {
        TcxDataSummaryItem* item = ItemAt(i);
        if (item->GetPosition() != spGroup) continue;
        std::string text = item->GetValueText(IsValidValueIndex(values, i) ? values[i] : Variant::Null(), false);
        result += result.empty() ? text : separator_ + " " + text;
    }
    if (result.empty()) return result;
    return beginText_ + result + endText_;
}

} // namespace zorvy
