// The table view info over one row per record: parts, the records area, the navigator strip, the
// no-data text, records scrolled by whole records, and the hit tests of records and cells.
#include "platform/classlib/Bitmap.h"
#include "tests/controls/grid/table/RowsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

// A strip of fixed height on one side, as the group-by box, header and footer are.
class TTestPart : public TcxCustomGridPartViewInfo {
    ZORVY_CLASS(TTestPart, TcxCustomGridPartViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    using TcxCustomGridPartViewInfo::TcxCustomGridPartViewInfo;
    ~TTestPart() override { BeginDestruction(); }
    TcxGridPartAlignment Alignment = gpaTop;
    int Height = 10;
    bool Spans = true;
    TcxGridPartAlignment GetAlignment() override { return Alignment; }
    bool SpansViewWidth() override { return Spans; }
    int CalculateHeight() override { return Height; }
    int CalculateWidth() override { return 50; }
    const TMetaClass* GetHitTestClass() override { return nullptr; }
};

class TableViewLayout : public RowsTest {
  protected:
    TableViewLayout() {
        grid->SetBounds(0, 0, 402, 302); // view content 400 x 300
        for (int c = 0; c < 3; ++c) view->AddColumn("C" + std::to_string(c));
    }
    TTestPart* AddPart(TcxGridPartAlignment alignment, int height) {
        auto* part = static_cast<TTestPart*>(Layout()->CreatePart(TTestPart::StaticClass()));
        part->Alignment = alignment;
        part->Height = height;
        parts.emplace_back(part);
        return part;
    }
    TcxCustomGridRecordViewInfo* Row(int index) const { return Layout()->Rows()->GetItem(index); }
    ~TableViewLayout() override { parts.clear(); }
    std::vector<std::unique_ptr<TTestPart>> parts;
};

TEST_F(TableViewLayout, PartsStackFromTheTopInListOrderAndFootersFromTheBottom) {
    Fill(3, 3);
    Relayout();
    TTestPart* groupBy = AddPart(gpaTop, 11);
    TTestPart* filter = AddPart(gpaTop, 13);
    TTestPart* header = AddPart(gpaTop, 17);
    TTestPart* footer = AddPart(gpaBottom, 19);
    const TRect view = Layout()->GetBounds();
    EXPECT_EQ(Layout()->GetPartBounds(groupBy), Rect(view.Left, view.Top, view.Right, view.Top + 11));
    EXPECT_EQ(Layout()->GetPartBounds(filter), Rect(view.Left, view.Top + 11, view.Right, view.Top + 24));
    EXPECT_EQ(Layout()->GetPartBounds(header), Rect(view.Left, view.Top + 24, view.Right, view.Top + 41));
    EXPECT_EQ(Layout()->GetPartBounds(footer), Rect(view.Left, view.Bottom - 19, view.Right, view.Bottom));
    const TRect client = Layout()->GetClientBounds();
    EXPECT_EQ(client.Top, view.Top + 41) << "the records touch the last top part";
    EXPECT_EQ(client.Bottom, view.Bottom - 19);

    // Two bottom parts: the first listed lies at the very bottom.
    TTestPart* second = AddPart(gpaBottom, 7);
    EXPECT_EQ(Layout()->GetPartBounds(footer).Bottom, view.Bottom);
    EXPECT_EQ(Layout()->GetPartBounds(second), Rect(view.Left, view.Bottom - 26, view.Right, view.Bottom - 19));
    // A part that does not span the view starts at the client bounds' left, as wide as it asks.
    second->Spans = false;
    EXPECT_EQ(Layout()->GetPartBounds(second).Right - Layout()->GetPartBounds(second).Left, 50);
}

TEST_F(TableViewLayout, RecordsFillTheAreaOneRowPerRecordWithEachHeightMeasuredOnce) {
    Fill(200, 3);
    Relayout();
    TcxCustomGridRecordsViewInfo* rows = Layout()->Rows();
    ASSERT_GT(rows->GetCount(), 5);
    const int rowHeight = Row(0)->Bounds.Bottom - Row(0)->Bounds.Top;
    EXPECT_GT(rowHeight, 10);
    EXPECT_EQ(Row(1)->Bounds.Top, Row(0)->Bounds.Bottom);
    EXPECT_EQ(rows->GetCount(), (300 + rowHeight - 1) / rowHeight) << "rows until the area is full";
    EXPECT_EQ(Layout()->GetVisibleRecordCount(), 300 / rowHeight) << "only whole rows count as visible";
    TTestRowViewInfo::Measurements = 0;
    Relayout();
    Relayout();
    EXPECT_EQ(TTestRowViewInfo::Measurements, 0) << "heights come from the cache";
    // A size change forgets them: each row is measured once again.
    view->GetViewInfoCache()->UnassignValues(false);
    Relayout();
    rows = Layout()->Rows();
    EXPECT_EQ(TTestRowViewInfo::Measurements, rows->GetCount());
    // Every row is its record's view info, with one cell per column side by side.
    auto* row = static_cast<TTestRowViewInfo*>(Row(2));
    EXPECT_EQ(row->GetGridRecord()->GetViewInfo(), row);
    ASSERT_EQ(row->GetCellCount(), 3);
    EXPECT_EQ(row->GetCell(1)->Bounds.Left, row->GetCell(0)->Bounds.Right);
    EXPECT_EQ(row->GetCell(2)->Text, "202");
}

TEST_F(TableViewLayout, MaxCountCountsFromTheFirstRecordInTheLayoutDirection) {
    Fill(10, 3);
    Relayout();
    Layout()->SetFirstRecordIndex(3);
    EXPECT_EQ(Layout()->Rows()->GetMaxCount(), 7);
    Layout()->SetCalculateDown(false);
    EXPECT_EQ(Layout()->Rows()->GetMaxCount(), 4);
    // A temporary layout upwards from record 3 lays out 3, 2, 1, 0 from the bottom.
    Relayout();
    ASSERT_EQ(Layout()->Rows()->GetCount(), 4);
    EXPECT_EQ(Row(0)->GetGridRecord()->GetIndex(), 3);
    EXPECT_EQ(Row(3)->GetGridRecord()->GetIndex(), 0);
    EXPECT_EQ(Row(0)->Bounds.Bottom, Layout()->GetClientBounds().Bottom);
    EXPECT_LT(Row(1)->Bounds.Top, Row(0)->Bounds.Top);
    EXPECT_TRUE(Layout()->IsInternal());
}

TEST_F(TableViewLayout, OffsettingByTwoRecordsKeepsTheStayingRowsAndAddsTwo) {
    Fill(30, 3);
    Relayout();
    const int rowHeight = Row(0)->Bounds.Bottom - Row(0)->Bounds.Top;
    grid->SetBounds(0, 0, 402, 10 * rowHeight + 2); // exactly ten rows
    Relayout();
    TcxCustomGridRecordsViewInfo* rows = Layout()->Rows();
    ASSERT_EQ(rows->GetCount(), 10);
    std::vector<TcxCustomGridRecordViewInfo*> before;
    for (int i = 0; i < 10; ++i) before.push_back(Row(i));
    EXPECT_TRUE(rows->CanOffset(9));
    EXPECT_FALSE(rows->CanOffset(10));
    EXPECT_FALSE(rows->CanOffset(-10));

    TTestRowViewInfo::Measurements = 0;
    Layout()->SetFirstRecordIndex(2);
    Layout()->OffsetView(2, 0, 0);
    ASSERT_EQ(rows->GetCount(), 10);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Row(i), before[static_cast<size_t>(i) + 2]) << i;
        EXPECT_EQ(Row(i)->Bounds.Top, Layout()->GetClientBounds().Top + i * rowHeight) << i;
    }
    EXPECT_EQ(Row(8)->GetGridRecord()->GetIndex(), 10);
    EXPECT_EQ(Row(9)->Bounds.Top, Layout()->GetClientBounds().Top + 9 * rowHeight);
    EXPECT_EQ(TTestRowViewInfo::Measurements, 2) << "only the new rows are measured";

    // Back up by one: the new first row is placed above the kept ones.
    Layout()->SetFirstRecordIndex(1);
    Layout()->OffsetView(-1, 0, 0);
    EXPECT_EQ(Row(0)->GetGridRecord()->GetIndex(), 1);
    EXPECT_EQ(Row(1)->GetGridRecord()->GetIndex(), 2);
    EXPECT_EQ(Row(1)->Bounds.Top, Row(0)->Bounds.Bottom);

    // Near the end the list is cut to the records that exist.
    Layout()->SetFirstRecordIndex(25);
    Relayout();
    EXPECT_EQ(Layout()->Rows()->GetCount(), 5);
}

