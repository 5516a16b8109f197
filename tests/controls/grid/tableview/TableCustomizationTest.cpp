// The table view's customization: the "Columns" page of the customization form (which columns it
// lists, how its lines look, dragging a line back into the header), the quick column list the
// indicator header drops down and its position-change events, and the drag-opening of a master
// row's detail tab.
#include "controls/editors/lists/CheckListBox.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/IndicatorViewInfo.h"
#include "controls/grid/tableview/TableCustomization.h"
#include "controls/grid/view/GridSite.h"
#include "platform/classlib/Bitmap.h"
#include "platform/gdi/Drawing.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

class TableCustomization : public TableViewTest {
  protected:
    TableCustomization() {
        form->SetBounds(0, 0, 700, 400);
        grid->SetBounds(0, 0, 650, 300);
        grid->GetLookAndFeel()->SetKind(lfStandard);
        grid->GetLookAndFeel()->SetNativeStyle(false);
        for (const char* caption : {"Issue", "Red", "Blue", "Sum", "Date"}) AddColumn(caption)->SetWidth(80);
        Fill({{"2026001", "01 05 12 19 25 33", "07", "95", "2026-01-01"}});
        view->SetOnColumnPosChanged([this](TcxGridTableView*, TcxGridColumn* column) { posChanged.push_back(column); });
        form->Show();
        Pump();
    }
    ~TableCustomization() override {
        if (Controller()->HasItemsCustomizationPopup() && Controller()->GetItemsCustomizationPopup()->IsOpen())
            Controller()->GetItemsCustomizationPopup()->ClosePopup();
        Controller()->SetCustomization(false);
    }
    TcxGridTableController* Controller() const { return static_cast<TcxGridTableController*>(view->GetController()); }
    TcxGridTableViewInfo* Layout() const { return static_cast<TcxGridTableViewInfo*>(view->GetViewInfo()); }
    TcxGridColumn* Column(const std::string& caption) const {
        for (int i = 0; i < view->GetColumnCount(); ++i)
            if (view->GetColumn(i)->GetCaption() == caption) return view->GetColumn(i);
        return nullptr;
    }
    TcxGridTableCustomizationForm* OpenForm() {
        Controller()->SetCustomization(true);
        Pump();
        return dynamic_cast<TcxGridTableCustomizationForm*>(Controller()->GetCustomizationForm());
    }
    TcxGridTableColumnsListBox* List() {
        auto* custom = static_cast<TcxGridTableCustomizationForm*>(Controller()->GetCustomizationForm());
        return dynamic_cast<TcxGridTableColumnsListBox*>(custom->GetItemsListBox());
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> texts;
        TStrings* items = List()->GetItems();
        for (int i = 0; i < items->GetCount(); ++i) texts.push_back(items->Get(i));
        return texts;
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> captions;
        for (int i = 0; i < view->GetVisibleColumnCount(); ++i) captions.push_back(view->GetVisibleColumn(i)->GetCaption());
        return captions;
    }
    // One line painted into a bitmap of its own.
    std::unique_ptr<TBitmap> PaintLine(int index, bool focused, int width = 120) {
        const int height = List()->CalcItemHeight();
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(width, height);
        TcxCanvas canvas(bitmap->GetCanvas());
        canvas.AssignFont(List()->GetFont());
        List()->PaintItem(&canvas, TRect{0, 0, width, height}, index, focused);
        return bitmap;
    }
    static TPoint Middle(const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

    std::vector<TcxGridColumn*> posChanged;
};

TEST_F(TableCustomization, TheColumnsPageListsHiddenColumnsThatMayBeMovedAndCustomized) {
    for (const char* caption : {"Red", "Blue", "Sum", "Date"}) Column(caption)->SetVisible(false);
    Column("Blue")->GetOptions()->SetMoving(false);
    Column("Sum")->SetVisibleForCustomization(false);
    TcxGridTableCustomizationForm* custom = OpenForm();
    ASSERT_NE(custom, nullptr) << "the table view's form";
    EXPECT_EQ(custom->ItemsPageTitle(), "Columns");
    ASSERT_NE(List(), nullptr);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Date", "Red"})) << "a fixed or uncustomizable column never shows";
    EXPECT_EQ(List()->GetItems()->GetObject(1), Column("Red"));
    EXPECT_EQ(ColorToRGB(List()->GetStyle()->GetColor()), ColorToRGB(clBtnFace));

    TcxCanvas* screen = ScreenCanvasInstance();
    screen->AssignFont(List()->GetFont());
    const int border = view->GetLookAndFeelPainter()->GetHeaderBorderWidth();
    EXPECT_EQ(List()->CalcItemHeight(), 2 * (border + 2) + screen->MeasureTextHeight("Qq"));
    EXPECT_EQ(List()->GetItemHeight(), List()->CalcItemHeight());

    Column("Red")->SetVisible(true);
    List()->RefreshItems();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Date"}));
}

TEST_F(TableCustomization, ALineDraggedIntoTheHeaderShowsItsColumnAndElsewhereStaysHidden) {
    Column("Date")->SetVisible(false);
    Column("Red")->SetVisible(false);
    ASSERT_NE(OpenForm(), nullptr);
    ASSERT_EQ(Lines(), (std::vector<std::string>{"Date", "Red"}));
    TcxCustomGridItemsInnerListBox* inner = List()->GetItemsInnerListBox();
    const int lineHeight = List()->GetItemHeight();
    auto dragLine = [&](int line, TPoint to) {
        const TPoint from{10, line * lineHeight + lineHeight / 2};
        display.PressMouse(inner->GetHandle(), from.X, from.Y);
        Pump();
        display.MoveMouse(inner->GetHandle(), from.X + 12, from.Y + 12);
        Pump();
        display.MoveMouse(view->GetSite()->GetHandle(), to.X, to.Y);
        Pump();
        display.ReleaseMouse(view->GetSite()->GetHandle(), to.X, to.Y);
        Pump();
    };

    // Below the rows, away from the header and the group-by box.
    const TRect site = view->GetSite()->GetClientRect();
    dragLine(1, TPoint{site.Right - 20, site.Bottom - 20});
    EXPECT_FALSE(Column("Red")->GetVisible());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Date", "Red"}));

    const TRect first = Layout()->GetHeaderViewInfo()->GetItem(0)->Bounds;
    dragLine(1, TPoint{first.Left + 3, Middle(first).Y});
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Red", "Issue", "Blue", "Sum"}));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Date"}));
}

