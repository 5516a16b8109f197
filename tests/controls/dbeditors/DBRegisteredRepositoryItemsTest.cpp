// The default editor of each dataset field: by its data type, its currency flag and its lookup kind,
// over the draws on SQLite and on PostgreSQL and over fields of every type.
#include "controls/dbeditors/DBRegisteredRepositoryItems.h"

#include "controls/dbeditors/LookupComboBox.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/repository/EditRepositoryItems.h"
#include "platform/db/Field.h"
#include "tests/platform/db/Engines.h"
#include "tests/platform/db/MemoryDataSet.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

// The registry as the program starts it, in a default repository of the test's own.
class FieldTypeEditors {
  public:
    FieldTypeEditors() {
        InitializeEditUnit();
        RegisterDefaultEditorsByFieldType();
    }
    ~FieldTypeEditors() {
        UnregisterDefaultEditorsByFieldType();
        FinalizeEditUnit();
    }
    static const TMetaClass* KindOf(TField* field) {
        TcxEditRepositoryItem* item = GetEditDBRegisteredRepositoryItems()->GetItemForField(field);
        return item ? item->ClassType() : nullptr;
    }
};

class DBRegisteredRepositoryItemsTest : public EngineTest {
  protected:
    FieldTypeEditors editors_;
};

TEST_P(DBRegisteredRepositoryItemsTest, TheDrawColumnsGetTheirEditorsAndALookupFieldTheLookupItem) {
    TADOQuery* reds = NewQuery({"select Issue as DrawIssue, ResultA1 as DrawReds from LotteryIssue"});
    TADOQuery* draws = NewQuery({"select Issue, EndTime, Sale, ResultA1 from LotteryIssue where LotteryID=3508"});
    auto* lookup = new TWideStringField(draws);
    lookup->SetFieldName("Reds");
    lookup->SetFieldKind(TFieldKind::fkLookup);
    lookup->SetLookupDataSet(reds);
    lookup->SetKeyFields("Issue");
    lookup->SetLookupKeyFields("DrawIssue");
    lookup->SetLookupResultField("DrawReds");
    lookup->SetDataSet(draws);
    reds->Open();
    draws->Open();

    EXPECT_EQ(FieldTypeEditors::KindOf(draws->FieldByName("EndTime")), TcxEditRepositoryDateItem::StaticClass());
    EXPECT_EQ(FieldTypeEditors::KindOf(draws->FieldByName("Issue")), TcxEditRepositoryMaskItem::StaticClass());
    EXPECT_EQ(FieldTypeEditors::KindOf(draws->FieldByName("Sale")), TcxEditRepositoryMaskItem::StaticClass());
    EXPECT_EQ(FieldTypeEditors::KindOf(draws->FieldByName("ResultA1")), TcxEditRepositoryMaskItem::StaticClass());
    // A lookup field gets the lookup combo box: no grid lines, no header, a fixed edit list.
    auto* lookupItem = dynamic_cast<TcxEditRepositoryLookupComboBoxItem*>(
        GetEditDBRegisteredRepositoryItems()->GetItemForField(lookup));
    ASSERT_NE(lookupItem, nullptr);
    EXPECT_EQ(lookupItem->GetProperties()->GetListOptions()->GetGridLines(), glNone);
    EXPECT_FALSE(lookupItem->GetProperties()->GetListOptions()->GetShowHeader());
    EXPECT_EQ(lookupItem->GetProperties()->GetDropDownListStyle(), lsEditFixedList);
}

ZORVY_ON_BOTH_ENGINES(DBRegisteredRepositoryItemsTest);

// One column of each type the table tells apart.
class FieldTypeEditorsTest : public ::testing::Test {
  protected:
    FieldTypeEditorsTest() {
        std::vector<TDataSet::SourceColumn> columns;
        for (const auto& [name, type] : kinds) {
            TDataSet::SourceColumn column;
            column.name = name;
            column.dataType = type;
            columns.push_back(column);
        }
        dataSet_ = std::make_unique<MemoryDataSet>(columns, std::vector<std::vector<CellValue>>{});
        dataSet_->Open();
    }
    TField* Field(const char* name) { return dataSet_->FieldByName(name); }

