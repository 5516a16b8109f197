#include "controls/foundation/graphics/Canvas.h"
#include "tests/controls/foundation/ControlFixture.h"

namespace zorvy::test {
namespace {

class TView : public TcxControlChildComponent {
    ZORVY_CLASS(TView, TcxControlChildComponent)
  public:
    using TcxControlChildComponent::TcxControlChildComponent;
};

class ChildComponents : public ControlTest {};

TEST_F(ChildComponents, AChildFindsItsControlAndLeavesItWhenFreed) {
    TForm* form = NewForm();
    TTestControl* control = NewControl(form, Rect(0, 0, 50, 50));
    auto* owned = TcxControlChildComponent::CreateForControl(TView::StaticClass(), control, true);
    EXPECT_EQ(owned->GetOwner(), form) << "owned by the control's owner";
    EXPECT_EQ(owned->GetControl(), control);
    EXPECT_EQ(owned->GetParentComponent(), control);
    auto* loose = TcxControlChildComponent::CreateForControl(TView::StaticClass(), control, false);
    EXPECT_EQ(loose->GetOwner(), nullptr);
    delete loose;
    auto* streamed = new TView(form);
    EXPECT_FALSE(streamed->HasParent());
    streamed->AttachToParent(control);
    EXPECT_EQ(streamed->GetControl(), control);
}

TEST_F(ChildComponents, TheActiveCanvasIsAScreenCanvasUntilTheWindowExists) {
    TForm* form = NewForm();
    TTestControl* control = NewControl(form, Rect(0, 0, 50, 50));
    TcxCanvas* before = control->GetActiveCanvas();
    EXPECT_NE(before, control->GetCanvasWrapper());
    EXPECT_GT(before->MeasureTextWidth("号码"), 0) << "measuring works without a window";
    control->HandleNeeded();
    EXPECT_EQ(control->GetActiveCanvas(), control->GetCanvasWrapper());
}

} // namespace
} // namespace zorvy::test
