// The transaction journal of a dataset: what its posts and deletes inside a source transaction
// changed in the cursor, so that a rollback can take it back out.
#include "platform/db/DataSet.h"

#include <algorithm>

namespace zorvy {

void TDataSet::Journal(JournalKind kind, Record* record, std::vector<CellValue> oldCells) {
    JournalEntry entry;
    entry.kind = kind;
    entry.id = record->id;
    entry.oldCells = std::move(oldCells);
    if (kind == JournalDeleted) {
        auto stored =
            std::find_if(records_.begin(), records_.end(), [record](auto& r) { return r.get() == record; });
        entry.recordIndex = static_cast<size_t>(stored - records_.begin());
        entry.viewIndex = static_cast<size_t>(current_);
        entry.removed = std::move(*stored);
    }
    journal_.push_back(std::move(entry));
}

void TDataSet::ForgetTransaction() {
    journal_.clear();
    journalReread_ = false;
}

void TDataSet::UndoTransaction() {
    if (journal_.empty() || !GetActive()) {
        ForgetTransaction();
        return;
    }
    const bool editing = state_ == TDataSetState::dsEdit;
    const Record* currentRecord =
        current_ >= 0 && current_ < static_cast<int>(view_.size()) ? view_[current_] : nullptr;
    const uint64_t currentId = currentRecord ? currentRecord->id : 0;
    const std::vector<CellValue> currentCells =
        currentRecord ? currentRecord->cells : std::vector<CellValue>();
    bool currentKept = false;
    if (journalReread_) {
        // The records were read again inside the transaction: only the database knows what it holds.
        ForgetTransaction();
        ReloadRecords();
        currentKept = current_ >= 0 && SameData(view_[current_]->cells, currentCells);
    } else {
        for (auto entry = journal_.rbegin(); entry != journal_.rend(); ++entry)
            UndoEntry(*entry);
        ForgetTransaction();
        current_ = currentId ? FindRecord(currentId) : -1;
        currentKept = current_ >= 0;
        if (current_ < 0 && !view_.empty()) current_ = 0;
    }
    if (editing && !currentKept) {
        // The record being edited was itself never stored: its values come back as a new record.
        state_ = TDataSetState::dsInsert;
        appending_ = true;
        insertPosition_ = static_cast<int>(view_.size());
        DataEvent(TDataEvent::deUpdateState);
    }
    if (state_ == TDataSetState::dsInsert)
        insertPosition_ = std::clamp(insertPosition_, 0, static_cast<int>(view_.size()));
    bof_ = eof_ = view_.empty();
    UpdateWindow();
    DataEvent(TDataEvent::deDataSetChange);
}

void TDataSet::UndoEntry(JournalEntry& entry) {
    auto stored =
        std::find_if(records_.begin(), records_.end(), [&](auto& r) { return r && r->id == entry.id; });
    switch (entry.kind) {
    case JournalInserted:
        if (stored == records_.end()) return;
        view_.erase(std::remove(view_.begin(), view_.end(), stored->get()), view_.end());
        records_.erase(stored);
        return;
    case JournalUpdated:
        if (stored != records_.end()) (*stored)->cells = std::move(entry.oldCells);
        return;
    case JournalDeleted: {
        Record* record = entry.removed.get();
        records_.insert(records_.begin() + std::min(entry.recordIndex, records_.size()),
                        std::move(entry.removed));
        view_.insert(view_.begin() + std::min(entry.viewIndex, view_.size()), record);
        return;
    }
    }
}

bool TDataSet::SameData(const std::vector<CellValue>& a, const std::vector<CellValue>& b) const {
    if (a.size() != b.size()) return false;
    for (size_t f = 0; f < fields_.fields_.size() && f < a.size(); ++f)
        if (fields_.fields_[f]->fieldKind_ == TFieldKind::fkData && a[f] != b[f]) return false;
    return true;
}

} // namespace zorvy
