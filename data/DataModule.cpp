#include "data/DataModule.h"

#include "data/TrendMarker.h"
#include "engine/ValueKindFeatures.h"
#include "platform/db/ADOCommand.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/rtl/Exceptions.h"

namespace zorvy {

namespace {

// The data source of the draw database; its credentials live in the data source's own configuration.
constexpr const char* DataConnectionString =
    "Provider=MSDASQL.1;Persist Security Info=True;Data Source=zorvy";

const std::vector<std::string> ViewSQL{"select * from LotteryIssue", "where ",
                                       "(LotteryID=3508) and (ResultA1<>'') and ",
                                       "(Issue>=:bid) and (Issue<=:eid)"};
const std::vector<std::string> Tem1SQL{"select * from LotteryIssue", "where ",
                                       "(LotteryID=3508) and (resultA1<>'')  and (issue>'2006001')"};

constexpr const char* ViewNames[TrendViewCount] = {"xh", "gw", "sw", "bw", "qw", "ww", "sww", "tb"};

// Columns of the trend table: the issue, every column a rule can mark, and the pattern columns.
std::vector<std::string> TrendTableColumns() {
    std::vector<std::string> columns{"Qh"};
    for (int k = 0; k < TrendQColumns; ++k)
        columns.push_back(ColumnName("Q", k));
    for (int k = 0; k < TrendBgColumns; ++k)
        columns.push_back(ColumnName("bg", k));
    return columns;
}

std::vector<std::string> PatternTableColumns() {
    std::vector<std::string> columns{"qh"};
    for (int k = 0; k < TrendBgColumns; ++k)
        columns.push_back(ColumnName("bg", k));
    return columns;
}

// Column names are quoted so that every engine keeps their case, as the rows written back name them.
std::string CreateTableText(const std::string& table, const std::vector<std::string>& columns) {
    std::string text = "create table " + table + " (";
    for (size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) text += ", ";
        text += '"';
        text += columns[i];
        text += "\" varchar(255)";
    }
    return text + ")";
}

template <class FieldClass> TField* AddDataField(TDataSet* dataSet, const std::string& name, int size = 0) {
    TField* field = new FieldClass(dataSet);
    field->SetFieldName(name);
    if (size > 0) field->SetSize(size);
    field->SetDataSet(dataSet);
    return field;
}

void AddStringFields(TDataSet* dataSet, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        AddDataField<TWideStringField>(dataSet, name, 255);
}

// Undoes a nesting step when the scope ends, also when an error passes.
template <class F> struct ScopeExit {
    F f;
    ~ScopeExit() { f(); }
};
template <class F> ScopeExit(F) -> ScopeExit<F>;

} // namespace

TData::TData(TComponent* owner) : TComponent(owner) {
    SetName("Data");
    auto make = [this]<class T>(T*& member, const std::string& name) {
        member = new T(this);
        member->SetName(name);
        return member;
    };

    make(datacon, "datacon");
    datacon->SetConnectionString(DataConnectionString);
    datacon->SetLoginPrompt(false);

    TADOQuery** queries[TrendViewCount] = {&xh, &gw, &sw, &bw, &qw, &ww, &sww, &tb};
    TDataSource** sources[TrendViewCount] = {&Ds_xh, &Ds_gw, &Ds_sw, &Ds_bw, &Ds_qw, &Ds_ww, &Ds_sww, &Ds_tb};
    for (int i = 0; i < TrendViewCount; ++i) {
        const auto view = static_cast<TTrendView>(i);
        TADOQuery* query = make(*queries[i], ViewNames[i]);
        query->SetConnection(datacon);
        query->SetSQL(ViewSQL);
        for (const char* name : {"bid", "eid"})
            query->GetParameters().ParamByName(name)->SetDataType(TFieldType::ftWideString);
        viewFields_[i] = TViewFieldSlots(DefineViewFields(query, view));
        query->OnCalcFields = [this, view](TDataSet* dataSet) { CalcFields(view, dataSet); };
        query->BeforeOpen = query->BeforeClose = [this](TDataSet* dataSet) { GuardView(dataSet); };
        viewQueries_[i] = query;
        make(*sources[i], std::string("Ds_") + ViewNames[i])->SetDataSet(query);
        viewSources_[i] = *sources[i];
    }

    make(Lotissue, "Lotissue");
    Lotissue->SetConnection(datacon);
    Lotissue->SetTableName("LotteryIssue");
    AddDataField<TIntegerField>(Lotissue, "LotteryID");
    AddDataField<TWideStringField>(Lotissue, "Issue", 7)->SetFixedChar(true);
    AddDataField<TDateTimeField>(Lotissue, "EndTime");
    AddDataField<TWideStringField>(Lotissue, "ResultA1", 50);
    for (const char* name : {"ResultA2", "ResultB1", "ResultB2"})
        AddDataField<TWideStringField>(Lotissue, name, 2)->SetFixedChar(true);
    for (const char* name : {"Sale", "Bonus1", "Count1", "Bonus2", "Count2", "Bonus3", "Count3"})
        AddDataField<TIntegerField>(Lotissue, name);
    AddDataField<TWideStringField>(Lotissue, "Notes", 255);

    make(Tem1, "Tem1");
    Tem1->SetConnection(datacon);
    Tem1->SetSQL(Tem1SQL);
    AddDataField<TIntegerField>(Tem1, "LotteryID");
    AddDataField<TWideStringField>(Tem1, "Issue", 7)->SetFixedChar(true);
    AddDataField<TWideStringField>(Tem1, "ResultA1", 50);
    AddDataField<TWideStringField>(Tem1, "ResultB1", 2)->SetFixedChar(true);
    AddDataField<TDateTimeField>(Tem1, "EndTime");

    make(xxtoxx, "xxtoxx");
    xxtoxx->SetConnection(datacon);
    xxtoxx->SetCommandText(CreateTableText("xxtoxx", TrendTableColumns()));
    make(clearxxtoxx, "clearxxtoxx");
    clearxxtoxx->SetConnection(datacon);
    clearxxtoxx->SetCommandText("drop table xxtoxx");
    make(xxtoxxTb, "xxtoxxTb");
    xxtoxxTb->SetConnection(datacon);
    xxtoxxTb->SetSQL({"select * from xxtoxx"});
    AddStringFields(xxtoxxTb, TrendTableColumns());
    xxtoxxTb->BeforeOpen = xxtoxxTb->BeforeClose = [this](TDataSet* dataSet) { GuardView(dataSet); };
    make(Ds_xxtoxx, "Ds_xxtoxx")->SetDataSet(xxtoxxTb);

    make(bgzoushi, "bgzoushi");
    bgzoushi->SetConnection(datacon);
    bgzoushi->SetCommandText(CreateTableText("bgzoushi", PatternTableColumns()));
    make(bgzoushiclear, "bgzoushiclear");
    bgzoushiclear->SetConnection(datacon);
    bgzoushiclear->SetCommandText("drop table bgzoushi");
    make(bgzoushiTb, "bgzoushiTb");
    bgzoushiTb->SetConnection(datacon);
    bgzoushiTb->SetSQL({"select * from bgzoushi"});
    AddStringFields(bgzoushiTb, PatternTableColumns());
    make(ds_bgzoushitb, "ds_bgzoushitb")->SetDataSet(bgzoushiTb);

    DataModuleCreate();
}

