// The filter box over one row per record: when it shows, its text, where its buttons lie, what
// they answer under the mouse and what the close and activate buttons do.
#include "tests/controls/grid/table/RowsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class FilterBox : public RowsTest {
  protected:
    FilterBox() {
        grid->SetBounds(0, 0, 402, 302);
        for (int c = 0; c < 3; ++c) view->AddColumn("C" + std::to_string(c));
        Fill(5, 3);
    }
    TcxGridFilterViewInfo* Box() const { return Layout()->GetFilterViewInfo(); }
    TcxCustomGridFilterButtonViewInfo* Button(int index) const { return Box()->GetButtons()->GetItem(index); }
    void AddCondition() {
        Data()->GetFilter().AddItem(nullptr, view->GetItem(1), ocEqual, Variant("101"), "101");
        Data()->GetFilter().SetActive(true);
        Relayout();
    }
    int CodeAt(const TRect& r) {
        return Layout()->GetHitTest(TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2})->GetHitTestCode();
    }
};

TEST_F(FilterBox, AnEmptyFilterHidesTheBoxUnlessItIsAlwaysShown) {
    Relayout();
    EXPECT_FALSE(Box()->GetVisible());
    EXPECT_EQ(Layout()->GetBottomPartsHeight(), 0);

    view->GetFilterBox()->SetVisible(fvAlways);
    Relayout();
    ASSERT_TRUE(Box()->GetVisible());
    EXPECT_EQ(Box()->Text, "<Filter is Empty>");
    EXPECT_FALSE(Button(0)->GetVisible()) << "no close button without a condition";
    EXPECT_FALSE(Button(1)->GetVisible()) << "no activate button without a condition";
    EXPECT_TRUE(Button(2)->GetVisible());
    EXPECT_EQ(Button(2)->Text, "Customize...");
    // At the bottom by default, under the records.
    EXPECT_EQ(Box()->Bounds.Bottom, Layout()->GetBounds().Bottom);
    EXPECT_EQ(Box()->Bounds.Top, Layout()->GetClientBounds().Bottom);

    view->GetFilterBox()->SetVisible(fvNever);
    AddCondition();
    EXPECT_FALSE(Box()->GetVisible());
}

TEST_F(FilterBox, OneConditionPlacesTheButtonsFromBothEnds) {
    AddCondition();
    ASSERT_TRUE(Box()->GetVisible());
    EXPECT_NE(Box()->Text, "<Filter is Empty>");
    const TRect box = Box()->Bounds;
    const TRect close = Button(0)->Bounds, activate = Button(1)->Bounds, customize = Button(2)->Bounds;
    EXPECT_EQ(close.Left, box.Left + 4);
    const TPoint closeExtent = view->GetLookAndFeelPainter()->GetFilterCloseButtonExtent();
    ASSERT_EQ(closeExtent.X, 16);
    EXPECT_EQ(close.Bottom - close.Top, closeExtent.Y);
    EXPECT_EQ(activate.Left, box.Left + 24);
    EXPECT_EQ(activate.Right - activate.Left, 13);
    EXPECT_EQ(customize.Right, box.Right - 4);
    // Centred vertically, to the nearest pixel.
    EXPECT_NEAR(close.Top - box.Top, box.Bottom - close.Bottom, 1);
    // The text lies between the sides: left buttons (16 + 4) + (13 + 4) + 4 and 3 more.
    EXPECT_EQ(Box()->GetTextAreaBounds().Left, box.Left + 41 + 3);
    EXPECT_EQ(Box()->GetTextAreaBounds().Right, customize.Left - 4 - 3);

    view->GetFilterBox()->SetPosition(fpTop);
    Relayout();
    EXPECT_EQ(Box()->Bounds.Top, Layout()->GetBounds().Top);
    EXPECT_EQ(Layout()->GetClientBounds().Top, Box()->Bounds.Bottom);
}

TEST_F(FilterBox, ThePartsOfTheBoxAnswerTheirOwnHitTests) {
    AddCondition();
    EXPECT_EQ(CodeAt(Button(0)->Bounds), htFilterCloseButton);
    EXPECT_EQ(CodeAt(Button(1)->Bounds), htFilterActivateButton);
    EXPECT_EQ(CodeAt(Button(2)->Bounds), htFilterCustomizeButton);
    EXPECT_EQ(CodeAt(Box()->GetTextAreaBounds()), htFilterBox);
    // Between the activate button and the text: the box is not hit there.
    const TRect gap{Button(1)->Bounds.Right + 1, Box()->Bounds.Top + 1, Button(1)->Bounds.Right + 2,
                    Box()->Bounds.Top + 2};
    EXPECT_EQ(CodeAt(gap), htNone);
}

TEST_F(FilterBox, TheActivateButtonTogglesTheFilterAndTheCloseButtonRemovesIt) {
    AddCondition();
    TcxDataFilterCriteria& filter = Data()->GetFilter();
    ASSERT_TRUE(filter.GetActive());
    Button(1)->Click();
    EXPECT_FALSE(filter.GetActive());
    EXPECT_FALSE(filter.IsEmpty()) << "the conditions stay";
    Button(1)->Click();
    EXPECT_TRUE(filter.GetActive());
    Relayout();
    ASSERT_TRUE(Button(0)->Is<TcxGridFilterCloseButtonViewInfo>());
    Button(0)->Click();
    EXPECT_TRUE(filter.IsEmpty()) << filter.GetFilterCaption();
}

TEST_F(FilterBox, TheCustomizeButtonOpensTheDialogForTheWholeFilter) {
    AddCondition();
    std::vector<const TcxCustomGridTableItem*> asked;
    view->OnFilterDialogShow = [&](TcxCustomGridTableView*, TcxCustomGridTableItem* item, bool& done) {
        asked.push_back(item);
        done = true;
    };
    Button(2)->Click();
    EXPECT_EQ(asked, (std::vector<const TcxCustomGridTableItem*>{nullptr}));
}

} // namespace
} // namespace zorvy::test
