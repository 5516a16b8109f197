#include "MemoryDataSet.h"

#include "platform/db/Field.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {
namespace {

std::vector<int> Ids(TDataSet& dataSet) {
    std::vector<int> ids;
    for (dataSet.First(); !dataSet.GetEof(); dataSet.Next())
        ids.push_back(dataSet.FieldByName("ID")->GetAsInteger());
    return ids;
}

TEST(Filter, SelectsTheRecordsTheExpressionAccepts) {
    struct Case {
        const char* filter;
        TFilterOptions options;
        std::vector<int> ids;
    } cases[] = {
        {"(ID=3)", 0, {3}},
        {"(ID>=8) and Kind<>'odd'", 0, {8, 10}},
        {"ID < 3 or ID > 9", 0, {1, 2, 10}},
        {"not (ID <= 8)", 0, {9, 10}},
        {"ID = '7'", 0, {7}},                          // a numeric field against a text literal
        {"Name<>''", 0, {1, 2, 3, 5, 6, 7, 8, 9, 10}}, // null is not different from '': it is unknown
        {"Name is null", 0, {4}},
        {"Name IS NOT NULL and ID<3", 0, {1, 2}},
        {"Name = 'N1'", 0, {}},
        {"Name = 'N1'", foCaseInsensitive, {1}},
        {"Name = 'n1*'", 0, {1, 10}}, // a trailing * matches by prefix
        {"Name = 'n1*'", foNoPartialCompare, {}},
        {"Name like 'n_'", 0, {1, 2, 3, 5, 6, 7, 8, 9}},
        {"[Name] like '%0'", 0, {10}},
        {"Kind not like 'o%' and ID != 2", 0, {4, 6, 8, 10}},
        {"Name = null", 0, {}},
        {"ID<>5 and ID<>6 and ID<>7 and ID<>8 and ID<>9 and ID<>10 and Kind='even'", 0, {2, 4}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
        dataSet->SetFilter(c.filter);
        dataSet->SetFilterOptions(c.options);
        dataSet->SetFiltered(true);
        dataSet->Open();
        EXPECT_EQ(Ids(*dataSet), c.ids) << c.filter;
    }
}

TEST(Filter, RejectsMalformedExpressionsWithTheirPosition) {
    for (const char* filter :
         {"ID =", "(ID=1", "ID = 'open", "ID 3", "NoSuchField = 1", "ID = 1 and", "ID ! 1", "@"}) {
        std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
        dataSet->SetFilter(filter);
        dataSet->SetFiltered(true);
        EXPECT_THROW(dataSet->Open(), EDatabaseError) << filter;
        EXPECT_FALSE(dataSet->GetActive());
    }
    std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
    dataSet->SetFiltered(true);
    dataSet->Open();
    try {
        dataSet->SetFilter("ID = 1 or or");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("position 11"), std::string::npos) << e.what();
    }
    EXPECT_EQ(dataSet->GetRecordCount(), 10);
    dataSet->SetFilter("");
    EXPECT_EQ(dataSet->GetRecordCount(), 10);
}

TEST(Filter, RefusesExpressionsTooDeepOrTooLongAndMatchesHardPatterns) {
    std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
    dataSet->SetFiltered(true);
    dataSet->Open();
    EXPECT_THROW(dataSet->SetFilter(std::string(300, '(') + "ID=1" + std::string(300, ')')), EDatabaseError);
    std::string chain = "ID=1";
    for (int i = 0; i < 3000; ++i)
        chain += " or ID=1";
    EXPECT_THROW(dataSet->SetFilter(chain), EDatabaseError);
    EXPECT_EQ(dataSet->GetRecordCount(), 10);

    dataSet->SetFilter(std::string(100, '(') + "ID=1" + std::string(100, ')'));
    EXPECT_EQ(dataSet->GetRecordCount(), 1);
    // Many wildcards that almost match: answered by scanning, not by trying every split.
    dataSet->SetFilter("Name like '" + std::string(30, '%') + "n" + std::string(30, '%') + "x'");
    EXPECT_EQ(dataSet->GetRecordCount(), 0);
    dataSet->SetFilter("Name like '%n%0%'");
    EXPECT_EQ(Ids(*dataSet), std::vector<int>{10});
}

TEST(Filter, ChangingItKeepsTheCurrentRecordWhenItStillQualifies) {
    std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
    dataSet->SetFiltered(true);
    dataSet->Open();
    dataSet->SetRecNo(6);
    dataSet->SetFilter("Kind='even'");
    EXPECT_EQ(dataSet->FieldByName("ID")->GetAsInteger(), 6);
    EXPECT_EQ(dataSet->GetRecNo(), 3);
    dataSet->SetFilter("ID>7");
    EXPECT_EQ(dataSet->FieldByName("ID")->GetAsInteger(), 8);
}

} // namespace
} // namespace zorvy::test
