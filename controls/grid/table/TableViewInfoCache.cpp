#include "controls/grid/table/TableViewInfoCache.h"

#include "controls/grid/table/Records.h"
#include "controls/grid/table/TableView.h"

namespace zorvy {

void TcxCustomGridTableViewInfoCacheItem::SetHeight(int value) {
    height_ = value;
    isHeightAssigned_ = true;
}

void TcxCustomGridTableViewInfoCacheItem::UnassignValues(bool keepMaster) {
    TcxCustomGridViewInfoCacheItem::UnassignValues(keepMaster);
    isHeightAssigned_ = false;
}

TcxCustomGridRecord* TcxCustomGridTableViewInfoCacheItem::GetGridRecord() const {
    auto* view = dynamic_cast<TcxCustomGridTableView*>(GetCache()->GetGridView());
    return view ? view->GetViewData()->GetRecord(GetIndex()) : nullptr;
}

TcxCustomGridViewInfoCacheItemClass TcxCustomGridTableViewInfoCache::GetItemClass(int) const {
    return CacheItemClassOf<TcxCustomGridTableViewInfoCacheItem>();
}

} // namespace zorvy
