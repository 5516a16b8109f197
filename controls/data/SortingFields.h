#pragma once
// Which data fields sort the records (in order and direction) and which group them (outermost
// first, each also sorted). Every change fires the list's changed notification once.
#include <functional>
#include <vector>

namespace zorvy {

class TcxCustomDataField;

enum TcxDataSortOrder { soNone, soAscending, soDescending };

struct TcxDataSortInfo {
    TcxCustomDataField* Field = nullptr;
    TcxDataSortOrder SortOrder = soNone;
};

class TcxSortingFieldList {
  public:
    virtual ~TcxSortingFieldList() = default;

    void Add(TcxCustomDataField* field, TcxDataSortOrder order);
    void Insert(int index, TcxCustomDataField* field, TcxDataSortOrder order);
    void Delete(int index);
    void RemoveField(TcxCustomDataField* field);
    void MoveEntry(int from, int to);
    void SetOrderAt(int index, TcxDataSortOrder order);
    void Clear(); // one notification per entry
    int IndexOfField(TcxCustomDataField* field) const;
    TcxDataSortOrder OrderOfField(TcxCustomDataField* field) const;
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxDataSortInfo GetItem(int index) const { return items_.at(static_cast<size_t>(index)); }
    // A listed field takes the order (soNone deletes it); an unlisted one is appended.
    virtual void SetFieldOrder(TcxCustomDataField* field, TcxDataSortOrder order);
    // Appends, in their order, the other list's entries whose field is not listed here.
    void AppendMissing(const TcxSortingFieldList& other);
    void TouchField(TcxCustomDataField* field); // notifies when the field is listed

    std::function<void()> OnChanged;

  protected:
    void Changed() {
        if (OnChanged) OnChanged();
    }

  private:
    std::vector<TcxDataSortInfo> items_;
};

// Entry 0 is the outermost grouping level; a grouped field is always sorted.
class TcxGroupingFieldList : public TcxSortingFieldList {
  public:
    // A negative index removes the field; otherwise it is inserted or moved there (clamped).
    void SetFieldGroupIndex(TcxCustomDataField* field, int groupIndex);
    void SetFieldOrder(TcxCustomDataField* field, TcxDataSortOrder order) override; // soNone is ascending
    int GroupIndexOf(TcxCustomDataField* field) const { return IndexOfField(field); }
    // Each grouped field takes its order in the sorting list, ascending when not sorted.
    void SyncOrders(const TcxSortingFieldList& sorting);
};

} // namespace zorvy
