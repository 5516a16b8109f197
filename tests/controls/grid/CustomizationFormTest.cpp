// The customization form a view's controller opens: its place and size, its page control, the hit
// test of a point on it, and the hook timer that hides it with the application and closes it with
// the view.
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/view/CustomizationForm.h"
#include "controls/grid/view/GridDragAndDrop.h"
#include "controls/grid/view/HitTests.h"
#include "controls/pages/PageControl.h"
#include "platform/win/VirtualKeys.h"
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

// A drag out of an items list: the object remembers where it started.
class TListDragObject : public TcxCustomGridDragAndDropObject {
    ZORVY_CLASS(TListDragObject, TcxCustomGridDragAndDropObject)
  public:
    using TcxCustomGridDragAndDropObject::TcxCustomGridDragAndDropObject;
    static inline TPoint Started{-1, -1};
    void Init(TPoint p, TcxCustomGridHitTest* hitTest) override {
        Started = p;
        TcxCustomGridDragAndDropObject::Init(p, hitTest);
    }
};

class TListDragHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TListDragHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return 97; }
    const TMetaClass* GetDragAndDropObjectClass() const override { return TListDragObject::StaticClass(); }
};

class TTestItemsListBox : public TcxCustomGridItemsListBox {
    ZORVY_CLASS(TTestItemsListBox, TcxCustomGridItemsListBox)
  public:
    using TcxCustomGridItemsListBox::TcxCustomGridItemsListBox;
    int CalcItemHeight() override { return 16; }
    TcxCustomGridHitTest* CreateDragHitTest() override {
        return TcxCustomGridHitTest::GetInstance(TListDragHitTest::StaticClass(), TPoint{});
    }
    void PaintItem(TcxCanvas* canvas, const TRect& r, int, bool) override { canvas->FillRectSolid(r, clWindow); }
};

TEST_F(CustomizationForm, LeavingTheDragThresholdOverAnItemLineStartsTheSitesDrag) {
    TcxCustomGridCustomizationForm* custom = Open();
    ASSERT_NE(custom, nullptr);
    auto* items = new TTestItemsListBox(custom);
    items->SetBounds(0, 0, 150, 100);
    items->SetParent(custom->AddPage("Items", true));
    items->GetItems()->Add("b");
    items->GetItems()->Add("a");
    Pump();
    EXPECT_EQ(items->GetItems()->Get(0), "a") << "the lines are sorted";
    EXPECT_EQ(items->GetItemHeight(), 16);
    HWND h = items->GetInnerListBox()->GetHandle();
    TListDragObject::Started = TPoint{-1, -1};

    display.PressMouse(h, 10, 60); // below the lines
    display.MoveMouse(h, 60, 90);
    display.ReleaseMouse(h, 60, 90);
    Pump();
    EXPECT_EQ(Site()->GetDragAndDropState(), idsIdle);

    Wait(1000);
    display.PressMouse(h, 10, 20);
    display.MoveMouse(h, 11, 21); // within the threshold, same line
    Pump();
    EXPECT_EQ(Site()->GetDragAndDropState(), idsIdle);
    display.MoveMouse(h, 40, 26);
    Pump();
    EXPECT_EQ(Site()->GetDragAndDropState(), idsRunning);
    EXPECT_EQ(items->GetItemIndex(), 1) << "the pressed line is selected";
    TPoint expected{10, 20};
    MapWindowPoints(h, Site()->GetHandle(), &expected, 1);
    EXPECT_EQ(TListDragObject::Started, expected) << "the start point in site coordinates";
    display.PressKey(VK_ESCAPE);
    Pump();
    Site()->FinishDragAndDrop(false);
}

} // namespace
} // namespace zorvy::test
