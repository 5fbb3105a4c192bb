// The socket layer over real loopback connections.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <utility>

#include "net/SocketClient.h"
#include "shell/fatal.h"
#include "support/SocketSelect.h"
#include "support/SocketServer.h"

namespace {

struct Pair {
    SocketServer server{0, 5};
    SocketClient client{"127.0.0.1", server.port()};
    std::unique_ptr<Socket> peer{server.Accept()};
};

}

TEST(SocketTest, LineWithoutFeedBeforeCloseIsReturnedThenEmpty)
{
    Pair pair;
    pair.peer->SendBytes("abc");
    pair.peer.reset();
    EXPECT_EQ(pair.client.ReceiveLine(), "abc");
    EXPECT_EQ(pair.client.ReceiveLine(), "");
}

TEST(SocketTest, LinesKeepTheirTerminators)
{
    Pair pair;
    pair.peer->SendBytes("one\r\n\r\ntwo\n");
    EXPECT_EQ(pair.client.ReceiveLine(), "one\r\n");
    EXPECT_EQ(pair.client.ReceiveLine(), "\r\n");
    EXPECT_EQ(pair.client.ReceiveLine(), "two\n");
}

TEST(SocketTest, EndlessLineIsAFailure)
{
    Pair pair;
    pair.peer->SendBytes(std::string(Socket::maxLine, 'x') + "\n");
    EXPECT_EQ(pair.client.ReceiveLine(), "");
}

TEST(SocketTest, SendLineAddsOneBareLineFeed)
{
    Pair pair;
    std::string line = "GET /";
    pair.client.SendLine(line);
    EXPECT_EQ(line, "GET /");
    EXPECT_EQ(pair.peer->ReceiveLine(), "GET /\n");
}

TEST(SocketTest, MoveHandsTheConnectionOnAndLeavesNothingToClose)
{
    int before = Socket::liveSockets();
    Pair pair;
    auto first = std::make_unique<SocketClient>("127.0.0.1", pair.server.port());
    std::unique_ptr<Socket> peer(pair.server.Accept());
    auto moved = std::make_unique<Socket>(std::move(*first));
    EXPECT_EQ(Socket::liveSockets(), before + 6);

    first.reset();
    moved->SendLine("still open");
    EXPECT_EQ(peer->ReceiveLine(), "still open\n");

    moved.reset();
    EXPECT_EQ(peer->ReceiveLine(), "");
    EXPECT_EQ(Socket::liveSockets(), before + 4);
}

TEST(SocketTest, MoveAssignmentClosesTheOldConnection)
{
    Pair pair;
    SocketClient other("127.0.0.1", pair.server.port());
    std::unique_ptr<Socket> otherPeer(pair.server.Accept());
    other = std::move(pair.client);
    EXPECT_EQ(otherPeer->ReceiveLine(), "");
    other.SendLine("via the new owner");
    EXPECT_EQ(pair.peer->ReceiveLine(), "via the new owner\n");
    // the old owner holds no handle: closing it touches nothing
    pair.client.Close();
    other.SendLine("after the close");
    EXPECT_EQ(pair.peer->ReceiveLine(), "after the close\n");
}

TEST(SocketTest, ReceiveBytesReturnsAtOnceWhenNothingWaits)
{
    Pair pair;
    EXPECT_EQ(pair.client.ReceiveBytes(), "");
    pair.peer->SendBytes("xyz");
    SocketSelect wait(&pair.client, nullptr);
    EXPECT_EQ(pair.client.ReceiveBytes(), "xyz");
}

TEST(SocketTest, NonBlockingAcceptWithNothingPendingGivesNull)
{
    SocketServer server(0, 5, NonBlockingSocket);
    EXPECT_EQ(server.Accept(), nullptr);
}

TEST(SocketTest, SelectWatchesOnlyTheGivenSockets)
{
    Pair pair;
    SocketSelect idle(&pair.client, nullptr, NonBlockingSocket);
    EXPECT_FALSE(idle.Readable(&pair.client));

    pair.peer->SendBytes("x\n");
    SocketSelect ready(&pair.client, nullptr, NonBlockingSocket);
    EXPECT_TRUE(ready.Readable(&pair.client));
    EXPECT_FALSE(ready.Readable(pair.peer.get()));
}

TEST(SocketTest, RefusedConnectionAndUnknownHostRaiseTheSystemText)
{
    int closedPort;
    {
        SocketServer probe(0, 1);
        closedPort = probe.port();
    }
    EXPECT_THROW(SocketClient("127.0.0.1", closedPort), GameError);
    EXPECT_THROW(SocketClient("no-such-host.invalid", 80), GameError);
}

TEST(SocketTest, ServerThatNeverAnswersTimesOut)
{
    SocketServer silent(0, 5);
    SocketClient client("127.0.0.1", silent.port(), std::chrono::milliseconds(300));
    EXPECT_EQ(client.ReceiveLine(), "");
    EXPECT_EQ(client.readFailure(), "time-out");
}

TEST(SocketTest, ServerDrippingBytesIsCutOffAfterThreeTimeoutsNotWhenItStops)
{
    SocketServer server(0, 5);
    SocketClient client("127.0.0.1", server.port(), std::chrono::milliseconds(100));
    std::unique_ptr<Socket> peer = server.Accept();
    // Each byte comes well within the time-out; the dripping would go on for a minute.
    std::atomic<bool> cutOff{false};
    std::atomic<int> sent{0};
    std::thread drip([&] {
        for (; sent < 1200 && !cutOff; ++sent) {
            peer->SendBytes("x");
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    EXPECT_EQ(client.ReceiveLine(), "");
    cutOff = true;
    EXPECT_EQ(client.readFailure(), "time-out");
    EXPECT_LT(sent, 1200);
    drip.join();
}
