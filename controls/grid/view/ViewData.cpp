// The view data base.
#include "controls/grid/view/ViewData.h"

#include "controls/data/DataController.h"
#include "controls/grid/view/CustomView.h"

namespace zorvy {

bool TcxCustomGridViewData::IsEmpty() const {
    return GetDataController()->GetRowCount() == 0;
}

} // namespace zorvy