TEST_F(TableViewLayout, AnEmptyViewShowsItsNoDataTextCentredInTheRecordsArea) {
    Relayout();
    EXPECT_TRUE(Layout()->Rows()->IsEmpty());
    EXPECT_EQ(Layout()->Rows()->GetMaxCount(), 0);
    ASSERT_TRUE(Layout()->ShowsNoDataText());
    EXPECT_EQ(Layout()->GetNoDataToDisplayText(), "<No data to display>");
    TBitmap surface;
    surface.SetSize(400, 300);
    TcxCanvas canvas(surface.GetCanvas());
    view->GetPainter()->Paint(&canvas, Layout());
    // The ink of the text lies centred in the records area.
    int left = 400, right = -1, top = 300, bottom = -1;
    const TColor background = surface.GetCanvas()->GetPixel(2, 2);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            if (surface.GetCanvas()->GetPixel(x, y) != background) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0);
    const TRect area = Layout()->GetRecordsAreaBounds();
    EXPECT_NEAR((left + right + 1) / 2.0, (area.Left + area.Right) / 2.0, 2.0);
    EXPECT_NEAR((top + bottom + 1) / 2.0, (area.Top + area.Bottom) / 2.0, 3.0);

    view->GetOptionsView()->SetNoDataToDisplayInfoText("");
    EXPECT_FALSE(Layout()->ShowsNoDataText());
    Fill(1, 3);
    view->GetOptionsView()->SetNoDataToDisplayInfoText("nothing");
    Relayout();
    EXPECT_FALSE(Layout()->ShowsNoDataText());
}

