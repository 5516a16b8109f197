// Working with a banded view: Left, Right, Up and Down across bands and band rows, sizing a band
// by its header's edge and a column's line count by its header's bottom edge.
#include "controls/data/DataController.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/bandedview/BandSizing.h"
#include "controls/grid/bandedview/BandedController.h"
#include "controls/grid/bandedview/BandedViewInfo.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "controls/grid/view/GridSite.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/grid/GridFixture.h"

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

class TInteractionBandedView : public TcxGridBandedTableView {
    ZORVY_CLASS(TInteractionBandedView, TcxGridBandedTableView)
  public:
    using TcxGridBandedTableView::TcxGridBandedTableView;
    int CalculateDefaultDataRowHeight() override { return 19; }
};

// Three bands of two one-line rows:   A: a1 a2 / a3    B: b1 / b2 b3    C: c1 / c2
class BandedInteraction : public GridTest {
  protected:
    BandedInteraction() {
        InitializeTextEditUnit();
        form = NewForm(900, 600);
        grid = NewGrid(form);
        grid->SetBounds(0, 0, 700, 400);
        view = static_cast<TInteractionBandedView*>(
            TcxControlChildComponent::CreateForControl(TInteractionBandedView::StaticClass(), grid, true));
        AddLevel(grid, nullptr, view);
        TcxGridBand* a = AddBand("A");
        TcxGridBand* b = AddBand("B");
        TcxGridBand* c = AddBand("C");
        a1 = AddColumn(a, "a1", 0);
        a2 = AddColumn(a, "a2", 0);
        a3 = AddColumn(a, "a3", 1);
        b1 = AddColumn(b, "b1", 0);
        b2 = AddColumn(b, "b2", 1);
        b3 = AddColumn(b, "b3", 1);
        c1 = AddColumn(c, "c1", 0);
        c2 = AddColumn(c, "c2", 1);
        TcxCustomDataController* data = view->GetDataController();
        data->BeginUpdate();
        data->SetRecordCount(4);
        for (int r = 0; r < 4; ++r)
            for (int i = 0; i < view->GetItemCount(); ++i) data->SetValue(r, i, Variant("r" + std::to_string(r)));
        data->EndUpdate();
        view->SetOnBandSizeChanged([this](TcxGridBandedTableView*, TcxGridBand*) { ++bandSizeChanges; });
        view->SetOnColumnSizeChanged([this](TcxGridTableView*, TcxGridColumn*) { ++columnSizeChanges; });
        form->Show();
        Pump();
    }
    ~BandedInteraction() override { FinalizeTextEditUnit(); }

    TcxGridBand* AddBand(const std::string& caption) {
        TcxGridBand* band = view->GetBands()->Add();
        band->SetCaption(caption);
        return band;
    }
    TcxGridBandedColumn* AddColumn(TcxGridBand* band, const std::string& caption, int row) {
        TcxGridBandedColumn* column = view->CreateColumn();
        column->SetCaption(caption);
        column->SetWidth(60);
        column->GetPosition()->SetBandIndex(band->GetIndex());
        column->GetPosition()->SetRowIndex(row);
        return column;
    }
    TcxGridBandedTableController* Controller() {
        return static_cast<TcxGridBandedTableController*>(view->GetController());
    }
    TcxGridBandedTableViewInfo* Layout() { return static_cast<TcxGridBandedTableViewInfo*>(view->GetViewInfo()); }
    TcxGridSite* Site() { return static_cast<TcxGridSite*>(view->GetSite()); }
    TcxCustomGridSizingObject* Sizing() {
        return dynamic_cast<TcxCustomGridSizingObject*>(view->GetController()->GetDragAndDropObject());
    }
    std::string Names(const std::vector<TcxGridBandedColumn*>& columns) {
        std::string result;
        for (TcxGridBandedColumn* column : columns) result += (result.empty() ? "" : " ") + column->GetCaption();
        return result;
    }
    void FocusCell(int row, TcxGridBandedColumn* column) {
        Controller()->FocusRowIndex(row);
        Controller()->SetFocusedItem(column);
    }
    std::string Focused() {
        auto* column = dynamic_cast<TcxGridBandedColumn*>(Controller()->GetFocusedItem());
        return std::to_string(Controller()->GetFocusedRowIndex()) + ":" + (column ? column->GetCaption() : "-");
    }
    void Key(std::uint16_t key) { Controller()->KeyDown(key, 0); }
    void Press(TPoint p) {
        Wait(1000); // no double click with an earlier press
        display.PressMouse(Site()->GetHandle(), p.X, p.Y);
        Pump();
    }
    void Move(TPoint p) {
        display.MoveMouse(Site()->GetHandle(), p.X, p.Y);
        Pump();
    }
    void Release(TPoint p) {
        display.ReleaseMouse(Site()->GetHandle(), p.X, p.Y);
        Pump();
    }
    int OneLine() { return Layout()->GetBandsViewInfo()->GetColumnHeaderLineHeight(); }

