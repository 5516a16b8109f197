#pragma once
// What a table view remembers of each record between layout passes: its last measured height, so a
// record is measured once until a data, size or style change forgets it.
#include "controls/grid/view/ViewInfo.h"

namespace zorvy {

class TcxCustomGridRecord;

class TcxCustomGridTableViewInfoCacheItem : public TcxCustomGridViewInfoCacheItem {
    ZORVY_CLASS(TcxCustomGridTableViewInfoCacheItem, TcxCustomGridViewInfoCacheItem)
  public:
    using TcxCustomGridViewInfoCacheItem::TcxCustomGridViewInfoCacheItem;
    int GetHeight() const { return height_; }
    bool IsHeightAssigned() const { return isHeightAssigned_; }
    void SetHeight(int value);
    void UnassignValues(bool keepMaster) override;
    // The view data's record at this entry's index.
    TcxCustomGridRecord* GetGridRecord() const;

  private:
    int height_ = 0;
    bool isHeightAssigned_ = false;
};

class TcxCustomGridTableViewInfoCache : public TcxCustomGridViewInfoCache {
    ZORVY_CLASS(TcxCustomGridTableViewInfoCache, TcxCustomGridViewInfoCache)
  public:
    using TcxCustomGridViewInfoCache::TcxCustomGridViewInfoCache;

  protected:
    // Every record keeps a height; kinds of rows that keep more bring their own entries.
    TcxCustomGridViewInfoCacheItemClass GetItemClass(int index) const override;
};

} // namespace zorvy