TEST_F(TableViewLayout, TheNavigatorStripLiesUnderTheRecordsAndUnderABottomFilterBox) {
    Fill(3, 3);
    view->GetOptionsView()->SetNavigator(true);
    view->GetOptionsView()->SetNavigatorOffset(50);
    Relayout();
    TcxNavigatorSiteViewInfo* site = Layout()->GetNavigatorSiteViewInfo();
    ASSERT_TRUE(site->GetVisible());
    const int barHeight = view->GetLookAndFeelPainter()->GetScrollBarSize().cy;
    EXPECT_EQ(Layout()->GetBounds().Bottom, 300 - barHeight) << "the content loses the strip";
    EXPECT_EQ(site->Bounds.Top, 300 - barHeight);
    EXPECT_EQ(site->Bounds.Bottom, 300);
    // Without a horizontal scroll bar the strip spans the client width; the navigator takes its left.
    EXPECT_EQ(site->Bounds.Left, Layout()->GetClientBounds().Left);
    EXPECT_EQ(site->Bounds.Right, Layout()->GetClientBounds().Right);
    EXPECT_GT(Layout()->GetNavigatorSize().X, 0);
    EXPECT_EQ(Layout()->GetNavigatorBounds().Right, site->Bounds.Left + Layout()->GetNavigatorSize().X);
    EXPECT_EQ(site->GetSiteWidth(), 50 + Layout()->GetNavigatorSize().X);

    // A filter box at the bottom keeps its place above the strip.
    view->GetFilterBox()->SetVisible(fvAlways);
    view->GetFilterBox()->SetPosition(fpBottom);
    Relayout();
    const TRect filter = Layout()->GetFilterViewInfo()->Bounds;
    site = Layout()->GetNavigatorSiteViewInfo();
    EXPECT_EQ(filter.Bottom, Layout()->GetBounds().Bottom);
    EXPECT_GE(site->Bounds.Top, filter.Bottom) << "the navigator does not cover the filter box";

    // A point on the strip is the navigator's; the navigator off frees the strip.
    const TPoint onStrip{site->Bounds.Left + 5, site->Bounds.Top + 3};
    EXPECT_EQ(Layout()->GetHitTest(onStrip)->GetHitTestCode(), htNavigator);
    view->GetOptionsView()->SetNavigatorOffset(0);
    EXPECT_EQ(Layout()->GetNavigatorSiteViewInfo()->GetSiteWidth(), Layout()->GetNavigatorSize().X);
    view->GetOptionsView()->SetNavigator(false);
    Relayout();
    EXPECT_EQ(Layout()->GetBounds().Bottom, 300);
}

TEST_F(TableViewLayout, HitTestsNameRecordsCellsAndExpandButtons) {
    Fill(4, 3);
    Relayout();
    auto* row = static_cast<TTestRowViewInfo*>(Row(1));
    const TRect cell = row->GetCell(1)->Bounds;
    TcxCustomGridHitTest* hitTest = Layout()->GetHitTest(TPoint{cell.Left + 3, cell.Top + 3});
    ASSERT_EQ(hitTest->GetHitTestCode(), htCell);
    auto* cellHitTest = static_cast<TcxGridRecordCellHitTest*>(hitTest);
    EXPECT_EQ(cellHitTest->Item, view->GetItem(1));
    EXPECT_EQ(cellHitTest->GetGridRecord(), row->GetGridRecord());
    EXPECT_TRUE(cellHitTest->IsRecordHit());
    // Below the rows: nothing.
    EXPECT_EQ(Layout()->GetHitTest(TPoint{5, 295})->GetHitTestCode(), htNone);

    // A refresh frees the records: the hit test yields the record now at that place.
    auto* recordHitTest = static_cast<TcxGridRecordHitTest*>(Layout()->GetHitTest(TPoint{cell.Left + 3, cell.Top + 3}));
    view->GetViewData()->Refresh(2);
    EXPECT_EQ(recordHitTest->GetGridRecord(), view->GetViewData()->GetRecord(1));
    view->GetViewData()->Refresh(1);
    EXPECT_EQ(recordHitTest->GetGridRecord(), nullptr);
}

