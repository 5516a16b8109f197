// Summaries over integer and float columns against the variant path value by value: the same
// records summed by a controller whose items have a pass-through OnSummary handler (which keeps
// them on the variant path). Values include blanks first and last (or no blank at all), 32-bit sums
// that widen to 64 bits and 64-bit sums that overflow into floats; both are grouped, filtered (down
// to a few records) and null-ignoring.
#include "controls/data/DataController.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Items Level (Integer, 3 values), Sub (Integer, 4 values), Narrow (Integer), Wide (LargeInt),
// Amount (Float).
struct SummedController {
    TObject Items[5];
    TcxDataController Data{nullptr};
    explicit SummedController(bool byVariants) {
        for (int i = 0; i < 3; ++i)
            Data.AddItem(&Items[i])->ChangeValueType(&cxIntegerValueType);
        Data.AddItem(&Items[3])->ChangeValueType(&cxLargeIntValueType);
        Data.AddItem(&Items[4])->ChangeValueType(&cxFloatValueType);
        TcxDataSummary& summary = Data.GetSummary();
        for (int field = 2; field < 5; ++field)
            for (TcxSummaryKind kind : {skSum, skCount, skAverage, skMin, skMax, skNone}) {
                summary.FooterSummaryItems().AddLinked(&Items[field], spFooter, "", kind);
                summary.DefaultGroupSummaryItems().AddLinked(&Items[field], spGroup, "", kind);
            }
        if (byVariants) {
            auto passThrough = [](TcxDataSummaryItems*, const TcxSummaryEventArguments&, TcxSummaryEventOutArguments&) {};
            summary.FooterSummaryItems().OnSummary = passThrough;
            summary.DefaultGroupSummaryItems().OnSummary = passThrough;
        }
    }
    void Fill(unsigned seed, int count, bool blanks) {
        std::mt19937_64 random(seed);
        auto blank = [&] { return blanks && random() % 8 == 0; };
        Data.BeginUpdate();
        for (int n = 0; n < count; ++n) {
            int r = Data.AppendRecord();
            // The first and last records are blank in every value field.
            const bool edge = blanks && (n == 0 || n == count - 1);
            Data.SetValue(r, 0, static_cast<int32_t>(random() % 3));
            Data.SetValue(r, 1, static_cast<int32_t>(random() % 4));
            Data.SetValue(r, 2, edge || blank() ? Variant::Null()
                                                : Variant(static_cast<int32_t>(random() % 2000000000) - 600000000));
            Data.SetValue(r, 3, edge || blank() ? Variant::Null()
                                                : Variant::FromInt64(static_cast<int64_t>(random() >> 1) -
                                                                     (int64_t{1} << 61)));
            Data.SetValue(r, 4, edge || blank() ? Variant::Null()
                                                : Variant(static_cast<double>(random() % 200001) / 7.0 - 9000.0));
        }
        Data.EndUpdate();
    }
};

// The same type and the same bits.
::testing::AssertionResult SameValue(const Variant& a, const Variant& b) {
    if (a.VarType() != b.VarType())
        return ::testing::AssertionFailure() << "types " << a.VarType() << " and " << b.VarType();
    if (a.IsNull() || a.IsEmpty()) return ::testing::AssertionSuccess();
    if (a.VarType() == varDouble) {
        const double x = a.AsDouble(), y = b.AsDouble();
        if (std::memcmp(&x, &y, sizeof x) == 0) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << x << " and " << y;
    }
    if (a.AsInt64() == b.AsInt64()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a.AsInt64() << " and " << b.AsInt64();
}

} // namespace

TEST(SummaryColumns, FooterAndGroupValuesMatchTheVariantPath) {
    enum TFilter { None, Most, Few };
    struct Case {
        int Levels;
        bool NullIgnore;
        TFilter Filter;
        bool Blanks;
    };
    const Case cases[] = {{0, false, None, true}, {0, true, Most, true},  {1, false, None, true},
                          {1, true, None, true},  {2, false, Most, true}, {2, true, Most, true},
                          {1, false, Few, true},  {0, false, None, false}, {2, true, Most, false},
                          {1, false, Few, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("levels " + std::to_string(c.Levels) + (c.NullIgnore ? ", blanks ignored" : "") +
                     (c.Filter == Most ? ", filtered" : c.Filter == Few ? ", filtered to a few" : "") +
                     (c.Blanks ? "" : ", no blanks"));
        SummedController fast(false), reference(true);
        for (SummedController* s : {&fast, &reference}) {
            s->Fill(20261211, 3000, c.Blanks);
            s->Data.GetSummary().SetOptions(c.NullIgnore ? TcxSummaryOptions{soNullIgnore} : TcxSummaryOptions{0});
            for (int level = 0; level < c.Levels; ++level)
                s->Data.ChangeItemGroupIndex(level, level);
            if (c.Filter != None) {
                s->Data.GetFilter().AddItem(nullptr, &s->Items[1], c.Filter == Most ? ocNotEqual : ocEqual, 2, "2");
                if (c.Filter == Few) s->Data.GetFilter().AddItem(nullptr, &s->Items[0], ocEqual, 0, "0");
                s->Data.GetFilter().SetActive(true);
            }
        }
        const int items = fast.Data.GetSummary().FooterSummaryItems().GetCount();
        for (int i = 0; i < items; ++i)
            EXPECT_TRUE(SameValue(fast.Data.GetSummary().FooterValue(i), reference.Data.GetSummary().FooterValue(i)))
                << "footer item " << i;
        const TcxDataGroups& groups = fast.Data.GetDataControllerInfo().GetGroups();
        const TcxDataGroups& referenceGroups = reference.Data.GetDataControllerInfo().GetGroups();
        ASSERT_EQ(groups.GetCount(), referenceGroups.GetCount());
        for (int g = 0; g < groups.GetCount(); ++g)
            for (int i = 0; i < items; ++i)
                EXPECT_TRUE(SameValue(groups.GetItem(g)->SummaryValues[i], referenceGroups.GetItem(g)->SummaryValues[i]))
                    << "group " << g << ", item " << i;
    }
}

TEST(SummaryColumns, SumsWidenAsTheVariantArithmeticDoes) {
    // Worked by hand: two 32-bit values whose sum leaves 32 bits give a 64-bit sum; two 64-bit
    // values whose sum leaves 64 bits give a float.
    SummedController c(false);
    c.Data.BeginUpdate();
    for (int n = 0; n < 2; ++n) {
        int r = c.Data.AppendRecord();
        c.Data.SetValue(r, 2, 2000000000);
        c.Data.SetValue(r, 3, Variant::FromInt64(int64_t{6} << 60));
        c.Data.SetValue(r, 4, 1.5);
    }
    c.Data.EndUpdate();
    TcxDataSummary& summary = c.Data.GetSummary();
    EXPECT_EQ(summary.FooterValue(0).VarType(), varInt64);
    EXPECT_EQ(summary.FooterValue(0).AsInt64(), 4000000000);
    EXPECT_EQ(summary.FooterValue(6).VarType(), varDouble);
    EXPECT_DOUBLE_EQ(summary.FooterValue(6).AsDouble(), 12.0 * 1152921504606846976.0);
    EXPECT_EQ(summary.FooterValue(3).VarType(), varInteger) << "a minimum keeps the field's type";
    EXPECT_DOUBLE_EQ(summary.FooterValue(12).AsDouble(), 3.0);
}
