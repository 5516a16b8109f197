// View layout and hit tests: the site of a top view, the program's one hit test per class, a cell's
// rectangles, text flags and aligned text, its states under the mouse, and a hidden focused site.
#include "tests/controls/grid/GridFixture.h"

namespace zorvy::test {
namespace {

class ViewLayout : public GridTest {
  protected:
    ViewLayout() : form(NewForm(400, 300)), grid(NewGrid(form)) {
        grid->SetBounds(10, 10, 300, 200);
        view = NewView(grid);
        level = AddLevel(grid, nullptr, view);
        form->Show();
        Pump();
    }
    TTestCellViewInfo* Cell() const { return view->Info()->Cell(); }
    TcxGridSite* Site() const { return view->Info()->GetSite(); }
    TForm* form;
    TcxGrid* grid;
    TTestView* view;
    TcxGridLevel* level;
};

// A lone cell placed by hand, with the borders and alignments a test asks for.
class TFreeCell : public TTestCellViewInfo {
  public:
    using TTestCellViewInfo::TTestCellViewInfo;
    TAlignment Horz = taLeftJustify;
    TcxAlignmentVert Vert = vaTop;
    bool Ellipsis = false;
    bool MultiLinePainting = false;
    TAlignment CalculateAlignmentHorz() override { return Horz; }
    TcxAlignmentVert CalculateAlignmentVert() override { return Vert; }
    bool ShowEndEllipsis() override { return Ellipsis; }
    bool CalculateMultiLinePainting() override { return MultiLinePainting; }
};

TEST_F(ViewLayout, ATopViewWithoutTabsCoversTheGridsContentBounds) {
    ASSERT_EQ(grid->GetRootLevelOptions()->GetDetailTabsPosition(), dtpNone);
    EXPECT_EQ(Site()->GetParent(), grid);
    EXPECT_EQ(Site()->GetBoundsRect(), grid->GetContentBounds());
    EXPECT_EQ(view->Info()->GetBounds(), Rect(0, 0, 298, 198)) << "the site's content, in its own terms";
    EXPECT_EQ(Cell()->Bounds, Rect(10, 10, 60, 30));
}

TEST_F(ViewLayout, HitTestsAreOneObjectPerClass) {
    TcxCustomGridHitTest* first = view->Info()->GetHitTestAt(20, 20);
    EXPECT_EQ(first->GetHitTestCode(), 99);
    EXPECT_EQ(first->GetViewInfo(), Cell());
    EXPECT_EQ(static_cast<TcxCustomGridViewHitTest*>(first)->GetGridView(), view);
    TcxCustomGridHitTest* second = view->Info()->GetHitTestAt(30, 25);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->Pos, (TPoint{30, 25})) << "the first answer changed with the second question";

    TcxCustomGridHitTest* none = view->Info()->GetHitTestAt(200, 150);
    EXPECT_TRUE(none->Is<TcxGridViewNoneHitTest>());
    EXPECT_EQ(none->GetHitTestCode(), 0);
    EXPECT_EQ(none->GetViewInfo(), nullptr);
    EXPECT_EQ(static_cast<TcxCustomGridViewHitTest*>(none)->GetGridView(), view);

