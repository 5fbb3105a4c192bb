// The request worker over real loopback connections: order, dropped replies, the log, shutdown.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>

#include "net/QuizWorker.h"
#include "net/RecordingServer.h"
#include "net/Server.h"
#include "platform/LogFile.h"
#include "shell/Config.h"
#include "support/EngineTest.h"
#include "support/SocketServer.h"

namespace {

const std::string okHeaders = "HTTP/1.0 200 OK\r\n\r\n";

class QuizWorkerTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        logPath = makeTempDir() + "/log.txt";
        GLog.clear(logPath.c_str());
        std::strcpy(GUser.usuario, "ana");
        std::strcpy(GUser.senha, "segredo");
    }

    void pointAt(int port) { std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", port); }

    std::string log() const
    {
        std::stringstream text;
        text << std::ifstream(logPath).rdbuf();
        return text.str();
    }

    std::string logPath;
    QuizWorker worker;
};

// The request's id key, which getQuestion puts first after msg=p.
std::string idOf(const std::string& request)
{
    const size_t at = request.find("id=");
    return request.substr(at + 3, request.find('&', at) - at - 3);
}

}

TEST_F(QuizWorkerTest, RepliesComeInPostingOrderAndTheirLogLinesOnlyThroughTheFrame)
{
    RecordingServer server([](const std::string& request) { return okHeaders + "body " + idOf(request); });
    pointAt(server.port());
    std::future<std::string> first = worker.post([] { return getQuestion(1); });
    std::future<std::string> second = worker.post([] { return getQuestion(2); });
    worker.send([] { return getQuestion(3); });
    std::future<std::string> last = worker.post([] {
        GLog.writelf("written on the worker");
        return std::string("last");
    });

    EXPECT_EQ(first.get(), "body 1");
    EXPECT_EQ(second.get(), "body 2");
    EXPECT_EQ(last.get(), "last");
    const std::vector<std::string> requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(idOf(requests[0]) + idOf(requests[1]) + idOf(requests[2]), "123");
    EXPECT_EQ(log(), "");
    worker.writeLog();
    EXPECT_EQ(log(), "written on the worker\n");
}

TEST_F(QuizWorkerTest, AReplyLetGoIsDroppedAndTheNextRequestGetsItsOwn)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    RecordingServer server([released](const std::string& request) {
        released.wait();
        return okHeaders + "body " + idOf(request);
    });
    pointAt(server.port());
    {
        std::future<std::string> stale = worker.post([] { return getQuestion(1); });
    }
    std::future<std::string> fresh = worker.post([] { return getQuestion(2); });
    release.set_value();
    EXPECT_EQ(fresh.get(), "body 2");
    EXPECT_EQ(server.requests().size(), 2u);
}

// Had the connection waited for its time-out, the log would tell a time-out, after the thread was left.
TEST_F(QuizWorkerTest, ShutdownWithARequestOutEndsItsConnectionAtOnce)
{
    SocketServer silent(0, 5);
    pointAt(silent.port());
    std::future<std::string> logon = worker.post([] { return loginServer(std::chrono::seconds(20)); });
    std::future<std::string> queued = worker.post([] { return loginServer(std::chrono::seconds(20)); });
    std::unique_ptr<Socket> peer = silent.Accept();
    for (std::string line = peer->ReceiveLine(); line != "\n"; line = peer->ReceiveLine())
        ASSERT_FALSE(line.empty());

    worker.stop();

    EXPECT_EQ(peer->ReceiveLine(), "");
    EXPECT_EQ(logon.get(), "");
    EXPECT_THROW(queued.get(), std::future_error);
    EXPECT_EQ(log(), "loginServer: empty reply\n");
}
