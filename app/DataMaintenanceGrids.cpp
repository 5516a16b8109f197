// The data-maintenance window's grids: the Tekpa and five-from-22 draws with their navigators, the
// blue-ball rows on the hidden page, the editing switch and the double click that takes a draw code.
#include "app/DataMaintenance.h"

#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/dbviews/DBViews.h"
#include "controls/grid/navigator/Navigator.h"
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/Records.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/PageControl.h"
#include "platform/db/DataSource.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

namespace {

struct TDrawColumnSpec {
    const char* caption;
    const char* field;
    int width; // 0: as wide as its field
};

// The draw columns of a page; the five-from-22 page shows its special ball (ResultA2) in place of the blue one.
std::vector<TDrawColumnSpec> DrawColumns(bool tekpa) {
    return {{"彩票类型", "LotteryID", 55},
            {"期号", "Issue", 55},
            {"日期", "EndTime", 68},
            {"结果", "ResultA1", 103},
            tekpa ? TDrawColumnSpec{"蓝球", "ResultB1", 52} : TDrawColumnSpec{"特号", "ResultA2", 52},
            {"销售金额", "Sale", 0},
            {"1等奖数", "Count1", 0},
            {"1等奖金额", "Bonus1", 0},
            {"2等奖数", "Count2", 0},
            {"2等奖金额", "Bonus2", 0},
            {"3等奖数", "Count3", 0},
            {"3等奖金额", "Bonus3", 0}};
}

constexpr const char* BlueBallFields[] = {"LotIssue", "StartTime", "EndTime", "Result", "Result2",
                                          "Result3",  "Bonus1",    "Bonus2",  "Bonus3", "Sale",
                                          "Count1",   "Count2",    "Count3",  "Memo"};

// The navigator's buttons: Prior, Next and Insert stay hidden, the others say what they do.
constexpr struct {
    int button;
    const char* hint;
} NavigatorHints[] = {{NBDI_FIRST, "第1条记录"},  {NBDI_PRIORPAGE, "上1页"},       {NBDI_NEXTPAGE, "下1页"},
                      {NBDI_LAST, "最后记录"},    {NBDI_APPEND, "追加"},          {NBDI_DELETE, "删除"},
                      {NBDI_EDIT, "编辑"},        {NBDI_POST, "保存"},            {NBDI_CANCEL, "取消"},
                      {NBDI_REFRESH, "刷新"},     {NBDI_SAVEBOOKMARK, "保存标签"}, {NBDI_GOTOBOOKMARK, "跳转到标签"},
                      {NBDI_FILTER, "过滤"}};

TcxGridDBColumn* AddColumn(TcxGridDBTableView* view, const std::string& field, const std::string& caption, int width) {
    TcxGridDBColumn* column = view->CreateColumn();
    column->SetName(view->GetName() + field);
    column->GetDataBinding()->SetFieldName(field);
    column->SetCaption(caption);
    if (width > 0) column->SetWidth(width);
    column->SetHeaderAlignmentHorz(taCenter);
    return column;
}

void ShowNavigator(TcxGridDBTableView* view) {
    view->GetOptionsView()->SetNavigator(true);
    TcxNavigatorControlButtons* buttons = view->GetNavigatorButtons();
    if (!buttons) return;
    // The window's own question comes before a draw is deleted.
    buttons->SetConfirmDelete(false);
    for (int i : {NBDI_PRIOR, NBDI_NEXT, NBDI_INSERT})
        buttons->GetButton(i)->SetVisible(false);
    for (const auto& entry : NavigatorHints) {
        buttons->GetButton(entry.button)->SetVisible(true);
        buttons->GetButton(entry.button)->SetHint(entry.hint);
    }
}

} // namespace

