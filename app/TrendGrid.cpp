// A trend window's grid: the banded view on the data module's query of its view, with its fifteen
// bands, the column collection in its own order, the footer summaries, the shown first-band columns
// and the content styles that colour the interval columns.
#include "app/TrendForm.h"

#include "app/Program.h"
#include "controls/grid/bandedview/Bands.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/dbviews/DBViews.h"
#include "controls/grid/styles/Styles.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "data/DataModule.h"
#include "platform/gdi/Colors.h"
#include "platform/rtl/Variant.h"

#include <algorithm>

namespace zorvy {

namespace {

// The bands of the serial window that take its content style: every second one from 奇偶 on.
constexpr int ShadedSerialBands[] = {2, 4, 6, 8, 10, 12};

// The first band's columns as wide as their texts; the others share their band's width, or are as
// narrow as a mark when the band has none of its own.
int ColumnWidth(const TTrendBand& band, const TTrendColumn& column) {
    if (column.Field == "Issue") return 55;
    if (column.Field == "EndTime") return 68;
    if (column.Field == "ResultA1") return 103;
    if (band.Width > 0) return band.Width / static_cast<int>(band.Columns.size());
    return 26;
}

// The hot, warm and cold lists: single digits and blanks of the grid's 8-point font.
constexpr int HotColdColumnWidth = 26;
constexpr int HotColdCharWidth = 6;

} // namespace

void TTrendForm::BuildGrid() {
    cxGrid1 = new TcxGrid(this);
    cxGrid1->SetName("cxGrid1");
    cxGrid1->SetParent(this);
    cxGrid1->SetAlign(alClient);
    cxGrid1->GetLookAndFeel()->SetKind(lfStandard);
    auto* view = static_cast<TcxGridDBBandedTableView*>(
        TcxControlChildComponent::CreateForControl(TcxGridDBBandedTableView::StaticClass(), cxGrid1, true));
    view->SetName("cxGrid1DBBandedTableView1");
    cxGrid1DBBandedTableView1 = view;
    auto* level = new TcxGridLevel(this);
    cxGrid1->GetRootLevel()->Add(level);
    level->SetGridView(view);

    view->GetOptionsData()->SetEditing(false);
    view->GetOptionsData()->SetDeleting(false);
    view->GetOptionsCustomize()->SetColumnMoving(false);
    view->GetOptionsCustomize()->SetColumnSorting(false);
    view->GetOptionsCustomize()->SetDataRowSizing(true);
    view->GetOptionsBehavior()->SetCellHints(true);
    view->GetOptionsView()->SetFooter(true);
    view->GetOptionsView()->SetGroupByBox(false);
    view->GetOptionsView()->SetIndicator(true);
    view->GetDataController()->GetSummary().SetOptions(soNullIgnore);
    // A column's own content style (the interval colouring, the serial window's shaded bands) wins
    // over the view's.
    view->GetStyles()->SetOnGetContentStyle(
        [](TcxCustomGridTableView*, TcxCustomGridRecord*, TcxCustomGridTableItem* item, TcxStyle*& style) {
            if (auto* column = dynamic_cast<TcxGridColumn*>(item))
                if (TcxStyle* own = column->GetStyles()->GetContent()) style = own;
        });

    const std::vector<TTrendBand> bands = TrendBands(view_);
    for (const TTrendBand& b : bands) {
        TcxGridBand* band = view->GetBands()->Add();
        band->SetCaption(b.Caption);
        if (b.Width > 0) band->SetWidth(b.Width);
    }
    // The collection in its own order first, then each band takes its columns in band order.
    for (const std::string& field : TrendColumnOrder(view_)) {
        TcxGridDBBandedColumn* column = view->CreateColumn();
        column->SetName("cxGrid1DBBandedTableView1" + field);
        column->GetDataBinding()->SetFieldName(field);
        column->SetHeaderAlignmentHorz(taCenter);
        column->GetPosition()->SetBandIndex(-1);
        // bgxt and bgbt stay in no band, hidden.
        column->SetCaption(field == UnbandedColumnFields[0] ? "同" : "异");
        column->SetVisible(false);
    }
    for (size_t b = 0; b < bands.size(); ++b)
        for (size_t c = 0; c < bands[b].Columns.size(); ++c) {
            const TTrendColumn& wanted = bands[b].Columns[c];
            TcxGridDBBandedColumn* column = Column(wanted.Field);
            column->SetCaption(wanted.Caption);
            column->SetWidth(ColumnWidth(bands[b], wanted));
            column->GetPosition()->SetBandIndex(static_cast<int>(b));
            column->GetPosition()->SetRowIndex(0);
            column->GetPosition()->SetColIndex(static_cast<int>(c));
            column->SetVisible(wanted.Visible);
        }

    for (const TTrendSummary& summary : TrendSummaries(view_)) {
        TcxGridDBBandedColumn* column = Column(summary.Field);
        if (!column) continue;
        column->GetSummary()->SetFooterKind(summary.Kind == TTrendSummaryKind::Count ? skCount : skAverage);
        if (!summary.Format.empty()) column->GetSummary()->SetFooterFormat(summary.Format);
    }

    if (view_ == TTrendView::xh) {
        cxStyle1 = new TcxStyle(this);
        cxStyle1->SetName("cxStyle1");
        cxStyle1->SetColor(clGradientActiveCaption);
        for (int b : ShadedSerialBands)
            for (const TTrendColumn& c : bands[static_cast<size_t>(b)].Columns)
                if (TcxGridDBBandedColumn* column = Column(c.Field)) column->GetStyles()->SetContent(cxStyle1);
    }
    if (Data) view->GetDataController()->SetDataSource(Data->ViewSource(view_));
    ApplyBasicColumns();
}

TcxGridDBBandedColumn* TTrendForm::Column(const std::string& field) const {
    if (!cxGrid1DBBandedTableView1) return nullptr;
    for (int i = 0; i < cxGrid1DBBandedTableView1->GetItemCount(); ++i) {
        TcxGridDBBandedColumn* column = cxGrid1DBBandedTableView1->GetColumn(i);
        if (column->GetDataBinding()->GetFieldName() == field) return column;
    }
    return nullptr;
}

void TTrendForm::ShowRangeEnd() {
    if (!cxGrid1DBBandedTableView1) return;
    // A top row kept from a longer range would leave the grid showing little more than the last draw.
    TcxCustomGridTableController* controller = cxGrid1DBBandedTableView1->GetController();
    controller->SetTopRecordIndex(0);
    if (TcxCustomGridRecord* focused = controller->GetFocusedRecord()) controller->MakeRecordVisible(focused);
}

void TTrendForm::FitHotColdColumns() {
    if (!cxGrid1DBBandedTableView1) return;
    TcxGridBand* band = cxGrid1DBBandedTableView1->GetBands()->GetItem(TrendBandCount - 1);
    TcxCustomDataController* data = cxGrid1DBBandedTableView1->GetDataController();
    int wide = 0;
    for (const char* field : HotColdColumnFields) {
        TcxGridDBBandedColumn* column = Column(field);
        if (!column) continue;
        // Measured from the values, not from the cells laid out now: the band is mostly scrolled away.
        const int item = cxGrid1DBBandedTableView1->IndexOfItem(column);
        size_t longest = 1;
        for (int r = 0; r < data->GetRecordCount(); ++r)
            longest = std::max(longest, VarToStr(data->GetValue(r, item)).size());
        column->SetWidth(std::max(HotColdColumnWidth, HotColdCharWidth * static_cast<int>(longest) + 8));
        wide += column->GetWidth();
    }
    if (band->GetWidth() > 0 && band->GetWidth() < wide) band->SetWidth(wide);
}

void TTrendForm::SetBasicColumns(const TBasicColumns& shown) {
    basicColumns_ = shown;
    ApplyBasicColumns();
}

void TTrendForm::ApplyBasicColumns() {
    if (!cxGrid1DBBandedTableView1) return;
    const bool visible[3] = {basicColumns_.Issue, basicColumns_.EndTime, basicColumns_.ResultA1};
    for (int i = 0; i < 3; ++i)
        if (TcxGridDBBandedColumn* column = Column(BasicColumnFields[i])) column->SetVisible(visible[i]);
    cxGrid1DBBandedTableView1->GetBands()->GetItem(0)->SetVisible(basicColumns_.Band);
}

} // namespace zorvy
