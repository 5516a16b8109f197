#include "controls/data/DataGroups.h"

#include <algorithm>

namespace zorvy {

TcxDataGroupInfo* TcxDataGroups::AddItem() {
    items_.push_back(std::make_unique<TcxDataGroupInfo>());
    return items_.back().get();
}

void TcxDataGroups::Clear() {
    levelFields_.clear();
    items_.clear();
}

int TcxDataGroups::GetItemLevel(int index) const {
    if (index < 0 || index >= GetCount()) return -1;
    return items_[static_cast<size_t>(index)]->Level;
}

// ---- row indexes ----

void TcxDataGroups::WalkLevel(size_t& index, int level, bool visible, int& counter) {
    while (index < items_.size() && items_[index]->Level == level) {
        TcxDataGroupInfo& group = *items_[index++];
        group.RowIndex = counter;
        bool deepest = IsDeepest(group);
        if (visible && group.Expanded && deepest) {
            counter += group.EndIndex - group.BeginIndex + 1;
        } else if (visible && group.Expanded) {
            ++counter;
            WalkLevel(index, level + 1, true, counter);
            --counter; // it was already advanced for the row after the last child
        } else if (!deepest) {
            WalkLevel(index, level + 1, false, counter);
        }
        if (visible) ++counter;
    }
}

void TcxDataGroups::RebuildRowIndexes() {
    size_t index = 0;
    int counter = 0;
    WalkLevel(index, 0, true, counter);
}

// ---- rows ----

int TcxDataGroups::FindByRow(int row, TcxDataGroupInfo*& group) const {
    // Row indexes never decrease; the first entry at a row is the one shown there (the entries
    // after it at that row are hidden inside it).
    auto it =
        std::lower_bound(items_.begin(), items_.end(), row,
                         [](const std::unique_ptr<TcxDataGroupInfo>& g, int r) { return g->RowIndex < r; });
    if (it != items_.end() && (*it)->RowIndex == row) {
        group = it->get();
        return static_cast<int>(it - items_.begin());
    }
    group = it == items_.begin() ? nullptr : std::prev(it)->get();
    return -1;
}

bool TcxDataGroups::IsItemShown(int index) const {
    TcxDataGroupInfo* group;
    return index >= 0 && index < GetCount() &&
           FindByRow(items_[static_cast<size_t>(index)]->RowIndex, group) == index;
}

int TcxDataGroups::GetIndexByRowAndLevel(int row, int level) const {
    TcxDataGroupInfo* group;
    int index = FindByRow(row, group);
    if (index < 0) {
        if (!group) return -1;
        auto it = std::find_if(items_.begin(), items_.end(), [&](const auto& g) { return g.get() == group; });
        index = static_cast<int>(it - items_.begin());
    }
    if (level < 0) return index;
    if (items_[static_cast<size_t>(index)]->Level < level) {
        for (int i = index; i < GetCount(); ++i)
            if (items_[static_cast<size_t>(i)]->Level == level) return i;
        return -1;
    }
    for (int i = index; i >= 0; --i)
        if (items_[static_cast<size_t>(i)]->Level == level) return i;
    return -1;
}

int TcxDataGroups::GetRowCount() const {
    if (items_.empty()) return 0;
    TcxDataGroupInfo* group;
    int r = items_.back()->RowIndex;
    FindByRow(r, group);
    if (group->Expanded) return r + (group->EndIndex - group->BeginIndex + 1) + 1;
    return r + 1;
}

TcxDataRowInfo TcxDataGroups::GetRowInfo(int row) const {
    TcxDataRowInfo info;
    TcxDataGroupInfo* group;
    int index = FindByRow(row, group);
    if (index >= 0) {
        info.Level = group->Level;
        info.Expanded = group->Expanded;
        info.RecordIndex = GetFirstRecordListIndex(index);
    } else {
        info.Level = GetLevelCount();
        info.Expanded = false;
        info.RecordIndex = group ? row + group->BeginIndex - group->RowIndex - 1 : -1;
    }
    return info;
}

// ---- children ----

int TcxDataGroups::GetChildCount(int index) const {
    if (index < 0)
        return static_cast<int>(
            std::count_if(items_.begin(), items_.end(), [](const auto& g) { return g->Level == 0; }));
    const TcxDataGroupInfo& group = *GetItem(index);
    if (IsDeepest(group)) return group.EndIndex - group.BeginIndex + 1;
    int count = 0;
    for (int i = group.BeginIndex; i <= group.EndIndex && i < GetCount(); ++i)
        if (items_[static_cast<size_t>(i)]->Level == group.Level + 1) ++count;
    return count;
}

int TcxDataGroups::GetChildGroupIndex(int parentIndex, int n) const {
    int first = 0, last = GetCount() - 1, level = 0;
    if (parentIndex >= 0) {
        const TcxDataGroupInfo& parent = *GetItem(parentIndex);
        if (IsDeepest(parent)) return -1;
        first = parent.BeginIndex;
        last = std::min(parent.EndIndex, GetCount() - 1);
        level = parent.Level + 1;
    }
    for (int i = first; i <= last && n >= 0; ++i)
        if (items_[static_cast<size_t>(i)]->Level == level && n-- == 0) return i;
    return -1;
}

int TcxDataGroups::GetChildRecordListIndex(int index, int n) const {
    const TcxDataGroupInfo& group = *GetItem(index);
    if (!IsDeepest(group) || n < 0 || n > group.EndIndex - group.BeginIndex) return -1;
    return group.BeginIndex + n;
}

int TcxDataGroups::GetFirstRecordListIndex(int index) const {
    const TcxDataGroupInfo* group = GetItem(index);
    while (!IsDeepest(*group))
        group = GetItem(group->BeginIndex);
    return group->BeginIndex;
}

int TcxDataGroups::FindGroupOfRecordListIndex(int recordListIndex, int level) const {
    int found = -1;
    for (int i = 0; i < GetCount(); ++i) {
        const TcxDataGroupInfo& group = *items_[static_cast<size_t>(i)];
        if (group.Level == level) found = i;
        if (IsDeepest(group) && group.BeginIndex <= recordListIndex && recordListIndex <= group.EndIndex)
            return found;
    }
    return -1;
}

int TcxDataGroups::GetParentIndex(int index) const {
    int level = GetItemLevel(index);
    for (int i = index - 1; i >= 0; --i)
        if (items_[static_cast<size_t>(i)]->Level < level) return i;
    return -1;
}

// ---- expanding ----

void TcxDataGroups::SetRowExpanded(int row, bool expanded, bool recursive) {
    TcxDataGroupInfo* group;
    int index = FindByRow(row, group);
    if (index < 0) return;
    group->Expanded = expanded;
    if (recursive)
        for (int i = index + 1; i < GetCount() && items_[static_cast<size_t>(i)]->Level > group->Level; ++i)
            items_[static_cast<size_t>(i)]->Expanded = expanded;
    RebuildRowIndexes();
}

void TcxDataGroups::SetAllExpanded(bool expanded) {
    for (auto& group : items_)
        group->Expanded = expanded;
    RebuildRowIndexes();
}

bool TcxDataGroups::MakeItemVisible(int index, bool expandItself) {
    bool changed = false;
    if (expandItself && !GetItem(index)->Expanded) {
        GetItem(index)->Expanded = true;
        changed = true;
    }
    for (int parent = GetParentIndex(index); parent >= 0; parent = GetParentIndex(parent)) {
        if (!GetItem(parent)->Expanded) {
            GetItem(parent)->Expanded = true;
            changed = true;
        }
    }
    if (changed) RebuildRowIndexes();
    return changed;
}

} // namespace zorvy
