#include "controls/data/DataController.h"

#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Stands in for a grid view: a master-detail level is a relation item; the link object of a
// master record's detail owns the clone view's controller, which holds the detail rows whose key
// equals the master record's key.
class ViewController : public TcxDataController {
  public:
    struct Link : TObject {
        std::unique_ptr<ViewController> Controller;
    };
    struct Shared {
        std::vector<std::pair<int, std::string>> DetailRows; // (master key, name)
        int Created = 0, Alive = 0, DiedAttached = 0; // clones that died still attached
        std::function<void(TcxCustomDataController* master)> OnCreating;
    };

    ViewController(Shared& shared, bool isMaster) : TcxDataController(nullptr), shared_(shared) {
        AddItem(&key_)->ChangeValueType(&cxIntegerValueType);
        if (!isMaster) AddItem(&name_)->ChangeValueType(&cxStringValueType);
        ++shared_.Alive;
    }
    ~ViewController() override {
        --shared_.Alive;
        if (GetDetailMode() == dcdmClone) ++shared_.DiedAttached;
    }

    std::unique_ptr<TObject> CreateDetailLinkObject(TcxCustomDataRelation* relation, int recordIndex) override {
        ++shared_.Created;
        auto link = std::make_unique<Link>();
        link->Controller = std::make_unique<ViewController>(shared_, false);
        ViewController& clone = *link->Controller;
        // The clone view copies its level's child levels.
        if (TcxCustomDataController* pattern = relation->DetailDataController; pattern && pattern->HasRelations())
            for (int i = 0; i < pattern->GetRelations().GetCount(); ++i)
                clone.GetRelations().Add(pattern->GetRelations().GetItem(i)->GetItem());
        clone.SetMasterRelation(relation, recordIndex);
        const int key = GetValue(recordIndex, 0).AsInteger();
        for (const auto& [rowKey, name] : shared_.DetailRows)
            if (rowKey == key) {
                int r = clone.AppendRecord();
                clone.SetValue(r, 0, rowKey);
                clone.SetValue(r, 1, name.c_str());
            }
        if (shared_.OnCreating) shared_.OnCreating(this);
        return link;
    }
    TcxCustomDataController* GetDetailDataControllerByLinkObject(TObject* link) override {
        return static_cast<Link*>(link)->Controller.get();
    }

  private:
    Shared& shared_;
    TObject key_, name_;
};

// A master of four records with keys 10, 20, 30, 40 and one detail level whose pattern is attached.
class MasterDetail : public ::testing::Test {
  protected:
    MasterDetail() {
        shared_.DetailRows = {{10, "a"}, {20, "b"}, {20, "c"}, {40, "d"}};
        for (int key : {10, 20, 30, 40})
            master_.SetValue(master_.AppendRecord(), 0, key);
        relation_ = master_.GetRelations().Add(&level_);
        pattern_.SetRelationPattern(relation_);
        master_.OnUpdateControl = [&](TcxUpdateControlInfo& info) {
            if (dynamic_cast<TcxLayoutChangedInfo*>(&info)) ++layoutNotices_;
        };
    }

    ViewController::Shared shared_;
    TObject level_;
    ViewController master_{shared_, true};
    ViewController pattern_{shared_, false};
    TcxCustomDataRelation* relation_ = nullptr;
    int layoutNotices_ = 0;
};

// Rows of a provider-mode master; the source tells whether a record's detail has rows.
class MasterSource : public TcxCustomRecordSource {
  public:
    std::list<int> Rows{1, 2, 3};
    int Asked = 0;
    void LoadRecordHandles() override {
        for (int& row : Rows)
            GetProvider()->StoreRecordHandle(&row);
    }
    void GetValue(TcxDataRecordHandle handle, TcxDataItemHandle, Variant& value) override {
        value = *static_cast<int*>(handle);
    }
    bool GetDetailHasChildren(int recordIndex, int) override {
        ++Asked;
        return recordIndex != 1;
    }
};

} // namespace

