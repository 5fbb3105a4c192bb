// The world's steps in the frame loop: the agenda before the execution pass, the sweep on its cadence.
#include <vector>

#include "app/MainLoop.h"
#include "messaging/Agenda.h"
#include "shell/Executable.h"
#include "support/DialogsOnNullDevice.h"
#include "support/EngineTest.h"
#include "world/Collidable.h"

using irr::core::vector3df;

namespace {

// Counts frames through its exec() and stops the game after the last one.
class FrameCounter : public Executable {
public:
    FrameCounter(int frames, std::vector<int>& trace) : _frames(frames), _trace(trace) {}
    void exec() override
    {
        _trace.push_back(-(++_frame));
        if (_frame == _frames)
            stopGame();
    }

private:
    int _frames;
    int _frame = 0;
    std::vector<int>& _trace;
};

// Writes the message it receives, or 0 for a touch, into the trace.
class Ball : public Collidable {
public:
    explicit Ball(std::vector<int>& trace) : _trace(trace)
    {
        _node = GSmgr->addCubeSceneNode(10);
        turnOnCollision(20, false, _node);
    }
    void rcvMessage(int id) override { _trace.push_back(id); }
    void gotShoot(int, vector3df, vector3df) override {}
    vector3df getPosition() override { return _node->getPosition(); }
    irr::scene::ISceneNode* getNode() override { return _node; }
    void collided(Collidable*) override { _trace.push_back(0); }

private:
    irr::scene::IMeshSceneNode* _node;
    std::vector<int>& _trace;
};

class FrameStepsTest : public EngineTest {
protected:
    // The frame loop starts once the log-on window is answered.
    void SetUp() override
    {
        EngineTest::SetUp();
        createDialogsAnswering([] { GDialogs.setAnswer(Dialogs::okButton); });
    }

    std::vector<int> trace;
};

TEST_F(FrameStepsTest, DueMessagesArriveBeforeTheExecutionPass)
{
    Ball ball(trace);
    GAgenda.schedule(0, &ball, 54321);
    FrameCounter counter(1, trace);
    gameLoop();
    EXPECT_EQ(trace, (std::vector<int>{54321, -1}));
}

TEST_F(FrameStepsTest, SweepRunsEveryThirdFrameAfterThePass)
{
    // The cadence counter lives as long as the program, so earlier loops in this process shift its phase.
    Ball one(trace);
    Ball two(trace);
    FrameCounter counter(7, trace);
    gameLoop();
    std::vector<int> sweptAfterFrame;
    for (size_t i = 1; i + 1 < trace.size(); ++i) {
        if (trace[i] == 0 && trace[i - 1] < 0) {
            EXPECT_EQ(trace[i + 1], 0);
            sweptAfterFrame.push_back(-trace[i - 1]);
        }
    }
    ASSERT_GE(sweptAfterFrame.size(), 2u);
    for (size_t i = 1; i < sweptAfterFrame.size(); ++i)
        EXPECT_EQ(sweptAfterFrame[i] - sweptAfterFrame[i - 1], 3);
}

}
