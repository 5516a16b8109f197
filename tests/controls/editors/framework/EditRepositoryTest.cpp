// The editor-kind registry, repository items shared by editors, and the shared routines.
#include "controls/data/DataResources.h"
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditRepository.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class TKindAProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TKindAProperties, TcxCustomEditProperties)
  public:
    using TcxCustomEditProperties::TcxCustomEditProperties;
};
class TKindBProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TKindBProperties, TcxCustomEditProperties)
  public:
    using TcxCustomEditProperties::TcxCustomEditProperties;
};
class TcxEditRepositoryTextItem : public TcxEditRepositoryItem {
    ZORVY_CLASS(TcxEditRepositoryTextItem, TcxEditRepositoryItem)
  public:
    explicit TcxEditRepositoryTextItem(TComponent* owner) : TcxEditRepositoryItem(owner, TKindAProperties::StaticClass()) {}
};

using EditRepositoryTest = EditorsTest;

TEST_F(EditRepositoryTest, TheRegistryListsKindsByNameOnce) {
    TcxRegisteredClasses* registry = GetEditPropertiesRegistry();
    registry->AddClass(TKindBProperties::StaticClass(), "TextEdit|Represents a single line text editor");
    registry->AddClass(TKindAProperties::StaticClass(), "ButtonEdit|Represents an edit control with embedded buttons");
    registry->AddClass(TKindBProperties::StaticClass(), "TextEdit|again");
    ASSERT_EQ(registry->ClassCount(), 2);
    EXPECT_EQ(registry->GetDisplayName(0), "ButtonEdit");
    EXPECT_EQ(registry->GetDisplayName(1), "TextEdit");
    EXPECT_EQ(registry->FindClassByName("TKindBProperties"), TKindBProperties::StaticClass());
}

TEST_F(EditRepositoryTest, ItemsAreNamedAfterTheirRepository) {
    TcxEditRepository repository(nullptr);
    repository.SetName("Repos1");
    TcxEditRepositoryItem* item = repository.CreateItem(TcxEditRepositoryTextItem::StaticClass());
    EXPECT_EQ(item->GetBaseName(), "Repos1TextItem");
    repository.AddItem(item);
    EXPECT_EQ(repository.Count(), 1);
    TcxEditRepositoryItem* plain = repository.CreateItem(TcxEditRepositoryItem::StaticClass());
    EXPECT_EQ(plain->GetBaseName(), "Repos1Item");
}

TEST_F(EditRepositoryTest, EditorsFollowTheirItemUntilItGoes) {
    TForm* form = NewForm();
    auto* edit = new TcxCustomEdit(form, false, TKindAProperties::StaticClass());
    edit->SetParent(form);
    TcxEditRepository repository(nullptr);
    auto* good = static_cast<TcxEditRepositoryTextItem*>(repository.CreateItem(TcxEditRepositoryTextItem::StaticClass()));
    auto* wrong = new TcxEditRepositoryItem(nullptr, TKindBProperties::StaticClass());
    edit->SetRepositoryItem(good);
    try {
        edit->SetRepositoryItem(wrong);
        FAIL() << "a foreign item was accepted";
    } catch (const EcxEditError& e) {
        EXPECT_STREQ(e.what(), "The repository item is not acceptable");
    }
    EXPECT_EQ(edit->GetRepositoryItem(), good);
    EXPECT_EQ(edit->GetEffectiveProperties(), good->GetProperties());

    // The shared settings decide; their events fire after the editor's own.
    std::vector<std::string> log;
    edit->GetProperties()->OnChange = [&](TObject*) { log.push_back("own"); };
    good->GetProperties()->OnChange = [&](TObject*) { log.push_back("item"); };
    edit->NotifyChanged();
    EXPECT_EQ(log, (std::vector<std::string>{"own", "item"}));
    good->GetProperties()->SetReadOnly(true);
    EXPECT_TRUE(edit->IsReadOnlyNow());

    delete good;
    EXPECT_EQ(edit->GetRepositoryItem(), nullptr);
    EXPECT_EQ(edit->GetEffectiveProperties(), edit->GetProperties());
    EXPECT_FALSE(edit->IsReadOnlyNow());
    delete wrong;
}

TEST_F(EditRepositoryTest, TheFrameworkRoutesTheDataUnitsTextsThroughReplacements) {
    RegisterResourceStringReplacement(cxSDataItemIndexError, "列索引越界");
    EXPECT_EQ(GetDataResourceText(cxSDataItemIndexError), "列索引越界");
    ClearResourceStringReplacements();
    EXPECT_EQ(GetDataResourceText(cxSDataItemIndexError), "ItemIndex out of range");
}

TEST(EditRoutines, SmallHelpers) {
    for (char32_t c : {U'\0', U'\t', U'\n', U'\f', U'\r', U' '}) EXPECT_TRUE(IsBlankChar(c)) << int(c);
    EXPECT_FALSE(IsBlankChar(11));
    EXPECT_FALSE(IsBlankChar(U'中'));
    EXPECT_EQ(MouseButtonCodeShiftBit(2), ssRight);
    TSize s{3, 9};
    EnlargeSizeTo(s, {5, 4});
    EXPECT_EQ(s, (TSize{5, 9}));
}

} // namespace
} // namespace zorvy::test
