// The grid's internal drags driven by the mouse on a real site: the start point and hit test the drag
// object learns, the moving object's image of the cell, its arrows and its cursor, and the paint
// hand-over while a drag runs.
#include "controls/foundation/dragdrop/DragImage.h"
#include "controls/grid/view/GridDragAndDrop.h"
#include "controls/grid/view/HitTests.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/grid/GridFixture.h"

#include <vector>

namespace zorvy::test {
namespace {

// Moves the test view's one cell; the test sets where it may go and what a refusal means.
class TTestMovingObject : public TcxCustomGridMovingObject {
    ZORVY_CLASS(TTestMovingObject, TcxCustomGridMovingObject)
  public:
    using TcxCustomGridMovingObject::TcxCustomGridMovingObject;
    static inline bool Valid = true;
    static inline bool Removable = false;
    static inline bool Vertical = true;
    static inline TRect Target{100, 60, 160, 80};
    static inline std::vector<std::string> Log;
    static inline TcxCustomGridHitTest* InitHitTest = nullptr;

    bool CanRemove() const override { return Removable; }
    void CalculateArrowTargetRect(int, TRect& r) override { r = Target; }
    TcxCustomGridItemsListBox* GetCustomizationFormListBox() override { return nullptr; }
    TcxCustomGridCellViewInfo* GetSourceItemViewInfo() override {
        return static_cast<TTestViewInfo*>(GetViewInfo())->Cell();
    }
    bool IsSourceCustomizationForm() override { return false; }
    bool IsValidDestination() override { return Valid; }
    bool AreArrowsVertical() override { return Vertical; }
    void Init(TPoint p, TcxCustomGridHitTest* hitTest) override {
        InitHitTest = hitTest;
        TcxCustomGridMovingObject::Init(p, hitTest);
    }

  protected:
    void DoBeforePaint() override { Log.push_back("before paint"); }
    void DoAfterPaint() override { Log.push_back("after paint"); }
    void TrackTo(TPoint p, bool& accepted) override {
        accepted = Valid;
        TcxCustomGridMovingObject::TrackTo(p, accepted);
    }
    void AfterStop(bool accepted) override {
        Log.push_back(accepted ? "stop accepted" : "stop refused");
        TcxCustomGridMovingObject::AfterStop(accepted);
    }
};

class TTestDragHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TTestDragHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return 98; }
    const TMetaClass* GetDragAndDropObjectClass() const override { return TTestMovingObject::StaticClass(); }
};

class GridDragAndDrop : public GridTest {
  protected:
    GridDragAndDrop() : form(NewForm(400, 300)), grid(NewGrid(form)) {
        grid->SetBounds(10, 10, 300, 200);
        view = NewView(grid);
        AddLevel(grid, nullptr, view);
        form->Show();
        Pump();
        view->Info()->Cell()->HitTestClass = TTestDragHitTest::StaticClass();
        TTestMovingObject::Valid = true;
        TTestMovingObject::Removable = false;
        TTestMovingObject::Vertical = true;
        TTestMovingObject::Log.clear();
        TTestMovingObject::InitHitTest = nullptr;
    }
    TcxGridSite* Site() const { return view->Info()->GetSite(); }
    TTestMovingObject* Dragged() const {
        return dynamic_cast<TTestMovingObject*>(view->GetController()->GetDragAndDropObject());
    }
    // Presses on the cell at (20, 15) and moves out of the drag threshold to p.
    void StartAt(TPoint p) {
        Wait(1000); // no double click with the last press
        display.PressMouse(Site()->GetHandle(), 20, 15);
        Pump();
        display.MoveMouse(Site()->GetHandle(), p.X, p.Y);
        Pump();
    }
    TRect ScreenBounds(TWinControl* control) {
        TRect r;
        GetWindowRect(control->GetHandle(), r);
        return r;
    }
    TForm* form;
    TcxGrid* grid;
    TTestView* view;
};

TEST_F(GridDragAndDrop, APressOnACellThatNamesADragObjectHandsItThePointAndHitTest) {
    display.PressMouse(Site()->GetHandle(), 20, 15);
    Pump();
    ASSERT_EQ(Site()->GetDragAndDropState(), idsPending);
    auto* object = dynamic_cast<TTestMovingObject*>(Site()->ObtainDragAndDropObject());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetSourcePoint(), (TPoint{20, 15}));
    ASSERT_NE(TTestMovingObject::InitHitTest, nullptr);
    EXPECT_EQ(TTestMovingObject::InitHitTest->GetHitTestCode(), 98);
    EXPECT_EQ(object->GetDragImage(), nullptr) << "no feedback before the drag starts";
    display.ReleaseMouse(Site()->GetHandle(), 20, 15);
    Pump();
    EXPECT_EQ(Site()->GetDragAndDropState(), idsIdle);
    EXPECT_TRUE(TTestMovingObject::Log.empty()) << "a drag that never started is not stopped";
}

TEST_F(GridDragAndDrop, AHitTestWithoutADragObjectStartsNoDrag) {
    view->Info()->Cell()->HitTestClass = TTestCellHitTest::StaticClass();
    for (TPoint p : {TPoint{20, 15}, TPoint{200, 150}}) {
        display.PressMouse(Site()->GetHandle(), p.X, p.Y);
        Pump();
        EXPECT_EQ(Site()->GetDragAndDropState(), idsIdle) << p.X;
        display.ReleaseMouse(Site()->GetHandle(), p.X, p.Y);
        Pump();
    }
}

