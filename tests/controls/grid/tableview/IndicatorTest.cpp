// The indicator column (width, items, row state marks, row sizing edge) and the painters of the
// column containers: clip region kept when a handler raises, link lines, pressed headers on other
// canvases, and grid lines drawn in one call.
#include "controls/foundation/graphics/Region.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTablePainters.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Canvas.h"
#include "tests/controls/grid/GridFixture.h"
#include "tests/controls/grid/tableview/HeadersView.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zorvy::test {
namespace {

class Indicator : public GridTest {
  protected:
    Indicator() {
        InitializeTextEditUnit();
        form = NewForm();
        grid = NewGrid(form);
        grid->SetBounds(0, 0, 402, 302);
        grid->GetLookAndFeel()->SetKind(lfStandard);
        grid->GetLookAndFeel()->SetNativeStyle(false);
        view = static_cast<TTestHeadersView*>(
            TcxControlChildComponent::CreateForControl(TTestHeadersView::StaticClass(), grid, true));
        AddLevel(grid, nullptr, view);
        for (const char* caption : {"A", "B"}) view->AddColumn(caption, 60);
        TcxCustomDataController* data = view->GetDataController();
        data->BeginUpdate();
        data->SetRecordCount(4);
        for (int r = 0; r < 4; ++r) data->SetValue(r, 0, Variant(std::to_string(r)));
        data->EndUpdate();
    }
    ~Indicator() override { FinalizeTextEditUnit(); }
    TTestHeadersTableViewInfo* Layout() const { return view->Layout(); }
    void Relayout() { Layout()->Recalculate(); }
    TcxCustomGridRecord* Record(int index) const { return view->GetViewData()->GetRecord(index); }

