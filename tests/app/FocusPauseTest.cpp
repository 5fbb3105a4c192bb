// The pause on losing the focus: the clock holds and goes on where it stood; a window never focused runs.
#include "app/FocusPause.h"
#include "shell/PausableTimer.h"
#include "support/PlayerWorld.h"
#include "support/PinnedTimer.h"

namespace {

class FocusPauseTest : public PlayerWorld {};

}

TEST_F(FocusPauseTest, LosingTheFocusHoldsTheClockUntilItComesBack)
{
    PinnedTimer device(1000);
    PausableTimer clock(&device);
    FocusPause focus(&clock);
    const struct {
        irr::u32 now;
        bool focused, paused;
        irr::u32 realTime;
    } frames[] = {
        {1000, false, false, 1000},  // never focused yet: runs
        {2000, true, false, 2000},   {3000, false, true, 3000}, {9000, false, true, 3000},
        {9500, true, false, 3000},   {9700, true, false, 3200}, {9800, false, true, 3300},
        {20000, true, false, 3300},
    };
    for (const auto& f : frames) {
        device.set(f.now);
        EXPECT_EQ(focus.check(f.focused), f.paused) << f.now;
        EXPECT_EQ(clock.isPaused(), f.paused) << f.now;
        EXPECT_EQ(clock.getRealTime(), f.realTime) << f.now;
    }
    const std::string text = log();
    EXPECT_NE(text.find("game paused\n"), std::string::npos);
    EXPECT_NE(text.find("game resumed\n"), std::string::npos);
}
