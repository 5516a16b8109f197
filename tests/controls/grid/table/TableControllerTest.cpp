// The table controller: paging and the top record index, the record walk, deleting with
// confirmation, Tab, Enter and Escape, selection by keys and clicks, and incremental search.
#include "tests/controls/grid/table/ControllerFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

constexpr std::uint16_t KTab = 9, KEnter = 13, KEscape = 27, KPageUp = 33, KPageDown = 34, KDelete = 46,
                        KBack = 8;

class TableController : public TableControllerTest {
  protected:
    TableController() { item = AddTextItem("text"); }
    // The text and caption of the message box that the action opens, answered with `answer`.
    std::pair<std::string, std::string> AnswerBox(std::uint16_t answer, const std::function<void()>& action) {
        std::pair<std::string, std::string> seen;
        Soon([&] {
            if (TCustomForm* box = Screen->GetActiveForm()) {
                seen.second = box->GetCaption();
                for (int i = 0; i < box->GetControlCount(); ++i)
                    if (box->GetControl(i)->GetCaption().find('?') != std::string::npos) seen.first = box->GetControl(i)->GetCaption();
            }
            display.PressKey(answer);
        });
        action();
        return seen;
    }
    TTestTableItem* item;
};

TEST_F(TableController, PageKeysGoToThePageEndThenScroll) {
    FillRows(100);
    Controller()->FocusRowIndex(5);
    LayOut();
    struct Step {
        std::uint16_t key;
        int focus, top;
    };
    const Step steps[] = {{KPageDown, 19, 0}, {KPageDown, 39, 20}, {KPageUp, 20, 20}, {KPageUp, 0, 0}};
    for (const Step& s : steps) {
        PressKey(s.key);
        EXPECT_EQ(Controller()->GetFocusedRowIndex(), s.focus) << s.key;
        EXPECT_EQ(Controller()->GetTopRecordIndex(), s.top) << s.key;
    }
    Controller()->FocusRowIndex(99);
    LayOut();
    EXPECT_EQ(Controller()->GetTopRecordIndex(), 80) << "the focused record was made visible";
    PressKey(KPageDown);
    EXPECT_EQ(Controller()->GetFocusedRowIndex(), 99);
    EXPECT_EQ(Controller()->GetTopRecordIndex(), 80);
}

TEST_F(TableController, TopRecordIndexShowsAFullLastPage) {
    FillRows(100);
    LayOut();
    const std::pair<int, int> cases[] = {{95, 80}, {-3, 0}, {50, 50}, {80, 80}, {1000, 80}};
    for (auto [asked, expected] : cases) {
        Controller()->SetTopRecordIndex(asked);
        EXPECT_EQ(Controller()->GetTopRecordIndex(), expected) << asked;
    }
    FillRows(0);
    infos.clear();
    Controller()->SetTopRecordIndex(3);
    EXPECT_EQ(Controller()->GetTopRecordIndex(), -1);
}

TEST_F(TableController, RecordWalkWrapsOnlyWhenCycling) {
    struct Case {
        int start;
        bool forward, cycle;
        int found; // -1: none
        bool wrapped;
    };
    const Case cases[] = {
        {-1, true, false, 0, false}, {-1, false, false, -1, false}, {-1, false, true, 4, false},
        {4, true, true, 0, true},    {4, true, false, -1, false},   {0, false, true, 4, true},
        {2, true, false, 3, false},
    };
    for (const Case& c : cases) {
        int index = -1;
        bool wrapped = false;
        const bool found = TcxCustomGridTableController::FindRecordIndex(
            c.start, 5, c.forward, c.cycle, [](int) { return true; }, index, wrapped);
        EXPECT_EQ(found ? index : -1, c.found) << c.start << c.forward << c.cycle;
        EXPECT_EQ(wrapped, c.wrapped) << c.start << c.forward << c.cycle;
    }
    int index = -1;
    bool wrapped = false;
    EXPECT_FALSE(TcxCustomGridTableController::FindRecordIndex(2, 5, true, true, [](int i) { return i == 2; }, index,
                                                               wrapped))
        << "the start itself is never found again";
    EXPECT_FALSE(TcxCustomGridTableController::FindRecordIndex(-1, 0, true, true, [](int) { return true; }, index,
                                                               wrapped));
}

TEST_F(TableController, DeleteAsksFirstAndCancelKeepsTheRecords) {
    FillRows(5);
    view->GetOptionsData()->SetDeletingConfirmation(true);
    Controller()->FocusRowIndex(1);
    auto [text, caption] = AnswerBox(VK_ESCAPE, [&] { PressKey(KDelete); });
    EXPECT_EQ(text, "Delete record?");
    EXPECT_EQ(caption, "Confirm");
    EXPECT_EQ(Data()->GetRowCount(), 5);
    AnswerBox(VK_RETURN, [&] { PressKey(KDelete); });
    EXPECT_EQ(Data()->GetRowCount(), 4);

    view->GetOptionsSelection()->SetMultiSelect(true);
    Data()->ClearSelection();
    Data()->ChangeRowSelection(0, true);
    Data()->ChangeRowSelection(2, true);
    std::tie(text, caption) = AnswerBox(VK_ESCAPE, [&] { PressKey(KDelete, ssCtrl); });
    EXPECT_EQ(text, "Delete all selected records?");
    EXPECT_EQ(Data()->GetRowCount(), 4);
    AnswerBox(VK_RETURN, [&] { PressKey(KDelete, ssCtrl); });
    EXPECT_EQ(Data()->GetRowCount(), 2);
    std::uint16_t key = KDelete;
    Controller()->KeyDown(key, ssShift);
    EXPECT_EQ(Data()->GetRowCount(), 2) << "Shift+Delete deletes nothing";
}