// The queries call back into the module while they close, so they go while its members still live.
TData::~TData() {
    DestroyComponents();
}

void TData::DataModuleCreate() {
    Trend.Builder.TrendBuildCancel = false;
    GetWzEnd6v();
}

void TData::GetWzEnd6v() {
    std::vector<TDraw> draws;
    {
        Tem1->DisableControls();
        ScopeExit enable{[this] { Tem1->EnableControls(); }};
        Tem1->Close();
        Tem1->SetSort("issue");
        Tem1->Open();
        TField* issue = Tem1->FieldByName("Issue");
        TField* resultA1 = Tem1->FieldByName("ResultA1");
        SkippedDraws.clear();
        for (Tem1->First(); !Tem1->GetEof(); Tem1->Next()) {
            TDraw draw{issue->GetAsString(), resultA1->GetAsString()};
            // A damaged draw must not keep the program from starting: it is left out and reported.
            try {
                ReadDrawBalls(draw.ResultA1, draw.Issue);
            } catch (const EConvertError& e) {
                SkippedDraws.push_back("Draw " + draw.Issue + ", column ResultA1: " + e.Message());
                continue;
            }
            draws.push_back(std::move(draw));
        }
        Tem1->Last();
    }
    DrawContext = ::zorvy::GetWzEnd6v(draws);
}

void TData::GuardView(TDataSet* dataSet) {
    if (calculating_ > 0)
        throw EInvalidOperation(dataSet->GetName() +
                                ": a trend view is being calculated; try again when it has finished");
}

void TData::CalcFields(TTrendView view, TDataSet* dataSet) {
    ++calculating_;
    ScopeExit done{[this] { --calculating_; }};
    const int recNo = dataSet->GetRecNo();
    const int count = dataSet->GetRecordCount();
    // Every pass over the rows starts afresh, so a view's columns depend on its rows alone.
    if (recNo == 1) {
        Trend.BeginView();
        SkippedDraws.clear();
    }
    TDrawRow row;
    try {
        row = ReadViewRow(dataSet);
    } catch (const EConvertError& e) {
        // One damaged draw leaves its own columns empty, never the rest of the history.
        SkippedDraws.push_back(e.Message());
        if (recNo == count) TrendWindow(view).Label5 = Trend.LabelText();
        return;
    }
    const TViewRowColumns columns = Trend.CalculateRow(
        view, row, TrendWindow(view), Frfx, [this](const TTrendRow& trendRow) { AppendTrendRow(trendRow); },
        ProcessMessages);
    WriteViewColumns(viewFields_[static_cast<int>(view)], columns);
    if (recNo == count) TrendWindow(view).Label5 = Trend.LabelText();
}

