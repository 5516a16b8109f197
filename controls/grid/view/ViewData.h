#pragma once
// The view data: turns the data controller's rows into what the view shows. The base answers which
// engine orders groups by summary values, whether the view is empty, and how a detail view is
// brought into sight; the table views add records and rows.
#include "controls/grid/view/SortingBySummary.h"
#include "controls/grid/view/ViewHandlers.h"

namespace zorvy {

class TcxGridLevel;

class TcxCustomGridViewData : public TcxGridViewHandler {
    ZORVY_CLASS(TcxCustomGridViewData, TcxGridViewHandler)
  public:
    using TcxGridViewHandler::TcxGridViewHandler;
    virtual TcxSortingBySummaryEngineClass GetSortingBySummaryEngineClass() const {
        return SortingBySummaryEngineClassOf<TcxGridSortingBySummaryEngine>();
    }
    // The data controller has no rows.
    virtual bool IsEmpty() const;
    // The view that shows the detail level once it is in sight; nil here.
    virtual TcxCustomGridView* MakeDetailVisible(TcxGridLevel* /*level*/) { return nullptr; }
};

} // namespace zorvy
