// Named signals: oldest first, exact names, replacement, numbered take-off, and the log lines.
#include <memory>

#include "messaging/Blackboard.h"
#include "messaging/Interactive.h"
#include "platform/LogFile.h"
#include "support/EngineTest.h"
#include "support/ReadFile.h"

namespace {

class Poster : public Interactive {
public:
    void rcvMessage(int) override {}
};

class BlackboardTest : public EngineTest {
protected:
    Blackboard board;
    Poster first;
    Poster second;
    irr::s32 msg = -1;
    irr::core::stringc parm = "untouched";
};

TEST_F(BlackboardTest, SameNameIsTakenOffOldestFirst)
{
    board.signal(&first, "Ninja0", 3, "a");
    board.signal(&second, "Ninja0", 4, "b");
    EXPECT_EQ(board.queryAndDelete("Ninja0", msg, parm), &first);
    EXPECT_EQ(msg, 3);
    EXPECT_EQ(parm, "a");
    EXPECT_EQ(board.queryAndDelete("Ninja0", msg, parm), &second);
    EXPECT_EQ(msg, 4);
    EXPECT_EQ(parm, "b");
    EXPECT_EQ(board.queryAndDelete("Ninja0", msg, parm), nullptr);
    EXPECT_EQ(msg, 4);
}

TEST_F(BlackboardTest, QueryLeavesTheSignalAndMatchesWholeCaseSensitiveNames)
{
    board.signal(&first, "Computador", 9, "");
    EXPECT_EQ(board.query("computador", msg, parm), nullptr);
    EXPECT_EQ(board.query("Computado", msg, parm), nullptr);
    EXPECT_EQ(msg, -1);
    EXPECT_EQ(parm, "untouched");
    EXPECT_EQ(board.query("Computador", msg, parm), &first);
    EXPECT_EQ(board.query("Computador", msg, parm), &first);
    EXPECT_EQ(msg, 9);
    EXPECT_EQ(board.size(), 1u);
}

TEST_F(BlackboardTest, SingleSignalReplacesThePreviousOneOfItsName)
{
    board.signal(&first, "Other", 1, "");
    board.singleSignal(&first, "Antena", 8, "one");
    board.singleSignal(&second, "Antena", 9, "two");
    EXPECT_EQ(board.size(), 2u);
    EXPECT_EQ(board.queryAndDelete("Antena", msg, parm), &second);
    EXPECT_EQ(msg, 9);
    EXPECT_EQ(parm, "two");
    EXPECT_EQ(board.queryAndDelete("Antena", msg, parm), nullptr);
}

TEST_F(BlackboardTest, NumberedTakeOffSkipsOtherNumbers)
{
    board.signal(&first, "Camera", 9, "");
    board.signal(&second, "Camera", 3, "");
    irr::s32 died = 3;
    EXPECT_EQ(board.queryAndDelete("Camera", died), &second);
    EXPECT_EQ(board.queryAndDelete("Camera", died), nullptr);
    EXPECT_EQ(board.query("Camera", msg, parm), &first);
}

TEST_F(BlackboardTest, SignalWithoutPosterIsStillTakenOff)
{
    board.signal(nullptr, "Story", 1, "");
    EXPECT_EQ(board.queryAndDelete("Story", msg, parm), nullptr);
    EXPECT_EQ(msg, 1);
    EXPECT_EQ(board.size(), 0u);
}

TEST_F(BlackboardTest, WritesItsLogLines)
{
    const std::string log = makeTempDir() + "/log.txt";
    GLog.setpath(log.c_str());
    board.clear();
    board.signal(&first, "Ninja0", 3, "");
    board.singleSignal(&first, "Pendrive", -8, "x y");
    board.queryAndDelete("Ninja0", msg);
    board.clear();
    EXPECT_EQ(board.size(), 0u);
    EXPECT_EQ(readFile(log), "Blackboard::clear\n"
                             "Blackboard::signal Ninja0 , 3 , \n"
                             "Black::query del Pendrive\n"
                             "Blackboard::signal Pendrive , -8 , x y\n"
                             "Black::query del Ninja0\n"
                             "Blackboard::clear\n");
}

}

TEST_F(BlackboardTest, DeletedPosterTakesItsSignalsOffTheGameBoard)
{
    auto gone = std::make_unique<Poster>();
    GBlackboard.signal(gone.get(), "Ninja0", 1, "");
    GBlackboard.signal(&first, "Ninja0", 2, "");
    GBlackboard.signal(gone.get(), "Pendrive", 3, "");
    gone.reset();
    EXPECT_EQ(GBlackboard.size(), 1u);
    EXPECT_EQ(GBlackboard.queryAndDelete("Ninja0", msg, parm), &first);
    EXPECT_EQ(msg, 2);
}
