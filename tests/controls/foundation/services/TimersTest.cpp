#include "controls/foundation/services/Timers.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include "platform/win/Timers.h"

namespace zorvy::test {
namespace {

class Timers : public FoundationTest {};

TEST_F(Timers, ATimerTicksEveryIntervalWhileEnabledWithAHandler) {
    TcxTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(100);
    EXPECT_FALSE(timer.IsRunning()) << "no handler yet";
    timer.SetOnTimer([&](TObject*) { ++ticks; });
    EXPECT_TRUE(timer.IsRunning());
    Wait(99);
    EXPECT_EQ(ticks, 0);
    Wait(1);
    EXPECT_EQ(ticks, 1);
    Wait(100);
    EXPECT_EQ(ticks, 2);
    timer.SetEnabled(false);
    Wait(500);
    EXPECT_EQ(ticks, 2);
    EXPECT_TRUE(GetActiveTimerList().empty());
}

TEST_F(Timers, IntervalZeroKeepsTheOldOneAndSettingAHandlerAgainRestartsThePeriod) {
    TcxTimer timer(nullptr);
    int ticks = 0;
    TNotifyEvent handler = [&](TObject*) { ++ticks; };
    timer.SetInterval(100);
    timer.SetOnTimer(handler);
    timer.SetInterval(0);
    EXPECT_EQ(timer.GetInterval(), 100u);
    Wait(60);
    timer.SetOnTimer(handler); // the period starts again here
    Wait(60);
    EXPECT_EQ(ticks, 0);
    Wait(40);
    EXPECT_EQ(ticks, 1);
}

TEST_F(Timers, ATickThatArrivesAfterTheTimerStoppedOrWasFreedIsDropped) {
    int ticks = 0;
    auto* timer = new TcxTimer(nullptr);
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    const auto id = reinterpret_cast<WPARAM>(timer);
    const HWND window = GetTimerWindow()->GetHandle();

    timer->SetEnabled(false);
    PostMessage(window, WM_TIMER, id);
    Pump();
    EXPECT_EQ(ticks, 0) << "stopped";

    delete timer;
    PostMessage(window, WM_TIMER, id);
    Pump(); // the sanitizer build proves nothing reads the freed timer
    EXPECT_EQ(ticks, 0);
}

TEST_F(Timers, AHandlerMayFreeItsOwnTimer) {
    auto* timer = new TcxTimer(nullptr);
    timer->SetInterval(10);
    int ticks = 0;
    timer->SetOnTimer([&](TObject*) {
        ++ticks;
        delete timer;
    });
    Wait(10);
    Wait(10);
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(GetActiveTimerList().empty());
}

TEST_F(Timers, TimersStillRunningAtShutdownStopQuietly) {
    auto timer = std::make_unique<TcxTimer>(nullptr);
    int ticks = 0;
    timer->SetInterval(10);
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    FinalizeControlsUnit();
    EXPECT_TRUE(GetActiveTimerList().empty());
    Wait(50);
    EXPECT_EQ(ticks, 0);
    timer.reset(); // stops without the window that is gone
    InitializeControlsUnit();
}

} // namespace
} // namespace zorvy::test
