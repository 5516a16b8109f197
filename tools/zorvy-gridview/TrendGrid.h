#pragma once
// A dataset-bound banded view laid out as a trend window: the fifteen bands with their captions and
// widths, the view query's columns placed in row 0 of their bands in band order, the basic
// columns EndTime and ResultA1 hidden, the columns of no band invisible.
#include "controls/grid/dbviews/DBViews.h"
#include "data/ViewKinds.h"

namespace zorvy {

class TcxGrid;
class TDataSource;

// Makes the view on the grid's one level and binds it to the source's query.
TcxGridDBBandedTableView* CreateTrendView(TcxGrid* grid, TDataSource* source, TTrendView kind);

} // namespace zorvy