    TForm* form;
    TcxGrid* grid;
    TInteractionBandedView* view;
    TcxGridBandedColumn *a1, *a2, *a3, *b1, *b2, *b3, *c1, *c2;
    int bandSizeChanges = 0;
    int columnSizeChanges = 0;
};

TEST_F(BandedInteraction, TheNavigationOrderRunsAlongEachLineAcrossTheBands) {
    EXPECT_EQ(Names(Controller()->GetNextItemsList(nullptr, true)), "a1 a2 b1 c1 a3 b2 b3 c2");
    EXPECT_EQ(Names(Controller()->GetNextItemsList(nullptr, false)), "c2 b3 b2 a3 c1 b1 a2 a1");
    EXPECT_EQ(Names(Controller()->GetNextItemsList(a2, true)), "b1 c1 a3 b2 b3 c2");
    EXPECT_EQ(Names(Controller()->GetNextItemsList(b2, false)), "a3 c1 b1 a2 a1");
    b2->SetVisible(false);
    EXPECT_EQ(Names(Controller()->GetNextItemsList(b2, true)), "") << "a hidden start column";
    EXPECT_EQ(Names(Controller()->GetNextItemsList(a3, true)), "b3 c2");
}

TEST_F(BandedInteraction, LeftAndRightFollowTheLinesAndCycleIntoTheNextRecord) {
    view->GetOptionsBehavior()->SetFocusCellOnCycle(true);
    struct {
        TcxGridBandedColumn* from;
        std::uint16_t key;
        const char* expected;
    } const cases[] = {
        {a2, VK_RIGHT, "1:b1"}, {c1, VK_RIGHT, "1:a3"}, {a3, VK_LEFT, "1:c1"},
        {c2, VK_RIGHT, "2:a1"}, {a1, VK_LEFT, "0:c2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from->GetCaption());
        FocusCell(1, c.from);
        Key(c.key);
        EXPECT_EQ(Focused(), c.expected);
    }
}

TEST_F(BandedInteraction, UpAndDownWalkTheBandRowsBeforeTheRecords) {
    struct {
        int row;
        TcxGridBandedColumn* from;
        std::uint16_t key;
        const char* expected;
    } const cases[] = {
        {1, a1, VK_DOWN, "1:a3"},
        {1, a2, VK_DOWN, "1:a3"}, // the lower row is shorter: its last column
        {1, a3, VK_DOWN, "2:a1"}, // the next record at the band's first row
        {1, b3, VK_DOWN, "2:b1"},
        {2, a1, VK_UP, "1:a3"},   // the previous record at the band's last row
        {1, b2, VK_UP, "1:b1"},
        {0, c1, VK_UP, "0:c1"},   // the first record's top row: nowhere to go
    };
    view->GetOptionsSelection()->SetCellSelect(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " " + c.from->GetCaption());
        FocusCell(c.row, c.from);
        Key(c.key);
        EXPECT_EQ(Focused(), c.expected);
    }
    // Without cell selection the keys only change the record.
    view->GetOptionsSelection()->SetCellSelect(false);
    FocusCell(1, a1);
    Key(VK_DOWN);
    EXPECT_EQ(Controller()->GetFocusedRowIndex(), 2);
}

