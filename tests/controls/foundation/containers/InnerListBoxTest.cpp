#include "controls/foundation/containers/InnerListBox.h"
#include "controls/foundation/scrollbars/ScrollBar.h"
#include "platform/classlib/ImageList.h"
#include "platform/classlib/Menus.h"
#include "platform/win/Painting.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include "platform/win/Input.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/VirtualKeys.h"

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

// An inner list that notes the drag calls its container hands on.
class TRecordingInnerList : public TcxCustomInnerListBox {
  public:
    using TcxCustomInnerListBox::TcxCustomInnerListBox;
    void DragCanceled() override { ++Cancels; }
    TDragImageList* GetDragImageList() override { return Images; }
    int Cancels = 0;
    TDragImageList* Images = nullptr;
};

class TListContainer : public TcxContainer {
  public:
    explicit TListContainer(TComponent* owner) : TcxContainer(owner) {
        List = new TRecordingInnerList(this);
        List->SetParent(this);
        List->SetContainer(this);
        SetInnerControl(List);
    }
    TRecordingInnerList* List;
    std::vector<std::string> Keys;

  protected:
    void KeyPress(char32_t& key) override {
        Keys.push_back(std::to_string(static_cast<unsigned>(key)));
        TcxContainer::KeyPress(key);
    }
};

class InnerListBox : public FoundationTest {
  protected:
    TListContainer* NewList(const std::vector<std::string>& items, int height = 120) {
        TForm* form = NewForm(300, 300);
        auto* c = new TListContainer(form);
        c->SetParent(form);
        c->SetBounds(10, 10, 160, height);
        for (const std::string& item : items)
            c->List->GetItems()->Add(item);
        form->Show();
        Pump();
        c->List->SetFocus();
        Pump();
        return c;
    }
};

TEST_F(InnerListBox, TypingSearchesByPrefixAndAPauseStartsANewOne) {
    TListContainer* c = NewList({"Apple", "Banana", "Blueberry", "blackberry", "Cherry", "香蕉", "香瓜"});
    TcxCustomInnerListBox* list = c->List;
    display.TypeText("bl");
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 2) << "the first item beginning with bl, case ignored";
    EXPECT_EQ(list->GetSearchText(), "bl");
    display.TypeText("a");
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 3);
    Wait(500);
    display.TypeText("c");
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 4) << "a new prefix after the pause";
    Wait(500);
    display.TypeText("香瓜");
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 6);
    display.PressKey(VK_BACK);
    Pump();
    EXPECT_EQ(list->GetSearchText(), "香") << "Backspace takes a whole character";
    display.PressKey(VK_BACK);
    Pump();
    EXPECT_EQ(list->GetItemIndex(), 0) << "an empty prefix selects the first item";
}

TEST_F(InnerListBox, TabAndEnterStopBeforeTheirHandlersAndFoundCharactersAreConsumed) {
    TListContainer* c = NewList({"Apple", "Banana"});
    std::vector<unsigned> pressed;
    c->List->OnKeyPress = [&](TObject*, char32_t& key) { pressed.push_back(static_cast<unsigned>(key)); };
    display.TypeText("b");
    display.PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(pressed, std::vector<unsigned>{'b'}) << "Enter never reaches OnKeyPress";
    EXPECT_EQ(c->Keys, (std::vector<std::string>{"98", "13"})) << "the container sees both first";
    EXPECT_EQ(c->List->GetItemIndex(), 1);
}

TEST_F(InnerListBox, OwnerDrawnItemsGetTheirStateAndNoFocusRectangleIsAdded) {
    TListContainer* c = NewList({});
    TcxCustomInnerListBox* list = c->List;
    list->SetStyle(lbOwnerDrawFixed);
    std::vector<std::string> drawn;
    list->OnDrawItem = [&](TWinControl*, int index, const TRect&, TOwnerDrawState state) {
        drawn.push_back(std::to_string(index) + ((state & odSelected) ? " selected" : ""));
    };
    list->GetItems()->Add("一");
    list->GetItems()->Add("二");
    list->SetItemIndex(1);
    list->Repaint();
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "1 selected"), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "0"), drawn.end());
}

TEST_F(InnerListBox, TheOwnVerticalBarLiesOverTheSystemBarAndStepsOneItemPerLine) {
    std::vector<std::string> items;
    for (int i = 0; i < 100; ++i)
        items.push_back("项 " + std::to_string(i));
    TListContainer* c = NewList(items);
    TcxCustomInnerListBox* list = c->List;
    list->RefreshScrollBars();
    TcxScrollBar* bar = list->GetVScrollBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->GetVisible());
    SCROLLBARINFO system;
    ASSERT_TRUE(GetScrollBarInfo(list->GetHandle(), OBJID_VSCROLL, system));
    EXPECT_EQ(bar->GetParent(), c);
    EXPECT_EQ(bar->ClientToScreen({0, 0}), (TPoint{system.rcScrollBar.Left, system.rcScrollBar.Top}));
    EXPECT_EQ(bar->GetHeight(), system.rcScrollBar.Height());
    bar->DoScroll(scLineDown);
    EXPECT_EQ(list->GetTopIndex(), 1);
    bar->DoScroll(scLineDown);
    EXPECT_EQ(list->GetTopIndex(), 2);
    bar->DoScroll(scLineUp);
    EXPECT_EQ(list->GetTopIndex(), 1);
    list->SetItemIndex(80);
    Pump();
    EXPECT_LE(list->GetTopIndex(), 80) << "selecting scrolls the item into view";
    EXPECT_GT(list->GetTopIndex(), 60);
    EXPECT_EQ(bar->GetPosition(), list->GetTopIndex()) << "the own bar follows";
}


// A right click on the list shows its container's menu, for the list; drag mode, repaints, a cancelled
// drag and drag images pass from the container to the list.
TEST_F(InnerListBox, TheListShowsItsContainersMenuAndFollowsItsDragsAndRepaints) {
    TListContainer* c = NewList({"Apple", "Banana"});
    auto* menu = new TPopupMenu(c->GetOwner());
    TComponent* shownFor = nullptr;
    menu->OnPopup = [&](TObject*) {
        shownFor = menu->PopupComponent;
        display.PressKey(VK_ESCAPE);
    };
    c->SetPopupMenu(menu);
    display.Click(c->List->GetHandle(), 20, 5, TInputButton::Right);
    Pump();
    EXPECT_EQ(shownFor, c->List);

    c->SetDragMode(dmAutomatic);
    EXPECT_EQ(c->List->GetDragMode(), dmAutomatic);
    c->SetDragMode(dmManual);
    EXPECT_EQ(c->List->GetDragMode(), dmManual);

    Pump();
    ASSERT_FALSE(GetUpdateRect(c->List->GetHandle(), nullptr));
    c->Invalidate();
    EXPECT_TRUE(GetUpdateRect(c->List->GetHandle(), nullptr));
    c->Update();
    EXPECT_FALSE(GetUpdateRect(c->List->GetHandle(), nullptr));

    TDragImageList images(nullptr);
    c->List->Images = &images;
    EXPECT_EQ(c->GetDragImageList(), &images);

    int ends = 0;
    c->OnEndDrag = [&](TObject*, TObject* target, int, int) { ends += target ? 10 : 1; };
    c->BeginDrag(true);
    display.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(c->List->Cancels, 1);
    EXPECT_EQ(ends, 1) << "the drag still ends, on no target";
}

} // namespace
} // namespace zorvy::test