TEST_F(TableController, TabLeavesAtTheLastCellEnterIsAlwaysConsumedEscapeIsNot) {
    FillRows(2);
    view->GetOptionsBehavior()->SetFocusCellOnTab(true);
    view->GetOptionsBehavior()->SetGoToNextCellOnEnter(true);
    FocusSite();
    Controller()->FocusRowIndex(1);
    Controller()->SetFocusedItem(item);
    std::uint16_t key = KTab;
    Controller()->KeyDown(key, 0);
    EXPECT_EQ(key, 0) << "Tab at the last cell hands the focus to the form's next control";
    EXPECT_EQ(Controller()->GetFocusedRowIndex(), 1);
    EXPECT_EQ(Controller()->GetFocusedItem(), item);
    auto* second = AddTextItem("second");
    Controller()->SetFocusedItem(item);
    key = KTab;
    Controller()->KeyDown(key, 0);
    EXPECT_EQ(Controller()->GetFocusedItem(), second) << "Tab moves to the next cell while there is one";
    key = KTab;
    Controller()->KeyDown(key, ssShift);
    EXPECT_EQ(Controller()->GetFocusedItem(), item);
    FocusSite();
    key = KEnter;
    Controller()->KeyDown(key, 0);
    EXPECT_EQ(key, 0) << "Enter with go-to-next-cell is consumed without a further cell";
    key = KEscape;
    Controller()->KeyDown(key, 0);
    EXPECT_EQ(key, KEscape) << "Escape while not editing is left to the form";
}

TEST_F(TableController, ShiftClickSelectsTheRangeCtrlClickUnselectsOnRelease) {
    FillRows(8);
    view->GetOptionsSelection()->SetMultiSelect(true);
    FocusSite();
    auto click = [&](int row, TShiftState shift, bool release = true) {
        Controller()->FocusRowIndex(row);
        Controller()->HitRecord = Record(row);
        Controller()->MouseDown(mbLeft, shift | ssLeft, 5, 5);
        if (release) Controller()->MouseUp(mbLeft, shift, 5, 5);
    };
    auto selected = [&] {
        std::vector<int> rows;
        for (int i = 0; i < Data()->GetRowCount(); ++i)
            if (Data()->IsRowSelected(i)) rows.push_back(i);
        return rows;
    };
    click(2, 0);
    click(5, ssShift);
    EXPECT_EQ(selected(), (std::vector<int>{2, 3, 4, 5}));
    click(3, ssCtrl, false);
    EXPECT_EQ(selected(), (std::vector<int>{2, 3, 4, 5})) << "kept while the button is down";
    Controller()->MouseUp(mbLeft, ssCtrl, 5, 5);
    EXPECT_EQ(selected(), (std::vector<int>{2, 4, 5}));
    click(7, ssCtrl);
    EXPECT_EQ(selected(), (std::vector<int>{2, 4, 5, 7})) << "an unselected record joins at once";
    click(4, 0, false);
    EXPECT_EQ(selected(), (std::vector<int>{2, 4, 5, 7})) << "a plain press keeps a selection to drag";
    Controller()->MouseUp(mbLeft, 0, 5, 5);
    EXPECT_EQ(selected(), (std::vector<int>{4}));
}

TEST_F(TableController, SelectionKeysMoveTheAnchorOrExtendTheRange) {
    FillRows(100);
    view->GetOptionsSelection()->SetMultiSelect(true);
    FocusSite();
    view->SetFocused(true);
    Controller()->FocusRowIndex(5);
    LayOut();
    PressKey(KPageDown);
    EXPECT_EQ(Data()->GetSelectedCount(), 1);
    EXPECT_TRUE(Data()->IsRowSelected(19));
    PressKey(KPageDown, ssShift);
    EXPECT_EQ(Data()->GetSelectedCount(), 21) << "rows 19 to 39";
    std::uint16_t key = ' ';
    Controller()->KeyDown(key, ssCtrl);
    EXPECT_FALSE(Data()->IsRowSelected(39));
    char32_t ch = ' ';
    Controller()->KeyPress(ch);
    EXPECT_EQ(ch, 0u) << "Ctrl+Space types no space";
    EXPECT_FALSE(Controller()->IsIncSearching());
}

TEST_F(TableController, IncrementalSearchFindsFromTheFocusedRowAndBackspaceReturns) {
    FillTexts({"abc", "b", "abd", "b"});
    view->GetOptionsBehavior()->SetIncSearch(true);
    Controller()->FocusRowIndex(1);
    for (char32_t c : {U'a', U'b'}) {
        char32_t ch = c;
        Controller()->KeyPress(ch);
        EXPECT_EQ(ch, 0u);
    }
    EXPECT_EQ(Controller()->GetIncSearchText(), "ab");
    EXPECT_EQ(Controller()->GetFocusedRowIndex(), 2) << "the first match from the focused row on";
    char32_t ch = 'x';
    Controller()->KeyPress(ch);
    EXPECT_EQ(Controller()->GetIncSearchText(), "ab") << "a character that matches nothing is dropped";
    std::uint16_t key = KBack;
    Controller()->KeyDown(key, 0);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Controller()->GetIncSearchText(), "a");
    EXPECT_EQ(Controller()->GetFocusedRowIndex(), 2);
    key = KEscape;
    Controller()->KeyDown(key, 0);
    EXPECT_FALSE(Controller()->IsIncSearching());
    EXPECT_EQ(key, 0);
}

} // namespace
} // namespace zorvy::test
