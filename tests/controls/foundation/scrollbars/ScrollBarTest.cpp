#include "controls/foundation/scrollbars/ControlScrollBar.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include "platform/rtl/Exceptions.h"

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

// The system sizes of the headless display: arrows and the fixed thumb are 17 pixels.
constexpr int Arrow = 17;

class ScrollBar : public FoundationTest {
  protected:
    // A horizontal bar of 200 x 17 at (10, 10) on a shown form, logging every scroll request.
    TcxScrollBar* NewBar(int width = 200) {
        TForm* form = NewForm(400, 300);
        auto* bar = new TcxScrollBar(form);
        bar->SetParent(form);
        bar->SetBounds(10, 10, width, Arrow);
        bar->OnScroll = [this](TObject*, TScrollCode code, int& pos) {
            log.push_back(std::to_string(code) + ":" + std::to_string(pos));
        };
        form->Show();
        Pump();
        return bar;
    }
    std::vector<std::string> log;
};

TEST_F(ScrollBar, TheThumbShowsThePageAsAShareOfTheTrack) {
    TcxScrollBar* bar = NewBar();
    const int track = 200 - 2 * Arrow; // 166
    struct {
        int min, max, page, position;
        int left, length; // expected thumb, worked by hand
    } const cases[] = {
        {0, 99, 10, 0, Arrow, 17},              // MulDiv(10, 166, 100) = 17
        {0, 99, 10, 45, Arrow + 75, 17},        // MulDiv(149, 45, 90) = 74.5 -> 75
        {0, 99, 10, 95, 200 - Arrow - 17, 17},  // past Max - Page + 1: at the end of the track
        {0, 99, 10, 99, 200 - Arrow - 17, 17},
        {0, 1000, 1, 0, Arrow, 8},              // shorter than the minimum: lengthened
        {0, 100, 0, 50, Arrow + 75, 17},        // no page: the system thumb, MulDiv(149, 50, 100)
        {0, 10, 10, 0, Arrow, 151},             // MulDiv(10, 166, 11)
        {1, 10, 10, 1, Arrow, track},           // a page as large as the range: nothing to scroll
    };
    for (const auto& c : cases) {
        bar->SetScrollParams(c.min, c.max, c.position, c.page, true);
        const TRect thumb = bar->GetThumbRect();
        EXPECT_EQ(thumb.Left, c.left) << c.page << " " << c.position;
        EXPECT_EQ(thumb.Width(), c.length) << c.page << " " << c.position;
        EXPECT_EQ(bar->GetPageUpRect(), Rect(Arrow, 0, thumb.Left, Arrow));
        EXPECT_EQ(bar->GetPageDownRect(), Rect(thumb.Right, 0, 200 - Arrow, Arrow));
    }
    bar->SetScrollParams(0, 99, 45, 10, true);
    EXPECT_EQ(bar->PositionFromThumb(), 45);
}

TEST_F(ScrollBar, ATrackShorterThanTheMinimumThumbHasNoThumbAndIgnoresClicks) {
    TcxScrollBar* bar = NewBar(40); // arrows of 17, a track of 6
    bar->SetScrollParams(0, 99, 50, 10, true);
    EXPECT_TRUE(IsRectEmpty(bar->GetThumbRect()));
    EXPECT_EQ(bar->HitTest({20, 5}), spNone);
    display.Click(bar->GetHandle(), 20, 5);
    Pump();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(bar->GetPosition(), 50);
}

