// The typed repository items and the registry of default editors per value type.
#include "controls/editors/repository/EditDataRegisteredRepositoryItems.h"
#include "controls/editors/repository/EditRepositoryItems.h"

#include "platform/classlib/ImageList.h"
#include "platform/rtl/MetaClass.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {
namespace {

class EditRepositoryItemsTest : public EditorsTest {
  protected:
    std::unique_ptr<TcxEditRepository> repository = std::make_unique<TcxEditRepository>(nullptr);
};

TEST_F(EditRepositoryItemsTest, EachItemCreatesItsKindsPropertiesAndCopiesOnSetting) {
    struct Case {
        const TMetaClass* item;
        const TMetaClass* properties;
    };
    const Case cases[] = {
        {TcxEditRepositoryTextItem::StaticClass(), TcxTextEditProperties::StaticClass()},
        {TcxEditRepositoryMaskItem::StaticClass(), TcxMaskEditProperties::StaticClass()},
        {TcxEditRepositoryDateItem::StaticClass(), TcxDateEditProperties::StaticClass()},
        {TcxEditRepositoryCurrencyItem::StaticClass(), TcxCurrencyEditProperties::StaticClass()},
        {TcxEditRepositoryCheckBoxItem::StaticClass(), TcxCheckBoxProperties::StaticClass()},
        {TcxEditRepositoryTimeItem::StaticClass(), TcxTimeEditProperties::StaticClass()},
        {TcxEditRepositoryBlobItem::StaticClass(), TcxBlobEditProperties::StaticClass()},
        {TcxEditRepositoryRadioGroupItem::StaticClass(), TcxRadioGroupProperties::StaticClass()},
    };
    for (const Case& c : cases) {
        TcxEditRepositoryItem* item = repository->CreateItem(c.item);
        EXPECT_EQ(item->GetProperties()->ClassType(), c.properties) << c.item->ClassName();
    }

    auto* first = static_cast<TcxEditRepositoryDateItem*>(repository->CreateItem(TcxEditRepositoryDateItem::StaticClass()));
    auto* second = static_cast<TcxEditRepositoryDateItem*>(repository->CreateItem(TcxEditRepositoryDateItem::StaticClass()));
    second->GetProperties()->SetShowTime(false);
    second->GetProperties()->SetWeekNumbers(true);
    TcxDateEditProperties* own = first->GetProperties();
    first->SetProperties(second->GetProperties());
    EXPECT_EQ(first->GetProperties(), own);
    EXPECT_FALSE(own->GetShowTime());
    EXPECT_TRUE(own->GetWeekNumbers());
}

TEST_F(EditRepositoryItemsTest, TheBaseNameIsTheRepositoryAndTheItemKind) {
    repository->SetName("R");
    EXPECT_EQ(repository->CreateItem(TcxEditRepositoryTextItem::StaticClass())->GetBaseName(), "RTextItem");
    EXPECT_EQ(repository->CreateItem(TcxEditRepositoryHyperLinkItem::StaticClass())->GetBaseName(), "RHyperLinkItem");
}

TEST_F(EditRepositoryItemsTest, AFreedImageListLeavesBothPlacesAndAFreedItemLeavesTheLists) {
    TComponent form(nullptr);
    auto* images = new TImageList(&form, 8, 8);
    auto* item = static_cast<TcxEditRepositoryImageComboBoxItem*>(
        repository->CreateItemOwnedBy(TcxEditRepositoryImageComboBoxItem::StaticClass(), &form));
    item->GetProperties()->SetImages(images);
    item->GetProperties()->SetLargeImages(images);
    delete images;
    EXPECT_EQ(item->GetProperties()->GetImages(), nullptr);
    EXPECT_EQ(item->GetProperties()->GetLargeImages(), nullptr);

    auto* kept = new TImageList(&form, 8, 8);
    item->GetProperties()->SetImages(kept);
    delete item;
    EXPECT_EQ(form.GetComponentCount(), 1);
    EXPECT_EQ(form.GetComponent(0), kept);
}

TEST_F(EditRepositoryItemsTest, StartUpRegistersTheItemsForStreamingByName) {
    InitializeEditRepositoryItemsUnit();
    const TMetaClass* checkBoxItem = GetClass("TcxEditRepositoryCheckBoxItem");
    ASSERT_EQ(checkBoxItem, TcxEditRepositoryCheckBoxItem::StaticClass());
    EXPECT_EQ(GetClass("TcxEditRepositoryItem"), TcxEditRepositoryItem::StaticClass());
    EXPECT_EQ(GetClass("TcxEditRepositoryRadioGroupItem"), TcxEditRepositoryRadioGroupItem::StaticClass());
    // What a form reader does with the name it finds.
    TcxEditRepositoryItem* read = repository->CreateItem(checkBoxItem);
    EXPECT_EQ(read->GetProperties()->ClassType(), TcxCheckBoxProperties::StaticClass());
    FinalizeEditRepositoryItemsUnit();
}

class ValueTypeEditorsTest : public EditorsTest {
  protected:
    ValueTypeEditorsTest() { RegisterDefaultEditorsByValueType(); }
    ~ValueTypeEditorsTest() override { UnregisterDefaultEditorsByValueType(); }
    static TcxEditRepositoryItem* For(TcxValueTypeClass valueType) {
        return GetEditDataRegisteredRepositoryItems()->GetItemForValueType(valueType);
    }
};

TEST_F(ValueTypeEditorsTest, EachValueTypeGetsItsEditorAndTheRestTheTextEditor) {
    TcxEditRepositoryItem* text = For(nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->ClassType(), TcxEditRepositoryTextItem::StaticClass());
    for (TcxValueTypeClass valueType : {&cxStringValueType, &cxIntegerValueType, &cxFloatValueType,
                                        &cxLargeIntValueType, &cxVariantValueType, &cxWideStringValueType})
        EXPECT_EQ(For(valueType), text) << valueType->ClassName();

    EXPECT_EQ(For(&cxBooleanValueType)->ClassType(), TcxEditRepositoryCheckBoxItem::StaticClass());
    TcxEditRepositoryItem* dateTime = For(&cxDateTimeValueType);
    TcxEditRepositoryItem* timeStamp = For(&cxSQLTimeStampValueType);
    EXPECT_EQ(dateTime->ClassType(), TcxEditRepositoryDateItem::StaticClass());
    EXPECT_EQ(timeStamp->ClassType(), TcxEditRepositoryDateItem::StaticClass());
    EXPECT_NE(dateTime, timeStamp);
    TcxEditRepositoryItem* currency = For(&cxCurrencyValueType);
    TcxEditRepositoryItem* bcd = For(&cxFMTBcdValueType);
    EXPECT_EQ(currency->ClassType(), TcxEditRepositoryCurrencyItem::StaticClass());
    EXPECT_EQ(bcd->ClassType(), TcxEditRepositoryCurrencyItem::StaticClass());
    EXPECT_NE(currency, bcd);
    // All six live in the default repository.
    EXPECT_EQ(GetDefaultEditRepository()->Count(), 6);
}

TEST_F(ValueTypeEditorsTest, StartingTwiceRegistersOnceAndAFreedItemFallsBackToTheDefault) {
    RegisterDefaultEditorsByValueType();
    EXPECT_EQ(GetDefaultEditRepository()->Count(), 6);
    UnregisterDefaultEditorsByValueType();
    ASSERT_EQ(For(&cxBooleanValueType)->ClassType(), TcxEditRepositoryCheckBoxItem::StaticClass());

    delete For(&cxBooleanValueType);
    EXPECT_EQ(For(&cxBooleanValueType), For(nullptr));
}

TEST(ValueTypeEditorsShutdownTest, ShutdownLeavesTheItemsToTheDefaultRepository) {
    InitializeEditUnit();
    RegisterDefaultEditorsByValueType();
    TcxEditRepositoryItem* text = GetEditDataRegisteredRepositoryItems()->GetItemForValueType(nullptr);
    UnregisterDefaultEditorsByValueType();
    ASSERT_EQ(GetDefaultEditRepository()->Count(), 6);
    EXPECT_EQ(GetDefaultEditRepository()->ItemAt(0), text);
    FinalizeEditUnit();
}

} // namespace
} // namespace zorvy::test