void TData::AppendTrendRow(const TTrendRow& row) {
    xxtoxxTb->Append();
    try {
        xxtoxxTb->FieldByName("Qh")->SetAsString(row.Qh);
        if (!row.Column.empty()) xxtoxxTb->FieldByName(row.Column)->SetAsString(TrendMarker);
        xxtoxxTb->Post();
    } catch (...) {
        xxtoxxTb->Cancel();
        throw;
    }
}

void TData::xhCalcFields(TDataSet* dataSet) {
    CalcFields(TTrendView::xh, dataSet);
}
void TData::gwCalcFields(TDataSet* dataSet) {
    CalcFields(TTrendView::gw, dataSet);
}
void TData::swCalcFields(TDataSet* dataSet) {
    CalcFields(TTrendView::sw, dataSet);
}
void TData::bwCalcFields(TDataSet* dataSet) {
    CalcFields(TTrendView::bw, dataSet);
}
void TData::qwCalcFields(TDataSet* dataSet) {
    CalcFields(TTrendView::qw, dataSet);
}
void TData::wwCalcFields(TDataSet* dataSet) {
    CalcFields(TTrendView::ww, dataSet);
}
void TData::swwCalcFields(TDataSet* dataSet) {
    CalcFields(TTrendView::sww, dataSet);
}
void TData::tbCalcFields(TDataSet* dataSet) {
    CalcFields(TTrendView::tb, dataSet);
}

void TData::RecreateTrendTable() {
    xxtoxxTb->Close();
    clearxxtoxx->Execute();
    xxtoxx->Execute();
    xxtoxxTb->Open();
}

bool TData::RefreshView(TTrendView view, const std::string& bid, const std::string& eid) {
    return OpenView(view, bid, eid, false);
}

bool TData::BuildTrendTable(TTrendView view, const std::string& bid, const std::string& eid) {
    if (calculating_ > 0 || refreshing_) return false;
    Trend.Builder.TrendBuildCancel = false;
    return OpenView(view, bid, eid, true);
}

bool TData::OpenView(TTrendView view, const std::string& bid, const std::string& eid, bool build) {
    if (calculating_ > 0 || refreshing_) return false;
    refreshing_ = true;
    ScopeExit done{[this] {
        Trend.Builder.TrendBuildOn = false;
        refreshing_ = false;
    }};
    Trend.Builder.ValueGapCounts = {};
    Trend.Last6Values = {};
    if (Frfx.Panel4) RecreateTrendTable();
    Trend.Builder.TrendBuildOn = build;

    // One transaction for the rows a build adds; they are kept also when a row fails.
    const bool transaction = build && Frfx.Panel4 && !datacon->GetInTransaction();
    if (transaction) datacon->BeginTrans();
    try {
        TADOQuery* query = ViewQuery(view);
        query->DisableControls();
        ScopeExit enable{[query] { query->EnableControls(); }};
        query->Close();
        query->GetParameters().ParamByName("bid")->SetValue(Variant(bid));
        query->GetParameters().ParamByName("eid")->SetValue(Variant(eid));
        query->SetSort("issue");
        query->Open();
        query->Last();
    } catch (...) {
        // The first failure is the one to report; a commit that fails as well loses only the rows.
        if (transaction && datacon->GetInTransaction()) {
            try {
                datacon->CommitTrans();
            } catch (const Exception&) {
            }
        }
        throw;
    }
    if (transaction && datacon->GetInTransaction()) datacon->CommitTrans();
    return true;
}

int32_t TData::sx3atbgv(int32_t a, int32_t b, int32_t c) {
    return ::zorvy::sx3atbgv(a, b, c);
}

int32_t TData::FnbagvJs(const int32_t& first, const int32_t& second, const int32_t& third) {
    return ::zorvy::FnbagvJs(first, second, third);
}

int32_t TData::SixDrawPattern(const std::array<int32_t, 5>& five, const std::string& mode, int32_t v,
                              bool t2chk) {
    return ::zorvy::SixDrawPattern(five, mode, v, t2chk);
}

int32_t TData::S6hanliepaixuhouJJ(std::array<int32_t, 6>& history, int32_t v) {
    return ::zorvy::S6hanliepaixuhouJJ(history, v);
}

bool TData::S6hanliebhhlv(const std::array<int32_t, 6>& history, int32_t v) {
    return ::zorvy::S6hanliebhhlv(history, v);
}

std::optional<TTrendRow> TData::AddTrendRow(bool atEnd, int32_t v, int32_t issue) {
    return ::zorvy::AddTrendRow(Trend.Builder, Frfx, atEnd, v, issue, ProcessMessages);
}

TGapColumns TData::xhRwLJsFn(const std::string& serialText) {
    return ::zorvy::xhRwLJsFn(Trend.DigitGapCounters, serialText);
}

TGapColumns TData::xh6wRwLJsFn(const std::string& serialText, const std::string& key) {
    return ::zorvy::xh6wRwLJsFn(Trend.DigitGapCounters, serialText, key);
}

std::string TData::xhRwLdisp() const {
    return ::zorvy::xhRwLdisp(Trend.DigitGapCounters);
}

} // namespace zorvy
