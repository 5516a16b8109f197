#include "controls/foundation/services/SettingsController.h"
#include "tests/controls/foundation/ControlFixture.h"

#include "platform/win/SystemInfo.h"

namespace zorvy::test {
namespace {

class ScrollHost : public ControlTest {
  protected:
    // A 200 x 150 control showing content of the given size.
    TTestControl* NewContent(TSize content, TScrollStyle mode = ssBoth) {
        TForm* form = NewForm(400, 300);
        TTestControl* control = NewControl(form, Rect(10, 10, 210, 160));
        control->SetScrollBarsMode(mode);
        control->Content = content;
        form->Show();
        Pump();
        control->RecalculateScrollBars();
        return control;
    }
};

TEST_F(ScrollHost, BarsShowWhereTheContentDoesNotFitAndFloatOverItsEdges) {
    struct {
        TSize content;
        TScrollStyle mode;
        bool h, v;
        TRect hRect, vRect;
    } const cases[] = {
        {{300, 300}, ssBoth, true, true, Rect(0, 133, 183, 150), Rect(183, 0, 200, 133)},
        {{300, 100}, ssBoth, true, false, Rect(0, 133, 200, 150), {}},
        {{100, 300}, ssBoth, false, true, {}, Rect(183, 0, 200, 150)},
        {{190, 140}, ssBoth, false, false, {}, {}},
        {{300, 300}, ssVertical, false, true, {}, Rect(183, 0, 200, 150)},
        {{300, 300}, ssNone, false, false, {}, {}},
    };
    for (const auto& c : cases) {
        TTestControl* control = NewContent(c.content, c.mode);
        EXPECT_EQ(control->HorzScrollBarShown(), c.h) << c.content.cx << "x" << c.content.cy;
        EXPECT_EQ(control->VertScrollBarShown(), c.v) << c.content.cx << "x" << c.content.cy;
        if (c.h) {
            EXPECT_EQ(control->GetHScrollBar()->GetBoundsRect(), c.hRect);
        }
        if (c.v) {
            EXPECT_EQ(control->GetVScrollBar()->GetBoundsRect(), c.vRect);
        }
        EXPECT_EQ(control->GetSizeGrip()->GetVisible(), c.h && c.v);
        if (c.h && c.v) {
            EXPECT_EQ(control->GetSizeGrip()->GetBoundsRect(), Rect(183, 133, 200, 150));
        }
    }
    TTestControl* control = NewContent({300, 300});
    EXPECT_EQ(control->GetHScrollBar()->GetMax(), 299);
    EXPECT_EQ(control->GetHScrollBar()->GetPageSize(), 183);
    EXPECT_EQ(control->GetHScrollBar()->LargeChange, 183);
    EXPECT_EQ(control->GetContentBounds(), Rect(0, 0, 183, 133));
}

TEST_F(ScrollHost, ClicksOnAHostBarReachScrollContent) {
    TTestControl* control = NewContent({300, 300});
    display.Click(control->GetVScrollBar()->GetHandle(), 5, 128); // the lower arrow
    Pump();
    ASSERT_FALSE(control->Log.empty());
    EXPECT_EQ(control->Log.front(), "v1:1");
    EXPECT_EQ(control->Log.back(), "v8:1");
}

TEST_F(ScrollHost, LockedRecalculationsRunOnceAtTheLastUnlock) {
    TTestControl* control = NewContent({100, 100});
    control->LockScrollBars();
    control->LockScrollBars();
    control->Content = {300, 300};
    control->RecalculateScrollBars();
    control->UnlockScrollBars();
    EXPECT_FALSE(control->VertScrollBarShown());
    control->UnlockScrollBars();
    EXPECT_TRUE(control->VertScrollBarShown());
}

TEST_F(ScrollHost, TheWheelScrollsOneLinePerSettingOnlyWithAVerticalBar) {
    TTestControl* control = NewContent({300, 100});
    EXPECT_EQ(control->Perform(WM_MOUSEWHEEL, MakeWParam(0, -120), 0), 0) << "not consumed";
    EXPECT_TRUE(control->Log.empty());
    control->Content = {300, 300};
    control->RecalculateScrollBars();
    EXPECT_EQ(control->Perform(WM_MOUSEWHEEL, MakeWParam(0, -120), 0), 1);
    EXPECT_EQ(control->Log, (std::vector<std::string>{"v1:0", "v1:0", "v1:0"}));
    control->Log.clear();
    control->Perform(WM_MOUSEWHEEL, MakeWParam(0, 1), 0); // the size of the delta does not matter
    EXPECT_EQ(control->Log, (std::vector<std::string>{"v0:0", "v0:0", "v0:0"}));
}

TEST_F(ScrollHost, ASystemScrollBarSizeChangeResizesTheBarsOfEveryLiveControl) {
    TTestControl* first = NewContent({300, 300});
    TTestControl* second = NewContent({300, 300});
    const int before = GetSystemMetrics(SM_CXVSCROLL);
    SetSystemMetric(SM_CXVSCROLL, 21);
    SendMessage(GetSettingsController()->GetWindowHandle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS);
    SetSystemMetric(SM_CXVSCROLL, before);
    for (TTestControl* c : {first, second}) {
        EXPECT_EQ(c->GetVScrollBar()->GetWidth(), 21);
        EXPECT_EQ(c->GetContentBounds().Right, 200 - 21);
    }
}

} // namespace
} // namespace zorvy::test
