// Record storage and filter criteria over 100,000 records of five fields (integer, string, date,
// float, currency), beside baselines doing the same work in the same run: storing and reading back
// beside a plain std::vector of structs ("x_baseline"); the criteria beside a hand-written loop that
// reads the same stored records and tests them directly ("x_baseline"), and beside that loop over
// the vector ("x_vector").
#include "bench/TimedLoop.h"
#include "controls/data/DataStorage.h"
#include "controls/data/FilterCriteria.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

constexpr int RecordCount = 100000;

struct Row {
    int32_t Integer;
    std::string Text;
    double Date;
    double Float;
    int64_t Currency; // ten-thousandths
};

Row MakeRow(int i) {
    return {(i * 7919) % RecordCount, "name " + std::to_string(i % 977), 45000.0 + i % 3650,
            static_cast<double>(i % 1000) / 1000, int64_t{i % 5000} * 10000 + 5000};
}

struct Storage {
    TcxDataStorage Data;
    TcxValueDef* Integer = Data.GetValueDefs().Add(&cxIntegerValueType, true, nullptr, false);
    TcxValueDef* Text = Data.GetValueDefs().Add(&cxStringValueType, true, nullptr, false);
    TcxValueDef* Date = Data.GetValueDefs().Add(&cxDateTimeValueType, true, nullptr, false);
    TcxValueDef* Float = Data.GetValueDefs().Add(&cxFloatValueType, true, nullptr, false);
    TcxValueDef* Currency = Data.GetValueDefs().Add(&cxCurrencyValueType, true, nullptr, false);

    void Fill() {
        Data.Clear(false);
        for (int i = 0; i < RecordCount; ++i) {
            Row row = MakeRow(i);
            int r = Data.AddStorageRecord();
            Data.SetValue(r, Integer, row.Integer);
            Data.SetValue(r, Text, Variant::FromBytes(row.Text));
            Data.SetValue(r, Date, Variant::FromDate(row.Date));
            Data.SetValue(r, Float, row.Float);
            Data.SetValue(r, Currency, Variant(Currency::FromScaled(row.Currency)));
        }
    }
};

// Seconds per iteration, measured on the wall clock.
double storeBaseline = 0, filterBaseline = 0, vectorFilterBaseline = 0;

// ---- store and read back ----

void BaselineStoreVector(benchmark::State& state) {
    storeBaseline = TimedLoop(state, [] {
        std::vector<Row> rows;
        for (int i = 0; i < RecordCount; ++i)
            rows.push_back(MakeRow(i));
        double sum = 0;
        for (const Row& row : rows)
            sum += row.Integer + static_cast<double>(row.Text.size()) + row.Date + row.Float +
                   static_cast<double>(row.Currency);
        benchmark::DoNotOptimize(sum);
    });
}

void StoreStorage(benchmark::State& state) {
    Storage s;
    double seconds = TimedLoop(state, [&] {
        s.Fill();
        double sum = 0;
        for (int r = 0; r < RecordCount; ++r)
            sum += s.Data.GetValue(r, s.Integer).RawInt() +
                   static_cast<double>(s.Data.GetValue(r, s.Text).RawString().size()) +
                   s.Data.GetValue(r, s.Date).RawDouble() + s.Data.GetValue(r, s.Float).RawDouble() +
                   static_cast<double>(s.Data.GetValue(r, s.Currency).RawInt());
        benchmark::DoNotOptimize(sum);
    });
    if (storeBaseline > 0) state.counters["x_baseline"] = seconds / storeBaseline;
}

// ---- a 3-condition criteria: Integer < 50000 AND (Float >= 0.5 OR Currency > 4000) ----

class StorageCriteria : public TcxFilterCriteria {
  public:
    explicit StorageCriteria(Storage& storage) : storage_(storage) {}
    int GetIDByItemLink(TObject*) const override { return 0; }
    std::string GetNameByItemLink(TObject*) const override { return ""; }
    TObject* GetItemLinkByID(int) const override { return nullptr; }
    TObject* GetItemLinkByName(const std::string&) const override { return nullptr; }
    TcxFilterCriteriaItem* CreateItem(TcxFilterCriteriaItemList* parent) override { return new Item(parent); }

  private:
    class Item : public TcxFilterCriteriaItem {
      public:
        using TcxFilterCriteriaItem::TcxFilterCriteriaItem;
        void GetDataValue(int recordIndex, Variant& value) const override {
            auto* criteria = static_cast<const StorageCriteria*>(GetCriteria());
            criteria->storage_.Data.GetValue(recordIndex, static_cast<TcxValueDef*>(GetItemLink()), value);
        }
        std::string GetFieldCaption() const override { return ""; }
        std::string GetFieldName() const override { return ""; }
    };
    Storage& storage_;
};

bool RowPasses(const Row& row) {
    return row.Integer < 50000 && (row.Float >= 0.5 || row.Currency > 4000 * 10000);
}

void BaselineFilterStoredRecords(benchmark::State& state) {
    Storage s;
    s.Fill();
    int passing = 0;
    Variant integer, real, amount;
    filterBaseline = TimedLoop(state, [&] {
        passing = 0;
        for (int r = 0; r < RecordCount; ++r) {
            s.Data.GetValue(r, s.Integer, integer);
            s.Data.GetValue(r, s.Float, real);
            s.Data.GetValue(r, s.Currency, amount);
            passing +=
                integer.RawInt() < 50000 && (real.RawDouble() >= 0.5 || amount.RawInt() > 4000 * 10000);
        }
        benchmark::DoNotOptimize(passing);
    });
    state.counters["passing"] = passing;
}

void BaselineFilterVector(benchmark::State& state) {
    std::vector<Row> rows;
    for (int i = 0; i < RecordCount; ++i)
        rows.push_back(MakeRow(i));
    int passing = 0;
    vectorFilterBaseline = TimedLoop(state, [&] {
        passing = 0;
        for (const Row& row : rows)
            passing += RowPasses(row) ? 1 : 0;
        benchmark::DoNotOptimize(passing);
    });
    state.counters["passing"] = passing;
}

void FilterCriteria(benchmark::State& state) {
    Storage s;
    s.Fill();
    StorageCriteria criteria(s);
    criteria.AddItem(nullptr, s.Integer, ocLess, 50000, "");
    TcxFilterCriteriaItemList* either = criteria.GetRoot()->AddItemList(goOr);
    either->AddItem(s.Float, ocGreaterEqual, 0.5, "");
    either->AddItem(s.Currency, ocGreater, Currency::FromInt(4000), "");
    int expected = 0;
    for (int i = 0; i < RecordCount; ++i)
        expected += RowPasses(MakeRow(i)) ? 1 : 0;
    int passing = 0;
    double seconds = TimedLoop(state, [&] {
        passing = 0;
        for (int r = 0; r < RecordCount; ++r)
            passing += criteria.RecordPasses(r) ? 1 : 0;
        benchmark::DoNotOptimize(passing);
    });
    if (passing != expected) state.SkipWithError("the criteria pass other records than the loop");
    state.counters["passing"] = passing;
    if (filterBaseline > 0) state.counters["x_baseline"] = seconds / filterBaseline;
    if (vectorFilterBaseline > 0) state.counters["x_vector"] = seconds / vectorFilterBaseline;
}

} // namespace

BENCHMARK(BaselineStoreVector)->Unit(benchmark::kMillisecond);
BENCHMARK(StoreStorage)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineFilterStoredRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineFilterVector)->Unit(benchmark::kMillisecond);
BENCHMARK(FilterCriteria)->Unit(benchmark::kMillisecond);
