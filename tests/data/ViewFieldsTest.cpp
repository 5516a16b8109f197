// Writing a view row through the field slots sets exactly the columns that ForEachCommonColumn names,
// found by name, and nothing else.
#include "data/DataModule.h"

#include "data/TrendMarker.h"
#include "data/ViewFields.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "platform/rtl/Exceptions.h"
#include "tests/data/RealDraws.h"
#include "tests/support/DrawDatabase.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace zorvy;

namespace {

TEST(ViewFields, EveryViewRowHoldsJustTheColumnsItsCalculationNames) {
    test::DrawDatabase database{test::DrawDatabase::RealDraws};
    TData data(nullptr);
    for (int v = 0; v < TrendViewCount; ++v) {
        const auto view = static_cast<TTrendView>(v);
        ASSERT_TRUE(data.RefreshView(view, "2019001", "2020060"));
        TADOQuery* query = data.ViewQuery(view);
        TViewCalculator calculator;
        calculator.BeginView();
        int rows = 0;
        for (query->First(); !query->GetEof(); query->Next(), ++rows) {
            TDrawRow draw;
            for (const TDrawRow& row : test::RealDrawRows())
                if (std::to_string(row.Issue) == query->FieldByName("Issue")->GetAsString()) draw = row;
            const TViewRowColumns expected =
                calculator.CalculateRow(view, draw, data.TrendWindow(view), data.Frfx);
            // The slow reference: every column by its name.
            std::map<std::string, std::string> texts;
            std::map<std::string, int32_t> numbers;
            ForEachCommonColumn(
                expected.Common, [&](const std::string& name) { texts[name] = TrendMarker; },
                [&](const std::string& name, int32_t value) { numbers[name] = value; });
            const TGapColumns& gaps = expected.Gaps;
            for (const auto& [name, text] :
                 {std::pair<const char*, const std::string*>{"chongv", &gaps.chongv},
                  {"Rev", &gaps.Rev},
                  {"wenv", &gaps.wenv},
                  {"lengv", &gaps.lengv}})
                if (!text->empty()) texts[name] = *text;
            for (int f = 0; f < query->GetFieldCount(); ++f) {
                TField* field = query->GetFields()[f];
                if (field->GetFieldKind() != TFieldKind::fkCalculated) continue;
                const std::string& name = field->GetFieldName();
                if (numbers.count(name)) {
                    EXPECT_EQ(field->GetAsInteger(), numbers[name]) << v << " " << name;
                } else {
                    EXPECT_EQ(field->GetAsString(), texts.count(name) ? texts[name] : std::string())
                        << "view " << v << ", issue " << draw.Issue << ", column " << name;
                }
            }
        }
        EXPECT_GT(rows, 100);
    }
}

TEST(ViewFields, AColumnTheQueryLacksIsReportedByItsName) {
    TViewFieldSlots none{TViewFieldMap{}};
    try {
        WriteViewColumns(none, TViewRowColumns{});
        FAIL() << "a row was written without fields";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Field 'Jsv' not found");
    }
}

} // namespace
