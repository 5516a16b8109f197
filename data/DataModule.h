#pragma once
// TData, the data module: the connection to the draw database, one query per trend view with its
// calculated trend columns, the table and query of the draw history, the scratch tables of the analysis
// window's trend tables, and the state the trend columns and the draw context keep.
#include "data/AnalysisSettings.h"
#include "data/TrendTable.h"
#include "data/ViewCalculator.h"
#include "data/ViewFields.h"
#include "data/ViewKinds.h"
#include "engine/DrawContext.h"
#include "platform/rtl/Components.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorvy {

class TADOCommand;
class TADOConnection;
class TADOQuery;
class TADOTable;
class TDataSet;
class TDataSource;

class TData : public TComponent {
    ZORVY_CLASS(TData, TComponent)
  public:
    // Builds the module's components and runs its creation handler, which computes the draw context
    // (and so connects to the database).
    explicit TData(TComponent* owner);
    ~TData() override;

    // The creation handler: clears TrendBuildCancel and computes the draw context.
    void DataModuleCreate();
    // Computes the draw context again from the draws now in the database.
    void GetWzEnd6v();

    // The view query and data source of a trend view.
    TADOQuery* ViewQuery(TTrendView view) const { return viewQueries_[static_cast<int>(view)]; }
    TDataSource* ViewSource(TTrendView view) const { return viewSources_[static_cast<int>(view)]; }

    // What the analysis window's refresh does with the data module: clears the value counters and the last
    // six values, recreates the trend table while its panel is shown, reopens the view's query over the
    // issues bid to eid sorted by issue on its last row, and clears TrendBuildOn. Refused (false) while a
    // view's rows are being calculated, so a click handled during a build never runs inside it.
    bool RefreshView(TTrendView view, const std::string& bid, const std::string& eid);
    // What the analysis window's 计算 does: a refresh with TrendBuildOn set, so that the position and
    // advanced views add their rows to the trend table. Refused (false) like RefreshView.
    bool BuildTrendTable(TTrendView view, const std::string& bid, const std::string& eid);
    // Drops the scratch table xxtoxx when it exists, creates it and reopens xxtoxxTb.
    void RecreateTrendTable();
    // True while the rows of a view are being calculated.
    bool Calculating() const { return calculating_ > 0; }

    // The calculated-column handlers of the view queries.
    void xhCalcFields(TDataSet* dataSet);
    void gwCalcFields(TDataSet* dataSet);
    void swCalcFields(TDataSet* dataSet);
    void bwCalcFields(TDataSet* dataSet);
    void qwCalcFields(TDataSet* dataSet);
    void wwCalcFields(TDataSet* dataSet);
    void swwCalcFields(TDataSet* dataSet);
    void tbCalcFields(TDataSet* dataSet);

    // Routines the windows and the filter engine call.
    static int32_t sx3atbgv(int32_t a, int32_t b, int32_t c);
    static int32_t FnbagvJs(const int32_t& first, const int32_t& second, const int32_t& third);
    static int32_t SixDrawPattern(const std::array<int32_t, 5>& five, const std::string& mode, int32_t v,
                                  bool t2chk);
    static int32_t S6hanliepaixuhouJJ(std::array<int32_t, 6>& history, int32_t v);
    static bool S6hanliebhhlv(const std::array<int32_t, 6>& history, int32_t v);
    // The trend columns' steps on this module's state (Trend, Frfx, ProcessMessages).
    std::optional<TTrendRow> AddTrendRow(bool atEnd, int32_t v, int32_t issue);
    TGapColumns xhRwLJsFn(const std::string& serialText);
    TGapColumns xh6wRwLJsFn(const std::string& serialText, const std::string& key);
    std::string xhRwLdisp() const;

    // Components, named as the windows look them up.
    TADOConnection* datacon = nullptr;
    TADOQuery* xh = nullptr;
    TADOQuery* gw = nullptr;
    TADOQuery* sw = nullptr;
    TADOQuery* bw = nullptr;
    TADOQuery* qw = nullptr;
    TADOQuery* ww = nullptr;
    TADOQuery* sww = nullptr;
    TADOQuery* tb = nullptr;
    TDataSource* Ds_xh = nullptr;
    TDataSource* Ds_gw = nullptr;
    TDataSource* Ds_sw = nullptr;
    TDataSource* Ds_bw = nullptr;
    TDataSource* Ds_qw = nullptr;
    TDataSource* Ds_ww = nullptr;
    TDataSource* Ds_sww = nullptr;
    TDataSource* Ds_tb = nullptr;
    TADOTable* Lotissue = nullptr;
    TADOQuery* Tem1 = nullptr;
    TADOCommand* xxtoxx = nullptr;
    TADOCommand* clearxxtoxx = nullptr;
    TADOQuery* xxtoxxTb = nullptr;
    TDataSource* Ds_xxtoxx = nullptr;
    TADOCommand* bgzoushi = nullptr;
    TADOCommand* bgzoushiclear = nullptr;
    TADOQuery* bgzoushiTb = nullptr;
    TDataSource* ds_bgzoushitb = nullptr;

    // What the windows set before a view opens and read after it: the analysis window's settings, and
    // per view its trend window's kind, digit text and the label the view writes.
    TAnalysisSettings Frfx;
    std::array<TTrendWindowSettings, TrendViewCount> TrendWindows;
    TTrendWindowSettings& TrendWindow(TTrendView view) { return TrendWindows[static_cast<int>(view)]; }
    // Lets the message loop run once per trend-table row, so that a cancel click is seen.
    std::function<void()> ProcessMessages;

    // The draws the last view calculation or draw-context computation left out because a cell of theirs
    // cannot be read ("Draw 2027001, column ResultA1: ..."); the rest of the history is calculated
    // without them, and a left-out row of a view keeps its calculated columns empty.
    std::vector<std::string> SkippedDraws;

    // The trend columns' state: the running history, the gap counters, TrendBuildOn, TrendBuildCancel,
    // ValueGapCounts and the last six values of the latest refresh.
    TViewCalculator Trend;
    // The position digits of the last draws and the digit omissions, for the position conditions.
    TDrawContext DrawContext;

  private:
    void CalcFields(TTrendView view, TDataSet* dataSet);
    void AppendTrendRow(const TTrendRow& row);
    void GuardView(TDataSet* dataSet);
    bool OpenView(TTrendView view, const std::string& bid, const std::string& eid, bool build);

    std::array<TADOQuery*, TrendViewCount> viewQueries_{};
    std::array<TDataSource*, TrendViewCount> viewSources_{};
    std::array<TViewFieldSlots, TrendViewCount> viewFields_;
    int calculating_ = 0;
    bool refreshing_ = false;
};

} // namespace zorvy