TcxGridDBTableView* TFrdatamodify::AddDrawGrid(TTabSheet* page, TcxGrid*& grid, const std::string& gridName,
                                              const std::string& viewName, TDataSource* source, int bottom) {
    grid = new TcxGrid(this);
    grid->SetName(gridName);
    grid->SetParent(page);
    grid->SetBounds(0, 0, page->GetClientWidth(), bottom);
    // The plain look: headers and indicator drawn as raised buttons.
    grid->GetLookAndFeel()->SetKind(lfStandard);
    auto* view = static_cast<TcxGridDBTableView*>(
        TcxControlChildComponent::CreateForControl(TcxGridDBTableView::StaticClass(), grid, true));
    view->SetName(viewName);
    auto* level = new TcxGridLevel(this);
    grid->GetRootLevel()->Add(level);
    level->SetGridView(view);
    view->GetDataController()->SetDataSource(source);
    view->GetOptionsView()->SetGroupByBox(false);
    // The navigator follows the view's data from the start, before the grid is ever focused.
    grid->SetFocusedView(view);
    return view;
}

void TFrdatamodify::BuildGrids() {
    const int gridBottom = CheckBox1->GetTop() - 6;
    struct {
        TTabSheet* page;
        TcxGrid*& grid;
        const char* gridName;
        TcxGridDBTableView*& view;
        const char* viewName;
        TDataSource* source;
        bool tekpa;
    } draws[] = {{TabSheet1, cxGrid1, "cxGrid1", cxGrid1DBTableView1, "cxGrid1DBTableView1", Ds_tkp, true},
                 {TabSheet2, cxGrid2, "cxGrid2", cxGrid1DBTableView2, "cxGrid1DBTableView2", Ds_22x5, false}};
    for (auto& d : draws) {
        d.view = AddDrawGrid(d.page, d.grid, d.gridName, d.viewName, d.source, gridBottom);
        for (const TDrawColumnSpec& c : DrawColumns(d.tekpa))
            AddColumn(d.view, c.field, c.caption, c.width);
        TcxCustomGridTableOptionsData* data = d.view->GetOptionsData();
        data->SetEditing(false);
        data->SetAppending(true);
        data->SetInserting(false);
        data->SetDeletingConfirmation(false);
        d.view->GetOptionsBehavior()->SetGoToNextCellOnEnter(true);
        d.view->GetOptionsBehavior()->SetFocusFirstCellOnNewRecord(true);
        d.view->GetOptionsBehavior()->SetNavigatorHints(true);
        ShowNavigator(d.view);
    }
    cxGrid1DBTableView1->OnCellDblClick = [this](TcxCustomGridTableView*, TcxGridTableDataCellViewInfo* cell,
                                                 TMouseButton, TShiftState, bool& handled) {
        cxGrid1DBTableView1CellDblClick(cell);
        handled = true;
    };

    cxGridDBTableView1 = AddDrawGrid(TabSheet3, cxGrid3, "cxGrid3", "cxGridDBTableView1", Ds_LQ, gridBottom);
    for (const char* field : BlueBallFields)
        AddColumn(cxGridDBTableView1, field, field, 0);
    cxGridDBTableView1->GetOptionsData()->SetDeleting(false);
}

void TFrdatamodify::RefreshNavigators() {
    for (TcxGridDBTableView* view : {cxGrid1DBTableView1, cxGrid1DBTableView2})
        view->RefreshNavigators();
}

TcxGridDBTableView* TFrdatamodify::PageView(int page) const {
    return page == 0 ? cxGrid1DBTableView1 : cxGrid1DBTableView2;
}

void TFrdatamodify::SetEditing(int page, bool editing) {
    editing_.at(static_cast<size_t>(page)) = editing;
    if (TcxGridDBTableView* view = PageView(page)) view->GetOptionsData()->SetEditing(editing);
}

void TFrdatamodify::cxGrid1DBTableView1CellDblClick(TcxGridTableDataCellViewInfo* cell) {
    if (!cell || !cell->GetGridRecord()) return;
    TcxCustomGridRecord* record = cell->GetGridRecord();
    // The code as the view shows it for the clicked draw.
    std::string red, blue;
    for (int i = 0; i < cxGrid1DBTableView1->GetColumnCount(); ++i) {
        const std::string field = cxGrid1DBTableView1->GetColumn(i)->GetDataBinding()->GetFieldName();
        if (field == "ResultA1") red = record->GetDisplayText(i);
        if (field == "ResultB1") blue = record->GetDisplayText(i);
    }
    SaveDrawCode(Trim(red) + "+" + Trim(blue));
}

} // namespace zorvy
