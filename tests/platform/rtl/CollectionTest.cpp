#include "platform/rtl/Collection.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zorvy;

namespace {

class TBandItem : public TCollectionItem {
    ZORVY_CLASS(TBandItem, TCollectionItem)
  public:
    explicit TBandItem(TCollection* collection) : TCollectionItem(collection) {}
    void SetCaption(const std::string& caption) {
        caption_ = caption;
        Changed(false);
    }
    const std::string& Caption() const { return caption_; }
    void Assign(TPersistent* source) override {
        if (auto* band = dynamic_cast<TBandItem*>(source))
            caption_ = band->caption_;
        else
            TCollectionItem::Assign(source);
    }

  private:
    std::string caption_;
};

// Records the notices it gets.
class TBands : public TOwnedCollection {
    ZORVY_CLASS(TBands, TOwnedCollection)
  public:
    explicit TBands(TPersistent* owner) : TOwnedCollection(owner, TBandItem::StaticClass()) {}
    TBandItem* Band(int index) const { return static_cast<TBandItem*>(GetItem(index)); }
    std::vector<std::string> log;

  protected:
    void Update(TCollectionItem* item) override {
        log.push_back(item ? "item:" + static_cast<TBandItem*>(item)->Caption() : "all");
    }
    void Notify(TCollectionItem*, TCollectionNotification action) override {
        log.push_back(action == cnAdded ? "added" : action == cnExtracting ? "extracting" : "deleting");
    }
};

} // namespace

TEST(RtlCollections, ItemsJoinLeaveAndNotify) {
    TComponent owner(nullptr);
    TBands bands(&owner);
    EXPECT_EQ(bands.GetOwner(), &owner);
    auto* first = static_cast<TBandItem*>(bands.Add());
    EXPECT_EQ(first->ClassName(), "TBandItem");
    EXPECT_EQ(bands.log, (std::vector<std::string>{"added", "all"}));
    bands.log.clear();
    first->SetCaption("Red");
    EXPECT_EQ(bands.log, std::vector<std::string>{"item:Red"});

    auto* second = static_cast<TBandItem*>(bands.Add());
    second->SetCaption("Blue");
    auto* third = static_cast<TBandItem*>(bands.Insert(0));
    EXPECT_EQ(third->GetIndex(), 0);
    EXPECT_EQ(bands.GetCount(), 3);
    EXPECT_EQ(bands.FindItemID(1), second);
    EXPECT_EQ(bands.FindItemID(9), nullptr);

    bands.log.clear();
    bands.Delete(0);
    EXPECT_EQ(bands.log, (std::vector<std::string>{"deleting", "extracting", "all"}));
    bands.log.clear();
    delete first; // an item deleted directly leaves its collection
    EXPECT_EQ(bands.GetCount(), 1);
    EXPECT_EQ(bands.Band(0), second);
    EXPECT_EQ(bands.log, (std::vector<std::string>{"extracting", "all"}));
    EXPECT_THROW(bands.GetItem(1), EListError);
    EXPECT_EQ(second->GetCollection(), &bands);
}

TEST(RtlCollections, UpdatesAreHeldUntilTheLastEndUpdate) {
    TBands bands(nullptr);
    bands.BeginUpdate();
    bands.BeginUpdate();
    static_cast<TBandItem*>(bands.Add())->SetCaption("a");
    bands.Add();
    bands.EndUpdate();
    EXPECT_EQ(bands.log, (std::vector<std::string>{"added", "added"}));
    bands.EndUpdate();
    EXPECT_EQ(bands.log.back(), "all");
    bands.log.clear();
    bands.Band(1)->SetIndex(0);
    EXPECT_EQ(bands.Band(0)->Caption(), "");
    EXPECT_EQ(bands.log, std::vector<std::string>{"all"});

    TBands copy(nullptr);
    copy.Add();
    copy.Assign(&bands);
    EXPECT_EQ(copy.GetCount(), 2);
    EXPECT_EQ(copy.Band(1)->Caption(), "a");
    TComponent other(nullptr);
    EXPECT_THROW(copy.Assign(&other), EConvertError);
    bands.Clear();
    EXPECT_EQ(bands.GetCount(), 0);
}
