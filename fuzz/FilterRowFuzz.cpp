// The table view's filter row and stored layout on fuzzed texts: the first byte picks the column,
// the rest is what the user typed into the filter row (and, read as a stored value, the view's
// "GroupFooters" entry). A typed text becomes exactly one condition of that column, LIKE when it
// holds a wildcard and equal otherwise; an empty text leaves none; a stored entry never gives a
// group-footer mode that does not exist.
#include "controls/data/DataController.h"
#include "controls/data/FilterOperators.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "controls/grid/common/GridUnits.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/Rows.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

#include <string>

using namespace zorvy;

namespace {

struct TWorld {
    TWorld() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeGridUnits();
        grid = new TcxGrid(nullptr);
        view = static_cast<TcxGridTableView*>(
            TcxControlChildComponent::CreateForControl(TcxGridTableView::StaticClass(), grid, false));
        level = new TcxGridLevel(nullptr);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        for (const char* caption : {"Issue", "Red"}) view->CreateColumn()->SetCaption(caption);
        TcxCustomDataController* data = view->GetDataController();
        data->SetRecordCount(3);
        const char* values[3][2] = {{"2026001", "01 02 03"}, {"2026002", "a_b%c"}, {"2026003", ""}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c) data->SetValue(r, c, Variant(std::string(values[r][c])));
        view->GetFilterRow()->SetVisible(true);
    }
    ~TWorld() {
        delete level;
        delete view;
        delete grid;
        FinalizeGridUnits();
    }
    THeadlessDisplay display;
    TcxGrid* grid;
    TcxGridTableView* view;
    TcxGridLevel* level;
};

} // namespace

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TWorld world;
    if (size == 0) return 0;
    TcxGridTableView* view = world.view;
    TcxGridColumn* column = view->GetColumn(data[0] % 2);
    const std::string typed(reinterpret_cast<const char*>(data + 1), size - 1);
    TcxDataFilterCriteria& filter = view->GetDataController()->GetFilter();
    TcxGridFilterRow* row = view->GetViewData()->GetFilterRow();
    fuzz::Require(row != nullptr, "the shown filter row is missing");

    fuzz::Try([&] { row->SetValue(column->GetIndex(), Variant(typed)); });
    TcxFilterCriteriaItem* condition = filter.FindItemForLink(column);
    if (typed.empty()) {
        fuzz::Require(condition == nullptr, "an empty text left a condition");
    } else {
        fuzz::Require(condition != nullptr, "a typed text set no condition");
        const bool wildcard = typed.find(filter.GetPercentWildcard()) != std::string::npos ||
                              typed.find(filter.GetUnderscoreWildcard()) != std::string::npos;
        fuzz::Require(condition->GetOperatorKind() == (wildcard ? ocLike : ocEqual), "wrong operator for the text");
        fuzz::Require(row->GetDisplayText(column->GetIndex()) == condition->GetDisplayValue(),
                      "the row shows another text than its condition");
    }
    fuzz::Require(view->GetDataController()->GetRowCount() <= 3, "filtering added rows");

    fuzz::Try([&] { view->SetStoredPropertyValue("GroupFooters", Variant(typed)); });
    fuzz::Try([&] { view->SetStoredPropertyValue("GroupFooters", Variant(static_cast<int32_t>(data[0]) - 128)); });
    const int mode = view->GetOptionsView()->GetGroupFooters();
    fuzz::Require(mode >= gfInvisible && mode <= gfAlwaysVisible, "a group-footer mode that does not exist");
    return 0;
}
