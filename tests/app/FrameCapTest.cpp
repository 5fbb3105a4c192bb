// The frame cap changes how often frames run, never how fast the game goes: a ninja chasing the player
// through the game's own frame loop covers the same ground per unit of game time at 20 and 100 frames a
// second.

#include "ai/Brain1.h"
#include "ai/MonsterWorld.h"
#include "ai/Ninja.h"
#include "app/MainLoop.h"
#include "shell/Config.h"
#include "shell/Executable.h"
#include "support/DialogsOnNullDevice.h"

using irr::core::vector3df;

namespace {

// Rides the execution pass behind the ninja: adds up the ground it covers and the frames run from its
// first step on, and stops the game once `span` milliseconds of game time have passed since then.
class Odometer : public Executable {
public:
    Odometer(Ninja& ninja, irr::u32 span) : _ninja(ninja), _span(span), _last(ninja.getPosition()) {}
    void exec() override
    {
        const vector3df now = _ninja.getPosition();
        const irr::u32 time = GTimer->getTime();
        if (!_moving && now != _last) {
            _moving = true;
            _start = time;
        }
        if (_moving) {
            distance += now.getDistanceFrom(_last);
            ++frames;
        }
        _last = now;
        if (_moving && time - _start >= _span) {
            elapsed = time - _start;
            stopGame();
        }
    }

    float distance = 0;
    irr::u32 elapsed = 0;
    int frames = 0;

private:
    Ninja& _ninja;
    irr::u32 _span;
    vector3df _last;
    bool _moving = false;
    irr::u32 _start = 0;
};

class FrameCapTest : public MonsterWorld {
protected:
    void SetUp() override
    {
        MonsterWorld::SetUp();
        if (!loadGeneratedLevel())
            GTEST_SKIP() << "level not generated";
        // The game's pace comes from the device's own clock here, so that the cap's sleeps count.
        GTimer = GDevice->getTimer();
    }

    struct Walk {
        float speed;  // units per second of game time
        int frames;
    };

    // The ninja's walk from the lab towards the player in the lobby, for a second and a half.
    Walk walkAt(int maxfps)
    {
        Ninja ninja(new Brain1());
        ninja.setName("Ninja0");
        ninja.getNode()->setPosition({-300, 3, 300});
        playerAt({-100, 80, -280});
        player->setLife(10000);
        Odometer odometer(ninja, 1500);
        Gconfig.maxfps = maxfps;
        createDialogsAnswering([] { GDialogs.setAnswer(Dialogs::okButton); });
        gameLoop();
        return {1000 * odometer.distance / odometer.elapsed, odometer.frames};
    }
};

TEST_F(FrameCapTest, TheNinjaWalksAsFastAtTwentyFramesASecondAsAtAHundred)
{
    const Walk slow = walkAt(20);
    const Walk fast = walkAt(100);
    ASSERT_GT(slow.speed, 0);
    EXPECT_NEAR(fast.speed / slow.speed, 1.0, 0.2) << "20 fps: " << slow.speed << ", 100 fps: " << fast.speed;
    // The low cap held, and the high one ran more frames in the same game time.
    EXPECT_LE(slow.frames, 20 * 1.5 * 1.2 + 5);
    EXPECT_GT(fast.frames, slow.frames * 3 / 2);
}

}  // namespace
