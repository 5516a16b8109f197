#include "controls/data/DataController.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

using namespace zorvy;

namespace {

class Probe : public TObject {
  public:
    explicit Probe(int& alive) : alive_(alive) { ++alive_; }
    ~Probe() override { --alive_; }

  private:
    int& alive_;
};

} // namespace

TEST(DataRelations, DetailObjectsLiveInAnInternalFieldOfTheMasterRecords) {
    TcxDataController master(nullptr);
    TObject level1, level2, item;
    master.AddItem(&item)->ChangeValueType(&cxIntegerValueType);
    master.SetRecordCount(3);
    TcxCustomDataRelationList& relations = master.GetRelations();
    TcxCustomDataRelation* first = relations.Add(&level1);
    TcxCustomDataRelation* second = relations.Add(&level2);
    ASSERT_NE(relations.GetDetailObjectField(), nullptr);
    EXPECT_TRUE(relations.GetDetailObjectField()->IsInternal());
    EXPECT_EQ(master.GetItemCount(), 1) << "the detail-object field is no item";
    EXPECT_EQ(second->GetIndex(), 1);
    EXPECT_EQ(relations.FindByItem(&level2), second);

    // No detail controller anywhere: no detail object.
    EXPECT_EQ(relations.GetDetailObject(1), nullptr);
    TcxDataController detail(nullptr);
    second->DetailDataController = &detail;
    TcxDetailObject* object = relations.GetDetailObject(1);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->ActiveRelationIndex, 1) << "moved to the relation that has a detail controller";
    EXPECT_EQ(object->GetLinkObjectCount(), 2);
    EXPECT_EQ(relations.GetDetailObject(1), object) << "kept in the record";
    int alive = 0;
    object->SetLinkObject(1, std::make_unique<Probe>(alive));
    EXPECT_TRUE(relations.HasDetailLinks(1, -1));
    EXPECT_TRUE(relations.HasDetailLinks(1, 1));
    EXPECT_FALSE(relations.HasDetailLinks(1, 0));
    EXPECT_FALSE(relations.HasDetailLinks(0, -1));
    EXPECT_EQ(alive, 1);
    // Without a detail controller the record's detail object is discarded with its links.
    second->DetailDataController = nullptr;
    EXPECT_EQ(relations.GetDetailObject(1), nullptr);
    EXPECT_EQ(relations.GetStoredDetailObject(1), nullptr);
    EXPECT_EQ(alive, 0);
    EXPECT_THROW(relations.GetDetailObject(3), EcxInvalidDataControllerOperation);

    // Deleting a record frees its detail object; removing every relation drops the field.
    first->DetailDataController = &detail;
    relations.GetDetailObject(2)->SetLinkObject(0, std::make_unique<Probe>(alive));
    master.DeleteRecord(2);
    EXPECT_EQ(alive, 0);
    relations.GetDetailObject(0)->SetLinkObject(0, std::make_unique<Probe>(alive));
    relations.Clear();
    EXPECT_EQ(relations.GetDetailObjectField(), nullptr);
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(master.GetFields().GetCount(), 1);
}

TEST(DataRelations, ItemsByNameAndFieldListValues) {
    TComponent owner(nullptr);
    auto* price = new TComponent(&owner);
    price->SetName("Price");
    TObject plain;
    TcxDataController controller(&owner);
    TcxCustomDataField* a = controller.AddItem(price);
    TcxCustomDataField* b = controller.AddItem(&plain);
    a->ChangeValueType(&cxIntegerValueType);
    b->ChangeValueType(&cxStringValueType);
    EXPECT_EQ(controller.FindItemByName("PRICE"), price);
    EXPECT_EQ(controller.FindItemByName(""), &plain) << "an item that is no component has the empty name";
    EXPECT_EQ(controller.FindItemByID(-1), price);
    int r = controller.AppendRecord();
    controller.SetValue(r, 0, 5);
    controller.SetValue(r, 1, "x");
    EXPECT_TRUE(controller.GetFieldListValues(r, {}).IsNull());
    EXPECT_EQ(controller.GetFieldListValues(r, {a}).AsInteger(), 5);
    Variant both = controller.GetFieldListValues(r, {a, b});
    ASSERT_TRUE(both.IsArray());
    EXPECT_EQ(both[1].RawString(), "x");
    EXPECT_TRUE(controller.GetRecordId(r).IsNull());
}

TEST(DataRelations, DataChangedWaitsForTheOwnerToLoad) {
    TComponent owner(nullptr);
    TcxDataController controller(&owner);
    int changed = 0, sorted = 0;
    controller.OnDataChanged = [&](TObject*) { ++changed; };
    controller.OnSortingChanged = [&](TObject*) { ++sorted; };
    TObject item;
    controller.AddItem(&item)->ChangeValueType(&cxIntegerValueType);
    owner.SetComponentStateFlag(csLoading, true);
    controller.AppendRecord();
    controller.SetItemSortOrder(0, soAscending);
    EXPECT_EQ(changed, 0);
    owner.SetComponentStateFlag(csLoading, false);
    controller.Loaded();
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(sorted, 0) << "sorting notices are not fired while loading";
    // Assigning copies options and handlers.
    TcxDataController other(nullptr);
    other.SetOptions(dcoCaseInsensitive);
    controller.Assign(&other);
    EXPECT_EQ(controller.GetOptions(), static_cast<TcxDataControllerOptions>(dcoCaseInsensitive));
    EXPECT_FALSE(controller.OnDataChanged);
}
