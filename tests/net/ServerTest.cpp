// The quiz protocol against a local server that records the raw request bytes.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "net/Question.h"
#include "net/RecordingServer.h"
#include "net/Server.h"
#include "platform/LogFile.h"
#include "shell/Config.h"
#include "shell/fatal.h"
#include "platform/StateReset.h"

namespace {

const std::string okHeaders = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";
// Plenty for a loopback reply; a silent or dripping server is given up on within a second.
const std::chrono::milliseconds shortWait{300};

class ServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetRegisteredState();
        std::strcpy(GUser.usuario, "ana");
        std::strcpy(GUser.senha, "segredo");
    }
    void TearDown() override { resetRegisteredState(); }

    // The question the answers of a case go to.
    const Question asked{'1', "Q007", "", {}};

    void pointAt(const RecordingServer& server)
    {
        std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", server.port());
    }

    std::string answerRequest(const std::string& resposta)
    {
        RecordingServer server(okHeaders + "1\n");
        pointAt(server);
        sayAnswer(asked, resposta);
        return server.requests().at(0);
    }
};

std::string request(const std::string& line)
{
    return line + "\nHost: 127.0.0.1\n\n";
}

// Sends the game's log to a fresh file for one test and hands back what was written to it.
class LogCapture {
public:
    LogCapture() { GLog.clear(_path.c_str()); }
    ~LogCapture() { std::filesystem::remove(_path); }

    std::string text() const
    {
        std::stringstream text;
        text << std::ifstream(_path).rdbuf();
        return text.str();
    }

private:
    // Tests run in parallel processes: each has a file of its own.
    std::string _path = (std::filesystem::temp_directory_path() /
                         ("satlink-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                          "-log.txt"))
                            .string();
};

// Answers one request with a status line, then a byte every 100 ms (its pace) until told to stop: the
// reply never ends however slowly the client runs, so the client can only give up on it.
void drip(SocketServer& server, const std::atomic<bool>& stop)
{
    std::unique_ptr<Socket> peer = server.Accept();
    for (std::string line = peer->ReceiveLine(); line != "\n" && !line.empty(); line = peer->ReceiveLine()) {
    }
    peer->SendBytes("HTTP/1.0 200 OK\r\n\r\n1Q007");
    while (!stop) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        peer->SendBytes("x");
    }
}

}

TEST_F(ServerTest, LoginSendsEncodedNamesAndReturnsTheWholeReply)
{
    RecordingServer server(okHeaders + "ok\n");
    pointAt(server);
    std::strcpy(GUser.senha, "p w&#");
    EXPECT_EQ(loginServer(), okHeaders + "ok\n");
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0],
              request("GET /play.php?msg=l&username=ana&password=p%20w%26%23 HTTP/1.0"));
}

// The stage's name travels as Windows-1252 bytes, percent-encoded like an answer; a refusal (an older
// server that does not know the message) is read and dropped like any reply.
TEST_F(ServerTest, EventReportCarriesTheEncodedStageNameAndIgnoresTheReply)
{
    RecordingServer server("HTTP/1.0 400 Bad Request\r\n\r\n0\tmensagem desconhecida\n");
    pointAt(server);
    std::strcpy(GUser.senha, "p w&#");
    reportEvent("life", 4, "respondendo \xe0 primeira quest\xe3o", 97, 65);
    reportEvent("stage", 100, "ajustando a antena", 100, 0);
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(server.requests()[0],
              request("GET /play.php?msg=e&username=ana&password=p%20w%26%23&event=life&stage=4"
                      "&title=respondendo%20%e0%20primeira%20quest%e3o&life=97&time=65 HTTP/1.0"));
    EXPECT_EQ(server.requests()[1],
              request("GET /play.php?msg=e&username=ana&password=p%20w%26%23&event=stage&stage=100"
                      "&title=ajustando%20a%20antena&life=100&time=0 HTTP/1.0"));
}

