// Group rows on screen: the group cell's text and expand button, the summaries in the group text and
// under their columns, the Office11 row style, and what the rows paint (group colour, no undrawn
// blocks).
#include "controls/data/DataSummary.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/tableview/DataRowViewInfo.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/GroupRowViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "platform/classlib/Bitmap.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

class GroupRows : public TableViewTest {
  protected:
    GroupRows() {
        form->SetBounds(0, 0, 700, 500);
        grid->SetBounds(0, 0, 600, 400);
        for (const char* caption : {"Issue", "Blue", "Sum"}) AddColumn(caption)->SetWidth(120);
        view->GetOptionsCustomize()->SetColumnHidingOnGrouping(false);
        Fill({{"2026001", "3", "90"}, {"2026002", "5", "101"}, {"2026003", "3", "77"}});
        view->GetColumn(1)->GroupBy(0, true);
        Data()->FullExpand();
    }
    TcxGridTableViewInfo* Layout() { return static_cast<TcxGridTableViewInfo*>(view->GetViewInfo()); }
    TcxGridRowsViewInfo* Rows() { return Layout()->GetRowsViewInfo(); }
    void Relayout() { Layout()->Recalculate(); }
    TcxGridGroupRowViewInfo* GroupRow(int index) {
        return dynamic_cast<TcxGridGroupRowViewInfo*>(Rows()->GetItem(index));
    }
    TcxDataSummaryItem* AddGroupSummary(TcxGridColumn* column, TcxSummaryKind kind) {
        TcxDataSummaryItem* item = Data()->GetSummary().DefaultGroupSummaryItems().NewItem();
        item->SetItemLink(column);
        item->SetKind(kind);
        return item;
    }
    std::vector<std::string> SummaryTexts(TcxGridGroupRowViewInfo* row) {
        std::vector<std::string> texts;
        if (row->GetSummaryBeginSpacer()) texts.push_back(row->GetSummaryBeginSpacer()->GetText());
        for (int i = 0; i < row->GetSummaryCellCount(); ++i) {
            texts.push_back(row->GetSummaryCell(i)->GetText());
            texts.push_back(row->GetSummaryCell(i)->GetSpacer()->GetText());
        }
        if (row->GetSummaryEndSpacer()) texts.push_back(row->GetSummaryEndSpacer()->GetText());
        return texts;
    }
};

TEST_F(GroupRows, AGroupRowShowsCaptionAndValueBesideItsExpandButton) {
    Relayout();
    TcxGridGroupRowViewInfo* row = GroupRow(0);
    ASSERT_NE(row, nullptr);
    TcxGridGroupCellViewInfo* cell = row->GetGroupCellViewInfo();
    EXPECT_EQ(cell->GetText(), "Blue : 3");
    // The first level starts at the rows' left; the button sits 3 pixels in, centred in the row.
    const int size = view->GetLookAndFeelPainter()->GetPlusMinusButtonSize();
    EXPECT_EQ(row->ExpandButtonBounds.Left, row->Bounds.Left + 3);
    EXPECT_EQ(row->ExpandButtonBounds.Right - row->ExpandButtonBounds.Left, size);
    EXPECT_EQ(cell->GetTextAreaBounds().Left, cell->Bounds.Left + size + 6);
    // The data rows below are indented by one level.
    auto* data = dynamic_cast<TcxGridDataRowViewInfo*>(Rows()->GetItem(1));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->GetContentLeft(), row->Bounds.Left + Layout()->GetLevelIndent());
    EXPECT_EQ(row->GetSummaryCellCount(), 0);
    EXPECT_EQ(row->GetSummaryBeginSpacer(), nullptr);
}

