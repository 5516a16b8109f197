// The registry of repository items by data type and version: its order, its default entries, and how it
// follows the items it refers to.
#include "controls/editors/repository/RegisteredRepositoryItems.h"

#include "controls/editors/framework/EditProperties.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {
namespace {

class TCountingRegistry : public TcxEditRegisteredRepositoryItems {
  public:
    int Changes = 0;

  protected:
    void ListChanged() override { ++Changes; }
};

class RegisteredRepositoryItemsTest : public EditorsTest {
  protected:
    TcxEditRepositoryItem* NewItem() { return repository->CreateItem(TcxEditRepositoryItem::StaticClass()); }
    std::unique_ptr<TcxEditRepository> repository = std::make_unique<TcxEditRepository>(nullptr);
    TCountingRegistry registry;
};

TEST_F(RegisteredRepositoryItemsTest, EntriesKeepDescendingOrderAndTheFirstItemOfAKey) {
    TcxEditRepositoryItem* ten = NewItem();
    TcxEditRepositoryItem* thirty = NewItem();
    TcxEditRepositoryItem* twenty = NewItem();
    registry.AddRepositoryItem(10, -1, ten);
    registry.AddRepositoryItem(30, -1, thirty);
    registry.AddRepositoryItem(20, -1, twenty);
    ASSERT_EQ(registry.GetEntryCount(), 3);
    EXPECT_EQ(registry.Entries()[0].DataType, 30);
    EXPECT_EQ(registry.Entries()[1].DataType, 20);
    EXPECT_EQ(registry.Entries()[2].DataType, 10);
    EXPECT_EQ(registry.Changes, 3);

    // A second registration under an existing key changes nothing.
    TcxEditRepositoryItem* other = NewItem();
    registry.AddRepositoryItem(20, -1, other);
    EXPECT_EQ(registry.GetEntryCount(), 3);
    EXPECT_EQ(registry.GetRepositoryItem(20), twenty);
    EXPECT_EQ(registry.Changes, 3);
    // Another version of it is a second entry.
    registry.AddRepositoryItem(20, 5, other);
    EXPECT_EQ(registry.GetEntryCount(), 4);
    TcxEditRepositoryItem* found = registry.GetRepositoryItem(20);
    EXPECT_TRUE(found == twenty || found == other);
}

TEST_F(RegisteredRepositoryItemsTest, TheDefaultIsTheGreatestVersionAndAnswersUnknownTypes) {
    EXPECT_EQ(registry.GetRepositoryItem(7), nullptr);
    TcxEditRepositoryItem* one = NewItem();
    TcxEditRepositoryItem* three = NewItem();
    TcxEditRepositoryItem* typed = NewItem();
    registry.AddDefaultRepositoryItem(1, one);
    registry.AddDefaultRepositoryItem(3, three);
    registry.AddRepositoryItem(7, -1, typed);
    EXPECT_EQ(registry.GetDefaultRepositoryItem(), three);
    EXPECT_EQ(registry.GetRepositoryItem(7), typed);
    EXPECT_EQ(registry.GetRepositoryItem(8), three);
    // Data type 0 is the default entry's.
    EXPECT_EQ(registry.GetRepositoryItem(0), three);
    registry.RemoveDefaultRepositoryItem(3);
    EXPECT_EQ(registry.GetDefaultRepositoryItem(), one);
    registry.RemoveDefaultRepositoryItem(3); // absent: nothing
    EXPECT_EQ(registry.GetDefaultEntryCount(), 1);
}

TEST_F(RegisteredRepositoryItemsTest, RemovingComparesTheVersionExactlyOrAny) {
    TcxEditRepositoryItem* item = NewItem();
    registry.AddRepositoryItem(9, 2, item);
    registry.RemoveRepositoryItem(9, 3);
    EXPECT_EQ(registry.GetEntryCount(), 1);
    registry.RemoveRepositoryItem(9, cxAnyRepositoryItemVersion);
    EXPECT_EQ(registry.GetEntryCount(), 0);
}

TEST_F(RegisteredRepositoryItemsTest, ADestroyedItemLeavesEveryList) {
    TcxEditRepositoryItem* shared = NewItem();
    TcxEditRepositoryItem* fallback = NewItem();
    registry.AddDefaultRepositoryItem(5, shared);
    registry.AddDefaultRepositoryItem(1, fallback);
    registry.AddRepositoryItem(11, -1, shared);
    registry.AddRepositoryItem(12, -1, shared);
    delete shared;
    EXPECT_EQ(registry.GetEntryCount(), 0);
    EXPECT_EQ(registry.GetDefaultEntryCount(), 1);
    EXPECT_EQ(registry.GetRepositoryItem(11), fallback);
    delete fallback;
    EXPECT_EQ(registry.GetRepositoryItem(11), nullptr);
}

TEST_F(RegisteredRepositoryItemsTest, DeletingOneOfAnItemsEntriesKeepsListeningForTheOthers) {
    TcxEditRepositoryItem* item = NewItem();
    registry.AddRepositoryItem(21, -1, item);
    registry.AddRepositoryItem(22, -1, item);
    registry.RemoveRepositoryItem(21, -1);
    // A change of the item's settings still reaches the registry.
    const int before = registry.Changes;
    item->GetProperties()->SetReadOnly(true);
    EXPECT_EQ(registry.Changes, before + 1);
    // Destroyed, the item leaves the remaining entry (read afterwards, it would be freed memory).
    delete item;
    EXPECT_EQ(registry.GetEntryCount(), 0);
    EXPECT_EQ(registry.GetRepositoryItem(22), nullptr);
}

TEST_F(RegisteredRepositoryItemsTest, ADestroyedRegistryLeavesItsItemsAlive) {
    TcxEditRepositoryItem* item = NewItem();
    {
        TcxEditRegisteredRepositoryItems local;
        local.AddRepositoryItem(3, -1, item);
        local.AddDefaultRepositoryItem(-1, item);
    }
    // The item no longer knows the registry: changing and freeing it reaches no freed listener.
    item->GetProperties()->SetReadOnly(true);
    delete item;
}

} // namespace
} // namespace zorvy::test