TEST_F(ServerTest, QuestionRequestCarriesTheIdOnlyWhenNotNegative)
{
    RecordingServer server(okHeaders + "1ABCDpergunta");
    pointAt(server);
    getQuestion(-1);
    getQuestion(7);
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(server.requests()[0], request("GET /play.php?msg=p&username=ana&password=segredo HTTP/1.0"));
    EXPECT_EQ(server.requests()[1],
              request("GET /play.php?msg=p&id=7&username=ana&password=segredo HTTP/1.0"));
}

TEST_F(ServerTest, ChoiceQuestionIsSplitIntoHeaderAndAlternatives)
{
    RecordingServer server("HTTP/1.0 200 OK\r\nX-Quiz: 1\r\n\r\n2WXYZQual planeta?\tMarte\tVenus\tTerra\n");
    pointAt(server);
    Question question = askQuestion(-1);
    EXPECT_EQ(question.type, '2');
    EXPECT_EQ(question.id, "WXYZ");
    EXPECT_EQ(question.text, "Qual planeta?");
    ASSERT_EQ(question.fields.size(), 3u);
    EXPECT_EQ(question.fields[0], "Marte");
    EXPECT_EQ(question.fields[2], "Terra\n");
}

TEST_F(ServerTest, LongQuestionTextIsCutAndAnEmptyTextIsAllowed)
{
    RecordingServer server([](const std::string& request) {
        return okHeaders + (request.find("id=1&") != std::string::npos ? "4ABCD" + std::string(2000, 'x') : "1ABCD");
    });
    pointAt(server);
    EXPECT_EQ(askQuestion(1).text.size(), 1024u);
    const Question empty = askQuestion(2);
    EXPECT_EQ(empty.type, '1');
    EXPECT_EQ(empty.text, "");
}

TEST_F(ServerTest, MalformedQuestionFails)
{
    for (const std::string& body : {std::string(""), std::string("2ABC"), std::string("\t\t"),
                                    std::string("<html><body>Not Found</body></html>\n")}) {
        RecordingServer server(okHeaders + body);
        pointAt(server);
        EXPECT_THROW(askQuestion(-1), GameError) << body;
    }
    RecordingServer headersOnly("HTTP/1.0 200 OK\r\n");
    pointAt(headersOnly);
    EXPECT_THROW(askQuestion(-1), GameError);
}

TEST_F(ServerTest, EndlessReplyIsAFailure)
{
    std::string lines;
    for (int i = 0; i < 2000; ++i)
        lines += std::string(99, 'x') + "\n";
    RecordingServer server(okHeaders + "1ABCD" + lines);
    pointAt(server);
    EXPECT_EQ(loginServer(), "");
    EXPECT_THROW(askQuestion(-1), GameError);
}

TEST_F(ServerTest, AnswerIsPercentEncoded)
{
    const std::string prefix = "GET /play.php?msg=r&username=ana&password=segredo&id=Q007&resposta=";
    EXPECT_EQ(answerRequest("a b"), request(prefix + "a%20b HTTP/1.0"));
    EXPECT_EQ(answerRequest("x-y.z"), request(prefix + "x%2dy%2ez HTTP/1.0"));
    EXPECT_EQ(answerRequest("1\t3"), request(prefix + "1%093 HTTP/1.0"));
    EXPECT_EQ(answerRequest("\xe7\xe3\xe9"), request(prefix + "%e7%e3%e9 HTTP/1.0"));
}