TEST_F(TableCustomization, ALineDragStartsAsAColumnHeaderLeavingTheForm) {
    Column("Red")->SetVisible(false);
    ASSERT_NE(OpenForm(), nullptr);
    TcxCustomGridItemsInnerListBox* inner = List()->GetItemsInnerListBox();
    inner->MouseDown(mbLeft, 0, 5, List()->GetItemHeight() / 2);
    TcxCustomGridHitTest* hit = List()->CreateDragHitTest();
    inner->MouseUp(mbLeft, 0, 5, List()->GetItemHeight() / 2);
    ASSERT_EQ(hit->GetHitTestCode(), htColumnHeader);
    auto* columnHit = static_cast<TcxGridColumnHeaderHitTest*>(hit);
    EXPECT_EQ(columnHit->Column, Column("Red"));
    EXPECT_EQ(columnHit->ColumnContainerKind, ckCustomizationForm);
    EXPECT_EQ(columnHit->GetGridView(), view);
    EXPECT_EQ(columnHit->GetDragAndDropObjectClass(), Controller()->GetColumnHeaderMovingObjectClass());
}

TEST_F(TableCustomization, TheFocusedLineIsAHotHeaderPressedAndLongCaptionsFollowTheEllipsisOption) {
    TcxGridColumn* red = Column("Red");
    red->SetCaption("Red balls of the draw, in the order they fell");
    red->SetVisible(false);
    ASSERT_NE(OpenForm(), nullptr);
    const int border = view->GetLookAndFeelPainter()->GetHeaderBorderWidth();
    const int height = List()->CalcItemHeight();
    const TColor face = ColorToRGB(clBtnFace);
    {
        auto normal = PaintLine(0, false, 400);
        auto focused = PaintLine(0, true, 400);
        EXPECT_EQ(normal->GetCanvas()->GetPixel(390, height / 2), face);
        EXPECT_EQ(focused->GetCanvas()->GetPixel(390, height / 2), face ^ 0xFFFFFF) << "the pressed look inverts";
        if (border > 0) {
            EXPECT_EQ(focused->GetCanvas()->GetPixel(border - 1, height / 2),
                      normal->GetCanvas()->GetPixel(border - 1, height / 2))
                << "only the content is inverted, not the border";
        }
    }
    auto cut = PaintLine(0, false);
    view->GetOptionsView()->SetHeaderEndEllipsis(true);
    auto ellipsis = PaintLine(0, false);
    bool differ = false;
    for (int x = 60; x < 120 && !differ; ++x)
        for (int y = 0; y < height && !differ; ++y)
            differ = cut->GetCanvas()->GetPixel(x, y) != ellipsis->GetCanvas()->GetPixel(x, y);
    EXPECT_TRUE(differ) << "the end of the caption changes with the option";
}

