// The column header's filter button on the headless display: when it shows and the room it takes,
// its hit test, and the drop-down it opens (the entry picked, the marked entries, the apply button).
#include "controls/editors/buttons/PushButton.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/FilterValueList.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/HeaderFilterButton.h"
#include "controls/data/FilterCriteria.h"
#include "platform/classlib/Forms.h"
#include "tests/controls/grid/GridFixture.h"
#include "tests/controls/grid/tableview/HeadersView.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class HeaderFilterButton : public GridTest {
  protected:
    HeaderFilterButton() {
        InitializeTextEditUnit();
        form = NewForm(500, 400);
        grid = NewGrid(form);
        grid->SetBounds(0, 0, 402, 302);
        grid->GetLookAndFeel()->SetKind(lfStandard);
        grid->GetLookAndFeel()->SetNativeStyle(false);
        view = static_cast<TTestHeadersView*>(
            TcxControlChildComponent::CreateForControl(TTestHeadersView::StaticClass(), grid, true));
        AddLevel(grid, nullptr, view);
        a = view->AddColumn("Issue", 120);
        b = view->AddColumn("Ball", 60);
        TcxCustomDataController* data = view->GetDataController();
        data->BeginUpdate();
        data->SetRecordCount(4);
        const char* issues[] = {"2025001", "2025002", "2025003", ""};
        for (int r = 0; r < 4; ++r) {
            data->SetValue(r, 0, issues[r][0] ? Variant(std::string(issues[r])) : Variant::Null());
            data->SetValue(r, 1, Variant(std::to_string(r + 1)));
        }
        data->EndUpdate();
        form->Show();
        Pump();
    }
    ~HeaderFilterButton() override {
        Application->OnException = nullptr;
        FinalizeTextEditUnit();
    }
    TcxGridColumnHeaderViewInfo* Header(TcxGridColumn* column) {
        view->Layout()->Recalculate();
        return view->Layout()->Header()->FindItem(column);
    }
    static TcxGridColumnHeaderFilterButtonViewInfo* ButtonOf(TcxGridColumnHeaderViewInfo* header) {
        for (int i = 0; i < header->GetAreaCount(); ++i)
            if (auto* button = dynamic_cast<TcxGridColumnHeaderFilterButtonViewInfo*>(header->GetArea(i)))
                return button;
        return nullptr;
    }
    TcxGridFilterPopup* Popup() {
        return static_cast<TcxCustomGridTableController*>(view->GetController())->GetFilterPopup();
    }
    // Presses the button of the column's header; answers the open drop-down.
    TcxGridFilterPopup* Open(TcxGridColumn* column) {
        Popup()->ModalLoop = false;
        TcxGridColumnHeaderFilterButtonViewInfo* button = ButtonOf(Header(column));
        const TPoint p{(button->Bounds.Left + button->Bounds.Right) / 2, (button->Bounds.Top + button->Bounds.Bottom) / 2};
        TcxCustomGridHitTest* hit = view->Layout()->GetHitTest(p);
        EXPECT_EQ(hit->GetHitTestCode(), htColumnHeaderFilterButton);
        button->SetState(gcsHot);
        EXPECT_TRUE(button->MouseDown(hit, mbLeft, 0));
        Pump();
        EXPECT_TRUE(Popup()->IsOpen());
        return Popup();
    }
    int IndexOf(const std::string& text) {
        TStrings* items = Popup()->GetListBox()->GetItems();
        for (int i = 0; i < items->GetCount(); ++i)
            if (items->Get(i) == text) return i;
        return -1;
    }
    TcxDataFilterCriteria& Filter() const { return view->GetDataController()->GetFilter(); }

    TForm* form;
    TcxGrid* grid;
    TTestHeadersView* view;
    TcxGridColumn *a, *b;
};

TEST_F(HeaderFilterButton, ShowsWhileTheHeaderIsHotAndTakesItsRoomFromTheText) {
    TcxGridColumnHeaderViewInfo* header = Header(a);
    TcxGridColumnHeaderFilterButtonViewInfo* button = ButtonOf(header);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->GetVisible());
    const int fullTextRight = header->GetTextBounds().Right;
    header->SetState(gcsHot);
    EXPECT_TRUE(button->GetVisible());
    EXPECT_EQ(button->Bounds.Right - button->Bounds.Left, 15);
    EXPECT_LE(button->Bounds.Right, header->Bounds.Right);
    EXPECT_GE(button->Bounds.Right, header->Bounds.Right - 4) << "at the header's right edge";
    EXPECT_LE(header->GetTextBounds().Right, button->Bounds.Left) << "the text gives the button its room";
    EXPECT_LT(header->GetTextBounds().Right, fullTextRight);
    header->SetState(gcsNone);
    EXPECT_EQ(header->GetTextBounds().Right, fullTextRight);

    view->GetOptionsView()->SetShowColumnFilterButtons(sfbAlways);
    EXPECT_TRUE(ButtonOf(Header(a))->GetVisible());
    a->GetOptions()->SetFiltering(false);
    EXPECT_EQ(ButtonOf(Header(a)), nullptr) << "a column that cannot be filtered has no button";
}

