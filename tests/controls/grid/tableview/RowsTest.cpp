// The table view's rows: the class each data-controller row gets, the filter row's conditions,
// the group rows' texts and expansion keys, and the view data's special rows.
#include "controls/data/FilterOperators.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

class GridTableRows : public TableViewTest {
  protected:
    GridTableRows() {
        issue = AddColumn("Issue");
        red = AddColumn("Red");
        Fill({{"2026001", "abc"}, {"2026002", "abd"}, {"2026003", "xyz"}, {"2026004", "abc"}});
    }
    TcxGridFilterRow* ShowFilterRow() {
        view->GetFilterRow()->SetVisible(true);
        return view->GetViewData()->GetFilterRow();
    }
    TcxFilterCriteriaItem* Condition() const { return Data()->GetFilter().FindItemForLink(red); }
    TcxGridColumn* issue;
    TcxGridColumn* red;
};

TEST_F(GridTableRows, TheFilterRowTurnsTypedTextsIntoConditions) {
    TcxGridFilterRow* row = ShowFilterRow();
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(view->GetViewData()->FindRecordOfKind(rkFilter, 0), row);
    EXPECT_EQ(view->GetViewData()->RecordKindOf(row), rkFilter);
    EXPECT_EQ(row->GetRecordIndex(), -1);

    struct Case {
        const char* typed;
        TcxFilterOperatorCode expected;
        int rowsLeft;
    } cases[] = {{"ab%", ocLike, 3}, {"abc", ocEqual, 2}, {"x_z", ocLike, 1}};
    for (const Case& c : cases) {
        row->SetValue(red->GetIndex(), Variant(std::string(c.typed)));
        ASSERT_NE(Condition(), nullptr) << c.typed;
        EXPECT_EQ(Condition()->GetOperatorKind(), c.expected) << c.typed;
        EXPECT_EQ(Data()->GetFilter().GetRoot()->GetCount(), 1) << "one condition replaces the column's others";
        EXPECT_TRUE(Data()->GetFilter().GetActive());
        EXPECT_EQ(Data()->GetRowCount(), c.rowsLeft) << c.typed;
        EXPECT_EQ(row->GetDisplayText(red->GetIndex()), c.typed);
    }
    row->SetValue(red->GetIndex(), Variant(std::string()));
    EXPECT_EQ(Condition(), nullptr);
    EXPECT_EQ(Data()->GetRowCount(), 4);
}

TEST_F(GridTableRows, TheFilterRowShowsNoConditionOfAnotherOperator) {
    TcxGridFilterRow* row = ShowFilterRow();
    Data()->GetFilter().AddItem(nullptr, red, ocGreater, Variant(std::string("abc")), "abc");
    EXPECT_EQ(row->GetDisplayText(red->GetIndex()), "");
    EXPECT_TRUE(row->GetValue(red->GetIndex()).IsNull());
    EXPECT_TRUE(row->IsOperatorSupported(ocEqual, Variant(int32_t(3))));
    EXPECT_TRUE(row->IsOperatorSupported(ocLike, Variant(std::string("a"))));
    EXPECT_FALSE(row->IsOperatorSupported(ocLike, Variant(int32_t(3))));
    EXPECT_EQ(row->GetOperatorForValue(Variant(int32_t(3)), true), ocEqual);
}

TEST_F(GridTableRows, HidingTheFilterRowFreesIt) {
    ShowFilterRow();
    view->GetFilterRow()->SetVisible(false);
    EXPECT_EQ(view->GetViewData()->GetFilterRow(), nullptr);
    EXPECT_EQ(view->GetViewData()->FindRecordOfKind(rkFilter, 0), nullptr);
}

TEST_F(GridTableRows, EscapeLeavesTheFilterRow) {
    TcxGridFilterRow* row = ShowFilterRow();
    std::uint16_t key = VK_ESCAPE;
    row->KeyDown(key, 0);
    EXPECT_EQ(key, 0) << "the key is consumed";
}

