// Dragging column headers: within the header, into, within and out of the group-by box, and away.
#include "controls/grid/tableview/ColumnHeaderMoving.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "controls/grid/view/GridSite.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

class ColumnMoving : public TableViewTest {
  protected:
    ColumnMoving() {
        form->SetBounds(0, 0, 700, 400);
        grid->SetBounds(0, 0, 650, 300);
        view->GetOptionsView()->SetGroupByBox(true);
        view->GetOptionsCustomize()->SetColumnHidingOnGrouping(false);
        for (const char* caption : {"A", "B", "C", "D", "E"}) AddColumn(caption)->SetWidth(80);
        Fill({{"1", "2", "3", "4", "5"}, {"6", "7", "8", "9", "0"}});
        view->SetOnColumnPosChanged([this](TcxGridTableView*, TcxGridColumn*) { ++posChanges; });
        form->Show();
        Pump();
    }
    TcxGridTableViewInfo* Layout() { return static_cast<TcxGridTableViewInfo*>(view->GetViewInfo()); }
    HWND Site() { return view->GetSite()->GetHandle(); }
    TRect HeaderCell(int visibleIndex) { return Layout()->GetHeaderViewInfo()->GetItem(visibleIndex)->Bounds; }
    TRect BoxCell(int groupIndex) { return Layout()->GetGroupByBoxViewInfo()->GetItem(groupIndex)->Bounds; }
    static TPoint Middle(const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    // The point of the drop zone before the cell (or after the last one with `after`).
    static TPoint ZonePoint(const TRect& r, bool after = false) {
        return TPoint{after ? r.Right + 2 : r.Left + 3, (r.Top + r.Bottom) / 2};
    }
    void Drag(TPoint from, TPoint to) {
        Wait(1000);
        display.PressMouse(Site(), from.X, from.Y);
        Pump();
        display.MoveMouse(Site(), from.X + 12, from.Y + 12);
        Pump();
        display.MoveMouse(Site(), to.X, to.Y);
        Pump();
        display.ReleaseMouse(Site(), to.X, to.Y);
        Pump();
    }
    std::vector<std::string> Grouped() {
        std::vector<std::string> captions;
        for (int i = 0; i < view->GetColumnCount(); ++i)
            for (int j = 0; j < view->GetColumnCount(); ++j)
                if (view->GetColumn(j)->GetGroupIndex() == i) captions.push_back(view->GetColumn(j)->GetCaption());
        return captions;
    }
    std::vector<std::string> Shown() {
        std::vector<std::string> captions;
        for (int i = 0; i < view->GetVisibleColumnCount(); ++i) captions.push_back(view->GetVisibleColumn(i)->GetCaption());
        return captions;
    }
    int posChanges = 0;
};

TEST_F(ColumnMoving, AHeaderDroppedInTheHeaderTakesTheZonesPlace) {
    Drag(Middle(HeaderCell(0)), ZonePoint(HeaderCell(3)));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"B", "C", "A", "D", "E"}));
    EXPECT_EQ(posChanges, 1);
    Drag(Middle(HeaderCell(1)), ZonePoint(HeaderCell(4), true));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"B", "A", "D", "E", "C"}));
    // On its own place or just right of it nothing changes.
    Drag(Middle(HeaderCell(2)), ZonePoint(HeaderCell(3)));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"B", "A", "D", "E", "C"}));
    EXPECT_EQ(posChanges, 2);
}

TEST_F(ColumnMoving, GroupByBoxDropsRegroupAtTheZoneLessTheColumnsOwnPlace) {
    view->GetColumn(0)->SetGroupIndex(0);
    view->GetColumn(1)->SetGroupIndex(1);
    view->GetColumn(2)->SetGroupIndex(2);
    Pump();
    ASSERT_EQ(Grouped(), (std::vector<std::string>{"A", "B", "C"}));
    Drag(Middle(BoxCell(2)), ZonePoint(BoxCell(1)));
    EXPECT_EQ(Grouped(), (std::vector<std::string>{"A", "C", "B"})) << "the third to zone 1";
    Drag(Middle(BoxCell(0)), ZonePoint(BoxCell(2), true));
    EXPECT_EQ(Grouped(), (std::vector<std::string>{"C", "B", "A"})) << "the first to zone 3: index 2";
    const int changes = posChanges;
    Drag(Middle(BoxCell(1)), ZonePoint(BoxCell(1)));
    EXPECT_EQ(Grouped(), (std::vector<std::string>{"C", "B", "A"})) << "its own zone";
    EXPECT_EQ(posChanges, changes);
}

TEST_F(ColumnMoving, HeadersGoIntoAndOutOfTheGroupByBox) {
    const TRect box = Layout()->GetGroupByBoxViewInfo()->Bounds;
    Drag(Middle(HeaderCell(1)), TPoint{box.Left + 20, (box.Top + box.Bottom) / 2});
    EXPECT_EQ(Grouped(), (std::vector<std::string>{"B"}));
    Drag(Middle(BoxCell(0)), ZonePoint(HeaderCell(0)));
    EXPECT_TRUE(Grouped().empty());
    EXPECT_EQ(Shown().front(), "B") << "shown at the drop place";
}

TEST_F(ColumnMoving, ReleasedOverNothingAHeaderHidesOnlyWithColumnHiding) {
    const TPoint away{300, 280};
    Drag(Middle(HeaderCell(0)), away);
    EXPECT_TRUE(view->GetColumn(0)->GetVisible());
    view->GetOptionsCustomize()->SetColumnHiding(true);
    Drag(Middle(HeaderCell(0)), away);
    EXPECT_FALSE(view->GetColumn(0)->GetVisible());
    // A grouped header released over nothing is ungrouped; with column hiding on it stays hidden.
    view->GetColumn(1)->SetGroupIndex(0);
    Pump();
    Drag(Middle(BoxCell(0)), away);
    EXPECT_TRUE(Grouped().empty());
}

} // namespace
} // namespace zorvy::test
