// /play.php over real sockets, with the exact bytes the game writes (bare line feeds, HTTP/1.0, one
// request per connection) and with what other clients and attackers send.
#include "QuizdTest.h"

#include "EventStore.h"
#include "HttpServer.h"
#include "SetClock.h"

#include <sqlite3.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>
#include <thread>

using namespace quizd;

namespace {

const char* kBank = "::a:: Qual protocolo entrega p\xC3\xA1ginas web? {=HTTP ~FTP ~SMTP}\n\n"
                    "::b:: O cabo usa conector {=RJ45 =RJ-45}.\n\n"
                    "::c:: Marque camadas do TCP/IP {~%50%Aplica\xC3\xA7\xC3\xA3o ~%50%Transporte ~%-100%Sess\xC3\xA3o}\n\n"
                    "::d:: Quantos bits tem um byte? {#8}\n\n"
                    "::e:: Como se diz sat\xC3\xA9lite? {=sat\xC3\xA9lite}\n";

// The request line the game formats, followed by its Host line and empty line, each ending in a bare LF.
std::string gameRequest(const std::string& query)
{
    return "GET /play.php?" + query + " HTTP/1.0\nHost: quiz\n\n";
}

}

class PlayProtocolTest : public QuizdTest {
protected:
    void SetUp() override
    {
        QuizdTest::SetUp();
        importGift(kBank);
        open().addUser("ana", "s3 nh&a");
        ServerOptions options;
        options.address = "127.0.0.1";
        options.port = 0;
        options.timeoutSeconds = 2;
        options.deadlineSeconds = 3;
        server_ = std::make_unique<HttpServer>(path_, options, log_);
        port_ = server_->port();
    }
    void TearDown() override
    {
        server_.reset();
        QuizdTest::TearDown();
    }

    std::string game(const std::string& query) { return exchange(port_, gameRequest(query)); }
    std::string body(const std::string& query) { return bodyOf(game(query)); }

    // Ticks the alternatives whose shown text is in wanted, as the game would send them.
    std::string positionsOf(const std::string& questionBody, std::vector<std::string> wanted)
    {
        std::vector<std::string> fields;
        std::istringstream in(questionBody);
        for (std::string f; std::getline(in, f, '\t');) fields.push_back(f);
        std::string answer;
        for (std::size_t k = 1; k < fields.size(); ++k)
            for (const std::string& w : wanted)
                if (fields[k] == w) answer += (answer.empty() ? "" : "%09") + std::to_string(k - 1);
        return answer;
    }

    const std::string auth = "username=ana&password=s3%20nh%26a";
    std::ostringstream log_;
    std::unique_ptr<HttpServer> server_;
    int port_ = 0;
};

TEST_F(PlayProtocolTest, GameBytesLogOnFetchAndAnswer)
{
    std::string reply = game("msg=l&" + auth);
    EXPECT_EQ(reply.substr(0, 12), "HTTP/1.1 200");
    EXPECT_EQ(bodyOf(reply), "1");

    std::string q = body("msg=p&id=1&" + auth);
    EXPECT_EQ(q.substr(0, 5), "20001");
    EXPECT_NE(q.find("p\xE1ginas"), std::string::npos); // Windows-1252 on the wire
    EXPECT_EQ(body("msg=r&" + auth + "&id=0001&resposta=" + positionsOf(q, {"HTTP"})), "1");
    EXPECT_EQ(body("msg=r&" + auth + "&id=0001&resposta=" + positionsOf(q, {"FTP"})), "0");

    std::string several = body("msg=p&id=3&" + auth);
    EXPECT_EQ(several[0], '3');
    EXPECT_EQ(body("msg=r&" + auth + "&id=0003&resposta=" + positionsOf(several, {"Aplica\xE7\xE3o", "Transporte"})), "1");
    EXPECT_EQ(body("msg=r&" + auth + "&id=0003&resposta=" + positionsOf(several, {"Transporte"})), "0");
}

TEST_F(PlayProtocolTest, FreeTextAnswersWithAccentsAndBlanks)
{
    EXPECT_EQ(body("msg=p&id=5&" + auth), "10005Como se diz sat\xE9lite?");
    EXPECT_EQ(body("msg=r&" + auth + "&id=0005&resposta=%20SAT%c9LITE%0a"), "1");       // Windows-1252
    EXPECT_EQ(body("msg=r&" + auth + "&id=0005&resposta=Sat%c3%a9lite"), "1");           // UTF-8 from a browser
    EXPECT_EQ(body("msg=r&" + auth + "&id=0002&resposta=rj%2d45"), "1");
    EXPECT_EQ(body("msg=r&" + auth + "&id=0002&resposta=rj%0945"), "0");
    EXPECT_EQ(body("msg=r&" + auth + "&id=0004&resposta=8"), "1");
    EXPECT_EQ(body("msg=r&" + auth + "&id=0004&resposta=8%2c0"), "1");
}

