// Quick customization of a table view's items (rows shown, spreading over columns, showing, hiding
// and reordering), the customization form's list of hidden items and where an item drag may drop.
#include "controls/editors/lists/CheckListBox.h"
#include "controls/foundation/dragdrop/DragImage.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/grid/table/TableItemMoving.h"
#include "controls/grid/table/TableOptions.h"
#include "controls/grid/view/HitTests.h"
#include "platform/classlib/Forms.h"
#include "platform/win/SystemInfo.h"
#include "tests/controls/grid/table/TableFixture.h"

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

class TTestCustomizationOwner : public IcxCustomGridPopupOwner {
  public:
    TRect Bounds{10, 10, 30, 30};
    bool ClosePopupOnOwnerRemoval() override { return true; }
    TRect GetDropDownWindowOwnerBounds() override { return Bounds; }
    void PopupClosed() override {}
};

class QuickCustomization : public TableTest {
  protected:
    QuickCustomization() {
        form->SetBounds(0, 0, 300, 200);
        grid->SetBounds(0, 0, 280, 180);
        form->Show();
        Pump();
        popup = std::make_unique<TcxCustomGridItemsCustomizationPopup>(view);
        popup->ModalLoop = false;
        popup->SetGridOwner(&owner);
    }
    ~QuickCustomization() override {
        if (popup->IsOpen()) popup->ClosePopup();
        popup->SetGridOwner(nullptr);
    }
    void AddItems(const std::vector<std::string>& captions) {
        for (const std::string& caption : captions) view->AddTestItem(caption);
    }
    std::vector<std::string> Order() const {
        std::vector<std::string> captions;
        for (int i = 0; i < view->GetItemCount(); ++i) captions.push_back(view->GetItem(i)->GetCaption());
        return captions;
    }
    TcxCheckListBox* List() const { return popup->GetCheckListBox(); }
    void Open() {
        popup->Popup();
        Pump();
    }

    TTestCustomizationOwner owner;
    std::unique_ptr<TcxCustomGridItemsCustomizationPopup> popup;
};

