// Who gives up a place when every place is taken: the oldest connection not being answered, from the
// crowded address when that address is what is full.
#include "ConnectionGuard.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <vector>

using quizd::ConnectionGuard;

namespace {

// One end the guard watches, the other end a client would hold.
struct Pair {
    int server = -1, client = -1;
    Pair()
    {
        int fds[2];
        socketpair(AF_UNIX, SOCK_STREAM, 0, fds);
        server = fds[0];
        client = fds[1];
    }
    ~Pair()
    {
        close(server);
        close(client);
    }
    bool shut() const
    {
        char c;
        return recv(client, &c, 1, MSG_DONTWAIT) == 0;
    }
};

}

TEST(ConnectionGuard, MakesRoomFromTheOldestNotBeingAnswered)
{
    struct Case {
        const char* what;
        std::uint32_t newcomer;
        std::vector<char> state; // per place, oldest first: 'w' waiting, 'a' being answered, 'u' its body
                                 // arriving; places 0-1 from address 1, 2-3 from address 2
        int shed;                    // which place gives way, -1 for none (refused)
    };
    const Case cases[] = {
        {"all full, all waiting", 3, {'w', 'w', 'w', 'w'}, 0},
        {"the oldest is being answered", 3, {'a', 'w', 'w', 'w'}, 1},
        {"the oldest is uploading", 3, {'u', 'w', 'w', 'w'}, 1},
        {"address 1 full: its own oldest waiting goes", 1, {'a', 'w', 'w', 'w'}, 1},
        {"address 1 full: an upload is spared", 1, {'u', 'w', 'w', 'w'}, 1},
        {"address 2 full: its own oldest", 2, {'w', 'w', 'w', 'w'}, 2},
        {"every place being answered or uploading", 3, {'a', 'u', 'a', 'u'}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConnectionGuard guard(std::chrono::seconds(60), 4, 2);
        std::vector<Pair> pairs(4);
        for (int k = 0; k < 4; ++k) {
            guard.opened(pairs[k].server, k < 2 ? 1 : 2);
            if (c.state[k] == 'a') guard.answering(pairs[k].server);
            if (c.state[k] == 'u') guard.receiving(pairs[k].server, 0);
            // Distinct opening times: the next opens once the clock has moved on.
            for (auto now = std::chrono::steady_clock::now(); std::chrono::steady_clock::now() == now;) {
            }
        }
        EXPECT_EQ(guard.admit(c.newcomer), c.shed >= 0);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(pairs[k].shut(), k == c.shed) << "place " << k;
    }
}

TEST(ConnectionGuard, AnAnsweredKeptAliveConnectionCanGiveWayAgain)
{
    ConnectionGuard guard(std::chrono::seconds(60), 1, 1);
    Pair kept;
    guard.opened(kept.server, 1);
    guard.answering(kept.server);
    EXPECT_FALSE(guard.admit(2));
    guard.answered(kept.server);
    EXPECT_TRUE(guard.admit(2));
    EXPECT_TRUE(kept.shut());
}
