// The table view painted in each look-and-feel: header cells and indicator cells are filled with
// their own colours whatever colour the brush was left with by the borders drawn before them.
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/GridTableViewPainter.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/IndicatorViewInfo.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "platform/classlib/Bitmap.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

class TableViewPainting : public TableViewTest {
  protected:
    TableViewPainting() {
        form->SetBounds(0, 0, 500, 300);
        grid->SetBounds(0, 0, 400, 200);
        for (const char* caption : {"Issue", "Blue"}) AddColumn(caption)->SetWidth(100);
        Fill({{"2026001", "3"}, {"2026002", "5"}});
        view->GetOptionsView()->SetIndicator(true);
        surface.SetSize(400, 200);
    }
    void Paint(TcxLookAndFeelKind kind) {
        grid->GetLookAndFeel()->SetKind(kind);
        grid->GetLookAndFeel()->SetNativeStyle(false);
        // Anything left undrawn stays magenta.
        surface.GetCanvas()->GetBrush()->SetColor(clFuchsia);
        surface.GetCanvas()->FillRect(TRect{0, 0, 400, 200});
        Layout()->Recalculate();
        TcxCanvas canvas(surface.GetCanvas());
        view->GetPainter()->Paint(&canvas, Layout());
    }
    TcxGridTableViewInfo* Layout() { return static_cast<TcxGridTableViewInfo*>(view->GetViewInfo()); }
    COLORREF Pixel(TPoint p) {
        TcxCanvas canvas(surface.GetCanvas());
        canvas.ApplyClipRegion(TcxRegion::CreateFromRect(TRect{0, 0, 400, 200}));
        return surface.GetCanvas()->GetPixel(p.X, p.Y);
    }
    TBitmap surface;
};

TEST_F(TableViewPainting, HeaderAndIndicatorCellsShowTheirColourInTheClassicLooks) {
    for (TcxLookAndFeelKind kind : {lfStandard, lfFlat, lfUltraFlat}) {
        SCOPED_TRACE(kind);
        Paint(kind);
        TcxGridColumnHeaderViewInfo* header = Layout()->GetHeaderViewInfo()->GetItem(1);
        // Right of the caption, clear of the borders.
        const TPoint inHeader{header->Bounds.Right - 6, (header->Bounds.Top + header->Bounds.Bottom) / 2};
        EXPECT_EQ(Pixel(inHeader), ColorToRGB(header->ViewParams.Color));
        TcxGridIndicatorViewInfo* indicator = Layout()->GetIndicatorViewInfo();
        TcxCustomGridRecordViewInfo* row = Layout()->GetRowsViewInfo()->GetItem(1);
        // The second row is neither focused nor selected: its indicator cell shows no image.
        const TPoint inIndicator{(indicator->Bounds.Left + indicator->Bounds.Right) / 2, row->Bounds.Top + 4};
        TcxPartParams params;
        view->GetStyles()->GetViewParams(vsIndicator, nullptr, nullptr, params);
        EXPECT_EQ(Pixel(inIndicator), ColorToRGB(params.Color));
    }
}

TEST_F(TableViewPainting, ScrollingCopiesPixelsOnlyWhenNothingPaintedDependsOnThePosition) {
    Layout()->Recalculate();
    auto* painter = static_cast<TcxGridTablePainter*>(view->GetPainter());
    const auto sideways = [&] { return painter->CanOffset(0, -10, 0); };
    const auto byRecords = [&] { return painter->CanOffset(1, 0, 0); };
    EXPECT_TRUE(sideways());
    EXPECT_TRUE(byRecords());
    // Merged cells change their extent with the top row.
    view->GetColumn(0)->GetOptions()->SetCellMerging(true);
    EXPECT_TRUE(sideways());
    EXPECT_FALSE(byRecords());
    view->GetColumn(0)->GetOptions()->SetCellMerging(false);
    // The filter row's info text is centred in the view, wherever the columns are.
    view->GetFilterRow()->SetVisible(true);
    ASSERT_FALSE(view->GetFilterRow()->GetInfoText().empty());
    EXPECT_FALSE(sideways());
    EXPECT_TRUE(byRecords());
    view->GetFilterRow()->SetInfoText("");
    EXPECT_TRUE(sideways());
}

TEST_F(TableViewPainting, ASidewaysScrollByCopyingLooksLikeARepaint) {
    for (int i = 0; i < 6; ++i) AddColumn("More" + std::to_string(i))->SetWidth(90);
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 12; ++r) {
        rows.emplace_back();
        for (int c = 0; c < 8; ++c) rows.back().push_back(std::to_string(r * 10 + c));
    }
    Fill(rows);
    form->Show();
    Pump();
    auto* controller = static_cast<TcxGridTableController*>(view->GetController());
    ASSERT_TRUE(static_cast<TcxGridTablePainter*>(view->GetPainter())->CanOffset(0, -30, 0));
    for (int left : {30, 17, 200}) {
        SCOPED_TRACE(left);
        controller->SetLeftPos(left);
        Pump();
        ASSERT_EQ(controller->GetLeftPos(), left);
        HBITMAP copied = display.Capture(form->GetHandle());
        view->Invalidate();
        Pump();
        HBITMAP repainted = display.Capture(form->GetHandle());
        int differences = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 400; ++x) differences += copied->Row(y)[x] != repainted->Row(y)[x];
        EXPECT_EQ(differences, 0);
        DeleteObject(copied);
        DeleteObject(repainted);
    }
}

} // namespace
} // namespace zorvy::test