TEST_F(QuickCustomization, ARowLimitShowsThatManyRowsBesideAScrollBar) {
    std::vector<std::string> captions;
    for (int i = 0; i < 12; ++i) captions.push_back("Column " + std::to_string(i));
    AddItems(captions);
    view->GetItem(3)->SetVisible(false);
    view->GetOptionsCustomize()->SetColumnsQuickCustomizationMaxDropDownCount(5);
    Open();
    ASSERT_EQ(List()->GetCount(), 12);
    EXPECT_EQ(List()->GetHeight(), List()->GetHeightForRows(5));
    EXPECT_EQ(List()->GetWidth(), List()->GetOptimalWidth() + GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_FALSE(List()->GetItems()->GetItem(3)->GetChecked()) << "a hidden item is not marked";
    EXPECT_TRUE(List()->GetItems()->GetItem(4)->GetChecked());
    popup->ClosePopup();

    view->GetOptionsCustomize()->SetColumnsQuickCustomizationMaxDropDownCount(0);
    Open();
    EXPECT_EQ(List()->GetHeight(), List()->GetHeightForRows(12)) << "0 shows every row";
    EXPECT_EQ(List()->GetWidth(), List()->GetOptimalWidth());
}

TEST_F(QuickCustomization, TooManyRowsForTheScreenSpreadOverColumns) {
    std::vector<std::string> captions;
    for (int i = 0; i < 400; ++i) captions.push_back("C" + std::to_string(i));
    AddItems(captions);
    Open();
    TRect area;
    GetMonitorWorkArea(TPoint{0, 0}, area);
    EXPECT_GT(List()->GetColumns(), 1);
    EXPECT_LE(popup->GetHeight(), area.Bottom - area.Top);
    EXPECT_GE(popup->GetTop(), area.Top);
    EXPECT_LE(popup->GetTop() + popup->GetHeight(), area.Bottom);
    popup->ClosePopup();
    EXPECT_EQ(List()->GetColumns(), 0) << "closing resets the columns";
    EXPECT_EQ(List()->GetCount(), 0);
}

TEST_F(QuickCustomization, MarksShowAndHideItemsAtOnce) {
    AddItems({"Issue", "Red", "Blue"});
    Open();
    List()->GetInnerCheckListBox()->Toggle(1);
    EXPECT_FALSE(view->GetItem(1)->GetVisible());
    List()->GetInnerCheckListBox()->Toggle(1);
    EXPECT_TRUE(view->GetItem(1)->GetVisible());
}

TEST_F(QuickCustomization, DroppingSelectedEntriesKeepsTheirOrder) {
    AddItems({"A", "B", "C", "D", "E"});
    view->GetOptionsCustomize()->SetColumnsQuickCustomizationReordering(qcrEnabled);
    Open();
    List()->SetSelected(0, true);
    List()->SetSelected(1, true);
    popup->DropSelectedAt(3);
    EXPECT_EQ(Order(), (std::vector<std::string>{"C", "A", "B", "D", "E"}));
    EXPECT_EQ(List()->GetItems()->GetItem(1)->GetText(), "A") << "the entries follow the items";
    EXPECT_TRUE(List()->GetSelected(1));
    EXPECT_TRUE(List()->GetSelected(2));
    EXPECT_FALSE(List()->GetSelected(0));

    List()->SetSelected(1, false);
    List()->SetSelected(2, false);
    List()->SetSelected(0, true);
    popup->DropSelectedAt(5);
    EXPECT_EQ(Order(), (std::vector<std::string>{"A", "B", "D", "E", "C"})) << "past the last entry";
}

TEST_F(QuickCustomization, TheDropIndexFollowsTheRowHalves) {
    AddItems({"A", "B", "C"});
    view->GetOptionsCustomize()->SetColumnsQuickCustomizationReordering(qcrEnabled);
    Open();
    const TRect second = List()->GetItemBounds(1);
    EXPECT_EQ(popup->CalculateDropIndex(TPoint{5, second.Top + 1}), 1);
    EXPECT_EQ(popup->CalculateDropIndex(TPoint{5, second.Bottom - 1}), 2);
    EXPECT_EQ(popup->CalculateDropIndex(TPoint{5, -3}), -1);
}

TEST_F(QuickCustomization, ReorderingFollowsTheOptions) {
    AddItems({"A", "B"});
    struct Case {
        TcxGridQuickCustomizationReordering reordering;
        bool columnMoving;
        TDragMode mode;
    } cases[] = {
        {qcrDefault, true, dmAutomatic},
        {qcrDefault, false, dmManual},
        {qcrEnabled, false, dmAutomatic},
        {qcrDisabled, true, dmManual},
    };
    for (const Case& c : cases) {
        view->GetOptionsCustomize()->SetColumnsQuickCustomizationReordering(c.reordering);
        view->GetOptionsCustomize()->SetColumnMoving(c.columnMoving);
        Open();
        EXPECT_EQ(List()->GetInnerCheckListBox()->GetDragMode(), c.mode) << c.reordering << " " << c.columnMoving;
        EXPECT_EQ(List()->GetInnerCheckListBox()->GetMultiSelect(), c.mode == dmAutomatic);
        popup->ClosePopup();
        Pump();
    }
}

// A moving object whose item may or may not be hidden.
class TTestItemMovingObject : public TcxCustomGridTableItemMovingObject {
    ZORVY_CLASS(TTestItemMovingObject, TcxCustomGridTableItemMovingObject)
  public:
    using TcxCustomGridTableItemMovingObject::TcxCustomGridTableItemMovingObject;
    bool Removable = true;
    bool CanRemove() const override { return Removable; }
    void CalculateArrowTargetRect(int, TRect& r) override { r = TRect{}; }
    bool IsValidDestination() override { return GetDestItemContainerKind() != ickNone; }
};

TEST_F(QuickCustomization, TheCustomizationFormTakesOnlyItemsThatMayBeHidden) {
    AddItems({"A"});
    TTestItemMovingObject moving(view->GetSite());
    TcxGridCustomizationFormHitTest hitTest;
    int kind = ickNone;
    std::unique_ptr<TcxGridItemContainerZone> zone;
    moving.CalculateDestination(&hitTest, kind, zone);
    EXPECT_EQ(kind, ickCustomizationForm);
    moving.AdjustContainerKind(kind);
    EXPECT_EQ(kind, ickCustomizationForm);
    moving.Removable = false;
    moving.AdjustContainerKind(kind);
    EXPECT_EQ(kind, ickNone) << "refused";
    moving.SetSourceItemContainerKind(ickCustomizationForm);
    kind = ickCustomizationForm;
    moving.AdjustContainerKind(kind);
    EXPECT_EQ(kind, ickCustomizationForm) << "from the form itself";

    moving.ChangeDestZone(std::make_unique<TcxGridItemContainerZone>(2));
    TcxGridItemContainerZone* kept = moving.GetDestZone();
    moving.ChangeDestZone(std::make_unique<TcxGridItemContainerZone>(2));
    EXPECT_EQ(moving.GetDestZone(), kept) << "an equal zone keeps the current one";
    moving.ChangeDestZone(nullptr);
    EXPECT_EQ(moving.GetDestZone(), nullptr);
}

} // namespace
} // namespace zorvy::test
