// The in-place editor of a table view: Escape and Enter in it, typed characters, and where it stands
// when its cell is cut by the view.
#include "controls/editors/framework/Edit.h"
#include "tests/controls/grid/table/ControllerFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

constexpr std::uint16_t EditEnter = 13, EditEscape = 27;

class EditingController : public TableControllerTest {
  protected:
    EditingController() {
        first = AddTextItem("first");
        second = AddTextItem("second");
        FillRows(3);
        FocusSite();
        Controller()->FocusRowIndex(0);
        Controller()->SetFocusedItem(first);
        LayOut();
    }
    TcxGridEditingController* Editing() const { return Controller()->GetEditingController(); }
    TcxCustomEdit* Edit() const { return Editing()->GetEdit(); }
    // A key typed into the open editor, as its key handler hands it on.
    std::uint16_t EditKey(std::uint16_t key, TShiftState shift = 0) {
        Editing()->HandleEditKeyDown(Edit(), key, shift);
        return key;
    }
    std::string Text(int row, int item) const { return Data()->GetDisplayText(row, item); }

    TTestTableItem* first;
    TTestTableItem* second;
};

TEST_F(EditingController, EditorStandsInsideTheFocusedCell) {
    first->SetEditing(true);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_TRUE(first->GetEditing());
    EXPECT_EQ(Edit()->GetParent(), Controller()->GetSite());
    Controller()->BeforePaint();
    EXPECT_EQ(Edit()->GetLeft(), 1);
    EXPECT_EQ(Edit()->GetTop(), 1);
    EXPECT_EQ(Edit()->GetWidth(), CellWidth - 2);
    EXPECT_EQ(Edit()->GetHeight(), RowHeight - 2);
    EXPECT_EQ(Edit()->GetEditValue(), Variant(std::string("r0")));
}

TEST_F(EditingController, EscapeClosesAndOnlyAModifiedEditorKeepsTheKey) {
    first->SetEditing(true);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(EditKey(EditEscape), EditEscape) << "an unmodified editor lets the controller see Escape";
    EXPECT_FALSE(Controller()->IsEditing());

    Editing()->ShowEditAndSendChar(first, U'x');
    ASSERT_NE(Edit(), nullptr);
    ASSERT_TRUE(Edit()->GetModified());
    EXPECT_EQ(EditKey(EditEscape), 0);
    EXPECT_FALSE(Controller()->IsEditing());
    EXPECT_EQ(Text(0, 0), "r0") << "the typed value is not written";
}

TEST_F(EditingController, EnterWithGoToNextCellPostsAndOpensTheNextCell) {
    view->GetOptionsBehavior()->SetGoToNextCellOnEnter(true);
    Editing()->ShowEditAndSendChar(first, U'x');
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(EditKey(EditEnter), 0);
    EXPECT_EQ(Text(0, 0), "x");
    EXPECT_EQ(Controller()->GetFocusedItem(), second);
    EXPECT_EQ(Controller()->GetEditingItem(), second);
    EXPECT_NE(Edit(), nullptr);
}

TEST_F(EditingController, TypedChineseTextReachesTheEditor) {
    char32_t ch = U'中';
    Controller()->KeyPress(ch);
    EXPECT_EQ(ch, 0u);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(EditKey(EditEnter), 0);
    EXPECT_EQ(Text(0, 0), "中");
}

TEST_F(EditingController, CutCellsGetNoEditorAndAnEditedCellCutLaterIsParked) {
    infos[0]->SetBounds(TRect{0, -4, 400, 6});
    first->SetEditing(true);
    EXPECT_FALSE(Controller()->IsEditing()) << "a partly visible cell opens no editor";
    EXPECT_EQ(Edit(), nullptr);

    LayOut();
    first->SetEditing(true);
    ASSERT_NE(Edit(), nullptr);
    infos[0]->SetBounds(TRect{0, -4, 400, 6});
    Controller()->LayoutChanged();
    EXPECT_EQ(Edit()->GetLeft(), 30000);
    EXPECT_TRUE(Controller()->IsEditing()) << "the editor keeps its value out of sight";
    LayOut();
    Controller()->ResetEditPlacement();
    Controller()->LayoutChanged();
    Controller()->BeforePaint();
    EXPECT_EQ(Edit()->GetLeft(), 1) << "it returns once the cell is whole again";
}

} // namespace
} // namespace zorvy::test
