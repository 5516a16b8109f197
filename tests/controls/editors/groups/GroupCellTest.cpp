// Radio and check groups drawn without controls, as grid cells: where the marks go and in which state,
// against the same marks drawn apart by the painter and the check painting at the places the layout
// rules give.
#include "controls/editors/checks/CheckPainting.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/groups/CheckGroup.h"
#include "controls/editors/groups/RadioGroup.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "platform/classlib/Bitmap.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class GroupCellTest : public EditorsTest {
  protected:
    GroupCellTest() {
        style.GetLookAndFeel()->SetNativeStyle(false);
        style.GetLookAndFeel()->SetKind(lfStandard);
    }
    // Paints the properties' cell for value into a bitmap of the cell's size.
    std::unique_ptr<TBitmap> PaintCell(TcxCustomEditProperties& properties, const Variant& value,
                                       std::unique_ptr<TcxCustomEditViewInfo>& info) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(Cell.Width(), Cell.Height());
        TcxCanvas canvas(bitmap->GetCanvas());
        std::unique_ptr<TcxCustomEditViewData> viewData(properties.MakeViewData(&style, true));
        info.reset(properties.CreateViewInfo());
        viewData->FillViewInfo(&canvas, Cell, Point(-1, -1), 0, 0, info.get(), false);
        viewData->FillEditorViewInfo(value, info.get());
        info->PaintTo(&canvas);
        return bitmap;
    }
    static bool SameArea(TBitmap* a, const TRect& ra, TBitmap* b, const TRect& rb) {
        for (int y = 0; y < ra.Height(); ++y)
            for (int x = 0; x < ra.Width(); ++x)
                if (a->GetCanvas()->GetPixel(ra.Left + x, ra.Top + y) != b->GetCanvas()->GetPixel(rb.Left + x, rb.Top + y))
                    return false;
        return true;
    }
    const TRect Cell = Rect(0, 0, 240, 60);
    TcxEditStyle style{nullptr};
};

TEST_F(GroupCellTest, ARadioCellDrawsEveryMarkWithTheCheckedOneInItsColumn) {
    TcxRadioGroupProperties properties(nullptr);
    properties.SetColumns(2);
    for (const char* caption : {"Odd", "Even", "Both"}) properties.GetItems()->Add()->SetCaption(caption);
    std::unique_ptr<TcxCustomEditViewInfo> info;
    auto cell = PaintCell(properties, Variant("Both"), info);
    ASSERT_EQ(info->ButtonCount(), 3);
    // In place: the first column starts 1 pixel in; 2 rows of 30; column width (240 - 2) / 2.
    const TcxLookAndFeelPainterClass painter = style.GetLookAndFeel()->GetPainterForThemeType(tokButton);
    const TSize mark = painter->GetRadioButtonExtent();
    struct Case {
        int index, left, top;
        bool checked;
    } cases[] = {{0, 1, 0, false}, {1, 1, 30, false}, {2, 1 + 119, 0, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(info->Button(c.index)->Bounds.Left, c.left);
        EXPECT_EQ(info->Button(c.index)->Bounds.Top, c.top);
        // The mark is centred vertically at the button's left edge, drawn as the painter draws it alone.
        const TRect at = Rect(c.left, c.top + (30 - mark.cy) / 2, c.left + mark.cx, c.top + (30 - mark.cy) / 2 + mark.cy);
        TBitmap alone;
        alone.SetSize(mark.cx, mark.cy);
        TcxCanvas aloneCanvas(alone.GetCanvas());
        aloneCanvas.FillRectSolid(Rect(0, 0, mark.cx, mark.cy), static_cast<TcxButtonGroupViewInfo*>(info.get())->BackgroundColor);
        painter->DrawRadioButton(&aloneCanvas, 0, 0, cxbsNormal, c.checked, false, static_cast<TcxButtonGroupViewInfo*>(info.get())->BackgroundColor);
        EXPECT_TRUE(SameArea(cell.get(), at, &alone, Rect(0, 0, mark.cx, mark.cy))) << c.index;
    }
}

TEST_F(GroupCellTest, ACheckCellDrawsEachItemsStateAtTheLeftOfItsCaption) {
    TcxCheckGroupProperties properties(nullptr);
    properties.SetColumns(3);
    for (const char* caption : {"A", "B", "C"}) properties.GetItems()->Add()->SetCaption(caption);
    std::unique_ptr<TcxCustomEditViewInfo> info;
    auto cell = PaintCell(properties, Variant("1;2"), info);
    auto* vi = static_cast<TcxCheckGroupViewInfo*>(info.get());
    ASSERT_EQ(vi->ButtonCount(), 3);
    const TSize mark = vi->GlyphSize;
    // In place with the check at the left: columns start 1 pixel in, 6 apart, (240 - 1 - 12) / 3 wide.
    const int columnWidth = (240 - 1 - 12) / 3;
    const TcxCheckBoxState states[] = {cbsUnchecked, cbsGrayed, cbsChecked};
    for (int i = 0; i < 3; ++i) {
        const int left = 1 + (columnWidth + 6) * i;
        EXPECT_EQ(vi->Button(i)->Bounds.Left, left);
        const TRect at = Rect(left, (60 - mark.cy) / 2, left + mark.cx, (60 - mark.cy) / 2 + mark.cy);
        TBitmap alone;
        alone.SetSize(mark.cx, mark.cy);
        TcxCanvas aloneCanvas(alone.GetCanvas());
        PaintEditCheck(&aloneCanvas, Rect(0, 0, mark.cx, mark.cy), states[i], ecsNormal, nullptr, 6,
                       TcxEditBorderStyle::ebs3D, false, clBtnText, vi->BackgroundColor, true, false, false, true,
                       nullptr, nssGrayedChecked);
        EXPECT_TRUE(SameArea(cell.get(), at, &alone, Rect(0, 0, mark.cx, mark.cy))) << i;
    }
}

} // namespace
} // namespace zorvy::test