TEST_F(BandedInteraction, CellRangesNeedOneRowPerBand) {
    view->GetOptionsSelection()->SetCellMultiSelect(true);
    EXPECT_FALSE(Controller()->CanCellMultiSelect());
    for (TcxGridBandedColumn* column : {a3, b2, b3, c2}) column->GetPosition()->SetRowIndex(0);
    EXPECT_TRUE(Controller()->CanCellMultiSelect());
}

TEST_F(BandedInteraction, ABandHeaderEdgeSizesTheBandWithinItsMinimum) {
    TcxGridBand* band = view->GetBands()->GetItem(0);
    TcxGridBandViewInfo* bandViewInfo = Layout()->GetBandsViewInfo()->FindBandViewInfo(band);
    const int startWidth = bandViewInfo->GetContentWidth();
    const TRect header = bandViewInfo->GetHeaderViewInfo()->Bounds;
    const TPoint edge{header.Right - 1, (header.Top + header.Bottom) / 2};
    Press(edge);
    ASSERT_NE(Sizing(), nullptr) << "sizing starts at the press";
    Move({edge.X + 40, edge.Y});
    TRect mark = Sizing()->GetMarkRect();
    EXPECT_EQ(mark.Right, bandViewInfo->Bounds.Left + startWidth + 40);
    EXPECT_EQ(mark.Right - mark.Left, 2);
    Release({edge.X + 40, edge.Y});
    EXPECT_EQ(band->GetWidth(), startWidth + 40);
    EXPECT_EQ(bandSizeChanges, 1);
    EXPECT_EQ(Controller()->GetSizingBand(), nullptr);

    // Far left: the band keeps room for its columns' minimum widths.
    bandViewInfo = Layout()->GetBandsViewInfo()->FindBandViewInfo(band);
    const int minimum = bandViewInfo->GetMinContentWidth();
    const TPoint moved{bandViewInfo->GetHeaderViewInfo()->Bounds.Right - 1, edge.Y};
    Press(moved);
    Move({moved.X - 500, moved.Y});
    ASSERT_NE(Sizing(), nullptr);
    EXPECT_EQ(Sizing()->GetMarkRect().Right, bandViewInfo->Bounds.Left + minimum);
    // Esc keeps the width.
    Site()->FinishDragAndDrop(false);
    Pump();
    EXPECT_EQ(band->GetWidth(), startWidth + 40);
    EXPECT_EQ(bandSizeChanges, 1);
}

TEST_F(BandedInteraction, AHeadersBottomEdgeSetsWholeLineCounts) {
    const int line = OneLine();
    struct {
        int distance, lineCount;
    } const cases[] = {
        {(line - 1) / 2, 1},  // below half a line: still one
        {line - line / 2, 2}, // half a line or more: two
        {2 * line, 3},
        {-3 * line, 1},       // never below one line
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.distance);
        a1->GetPosition()->SetLineCount(1);
        Pump();
        const int changes = columnSizeChanges;
        const TRect cell = Layout()->GetHeaderViewInfo()->FindItem(a1)->Bounds;
        const TPoint edge{(cell.Left + cell.Right) / 2, cell.Bottom - 2};
        Press(edge);
        ASSERT_NE(Sizing(), nullptr);
        EXPECT_FALSE(Sizing()->SizesWidth());
        Move({edge.X, edge.Y + c.distance});
        const TRect mark = Sizing()->GetMarkRect();
        EXPECT_EQ(mark.Bottom, cell.Top + c.lineCount * line) << "the mark snaps to whole lines";
        Release({edge.X, edge.Y + c.distance});
        EXPECT_EQ(a1->GetPosition()->GetLineCount(), c.lineCount);
        EXPECT_EQ(columnSizeChanges, changes + 1) << "reported also when unchanged";
        EXPECT_EQ(Controller()->GetVertSizingColumn(), nullptr);
    }
}

} // namespace
} // namespace zorvy::test
