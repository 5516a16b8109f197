// Keys kept across a reload reach into expanded details: the detail controller of an expanded
// master record keeps its own selection by its own keys.
#include "controls/data/DataController.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zorvy;

namespace {

// Records are identified by their Key item; a master record's detail holds keys key*10 + 1..3.
class KeyedController : public TcxDataController {
  public:
    struct Link : TObject {
        std::unique_ptr<KeyedController> Controller;
    };
    KeyedController() : TcxDataController(nullptr) { AddItem(&key_)->ChangeValueType(&cxIntegerValueType); }
    bool HasRecordKeys() const override { return true; }
    std::vector<TcxCustomDataField*> GetKeyFields() const override { return {GetItemField(0)}; }
    std::unique_ptr<TObject> CreateDetailLinkObject(TcxCustomDataRelation* relation, int recordIndex) override {
        auto link = std::make_unique<Link>();
        link->Controller = std::make_unique<KeyedController>();
        link->Controller->SetMasterRelation(relation, recordIndex);
        for (int k = 1; k <= 3; ++k)
            link->Controller->SetValue(link->Controller->AppendRecord(), 0, GetValue(recordIndex, 0).AsInteger() * 10 + k);
        return link;
    }
    TcxCustomDataController* GetDetailDataControllerByLinkObject(TObject* link) override {
        return static_cast<Link*>(link)->Controller.get();
    }

  private:
    TObject key_;
};

} // namespace

TEST(DetailKeys, AnExpandedDetailKeepsItsSelectionByItsOwnKeys) {
    KeyedController master, pattern;
    TObject level;
    for (int key : {1, 2, 3})
        master.SetValue(master.AppendRecord(), 0, key);
    pattern.SetRelationPattern(master.GetRelations().Add(&level));
    ASSERT_TRUE(master.ChangeDetailExpanding(1, true));
    TcxCustomDataController* detail = master.GetDetailDataController(1, 0);
    ASSERT_NE(detail, nullptr);
    detail->SetMultiSelect(true);
    detail->ChangeRowSelection(2, true); // key 23

    master.BeginKeepingKeys();
    // The detail's records come back in another order: key 23 is now record 0.
    detail->SetValue(0, 0, 23);
    detail->SetValue(2, 0, 21);
    master.EndKeepingKeys();

    EXPECT_TRUE(master.GetDetailExpanding(1));
    ASSERT_EQ(detail->GetSelectedCount(), 1);
    EXPECT_EQ(detail->GetSelection().GetItem(0).RecordIndex, 0) << "the selection followed key 23";
    EXPECT_TRUE(detail->IsRowSelected(detail->GetRowIndexByRecordIndex(0, false)));
}
