// Sorting and grouping by a field of numbers, whose keys the row pipeline reads once and compares
// inline, against a controller that compares every pair through an OnCompare handler written by
// hand (blanks first, then by number): the same rows in the same order and the same groups, for
// each number type, both orders, alone and with a second sorted field, grouped and not.
#include "controls/data/DataController.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Items Key (the type under test) and Second (Integer).
struct SortedController {
    TObject Items[2];
    TcxDataController Data{nullptr};
    SortedController(const TcxValueType& keyType, bool byHandler) {
        Data.AddItem(&Items[0])->ChangeValueType(&keyType);
        Data.AddItem(&Items[1])->ChangeValueType(&cxIntegerValueType);
        if (byHandler)
            Data.OnCompare = [](TcxCustomDataController*, int, int, int, const Variant& v1, const Variant& v2,
                                int& compare) {
                if (v1.IsNull() || v2.IsNull()) {
                    compare = v1.IsNull() == v2.IsNull() ? 0 : (v1.IsNull() ? -1 : 1);
                    return;
                }
                auto number = [](const Variant& v) {
                    return v.VarType() == varBoolean ? (v.AsBoolean() ? 1.0 : 0.0) : v.AsDouble();
                };
                const double a = number(v1), b = number(v2);
                compare = a < b ? -1 : (b < a ? 1 : 0);
            };
        std::mt19937 random(20261211);
        Data.BeginUpdate();
        for (int n = 0; n < 600; ++n) {
            int r = Data.AppendRecord();
            const int key = static_cast<int>(random() % 9);
            // Blanks, ties and, for signed types, negatives.
            Data.SetValue(r, 0, key == 0 ? Variant::Null()
                              : &keyType == &cxBooleanValueType ? Variant(key % 2 == 0)
                              : &keyType == &cxWordValueType    ? Variant(key * 1000)
                              : &keyType == &cxFloatValueType   ? Variant(key * 0.25 - 1.0)
                                                                 : Variant(key * 3 - 12));
            Data.SetValue(r, 1, random() % 5 == 0 ? Variant::Null() : Variant(static_cast<int32_t>(random() % 4)));
        }
        Data.EndUpdate();
    }
    std::vector<int> Rows() {
        std::vector<int> rows;
        for (int i = 0; i < Data.GetFilteredRecordCount(); ++i)
            rows.push_back(Data.GetFilteredRecordIndex(i));
        return rows;
    }
    std::vector<std::vector<int>> Groups() {
        std::vector<std::vector<int>> groups;
        const TcxDataGroups& list = Data.GetDataControllerInfo().GetGroups();
        for (int g = 0; g < list.GetCount(); ++g)
            groups.push_back({list.GetItem(g)->Level, list.GetItem(g)->BeginIndex, list.GetItem(g)->EndIndex});
        return groups;
    }
};

} // namespace

TEST(SortingKeys, NumberKeysOrderAndGroupAsTheHandlerDoes) {
    const TcxValueType* types[] = {&cxIntegerValueType, &cxSmallintValueType, &cxWordValueType,
                                   &cxBooleanValueType, &cxCurrencyValueType, &cxFloatValueType,
                                   &cxDateTimeValueType, &cxLargeIntValueType};
    struct Case {
        TcxDataSortOrder Order;
        bool SecondSorted;
        int GroupLevels;
    };
    const Case cases[] = {{soAscending, false, 0}, {soDescending, false, 0}, {soAscending, true, 0},
                          {soDescending, true, 1}, {soAscending, false, 2}, {soDescending, false, 1}};
    for (const TcxValueType* type : types)
        for (const Case& c : cases) {
            SCOPED_TRACE(type->GetCaption() + (c.Order == soDescending ? " descending" : " ascending") +
                         (c.SecondSorted ? ", second sorted" : "") + ", levels " + std::to_string(c.GroupLevels));
            SortedController fast(*type, false), reference(*type, true);
            for (SortedController* s : {&fast, &reference}) {
                s->Data.BeginUpdate();
                s->Data.SetItemSortOrder(0, c.Order);
                if (c.SecondSorted) s->Data.SetItemSortOrder(1, soDescending);
                for (int level = 0; level < c.GroupLevels; ++level)
                    s->Data.ChangeItemGroupIndex(level, level);
                s->Data.EndUpdate();
            }
            EXPECT_EQ(fast.Rows(), reference.Rows());
            EXPECT_EQ(fast.Groups(), reference.Groups());
        }
}

TEST(SortingKeys, ClearingTheSortingRestoresTheRecordOrder) {
    SortedController c(cxIntegerValueType, false);
    c.Data.SetItemSortOrder(0, soDescending);
    c.Data.GetFilter().AddItem(nullptr, &c.Items[1], ocNotEqual, 2, "2");
    c.Data.GetFilter().SetActive(true);
    c.Data.ClearSorting(false);
    std::vector<int> rows = c.Rows();
    ASSERT_FALSE(rows.empty());
    for (size_t i = 1; i < rows.size(); ++i)
        EXPECT_LT(rows[i - 1], rows[i]);
}