TEST_F(TableViewLayout, AGroupRowAnswersItsExpandButtonWhichIsNoRecordHit) {
    Fill(4, 3);
    view->GetItem(0)->SetGroupIndex(0);
    Relayout();
    TcxCustomGridRecordViewInfo* row = Row(0);
    ASSERT_TRUE(row->GetGridRecord()->CanExpand());
    EXPECT_FALSE(IsRectEmpty(row->ExpandButtonBounds));
    TcxCustomGridHitTest* hitTest = Layout()->GetHitTest(TPoint{row->Bounds.Left + 8, row->Bounds.Top + 5});
    ASSERT_EQ(hitTest->GetHitTestCode(), htExpandButton);
    EXPECT_FALSE(static_cast<TcxGridRecordHitTest*>(hitTest)->IsRecordHit());
    // Elsewhere on a row without cells: the record itself.
    EXPECT_EQ(Layout()->GetHitTest(TPoint{row->Bounds.Left + 40, row->Bounds.Top + 5})->GetHitTestCode(), htRecord);
    const bool expanded = row->GetGridRecord()->GetExpanded();
    EXPECT_TRUE(row->MouseDown(hitTest, mbLeft, 0));
    EXPECT_NE(view->GetViewData()->GetRecord(0)->GetExpanded(), expanded);
}

TEST_F(TableViewLayout, ASelectedCellOfAnInactiveViewTakesTheInactiveColours) {
    Fill(4, 3);
    view->GetOptionsSelection()->SetHideSelection(false);
    Relayout();
    view->GetOptionsSelection()->SetMultiSelect(true);
    view->GetOptionsSelection()->SetCellSelect(false);
    TcxCustomGridRecord* record = view->GetViewData()->GetRecord(1);
    record->SetSelected(true);
    ASSERT_TRUE(record->GetSelected());
    // Another view takes the focus: this one is no longer the active view.
    auto* other = static_cast<TTestRowsView*>(
        TcxControlChildComponent::CreateForControl(TTestRowsView::StaticClass(), grid, true));
    AddLevel(grid, nullptr, other);
    grid->SetFocusedView(other);
    Relayout();
    ASSERT_FALSE(view->IsFocusedView());
    auto* row = static_cast<TTestRowViewInfo*>(record->GetViewInfo());
    TcxGridTableDataCellViewInfo* cell = row->GetCell(0);
    ASSERT_TRUE(cell->GetSelected());
    const TcxCustomLookAndFeelPainter* painter = view->GetLookAndFeelPainter();
    EXPECT_EQ(cell->ViewParams.Color, painter->DefaultInactiveColor());
    EXPECT_EQ(cell->ViewParams.TextColor, painter->DefaultInactiveTextColor());
    EXPECT_EQ(cell->ViewParams.Bitmap, nullptr);
    // An unselected row keeps its parity colour.
    auto* unselected = static_cast<TTestRowViewInfo*>(Row(3));
    EXPECT_EQ(unselected->GetCell(0)->ViewParams.Color, painter->DefaultContentOddColor());
}

} // namespace
} // namespace zorvy::test

namespace zorvy::test {
namespace {

// Text properties that count the editor view infos made of them.
class TCountingTextProperties : public TcxTextEditProperties {
    ZORVY_CLASS(TCountingTextProperties, TcxTextEditProperties)
  public:
    using TcxTextEditProperties::TcxTextEditProperties;
    static inline int Made = 0;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override {
        ++Made;
        return TcxTextEditProperties::GetViewInfoClass();
    }
};

TEST_F(TableViewLayout, HoveringACellThatCannotBePressedBuildsNoEditorViewInfo) {
    view->GetItem(1)->SetPropertiesClass(TCountingTextProperties::StaticClass());
    Fill(4, 3);
    Relayout();
    auto* row = static_cast<TTestRowViewInfo*>(Row(2));
    TcxGridTableDataCellViewInfo* cell = row->GetCell(1);
    ASSERT_TRUE(cell->GetProperties()->Is<TCountingTextProperties>());
    ASSERT_FALSE(cell->CanPress());
    TCountingTextProperties::Made = 0;
    for (int x = cell->Bounds.Left + 1; x < cell->Bounds.Right - 1; x += 3) {
        TcxCustomGridHitTest* hitTest = Layout()->GetHitTest(TPoint{x, cell->Bounds.Top + 2});
        ASSERT_EQ(hitTest->GetViewInfo(), cell);
        cell->MouseMove(hitTest, 0);
    }
    cell->MouseLeave();
    EXPECT_EQ(TCountingTextProperties::Made, 0);
}

} // namespace
} // namespace zorvy::test
