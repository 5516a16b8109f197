#pragma once
// The analysis window's trend-table page over the real draws: a view chosen with a feature and the page
// shown, and the rows of the view, the trend table and the pattern table read back as the tests compare
// them.
#include "app/AnalysisForm.h"
#include "app/TrendForm.h"
#include "app/TrendTables.h"
#include "controls/data/DataSummary.h"
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/dbviews/DBViews.h"
#include "controls/grid/styles/Styles.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "data/DataModule.h"
#include "data/TrendMarker.h"
#include "platform/classlib/stdctrls/ButtonGroup.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/GroupBoxes.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/db/ADOCommand.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "tests/app/AppFixture.h"
#include "tests/support/Draws.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace zorvy::test {

// A row of a scratch table: its issue and the column its mark is in ("Q3", "bg5"; "bg5◇" for the code
// after a stretch; empty for none; names joined when a row has more than one).
struct TMarkedRow {
    std::string Qh;
    std::string Column;
    bool operator==(const TMarkedRow&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const TMarkedRow& row) {
        return out << row.Qh << ":" << row.Column;
    }
};

class TrendTablesPage : public AppTest {
  protected:
    // The grids bound to a table stay still while the tests walk its rows: they would lay themselves out
    // again at every row.
    struct TReadingRows {
        explicit TReadingRows(TDataSet* table) : table(table) { table->DisableControls(); }
        ~TReadingRows() { table->EnableControls(); }
        TDataSet* table;
    };

    explicit TrendTablesPage(DrawDatabase::Contents contents = DrawDatabase::RealDraws) : AppTest(contents) {}

    // Starts the program, docks view with feature kind and shows the trend-table page.
    void OpenPage(int view, int kind) {
        Start();
        Frfx->ButtonGroup1->ClickItem(view);
        TTrendForm* form = TFrfx::TrendForm(view);
        form->ComboBox1->SetItemIndex(kind);
        form->ComboBox1Change(form->ComboBox1);
        Frfx->btNewzoushiClick(Frfx->btNewzoushi);
    }

    // The view values (Jsv) of the view's rows in issue order; their issues go to issues_.
    std::vector<int32_t> ViewValues(TADOQuery* query) {
        std::vector<int32_t> values;
        issues_.clear();
        TReadingRows reading(query);
        for (query->First(); !query->GetEof(); query->Next()) {
            values.push_back(query->FieldByName("Jsv")->GetAsInteger());
            issues_.push_back(query->FieldByName("Issue")->GetAsString());
        }
        return values;
    }

    static std::vector<TMarkedRow> ReadMarked(TADOQuery* table, const std::string& issueField) {
        std::vector<TMarkedRow> rows;
        if (!table->GetActive()) return rows;
        TReadingRows reading(table);
        for (table->First(); !table->GetEof(); table->Next()) {
            TMarkedRow row{table->FieldByName(issueField)->GetAsString(), ""};
            for (int i = 1; i < table->GetFieldCount(); ++i) {
                TField* field = table->GetFields()[i];
                const std::string text = field->GetAsString();
                if (text.empty()) continue;
                if (!row.Column.empty()) row.Column += ",";
                row.Column += field->GetFieldName() + (text == TrendMarker ? "" : text);
            }
            rows.push_back(row);
        }
        return rows;
    }
    static std::vector<TMarkedRow> TrendRows() { return ReadMarked(Data->xxtoxxTb, "Qh"); }
    static std::vector<TMarkedRow> PatternRows() { return ReadMarked(Data->bgzoushiTb, "qh"); }

    // What the footer counts under column index of view.
    static int FooterCount(TcxGridDBTableView* view, int index) {
        TcxDataSummary& summary = view->GetDataController()->GetSummary();
        const int item = summary.FooterSummaryItems().IndexOfLink(view->GetColumn(index));
        if (item < 0) return -1;
        const Variant value = summary.FooterValue(item);
        return value.IsNull() ? 0 : value.AsInteger();
    }

    // The trend table of 上下3期奇偶 worked out from the view's values: three parity digits of the two draws
    // before and this one, read as a number, in the column of that code; values before the range count as 0.
    std::vector<TMarkedRow> ParityRows(const std::vector<int32_t>& values) const {
        static const std::map<int, std::string> columns{{0, "bg0"},   {1, "bg4"},   {10, "bg6"},  {11, "bg2"},
                                                        {100, "bg7"}, {101, "bg3"}, {110, "bg5"}, {111, "bg1"}};
        std::vector<TMarkedRow> expected;
        int32_t p2 = 0, p1 = 0;
        for (size_t i = 0; i < values.size(); ++i) {
            const int32_t v = values[i];
            if (v <= 50) expected.push_back({issues_[i], columns.at(p2 % 2 * 100 + p1 % 2 * 10 + v % 2)});
            p2 = p1;
            p1 = v;
        }
        return expected;
    }

    // The pattern table worked out from the trend table: every stretch of rows in the columns of sequence
    // (oldest first), not overlapping, each followed by the row after it marked "◇".
    static std::vector<TMarkedRow> Stretches(const std::vector<TMarkedRow>& rows,
                                             const std::vector<std::string>& sequence) {
        std::vector<TMarkedRow> expected;
        const size_t n = sequence.size();
        for (size_t start = 0; start + n <= rows.size();) {
            size_t k = 0;
            while (k < n && rows[start + k].Column == sequence[k])
                ++k;
            if (k < n) {
                ++start;
                continue;
            }
            for (k = 0; k < n; ++k)
                expected.push_back(rows[start + k]);
            start += n;
            if (start < rows.size()) expected.push_back({rows[start].Qh, rows[start].Column + "◇"});
        }
        return expected;
    }

    const std::vector<DrawRow> draws_ = ReadDraws();
    std::vector<std::string> issues_;
};

} // namespace zorvy::test
