// Group footers: which rows close their groups with a footer, the footer's indent, place and height,
// its cells' texts, the items it leaves to the group row, and its hit tests.
#include "controls/data/DataSummary.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/tableview/DataRowViewInfo.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/GroupRowViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/RowFooterViewInfo.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Forms.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

#include <stdexcept>

namespace zorvy::test {
namespace {

class GroupFooters : public TableViewTest {
  protected:
    GroupFooters() {
        form->SetBounds(0, 0, 700, 500);
        grid->SetBounds(0, 0, 600, 400);
        grid->GetLookAndFeel()->SetKind(lfStandard);
        grid->GetLookAndFeel()->SetNativeStyle(false);
        for (const char* caption : {"Issue", "Blue", "Sum"}) AddColumn(caption)->SetWidth(120);
        view->GetOptionsCustomize()->SetColumnHidingOnGrouping(false);
        // Blue 3: issues 1 and 3; blue 5: issue 2. Rows: group 3, 1, 3, group 5, 2.
        Fill({{"2026001", "3", "90"}, {"2026002", "5", "101"}, {"2026003", "3", "77"}});
        view->GetColumn(1)->GroupBy(0, true);
        Data()->FullExpand();
        view->GetOptionsView()->SetGroupFooters(gfVisibleWhenExpanded);
        sumCount = AddGroupSummary(view->GetColumn(2), spFooter);
    }
    TcxGridTableViewInfo* Layout() { return static_cast<TcxGridTableViewInfo*>(view->GetViewInfo()); }
    TcxGridRowsViewInfo* Rows() { return Layout()->GetRowsViewInfo(); }
    void Relayout() { Layout()->Recalculate(); }
    TcxCustomGridRowViewInfo* Row(int index) { return dynamic_cast<TcxCustomGridRowViewInfo*>(Rows()->GetItem(index)); }
    TcxDataSummaryItem* AddGroupSummary(TcxGridColumn* column, TcxSummaryPosition position) {
        TcxDataSummaryItem* item = Data()->GetSummary().DefaultGroupSummaryItems().NewItem();
        item->SetItemLink(column);
        item->SetKind(skCount);
        item->SetPosition(position);
        return item;
    }
    int FooterCount(int row) {
        TcxGridRowFootersViewInfo* footers = Row(row)->GetFootersViewInfo();
        return footers ? footers->GetCount() : 0;
    }
    // Borders, one row of cells standing the cell offset apart, no separator.
    int OneRowFooterHeight() {
        const int cell = Layout()->GetTextHeight(nullptr) + 4 + 2;
        return 1 + (cell + 2) + 1;
    }
    TcxDataSummaryItem* sumCount = nullptr;
};

TEST_F(GroupFooters, TheLastRowOfEachGroupCarriesAFooterBelowItsData) {
    Relayout();
    EXPECT_EQ(FooterCount(0), 0) << "group row";
    EXPECT_EQ(FooterCount(1), 0) << "not the last of its group";
    ASSERT_EQ(FooterCount(2), 1);
    ASSERT_EQ(FooterCount(4), 1);

    TcxCustomGridRowViewInfo* row = Row(2);
    TcxGridRowFooterViewInfo* footer = row->GetFootersViewInfo()->GetItem(0);
    EXPECT_EQ(footer->GetGroupLevel(), 0);
    // Indented like the contents of the group it closes, right below the data part.
    EXPECT_EQ(footer->Bounds.Left, row->Bounds.Left + Layout()->GetLevelIndent());
    EXPECT_EQ(footer->Bounds.Top, row->Bounds.Top + Rows()->GetDataRowHeightValue());
    EXPECT_EQ(footer->GetHeight(), OneRowFooterHeight());
    EXPECT_EQ(row->GetHeight(), Row(1)->GetHeight() + OneRowFooterHeight());
    EXPECT_EQ(row->GetDataHeight(), Row(1)->GetDataHeight());
    // The next row starts below the footer.
    EXPECT_EQ(Row(3)->Bounds.Top, row->Bounds.Bottom);

    ASSERT_EQ(footer->GetCount(), 1);
    EXPECT_EQ(footer->GetItem(0)->GetText(), "2");
    EXPECT_EQ(Row(4)->GetFootersViewInfo()->GetItem(0)->GetItem(0)->GetText(), "1");
    // The cell stays under its column.
    const TRect header = Layout()->GetHeaderViewInfo()->FindItem(view->GetColumn(2))->GetRealBounds();
    EXPECT_EQ(footer->GetItem(0)->Bounds.Left, header.Left + 1);
    // The indent column left of the footer runs down beside it.
    EXPECT_EQ(row->GetLevelIndentBounds(0).Bottom, row->Bounds.Bottom);
}

TEST_F(GroupFooters, OptionsDecideWhoShowsFootersAndWhere) {
    struct Case {
        const char* name;
        TcxGridGroupFootersMode mode;
        bool columnShowsFooters;
        bool collapsed;
        int row;           // the row that is asked
        int footers;       // its footers
        int indentLevels;  // the footer's left, in level indents from the row's left
    };
    const Case cases[] = {
        {"invisible", gfInvisible, true, false, 2, 0, 0},
        {"column without footers", gfVisibleWhenExpanded, false, false, 2, 0, 0},
        {"when expanded", gfVisibleWhenExpanded, true, false, 2, 1, 1},
        {"always, expanded", gfAlwaysVisible, true, false, 2, 1, 0},
        {"when expanded, collapsed group row", gfVisibleWhenExpanded, true, true, 0, 0, 0},
        {"always, collapsed group row", gfAlwaysVisible, true, true, 0, 1, 0},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        view->GetOptionsView()->SetGroupFooters(each.mode);
        view->GetColumn(1)->GetOptions()->SetGroupFooters(each.columnShowsFooters);
        if (each.collapsed)
            Data()->FullCollapse();
        else
            Data()->FullExpand();
        Relayout();
        ASSERT_EQ(FooterCount(each.row), each.footers);
        if (each.footers == 0) continue;
        TcxCustomGridRowViewInfo* row = Row(each.row);
        TcxGridRowFooterViewInfo* footer = row->GetFootersViewInfo()->GetItem(0);
        EXPECT_EQ(footer->GetGroupLevel(), 0);
        EXPECT_EQ(footer->Bounds.Left, row->Bounds.Left + each.indentLevels * Layout()->GetLevelIndent());
        EXPECT_EQ(footer->GetItem(0)->GetText(), "2");
        // An indent column the footer reaches under stops where the footer begins.
        const int indentBottom = each.indentLevels == 0 ? footer->Bounds.Top : row->Bounds.Bottom;
        if (row->GetVisualLevel() > 0) {
            EXPECT_EQ(row->GetLevelIndentBounds(0).Bottom, indentBottom);
        }
    }
}

TEST_F(GroupFooters, GroupPositionItemsStayInTheGroupRowAndMultiSummariesStack) {
    AddGroupSummary(view->GetColumn(0), spGroup);
    AddGroupSummary(view->GetColumn(2), spFooter);
    Relayout();
    TcxGridRowFooterViewInfo* footer = Row(2)->GetFootersViewInfo()->GetItem(0);
    ASSERT_EQ(footer->GetSummaryItemCount(), 1) << "one item per column, spGroup left out";
    EXPECT_EQ(footer->GetSummaryItem(0), sumCount);

    view->GetOptionsView()->SetGroupFooterMultiSummaries(true);
    Relayout();
    footer = Row(2)->GetFootersViewInfo()->GetItem(0);
    EXPECT_EQ(footer->GetSummaryItemCount(), 2);
    EXPECT_EQ(footer->GetRowCount(), 2);
    EXPECT_EQ(footer->GetItem(1)->Bounds.Top, footer->GetItem(0)->Bounds.Bottom + 2);
}

TEST_F(GroupFooters, HitTestsNameTheCellOrTheColumnUnderTheFooter) {
    Relayout();
    TcxGridRowFooterViewInfo* footer = Row(2)->GetFootersViewInfo()->GetItem(0);
    const TRect cell = footer->GetItem(0)->Bounds;
    TcxCustomGridHitTest* hit = Layout()->GetHitTest(TPoint{cell.Left + 3, cell.Top + 3});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetHitTestCode(), htGroupFooterCell);
    EXPECT_EQ(static_cast<TcxGridFooterCellHitTest*>(hit)->SummaryItem, sumCount);

