// The data controller's row pipeline over 100,000 and 1,000,000 records: sorting by an integer and
// by a string field beside std::stable_sort of the same keys in the same run ("x_baseline"), grouping
// by a field of 100 values with every group expanded beside std::stable_sort of the same keys
// ("ns_per_record" shows whether it stays n log n), and moving the focus from the first to the last row.
#include "bench/TimedLoop.h"
#include "controls/data/DataController.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

constexpr int RecordCount = 100000;

struct Keys {
    std::vector<int32_t> Numbers;
    std::vector<std::string> Names;
    std::vector<int32_t> Groups;
    explicit Keys(int count) {
        std::mt19937 random(20261210);
        for (int i = 0; i < count; ++i) {
            Numbers.push_back(static_cast<int32_t>(random() % 1000000));
            Names.push_back("name " + std::to_string(random() % 1000000));
            Groups.push_back(static_cast<int32_t>(random() % 100));
        }
    }
};

const Keys& TheKeys(int count = RecordCount) {
    static std::map<int, std::unique_ptr<Keys>> keys;
    auto& made = keys[count];
    if (!made) made = std::make_unique<Keys>(count);
    return *made;
}

// Items Number (Integer), Name (String), Group (Integer), filled from the keys.
struct Controller {
    TObject Items[3];
    TcxDataController Data{nullptr};
    explicit Controller(int count = RecordCount) {
        Data.AddItem(&Items[0])->ChangeValueType(&cxIntegerValueType);
        Data.AddItem(&Items[1])->ChangeValueType(&cxStringValueType);
        Data.AddItem(&Items[2])->ChangeValueType(&cxIntegerValueType);
        const Keys& keys = TheKeys(count);
        Data.BeginUpdate();
        Data.SetRecordCount(count);
        for (int r = 0; r < count; ++r) {
            Data.GetStorage().SetValue(r, Data.GetItemField(0)->ValueDefinition(),
                                       keys.Numbers[static_cast<size_t>(r)]);
            Data.GetStorage().SetValue(r, Data.GetItemField(1)->ValueDefinition(),
                                       Variant::FromBytes(keys.Names[static_cast<size_t>(r)]));
            Data.GetStorage().SetValue(r, Data.GetItemField(2)->ValueDefinition(),
                                       keys.Groups[static_cast<size_t>(r)]);
        }
        Data.EndUpdate();
    }
};

std::map<int64_t, double> numberBaselines, groupBaselines; // by record count
double nameBaseline = 0;

// Record indexes ordered by their keys, as the controller orders them (ties by record index).
template <typename Key>
void StableSortIndexes(benchmark::State& state, const std::vector<Key>& keys, double& seconds) {
    std::vector<int> order(keys.size());
    seconds = TimedLoop(state, [&] {
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)];
        });
        benchmark::DoNotOptimize(order.data());
    });
}

void BaselineStableSortNumbers(benchmark::State& state) {
    StableSortIndexes(state, TheKeys(static_cast<int>(state.range(0))).Numbers, numberBaselines[state.range(0)]);
}

void BaselineStableSortGroups(benchmark::State& state) {
    StableSortIndexes(state, TheKeys(static_cast<int>(state.range(0))).Groups, groupBaselines[state.range(0)]);
}

void BaselineStableSortNames(benchmark::State& state) {
    StableSortIndexes(state, TheKeys().Names, nameBaseline);
}

void SortController(benchmark::State& state, int item, const double& baseline, int count = RecordCount) {
    Controller c(count);
    bool ascending = false;
    double seconds = TimedLoop(state, [&] {
        ascending = !ascending;
        c.Data.SetItemSortOrder(item, ascending ? soAscending : soDescending);
    });
    if (c.Data.GetRowCount() != count) state.SkipWithError("rows lost");
    if (baseline > 0) state.counters["x_baseline"] = seconds / baseline;
}

void SortByInteger(benchmark::State& state) {
    SortController(state, 0, numberBaselines[state.range(0)], static_cast<int>(state.range(0)));
}

void SortByString(benchmark::State& state) {
    SortController(state, 1, nameBaseline);
}

void GroupBy100ValuesExpanded(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Controller c(count);
    double seconds = TimedLoop(state, [&] {
        c.Data.BeginUpdate();
        c.Data.ChangeItemGroupIndex(2, 0);
        c.Data.EndUpdate();
        c.Data.FullExpand();
        benchmark::DoNotOptimize(c.Data.GetRowCount());
        state.PauseTiming();
        c.Data.ClearGrouping();
        state.ResumeTiming();
    });
    c.Data.ChangeItemGroupIndex(2, 0);
    c.Data.FullExpand();
    state.counters["rows"] = c.Data.GetRowCount();
    state.counters["ns_per_record"] = seconds * 1e9 / count;
    if (groupBaselines[count] > 0) state.counters["x_baseline"] = seconds / groupBaselines[count];
}

void FocusFirstToLastRow(benchmark::State& state) {
    Controller c;
    c.Data.ChangeItemGroupIndex(2, 0);
    c.Data.FullExpand();
    int last = c.Data.GetRowCount() - 1;
    TimedLoop(state, [&] {
        c.Data.SetFocusedRowIndex(0);
        c.Data.SetFocusedRowIndex(last);
    });
    if (c.Data.GetFocusedRowIndex() != last) state.SkipWithError("the focus did not move");
}

} // namespace

BENCHMARK(BaselineStableSortNumbers)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByInteger)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineStableSortNames)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByString)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineStableSortGroups)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(GroupBy100ValuesExpanded)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(FocusFirstToLastRow)->Unit(benchmark::kMicrosecond);
