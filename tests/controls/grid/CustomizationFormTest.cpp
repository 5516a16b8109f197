// The customization form a view's controller opens: its place and size, its page control, the hit
// test of a point on it, and the hook timer that hides it with the application and closes it with
// the view.
#include "controls/grid/view/CustomizationForm.h"
#include "controls/grid/view/HitTests.h"
#include "controls/pages/PageControl.h"
#include "tests/controls/grid/GridFixture.h"

namespace zorvy::test {
namespace {

class CustomizationForm : public GridTest {
  protected:
    CustomizationForm() : form(NewForm(400, 300)), grid(NewGrid(form)) {
        grid->SetBounds(10, 10, 300, 200);
        view = NewView(grid);
        level = AddLevel(grid, nullptr, view);
        form->Show();
        Pump();
    }
    TcxGridSite* Site() const { return view->Info()->GetSite(); }
    TcxCustomGridController* Controller() const { return view->GetController(); }
    TcxCustomGridCustomizationForm* Open() {
        Controller()->SetCustomization(true);
        Pump();
        return Controller()->GetCustomizationForm();
    }
    TForm* form;
    TcxGrid* grid;
    TTestView* view;
    TcxGridLevel* level;
};

TEST_F(CustomizationForm, OpensAtTheSitesBottomRightCornerWithItsPageControl) {
    TcxCustomGridCustomizationForm* custom = Open();
    ASSERT_NE(custom, nullptr);
    EXPECT_TRUE(custom->GetVisible());
    EXPECT_EQ(custom->GetCaption(), "Customization");
    EXPECT_EQ(custom->GetBorderStyle(), bsSizeToolWin);
    const TRect client = Site()->GetClientRect();
    const TPoint corner = Site()->ClientToScreen(TPoint{client.Right, client.Bottom});
    EXPECT_EQ(custom->GetBoundsRect(), (TRect{corner.X - 180, corner.Y - 300, corner.X, corner.Y}));

    TCanvas* canvas = custom->GetCanvas();
    canvas->SetFont(grid->GetFont());
    const int offset = canvas->TextHeight("Qq") / 6;
    EXPECT_EQ(custom->GetOffset(), offset);
    const TRect inner = custom->GetClientRect();
    TcxPageControl* pages = custom->GetPageControl();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->GetParent(), custom);
    EXPECT_EQ(pages->GetBoundsRect(),
              (TRect{inner.Left + offset, inner.Top + offset, inner.Right - offset, inner.Bottom - offset}));
    EXPECT_TRUE(pages->GetHotTrack());
    EXPECT_FALSE(pages->GetFocusable());
}

TEST_F(CustomizationForm, APointOnTheFormIsTheCustomizationFormHitTest) {
    TcxCustomGridCustomizationForm* custom = Open();
    ASSERT_NE(custom, nullptr);
    const TRect r = custom->GetBoundsRect();
    const TPoint onForm = Site()->ScreenToClient(TPoint{r.Left + 20, r.Top + 20});
    TcxCustomGridHitTest* hitTest = view->Info()->GetHitTest(onForm);
    EXPECT_EQ(hitTest->GetHitTestCode(), htCustomizationForm);
    EXPECT_EQ(static_cast<TcxCustomGridViewHitTest*>(hitTest)->GetGridView(), view);
    EXPECT_EQ(view->Info()->GetHitTest(TPoint{20, 15})->GetHitTestCode(), 99) << "the cell beside the form";
    Controller()->SetCustomization(false);
    EXPECT_EQ(Controller()->GetCustomizationForm(), nullptr);
    EXPECT_NE(view->Info()->GetHitTest(onForm)->GetHitTestCode(), htCustomizationForm);
}

TEST_F(CustomizationForm, ClosingTheFormByTheUserClearsTheFlag) {
    int notices = 0;
    view->SetOnCustomization([&](TObject*) { ++notices; });
    TcxCustomGridCustomizationForm* custom = Open();
    ASSERT_NE(custom, nullptr);
    custom->Close();
    Pump();
    EXPECT_FALSE(Controller()->GetCustomization());
    EXPECT_EQ(Controller()->GetCustomizationForm(), nullptr);
    EXPECT_EQ(notices, 2);
}

TEST_F(CustomizationForm, HidingTheViewClosesTheFormAtTheNextTick) {
    TcxCustomGridCustomizationForm* custom = Open();
    ASSERT_NE(custom, nullptr);
    Wait(100);
    EXPECT_TRUE(Controller()->GetCustomization()) << "a shown view keeps its form";
    level->SetVisible(false);
    Pump();
    Wait(100);
    EXPECT_FALSE(Controller()->GetCustomization());
    EXPECT_EQ(Controller()->GetCustomizationForm(), nullptr);
}

TEST_F(CustomizationForm, AMinimisedApplicationHidesTheFormAndRestoringShowsItWithoutFocus) {
    ASSERT_EQ(Application->GetMainForm(), form);
    TcxCustomGridCustomizationForm* custom = Open();
    ASSERT_NE(custom, nullptr);
    form->SetFocus();
    Pump();
    form->SetWindowState(wsMinimized);
    Wait(100);
    EXPECT_FALSE(custom->GetVisible());
    EXPECT_TRUE(Controller()->GetCustomization());
    form->SetWindowState(wsNormal);
    Pump();
    Wait(100);
    EXPECT_TRUE(custom->GetVisible());
    EXPECT_FALSE(custom->GetActive());
}

TEST_F(CustomizationForm, FreeingTheViewWithItsFormOpenFreesTheForm) {
    TWeakLink<TcxCustomGridCustomizationForm> custom(Open());
    ASSERT_TRUE(custom);
    delete view;
    Pump();
    EXPECT_FALSE(custom);
}

} // namespace
} // namespace zorvy::test