    static constexpr std::pair<const char*, TFieldType> kinds[] = {
        {"Flag", TFieldType::ftBoolean},      {"Day", TFieldType::ftDate},         {"Moment", TFieldType::ftDateTime},
        {"Stamp", TFieldType::ftTimeStamp},   {"Clock", TFieldType::ftTime},       {"Bytes", TFieldType::ftBytes},
        {"Raw", TFieldType::ftBlob},          {"Styled", TFieldType::ftFmtMemo},   {"Notes", TFieldType::ftMemo},
        {"Photo", TFieldType::ftGraphic},     {"Big", TFieldType::ftLargeint},     {"Count", TFieldType::ftInteger},
        {"Price", TFieldType::ftFloat},       {"Amount", TFieldType::ftBCD},       {"Name", TFieldType::ftString},
    };
    FieldTypeEditors editors_;
    std::unique_ptr<MemoryDataSet> dataSet_;
};

TEST_F(FieldTypeEditorsTest, EachFieldTypeGetsTheEditorOfItsKind) {
    const std::pair<const char*, const TMetaClass*> expected[] = {
        {"Flag", TcxEditRepositoryCheckBoxItem::StaticClass()}, {"Day", TcxEditRepositoryDateItem::StaticClass()},
        {"Moment", TcxEditRepositoryDateItem::StaticClass()},   {"Stamp", TcxEditRepositoryDateItem::StaticClass()},
        {"Clock", TcxEditRepositoryTimeItem::StaticClass()},    {"Bytes", TcxEditRepositoryBlobItem::StaticClass()},
        {"Raw", TcxEditRepositoryBlobItem::StaticClass()},      {"Styled", TcxEditRepositoryBlobItem::StaticClass()},
        {"Notes", TcxEditRepositoryMemoItem::StaticClass()},    {"Photo", TcxEditRepositoryImageItem::StaticClass()},
        {"Big", TcxEditRepositoryMaskItem::StaticClass()},      {"Count", TcxEditRepositoryMaskItem::StaticClass()},
        {"Price", TcxEditRepositoryMaskItem::StaticClass()},    {"Name", TcxEditRepositoryMaskItem::StaticClass()},
    };
    for (const auto& [name, itemClass] : expected)
        EXPECT_EQ(FieldTypeEditors::KindOf(Field(name)), itemClass) << name;
    EXPECT_EQ(FieldTypeEditors::KindOf(nullptr), TcxEditRepositoryMaskItem::StaticClass());
    // Each type has an item of its own.
    EXPECT_NE(GetEditDBRegisteredRepositoryItems()->GetItemForField(Field("Day")),
              GetEditDBRegisteredRepositoryItems()->GetItemForField(Field("Stamp")));
}

TEST_F(FieldTypeEditorsTest, OnlyANumericFieldThatPublishesTheFlagGetsTheCurrencyEditor) {
    Field("Price")->SetCurrency(true);
    Field("Amount")->SetCurrency(true);
    Field("Count")->SetCurrency(true); // an integer field publishes no such flag
    EXPECT_EQ(FieldTypeEditors::KindOf(Field("Price")), TcxEditRepositoryCurrencyItem::StaticClass());
    EXPECT_EQ(FieldTypeEditors::KindOf(Field("Amount")), TcxEditRepositoryCurrencyItem::StaticClass());
    EXPECT_EQ(FieldTypeEditors::KindOf(Field("Count")), TcxEditRepositoryMaskItem::StaticClass());
}

TEST_F(FieldTypeEditorsTest, AFreedItemLeavesEveryListAndTheDefaultAnswersInstead) {
    TcxEditDBRegisteredRepositoryItems* registry = GetEditDBRegisteredRepositoryItems();
    delete registry->GetCurrencyFieldItem();
    Field("Price")->SetCurrency(true);
    EXPECT_EQ(FieldTypeEditors::KindOf(Field("Price")), TcxEditRepositoryMaskItem::StaticClass());
    delete registry->GetFieldTypeItem(TFieldType::ftDate);
    EXPECT_EQ(FieldTypeEditors::KindOf(Field("Day")), TcxEditRepositoryMaskItem::StaticClass());
    EXPECT_EQ(FieldTypeEditors::KindOf(Field("Stamp")), TcxEditRepositoryDateItem::StaticClass());
    // The type is masked to its low seven bits.
    EXPECT_EQ(registry->GetFieldTypeItem(static_cast<TFieldType>(0x80 | int(TFieldType::ftBoolean))),
              registry->GetFieldTypeItem(TFieldType::ftBoolean));
    delete registry->GetDefaultRepositoryItem();
    EXPECT_EQ(FieldTypeEditors::KindOf(Field("Name")), nullptr);
}

} // namespace
} // namespace zorvy::test
