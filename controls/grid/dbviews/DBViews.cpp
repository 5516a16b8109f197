// The registration of the dataset-bound views and columns.
#include "controls/grid/dbviews/DBViews.h"

#include "controls/grid/view/RegisteredViews.h"

namespace zorvy {

void InitializeGridDBViewsUnit() {
    GetGridRegisteredViews()->AddClass(TcxGridDBTableView::StaticClass(), "DB Table");
    GetGridRegisteredViews()->AddClass(TcxGridDBBandedTableView::StaticClass(), "DB Banded Table");
    RegisterClass(TcxGridDBColumn::StaticClass());
    RegisterClass(TcxGridDBBandedColumn::StaticClass());
    RegisterClass(TcxGridItemDBDataBinding::StaticClass());
}

void FinalizeGridDBViewsUnit() {
    if (TcxGridRegisteredViews* views = GetGridRegisteredViews()) {
        views->RemoveClass(TcxGridDBTableView::StaticClass());
        views->RemoveClass(TcxGridDBBandedTableView::StaticClass());
    }
}

} // namespace zorvy
