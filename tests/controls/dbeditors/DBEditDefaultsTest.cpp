// What an editor takes from the dataset field it shows, and the base answers without one.
#include "controls/dbeditors/DBEditDefaults.h"

#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "tests/platform/db/MemoryDataSet.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {
namespace {

// One row over a column of each kind the defaults tell apart.
class DBEditDefaultsTest : public ::testing::Test {
  protected:
    DBEditDefaultsTest() {
        std::vector<TDataSet::SourceColumn> columns;
        auto add = [&](const char* name, TFieldType type, int size = 0) {
            TDataSet::SourceColumn column;
            column.name = name;
            column.dataType = type;
            column.size = size;
            columns.push_back(column);
        };
        add("Name", TFieldType::ftString, 7);
        add("Wide", TFieldType::ftWideString, 9);
        add("Notes", TFieldType::ftMemo);
        add("Styled", TFieldType::ftFmtMemo);
        add("Photo", TFieldType::ftGraphic);
        add("Price", TFieldType::ftFloat);
        add("Count", TFieldType::ftInteger);
        add("Amount", TFieldType::ftBCD);
        add("Day", TFieldType::ftDateTime);
        dataSet_ = std::make_unique<MemoryDataSet>(columns, std::vector<std::vector<CellValue>>{
                                                                 {std::string("a"), std::string("b"), CellValue(),
                                                                  CellValue(), CellValue(), 1.5, int64_t(2), 3.25, 4.0}});
        source_ = std::make_unique<TDataSource>(nullptr);
        source_->SetDataSet(dataSet_.get());
        dataSet_->Open();
        provider_.SetDataSource(source_.get());
    }
    TcxCustomDBEditDefaultValuesProvider& For(const char* fieldName) {
        provider_.SetField(dataSet_->FieldByName(fieldName));
        return provider_;
    }

    std::unique_ptr<MemoryDataSet> dataSet_;
    std::unique_ptr<TDataSource> source_;
    TcxCustomDBEditDefaultValuesProvider provider_;
};

TEST_F(DBEditDefaultsTest, TextFieldsGiveTheirSizeAndBlobsTheirKind) {
    struct Case {
        const char* field;
        int maxLength, blobKind;
        bool blob;
        TAlignment alignment;
    };
    const Case cases[] = {
        {"Name", 7, 0, false, taLeftJustify},   {"Wide", 9, 0, false, taLeftJustify},
        {"Notes", 0, 3, true, taLeftJustify},   {"Styled", 0, 3, true, taLeftJustify},
        {"Photo", 0, 2, true, taLeftJustify},   {"Price", 0, 0, false, taRightJustify},
        {"Count", 0, 0, false, taRightJustify}, {"Day", 0, 0, false, taLeftJustify},
    };
    for (const Case& c : cases) {
        TcxCustomDBEditDefaultValuesProvider& p = For(c.field);
        EXPECT_TRUE(p.HasData()) << c.field;
        EXPECT_EQ(p.GetMaxLength(), c.maxLength) << c.field;
        EXPECT_EQ(p.GetDefaultBlobKind(), c.blobKind) << c.field;
        EXPECT_EQ(p.IsBlobValue(), c.blob) << c.field;
        EXPECT_EQ(p.GetDefaultAlignment(), c.alignment) << c.field;
    }
}

TEST_F(DBEditDefaultsTest, NumbersGiveTheirFormatsRangeAndPrecision) {
    TField* price = dataSet_->FieldByName("Price");
    price->SetPrecision(5);
    price->SetMaxValue(123.456789);
    price->SetMinValue(-0.000123456);
    price->SetDisplayFormat("0.00");
    price->SetCurrency(true);
    TcxCustomDBEditDefaultValuesProvider& p = For("Price");
    EXPECT_DOUBLE_EQ(p.GetMaxValue(), 123.46) << "rounded to five significant digits";
    EXPECT_DOUBLE_EQ(p.GetMinValue(), -0.00012346);
    EXPECT_EQ(p.GetPrecision(), 5);
    EXPECT_TRUE(p.HoldsFractionalNumbers());
    EXPECT_TRUE(p.IsCurrencyValue());
    EXPECT_EQ(p.GetDisplayFormat(), "0.00");
    EXPECT_TRUE(p.HasDisplayFormat(false));
    EXPECT_FALSE(p.LacksExplicitDisplayFormat());

    TField* count = dataSet_->FieldByName("Count");
    count->SetMaxValue(99);
    EXPECT_DOUBLE_EQ(For("Count").GetMaxValue(), 99);
    EXPECT_FALSE(For("Count").HoldsFractionalNumbers());
    EXPECT_EQ(For("Count").GetPrecision(), 15) << "an integer field has no precision of its own";
    EXPECT_TRUE(For("Amount").HoldsFractionalNumbers());

    // A date's display format is not handed over as a number format: the editor lacks one.
    dataSet_->FieldByName("Day")->SetDisplayFormat("yyyy-mm-dd");
    EXPECT_EQ(For("Day").GetDisplayFormat(), "");
    EXPECT_TRUE(For("Day").HasDisplayFormat(false));
    EXPECT_TRUE(For("Day").LacksExplicitDisplayFormat());
    EXPECT_FALSE(For("Name").HasDisplayFormat(true));
}

TEST_F(DBEditDefaultsTest, ReadOnlyRequiredAndEditing) {
    TField* name = dataSet_->FieldByName("Name");
    TcxCustomDBEditDefaultValuesProvider& p = For("Name");
    EXPECT_TRUE(p.CanModifyValue());
    name->SetRequired(true);
    name->SetReadOnly(true);
    EXPECT_TRUE(p.IsRequired());
    EXPECT_TRUE(p.IsReadOnly());
    EXPECT_FALSE(p.CanModifyValue());
    EXPECT_TRUE(p.CanEnterEditMode()) << "the data source edits by itself";
    source_->SetAutoEdit(false);
    EXPECT_FALSE(p.CanEnterEditMode());
    dataSet_->Edit();
    EXPECT_TRUE(p.CanEnterEditMode()) << "the dataset is already editing";
    dataSet_->Cancel();
    EXPECT_TRUE(p.AcceptsChar(U'x'));
    EXPECT_FALSE(For("Count").AcceptsChar(U'x')) << "an integer field takes digits and signs";
    EXPECT_TRUE(For("Count").AcceptsChar(U'7'));
}

TEST_F(DBEditDefaultsTest, AClosedDataSetOrAFreedFieldGivesTheBaseAnswers) {
    TcxCustomDBEditDefaultValuesProvider& p = For("Notes");
    dataSet_->FieldByName("Notes")->SetReadOnly(true);
    dataSet_->Close();
    EXPECT_FALSE(p.HasData());
    EXPECT_EQ(p.GetDefaultBlobKind(), 0);
    EXPECT_FALSE(p.IsReadOnly());
    EXPECT_EQ(p.GetMaxLength(), 0);
    EXPECT_EQ(p.GetDisplayFormat(), "");
    EXPECT_FALSE(p.CanModifyValue());

    // The dataset's own fields go when it closes: the provider forgets its field.
    EXPECT_EQ(p.GetField(), nullptr);
    source_.reset();
    EXPECT_EQ(p.GetDataSource(), nullptr);
    EXPECT_FALSE(p.CanEnterEditMode());
}

} // namespace
} // namespace zorvy::test
