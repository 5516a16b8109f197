// Filtering and summaries over 100,000 records: a three-condition filter through the controller
// beside a hand-written loop over the same values ("x_baseline"), the value list of a column of
// 1,000 distinct values, and footer and group summaries over 100 groups beside the same totals taken by
// hand, at 10,000, 100,000 and 1,000,000 records ("ns_per_record" shows whether they stay linear).
#include "bench/TimedLoop.h"
#include "controls/data/DataController.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

constexpr int RecordCount = 100000;

// Items Number (Integer, 0..999,999), Code (Integer, 1,000 values), Group (Integer, 100 values),
// Amount (Float).
struct Controller {
    TObject Items[4];
    TcxDataController Data{nullptr};
    std::vector<int32_t> Numbers, Codes, Groups;
    std::vector<double> Amounts;
    explicit Controller(int recordCount = RecordCount) {
        for (int i = 0; i < 3; ++i)
            Data.AddItem(&Items[i])->ChangeValueType(&cxIntegerValueType);
        Data.AddItem(&Items[3])->ChangeValueType(&cxFloatValueType);
        std::mt19937 random(20261210);
        Data.BeginUpdate();
        Data.SetRecordCount(recordCount);
        TcxDataStorage& storage = Data.GetStorage();
        for (int r = 0; r < recordCount; ++r) {
            Numbers.push_back(static_cast<int32_t>(random() % 1000000));
            Codes.push_back(static_cast<int32_t>(random() % 1000));
            Groups.push_back(static_cast<int32_t>(random() % 100));
            Amounts.push_back(static_cast<double>(random() % 10000) / 100.0);
            storage.SetValue(r, Data.GetItemField(0)->ValueDefinition(), Numbers.back());
            storage.SetValue(r, Data.GetItemField(1)->ValueDefinition(), Codes.back());
            storage.SetValue(r, Data.GetItemField(2)->ValueDefinition(), Groups.back());
            storage.SetValue(r, Data.GetItemField(3)->ValueDefinition(), Amounts.back());
        }
        Data.EndUpdate();
    }
};

// Number >= 250,000 and Code < 500 and Group <> 7.
bool Passes(int32_t number, int32_t code, int32_t group) {
    return number >= 250000 && code < 500 && group != 7;
}

double filterBaseline = 0;

void BaselineFilterLoop(benchmark::State& state) {
    Controller c;
    std::vector<int> rows;
    filterBaseline = TimedLoop(state, [&] {
        rows.clear();
        for (int r = 0; r < RecordCount; ++r)
            if (Passes(c.Numbers[static_cast<size_t>(r)], c.Codes[static_cast<size_t>(r)],
                       c.Groups[static_cast<size_t>(r)]))
                rows.push_back(r);
        benchmark::DoNotOptimize(rows.data());
    });
    state.counters["rows"] = static_cast<double>(rows.size());
}

void FilterThreeConditions(benchmark::State& state) {
    Controller c;
    TcxDataFilterCriteria& filter = c.Data.GetFilter();
    filter.AddItem(nullptr, &c.Items[0], ocGreaterEqual, 250000, "250000");
    filter.AddItem(nullptr, &c.Items[1], ocLess, 500, "500");
    filter.AddItem(nullptr, &c.Items[2], ocNotEqual, 7, "7");
    double seconds = TimedLoop(state, [&] {
        filter.SetActive(true);
        benchmark::DoNotOptimize(c.Data.GetRowCount());
        state.PauseTiming();
        filter.SetActive(false);
        state.ResumeTiming();
    });
    filter.SetActive(true);
    state.counters["rows"] = c.Data.GetRowCount();
    if (filterBaseline > 0) state.counters["x_baseline"] = seconds / filterBaseline;
}

void ValueListOf1000Values(benchmark::State& state) {
    Controller c;
    auto list = c.Data.GetFilter().CreateValueList();
    TimedLoop(state, [&] {
        bool onlyFiltered = false;
        list->Load(1, false, onlyFiltered);
    });
    state.counters["entries"] = list->GetCount();
}

std::map<int64_t, double> summaryBaselines; // by record count

// Sum, count, average, minimum and maximum of Amount over all records and per Group, by hand.
void BaselineSummaries100Groups(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    Controller c(records);
    struct Totals {
        double Sum = 0, Min = 0, Max = 0;
        int Count = 0;
        void Add(double v) {
            Min = Count == 0 || v < Min ? v : Min;
            Max = Count == 0 || v > Max ? v : Max;
            Sum += v;
            ++Count;
        }
    };
    std::vector<Totals> groups(100);
    Totals footer;
    summaryBaselines[records] = TimedLoop(state, [&] {
        footer = Totals();
        groups.assign(100, Totals());
        for (int r = 0; r < records; ++r) {
            double v = c.Amounts[static_cast<size_t>(r)];
            footer.Add(v);
            groups[static_cast<size_t>(c.Groups[static_cast<size_t>(r)])].Add(v);
        }
        benchmark::DoNotOptimize(groups.data());
        benchmark::DoNotOptimize(footer.Sum / footer.Count);
    });
    state.counters["groups"] = static_cast<double>(groups.size());
}

void FooterAndGroupSummaries100Groups(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    Controller c(records);
    TcxDataSummary& summary = c.Data.GetSummary();
    for (TcxSummaryKind kind : {skSum, skCount, skAverage, skMin, skMax}) {
        summary.FooterSummaryItems().AddLinked(&c.Items[3], spFooter, "", kind);
        summary.DefaultGroupSummaryItems().AddLinked(&c.Items[3], spGroup, "", kind);
    }
    c.Data.ChangeItemGroupIndex(2, 0);
    double seconds = TimedLoop(state, [&] { summary.CalculateAll(); });
    state.counters["groups"] = c.Data.GetDataControllerInfo().GetGroups().GetCount();
    state.counters["ns_per_record"] = seconds * 1e9 / records;
    if (summaryBaselines[records] > 0) state.counters["x_baseline"] = seconds / summaryBaselines[records];
    if (summary.FooterValue(1).AsInteger() != records) state.SkipWithError("records missed");
}

} // namespace

BENCHMARK(BaselineFilterLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK(FilterThreeConditions)->Unit(benchmark::kMicrosecond);
BENCHMARK(ValueListOf1000Values)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineSummaries100Groups)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(FooterAndGroupSummaries100Groups)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
