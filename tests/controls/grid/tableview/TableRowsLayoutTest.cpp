// The table view on screen: how many rows a height holds, where rows and cells go, which view infos
// exist, cell merging, the level-indent hit test and a row height of 0.
#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/tableview/DataRowViewInfo.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

class TableRowsLayout : public TableViewTest {
  protected:
    TableRowsLayout() {
        form->SetBounds(0, 0, 700, 500);
        grid->SetBounds(0, 0, 600, 400);
    }
    TcxGridTableViewInfo* Layout() { return static_cast<TcxGridTableViewInfo*>(view->GetViewInfo()); }
    TcxGridRowsViewInfo* Rows() { return Layout()->GetRowsViewInfo(); }
    TcxGridDataRowViewInfo* Row(int index) { return static_cast<TcxGridDataRowViewInfo*>(Rows()->GetItem(index)); }
    void Relayout() { Layout()->Recalculate(); }
    // Columns of the given widths and rows of "r<row>c<column>" texts.
    void Build(const std::vector<int>& widths, int rowCount) {
        for (size_t i = 0; i < widths.size(); ++i) AddColumn("C" + std::to_string(i))->SetWidth(widths[i]);
        std::vector<std::vector<std::string>> rows;
        for (int r = 0; r < rowCount; ++r) {
            rows.emplace_back();
            for (size_t i = 0; i < widths.size(); ++i) rows.back().push_back("r" + std::to_string(r) + "c" + std::to_string(i));
        }
        Fill(rows);
        Relayout();
    }
    // Resizes the grid so that the rows' content area is height pixels high.
    void SetContentHeight(int height) {
        const int now = Rows()->ContentArea.Bottom - Rows()->ContentArea.Top;
        grid->SetBounds(0, 0, grid->GetWidth(), grid->GetHeight() + height - now);
        Relayout();
        ASSERT_EQ(Rows()->ContentArea.Bottom - Rows()->ContentArea.Top, height);
    }
};

TEST_F(TableRowsLayout, AContentHeightHoldsTheRowsThatFitAndOnePartRow) {
    Build({60, 60}, 40);
    ASSERT_EQ(Rows()->GetDataRowHeightValue(), 19);
    struct {
        int height, visible, partVisible;
        bool firstFullyVisible;
    } const cases[] = {{190, 10, 10, true}, {189, 9, 10, true}, {10, 1, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.height);
        SetContentHeight(c.height);
        EXPECT_EQ(Rows()->GetVisibleCount(), c.visible);
        EXPECT_EQ(Rows()->GetPartVisibleCount(), c.partVisible);
        EXPECT_EQ(Rows()->IsFirstRowFullyVisible(), c.firstFullyVisible);
        // View infos exist for the rows on screen only.
        EXPECT_EQ(Rows()->GetCount(), c.partVisible);
        EXPECT_EQ(Layout()->GetPageRecordCount(), c.height / 19);
    }
}

TEST_F(TableRowsLayout, RowsStackAndCellsStandUnderTheirColumns) {
    Build({50, 70, 40}, 5);
    const TRect client = Layout()->GetClientBounds();
    const int top = Rows()->ContentArea.Top;
    for (int r = 0; r < 5; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(Row(r)->Bounds.Top, top + 19 * r);
        EXPECT_EQ(Row(r)->GetHeight(), 19);
        const int lefts[] = {0, 50, 120, 160};
        for (int c = 0; c < 3; ++c) {
            TcxGridDataCellViewInfo* cell = Row(r)->FindCellViewInfo(c);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->Bounds, (TRect{client.Left + lefts[c], top + 19 * r, client.Left + lefts[c + 1], top + 19 * r + 19}));
        }
    }
    EXPECT_EQ(Layout()->GetDataWidth(), 160);
}

TEST_F(TableRowsLayout, WithAutomaticWidthsTheCellsTakeTheHeaderCellsPlaces) {
    Build({100, 300}, 3);
    view->GetOptionsView()->SetColumnAutoWidth(true);
    Relayout();
    TcxGridHeaderViewInfo* header = Layout()->GetHeaderViewInfo();
    const TRect client = Layout()->GetClientBounds();
    ASSERT_GT(client.Right - client.Left, 400);
    EXPECT_EQ(header->GetItem(1)->Bounds.Right, client.Right);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        TcxGridDataCellViewInfo* cell = Row(0)->GetCellViewInfo(i);
        // A header cell reaches one pixel over its left neighbour's border.
        EXPECT_EQ(cell->Bounds.Left, header->GetItem(i)->GetRealBounds().Left);
        EXPECT_EQ(cell->Bounds.Right, header->GetItem(i)->Bounds.Right);
    }
    EXPECT_EQ(Layout()->GetDataWidth(), client.Right - client.Left);
}

