// Comparison conditions judged from record cells during filtering, and locating by key fields,
// against the variant path: the controller's filtered records beside RecordPasses asked record by
// record outside a filtering pass (where every condition reads variants), and a located record
// beside a scan comparing variants. Cells include blanks, a NaN and values at the 32-bit edges;
// condition values are integers and floats.
#include "controls/data/DataController.h"
#include "controls/data/Variants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Items Narrow (Integer), Wide (LargeInt), Amount (Float), Name (String).
struct FilteredController {
    TObject Items[4];
    TcxDataController Data{nullptr};
    FilteredController() {
        Data.AddItem(&Items[0])->ChangeValueType(&cxIntegerValueType);
        Data.AddItem(&Items[1])->ChangeValueType(&cxLargeIntValueType);
        Data.AddItem(&Items[2])->ChangeValueType(&cxFloatValueType);
        Data.AddItem(&Items[3])->ChangeValueType(&cxStringValueType);
        std::mt19937 random(20261211);
        const int32_t edges[] = {std::numeric_limits<int32_t>::min(), -1, 0, 1, std::numeric_limits<int32_t>::max()};
        Data.BeginUpdate();
        for (int n = 0; n < 400; ++n) {
            int r = Data.AppendRecord();
            const int pick = static_cast<int>(random() % 10);
            Data.SetValue(r, 0, pick == 0 ? Variant::Null()
                              : pick == 1 ? Variant(edges[random() % 5])
                                          : Variant(static_cast<int32_t>(random() % 21) - 10));
            Data.SetValue(r, 1, pick == 2 ? Variant::Null() : Variant::FromInt64(static_cast<int64_t>(random() % 21) - 10));
            Data.SetValue(r, 2, pick == 3   ? Variant::Null()
                              : pick == 4 ? Variant(std::nan(""))
                                          : Variant(static_cast<double>(random() % 41) / 4.0 - 5.0));
            Data.SetValue(r, 3, Variant(std::to_string(random() % 5)));
        }
        Data.EndUpdate();
    }
    std::vector<int> Filtered() {
        std::vector<int> rows;
        for (int i = 0; i < Data.GetFilteredRecordCount(); ++i)
            rows.push_back(Data.GetFilteredRecordIndex(i));
        return rows;
    }
    std::vector<int> ByVariants() {
        std::vector<int> rows;
        for (int r = 0; r < Data.GetRecordCount(); ++r)
            if (Data.GetFilter().RecordPasses(r)) rows.push_back(r);
        return rows;
    }
};

class KeyReader : public TcxValueDefReader {
  public:
    std::vector<std::pair<TObject*, Variant>> Values;
    void ReadValue(TcxValueDef* def, Variant& value) override {
        value = Variant::Null();
        for (const auto& [link, v] : Values)
            if (def->GetLink() == link) value = v;
    }
};

} // namespace

TEST(FilterCells, FilteredRecordsMatchTheVariantPath) {
    struct Condition {
        int Item;
        TcxFilterOperatorCode Code;
        Variant Value;
    };
    const std::vector<Condition> conditions = {
        {0, ocEqual, 0},           {0, ocNotEqual, 3},        {0, ocLess, -2},
        {0, ocLessEqual, 2.5},     {0, ocGreater, Variant::FromInt64(5)},
        {0, ocGreaterEqual, std::numeric_limits<int32_t>::max()},
        {1, ocLess, 1},            {1, ocGreaterEqual, -0.5}, {1, ocNotEqual, Variant::FromInt64(0)},
        {2, ocEqual, 0.25},        {2, ocLess, 0},            {2, ocGreater, 2.0},
        {2, ocNotEqual, 1},        {2, ocLessEqual, -1.25},   {3, ocEqual, "2"},
    };
    for (bool ignoreNull : {false, true})
        for (TcxFilterGroupOperator group : {goAnd, goOr, goNotAnd}) {
            // Each condition alone, then pairs of neighbours in a group of their own.
            for (size_t i = 0; i < conditions.size(); ++i) {
                SCOPED_TRACE("condition " + std::to_string(i) + ", group " + std::to_string(group) +
                             (ignoreNull ? ", blanks ignored" : ""));
                FilteredController c;
                TcxDataFilterCriteria& filter = c.Data.GetFilter();
                filter.SetOptions(ignoreNull ? FilterOption(fcoIgnoreNull) : 0);
                TcxFilterCriteriaItemList* list = filter.GetRoot()->AddItemList(group);
                for (size_t k = i; k < std::min(i + 2, conditions.size()); ++k) {
                    const Condition& condition = conditions[k];
                    list->AddItem(&c.Items[condition.Item], condition.Code, condition.Value, VarToStr(condition.Value));
                }
                filter.SetActive(true);
                EXPECT_EQ(c.Filtered(), c.ByVariants());
            }
        }
}

