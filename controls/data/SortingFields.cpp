#include "controls/data/SortingFields.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace zorvy {

void TcxSortingFieldList::Add(TcxCustomDataField* field, TcxDataSortOrder order) {
    Insert(GetCount(), field, order);
}

void TcxSortingFieldList::Insert(int index, TcxCustomDataField* field, TcxDataSortOrder order) {
    if (index < 0 || index > GetCount()) ListIndexError(index);
    items_.insert(items_.begin() + index, TcxDataSortInfo{field, order});
    Changed();
}

void TcxSortingFieldList::Delete(int index) {
    CheckListIndex(index, GetCount());
    items_.erase(items_.begin() + index);
    Changed();
}

void TcxSortingFieldList::RemoveField(TcxCustomDataField* field) {
    int index = IndexOfField(field);
    if (index >= 0) Delete(index);
}

void TcxSortingFieldList::MoveEntry(int from, int to) {
    if (from == to) return;
    CheckListIndex(from, GetCount());
    CheckListIndex(to, GetCount());
    TcxDataSortInfo entry = items_[static_cast<size_t>(from)];
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, entry);
    Changed();
}

void TcxSortingFieldList::SetOrderAt(int index, TcxDataSortOrder order) {
    CheckListIndex(index, GetCount());
    if (items_[static_cast<size_t>(index)].SortOrder == order) return;
    items_[static_cast<size_t>(index)].SortOrder = order;
    Changed();
}

void TcxSortingFieldList::Clear() {
    while (GetCount() > 0)
        Delete(0);
}

int TcxSortingFieldList::IndexOfField(TcxCustomDataField* field) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].Field == field) return static_cast<int>(i);
    return -1;
}

TcxDataSortOrder TcxSortingFieldList::OrderOfField(TcxCustomDataField* field) const {
    int index = IndexOfField(field);
    return index < 0 ? soNone : items_[static_cast<size_t>(index)].SortOrder;
}

void TcxSortingFieldList::SetFieldOrder(TcxCustomDataField* field, TcxDataSortOrder order) {
    int index = IndexOfField(field);
    if (index >= 0) {
        if (order == soNone)
            Delete(index);
        else
            SetOrderAt(index, order);
    } else if (order != soNone) {
        Add(field, order);
    }
}

void TcxSortingFieldList::AppendMissing(const TcxSortingFieldList& other) {
    for (const TcxDataSortInfo& entry : other.items_)
        if (IndexOfField(entry.Field) < 0) Add(entry.Field, entry.SortOrder);
}

void TcxSortingFieldList::TouchField(TcxCustomDataField* field) {
    if (IndexOfField(field) >= 0) Changed();
}

void TcxGroupingFieldList::SetFieldGroupIndex(TcxCustomDataField* field, int groupIndex) {
    int index = IndexOfField(field);
    if (groupIndex < 0) {
        if (index >= 0) Delete(index);
    } else if (index < 0) {
        Insert(std::min(groupIndex, GetCount()), field, soAscending);
    } else {
        MoveEntry(index, std::min(groupIndex, GetCount() - 1));
    }
}

void TcxGroupingFieldList::SetFieldOrder(TcxCustomDataField* field, TcxDataSortOrder order) {
    TcxSortingFieldList::SetFieldOrder(field, order == soNone ? soAscending : order);
}

void TcxGroupingFieldList::SyncOrders(const TcxSortingFieldList& sorting) {
    for (int i = 0; i < GetCount(); ++i) {
        TcxDataSortOrder order = sorting.OrderOfField(GetItem(i).Field);
        SetOrderAt(i, order == soNone ? soAscending : order);
    }
}

} // namespace zorvy