TEST_F(ScrollBar, ABadRangeRaisesAndChangesNothingWhileAPositionIsClamped) {
    TcxScrollBar* bar = NewBar();
    bar->SetScrollParams(0, 99, 20, 10, true);
    for (auto set : std::initializer_list<std::function<void()>>{
             [&] { bar->SetScrollParams(10, 5, 0, 0, true); }, [&] { bar->SetMax(5); },
             [&] { bar->SetPageSize(200); }, [&] { bar->SetMin(150); }}) {
        try {
            set();
            ADD_FAILURE() << "accepted";
        } catch (const EInvalidOperation& e) {
            EXPECT_STREQ(e.what(), "Scrollbar property out of range");
        }
        EXPECT_EQ(bar->GetMin(), 0);
        EXPECT_EQ(bar->GetMax(), 99);
        EXPECT_EQ(bar->GetPageSize(), 10);
        EXPECT_EQ(bar->GetPosition(), 20);
    }
    bar->SetPosition(500);
    EXPECT_EQ(bar->GetPosition(), 99);
    bar->SetPosition(-3);
    EXPECT_EQ(bar->GetPosition(), 0);
}

TEST_F(ScrollBar, ChangingTheKindSwapsWidthAndHeight) {
    TcxScrollBar* bar = NewBar(121);
    bar->SetKind(sbVertical);
    EXPECT_EQ(bar->GetWidth(), Arrow);
    EXPECT_EQ(bar->GetHeight(), 121);
    EXPECT_EQ(bar->GetSecondArrowRect(), Rect(0, 121 - Arrow, Arrow, 121));
}

TEST_F(ScrollBar, HoldingAnArrowStepsAtOnceAfter400MsAndThenEvery60Ms) {
    TcxScrollBar* bar = NewBar();
    bar->SetScrollParams(0, 100, 50, 0, true);
    display.PressMouse(bar->GetHandle(), 5, 5);
    Pump();
    EXPECT_EQ(bar->GetPosition(), 49);
    Wait(399);
    EXPECT_EQ(bar->GetPosition(), 49);
    Wait(1);
    EXPECT_EQ(bar->GetPosition(), 48);
    Wait(60);
    EXPECT_EQ(bar->GetPosition(), 47);
    Wait(60);
    EXPECT_EQ(bar->GetPosition(), 46);

    display.MoveMouse(bar->GetHandle(), 5, 40); // off the arrow: the repeat pauses
    Pump();
    Wait(300);
    EXPECT_EQ(bar->GetPosition(), 46);
    display.MoveMouse(bar->GetHandle(), 5, 5); // back: it resumes
    Pump();
    Wait(60);
    EXPECT_EQ(bar->GetPosition(), 45);

    display.ReleaseMouse(bar->GetHandle(), 5, 5);
    Pump();
    EXPECT_EQ(log.back(), "8:45") << "every press ends with scEndScroll";
    Wait(500);
    EXPECT_EQ(bar->GetPosition(), 45);
}

TEST_F(ScrollBar, DraggingTheThumbTracksReturnsOutsideTheZoneAndReportsTheFinalPosition) {
    TcxScrollBar* bar = NewBar();
    bar->SetScrollParams(0, 99, 0, 10, true);
    const HWND h = bar->GetHandle();
    display.PressMouse(h, 25, 8); // on the thumb (17 .. 34)
    display.MoveMouse(h, 100, 8); // 75 to the right: MulDiv(90, 75, 149) = 45
    Pump();
    EXPECT_EQ(bar->GetPosition(), 45);
    EXPECT_EQ(bar->GetThumbRect().Left, Arrow + 75);
    display.MoveMouse(h, 100, 8 + 17 + 137); // beyond the 136 pixels across the bar
    Pump();
    EXPECT_EQ(bar->GetPosition(), 0) << "the thumb jumps back while the pointer is away";
    display.MoveMouse(h, 100, 17 + 130); // inside the zone again
    Pump();
    EXPECT_EQ(bar->GetPosition(), 45);
    display.ReleaseMouse(h, 100, 8);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"5:0", "5:45", "5:0", "5:45", "4:45", "8:45"}));

    bar->UnlimitedTracking = true;
    Wait(1000);
    display.PressMouse(h, Arrow + 75 + 8, 8);
    display.MoveMouse(h, Arrow + 75 + 8 + 20, 400);
    Pump();
    EXPECT_NE(bar->GetPosition(), 45) << "unlimited tracking follows far from the bar";
    display.ReleaseMouse(h, Arrow + 75 + 8 + 20, 400);
    Pump();
}

