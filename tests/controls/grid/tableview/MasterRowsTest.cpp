// Master rows: which relation's detail a row shows, and that reading it while the view lays itself
// out changes nothing.
#include "controls/data/DataRelations.h"
#include "controls/grid/table/DataBinding.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

#include <memory>

namespace zorvy::test {
namespace {

// The detail of a master record: a data controller of its own, with one record for the second
// relation and none for the first.
class TMasterDetailLink : public TObject {
  public:
    std::unique_ptr<TcxDataController> Controller = std::make_unique<TcxDataController>(nullptr);
};

class TMasterDataController : public TcxGridDataController {
  public:
    using TcxGridDataController::TcxGridDataController;
    std::unique_ptr<TObject> CreateDetailLinkObject(TcxCustomDataRelation* relation, int recordIndex) override {
        auto link = std::make_unique<TMasterDetailLink>();
        link->Controller->SetMasterRelation(relation, recordIndex);
        if (relation == GetRelations().GetItem(1)) link->Controller->SetRecordCount(1);
        return link;
    }
    TcxCustomDataController* GetDetailDataControllerByLinkObject(TObject* link) override {
        return static_cast<TMasterDetailLink*>(link)->Controller.get();
    }
};

// A table view whose view info runs a hook inside each layout pass.
class TMasterTableView : public TTestGridTableView {
    ZORVY_CLASS(TMasterTableView, TTestGridTableView)
  public:
    using TTestGridTableView::TTestGridTableView;
    TTestViewInfo* Info() const { return static_cast<TTestViewInfo*>(GetViewInfo()); }

  protected:
    const TMetaClass* GetViewInfoClass() const override { return TTestViewInfo::StaticClass(); }
    TcxDataControllerClass GetDataControllerClass() const override {
        return DataControllerClassOf<TMasterDataController>();
    }
};

class GridMasterRows : public GridTest {
  protected:
    GridMasterRows() {
        form = NewForm();
        grid = NewGrid(form);
        view = static_cast<TMasterTableView*>(
            TcxControlChildComponent::CreateForControl(TMasterTableView::StaticClass(), grid, true));
        TcxGridLevel* level = AddLevel(grid, nullptr, view);
        first = AddLevel(grid, level, NewView(grid));
        second = AddLevel(grid, level, NewView(grid));
        view->CreateColumn()->SetCaption("Issue");
        TcxCustomDataController* data = view->GetDataController();
        data->SetRecordCount(2);
        data->SetValue(0, 0, Variant(std::string("2026001")));
        data->SetValue(1, 0, Variant(std::string("2026002")));
    }
    TcxGridMasterDataRow* Row() const {
        return dynamic_cast<TcxGridMasterDataRow*>(view->GetViewData()->GetRecord(0));
    }
    int StoredIndex() const { return view->GetDataController()->GetActiveRelationIndex(0); }

    TForm* form;
    TcxGrid* grid;
    TMasterTableView* view;
    TcxGridLevel* first;
    TcxGridLevel* second;
};

TEST_F(GridMasterRows, AHiddenDetailLevelGivesWayToTheFirstVisibleOne) {
    ASSERT_TRUE(view->IsMaster());
    ASSERT_NE(Row(), nullptr) << "rows of a master view are master rows";
    EXPECT_EQ(Row()->GetDetailCount(), 2);
    ASSERT_EQ(StoredIndex(), 0);
    EXPECT_EQ(Row()->GetActiveDetailIndex(), 0);
    first->SetVisible(false);
    EXPECT_EQ(Row()->GetActiveDetailIndex(), 1);
    EXPECT_EQ(StoredIndex(), 1) << "read outside a layout pass, the new index is kept";
    EXPECT_EQ(Row()->GetActiveDetailLevel(), second);
}

TEST_F(GridMasterRows, ReadingTheActiveDetailDuringALayoutPassStoresNothing) {
    // The first relation has no rows and shows no tab when empty; the second has a row.
    first->GetOptions()->SetTabsForEmptyDetails(false);
    TcxCustomDataController* data = view->GetDataController();
    TcxCustomDataController* secondDetail = data->GetDetailDataController(0, 1);
    ASSERT_NE(secondDetail, nullptr);
    secondDetail->SetRecordCount(1);
    data->ChangeActiveRelationIndex(0, 0);
    ASSERT_EQ(StoredIndex(), 0);
    int readDuringPass = -2;
    int storedDuringPass = -2;
    view->Info()->DuringPass = [&] {
        readDuringPass = Row()->GetActiveDetailIndex();
        storedDuringPass = StoredIndex();
    };
    view->Info()->Recalculate();
    EXPECT_EQ(readDuringPass, 1) << "the layout sees the detail the row will show";
    EXPECT_EQ(storedDuringPass, 0) << "but the data is not changed under the pass";
    EXPECT_EQ(StoredIndex(), 0);
    view->Info()->DuringPass = nullptr;
    EXPECT_EQ(Row()->GetActiveDetailIndex(), 1);
    EXPECT_EQ(StoredIndex(), 1);
}

TEST_F(GridMasterRows, ChoosingAChildLevelMakesItTheActiveDetail) {
    Row()->ChildLevelChanged(second);
    EXPECT_EQ(StoredIndex(), 1);
    TcxGridLevel* stranger = AddLevel(grid, nullptr, nullptr);
    Row()->ChildLevelChanged(stranger);
    EXPECT_EQ(StoredIndex(), 1) << "a level of another parent changes nothing";
}

} // namespace
} // namespace zorvy::test