    // Empty footer space under the first column still names it.
    const TRect first = Layout()->GetHeaderViewInfo()->FindItem(view->GetColumn(0))->GetRealBounds();
    hit = Layout()->GetHitTest(TPoint{first.Right - 5, cell.Top + 3});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetHitTestCode(), htGroupFooterCell);
    auto* cellHit = static_cast<TcxGridFooterCellHitTest*>(hit);
    EXPECT_EQ(cellHit->Column, view->GetColumn(0));
    EXPECT_EQ(cellHit->SummaryItem, nullptr);

    // Left of the indented footer lies the row's level indent.
    hit = Layout()->GetHitTest(TPoint{Row(2)->Bounds.Left + 2, cell.Top + 3});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetHitTestCode(), htRowLevelIndent);
}

TEST_F(GroupFooters, FailingTextsAreEmptyAndReportedOnceAfterThePass) {
    sumCount->OnGetText = [](TcxDataSummaryItem*, const Variant&, bool, std::string&) {
        throw std::runtime_error("no text");
    };
    int reports = 0;
    bool rowsLaidOut = false;
    Application->OnException = [&](TObject*, const std::exception& e) {
        ++reports;
        EXPECT_STREQ(e.what(), "no text");
        rowsLaidOut = Row(4) && Row(4)->IsCalculated();
    };
    Relayout();
    Application->OnException = nullptr;
    EXPECT_EQ(reports, 1) << "two failing footers, one report";
    EXPECT_TRUE(rowsLaidOut) << "reported after the layout, not in the middle of it";
    EXPECT_EQ(Row(2)->GetFootersViewInfo()->GetItem(0)->GetItem(0)->Text, "");
    EXPECT_EQ(Row(4)->GetFootersViewInfo()->GetItem(0)->GetItem(0)->Text, "");
}

