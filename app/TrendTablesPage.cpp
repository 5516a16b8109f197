// The analysis window's trend-table page at work: creating and dropping the scratch tables, computing the
// trend table over the range, the hot/warm/cold summary, the mode captions, taking the last codes and the
// search for earlier equal stretches, and the colours of a trend window's interval columns.
#include "app/AnalysisForm.h"

#include "app/TrendTables.h"
#include "controls/grid/dbviews/DBViews.h"
#include "controls/grid/styles/Styles.h"
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "data/DataModule.h"
#include "data/TrendMarker.h"
#include "platform/classlib/Dialogs.h"
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
#include "platform/db/Odbc.h"
#include "platform/rtl/Exceptions.h"

namespace zorvy {

namespace {

// Runs its action when the scope ends, also when an error passes.
template <class F> struct TOnLeave {
    F f;
    ~TOnLeave() { f(); }
};
template <class F> TOnLeave(F) -> TOnLeave<F>;

// The column of the trend table's view that shows Qk (column 0 is Qh).
int ValueColumnIndex(int k) {
    return 1 + k;
}

// The rows of the trend table with their pattern marks; the table stays on the row it was on.
std::vector<TPatternRow> ReadPatternRows(TDataSet* table) {
    std::vector<TPatternRow> rows;
    table->DisableControls();
    TOnLeave enable{[table] { table->EnableControls(); }};
    const TBookmark place = table->GetBookmark();
    TField* qh = table->FieldByName("Qh");
    std::array<TField*, TrendBgColumns> codes{};
    for (int k = 0; k < TrendBgColumns; ++k)
        codes[k] = table->FieldByName(ColumnName("bg", k));
    for (table->First(); !table->GetEof(); table->Next()) {
        TPatternRow row{qh->GetAsString(), 0};
        for (int k = 0; k < TrendBgColumns; ++k)
            if (codes[k]->GetAsString() == TrendMarker) row.Marks |= 1u << k;
        rows.push_back(std::move(row));
    }
    if (table->BookmarkValid(place)) table->GotoBookmark(place);
    return rows;
}

} // namespace

// ---- The options ----

TTrendRule TFrfx::ChosenRule() const {
    const std::pair<TRadioButton*, TTrendRule> modes[] = {
        {RwLchk, TTrendRule::RwLchk},         {sx3qiatchk, TTrendRule::sx3qiatchk},
        {sx3qidxchk, TTrendRule::sx3qidxchk}, {kuaduchk, TTrendRule::kuaduchk},
        {zuoyouchk1, TTrendRule::zuoyouchk1}, {sx3qijechk, TTrendRule::sx3qijechk},
        {sx3qyschk, TTrendRule::sx3qyschk},   {sx6qijechk, TTrendRule::sx6qijechk},
        {sx6qiyschk, TTrendRule::sx6qiyschk}, {shuzhichk, TTrendRule::shuzhichk},
        {yushuchk, TTrendRule::yushuchk},     {JIouchk, TTrendRule::JIouchk},
        {NewRwLchk, TTrendRule::NewRwLchk}};
    for (const auto& [button, rule] : modes)
        if (button->GetChecked()) return rule;
    return TTrendRule::sx3qijechk;
}

void TFrfx::StoreTrendTableSettings(TAnalysisSettings& settings) const {
    settings.Panel4 = Panel4->GetVisible();
    settings.Rule = ChosenRule();
    settings.Rad012 = std::max(Rad012->GetItemIndex(), 0);
    settings.sx6Rad012 = std::max(sx6Rad012->GetItemIndex(), 0);
    settings.zychk = zychk->GetChecked();
    settings.zycom = zycom->GetText();
    settings.ysvcom = ysvcom->GetText();
    for (int i = 0; i < 5; ++i) {
        settings.Qian[i] = Qian[i]->GetChecked();
        settings.sh[i] = sh[i]->GetText();
    }
    settings.t2chk = t2chk->GetChecked();
    settings.bxcom = bxcom->GetText();
    settings.bdcom = bdcom->GetText();
}

void TFrfx::ShowLastValues() {
    if (!Data) return;
    for (int i = 0; i < 5; ++i)
        sh[i]->SetText(std::to_string(Data->Trend.Last6Values[i]));
}

void TFrfx::kuaduchkClick(TObject*) {
    for (int k = 0; k < 10; ++k) {
        TcxGridDBColumn* column = cxGrid1DBTableView1->GetColumn(ValueColumnIndex(k));
        column->SetCaption(std::to_string(k));
        column->GetStyles()->SetContent(cxStyle1);
    }
    GroupBox1->SetEnabled(false);
}

void TFrfx::zuoyouchk1Click(TObject* sender) {
    kuaduchkClick(sender);
    static constexpr const char* captions[3] = {"左", "重", "右"};
    for (int k = 0; k < 3; ++k) {
        TcxGridDBColumn* column = cxGrid1DBTableView1->GetColumn(ValueColumnIndex(k));
        column->SetCaption(captions[k]);
        column->GetStyles()->SetContent(cxStyle2);
    }
    for (int i = 2; i < 5; ++i)
        Qian[i]->SetEnabled(true);
    GroupBox1->SetEnabled(false);
}

void TFrfx::RwLchkClick(TObject* sender) {
    kuaduchkClick(sender);
    static constexpr const char* captions[4] = {"重", "热", "温", "冷"};
    for (int k = 0; k < 4; ++k) {
        TcxGridDBColumn* column = cxGrid1DBTableView1->GetColumn(ValueColumnIndex(k));
        column->SetCaption(captions[k]);
        column->GetStyles()->SetContent(cxStyle2);
    }
    GroupBox1->SetEnabled(false);
}

void TFrfx::PriorValueModeClick(TObject*) {
    if (!trendBusy_) GroupBox1->SetEnabled(true);
}

void TFrfx::zycomMouseEnter(TObject*) {
    zycom->SetHint(zycom->GetText());
    zycom->SetShowHint(true);
}

void TFrfx::bdcomMouseEnter(TObject*) {
    bdcom->SetHint(bdcom->GetText());
    bdcom->SetShowHint(true);
}

void TFrfx::zh1KeyPress(TObject*, char32_t& key) {
    if (!AcceptsCodeKey(key)) key = 0;
}

// ---- The scratch tables ----

void TFrfx::SayCreateFailed(const std::string& table, const std::exception& error) {
    bool exists = false;
    try {
        exists = Data->datacon->OdbcConnection().TableExists(table);
    } catch (const std::exception&) {
        // The create's own error says more than this one.
    }
    ShowMessage(exists ? std::string("表已经存在!") : "无法建表 " + table + "：" + error.what());
}

void TFrfx::BtJsClick(TObject*) {
    if (!Data) return;
    try {
        Data->xxtoxx->Execute();
    } catch (const std::exception& e) {
        SayCreateFailed("xxtoxx", e);
    }
}

void TFrfx::BtclearClick(TObject*) {
    if (!Data) return;
    // The read query lets go of the table before it goes.
    Data->xxtoxxTb->Close();
    Data->clearxxtoxx->Execute();
}

void TFrfx::BitBtn4Click(TObject*) {
    if (!Data) return;
    try {
        Data->bgzoushi->Execute();
    } catch (const std::exception& e) {
        SayCreateFailed("bgzoushi", e);
    }
}

void TFrfx::BitBtn5Click(TObject*) {
    if (!Data) return;
    Data->bgzoushiTb->Close();
    Data->bgzoushiclear->Execute();
}

// ---- Computing the trend table ----

void TFrfx::BitBtn2Click(TObject*) {
    // One build at a time: the build lets clicks through so that 取消 is seen.
    if (trendBusy_ || !Data) return;
    if (!docked_) {
        Lbproblem->SetCaption("请先选择一个特征视图，再计算走势表。");
        return;
    }
    trendBusy_ = true;
    const bool groupEnabled = GroupBox1->GetEnabled();
    BitBtn2->SetEnabled(false);
    Button1->SetEnabled(false);
    GroupBox1->SetEnabled(false);
    TOnLeave done{[this, groupEnabled] {
        trendBuild_ = false;
        trendBusy_ = false;
        if (Data) Data->ProcessMessages = nullptr;
        BitBtn2->SetEnabled(true);
        Button1->SetEnabled(true);
        GroupBox1->SetEnabled(groupEnabled);
    }};

    Panel2->SetVisible(false);
    Panel8->SetVisible(false);
    const bool values = !IsPatternRule(ChosenRule());
    cxGrid1DBTableView1->BeginUpdate();
    for (int k = 0; k < 44; ++k)
        cxGrid1DBTableView1->GetColumn(ValueColumnIndex(k))->SetVisible(values);
    cxGrid1DBTableView1->EndUpdate();

    Data->Trend.Builder.TrendBuildCancel = false;
    Data->ProcessMessages = [] { Application->ProcessMessages(); };
    trendBuild_ = true;
    {
        // The grid reads the table once it is built, not once per row.
        TADOQuery* table = Data->xxtoxxTb;
        table->DisableControls();
        TOnLeave enable{[table] { table->EnableControls(); }};
        dataRefreshClick(this);
    }
    trendBuild_ = false;
    ShowHotColdSummary();
    Lbts->SetVisible(true);
}

void TFrfx::BitBtn3Click(TObject*) {
    if (Data) Data->Trend.Builder.TrendBuildCancel = true;
}

void TFrfx::BitBtn6Click(TObject* sender) {
    BitBtn3Click(sender);
}

void TFrfx::BitBtn1Click(TObject* sender) {
    Panel4->SetVisible(false);
    Panel2->SetVisible(true);
    BitBtn7Click(sender);
}

void TFrfx::BitBtn7Click(TObject*) {
    Panel8->SetVisible(false);
    Lbts->SetVisible(false);
}

void TFrfx::ShowHotColdSummary() {
    if (!Data) return;
    bool anyPrior = false;
    for (TCheckBox* box : Qian)
        anyPrior = anyPrior || box->GetChecked();
    const bool listValues = RwLchk->GetChecked() || (NewRwLchk->GetChecked() && anyPrior);
    Label14->SetCaption(HotColdSummaryText(Data->Trend.Builder.ValueGapCounts, listValues));
}

// ---- The codes and the equal stretches ----

void TFrfx::cxGrid1DBTableView1DblClick(TObject*) {
    Panel8->SetVisible(IsPatternRule(ChosenRule()));
    if (!Data || !Data->xxtoxxTb->GetActive()) return;
    const std::vector<TPatternRow> rows = ReadPatternRows(Data->xxtoxxTb);
    // zh1 gets the last row's code, zh2 the one before, as far as the table reaches.
    for (int i = 0; i < PatternPriorCount && i < static_cast<int>(rows.size()); ++i) {
        const unsigned marks = rows[rows.size() - 1 - i].Marks;
        for (int code = 0; code < TrendBgColumns; ++code)
            if (marks >> code & 1u) {
                zh[i]->SetText(std::to_string(code));
                break;
            }
    }
}

int TFrfx::SyncPriorValueChecks() {
    std::vector<bool> ticked;
    for (TCheckBox* box : zhi)
        ticked.push_back(box->GetChecked());
    const int n = HighestTicked(ticked);
    for (int i = 0; i < PatternPriorCount; ++i)
        zhi[i]->SetChecked(i < n);
    return n;
}

void TFrfx::Button1Click(TObject*) {
    if (trendBusy_ || !Data) return;
    Application->ProcessMessages();
    if (trendBusy_) return;
    BitBtn5Click(this);
    BitBtn4Click(this);
    const int n = SyncPriorValueChecks();
    if (!zhi[0]->GetChecked()) {
        ShowMessage("至少有1个条件!");
        return;
    }
    // The codes, oldest first: zh<N> stands for the earliest draw of the stretch, zh1 for the latest.
    std::vector<int> sequence;
    for (int k = n; k >= 1; --k) {
        const std::string text = zh[k - 1]->GetText();
        const std::optional<int> code = PatternCode(text);
        if (!code) {
            ShowMessage("前值" + std::to_string(k) + "的代码“" + text + "”不对：只能填0到7中的一个数字。");
            return;
        }
        sequence.push_back(*code);
    }

    trendBusy_ = true;
    const bool groupEnabled = GroupBox2->GetEnabled();
    BitBtn2->SetEnabled(false);
    Button1->SetEnabled(false);
    GroupBox2->SetEnabled(false);
    TOnLeave done{[this, groupEnabled] {
        trendBusy_ = false;
        BitBtn2->SetEnabled(true);
        Button1->SetEnabled(true);
        GroupBox2->SetEnabled(groupEnabled);
    }};

    TADOQuery* stretches = Data->bgzoushiTb;
    stretches->Close();
    stretches->Open();
    if (!Data->xxtoxxTb->GetActive()) Data->xxtoxxTb->Open();
    const std::vector<TPatternRow> rows = ReadPatternRows(Data->xxtoxxTb);
    // A cancel left over from an earlier build must not end this search before it starts.
    Data->Trend.Builder.TrendBuildCancel = false;
    const std::vector<TStretchRow> found = FindEqualStretches(rows, sequence, [] {
        Application->ProcessMessages();
        return !(Data && Data->Trend.Builder.TrendBuildCancel);
    });
    if (!Data) return;

    // The rows go in as one transaction: all of them, or none when one fails.
    TADOConnection* connection = Data->datacon;
    const bool transaction = !connection->GetInTransaction();
    stretches->DisableControls();
    TOnLeave enable{[stretches] { stretches->EnableControls(); }};
    if (transaction) connection->BeginTrans();
    try {
        for (const TStretchRow& row : found) {
            stretches->Append();
            stretches->FieldByName("qh")->SetAsString(row.qh);
            if (row.Code >= 0) stretches->FieldByName(ColumnName("bg", row.Code))->SetAsString(row.Marker());
            stretches->Post();
        }
    } catch (...) {
        if (stretches->GetState() != TDataSetState::dsBrowse) stretches->Cancel();
        if (transaction && connection->GetInTransaction()) connection->RollbackTrans();
        throw;
    }
    if (transaction && connection->GetInTransaction()) connection->CommitTrans();
    stretches->First();
}

void TFrfx::cxGridDBTableView1CellDblClick(TObject*) {
    if (!Data || !Data->xxtoxxTb->GetActive()) return;
    TcxGridDBDataController* data = cxGridDBTableView1->GetDataController();
    const int record = data->GetFocusedRecordIndex();
    if (record < 0) return;
    const std::string qh = VarToStr(data->GetValue(record, 0));
    if (!qh.empty()) Data->xxtoxxTb->Locate("Qh", Variant(qh), loPartialKey);
}

} // namespace zorvy