TEST_F(GridDragAndDrop, TheImageIsTheCellAsShownWithTheGripPointUnderTheMouse) {
    StartAt({120, 100});
    ASSERT_EQ(Site()->GetDragAndDropState(), idsRunning);
    TcxDragImage* image = Dragged()->GetDragImage();
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->IsShowing());
    // The cell is 50 x 20 at (10, 10); pressed at (20, 15).
    EXPECT_EQ(image->GetImage()->GetWidth(), 50);
    EXPECT_EQ(image->GetImage()->GetHeight(), 20);
    EXPECT_EQ(image->GetHotSpot(), (TPoint{10, 5}));
    const TPoint mouse = Site()->ClientToScreen(TPoint{120, 100});
    EXPECT_EQ(ScreenBounds(image).Left, mouse.X - 10);
    EXPECT_EQ(ScreenBounds(image).Top, mouse.Y - 5);
    // Pixel for pixel what the site shows of the cell at (10, 10).
    TCanvas* canvas = image->GetImage()->GetCanvas();
    HBITMAP shown = display.Capture(Site()->GetHandle());
    int differing = 0, dark = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 50; ++x) {
            const std::uint32_t p = shown->Row(10 + y)[10 + x] & 0xFFFFFF;
            const TColor site = static_cast<TColor>(RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF));
            differing += canvas->GetPixel(x, y) != site;
            dark += site != clWhite;
        }
    DeleteObject(shown);
    EXPECT_GT(dark, 10) << "the caption shows";
    EXPECT_EQ(differing, 0);

    display.MoveMouse(Site()->GetHandle(), 150, 120);
    Pump();
    const TPoint moved = Site()->ClientToScreen(TPoint{150, 120});
    EXPECT_EQ(ScreenBounds(image).Left, moved.X - 10) << "the image follows the mouse";
}

TEST_F(GridDragAndDrop, ArrowsStandAboveAndBelowOrLeftAndRightOfTheTarget) {
    struct Case {
        bool vertical;
    };
    for (Case c : {Case{true}, Case{false}}) {
        TTestMovingObject::Vertical = c.vertical;
        StartAt({120, 100});
        ASSERT_NE(Dragged(), nullptr);
        EXPECT_EQ(Dragged()->GetArrowPlace(0), c.vertical ? 1 : 0);
        EXPECT_EQ(Dragged()->GetArrowPlace(1), c.vertical ? 3 : 2);
        TcxDragAndDropArrow* first = Dragged()->GetArrow(0);
        TcxDragAndDropArrow* second = Dragged()->GetArrow(1);
        ASSERT_TRUE(first->IsShowing() && second->IsShowing());
        const TRect target = TTestMovingObject::Target;
        const TPoint targetTopLeft = Site()->ClientToScreen(TPoint{target.Left, target.Top});
        const TPoint targetBottomRight = Site()->ClientToScreen(TPoint{target.Right, target.Bottom});
        const TRect a = ScreenBounds(first), b = ScreenBounds(second);
        if (c.vertical) {
            EXPECT_LE(a.Bottom, targetTopLeft.Y + 1) << "the first arrow stands above";
            EXPECT_GE(b.Top, targetBottomRight.Y - 1) << "the second arrow stands below";
            EXPECT_LT(a.Right - a.Left, a.Bottom - a.Top + 5);
        } else {
            EXPECT_LE(a.Right, targetTopLeft.X + 1) << "the first arrow stands left";
            EXPECT_GE(b.Left, targetBottomRight.X - 1) << "the second arrow stands right";
        }
        display.ReleaseMouse(Site()->GetHandle(), 120, 100);
        Pump();
    }
}

TEST_F(GridDragAndDrop, AnInvalidDestinationShowsNoArrowsButTheImage) {
    TTestMovingObject::Valid = false;
    StartAt({120, 100});
    ASSERT_NE(Dragged(), nullptr);
    EXPECT_FALSE(Dragged()->GetArrow(0)->IsShowing());
    EXPECT_FALSE(Dragged()->GetArrow(1)->IsShowing());
    EXPECT_TRUE(Dragged()->GetDragImage()->IsShowing());
}

TEST_F(GridDragAndDrop, TheCursorTellsAcceptedRemovedOrRefused) {
    struct Case {
        bool valid, removable;
        TCursor cursor;
    };
    for (Case c : {Case{true, false, crArrow}, Case{true, true, crArrow}, Case{false, true, 2108},
                   Case{false, false, 2112}}) {
        TTestMovingObject::Valid = c.valid;
        TTestMovingObject::Removable = c.removable;
        StartAt({120, 100});
        display.MoveMouse(Site()->GetHandle(), 130, 100);
        Pump();
        EXPECT_EQ(Screen->GetCursor(), c.cursor) << c.valid << c.removable;
        display.ReleaseMouse(Site()->GetHandle(), 130, 100);
        Pump();
    }
}

TEST_F(GridDragAndDrop, PaintPassesDuringADragReachTheObjectAndTheStopFreesTheFeedback) {
    StartAt({120, 100});
    TTestMovingObject::Log.clear();
    Site()->Invalidate();
    Site()->Update();
    EXPECT_EQ(TTestMovingObject::Log, (std::vector<std::string>{"before paint", "after paint"}));

    TTestMovingObject::Log.clear();
    display.ReleaseMouse(Site()->GetHandle(), 120, 100);
    Pump();
    EXPECT_EQ(TTestMovingObject::Log, (std::vector<std::string>{"stop accepted"}));
    EXPECT_EQ(view->GetController()->GetDragAndDropObject(), nullptr);

    StartAt({120, 100});
    TTestMovingObject::Log.clear();
    display.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(TTestMovingObject::Log, (std::vector<std::string>{"stop refused"}));
    Site()->Invalidate();
    Site()->Update();
    EXPECT_EQ(TTestMovingObject::Log.size(), 1u) << "no paint hand-over without a drag";
}

} // namespace
} // namespace zorvy::test
