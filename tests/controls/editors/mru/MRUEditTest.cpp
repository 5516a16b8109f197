// The MRU edit: committed texts move to the top, new ones are announced and inserted, the list is cut
// to MaxItemCount with each dropped item announced, and only the ellipsis button reports clicks.
#include "controls/editors/mru/MRUEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

using Items = std::vector<std::string>;

class MRUEditTest : public EditorsTest {
  protected:
    TcxMRUEdit* NewMRU(const Items& items) {
        TForm* form = NewForm();
        auto* edit = new TcxMRUEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 160, 21);
        edit->GetProperties()->SetLookupItems(items);
        form->Show();
        Pump();
        edit->GetProperties()->OnNewLookupDisplayText = [this](TObject*, const std::string& t) { announced.push_back(t); };
        edit->GetProperties()->OnDeleteLookupItem = [this](TcxCustomMRUEditProperties* p, int index) {
            dropped.push_back(p->GetLookupItems()[index] + "@" + std::to_string(index));
        };
        return edit;
    }
    void TypeAndEnter(TcxMRUEdit* edit, const std::string& text) {
        edit->SetFocus();
        Pump();
        edit->SelectAllText();
        display.TypeText(text);
        display.PressKey(VK_RETURN);
        Pump();
    }
    Items announced;
    std::vector<std::string> dropped;
};

TEST_F(MRUEditTest, ANewTextGoesFirstAndTheLimitDropsTheLastWithNotice) {
    TcxMRUEdit* edit = NewMRU({"a", "b", "c"});
    edit->GetProperties()->SetMaxItemCount(3);
    TypeAndEnter(edit, "d");
    EXPECT_EQ(edit->GetProperties()->GetLookupItems(), (Items{"d", "a", "b"}));
    EXPECT_EQ(announced, Items{"d"});
    EXPECT_EQ(dropped, (std::vector<std::string>{"c@3"}));
}

TEST_F(MRUEditTest, AKnownTextMovesUpWithoutNoticeAndTheFirstStaysPut) {
    TcxMRUEdit* edit = NewMRU({"a", "b", "c"});
    edit->AddItem("B"); // the list's own comparison: letter case aside
    EXPECT_EQ(edit->GetProperties()->GetLookupItems(), (Items{"b", "a", "c"}));
    edit->AddItem("b");
    edit->AddItem("");
    EXPECT_EQ(edit->GetProperties()->GetLookupItems(), (Items{"b", "a", "c"}));
    EXPECT_TRUE(announced.empty());
}

TEST_F(MRUEditTest, NoLimitNeverDeletesAndANewLimitTrimsAtOnce) {
    TcxMRUEdit* edit = NewMRU({"1", "2", "3", "4", "5"});
    edit->AddItem("6");
    EXPECT_EQ(edit->GetProperties()->GetLookupItems().size(), 6u);
    edit->GetProperties()->SetMaxItemCount(-4);
    EXPECT_EQ(edit->GetProperties()->GetMaxItemCount(), 0);
    edit->GetProperties()->SetMaxItemCount(3);
    EXPECT_EQ(dropped, (std::vector<std::string>{"5@5", "4@4", "3@3"}));
    EXPECT_EQ(edit->GetProperties()->GetLookupItems(), (Items{"6", "1", "2"}));
}

TEST_F(MRUEditTest, EnterOnARowOfTheOpenListAddsThatRowOnce) {
    TcxMRUEdit* edit = NewMRU({"a", "b", "c"});
    edit->SetFocus();
    Pump();
    edit->DropDown();
    Pump();
    ASSERT_TRUE(edit->GetDroppedDown());
    display.PressKey(VK_DOWN);
    display.PressKey(VK_DOWN);
    display.PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(edit->GetText(), "b");
    EXPECT_EQ(edit->GetProperties()->GetLookupItems(), (Items{"b", "a", "c"}));
    EXPECT_TRUE(announced.empty());
}

TEST_F(MRUEditTest, OnlyTheEllipsisButtonReportsClicks) {
    TcxMRUEdit* edit = NewMRU({"a"});
    TcxEditButtons* buttons = edit->GetProperties()->GetButtons();
    ASSERT_EQ(buttons->GetCount(), 2);
    EXPECT_EQ(buttons->ButtonAt(0)->GetKind(), bkDown);
    EXPECT_EQ(buttons->ButtonAt(1)->GetKind(), bkEllipsis);
    EXPECT_TRUE(buttons->ButtonAt(1)->GetDefault());
    std::vector<int> clicks;
    edit->GetProperties()->OnButtonClick = [&](TObject*, int index) { clicks.push_back(index); };
    for (int i = 0; i < edit->GetEditViewInfo()->ButtonCount(); ++i) edit->FireButtonClick(i);
    EXPECT_EQ(clicks, std::vector<int>{1});
    // Hidden, the ellipsis is gone and nothing reports a click.
    edit->GetProperties()->SetShowEllipsis(false);
    Pump();
    clicks.clear();
    for (int i = 0; i < edit->GetEditViewInfo()->ButtonCount(); ++i) edit->FireButtonClick(i);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(MRUEditTest, CopiesCarryTheListAndTheKindIsRegistered) {
    TcxMRUEditProperties a(nullptr), b(nullptr);
    a.SetLookupItems({"x", "y"});
    a.SetMaxItemCount(5);
    a.SetShowEllipsis(false);
    a.ShareStateWith(&b);
    EXPECT_EQ(b.GetLookupItems(), (Items{"x", "y"}));
    b.Assign(&a);
    EXPECT_EQ(b.GetMaxItemCount(), 5);
    EXPECT_FALSE(b.GetShowEllipsis());

    InitializeMRUEditUnit();
    const int index = GetEditPropertiesRegistry()->IndexOfClass(TcxMRUEditProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(GetEditPropertiesRegistry()->GetDescription(index),
              "MRUEdit|Represents a text editor displaying the list of most recently used items (MRU) within a "
              "dropdown window");
    FinalizeMRUEditUnit();
}

} // namespace
} // namespace zorvy::test
