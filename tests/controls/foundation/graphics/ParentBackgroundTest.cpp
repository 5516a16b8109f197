#include "controls/foundation/graphics/CanvasRoutines.h"
#include "tests/controls/foundation/FoundationFixture.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

namespace zorvy::test {
namespace {

class ParentBackground : public FoundationTest {};

TEST_F(ParentBackground, TheParentsPixelsUnderTheControlLandAtTheControlsOwnPoints) {
    TForm* form = NewForm(100, 60);
    form->SetColor(clRed);
    auto* sibling = new TWinControl(form);
    sibling->SetParent(form);
    sibling->SetBounds(0, 0, 25, 60);
    sibling->SetColor(clBlue);
    auto* control = new TWinControl(form);
    control->SetParent(form);
    control->SetBounds(20, 10, 30, 20);
    form->Show();
    Pump();
    TPaintSurface plain(30, 20, clWhite), withSiblings(30, 20, clWhite);
    PaintParentImage(control, plain.Canvas(), Rect(0, 0, 30, 20), false);
    PaintParentImage(control, withSiblings.Canvas(), Rect(0, 0, 30, 20), true);
    EXPECT_EQ(plain.At(0, 0), RGB(255, 0, 0)) << "the parent's own background only";
    EXPECT_EQ(withSiblings.At(0, 0), RGB(0, 0, 255)) << "the sibling before the control covers form x 20..24";
    EXPECT_EQ(withSiblings.At(4, 19), RGB(0, 0, 255));
    EXPECT_EQ(withSiblings.At(5, 0), RGB(255, 0, 0)) << "form x 25 is past the sibling";
    // A part of the control: its point (10, 5) still shows the parent's point (30, 15).
    TPaintSurface part(30, 20, clWhite);
    PaintParentBackground(control, part.Canvas(), Rect(10, 5, 20, 15));
    EXPECT_EQ(part.At(10, 5), RGB(255, 0, 0));
    EXPECT_EQ(part.At(0, 0), RGB(255, 255, 255)) << "outside the rectangle asked for";
}

} // namespace
} // namespace zorvy::test