TEST_F(PlayProtocolTest, NextQuestionWithoutIdIsOneNotYetRight)
{
    std::string q = body("msg=p&" + auth);
    ASSERT_GE(q.size(), 5u);
    std::string id = q.substr(1, 4);
    EXPECT_EQ(body("msg=r&" + auth + "&id=" + id + "&resposta=nada"), "0");
    EXPECT_NE(body("msg=p&" + auth).substr(1, 4), id);
}

// A fetch asked again is answered from memory: the server's own writes show at once, another
// program's (here SQLite without quizd) once the remembered fetch is a second old.
TEST_F(PlayProtocolTest, AFetchAskedAgainSeesTheBankChangedByTheServerAtOnceAndByOthersWithinASecond)
{
    SetClock clock;
    ServerOptions options;
    options.address = "127.0.0.1";
    options.port = 0;
    options.now = clock.now();
    server_ = std::make_unique<HttpServer>(path_, options, log_);
    port_ = server_->port();
    std::string first = body("msg=p&" + auth).substr(1, 4);
    EXPECT_EQ(body("msg=p&" + auth).substr(1, 4), first);
    open().setRetired(std::stol(first), true);
    std::string second = body("msg=p&" + auth).substr(1, 4);
    EXPECT_NE(second, first);

    std::string retire = "UPDATE questions SET retired = 1 WHERE id = " + std::to_string(std::stol(second)) +
                         "; UPDATE meta SET value = value + 1 WHERE key = 'bank_version'";
    if (onPostgres()) {
        // Other servers write to the same database unseen: no fetch is kept at all.
        Databases::open(path_, false)->exec(retire.c_str());
        EXPECT_NE(body("msg=p&" + auth).substr(1, 4), second);
        return;
    }
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &other), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(other, retire.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    clock.advance(std::chrono::milliseconds(1001));
    std::string third = body("msg=p&" + auth).substr(1, 4);
    EXPECT_NE(third, second);
    EXPECT_NE(third, first);
    EXPECT_NE(log_.str().find("200 questao " + third), std::string::npos);
}

TEST_F(PlayProtocolTest, RefusalsTheGameCanShow)
{
    std::string wrong = game("msg=p&username=ana&password=errada");
    EXPECT_EQ(wrong.substr(0, 12), "HTTP/1.1 403");
    EXPECT_EQ(bodyOf(wrong).substr(0, 5), "10000"); // a notice the question window shows
    EXPECT_EQ(body("msg=p&username=ninguem&password=x").substr(0, 5), "10000");
    EXPECT_EQ(body("msg=r&username=ninguem&password=x&id=0001&resposta=0")[0], '0');
    EXPECT_EQ(body("msg=l&username=ana&password=errada")[0], '0');
    std::string unknown = game("msg=p&id=777&" + auth);
    EXPECT_EQ(unknown.substr(0, 12), "HTTP/1.1 404");
    EXPECT_EQ(bodyOf(unknown).substr(0, 5), "10000");
    EXPECT_EQ(body("msg=r&" + auth + "&id=0777&resposta=0")[0], '0');
    EXPECT_EQ(body("msg=n&" + auth + "&n=3"), "1");
    EXPECT_EQ(open().countAttempts(), 0);
}

TEST_F(PlayProtocolTest, CrlfMissingHostAndOrdinaryClients)
{
    EXPECT_EQ(bodyOf(exchange(port_, "GET /play.php?msg=l&" + auth + " HTTP/1.0\r\nHost: x\r\n\r\n")), "1");
    EXPECT_EQ(bodyOf(exchange(port_, "GET /play.php?msg=l&" + auth + " HTTP/1.0\n\n")), "1");
    EXPECT_EQ(bodyOf(exchange(port_, "GET http://quiz:80/play.php?msg=l&" + auth + " HTTP/1.0\n\n")), "1");
    EXPECT_EQ(bodyOf(exchange(port_, "GET /play.php?msg=l&username=ana&password=s3+nh%26a HTTP/1.1\r\n"
                                     "Host: x\r\nConnection: close\r\nUser-Agent: Mozilla\r\n\r\n")), "1");
}