TEST_F(GroupRows, StandardLayoutPutsTheSummariesInTheGroupTextBetweenBeginAndEndText) {
    AddGroupSummary(view->GetColumn(2), skCount);
    AddGroupSummary(view->GetColumn(0), skCount);
    Relayout();
    TcxGridGroupRowViewInfo* row = GroupRow(0);
    ASSERT_EQ(row->GetSummaryCellCount(), 2);
    const std::vector<std::string> expected = {" (", "COUNT=2", ", ", "COUNT=2", "", ")"};
    EXPECT_EQ(SummaryTexts(row), expected);
    // Left to right after the caption text, the end text right after the last value.
    const TcxGridGroupCellViewInfo* cell = row->GetGroupCellViewInfo();
    const int captionEnd = row->GetGroupCellViewInfo()->GetTextBounds().Left + row->GetGroupCellViewInfo()->GetTextWidth();
    EXPECT_EQ(row->GetSummaryBeginSpacer()->Bounds.Left, captionEnd);
    EXPECT_EQ(row->GetSummaryCell(0)->Bounds.Left, row->GetSummaryBeginSpacer()->Bounds.Right);
    EXPECT_EQ(row->GetSummaryCell(1)->Bounds.Left, row->GetSummaryCell(0)->Bounds.Right);
    EXPECT_EQ(row->GetSummaryEndSpacer()->Bounds.Left, row->GetSummaryCell(1)->Bounds.Right);
    EXPECT_EQ(row->GetSummaryCell(1)->Bounds.Top, cell->Bounds.Top);
}

TEST_F(GroupRows, AlignedLayoutPutsColumnSummariesUnderTheirColumns) {
    AddGroupSummary(nullptr, skCount);
    AddGroupSummary(view->GetColumn(2), skCount);
    AddGroupSummary(view->GetColumn(2), skCount);
    view->GetOptionsView()->SetGroupSummaryLayout(gslAlignWithColumns);
    view->GetColumn(2)->SetGroupSummaryAlignment(taRightJustify);
    Relayout();
    TcxGridGroupRowViewInfo* row = GroupRow(0);
    ASSERT_EQ(row->GetSummaryCellCount(), 3);
    // The summary without column stays in the group text; it is the only one there.
    const std::vector<std::string> expected = {" (", "COUNT=2", "", "COUNT=2", ", ", "COUNT=2", "", ")"};
    EXPECT_EQ(SummaryTexts(row), expected);
    EXPECT_EQ(row->GetSummaryEndSpacer()->Bounds.Left, row->GetSummaryCell(0)->Bounds.Right);
    // The column's two are packed against its right edge, 2 pixels inside the header.
    const TRect header = Layout()->GetHeaderViewInfo()->GetItem(2)->Bounds;
    EXPECT_EQ(row->GetSummaryCell(2)->Bounds.Right, header.Right - 2);
    EXPECT_EQ(row->GetSummaryCell(1)->Bounds.Right, row->GetSummaryCell(2)->Bounds.Left);
    EXPECT_GE(row->GetSummaryCell(1)->Bounds.Left, header.Left + 2);

    view->GetOptionsView()->SetGroupSummaryLayout(gslAlignWithColumnsAndDistribute);
    Relayout();
    row = GroupRow(0);
    EXPECT_EQ(row->GetSummaryCell(1)->Bounds.Left, header.Left + 2);
    EXPECT_EQ(row->GetSummaryCell(2)->Bounds.Right, header.Right - 2) << "the two share the column's width";
}

TEST_F(GroupRows, AFailingGroupSummaryTextIsEmptyAndReportedOnceAfterThePass) {
    for (TcxGridColumn* column : {view->GetColumn(0), view->GetColumn(2)})
        AddGroupSummary(column, skCount)->OnGetText = [](TcxDataSummaryItem*, const Variant&, bool, std::string&) {
            throw std::runtime_error("no text");
        };
    int reports = 0;
    bool rowsLaidOut = false;
    Application->OnException = [&](TObject*, const std::exception& e) {
        ++reports;
        EXPECT_STREQ(e.what(), "no text");
        rowsLaidOut = Rows()->GetCount() > 0 && Rows()->GetItem(Rows()->GetCount() - 1)->IsCalculated();
    };
    Relayout();
    EXPECT_EQ(reports, 1) << "four failing cells in two rows, one report";
    EXPECT_TRUE(rowsLaidOut) << "reported after the layout, not in the middle of it";
    EXPECT_EQ(GroupRow(0)->GetSummaryCell(0)->GetText(), "");
    Application->OnException = nullptr;
}

