#pragma once
// The hook through which a view reorders groups by the values of a group summary: after grouping
// and summing, when some grouping level has a sorted group summary item, the data controller makes
// the engine its GetSortingBySummaryEngineClass names and lets it sort the group tree in place.
#include <memory>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataControllerInfo;
class TcxDataGroups;

class TcxSortingBySummaryEngine {
  public:
    explicit TcxSortingBySummaryEngine(TcxCustomDataControllerInfo& info) : info_(info) {}
    virtual ~TcxSortingBySummaryEngine() = default;
    // Leaves the group tree in its new order with consistent indexes.
    virtual void Sort() = 0;

  protected:
    TcxCustomDataControllerInfo& GetInfo() const { return info_; }
    TcxCustomDataController& GetDataController() const;
    TcxDataGroups& GetGroups() const;
    int GetGroupingLevelCount() const;
    // The record at a position of the record list.
    int GetRecordListItem(int position) const;
    // Two records compared as grouping level `level` orders them (its field and direction).
    int CompareRecordsByGroupingLevel(int record1, int record2, int level) const;

  private:
    TcxCustomDataControllerInfo& info_;
};

using TcxSortingBySummaryEngineClass = std::unique_ptr<TcxSortingBySummaryEngine> (*)(TcxCustomDataControllerInfo&);
template <class T> TcxSortingBySummaryEngineClass SortingBySummaryEngineClassOf() {
    return [](TcxCustomDataControllerInfo& info) -> std::unique_ptr<TcxSortingBySummaryEngine> {
        return std::make_unique<T>(info);
    };
}

} // namespace zorvy