TEST_F(GroupFooters, BestFitCoversTheGroupFooterCells) {
    view->GetColumn(2)->SetWidth(10);
    Relayout();
    const int footerWidth = Row(2)->GetFootersViewInfo()->GetColumnBestFitWidth(view->GetColumn(2));
    EXPECT_GT(footerWidth, 0);
    EXPECT_GE(view->GetColumn(2)->CalculateBestFitWidth(), footerWidth);
}

TEST_F(GroupFooters, PaintingShowsTheFooterBesideTheIndentOfTheGroup) {
    TBitmap surface;
    surface.SetSize(600, 400);
    // Anything the view leaves undrawn stays magenta.
    surface.GetCanvas()->GetBrush()->SetColor(clFuchsia);
    surface.GetCanvas()->FillRect(TRect{0, 0, 600, 400});
    Relayout();
    {
        TcxCanvas canvas(surface.GetCanvas());
        view->GetPainter()->Paint(&canvas, Layout());
    }
    TcxCanvas canvas(surface.GetCanvas());
    canvas.ApplyClipRegion(TcxRegion::CreateFromRect(TRect{0, 0, 600, 400}));
    auto pixel = [&](int x, int y) { return surface.GetCanvas()->GetPixel(x, y); };
    TcxPartParams footerParams, groupParams;
    view->GetStyles()->GetFooterParams(nullptr, nullptr, 0, nullptr, footerParams);
    view->GetStyles()->GetGroupParams(nullptr, 0, groupParams);

    TcxCustomGridRowViewInfo* row = Row(2);
    TcxGridRowFooterViewInfo* footer = row->GetFootersViewInfo()->GetItem(0);
    const TRect cell = footer->GetItem(0)->Bounds;
    const int middle = (cell.Top + cell.Bottom) / 2;
    EXPECT_EQ(pixel(cell.Left - 10, middle), ColorToRGB(footerParams.Color)) << "footer background left of the cell";
    EXPECT_EQ(pixel(row->Bounds.Left + 3, middle), ColorToRGB(groupParams.Color)) << "the group's indent beside it";
    for (int x = row->Bounds.Left; x < row->Bounds.Right; x += 5)
        for (int y = row->Bounds.Top; y < row->Bounds.Bottom; y += 2)
            ASSERT_NE(pixel(x, y), ColorToRGB(clFuchsia)) << x << "," << y;
}

} // namespace
} // namespace zorvy::test