TEST_F(MasterDetail, RolesOfMasterPatternAndClone) {
    EXPECT_EQ(master_.GetDetailMode(), TcxCustomDataController::dcdmNone);
    EXPECT_EQ(pattern_.GetDetailMode(), TcxCustomDataController::dcdmPattern);
    EXPECT_TRUE(pattern_.IsPattern());
    EXPECT_EQ(relation_->DetailDataController, &pattern_);
    EXPECT_EQ(pattern_.GetMasterDataController(), &master_);
    EXPECT_EQ(pattern_.GetPatternDataController(), &pattern_);
    EXPECT_EQ(master_.GetPatternDataController(), &master_);

    TcxCustomDataController* clone = master_.GetDetailDataController(1, 0);
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->GetDetailMode(), TcxCustomDataController::dcdmClone);
    EXPECT_EQ(clone->GetMasterRecordIndex(), 1);
    EXPECT_EQ(clone->GetMasterRelation(), relation_);
    EXPECT_EQ(clone->GetRootDataController(), &master_);
    EXPECT_EQ(clone->GetPatternDataController(), &pattern_);
    EXPECT_EQ(clone->GetRecordCount(), 2) << "the rows of key 20";
    EXPECT_EQ(master_.GetDetailDataController(1, 0), clone) << "asked again, the same clone";
    EXPECT_EQ(shared_.Created, 1);

    // Leaving the relation keeps the pattern flag; without it the controller is plain.
    pattern_.SetMasterRelation(nullptr, -1);
    EXPECT_EQ(relation_->DetailDataController, nullptr);
    EXPECT_EQ(pattern_.GetDetailMode(), TcxCustomDataController::dcdmPattern);
    pattern_.SetIsPattern(false);
    EXPECT_EQ(pattern_.GetDetailMode(), TcxCustomDataController::dcdmNone);
    // With no relation that has a pattern, records have no detail state: asking discards it.
    EXPECT_TRUE(master_.IsDetailDataControllerExist(1, 0)) << "only looked at, never created or discarded";
    EXPECT_EQ(master_.GetActiveRelationIndex(1), -1);
    EXPECT_FALSE(master_.IsDetailDataControllerExist(1, 0));
    EXPECT_EQ(shared_.Alive, 2) << "the clone went with its record's detail state";
    EXPECT_FALSE(master_.ChangeDetailExpanding(0, true));
    EXPECT_EQ(master_.GetDetailDataController(0, 0), nullptr);
    EXPECT_THROW(master_.GetActiveRelationIndex(4), EcxInvalidDataControllerOperation);
}

TEST_F(MasterDetail, ExpandingCollapsingAndReexpandingKeepsTheClone) {
    std::vector<std::string> events;
    master_.OnDetailExpanding = [&](TcxCustomDataController*, int r, bool&) {
        events.push_back("expanding " + std::to_string(r));
    };
    master_.OnDetailExpanded = [&](TcxCustomDataController*, int r) { events.push_back("expanded " + std::to_string(r)); };
    master_.OnDetailCollapsing = [&](TcxCustomDataController*, int r, bool&) {
        events.push_back("collapsing " + std::to_string(r));
    };
    master_.OnDetailCollapsed = [&](TcxCustomDataController*, int r) {
        events.push_back("collapsed " + std::to_string(r));
    };

    EXPECT_TRUE(master_.ChangeDetailExpanding(1, true));
    EXPECT_TRUE(master_.GetDetailExpanding(1));
    EXPECT_EQ(layoutNotices_, 1);
    EXPECT_EQ(master_.GetActiveRelationIndex(1), 0);
    EXPECT_FALSE(master_.IsDetailDataControllerExist(1, 0)) << "the view creates the clone when it shows it";
    TcxCustomDataController* clone = master_.GetDetailDataController(1, 0);
    ASSERT_NE(clone, nullptr);
    EXPECT_TRUE(master_.IsDetailDataControllerExist(1, -1));
    EXPECT_TRUE(master_.ChangeDetailExpanding(1, true)) << "already expanded";
    EXPECT_EQ(events, (std::vector<std::string>{"expanding 1", "expanded 1"})) << "no events the second time";

    EXPECT_TRUE(master_.ChangeDetailExpanding(1, false));
    EXPECT_FALSE(master_.GetDetailExpanding(1));
    EXPECT_EQ(master_.GetDetailDataController(1, 0), clone) << "collapsing keeps the clone";
    EXPECT_TRUE(master_.ChangeDetailExpanding(1, true));
    EXPECT_EQ(master_.GetDetailDataController(1, 0), clone);
    EXPECT_EQ(clone->GetMasterRecordIndex(), 1);
    EXPECT_EQ(shared_.Created, 1);
    EXPECT_EQ(events.size(), 6u);
    EXPECT_EQ(events[2], "collapsing 1");
    EXPECT_EQ(events[3], "collapsed 1");

    // Collapsing every detail frees the clones; expanding again makes a new one for the record.
    EXPECT_EQ(shared_.Alive, 3);
    master_.CollapseDetails();
    EXPECT_EQ(shared_.Alive, 2);
    EXPECT_FALSE(master_.GetDetailExpanding(1));
    EXPECT_TRUE(master_.ChangeDetailExpanding(1, true));
    TcxCustomDataController* again = master_.GetDetailDataController(1, 0);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetMasterRecordIndex(), 1);
    EXPECT_EQ(again->GetValue(1, 1).RawString(), "c");
    EXPECT_EQ(shared_.Created, 2);

    // A handler may refuse.
    master_.OnDetailExpanding = [](TcxCustomDataController*, int, bool& allow) { allow = false; };
    EXPECT_FALSE(master_.ChangeDetailExpanding(2, true));
    EXPECT_FALSE(master_.GetDetailExpanding(2));
    EXPECT_THROW(master_.ChangeDetailExpanding(7, true), EcxInvalidDataControllerOperation);
}