// Only a "0" or a "1" that the server served is a verdict; anything else is no answer at all (a server
// that could not store the answer replies 500 with a body that starts "0").
TEST_F(ServerTest, OnlyAServedZeroOrOneIsAVerdict)
{
    const struct {
        const char* status;
        const char* body;
        const char* field0;
    } cases[] = {
        {"HTTP/1.0 200 OK", "1", "1"},
        {"HTTP/1.0 200 OK", "1\tparabens\n", "1"},
        {"HTTP/1.1 200 OK", "0\tresposta: 3\n", "0"},
        {"HTTP/1.0 200", "0", "0"},
        {"HTTP/1.0 200 OK", "1\n", "outch"},
        {"HTTP/1.0 200 OK", "", "outch"},
        {"HTTP/1.0 200 OK", "2", "outch"},
        {"HTTP/1.0 200 OK", "<html>ok</html>\n", "outch"},
        {"HTTP/1.1 500 Internal Server Error", "0\tErro interno do servidor", "outch"},
        {"HTTP/1.1 429 Too Many Requests", "0\tMuitas tentativas", "outch"},
        {"HTTP/1.0 2000 OK", "1", "outch"},
        {"garbage", "1", "outch"},
    };
    for (const auto& c : cases) {
        const std::string body = c.body;
        bool wholeLine = !body.empty() && body.back() == '\n';
        RecordingServer server(std::string(c.status) + "\r\nContent-Type: text/plain\r\n\r\n" + body +
                               (wholeLine ? "mais uma linha\n" : ""));
        pointAt(server);
        EXPECT_EQ(sayAnswer(asked, "x").at(0), c.field0) << c.status << " / " << body;
    }
}

TEST_F(ServerTest, AnswerToAClosedPortIsOutch)
{
    int closedPort;
    {
        SocketServer probe(0, 1);
        closedPort = probe.port();
    }
    std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", closedPort);
    EXPECT_EQ(sayAnswer(asked, "x"), std::vector<std::string>{"outch"});
    EXPECT_EQ(loginServer(), "");
    EXPECT_THROW(getQuestion(-1), GameError);
}

TEST_F(ServerTest, LevelChangeGoesStraightToTheServer)
{
    RecordingServer server(okHeaders + "ok\n");
    pointAt(server);
    GproxyInternet = true;
    GproxyIP = "127.0.0.1";
    GproxyPort = 1;
    EXPECT_EQ(changeLevel(3), okHeaders + "ok\n");
    EXPECT_EQ(server.requests().at(0), request("GET /play.php?msg=n&username=ana&password=segredo&n=3 HTTP/1.0"));
}

TEST_F(ServerTest, EveryRequestThatLogsOnCarriesTheInstallTokenLast)
{
    RecordingServer server(okHeaders + "1AB12pergunta");
    pointAt(server);
    GinstallToken = "9f00a1"; // the fixture puts it back between cases
    loginServer();
    getQuestion(-1);
    getQuestion(7);
    sayAnswer(asked, "a b");
    changeLevel(2);
    const std::string auth = "username=ana&password=segredo";
    EXPECT_EQ(server.requests(),
              (std::vector<std::string>{
                  request("GET /play.php?msg=l&" + auth + "&install=9f00a1 HTTP/1.0"),
                  request("GET /play.php?msg=p&" + auth + "&install=9f00a1 HTTP/1.0"),
                  request("GET /play.php?msg=p&id=7&" + auth + "&install=9f00a1 HTTP/1.0"),
                  request("GET /play.php?msg=r&" + auth + "&id=Q007&resposta=a%20b&install=9f00a1 HTTP/1.0"),
                  request("GET /play.php?msg=n&" + auth + "&n=2&install=9f00a1 HTTP/1.0"),
              }));
}

TEST_F(ServerTest, ProxyRefusalFailsEveryRequest)
{
    RecordingServer proxy("HTTP/1.0 407 Proxy Authentication Required\r\n\r\n");
    GproxyInternet = true;
    GproxyIP = "127.0.0.1";
    GproxyPort = proxy.port();
    std::strcpy(GUser.endereco, "quiz.example");
    EXPECT_EQ(loginServer(), "");
    EXPECT_THROW(getQuestion(-1), GameError);
    EXPECT_EQ(sendAnswer("Q007", "x"), "outch");
    ASSERT_EQ(proxy.requests().size(), 3u);
    EXPECT_EQ(proxy.requests()[0], "CONNECT quiz.example:80 HTTP/1.0 \r\n\n");
}