TEST_F(ScrollBar, APartsStateFollowsPressHotAndEnabled) {
    TcxScrollBar* bar = NewBar();
    bar->SetScrollParams(0, 100, 50, 0, true);
    display.MoveMouse(bar->GetHandle(), 5, 5);
    Pump();
    EXPECT_EQ(bar->GetPartState(spLineUp), cxbsHot);
    EXPECT_EQ(bar->GetPartState(spLineDown), cxbsNormal);
    display.PressMouse(bar->GetHandle(), 5, 5);
    Pump();
    EXPECT_EQ(bar->GetPartState(spLineUp), cxbsPressed);
    display.MoveMouse(bar->GetHandle(), 5, 40);
    Pump();
    EXPECT_EQ(bar->GetPartState(spLineUp), cxbsNormal) << "pressed but not under the pointer";
    display.ReleaseMouse(bar->GetHandle(), 5, 40);
    Pump();
    bar->SetEnabled(false);
    EXPECT_EQ(bar->GetPartState(spLineDown), cxbsDisabled);
    EXPECT_TRUE(IsRectEmpty(bar->GetThumbRect())) << "a disabled bar keeps no thumb";
}

TEST_F(ScrollBar, DisablingTheBarDuringAThumbDragEndsTheDragAndTheBarStaysDisabled) {
    TcxScrollBar* bar = NewBar();
    bar->SetScrollParams(0, 99, 0, 10, true);
    display.PressMouse(bar->GetHandle(), 25, 8);
    display.MoveMouse(bar->GetHandle(), 100, 8);
    Pump();
    bar->SetEnabled(false);
    EXPECT_FALSE(bar->GetEnabled());
    EXPECT_EQ(bar->GetPressedPart(), spNone);
    EXPECT_EQ(bar->GetPosition(), 45) << "the position the drag reached";
    EXPECT_EQ(log.back(), "8:45");
    display.ReleaseMouse(bar->GetHandle(), 100, 8);
    Pump();
}

TEST_F(ScrollBar, TheLookAndFeelsPainterDrawsTheHotPartAndAControlsBarsFollowItsLookAndFeel) {
    TcxScrollBar* bar = NewBar();
    bar->SetScrollParams(0, 100, 50, 0, true);
    bar->GetLookAndFeel()->SetKind(lfUltraFlat);
    TWinControl* form = bar->GetParent();
    display.MoveMouse(form->GetHandle(), 300, 200);
    Pump();
    const COLORREF normal = PixelAt(form, 10 + 200 - 3, 10 + 3);
    display.MoveMouse(bar->GetHandle(), 200 - 8, 8);
    Pump();
    EXPECT_NE(PixelAt(form, 10 + 200 - 3, 10 + 3), normal) << "the ultra-flat painter shows the hot arrow";
    bar->GetLookAndFeel()->SetKind(lfStandard);
    Pump();
    EXPECT_EQ(bar->GetPartState(spThumb), cxbsNormal) << "the standard painter does not hot-track the thumb";

    TcxControl control(nullptr);
    control.GetLookAndFeel()->SetKind(lfOffice11);
    ASSERT_NE(control.GetVScrollBar(), nullptr);
    EXPECT_EQ(control.GetVScrollBar()->GetLookAndFeel()->GetKind(), lfOffice11);
    control.GetLookAndFeel()->SetKind(lfFlat);
    EXPECT_EQ(control.GetHScrollBar()->GetLookAndFeel()->GetKind(), lfFlat);
}

TEST_F(ScrollBar, AnOnScrollHandlerThatFreesTheBarEndsThePress) {
    TcxScrollBar* bar = NewBar();
    bar->SetScrollParams(0, 100, 50, 0, true);
    bar->OnScroll = [&bar](TObject*, TScrollCode, int&) { delete bar; };
    display.PressMouse(bar->GetHandle(), 5, 5); // the sanitizer build proves nothing touches it after
    Pump();
    Wait(1000);
}

} // namespace
} // namespace zorvy::test
