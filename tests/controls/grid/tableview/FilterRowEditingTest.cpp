// Typing into the filter row: the immediate filter at each keystroke and Escape back to the value
// held when the cell was entered; the filter applied when the cell is left otherwise.
#include "controls/data/DataController.h"
#include "controls/editors/framework/Edit.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "controls/grid/view/GridSite.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

class FilterRowEditing : public TableViewTest {
  protected:
    FilterRowEditing() {
        form->SetBounds(0, 0, 500, 300);
        grid->SetBounds(0, 0, 400, 250);
        name = AddColumn("Name");
        AddColumn("Other");
        Fill({{"abc", "1"}, {"abd", "2"}, {"b", "3"}, {"xy", "4"}});
        view->GetFilterRow()->SetVisible(true);
        form->Show();
        Pump();
        view->GetSite()->SetFocus();
        Pump();
    }
    TcxGridTableController* Controller() { return static_cast<TcxGridTableController*>(view->GetController()); }
    TcxCustomEdit* Edit() { return Controller()->GetEditingController()->GetEdit(); }
    // The filter row's cell of the name column, reached by keys from the first record.
    void EnterFilterCell() {
        Controller()->FocusRowIndex(0);
        Controller()->SetFocusedItem(name);
        display.PressKey(VK_UP);
        Pump();
        ASSERT_TRUE(Controller()->IsFilterRowFocused());
    }
    void Type(const std::string& text) {
        display.TypeText(text);
        Pump();
    }
    void Key(std::uint16_t key) {
        display.PressKey(key);
        Pump();
    }
    int Rows() { return Data()->GetRowCount(); }

    TcxGridColumn* name;
};

TEST_F(FilterRowEditing, TheImmediateFilterFiltersAtEveryKeystrokeAndEscapeUndoesTheTyping) {
    view->GetFilterRow()->SetApplyChanges(fracImmediately);
    EnterFilterCell();
    Type("a");
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Rows(), 2) << "abc and abd";
    EXPECT_TRUE(Controller()->IsFilterRowFocused());
    Type("b");
    EXPECT_EQ(Rows(), 2);
    Type("c");
    EXPECT_EQ(Rows(), 1);
    ASSERT_NE(Edit(), nullptr) << "the editor stays open while the data refilters";
    EXPECT_EQ(Edit()->GetCurrentValue(), Variant(std::string("abc")));

    Key(VK_ESCAPE);
    EXPECT_EQ(Rows(), 4) << "the cell held no value when it was entered";
    EXPECT_TRUE(Controller()->IsFilterRowFocused());
}

TEST_F(FilterRowEditing, EscapeRestoresAValueTheCellHeldWhenEntered) {
    view->GetFilterRow()->SetApplyChanges(fracImmediately);
    name->SetFilterRowEditValue(Variant(std::string("b")));
    ASSERT_EQ(Rows(), 1);
    EnterFilterCell();
    Key(VK_F2);
    ASSERT_NE(Edit(), nullptr);
    Key(VK_BACK);
    EXPECT_EQ(Rows(), 4) << "an empty cell filters nothing";
    Key(VK_ESCAPE);
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(name->GetFilterRowEditValue(), Variant(std::string("b")));
}

TEST_F(FilterRowEditing, OnCellExitTheFilterWaitsForEnterAndAReadOnlyColumnStillFilters) {
    view->GetFilterRow()->SetApplyChanges(fracOnCellExit);
    name->GetOptions()->SetEditing(false);
    EnterFilterCell();
    Type("xy");
    ASSERT_NE(Edit(), nullptr) << "a read-only column takes a filter value";
    EXPECT_EQ(Rows(), 4) << "nothing filters while typing";
    Key(VK_RETURN);
    EXPECT_EQ(Rows(), 1);
    EXPECT_TRUE(Controller()->IsFilterRowFocused());
    EXPECT_EQ(Data()->GetRecordCount(), 4) << "no record was written";
}

} // namespace
} // namespace zorvy::test