    TForm* form;
    TcxGrid* grid;
    TTestHeadersView* view;
};

TEST_F(Indicator, WidthFollowsTheIndicatorAndQuickCustomizationOptions) {
    struct Case {
        bool indicator, quick;
        int width;
    } const cases[] = {{true, false, 12}, {false, true, 12}, {false, false, 0}};
    for (const Case& each : cases) {
        view->GetOptionsView()->SetIndicator(each.indicator);
        view->GetOptionsCustomize()->SetColumnsQuickCustomization(each.quick);
        Relayout();
        EXPECT_EQ(Layout()->Indicator()->CalculateWidth(), each.width) << each.indicator << each.quick;
        EXPECT_EQ(Layout()->GetClientBounds().Left - Layout()->GetBounds().Left, each.width);
    }
}

TEST_F(Indicator, ItemsLieLevelWithTheHeaderRowsAndFooter) {
    view->GetOptionsView()->SetIndicator(true);
    view->GetOptionsView()->SetFooter(true);
    Relayout();
    TcxGridIndicatorViewInfo* indicator = Layout()->Indicator();
    const TRect header = Layout()->Header()->Bounds;
    const TRect footer = Layout()->Footer()->Bounds;
    EXPECT_EQ(indicator->Bounds.Top, header.Top);
    EXPECT_EQ(indicator->Bounds.Bottom, footer.Bottom);
    ASSERT_GE(indicator->GetItemCount(), 2);
    EXPECT_EQ(indicator->GetItem(0)->Bounds, Rect(indicator->Bounds.Left, header.Top, indicator->Bounds.Right, header.Bottom));
    EXPECT_EQ(indicator->GetItem(1)->Bounds, Rect(indicator->Bounds.Left, footer.Top, indicator->Bounds.Right, footer.Bottom));
    ASSERT_EQ(Layout()->RowItemCount(), 4);
    const TRect row = Layout()->Rows()->GetItem(2)->Bounds;
    EXPECT_EQ(Layout()->RowItem(2)->Bounds, Rect(indicator->Bounds.Left, row.Top, indicator->Bounds.Right, row.Bottom));
    TRect bounds;
    EXPECT_TRUE(indicator->GetRowItemBounds(Record(2), bounds));
    EXPECT_EQ(bounds, Layout()->RowItem(2)->Bounds);
}

TEST_F(Indicator, KindFollowsTheRowState) {
    view->GetOptionsSelection()->SetMultiSelect(true);
    TcxCustomGridRecord* row = Record(1);
    EXPECT_EQ(GetRecordIndicatorKind(row, true), 0);
    row->SetSelected(true);
    EXPECT_EQ(GetRecordIndicatorKind(row, true), 4);
    EXPECT_EQ(GetRecordIndicatorKind(row, false), 0) << "selection shows only with multi-select";
    view->GetController()->SetFocusedRowIndex(1);
    EXPECT_EQ(GetRecordIndicatorKind(Record(1), true), 5);
    EXPECT_EQ(GetRecordIndicatorKind(Record(1), false), 1);
    view->GetDataController()->Edit();
    EXPECT_EQ(GetRecordIndicatorKind(Record(1), false), 2);
    view->GetDataController()->Cancel();
    view->GetFilterRow()->SetVisible(true);
    EXPECT_EQ(GetRecordIndicatorKind(view->GetViewData()->GetFilterRow(), false), 6);
}

TEST_F(Indicator, RowSizingEdgeOnlyWithDataRowSizing) {
    view->GetOptionsView()->SetIndicator(true);
    view->GetOptionsSelection()->SetMultiSelect(true);
    for (bool sizing : {false, true}) {
        view->GetOptionsCustomize()->SetDataRowSizing(sizing);
        Relayout();
        const TRect item = Layout()->RowItem(1)->Bounds;
        TcxCustomGridHitTest* hit = Layout()->GetHitTest(TPoint{item.Left + 3, item.Bottom - 2});
        ASSERT_NE(hit, nullptr);
        EXPECT_EQ(hit->GetHitTestCode(), sizing ? htRowSizingEdge : htRowIndicator) << sizing;
        EXPECT_EQ(hit->GetCursor(), sizing ? 2109 : 4007);
        EXPECT_EQ(static_cast<TcxGridRecordHitTest*>(hit)->GetGridRecord(), Record(1));
        hit = Layout()->GetHitTest(TPoint{item.Left + 3, item.Top + 8});
        EXPECT_EQ(hit->GetHitTestCode(), htRowIndicator);
    }
}

// ---- painters ----

class ContainerPainting : public Indicator {
  protected:
    ContainerPainting() {
        surface.SetSize(402, 302);
        surface.GetCanvas()->GetBrush()->SetColor(clWhite);
        surface.GetCanvas()->FillRect(TRect{0, 0, 402, 302});
    }
    // Painting leaves the painted cells out of the clip region, outside which nothing reads back.
    TColor Pixel(int x, int y) {
        TcxCanvas canvas(surface.GetCanvas());
        canvas.ApplyClipRegion(TcxRegion::CreateFromRect(TRect{0, 0, 402, 302}));
        return static_cast<TColor>(surface.GetCanvas()->GetPixel(x, y));
    }
    TBitmap surface;
};

TEST_F(ContainerPainting, TheClipRegionComesBackWhenAHeaderHandlerRaises) {
    Relayout();
    view->SetOnCustomDrawColumnHeader([](TcxGridTableView*, TcxCanvas*, TcxCustomGridCellViewInfo*, bool&) {
        throw std::runtime_error("handler failed");
    });
    Relayout();
    TcxCanvas canvas(surface.GetCanvas());
    std::unique_ptr<TcxRegion> before(canvas.CopyClipRegion());
    EXPECT_THROW(Layout()->Header()->Paint(&canvas), std::runtime_error);
    std::unique_ptr<TcxRegion> after(canvas.CopyClipRegion());
    EXPECT_EQ(after->GetBoundsRect(), before->GetBoundsRect());
}

TEST_F(ContainerPainting, AHeaderPaintedElsewhereIsNeverPressed) {
    Relayout();
    TcxGridColumnHeaderViewInfo* header = Layout()->Header()->GetItem(0);
    TcxCanvas canvas(surface.GetCanvas());
    header->Paint(&canvas);
    const TRect r = header->GetContentBounds();
    const TColor normal = Pixel(r.Left + 2, r.Bottom - 2);
    ASSERT_NE(normal, static_cast<TColor>(-1));
    header->SetState(gcsPressed);
    header->Paint(&canvas);
    EXPECT_EQ(Pixel(r.Left + 2, r.Bottom - 2), normal) << "no pressed feedback on another canvas";
}

TEST_F(ContainerPainting, GroupByBoxLinksConsecutiveHeaders) {
    view->GetOptionsView()->SetGroupByBox(true);
    view->GetOptionsCustomize()->SetColumnHidingOnGrouping(false);
    view->GetColumn(0)->GroupBy(0, true);
    view->GetColumn(1)->GroupBy(1, true);
    Relayout();
    TcxCanvas canvas(surface.GetCanvas());
    Layout()->GroupByBox()->Paint(&canvas);
    const TRect down = Layout()->GroupByBox()->GetLinkLineBounds(0, false);
    const TRect across = Layout()->GroupByBox()->GetLinkLineBounds(0, true);
    EXPECT_EQ(Pixel(down.Left, down.Top + 1), ColorToRGB(clBtnText));
    EXPECT_EQ(Pixel(across.Right - 1, across.Top), ColorToRGB(clBtnText));
}

TEST(GridLineList, DrawsHorizontalAndVerticalLinesInOneGo) {
    TBitmap surface;
    surface.SetSize(20, 20);
    surface.GetCanvas()->GetBrush()->SetColor(clWhite);
    surface.GetCanvas()->FillRect(TRect{0, 0, 20, 20});
    TcxCanvas canvas(surface.GetCanvas());
    TcxGridLineList lines;
    lines.Add(TRect{2, 5, 12, 6});  // 1 high: horizontal along the top
    lines.Add(TRect{15, 1, 16, 9}); // vertical down the left edge
    lines.Add(TRect{3, 10, 6, 14}); // wider than 1 but not 1 high: still vertical
    lines.Draw(&canvas, clRed);
    EXPECT_EQ(lines.GetCount(), 0);
    auto pixel = [&](int x, int y) { return static_cast<COLORREF>(surface.GetCanvas()->GetPixel(x, y)); };
    const COLORREF red = ColorToRGB(clRed), white = ColorToRGB(clWhite);
    for (int x = 2; x < 12; ++x) EXPECT_EQ(pixel(x, 5), red) << x;
    EXPECT_EQ(pixel(2, 6), white);
    for (int y = 1; y < 9; ++y) EXPECT_EQ(pixel(15, y), red) << y;
    EXPECT_EQ(pixel(16, 3), white);
    for (int y = 10; y < 14; ++y) EXPECT_EQ(pixel(3, y), red) << y;
    EXPECT_EQ(pixel(4, 11), white);
}

} // namespace
} // namespace zorvy::test
