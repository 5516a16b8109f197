// A table view as a navigator moves through it and as the filter control lists it: the buttons'
// actions, the filterable items, and the filter dialogs the filter button opens.
#include "controls/data/DataFilter.h"
#include "controls/grid/filtercontrol/FilterControl.h"
#include "controls/grid/filtercontrol/FilterControlRows.h"
#include "controls/grid/navigator/Navigator.h"
#include "platform/classlib/Forms.h"
#include "tests/controls/grid/table/ControllerFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class TableViewLinks : public TableControllerTest {
  protected:
    TableViewLinks() {
        first = AddTextItem("text");
        second = AddTextItem("other");
    }
    int Focused() const { return Data()->GetFocusedRowIndex(); }
    TTestTableItem* first;
    TTestTableItem* second;
};

TEST_F(TableViewLinks, NavigatorButtonsWalkPageMarkAndEditTheRecords) {
    FillRows(30);
    LayOut();
    IcxNavigator* navigator = view;
    struct Step {
        int button;
        int focused;
    };
    // From the first record: the page buttons go to the page's end, then a page further.
    const Step steps[] = {{NBDI_LAST, 29}, {NBDI_FIRST, 0},     {NBDI_NEXT, 1},     {NBDI_PRIOR, 0},
                          {NBDI_NEXTPAGE, 19}, {NBDI_NEXTPAGE, 29}, {NBDI_PRIORPAGE, 10}};
    for (const Step& step : steps) {
        navigator->DoAction(step.button);
        LayOut();
        EXPECT_EQ(Focused(), step.focused) << "button " << step.button;
    }
    EXPECT_FALSE(navigator->IsBookmarkAvailable());
    navigator->DoAction(NBDI_SAVEBOOKMARK);
    EXPECT_TRUE(navigator->IsBookmarkAvailable());
    navigator->DoAction(NBDI_FIRST);
    EXPECT_TRUE(navigator->IsBof());
    navigator->DoAction(NBDI_GOTOBOOKMARK);
    EXPECT_EQ(Focused(), 10);
    navigator->ClearBookmark();
    EXPECT_FALSE(navigator->IsBookmarkAvailable());
    navigator->DoAction(NBDI_LAST);
    EXPECT_TRUE(navigator->IsEof());

    navigator->DoAction(NBDI_APPEND);
    EXPECT_TRUE(navigator->IsEditing());
    navigator->DoAction(NBDI_CANCEL);
    EXPECT_FALSE(navigator->IsEditing());
    EXPECT_EQ(Data()->GetRecordCount(), 30);
    navigator->DoAction(99);
    EXPECT_EQ(Focused(), 29) << "an unknown button does nothing";
}

TEST_F(TableViewLinks, TheFilterControlListsTheFilterableItemsAndAppliesIntoTheViewsFilter) {
    second->SetAlternateCaption("second");
    second->SetName("ItemOther");
    IcxFilterControl* link = view;
    ASSERT_EQ(link->GetCount(), 2);
    EXPECT_EQ(link->GetCaption(0), "text");
    EXPECT_EQ(link->GetCaption(1), "second") << "the alternate caption comes first";
    EXPECT_EQ(link->GetItemLink(1), second);
    EXPECT_EQ(link->GetItemLinkName(1), "ItemOther");
    EXPECT_EQ(link->GetCriteria(), &Data()->GetFilter());

    FillRows(5);
    auto* control = new TcxFilterControl(form);
    control->SetLinkComponent(view);
    control->AddCondition(nullptr);
    auto* condition = static_cast<TcxConditionViewInfo*>(control->GetRow(1));
    condition->SetItemIndex(0);
    condition->Operator = fcoEqual;
    condition->AdjustValues(false);
    condition->GetValues()->GetValue(0)->Value = Variant(std::string("r3"));
    condition->GetValues()->GetValue(0)->ValueText = "r3";
    control->ApplyFilter();
    Data()->GetFilter().SetActive(true);
    EXPECT_EQ(Data()->GetRowCount(), 1);
    EXPECT_EQ(Data()->GetFilteredIndexByRecordIndex(3), 0);
}

TEST_F(TableViewLinks, TheFilterButtonAsksTheViewFirstThenOpensTheFilterBuilder) {
    std::vector<std::string> calls;
    view->OnFilterDialogShow = [&](TcxCustomGridTableView*, TcxCustomGridTableItem* item, bool&) {
        calls.push_back(item ? "show item" : "show all");
    };
    view->OnFilterCustomization = [&](TcxCustomGridTableView*, bool& done) {
        calls.push_back("customization");
        done = true;
    };
    view->DoAction(NBDI_FILTER);
    EXPECT_EQ(calls, (std::vector<std::string>{"show all", "customization"}));

    view->OnFilterCustomization = nullptr;
    std::string caption;
    Soon([&] {
        if (TCustomForm* box = Screen->GetActiveForm()) caption = box->GetCaption();
        display.PressKey(VK_ESCAPE);
    });
    view->DoAction(NBDI_FILTER);
    EXPECT_EQ(caption.rfind("Filter builder", 0), 0u) << caption;
    EXPECT_TRUE(Data()->GetFilter().IsEmpty()) << "a cancelled builder changes nothing";
}

TEST_F(TableViewLinks, ApplyingTheBuilderActivatesANonEmptyFilterAndRemembersIt) {
    FillRows(3);
    TcxCustomGridTableFiltering* filtering = view->GetFiltering();
    filtering->FilterControlDialogApply(nullptr);
    EXPECT_FALSE(Data()->GetFilter().GetActive()) << "an empty filter is not switched on";

    Data()->GetFilter().AddItem(nullptr, first, ocEqual, Variant(std::string("r1")), "r1");
    filtering->FilterControlDialogApply(nullptr);
    EXPECT_TRUE(Data()->GetFilter().GetActive());
    EXPECT_EQ(filtering->GetMRUItems()->GetCount(), 1);
    EXPECT_EQ(Data()->GetRowCount(), 1);
}

} // namespace
} // namespace zorvy::test
