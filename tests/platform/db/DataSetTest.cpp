#include "MemoryDataSet.h"

#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Variant.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace zorvy::test {
namespace {

TEST(DataSet, LocatesAndLooksUpByOneOrSeveralKeys) {
    std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
    dataSet->Open();
    EXPECT_TRUE(dataSet->Locate("Name", std::string("N7"), loCaseInsensitive));
    EXPECT_EQ(dataSet->GetRecNo(), 7);
    EXPECT_FALSE(dataSet->Locate("Name", std::string("N7"), 0));
    EXPECT_EQ(dataSet->GetRecNo(), 7); // a failed search does not move
    EXPECT_TRUE(dataSet->Locate("Name", std::string("n1"), loPartialKey));
    EXPECT_EQ(dataSet->GetRecNo(), 1);
    EXPECT_TRUE(dataSet->Locate("Kind;ID", VarArrayOf({"even", 8}), 0));
    EXPECT_EQ(dataSet->GetRecNo(), 8);
    EXPECT_TRUE(dataSet->Locate("Name", Variant::Null(), 0));
    EXPECT_EQ(dataSet->GetRecNo(), 4);
    EXPECT_THROW(dataSet->Locate("Kind;ID", std::string("even"), 0), EDatabaseError);

    dataSet->First();
    EXPECT_EQ(VarToStr(dataSet->Lookup("ID", 9, "Name")), "n9");
    EXPECT_TRUE(VarIsNull(dataSet->Lookup("ID", 99, "Name")));
    Variant both = dataSet->Lookup("ID", 2, "Name;Kind");
    EXPECT_EQ(VarToStr(both[0]), "n2");
    EXPECT_EQ(VarToStr(both[1]), "even");
    EXPECT_EQ(dataSet->GetRecNo(), 1); // Lookup does not move

    Variant values = dataSet->GetFieldValues("ID;Name");
    EXPECT_EQ(values[0].AsInteger(), 1);
    EXPECT_EQ(VarToStr(values[1]), "n1");
}

TEST(DataSet, MovesByAnyDistanceWithoutOverflow) {
    std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
    dataSet->Open();
    dataSet->SetRecNo(5);
    EXPECT_EQ(dataSet->MoveBy(std::numeric_limits<int>::max()), 5);
    EXPECT_TRUE(dataSet->GetEof());
    EXPECT_EQ(dataSet->MoveBy(std::numeric_limits<int>::min()), -9);
    EXPECT_TRUE(dataSet->GetBof());
    EXPECT_THROW(dataSet->SetRecNo(0), EDatabaseError);
    EXPECT_THROW(dataSet->SetRecNo(11), EDatabaseError);
    EXPECT_EQ(dataSet->GetRecNo(), 1);
}

TEST(DataSet, BookmarksFollowTheirRecordUntilItIsDeleted) {
    std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
    dataSet->Open();
    dataSet->SetRecNo(5);
    TBookmark five = dataSet->GetBookmark();
    dataSet->SetRecNo(9);
    TBookmark nine = dataSet->GetBookmark();
    EXPECT_EQ(dataSet->CompareBookmarks(five, nine), -1);
    dataSet->SortBy("ID DESC");
    EXPECT_EQ(dataSet->CompareBookmarks(five, nine), 1);
    dataSet->GotoBookmark(five);
    EXPECT_EQ(dataSet->FieldByName("ID")->GetAsInteger(), 5);
    dataSet->Delete();
    EXPECT_EQ(dataSet->FieldByName("ID")->GetAsInteger(), 4); // the next record in cursor order
    EXPECT_FALSE(dataSet->BookmarkValid(five));
    EXPECT_TRUE(dataSet->BookmarkValid(nine));
    EXPECT_THROW(dataSet->GotoBookmark(five), EDatabaseError);
    EXPECT_FALSE(dataSet->BookmarkValid("not a bookmark"));
    dataSet->Last();
    dataSet->Delete(); // the last record: the one before it becomes current
    EXPECT_EQ(dataSet->FieldByName("ID")->GetAsInteger(), 2);
    EXPECT_EQ(dataSet->writes, (std::vector<std::string>{"delete", "delete"}));
}

TEST(DataSet, InsertPlacesTheRecordAtTheCursorAndAppendAtTheEnd) {
    std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
    std::vector<std::string> events;
    for (auto [event, name] : {std::pair{&TDataSet::BeforeInsert, "BeforeInsert"},
                               {&TDataSet::AfterInsert, "AfterInsert"},
                               {&TDataSet::BeforePost, "BeforePost"},
                               {&TDataSet::AfterPost, "AfterPost"},
                               {&TDataSet::OnNewRecord, "OnNewRecord"}})
        (dataSet.get()->*event) = [&events, name = std::string(name)](TDataSet*) { events.push_back(name); };
    dataSet->Open();
    dataSet->SetRecNo(3);
    dataSet->Insert();
    EXPECT_EQ(dataSet->GetRecNo(), 3);
    EXPECT_FALSE(dataSet->GetEof());
    dataSet->FieldByName("ID")->SetAsInteger(25);
    dataSet->Post();
    EXPECT_EQ(dataSet->GetRecNo(), 3);
    dataSet->Next();
    EXPECT_EQ(dataSet->FieldByName("ID")->GetAsInteger(), 3);
    dataSet->Append();
    dataSet->FieldByName("ID")->SetAsString("99");
    dataSet->Post();
    EXPECT_EQ(dataSet->GetRecNo(), 12);
    EXPECT_EQ(events, (std::vector<std::string>{"BeforeInsert", "OnNewRecord", "AfterInsert", "BeforePost",
                                                "AfterPost", "BeforeInsert", "OnNewRecord", "AfterInsert",
                                                "BeforePost", "AfterPost"}));
}

TEST(DataSet, ARejectedWriteKeepsTheEditAndAFailedHandlerAbortsTheOperation) {
    std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
    dataSet->Open();
    dataSet->Edit();
    dataSet->FieldByName("Name")->SetAsString("typed");
    dataSet->rejectWith = "rejected by the database";
    EXPECT_THROW(dataSet->Post(), EDatabaseError);
    EXPECT_EQ(dataSet->GetState(), TDataSetState::dsEdit);
    EXPECT_EQ(dataSet->FieldByName("Name")->GetAsString(), "typed");
    dataSet->Post();
    EXPECT_EQ(dataSet->FieldByName("Name")->GetAsString(), "typed");

    dataSet->BeforeEdit = [](TDataSet*) { throw EAbort(); };
    EXPECT_THROW(dataSet->Edit(), EAbort);
    EXPECT_EQ(dataSet->GetState(), TDataSetState::dsBrowse);
}

TEST(DataSet, FieldsConvertCheckAndFormatTheirValues) {
    std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
    auto* date = new TDateTimeField(dataSet.get());
    date->SetFieldName("Day");
    date->SetFieldKind(TFieldKind::fkCalculated);
    date->SetDisplayFormat("yyyy-mm-dd");
    date->SetDataSet(dataSet.get());
    dataSet->OnCalcFields = [](TDataSet* d) {
        d->FieldByName("Day")->SetAsDateTime(EncodeDate(2008, 11, 30) + d->FieldByName("ID")->GetAsInteger());
    };
    dataSet->Open();
    EXPECT_EQ(dataSet->GetFieldCount(), 4); // the result's columns, then the calculated field
    EXPECT_EQ(date->GetDisplayText(), "2008-12-01");
    EXPECT_EQ(date->GetIndex(), 3);
    EXPECT_TRUE(dataSet->FieldByName("NAME")->GetFieldName() == "Name");

    TField* id = dataSet->FieldByName("ID");
    TField* name = dataSet->FieldByName("Name");
    EXPECT_EQ(id->GetAsString(), "1");
    EXPECT_DOUBLE_EQ(id->GetAsFloat(), 1.0);
    EXPECT_THROW(name->GetAsInteger(), EConvertError); // "n1" is no number
    EXPECT_THROW(id->SetAsInteger(2), EDatabaseError); // not in edit state
    dataSet->Edit();
    EXPECT_THROW(id->SetAsString("twelve"), EConvertError);
    EXPECT_THROW(id->SetAsLargeInt(int64_t(1) << 40), EDatabaseError);
    id->SetMinValue(1);
    id->SetMaxValue(100);
    EXPECT_THROW(id->SetAsInteger(101), EDatabaseError);
    id->SetValue(Variant(std::string("42")));
    EXPECT_EQ(id->GetAsInteger(), 42);
    id->SetRequired(true);
    id->Clear();
    EXPECT_THROW(dataSet->Post(), EDatabaseError);
    EXPECT_EQ(dataSet->GetState(), TDataSetState::dsEdit);
    dataSet->Cancel();
    EXPECT_EQ(id->GetValue().VarType(), varInteger);
    EXPECT_TRUE(dataSet->FieldByName("Name")->IsValidChar(U'中'));
    EXPECT_FALSE(id->IsValidChar('x'));
}

TEST(DataSet, PersistentFieldsReadColumnsOfTheirKindAndRefuseOthers) {
    std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
    auto* id = new TFloatField(dataSet.get());
    id->SetFieldName("id");
    id->SetDataSet(dataSet.get());
    dataSet->Open();
    EXPECT_EQ(dataSet->GetFieldCount(), 1); // persistent data fields: only those
    EXPECT_EQ(id->GetValue().VarType(), varDouble);
    EXPECT_DOUBLE_EQ(id->GetAsFloat(), 1.0);
    EXPECT_THROW(dataSet->FieldByName("Name"), EDatabaseError);
    dataSet->Close();

    auto* name = new TIntegerField(dataSet.get());
    name->SetFieldName("Name");
    name->SetDataSet(dataSet.get());
    EXPECT_THROW(dataSet->Open(), EDatabaseError);
    EXPECT_FALSE(dataSet->GetActive());
    delete name;
    auto* missing = new TIntegerField(dataSet.get());
    missing->SetFieldName("Missing");
    missing->SetDataSet(dataSet.get());
    EXPECT_THROW(dataSet->Open(), EDatabaseError);
    missing->SetDataSet(nullptr);
    dataSet->Open();
    EXPECT_EQ(dataSet->GetRecordCount(), 10);
}

TEST(DataSet, QueryAndTableClassesAreKnownByName) {
    TADOQuery query(nullptr);
    TADOTable table(nullptr);
    EXPECT_EQ(query.ClassName(), "TADOQuery");
    EXPECT_EQ(table.ClassName(), "TADOTable");
    EXPECT_TRUE(query.InheritsFrom(TDataSet::StaticClass()));
    EXPECT_TRUE(table.InheritsFrom(TCustomADODataSet::StaticClass()));
    EXPECT_FALSE(table.InheritsFrom(TADOQuery::StaticClass()));
    EXPECT_THROW(query.Open(), EDatabaseError); // no connection: an error, not a crash
    EXPECT_THROW(table.Open(), EDatabaseError);
}

TEST(DataSet, ClosesWithoutEventsWhenDestroyed) {
    auto* dataSet = NewNumbers();
    int closes = 0;
    dataSet->BeforeClose = dataSet->AfterClose = [&closes](TDataSet*) { ++closes; };
    dataSet->Open();
    dataSet->Close();
    EXPECT_EQ(closes, 2);
    dataSet->Open();
    delete dataSet;
    EXPECT_EQ(closes, 2);
}

TEST(DataSet, LookupFieldsReadTheirValueFromTheOtherDataSet) {
    std::unique_ptr<MemoryDataSet> kinds(NewNumbers());
    std::unique_ptr<MemoryDataSet> dataSet(NewNumbers());
    auto* label = new TWideStringField(dataSet.get());
    label->SetFieldName("Label");
    label->SetFieldKind(TFieldKind::fkLookup);
    label->SetLookupDataSet(kinds.get());
    label->SetKeyFields("ID");
    label->SetLookupKeyFields("ID");
    label->SetLookupResultField("Name");
    label->SetDataSet(dataSet.get());
    kinds->SetFilter("ID <= 5");
    kinds->SetFiltered(true);
    kinds->Open();
    dataSet->Open();
    EXPECT_TRUE(label->GetLookup());
    EXPECT_EQ(label->GetAsString(), "n1");
    dataSet->SetRecNo(6);
    EXPECT_TRUE(label->IsNull());
    kinds.reset(); // freeing the lookup dataset unhooks the field
    EXPECT_EQ(label->GetLookupDataSet(), nullptr);
}

} // namespace
} // namespace zorvy::test