TEST_F(PlayProtocolTest, BadRequestsAreRefusedAndTheServerGoesOn)
{
    auto status = [](const std::string& reply) { return reply.substr(0, 12); };
    EXPECT_EQ(status(game("msg=l&username=ana&password=%zz")), "HTTP/1.1 400");
    EXPECT_EQ(status(game("msg=x&" + auth)), "HTTP/1.1 400");
    EXPECT_EQ(status(exchange(port_, "GET /other HTTP/1.0\n\n")), "HTTP/1.1 303"); // to the teacher's log-in
    EXPECT_EQ(status(exchange(port_, "POST /play.php?msg=l HTTP/1.0\nContent-Length: 3\n\nabc")), "HTTP/1.1 405");
    std::string longLine = "GET /play.php?msg=l&username=" + std::string(100000, 'a') + " HTTP/1.0\n\n";
    EXPECT_NE(status(exchange(port_, longLine)), "HTTP/1.1 200");
    std::string manyHeaders = "GET /play.php?msg=l&" + auth + " HTTP/1.0\n";
    for (int k = 0; k < 2000; ++k) manyHeaders += "X-Pad-" + std::to_string(k) + ": " + std::string(40, 'x') + "\n";
    EXPECT_NE(status(exchange(port_, manyHeaders + "\n")), "HTTP/1.1 200");
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage += char((i * 131 + 7) % 256);
    exchange(port_, garbage);
    for (const char* sql : {"'%20OR%20'1'%3d'1", "x%27%3b%20DROP%20TABLE%20attempts%3b--"}) {
        EXPECT_EQ(body(std::string("msg=l&username=") + sql + "&password=" + sql)[0], '0');
        EXPECT_EQ(body("msg=r&" + auth + "&id=" + sql + "&resposta=" + sql)[0], '0');
        EXPECT_EQ(body("msg=p&" + auth + "&id=" + sql).substr(0, 5), "10000");
    }
    EXPECT_EQ(body("msg=l&" + auth), "1");
    EXPECT_EQ(open().results().size(), 1u);
}

TEST_F(PlayProtocolTest, IdleClientsDoNotHoldUpOthers)
{
    std::vector<int> idle;
    for (int k = 0; k < 50; ++k) {
        idle.push_back(connectTo(port_));
        ASSERT_GE(idle.back(), 0);
        send(idle.back(), "GET /play.php?msg=l", 19, MSG_NOSIGNAL); // never finishes its request
    }
    EXPECT_EQ(body("msg=l&" + auth), "1");
    // The game was served while every idle client still held its connection, before any idle time-out.
    for (int fd : idle) {
        char c;
        EXPECT_EQ(recv(fd, &c, 1, MSG_DONTWAIT), -1);
        close(fd);
    }
}

