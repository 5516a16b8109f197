// The grid popup and its list: sizing to a line limit, checks and the owner's width; clicks on
// checkable and other lines driven by the mouse; checked lines drawn in the highlight colours.
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/view/GridPopup.h"
#include "controls/grid/view/GridPopupListBox.h"
#include "platform/gdi/Colors.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/grid/GridFixture.h"

#include <vector>

namespace zorvy::test {
namespace {

class TTestPopupOwner : public IcxCustomGridPopupOwner {
  public:
    TRect Bounds{10, 10, 110, 30};
    int Closed = 0;
    bool ClosePopupOnOwnerRemoval() override { return true; }
    TRect GetDropDownWindowOwnerBounds() override { return Bounds; }
    void PopupClosed() override { ++Closed; }
};

// The first three lines can be checked.
class TTestPopupListBox : public TcxGridPopupListBox {
    ZORVY_CLASS(TTestPopupListBox, TcxGridPopupListBox)
  public:
    using TcxGridPopupListBox::TcxGridPopupListBox;
    bool IsItemCheckable(int index) override { return index < 3; }
};

class GridPopupList : public GridTest {
  protected:
    GridPopupList() : form(NewForm(400, 300)), grid(NewGrid(form)) {
        grid->SetBounds(10, 10, 300, 200);
        view = NewView(grid);
        AddLevel(grid, nullptr, view);
        form->Show();
        Pump();
        popup = new TcxCustomGridPopup(view);
        popup->ModalLoop = false;
        popup->SetGridOwner(&owner);
        list = new TTestPopupListBox(popup);
        for (int i = 0; i < 12; ++i) list->GetItems()->Add("line " + std::to_string(i));
        list->OnAction = [this](TcxGridPopupListBox*, int index) { actions.push_back(index); };
    }
    ~GridPopupList() override { popup->SetGridOwner(nullptr); }
    int TextHeight() {
        TcxCanvas* canvas = ScreenCanvasInstance();
        canvas->AssignFont(list->GetFont());
        return canvas->MeasureTextHeight("Qq");
    }
    void Open() {
        list->AdjustSize(nullptr);
        popup->Popup();
        Pump();
    }
    // Presses on line press and releases on line release, in the window list.
    void ClickLines(int press, int release) {
        HWND h = list->GetInnerListBox()->GetHandle();
        const int height = list->GetItemHeight();
        Wait(1000);
        display.MoveMouse(h, 10, press * height + height / 2);
        display.PressMouse(h, 10, press * height + height / 2);
        display.MoveMouse(h, 10, release * height + height / 2);
        display.ReleaseMouse(h, 10, release * height + height / 2);
        Pump();
    }
    TForm* form;
    TcxGrid* grid;
    TTestView* view;
    TTestPopupOwner owner;
    TcxCustomGridPopup* popup;
    TTestPopupListBox* list;
    std::vector<int> actions;
};

TEST_F(GridPopupList, ALineLimitShowsThatManyLinesAndMakesRoomForTheScrollBar) {
    owner.Bounds = TRect{0, 0, 20, 20};
    list->AdjustSize(nullptr);
    const int allWidth = list->GetClientWidth();
    EXPECT_EQ(list->GetItemHeight(), TextHeight());
    EXPECT_EQ(list->GetClientHeight(), 12 * TextHeight());
    list->VisibleLineLimit = 5;
    list->AdjustSize(nullptr);
    EXPECT_EQ(list->GetClientHeight(), 5 * TextHeight());
    EXPECT_EQ(list->GetClientWidth(), allWidth + GetSystemMetrics(SM_CXVSCROLL));
    list->VisibleLineLimit = 12;
    list->AdjustSize(nullptr);
    EXPECT_EQ(list->GetClientWidth(), allWidth) << "a limit every line fits in hides none";

    list->VisibleLineLimit = 0;
    list->SetShowChecks(true);
    list->AdjustSize(nullptr);
    const TSize check = view->GetLookAndFeelPainter()->GetCheckBoxSize();
    EXPECT_EQ(list->GetClientWidth(), allWidth + check.cx + 4);
    EXPECT_EQ(list->GetItemHeight(), std::max(TextHeight(), static_cast<int>(check.cy) + 4));
}

TEST_F(GridPopupList, TheListIsNeverNarrowerThanItsOwnerLessThePopupBorders) {
    owner.Bounds = TRect{10, 10, 310, 30};
    Open();
    const int borders = popup->GetBordersWidth();
    ASSERT_GT(borders, 0) << "the look's popup frame";
    EXPECT_EQ(popup->GetMinWidth(), 300 - borders);
    list->AdjustSize(nullptr);
    EXPECT_EQ(list->GetClientWidth(), 300 - borders);
    list->MaxWidth = 40;
    list->AdjustSize(nullptr);
    EXPECT_EQ(list->GetClientWidth(), 300 - borders) << "the owner's width wins over the maximal width";
}

TEST_F(GridPopupList, ACheckableLineTogglesAndStaysOpenOtherLinesClose) {
    list->SetShowChecks(true);
    Open();
    ASSERT_TRUE(popup->IsOpen());
    ClickLines(1, 1);
    EXPECT_TRUE(list->IsChecked(1));
    EXPECT_TRUE(popup->IsOpen());
    ClickLines(1, 1);
    EXPECT_FALSE(list->IsChecked(1));
    ClickLines(0, 2);
    EXPECT_FALSE(list->IsChecked(0));
    EXPECT_FALSE(list->IsChecked(2)) << "a release over another checkable line does nothing";
    EXPECT_TRUE(popup->IsOpen());
    ClickLines(6, 6);
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_FALSE(list->IsChecked(6));
    EXPECT_EQ(actions, (std::vector<int>{1, 1, 6}));
    EXPECT_EQ(owner.Closed, 1);
}

TEST_F(GridPopupList, TheKeysClickTheSelectedLineAndEscCloses) {
    list->SetShowChecks(true);
    Open();
    list->SetItemIndex(0);
    list->GetInnerListBox()->SetFocus();
    display.PressKey(VK_SPACE);
    Pump();
    EXPECT_TRUE(list->IsChecked(0));
    EXPECT_TRUE(popup->IsOpen());
    display.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(actions, (std::vector<int>{0}));
}

TEST_F(GridPopupList, ACheckedCheckableLineIsDrawnInTheHighlightColours) {
    list->SetShowChecks(true);
    list->SetCheckedIndexes({0, 5});
    Open();
    TcxInnerListBox* inner = list->GetInnerListBox();
    inner->Update();
    const int x = list->GetCheckAreaWidth() + 1, height = list->GetItemHeight();
    HBITMAP image = display.Capture(inner->GetHandle());
    auto color = [&](int y) {
        const std::uint32_t p = image->Row(y)[x] & 0xFFFFFF;
        return static_cast<TColor>(RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF));
    };
    const TColor highlight = static_cast<TColor>(ColorToRGB(clHighlight));
    EXPECT_EQ(color(height / 2 + 1), highlight) << "checked and checkable";
    EXPECT_NE(color(height + height / 2 + 1), highlight) << "not checked";
    EXPECT_NE(color(5 * height + height / 2 + 1), highlight) << "checked but not checkable";
    DeleteObject(image);
}

} // namespace
} // namespace zorvy::test