TEST(FilterCells, LocatingByKeysFindsTheFirstEqualRecord) {
    FilteredController c;
    TcxDataControllerKeyLocateObject locate(&c.Data);
    locate.KeyFields = {c.Data.GetItemField(0), c.Data.GetItemField(1), c.Data.GetItemField(3)};
    for (int probe : {0, 7, 123, 399}) {
        SCOPED_TRACE("probe record " + std::to_string(probe));
        KeyReader reader;
        for (int item : {0, 1, 3})
            reader.Values.push_back({c.Data.GetItemField(item), c.Data.GetValue(probe, item)});
        locate.ReadData(reader);
        int expected = -1;
        for (int r = 0; r < c.Data.GetRecordCount() && expected < 0; ++r) {
            bool equal = true;
            for (int item : {0, 1, 3})
                equal = equal && CompareVariants(c.Data.GetValue(r, item), c.Data.GetValue(probe, item)) == 0;
            if (equal) expected = r;
        }
        EXPECT_EQ(locate.FindRecordIndex(), expected);
        EXPECT_LE(expected, probe);
    }
}

// Keys that are all integers are compared in the record cells themselves; records never written hold
// no buffer, and a blank key finds the first record blank there.
TEST(FilterCells, LocatingByIntegerKeysFindsWhatTheVariantScanFinds) {
    FilteredController c;
    c.Data.AppendRecord();
    const int unwritten = c.Data.AppendRecord();
    c.Data.SetValue(unwritten - 1, 1, Variant::FromInt64(int64_t{1} << 40));
    const std::vector<std::vector<int>> keySets = {{0}, {1}, {0, 1}, {1, 0}};
    for (const std::vector<int>& keys : keySets) {
        TcxDataControllerKeyLocateObject locate(&c.Data);
        for (int item : keys)
            locate.KeyFields.push_back(c.Data.GetItemField(item));
        std::vector<std::vector<Variant>> probes;
        for (int probe : {0, 7, 123, 399, unwritten - 1, unwritten})
            probes.push_back({c.Data.GetValue(probe, 0), c.Data.GetValue(probe, 1)});
        probes.push_back({Variant(12345), Variant::FromInt64(-(int64_t{1} << 40))}); // in no record
        probes.push_back({Variant::Null(), Variant::Null()});
        for (const std::vector<Variant>& probe : probes) {
            SCOPED_TRACE("keys " + std::to_string(keys.size()) + ", probe " + VarToStr(probe[0]) + " " +
                         VarToStr(probe[1]));
            KeyReader reader;
            for (int item : keys)
                reader.Values.push_back({c.Data.GetItemField(item), probe[static_cast<size_t>(item)]});
            locate.ReadData(reader);
            int expected = -1;
            for (int r = 0; r < c.Data.GetRecordCount() && expected < 0; ++r) {
                bool equal = true;
                for (int item : keys)
                    equal = equal &&
                            CompareVariants(c.Data.GetValue(r, item), probe[static_cast<size_t>(item)]) == 0;
                if (equal) expected = r;
            }
            EXPECT_EQ(locate.FindRecordIndex(), expected);
        }
    }
}