TEST_F(MasterDetail, ClonesFollowTheirMasterRecords) {
    TcxCustomDataController* second = master_.GetDetailDataController(1, 0);
    TcxCustomDataController* fourth = master_.GetDetailDataController(3, 0);
    ASSERT_TRUE(second && fourth);

    master_.InsertRecord(0);
    EXPECT_EQ(second->GetMasterRecordIndex(), 2);
    EXPECT_EQ(fourth->GetMasterRecordIndex(), 4);
    EXPECT_EQ(master_.GetDetailDataController(2, 0), second) << "the detail state moved with its record";
    master_.DeleteRecord(0);
    EXPECT_EQ(second->GetMasterRecordIndex(), 1);
    EXPECT_EQ(fourth->GetMasterRecordIndex(), 3);

    // Deleting a master record frees its clone; the later ones move up.
    const int alive = shared_.Alive;
    master_.DeleteRecord(1);
    EXPECT_EQ(shared_.Alive, alive - 1);
    EXPECT_EQ(fourth->GetMasterRecordIndex(), 2);
    EXPECT_EQ(master_.GetDetailDataController(2, 0), fourth);
}

TEST_F(MasterDetail, WalkingRefreshingAndReleasingClones) {
    // A second level: the pattern of the first level has a relation with a pattern of its own.
    TObject level2;
    ViewController pattern2(shared_, false);
    pattern2.SetRelationPattern(pattern_.GetRelations().Add(&level2));
    ViewController& first = static_cast<ViewController&>(*master_.GetDetailDataController(0, 0));
    ViewController& second = static_cast<ViewController&>(*master_.GetDetailDataController(1, 0));
    TcxCustomDataController* nested = second.GetDetailDataController(1, 0);
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->GetPatternDataController(), &pattern2);
    EXPECT_EQ(nested->GetRootDataController(), &master_);
    EXPECT_EQ(second.GetActiveRelationIndex(0), 0) << "a clone's records take the state of its pattern's levels";

    std::vector<TcxCustomDataController*> visited;
    auto collect = [&](TcxCustomDataController* c) { visited.push_back(c); };
    master_.ForEachDetailController(relation_, collect);
    EXPECT_EQ(visited, (std::vector<TcxCustomDataController*>{&first, &second}));
    visited.clear();
    master_.ForEachDetailController(pattern2.GetMasterRelation(), collect);
    EXPECT_EQ(visited, (std::vector<TcxCustomDataController*>{nested}));

    // A pattern whose data changed drops every clone of its level, wherever it hangs.
    const int alive = shared_.Alive;
    pattern2.DetailDataChanged(nullptr);
    EXPECT_EQ(shared_.Alive, alive - 1);
    EXPECT_FALSE(second.IsDetailDataControllerExist(1, 0));
    pattern_.DetailDataChanged(nullptr);
    EXPECT_EQ(shared_.Alive, alive - 3);
    EXPECT_FALSE(master_.IsDetailDataControllerExist(0, -1));

    // Removing a relation releases its clones and its pattern before they go.
    ASSERT_NE(master_.GetDetailDataController(3, 0), nullptr);
    const int diedAttached = shared_.DiedAttached;
    delete relation_;
    EXPECT_EQ(pattern_.GetMasterRelation(), nullptr);
    EXPECT_EQ(shared_.Alive, alive - 3) << "the clone went with the master's detail state";
    EXPECT_EQ(shared_.DiedAttached, diedAttached) << "released before the relation went";
}

