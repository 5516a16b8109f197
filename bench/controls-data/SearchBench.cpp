// Finding and streaming over 100,000 records: an incremental search typing three characters, a
// locate on two key fields beside a plain loop over the same values ("x_baseline"), and a save
// and load of the record stream.
#include "bench/TimedLoop.h"
#include "controls/data/DataController.h"
#include "platform/rtl/Streams.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

constexpr int RecordCount = 100000;

// Items Number (Integer), Name (String), Group (Integer).
struct Controller {
    TObject Items[3];
    TcxDataController Data{nullptr};
    std::vector<int32_t> Numbers, Groups;
    Controller() {
        Data.AddItem(&Items[0])->ChangeValueType(&cxIntegerValueType);
        Data.AddItem(&Items[1])->ChangeValueType(&cxStringValueType);
        Data.AddItem(&Items[2])->ChangeValueType(&cxIntegerValueType);
        std::mt19937 random(20261210);
        Data.BeginUpdate();
        Data.SetRecordCount(RecordCount);
        TcxDataStorage& storage = Data.GetStorage();
        for (int r = 0; r < RecordCount; ++r) {
            Numbers.push_back(static_cast<int32_t>(random() % 1000000));
            Groups.push_back(static_cast<int32_t>(random() % 100));
            storage.SetValue(r, Data.GetItemField(0)->ValueDefinition(), Numbers.back());
            storage.SetValue(r, Data.GetItemField(1)->ValueDefinition(),
                             Variant::FromBytes("name " + std::to_string(random() % 1000000)));
            storage.SetValue(r, Data.GetItemField(2)->ValueDefinition(), Groups.back());
        }
        Data.EndUpdate();
    }
};

// Keys that only the last record has, so that both walks visit every record.
class ProbeReader : public TcxValueDefReader {
  public:
    Variant Number, Group;
    TObject* NumberField = nullptr;
    void ReadValue(TcxValueDef* def, Variant& value) override {
        value = def->GetLink() == NumberField ? Number : Group;
    }
};

double locateBaseline = 0;

void BaselineLocateLoop(benchmark::State& state) {
    Controller c;
    const int32_t number = c.Numbers.back(), group = c.Groups.back();
    int found = -1;
    locateBaseline = TimedLoop(state, [&] {
        found = -1;
        for (int r = 0; r < RecordCount; ++r)
            if (c.Numbers[static_cast<size_t>(r)] == number && c.Groups[static_cast<size_t>(r)] == group) {
                found = r;
                break;
            }
        benchmark::DoNotOptimize(found);
    });
    state.counters["record"] = found;
}

void LocateOnTwoFields(benchmark::State& state) {
    Controller c;
    TcxDataControllerKeyLocateObject locate(&c.Data);
    locate.KeyFields = {c.Data.GetItemField(0), c.Data.GetItemField(2)};
    ProbeReader reader;
    reader.NumberField = c.Data.GetItemField(0);
    reader.Number = c.Numbers.back();
    reader.Group = c.Groups.back();
    locate.ReadData(reader);
    int found = -1;
    double seconds = TimedLoop(state, [&] {
        found = locate.FindRecordIndex();
        benchmark::DoNotOptimize(found);
    });
    state.counters["record"] = found;
    if (locateBaseline > 0) state.counters["x_baseline"] = seconds / locateBaseline;
}

// From the first row, typing "9", "99", "999" into the Number column.
void IncrementalSearchThreeCharacters(benchmark::State& state) {
    Controller c;
    c.Data.SetItemSortOrder(1, soAscending);
    TcxDataControllerSearch& search = c.Data.GetSearch();
    TimedLoop(state, [&] {
        c.Data.ChangeFocusedRowIndex(0);
        for (const char* text : {"9", "99", "999"})
            benchmark::DoNotOptimize(search.Locate(0, text));
    });
    state.counters["row"] = c.Data.GetFocusedRowIndex();
}

void StreamSaveAndLoad(benchmark::State& state) {
    Controller c;
    size_t bytes = 0;
    TimedLoop(state, [&] {
        TStringStream stream;
        c.Data.SaveToStream(stream);
        bytes = stream.DataString().size();
        stream.SetPosition(0);
        c.Data.LoadFromStream(stream);
    });
    if (c.Data.GetRecordCount() != RecordCount) state.SkipWithError("records lost");
    state.counters["bytes"] = static_cast<double>(bytes);
}

} // namespace

BENCHMARK(BaselineLocateLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK(LocateOnTwoFields)->Unit(benchmark::kMicrosecond);
BENCHMARK(IncrementalSearchThreeCharacters)->Unit(benchmark::kMicrosecond);
BENCHMARK(StreamSaveAndLoad)->Unit(benchmark::kMillisecond);
