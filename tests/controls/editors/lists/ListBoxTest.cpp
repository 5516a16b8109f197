// The styled list box: a read-only list refusing keys, typing and clicks, the integral height, the
// look-ups in container coordinates, the relayed list-box messages and the loaded value.
#include "controls/editors/lists/ListBox.h"

#include "platform/rtl/StringList.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class ListBoxTest : public EditorsTest {
  protected:
    TcxListBox* NewListBox(std::initializer_list<const char*> items, int height = 97) {
        form = NewForm(400, 300);
        auto* box = new TcxListBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 150, height);
        for (const char* item : items) box->GetItems()->Add(item);
        form->Show();
        Pump();
        return box;
    }
    // The centre of a row, in the inner box's coordinates.
    TPoint RowCentre(TcxListBox* box, int index) {
        const TRect r = box->GetInnerListBox()->ItemRect(index);
        return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
    }

    TForm* form = nullptr;
};

TEST_F(ListBoxTest, AReadOnlyListIgnoresNavigationKeysTypingAndClicks) {
    TcxListBox* box = NewListBox({"Apple", "Banana", "Cherry", "Date", "Elder"});
    box->SetItemIndex(1);
    box->SetReadOnly(true);
    int mouseDowns = 0;
    box->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++mouseDowns; };
    box->SetFocus();
    Pump();
    for (std::uint16_t key : {VK_DOWN, VK_UP, VK_END, VK_HOME, VK_NEXT, VK_PRIOR, VK_RIGHT, VK_LEFT}) {
        display.PressKey(key);
        Pump();
        EXPECT_EQ(box->GetItemIndex(), 1) << "key " << key;
    }
    display.TypeText("d");
    Pump();
    EXPECT_EQ(box->GetItemIndex(), 1) << "typing does not jump to Date";
    const TPoint p = RowCentre(box, 3);
    display.Click(box->GetInnerListBox()->GetHandle(), p.X, p.Y);
    Pump();
    EXPECT_EQ(box->GetItemIndex(), 1) << "a click selects nothing";
    EXPECT_EQ(mouseDowns, 1) << "but is told";
    EXPECT_TRUE(box->GetInnerListBox()->Focused());

    box->SetReadOnly(false);
    display.PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(box->GetItemIndex(), 2);
    display.Click(box->GetInnerListBox()->GetHandle(), p.X, p.Y);
    Pump();
    EXPECT_EQ(box->GetItemIndex(), 3);
}

TEST_F(ListBoxTest, IntegralHeightKeepsWholeRowsBetweenTheBorders) {
    TcxListBox* box = NewListBox({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    box->SetListStyle(lbOwnerDrawFixed);
    box->SetItemHeight(13);
    ASSERT_EQ(box->GetBorderExtent(), Rect(2, 2, 2, 2));
    box->SetIntegralHeight(true);
    struct Case {
        int requested, expected;
    } cases[] = {{60, 56}, {56, 56}, {57, 56}, {70, 69}, {8, 17}};
    for (const Case& c : cases) {
        box->SetHeight(c.requested);
        EXPECT_EQ(box->GetHeight(), c.expected) << "requested " << c.requested;
    }
    box->SetAlign(alClient);
    box->SetHeight(57);
    EXPECT_EQ(box->GetHeight(), form->GetClientHeight()) << "a filling list is not touched";
}

TEST_F(ListBoxTest, LookUpsAreInContainerCoordinates) {
    TcxListBox* box = NewListBox({"Apple", "Banana", "Cherry"});
    TcxInnerListBox* inner = box->GetInnerListBox();
    ASSERT_GT(inner->GetLeft(), 0) << "the border lies around the inner box";
    EXPECT_EQ(box->ItemIndexAtPoint({0, 0}, true), -1) << "the border holds no entry";
    const TRect second = box->GetItemBounds(1);
    TRect expected = inner->ItemRect(1);
    OffsetRect(expected, inner->GetLeft(), inner->GetTop());
    EXPECT_EQ(second, expected);
    EXPECT_EQ(box->ItemIndexAtPoint({second.Left + 3, second.Top + 2}, true), 1);
    const TRect last = box->GetItemBounds(2);
    EXPECT_EQ(box->ItemIndexAtPoint({last.Left + 3, last.Bottom + 5}, true), -1);
    EXPECT_EQ(box->ItemIndexAtPoint({last.Left + 3, last.Bottom + 5}, false), 3) << "the index after the last";
}

TEST_F(ListBoxTest, ListBoxMessagesSentToTheContainerReachTheInnerBox) {
    TcxListBox* box = NewListBox({"Apple", "Banana", "Cherry"});
    EXPECT_EQ(SendMessage(box->GetHandle(), LB_GETCOUNT, 0, 0), 3);
    SendMessage(box->GetHandle(), LB_SETCURSEL, 2, 0);
    EXPECT_EQ(box->GetItemIndex(), 2);
}

TEST_F(ListBoxTest, AssignedItemsSelectOnlyTheFirstEmptyString) {
    TcxListBox* box = NewListBox({"Apple"});
    box->SetItemIndex(0);
    TStringList plain;
    plain.Add("一");
    plain.Add("二");
    box->SetItems(&plain);
    EXPECT_EQ(box->GetItemIndex(), -1);
    TStringList withEmpty;
    withEmpty.Add("一");
    withEmpty.Add("");
    withEmpty.Add("");
    box->SetItems(&withEmpty);
    EXPECT_EQ(box->GetItemIndex(), 1);
}

TEST_F(ListBoxTest, OwnerDrawingGoesThroughTheControlsEvent) {
    TcxListBox* box = NewListBox({"Apple", "Banana"});
    std::vector<int> drawn;
    box->OnDrawItem = [&](TcxListBox* control, TcxCanvas* canvas, int index, const TRect&, TOwnerDrawState) {
        EXPECT_EQ(control, box);
        EXPECT_EQ(canvas, box->GetInnerListBox()->GetCanvasWrapper());
        drawn.push_back(index);
    };
    box->SetListStyle(lbOwnerDrawFixed);
    Pump();
    box->GetInnerListBox()->Repaint();
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), 1), drawn.end());
}

} // namespace
} // namespace zorvy::test