TEST_F(GroupRows, ASummaryCellAnswersItsOwnHitTest) {
    TcxDataSummaryItem* item = AddGroupSummary(view->GetColumn(2), skCount);
    Relayout();
    TcxGridGroupSummaryCellViewInfo* cell = GroupRow(0)->GetSummaryCell(0);
    const TPoint p{(cell->Bounds.Left + cell->Bounds.Right) / 2, (cell->Bounds.Top + cell->Bounds.Bottom) / 2};
    auto* hitTest = dynamic_cast<TcxGridGroupSummaryHitTest*>(Layout()->GetHitTest(p));
    ASSERT_NE(hitTest, nullptr);
    EXPECT_EQ(hitTest->GetHitTestCode(), htGroupSummary);
    EXPECT_EQ(hitTest->SummaryItem, item);
}

TEST_F(GroupRows, Office11RowsHaveNoSeparatorAndATwoPixelLineUnderTheText) {
    view->GetOptionsView()->SetRowSeparatorWidth(3);
    Relayout();
    EXPECT_EQ(GroupRow(0)->GetSeparatorWidth(), 3);
    view->GetOptionsView()->SetGroupRowStyle(grsOffice11);
    Relayout();
    TcxGridGroupRowViewInfo* row = GroupRow(0);
    EXPECT_EQ(row->GetSeparatorWidth(), 0);
    TcxGridGroupCellViewInfo* cell = row->GetGroupCellViewInfo();
    EXPECT_TRUE(cell->Borders & cxBorder(bBottom));
    EXPECT_EQ(cell->GetBorderWidth(bBottom), 2);
    EXPECT_EQ(cell->GetAlignmentVert(), vaBottom);
}

// ---- painting ----

class GroupRowsPainting : public GroupRows {
  protected:
    GroupRowsPainting() {
        grid->SetBounds(0, 0, 400, 200);
        surface.SetSize(400, 200);
        // Anything the view leaves undrawn stays magenta.
        surface.GetCanvas()->GetBrush()->SetColor(clFuchsia);
        surface.GetCanvas()->FillRect(TRect{0, 0, 400, 200});
    }
    void Paint() {
        Relayout();
        TcxCanvas canvas(surface.GetCanvas());
        view->GetPainter()->Paint(&canvas, Layout());
    }
    COLORREF Pixel(int x, int y) {
        TcxCanvas canvas(surface.GetCanvas());
        canvas.ApplyClipRegion(TcxRegion::CreateFromRect(TRect{0, 0, 400, 200}));
        return surface.GetCanvas()->GetPixel(x, y);
    }
    COLORREF GroupColor() {
        TcxPartParams params;
        view->GetStyles()->GetGroupParams(nullptr, 0, params);
        return ColorToRGB(params.Color);
    }
    TBitmap surface;
};

TEST_F(GroupRowsPainting, GroupRowsAndTheIndentsBelowThemShowTheGroupColour) {
    Paint();
    TcxGridGroupRowViewInfo* row = GroupRow(0);
    const TRect r = row->GetGroupCellViewInfo()->Bounds;
    // Right of the text, inside the row; and inside the indent of the data row below it.
    EXPECT_EQ(Pixel(r.Right - 10, r.Top + 3), GroupColor());
    auto* data = static_cast<TcxGridDataRowViewInfo*>(Rows()->GetItem(1));
    EXPECT_EQ(Pixel(data->Bounds.Left + 3, (data->Bounds.Top + data->Bounds.Bottom) / 2), GroupColor());
    // No part of the rows area is left undrawn.
    for (int i = 0; i < Rows()->GetCount(); ++i) {
        const TRect b = Rows()->GetItem(i)->Bounds;
        for (int x = b.Left; x < std::min(b.Right, 400); x += 7)
            for (int y = b.Top; y < b.Bottom; y += 3) ASSERT_NE(Pixel(x, y), ColorToRGB(clFuchsia)) << x << "," << y;
    }
}

TEST_F(GroupRowsPainting, TheExpandButtonIsDrawnOnTheGroupRow) {
    Paint();
    const TRect button = GroupRow(0)->ExpandButtonBounds;
    int notGroupColour = 0;
    for (int x = button.Left; x < button.Right; ++x)
        for (int y = button.Top; y < button.Bottom; ++y) notGroupColour += Pixel(x, y) != GroupColor();
    EXPECT_GT(notGroupColour, 10);
}

} // namespace
} // namespace zorvy::test