TEST_F(MasterDetail, ALinkWhoseRecordWentWhileItWasMadeIsDropped) {
    shared_.OnCreating = [](TcxCustomDataController* master) { master->DeleteRecord(3); };
    const int alive = shared_.Alive;
    EXPECT_EQ(master_.GetDetailDataController(3, 0), nullptr);
    EXPECT_EQ(shared_.Alive, alive);
    EXPECT_EQ(master_.GetRecordCount(), 3);
}

TEST_F(MasterDetail, ACloneReadsWhatItsPatternReads) {
    class Rows : public TcxCustomRecordSource {
      public:
        std::list<int> Values{5, 6};
        void LoadRecordHandles() override {
            for (int& value : Values)
                GetProvider()->StoreRecordHandle(&value);
        }
        void GetValue(TcxDataRecordHandle handle, TcxDataItemHandle, Variant& value) override {
            value = *static_cast<int*>(handle);
        }
    } source;
    pattern_.SetCustomDataSource(&source);
    EXPECT_EQ(pattern_.GetRecordCount(), 0) << "a pattern loads nothing";
    TcxCustomDataController* clone = master_.GetDetailDataController(2, 0); // key 30: no rows of its own
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->GetProvider().GetCustomDataSource(), &source);
    ASSERT_EQ(clone->GetRecordCount(), 2);
    EXPECT_EQ(clone->GetValue(1, 0).AsInteger(), 6);
    pattern_.SetCustomDataSource(nullptr);
}

TEST(MasterDetailChildren, AnsweredByTheCloneOrOnceByTheSource) {
    ViewController::Shared shared;
    ViewController master(shared, true), pattern(shared, false);
    MasterSource source;
    master.SetCustomDataSource(&source);
    TObject level;
    pattern.SetRelationPattern(master.GetRelations().Add(&level));
    int layouts = 0;
    master.OnUpdateControl = [&](TcxUpdateControlInfo& info) {
        if (dynamic_cast<TcxLayoutChangedInfo*>(&info)) ++layouts;
    };

    EXPECT_TRUE(master.GetDetailHasChildren(0, 0));
    EXPECT_FALSE(master.GetDetailHasChildren(1, 0));
    EXPECT_TRUE(master.GetDetailHasChildren(0, 0));
    EXPECT_EQ(source.Asked, 2) << "answers are kept";
    master.CheckDetailsHasChildren();
    EXPECT_EQ(layouts, 1) << "forgetting known answers relays the rows";
    EXPECT_TRUE(master.GetDetailHasChildren(0, 0));
    EXPECT_EQ(source.Asked, 3);

    // An existing clone counts its own records (no detail row has key 1).
    ASSERT_NE(master.GetDetailDataController(0, 0), nullptr);
    EXPECT_FALSE(master.GetDetailHasChildren(0, 0));
    EXPECT_EQ(source.Asked, 3);

    // A detail in provider mode whose records change has its master ask again.
    class DetailSource : public TcxCustomRecordSource {
      public:
        std::list<int> Rows;
        TcxDataRecordHandle AppendRecord() override { return &Rows.emplace_back(0); }
        void LoadRecordHandles() override {
            for (int& row : Rows)
                GetProvider()->StoreRecordHandle(&row);
        }
    } detailSource;
    TcxCustomDataController* clone = master.GetDetailDataController(2, 0);
    ASSERT_NE(clone, nullptr);
    clone->SetCustomDataSource(&detailSource);
    EXPECT_FALSE(master.GetDetailHasChildren(1, 0));
    const int asked = source.Asked;
    layouts = 0;
    clone->AppendRecord();
    EXPECT_EQ(layouts, 1);
    EXPECT_FALSE(master.GetDetailHasChildren(1, 0));
    EXPECT_EQ(source.Asked, asked + 1);
    EXPECT_TRUE(master.GetDetailHasChildren(2, 0)) << "the clone has a record now";

    // Outside provider mode, with no open external data, a record without clone has none.
    ViewController plain(shared, true);
    plain.AppendRecord();
    EXPECT_FALSE(plain.GetDetailHasChildren(0, 0));
}