TEST_F(GridTableRows, RowsGetTheClassOfWhatTheyShow) {
    EXPECT_EQ(view->GetViewData()->GetRecord(0)->ClassType(), TcxGridDataRow::StaticClass());
    red->SetGroupIndex(0);
    EXPECT_EQ(view->GetViewData()->GetRecord(0)->ClassType(), TcxGridGroupRow::StaticClass());
    view->GetNewItemRow()->SetVisible(true);
    ASSERT_NE(view->GetViewData()->GetNewItemRecord(), nullptr);
    EXPECT_EQ(view->GetViewData()->GetNewItemRecord()->ClassType(), TcxGridNewItemRow::StaticClass());
    auto* newItemRow = static_cast<TcxCustomGridRow*>(view->GetViewData()->GetNewItemRecord());
    EXPECT_TRUE(newItemRow->IsNewItemRow());
    EXPECT_FALSE(newItemRow->IsPlainDataRow());
}

TEST_F(GridTableRows, AGroupRowShowsCaptionValueAndSummary) {
    red->SetGroupIndex(0);
    auto* row = dynamic_cast<TcxGridGroupRow*>(view->GetViewData()->GetRecord(0));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->GetGroupedColumn(), red);
    EXPECT_EQ(row->GetGroupCaptionText(), "Red : abc");
    EXPECT_EQ(row->GetGroupText(), "Red : abc") << "no summary: no trailing blank";

    red->SetAlternateCaption("Red balls");
    red->GetSummary()->SetGroupKind(skCount);
    EXPECT_EQ(red->GetSummary()->GetGroupKind(), skCount);
    row = static_cast<TcxGridGroupRow*>(view->GetViewData()->GetRecord(0));
    EXPECT_EQ(row->GetGroupText(), "Red balls : abc (COUNT=2)");
}

TEST_F(GridTableRows, GroupRowsExpandByKeysUnlessAlwaysExpanded) {
    red->SetGroupIndex(0);
    auto* row = static_cast<TcxGridGroupRow*>(view->GetViewData()->GetRecord(0));
    ASSERT_FALSE(row->GetExpanded());
    std::uint16_t key = VK_RIGHT;
    row->KeyDown(key, 0);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Data()->GetRowCount(), 3 + 2) << "three groups and the two rows of the first";
    row = static_cast<TcxGridGroupRow*>(view->GetViewData()->GetRecord(0));
    key = VK_LEFT;
    row->KeyDown(key, 0);
    EXPECT_EQ(Data()->GetRowCount(), 3);

    Data()->SetOptions(Data()->GetOptions() | dcoGroupsAlwaysExpanded);
    row = static_cast<TcxGridGroupRow*>(view->GetViewData()->GetRecord(0));
    const int rows = Data()->GetRowCount();
    for (std::uint16_t pressed : {VK_LEFT, VK_RIGHT, VK_MULTIPLY}) {
        key = pressed;
        row->KeyDown(key, 0);
        EXPECT_EQ(key, pressed) << "not consumed";
        EXPECT_EQ(Data()->GetRowCount(), rows);
    }
}

TEST_F(GridTableRows, TheColumnAddsTheWildcardWhenFilteringAtOnce) {
    ShowFilterRow();
    view->GetFilterRow()->SetApplyChanges(fracImmediately);
    ASSERT_TRUE(red->SupportsLikeFiltering()) << "a text column";
    red->SetFilterRowEditValue(Variant(std::string("ab")));
    ASSERT_NE(Condition(), nullptr);
    EXPECT_EQ(Condition()->GetValue().AsString(), "ab%");
    EXPECT_EQ(Condition()->GetOperatorKind(), ocLike);
    EXPECT_EQ(red->GetFilterRowEditValue().AsString(), "ab") << "the editor shows the text as typed";
    red->SetFilterRowEditValue(Variant(std::string("ab%")));
    EXPECT_EQ(Condition()->GetValue().AsString(), "ab%") << "not doubled";
    view->GetFilterRow()->SetApplyChanges(fracOnCellExit);
    red->SetFilterRowEditValue(Variant(std::string("ab")));
    EXPECT_EQ(Condition()->GetOperatorKind(), ocEqual) << "applied on leaving the cell: as typed";
}

} // namespace
} // namespace zorvy::test