TEST_F(TableCustomization, TheIndicatorHeaderDropsTheColumnListDownAndItsChangesArePositionChanges) {
    view->GetOptionsCustomize()->SetColumnsQuickCustomization(true);
    Pump();
    TcxGridIndicatorViewInfo* indicator = Layout()->GetIndicatorViewInfo();
    ASSERT_NE(indicator, nullptr);
    const TRect header = indicator->GetItem(0)->Bounds;
    TcxCustomGridHitTest* hit = Layout()->GetHitTest(Middle(header));
    ASSERT_EQ(hit->GetHitTestCode(), htIndicatorHeader);
    EXPECT_FALSE(Controller()->HasItemsCustomizationPopup()) << "made on first request";
    auto* item = static_cast<TcxCustomGridCellViewInfo*>(hit->GetViewInfo());
    auto* popup = dynamic_cast<TcxGridColumnsCustomizationPopup*>(item->GetDropDownWindow());
    ASSERT_NE(popup, nullptr);
    popup->ModalLoop = false;
    item->SetState(gcsHot);
    EXPECT_TRUE(item->MouseDown(hit, mbLeft, 0));
    Pump();
    ASSERT_TRUE(popup->IsOpen());
    TcxCheckListBox* list = popup->GetCheckListBox();
    ASSERT_EQ(list->GetCount(), 5);

    // A layout recreates the item; the new one takes the open list over.
    view->LayoutChanged();
    Pump();
    EXPECT_TRUE(popup->IsOpen());

    list->GetInnerCheckListBox()->Toggle(1);
    Pump();
    EXPECT_FALSE(Column("Red")->GetVisible());
    ASSERT_EQ(posChanged, (std::vector<TcxGridColumn*>{Column("Red")}));

    list->SetSelected(1, false);
    list->SetSelected(4, true);
    popup->DropSelectedAt(0);
    EXPECT_EQ(view->GetColumn(0), Column("Date"));
    EXPECT_EQ(posChanged, (std::vector<TcxGridColumn*>{Column("Red"), Column("Date")}));
    popup->ClosePopup();
}

// A master view whose rows each have two detail tabs.
class MasterTabDragOpening : public TableViewTest {
  protected:
    MasterTabDragOpening() {
        first = AddLevel(grid, view->GetLevel(), NewView(grid));
        second = AddLevel(grid, view->GetLevel(), NewView(grid));
        AddColumn("Issue");
        Fill({{"2026001"}, {"2026002"}});
    }
    TcxGridMasterDataRow* Row(int index) const {
        return dynamic_cast<TcxGridMasterDataRow*>(view->GetViewData()->GetRecord(index));
    }
    TcxGridLevel* first;
    TcxGridLevel* second;
};

TEST_F(MasterTabDragOpening, TheSameTabOfTheSameRowKeepsTheTargetAndOpeningShowsTheDetail) {
    ASSERT_NE(Row(0), nullptr);
    ASSERT_NE(Row(1), nullptr);
    TcxGridDragOpenInfoMasterDataRowTab resting(second, Row(0));
    TcxGridDragOpenInfoMasterDataRowTab sameTab(second, Row(0));
    TcxGridDragOpenInfoMasterDataRowTab otherRow(second, Row(1));
    TcxGridDragOpenInfoMasterDataRowTab otherTab(first, Row(0));
    TcxGridDragOpenInfoTab gridTab(second);
    EXPECT_TRUE(resting.IsSameTarget(&sameTab));
    EXPECT_FALSE(resting.IsSameTarget(&otherRow)) << "another row starts a new wait";
    EXPECT_FALSE(resting.IsSameTarget(&otherTab));
    EXPECT_FALSE(resting.IsSameTarget(&gridTab));

    ASSERT_EQ(Row(0)->GetActiveDetailIndex(), 0);
    resting.OpenTarget();
    EXPECT_EQ(Row(0)->GetActiveDetailIndex(), 1);
    EXPECT_EQ(Row(1)->GetActiveDetailIndex(), 0) << "the other row keeps its detail";
}

} // namespace
} // namespace zorvy::test