TEST_F(ServerTest, BadOrMissingServerAddressFailsWithItsReasonInTheLog)
{
    std::string log = (std::filesystem::temp_directory_path() / "satlink-server-test-log.txt").string();
    GLog.clear(log.c_str());
    std::strcpy(GUser.endereco, "127.0.0.1:8o");
    EXPECT_EQ(loginServer(), "");
    EXPECT_EQ(sendAnswer("Q007", "x"), "outch");
    GUser.endereco[0] = 0;
    EXPECT_THROW(askQuestion(-1), GameError);
    std::stringstream text;
    text << std::ifstream(log).rdbuf();
    EXPECT_EQ(text.str(), "loginServer: bad port in the server address: 127.0.0.1:8o\n"
                          "sendAnswer: bad port in the server address: 127.0.0.1:8o\n"
                          "getQuestion: no quiz server address in config.xml\n");
    std::filesystem::remove(log);
}


TEST_F(ServerTest, BodyShorterThanItsContentLengthIsAFailedFetch)
{
    const std::string cut = "1Q 7!Quanto vale meia";
    const struct {
        std::string headers;
        bool fetched;
    } cases[] = {
        {"HTTP/1.0 200 OK\r\nContent-Length: 40\r\n\r\n", false},
        {"HTTP/1.0 200 OK\r\ncontent-LENGTH:22\r\n\r\n", false},
        {"HTTP/1.0 200 OK\r\nContent-Length: 21\r\n\r\n", true},
        {"HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\n", true},
        {"HTTP/1.0 200 OK\r\nContent-Length: -5\r\n\r\n", true},
        {"HTTP/1.0 200 OK\r\nContent-Length: many\r\n\r\n", true},
        {okHeaders, true},
    };
    for (const auto& c : cases) {
        RecordingServer server(c.headers + cut);
        pointAt(server);
        if (c.fetched) {
            std::string id;
            EXPECT_NO_THROW(id = askQuestion(-1).id) << c.headers;
            EXPECT_EQ(id, "Q 7!") << c.headers;
        } else {
            EXPECT_THROW(askQuestion(-1), GameError) << c.headers;
        }
    }
}

// A server that never answers, or whose reply never ends, is a failure, logged as a time-out.
TEST_F(ServerTest, TimeOutsAreLoggedAsTimeOuts)
{
    LogCapture log;
    SocketServer silent(0, 5);
    std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", silent.port());
    EXPECT_EQ(loginServer(shortWait), "");
    EXPECT_THROW(askQuestion(-1, shortWait), GameError);
    EXPECT_EQ(sendAnswer("Q007", "x", shortWait), "outch");
    SocketServer dripping(0, 5);
    std::atomic<bool> givenUp{false};
    std::thread server([&] { drip(dripping, givenUp); });
    std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", dripping.port());
    EXPECT_THROW(askQuestion(-1, shortWait), GameError);
    givenUp = true;
    server.join();
    EXPECT_EQ(log.text(), "loginServer: reading the reply: time-out\n"
                          "getQuestion: reading the reply: time-out\n"
                          "sendAnswer: reading the reply: time-out\n"
                          "getQuestion: reading the reply: time-out\n");
}

TEST_F(ServerTest, FailedLogonsAreLogged)
{
    LogCapture log;
    const std::string refusal =
        "HTTP/1.0 403 Forbidden\r\nContent-Type: text/plain\r\n\r\n0\tUsuario ou senha invalidos";
    {
        RecordingServer server(refusal);
        pointAt(server);
        EXPECT_EQ(loginServer(), refusal);
    }
    {
        RecordingServer server(okHeaders + "ok\n");
        pointAt(server);
        EXPECT_EQ(loginServer(), okHeaders + "ok\n");
    }
    {
        RecordingServer server("");
        pointAt(server);
        EXPECT_EQ(loginServer(), "");
    }
    EXPECT_EQ(log.text(), "loginServer: log-on refused: HTTP/1.0 403 Forbidden / 0 Usuario ou senha invalidos\n"
                          "loginServer: empty reply\n");
}
