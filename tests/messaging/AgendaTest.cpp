// Timed message delivery: order, due times, receivers that reschedule, receivers that go away.
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "messaging/Agenda.h"
#include "messaging/Interactive.h"
#include "support/EngineTest.h"
#include "support/PinnedTimer.h"
#include "support/ReadFile.h"

namespace {

// Writes every message it receives into a shared record as 1000 * tag + message.
class Receiver : public Interactive {
public:
    Receiver(std::vector<int>& record, int tag) : _record(record), _tag(tag) {}
    void rcvMessage(int id) override
    {
        _record.push_back(_tag * 1000 + id);
        if (onMessage)
            onMessage(id);
    }

    std::function<void(int)> onMessage;

private:
    std::vector<int>& _record;
    int _tag;
};

class AgendaTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        GTimer = &timer;
    }

    PinnedTimer timer{0};
    std::vector<int> record;
    Receiver a{record, 1};
    Receiver b{record, 2};
};

TEST_F(AgendaTest, DeliversOnlyDueEventsInTimeOrder)
{
    GAgenda.schedule(100, &a, 1);
    GAgenda.schedule(200, &a, 2);
    GAgenda.schedule(300, &a, 3);
    timer.set(250);
    GAgenda.exec();
    EXPECT_EQ(record, (std::vector<int>{1001, 1002}));
    EXPECT_EQ(GAgenda.size(), 1u);
}

TEST_F(AgendaTest, EventsScheduledOutOfOrderArriveByDueTime)
{
    GAgenda.schedule(300, &a, 3);
    GAgenda.schedule(100, &b, 1);
    GAgenda.schedule(200, &a, 2);
    GAgenda.schedule(200, &b, 2);
    timer.set(1000);
    GAgenda.exec();
    EXPECT_EQ(record, (std::vector<int>{2001, 1002, 2002, 1003}));
}

TEST_F(AgendaTest, NoDelayMeansNextPass)
{
    timer.set(5000);
    GAgenda.schedule(timer.getRealTime(), &a, 7);
    GAgenda.exec();
    EXPECT_EQ(record, (std::vector<int>{1007}));
}

TEST_F(AgendaTest, ReceiverReschedulingItselfIsCalledInALaterPass)
{
    a.onMessage = [this](int id) { GAgenda.schedule(timer.getRealTime() + 750, &a, id + 1); };
    GAgenda.schedule(0, &a, 0);
    GAgenda.exec();
    GAgenda.exec();
    EXPECT_EQ(record, (std::vector<int>{1000}));
    timer.set(750);
    GAgenda.exec();
    EXPECT_EQ(record, (std::vector<int>{1000, 1001}));
}

TEST_F(AgendaTest, ReschedulingWithNoDelayDoesNotHoldUpThePass)
{
    a.onMessage = [this](int id) { GAgenda.schedule(timer.getRealTime(), &a, id + 1); };
    GAgenda.schedule(0, &a, 0);
    GAgenda.exec();
    GAgenda.exec();
    EXPECT_EQ(record, (std::vector<int>{1000, 1001}));
}

TEST_F(AgendaTest, DestroyedReceiverIsNeverCalled)
{
    auto doomed = std::make_unique<Receiver>(record, 2);
    GAgenda.schedule(10, &a, 1);
    GAgenda.schedule(20, doomed.get(), 1);
    GAgenda.schedule(30, doomed.get(), 2);
    doomed.reset();
    timer.set(100);
    GAgenda.exec();
    EXPECT_EQ(record, (std::vector<int>{1001}));
    EXPECT_EQ(GAgenda.size(), 0u);
}

TEST_F(AgendaTest, ReceiverDestroyedDuringThePassMissesItsDueMessage)
{
    // A monster killed by the message delivered just before its own.
    auto doomed = std::make_unique<Receiver>(record, 2);
    a.onMessage = [&doomed](int) { doomed.reset(); };
    GAgenda.schedule(10, &a, 1);
    GAgenda.schedule(20, doomed.get(), 1);
    timer.set(100);
    GAgenda.exec();
    EXPECT_EQ(record, (std::vector<int>{1001}));
}

TEST_F(AgendaTest, NullReceiverEndsTheGame)
{
    const std::string console = makeTempDir() + "/console.txt";
    EXPECT_EXIT(
        {
            std::freopen("/dev/null", "r", stdin);
            std::freopen(console.c_str(), "w", stdout);
            GAgenda.schedule(0, nullptr, 1);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(readFile(console), "NULL inside of Agenda\n");
}

}