    TcxCustomGridHitTest* onGrid = grid->GetViewInfo()->GetHitTest(5, 5);
    EXPECT_EQ(onGrid->GetHitTestCode(), 0) << "the grid's hit test passes through the details site to the view";
}

TEST_F(ViewLayout, WithoutAWindowTheMouseIsNowhereAndNothingIsHot) {
    // A view of no grid: its site never gets a window.
    auto* loose = static_cast<TTestView*>(
        TcxControlChildComponent::CreateForControl(TTestView::StaticClass(), nullptr, false));
    ASSERT_FALSE(loose->Info()->GetSite()->HandleAllocated());
    loose->Info()->Cell()->Pressable = true;
    loose->Info()->Cell()->Calculate(0, 0, 0x7FFFFFFF, 0x7FFFFFFF);
    loose->Info()->UpdateMousePos();
    EXPECT_EQ(loose->Info()->GetMousePos(), (TPoint{0x7FFFFFFF, 0x7FFFFFFF}));
    EXPECT_EQ(loose->Info()->GetHitTestAt(0x7FFFFFFF, 0x7FFFFFFF)->GetViewInfo(), nullptr)
        << "the point lies outside every rectangle, even one that starts at 0";
    EXPECT_EQ(loose->Info()->Cell()->GetState(), gcsNone);
    delete loose;
}

TEST_F(ViewLayout, BordersTakeTheirWidthFromTheContent) {
    TFreeCell cell(view->Info());
    cell.CellBorders = cxBorder(bLeft) | cxBorder(bTop);
    cell.Calculate(0, 0, 50, 20);
    EXPECT_EQ(cell.GetContentBounds(), Rect(1, 1, 50, 20));
    EXPECT_EQ(cell.GetBorderBounds(bLeft), Rect(0, 0, 1, 20)) << "the left border covers the corner";
    EXPECT_EQ(cell.GetBorderBounds(bTop), Rect(1, 0, 50, 1));
    cell.Offset(5, 5);
    EXPECT_EQ(cell.GetContentBounds(), Rect(6, 6, 55, 25)) << "the cached content moves with the cell";
}

TEST_F(ViewLayout, TextFlagsFollowAlignmentLinesAndEllipsis) {
    struct Case {
        TAlignment horz;
        TcxAlignmentVert vert;
        bool ellipsis;
        int flags;
    };
    for (const Case& c : {Case{taLeftJustify, vaTop, false, 73}, Case{taCenter, vaCenter, true, 2148},
                          Case{taRightJustify, vaBottom, false, 2 + 16 + 64}}) {
        TFreeCell cell(view->Info());
        cell.Horz = c.horz;
        cell.Vert = c.vert;
        cell.Ellipsis = c.ellipsis;
        cell.Calculate(0, 0, 50, 20);
        EXPECT_EQ(cell.GetTextAttributes(true), c.flags);
    }
    TFreeCell wrapped(view->Info());
    wrapped.MultiLinePainting = true;
    wrapped.Calculate(0, 0, 50, 20);
    EXPECT_EQ(wrapped.GetTextAttributes(true), 1 + 8 + 1024) << "word break when painting on several lines";
    EXPECT_EQ(wrapped.GetTextAttributes(false), 1 + 8 + 64) << "but measured on one";
}

TEST_F(ViewLayout, ACentredTextWiderThanItsCellKeepsTheFullBoundsWhenWrapped) {
    TFreeCell cell(view->Info());
    cell.Caption = "a caption far wider than the cell";
    cell.Horz = taCenter;
    cell.MultiLinePainting = true;
    cell.Calculate(0, 0, 40, 60);
    TRect r;
    cell.GetAlignedTextBounds(true, false, r);
    EXPECT_EQ(r, cell.GetTextBounds());
    EXPECT_EQ(r, Rect(2, 2, 38, 58));

    TFreeCell narrow(view->Info());
    narrow.Caption = "ab";
    narrow.Horz = taCenter;
    narrow.Calculate(0, 0, 100, 20);
    narrow.GetAlignedTextBounds(true, false, r);
    const int width = narrow.GetTextWidth();
    EXPECT_EQ(r.Left, (2 + 98 - width) / 2);
    EXPECT_EQ(r.Right - r.Left, width);
}

TEST_F(ViewLayout, APressableCellIsHotPressedAndClickedByTheMouse) {
    Cell()->Pressable = true;
    display.MoveMouse(Site()->GetHandle(), 20, 20);
    Pump();
    EXPECT_EQ(Cell()->GetState(), gcsHot);
    display.PressMouse(Site()->GetHandle(), 20, 20);
    Pump();
    EXPECT_EQ(Cell()->GetState(), gcsPressed);
    display.MoveMouse(Site()->GetHandle(), 200, 150);
    Wait(50);
    EXPECT_EQ(Cell()->GetState(), gcsNone) << "the tracking of the cell saw the mouse leave";
    display.MoveMouse(Site()->GetHandle(), 20, 20);
    Pump();
    EXPECT_EQ(Cell()->GetState(), gcsHot);
    display.PressMouse(Site()->GetHandle(), 20, 20);
    display.ReleaseMouse(Site()->GetHandle(), 20, 20);
    Pump();
    EXPECT_EQ(Cell()->Clicks, 1);
    EXPECT_EQ(Cell()->GetState(), gcsNone);
}

TEST_F(ViewLayout, AHiddenViewWhoseSiteHasTheFocusIsParkedAndNotPainted) {
    TTestView* other = NewView(grid);
    AddLevel(grid, nullptr, other);
    Site()->SetFocus();
    Pump();
    ASSERT_TRUE(Site()->Focused());
    view->Info()->SiteVisibilityChanged(false);
    EXPECT_EQ(Site()->GetParent(), grid) << "kept in its parent";
    EXPECT_EQ(Site()->GetLeft(), 30000);
    const int passes = view->Paint()->PaintPasses;
    Site()->Repaint();
    Pump();
    EXPECT_EQ(view->Paint()->PaintPasses, passes);

    other->Info()->SiteVisibilityChanged(false);
    EXPECT_EQ(other->Info()->GetSite()->GetParent(), nullptr) << "a site without the focus is detached";
}

TEST_F(ViewLayout, CellsHandlingTheMouseAreListedOncePerEntry) {
    TcxCustomGridViewInfo* info = view->Info();
    info->AddLiveCell(Cell());
    info->AddLiveCell(Cell());
    info->RemoveLiveCell(Cell());
    EXPECT_TRUE(info->IsCellLive(Cell()));
    const void* freed = nullptr;
    {
        TFreeCell doomed(info);
        info->AddLiveCell(&doomed);
        EXPECT_TRUE(info->IsCellLive(&doomed));
        freed = &doomed;
    }
    EXPECT_FALSE(info->IsCellLive(static_cast<TcxCustomGridCellViewInfo*>(const_cast<void*>(freed))))
        << "a freed cell is never listed";
    info->RemoveLiveCell(Cell(), true);
    EXPECT_FALSE(info->IsCellLive(Cell()));
}

TEST_F(ViewLayout, CustomizationOpensOnlyForAShownViewThatIsNoPattern) {
    TTestView* pattern = NewView(grid);
    AddLevel(grid, level, pattern);
    ASSERT_TRUE(pattern->IsPattern());
    pattern->GetController()->SetCustomization(true);
    EXPECT_FALSE(pattern->GetController()->GetCustomization());

    int customizations = 0;
    view->SetOnCustomization([&](TObject*) { ++customizations; });
    view->GetController()->SetCustomization(true);
    EXPECT_TRUE(view->GetController()->GetCustomization());
    view->GetController()->SetCustomization(false);
    EXPECT_EQ(customizations, 2);
}

// Tells whether each context-popup notification came from the keyboard, and handles it.
class TPopupReceiver : public IcxGridNotificationReceiver {
  public:
    std::vector<bool> FromKeyboard;
    TcxGridNotificationKinds NotificationKinds() const override { return 1u << gnkContextMenu; }
    bool Notify(TcxGridNotificationKind, TObject* data) override {
        FromKeyboard.push_back(data != nullptr);
        return true;
    }
};

TEST_F(ViewLayout, AContextPopupFromTheKeyboardIsReportedAsSuch) {
    TPopupReceiver receiver;
    grid->RegisterNotificationReceiver(&receiver);
    EXPECT_EQ(Site()->Perform(WM_CONTEXTMENU, 0, static_cast<LPARAM>(0xFFFFFFFF)), 1);
    const TPoint p = Site()->ClientToScreen(TPoint{20, 20});
    EXPECT_EQ(Site()->Perform(WM_CONTEXTMENU, 0, static_cast<LPARAM>((p.Y << 16) | p.X)), 1);
    EXPECT_EQ(receiver.FromKeyboard, (std::vector<bool>{true, false}));
    grid->UnregisterNotificationReceiver(&receiver);
}

} // namespace
} // namespace zorvy::test
