// The server facing a careless administrator and a guessing student: its database file deleted or
// replaced under it, HEAD requests, and password guessing, all through real sockets.
#include "QuizdTest.h"

#include "HttpServer.h"

#include <sys/stat.h>

#include <memory>
#include <sstream>

using namespace quizd;

class HttpServerTest : public QuizdTest {
protected:
    void SetUp() override
    {
        QuizdTest::SetUp();
        importGift("Um {=a ~b}\n\nDois {=sim}\n");
        open().addUsers({{"ana", "certa"}, {"bia", "dela"}});
        ServerOptions options;
        options.address = "127.0.0.1";
        options.port = 0;
        server_ = std::make_unique<HttpServer>(path_, options, log_);
    }
    void TearDown() override
    {
        server_.reset();
        QuizdTest::TearDown();
    }
    std::string get(const std::string& query, const std::string& method = "GET", const char* from = "127.0.0.1")
    {
        return exchange(server_->port(), method + " /play.php?" + query + " HTTP/1.0\nHost: quiz\n\n", from);
    }
    // "0" or "1" with status 200: the game was told its answer is stored.
    bool acknowledged(const std::string& reply)
    {
        return reply.compare(0, 12, "HTTP/1.1 200") == 0 && (bodyOf(reply) == "0" || bodyOf(reply) == "1");
    }
    std::ostringstream log_;
    std::unique_ptr<HttpServer> server_;
};

TEST_F(HttpServerTest, NothingIsAcknowledgedOnceTheFileIsDeletedOrReplaced)
{
    if (onPostgres()) GTEST_SKIP() << "a SQLite file deleted or replaced";
    struct Case {
        const char* what;
        void (*change)(const std::string& path);
    };
    const Case cases[] = {
        {"deleted", [](const std::string& path) { std::filesystem::remove(path); }},
        {"replaced", [](const std::string& path) {
             std::filesystem::copy_file(path, path + ".copia");
             std::filesystem::rename(path + ".copia", path);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        ASSERT_TRUE(acknowledged(get("msg=r&username=ana&password=certa&id=2&resposta=sim")));
        c.change(path_);
        for (int k = 0; k < 5; ++k) {
            std::string reply = get("msg=r&username=ana&password=certa&id=2&resposta=sim");
            EXPECT_FALSE(acknowledged(reply)) << reply;
            EXPECT_EQ(bodyOf(reply)[0], '0'); // still a reply the game reads as not right
        }
        EXPECT_EQ(bodyOf(get("msg=p&username=ana&password=certa")).substr(0, 5), "10000");
        EXPECT_NE(log_.str().find("apagado ou trocado"), std::string::npos);
    }
}

TEST_F(HttpServerTest, HeadChangesNothing)
{
    for (const char* query : {"msg=r&username=ana&password=certa&id=1&resposta=0", "msg=p&username=ana&password=certa",
                              "msg=n&username=ana&password=certa&n=4"}) {
        std::string reply = get(query, "HEAD");
        EXPECT_EQ(reply.substr(0, 12), "HTTP/1.1 405") << query;
        EXPECT_NE(reply.find("Allow: GET"), std::string::npos);
    }
    std::unique_ptr<Database> db = Databases::open(path_, false);
    for (const char* table : {"attempts", "presentations"}) {
        Statement s = db->prepare((std::string("SELECT count(*) FROM ") + table).c_str());
        s.step();
        EXPECT_EQ(s.integer(0), 0) << table;
    }
    Statement level = db->prepare("SELECT max(level) FROM users");
    level.step();
    EXPECT_EQ(level.integer(0), 0);
}

TEST_F(HttpServerTest, GuessingIsSlowedDownAndTheGameStillGetsANotice)
{
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(get("msg=p&username=ana&password=chute" + std::to_string(k)).substr(0, 12), "HTTP/1.1 403");
    for (int k = 5; k < 8; ++k) get("msg=l&username=ana&password=chute" + std::to_string(k));
    // Held back now, even with the right password, with a notice the game shows.
    std::string held = get("msg=p&username=ana&password=certa");
    EXPECT_EQ(held.substr(0, 12), "HTTP/1.1 429");
    EXPECT_EQ(bodyOf(held).substr(0, 5), "10000");
    EXPECT_NE(bodyOf(held).find("Tente de novo daqui a"), std::string::npos);
    EXPECT_NE(bodyOf(held).find("professor"), std::string::npos);
    EXPECT_EQ(bodyOf(get("msg=r&username=ana&password=certa&id=1&resposta=0"))[0], '0');
    // The class mate behind the same address is not held up.
    EXPECT_EQ(bodyOf(get("msg=l&username=bia&password=dela")), "1");
    EXPECT_EQ(open().countAttempts(), 0);
}

TEST_F(HttpServerTest, TheDatabaseAndItsWalFilesAreTheOwnersOnly)
{
    if (onPostgres()) GTEST_SKIP() << "the modes of a SQLite file";
    EXPECT_EQ(bodyOf(get("msg=r&username=ana&password=certa&id=2&resposta=sim")), "1");
    for (const std::string& file : {path_, path_ + "-wal", path_ + "-shm"}) {
        struct stat st {};
        ASSERT_EQ(stat(file.c_str(), &st), 0) << file;
        EXPECT_EQ(st.st_mode & 0777, 0600u) << file;
    }
}

TEST_F(HttpServerTest, DuringALockTheRightPasswordGetsTheGuessersReplyButTheStudentsOwnGameGetsIn)
{
    const std::string own = "install=" + std::string(64, 'a');
    ASSERT_EQ(bodyOf(get("msg=l&username=ana&password=certa&" + own)), "1");
    std::string guess;
    for (int k = 0; k < 30; ++k)
        guess = get("msg=l&username=ana&password=chute" + std::to_string(k), "GET", "127.0.0.2");
    std::string right = get("msg=l&username=ana&password=certa", "GET", "127.0.0.2");
    EXPECT_EQ(right.substr(0, 12), "HTTP/1.1 429");
    EXPECT_EQ(withoutNumbers(right), withoutNumbers(guess));
    // Neither a question nor a cached pair tells them apart.
    EXPECT_EQ(withoutNumbers(get("msg=p&username=ana&password=certa", "GET", "127.0.0.2")),
              withoutNumbers(get("msg=p&username=ana&password=chute", "GET", "127.0.0.2")));
    EXPECT_EQ(get("msg=l&username=ana&password=certa&install=" + std::string(64, 'b')).substr(0, 12),
              "HTTP/1.1 429");
    EXPECT_EQ(bodyOf(get("msg=l&username=ana&password=certa&" + own)), "1");
    EXPECT_EQ(bodyOf(get("msg=r&username=ana&password=certa&id=2&resposta=sim&" + own)), "1");
    EXPECT_EQ(log_.str().find(std::string(64, 'a')), std::string::npos);
}