TEST_F(PlayProtocolTest, AClientDrippingBytesIsCutOffAtTheDeadline)
{
    int fd = connectTo(port_);
    ASSERT_GE(fd, 0);
    // A byte every half second never trips the idle time-out; only the deadline ends it, long before the
    // twenty seconds of dripping are over.
    int sent = 0;
    while (sent < 40 && send(fd, "a", 1, MSG_NOSIGNAL) == 1) {
        ++sent;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    close(fd);
    EXPECT_LT(sent, 40);
    EXPECT_EQ(body("msg=l&" + auth), "1");
}

TEST_F(PlayProtocolTest, PasswordsNeverReachTheLog)
{
    game("msg=l&" + auth);
    game("msg=p&username=ana&password=errada");
    EXPECT_NE(log_.str().find("password=***"), std::string::npos);
    EXPECT_EQ(log_.str().find("s3%20nh"), std::string::npos);
    EXPECT_EQ(log_.str().find("errada"), std::string::npos);
}

TEST_F(PlayProtocolTest, ADatabaseFailureStillGivesTheGameAReplyItCanShow)
{
    Databases::open(path_, false)->exec("DROP TABLE presentations");
    std::string reply = game("msg=p&id=1&" + auth);
    EXPECT_EQ(reply.substr(0, 12), "HTTP/1.1 500");
    EXPECT_EQ(bodyOf(reply).substr(0, 5), "10000");
    EXPECT_EQ(body("msg=r&" + auth + "&id=0001&resposta=0")[0], '0');
    // Once the database is mended the server goes on without a restart.
    QuizStore(path_, true);
    EXPECT_EQ(body("msg=p&id=1&" + auth).substr(0, 5), "20001");
}

TEST_F(PlayProtocolTest, GameEventsAreStoredOnceAcknowledgedAndBadOnesRefused)
{
    const std::string stage = "&stage=22&title=procurando%20o%20pen%20drive&life=80&time=95";
    const std::string cp1252 = "&stage=100&title=ajustando%20a%20antena%20%e0%20m%e3o&life=80&time=99";
    const std::string utf8 = "&stage=101&title=a%c3%a7%c3%a3o&life=80&time=99";
    struct Case {
        std::string query;
        std::string status;
        char body; // first byte of the reply body
    };
    const Case cases[] = {
        {"msg=e&" + auth + "&event=stage" + stage, "200", '1'},
        {"msg=e&" + auth + "&event=life&stage=22&title=x&life=0&time=96", "200", '1'},
        {"msg=e&" + auth + "&event=capture" + stage, "200", '1'},
        {"msg=e&" + auth + "&event=victory" + stage, "200", '1'},
        {"msg=e&" + auth + "&event=end" + stage, "200", '1'},
        {"msg=e&" + auth + "&event=stage" + cp1252, "200", '1'},
        {"msg=e&" + auth + "&event=stage" + utf8, "200", '1'},
        {"msg=e&username=ana&password=errada&event=stage" + stage, "403", '0'},
        {"msg=e&username=ninguem&password=x&event=stage" + stage, "403", '0'},
        {"msg=e&" + auth + "&event=dance" + stage, "400", '0'},
        {"msg=e&" + auth + stage, "400", '0'},
        {"msg=e&" + auth + "&event=stage&title=x&life=80&time=95", "400", '0'},
        {"msg=e&" + auth + "&event=stage&stage=-1&title=x&life=80&time=95", "400", '0'},
        {"msg=e&" + auth + "&event=life&stage=22&title=x&life=101&time=95", "400", '0'},
        {"msg=e&" + auth + "&event=life&stage=22&title=x&life=80&time=9.5", "400", '0'},
        {"msg=e&" + auth + "&event=stage&stage=22&title=linha%0aoutra&life=80&time=95", "400", '0'},
        {"msg=e&" + auth + "&event=stage&stage=22&title=" + std::string(201, 'x') + "&life=80&time=95", "400", '0'},
    };
    for (const Case& c : cases) {
        std::string reply = game(c.query);
        EXPECT_EQ(reply.substr(9, 3), c.status) << c.query;
        EXPECT_EQ(bodyOf(reply).substr(0, 1), std::string(1, c.body)) << c.query;
    }
    QuizStore store = open();
    std::vector<StoredEvent> stored = EventStore(store.database()).of(*store.findUser("ana"));
    ASSERT_EQ(stored.size(), 7u);
    EXPECT_EQ(stored[0].event.kind, "stage");
    EXPECT_EQ(stored[0].event.title, "procurando o pen drive");
    EXPECT_EQ(stored[1].event.life, 0);
    EXPECT_EQ(stored[4].event.seconds, 95);
    EXPECT_EQ(stored[5].event.title, "ajustando a antena \xC3\xA0 m\xC3\xA3o"); // Windows-1252, as the game sends
    EXPECT_EQ(stored[6].event.title, "a\xC3\xA7\xC3\xA3o");                      // UTF-8 from anything else
    EXPECT_NE(log_.str().find("evento stage 22"), std::string::npos);
}

TEST_F(PlayProtocolTest, ADatabaseRestartedMidRunRefusesMeanwhileThenServesAgainAndLosesNothingAcknowledged)
{
    const char* restart = std::getenv("QUIZD_TEST_POSTGRES_RESTART");
    if (!onPostgres() || !restart) GTEST_SKIP() << "needs a PostgreSQL the test may restart (tests/support/with_postgres)";
    std::vector<std::string> acknowledged;
    int refused = 0;
    int n = 0;
    auto answer = [&] {
        std::string tag = "r" + std::to_string(++n);
        std::string reply = game("msg=r&id=5&resposta=" + tag + "&" + auth);
        std::string b = bodyOf(reply);
        std::string status = reply.substr(9, 3);
        if (status == "200" && (b == "0" || b == "1")) acknowledged.push_back(tag);
        else if (status == "500" && b == "0\tErro interno do servidor") ++refused;
        else ADD_FAILURE() << reply;
    };
    while (acknowledged.size() < 20 && n < 1000) answer();
    std::atomic<bool> restarted{false};
    std::thread restarter([&] {
        EXPECT_EQ(std::system(restart), 0);
        restarted = true;
    });
    while (!restarted) answer();
    restarter.join();
    std::size_t before = acknowledged.size();
    while (acknowledged.size() < before + 20 && n < 100000) answer();
    EXPECT_GT(refused, 0); // every pooled connection was cut, and its next answer is refused
    EXPECT_EQ(acknowledged.size(), before + 20) << "served again after the restart";
    std::multiset<std::string> stored;
    std::unique_ptr<Database> db = Databases::open(path_, false);
    Statement s = db->prepare("SELECT answer FROM attempts");
    while (s.step()) stored.insert(s.text(0));
    for (const std::string& tag : acknowledged) EXPECT_EQ(stored.count(tag), 1u) << tag;
}
