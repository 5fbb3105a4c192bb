// The mission's question stages against a real quizd: wrong answers, the third attempt, the server's
// notices and a server that is gone.
#include "QuizdTest.h"

#include "HttpServer.h"
#include "mission/Story.h"
#include "net/Question.h"
#include "player/Camera.h"
#include "shell/Config.h"
#include "support/MissionWorld.h"
#include "ui/MessageBox.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>

using namespace quizd;

class MissionTest : public QuizdTest {
protected:
    void SetUp() override
    {
        QuizdTest::SetUp();
        importGift("::a:: Como se diz satelite em ingles? {=satellite}\n\n"
                   "::b:: Qual a capital do Brasil? {=Brasilia}\n");
        open().addUser("ana", "segredo");
        world.open(false);
        ServerOptions options;
        options.address = "127.0.0.1";
        options.port = 0;
        server = std::make_unique<HttpServer>(path_, options, log);
        std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", server->port());
        std::strcpy(GUser.usuario, "ana");
        std::strcpy(GUser.senha, "segredo");
        world.frame();
    }
    void TearDown() override
    {
        server.reset();
        world.close();
        QuizdTest::TearDown();
    }

    int state() const { return world.story().getState(); }
    std::string rightAnswer() const { return GquestionText.find("satelite") != std::string::npos ? "satellite" : "Brasilia"; }
    // The first question stage: the computer touched, a question asked.
    void askAtTheComputer()
    {
        world.story().setState(mission::firstTouch);
        world.touch("Computador");
        world.frames(2);
        ASSERT_EQ(state(), mission::firstAnswer);
    }
    long attempts() { return open().countAttempts(); }

    MissionWorld world;
    std::ostringstream log;
    std::unique_ptr<HttpServer> server;
};

TEST_F(MissionTest, EachWrongAnswerCostsThreeTheThirdPassesAndQuizdKeepsEveryAttempt)
{
    askAtTheComputer();
    for (int wrong = 1; wrong <= 3; ++wrong) {
        ASSERT_TRUE(world.questionOnShow()) << wrong;
        world.answer("errado");
        world.frame();
        EXPECT_EQ(attempts(), wrong);
        if (wrong < 3) {
            EXPECT_EQ(state(), mission::firstQuestion);
            EXPECT_EQ(GmainCamera->getLife(), 100 - 3 * wrong);
            world.frame();
        }
    }
    EXPECT_EQ(state(), mission::openEastYard) << "the third answer passes";
    EXPECT_EQ(GmainCamera->getLife(), 94) << "and costs nothing";

    world.story().setState(mission::networkTouch);
    world.touch("Computador");
    world.frame();
    world.answer(rightAnswer());
    world.frame();
    EXPECT_EQ(state(), mission::networkLost);
    EXPECT_EQ(GmainCamera->getLife(), 94);
    const std::vector<StudentResult> results = open().results();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].right, 1);
    EXPECT_EQ(results[0].wrong, 3);
}

TEST_F(MissionTest, ANoticeOfTheServerCostsNothingAndTheQuestionIsAskedAgainLater)
{
    std::strcpy(GUser.senha, "errada");
    askAtTheComputer();
    ASSERT_TRUE(world.questionOnShow());
    EXPECT_EQ(GquestionID, "0000");
    EXPECT_NE(GquestionText.find("senha"), std::string::npos);
    world.answer("whatever");
    world.frames(10);
    EXPECT_EQ(state(), mission::firstAnswer);
    EXPECT_FALSE(world.questionOnShow());
    EXPECT_EQ(GmainCamera->getLife(), 100);
    EXPECT_EQ(attempts(), 0);

    std::strcpy(GUser.senha, "segredo");
    world.advance(Story::retryDelay);
    world.frame();
    EXPECT_TRUE(world.questionOnShow());
    EXPECT_NE(GquestionID, "0000");
}

TEST_F(MissionTest, AServerThatIsGoneIsSaidOnScreenAndAskedAgainAfterAFewSeconds)
{
    server.reset();
    askAtTheComputer();
    EXPECT_FALSE(world.questionOnShow());
    ASSERT_NE(GMessageBox.text(), nullptr);
    EXPECT_NE(std::wstring(GMessageBox.text()).find(L"servidor de questoes"), std::wstring::npos);
    world.closeMessage();
    world.frames(10);
    EXPECT_EQ(state(), mission::firstAnswer);
    EXPECT_EQ(GmainCamera->getLife(), 100);

    ServerOptions options;
    options.address = "127.0.0.1";
    options.port = 0;
    server = std::make_unique<HttpServer>(path_, options, log);
    std::snprintf(GUser.endereco, sizeof GUser.endereco, "127.0.0.1:%d", server->port());
    world.advance(Story::retryDelay);
    world.frame();
    EXPECT_TRUE(world.questionOnShow());
    world.answer(rightAnswer());
    world.frame();
    EXPECT_EQ(state(), mission::openEastYard);
}