TEST_F(TableRowsLayout, APreviewOfFixedLinesTakesItsPlaceUnderOrAboveTheCells) {
    Build({50, 70, 40}, 3);
    TcxGridPreview* preview = view->GetPreview();
    preview->SetColumn(view->GetColumn(2));
    preview->SetAutoHeight(false);
    preview->SetMaxLineCount(2);
    preview->SetVisible(true);
    // Two lines of the content font, the text margins and the row's grid line.
    TcxPartParams content;
    view->GetStyles()->GetContentParams(nullptr, view->GetColumn(2), content);
    Relayout();
    const int twoLines = Layout()->GetTextHeight(content.Font) * 2 + 4 + 1;
    struct {
        int lines;
        TcxGridPreviewPlace place;
        int previewHeight, cellsTop;
    } const cases[] = {{2, ppBottom, twoLines, 0}, {2, ppTop, twoLines, twoLines}, {0, ppBottom, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        preview->SetMaxLineCount(c.lines);
        preview->SetPlace(c.place);
        Relayout();
        TcxGridDataRowViewInfo* row = Row(1);
        ASSERT_NE(row->GetPreviewViewInfo(), nullptr);
        EXPECT_EQ(row->GetPreviewHeight(), c.previewHeight);
        EXPECT_EQ(row->GetHeight(), 19 + c.previewHeight);
        EXPECT_EQ(row->GetCellCount(), 2) << "the preview column is no column of the row";
        EXPECT_EQ(row->FindCellViewInfo(0)->Bounds.Top, row->Bounds.Top + c.cellsTop);
        EXPECT_EQ(row->FindCellViewInfo(0)->GetHeight(), 19);
        if (c.previewHeight == 0) continue;
        const TRect p = row->GetPreviewViewInfo()->Bounds;
        EXPECT_EQ(p.Top, c.place == ppTop ? row->Bounds.Top : row->Bounds.Top + 19);
        EXPECT_EQ(p.Bottom - p.Top, c.previewHeight);
        EXPECT_EQ(row->GetCellViewInfoForColumn(view->GetColumn(2)), row->GetPreviewViewInfo());
    }
}

TEST_F(TableRowsLayout, GridLinesGiveEachCellItsBorders) {
    Build({50, 50}, 3);
    const TcxBorders right = 4, bottom = 8;
    struct {
        TcxGridLines lines;
        TcxBorders first, last;
    } const cases[] = {{glBoth, right | bottom, right | bottom},
                       {glVertical, right, right},
                       {glHorizontal, bottom, right | bottom},
                       {glNone, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.lines));
        view->GetOptionsView()->SetGridLines(c.lines);
        Relayout();
        EXPECT_EQ(Row(0)->FindCellViewInfo(0)->Borders, c.first);
        EXPECT_EQ(Row(0)->FindCellViewInfo(1)->Borders, c.last);
    }
}

TEST_F(TableRowsLayout, OnlyVerticalLinesWithoutSeparatorsCloseTheLastRowWithALine) {
    Build({50}, 3);
    view->GetOptionsView()->SetGridLines(glVertical);
    view->GetViewInfoCache()->UnassignValues(false);
    Relayout();
    EXPECT_EQ(Row(1)->GetHeight(), 19);
    EXPECT_EQ(Row(2)->GetHeight(), 20);
    EXPECT_EQ(Row(2)->GetDataHeight(), 19);
    EXPECT_EQ(Row(2)->GetBottomLineBounds().Bottom, Row(2)->Bounds.Bottom);
}

TEST_F(TableRowsLayout, OnlyColumnsInViewGetCells) {
    Build(std::vector<int>(20, 100), 3);
    const int clientWidth = Layout()->GetClientWidth();
    for (int c = 0; c < 20; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(Row(0)->FindCellViewInfo(c) != nullptr, c * 100 < clientWidth);
    }
}