TEST_F(HeaderFilterButton, APickedEntryFiltersTheColumnAndIsSelectedAtTheNextOpening) {
    view->GetOptionsView()->SetShowColumnFilterButtons(sfbAlways);
    view->GetFiltering()->GetColumnPopup()->SetMultiSelect(false);
    TcxGridFilterPopup* popup = Open(a);
    EXPECT_EQ(popup->GetItem(), a);
    EXPECT_EQ(popup->GetListBox()->GetItemIndex(), IndexOf("(All)")) << "no condition yet";
    ASSERT_NE(IndexOf("(Blanks)"), -1);
    popup->GetListBox()->ItemClicked(IndexOf("(Blanks)"));
    Pump();
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(view->GetDataController()->GetFilteredRecordCount(), 1);
    EXPECT_TRUE(ButtonOf(Header(a))->IsActive());
    EXPECT_EQ(view->GetFiltering()->GetMRUItems()->GetCount(), 1) << "the filter joined the recent filters";

    Open(a);
    EXPECT_EQ(popup->GetListBox()->GetItemIndex(), IndexOf("(Blanks)"));
    popup->GetListBox()->ItemClicked(IndexOf("2025002"));
    Pump();
    EXPECT_EQ(view->GetDataController()->GetFilteredRecordCount(), 1);
    Open(a);
    EXPECT_EQ(popup->GetListBox()->GetItems()->Get(0), "2025002") << "the picked value comes first next time";
    popup->ClosePopup();
}

TEST_F(HeaderFilterButton, MarkedEntriesWaitForTheApplyButtonWhenAsked) {
    view->GetOptionsView()->SetShowColumnFilterButtons(sfbAlways);
    view->GetFiltering()->GetColumnPopup()->SetApplyMultiSelectChanges(fpacOnButtonClick);
    TcxGridFilterPopup* popup = Open(a);
    TcxButton* apply = popup->GetApplyButton();
    ASSERT_EQ(apply->GetParent(), popup) << "shown below the list";
    EXPECT_EQ(apply->GetTop(), popup->GetListBox()->GetTop() + popup->GetListBox()->GetHeight());
    EXPECT_FALSE(apply->GetEnabled()) << "nothing marked yet";
    popup->GetListBox()->ItemClicked(IndexOf("2025001"));
    popup->GetListBox()->ItemClicked(IndexOf("2025003"));
    EXPECT_TRUE(popup->IsOpen());
    EXPECT_TRUE(apply->GetEnabled());
    EXPECT_FALSE(Filter().FindItemForLink(a)) << "nothing applied before the button";
    apply->OnClick(apply);
    Pump();
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(view->GetDataController()->GetFilteredRecordCount(), 2);
    ASSERT_EQ(Filter().GetRoot()->GetCount(), 1);
    EXPECT_TRUE(Filter().GetRoot()->GetItem(0)->IsItemList()) << "two values under the AND root: one OR group";

    Open(a);
    EXPECT_EQ(popup->GetListBox()->GetCheckedIndexes(), (TcxGridIndexes{IndexOf("2025001"), IndexOf("2025003")}));
    EXPECT_EQ(popup->GetListBox()->GetItemIndex(), -1) << "marked entries select none";
    popup->ClosePopup();
}

TEST_F(HeaderFilterButton, ImmediateMarksApplyAtOnceAndMakeOneRecentFilter) {
    view->GetOptionsView()->SetShowColumnFilterButtons(sfbAlways);
    TcxGridFilterPopup* popup = Open(a);
    EXPECT_EQ(popup->GetApplyButton()->GetParent(), nullptr) << "no button when marks apply at once";
    popup->GetListBox()->ItemClicked(IndexOf("2025001"));
    EXPECT_EQ(view->GetDataController()->GetFilteredRecordCount(), 1);
    popup->GetListBox()->ItemClicked(IndexOf("2025002"));
    EXPECT_EQ(view->GetDataController()->GetFilteredRecordCount(), 2);
    EXPECT_EQ(view->GetFiltering()->GetMRUItems()->GetCount(), 0);
    popup->ClosePopup();
    Pump();
    EXPECT_EQ(view->GetFiltering()->GetMRUItems()->GetCount(), 1) << "one entry for the series of marks";
}

} // namespace
} // namespace zorvy::test
