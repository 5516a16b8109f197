// The trend window's banded view over a view query.
#include "TrendGrid.h"

#include "app/TrendColumns.h"
#include "controls/grid/control/Grid.h"
#include "controls/data/DataSummary.h"
#include "controls/grid/control/GridLevel.h"
#include "platform/db/DataSource.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace zorvy {

namespace {

std::string LowerName(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Columns of a band without a width of its own: the issue wide enough for its seven digits, the
// others as narrow as a two-digit value.
int ColumnWidth(const std::string& field) { return LowerName(field) == "issue" ? 58 : 24; }

} // namespace

TcxGridDBBandedTableView* CreateTrendView(TcxGrid* grid, TDataSource* source, TTrendView kind) {
    auto* view = static_cast<TcxGridDBBandedTableView*>(
        TcxControlChildComponent::CreateForControl(TcxGridDBBandedTableView::StaticClass(), grid, true));
    view->SetName("cxGrid1DBBandedTableView1");
    auto* level = new TcxGridLevel(grid->GetOwner());
    grid->GetRootLevel()->Add(level);
    level->SetGridView(view);

    const std::vector<TTrendBand> bands = TrendBands(kind);
    // Where each field goes: its band, its place in the band and its caption.
    struct TPlace {
        int Band, Col;
        const TTrendColumn* Column;
    };
    std::map<std::string, TPlace> places;
    view->BeginUpdate();
    view->GetOptionsView()->SetGroupByBox(false);
    view->GetOptionsView()->SetIndicator(true);
    view->GetOptionsView()->SetFooter(true);
    for (size_t b = 0; b < bands.size(); ++b) {
        TcxGridBand* band = view->GetBands()->Add();
        band->SetCaption(bands[b].Caption);
        band->SetWidth(bands[b].Width);
        for (size_t c = 0; c < bands[b].Columns.size(); ++c)
            places[LowerName(bands[b].Columns[c].Field)] = {static_cast<int>(b), static_cast<int>(c), &bands[b].Columns[c]};
    }
    TcxGridDBDataController* data = view->GetDataController();
    data->SetDataSource(source);
    data->CreateAllItems(false);
    std::vector<std::pair<TPlace, TcxGridDBBandedColumn*>> placed;
    for (int i = 0; i < view->GetItemCount(); ++i) {
        TcxGridDBBandedColumn* column = view->GetColumn(i);
        const std::string field = column->GetDataBinding()->GetFieldName();
        auto it = places.find(LowerName(field));
        if (it == places.end()) {
            column->GetPosition()->SetBandIndex(-1);
            column->SetVisible(false);
            continue;
        }
        column->SetCaption(it->second.Column->Caption);
        column->SetVisible(it->second.Column->Visible);
        column->SetWidth(ColumnWidth(field));
        column->GetOptions()->SetEditing(false);
        placed.emplace_back(it->second, column);
    }
    // In band order: each column to the end of row 0 of its band.
    std::sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) {
        return std::make_pair(a.first.Band, a.first.Col) < std::make_pair(b.first.Band, b.first.Col);
    });
    for (const auto& [place, column] : placed) {
        column->GetPosition()->SetBandIndex(place.Band);
        column->GetPosition()->SetRowIndex(0);
        column->GetPosition()->SetColIndex(place.Col);
    }
    // The footer counts the draws under the first column.
    if (!placed.empty()) data->GetSummary().FooterSummaryItems().AddLinked(placed.front().second, spFooter, "", skCount);
    view->EndUpdate();
    return view;
}

} // namespace zorvy