TEST_F(TableRowsLayout, EqualValuesOfAMergingColumnShowOneCellOverTheirRows) {
    Build({60, 60}, 5);
    view->GetColumn(0)->GetOptions()->SetCellMerging(true);
    const char* values[] = {"A", "A", "A", "B", "B"};
    for (int r = 0; r < 5; ++r) Data()->SetValue(r, 0, Variant(std::string(values[r])));
    Relayout();
    TcxGridDataCellViewInfo* first = Row(0)->FindCellViewInfo(0);
    EXPECT_TRUE(first->IsMerging());
    EXPECT_EQ(first->GetHeight(), 3 * 19);
    EXPECT_EQ(first->GetMergedCells().size(), 2u);
    for (int r : {1, 2}) {
        EXPECT_TRUE(Row(r)->FindCellViewInfo(0)->IsMerged());
        EXPECT_FALSE(Row(r)->FindCellViewInfo(0)->GetVisible());
    }
    EXPECT_TRUE(Row(3)->FindCellViewInfo(0)->IsMerging());
    EXPECT_EQ(Row(3)->FindCellViewInfo(0)->GetHeight(), 2 * 19);
    // The unmerged column keeps a cell per row.
    EXPECT_FALSE(Row(1)->FindCellViewInfo(1)->IsMerged());
    // A point on the second row's part of the merged cell names the second row.
    const TRect cell = Row(1)->FindCellViewInfo(0)->Bounds;
    auto* hitTest = dynamic_cast<TcxGridRecordCellHitTest*>(Layout()->GetHitTest(TPoint{cell.Left + 5, cell.Top + 5}));
    ASSERT_NE(hitTest, nullptr);
    EXPECT_EQ(hitTest->GetRecordIndex(), 1);
}

TEST_F(TableRowsLayout, AHitOnTheLevelIndentNamesTheRowButIsNoRecordHit) {
    // The standard painter's expand button is 12 pixels: an indent of 12 + 2 x 3.
    grid->GetLookAndFeel()->SetNativeStyle(false);
    grid->GetLookAndFeel()->SetKind(lfStandard);
    Build({60, 60}, 4);
    view->GetColumn(1)->SetGroupIndex(0);
    view->GetViewData()->Expand(true);
    Relayout();
    EXPECT_EQ(Layout()->GetLevelIndent(), 18);
    TcxGridDataRowViewInfo* dataRow = nullptr;
    for (int i = 0; i < Rows()->GetCount() && !dataRow; ++i)
        dataRow = dynamic_cast<TcxGridDataRowViewInfo*>(Rows()->GetItem(i));
    ASSERT_NE(dataRow, nullptr);
    EXPECT_EQ(dataRow->GetContentLeft(), dataRow->Bounds.Left + 18);
    auto* hitTest = dynamic_cast<TcxGridRowLevelIndentHitTest*>(
        Layout()->GetHitTest(TPoint{dataRow->Bounds.Left + 5, dataRow->Bounds.Top + 5}));
    ASSERT_NE(hitTest, nullptr);
    EXPECT_EQ(hitTest->GetHitTestCode(), 213);
    EXPECT_FALSE(hitTest->IsRecordHit());
    EXPECT_EQ(hitTest->GetGridRecord(), dataRow->GetGridRecord());
}

TEST_F(TableRowsLayout, ARowHeightOfNothingEndsTheLayoutAndGivesNoPageSize) {
    Build({60}, 500);
    view->GetOptionsView()->SetGridLines(glNone);
    view->GetOptionsView()->SetDataRowHeight(0);
    view->DefaultDataRowHeight = 0;
    view->GetViewInfoCache()->UnassignValues(false);
    Relayout();
    EXPECT_EQ(Rows()->GetDataRowHeightValue(), 0);
    EXPECT_EQ(Layout()->GetPageRecordCount(), -1);
    EXPECT_EQ(Layout()->GetDefaultGridModeBufferCount(), 0);
    EXPECT_LE(Rows()->GetCount(), Rows()->ContentArea.Bottom - Rows()->ContentArea.Top + 1);
    EXPECT_GE(Layout()->GetNearestPopulatedHeight(300, false), 0);
}

} // namespace
} // namespace zorvy::test
