#pragma once
// A grid with one table view on a headless form; the view's default data row height is a fixed 19
// pixels, as the rows' layout gives it for the standard font.
#include "controls/data/DataController.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/Rows.h"
#include "tests/controls/grid/GridFixture.h"

#include <string>
#include <vector>

namespace zorvy::test {

class TTestGridTableView : public TcxGridTableView {
    ZORVY_CLASS(TTestGridTableView, TcxGridTableView)
  public:
    using TcxGridTableView::TcxGridTableView;
    int DefaultDataRowHeight = 19;
    int CalculateDefaultDataRowHeight() override { return DefaultDataRowHeight; }
    using TcxGridTableView::GetCopyToClipboardItems;
};

class TableViewTest : public GridTest {
  protected:
    // The text editor's filter support: columns edit and filter texts.
    TableViewTest() {
        InitializeTextEditUnit();
        form = NewForm();
        grid = NewGrid(form);
        view = NewTableView();
        AddLevel(grid, nullptr, view);
    }
    TTestGridTableView* NewTableView() {
        return static_cast<TTestGridTableView*>(
            TcxControlChildComponent::CreateForControl(TTestGridTableView::StaticClass(), grid, true));
    }
    ~TableViewTest() override { FinalizeTextEditUnit(); }
    TcxCustomDataController* Data() const { return view->GetDataController(); }
    TcxGridColumn* AddColumn(const std::string& caption) {
        TcxGridColumn* column = view->CreateColumn();
        column->SetCaption(caption);
        return column;
    }
    // One text per column in every row.
    void Fill(const std::vector<std::vector<std::string>>& rows) {
        Data()->BeginUpdate();
        Data()->SetRecordCount(static_cast<int>(rows.size()));
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t i = 0; i < rows[r].size(); ++i)
                Data()->SetValue(static_cast<int>(r), static_cast<int>(i), Variant(rows[r][i]));
        Data()->EndUpdate();
    }

    TForm* form;
    TcxGrid* grid;
    TTestGridTableView* view;
};

} // namespace zorvy::test
