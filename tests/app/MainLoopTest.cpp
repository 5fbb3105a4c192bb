// Tests of the frame loop's execution pass over Gexecucao, on the null device.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/MainLoop.h"
#include "platform/LogFile.h"
#include "shell/Executable.h"
#include "support/DialogsOnNullDevice.h"
#include "support/EngineTest.h"
#include "support/ReadFile.h"

namespace {

// Runs the given action in each of its exec() calls and notes its name in a shared trace.
class Probe : public Executable {
public:
    Probe(std::string name, std::vector<std::string>& trace, std::function<void()> action = {})
        : _name(std::move(name)), _trace(trace), _action(std::move(action))
    {
    }
    void exec() override
    {
        _trace.push_back(_name);
        if (_action)
            _action();
    }

private:
    std::string _name;
    std::vector<std::string>& _trace;
    std::function<void()> _action;
};

class MainLoopTest : public EngineTest {
protected:
    // The frame loop starts once the log-on window is answered.
    void SetUp() override
    {
        EngineTest::SetUp();
        createDialogsAnswering([] { GDialogs.setAnswer(Dialogs::okButton); });
    }

    // Stops the game at the end of the given frame.
    void stopAfter(int frames)
    {
        stopper = std::make_unique<Probe>("stop", trace, [this, frames] {
            if (++framesRun == frames)
                stopGame();
        });
    }

    std::vector<std::string> trace;
    std::unique_ptr<Probe> stopper;
    int framesRun = 0;
};

}

TEST_F(MainLoopTest, ObjectsRunInOrderOfCreationEveryFrame)
{
    Probe first("a", trace);
    Probe second("b", trace);
    stopAfter(2);
    EXPECT_EQ(gameLoop(), 1);
    EXPECT_EQ(trace, (std::vector<std::string>{"a", "b", "stop", "a", "b", "stop"}));
}

TEST_F(MainLoopTest, ObjectCreatedDuringThePassRunsInTheSamePass)
{
    std::unique_ptr<Probe> late;
    Probe maker("maker", trace, [&] {
        if (!late)
            late = std::make_unique<Probe>("late", trace);
    });
    stopAfter(1);
    gameLoop();
    EXPECT_EQ(trace, (std::vector<std::string>{"maker", "stop", "late"}));
}

TEST_F(MainLoopTest, ObjectLeavingDuringItsExecSkipsTheNextOneThatFrame)
{
    std::unique_ptr<Probe> leaver;
    leaver = std::make_unique<Probe>("leaver", trace, [&] { leaver->drop(); });
    Probe next("next", trace);
    stopAfter(2);
    gameLoop();
    EXPECT_EQ(trace, (std::vector<std::string>{"leaver", "stop", "next", "stop"}));
}

TEST_F(MainLoopTest, ExceptionEndsThePassForThisFrameOnly)
{
    bool thrown = false;
    Probe thrower("thrower", trace, [&] {
        if (!thrown) {
            thrown = true;
            throw std::runtime_error("boom");
        }
    });
    Probe after("after", trace);
    stopAfter(1);
    const std::string log = makeTempDir() + "/log.txt";
    GLog.setpath(log.c_str());
    testing::internal::CaptureStdout();
    gameLoop();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "bad index at Gexecucao[iii]\n");
    EXPECT_EQ(trace, (std::vector<std::string>{"thrower", "thrower", "after", "stop"}));
    EXPECT_NE(readFile(log).find("execution pass: boom\n"), std::string::npos);
}

TEST_F(MainLoopTest, DeviceStoppingEndsTheLoop)
{
    Probe closer("closer", trace, [] { GDevice->closeDevice(); });
    EXPECT_EQ(gameLoop(), 1);
    EXPECT_EQ(trace, (std::vector<std::string>{"closer"}));
}

TEST_F(MainLoopTest, DeletedObjectLeavesTheListWithoutADrop)
{
    Probe kept("kept", trace);
    auto gone = std::make_unique<Probe>("gone", trace);
    Probe last("last", trace);
    gone.reset();
    EXPECT_EQ(Gexecucao, (std::vector<Executable*>{&kept, &last}));
    // dropped first and deleted after: the second leaving finds nothing and is no error
    auto dropped = std::make_unique<Probe>("dropped", trace);
    dropped->drop();
    dropped.reset();
    EXPECT_EQ(Gexecucao, (std::vector<Executable*>{&kept, &last}));
}

TEST_F(MainLoopTest, DroppingAnObjectNotInTheListIsFatal)
{
    Probe probe("p", trace);
    probe.drop();
    EXPECT_EXIT(
        {
            std::freopen("/dev/null", "r", stdin);
            dup2(fileno(stderr), fileno(stdout));
            probe.drop();
        },
        ::testing::ExitedWithCode(1), "Executable::drop ERROR");
}
