#pragma once
// A form with a grid showing one table view laid out as one row per record (RowsView.h).
#include "tests/controls/grid/table/RowsView.h"
#include "tests/controls/grid/table/TableFixture.h"

#include <string>

namespace zorvy::test {

// A form with a grid showing one TTestRowsView.
class RowsTest : public GridTest {
  protected:
    RowsTest() {
        form = NewForm();
        grid = NewGrid(form);
        view = static_cast<TTestRowsView*>(
            TcxControlChildComponent::CreateForControl(TTestRowsView::StaticClass(), grid, true));
        AddLevel(grid, nullptr, view);
    }
    TcxCustomDataController* Data() const { return view->GetDataController(); }
    TTestRowsTableViewInfo* Layout() const { return view->Layout(); }
    void Fill(int rows, int columns) {
        Data()->BeginUpdate();
        Data()->SetRecordCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) Data()->SetValue(r, c, Variant(std::to_string(r * 100 + c)));
        Data()->EndUpdate();
    }
    // Lays the view out again at its site's current size.
    void Relayout() { Layout()->Recalculate(); }

    TForm* form;
    TcxGrid* grid;
    TTestRowsView* view;
};

} // namespace zorvy::test
