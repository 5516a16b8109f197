// The items of a table view: indexes, IDs, widths, visibility and focus, and the batch that
// compacts stored grouping levels.
#include "platform/rtl/StringList.h"
#include "tests/controls/grid/table/TableFixture.h"

namespace zorvy::test {
namespace {

using TableItems = TableTest;

std::vector<int> IDsInOrder(const TcxCustomGridTableView* view) {
    std::vector<int> ids;
    for (int i = 0; i < view->GetItemCount(); ++i) ids.push_back(view->GetItem(i)->GetID());
    return ids;
}

TEST_F(TableItems, ChangeItemIndexClampsAndKeepsIDs) {
    auto* a = view->AddTestItem("A");
    auto* b = view->AddTestItem("B");
    auto* c = view->AddTestItem("C");
    EXPECT_EQ(IDsInOrder(view), (std::vector<int>{0, 1, 2}));

    c->SetIndex(-5);
    EXPECT_EQ(IDsInOrder(view), (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(c->GetIndex(), 0);
    a->SetIndex(99);
    EXPECT_EQ(IDsInOrder(view), (std::vector<int>{2, 1, 0}));
    for (int i = 0; i < view->GetItemCount(); ++i) EXPECT_EQ(view->GetItem(i)->GetIndex(), i);
    // The data controller's fields follow the items.
    EXPECT_EQ(Data()->GetItem(0), c);
    EXPECT_EQ(Data()->GetItem(2), a);
    EXPECT_EQ(view->GetVisibleItem(0), c) << "the visible list follows the item order";
    (void)b;
}

TEST_F(TableItems, OnlyTheHighestIDComesBack) {
    view->AddTestItem();
    auto* second = view->AddTestItem();
    auto* third = view->AddTestItem();
    delete third;
    EXPECT_EQ(view->AddTestItem()->GetID(), 2) << "the last ID given out is reused";
    delete view->GetItem(0);
    EXPECT_EQ(view->AddTestItem()->GetID(), 3) << "a lower ID is never given twice";
    EXPECT_EQ(view->FindItemByID(1), second);
    EXPECT_EQ(view->FindItemByID(0), nullptr);
}

TEST_F(TableItems, WidthsAndMinimumWidths) {
    auto* item = view->AddTestItem();
    EXPECT_EQ(item->GetWidth(), 64) << "an unassigned width is the binding's default";
    item->SetWidth(64);
    EXPECT_FALSE(item->IsWidthAssigned()) << "an unchanged width does nothing";
    item->SetWidth(10);
    EXPECT_EQ(item->GetWidth(), 20) << "raised to MinWidth";
    item->SetMinWidth(-3);
    EXPECT_EQ(item->GetMinWidth(), 0);
    item->SetWidth(10);
    EXPECT_EQ(item->GetWidth(), 10);
    item->SetMinWidth(30);
    EXPECT_EQ(item->GetWidth(), 30) << "a width below the new minimum follows it";
    item->ResetToDefaults();
    EXPECT_EQ(item->GetWidth(), 64);
}

TEST_F(TableItems, CaptionsAndTheirDefaults) {
    auto* item = view->AddTestItem();
    EXPECT_EQ(item->GetCaption(), "");
    EXPECT_FALSE(item->IsCaptionAssigned());
    item->SetCaption("");
    EXPECT_FALSE(item->IsCaptionAssigned()) << "the same text as the default changes nothing";
    item->SetCaption("Red");
    EXPECT_EQ(item->GetAlternateCaptionText(), "Red");
    item->SetCaption("");
    EXPECT_TRUE(item->IsCaptionAssigned()) << "an empty caption stays assigned";
    EXPECT_EQ(item->GetCaption(), "");
    item->SetAlternateCaption("R");
    EXPECT_EQ(item->GetAlternateCaptionText(), "R");
}

TEST_F(TableItems, TheOnlyVisibleItemCannotBeHidden) {
    auto* a = view->AddTestItem();
    auto* b = view->AddTestItem();
    EXPECT_TRUE(a->CanHide());
    b->SetVisible(false);
    EXPECT_EQ(view->GetVisibleItemCount(), 1);
    EXPECT_EQ(b->GetVisibleIndex(), -1);
    EXPECT_FALSE(a->CanHide());
    view->GetOptionsCustomize()->SetColumnMoving(false);
    b->SetVisible(true);
    EXPECT_FALSE(a->CanHide()) << "an item that cannot move cannot be hidden either";
}

TEST_F(TableItems, FocusFollowsVisibility) {
    auto* a = view->AddTestItem();
    EXPECT_EQ(view->GetController()->GetFocusedItem(), a) << "the first shown item takes the focus";
    auto* b = view->AddTestItem();
    auto* c = view->AddTestItem();
    std::vector<std::pair<TcxCustomGridTableItem*, TcxCustomGridTableItem*>> changes;
    view->OnFocusedItemChanged = [&](TcxCustomGridTableView*, TcxCustomGridTableItem* prev,
                                     TcxCustomGridTableItem* focused) { changes.emplace_back(prev, focused); };
    b->SetFocused(true);
    b->SetVisible(false);
    EXPECT_EQ(view->GetController()->GetFocusedItem(), c) << "the next focusable visible item";
    c->GetOptions()->SetFocusing(false);
    EXPECT_EQ(view->GetController()->GetFocusedItem(), nullptr) << "none after c can take it";
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[1], std::make_pair(static_cast<TcxCustomGridTableItem*>(b), static_cast<TcxCustomGridTableItem*>(c)));
    (void)a;
}

TEST_F(TableItems, AssignmentBatchCompactsGroupingLevels) {
    auto* a = view->AddTestItem();
    auto* b = view->AddTestItem();
    auto* c = view->AddTestItem();
    view->BeginAssignItems();
    c->SetGroupIndex(3);
    a->SetGroupIndex(7);
    EXPECT_EQ(c->GetGroupIndex(), -1) << "nothing acts during the batch";
    view->EndAssignItems();
    EXPECT_EQ(c->GetGroupIndex(), 0);
    EXPECT_EQ(a->GetGroupIndex(), 1);
    EXPECT_EQ(view->GetGroupedItem(0), c);
    EXPECT_FALSE(c->GetWasVisibleBeforeGrouping()) << "grouped after the batch: not recorded";

    // Grouped outside a batch while hidden.
    b->SetVisible(false);
    b->SetGroupIndex(2);
    EXPECT_FALSE(b->GetWasVisibleBeforeGrouping());
}

TEST_F(TableItems, StoredNamesFindItemsByIDOrName) {
    auto* a = view->AddTestItem();
    a->SetName("colRed");
    auto* b = view->AddTestItem();
    EXPECT_EQ(view->FindItemByStoredName("colRed"), a);
    view->SetStoringName("layout");
    EXPECT_EQ(b->GetStoredObjectName(), "1");
    EXPECT_EQ(view->FindItemByStoredName("1"), b);
    for (const char* name : {"", "colRed", "1x", "99999999999999999999"})
        EXPECT_EQ(view->FindItemByStoredName(name), nullptr) << name;
}

TEST_F(TableItems, ItemLayoutRoundTrip) {
    auto* a = view->AddTestItem();
    auto* b = view->AddTestItem();
    TStringList names;
    a->GetStoredProperties(&names);
    EXPECT_EQ(names.GetCount(), 6);
    EXPECT_EQ(names.Get(0), "AlignmentHorz");
    a->SetStoredPropertyValue("Index", Variant(int32_t(1)));
    EXPECT_EQ(view->GetItem(1), a);
    b->SetStoredPropertyValue("Visible", Variant(false));
    EXPECT_FALSE(b->GetVisible());
    Variant value;
    a->GetStoredPropertyValue("Index", value);
    EXPECT_EQ(value.AsInteger(), 1);
}

TEST_F(TableItems, AnItemWithoutPropertiesUsesThePlainTextEditor) {
    auto* item = view->AddTestItem();
    ASSERT_NE(item->GetPropertiesValue(), nullptr);
    EXPECT_EQ(item->GetPropertiesValue()->ClassName(), "TcxTextEditProperties");
    // An own alignment: the item stops sharing the default properties first.
    auto* other = view->AddTestItem();
    item->SetStoredPropertyValue("AlignmentHorz", Variant(int32_t(taRightJustify)));
    ASSERT_NE(item->GetProperties(), nullptr);
    EXPECT_EQ(item->GetPropertiesValue(), item->GetProperties());
    EXPECT_EQ(item->GetProperties()->GetAlignment()->GetHorz(), taRightJustify);
    EXPECT_NE(other->GetPropertiesValue()->GetAlignment()->GetHorz(), taRightJustify);
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

TEST_F(TableItems, AssigningAViewMatchesItemsByID) {
    auto* a = view->AddTestItem("A");
    auto* b = view->AddTestItem("B");
    a->SetWidth(90);
    b->SetVisible(false);
    view->GetOptionsBehavior()->SetCellHints(true);

    auto* copy = static_cast<TTestTableView*>(
        TcxControlChildComponent::CreateForControl(TTestTableView::StaticClass(), grid, true));
    auto* own = copy->AddTestItem("own");
    copy->AddTestItem();
    copy->AddTestItem();
    copy->Assign(view);
    ASSERT_EQ(copy->GetItemCount(), 2) << "items beyond the source's go";
    EXPECT_EQ(copy->GetItem(0), own) << "the item of ID 0 is kept";
    EXPECT_EQ(copy->GetItem(0)->GetCaption(), "A");
    EXPECT_EQ(copy->GetItem(0)->GetWidth(), 90);
    EXPECT_EQ(copy->GetItem(1)->GetCaption(), "B");
    EXPECT_FALSE(copy->GetItem(1)->GetVisible());
    EXPECT_EQ(copy->GetNextID(), view->GetNextID());
    EXPECT_TRUE(copy->GetOptionsBehavior()->GetCellHints());
    delete copy;
}

} // namespace
} // namespace zorvy::test
